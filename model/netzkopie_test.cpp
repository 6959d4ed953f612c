#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "netz.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

// A small net with every field away from its default.
TNetz beispiel() {
    TNetz netz;
    for (int i = 0; i < 3; ++i)
        test::neuesNeuron(netz, 40 * i, 30 * i);
    netz.Verbinde(0, 2);
    netz.VerbindeBeide(1, 2);
    netz.SetzeGewicht(0, 2, 0.25f);
    netz.SetzeGewicht(1, 2, -0.5f);
    netz.Neuron(0).SetzeOutput(1.0f);
    netz.Propagiere();
    netz.Delta[2] = 0.125f;
    netz.Gesichert = true;
    return netz;
}

} // namespace

TEST(Netzkopie, KopieIstGleichUndUnabhaengig) {
    const TNetz original = beispiel();
    TNetz kopie = original;
    EXPECT_TRUE(GleichBitweise(original, kopie));
    const float summeVorher = original.Neuron(2).Inputsumme();

    // Changing the copy's neurons and matrices leaves the original as it was, including the
    // input sum the original's neuron remembers.
    kopie.SetzeGewicht(0, 2, 0.75f);
    kopie.Neuron(2).SetzeInput(0, 3.0f);
    kopie.Neuron(0).Bezeichnung = "anders";
    EXPECT_EQ(original.Gewicht(0, 2), 0.25f);
    EXPECT_EQ(original.Neuron(0).Bezeichnung, "N0");
    EXPECT_EQ(original.Neuron(2).Inputsumme(), summeVorher);
    EXPECT_FALSE(GleichBitweise(original, kopie));

    // Assignment replaces every neuron; the assigned net is again equal to the original.
    kopie = original;
    EXPECT_TRUE(GleichBitweise(original, kopie));
    EXPECT_EQ(kopie.Neuron(2).Inputsumme(), summeVorher);
}

// Each change of one field must be seen: a field forgotten in the copy or the comparison would
// let undo or a "net unchanged" check pass wrongly.
TEST(Netzkopie, JedesFeldZaehlt) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const std::vector<std::pair<const char*, std::function<void(TNetz&)>>> aenderungen = {
        {"Darstellung", [](TNetz& n) { n.Darstellung ^= 1; }},
        {"Verbindung", [](TNetz& n) { n.Verbindungsmatrix[2][0] = 1.0f; }},
        {"Gewicht", [](TNetz& n) { n.Gewichtsmatrix[1][2] = -0.25f; }},
        {"Gewicht -0", [](TNetz& n) { n.Gewichtsmatrix[0][1] = -0.0f; }},
        {"Delta", [](TNetz& n) { n.Delta[0] = 1e-30f; }},
        {"Gesichert", [](TNetz& n) { n.Gesichert = false; }},
        {"Netztyp", [](TNetz& n) { n.Netztyp = decltype(n.Netztyp){1}; }},
        {"Anzahl", [](TNetz& n) { n.LoescheLetztesNeuron(); }},
        {"Schichttyp",
         [](TNetz& n) { n.Neuron(1).Schichttyp = decltype(n.Neuron(1).Schichttyp){2}; }},
        {"Parameter", [](TNetz& n) { n.Neuron(1).Parameter = 2.0f; }},
        {"Theta", [](TNetz& n) { n.Neuron(1).Theta = 0.5f; }},
        {"Aktionsfunktion",
         [](TNetz& n) { n.Neuron(1).Aktionsfunktion = decltype(n.Neuron(1).Aktionsfunktion){3}; }},
        {"Outputfunktion",
         [](TNetz& n) { n.Neuron(1).Outputfunktion = decltype(n.Neuron(1).Outputfunktion){1}; }},
        {"Xi", [](TNetz& n) { n.Neuron(1).Xi = 0.25f; }},
        {"LetzterInput", [](TNetz& n) { n.Neuron(1).LetzterInput = 7; }},
        {"Input", [](TNetz& n) { n.Neuron(2).SetzeInput(60, 1.0f); }},
        {"Gewicht im Neuron", [](TNetz& n) { n.Neuron(2).SetzeGewicht(60, 1.0f); }},
        {"Output", [](TNetz& n) { n.Neuron(0).Output = -0.0f; }},
        {"Sollwert", [nan](TNetz& n) { n.Neuron(2).Sollwert = nan; }},
        {"Radius", [](TNetz& n) { n.Neuron(0).Radius = 23; }},
        {"Textabstand", [](TNetz& n) { n.Neuron(0).Textabstand = 8; }},
        {"Randabstand", [](TNetz& n) { n.Neuron(0).Randabstand = 25; }},
        {"X", [](TNetz& n) { n.Neuron(0).X = 1; }},
        {"Y", [](TNetz& n) { n.Neuron(0).Y = 1; }},
        {"Bezeichnung", [](TNetz& n) { n.Neuron(0).Bezeichnung = "N0 "; }},
        {"Anzeige", [](TNetz& n) { n.Neuron(0).Anzeige = 0; }},
        {"Lernschritt", [](TNetz& n) { n.Backpropagiere(1.0f); }},
        {"Eingabe vor dem Überschreiben", [](TNetz& n) { n.Protokoll.eingabeDavor[2][1] = 1.0f; }},
        {"Lernschritt vorhanden", [](TNetz& n) { n.Protokoll.vorhanden = true; }},
        {"Gewicht vor dem Lernschritt", [](TNetz& n) { n.Protokoll.vorher[1][2] = -0.0f; }},
        {"Ableitung im Lernschritt", [](TNetz& n) { n.Protokoll.ableitung[2] = 0.25f; }},
    };
    const TNetz original = beispiel();
    for (const auto& [name, aendere] : aenderungen) {
        TNetz kopie = original;
        aendere(kopie);
        EXPECT_FALSE(GleichBitweise(original, kopie)) << name;
        EXPECT_TRUE(GleichBitweise(TNetz(kopie), kopie)) << name;
    }
}
