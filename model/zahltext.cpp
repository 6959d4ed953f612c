#include "zahltext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "gleitkomma.h"

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

// Exponent digits, at least `mindestStellen` of them; a minus for a negative exponent and,
// with `plus`, a plus for the others.
std::string exponentText(int e, bool plus, int mindestStellen) {
    std::string ziffern = std::to_string(e < 0 ? -static_cast<std::int64_t>(e) : e);
    if (static_cast<int>(ziffern.size()) < mindestStellen)
        ziffern.insert(0, static_cast<std::size_t>(mindestStellen) - ziffern.size(), '0');
    if (e < 0) return "-" + ziffern;
    return plus ? "+" + ziffern : ziffern;
}

// Exponent form of an already rounded number: one digit, `trenner`, `nachkommastellen`
// digits, "E", always-signed exponent of at least two digits. Zero is 0,00E+00 without sign.
std::string wissenschaftlich(const Dezimalzahl& d, int nachkommastellen, char trenner) {
    std::string s;
    if (d.negativ && !d.istNull()) s += '-';
    int e = d.istNull() ? 0 : d.exponent;
    s += static_cast<char>('0' + d.ziffer(e));
    s += trenner;
    for (int i = 1; i <= nachkommastellen; ++i)
        s += static_cast<char>('0' + d.ziffer(e - i));
    return s + "E" + exponentText(e, true, 2);
}

// A decimal number as typed: the digits before and after the separator in one string, the
// count of those before it, and the exponent (saturated far beyond any float's range).
struct Zahlzerlegung {
    bool negativ = false;
    std::string ziffern;
    std::int64_t vorKomma = 0;
    std::int64_t exponent = 0;
};

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

void ueberspringeBlanks(std::string_view s, std::size_t& i) {
    while (i < s.size() && s[i] == ' ')
        ++i;
}

// Reads [sign] (digits [trenner [digits]] | trenner digits) [(E|e) [sign] digits] at s[i],
// advancing i past it; nullopt when the text there has no such form.
std::optional<Zahlzerlegung> leseZahl(std::string_view s, std::size_t& i, char trenner) {
    Zahlzerlegung z;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) z.negativ = s[i++] == '-';
    while (i < s.size() && istZiffer(s[i]))
        z.ziffern += s[i++];
    z.vorKomma = static_cast<std::int64_t>(z.ziffern.size());
    if (i < s.size() && s[i] == trenner) {
        ++i;
        while (i < s.size() && istZiffer(s[i]))
            z.ziffern += s[i++];
    }
    if (z.ziffern.empty()) return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool minus = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) minus = s[i++] == '-';
        if (i >= s.size() || !istZiffer(s[i])) return std::nullopt;
        constexpr std::int64_t Grenze = 1'000'000'000'000'000;
        while (i < s.size() && istZiffer(s[i])) {
            if (z.exponent < Grenze) z.exponent = z.exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (minus) z.exponent = -z.exponent;
    }
    return z;
}

// The float nearest to the number; beyond float's range an overflow, below it zero.
float alsFloat(const Zahlzerlegung& z) {
    const float null = z.negativ ? -0.0f : 0.0f;
    std::size_t erste = z.ziffern.find_first_not_of('0');
    if (erste == std::string::npos) return null;
    std::size_t letzte = z.ziffern.find_last_not_of('0');
    // Decimal exponent of the first significant digit. FLT_MAX is below 10^39 and half the
    // smallest subnormal above 10^-46, so outside that band the answer is known.
    std::int64_t e = z.vorKomma - 1 - static_cast<std::int64_t>(erste) + z.exponent;
    if (e > 39) gk::wirf(gk::Ueberlauf);
    if (e < -46) return null;

    // Normalised to d.ddd...e±x for the correctly rounding library conversion.
    std::string text;
    if (z.negativ) text += '-';
    text += z.ziffern[erste];
    if (letzte > erste) {
        text += '.';
        text.append(z.ziffern, erste + 1, letzte - erste);
    }
    text += 'e';
    text += std::to_string(e);

    float wert = 0.0f;
    auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        if (e >= 0) gk::wirf(gk::Ueberlauf);
        return null;
    }
    if (fehler != std::errc{} || ende != text.data() + text.size()) gk::wirf(gk::Ungueltig);
    if (std::isinf(wert)) gk::wirf(gk::Ueberlauf);
    return wert;
}

// [blanks] [sign] digits [blanks, if erlaubt]; nullopt for anything else or outside int32.
std::optional<std::int32_t> leseGanzzahl(std::string_view s, bool blanksAmEnde) {
    std::size_t i = 0;
    ueberspringeBlanks(s, i);
    bool negativ = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativ = s[i++] == '-';
    if (i >= s.size() || !istZiffer(s[i])) return std::nullopt;
    std::int64_t betrag = 0;
    while (i < s.size() && istZiffer(s[i])) {
        betrag = betrag * 10 + (s[i++] - '0');
        if (betrag > std::int64_t{1} << 31) return std::nullopt;
    }
    if (blanksAmEnde) ueberspringeBlanks(s, i);
    if (i != s.size()) return std::nullopt;
    std::int64_t wert = negativ ? -betrag : betrag;
    if (wert > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(wert);
}

} // namespace

int Dezimalzahl::ziffer(int stelle) const {
    // Index of weight 10^stelle; computed in 64 bits so extreme positions cannot overflow.
    std::int64_t i = std::int64_t{exponent} - stelle;
    if (i < 0 || i >= static_cast<std::int64_t>(ziffern.size())) return 0;
    return ziffern[static_cast<std::size_t>(i)] - '0';
}

namespace {

// m · 2^e exactly in decimal, m > 0.
Dezimalzahl dezimalAusBinaer(bool negativ, std::uint64_t m, int e) {
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

    Dezimalzahl d;
    d.negativ = negativ;
    std::string s = alsDezimaltext(z);
    d.exponent = static_cast<int>(s.size()) - 1 - nachkomma;
    s.erase(s.find_last_not_of('0') + 1);
    d.ziffern = std::move(s);
    return d;
}

} // namespace

Dezimalzahl exaktDezimal(double x) {
    if (x == 0 || !std::isfinite(x)) return {std::signbit(x), {}, 0};
    // |x| = m · 2^e with an integer m < 2^53.
    int e = 0;
    const double f = std::frexp(std::fabs(x), &e);
    return dezimalAusBinaer(std::signbit(x), static_cast<std::uint64_t>(std::ldexp(f, 53)), e - 53);
}

Dezimalzahl exaktDezimal(long double x) {
    if (x == 0 || !std::isfinite(x)) return {std::signbit(x), {}, 0};
    // |x| = m · 2^e with an integer m < 2^64 (the widest long double has 64 mantissa bits).
    int e = 0;
    const long double f = std::frexp(std::fabs(x), &e);
    return dezimalAusBinaer(std::signbit(x), static_cast<std::uint64_t>(std::ldexp(f, 64)), e - 64);
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
    // The drawing shows thousands of these per redraw, so the common range takes a short way
    // with the same result: for |x| < 2^20, v = |x|·100 has at most 29 significant bits and is
    // exact in double; v + 0.5 is exact too, except for tiny v where it rounds to a value still
    // below 1. So floor(v + 0.5) is v rounded half away from zero, in hundredths.
    const double betrag = std::fabs(static_cast<double>(x));
    if (betrag < 1048576.0) {
        const auto hundertstel = static_cast<std::int64_t>(std::floor(betrag * 100.0 + 0.5));
        const std::int64_t rest = hundertstel % 100;
        std::string s = (x < 0.0f && hundertstel != 0) ? "-" : "";
        s += std::to_string(hundertstel / 100);
        s += '.';
        s += static_cast<char>('0' + rest / 10);
        s += static_cast<char>('0' + rest % 10);
        return rechtsbuendig(std::move(s), 4);
    }
    return rechtsbuendig(festkomma(rundeAufNachkommastellen(exaktDezimal(x), 2), 2, '.'), 4);
}

std::string SingEditText(float x) {
    if (auto s = sonderwert(x)) return *s;
    Dezimalzahl d = exaktDezimal(x);
    if (std::fabs(x) < 1000.0f)
        return rechtsbuendig(festkomma(rundeAufNachkommastellen(std::move(d), 4), 4, '.'), 8);
    // Two significant digits; a carry (9.96E3) moves to the next exponent (1.0E4).
    d = rundeAufSignifikanteStellen(std::move(d), 2);
    std::string s(1, d.negativ ? '-' : ' ');
    s += static_cast<char>('0' + d.ziffer(d.exponent));
    s += '.';
    s += static_cast<char>('0' + d.ziffer(d.exponent - 1));
    return s + "E" + exponentText(d.exponent, true, 4);
}

float SingEditLesen(const std::string& text) {
    std::string t = text;
    std::replace(t.begin(), t.end(), ',', '.');
    std::size_t i = 0;
    ueberspringeBlanks(t, i);
    auto z = leseZahl(t, i, '.');
    if (!z || i != t.size()) return 0.0f;
    return alsFloat(*z);
}

std::int32_t IntEditLesen(const std::string& text) {
    return leseGanzzahl(text, false).value_or(0);
}

std::string IntEditText(std::int32_t n) {
    return std::to_string(n);
}

std::string PunktZuKomma(std::string text) {
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

float TextZuZahl(const std::string& text) {
    std::size_t i = 0;
    ueberspringeBlanks(text, i);
    auto z = leseZahl(text, i, ',');
    if (z) ueberspringeBlanks(text, i);
    if (!z || i != text.size()) throw Fehler("'" + text + "' ist kein gültiger Gleitkommawert");
    return alsFloat(*z);
}

std::int32_t TextZuGanzzahl(const std::string& text) {
    auto n = leseGanzzahl(text, true);
    if (!n) throw Fehler("'" + text + "' ist kein gültiger Integerwert");
    return *n;
}

std::string FehlerText(float e) {
    if (auto s = sonderwert(e)) return *s;
    return wissenschaftlich(rundeAufSignifikanteStellen(exaktDezimal(e), 3), 2, ',');
}

std::string SigmaText(float s) {
    if (auto t = sonderwert(s)) return *t;
    if (static_cast<double>(s) < 0.00001)
        return wissenschaftlich(rundeAufSignifikanteStellen(exaktDezimal(s), 4), 3, ',');
    return festkomma(rundeAufNachkommastellen(exaktDezimal(s), 6), 6, ',');
}

std::string ZellenText(float v) {
    if (auto s = sonderwert(v)) return *s;
    Dezimalzahl d = exaktDezimal(v);
    if (d.istNull()) return "0,00";
    // Two significant digits, but no finer than the second decimal.
    d = rundeAufSignifikanteStellen(std::move(d), std::min(2, d.exponent + 3));
    if (d.istNull() || d.exponent < 2) return festkomma(d, 2, ',');
    std::string s;
    if (d.negativ) s += '-';
    s += d.ziffern[0];
    if (d.ziffern.size() > 1) {
        s += ',';
        s += d.ziffern[1];
    }
    return s + "E" + exponentText(d.exponent, false, 2);
}

std::string EnergieText(long double e) {
    if (std::isnan(e)) return "NAN";
    if (std::isinf(e)) return e < 0 ? "-INF" : "INF";
    const Dezimalzahl d = rundeAufSignifikanteStellen(exaktDezimal(e), 4);
    if (d.istNull()) return "0";
    if (d.exponent < -3 || d.exponent > 5) return wissenschaftlich(d, 3, ',');
    return festkomma(d, std::max(0, 3 - d.exponent), ',');
}

std::string KommaText(double x, int nachkommastellen) {
    if (!std::isfinite(x)) return sonderwert(static_cast<float>(x)).value_or("");
    return festkomma(rundeAufNachkommastellen(exaktDezimal(x), nachkommastellen), nachkommastellen,
                     ',');
}

} // namespace nervalo
