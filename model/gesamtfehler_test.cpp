// The total error over a task table against the model's own errors computed row by row in the
// test, and the cases where there is none.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fehler.h"
#include "gesamtfehler.h"
#include "spezialnetze.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;

namespace {

TNetz xorNetz() {
    TNetz netz;
    BauePerzeptron(netz, 2, 3, 2);
    zufall().Setze(11);
    netz.Zufallsgewichte(1.0f);
    return netz;
}

} // namespace

// N0 (input, 1) -> N1 (output) with weight 0 outputs 0.5: the error is 0.125 for target 1 and
// 0 for target 0.5, so the mean is 0.0625.
TEST(Gesamtfehler, HandGerechnet) {
    TNetz netz;
    test::neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht);
    test::neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht);
    netz.Verbinde(0, 1);
    EXPECT_EQ(Gesamtfehler(netz, Lernzuordnung::AusNetz(netz), {{1.0f, 1.0f}, {1.0f, 0.5f}}),
              0.0625);
}

// The mean of the errors that the model reports when each row is given to a fresh copy by hand:
// inputs to N0, N1, targets to the output neurons N5, N6. The net keeps every bit.
TEST(Gesamtfehler, MittelDerFehlerDesModells) {
    const TNetz netz = xorNetz();
    const Aufgabentabelle tabelle = {{0.0f, 0.0f, 0.0f, 1.0f},
                                     {0.0f, 1.0f, 1.0f, 0.0f},
                                     {1.0f, 0.0f, 1.0f, 0.0f},
                                     {1.0f, 1.0f, 0.0f, 1.0f},
                                     {0.5f, -2.0f, 0.25f, 0.75f}};
    double summe = 0.0;
    for (const auto& zeile : tabelle) {
        TNetz kopie = netz;
        kopie.Neuron(0).SetzeOutput(*zeile[0]);
        kopie.Neuron(1).SetzeOutput(*zeile[1]);
        kopie.Neuron(5).Sollwert = *zeile[2];
        kopie.Neuron(6).Sollwert = *zeile[3];
        kopie.Propagiere();
        summe += kopie.Fehler();
    }
    const TNetz vorher = netz;
    EXPECT_EQ(Gesamtfehler(netz, Lernzuordnung::AusNetz(netz), tabelle), summe / 5.0);
    EXPECT_TRUE(GleichBitweise(netz, vorher));
}

// A connection from the output back to a hidden neuron carries a pass's outputs into the next
// pass: each row must still be evaluated as a forward pass of the net as it stands, not of the
// copy that the row before has changed.
TEST(Gesamtfehler, RueckverbindungWirktNichtVonZeileZuZeile) {
    TNetz netz;
    test::neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht);
    test::neuesNeuron(netz, 0, 0, Schichttyp::Hiddenschicht);
    test::neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht);
    netz.Verbinde(0, 1);
    netz.Verbinde(1, 2);
    netz.Verbinde(2, 1);
    netz.SetzeGewicht(0, 1, 1.5f);
    netz.SetzeGewicht(1, 2, -2.0f);
    netz.SetzeGewicht(2, 1, 3.0f);
    const Aufgabentabelle tabelle = {{1.0f, 1.0f}, {0.0f, 0.0f}, {1.0f, 1.0f}};
    std::vector<float> frisch, nacheinander;
    TNetz fortlaufend = netz;
    for (const auto& zeile : tabelle) {
        TNetz kopie = netz;
        for (TNetz* n : {&kopie, &fortlaufend}) {
            n->Neuron(0).SetzeOutput(*zeile[0]);
            n->Neuron(2).Sollwert = *zeile[1];
            n->Propagiere();
        }
        frisch.push_back(kopie.Fehler());
        nacheinander.push_back(fortlaufend.Fehler());
    }
    ASSERT_NE(frisch, nacheinander); // the net really carries state from pass to pass
    const double erwartet = (double(frisch[0]) + frisch[1] + frisch[2]) / 3.0;
    EXPECT_EQ(Gesamtfehler(netz, Lernzuordnung::AusNetz(netz), tabelle), erwartet);
}

// Without a total error the reason is thrown, no message box is shown and the net keeps every bit.
TEST(Gesamtfehler, KeinerOhneVollstaendigeTabelle) {
    struct Fall {
        const char* name;
        std::function<void(TNetz&)> netzAendern;
        Aufgabentabelle tabelle;
        std::string grund;
    };
    const std::vector<Fall> faelle = {
        {"keine Zeile", {}, {}, "Die Aufgabentabelle hat keine Zeile."},
        {"leere Zelle",
         {},
         {{0.0f, 0.0f, 0.0f, 1.0f}, {0.0f, std::nullopt, 1.0f, 0.0f}},
         "Nicht jede Zelle der Aufgabentabelle enthält eine Zahl."},
        {"kurze Zeile", {}, {{0.0f, 0.0f, 0.0f}}, "Die Aufgabentabelle hat zu wenige Spalten."},
        {"N0 kein Input-Neuron",
         [](TNetz& n) { n.Neuron(0).Schichttyp = Schichttyp::Hiddenschicht; },
         {{0.0f, 0.0f, 0.0f, 1.0f}},
         "Neuron ist nicht aus der Inputschicht.\nSein Output kann nicht vorgegeben werden."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        TNetz netz = xorNetz();
        const Lernzuordnung z = Lernzuordnung::AusNetz(netz);
        if (f.netzAendern) f.netzAendern(netz);
        const TNetz vorher = netz;
        test::Rekorder rekorder;
        try {
            Gesamtfehler(netz, z, f.tabelle);
            ADD_FAILURE() << "kein Fehler";
        } catch (const Fehler& e) {
            EXPECT_EQ(e.what(), f.grund);
        }
        EXPECT_TRUE(rekorder.liste.empty());
        EXPECT_TRUE(GleichBitweise(netz, vorher));
    }
}
