// NaN and infinities that a damaged net file brings into the net: every step that meets one
// stops with the floating-point fault and stores no non-finite value anywhere.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "fehler.h"
#include "gleitkomma.h"
#include "netz.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

constexpr float Nan = NAN;
constexpr float Inf = INFINITY;

// One neuron record of the file; the label is written as "N<number>".
struct Satz {
    Schichttyp schicht;
    float theta = 0.0f, parameter = 1.0f;
    Outputfunktion ausgabe = Outputfunktion::identisch;
    float xi = 0.5f, soll = 0.0f;
};

// A net file of three sigmoid neurons N0 (input) -> N1 (hidden) -> N2 (output, target 1), both
// connections with weight 0.5. The tests change single fields before the bytes are written.
struct Datei {
    Satz neuronen[3] = {{Schichttyp::Inputschicht},
                        {Schichttyp::Hiddenschicht},
                        {Schichttyp::Outputschicht, 0, 1, Outputfunktion::identisch, 0.5f, 1.0f}};
    float verbindung[3][3] = {{0, 1, 0}, {0, 0, 1}, {0, 0, 0}};
    float gewicht[3][3] = {{0, 0.5f, 0}, {0, 0, 0.5f}, {0, 0, 0}};

    // The bytes in the order of the format, little-endian: kind, count, both matrices row by
    // row, then X, Y, label length, label, Schichttyp, Parameter, Theta, Aktionsfunktion,
    // Outputfunktion, Xi, Sollwert for each neuron.
    std::string bytes() const {
        std::string aus;
        auto u32 = [&](std::uint32_t v) {
            for (int i = 0; i < 4; ++i)
                aus.push_back(static_cast<char>(v >> (8 * i)));
        };
        auto single = [&](float f) { u32(std::bit_cast<std::uint32_t>(f)); };
        aus.push_back(static_cast<char>(Netztyp::Perzeptron));
        u32(3);
        for (const auto* m : {&verbindung, &gewicht})
            for (const auto& zeile : *m)
                for (float f : zeile)
                    single(f);
        for (int i = 0; i < 3; ++i) {
            const Satz& s = neuronen[i];
            u32(100 * i);
            u32(100);
            aus += std::string("\x02N") + static_cast<char>('0' + i);
            aus.push_back(static_cast<char>(s.schicht));
            single(s.parameter);
            single(s.theta);
            aus.push_back(static_cast<char>(Aktionsfunktion::sigmoid));
            aus.push_back(static_cast<char>(s.ausgabe));
            single(s.xi);
            single(s.soll);
        }
        return aus;
    }
};

// Every value a step may store, as bits.
std::vector<std::uint32_t> zustand(const TNetz& netz) {
    std::vector<std::uint32_t> z;
    auto dazu = [&](float f) { z.push_back(std::bit_cast<std::uint32_t>(f)); };
    for (int a = 0; a < Slots; ++a) {
        for (float w : netz.Gewichtsmatrix[a])
            dazu(w);
        dazu(netz.Delta[a]);
    }
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        dazu(n.Output);
        for (int k = 0; k < Slots; ++k) {
            dazu(n.Inputs[k]);
            dazu(n.Gewichte[k]);
        }
    }
    return z;
}

enum class Schritt { Propagiere, Backpropagiere, Fehler };

struct Fall {
    const char* name;
    std::function<void(Datei&)> beschaedige;
    bool verbinde01;  // connect N0 -> N1 after loading (the weight stays the file's)
    float eingabe;    // N0's output
    float sigma;      // learning rate
    Schritt schritt;  // run after a forward pass that succeeds (unless it is the step itself)
    const char* text; // the fault
};

} // namespace

TEST(Dateiwerte, NichtendlicheWerteSindFehlerUndWerdenNieGespeichert) {
    auto unverbunden01 = [](float w) {
        return [w](Datei& d) {
            d.verbindung[0][1] = 0.0f;
            d.gewicht[0][1] = w;
        };
    };
    const Fall faelle[] = {
        // A weight read for an unconnected pair reaches only the matrix; once the pair is
        // connected, a learning step with a zero product would keep it unchecked.
        {"NaN, Eingabe 0", unverbunden01(Nan), true, 0.0f, 1.0f, Schritt::Backpropagiere,
         gk::Ungueltig},
        {"+inf, Eingabe 0", unverbunden01(Inf), true, 0.0f, 1.0f, Schritt::Backpropagiere,
         gk::Ueberlauf},
        {"-inf, Lernrate 0", unverbunden01(-Inf), true, 1.0f, 0.0f, Schritt::Backpropagiere,
         gk::Ueberlauf},
        {"NaN, Eingabe 1", unverbunden01(Nan), true, 1.0f, 1.0f, Schritt::Backpropagiere,
         gk::Ungueltig},
        {"NaN-Gewicht verbunden", [](Datei& d) { d.gewicht[0][1] = Nan; }, false, 1.0f, 1.0f,
         Schritt::Propagiere, gk::Ungueltig},
        {"inf-Gewicht mal Eingabe 0", [](Datei& d) { d.gewicht[0][1] = Inf; }, false, 0.0f, 1.0f,
         Schritt::Propagiere, gk::Ungueltig},
        // Every later neuron's delta counts in a hidden neuron's sum, connected or not.
        {"unverbundenes inf-Gewicht im Delta",
         [](Datei& d) {
             d.verbindung[1][2] = 0.0f;
             d.gewicht[1][2] = Inf;
         },
         false, 1.0f, 1.0f, Schritt::Backpropagiere, gk::Ueberlauf},
        {"Sollwert NaN", [](Datei& d) { d.neuronen[2].soll = Nan; }, false, 1.0f, 1.0f,
         Schritt::Backpropagiere, gk::Ungueltig},
        {"Sollwert -inf im Fehler", [](Datei& d) { d.neuronen[2].soll = -Inf; }, false, 1.0f, 1.0f,
         Schritt::Fehler, gk::Ueberlauf},
        {"Theta NaN", [](Datei& d) { d.neuronen[1].theta = Nan; }, false, 1.0f, 1.0f,
         Schritt::Propagiere, gk::Ungueltig},
        {"Parameter inf", [](Datei& d) { d.neuronen[1].parameter = Inf; }, false, 1.0f, 1.0f,
         Schritt::Propagiere, gk::Ueberlauf},
        {"Xi NaN bei binär",
         [](Datei& d) {
             d.neuronen[2].ausgabe = Outputfunktion::binaer;
             d.neuronen[2].xi = Nan;
         },
         false, 1.0f, 1.0f, Schritt::Propagiere, gk::Ungueltig},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        test::Rekorder rekorder;
        Datei datei;
        f.beschaedige(datei);
        TNetz netz;
        std::istringstream ein(datei.bytes());
        netz.LadenAus(ein);
        ASSERT_TRUE(rekorder.liste.empty());
        ASSERT_EQ(netz.Anzahl(), 3);
        if (f.verbinde01) netz.Verbinde(0, 1);
        netz.Neuron(0).SetzeOutput(f.eingabe);
        if (f.schritt != Schritt::Propagiere) netz.Propagiere();

        const std::vector<std::uint32_t> vorher = zustand(netz);
        std::optional<std::string> fehler;
        try {
            switch (f.schritt) {
            case Schritt::Propagiere:
                netz.Propagiere();
                break;
            case Schritt::Backpropagiere:
                netz.Backpropagiere(f.sigma);
                break;
            case Schritt::Fehler:
                netz.Fehler();
                break;
            }
        } catch (const nervalo::Fehler& e) {
            fehler = e.what();
        }
        EXPECT_EQ(fehler, std::optional<std::string>(f.text));
        // Whatever changed before the fault holds a finite value.
        const std::vector<std::uint32_t> nachher = zustand(netz);
        for (std::size_t k = 0; k < nachher.size(); ++k)
            EXPECT_TRUE(nachher[k] == vorher[k] || std::isfinite(std::bit_cast<float>(nachher[k])))
                << "value " << k;
        EXPECT_TRUE(rekorder.liste.empty());
    }
}
