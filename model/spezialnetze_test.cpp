#include <gtest/gtest.h>

#include <climits>
#include <stdexcept>
#include <string>

#include "fehler.h"
#include "spezialnetze.h"

using namespace nervalo;

namespace {

// The connection matrix holds soll(a, b) between neurons and 0 beyond them; every weight is 0.
template <class Soll> void pruefeMatrizen(const TNetz& netz, Soll soll) {
    for (int a = 0; a < Slots; ++a)
        for (int b = 0; b < Slots; ++b) {
            const bool innen = a < netz.Anzahl() && b < netz.Anzahl();
            ASSERT_EQ(netz.Verbindungsmatrix[a][b], innen ? soll(a, b) : 0.0f) << a << "->" << b;
            ASSERT_EQ(netz.Gewichtsmatrix[a][b], 0.0f);
            if (b < netz.Anzahl()) {
                ASSERT_EQ(netz.Neuron(b).Gewichte[a], 0.0f);
            }
        }
}

struct Schicht {
    int input, hidden, output;
};

class PerzeptronTest : public testing::TestWithParam<Schicht> {};

TEST_P(PerzeptronTest, SchichtenUndVerbindungen) {
    const auto [ni, nh, no] = GetParam();
    TNetz netz;
    BauePerzeptron(netz, ni, nh, no);
    ASSERT_EQ(netz.Anzahl(), ni + nh + no);
    EXPECT_EQ(netz.Netztyp, Netztyp::Perzeptron);
    EXPECT_EQ(netz.Darstellung, GewichteZeigen | PfeileZeigen);
    EXPECT_FALSE(netz.Gesichert);

    auto schicht = [&](int i) { return i < ni ? 0 : i < ni + nh ? 1 : 2; };
    const int erster[3] = {0, ni, ni + nh};
    const int x[3] = {80, 230, 380};
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        const int s = schicht(i);
        EXPECT_EQ(n.Schichttyp, Schichttyp{static_cast<std::uint8_t>(s)}) << i;
        EXPECT_EQ(n.Aktionsfunktion, Aktionsfunktion::sigmoid);
        EXPECT_EQ(std::pair(n.X, n.Y), std::pair(x[s], 70 * (i - erster[s] + 1))) << i;
        EXPECT_EQ(n.Bezeichnung, "N" + std::to_string(i));
    }
    // Exactly input -> hidden and hidden -> output, one way.
    pruefeMatrizen(netz, [&](int a, int b) { return schicht(b) == schicht(a) + 1 ? 1.0f : 0.0f; });
}

INSTANTIATE_TEST_SUITE_P(Groessen, PerzeptronTest,
                         testing::Values(Schicht{2, 4, 2}, Schicht{1, 1, 1}, Schicht{3, 1, 5},
                                         Schicht{30, 20, 10}, Schicht{1, 1, 58}));

// The preset sizes, spelled out: N0, N1 inputs, N2 to N5 hidden, N6, N7 outputs.
TEST(Perzeptron, Voreinstellung242) {
    TNetz netz;
    BauePerzeptron(netz, 2, 4, 2);
    ASSERT_EQ(netz.Anzahl(), 8);
    EXPECT_EQ(std::pair(netz.Neuron(1).X, netz.Neuron(1).Y), std::pair(80, 140));
    EXPECT_EQ(std::pair(netz.Neuron(5).X, netz.Neuron(5).Y), std::pair(230, 280));
    EXPECT_EQ(std::pair(netz.Neuron(6).X, netz.Neuron(6).Y), std::pair(380, 70));
    EXPECT_EQ(netz.Neuron(7).Schichttyp, Schichttyp::Outputschicht);
    int verbindungen = 0;
    for (const auto& zeile : netz.Verbindungsmatrix)
        for (float v : zeile)
            verbindungen += v > 0.0f;
    EXPECT_EQ(verbindungen, 16);
    EXPECT_TRUE(netz.IstVerbunden(1, 5));
    EXPECT_TRUE(netz.IstVerbunden(5, 6));
    EXPECT_FALSE(netz.IstVerbunden(0, 6));
}

struct Gitter {
    int spalten, zeilen;
};

class HopfieldTest : public testing::TestWithParam<Gitter> {};

TEST_P(HopfieldTest, SpaltenweiseUndVollVerbunden) {
    const auto [h, v] = GetParam();
    TNetz netz;
    BaueHopfieldGitter(netz, h, v);
    ASSERT_EQ(netz.Anzahl(), h * v);
    EXPECT_EQ(netz.Netztyp, Netztyp::Hopfield);
    EXPECT_EQ(netz.Darstellung, 0);
    EXPECT_FALSE(netz.Gesichert);
    for (int c = 1; c <= h; ++c)
        for (int r = 1; r <= v; ++r) {
            const int i = v * (c - 1) + (r - 1);
            const TGrafikNeuron& n = netz.Neuron(i);
            EXPECT_EQ(std::pair(n.X, n.Y), std::pair(70 * c, 70 * r)) << i;
            EXPECT_EQ(n.Bezeichnung, "N" + std::to_string(i));
            EXPECT_EQ(n.Schichttyp, Schichttyp::Hiddenschicht);
            EXPECT_EQ(n.Aktionsfunktion, Aktionsfunktion::sprung);
        }
    // Every ordered pair, the diagonal included, is part of a two-way connection.
    pruefeMatrizen(netz, [](int, int) { return 2.0f; });
}

// 7 x 7: N8 is column 2, row 2.
INSTANTIATE_TEST_SUITE_P(Groessen, HopfieldTest,
                         testing::Values(Gitter{7, 7}, Gitter{2, 30}, Gitter{30, 2}, Gitter{1, 1},
                                         Gitter{6, 10}));

// A refused size changes nothing, not even the flags.
struct Abgelehnt {
    const char* name;
    void (*bau)(TNetz&);
    bool zuGross; // the message about the total, or the one about a size below 1
};

class AblehnungTest : public testing::TestWithParam<Abgelehnt> {};

TEST_P(AblehnungTest, NetzBleibtUnveraendert) {
    TNetz netz;
    netz.Darstellung = PfeileZeigen;
    try {
        GetParam().bau(netz);
        FAIL() << "nicht abgelehnt";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.what() == std::string(ZuVieleNeuronen), GetParam().zuGross) << f.what();
    }
    EXPECT_EQ(netz.Anzahl(), 0);
    EXPECT_EQ(netz.Netztyp, Netztyp::KeinTyp);
    EXPECT_EQ(netz.Darstellung, PfeileZeigen);
    EXPECT_TRUE(netz.Gesichert);
    pruefeMatrizen(netz, [](int, int) { return 0.0f; });
}

INSTANTIATE_TEST_SUITE_P(
    Groessen, AblehnungTest,
    testing::Values(
        Abgelehnt{"Perzeptron61", [](TNetz& n) { BauePerzeptron(n, 30, 20, 11); }, true},
        Abgelehnt{"PerzeptronRiesig", [](TNetz& n) { BauePerzeptron(n, INT_MAX, INT_MAX, 1); },
                  true},
        Abgelehnt{"Hopfield64", [](TNetz& n) { BaueHopfieldGitter(n, 8, 8); }, true},
        Abgelehnt{"HopfieldRiesig", [](TNetz& n) { BaueHopfieldGitter(n, 65536, 65536); }, true},
        Abgelehnt{"OhneOutput", [](TNetz& n) { BauePerzeptron(n, 2, 4, 0); }, false},
        Abgelehnt{"NegativeSchicht", [](TNetz& n) { BauePerzeptron(n, 40, -5, 2); }, false},
        Abgelehnt{"NegativesGitter", [](TNetz& n) { BaueHopfieldGitter(n, -8, -8); }, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Spezialnetze, NurInEinLeeresNetz) {
    TNetz netz;
    BaueHopfieldGitter(netz, 2, 2);
    EXPECT_THROW(BauePerzeptron(netz, 2, 4, 2), std::logic_error);
    EXPECT_EQ(netz.Anzahl(), 4);
    EXPECT_EQ(netz.Netztyp, Netztyp::Hopfield);
}

} // namespace
