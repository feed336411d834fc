#include "engine/format_items.h"

#include <gtest/gtest.h>
#include <limits>
#include <tuple>

namespace {

// The values of the examples users are shown: an eight-character title with a space inside, and a
// comment with letters of two bytes.
TMPEGAudio ExampleAudio()
{
    TMPEGAudio audio;
    audio.Title = "Blue Sky";
    audio.Artist = "Ann Arbor";
    audio.Album = "Lakes";
    audio.Year = "1999";
    audio.Comment = "Caf\xC3\xA9 No\xC3\xABl"; // 9 characters, 11 bytes
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
    audio.FileAge = PackDosDateTime({2003, 7, 4, 9, 5, 30}); // a file age makes it valid
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

TEST(FormatItems, ExpandsItemsAndTheTextAroundThem)
{
    const std::pair<const char*, std::string> cases[] = {
        // text around items
        {"", ""},
        {"no items at all", "no items at all"},
        {"%tr,t%%t,t%", "05Blue Sky"},
        {"100%% sure", "100% sure"},
        {"50% off, 20% more", "50% off, 20% more"},
        {"%t,t%%", "Blue Sky" + MissingEnd},
        {"%t,t% and %a,t", "Blue Sky and " + MissingEnd},
        {"%#%%NL%end", "\r\nend"},
        {"%This is title,C,70%", "%This is title,C,70%"},
        {"[ artist=%a,t% - album=%alb,t% ]\\%tr,t%.title=%t,t% - genre=%g,t% - year=%y%",
         "[ artist=Ann Arbor - album=Lakes ]\\05.title=Blue Sky - genre=Rock - year=1999"},
        // numbers are characters of the tag code page
        {"%0065%", "A"},
        {"%0%", "\x01"},           // code 0 gives code 1
        {"%6.5%", "\x01"},         // not an integer counts as 1
        {"%.%", "\x01"},           // a lone full stop too
        {"%99999999999%", "\x01"}, // too large for an integer too
        {"%321%", "A"},            // the low eight bits
        {"%256%", "\x01"},
        {"%233%", "\xC3\xA9"},
        {"%65,R,3,*%", "**A"},
        {"%65:R%", "%65:R%"}, // a colon makes it no number
        // splitting, trimming and alignment
        {"%tItLe,t%", "Blue Sky"},
        {"%valid*,t%", "*"},
        {"%T,R%", "Blue Sky"},
        {"%T,C,12,-%", "--Blue Sky--"},
        {"%T,C,11,-%", "-Blue Sky--"},
        {"%T,C,8,-%", "Blue Sky"},
        {"%T,C,3,-%", "Blu"},
        {"%T,R,4%", "Blue"},
        {"%T,X,4%", "Blue Sky" + Spaces(22)},
        {"%T,L:12,.%", "Blue Sky    "},
        {"%T,L:12,,.%", "Blue Sky...."},
        {"%T:L%", "%T:L%"},
        {"%TR,R,4,0%", "0005"},
        {"%TR,X,6%", " 05"},
        {"%TR,L%", "05"},
        {"%T,R,0%", Spaces(22) + "Blue Sky"},
        {"%T,R,-3%", "Blue Sky"},
        {"%T,L,abc%", "Blue Sky"},
        {"%T,L,+12%", "Blue Sky    "},
        {"%T,,12%", "Blue Sky" + Spaces(22)},
        {"%T,T,4%", "Blue Sky"},
        {"% t , r , 12 , * %", "****Blue Sky"},
        {"%T,left,12%", "Blue Sky    "},
        {"%T,L,12,ab%", "Blue Skyaaaa"},
        {"%T,R:12:*%", "    Blue Sky"},
        {"%T,C,12,-,x%", "--Blue Sky--"},
        {"%#,C,0,x%", ""},
        {"%#,L,3,x%", "xxx"},
        {"%   %", "%"},
        {"% ,L,5%", "%"},
        {"%TITEL,R,40,*%", "%TITEL,R,40,*%"},
        // lengths count characters, not bytes
        {"%CMNT,L,12,.%", "Caf\xC3\xA9 No\xC3\xABl..."},
        {"%CMNT,R,4%", "Caf\xC3\xA9"},
        {"%CMNT,C,13,\xC3\xA9%",
         std::string("\xC3\xA9\xC3\xA9") + "Caf\xC3\xA9 No\xC3\xABl\xC3\xA9\xC3\xA9"},
    };
    const TMPEGAudio audio = ExampleAudio();
    for (const auto& [macro, expected] : cases) {
        EXPECT_EQ(FormatItems(audio, macro, TRegionalSettings{}), expected) << macro;
    }
    const std::string huge = FormatItems(audio, "%T,L,2000000000%", TRegionalSettings{});
    EXPECT_EQ(huge.size(), 4096u) << "a length is bounded";
    TMPEGAudio sparse = audio;
    sparse.FileLength = std::numeric_limits<std::int64_t>::max();
    EXPECT_EQ(FormatItems(sparse, "%LM,T%", TRegionalSettings{}), "8796093022208.0");
}

TEST(FormatItems, ForAFileNameOnlyTypedSeparatorsStay)
{
    TMPEGAudio audio = ExampleAudio();
    audio.Artist = "AC/DC";
    audio.Title = "Back\\Black";
    audio.Genre = 62; // Pop/Funk
    const std::pair<const char*, std::string> cases[] = {
        {"%a,t% - %t,t%", "AC-DC - Back-Black"},
        {"%a,t%\\%g,t%/%fp,t%", "AC-DC\\Pop-Funk/-home-ann-Music-"},
        {"%a,t%%47%%92%", "AC-DC/\\"},  // codes typed in the macro
        {"%t,R,12,/%", "//Back-Black"}, // so is the pad character
    };
    for (const auto& [macro, expected] : cases) {
        EXPECT_EQ(FormatItems(audio, macro, TRegionalSettings{}, TExpansion::FileName), expected)
            << macro;
    }
    EXPECT_EQ(FormatItems(audio, "%a,t%", TRegionalSettings{}), "AC/DC") << "a text keeps them";
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
    // the item ids, the value for ExampleAudio, and for OtherAudio with SwappedSeparators
    const std::tuple<const char*, const char*, std::string, std::string> cases[] = {
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
        {"COMMENT", "CMNT", "Caf\xC3\xA9 No\xC3\xABl" + Spaces(21), Spaces(30)},
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
        {"COPYRIGHT", "C", "No ", "Yes"},
        {"ORIGINAL", "O", "No ", "Yes"},
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
    for (const auto& [longId, shortId, exampleText, otherText] : cases) {
        for (const std::string id : {longId, shortId}) {
            const std::string item = "%" + id + "%";
            EXPECT_EQ(FormatItem(example, item, TRegionalSettings{}), exampleText) << item;
            EXPECT_EQ(FormatItem(other, item, SwappedSeparators()), otherText) << item;
        }
    }
}

TEST(MacroReadsFile, OnlyItemsOfTheFileNeedItRead)
{
    const std::pair<const char*, bool> cases[] = {
        {"plain text", false},
        {"%fn,t% - %FP%%nl%%tb%%#%%65%%%", false},
        {"%nosuchitem% and %fn", false}, // an unknown id, an item without its end
        {" %t , l, 5% ", true},
        {"%FN%%l,r,3%", true}, // the length is a file fact
        {"%VL%", true},
    };
    TMPEGAudio pathOnly;
    pathOnly.FileName = ExampleAudio().FileName;
    for (const auto& [macro, reads] : cases) {
        EXPECT_EQ(MacroReadsFile(macro), reads) << macro;
        if (!reads) {
            // what the file holds makes no difference to such a macro
            EXPECT_EQ(FormatItems(pathOnly, macro, {}), FormatItems(ExampleAudio(), macro, {}))
                << macro;
        }
    }
}

} // namespace
