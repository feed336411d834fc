#pragma once

#include <string>
#include <vector>

// ID3v2 tags built in code for tests: frames with text in each encoding, and tags of versions 2.2
// to 2.4, unsynchronised or with an extended header.

// The encoding byte of a text frame.
enum class TId3v2Encoding
{
    Latin1 = 0,
    Utf16 = 1, // little-endian with a byte-order mark
    Utf16BE = 2,
    Utf8 = 3,
};

struct TId3v2TestFrame
{
    std::string Id; // three letters for 2.2, four for 2.3 and 2.4
    std::string Body;
};

// A text frame's body: the encoding byte and the UTF-8 `text` in that encoding (Latin1 takes
// the code points below 256).
std::string TextBody(TId3v2Encoding encoding, const std::string& text);
// A comment frame's body: encoding, language "eng", description and its terminator, text.
std::string CommentBody(TId3v2Encoding encoding, const std::string& description,
                        const std::string& text);

struct TId3v2TestOptions
{
    bool Unsynchronised = false; // the whole tag, flag bit 7 (2.2 and 2.3)
    bool ExtendedHeader = false; // flag bit 6 (2.3 and 2.4)
    int Padding = 0;             // zero bytes after the frames
};

// A whole tag of major version 2, 3 or 4 holding the frames.
std::string MakeId3v2Tag(int version, const std::vector<TId3v2TestFrame>& frames,
                         const TId3v2TestOptions& options = {});
