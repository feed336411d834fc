// The analysis of a file's bytes: ID3v2 skipping, the frame search, the frame checks and the
// trailer. The first two bytes give the search limit (0: the whole file), so that the path that
// gives up on a long file without frames is reached with a few kilobytes.

#include "engine/mpeg_audio.h"
#include "fuzz/fuzz_input.h"

#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace {

// One scratch file per process, rewritten for every input.
const std::string& ScratchFile()
{
    static const std::string path = [] {
        const char* folder = std::getenv("TMPDIR");
        std::string name =
            std::string(folder && *folder ? folder : "/tmp") + "/cantrel-fuzz-XXXXXX";
        const int fd = ::mkstemp(name.data());
        FUZZ_CHECK(fd >= 0);
        ::close(fd);
        std::atexit([] { ::unlink(ScratchFile().c_str()); });
        return name;
    }();
    return path;
}

void WriteScratch(const std::uint8_t* data, std::size_t size)
{
    const int fd = ::open(ScratchFile().c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    FUZZ_CHECK(fd >= 0);
    FUZZ_CHECK(size == 0 || ::write(fd, data, size) == static_cast<ssize_t>(size));
    ::close(fd);
}

bool SameStream(const TMPEGAudio& a, const TMPEGAudio& b)
{
    return a.Version == b.Version && a.Layer == b.Layer && a.SampleRate == b.SampleRate &&
           a.BitRate == b.BitRate && a.Mode == b.Mode && a.Copyright == b.Copyright &&
           a.Original == b.Original && a.ErrorProtection == b.ErrorProtection &&
           a.Padding == b.Padding && a.FrameLength == b.FrameLength && a.Duration == b.Duration &&
           a.FileLength == b.FileLength && a.Tag() == b.Tag();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::int32_t limit = (data[0] << 8) | data[1];
    WriteScratch(data + 2, size - 2);
    const auto length = static_cast<std::int64_t>(size - 2);

    TMPEGAudio audio;
    audio.SearchLimit = limit;
    long yields = 0;
    audio.SetFileName(ScratchFile(), [&yields] { ++yields; });
    FUZZ_CHECK(audio.SearchLimit == limit);
    FUZZ_CHECK(audio.FileLength == (length > 5 ? length : 0));

    if (audio.IsValid()) {
        FUZZ_CHECK(audio.Version >= 1 && audio.Version <= 3);
        FUZZ_CHECK(audio.Layer >= 1 && audio.Layer <= 3);
        FUZZ_CHECK(audio.BitRate >= 8 && audio.BitRate <= 448);
        FUZZ_CHECK(audio.SampleRate >= 8000 && audio.SampleRate <= 48000);
        FUZZ_CHECK(audio.Mode <= 3);
        FUZZ_CHECK(audio.FrameLength ==
                   144000 * audio.BitRate / audio.SampleRate + (audio.Padding ? 1 : 0));
        FUZZ_CHECK(audio.Duration == 8 * length / (1000 * std::int64_t{audio.BitRate}));
        FUZZ_CHECK(audio.Title.size() <= 4 * TagTextLimit);
    } else {
        FUZZ_CHECK(audio.Version == 0 && audio.Layer == 0 && audio.BitRate == 0 &&
                   audio.SampleRate == 0 && audio.FrameLength == 0 && audio.Duration == 0);
        FUZZ_CHECK(audio.Tag() == TTagRecord());
    }
    // nothing but the search limit survives from one analysis to the next
    TMPEGAudio again;
    again.SearchLimit = limit;
    again.SetFileName(ScratchFile());
    FUZZ_CHECK(SameStream(audio, again));
    return 0;
}
