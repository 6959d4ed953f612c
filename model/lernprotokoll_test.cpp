#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "fehler.h"
#include "gleitkomma.h"
#include "netz.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;
using test::neuesNeuron;

namespace {

// N0 (input, output 1) -> N1 (hidden) -> N2 (output, target 1), both weights 0, sigmoid.
TNetz kette() {
    TNetz netz;
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = 1.0f;
    neuesNeuron(netz, 0, 0, Schichttyp::Hiddenschicht);
    neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht).Sollwert = 1.0f;
    netz.Verbinde(0, 1);
    netz.Verbinde(1, 2);
    return netz;
}

// The exact product a * b rounded to the nearest float, ties to even, by integer arithmetic: the
// oracle for the rounded weight change (normal results only).
float exaktGerundet(float a, double b) {
    int ea = 0, eb = 0;
    const auto ma = static_cast<std::int64_t>(std::ldexp(std::frexp(a, &ea), 24));
    const auto mb = static_cast<std::int64_t>(std::ldexp(std::frexp(b, &eb), 53));
    const bool negativ = (ma < 0) != (mb < 0);
    unsigned __int128 m = static_cast<unsigned __int128>(ma < 0 ? -ma : ma) *
                          static_cast<unsigned __int128>(mb < 0 ? -mb : mb);
    int e = ea + eb - 24 - 53;
    if (m == 0) return negativ ? -0.0f : 0.0f;
    int laenge = 0;
    for (unsigned __int128 t = m; t != 0; t >>= 1)
        ++laenge;
    const int weg = laenge - 24;
    unsigned __int128 q = m >> weg;
    const unsigned __int128 rest = m - (q << weg);
    const unsigned __int128 halb = static_cast<unsigned __int128>(1) << (weg - 1);
    if (rest > halb || (rest == halb && (q & 1))) ++q;
    e += weg;
    const float r = std::ldexp(static_cast<float>(static_cast<std::uint64_t>(q)), e);
    return negativ ? -r : r;
}

} // namespace

TEST(Lernprotokoll, HaeltDenSchrittFest) {
    TNetz netz = kette();
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
    const Lernprotokoll& p = netz.Protokoll;
    ASSERT_TRUE(p.vorhanden);
    EXPECT_TRUE(p.vorwaertsDavor);
    EXPECT_EQ(p.sigma, 1.0f);
    EXPECT_FALSE(p.DeltaBerechnet(0));
    EXPECT_TRUE(p.DeltaBerechnet(1));
    EXPECT_TRUE(p.DeltaBerechnet(2));
    // By hand: both outputs 0.5, both slopes 0.25; delta 2 = 0.25 * 0.5 = 0.125; the weight
    // 1 -> 2 moves by 0.5 * 0.125; delta 1 = 0.25 * (0.125 * 0.0625), and 0 -> 1 moves by that.
    EXPECT_EQ(p.ableitung[2], 0.25f);
    EXPECT_EQ(p.ableitung[1], 0.25f);
    EXPECT_EQ(p.deltasumme[1], 0.0078125f);
    const struct {
        int a, b;
        float aenderung;
    } faelle[] = {{1, 2, 0.0625f}, {0, 1, 0.001953125f}, {0, 2, 0.0f}, {2, 1, 0.0f}};
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.a) + " -> " + std::to_string(f.b));
        EXPECT_EQ(p.Gelernt(f.a, f.b), f.aenderung != 0.0f);
        EXPECT_EQ(netz.Gewichtsaenderung(f.a, f.b), f.aenderung);
        if (p.Gelernt(f.a, f.b)) {
            EXPECT_EQ(p.vorher[f.a][f.b], 0.0f);
            EXPECT_EQ(netz.Gewicht(f.a, f.b), f.aenderung);
        }
    }
}

TEST(Lernprotokoll, WasDenSchrittBeendetUndWasNicht) {
    const struct {
        const char* was;
        std::function<void(TNetz&)> tue;
        bool bleibt;
        bool vorwaertsDavor;
    } faelle[] = {
        {"Propagiere", [](TNetz& n) { n.Propagiere(); }, true, false},
        {"Fehler", [](TNetz& n) { n.Fehler(); }, true, true},
        {"Verbinde", [](TNetz& n) { n.Verbinde(2, 0); }, true, true},
        {"Ausgabe setzen", [](TNetz& n) { n.Neuron(0).SetzeOutput(0.5f); }, true, true},
        {"SetzeGewicht", [](TNetz& n) { n.SetzeGewicht(0, 1, 0.5f); }, false, true},
        {"Trenne", [](TNetz& n) { n.Trenne(0, 2); }, false, true},
        {"Zufallsgewichte", [](TNetz& n) { n.Zufallsgewichte(1.0f); }, false, true},
        {"LoescheLetztesNeuron", [](TNetz& n) { n.LoescheLetztesNeuron(); }, false, true},
        {"Leeren", [](TNetz& n) { n.Leeren(); }, false, true},
        {"Laden",
         [](TNetz& n) {
             std::stringstream datei;
             kette().SpeichernIn(datei);
             n.Leeren();
             n.Protokoll.vorhanden = true;
             n.LadenAus(datei);
         },
         false, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        TNetz netz = kette();
        netz.Propagiere();
        netz.Backpropagiere(1.0f);
        f.tue(netz);
        EXPECT_EQ(netz.Protokoll.vorhanden, f.bleibt);
        if (f.bleibt) {
            EXPECT_EQ(netz.Protokoll.vorwaertsDavor, f.vorwaertsDavor);
            EXPECT_EQ(netz.Gewichtsaenderung(1, 2), 0.0625f);
        } else if (netz.Anzahl() == 3) {
            EXPECT_EQ(netz.Gewichtsaenderung(1, 2), 0.0f);
        }
    }
}

TEST(Lernprotokoll, NichtInDerNetzdatei) {
    TNetz gelernt = kette();
    gelernt.Propagiere();
    gelernt.Backpropagiere(1.0f);
    std::stringstream mit;
    gelernt.SpeichernIn(mit);
    // The same weights without a recorded step give the same bytes.
    TNetz ohne = kette();
    ohne.SetzeGewicht(0, 1, gelernt.Gewicht(0, 1));
    ohne.SetzeGewicht(1, 2, gelernt.Gewicht(1, 2));
    ASSERT_FALSE(ohne.Protokoll.vorhanden);
    std::stringstream datei;
    ohne.SpeichernIn(datei);
    EXPECT_EQ(mit.str(), datei.str());
}

TEST(Lernprotokoll, FehlerMittenImSchrittHaeltNurDasGetane) {
    TNetz netz = kette();
    netz.Propagiere();
    // With a huge learning rate, 1 -> 2 still fits a float (0.5 * 0.125 * 3e38), but the step of
    // 0 -> 1 overflows: the record has both deltas and the change of 1 -> 2, not that of 0 -> 1.
    EXPECT_THROW(netz.Backpropagiere(3.0e38f), Fehler);
    const Lernprotokoll& p = netz.Protokoll;
    EXPECT_TRUE(p.DeltaBerechnet(2));
    EXPECT_TRUE(p.DeltaBerechnet(1));
    EXPECT_TRUE(p.Gelernt(1, 2));
    EXPECT_FALSE(p.Gelernt(0, 1));
    EXPECT_EQ(netz.Gewicht(0, 1), 0.0f);
    EXPECT_EQ(netz.Gewichtsaenderung(1, 2), netz.Gewicht(1, 2));
}

TEST(Lernprotokoll, AenderungIstEinmalGerundet) {
    // Random outputs and deltas times learning rates, and products built to land exactly halfway
    // between two floats in double while the exact value lies to one side.
    Zufall z;
    z.Setze(99);
    std::vector<std::pair<float, double>> faelle;
    for (int k = 0; k < 200000; ++k) {
        const float a = (z.Gleich() - 0.5f) * 4.0f;
        const double b = static_cast<double>(z.Gleich() - 0.5f) * (z.Gleich() * 3.0f);
        faelle.push_back({a, b});
    }
    int halbe = 0;
    for (int k = 1; k < 200000 && halbe < 500; ++k) {
        const float a = 1.0f + static_cast<float>(k) * 0x1p-23f;
        const double mitte = 1.0 + (2 * (k % 4096) + 1) * 0x1p-24;
        const double b = mitte / a;
        if (a * b != mitte) continue;
        faelle.push_back({a, b});
        ++halbe;
    }
    ASSERT_GT(halbe, 100);
    for (const auto& [a, b] : faelle) {
        if (a == 0.0f || b == 0.0) continue;
        ASSERT_EQ(gk::produktGerundet(a, b), exaktGerundet(a, b)) << a << " * " << b;
    }
}
