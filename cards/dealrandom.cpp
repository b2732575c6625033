#include "dealrandom.h"

#include <ctime>

namespace DealRandom {
namespace {
std::uint64_t S = 0;
constexpr std::uint64_t Multiplier = 0x0000015A00004E35ULL;
constexpr std::uint32_t ShortMultiplier = 0x015A4E35U;
} // namespace

void Seed(std::uint32_t x) {
    S = x;
}

void SeedFromClock() {
    Seed(static_cast<std::uint32_t>(std::time(nullptr)));
}

std::int32_t Next() {
    S = S * Multiplier + 1;
    return static_cast<std::int32_t>((S >> 32) & 0x7FFFFFFFU);
}

std::int32_t Random(std::int32_t n) {
    if (n == 0)
        return 0;
    return Next() % n;
}

std::int32_t ShortStep() {
    std::uint32_t low = static_cast<std::uint32_t>(S);
    low = low * ShortMultiplier + 1;
    S = (S & 0xFFFFFFFF00000000ULL) | low;
    return static_cast<std::int32_t>((low >> 16) & 0x7FFFU);
}

std::uint64_t State() {
    return S;
}

} // namespace DealRandom
