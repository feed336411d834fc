#pragma once

#include "engine/mpeg_audio.h"
#include "engine/regional_settings.h"

#include <string>
#include <string_view>

// The file-name macro language: a text with items in percent signs, such as "%T%" (the title,
// padded to 30 characters) or "%TR,R,4,0%" (the track, right-aligned in four characters padded
// with zeros). An item reads %tag id[,|: alignment][,|: length][, pad character]%.

// What the expansion is for: a text to read, or a file name, in which only a "/" or "\" typed in
// the macro starts a folder and one that a value of the file brings ("AC/DC", the genre
// "Pop/Funk") becomes "-".
enum class TExpansion
{
    Text,
    FileName,
};

// The macro with every item replaced by its text for the file. Text outside items is copied as
// it stands; an item without its closing percent sign ends the expansion with an error text.
std::string FormatItems(const TMPEGAudio& audio, std::string_view macro,
                        const TRegionalSettings& regional, TExpansion expansion = TExpansion::Text);

// True when an item of the macro reads the file (see ItemReadsFile); a macro without one expands
// the same for every file of one path, whatever the file holds.
bool MacroReadsFile(std::string_view macro);

// The text of one item, given with its two percent signs: "%%" gives "%", and an item whose tag
// id names nothing comes back exactly as written.
std::string FormatItem(const TMPEGAudio& audio, std::string_view item,
                       const TRegionalSettings& regional, TExpansion expansion = TExpansion::Text);
