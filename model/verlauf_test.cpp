// The undo history: commands that add and remove neurons and change weights, deltas and the
// record of a learning step, taken back and done again bit for bit; the saved state, the bound
// of the history, loops as one step and commands inside them.
#include <gtest/gtest.h>

#include <any>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include "fehler.h"
#include "hopfieldspeicher.h"
#include "lernschritt.h"
#include "netzabdruck.h"
#include "spezialnetze.h"
#include "testhilfe.h"
#include "verlauf.h"
#include "zufall.h"

using namespace nervalo;

namespace {

// The input sum of every neuron as a neuron computes it that is given the same slots through
// its setters: a sum remembered from another state would differ.
void summenFrisch(const TNetz& netz) {
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        TNeuron frisch;
        for (int j = 0; j < Slots; ++j) {
            frisch.SetzeGewicht(j, n.Gewichte[j]);
            frisch.SetzeInput(j, n.Inputs[j]);
        }
        EXPECT_EQ(n.Inputsumme(netz.Anzahl()), frisch.Inputsumme(netz.Anzahl())) << "N" << i;
    }
}

// Asks every neuron for its input sum, so that it remembers the sum of this state.
void summenMerken(const TNetz& netz) {
    for (int i = 0; i < netz.Anzahl(); ++i)
        netz.Neuron(i).Inputsumme(netz.Anzahl());
}

// A trained 2-3-1 perceptron: weights, outputs, inputs, deltas and targets all in use.
TNetz perzeptron() {
    TNetz netz;
    BauePerzeptron(netz, 2, 3, 1);
    zufall().Setze(7);
    netz.Zufallsgewichte(1.0f);
    const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
    Lernschritt(
        netz, z, [](int s) { return s == 2 ? 1.0f : 0.5f; }, 1.0f);
    netz.Gesichert = true;
    return netz;
}

// A 3 x 3 Hopfield grid with one pattern stored.
TNetz gitter() {
    TNetz netz;
    BaueHopfieldGitter(netz, 3, 3);
    Hopfieldspeicher(3, 3).Merken(netz, {1, 0, 1, 0, 1, 0, 1, 0, 1});
    netz.Gesichert = true;
    return netz;
}

struct Fall {
    const char* name;
    TNetz (*netz)();
    std::function<void(TNetz&)> ausfuehren;
};

const std::vector<Fall>& befehle() {
    static const std::vector<Fall> liste{
        {"Neuron einfügen", perzeptron, [](TNetz& n) { test::neuesNeuron(n, 500, 70); }},
        {"Letztes Neuron löschen", perzeptron, [](TNetz& n) { n.LoescheLetztesNeuron(); }},
        {"Training", perzeptron,
         [](TNetz& n) {
             const Lernzuordnung z = Lernzuordnung::AusNetz(n);
             for (int i = 0; i < 200; ++i)
                 Lernschritt(
                     n, z, [i](int s) { return ((i + s) % 2) * 1.0f; }, 1.0f);
         }},
        {"Muster rekonstruieren", gitter,
         [](TNetz& n) {
             // Near the inverse of the stored pattern, which the recall reaches.
             Hopfieldspeicher(3, 3).Holen(n, {0, 1, 0, 1, 0, 1, 0, 0, 0});
             for (int i = 0; i < 3; ++i)
                 n.Propagiere();
         }},
    };
    return liste;
}

void PrintTo(const Fall& f, std::ostream* aus) {
    *aus << f.name;
}

class BefehlTest : public testing::TestWithParam<Fall> {};

// A step back gives the net before the command bit for bit, with fresh input sums, and the
// step forward the net after it; a neuron that stays in the net stays where it was.
TEST_P(BefehlTest, HinUndZurueck) {
    const Fall& b = GetParam();
    TNetz netz = b.netz();
    Verlauf v;
    v.Leeren(netz);
    const std::string vorher = test::abdruck(netz);
    const TNetz kopie = netz; // holds also the fields the print does not list
    {
        const Aufzeichnung a(v, netz, b.name);
        b.ausfuehren(netz);
    }
    const std::string nachher = test::abdruck(netz);
    const TGrafikNeuron* erstes = netz.Anzahl() > 0 ? &netz.Neuron(0) : nullptr;
    ASSERT_NE(nachher, vorher);
    EXPECT_EQ(v.RueckgaengigName(), b.name);

    summenMerken(netz);
    ASSERT_TRUE(v.Rueckgaengig(netz));
    EXPECT_EQ(test::abdruck(netz), vorher);
    EXPECT_TRUE(GleichBitweise(netz, kopie));
    summenFrisch(netz);
    if (erstes) {
        EXPECT_EQ(&netz.Neuron(0), erstes);
    }
    EXPECT_EQ(v.WiederholenName(), b.name);
    EXPECT_EQ(v.RueckgaengigName(), "");

    summenMerken(netz);
    ASSERT_TRUE(v.Wiederholen(netz));
    EXPECT_EQ(test::abdruck(netz), nachher);
    summenFrisch(netz);
    EXPECT_FALSE(v.Wiederholen(netz));
    EXPECT_EQ(test::abdruck(netz), nachher);
}

INSTANTIATE_TEST_SUITE_P(Verlauf, BefehlTest, testing::ValuesIn(befehle()),
                         [](const testing::TestParamInfo<Fall>& i) {
                             return "Befehl" + std::to_string(i.index);
                         });

} // namespace

namespace {

// A command that moves neuron 0 one pixel to the right.
void schieben(Verlauf& v, TNetz& netz, const char* name = "Neuron verschieben") {
    const Aufzeichnung a(v, netz, name);
    netz.Neuron(0).X += 1;
    netz.Gesichert = false;
}

// Saving writes the file; Gesichert follows the net.
void speichern(Verlauf& v, TNetz& netz) {
    netz.Gesichert = true;
    v.Gespeichert(netz);
}

} // namespace

// Gesichert after each step of a sequence: a net counts as saved where it equals the net last
// saved or opened, and an emptied net as long as nothing was saved since.
TEST(Verlauf, GesichertFolgtDemGespeichertenNetz) {
    struct Schritt {
        char was; // 's' command, 'S' save, 'z' back, 'v' forward, 'l' clear the net
        bool gesichert;
    };
    struct Ablauf {
        const char* name;
        std::vector<Schritt> schritte;
    };
    const Ablauf ablaeufe[] = {
        {"geöffnet, geändert, zurück und vor", {{'s', false}, {'z', true}, {'v', false}}},
        {"gespeichert zwischen zwei Befehlen",
         {{'s', false},
          {'S', true},
          {'s', false},
          {'z', true},
          {'z', false},
          {'v', true},
          {'v', false}}},
        {"unter dem Stand vor dem Speichern",
         {{'s', false}, {'s', false}, {'S', true}, {'z', false}, {'z', false}, {'v', false}}},
        {"geleertes Netz", {{'s', false}, {'l', true}, {'z', false}, {'v', true}}},
        {"geleertes Netz, dann gespeichert",
         {{'s', false}, {'l', true}, {'z', false}, {'S', true}, {'v', false}, {'z', true}}},
    };
    for (const Ablauf& a : ablaeufe) {
        SCOPED_TRACE(a.name);
        TNetz netz = perzeptron(); // opened: saved
        Verlauf v;
        v.Leeren(netz);
        for (const Schritt& s : a.schritte) {
            switch (s.was) {
            case 's':
                schieben(v, netz);
                break;
            case 'S':
                speichern(v, netz);
                break;
            case 'z':
                ASSERT_TRUE(v.Rueckgaengig(netz));
                break;
            case 'v':
                ASSERT_TRUE(v.Wiederholen(netz));
                break;
            case 'l': {
                const Aufzeichnung l(v, netz, "Netz löschen");
                netz.Leeren();
                break;
            }
            }
            EXPECT_EQ(netz.Gesichert, s.gesichert) << "nach '" << s.was << "'";
        }
    }
}

// A command that changed nothing but Gesichert leaves no step; one that failed half-way leaves
// the step back to where it began; a new command drops the steps forward.
TEST(Verlauf, WelcheBefehleSchritteHinterlassen) {
    TNetz netz = perzeptron();
    Verlauf v;
    v.Leeren(netz);
    {
        const Aufzeichnung a(v, netz, "Klick");
        netz.Gesichert = false;
    }
    EXPECT_EQ(v.AnzahlRueckgaengig(), 0);

    const std::string vorher = test::abdruck(netz);
    netz.Neuron(3).Parameter = 0.0f;
    netz.Neuron(3).Aktionsfunktion = Aktionsfunktion::linear;
    netz.Gesichert = true;
    const std::string mitNull = test::abdruck(netz);
    v.Leeren(netz);
    EXPECT_THROW(
        {
            const Aufzeichnung a(v, netz, "Netz propagieren");
            netz.Propagiere(); // N2 is computed, N3 divides by zero
        },
        Fehler);
    ASSERT_EQ(v.RueckgaengigName(), "Netz propagieren");
    ASSERT_TRUE(v.Rueckgaengig(netz));
    EXPECT_EQ(test::abdruck(netz), mitNull);
    EXPECT_NE(test::abdruck(netz), vorher);

    schieben(v, netz);
    EXPECT_EQ(v.AnzahlWiederholen(), 0);
    EXPECT_EQ(v.AnzahlRueckgaengig(), 1);

    // Compared bit for bit: a NaN from a damaged file equals itself, a zero's sign is a change.
    netz.SetzeGewicht(0, 2, std::numeric_limits<float>::quiet_NaN());
    v.Leeren(netz);
    { const Aufzeichnung a(v, netz, "nichts"); }
    EXPECT_EQ(v.AnzahlRueckgaengig(), 0);
    {
        const Aufzeichnung a(v, netz, "Vorzeichen");
        netz.SetzeGewicht(0, 1, -0.0f); // unconnected, +0 before
    }
    EXPECT_EQ(v.AnzahlRueckgaengig(), 1);
}

// The history keeps the last Tiefe steps: after more commands, going back stops at the net
// after the command Tiefe steps ago.
TEST(Verlauf, HaeltHundertSchritte) {
    ASSERT_GE(Verlauf::Tiefe, 100);
    TNetz netz = perzeptron();
    const int x0 = netz.Neuron(0).X;
    Verlauf v;
    v.Leeren(netz);
    const int befehle = Verlauf::Tiefe + 30;
    for (int i = 0; i < befehle; ++i)
        schieben(v, netz);
    int zurueck = 0;
    while (v.Rueckgaengig(netz))
        ++zurueck;
    EXPECT_EQ(zurueck, Verlauf::Tiefe);
    EXPECT_EQ(netz.Neuron(0).X, x0 + 30);
    int vor = 0;
    while (v.Wiederholen(netz))
        ++vor;
    EXPECT_EQ(vor, Verlauf::Tiefe);
    EXPECT_EQ(netz.Neuron(0).X, x0 + befehle);
}

// A loop is one step from start to end; a command during it is a step of its own between the
// loop's parts; a command inside a command belongs to it. While anything is open there is no
// step back or forward.
TEST(Verlauf, SchleifenUndVerschachtelteBefehle) {
    TNetz netz = perzeptron();
    Verlauf v;
    v.Leeren(netz);
    schieben(v, netz, "davor");
    const Verlauf::Nummer schleife = v.Beginnen(netz, "Training", Verlauf::Art::Schleife);
    netz.Neuron(1).X += 1;
    EXPECT_TRUE(v.Laeuft());
    EXPECT_FALSE(v.Rueckgaengig(netz));
    {
        const Aufzeichnung aussen(v, netz, "Spezielle Netze");
        netz.Neuron(2).X += 1;
        schieben(v, netz, "innen");
    }
    netz.Neuron(1).X += 1;
    const Verlauf::Nummer leer = v.Beginnen(netz, "ohne Änderung");
    v.Beenden(netz, leer);
    netz.Neuron(1).X += 1;
    v.Beenden(netz, schleife);
    EXPECT_FALSE(v.Laeuft());

    std::vector<std::string> namen;
    std::vector<int> x1;
    do {
        namen.push_back(v.RueckgaengigName());
        x1.push_back(netz.Neuron(1).X);
    } while (v.Rueckgaengig(netz));
    const int a = x1.back();
    EXPECT_EQ(namen,
              (std::vector<std::string>{"Training", "Spezielle Netze", "Training", "davor", ""}));
    EXPECT_EQ(x1, (std::vector<int>{a + 3, a + 1, a + 1, a, a}));
}

// What the program keeps beside the net goes back and forward with it.
TEST(Verlauf, BeiwerkGehtMit) {
    TNetz netz = gitter();
    std::vector<int> gemerkt{1};
    Verlauf v;
    v.BeiwerkNehmen = [&] { return std::any(gemerkt); };
    v.BeiwerkSetzen = [&](const std::any& b) { gemerkt = std::any_cast<std::vector<int>>(b); };
    v.Leeren(netz);
    for (int muster = 2; muster <= 3; ++muster) {
        const Aufzeichnung a(v, netz, "Muster einprägen");
        Hopfieldspeicher(3, 3).Merken(netz, Muster(9, muster == 2));
        gemerkt.push_back(muster);
    }
    ASSERT_TRUE(v.Rueckgaengig(netz));
    EXPECT_EQ(gemerkt, (std::vector<int>{1, 2}));
    ASSERT_TRUE(v.Rueckgaengig(netz));
    EXPECT_EQ(gemerkt, (std::vector<int>{1}));
    ASSERT_TRUE(v.Wiederholen(netz));
    ASSERT_TRUE(v.Wiederholen(netz));
    EXPECT_EQ(gemerkt, (std::vector<int>{1, 2, 3}));
}

// Opening a net while a loop runs: the loop's end finds nothing to record, and a new command
// gets the numbers after it.
TEST(Verlauf, LeerenWaehrendEinerSchleife) {
    TNetz netz = perzeptron();
    Verlauf v;
    v.Leeren(netz);
    const Verlauf::Nummer schleife =
        v.Beginnen(netz, "Muster rekonstruieren", Verlauf::Art::Schleife);
    netz.Neuron(1).X += 1;
    netz = gitter();
    v.Leeren(netz);
    EXPECT_FALSE(v.Laeuft());
    const Verlauf::Nummer befehl = v.Beginnen(netz, "Neuron verschieben");
    v.Beenden(netz, schleife);
    EXPECT_TRUE(v.Laeuft());
    netz.Neuron(0).X += 1;
    v.Beenden(netz, befehl);
    EXPECT_EQ(v.AnzahlRueckgaengig(), 1);
    EXPECT_EQ(v.RueckgaengigName(), "Neuron verschieben");
}
