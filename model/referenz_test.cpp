// Compares the net's arithmetic with a deliberately plain second implementation: every sum over
// every slot and every pair, no skipping, intermediate values in long double and rounded to float
// where a value is stored. Random nets of many shapes must give the same outputs, deltas, weights
// and errors bit for bit, and the same floating-point fault at the same point.
#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "fehler.h"
#include "gleitkomma.h"
#include "netz.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;

namespace referenz {

// A floating-point fault of the plain implementation, with the text the user would see.
struct Fault {
    std::string text;
};

[[noreturn]] void fault(const char* text) {
    throw Fault{text};
}

long double check(long double x) {
    if (std::isnan(x)) fault("Ungültige Gleitkommaoperation");
    if (std::isinf(x)) fault("Gleitkommaüberlauf");
    return x;
}

float stored(long double x) {
    const float f = static_cast<float>(check(x));
    if (std::isinf(f)) fault("Gleitkommaüberlauf");
    return f;
}

long double quotient(long double a, long double b) {
    if (b == 0.0L)
        fault(a == 0.0L ? "Ungültige Gleitkommaoperation" : "Gleitkommadivision durch Null");
    return check(a / b);
}

long double e(long double x) {
    return check(std::exp(x));
}

struct Neuron {
    std::uint8_t schicht, aktion, ausgabe;
    float parameter, theta, xi, output, sollwert;
    std::array<float, 61> inputs, gewichte;
};

struct Netz {
    std::vector<Neuron> neuronen;
    float verbindung[61][61];
    float gewicht[61][61];
    float delta[61];
};

float inputsumme(const Neuron& n) {
    float s = 0.0f;
    for (int i = 0; i <= 60; ++i)
        s = stored(check(static_cast<long double>(n.inputs[i]) * n.gewichte[i]) + s);
    return s;
}

float aktion(const Neuron& n, float x) {
    const float d = stored(static_cast<long double>(x) - n.theta);
    const float u = stored(static_cast<long double>(d) * n.parameter);
    switch (n.aktion) {
    case 0:
        return stored(quotient(1.0L, check(e(-static_cast<long double>(u)) + 1.0L)));
    case 1: {
        const long double plus = e(u);
        const long double minus = e(-static_cast<long double>(u));
        return stored(quotient(check(plus - minus), check(plus + minus)));
    }
    case 2:
        if (d <= quotient(-1.0L, n.parameter)) return -1.0f;
        if (d >= quotient(1.0L, n.parameter)) return 1.0f;
        return u;
    default:
        return d >= 0.0f ? 1.0f : -1.0f;
    }
}

float ableitung(const Neuron& n) {
    const float s = inputsumme(n);
    const float d = stored(static_cast<long double>(s) - n.theta);
    const float u = stored(static_cast<long double>(d) * n.parameter);
    switch (n.aktion) {
    case 0: {
        const long double em = e(-static_cast<long double>(u));
        const long double nenner = check(em + 1.0L);
        return stored(quotient(check(n.parameter * em), check(nenner * nenner)));
    }
    case 1: {
        const long double summe = check(e(u) + e(-static_cast<long double>(u)));
        return stored(quotient(4.0L * n.parameter, check(summe * summe)));
    }
    case 2: {
        const long double unten = quotient(-1.0L, n.parameter);
        const long double oben = quotient(1.0L, n.parameter);
        return unten < d && d < oben ? n.parameter : 0.0f;
    }
    default:
        return 0.0f;
    }
}

float ausgabe(const Neuron& n, float a) {
    if (n.ausgabe == 0) return a;
    if (std::isnan(n.xi)) fault("Ungültige Gleitkommaoperation");
    return a >= n.xi ? 1.0f : 0.0f;
}

void propagiere(Netz& netz) {
    const int anzahl = static_cast<int>(netz.neuronen.size());
    for (int i = 0; i < anzahl; ++i) {
        Neuron& n = netz.neuronen[i];
        if (n.schicht != 0) n.output = ausgabe(n, aktion(n, inputsumme(n)));
        for (int j = 0; j < anzahl; ++j)
            if (netz.verbindung[i][j] > 0.0f) {
                netz.neuronen[j].inputs[i] = n.output;
                if (netz.neuronen[j].schicht == 0) netz.neuronen[j].schicht = 1;
            }
    }
}

void berechneDelta(Netz& netz, int i) {
    const Neuron& n = netz.neuronen[i];
    if (n.schicht == 2) {
        const float abl = ableitung(n);
        const long double abweichung = check(static_cast<long double>(n.sollwert) - n.output);
        netz.delta[i] = stored(check(abl * abweichung));
        return;
    }
    float s = 0.0f;
    for (int j = i + 1; j < static_cast<int>(netz.neuronen.size()); ++j)
        s = stored(check(static_cast<long double>(netz.delta[j]) * netz.gewicht[i][j]) + s);
    const float abl = ableitung(n);
    netz.delta[i] = stored(check(static_cast<long double>(abl) * s));
}

void backpropagiere(Netz& netz, float sigma) {
    for (int j = static_cast<int>(netz.neuronen.size()) - 1; j >= 0; --j) {
        if (netz.neuronen[j].schicht == 0) continue;
        berechneDelta(netz, j);
        for (int i = j - 1; i >= 0; --i)
            if (netz.verbindung[i][j] > 0.0f) {
                const long double schritt = check(static_cast<long double>(netz.delta[j]) * sigma);
                const long double produkt = check(netz.neuronen[i].output * schritt);
                const float w = stored(check(produkt + netz.gewicht[i][j]));
                netz.gewicht[i][j] = w;
                netz.neuronen[j].gewichte[i] = w;
            }
    }
}

float fehler(const Netz& netz) {
    float e = 0.0f;
    for (const Neuron& n : netz.neuronen) {
        if (n.schicht != 2) continue;
        const long double d = check(static_cast<long double>(n.sollwert) - n.output);
        e = stored(check(check(d * d) * 0.5L) + e);
    }
    return e;
}

Netz kopie(const TNetz& t) {
    Netz r{};
    for (int i = 0; i < t.Anzahl(); ++i) {
        const TGrafikNeuron& n = t.Neuron(i);
        r.neuronen.push_back({static_cast<std::uint8_t>(n.Schichttyp),
                              static_cast<std::uint8_t>(n.Aktionsfunktion),
                              static_cast<std::uint8_t>(n.Outputfunktion), n.Parameter, n.Theta,
                              n.Xi, n.Output, n.Sollwert, n.Inputs, n.Gewichte});
    }
    for (int a = 0; a <= 60; ++a) {
        for (int b = 0; b <= 60; ++b) {
            r.verbindung[a][b] = t.Verbindungsmatrix[a][b];
            r.gewicht[a][b] = t.Gewichtsmatrix[a][b];
        }
        r.delta[a] = t.Delta[a];
    }
    return r;
}

} // namespace referenz

namespace {

std::uint32_t bits(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

std::string zeige(float f) {
    char text[64];
    std::snprintf(text, sizeof text, "%g (0x%08x)", static_cast<double>(f), bits(f));
    return text;
}

// Every value both implementations hold, compared bit for bit; the first difference is reported.
::testing::AssertionResult gleich(const TNetz& t, const referenz::Netz& r) {
    auto abweichung = [](const std::string& was, float ist, float soll) {
        return ::testing::AssertionFailure()
               << was << ": net " << zeige(ist) << ", reference " << zeige(soll);
    };
    for (int i = 0; i < t.Anzahl(); ++i) {
        const TGrafikNeuron& n = t.Neuron(i);
        const referenz::Neuron& m = r.neuronen[i];
        const std::string name = "neuron " + std::to_string(i);
        if (static_cast<std::uint8_t>(n.Schichttyp) != m.schicht)
            return ::testing::AssertionFailure() << name << " layer";
        if (bits(n.Output) != bits(m.output))
            return abweichung(name + " output", n.Output, m.output);
        for (int k = 0; k <= 60; ++k) {
            if (bits(n.Inputs[k]) != bits(m.inputs[k]))
                return abweichung(name + " input " + std::to_string(k), n.Inputs[k], m.inputs[k]);
            if (bits(n.Gewichte[k]) != bits(m.gewichte[k]))
                return abweichung(name + " weight slot " + std::to_string(k), n.Gewichte[k],
                                  m.gewichte[k]);
        }
    }
    for (int a = 0; a <= 60; ++a) {
        for (int b = 0; b <= 60; ++b)
            if (bits(t.Gewichtsmatrix[a][b]) != bits(r.gewicht[a][b]))
                return abweichung("weight " + std::to_string(a) + "->" + std::to_string(b),
                                  t.Gewichtsmatrix[a][b], r.gewicht[a][b]);
        if (bits(t.Delta[a]) != bits(r.delta[a]))
            return abweichung("delta " + std::to_string(a), t.Delta[a], r.delta[a]);
    }
    return ::testing::AssertionSuccess();
}

// Runs one operation on both sides. Either both finish, or both stop with the same fault text;
// the state afterwards must match either way. Returns the fault text, if any.
template <typename Netzschritt, typename Referenzschritt>
std::optional<std::string> beide(TNetz& t, referenz::Netz& r, Netzschritt netzschritt,
                                 Referenzschritt referenzschritt, const std::string& was) {
    std::optional<std::string> erwartet, erhalten;
    try {
        referenzschritt();
    } catch (const referenz::Fault& f) {
        erwartet = f.text;
    }
    try {
        netzschritt();
    } catch (const nervalo::Fehler& f) {
        erhalten = f.what();
    }
    EXPECT_EQ(erhalten, erwartet) << was;
    EXPECT_TRUE(gleich(t, r)) << was;
    return erwartet;
}

// A pool of values from which the "wild" nets draw: ordinary ones and ones that provoke faults
// (division by zero in the linear band, overflowing exponentials, sums and stored values) and
// signed or tiny zeros.
float wild(std::mt19937& g, std::uniform_real_distribution<float>& normal) {
    static constexpr float Pool[] = {0.0f,   -0.0f,   1e-30f, -1e-30f, 1e-20f, 4e3f,   -4e3f,
                                     1.2e4f, -1.2e4f, 1e30f,  -1e30f,  3e38f,  -3e38f, 1e-45f};
    if (g() % 3 != 0) return normal(g) * 2.0f;
    return Pool[g() % std::size(Pool)];
}

// A value as a damaged net file may hold it: mostly a wild one, now and then NaN or an infinity.
float ausDatei(std::mt19937& g, std::uniform_real_distribution<float>& normal) {
    static constexpr float Nichtendlich[] = {NAN, INFINITY, -INFINITY};
    if (g() % 40 != 0) return wild(g, normal);
    return Nichtendlich[g() % std::size(Nichtendlich)];
}

struct Fall {
    std::vector<int> schichten; // layer sizes; empty: a random net without layers
    int netze;                  // how many random nets of this kind
    bool wild;                  // draw parameters and values from the fault-provoking pool
    // Also NaN and infinities where a net file can bring them: the neurons' settings and
    // targets and the weight matrix (inputs given to the net are always finite).
    bool ausDatei = false;
};

// Builds a net: layered (inputs, hidden, outputs, neighbouring layers fully connected) or free
// (random kinds, one-way and two-way connections in both directions, self-connections, and
// weights left on some unconnected pairs).
void baue(TNetz& netz, const Fall& fall, std::mt19937& g) {
    std::uniform_real_distribution<float> eins(-1.0f, 1.0f);
    auto wert = [&] {
        return fall.ausDatei ? ausDatei(g, eins) : fall.wild ? wild(g, eins) : eins(g);
    };
    std::vector<int> schicht;
    if (fall.schichten.empty()) {
        const int anzahl = 2 + static_cast<int>(g() % 11);
        for (int i = 0; i < anzahl; ++i)
            schicht.push_back(static_cast<int>(g() % 3));
    } else {
        for (std::size_t s = 0; s < fall.schichten.size(); ++s)
            for (int k = 0; k < fall.schichten[s]; ++k)
                schicht.push_back(s == 0 ? 0 : s + 1 == fall.schichten.size() ? 2 : 1);
    }
    for (int art : schicht) {
        auto n = std::make_unique<TGrafikNeuron>();
        n->Schichttyp = static_cast<Schichttyp>(art);
        n->Aktionsfunktion = static_cast<Aktionsfunktion>(g() % 4);
        n->Outputfunktion = static_cast<Outputfunktion>(g() % 2);
        n->Theta = wert();
        n->Parameter = fall.wild ? wert() : 0.25f + (eins(g) + 1.0f);
        if (g() % 5 == 0) n->Parameter = -n->Parameter;
        n->Xi = fall.ausDatei ? ausDatei(g, eins) : eins(g);
        netz.Hinzufuegen(std::move(n));
    }
    const int anzahl = netz.Anzahl();
    if (fall.schichten.empty()) {
        for (int k = 0; k < anzahl * 2; ++k) {
            const int a = static_cast<int>(g() % anzahl), b = static_cast<int>(g() % anzahl);
            if (g() % 3 == 0)
                netz.VerbindeBeide(a, b);
            else if (a != b)
                netz.Verbinde(a, b);
        }
    } else {
        int anfang = 0;
        for (std::size_t s = 0; s + 1 < fall.schichten.size(); ++s) {
            const int naechste = anfang + fall.schichten[s];
            for (int a = anfang; a < naechste; ++a)
                for (int b = naechste; b < naechste + fall.schichten[s + 1]; ++b)
                    netz.Verbinde(a, b);
            anfang = naechste;
        }
    }
    zufall().Setze(g());
    netz.Zufallsgewichte(1.0f);
    for (int a = 0; a < anzahl; ++a)
        for (int b = 0; b < anzahl; ++b) {
            if (fall.wild && netz.IstVerbunden(a, b) && g() % 4 == 0)
                netz.SetzeGewicht(a, b, wild(g, eins));
            if (fall.schichten.empty() && !netz.IstVerbunden(a, b) && g() % 6 == 0)
                netz.SetzeGewicht(a, b, fall.ausDatei ? wert() : eins(g)); // as the Hopfield store
            // A weight read for an unconnected pair that was connected afterwards: it is in
            // the matrix only, not in the target neuron's slot.
            if (fall.ausDatei && netz.IstVerbunden(a, b) && g() % 8 == 0)
                netz.Gewichtsmatrix[a][b] = wert();
        }
}

const Fall Faelle[] = {
    {{2, 4, 1}, 40, false},  {{3, 5, 2}, 30, false}, {{30, 20, 10}, 6, false},
    {{}, 150, false},        {{2, 4, 1}, 60, true},  {{3, 5, 2}, 60, true},
    {{30, 20, 10}, 4, true}, {{}, 300, true},        {{2, 4, 1}, 150, true, true},
    {{}, 300, true, true},
};

} // namespace

TEST(Referenz, PropagationUndBackpropagationBitgleich) {
    test::Rekorder rekorder;
    std::uniform_real_distribution<float> eins(-1.0f, 1.0f);
    int fehlerfaelle = 0, schritte = 0;
    for (std::size_t f = 0; f < std::size(Faelle); ++f) {
        const Fall& fall = Faelle[f];
        for (int k = 0; k < fall.netze; ++k) {
            std::mt19937 g(static_cast<unsigned>(1000 * f + k));
            TNetz netz;
            baue(netz, fall, g);
            referenz::Netz ref = referenz::kopie(netz);
            const std::string name = "case " + std::to_string(f) + " net " + std::to_string(k);
            for (int schritt = 0; schritt < 4; ++schritt) {
                const std::string was = name + " step " + std::to_string(schritt);
                for (int i = 0; i < netz.Anzahl(); ++i) {
                    TGrafikNeuron& n = netz.Neuron(i);
                    if (n.Schichttyp == Schichttyp::Inputschicht) {
                        n.SetzeOutput(fall.wild ? wild(g, eins) : eins(g) + 1.0f);
                        ref.neuronen[i].output = n.Output;
                    }
                    n.Sollwert = fall.ausDatei ? ausDatei(g, eins)
                                 : fall.wild   ? wild(g, eins)
                                               : (eins(g) + 1.0f) * 0.5f;
                    ref.neuronen[i].sollwert = n.Sollwert;
                }
                static constexpr float Sigmen[] = {1.0f, 0.5f, 2.5f, -0.75f, 1e30f, 1e-40f};
                const float sigma = Sigmen[g() % (fall.wild ? std::size(Sigmen) : 4)];
                auto a = beide(
                    netz, ref, [&] { netz.Propagiere(); }, [&] { referenz::propagiere(ref); },
                    was + " Propagiere");
                auto b = beide(
                    netz, ref, [&] { netz.Backpropagiere(sigma); },
                    [&] { referenz::backpropagiere(ref, sigma); }, was + " Backpropagiere");
                float e = 0.0f, re = 0.0f;
                auto c = beide(
                    netz, ref, [&] { e = netz.Fehler(); }, [&] { re = referenz::fehler(ref); },
                    was + " Fehler");
                EXPECT_EQ(bits(e), bits(re)) << was << ": " << zeige(e) << " vs " << zeige(re);
                fehlerfaelle += a.has_value() + b.has_value() + c.has_value();
                ++schritte;
                if (::testing::Test::HasFailure()) return;
            }
        }
    }
    // The wild nets must really reach the faults, or the comparison of faults proves nothing.
    EXPECT_GT(fehlerfaelle, 100) << "of " << schritte << " steps";
    EXPECT_TRUE(rekorder.liste.empty());
}

// Sums that pass through a negative zero: products too small for a float round to -0, and the
// later zero products of the full sum turn it into +0 again. The output of a linear neuron shows
// the sign, and so do the delta and the weight change.
TEST(Referenz, NegativeNullInDenSummen) {
    TNetz netz;
    for (int i = 0; i < 5; ++i) {
        auto n = std::make_unique<TGrafikNeuron>();
        n->Schichttyp = i < 2    ? Schichttyp::Inputschicht
                        : i == 2 ? Schichttyp::Hiddenschicht
                                 : Schichttyp::Outputschicht;
        n->Aktionsfunktion = Aktionsfunktion::linear;
        netz.Hinzufuegen(std::move(n));
    }
    netz.Verbinde(0, 2);
    netz.Verbinde(1, 2);
    netz.Verbinde(2, 3);
    netz.Verbinde(2, 4);             // weight 0
    netz.SetzeGewicht(0, 2, 1e-30f); // times -1e-30: rounds to -0
    netz.SetzeGewicht(2, 3, 1e-30f);
    netz.Neuron(0).SetzeOutput(-1e-30f);
    netz.Neuron(1).SetzeOutput(1.0f);  // weight 0: adds +0
    netz.Neuron(3).Sollwert = -1e-30f; // delta -1e-30, times weight 1e-30: -0 in neuron 2's sum
    netz.Neuron(4).Sollwert = 0.5f;    // delta 0.5, times weight 0: +0 after it
    referenz::Netz ref = referenz::kopie(netz);
    referenz::propagiere(ref);
    netz.Propagiere();
    EXPECT_TRUE(gleich(netz, ref));
    EXPECT_EQ(bits(netz.Neuron(2).Output), bits(0.0f));
    referenz::backpropagiere(ref, 1.0f);
    netz.Backpropagiere(1.0f);
    EXPECT_TRUE(gleich(netz, ref));
}

// One step of a weighted sum, s + a * b stored as float, against the plain long double formula.
// Rounding the exact sum first to double and then to float may differ from rounding it first to
// long double: the products below are built so that the double value lies exactly halfway
// between two floats.
TEST(Referenz, SummenschrittWieInLongDouble) {
    auto formel = [](float s, float a, float b) {
        return static_cast<float>(static_cast<long double>(a) * b + s);
    };
    struct Fall {
        float s, a, b;
    } faelle[] = {
        // 4097 * 16773121 = 2^36 + 1: the product is 2^-24 + 2^-60, so the sum lies just above
        // the point halfway between 1 and the next float; double loses the 2^-60.
        {1.0f, 4097.0f * 0x1p-30f, 16773121.0f * 0x1p-30f},
        {-1.0f, -4097.0f * 0x1p-30f, 16773121.0f * 0x1p-30f},
        {0.75f, 4097.0f * 0x1p-31f, 16773121.0f * 0x1p-30f},
        {1.0f, 0x1p-12f, 0x1p-12f}, // exactly halfway: to even
        {3.0f, 0x1p-12f, 0x1p-11f},
        {1e-30f, 1e-20f, 1e-20f}, // tiny: below float's normal range
        {0.0f, 1e-30f, -1e-30f},  // rounds to -0
        {3e38f, 2e19f, 2e19f},    // overflows
        {2.0f, 0.5f, -4.0f},      // exact zero
        {-0.0f, 0.0f, 1.0f},      // zero plus zero keeps the sign rules
        {-0.0f, -0.0f, 1.0f},
    };
    for (const Fall& f : faelle) {
        std::optional<std::string> fehler;
        float ist = 0.0f;
        try {
            ist = gk::addiereProdukt(f.s, f.a, f.b);
        } catch (const nervalo::Fehler& e) {
            fehler = e.what();
        }
        const float soll = formel(f.s, f.a, f.b);
        if (std::isinf(soll)) {
            EXPECT_EQ(fehler, std::optional<std::string>(gk::Ueberlauf)) << f.s;
            continue;
        }
        EXPECT_FALSE(fehler) << f.s;
        EXPECT_EQ(bits(ist), bits(soll))
            << zeige(f.s) << " + " << zeige(f.a) << " * " << zeige(f.b);
    }
    EXPECT_EQ(gk::addiereProdukt(1.0f, 4097.0f * 0x1p-30f, 16773121.0f * 0x1p-30f),
              std::nextafter(1.0f, 2.0f));

    // Random steps: arbitrary bit patterns, and short mantissas whose sums often land exactly
    // halfway between two floats.
    std::mt19937 g(99);
    auto beliebig = [&] {
        for (;;) {
            const float f = std::bit_cast<float>(static_cast<std::uint32_t>(g()));
            if (std::isfinite(f)) return f;
        }
    };
    auto kurz = [&] {
        const float m = static_cast<float>(g() % 4096) * ((g() & 1) ? 1.0f : -1.0f);
        return std::ldexp(m, static_cast<int>(g() % 40) - 20);
    };
    for (int k = 0; k < 200000; ++k) {
        const bool breit = k % 2 == 0;
        const float s = breit ? beliebig() : kurz(), a = breit ? beliebig() : kurz(),
                    b = breit ? beliebig() : kurz();
        const float soll = formel(s, a, b);
        if (std::isinf(soll)) continue;
        ASSERT_EQ(bits(gk::addiereProdukt(s, a, b)), bits(soll))
            << zeige(s) << " + " << zeige(a) << " * " << zeige(b);
    }
}

// The sigmoid's value and slope are first computed in double and fall back to long double only
// where the double value cannot settle the float. Swept over many arguments and slopes, both
// must match the plain formulas bit for bit, faults included.
TEST(Referenz, SigmoidWieInLongDouble) {
    std::mt19937 g(7);
    std::uniform_real_distribution<float> breit(-90.0f, 90.0f), exponent(-40.0f, 6.5f);
    auto argument = [&](int art) {
        switch (art) {
        case 0:
            return breit(g);
        case 1: // small and large magnitudes of either sign
            return std::copysign(std::exp2(exponent(g)), breit(g));
        case 2: // around the border of the double way
            return std::nextafter(80.0f, 0.0f) + static_cast<float>(g() % 5) * 0x1p-17f -
                   (g() % 2 ? 0.0f : 160.0f);
        default: // any float of magnitude below 128
            for (;;) {
                const float f = std::bit_cast<float>(static_cast<std::uint32_t>(g()));
                if (std::fabs(f) < 128.0f) return f;
            }
        }
    };
    static constexpr float Parameter[] = {1.0f, 0.5f, 2.5f, -0.75f, 0.0f, 1e-40f, 3e38f, 1e-3f};
    int unentschieden = 0;
    for (float p : Parameter)
        for (int k = 0; k < 40000; ++k) {
            const float x = argument(k % 4);
            TNeuron n;
            n.Parameter = p;
            n.Theta = k % 8 == 0 ? breit(g) : 0.0f;
            n.SetzeInput(0, x);
            n.SetzeGewicht(0, 1.0f);
            // A hidden sigmoid neuron with the identical output.
            referenz::Neuron r{1, 0, 0, p, n.Theta, 0.5f, 0.0f, 0.0f, {}, {}};
            r.inputs[0] = x;
            r.gewichte[0] = 1.0f;
            for (int was = 0; was < 2; ++was) {
                std::optional<std::string> erwartet, erhalten;
                float soll = 0.0f, ist = 0.0f;
                try {
                    soll = was == 0 ? referenz::aktion(r, x) : referenz::ableitung(r);
                } catch (const referenz::Fault& f) {
                    erwartet = f.text;
                }
                try {
                    ist = was == 0 ? n.Aktion(x) : n.Ableitung(1);
                } catch (const nervalo::Fehler& f) {
                    erhalten = f.what();
                }
                ASSERT_EQ(erhalten, erwartet) << zeige(x) << " parameter " << zeige(p);
                ASSERT_EQ(bits(ist), bits(soll))
                    << (was == 0 ? "value at " : "slope at ") << zeige(x) << " parameter "
                    << zeige(p) << " theta " << zeige(n.Theta);
            }
            const float u = x * p;
            if (n.Theta == 0.0f && std::isfinite(u) && std::fabs(u) <= 80.0f &&
                !gk::eindeutigGerundet(1.0 / (std::exp(-static_cast<double>(u)) + 1.0)))
                ++unentschieden;
        }
    // The sample must reach values that only the long double way settles.
    EXPECT_GT(unentschieden, 0);
}

// A weight plus its learning step, first in double: against the plain formula, with products
// that nearly cancel the weight, tiny and huge values, and zero steps.
TEST(Referenz, GewichtsschrittWieInLongDouble) {
    std::mt19937 g(11);
    std::uniform_real_distribution<float> eins(-1.0f, 1.0f);
    static constexpr float Sigmen[] = {1.0f, 0.5f, 2.5f, -0.75f, 1e30f, 1e-40f, 0.0f};
    auto wert = [&] {
        switch (g() % 4) {
        case 0:
            return std::bit_cast<float>(static_cast<std::uint32_t>(g()) & 0xBF7FFFFFu); // < 2
        case 1:
            return std::ldexp(eins(g), static_cast<int>(g() % 200) - 100);
        default:
            return eins(g);
        }
    };
    for (int k = 0; k < 300000; ++k) {
        const float o = wert(), delta = wert(), sigma = Sigmen[g() % std::size(Sigmen)];
        const double schritt = static_cast<double>(delta) * sigma;
        // Every third weight nearly cancels the step.
        float w = wert();
        if (k % 3 == 0) w = -static_cast<float>(o * schritt) * (1.0f + eins(g) * 0x1p-20f);
        if (!std::isfinite(w)) continue;
        std::optional<std::string> erwartet, erhalten;
        float soll = 0.0f, ist = 0.0f;
        try {
            const long double s = referenz::check(static_cast<long double>(delta) * sigma);
            soll = referenz::stored(referenz::check(o * s) + w);
        } catch (const referenz::Fault& f) {
            erwartet = f.text;
        }
        try {
            ist = gk::addiereSchritt(w, o, schritt);
        } catch (const nervalo::Fehler& f) {
            erhalten = f.what();
        }
        ASSERT_EQ(erhalten, erwartet) << zeige(w) << " + " << zeige(o) << " * " << schritt;
        ASSERT_EQ(bits(ist), bits(soll)) << zeige(w) << " + " << zeige(o) << " * " << schritt;
    }
}
