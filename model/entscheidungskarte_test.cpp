// The decision map: every cell bit for bit against a forward pass of a fresh copy of the net, the
// shown net untouched, the task rows as points, the visible range and the colour scale.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "entscheidungskarte.h"
#include "spezialnetze.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;

namespace {

TNetz perzeptron(int ein, int versteckt, int aus, std::uint64_t saat) {
    TNetz netz;
    BauePerzeptron(netz, ein, versteckt, aus);
    zufall().Setze(saat);
    netz.Zufallsgewichte(2.0f);
    return netz;
}

// The output of neuron `ausgabe` when a fresh copy of the net gets (x, y) and propagates once.
float vorwaerts(const TNetz& netz, int ex, int ey, int ausgabe, float x, float y) {
    TNetz kopie = netz;
    kopie.Neuron(ex).SetzeOutput(x);
    kopie.Neuron(ey).SetzeOutput(y);
    kopie.Propagiere();
    return kopie.Neuron(ausgabe).Output;
}

void jedeZelleWieDasModell(const TNetz& netz, int ex, int ey, int ausgabe, const Kartenbereich& b,
                           int n) {
    const TNetz vorher = netz;
    const std::vector<float> karte = BerechneKarte(netz, ex, ey, ausgabe, b, n);
    ASSERT_EQ(karte.size(), static_cast<std::size_t>(n * n));
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) {
            // The cell centre, worked out here on its own.
            const float x = static_cast<float>(b.xVon + (b.xBis - b.xVon) * (2 * i + 1) / (2 * n));
            const float y = static_cast<float>(b.yVon + (b.yBis - b.yVon) * (2 * j + 1) / (2 * n));
            ASSERT_EQ(std::bit_cast<std::uint32_t>(karte[j * n + i]),
                      std::bit_cast<std::uint32_t>(vorwaerts(netz, ex, ey, ausgabe, x, y)))
                << "Zelle " << i << ", " << j;
        }
    EXPECT_TRUE(GleichBitweise(netz, vorher));
}

} // namespace

TEST(Entscheidungskarte, JedeZelleBitgenauWieDasModell) {
    // XOR's 2-4-1 at full size, a net with two outputs, and a tanh output over a zoomed range.
    const TNetz xor241 = perzeptron(2, 4, 1, 3);
    jedeZelleWieDasModell(xor241, 0, 1, 6, {}, Kartenraster);
    TNetz zweiAus = perzeptron(2, 5, 2, 8);
    jedeZelleWieDasModell(zweiAus, 0, 1, 8, {-3.0, 4.0, 10.0, 11.5}, 23);
    zweiAus.Neuron(7).Aktionsfunktion = Aktionsfunktion::tanh;
    jedeZelleWieDasModell(zweiAus, 0, 1, 7, Gezoomt({}, 0.3, 0.7, 0.01), 17);
}

// Passes that carry state from one to the next (a hidden neuron fed back by the output, a
// self-connection, a connection into an input neuron): each cell still gets one pass of the
// net as it stands.
TEST(Entscheidungskarte, RueckwirkungVonZelleZuZelle) {
    TNetz netz = perzeptron(2, 2, 1, 5);
    netz.Verbinde(4, 2);
    netz.SetzeGewicht(4, 2, 2.5f);
    netz.Verbinde(3, 3);
    netz.SetzeGewicht(3, 3, -1.5f);
    netz.Verbinde(2, 0);
    // The test has teeth: two cells in a row on one copy differ from fresh copies.
    TNetz fortlaufend = netz;
    for (float x : {1.0f, -1.0f}) {
        fortlaufend.Neuron(0).SetzeOutput(x);
        fortlaufend.Neuron(1).SetzeOutput(0.5f);
        fortlaufend.Propagiere();
    }
    ASSERT_NE(fortlaufend.Neuron(4).Output, vorwaerts(netz, 0, 1, 4, -1.0f, 0.5f));
    jedeZelleWieDasModell(netz, 0, 1, 4, {}, 12);
}

// A cell whose pass meets a floating-point fault is NaN; the others are computed.
TEST(Entscheidungskarte, FehlerInEinerZelle) {
    TNetz netz = perzeptron(2, 1, 1, 1);
    netz.SetzeGewicht(0, 2, 2e38f);
    netz.SetzeGewicht(1, 2, 2e38f);
    // The cells' inputs are ±1: the input sum overflows where both have the same sign and is 0
    // where they differ.
    const std::vector<float> karte = BerechneKarte(netz, 0, 1, 3, {-2.0, 2.0, -2.0, 2.0}, 2);
    EXPECT_TRUE(std::isnan(karte[0]));
    EXPECT_TRUE(std::isnan(karte[3]));
    EXPECT_FALSE(std::isnan(karte[1]));
    EXPECT_FALSE(std::isnan(karte[2]));
}

TEST(Entscheidungskarte, Kartenpunkte) {
    TNetz netz = perzeptron(2, 2, 2, 1); // N0, N1 in; N4, N5 out
    const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
    const Aufgabentabelle tabelle = {{0.0f, 1.0f, 0.25f, 0.75f},
                                     {std::nullopt, 1.0f, 1.0f, 1.0f}, // no x: left out
                                     {2.0f, 3.0f, std::nullopt, 0.5f},
                                     {4.0f, 5.0f}}; // a short row: no targets
    const auto punkte = Kartenpunkte(z, tabelle, 0, 1, 5);
    ASSERT_EQ(punkte.size(), 3u);
    EXPECT_EQ(punkte[0].x, 0.0f);
    EXPECT_EQ(punkte[0].y, 1.0f);
    EXPECT_EQ(punkte[0].ziel, 0.75f);
    EXPECT_EQ(punkte[1].ziel, 0.5f);
    EXPECT_EQ(punkte[2].x, 4.0f);
    EXPECT_FALSE(punkte[2].ziel);
    // The axes swapped, the first output; a hidden neuron has no target column.
    EXPECT_EQ(Kartenpunkte(z, tabelle, 1, 0, 4)[1].x, 3.0f);
    EXPECT_EQ(Kartenpunkte(z, tabelle, 1, 0, 4)[0].ziel, 0.25f);
    EXPECT_FALSE(Kartenpunkte(z, tabelle, 0, 1, 2)[0].ziel);
    // An input neuron the table gives nothing to: no points.
    EXPECT_TRUE(Kartenpunkte(z, tabelle, 0, 2, 4).empty());
}

TEST(Entscheidungskarte, Bereich) {
    const auto bei = [](std::vector<std::pair<float, float>> xy) {
        std::vector<Kartenpunkt> p;
        for (auto [x, y] : xy)
            p.push_back({x, y, std::nullopt});
        return BereichFuer(p);
    };
    EXPECT_EQ(bei({}), (Kartenbereich{-0.5, 1.5, -0.5, 1.5}));
    EXPECT_EQ(bei({{0, 0}, {0, 1}, {1, 0}, {1, 1}}), (Kartenbereich{-0.5, 1.5, -0.5, 1.5}));
    EXPECT_EQ(bei({{2, 3}}), (Kartenbereich{1.5, 2.5, 2.5, 3.5}));
    EXPECT_EQ(bei({{0, -1}, {10, 1}}), (Kartenbereich{-5, 15, -2, 2}));

    // Zooming keeps the point under the mouse in its place and refuses extreme ranges.
    const Kartenbereich b{0, 2, -1, 1};
    EXPECT_EQ(Gezoomt(b, 0.5, 0.0, 0.5), (Kartenbereich{0.25, 1.25, -0.5, 0.5}));
    EXPECT_EQ(Gezoomt(b, 0.5, 0.0, 2.0), (Kartenbereich{-0.5, 3.5, -2, 2}));
    EXPECT_EQ(Gezoomt(b, 0.5, 0.0, 1e-5), b);
    EXPECT_EQ(Gezoomt(b, 0.5, 0.0, 1e7), b);
}

TEST(Entscheidungskarte, Farben) {
    TNeuron n;
    const Kartenskala sig = SkalaFuer(n);
    n.Aktionsfunktion = Aktionsfunktion::tanh;
    const Kartenskala th = SkalaFuer(n);
    n.Outputfunktion = Outputfunktion::binaer;
    EXPECT_EQ(SkalaFuer(n).von, 0.0);

    const Farbe blau{33, 102, 172}, weiss{247, 247, 247}, rot{178, 24, 43};
    EXPECT_EQ(Kartenfarbe(-7.0, sig), blau);
    EXPECT_EQ(Kartenfarbe(0.5, sig), weiss);
    EXPECT_EQ(Kartenfarbe(1.0, sig), rot);
    EXPECT_EQ(Kartenfarbe(0.0, th), weiss);
    EXPECT_EQ(Kartenfarbe(-1.0, th), blau);
    EXPECT_EQ(Kartenfarbe(std::nan(""), sig), (Farbe{160, 160, 160}));
    // Halfway between the first two steps.
    EXPECT_EQ(Kartenfarbe(0.125, sig), (Farbe{90, 150, 197}));
}
