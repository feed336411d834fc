#pragma once

#include "catalogue/html_song.h"
#include "engine/mpeg_audio.h"

#include <cstddef>
#include <string>

// The values of the song at table index `index`, from the file at `path` as `reader` analysed
// it. Tag and file-name texts are HTML-escaped, and the page name is percent-encoded as a link
// (UrlPathEscape) so that links to it work; a field that is only the "[notag]" placeholder becomes
// "&nbsp" alone.
THtmlSong MakeHtmlSong(const TMPEGAudio& reader, const std::string& path, std::size_t index);
