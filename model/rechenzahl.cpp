#include "rechenzahl.h"

#include <charconv>
#include <cmath>
#include <string>

namespace nervalo {
namespace {

// The float nearest to ±0.d1d2...dn × 10^(exponent + 1), read by the library.
float gelesen(const Dezimalzahl& d) {
    std::string text = d.negativ ? "-0." : "0.";
    text += d.ziffern + "e" + std::to_string(d.exponent + 1);
    float wert = 0.0f;
    std::from_chars(text.data(), text.data() + text.size(), wert);
    return wert;
}

// d cut to n significant digits (n < digits of d), and the same plus one unit in the last kept
// place.
Dezimalzahl abgeschnitten(const Dezimalzahl& d, std::size_t n) {
    Dezimalzahl r = d;
    r.ziffern.resize(n);
    r.ziffern.erase(r.ziffern.find_last_not_of('0') + 1);
    return r;
}
Dezimalzahl eineEinheitMehr(const Dezimalzahl& d, std::size_t n) {
    Dezimalzahl r = d;
    r.ziffern.resize(n);
    std::size_t i = n;
    while (i > 0 && r.ziffern[i - 1] == '9')
        r.ziffern[--i] = '0';
    if (i == 0) {
        r.ziffern.insert(r.ziffern.begin(), '1');
        ++r.exponent;
    } else {
        ++r.ziffern[i - 1];
    }
    r.ziffern.erase(r.ziffern.find_last_not_of('0') + 1);
    return r;
}

std::string mitMinus(bool negativ, std::string betrag) {
    return negativ ? Minus + betrag : betrag;
}

std::string exponentform(const Dezimalzahl& d) {
    std::string s(1, d.ziffern[0]);
    if (d.ziffern.size() > 1) s += "," + d.ziffern.substr(1);
    s += "E";
    if (d.exponent < 0) s += Minus;
    return s + std::to_string(std::abs(d.exponent));
}

// Positional form of d with all its digits.
std::string stellenform(const Dezimalzahl& d) {
    std::string s;
    for (int stelle = std::max(d.exponent, 0); stelle >= 0; --stelle)
        s += static_cast<char>('0' + d.ziffer(stelle));
    const int letzte = d.exponent - static_cast<int>(d.ziffern.size()) + 1;
    if (letzte < 0) {
        s += ',';
        for (int stelle = -1; stelle >= letzte; --stelle)
            s += static_cast<char>('0' + d.ziffer(stelle));
    }
    return s;
}

} // namespace

Dezimalzahl KuerzesteDezimalzahl(float x) {
    const Dezimalzahl exakt = exaktDezimal(x);
    if (exakt.istNull()) return exakt;
    for (std::size_t n = 1; n < exakt.ziffern.size(); ++n) {
        const Dezimalzahl unten = abgeschnitten(exakt, n);
        const Dezimalzahl oben = eineEinheitMehr(exakt, n);
        const bool untenPasst = gelesen(unten) == x;
        const bool obenPasst = gelesen(oben) == x;
        if (!untenPasst && !obenPasst) continue;
        if (untenPasst != obenPasst) return untenPasst ? unten : oben;
        // Both read back: the nearer one, which the first dropped digit tells (a 5 with nothing
        // after it is a tie, which goes to the even digit).
        const char erste = exakt.ziffern[n];
        const bool mehr = exakt.ziffern.size() > n + 1;
        if (erste > '5' || (erste == '5' && mehr)) return oben;
        if (erste < '5') return unten;
        return (exakt.ziffern[n - 1] - '0') % 2 == 0 ? unten : oben;
    }
    return exakt;
}

std::string RechenZahl(float x, bool alleStellen) {
    if (std::isnan(x)) return "NAN";
    if (std::isinf(x)) return mitMinus(x < 0, "INF");
    if (!alleStellen) {
        std::string s = ZahlZuText(x);
        s.erase(0, s.find_first_not_of(' '));
        const bool negativ = s[0] == '-';
        if (negativ) s.erase(0, 1);
        s[s.find('.')] = ',';
        return mitMinus(negativ, s);
    }
    const Dezimalzahl d = KuerzesteDezimalzahl(x);
    if (d.istNull()) return "0";
    const bool lang = d.exponent >= 10 || d.exponent < -5;
    return mitMinus(d.negativ, lang ? exponentform(d) : stellenform(d));
}

} // namespace nervalo
