#pragma once
#include <cstdint>

namespace nervalo {

// The program's pseudo-random generator (xoshiro256**). Callers seed it from the clock before
// each use that the user starts; tests seed it with a fixed value.
class Zufall {
  public:
    void Setze(std::uint64_t saat);
    void SetzeAusUhr();
    // Uniform in [0, 1) with a 24-bit fraction, so the value is exact as a float and never 1.
    float Gleich();
    // Uniform integer in 0 .. n - 1; n must be at least 1.
    std::int32_t Ganz(std::int32_t n);

  private:
    std::uint64_t Naechste();
    std::uint64_t s_[4] = {1, 2, 3, 4};
};

Zufall& zufall();

} // namespace nervalo
