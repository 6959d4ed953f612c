#include "zufall.h"

#include <chrono>

namespace nervalo {
namespace {

std::uint64_t splitmix(std::uint64_t& x) {
    std::uint64_t z = (x += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::uint64_t rotl(std::uint64_t x, int k) {
    return (x << k) | (x >> (64 - k));
}

} // namespace

void Zufall::Setze(std::uint64_t saat) {
    for (auto& s : s_)
        s = splitmix(saat);
}

void Zufall::SetzeAusUhr() {
    auto jetzt = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    Setze(static_cast<std::uint64_t>(jetzt));
}

std::uint64_t Zufall::Naechste() {
    const std::uint64_t ergebnis = rotl(s_[1] * 5, 7) * 9;
    const std::uint64_t t = s_[1] << 17;
    s_[2] ^= s_[0];
    s_[3] ^= s_[1];
    s_[1] ^= s_[2];
    s_[0] ^= s_[3];
    s_[2] ^= t;
    s_[3] = rotl(s_[3], 45);
    return ergebnis;
}

float Zufall::Gleich() {
    return static_cast<float>(Naechste() >> 40) * 0x1p-24f;
}

std::int32_t Zufall::Ganz(std::int32_t n) {
    if (n <= 1) return 0;
    return static_cast<std::int32_t>(((Naechste() >> 32) * static_cast<std::uint64_t>(n)) >> 32);
}

Zufall& zufall() {
    static Zufall z;
    return z;
}

} // namespace nervalo
