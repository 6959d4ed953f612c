#include "zahltext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace nervalo {

namespace {

// Unsigned big integer in base 10^9, least significant limb first; just enough arithmetic
// to expand m · 2^e exactly.
using Limbs = std::vector<std::uint32_t>;
constexpr std::uint32_t Basis = 1'000'000'000;

void multipliziere(Limbs& z, std::uint32_t faktor) {
    std::uint64_t uebertrag = 0;
    for (auto& limb : z) {
        std::uint64_t p = std::uint64_t{limb} * faktor + uebertrag;
        limb = static_cast<std::uint32_t>(p % Basis);
        uebertrag = p / Basis;
    }
    while (uebertrag != 0) {
        z.push_back(static_cast<std::uint32_t>(uebertrag % Basis));
        uebertrag /= Basis;
    }
}

std::string alsDezimaltext(const Limbs& z) {
    std::string s = std::to_string(z.back());
    for (auto i = z.size() - 1; i-- > 0;) {
        std::string teil = std::to_string(z[i]);
        s.append(9 - teil.size(), '0');
        s += teil;
    }
    return s;
}

std::optional<std::string> sonderwert(float x) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
    return std::nullopt;
}

// Fixed-point text of an already rounded number: integer digits, then `nachkommastellen`
// digits after `trenner`. Zero gets no minus sign.
std::string festkomma(const Dezimalzahl& d, int nachkommastellen, char trenner) {
    std::string s;
    if (d.negativ && !d.istNull()) s += '-';
    for (int stelle = std::max(d.exponent, 0); stelle >= 0; --stelle)
        s += static_cast<char>('0' + d.ziffer(stelle));
    if (nachkommastellen > 0) {
        s += trenner;
        for (int stelle = -1; stelle >= -nachkommastellen; --stelle)
            s += static_cast<char>('0' + d.ziffer(stelle));
    }
    return s;
}

std::string rechtsbuendig(std::string s, std::size_t breite) {
    if (s.size() < breite) s.insert(0, breite - s.size(), ' ');
    return s;
}

} // namespace

int Dezimalzahl::ziffer(int stelle) const {
    // Index of weight 10^stelle; computed in 64 bits so extreme positions cannot overflow.
    std::int64_t i = std::int64_t{exponent} - stelle;
    if (i < 0 || i >= static_cast<std::int64_t>(ziffern.size())) return 0;
    return ziffern[static_cast<std::size_t>(i)] - '0';
}

Dezimalzahl exaktDezimal(double x) {
    Dezimalzahl d;
    d.negativ = std::signbit(x);
    if (x == 0 || !std::isfinite(x)) return d;

    // |x| = m · 2^e with an integer m < 2^53.
    int e = 0;
    double f = std::frexp(std::fabs(x), &e);
    auto m = static_cast<std::uint64_t>(std::ldexp(f, 53));
    e -= 53;
    while ((m & 1) == 0) {
        m >>= 1;
        ++e;
    }

    Limbs z{static_cast<std::uint32_t>(m % Basis)};
    if (m >= Basis) z.push_back(static_cast<std::uint32_t>(m / Basis % Basis));
    if (m >= std::uint64_t{Basis} * Basis)
        z.push_back(static_cast<std::uint32_t>(m / Basis / Basis));

    // m · 2^e for e >= 0; for e < 0, m · 5^-e digits with -e of them behind the point.
    int nachkomma = 0;
    if (e >= 0) {
        for (; e >= 29; e -= 29)
            multipliziere(z, 1u << 29);
        multipliziere(z, 1u << e);
    } else {
        nachkomma = -e;
        int k = nachkomma;
        for (; k >= 13; k -= 13)
            multipliziere(z, 1'220'703'125u); // 5^13
        std::uint32_t rest = 1;
        while (k-- > 0)
            rest *= 5;
        multipliziere(z, rest);
    }

    std::string s = alsDezimaltext(z);
    d.exponent = static_cast<int>(s.size()) - 1 - nachkomma;
    s.erase(s.find_last_not_of('0') + 1);
    d.ziffern = std::move(s);
    return d;
}

Dezimalzahl rundeAufSignifikanteStellen(Dezimalzahl d, int stellen) {
    if (stellen >= static_cast<int>(d.ziffern.size())) return d;
    if (stellen < 0) {
        // The first dropped digit lies above the first digit and is 0: the value is below
        // half a unit of the rounding place.
        d.ziffern.clear();
        return d;
    }
    bool auf = d.ziffern[static_cast<std::size_t>(stellen)] >= '5';
    d.ziffern.resize(static_cast<std::size_t>(stellen));
    if (auf) {
        // Add one unit in the last kept place; an all-nines prefix (or none) carries over.
        while (!d.ziffern.empty() && d.ziffern.back() == '9')
            d.ziffern.pop_back();
        if (d.ziffern.empty()) {
            // 9.99 × 10^k plus a unit in its last place (or a lone round-up) is 10^(k+1).
            d.ziffern.push_back('1');
            ++d.exponent;
        } else {
            ++d.ziffern.back();
        }
    }
    d.ziffern.erase(d.ziffern.find_last_not_of('0') + 1);
    return d;
}

Dezimalzahl rundeAufNachkommastellen(Dezimalzahl d, int nachkommastellen) {
    if (d.istNull()) return d;
    std::int64_t stellen = std::int64_t{d.exponent} + nachkommastellen + 1;
    if (stellen < 0) stellen = -1;
    if (stellen > static_cast<std::int64_t>(d.ziffern.size())) return d;
    return rundeAufSignifikanteStellen(std::move(d), static_cast<int>(stellen));
}

std::string ZahlZuText(float x) {
    if (auto s = sonderwert(x)) return *s;
    return rechtsbuendig(festkomma(rundeAufNachkommastellen(exaktDezimal(x), 2), 2, '.'), 4);
}

} // namespace nervalo
