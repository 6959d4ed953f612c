// A task row on its way into the net (which column reaches which neuron, what stays when a
// column fails) and the training step: a hand-worked step and the XOR tasks learnt.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "fehler.h"
#include "lernschritt.h"
#include "spezialnetze.h"
#include "testhilfe.h"
#include "zahltext.h"
#include "zufall.h"

using namespace nervalo;

namespace {

const std::string KeinInput =
    "Neuron ist nicht aus der Inputschicht.\nSein Output kann nicht vorgegeben werden.";

// Neurons of the given kinds at no particular place, named N0, N1, ...
TNetz netzAus(const std::vector<Schichttyp>& arten) {
    TNetz netz;
    for (Schichttyp art : arten)
        test::neuesNeuron(netz, 0, 0, art);
    return netz;
}

// A row of the task table as the user typed it.
Aufgabenwert zeile(std::vector<std::string> texte) {
    return [texte](int s) { return TextZuZahl(texte.at(s)); };
}

struct Form {
    int input, hidden, output;
};

void PrintTo(const Form& f, std::ostream* aus) {
    *aus << f.input << "-" << f.hidden << "-" << f.output;
}

class ZuordnungTest : public testing::TestWithParam<Form> {};

// Data column s holds 10 + s. Inputs reach the first neurons, targets the neurons behind the
// hidden ones; no other neuron gets a value.
TEST_P(ZuordnungTest, ZeileErreichtIhreNeuronen) {
    const auto [ni, nh, no] = GetParam();
    std::vector<Schichttyp> arten(ni, Schichttyp::Inputschicht);
    arten.insert(arten.end(), nh, Schichttyp::Hiddenschicht);
    arten.insert(arten.end(), no, Schichttyp::Outputschicht);
    TNetz netz = netzAus(arten);
    const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
    ASSERT_EQ(z.Spaltenzahl(), ni + no);
    ASSERT_TRUE(z.Anlegen(netz, [](int s) { return 10.0f + s; }));
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        EXPECT_EQ(n.Output, i < ni ? 10.0f + i : 0.0f) << "N" << i;
        EXPECT_EQ(n.Sollwert, i >= ni + nh ? 10.0f + ni + (i - ni - nh) : 0.0f) << "N" << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Formen, ZuordnungTest,
                         testing::Values(Form{2, 4, 2}, Form{3, 1, 1}, Form{1, 0, 2},
                                         Form{2, 3, 0}));

// The counts come from the layer kinds, wherever the neurons stand; an unknown kind counts
// nowhere.
TEST(Lernzuordnung, ZaehltNachSchichttyp) {
    const TNetz netz =
        netzAus({Schichttyp::Outputschicht, Schichttyp::Inputschicht, Schichttyp::Hiddenschicht,
                 Schichttyp{7}, Schichttyp::Inputschicht, Schichttyp::Hiddenschicht});
    const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
    EXPECT_EQ(std::vector({z.AnzahlInput, z.AnzahlHidden, z.AnzahlOutput}), std::vector({2, 2, 1}));
}

struct Stoerung {
    const char* name;
    std::vector<Schichttyp> arten;
    Lernzuordnung zuordnung;
    std::vector<std::string> texte;
    std::string fehler; // thrown text, or empty
    std::vector<test::Meldung> meldungen;
    std::vector<float> ausgaben;  // Output of every neuron afterwards
    std::vector<float> sollwerte; // Sollwert of every neuron afterwards
};

void PrintTo(const Stoerung& s, std::ostream* aus) {
    *aus << s.name;
}

class StoerungTest : public testing::TestWithParam<Stoerung> {};

// What a faulty row or a net that no longer fits the table leaves behind: the values before
// the fault stay, nothing after it is read.
TEST_P(StoerungTest, WerteVorDemFehlerBleiben) {
    const Stoerung& f = GetParam();
    test::Rekorder rekorder;
    TNetz netz = netzAus(f.arten);
    bool angenommen = true;
    try {
        angenommen = f.zuordnung.Anlegen(netz, zeile(f.texte));
        EXPECT_EQ(f.fehler, "");
    } catch (const Fehler& e) {
        EXPECT_EQ(e.what(), f.fehler);
    }
    EXPECT_EQ(angenommen, f.meldungen.empty());
    EXPECT_EQ(rekorder.liste, f.meldungen);
    std::vector<float> ausgaben, sollwerte;
    for (int i = 0; i < netz.Anzahl(); ++i) {
        ausgaben.push_back(netz.Neuron(i).Output);
        sollwerte.push_back(netz.Neuron(i).Sollwert);
    }
    EXPECT_EQ(ausgaben, f.ausgaben);
    EXPECT_EQ(sollwerte, f.sollwerte);
}

const std::vector<Schichttyp> IHO = {Schichttyp::Inputschicht, Schichttyp::Inputschicht,
                                     Schichttyp::Hiddenschicht, Schichttyp::Outputschicht};

const std::string KeineZahl = "' ist kein gültiger Gleitkommawert";
const std::string Geschrumpft = "Das Netz passt nicht mehr zur Lernaufgabe: Die Tabelle braucht ";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faelle, StoerungTest, testing::Values(
    // name, neurons, mapping, row, thrown text, messages, outputs and targets afterwards
    Stoerung{"KeineZahl", IHO, {2, 1, 1}, {"0,5", "x", "1"}, "'x" + KeineZahl, {},
             {0.5f, 0, 0, 0}, {0, 0, 0, 0}},
    Stoerung{"LeeresZiel", IHO, {2, 1, 1}, {"1", "2", ""}, "'" + KeineZahl, {},
             {1, 2, 0, 0}, {0, 0, 0, 0}},
    // The step goes on after a refused input: the other columns still reach their neurons.
    Stoerung{"ErstesNeuronVersteckt",
             {Schichttyp::Hiddenschicht, Schichttyp::Inputschicht, Schichttyp::Hiddenschicht,
              Schichttyp::Outputschicht},
             {2, 1, 1}, {"1", "2", "3"}, "", {{'F', KeinInput}}, {0, 2, 0, 0}, {0, 0, 0, 3}},
    Stoerung{"NetzGeschrumpft",
             {Schichttyp::Inputschicht, Schichttyp::Inputschicht, Schichttyp::Hiddenschicht},
             {2, 1, 1}, {"1", "2", "3"}, Geschrumpft + "4 Neuronen, das Netz hat nur noch 3.", {},
             {1, 2, 0}, {0, 0, 0}},
    Stoerung{"OhneOutputs", {Schichttyp::Inputschicht}, {2, 1, 0}, {"1", "2"},
             Geschrumpft + "2 Neuronen, das Netz hat nur noch 1.", {}, {1}, {0}}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// N0 (input) -> N1 (output) with weight 0, input 1, target 1: output sigmoid(0) = 0.5, error
// 0.5 · 0.5² = 0.125, delta 0.5 · (1 − 0.5) · 0.5 = 0.125, so the weight becomes 0.125 · sigma.
TEST(Lernschritt, VonHandGerechnet) {
    for (float sigma : {1.0f, 0.0f, 0.5f, -2.0f}) {
        TNetz netz = netzAus({Schichttyp::Inputschicht, Schichttyp::Outputschicht});
        netz.Verbinde(0, 1);
        const Lernergebnis e =
            Lernschritt(netz, Lernzuordnung::AusNetz(netz), zeile({"1", "1"}), sigma);
        EXPECT_EQ(e.fehler, 0.125f);
        EXPECT_TRUE(e.eingabenAngenommen);
        EXPECT_EQ(netz.Neuron(1).Output, 0.5f);
        EXPECT_EQ(netz.Gewicht(0, 1), 0.125f * sigma) << sigma;
    }
}

// A 2-4-1 perceptron learns XOR: afterwards a plain forward pass of each task's inputs gives an
// output on the right side of 0.5, within 0.1 of the target.
TEST(Lernschritt, LerntXor) {
    TNetz netz;
    BauePerzeptron(netz, 2, 4, 1);
    zufall().Setze(7);
    netz.Zufallsgewichte(1.0f);
    const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
    const float aufgaben[4][3] = {{0, 0, 0}, {0, 1, 1}, {1, 0, 1}, {1, 1, 0}};
    for (int s = 0; s < 20000; ++s) {
        const float* a = aufgaben[s % 4];
        Lernschritt(
            netz, z, [a](int spalte) { return a[spalte]; }, 1.0f);
    }
    for (const auto& a : aufgaben) {
        netz.Neuron(0).SetzeOutput(a[0]);
        netz.Neuron(1).SetzeOutput(a[1]);
        netz.Propagiere();
        EXPECT_NEAR(netz.Neuron(6).Output, a[2], 0.1) << a[0] << " " << a[1];
    }
}

} // namespace
