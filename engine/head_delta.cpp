#include "engine/head_delta.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace {

// Compared a page at a time while they agree, then in small blocks, then byte by byte.
constexpr std::size_t Page = 4096;
constexpr std::size_t Block = 64;

// The number of zero bytes `bytes` ends in.
std::size_t TrailingZeros(std::string_view bytes)
{
    static const char zeros[Block] = {};
    std::size_t end = bytes.size();
    while (end >= Block && std::memcmp(bytes.data() + end - Block, zeros, Block) == 0) {
        end -= Block;
    }
    while (end > 0 && bytes[end - 1] == '\0') {
        --end;
    }
    return bytes.size() - end;
}

} // namespace

std::size_t CommonPrefix(std::string_view a, std::string_view b)
{
    const std::size_t size = std::min(a.size(), b.size());
    std::size_t at = 0;
    for (const std::size_t block : {Page, Block}) {
        while (at + block <= size && std::memcmp(a.data() + at, b.data() + at, block) == 0) {
            at += block;
        }
    }
    while (at < size && a[at] == b[at]) {
        ++at;
    }
    return at;
}

std::size_t CommonSuffix(std::string_view a, std::string_view b)
{
    const std::size_t size = std::min(a.size(), b.size());
    const char* aEnd = a.data() + a.size();
    const char* bEnd = b.data() + b.size();
    std::size_t at = 0;
    for (const std::size_t block : {Page, Block}) {
        while (at + block <= size &&
               std::memcmp(aEnd - at - block, bEnd - at - block, block) == 0) {
            at += block;
        }
    }
    while (at < size && aEnd[-1 - static_cast<std::ptrdiff_t>(at)] ==
                            bEnd[-1 - static_cast<std::ptrdiff_t>(at)]) {
        ++at;
    }
    return at;
}

std::uint64_t HeadSum(std::string_view bytes)
{
    // FNV-1a-like mixing of eight bytes at a time (read as little-endian) in four lanes that do
    // not wait for each other, then the rest byte by byte
    constexpr std::uint64_t Prime = 0x100000001B3;
    const auto word = [&](std::size_t at) {
        std::uint64_t value = 0;
        std::memcpy(&value, bytes.data() + at, sizeof value);
        if constexpr (std::endian::native == std::endian::big) {
            value = __builtin_bswap64(value); // the same sums on any machine
        }
        return value;
    };
    const auto mix = [](std::uint64_t sum, std::uint64_t value) {
        sum = (sum ^ value) * Prime;
        return sum ^ (sum >> 29);
    };
    std::uint64_t lanes[4] = {0xCBF29CE484222325 ^ bytes.size(), 1, 2, 3};
    std::size_t at = 0;
    for (; at + 32 <= bytes.size(); at += 32) {
        for (std::size_t lane = 0; lane < 4; ++lane) {
            lanes[lane] = mix(lanes[lane], word(at + 8 * lane));
        }
    }
    std::uint64_t sum = mix(mix(mix(lanes[0], lanes[1]), lanes[2]), lanes[3]);
    for (; at + 8 <= bytes.size(); at += 8) {
        sum = mix(sum, word(at));
    }
    for (; at < bytes.size(); ++at) {
        sum = mix(sum, static_cast<unsigned char>(bytes[at]));
    }
    return sum ^ (sum >> 32);
}

THeadDelta HeadDelta(std::string_view old, std::string_view now)
{
    THeadDelta delta;
    delta.OldSum = HeadSum(old);
    delta.Prefix = CommonPrefix(old, now);
    if (old.size() == now.size()) {
        // the old bytes of the whole span the write changes, whatever part of it was written
        delta.Suffix = CommonSuffix(old.substr(delta.Prefix), now.substr(delta.Prefix));
        delta.SuffixAt = old.size() - delta.Suffix;
        delta.Middle = old.substr(delta.Prefix, delta.SuffixAt - delta.Prefix);
        return delta;
    }
    delta.Zeros = std::min(TrailingZeros(old), old.size() - delta.Prefix);
    const std::string_view oldRest =
        old.substr(delta.Prefix, old.size() - delta.Prefix - delta.Zeros);
    std::string_view nowRest = now.substr(delta.Prefix);
    nowRest.remove_suffix(TrailingZeros(nowRest));
    delta.Suffix = CommonSuffix(oldRest, nowRest);
    delta.SuffixAt = delta.Prefix + nowRest.size() - delta.Suffix;
    delta.Middle = oldRest.substr(0, oldRest.size() - delta.Suffix);
    return delta;
}

std::optional<std::string> OldHeadFrom(std::string_view now, const THeadDelta& delta)
{
    if (delta.Prefix > now.size() || delta.SuffixAt > now.size() ||
        delta.Suffix > now.size() - delta.SuffixAt) {
        return std::nullopt;
    }
    std::string old;
    old.reserve(delta.OldLength());
    old.append(now.substr(0, delta.Prefix));
    old.append(delta.Middle);
    old.append(now.substr(delta.SuffixAt, delta.Suffix));
    old.append(delta.Zeros, '\0');
    if (HeadSum(old) != delta.OldSum) {
        return std::nullopt;
    }
    return old;
}
