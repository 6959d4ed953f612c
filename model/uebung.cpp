#include "uebung.h"

#include <cmath>
#include <optional>
#include <string_view>

#include "fehler.h"
#include "gleitkomma.h"
#include "rechenzahl.h"
#include "zahltext.h"

namespace nervalo {
namespace {

constexpr std::string_view MinusUtf8 = "\u2212";

// A typed number: its exact decimal value and how many decimals were typed.
struct Getippt {
    Dezimalzahl zahl;
    int nachkomma = 0;
};

bool istZiffer(char c) {
    return c >= '0' && c <= '9';
}

// [sign] digits [(,|.) digits] with blanks around; the sign may be the minus sign U+2212.
std::optional<Getippt> lies(std::string_view t, Bewertung& fehler) {
    fehler = Bewertung::KeineZahl;
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (t.empty()) {
        fehler = Bewertung::Leer;
        return std::nullopt;
    }
    Getippt g;
    if (t.front() == '+' || t.front() == '-') {
        g.zahl.negativ = t.front() == '-';
        t.remove_prefix(1);
    } else if (t.starts_with(MinusUtf8)) {
        g.zahl.negativ = true;
        t.remove_prefix(MinusUtf8.size());
    }
    std::string vorKomma, nachKomma;
    while (!t.empty() && istZiffer(t.front())) {
        vorKomma += t.front();
        t.remove_prefix(1);
    }
    if (!t.empty() && (t.front() == ',' || t.front() == '.')) {
        t.remove_prefix(1);
        while (!t.empty() && istZiffer(t.front())) {
            nachKomma += t.front();
            t.remove_prefix(1);
        }
    }
    if (!t.empty() || vorKomma.size() + nachKomma.size() == 0) return std::nullopt;
    g.nachkomma = static_cast<int>(nachKomma.size());
    if (g.nachkomma < 2) {
        fehler = Bewertung::ZuWenigStellen;
        return std::nullopt;
    }
    // d1 d2 ... × 10^exponent with the leading and trailing zeros taken off.
    const std::string alle = vorKomma + nachKomma;
    const std::size_t erste = alle.find_first_not_of('0');
    if (erste == std::string::npos) return g;
    g.zahl.exponent = static_cast<int>(vorKomma.size()) - 1 - static_cast<int>(erste);
    g.zahl.ziffern = alle.substr(erste);
    g.zahl.ziffern.erase(g.zahl.ziffern.find_last_not_of('0') + 1);
    return g;
}

bool gleich(const Dezimalzahl& a, const Dezimalzahl& b) {
    if (a.istNull() || b.istNull()) return a.istNull() && b.istNull();
    return a.negativ == b.negativ && a.ziffern == b.ziffern && a.exponent == b.exponent;
}

bool passt(const std::string& text, float wert) {
    return Bewerte(text, wert) == Bewertung::Richtig;
}

// A value of the model's arithmetic for a hint; none when it faults.
template <class F> std::optional<float> versuche(F&& f) {
    try {
        return f();
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

bool passt(const std::string& text, std::optional<float> wert) {
    return wert && passt(text, *wert);
}

std::string zahl(float x) {
    return RechenZahl(x, false);
}

// What the hints know of the answers checked before.
struct Stand {
    bool summeRichtig = false, summeFalsch = false, outputFalsch = false, deltaFalsch = false;
};

std::string summenhinweis(const TNetz& netz, const Rechenweg& weg, const std::string& text) {
    const Vorwaertsrechnung& v = weg.vorwaerts;
    for (std::size_t k = 0; k < v.produkte.size(); ++k) {
        std::vector<Produkt> ohne = v.produkte;
        ohne.erase(ohne.begin() + static_cast<std::ptrdiff_t>(k));
        if (!passt(text, versuche([&] { return Produktsumme(ohne); }))) continue;
        const Produkt& p = v.produkte[k];
        return "Ein Produkt fehlt: o(" + Neuronname(netz, p.neuron) +
               ") \u00b7 w = " + zahl(p.wert) + " \u00b7 " + zahl(p.gewicht) + ".";
    }
    if (v.gewichteVorDemSchritt &&
        passt(text, versuche([&] { return netz.Neuron(weg.neuron).Inputsumme(netz.Anzahl()); })))
        return "Das ist die Summe mit den neuen Gewichten. Der Output stammt aus der Propagation "
               "vor der Backpropagation: mit den Gewichten davor rechnen.";
    return "Die Summe stimmt nicht: jede Eingabe mit ihrem Gewicht malnehmen und alle Produkte "
           "addieren.";
}

std::string outputhinweis(const TNetz& netz, const Rechenweg& weg, const std::string& text,
                          const Stand& stand) {
    const Vorwaertsrechnung& v = weg.vorwaerts;
    const TGrafikNeuron& n = netz.Neuron(weg.neuron);
    if (passt(text, v.summe))
        return "Der Output ist nicht die Summe selbst: die Aktivierungsfunktion fehlt.";
    if (n.Outputfunktion == Outputfunktion::binaer && passt(text, v.aktivierung))
        return "Das ist die Aktivierung a; die Outputfunktion binär macht daraus 0 oder 1.";
    if (n.Theta != 0.0f) {
        TNeuron ohneTheta = n;
        ohneTheta.Theta = 0.0f;
        if (passt(text, versuche([&] { return ohneTheta.Ausgabe(ohneTheta.Aktion(v.summe)); })))
            return "\u0398 = " + zahl(n.Theta) + " nicht vergessen: erst \u0398 von s abziehen.";
    }
    if (stand.summeFalsch) return "Der Output folgt aus der Summe s: erst s prüfen.";
    const std::string funktionen = "die Aktivierungsfunktion " + Funktionsname(n.Aktionsfunktion) +
                                   " (mit \u0398 = " + zahl(n.Theta) +
                                   " und P = " + zahl(n.Parameter) + ") oder die Outputfunktion";
    return stand.summeRichtig
               ? "Die Summe stimmt, aber " + funktionen + " ergibt einen anderen Wert."
               : "Prüfe " + funktionen + ".";
}

std::string deltahinweis(const TNetz& netz, const Rechenweg& weg, const std::string& text,
                         const Stand& stand) {
    const Rueckwaertsrechnung& r = *weg.rueckwaerts;
    if (r.schichttyp == Schichttyp::Outputschicht) {
        if (r.delta != 0.0f && passt(text, -r.delta))
            return "Vorzeichen: Sollwert minus Output, nicht umgekehrt.";
        if (r.ableitung != 1.0f &&
            passt(text, versuche([&] { return gk::speichere(gk::sub(r.sollwert, r.output)); })))
            return "Noch mit der Ableitung f'(s) malnehmen: \u03b4 = f'(s) \u00b7 (Sollwert \u2212 "
                   "o).";
        if (stand.outputFalsch) return "Das Delta braucht den Output o: erst o prüfen.";
        return "Für ein Outputneuron gilt \u03b4 = f'(s) \u00b7 (Sollwert \u2212 o) mit " +
               Ableitungsformel(netz.Neuron(weg.neuron).Aktionsfunktion) + ".";
    }
    if (r.ableitung != 1.0f && passt(text, r.deltasumme))
        return "Noch mit der Ableitung f'(s) malnehmen.";
    return "Für ein verdecktes Neuron gilt \u03b4 = f'(s) \u00b7 (Summe aus \u03b4 \u00b7 w der "
           "folgenden Neuronen), mit den eben geänderten Gewichten.";
}

std::string gewichtshinweis(const TNetz& netz, const Gewichtsrechnung& g, const std::string& text,
                            const Stand& stand) {
    if (passt(text, g.vorher))
        return "Das ist noch das alte Gewicht: \u03c3 \u00b7 \u03b4 \u00b7 o dazuzählen.";
    if (g.aenderung != g.nachher && passt(text, g.aenderung))
        return "Das ist nur die Änderung \u03c3 \u00b7 \u03b4 \u00b7 o; das alte Gewicht "
               "dazuzählen.";
    if (stand.deltaFalsch) return "Das neue Gewicht hängt vom Delta ab: erst \u03b4 prüfen.";
    return "Neues Gewicht = altes Gewicht + Lernrate \u00b7 Delta \u00b7 Eingabe o(" +
           Neuronname(netz, g.quelle) + ").";
}

} // namespace

Bewertung Bewerte(const std::string& eingabe, float wert) {
    Bewertung fehler = Bewertung::KeineZahl;
    const std::optional<Getippt> g = lies(eingabe, fehler);
    if (!g) return fehler;
    if (!std::isfinite(wert)) return Bewertung::Falsch;
    const Dezimalzahl gerundet = rundeAufNachkommastellen(exaktDezimal(wert), g->nachkomma);
    return gleich(g->zahl, gerundet) ? Bewertung::Richtig : Bewertung::Falsch;
}

std::vector<Pruefung> Pruefe(const TNetz& netz, const Rechenweg& weg,
                             const std::vector<Antwort>& antworten) {
    std::vector<Pruefung> ergebnis;
    Stand stand;
    for (const Antwort& a : antworten) {
        const Gewichtsrechnung* gewicht = nullptr;
        std::optional<float> wert;
        switch (a.frage) {
        case Frage::Summe:
            if (!weg.vorwaerts.eingabeneuron) wert = weg.vorwaerts.summe;
            break;
        case Frage::Output:
            wert = weg.vorwaerts.ausgabe;
            break;
        case Frage::Delta:
            if (weg.rueckwaerts) wert = weg.rueckwaerts->delta;
            break;
        case Frage::Gewicht:
            if (weg.rueckwaerts)
                for (const Gewichtsrechnung& g : weg.rueckwaerts->gewichte)
                    if (g.quelle == a.quelle) gewicht = &g;
            if (gewicht) wert = gewicht->nachher;
            break;
        case Frage::Keine:
            break;
        }
        Pruefung p;
        p.bewertung = wert ? Bewerte(a.text, *wert) : Bewertung::Falsch;
        switch (p.bewertung) {
        case Bewertung::KeineZahl:
            p.hinweis = "Das ist keine Zahl: bitte eine Zahl wie 0,25 eintragen.";
            break;
        case Bewertung::ZuWenigStellen:
            p.hinweis = "Bitte mit mindestens zwei Nachkommastellen eintragen, zum Beispiel 1,00.";
            break;
        case Bewertung::Falsch:
            if (!wert)
                p.hinweis = "Hier gibt es nichts zu rechnen.";
            else if (a.frage == Frage::Summe)
                p.hinweis = summenhinweis(netz, weg, a.text);
            else if (a.frage == Frage::Output)
                p.hinweis = outputhinweis(netz, weg, a.text, stand);
            else if (a.frage == Frage::Delta)
                p.hinweis = deltahinweis(netz, weg, a.text, stand);
            else
                p.hinweis = gewichtshinweis(netz, *gewicht, a.text, stand);
            break;
        case Bewertung::Leer:
        case Bewertung::Richtig:
            break;
        }
        const bool falsch = p.bewertung != Bewertung::Richtig && p.bewertung != Bewertung::Leer;
        if (a.frage == Frage::Summe) {
            stand.summeRichtig = p.bewertung == Bewertung::Richtig;
            stand.summeFalsch = falsch;
        }
        if (a.frage == Frage::Output) stand.outputFalsch = falsch;
        if (a.frage == Frage::Delta) stand.deltaFalsch = falsch;
        ergebnis.push_back(std::move(p));
    }
    return ergebnis;
}

} // namespace nervalo
