#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>

// Test inputs built in code: MPEG frames, ID3v1 trailers, and a temporary folder per test.

// Four header bytes of an MPEG-1 Layer III frame, 44100 Hz, 128 kbit/s, no CRC, stereo:
// FF FB 90 00. The frame is 417 bytes long.
inline constexpr std::uint32_t Mpeg1Layer3Header = 0xFFFB9000u;
inline constexpr int Mpeg1Layer3FrameLength = 417;

// A frame of `length` bytes starting with the header (big-endian), the rest zero bytes.
std::string MakeFrame(std::uint32_t header = Mpeg1Layer3Header,
                      int length = Mpeg1Layer3FrameLength);

// `count` MPEG-1 Layer III frames in a row: a file every analysis accepts.
std::string MakeMp3Stream(int count = 3);

// A 128-byte ID3v1 trailer from raw field bytes (cut to their sizes, zero-filled); the track
// byte is written only when `track` is not negative.
std::string MakeTrailer(const std::string& title, const std::string& artist = "",
                        const std::string& album = "", const std::string& year = "",
                        const std::string& comment = "", int track = -1, int genre = 255);

// Writes the bytes to the file (creating missing folders); returns the path.
std::filesystem::path WriteBytes(const std::filesystem::path& path, const std::string& bytes);

// The whole content of a file ("" when it cannot be read).
std::string ReadBytes(const std::filesystem::path& path);

// A fresh folder below the system's temporary folder, removed with everything in it at the end.
class TTempDir
{
public:
    TTempDir();
    ~TTempDir();
    TTempDir(const TTempDir&) = delete;
    TTempDir& operator=(const TTempDir&) = delete;

    const std::filesystem::path& Path() const { return Root; }
    // Root / name as a string.
    std::string operator/(const std::string& name) const { return (Root / name).string(); }

private:
    std::filesystem::path Root;
};

// Runs `check` in a child process that, when this one is the superuser, first drops to the
// ordinary user "nobody" (uid and gid 65534), so that permission rules hold as they do for a user;
// true when the check returned true there. Folders the child must reach need their x bits.
bool PassesAsOrdinaryUser(const std::function<bool()>& check);
