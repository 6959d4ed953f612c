#include <gtest/gtest.h>

#include <cmath>

#include "fehler.h"
#include "gleitkomma.h"
#include "neuron.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

// A neuron whose input sum is x: one input 1 with weight x.
TNeuron mitSumme(float x, Aktionsfunktion funktion, float parameter = 1.0f, float theta = 0.0f) {
    TNeuron n;
    n.Aktionsfunktion = funktion;
    n.Parameter = parameter;
    n.Theta = theta;
    n.SetzeInput(5, 1.0f);
    n.SetzeGewicht(5, x);
    return n;
}

std::string fehlerText(auto&& f) {
    try {
        f();
    } catch (const Fehler& e) {
        return e.what();
    }
    return "";
}

} // namespace

TEST(Neuron, NeuesNeuronHatDieVorgaben) {
    TGrafikNeuron n;
    EXPECT_EQ(n.Schichttyp, Schichttyp::Hiddenschicht);
    EXPECT_EQ(n.Aktionsfunktion, Aktionsfunktion::sigmoid);
    EXPECT_EQ(n.Outputfunktion, Outputfunktion::identisch);
    EXPECT_EQ(n.Parameter, 1.0f);
    EXPECT_EQ(n.Xi, 0.5f);
    EXPECT_EQ(n.Inputsumme(), 0.0f);
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 0.5f);
    n.Outputfunktion = Outputfunktion::binaer;
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 1.0f); // 0.5 >= Xi
    EXPECT_EQ(n.Radius, 22);
    EXPECT_EQ(n.Textabstand, 7);
    EXPECT_EQ(n.Randabstand, 24);
    EXPECT_EQ(n.Anzeige, Beschriftung);
}

TEST(Neuron, InputsummeRundetNachJederAdditionAufSingle) {
    TNeuron n;
    // 1 + 2^-30 is not a float: rounded after the first addition it stays 1, so adding
    // -1 afterwards gives 0 (in one long double sum it would give 2^-30).
    n.SetzeInput(0, 1.0f);
    n.SetzeGewicht(0, 1.0f);
    n.SetzeInput(1, 0x1p-15f);
    n.SetzeGewicht(1, 0x1p-15f);
    n.SetzeInput(2, -1.0f);
    n.SetzeGewicht(2, 1.0f);
    EXPECT_EQ(n.Inputsumme(), 0.0f);
    // Slot 60 counts, whatever LetzterInput says.
    n.SetzeInputAnzahl(2);
    n.SetzeInput(60, 3.0f);
    n.SetzeGewicht(60, 2.0f);
    EXPECT_EQ(n.Inputsumme(), 6.0f);
}

// The neuron remembers its input sum; every way a slot can change must make it count again.
TEST(Neuron, GemerkteInputsummeFolgtJederAenderung) {
    struct Schritt {
        const char* was;
        void (*aendere)(TNeuron&);
        int anzahl; // slots counted
        float summe;
    } schritte[] = {
        {"start", [](TNeuron&) {}, 3, 2.0f},
        {"again", [](TNeuron&) {}, 3, 2.0f},
        {"input", [](TNeuron& n) { n.SetzeInput(0, 3.0f); }, 3, 6.0f},
        {"weight", [](TNeuron& n) { n.SetzeGewicht(0, 0.5f); }, 3, 1.5f},
        {"input of a zero weight", [](TNeuron& n) { n.SetzeInput(1, 4.0f); }, 3, 1.5f},
        {"its weight", [](TNeuron& n) { n.SetzeGewicht(1, 0.5f); }, 3, 3.5f},
        {"slot outside the count", [](TNeuron& n) { n.SetzeGewicht(5, 8.0f); }, 3, 3.5f},
        {"more slots", [](TNeuron&) {}, 6, 11.5f},
        {"fewer slots", [](TNeuron&) {}, 3, 3.5f},
        {"all slots", [](TNeuron& n) { n.SetzeInput(60, 2.0f), n.SetzeGewicht(60, 1.0f); }, Slots,
         13.5f},
        {"copied", [](TNeuron& n) { n = TNeuron(n); }, Slots, 13.5f},
        {"assigned", [](TNeuron& n) { n = TNeuron(); }, Slots, 0.0f},
    };
    TNeuron n;
    n.SetzeInput(0, 1.0f);
    n.SetzeGewicht(0, 2.0f);
    n.SetzeInput(5, 1.0f);
    for (const Schritt& s : schritte) {
        s.aendere(n);
        EXPECT_EQ(n.Inputsumme(s.anzahl), s.summe) << s.was;
        EXPECT_EQ(TNeuron(n).Inputsumme(s.anzahl), s.summe) << s.was << " (copy)";
    }
}

struct AktionsFall {
    const char* name;
    Aktionsfunktion funktion;
    float parameter, theta, summe;
    float aktion, ableitung;
};

class Aktionswerte : public testing::TestWithParam<AktionsFall> {};

TEST_P(Aktionswerte, AktionUndAbleitung) {
    const AktionsFall& f = GetParam();
    TNeuron n = mitSumme(f.summe, f.funktion, f.parameter, f.theta);
    EXPECT_FLOAT_EQ(n.Aktion(n.Inputsumme()), f.aktion) << f.name;
    if (f.funktion != Aktionsfunktion::sprung) {
        EXPECT_FLOAT_EQ(n.Ableitung(), f.ableitung) << f.name;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Neuron, Aktionswerte,
    testing::Values(
        AktionsFall{"sigmoid bei Theta", Aktionsfunktion::sigmoid, 1, 0, 0, 0.5f, 0.25f},
        AktionsFall{"sigmoid Steigung 2", Aktionsfunktion::sigmoid, 2, 0, 0, 0.5f, 0.5f},
        AktionsFall{"sigmoid 1", Aktionsfunktion::sigmoid, 1, 0, 1, 0.7310586f, 0.19661193f},
        AktionsFall{"tanh bei Theta", Aktionsfunktion::tanh, 3, 1.5f, 1.5f, 0.0f, 3.0f},
        AktionsFall{"tanh 1", Aktionsfunktion::tanh, 1, 0, 1, 0.7615942f, 0.41997434f},
        AktionsFall{"linear innen", Aktionsfunktion::linear, 2, 0, 0.25f, 0.5f, 2.0f},
        AktionsFall{"linear Rand oben", Aktionsfunktion::linear, 2, 0, 0.5f, 1.0f, 0.0f},
        AktionsFall{"linear Rand unten", Aktionsfunktion::linear, 2, 0, -0.5f, -1.0f, 0.0f},
        AktionsFall{"linear weit", Aktionsfunktion::linear, 2, 0, 10, 1.0f, 0.0f},
        AktionsFall{"linear knapp innen", Aktionsfunktion::linear, 2, 0, -0.4999f, -0.9998f, 2.0f},
        AktionsFall{"sprung bei Theta", Aktionsfunktion::sprung, 0, 0.5f, 0.5f, 1.0f, 0},
        AktionsFall{"sprung darunter", Aktionsfunktion::sprung, -3, 0.5f, 0.4999f, -1.0f, 0}),
    [](const auto& info) {
        std::string s = info.param.name;
        for (char& c : s)
            if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
        return s;
    });

TEST(Neuron, BinaerVergleichtMitXi) {
    TNeuron n;
    n.Outputfunktion = Outputfunktion::binaer;
    n.Xi = 0.25f;
    EXPECT_EQ(n.Ausgabe(0.25f), 1.0f);
    EXPECT_EQ(n.Ausgabe(0.2499f), 0.0f);
    EXPECT_EQ(n.Ausgabe(-1.0f), 0.0f);
}

TEST(Neuron, InputschichtBehaeltOutputBisZumErstenInput) {
    test::Rekorder r;
    TNeuron n;
    n.Schichttyp = Schichttyp::Inputschicht;
    n.SetzeOutput(0.75f);
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 0.75f);
    n.SetzeInput(3, 0.0f);
    EXPECT_EQ(n.Schichttyp, Schichttyp::Hiddenschicht);
    n.BerechneOutput();
    EXPECT_EQ(n.Output, 0.5f);
    // Hidden and output neurons refuse a given output.
    for (Schichttyp typ : {Schichttyp::Hiddenschicht, Schichttyp::Outputschicht}) {
        n.Schichttyp = typ;
        n.SetzeOutput(9.0f);
        EXPECT_EQ(n.Output, 0.5f);
    }
    ASSERT_EQ(r.liste.size(), 2u);
    EXPECT_EQ(r.liste[0],
              (test::Meldung{'F', "Neuron ist nicht aus der Inputschicht.\nSein Output kann "
                                  "nicht vorgegeben werden."}));
    EXPECT_TRUE(r.liste.empty() == false);
}

TEST(Neuron, InputAnzahlZwischenEinsUndSechzig) {
    test::Rekorder r;
    TNeuron n;
    const struct {
        int n;
        int letzter;
        bool meldung;
    } faelle[] = {{1, 0, false}, {60, 59, false}, {0, 59, true}, {61, 59, true}, {-5, 59, true}};
    for (const auto& f : faelle) {
        r.liste.clear();
        n.SetzeInputAnzahl(f.n);
        EXPECT_EQ(n.LetzterInput, f.letzter) << f.n;
        EXPECT_EQ(r.liste.size(), f.meldung ? 1u : 0u) << f.n;
    }
    EXPECT_EQ(r.liste.at(0).text, "Die Anzahl der Inputs muss zwischen 1 und 60 liegen!");
}

TEST(Neuron, GleitkommafehlerLassenOutputUnveraendert) {
    struct Fall {
        const char* name;
        Aktionsfunktion funktion;
        float parameter, summe;
        const char* text;
    } faelle[] = {
        {"linear mit Parameter 0", Aktionsfunktion::linear, 0.0f, 0.3f, gk::DivisionDurchNull},
        {"sigmoid weit negativ", Aktionsfunktion::sigmoid, 1.0f, -20000.0f, gk::Ueberlauf},
        {"tanh weit positiv", Aktionsfunktion::tanh, 1.0f, 20000.0f, gk::Ueberlauf},
        {"d passt nicht in Single", Aktionsfunktion::sigmoid, 1.0f, 3e38f, ""},
        {"u passt nicht in Single", Aktionsfunktion::sigmoid, 1e30f, 1e30f, gk::Ueberlauf},
    };
    for (const auto& f : faelle) {
        TNeuron n = mitSumme(f.summe, f.funktion, f.parameter);
        n.Theta = std::string(f.name) == "d passt nicht in Single" ? -3e38f : 0.0f;
        n.Output = 0.125f;
        const std::string text = fehlerText([&] { n.BerechneOutput(); });
        EXPECT_EQ(text, *f.text ? f.text : gk::Ueberlauf) << f.name;
        EXPECT_EQ(n.Output, 0.125f) << f.name;
    }
}

TEST(Neuron, AbleitungUeberlaeuftBeiHalbemBetrag) {
    // e^u fits long double up to about u = 11356, its square only up to about half that.
    TNeuron n = mitSumme(-8000.0f, Aktionsfunktion::sigmoid);
    EXPECT_NO_THROW(n.Aktion(n.Inputsumme()));
    EXPECT_EQ(fehlerText([&] { n.Ableitung(); }), gk::Ueberlauf);
    TNeuron t = mitSumme(6000.0f, Aktionsfunktion::tanh);
    EXPECT_EQ(fehlerText([&] { t.Ableitung(); }), gk::Ueberlauf);
    TNeuron l = mitSumme(0.1f, Aktionsfunktion::linear, 0.0f);
    EXPECT_EQ(fehlerText([&] { l.Ableitung(); }), gk::DivisionDurchNull);
}

TEST(Neuron, WinzigeWerteWerdenStillZuNull) {
    TNeuron n = mitSumme(-200.0f, Aktionsfunktion::sigmoid);
    n.BerechneOutput();
    EXPECT_GE(n.Output, 0.0f);
    EXPECT_LT(n.Output, 1e-40f);
    EXPECT_EQ(n.Ableitung(), 0.0f);
}

// Kind bytes that no kind has (only a damaged net file holds them) compute as the last kind of
// their list: an unknown activation as sprung, an unknown output function as binär; an unknown
// layer kind is no input neuron.
TEST(Neuron, UnbekannteArtenRechnenWieDieLetzte) {
    for (float summe : {-0.75f, 0.0f, 2.5f}) {
        for (std::uint8_t byte : {4, 9, 255}) {
            TNeuron unbekannt = mitSumme(summe, Aktionsfunktion{byte});
            TNeuron sprung = mitSumme(summe, Aktionsfunktion::sprung);
            unbekannt.Outputfunktion = Outputfunktion{byte};
            sprung.Outputfunktion = Outputfunktion::binaer;
            unbekannt.Xi = sprung.Xi = 0.0f;
            unbekannt.Schichttyp = Schichttyp{byte};
            EXPECT_EQ(unbekannt.Aktion(summe), sprung.Aktion(summe)) << summe << " " << int(byte);
            EXPECT_EQ(unbekannt.Ableitung(), sprung.Ableitung()) << int(byte);
            unbekannt.BerechneOutput();
            sprung.BerechneOutput();
            EXPECT_EQ(unbekannt.Output, sprung.Output) << summe << " " << int(byte);
        }
    }
}

TEST(Neuron, UngueltigeWerteAusDateienWerdenGemeldet) {
    TNeuron n = mitSumme(1.0f, Aktionsfunktion::sigmoid);
    n.Theta = std::nanf("");
    EXPECT_EQ(fehlerText([&] { n.BerechneOutput(); }), gk::Ungueltig);
    TNeuron m = mitSumme(1.0f, Aktionsfunktion::sigmoid);
    m.SetzeGewicht(7, INFINITY);
    m.SetzeInput(7, 0.0f);
    EXPECT_EQ(fehlerText([&] { m.BerechneOutput(); }), gk::Ungueltig); // 0 * inf
}
