#include "engine/date_time.h"
#include "engine/mpeg_audio.h"
#include "engine/mpeg_header.h"
#include "support/mp3_fixture.h"

#include <ctime>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <tuple>
#include <unistd.h>

using namespace std::string_literals;

namespace {

// A frame header assembled from its fields, bit by bit. The defaults give FF FB 90 00: MPEG-1
// Layer III, no CRC, 128 kbit/s, 44100 Hz, stereo.
struct TFrameBits
{
    unsigned VersionBits = 3; // bits 19-20: 0 MPEG-2.5, 1 reserved, 2 MPEG-2, 3 MPEG-1
    unsigned LayerBits = 1;   // bits 17-18: 0 reserved, 1 Layer III, 2 Layer II, 3 Layer I
    unsigned BitRateIndex = 9;
    unsigned SampleRateIndex = 0;
    bool Padding = false;
    unsigned Mode = 0;
    bool Crc = false; // bit 16 is 0 when a CRC follows
    bool Copyright = false;
    bool Original = false;

    std::uint32_t Header() const
    {
        return 0xFFE00000u | VersionBits << 19 | LayerBits << 17 | (Crc ? 0u : 1u) << 16 |
               BitRateIndex << 12 | SampleRateIndex << 10 | (Padding ? 1u : 0u) << 9 | Mode << 6 |
               (Copyright ? 1u : 0u) << 3 | (Original ? 1u : 0u) << 2;
    }
};

TEST(MpegHeader, DecodesStreamFactsFlagsAndNames)
{
    // the header, then version, layer, sample rate, bit rate, frame length and completeness
    const std::tuple<std::uint32_t, int, int, int, int, int, bool> cases[] = {
        {0xFFFB9000u, 1, 3, 44100, 128, 417, true},
        {TFrameBits{3, 1, 9, 0, true}.Header(), 1, 3, 44100, 128, 418, true}, // padding adds one
        {TFrameBits{2, 1, 8, 0}.Header(), 2, 3, 22050, 64, 417, true}, // no factor 72000 for MPEG-2
        {TFrameBits{0, 1, 1, 2}.Header(), 3, 3, 8000, 8, 144, true},   // MPEG-2.5 at 8 kbit/s
        {TFrameBits{3, 3, 14, 2}.Header(), 1, 1, 32000, 448, 2016, true}, // Layer I: same formula
        {TFrameBits{3, 2, 14, 1}.Header(), 1, 2, 48000, 384, 1152, true},
        {TFrameBits{2, 3, 14, 1}.Header(), 2, 1, 24000, 256, 1536, true},
        {TFrameBits{3, 1, 0, 0}.Header(), 1, 3, 44100, 0, 0, false}, // free format: not accepted
        {TFrameBits{3, 1, 15, 0}.Header(), 1, 3, 44100, 0, 0, false},
        {TFrameBits{3, 1, 9, 3}.Header(), 1, 3, 0, 128, 0, false},
        {TFrameBits{3, 0, 9, 0}.Header(), 1, 0, 44100, 0, 0, false},
        {TFrameBits{1, 1, 9, 0}.Header(), 0, 0, 0, 0, 0, false}, // version bits 01 stop decoding
        {0xFFDB9000u, 0, 0, 0, 0, 0, false},                     // ten sync bits are not enough
    };
    for (const auto& [bits, version, layer, sampleRate, bitRate, frameLength, complete] : cases) {
        const TFrameHeader h = DecodeFrameHeader(bits);
        EXPECT_EQ(
            std::tuple(h.Version, h.Layer, h.SampleRate, h.BitRate, h.FrameLength, h.IsComplete()),
            std::tuple(version, layer, sampleRate, bitRate, frameLength, complete))
            << std::hex << bits;
    }
    const auto flags = [](std::uint32_t bits) {
        const TFrameHeader h = DecodeFrameHeader(bits);
        return std::tuple(h.ErrorProtection, h.Copyright, h.Original, int{h.Mode});
    };
    EXPECT_EQ(flags(TFrameBits{.Mode = 3, .Crc = true, .Copyright = true}.Header()),
              std::tuple(true, true, false, 3));
    // emphasis and bit 4 set too
    EXPECT_EQ(flags(TFrameBits{.Mode = 1, .Original = true}.Header() | 0x33u),
              std::tuple(false, false, true, 1));

    // the fields are public: a code out of range must not read beyond the names
    TMPEGAudio audio;
    audio.Version = audio.Layer = audio.Mode = 4;
    EXPECT_EQ(audio.VersionName(), "Unknown");
    EXPECT_EQ(audio.ModeName(), "Unknown");
}

TEST(MpegHeader, BitRateTables)
{
    // codes out of range
    const std::tuple<std::uint8_t, std::uint8_t, unsigned> outside[] = {
        {0, 3, 9}, {1, 0, 9}, {4, 3, 9}, {1, 3, 16}};
    for (const auto& [version, layer, index] : outside) {
        EXPECT_EQ(BitRateOf(version, layer, index), 0) << int{version} << int{layer} << index;
    }
    // every entry, against the tables of ISO/IEC 11172-3 and 13818-3 (kbit/s for the indexes 1
    // to 14; 0 and 15 give 0): MPEG-1 Layers I, II, III, then MPEG-2 and 2.5 Layer I, II and III
    const int standard[5][14] = {
        {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
        {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
        {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320},
        {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
        {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
    };
    const int sampleRates[3][3] = {
        {44100, 48000, 32000}, {22050, 24000, 16000}, {11025, 12000, 8000}};
    for (std::uint8_t version = 1; version <= 3; ++version) {
        for (std::uint8_t layer = 1; layer <= 3; ++layer) {
            const int* row = standard[version == 1 ? layer - 1 : std::min(layer + 2, 4)];
            for (unsigned index = 0; index < 16; ++index) {
                EXPECT_EQ(BitRateOf(version, layer, index),
                          index == 0 || index == 15 ? 0 : row[index - 1])
                    << "version " << int{version} << " layer " << int{layer} << " index " << index;
            }
        }
        for (unsigned index = 0; index < 4; ++index) {
            EXPECT_EQ(SampleRateOf(version, index), index < 3 ? sampleRates[version - 1][index] : 0)
                << "version " << int{version} << " index " << index;
        }
    }
    EXPECT_EQ(SampleRateOf(0, 0), 0);
}

std::string Frames(const TFrameBits& bits, int length, int count)
{
    std::string frames;
    for (int i = 0; i < count; ++i) {
        frames += MakeFrame(bits.Header(), length);
    }
    return frames;
}

const TFrameBits Mpeg1;                                            // 417-byte frames
const TFrameBits Mpeg2 = {2, 1, 8, 0};                             // 64 kbit/s at 22050 Hz
const std::string Id3v2Block = "ID3\x03" + std::string(606, '\0'); // another tag format first

// An ID3v2 tag (2.3 unless told) around `body`; `size` overrides the size its header gives.
std::string Id3v2Tag(const std::string& body, char flags = 0, long size = -1, char version = 3)
{
    const long given = size < 0 ? static_cast<long>(body.size()) : size;
    std::string tag = std::string("ID3") + version + '\0' + flags;
    for (const int shift : {21, 14, 7, 0}) {
        tag += static_cast<char>((given >> shift) & 0x7F);
    }
    return tag + body;
}

// Two MPEG-2 frames one formula length apart, as a picture inside a tag may hold by chance.
const std::string FalsePair = Frames(Mpeg2, 417, 2);

// What a file without a trailer reads as, with `title` for its title.
TTagRecord NoTag(const std::string& title)
{
    return {title, "[notag]", "[notag]", "    ", "[notag]", 255, 0};
}

TMPEGAudio Analysed(const std::filesystem::path& path, const std::string& bytes)
{
    TMPEGAudio audio;
    audio.SetFileName(WriteBytes(path, bytes).string());
    return audio;
}

struct TStreamCase
{
    const char* Rule;
    std::string Bytes;
    bool Valid;
    // the values of the second header, when the stream is found
    int Version = 1;
    int Layer = 3;
    int BitRate = 128;
    int FrameLength = 417;
    int Mode = 0;
};

TEST(MpegAudio, FindsTwoFramesInARow)
{
    // a false header whose last byte starts the real stream, three bytes on
    const std::string falseSync = std::string("\xFF\xFB\x90", 3) + Frames(Mpeg1, 417, 2);
    const std::string falseSyncHeader = "\xFF\xFB\x90\xFF";
    // MPEG-2 frames are 208 or 209 bytes, but the check looks 417 bytes on
    const std::string mpeg2 = Frames(Mpeg2, 208, 1) + Frames({2, 1, 8, 0, true}, 209, 1) +
                              Frames({2, 1, 8, 0, false, 2}, 208, 1);
    const TStreamCase cases[] = {
        {"two frames are a stream", Frames(Mpeg1, 417, 2), true},
        {"a single frame to the end is not", Frames(Mpeg1, 417, 1), false},
        {"the second header's values are reported",
         Frames(Mpeg1, 417, 1) + Frames({3, 1, 9, 0, true, 3}, 418, 1), true, 1, 3, 128, 418, 3},
        {"an ID3v2 block before the stream is skipped", Id3v2Block + Frames(Mpeg1, 417, 3), true},
        {"a false sync is given up one byte after its start", falseSync, true},
        {"a false sync inside junk is passed over",
         "abc" + falseSyncHeader + std::string(500, 'x') + Frames(Mpeg1, 417, 2), true},
        // reads are buffered in blocks of 4096 bytes and more; the check must read across them
        {"a second header across the end of a block",
         std::string(3677, 'x') + Frames(Mpeg1, 417, 2), true},
        {"a header across the end of the first block",
         std::string(4095, 'x') + Frames(Mpeg1, 417, 2), true},
        {"frames inside an ID3v2 tag are skipped with it",
         Id3v2Tag(FalsePair + std::string(900, '\xFF')) + Frames(Mpeg1, 417, 2), true},
        {"frames inside an ID3v2.4 tag are skipped with it",
         Id3v2Tag(FalsePair, 0, -1, 4) + Frames(Mpeg1, 417, 2), true},
        {"tags back to back are skipped, a 2.4 footer too",
         Id3v2Tag(std::string(20, 'x') + "3DI" + std::string(7, '\0'), 0x10, 20, 4) +
             Id3v2Tag(FalsePair) + Frames(Mpeg1, 417, 2),
         true},
        {"a tag of version 2.5 is not skipped",
         Id3v2Tag(FalsePair, 0, -1, 5) + Frames(Mpeg1, 417, 2), true, 2, 3, 64, 417},
        // a variable bit rate: the first frame's length leads to the second, whose values count
        {"frames of different bit rates",
         Frames({3, 1, 11}, 626, 1) + Frames({3, 1, 9}, 417, 1) + Frames({3, 1, 14}, 1044, 1),
         true},
        {"the first frame's length leads to the second",
         Frames({3, 1, 9}, 417, 1) + Frames({3, 1, 14}, 1044, 1) + Frames({3, 1, 11}, 626, 1), true,
         1, 3, 320, 1044},
        {"a tag reaching beyond the file is searched from its start",
         Id3v2Tag(FalsePair, 0, 100000) + Frames(Mpeg1, 417, 2), true, 2, 3, 64, 417},
        {"MPEG-2 is checked one formula length on", mpeg2, true, 2, 3, 64, 417, 2},
        {"MPEG-2 frames that do not add up to that length are not found", Frames(Mpeg2, 208, 4),
         false},
        {"a text file ending in a trailer is not a stream",
         std::string(600, 'a') + MakeTrailer("Title"), false},
    };
    TTempDir dir;
    for (const auto& c : cases) {
        const TMPEGAudio audio = Analysed(dir.Path() / "a.mp3", c.Bytes);
        const auto found = [&c](int value) { return c.Valid ? value : 0; };
        EXPECT_EQ(std::tuple(audio.IsValid(), audio.Version, audio.Layer, audio.BitRate,
                             audio.FrameLength, audio.Mode, audio.FileLength, audio.Title),
                  std::tuple(c.Valid, found(c.Version), found(c.Layer), found(c.BitRate),
                             found(c.FrameLength), found(c.Mode),
                             static_cast<std::int64_t>(c.Bytes.size()),
                             std::string(c.Valid ? "a.mp3" : "[notag]")))
            << c.Rule;
    }
}

TEST(MpegAudio, NeedsTheWholeSecondHeaderAndSurvivesRandomBytes)
{
    // two frames of 417 bytes: valid from the fourth byte of the second header on
    const std::string stream = MakeMp3Stream(2);
    TTempDir dir;
    TMPEGAudio audio;
    for (std::size_t length = 0; length <= stream.size(); ++length) {
        audio.SetFileName(WriteBytes(dir.Path() / "cut.mp3", stream.substr(0, length)).string());
        EXPECT_EQ(audio.IsValid(), length >= 421) << length;
        EXPECT_EQ(audio.FileLength, length > 5 ? static_cast<std::int64_t>(length) : 0) << length;
    }
    std::uint32_t state = 7;
    for (int file = 0; file < 50; ++file) {
        // bytes rich in sync patterns, so that many candidates are decoded and rejected
        std::string bytes(3000 + static_cast<std::size_t>(file) * 37, '\0');
        for (auto& byte : bytes) {
            state = state * 1664525u + 1013904223u;
            byte = static_cast<char>((state >> 24) % 3 == 0 ? 0xFF : state >> 16);
        }
        audio.SetFileName(WriteBytes(dir.Path() / "random.mp3", bytes).string());
        EXPECT_EQ(audio.FileLength, static_cast<std::int64_t>(bytes.size()));
        EXPECT_EQ(audio.IsValid(), audio.FrameLength > 0);
        EXPECT_EQ(ReadBytes(dir / "random.mp3"), bytes) << "analysis never changes a file";
    }
}

TEST(MpegAudio, ReadsTheTrailerOfAStream)
{
    const std::string longName = "0123456789012345678901234567\xC3\xA9\xC3\xA9.mp3";
    const std::tuple<const char*, std::string, std::string, TTagRecord> cases[] = {
        {"a trailer gives the tag, in Windows-1252 by default",
         "a.mp3",
         MakeMp3Stream(2) + MakeTrailer("Caf\xE9", "Artist", "Album", "1999", "Nice", 4, 17),
         {"Caf\xC3\xA9", "Artist", "Album", "1999", "Nice", 17, 4}},
        {"a trailer across the end of a read block",
         "a.mp3",
         MakeMp3Stream(2) + std::string(3166, '\0') + MakeTrailer("Title", "", "", "", "", 0, 1),
         {"Title", "", "", "", "", 1, 0}},
        {"without a trailer the title is the file name", "b.mp3", MakeMp3Stream(2), NoTag("b.mp3")},
        {"a long file name is cut to 30 characters", longName, MakeMp3Stream(2),
         NoTag("0123456789012345678901234567\xC3\xA9\xC3\xA9")},
        {"a name that is not UTF-8 is kept as it is", "bad\xFF.mp3", MakeMp3Stream(2),
         NoTag("bad\xFF.mp3")},
        {"a stream too short for a trailer keeps [notag]", "c.mp3",
         Frames({0, 1, 1, 1}, 96, 1) + Frames({0, 1, 1, 1}, 4, 1), NoTag("[notag]")},
    };
    TTempDir dir;
    for (const auto& [rule, name, bytes, expected] : cases) {
        const TMPEGAudio audio = Analysed(dir.Path() / name, bytes);
        EXPECT_TRUE(audio.IsValid()) << rule;
        EXPECT_EQ(audio.Tag(), expected) << rule;
        EXPECT_EQ(audio.FileName, dir / name) << rule;
    }
}

TEST(MpegAudio, KeepsDefaultsForWhatIsNoStream)
{
    TTempDir dir;
    std::filesystem::create_directory(dir.Path() / "folder.mp3");
    ASSERT_EQ(mkfifo((dir / "pipe.mp3").c_str(), 0600), 0);
    const std::tuple<const char*, std::string, std::string, bool> cases[] = {
        {"an empty file", WriteBytes(dir.Path() / "empty.mp3", "").string(), "[notag]", false},
        {"a file of six bytes",
         WriteBytes(dir.Path() / "six.mp3", MakeFrame(Mpeg1.Header(), 6)).string(), "[notag]",
         true},
        {"a missing file with a short name", dir / "abcde", "[not found: abcde]", false},
        {"a missing file with a long name loses its bracket", dir / "abcdefghijklmnopqrstuvwxyz",
         "[not found: abcdefghijklmnopqr", false},
        {"a folder is no file", dir / "folder.mp3", "[not found: folder.mp3]", false},
        {"a path through a file", dir / "six.mp3/x.mp3", "[not found: x.mp3]", false},
        {"a name cut short by a zero byte", dir / "six.mp3" + std::string("\0", 1),
         std::string("[not found: six.mp3\0]", 21), false},
        {"a pipe is not read", dir / "pipe.mp3", "[notag]", false},
    };
    const std::string tagged =
        WriteBytes(dir.Path() / "a.mp3", MakeMp3Stream(2) + MakeTrailer("Title", "Artist"))
            .string();
    TMPEGAudio audio;
    for (const auto& [rule, path, title, hasFacts] : cases) {
        // each analysis starts afresh: nothing of the file before is left
        audio.SetFileName(tagged);
        ASSERT_TRUE(audio.IsValid());
        audio.SetFileName(path);
        EXPECT_EQ(std::tuple(audio.IsValid(), audio.BitRate + audio.Duration, audio.Version,
                             audio.FileAge != 0, audio.FileLength != 0, audio.FileName),
                  std::tuple(false, 0, 0, hasFacts, hasFacts, path))
            << rule;
        EXPECT_EQ(audio.Tag(), NoTag(title)) << rule;
    }
}

TEST(MpegAudio, GathersFileFactsAlsoOverTwoGigabytes)
{
    TTempDir dir;
    const std::string path = dir / "a.mp3";
    std::string bytes = MakeMp3Stream(2);
    bytes.resize(5000000, '\0');
    WriteBytes(path, bytes);
    std::tm local{};
    local.tm_year = 2020 - 1900, local.tm_mon = 4, local.tm_mday = 17;
    local.tm_hour = 13, local.tm_min = 45, local.tm_sec = 31, local.tm_isdst = -1;
    const timespec times[2] = {{mktime(&local), 0}, {mktime(&local), 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), times, 0), 0);

    TMPEGAudio audio;
    audio.SetFileName(path);
    EXPECT_TRUE(audio.IsValid());
    EXPECT_EQ(audio.FileLength, 5000000);
    EXPECT_EQ(audio.Duration, 312) << "the whole file at 128 kbit/s";
    EXPECT_EQ(audio.FileDateTime, TDateTime({2020, 5, 17, 13, 45, 31}));
    EXPECT_EQ(audio.FileAge, PackDosDateTime({2020, 5, 17, 13, 45, 30}));

    // a time the DOS format cannot hold still leaves the file valid
    const timespec old[2] = {{0, 0}, {0, 0}};
    ASSERT_EQ(utimensat(AT_FDCWD, path.c_str(), old, 0), 0);
    audio.SetFileName(path);
    EXPECT_EQ(audio.FileAge, -1);
    EXPECT_TRUE(audio.IsValid());

    const std::int64_t length = 3'000'000'000;
    if (truncate(path.c_str(), length) != 0) {
        GTEST_SKIP() << "no room for a sparse file";
    }
    audio.SetFileName(path);
    EXPECT_TRUE(audio.IsValid());
    EXPECT_EQ(audio.FileLength, length);
    EXPECT_EQ(audio.Duration, (8 * length / 128000) % 65536) << "kept to 16 bits";
}

TEST(MpegAudio, YieldsEvery300BytesOfTheSearch)
{
    const std::tuple<const char*, std::string, std::int32_t, bool, int> cases[] = {
        // bytes that cannot start a header are passed over in one step, one yield per step
        {"a stream at 1000 is reached in one step", std::string(1000, 'x') + MakeMp3Stream(2), 0,
         true, 1},
        {"a file of sync bytes is searched to its end, every 300 bytes",
         std::string(100000, '\xFF'), 0, false, 333},
        {"the search limit stops the search", std::string(1000, 'x') + MakeMp3Stream(2), 500, false,
         0},
        {"a limit behind the stream does not", std::string(1000, 'x') + MakeMp3Stream(2), 1200,
         true, 1},
    };
    TTempDir dir;
    for (const auto& [rule, bytes, searchLimit, valid, expectedYields] : cases) {
        TMPEGAudio audio;
        audio.SearchLimit = searchLimit;
        int yields = 0;
        audio.SetFileName(WriteBytes(dir.Path() / "a.mp3", bytes).string(), [&] { ++yields; });
        EXPECT_EQ(audio.IsValid(), valid) << rule;
        EXPECT_EQ(yields, expectedYields) << rule;
        EXPECT_EQ(audio.SearchLimit, searchLimit) << rule;
    }
}

TEST(MpegAudio, WritesAndRemovesItsTagInItsCodePage)
{
    TTempDir dir;
    const std::string path = WriteBytes(dir.Path() / "a.mp3", MakeMp3Stream(2)).string();
    TMPEGAudio audio(*FindTagCodePage("WINDOWS-1251"));
    audio.SetFileName(path);
    // each setter keeps the first 30 characters of its field, the year's first 4
    using TSetter = void (TMPEGAudio::*)(std::string_view);
    const std::pair<TSetter, std::string TMPEGAudio::*> setters[] = {
        {&TMPEGAudio::SetTitle, &TMPEGAudio::Title},
        {&TMPEGAudio::SetArtist, &TMPEGAudio::Artist},
        {&TMPEGAudio::SetAlbum, &TMPEGAudio::Album},
        {&TMPEGAudio::SetYear, &TMPEGAudio::Year},
        {&TMPEGAudio::SetComment, &TMPEGAudio::Comment},
    };
    for (const auto& [set, field] : setters) {
        TMPEGAudio fields;
        (fields.*set)(std::string(31, 'x'));
        EXPECT_EQ(fields.*field, std::string(field == &TMPEGAudio::Year ? 4 : 30, 'x'));
    }
    const std::string zhizn = "\xD0\x96\xD0\xB8\xD0\xB7\xD0\xBD\xD1\x8C"; // Cyrillic
    audio.SetTitle(zhizn);
    audio.SetYear("20\xD0\x96\xD0\x96"
                  "5"); // five characters, two of them of two bytes
    audio.SetTrack(7);
    audio.SetGenre(137);
    EXPECT_EQ(audio.WriteTag(), 0);
    // the fields show what the file now holds; an untouched default is written as it stands
    EXPECT_EQ(audio.Tag(),
              TTagRecord({zhizn, "[notag]", "[notag]", "20\xD0\x96\xD0\x96", "[notag]", 137, 7}));
    EXPECT_EQ(ReadBytes(path).size(), MakeMp3Stream(2).size() + 128);
    EXPECT_EQ(ReadBytes(path).substr(MakeMp3Stream(2).size() + 3, 6), "\xC6\xE8\xE7\xED\xFC\0"s);
    audio.SetFileName(path);
    EXPECT_EQ(audio.Title, zhizn) << "read back in the same code page";

    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    audio.SetTitle("Changed");
    EXPECT_EQ(audio.WriteTag(), EACCES);
    EXPECT_EQ(audio.Title, zhizn) << "the fields show the tag still in the file";
    EXPECT_EQ(audio.RemoveTag(), EACCES);
    ASSERT_EQ(chmod(path.c_str(), 0644), 0);

    EXPECT_EQ(audio.RemoveTag(), 0);
    EXPECT_EQ(audio.Title, "a.mp3");
    EXPECT_EQ(ReadBytes(path), MakeMp3Stream(2));

    ASSERT_EQ(unlink(path.c_str()), 0);
    audio.SetTitle("Kept");
    EXPECT_EQ(audio.WriteTag(), -1);
    EXPECT_EQ(audio.Title, "Kept") << "nothing happens for a missing file";
    EXPECT_EQ(audio.RemoveTag(), -1);
    EXPECT_FALSE(std::filesystem::exists(path));
}

} // namespace
