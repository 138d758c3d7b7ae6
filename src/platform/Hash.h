#pragma once
// A fast 64-bit hash of bytes, for finding identical texts and for telling
// whether cards are still as they were read. Not meant to withstand anyone
// who crafts collisions on purpose.
#include <QtGlobal>

namespace Hash {

quint64 bytes(const void* data, qsizetype size, quint64 seed = 0);

// Spreads the bits of a number over the whole word.
quint64 mix(quint64 x);

}  // namespace Hash
