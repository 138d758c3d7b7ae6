#include "platform/Hash.h"

#include <cstring>

namespace {

constexpr quint64 kP1 = 0x9E3779B185EBCA87ULL;
constexpr quint64 kP2 = 0xC2B2AE3D27D4EB4FULL;
constexpr quint64 kP3 = 0x165667B19E3779F9ULL;
constexpr quint64 kP4 = 0x85EBCA77C2B2AE63ULL;
constexpr quint64 kP5 = 0x27D4EB2F165667C5ULL;

quint64 load64(const unsigned char* p) {
    quint64 v;
    std::memcpy(&v, p, 8);
    return v;
}

quint32 load32(const unsigned char* p) {
    quint32 v;
    std::memcpy(&v, p, 4);
    return v;
}

quint64 rotl(quint64 x, int r) { return (x << r) | (x >> (64 - r)); }

quint64 round(quint64 acc, quint64 input) { return rotl(acc + input * kP2, 31) * kP1; }

quint64 merge(quint64 h, quint64 lane) { return (h ^ round(0, lane)) * kP1 + kP4; }

}  // namespace

namespace Hash {

quint64 mix(quint64 h) {
    h ^= h >> 33;
    h *= kP2;
    h ^= h >> 29;
    h *= kP3;
    h ^= h >> 32;
    return h;
}

quint64 bytes(const void* data, qsizetype size, quint64 seed) {
    const auto* p = static_cast<const unsigned char*>(data);
    const unsigned char* const end = p + size;
    quint64 h;
    if (size >= 32) {
        // Four lanes side by side, so that the multiplications overlap.
        quint64 a = seed + kP1 + kP2, b = seed + kP2, c = seed, d = seed - kP1;
        do {
            a = round(a, load64(p));
            b = round(b, load64(p + 8));
            c = round(c, load64(p + 16));
            d = round(d, load64(p + 24));
            p += 32;
        } while (end - p >= 32);
        h = rotl(a, 1) + rotl(b, 7) + rotl(c, 12) + rotl(d, 18);
        h = merge(merge(merge(merge(h, a), b), c), d);
    } else {
        h = seed + kP5;
    }
    h += quint64(size);
    for (; end - p >= 8; p += 8) h = rotl(h ^ round(0, load64(p)), 27) * kP1 + kP4;
    if (end - p >= 4) {
        h = rotl(h ^ (quint64(load32(p)) * kP1), 23) * kP2 + kP3;
        p += 4;
    }
    for (; p < end; ++p) h = rotl(h ^ (quint64(*p) * kP5), 11) * kP1;
    return mix(h);
}

}  // namespace Hash
