// The analysis of a Hopfield state: the energy along a recall, distances and overlaps, which state
// a recall settled in, the fixed-point check beyond the capacity, the course of a recall, and the
// texts of the numbers.
#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <string>
#include <vector>

#include "fehler.h"
#include "hopfieldanalyse.h"
#include "rekonstruktionsverlauf.h"
#include "spezialnetze.h"
#include "zahltext.h"

using namespace nervalo;

namespace {

Muster zufallsmuster(std::mt19937& zufall, int n) {
    Muster m(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i)
        m[i] = zufall() % 2 == 1;
    return m;
}

int x(const Muster& m, int i) {
    return m[static_cast<std::size_t>(i)] ? 1 : -1;
}

// A grid net of the given size with the patterns stored by the Hebb rule.
TNetz gitterMit(int spalten, int zeilen, const std::vector<Muster>& muster) {
    TNetz netz;
    BaueHopfieldGitter(netz, spalten, zeilen);
    const Hopfieldspeicher speicher(spalten, zeilen);
    for (const Muster& m : muster)
        speicher.Merken(netz, m);
    return netz;
}

// The energy of the Hebb weights written through the patterns instead of the weights:
// Σᵢ Σⱼ wᵢⱼ sᵢ sⱼ = Σ_μ (Σᵢ pᵢ sᵢ)², so E = −½ Σ_μ (p · s)² + Σᵢ θᵢ sᵢ; integers throughout.
long double energieUeberMuster(const std::vector<Muster>& muster, const std::vector<int>& theta,
                               const Muster& s) {
    long long quadrate = 0, schwellen = 0;
    for (const Muster& p : muster) {
        long long skalar = 0;
        for (std::size_t i = 0; i < s.size(); ++i)
            skalar += x(p, static_cast<int>(i)) * x(s, static_cast<int>(i));
        quadrate += skalar * skalar;
    }
    for (std::size_t i = 0; i < s.size(); ++i)
        schwellen += theta[i] * x(s, static_cast<int>(i));
    return -0.5L * quadrate + schwellen;
}

// One pass from the pattern, worked out on the integers: neuron i in list order takes +1 when
// Σⱼ Σ_μ pᵢ pⱼ sⱼ ≥ 0 with the values already updated.
Muster passNachHebb(const std::vector<Muster>& muster, Muster s) {
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < n; ++i) {
        long long summe = 0;
        for (const Muster& p : muster)
            for (int j = 0; j < n; ++j)
                summe += x(p, i) * x(p, j) * x(s, j);
        s[static_cast<std::size_t>(i)] = summe >= 0;
    }
    return s;
}

Muster ausText(const std::string& text) {
    Muster m;
    for (char c : text)
        m.push_back(c == 'X');
    return m;
}

} // namespace

// Along every recall the energy never rises from one neuron's update to the next, and at every
// step it is the energy worked out from the stored patterns: for many seeds, sizes, pattern
// counts (within and far beyond the capacity), thresholds and disturbed or random starts.
TEST(Hopfieldanalyse, EnergieFaelltBeiJedemNeuron) {
    struct Groesse {
        int spalten, zeilen;
    };
    int schritte = 0, gefallen = 0;
    for (const Groesse g : {Groesse{1, 1}, Groesse{2, 3}, Groesse{5, 5}, Groesse{7, 7},
                            Groesse{6, 10}, Groesse{1, 9}}) {
        const int n = g.spalten * g.zeilen;
        for (unsigned seed = 1; seed <= 40; ++seed) {
            std::mt19937 zufall(seed * 7919u + static_cast<unsigned>(n));
            const int anzahl = 1 + static_cast<int>(zufall() % static_cast<unsigned>(n / 3 + 3));
            std::vector<Muster> muster;
            for (int k = 0; k < anzahl; ++k)
                muster.push_back(zufallsmuster(zufall, n));
            TNetz netz = gitterMit(g.spalten, g.zeilen, muster);
            // Every other seed with whole-number thresholds, so that the sums stay exact.
            std::vector<int> theta(static_cast<std::size_t>(n), 0);
            if (seed % 2 == 0)
                for (int i = 0; i < n; ++i) {
                    theta[i] = static_cast<int>(zufall() % 7) - 3;
                    netz.Neuron(i).Theta = static_cast<float>(theta[i]);
                }
            // A stored pattern with a fifth of its cells flipped, or any pattern at all.
            Muster start = muster[zufall() % muster.size()];
            if (seed % 3 == 0)
                start = zufallsmuster(zufall, n);
            else
                for (int k = 0; k < n / 5 + 1; ++k)
                    start[zufall() % n].flip();

            const Hopfieldspeicher speicher(g.spalten, g.zeilen);
            speicher.Holen(netz, start);
            long double e = Energie(netz, start);
            ASSERT_EQ(e, energieUeberMuster(muster, theta, start)) << n << " " << seed;
            for (int pass = 0; pass < 50; ++pass) {
                const Muster vorher = speicher.Lesen(netz);
                for (int i = 0; i < n; ++i) {
                    netz.PropagiereNeuron(i);
                    const Muster s = speicher.Lesen(netz);
                    const long double neu = Energie(netz, s);
                    ASSERT_EQ(neu, energieUeberMuster(muster, theta, s))
                        << n << " " << seed << " Neuron " << i;
                    ASSERT_LE(neu, e) << n << " " << seed << " Neuron " << i;
                    gefallen += neu < e;
                    e = neu;
                    ++schritte;
                }
                if (speicher.Lesen(netz) == vorher) break;
            }
        }
    }
    // The cases did make the energy fall, so the comparisons above had something to see.
    EXPECT_GT(gefallen, 300) << schritte;
    EXPECT_GT(schritte, 10000);
}

// Distances and overlaps of a state with hand-made patterns of six cells, and with their
// inverses: m = (N − 2d) / N.
TEST(Hopfieldanalyse, AbstandUndUeberlapp) {
    struct Fall {
        const char* muster;
        int abstand;
        double ueberlapp;
    };
    const Muster zustand = ausText("XX.X..");
    const std::vector<Fall> faelle{{"XX.X..", 0, 1.0},       {"..X.XX", 6, -1.0},
                                   {"XX.XX.", 1, 4.0 / 6.0}, {"XXXXXX", 3, 0.0},
                                   {"X.....", 2, 2.0 / 6.0}, {".XX.X.", 4, -2.0 / 6.0}};
    for (const Fall& f : faelle) {
        const Muster p = ausText(f.muster);
        EXPECT_EQ(Hammingabstand(zustand, p), f.abstand) << f.muster;
        EXPECT_DOUBLE_EQ(Ueberlapp(zustand, p), f.ueberlapp) << f.muster;
        EXPECT_EQ(Hammingabstand(zustand, Invers(p)), 6 - f.abstand) << f.muster;
    }
    EXPECT_THROW(Analysiere(gitterMit(2, 3, {}), zustand, {ausText("XX")}), Fehler);
}

// What a recall settles in: the stored pattern from a disturbed start, the inverse from the
// inverse, and from the mixture of three patterns a state that is neither yet stable. The
// patterns are the columns of all eight sign triples (three times over), so each agrees with
// their majority in three quarters of the cells and the majority is a fixed point of the net.
TEST(Hopfieldanalyse, StabilerZustandUndEinordnung) {
    std::vector<Muster> muster(3, Muster(24));
    Muster mischung(24);
    for (int i = 0; i < 24; ++i) {
        const int tripel = i % 8;
        int summe = 0;
        for (int k = 0; k < 3; ++k) {
            muster[k][i] = (tripel >> k) & 1;
            summe += x(muster[k], i);
        }
        mischung[i] = summe > 0;
    }
    const TNetz netz = gitterMit(4, 6, muster);
    Muster gestoert = muster[1];
    gestoert[0].flip();
    gestoert[13].flip();

    struct Fall {
        const char* name;
        Muster start;
        Muster ende;
        Einordnung einordnung;
        int stabilNach;
    };
    const std::vector<Fall> faelle{
        {"gestört", gestoert, muster[1], {Zustandsart::Muster, 1}, 2},
        {"Muster", muster[2], muster[2], {Zustandsart::Muster, 2}, 1},
        {"invers", Invers(muster[0]), Invers(muster[0]), {Zustandsart::Inverses, 0}, 1},
        {"Mischung", mischung, mischung, {Zustandsart::Scheinzustand, -1}, 1},
    };
    const Hopfieldspeicher speicher(4, 6);
    for (const Fall& f : faelle) {
        TNetz kopie = netz;
        speicher.Holen(kopie, f.start);
        Rekonstruktionsverlauf verlauf;
        verlauf.Beginnen(f.start, Energie(kopie, f.start));
        Muster s;
        for (int pass = 0; pass < 10 && !verlauf.StabilNach(); ++pass) {
            kopie.Propagiere();
            s = speicher.Lesen(kopie);
            verlauf.Durchgang(s, Energie(kopie, s));
        }
        EXPECT_EQ(s, f.ende) << f.name;
        EXPECT_EQ(verlauf.StabilNach(), f.stabilNach) << f.name;
        const Einordnung e = Einordnen(s, muster);
        EXPECT_EQ(e.art, f.einordnung.art) << f.name;
        EXPECT_EQ(e.muster, f.einordnung.muster) << f.name;
    }
    EXPECT_EQ(IstFixpunkt(netz, mischung), std::optional<bool>(true));
    EXPECT_EQ(Einordnen(mischung, {}).art, Zustandsart::OhneVergleich);
    // A pattern stored together with its inverse: the state is the second one, not an inverse.
    const Einordnung beide = Einordnen(Invers(muster[0]), {muster[0], Invers(muster[0])});
    EXPECT_EQ(beide.art, Zustandsart::Muster);
    EXPECT_EQ(beide.muster, 1);
}

// Within the capacity every stored pattern is a fixed point; far beyond it some are not, and
// each verdict is that of a pass worked out on the integers. The check leaves the net as it
// was.
TEST(Hopfieldanalyse, FixpunktUeberDieKapazitaetHinaus) {
    std::mt19937 zufall(20240611u);
    std::vector<Muster> muster;
    int keineFixpunkte = 0;
    for (int anzahl = 1; anzahl <= 16; ++anzahl) {
        muster.push_back(zufallsmuster(zufall, 49));
        TNetz netz = gitterMit(7, 7, muster);
        netz.Gesichert = true;
        const Muster vorher = Hopfieldspeicher(7, 7).Lesen(netz);
        const Analyse a = Analysiere(netz, muster[0], muster);
        for (int k = 0; k < anzahl; ++k) {
            const bool soll = passNachHebb(muster, muster[k]) == muster[k];
            ASSERT_EQ(a.muster[k].fixpunkt, std::optional<bool>(soll)) << anzahl << " " << k;
            if (anzahl == 1) {
                ASSERT_TRUE(soll);
            }
            keineFixpunkte += !soll;
        }
        EXPECT_EQ(Hopfieldspeicher(7, 7).Lesen(netz), vorher);
        EXPECT_TRUE(netz.Gesichert);
    }
    EXPECT_GT(keineFixpunkte, 5);
    EXPECT_DOUBLE_EQ(GeschaetzteKapazitaet(50), 6.9);

    // A pass that meets an infinite weight fails: no verdict.
    TNetz kaputt = gitterMit(2, 2, {ausText("X.X.")});
    kaputt.SetzeGewicht(0, 1, std::numeric_limits<float>::infinity());
    EXPECT_EQ(IstFixpunkt(kaputt, ausText("X.X.")), std::nullopt);
}

// The course of a recall: since which pass the state stays, also when it changes again later.
TEST(Hopfieldanalyse, Verlauf) {
    struct Fall {
        std::vector<const char*> zustaende; // after pass 1, 2, ...
        std::vector<int> stabilNach;        // after each of them
    };
    for (const Fall& f : {Fall{{"X."}, {1}}, Fall{{".X", ".X", ".X"}, {0, 2, 2}},
                          Fall{{".X", ".X", "XX", "XX", "XX"}, {0, 2, 0, 4, 4}}}) {
        Rekonstruktionsverlauf v;
        v.Beginnen(ausText("X."), -1.0L);
        for (std::size_t k = 0; k < f.zustaende.size(); ++k) {
            const bool stabil = v.Durchgang(ausText(f.zustaende[k]), -2.0L - k);
            EXPECT_EQ(v.StabilNach(), f.stabilNach[k]) << k;
            EXPECT_EQ(stabil, f.stabilNach[k] != 0) << k;
        }
        EXPECT_EQ(v.Durchgaenge(), static_cast<int>(f.zustaende.size()));
        ASSERT_EQ(v.Energien().size(), f.zustaende.size() + 1);
        EXPECT_EQ(v.Energien().front(), -1.0L);
        EXPECT_EQ(v.Energien().back(), -1.0L - static_cast<long double>(f.zustaende.size()));
    }
}

// Energies with four significant digits and the decimal comma, rounded half away from zero on
// the exact binary value; overlaps with two decimals.
TEST(Hopfieldanalyse, Zahltexte) {
    struct Fall {
        long double wert;
        const char* text;
    };
    for (const Fall f :
         {Fall{-1225.0L, "-1225"}, Fall{-312.5L, "-312,5"}, Fall{-73.5L, "-73,50"},
          Fall{0.5L, "0,5000"}, Fall{0.0L, "0"}, Fall{-0.0L, "0"}, Fall{2.5625L, "2,563"},
          Fall{-2.5625L, "-2,563"}, Fall{1.03125L, "1,031"}, Fall{0.001234L, "0,001234"},
          Fall{0.0001234L, "1,234E-04"}, Fall{123449.0L, "123400"}, Fall{999950.0L, "1,000E+06"},
          Fall{-1234567.0L, "-1,235E+06"},
          // Just below a tie that the nearest double would reach.
          Fall{2.5625L - 0x1p-60L, "2,562"}}) {
        EXPECT_EQ(EnergieText(f.wert), f.text) << f.text;
    }
    EXPECT_EQ(EnergieText(std::numeric_limits<long double>::infinity()), "INF");
    EXPECT_EQ(EnergieText(-std::numeric_limits<long double>::infinity()), "-INF");
    const Dezimalzahl fein = exaktDezimal(1.0L + 0x1p-60L);
    EXPECT_EQ(fein.exponent, 0);
    EXPECT_EQ(fein.ziffern.substr(0, 22), "1000000000000000000867");

    struct Komma {
        double wert;
        const char* text;
    };
    for (const Komma k : {Komma{47.0 / 49.0, "0,96"}, Komma{-0.5, "-0,50"}, Komma{0.125, "0,13"},
                          Komma{-0.001, "0,00"}, Komma{1.0, "1,00"}}) {
        EXPECT_EQ(KommaText(k.wert, 2), k.text) << k.text;
    }
}
