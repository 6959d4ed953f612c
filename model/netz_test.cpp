#include <gtest/gtest.h>

#include "fehler.h"
#include "netz.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;

namespace {

// Appends neurons of the given kinds, named N0, N1, ...
void fuelle(TNetz& netz, std::initializer_list<Schichttyp> typen) {
    for (Schichttyp typ : typen) {
        auto n = std::make_unique<TGrafikNeuron>();
        n->Schichttyp = typ;
        n->Bezeichnung = "N" + std::to_string(netz.Anzahl());
        netz.Hinzufuegen(std::move(n));
    }
}

// Every matrix entry outside the neurons is 0.
bool aussenNull(const TNetz& netz) {
    for (int a = 0; a < Slots; ++a)
        for (int b = 0; b < Slots; ++b)
            if ((a >= netz.Anzahl() || b >= netz.Anzahl()) &&
                (netz.Verbindungsmatrix[a][b] != 0 || netz.Gewichtsmatrix[a][b] != 0))
                return false;
    return true;
}

} // namespace

TEST(Netz, LeeresNetzSetztNurDieMerker) {
    TNetz netz;
    netz.Propagiere();
    EXPECT_FALSE(netz.Gesichert);
    netz.Gesichert = true;
    netz.Zufallsgewichte(1.0f);
    EXPECT_FALSE(netz.Gesichert);
    netz.Netztyp = Netztyp::Hopfield;
    netz.Leeren();
    EXPECT_TRUE(netz.Gesichert);
    EXPECT_EQ(netz.Netztyp, Netztyp::KeinTyp);
    EXPECT_EQ(netz.Anzahl(), 0);
}

TEST(Netz, VerbindenUndTrennen) {
    test::Rekorder r;
    TNetz netz;
    fuelle(netz, {Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht,
                  Schichttyp::Hiddenschicht});
    netz.Gesichert = true;
    netz.Verbinde(3, 3);
    EXPECT_TRUE(netz.Gesichert);
    EXPECT_EQ(netz.Verbindungsmatrix[3][3], 0.0f);
    ASSERT_EQ(r.liste.size(), 1u);
    EXPECT_EQ(r.liste[0].text, "Ein Neuron kann nicht mit sich selbst verbunden werden");

    netz.VerbindeBeide(3, 3);
    EXPECT_EQ(netz.Verbindungsmatrix[3][3], 2.0f);
    EXPECT_FALSE(netz.Gesichert);

    netz.VerbindeBeide(0, 1);
    netz.Verbinde(0, 1); // one way over a two-way pair
    EXPECT_EQ(netz.Verbindungsmatrix[0][1], 1.0f);
    EXPECT_EQ(netz.Verbindungsmatrix[1][0], 2.0f);
    netz.SetzeGewicht(0, 1, 0.5f);
    netz.Neuron(1).SetzeInput(0, 4.0f);
    netz.Trenne(0, 1);
    EXPECT_FALSE(netz.IstVerbunden(0, 1));
    EXPECT_TRUE(netz.IstVerbunden(1, 0));
    EXPECT_EQ(netz.Gewicht(0, 1), 0.0f);
    EXPECT_EQ(netz.Neuron(1).Gewichte[0], 0.0f);
    EXPECT_EQ(netz.Neuron(1).Inputs[0], 4.0f); // kept, but no longer counted
    EXPECT_EQ(netz.Neuron(1).Inputsumme(), 0.0f);
}

TEST(Netz, SetzeGewichtBrauchtKeineVerbindung) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht});
    netz.Gesichert = true;
    netz.SetzeGewicht(1, 0, -0.25f);
    EXPECT_EQ(netz.Gewicht(1, 0), -0.25f);
    EXPECT_EQ(netz.Neuron(0).Gewichte[1], -0.25f);
    EXPECT_FALSE(netz.Gesichert);
}

TEST(Netz, PropagiereVorwaertsUndRueckwaerts) {
    // N0 -> N1 -> N2, linear and identisch: one pass reaches the end.
    TNetz vor;
    fuelle(vor, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
    for (int i : {1, 2})
        vor.Neuron(i).Aktionsfunktion = Aktionsfunktion::linear;
    vor.Verbinde(0, 1);
    vor.Verbinde(1, 2);
    vor.SetzeGewicht(0, 1, 1.0f);
    vor.SetzeGewicht(1, 2, 1.0f);
    vor.Neuron(0).SetzeOutput(0.5f);
    vor.Propagiere();
    EXPECT_EQ(vor.Neuron(1).Output, 0.5f);
    EXPECT_EQ(vor.Neuron(2).Output, 0.5f);

    // The same chain numbered backwards needs three passes.
    TNetz rueck;
    fuelle(rueck, {Schichttyp::Outputschicht, Schichttyp::Hiddenschicht, Schichttyp::Inputschicht});
    for (int i : {0, 1}) {
        rueck.Neuron(i).Aktionsfunktion = Aktionsfunktion::linear;
        rueck.Neuron(i).Output = 0.25f;
    }
    rueck.Verbinde(2, 1);
    rueck.Verbinde(1, 0);
    rueck.SetzeGewicht(2, 1, 1.0f);
    rueck.SetzeGewicht(1, 0, 1.0f);
    rueck.Neuron(2).SetzeOutput(0.5f);
    const float erwartet[3][2] = {{0.0f, 0.0f}, {0.0f, 0.5f}, {0.5f, 0.5f}};
    for (int pass = 0; pass < 3; ++pass) {
        rueck.Propagiere();
        EXPECT_EQ(rueck.Neuron(0).Output, erwartet[pass][0]) << pass;
        EXPECT_EQ(rueck.Neuron(1).Output, erwartet[pass][1]) << pass;
    }
}

TEST(Netz, ZielneuronDerInputschichtWirdVersteckt) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Inputschicht});
    netz.Verbinde(0, 1);
    netz.Propagiere();
    EXPECT_EQ(netz.Neuron(0).Schichttyp, Schichttyp::Inputschicht);
    EXPECT_EQ(netz.Neuron(1).Schichttyp, Schichttyp::Hiddenschicht);
}

TEST(Netz, SelbstverbindungWirktAbDemNaechstenPass) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Hiddenschicht});
    netz.Neuron(0).Aktionsfunktion = Aktionsfunktion::linear;
    netz.VerbindeBeide(0, 0);
    netz.SetzeGewicht(0, 0, 0.5f);
    netz.Neuron(0).SetzeInput(0, 0.0f);
    netz.Propagiere(); // output 0, sent to itself
    EXPECT_EQ(netz.Neuron(0).Output, 0.0f);
    netz.Neuron(0).Theta = -0.5f; // sum 0 -> d 0.5
    netz.Propagiere();
    EXPECT_EQ(netz.Neuron(0).Output, 0.5f);
    netz.Propagiere(); // now sum 0.25 -> d 0.75
    EXPECT_EQ(netz.Neuron(0).Output, 0.75f);
}

TEST(Netz, ZufallsgewichteNurFuerVerbindungen) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht});
    netz.VerbindeBeide(1, 2);
    netz.Verbinde(0, 1);
    netz.SetzeGewicht(0, 2, 7.0f); // unconnected: stays
    zufall().Setze(42);
    netz.Zufallsgewichte(1.0f);
    for (auto [a, b] : {std::pair{0, 1}, {1, 2}, {2, 1}}) {
        EXPECT_GE(netz.Gewicht(a, b), -1.0f);
        EXPECT_LT(netz.Gewicht(a, b), 1.0f);
        EXPECT_EQ(netz.Neuron(b).Gewichte[a], netz.Gewicht(a, b));
    }
    EXPECT_NE(netz.Gewicht(1, 2), netz.Gewicht(2, 1));
    EXPECT_EQ(netz.Gewicht(0, 2), 7.0f);
    EXPECT_EQ(netz.Gewicht(1, 0), 0.0f);
}

TEST(Netz, ZufallBleibtUnterEins) {
    Zufall z;
    z.Setze(1);
    float groesster = 0.0f;
    for (int i = 0; i < 1000000; ++i)
        groesster = std::max(groesster, z.Gleich());
    EXPECT_LT(groesster, 1.0f);
    EXPECT_GT(groesster, 0.999f);
    // The largest draw maps below g after r * 2g - g is stored.
    const float r = 1.0f - 0x1p-24f;
    EXPECT_LT(static_cast<float>(r * 2.0L - 1.0L), 1.0f);
    int zaehler[3] = {};
    for (int i = 0; i < 3000; ++i)
        ++zaehler[z.Ganz(3)];
    for (int k : zaehler)
        EXPECT_GT(k, 900);
}

TEST(Netz, LoescheLetztesNeuronHinterlaesstNichts) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
    netz.VerbindeBeide(0, 2);
    netz.Verbinde(2, 1);
    netz.VerbindeBeide(2, 2);
    netz.SetzeGewicht(0, 2, 0.5f);
    netz.SetzeGewicht(2, 0, 0.25f);
    netz.SetzeGewicht(2, 1, 0.75f);
    netz.LoescheLetztesNeuron();
    EXPECT_EQ(netz.Anzahl(), 2);
    EXPECT_TRUE(aussenNull(netz));
    EXPECT_EQ(netz.Neuron(0).Gewichte[2], 0.0f);
    EXPECT_EQ(netz.Neuron(1).Gewichte[2], 0.0f);
    fuelle(netz, {Schichttyp::Hiddenschicht});
    EXPECT_FALSE(netz.IstVerbunden(0, 2));
    EXPECT_EQ(netz.Neuron(2).Inputsumme(), 0.0f);
    TNetz leer;
    leer.LoescheLetztesNeuron();
    EXPECT_EQ(leer.Anzahl(), 0);
}

TEST(Netz, LeerenBehaeltDeltaUndDarstellung) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht});
    netz.VerbindeBeide(0, 1);
    netz.SetzeGewicht(0, 1, 3.0f);
    netz.Delta[1] = 0.5f;
    netz.Darstellung = 0;
    netz.Leeren();
    EXPECT_TRUE(aussenNull(netz));
    EXPECT_EQ(netz.Delta[1], 0.5f);
    EXPECT_EQ(netz.Darstellung, 0);
}

// Backpropagation ---------------------------------------------------------------------------

TEST(Backpropagation, EinAusgabeneuron) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Outputschicht});
    netz.Verbinde(0, 1);
    netz.Neuron(0).SetzeOutput(1.0f);
    netz.Neuron(1).Sollwert = 1.0f;
    netz.Propagiere();
    EXPECT_EQ(netz.Neuron(1).Output, 0.5f);
    EXPECT_EQ(netz.Fehler(), 0.125f);
    netz.Backpropagiere(1.0f);
    EXPECT_EQ(netz.Delta[1], 0.125f);
    EXPECT_EQ(netz.Gewicht(0, 1), 0.125f);
    EXPECT_EQ(netz.Neuron(1).Gewichte[0], 0.125f);
    EXPECT_EQ(netz.Fehler(), 0.125f); // outputs are those of the forward pass
}

TEST(Backpropagation, VerstecktesNeuronNimmtDasNeueGewicht) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
    netz.Verbinde(0, 1);
    netz.Verbinde(1, 2);
    netz.Neuron(0).SetzeOutput(1.0f);
    netz.Neuron(2).Sollwert = 1.0f;
    netz.Propagiere();
    EXPECT_EQ(netz.Neuron(1).Output, 0.5f);
    EXPECT_EQ(netz.Neuron(2).Output, 0.5f);
    netz.Backpropagiere(1.0f);
    EXPECT_EQ(netz.Delta[2], 0.125f);
    EXPECT_EQ(netz.Gewicht(1, 2), 0.0625f);
    EXPECT_EQ(netz.Delta[1], 0.001953125f);
    EXPECT_EQ(netz.Gewicht(0, 1), 0.001953125f);
}

TEST(Backpropagation, WasNichtLernt) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
    netz.Verbinde(0, 1);
    netz.Verbinde(2, 1); // from a higher to a lower number
    netz.VerbindeBeide(2, 2);
    netz.SetzeGewicht(2, 1, 0.5f);
    netz.SetzeGewicht(2, 2, 0.25f);
    netz.Neuron(0).SetzeOutput(1.0f);
    netz.Neuron(2).Sollwert = 1.0f;
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
    EXPECT_EQ(netz.Gewicht(2, 1), 0.5f);
    EXPECT_EQ(netz.Gewicht(2, 2), 0.25f);
    // N1 has no later neuron connected forward: delta 0 (no weight 1->2), so 0->1 stays 0.
    EXPECT_EQ(netz.Delta[1], 0.0f);
    EXPECT_EQ(netz.Gewicht(0, 1), 0.0f);
}

TEST(Backpropagation, SigmaNullAendertNichts) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Outputschicht});
    netz.Verbinde(0, 1);
    netz.SetzeGewicht(0, 1, 0.3f);
    netz.Neuron(0).SetzeOutput(1.0f);
    netz.Neuron(1).Sollwert = 1.0f;
    netz.Propagiere();
    netz.Backpropagiere(0.0f);
    EXPECT_EQ(netz.Gewicht(0, 1), 0.3f);
    EXPECT_GT(netz.Fehler(), 0.0f);
}

TEST(Backpropagation, FehlerZaehltNurAusgabeneuronen) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht,
                  Schichttyp::Outputschicht});
    for (int i = 0; i < 4; ++i)
        netz.Neuron(i).Sollwert = 1.0f;
    netz.Neuron(2).Output = 0.5f; // (0.5)^2 / 2 = 0.125
    netz.Neuron(3).Output = 2.0f; // (1)^2 / 2 = 0.5
    EXPECT_EQ(netz.Fehler(), 0.625f);
    TNetz ohne;
    fuelle(ohne, {Schichttyp::Inputschicht, Schichttyp::Hiddenschicht});
    EXPECT_EQ(ohne.Fehler(), 0.0f);
}

TEST(Backpropagation, DeltaDerInputschicht) {
    test::Rekorder r;
    TNetz netz;
    fuelle(netz, {Schichttyp::Inputschicht});
    netz.Delta[0] = 3.0f;
    netz.BerechneDelta(0);
    EXPECT_EQ(netz.Delta[0], 0.0f);
    ASSERT_EQ(r.liste.size(), 1u);
    EXPECT_EQ(r.liste[0].text, "Kein Delta bei der Inputschicht!");
}

TEST(Backpropagation, UnverbundenesHopfieldGewichtZaehltImDelta) {
    TNetz netz;
    fuelle(netz, {Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
    netz.SetzeGewicht(0, 1, 2.0f); // weight without a connection
    netz.Neuron(1).Sollwert = 1.0f;
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
    // delta1 = 0.25 * 0.5 = 0.125; delta0 = 0.25 * (0.125 * 2) = 0.0625
    EXPECT_EQ(netz.Delta[0], 0.0625f);
}

// A layer kind that no kind has (from a damaged file) learns as a hidden neuron.
TEST(Backpropagation, UnbekannterSchichttypLerntWieVersteckt) {
    for (std::uint8_t byte : {3, 255}) {
        TNetz versteckt, unbekannt;
        fuelle(versteckt,
               {Schichttyp::Hiddenschicht, Schichttyp::Hiddenschicht, Schichttyp::Outputschicht});
        fuelle(unbekannt, {Schichttyp{byte}, Schichttyp{byte}, Schichttyp::Outputschicht});
        for (TNetz* netz : {&versteckt, &unbekannt}) {
            netz->Verbinde(0, 1);
            netz->SetzeGewicht(0, 1, 0.5f);
            netz->SetzeGewicht(1, 2, 2.0f); // unconnected, but part of N1's delta
            netz->Neuron(2).Sollwert = 1.0f;
            netz->Propagiere();
            netz->Backpropagiere(1.0f);
        }
        EXPECT_NE(versteckt.Delta[1], 0.0f);
        EXPECT_EQ(unbekannt.Delta[1], versteckt.Delta[1]) << int(byte);
        EXPECT_EQ(unbekannt.Gewicht(0, 1), versteckt.Gewicht(0, 1)) << int(byte);
        EXPECT_EQ(unbekannt.Fehler(), versteckt.Fehler()) << int(byte);
    }
}
