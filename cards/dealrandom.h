// The deal generator: one shared 64-bit state for the whole program, so that a
// hand number always gives the same order of cards.
#pragma once

#include <cstdint>

namespace DealRandom {

// S = x as an unsigned 32-bit number, high half 0.
void Seed(std::uint32_t x);
// Seed from the clock in whole seconds.
void SeedFromClock();
// S = S * 0x0000015A00004E35 + 1; returns (S >> 32) & 0x7FFFFFFF.
std::int32_t Next();
// 0 when n is 0 (and S unchanged), else Next() mod n.
std::int32_t Random(std::int32_t n);
// The short step of Shuffle: only the low half moves; returns 0 to 32767.
std::int32_t ShortStep();

std::uint64_t State();

} // namespace DealRandom
