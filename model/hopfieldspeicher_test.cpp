// The Hopfield memory: which cell belongs to which neuron, a pattern into the net and back,
// the Hebb rule, one recall pass, and grids that don't fit the net.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fehler.h"
#include "hopfieldspeicher.h"
#include "spezialnetze.h"

using namespace nervalo;

namespace {

// A pattern drawn as rows of text ('X' on), turned into neuron order through the memory's own
// cell mapping.
Muster muster(const Hopfieldspeicher& s, const std::vector<std::string>& bild) {
    Muster m(s.Spalten() * s.Zeilen());
    for (int r = 0; r < s.Zeilen(); ++r)
        for (int c = 0; c < s.Spalten(); ++c)
            m[s.Neuron(c, r)] = bild[r][c] == 'X';
    return m;
}

float x(const Muster& m, int i) {
    return m[i] ? 1.0f : -1.0f;
}

const std::vector<std::string> H{"X...X", "X...X", "XXXXX", "X...X", "X...X"};

} // namespace

// Cell (c, r) of a grid with v rows belongs to neuron v · c + r, the order in which the grid
// net is built: neuron N8 of a 7 x 7 grid stands in column 2, row 2.
TEST(Hopfieldspeicher, ZelleZuNeuron) {
    struct Fall {
        int spalten, zeilen, c, r, neuron;
    };
    for (const Fall f : {Fall{2, 3, 1, 0, 3}, Fall{3, 2, 1, 0, 2}, Fall{2, 3, 0, 2, 2},
                         Fall{7, 7, 1, 1, 8}, Fall{1, 5, 0, 4, 4}}) {
        EXPECT_EQ(Hopfieldspeicher(f.spalten, f.zeilen).Neuron(f.c, f.r), f.neuron)
            << f.spalten << "x" << f.zeilen << " (" << f.c << ", " << f.r << ")";
    }
    TNetz netz;
    BaueHopfieldGitter(netz, 7, 7);
    EXPECT_EQ(std::pair(netz.Neuron(8).X, netz.Neuron(8).Y), std::pair(140, 140));
}

// Into the net: outputs ±1, every neuron a hidden one, every input slot j holds x_j. Back: on
// within 0.1 of +1 (0.9 and 1.1 as floats lie just outside).
TEST(Hopfieldspeicher, HolenUndLesen) {
    TNetz netz;
    BaueHopfieldGitter(netz, 2, 3);
    const Hopfieldspeicher s(2, 3);
    const Muster m = muster(s, {".X", "..", "X."});
    s.Holen(netz, m);
    for (int i = 0; i < 6; ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        EXPECT_EQ(n.Output, x(m, i));
        EXPECT_EQ(n.Schichttyp, Schichttyp::Hiddenschicht);
        for (int j = 0; j < 6; ++j)
            EXPECT_EQ(n.Inputs[j], x(m, j)) << i << " " << j;
    }
    EXPECT_EQ(s.Lesen(netz), m);

    const float ausgaben[6] = {1.0f, 0.5f, 1.09f, 0.9f, 1.1f, -1.0f};
    for (int i = 0; i < 6; ++i)
        netz.Neuron(i).Output = ausgaben[i];
    EXPECT_EQ(s.Lesen(netz), Muster({true, false, true, false, false, false}));
}

// One stored pattern gives w(i, j) = x_i · x_j, so w(i, i) = 1, in the matrix and in the
// neurons' slots; the same pattern again doubles every weight. A disturbed pattern comes back
// in one pass, its inverse stays.
TEST(Hopfieldspeicher, MerkenUndErkennen) {
    TNetz netz;
    BaueHopfieldGitter(netz, 5, 5);
    const Hopfieldspeicher s(5, 5);
    const Muster m = muster(s, H);
    for (int mal = 1; mal <= 2; ++mal) {
        netz.Gesichert = true;
        s.Merken(netz, m);
        EXPECT_FALSE(netz.Gesichert);
        for (int i = 0; i < 25; ++i)
            for (int j = 0; j < 25; ++j) {
                ASSERT_EQ(netz.Gewicht(i, j), mal * x(m, i) * x(m, j)) << i << " " << j;
                ASSERT_EQ(netz.Neuron(j).Gewichte[i], mal * x(m, i) * x(m, j));
            }
    }
    Muster gestoert = m, umgekehrt = m;
    gestoert[s.Neuron(0, 0)] = false;
    gestoert[s.Neuron(2, 1)] = true;
    umgekehrt.flip();
    for (const auto& [start, ziel] : {std::pair(gestoert, m), std::pair(umgekehrt, umgekehrt)}) {
        s.Holen(netz, start);
        netz.Propagiere();
        EXPECT_EQ(s.Lesen(netz), ziel);
    }
}

// A grid or a pattern that doesn't fit the net is refused before anything changes; two sizes
// whose 32-bit product wraps around to the neuron count don't fit either.
TEST(Hopfieldspeicher, UnpassendesGitter) {
    TNetz netz;
    BaueHopfieldGitter(netz, 7, 7);
    netz.Gesichert = true;
    for (const auto& [spalten, zeilen] : {std::pair(5, 5), std::pair(5, 858993469)}) {
        const Hopfieldspeicher s(spalten, zeilen);
        EXPECT_FALSE(s.Passt(netz));
        try {
            s.Merken(netz, Muster(49, true));
            ADD_FAILURE() << "kein Fehler";
        } catch (const Fehler& e) {
            EXPECT_EQ(e.what(), std::string(GitterUnpassend));
        }
        EXPECT_THROW(s.Lesen(netz), Fehler);
    }
    EXPECT_THROW(Hopfieldspeicher(7, 7).Holen(netz, Muster(48, true)), Fehler);
    EXPECT_TRUE(netz.Gesichert);
    EXPECT_EQ(netz.Neuron(0).Schichttyp, Schichttyp::Hiddenschicht);
    EXPECT_EQ(netz.Neuron(0).Output, 0.0f);
}
