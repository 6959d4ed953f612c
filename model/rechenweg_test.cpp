#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "rechenweg.h"
#include "rechenzeilen.h"
#include "spezialnetze.h"
#include "testhilfe.h"
#include "zufall.h"

using namespace nervalo;
using test::neuesNeuron;

namespace {

// A 2-3-2 perceptron with random weights from a fixed seed, inputs 1 and 0.3, targets 1 and 0.
void perzeptron(TNetz& netz) {
    BauePerzeptron(netz, 2, 3, 2);
    zufall().Setze(4711);
    netz.Zufallsgewichte(1.0f);
    netz.Neuron(0).Output = 1.0f;
    netz.Neuron(1).Output = 0.3f;
    netz.Neuron(5).Sollwert = 1.0f;
}

// Mixed kinds: tanh and linear with thresholds and slopes, a connection that skips a layer, a
// two-way pair and a weight on an unconnected pair (as the Hopfield store leaves them).
void gemischt(TNetz& netz) {
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = 0.7f;
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = -0.4f;
    TGrafikNeuron& h = neuesNeuron(netz, 0, 0);
    h.Aktionsfunktion = Aktionsfunktion::tanh;
    h.Theta = 0.1f;
    h.Parameter = 1.5f;
    TGrafikNeuron& l = neuesNeuron(netz, 0, 0);
    l.Aktionsfunktion = Aktionsfunktion::linear;
    l.Parameter = 0.8f;
    l.Theta = -0.05f;
    neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht).Sollwert = 0.25f;
    const struct {
        int a, b;
        float w;
    } gewichte[] = {{0, 2, 0.31f}, {1, 2, -0.77f}, {0, 3, 0.52f}, {1, 3, 0.18f},
                    {2, 4, 0.93f}, {3, 4, -0.41f}, {0, 4, 0.27f}};
    for (const auto& g : gewichte) {
        netz.Verbinde(g.a, g.b);
        netz.SetzeGewicht(g.a, g.b, g.w);
    }
    netz.VerbindeBeide(2, 3);
    netz.SetzeGewicht(2, 3, 0.6f);
    netz.SetzeGewicht(3, 2, -0.2f);
    netz.SetzeGewicht(1, 4, 0.05f); // unconnected, still part of the sum
    netz.Neuron(4).SetzeInput(1, -0.4f);
}

const struct Netzform {
    const char* name;
    std::function<void(TNetz&)> baue;
} Netze[] = {{"Perzeptron 2-3-2", perzeptron}, {"gemischt", gemischt}};

// The input sum each neuron computes its output from in the next pass, by the pass written out
// with the neurons' own operations on a copy: the oracle of the recorded sums.
std::vector<float> summenDesPasses(const TNetz& vorlage) {
    TNetz netz = vorlage;
    const int n = netz.Anzahl();
    std::vector<float> summen(n);
    for (int i = 0; i < n; ++i) {
        netz.Neuron(i).BerechneOutput(n);
        summen[i] = netz.Neuron(i).Inputsumme(n);
        for (int j = 0; j < n; ++j)
            if (netz.IstVerbunden(i, j)) netz.Neuron(j).SetzeInput(i, netz.Neuron(i).Output);
    }
    return summen;
}

// The oracle of an input sum: every product in slot order in long double, stored as float after
// each addition.
float summe(const std::vector<Produkt>& produkte) {
    float s = 0.0f;
    for (const Produkt& p : produkte)
        s = static_cast<float>(static_cast<long double>(p.wert) * p.gewicht + s);
    return s;
}

// The forward part of every neuron against the input sums of the pass the net last made: each
// product counts, and the recorded output is the neuron's.
void vorwaertsWieDerPass(const TNetz& netz, const std::vector<float>& summen, bool vorDemSchritt) {
    for (int j = 0; j < netz.Anzahl(); ++j) {
        SCOPED_TRACE(j);
        const Vorwaertsrechnung v = BerechneRechenweg(netz, j).vorwaerts;
        if (v.eingabeneuron) continue;
        EXPECT_EQ(v.gewichteVorDemSchritt, vorDemSchritt);
        EXPECT_EQ(v.summe, summen[j]);
        EXPECT_EQ(summe(v.produkte), summen[j]);
        ASSERT_TRUE(v.ausgabe);
        EXPECT_EQ(*v.ausgabe, netz.Neuron(j).Output);
        // Without any one product the sum is another.
        for (std::size_t k = 0; k < v.produkte.size(); ++k) {
            std::vector<Produkt> ohne = v.produkte;
            ohne.erase(ohne.begin() + static_cast<std::ptrdiff_t>(k));
            EXPECT_NE(summe(ohne), v.summe) << "ohne Produkt " << k;
        }
    }
}

} // namespace

// Before a learning step, after it (with the step's own numbers) and after a propagation with
// the new weights.
TEST(Rechenweg, VorUndNachDemLernschritt) {
    for (const Netzform& form : Netze) {
        SCOPED_TRACE(form.name);
        TNetz netz;
        form.baue(netz);
        // The second pass: the backward half of the two-way pair carries a value by then, which
        // the pass overwrites after the earlier neuron has used it.
        netz.Propagiere();
        const std::vector<float> summen = summenDesPasses(netz);
        netz.Propagiere();
        vorwaertsWieDerPass(netz, summen, false);

        const TNetz vorher = netz;
        netz.Backpropagiere(0.5f);
        vorwaertsWieDerPass(netz, summen, true);
        for (int j = 0; j < netz.Anzahl(); ++j) {
            SCOPED_TRACE(j);
            const Rechenweg weg = BerechneRechenweg(netz, j);
            if (weg.vorwaerts.eingabeneuron) {
                EXPECT_FALSE(weg.rueckwaerts);
                continue;
            }
            ASSERT_TRUE(weg.rueckwaerts);
            const Rueckwaertsrechnung& r = *weg.rueckwaerts;
            EXPECT_EQ(r.delta, netz.Delta[j]);
            EXPECT_EQ(r.sigma, 0.5f);
            for (const Gewichtsrechnung& g : r.gewichte) {
                SCOPED_TRACE(g.quelle);
                EXPECT_EQ(g.vorher, vorher.Gewicht(g.quelle, j));
                EXPECT_EQ(g.nachher, netz.Gewicht(g.quelle, j));
                EXPECT_EQ(g.eingabe, netz.Neuron(g.quelle).Output);
                const long double schritt = static_cast<long double>(netz.Delta[j]) * 0.5L;
                EXPECT_EQ(g.aenderung, static_cast<float>(g.eingabe * schritt));
            }
            // Every lower neuron connected to j learned, and nothing else did.
            std::size_t verbunden = 0;
            for (int i = 0; i < j; ++i)
                verbunden += netz.IstVerbunden(i, j);
            EXPECT_EQ(r.gewichte.size(), verbunden);
            if (r.schichttyp != Schichttyp::Outputschicht) {
                EXPECT_EQ(summe(r.deltaprodukte), r.deltasumme);
            }
        }

        const std::vector<float> neu = summenDesPasses(netz);
        netz.Propagiere();
        vorwaertsWieDerPass(netz, neu, false);
    }
}

TEST(Rechenweg, ZeilenDerKette) {
    // N0 (input, output 1) -> N1 -> N2 (output, target 1), weights 0, sigmoid: the worked example
    // of the learning step, by hand.
    TNetz netz;
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = 1.0f;
    neuesNeuron(netz, 0, 0);
    neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht).Sollwert = 1.0f;
    netz.Verbinde(0, 1);
    netz.Verbinde(1, 2);
    netz.Propagiere();
    netz.Backpropagiere(1.0f);

    const struct {
        int neuron;
        bool uebung;
        std::vector<std::string> rechnungen;
    } faelle[] = {
        {2,
         false,
         {"0,50 · 0,00", "sigmoid((0,00 − 0,00) · 1,00)", "0,50", "1,00 · 0,50 · (1 − 0,50)",
          "0,25 · (1,00 − 0,50)", "0,00 + 1,00 · 0,13 · 0,50 = 0,00 + 0,06"}},
        {2,
         true,
         {"0,50 · 0,00", "sigmoid((s − 0,00) · 1,00)", "a", "1,00 · a · (1 − a)",
          "f'(s) · (1,00 − o)", "0,00 + 1,00 · δ · 0,50"}},
        {1,
         false,
         {"1,00 · 0,00", "sigmoid((0,00 − 0,00) · 1,00)", "0,50", "1,00 · 0,50 · (1 − 0,50)",
          "0,25 · (0,13 · 0,06)", "0,00 + 1,00 · 0,00 · 1,00 = 0,00 + 0,00"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(std::to_string(f.neuron) + (f.uebung ? " Übung" : ""));
        std::vector<std::string> rechnungen;
        std::vector<Frage> fragen;
        for (const Rechenabschnitt& a :
             Rechenzeilen(netz, BerechneRechenweg(netz, f.neuron), false, f.uebung))
            for (const Rechenzeile& z : a.zeilen) {
                rechnungen.push_back(z.rechnung);
                fragen.push_back(z.frage);
            }
        EXPECT_EQ(rechnungen, f.rechnungen);
        EXPECT_EQ(fragen, (std::vector<Frage>{Frage::Summe, Frage::Keine, Frage::Output,
                                              Frage::Keine, Frage::Delta, Frage::Gewicht}));
    }
    // All digits: the delta of N1 is 0.25 * 0.125 * 0.0625 exactly.
    const auto zeilen = Rechenzeilen(netz, BerechneRechenweg(netz, 1), true, false);
    EXPECT_EQ(zeilen[1].zeilen[1].rechnung, "0,25 · (0,125 · 0,0625)");
    EXPECT_EQ(zeilen[1].titel, "Rückwärts: letzte Backpropagation mit der Lernrate σ = 1");
}
