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

TEST(Id3v2Render, EditsTheFieldsAndKeepsTheRest)
{
    using E = TId3v2Encoding;
    const std::string kept = MakeId3v2Tag(4, {{"PRIV", std::string("x\0\xFF\xE0\xFF", 5)}});
    const std::string keptFrame = kept.substr(10);
    const struct
    {
        const char* Rule;
        std::string Tag;
        TId3v2Edit Edit;
        int Version; // of the new tag; 0: nothing to write
        std::optional<std::string> Title;
        std::optional<std::string> Track;
        bool KeepsPriv = false;
    } cases[] = {
        {"no tag: a new 2.4 one", "", Edit("Ärger"), 4, "Ärger", {}},
        {"a 2.2 tag becomes 2.4",
         MakeId3v2Tag(2, {{"TT2", TextBody(E::Latin1, "Old")}}),
         Edit("New"),
         4,
         "New",
         {}},
        {"a 2.3 tag stays 2.3 and keeps its track total",
         MakeId3v2Tag(3,
                      {{"TRCK", TextBody(E::Latin1, "3/12")}, {"TIT2", TextBody(E::Utf16, "Ö")}}),
         Edit({}, "5"), 3, "Ö", "5/12"},
        {"an unsynchronised 2.3 tag is written plain",
         MakeId3v2Tag(3, {{"TIT2", TextBody(E::Utf16, "Old")}, {"PRIV", keptFrame.substr(10)}},
                      {.Unsynchronised = true}),
         Edit("New"),
         3,
         "New",
         {},
         true},
        {"an extended header is left out",
         MakeId3v2Tag(4, {{"PRIV", keptFrame.substr(10)}}, {.ExtendedHeader = true, .Padding = 8}),
         Edit("New"),
         4,
         "New",
         {},
         true},
        {"a clear takes only the fields' frames",
         MakeId3v2Tag(4, {{"TIT2", TextBody(E::Utf8, "Old")}, {"PRIV", keptFrame.substr(10)}}),
         Edit("ignored", {}, true),
         4,
         {},
         {},
         true},
        {"values the tag holds already",
         MakeId3v2Tag(4, {{"TIT2", TextBody(E::Utf8, "Same")}}),
         Edit("Same"),
         0,
         {},
         {}},
        {"a clear of a tag without the fields", kept, Edit({}, {}, true), 0, {}, {}},
        {"a clear of a file without a tag", "", Edit({}, {}, true), 0, {}, {}},
    };
    for (const auto& c : cases) {
        bool damaged = true;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(c.Tag.data());
        const auto tag =
            RenderId3v2Tag(c.Tag.empty() ? nullptr : bytes, c.Tag.size(), c.Edit, damaged);
        EXPECT_FALSE(damaged) << c.Rule;
        ASSERT_EQ(tag.has_value(), c.Version != 0) << c.Rule;
        if (!tag) {
            continue;
        }
        EXPECT_EQ((*tag)[3], c.Version) << c.Rule;
        EXPECT_EQ((*tag)[5], 0) << c.Rule << ": flags";
        const auto fields =
            ParseId3v2Tag(reinterpret_cast<const std::uint8_t*>(tag->data()), tag->size());
        ASSERT_TRUE(fields) << c.Rule;
        EXPECT_EQ(fields->Title, c.Title) << c.Rule;
        EXPECT_EQ(fields->Track, c.Track) << c.Rule;
        EXPECT_EQ(tag->find(keptFrame) != std::string::npos, c.KeepsPriv) << c.Rule;
    }
    // a tag cut short by the end of its file is not written over
    const std::string whole = MakeId3v2Tag(4, {{"TIT2", TextBody(E::Utf8, "Old")}});
    bool damaged = false;
    EXPECT_FALSE(RenderId3v2Tag(reinterpret_cast<const std::uint8_t*>(whole.data()),
                                whole.size() - 2, Edit("New"), damaged));
    EXPECT_TRUE(damaged);
}

TEST(Id3v2Render, ReplacesOnlyTheChangedFramesInTheirPlaces)
{
    using E = TId3v2Encoding;
    const TId3v2TestFrame priv{"PRIV", std::string("x\0\xFF", 3)};
    const auto title = [](const std::string& text) -> TId3v2TestFrame {
        return {"TIT2", TextBody(E::Utf8, text)};
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
        {"a changed frame in its place, the others as they were",
         MakeId3v2Tag(4, {title("Old"), priv, {"TPE1", TextBody(E::Utf16, "Same")}}), Edit("New"),
         MakeId3v2Tag(4, {title("New"), priv, {"TPE1", TextBody(E::Utf16, "Same")}})},
        {"a new frame before the others", MakeId3v2Tag(4, {priv}), Edit("New"),
         MakeId3v2Tag(4, {title("New"), priv})},
        {"the first of two frames", MakeId3v2Tag(4, {title("A"), title("B")}), Edit("C"),
         MakeId3v2Tag(4, {title("C"), title("B")})},
        {"a clear takes every frame of a field", MakeId3v2Tag(4, {title("A"), priv, title("B")}),
         Edit({}, {}, true), MakeId3v2Tag(4, {priv})},
        {"a 2.3 year stays TYER", MakeId3v2Tag(3, {{"TYER", TextBody(E::Latin1, "1999")}}), year,
         MakeId3v2Tag(3, {{"TYER", TextBody(E::Latin1, "2001")}})},
        {"a comment with a description stays",
         MakeId3v2Tag(4, {{"COMM", CommentBody(E::Latin1, "iTunNORM", "x")},
                          {"COMM", CommentBody(E::Latin1, "", "old")}}),
         comment,
         MakeId3v2Tag(4, {{"COMM", CommentBody(E::Latin1, "iTunNORM", "x")},
                          {"COMM", CommentBody(E::Latin1, "", "new")}})},
        {"a value the edit keeps", MakeId3v2Tag(4, {title(longTitle)}), keeping, ""},
    };
    for (const auto& c : cases) {
        bool damaged = true;
        const auto tag = RenderId3v2Tag(reinterpret_cast<const std::uint8_t*>(c.Tag.data()),
                                        c.Tag.size(), c.Edit, damaged);
        EXPECT_EQ(tag.value_or(""), c.Written) << c.Rule;
    }
}

} // namespace
