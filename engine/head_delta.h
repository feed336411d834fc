#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How a file's old head (its ID3v2 tag region) is told from the new one that replaces it, in a
// few bytes where an edit changed a few frames: the old head is the new head's first Prefix bytes,
// then Middle, then Suffix bytes of the new head from SuffixAt on, then Zeros zero bytes (its
// padding). A head written anew (of another length) finds in the new head whatever it kept, moved
// or not, such as a cover picture after an edited title. A head written in place over one of the
// same length keeps in Middle all of the old bytes that differ, so that it can be put together
// from a head whose write was stopped half way. The old head's sum tells whether it was put
// together right.
struct THeadDelta
{
    std::size_t Prefix = 0;
    std::string Middle;
    std::size_t SuffixAt = 0;
    std::size_t Suffix = 0;
    std::size_t Zeros = 0;
    std::uint64_t OldSum = 0;

    std::size_t OldLength() const { return Prefix + Middle.size() + Suffix + Zeros; }
};

// The delta of `old` from `now`.
THeadDelta HeadDelta(std::string_view old, std::string_view now);

// The old head put together from `now`: nothing when it cannot be (`now` is not a head the delta
// was made for).
std::optional<std::string> OldHeadFrom(std::string_view now, const THeadDelta& delta);

// A 64-bit checksum of the bytes (not for security: it tells a head from another one).
std::uint64_t HeadSum(std::string_view bytes);

// The length of the common start of `a` and `b` (compared in blocks, which memcmp does many times
// faster than a loop over bytes).
std::size_t CommonPrefix(std::string_view a, std::string_view b);
// The length of the common end of `a` and `b`.
std::size_t CommonSuffix(std::string_view a, std::string_view b);
