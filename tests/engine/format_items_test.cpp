#include "engine/format_items.h"
#include "engine/utf8.h"

#include <functional>
#include <gtest/gtest.h>

namespace {

// The values of the examples users are shown: an eight-character title with a space inside.
TMPEGAudio ExampleAudio()
{
    TMPEGAudio audio;
    audio.Title = "Blue Sky";
    audio.Artist = "Ann Arbor";
    audio.Album = "Lakes";
    audio.Year = "1999";
    audio.Comment = "live";
    audio.Genre = 17;
    audio.Track = 5;
    audio.Duration = 245;
    audio.FileLength = 3932160;
    audio.Version = 1;
    audio.Layer = 3;
    audio.SampleRate = 44100;
    audio.BitRate = 128;
    audio.Mode = 1;
    audio.FrameLength = 417;
    audio.FileName = "/home/ann/Music/Blue Sky.mp3";
    audio.FileAge = PackDosDateTime({2003, 7, 4, 9, 5, 30});
    audio.VolumeLabel = "MUSIC";
    audio.FileDateTime = {2003, 7, 4, 9, 5, 30};
    return audio;
}

// Full stop and comma swapped, and a full stop between hours and minutes.
TRegionalSettings SwappedSeparators()
{
    TRegionalSettings regional;
    regional.ThousandSeparator = ".";
    regional.DecimalSeparator = ",";
    regional.TimeSeparator = ".";
    return regional;
}

std::string Spaces(std::size_t count)
{
    return std::string(count, ' ');
}

const std::string MissingEnd = "<<<ERROR!!! No end of item definition!>>>";

struct TExampleCase
{
    const char* Macro;
    std::string Expected;
};

TEST(FormatItems, ExamplesHoldToTheCharacter)
{
    const TExampleCase cases[] = {
        {"%T%", "Blue Sky" + Spaces(22)},
        {"%t,t%", "Blue Sky"},
        {"%T,R%", "Blue Sky"},
        {"%T,R,12,.%", "....Blue Sky"},
        {"%T,C,12,-%", "--Blue Sky--"},
        {"%T,C,11,-%", "-Blue Sky--"},
        {"%T,L,4%", "Blue"},
        {"%T,R,4%", "Blue"},
        {"%T,X,4%", "Blue Sky" + Spaces(22)},
        {"%T,L:12,.%", "Blue Sky    "},
        {"%T,L:12,,.%", "Blue Sky...."},
        {"%T:L%", "%T:L%"},
        {"%TR%", " 05"},
        {"%tr,t%", "05"},
        {"%TR,R,4,0%", "0005"},
        {"%G%", "Rock" + Spaces(21)},
        {"%M,T%", "Joint-Stereo"},
        {"%S%", "Stereo"},
        {"%BR%kbps", "128kbps"},
        {"%SRK%", "44.1"},
        {"%DF%", "04:05"},
        {"%LM%", "  3.8"},
        {"%LK%", "  3840"},
        {"%65%", "A"},
        {"%%", "%"},
        {"a%b", "a" + MissingEnd},
        {"%This is title,C,70%", "%This is title,C,70%"},
    };
    const TMPEGAudio audio = ExampleAudio();
    for (const auto& c : cases) {
        EXPECT_EQ(FormatItems(audio, c.Macro, TRegionalSettings{}), c.Expected) << c.Macro;
    }
}

TEST(FormatItems, DefaultMacroOfTheMainWindow)
{
    const std::string macro =
        "[ artist=%a,t% - album=%alb,t% ]\\%tr,t%.title=%t,t% - genre=%g,t% - year=%y%";
    TMPEGAudio audio = ExampleAudio();
    EXPECT_EQ(FormatItems(audio, macro, TRegionalSettings{}),
              "[ artist=Ann Arbor - album=Lakes ]\\05.title=Blue Sky - genre=Rock - year=1999");
    audio.Year = "";
    EXPECT_EQ(FormatItems(audio, macro, TRegionalSettings{}),
              "[ artist=Ann Arbor - album=Lakes ]\\05.title=Blue Sky - genre=Rock - year=    ");
}

using TChange = std::function<void(TMPEGAudio&)>;

struct TItemCase
{
    const char* Rule;
    const char* Item;
    TChange Change; // applied to the example values; may be empty
    bool Swapped;   // with SwappedSeparators instead of the defaults
    std::string Expected;
};

TEST(FormatItem, EveryTagIdGivesItsValueLengthAndAlignment)
{
    const TItemCase cases[] = {
        {"new line", "%NEWLINE%", {}, false, "\r\n"},
        {"new line padded", "%nl,L,4,-%", {}, false, "\r\n--"},
        {"soft new line is empty", "%SOFTNEWLINE%", {}, false, ""},
        {"soft new line in a length", "%#,L,3,x%", {}, false, "xxx"},
        {"soft new line with length 0", "%#,R,0%", {}, false, ""},
        {"tab", "%TAB%", {}, false, "\t"},
        {"tab right-aligned", "%tb,R,3%", {}, false, "  \t"},
        {"file name", "%FILENAME%", {}, false, "Blue Sky.mp3" + Spaces(28)},
        {"file name as text", "%FN,T%", {}, false, "Blue Sky.mp3"},
        {"file path", "%FILEPATH,T%", {}, false, "/home/ann/Music/"},
        {"file path padded to 40", "%FP%", {}, false, "/home/ann/Music/" + Spaces(24)},
        {"file path cut to 40", "%FP%",
         [](TMPEGAudio& a) { a.FileName = "/" + std::string(50, 'f') + "/x.mp3"; }, false,
         "/" + std::string(39, 'f')},
        {"file name without folder", "%FN,T%", [](TMPEGAudio& a) { a.FileName = "x.mp3"; }, false,
         "x.mp3"},
        {"volume label", "%VOLUMELABEL%", {}, false, "MUSIC" + Spaces(6)},
        {"volume label as text", "%vl,t%", {}, false, "MUSIC"},
        {"title", "%TITLE,T%", {}, false, "Blue Sky"},
        {"title trimmed at both ends", "%T,T%", [](TMPEGAudio& a) { a.Title = "  Blue Sky  "; },
         false, "Blue Sky"},
        {"artist", "%ARTIST%", {}, false, "Ann Arbor" + Spaces(21)},
        {"artist short", "%A,T%", {}, false, "Ann Arbor"},
        {"album in 35", "%ALBUM%", {}, false, "Lakes" + Spaces(30)},
        {"album short", "%alb,t%", {}, false, "Lakes"},
        {"year", "%YEAR%", {}, false, "1999"},
        {"four-space year trimmed and padded", "%Y%", [](TMPEGAudio& a) { a.Year = "    "; }, false,
         Spaces(4)},
        {"comment", "%COMMENT,T%", {}, false, "live"},
        {"comment padded", "%CMNT%", {}, false, "live" + Spaces(26)},
        {"genre", "%GENRE,T%", {}, false, "Rock"},
        {"genre above the table", "%G,t%", [](TMPEGAudio& a) { a.Genre = 255; }, false,
         "<unknown>"},
        {"genre number", "%GENRENR%", {}, false, " 17"},
        {"genre number as text", "%GNR,T%", [](TMPEGAudio& a) { a.Genre = 255; }, false, "255"},
        {"track", "%TRACK%", {}, false, " 05"},
        {"track 0", "%TR,T%", [](TMPEGAudio& a) { a.Track = 0; }, false, "00"},
        {"track of two digits", "%TR%", [](TMPEGAudio& a) { a.Track = 12; }, false, " 12"},
        {"track of three digits", "%TR%", [](TMPEGAudio& a) { a.Track = 200; }, false, "200"},
        {"duration", "%DURATION%", {}, false, " 245"},
        {"duration as text", "%D,T%", {}, false, "245"},
        {"duration grouped", "%DURATIONCOMMA%", {}, false, "  245"},
        {"duration grouped as text", "%DC,T%", [](TMPEGAudio& a) { a.Duration = 45296; }, false,
         "45,296"},
        {"grouped duration cut on the right", "%DC%", [](TMPEGAudio& a) { a.Duration = 45296; },
         false, "45,29"},
        {"duration grouped with a full stop", "%DC,T%", [](TMPEGAudio& a) { a.Duration = 45296; },
         true, "45.296"},
        {"duration form", "%DURATIONFORM%", {}, false, "04:05"},
        {"duration form with a regional separator", "%DF%", {}, true, "04.05"},
        {"duration form drops the hours", "%DF%", [](TMPEGAudio& a) { a.Duration = 3725; }, false,
         "02:05"},
        {"length", "%LENGTH%", {}, false, "  3932160"},
        {"length as text", "%L,T%", {}, false, "3932160"},
        {"length grouped", "%LENGTHCOMMA%", {}, false, "   3,932,160"},
        {"length grouped with full stops", "%LC%", {}, true, "   3.932.160"},
        {"length in KB", "%LENGTHKB%", {}, false, "  3840"},
        {"length in KB rounds down", "%LK,T%", [](TMPEGAudio& a) { a.FileLength = 2047; }, false,
         "1"},
        {"length in KB grouped", "%LENGTHKBCOMMA%", {}, false, "   3,840"},
        {"grouped KB round half up", "%LKC,T%", [](TMPEGAudio& a) { a.FileLength = 1536; }, false,
         "2"},
        {"grouped KB below a half", "%LKC,T%", [](TMPEGAudio& a) { a.FileLength = 1535; }, false,
         "1"},
        {"grouped KB with full stops", "%LKC,T%", [](TMPEGAudio& a) { a.FileLength = 2000000000; },
         true, "1.953.125"},
        {"length in MB", "%LENGTHMB%", {}, false, "  3.8"},
        {"length in MB with a decimal comma", "%LM%", {}, true, "  3,8"},
        {"MB half rounds away from zero", "%LM,T%", [](TMPEGAudio& a) { a.FileLength = 262144; },
         false, "0.3"},
        {"empty file in MB", "%LM,T%", [](TMPEGAudio& a) { a.FileLength = 0; }, false, "0.0"},
        {"file date", "%FILEDATE%", {}, false, "04.07.2003"},
        {"file date keeps its full stops", "%FD%", {}, true, "04.07.2003"},
        {"file time", "%FILETIME%", {}, false, "09:05:30"},
        {"file time with a regional separator", "%FT%", {}, true, "09.05.30"},
        {"version", "%VERSION%", {}, false, "1.0"},
        {"unknown version cut to three", "%V%", [](TMPEGAudio& a) { a.Version = 0; }, false, "Unk"},
        {"layer", "%LAYER%", {}, false, "III"},
        {"layer I padded", "%LY%", [](TMPEGAudio& a) { a.Layer = 1; }, false, "I  "},
        {"layer number", "%LAYERNR%", {}, false, "3"},
        {"layer number short", "%lyn,t%", {}, false, "3"},
        {"sample rate", "%SAMPLERATE%", {}, false, "44100"},
        {"sample rate padded", "%SR%", [](TMPEGAudio& a) { a.SampleRate = 8000; }, false, " 8000"},
        {"sample rate in kHz", "%SAMPLERATEKB%", {}, false, "44.1"},
        {"kHz with a decimal comma", "%SRK%", {}, true, "44,1"},
        {"kHz half rounds away from zero", "%SRK%", [](TMPEGAudio& a) { a.SampleRate = 22050; },
         false, "22.1"},
        {"kHz padded", "%SRK%", [](TMPEGAudio& a) { a.SampleRate = 8000; }, false, " 8.0"},
        {"error protection off", "%ERRORPROT%", {}, false, "No "},
        {"error protection on", "%EP%", [](TMPEGAudio& a) { a.ErrorProtection = true; }, false,
         "Yes"},
        {"error protection star off", "%ERRORPROT*%", {}, false, " "},
        {"error protection star on", "%EP*%", [](TMPEGAudio& a) { a.ErrorProtection = true; },
         false, "*"},
        {"copyright", "%COPYRIGHT%", [](TMPEGAudio& a) { a.Copyright = true; }, false, "Yes"},
        {"copyright short", "%C%", {}, false, "No "},
        {"copyright star", "%COPYRIGHT*%", [](TMPEGAudio& a) { a.Copyright = true; }, false, "*"},
        {"copyright star short", "%c*%", {}, false, " "},
        {"original", "%ORIGINAL%", [](TMPEGAudio& a) { a.Original = true; }, false, "Yes"},
        {"original short", "%O%", {}, false, "No "},
        {"original star", "%ORIGINAL*%", [](TMPEGAudio& a) { a.Original = true; }, false, "*"},
        {"original star short", "%O*%", {}, false, " "},
        {"mode", "%MODE%", {}, false, "Joint-Stereo"},
        {"mode cut to twelve", "%M%", [](TMPEGAudio& a) { a.Mode = 3; }, false, "Single-Chann"},
        {"stereo", "%STEREO%", {}, false, "Stereo"},
        {"mono", "%S%", [](TMPEGAudio& a) { a.Mode = 3; }, false, "Mono  "},
        {"bit rate", "%BITRATE%", {}, false, "128"},
        {"bit rate padded", "%BR%", [](TMPEGAudio& a) { a.BitRate = 64; }, false, " 64"},
        {"frame length", "%FRAMELENGTH%", {}, false, " 417"},
        {"frame length short", "%FL,T%", {}, false, "417"},
        {"selected number", "%SELECTEDNR%", {}, false, "  0"},
        {"selected number set", "%SLN,T%", [](TMPEGAudio& a) { a.SelectedMark = 7; }, false, "7"},
        {"not selected", "%SELECTED%", {}, false, "No "},
        {"selected", "%SL%", [](TMPEGAudio& a) { a.SelectedMark = 1; }, false, "Yes"},
        {"selected star has length 3", "%SELECTED*%", [](TMPEGAudio& a) { a.SelectedMark = 2; },
         false, "*  "},
        {"unselected star", "%SL*%", {}, false, Spaces(3)},
        {"valid", "%VALID%", {}, false, "Yes"},
        {"invalid", "%VD%", [](TMPEGAudio& a) { a.BitRate = 0; }, false, "No "},
        {"valid star has length 3", "%VALID*%", {}, false, "*  "},
        {"invalid star", "%VD*%", [](TMPEGAudio& a) { a.Version = 0; }, false, Spaces(3)},
    };
    for (const auto& c : cases) {
        TMPEGAudio audio = ExampleAudio();
        if (c.Change) {
            c.Change(audio);
        }
        const TRegionalSettings regional = c.Swapped ? SwappedSeparators() : TRegionalSettings{};
        EXPECT_EQ(FormatItem(audio, c.Item, regional), c.Expected) << c.Rule << ": " << c.Item;
    }
}

struct TRuleCase
{
    const char* Rule;
    const char* Item;
    std::string Expected;
};

void ExpectItems(const TRuleCase* begin, const TRuleCase* end, const TMPEGAudio& audio)
{
    for (const auto* c = begin; c != end; ++c) {
        EXPECT_EQ(FormatItem(audio, c->Item, TRegionalSettings{}), c->Expected)
            << c->Rule << ": " << c->Item;
    }
}

TEST(FormatItem, NumbersGiveCharactersOfTheTagCodePage)
{
    const TRuleCase cases[] = {
        {"a letter", "%65%", "A"},
        {"leading zeros", "%0065%", "A"},
        {"code 0 gives code 1", "%0%", "\x01"},
        {"not an integer counts as 1", "%6.5%", "\x01"},
        {"a lone full stop counts as 1", "%.%", "\x01"},
        {"too large for an integer counts as 1", "%99999999999%", "\x01"},
        {"the low eight bits", "%321%", "A"},
        {"256 is code 0, so code 1", "%256%", "\x01"},
        {"a code-page letter", "%233%", "\xC3\xA9"},
        {"the euro sign of the code page", "%128%", "\xE2\x82\xAC"},
        {"aligned like any item", "%65,R,3,*%", "**A"},
        {"a number with a colon is no number", "%65:R%", "%65:R%"},
    };
    ExpectItems(std::begin(cases), std::end(cases), ExampleAudio());
}

TEST(FormatItem, SplitsTrimsAndAligns)
{
    const TRuleCase cases[] = {
        {"ids in any letter case", "%tItLe,t%", "Blue Sky"},
        {"long star id in small letters", "%valid*,t%", "*"},
        {"length 0 is the default length", "%T,L,0%", "Blue Sky" + Spaces(22)},
        {"length 0 right-aligned", "%T,R,0%", Spaces(22) + "Blue Sky"},
        {"negative length leaves the value", "%T,R,-3%", "Blue Sky"},
        {"a length that is no integer leaves the value", "%T,L,abc%", "Blue Sky"},
        {"a signed length", "%T,L,+12%", "Blue Sky    "},
        {"empty alignment voids the length", "%T,,12%", "Blue Sky" + Spaces(22)},
        {"invalid alignment uses the default alignment", "%TR,X,6%", " 05"},
        {"T leaves the value whatever the length", "%T,T,4%", "Blue Sky"},
        {"alignment without length on a padded item", "%TR,L%", "05"},
        {"elements are trimmed", "% t , r , 12 , * %", "****Blue Sky"},
        {"only the first letter of the alignment counts", "%T,left,12%", "Blue Sky    "},
        {"only the first pad character counts", "%T,L,12,ab%", "Blue Skyaaaa"},
        {"a colon between alignment and length", "%T,R:12%", "    Blue Sky"},
        {"a pad after a colon is no pad", "%T,R:12:*%", "    Blue Sky"},
        {"elements after the pad are ignored", "%T,C,12,-,x%", "--Blue Sky--"},
        {"C with an exact fit", "%T,C,8,-%", "Blue Sky"},
        {"C cuts before centring", "%T,C,3,-%", "Blu"},
        {"soft new line aligned without length", "%#,L%", ""},
        {"percent signs around spaces", "%   %", "%"},
        {"an empty id with elements", "% ,L,5%", "%"},
        {"an unknown id keeps its elements", "%TITEL,R,40,*%", "%TITEL,R,40,*%"},
    };
    ExpectItems(std::begin(cases), std::end(cases), ExampleAudio());
}

TEST(FormatItem, CountsCharactersNotBytes)
{
    TMPEGAudio audio = ExampleAudio();
    audio.Title = "Caf\xC3\xA9 No\xC3\xABl"; // 9 characters, 11 bytes
    const TRuleCase cases[] = {
        {"padded to twelve characters", "%T,L,12,.%", "Caf\xC3\xA9 No\xC3\xABl..."},
        {"cut after a two-byte letter", "%T,R,4%", "Caf\xC3\xA9"},
        {"a two-byte pad character", "%T,C,13,\xC3\xA9%",
         "\xC3\xA9\xC3\xA9"
         "Caf\xC3\xA9 No\xC3\xABl\xC3\xA9\xC3\xA9"},
        {"default length counts characters", "%T%", "Caf\xC3\xA9 No\xC3\xABl" + Spaces(21)},
    };
    ExpectItems(std::begin(cases), std::end(cases), audio);

    audio.Title = "\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E"; // three CJK characters
    EXPECT_EQ(FormatItem(audio, "%T,L,2%", TRegionalSettings{}), "\xE6\x97\xA5\xE6\x9C\xAC");
    EXPECT_EQ(Utf8Length(FormatItem(audio, "%T%", TRegionalSettings{})), 30u);
}

TEST(FormatItem, HugeLengthIsBounded)
{
    const std::string text = FormatItem(ExampleAudio(), "%T,L,2000000000%", TRegionalSettings{});
    EXPECT_EQ(text.size(), 4096u);
    EXPECT_EQ(text.substr(0, 8), "Blue Sky");
}

TEST(FormatItems, CopiesTextAndStopsAtAnOpenItem)
{
    const TExampleCase cases[] = {
        {"", ""},
        {"no items at all", "no items at all"},
        {"%tr,t%%t,t%", "05Blue Sky"},
        {"100%% sure", "100% sure"},
        {"50% off, 20% more", "50% off, 20% more"},
        {"%t,t%%", "Blue Sky" + MissingEnd},
        {"%t,t% and %a,t", "Blue Sky and " + MissingEnd},
        {"%#%%NL%end", "\r\nend"},
        {"\\%tr,t%/", "\\05/"},
    };
    const TMPEGAudio audio = ExampleAudio();
    for (const auto& c : cases) {
        EXPECT_EQ(FormatItems(audio, c.Macro, TRegionalSettings{}), c.Expected) << c.Macro;
    }
}

} // namespace
