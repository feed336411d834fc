#pragma once

#include "engine/id3v2_tag.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// What a write does to the seven fields of an ID3v2 tag: a field with a value is set (an empty text
// removes its frame), a field without one is left as it is. Genre is a genre's name, Track a
// number ("3"); a track total the tag holds ("3/12") is kept. Clear removes the seven fields'
// frames and ignores the values.
struct TId3v2Edit
{
    TId3v2Fields Fields;
    bool Clear = false;
    // Asked before a field's value is replaced: true when the value the tag holds (as
    // ParseId3v2Tag reads it) says what the edit says and may stay, as a title longer than an
    // ID3v1 tag holds does for its own first 30 characters. Fields are counted from 0 (title) to
    // 6 (track). None: only the edit's own value stays.
    std::function<bool(std::size_t field, const std::string& held)> Keeps;
};

// The bytes of the ID3v2 tag `tag` (its first `size` bytes; none: a new tag) with the edit made:
// the header and the frames, without padding. Only the first frame of an edited field is
// replaced, and only when its value changes; every other frame stays as it is, byte for byte and
// in its place, and a field the tag had no frame for gets one before the others. The tag keeps its
// version 2.3 or 2.4 (2.2, which is no longer written, and a new tag become 2.4 with UTF-8 texts).
// Nothing when the edit changes no field's value (a clear of a file without a tag, values the tag
// holds already), and also, with `damaged` set, when the tag is cut short by the end of its file
// or cannot be taken apart.
std::optional<std::string> RenderId3v2Tag(const std::uint8_t* tag, std::size_t size,
                                          const TId3v2Edit& edit, bool& damaged);
