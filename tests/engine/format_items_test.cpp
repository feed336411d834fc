#include "engine/format_items.h"
#include "engine/utf8.h"

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

TEST(FormatItems, ExpandsMacrosToTheCharacter)
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
        // text around items
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

// Every flag set, blank tag texts, and values that show trimming, rounding and the hours dropped.
TMPEGAudio OtherAudio()
{
    TMPEGAudio audio;
    audio.Title = "  Blue Sky  ";
    audio.Year = "    ";
    audio.Genre = 255;
    audio.Duration = 3725;
    audio.FileLength = 1536;
    audio.Layer = 1; // Version 0: not valid
    audio.SampleRate = 22050;
    audio.BitRate = 64;
    audio.Mode = 3;
    audio.Copyright = audio.Original = audio.ErrorProtection = true;
    audio.FrameLength = 209;
    audio.FileName = "x.mp3";
    audio.SelectedMark = 7;
    audio.FileDateTime = {1999, 12, 31, 23, 59, 1};
    return audio;
}

TEST(FormatItem, EveryTagIdGivesItsValueInItsDefaultLayout)
{
    const struct
    {
        const char* LongId;
        const char* ShortId;
        std::string Example;
        std::string Other; // OtherAudio with SwappedSeparators
    } cases[] = {
        {"NEWLINE", "NL", "\r\n", "\r\n"},
        {"SOFTNEWLINE", "#", "", ""},
        {"TAB", "TB", "\t", "\t"},
        {"FILENAME", "FN", "Blue Sky.mp3" + Spaces(28), "x.mp3" + Spaces(35)},
        {"FILEPATH", "FP", "/home/ann/Music/" + Spaces(24), Spaces(40)},
        {"VOLUMELABEL", "VL", "MUSIC" + Spaces(6), Spaces(11)},
        {"TITLE", "T", "Blue Sky" + Spaces(22), "Blue Sky" + Spaces(22)},
        {"ARTIST", "A", "Ann Arbor" + Spaces(21), Spaces(30)},
        {"ALBUM", "ALB", "Lakes" + Spaces(30), Spaces(35)},
        {"YEAR", "Y", "1999", Spaces(4)},
        {"COMMENT", "CMNT", "live" + Spaces(26), Spaces(30)},
        {"GENRE", "G", "Rock" + Spaces(21), "<unknown>" + Spaces(16)},
        {"GENRENR", "GNR", " 17", "255"},
        {"TRACK", "TR", " 05", " 00"},
        {"DURATION", "D", " 245", "3725"},
        {"DURATIONCOMMA", "DC", "  245", "3.725"},
        {"DURATIONFORM", "DF", "04:05", "02.05"},
        {"LENGTH", "L", "  3932160", "     1536"},
        {"LENGTHCOMMA", "LC", "   3,932,160", "       1.536"},
        {"LENGTHKB", "LK", "  3840", "     1"},
        {"LENGTHKBCOMMA", "LKC", "   3,840", "       2"},
        {"LENGTHMB", "LM", "  3.8", "  0,0"},
        {"FILEDATE", "FD", "04.07.2003", "31.12.1999"},
        {"FILETIME", "FT", "09:05:30", "23.59.01"},
        {"VERSION", "V", "1.0", "Unk"},
        {"LAYER", "LY", "III", "I  "},
        {"LAYERNR", "LYN", "3", "1"},
        {"SAMPLERATE", "SR", "44100", "22050"},
        {"SAMPLERATEKB", "SRK", "44.1", "22,1"},
        {"ERRORPROT", "EP", "No ", "Yes"},
        {"ERRORPROT*", "EP*", " ", "*"},
        {"COPYRIGHT", "C", "No ", "Yes"},
        {"COPYRIGHT*", "C*", " ", "*"},
        {"ORIGINAL", "O", "No ", "Yes"},
        {"ORIGINAL*", "O*", " ", "*"},
        {"MODE", "M", "Joint-Stereo", "Single-Chann"},
        {"STEREO", "S", "Stereo", "Mono  "},
        {"BITRATE", "BR", "128", " 64"},
        {"FRAMELENGTH", "FL", " 417", " 209"},
        {"SELECTEDNR", "SLN", "  0", "  7"},
        {"SELECTED", "SL", "No ", "Yes"},
        {"SELECTED*", "SL*", Spaces(3), "*  "},
        {"VALID", "VD", "Yes", "No "},
        {"VALID*", "VD*", "*  ", Spaces(3)},
    };
    const TMPEGAudio example = ExampleAudio();
    const TMPEGAudio other = OtherAudio();
    for (const auto& c : cases) {
        for (const std::string id : {c.LongId, c.ShortId}) {
            const std::string item = "%" + id + "%";
            EXPECT_EQ(FormatItem(example, item, TRegionalSettings{}), c.Example) << item;
            EXPECT_EQ(FormatItem(other, item, SwappedSeparators()), c.Other) << item;
        }
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

TEST(FormatItem, ReadsNumbersSplitsTrimsAndAligns)
{
    const TRuleCase cases[] = {
        // numbers are characters of the tag code page
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
        // splitting, trimming and alignment
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
        {"length 0 of the soft new line is empty", "%#,C,0,x%", ""},
        {"an empty value is padded", "%#,L,3,x%", "xxx"},
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

} // namespace
