#include "engine/id3v2_edit.h"
#include "support/id3v2_fixture.h"

#include <gtest/gtest.h>

namespace {

TId3v2Edit Edit(std::optional<std::string> title, std::optional<std::string> track = {},
                bool clear = false)
{
    TId3v2Edit edit;
    edit.Fields.Title = std::move(title);
    edit.Fields.Track = std::move(track);
    edit.Clear = clear;
    return edit;
}

// Each edit against the exact bytes it must write: the edited frames replaced where they stood,
// every other frame as it was.
TEST(Id3v2Render, ReplacesOnlyTheChangedFramesInTheirPlaces)
{
    using E = TId3v2Encoding;
    const TId3v2TestFrame priv{"PRIV", std::string("x\0\xFF\xE0\xFF", 5)};
    const auto title = [](const std::string& text, E encoding = E::Utf8) -> TId3v2TestFrame {
        return {"TIT2", TextBody(encoding, text)};
    };
    const std::string longTitle = "A Title Longer Than An ID3v1 Tag Holds";
    TId3v2Edit keeping = Edit(longTitle.substr(0, 30));
    keeping.Keeps = [&](std::size_t field, const std::string& held) {
        return field == 0 && held.starts_with(*keeping.Fields.Title);
    };
    TId3v2Edit year;
    year.Fields.Year = "2001";
    TId3v2Edit comment;
    comment.Fields.Comment = "new";
    const struct
    {
        const char* Rule;
        std::string Tag;
        TId3v2Edit Edit;
        std::string Written; // empty: nothing to write
    } cases[] = {
        {"no tag: a new 2.4 one in UTF-8", "", Edit("\xC3\x84rger"),
         MakeId3v2Tag(4, {title("\xC3\x84rger")})},
        {"a changed frame in its place, the others as they were",
         MakeId3v2Tag(4, {title("Old"), priv, {"TPE1", TextBody(E::Utf16, "Same")}}), Edit("New"),
         MakeId3v2Tag(4, {title("New"), priv, {"TPE1", TextBody(E::Utf16, "Same")}})},
        {"a new frame before the others", MakeId3v2Tag(4, {priv}), Edit("New"),
         MakeId3v2Tag(4, {title("New"), priv})},
        {"the first of two frames", MakeId3v2Tag(4, {title("A"), title("B")}), Edit("C"),
         MakeId3v2Tag(4, {title("C"), title("B")})},
        {"a 2.2 tag becomes 2.4", MakeId3v2Tag(2, {{"TT2", TextBody(E::Latin1, "Old")}}),
         Edit("New"), MakeId3v2Tag(4, {title("New", E::Latin1)})},
        {"a 2.3 tag stays 2.3 and keeps its track total",
         MakeId3v2Tag(3, {{"TRCK", TextBody(E::Latin1, "3/12")}, title("\xC3\x96", E::Utf16)}),
         Edit({}, "5"),
         MakeId3v2Tag(3, {{"TRCK", TextBody(E::Latin1, "5/12")}, title("\xC3\x96", E::Utf16)})},
        {"an unsynchronised 2.3 tag is written plain",
         MakeId3v2Tag(3, {title("Old", E::Utf16), priv}, {.Unsynchronised = true}), Edit("New"),
         MakeId3v2Tag(3, {title("New", E::Utf16), priv})},
        {"an extended header is left out",
         MakeId3v2Tag(4, {priv}, {.ExtendedHeader = true, .Padding = 8}), Edit("New"),
         MakeId3v2Tag(4, {title("New"), priv})},
        {"a clear takes every frame of a field", MakeId3v2Tag(4, {title("A"), priv, title("B")}),
         Edit("ignored", {}, true), MakeId3v2Tag(4, {priv})},
        {"a 2.3 year stays TYER", MakeId3v2Tag(3, {{"TYER", TextBody(E::Latin1, "1999")}}), year,
         MakeId3v2Tag(3, {{"TYER", TextBody(E::Latin1, "2001")}})},
        {"a comment with a description stays",
         MakeId3v2Tag(4, {{"COMM", CommentBody(E::Latin1, "iTunNORM", "x")},
                          {"COMM", CommentBody(E::Latin1, "", "old")}}),
         comment,
         MakeId3v2Tag(4, {{"COMM", CommentBody(E::Latin1, "iTunNORM", "x")},
                          {"COMM", CommentBody(E::Latin1, "", "new")}})},
        {"values the tag holds already", MakeId3v2Tag(4, {title("Same")}), Edit("Same"), ""},
        {"a value the edit keeps", MakeId3v2Tag(4, {title(longTitle)}), keeping, ""},
        {"a clear of a tag without the fields", MakeId3v2Tag(4, {priv}), Edit({}, {}, true), ""},
        {"a clear of a file without a tag", "", Edit({}, {}, true), ""},
    };
    for (const auto& c : cases) {
        bool damaged = true;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.Tag.data());
        const auto tag =
            RenderId3v2Tag(c.Tag.empty() ? nullptr : bytes, c.Tag.size(), c.Edit, damaged);
        EXPECT_FALSE(damaged) << c.Rule;
        EXPECT_EQ(tag.value_or(""), c.Written) << c.Rule;
    }
    // a tag cut short by the end of its file is not written over
    const std::string whole = MakeId3v2Tag(4, {title("Old")});
    bool damaged = false;
    EXPECT_FALSE(RenderId3v2Tag(reinterpret_cast<const std::uint8_t*>(whole.data()),
                                whole.size() - 2, Edit("New"), damaged));
    EXPECT_TRUE(damaged);
}

} // namespace
