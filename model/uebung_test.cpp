#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "testhilfe.h"
#include "uebung.h"

using namespace nervalo;
using test::neuesNeuron;

TEST(Uebung, BewertungAnDenRundungsgrenzen) {
    // 0.125 is exact as a float: rounded half away from zero it is 0.13, as the drawing shows
    // it, so "0,13" is right and "0,12" is wrong. The float just below 0.125 rounds to 0.12.
    const float knappDarunter = std::nextafter(0.125f, 0.0f);
    const struct {
        float wert;
        const char* text;
        Bewertung b;
    } faelle[] = {
        {0.125f, "0,13", Bewertung::Richtig},
        {0.125f, "0,12", Bewertung::Falsch},
        {0.125f, "0.13", Bewertung::Richtig},
        {0.125f, "0,125", Bewertung::Richtig},
        {0.125f, " 0,13 ", Bewertung::Richtig},
        {0.125f, "+0,13", Bewertung::Richtig},
        {0.125f, ",13", Bewertung::Richtig},
        {knappDarunter, "0,13", Bewertung::Falsch},
        {knappDarunter, "0,12", Bewertung::Richtig},
        {knappDarunter, "0,125", Bewertung::Richtig},
        {-0.125f, "-0,13", Bewertung::Richtig},
        {-0.125f, "\u22120,13", Bewertung::Richtig},
        {-0.125f, "0,13", Bewertung::Falsch},
        {-0.004f, "0,00", Bewertung::Richtig},
        {0.004f, "-0,00", Bewertung::Richtig},
        // The float nearest 0.005 lies just below it.
        {0.005f, "0,01", Bewertung::Falsch},
        {0.005f, "0,00", Bewertung::Richtig},
        {1.0f, "1,00", Bewertung::Richtig},
        {1.0f, "1,0", Bewertung::ZuWenigStellen},
        {1.0f, "1", Bewertung::ZuWenigStellen},
        {0.1f, "0,1000000015", Bewertung::Richtig},
        {0.1f, "0,1000000014", Bewertung::Falsch},
        {0.5f, "", Bewertung::Leer},
        {0.5f, "   ", Bewertung::Leer},
        {0.5f, "abc", Bewertung::KeineZahl},
        {0.5f, "0,5a", Bewertung::KeineZahl},
        {0.5f, "0,50,0", Bewertung::KeineZahl},
        {0.5f, "--0,50", Bewertung::KeineZahl},
        {0.5f, "5E-1", Bewertung::KeineZahl},
        {0.5f, "-", Bewertung::KeineZahl},
        {0.5f, ",", Bewertung::KeineZahl},
        {std::numeric_limits<float>::quiet_NaN(), "0,00", Bewertung::Falsch},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Bewerte(f.text, f.wert), f.b) << "'" << f.text << "' für " << f.wert;
}

TEST(Uebung, HinweiseZeigenAufDenFehler) {
    // N0 (1) and N1 (0.5) -> N2 -> N3 (output, target 1); N2 with a threshold.
    TNetz netz;
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = 1.0f;
    neuesNeuron(netz, 0, 0, Schichttyp::Inputschicht).Output = 0.5f;
    neuesNeuron(netz, 0, 0).Theta = 0.5f;
    neuesNeuron(netz, 0, 0, Schichttyp::Outputschicht).Sollwert = 1.0f;
    const struct {
        int a, b;
        float w;
    } gewichte[] = {{0, 2, 0.5f}, {1, 2, 1.0f}, {2, 3, 2.0f}};
    for (const auto& g : gewichte) {
        netz.Verbinde(g.a, g.b);
        netz.SetzeGewicht(g.a, g.b, g.w);
    }
    netz.Propagiere();
    netz.Backpropagiere(1.0f);
    const Rechenweg n2 = BerechneRechenweg(netz, 2);
    const Rechenweg n3 = BerechneRechenweg(netz, 3);
    // N2: s = 1 * 0.5 + 0.5 * 1 = 1, a = sigmoid(0.5) = 0.62; without the threshold 0.73.
    // N3: s = 0.62 * 2 = 1.24, o = 0.78, f' = 0.17, delta = 0.17 * 0.22 = 0.04.
    const auto hinweis = [&](const Rechenweg& weg, std::vector<Antwort> antworten) {
        return Pruefe(netz, weg, antworten).back();
    };
    const struct {
        const char* was;
        Pruefung p;
        Bewertung b;
        const char* beginn;
    } faelle[] = {
        {"Summe richtig", hinweis(n2, {{Frage::Summe, -1, "1,00"}}), Bewertung::Richtig, ""},
        {"ein Produkt fehlt", hinweis(n2, {{Frage::Summe, -1, "0,50"}}), Bewertung::Falsch,
         "Ein Produkt fehlt: o(N0)"},
        {"Summe falsch", hinweis(n2, {{Frage::Summe, -1, "1,70"}}), Bewertung::Falsch,
         "Die Summe stimmt nicht"},
        {"Output ist die Summe",
         hinweis(n2, {{Frage::Summe, -1, "1,00"}, {Frage::Output, -1, "1,00"}}), Bewertung::Falsch,
         "Der Output ist nicht die Summe selbst"},
        {"Theta vergessen", hinweis(n2, {{Frage::Summe, -1, "1,00"}, {Frage::Output, -1, "0,73"}}),
         Bewertung::Falsch, "\u0398 = 0,50 nicht vergessen"},
        {"Summe stimmt, Output nicht",
         hinweis(n2, {{Frage::Summe, -1, "1,00"}, {Frage::Output, -1, "0,70"}}), Bewertung::Falsch,
         "Die Summe stimmt, aber die Aktivierungsfunktion sigmoid"},
        {"Output nach falscher Summe",
         hinweis(n2, {{Frage::Summe, -1, "1,10"}, {Frage::Output, -1, "0,70"}}), Bewertung::Falsch,
         "Der Output folgt aus der Summe s"},
        {"Output richtig", hinweis(n2, {{Frage::Output, -1, "0,62"}}), Bewertung::Richtig, ""},
        {"Delta mit falschem Vorzeichen", hinweis(n3, {{Frage::Delta, -1, "-0,04"}}),
         Bewertung::Falsch, "Vorzeichen"},
        {"Delta ohne Ableitung", hinweis(n3, {{Frage::Delta, -1, "0,22"}}), Bewertung::Falsch,
         "Noch mit der Ableitung"},
        {"Delta nach falschem Output",
         hinweis(n3, {{Frage::Output, -1, "0,50"}, {Frage::Delta, -1, "0,09"}}), Bewertung::Falsch,
         "Das Delta braucht den Output"},
        {"altes Gewicht", hinweis(n3, {{Frage::Gewicht, 2, "2,00"}}), Bewertung::Falsch,
         "Das ist noch das alte Gewicht"},
        {"nur die Änderung", hinweis(n3, {{Frage::Gewicht, 2, "0,02"}}), Bewertung::Falsch,
         "Das ist nur die Änderung"},
        {"Gewicht nach falschem Delta",
         hinweis(n3, {{Frage::Delta, -1, "0,50"}, {Frage::Gewicht, 2, "2,50"}}), Bewertung::Falsch,
         "Das neue Gewicht hängt vom Delta ab"},
        {"Buchstaben", hinweis(n3, {{Frage::Gewicht, 2, "zwei"}}), Bewertung::KeineZahl,
         "Das ist keine Zahl"},
        {"zu wenig Stellen", hinweis(n3, {{Frage::Delta, -1, "0,0"}}), Bewertung::ZuWenigStellen,
         "Bitte mit mindestens zwei Nachkommastellen"},
        {"leer", hinweis(n3, {{Frage::Delta, -1, ""}}), Bewertung::Leer, ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.was);
        EXPECT_EQ(f.p.bewertung, f.b);
        EXPECT_EQ(f.p.hinweis.substr(0, std::string(f.beginn).size()), f.beginn) << f.p.hinweis;
        if (f.b == Bewertung::Richtig || f.b == Bewertung::Leer) {
            EXPECT_EQ(f.p.hinweis, "");
        }
    }
}
