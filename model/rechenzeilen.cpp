#include "rechenzeilen.h"

#include "rechenzahl.h"

namespace nervalo {
namespace {

const std::string Mal = " \u00b7 ";
const std::string Minuszeichen = std::string(" ") + Minus + " ";
const std::string Pfeil = "\u2192";
// More products than this are summed up in the formula instead of being written out.
constexpr std::size_t LangeFormel = 6;

// How the rows write numbers and names.
class Schrift {
  public:
    Schrift(const TNetz& netz, bool alleStellen) : netz_(netz), alle_(alleStellen) {}

    std::string zahl(float x) const { return RechenZahl(x, alle_); }
    // A number as an operand: in parentheses when it is negative.
    std::string operand(float x) const {
        std::string t = zahl(x);
        return t.rfind(Minus, 0) == 0 ? "(" + t + ")" : t;
    }
    std::string name(int i) const { return Neuronname(netz_, i); }
    std::string verbindung(int a, int b) const { return name(a) + Pfeil + name(b); }

    // "a · b + c · d"; "0" for no products.
    std::string produkte(const std::vector<Produkt>& p) const {
        if (p.empty()) return "0";
        std::string s;
        for (const Produkt& x : p)
            s += (s.empty() ? "" : " + ") + operand(x.wert) + Mal + operand(x.gewicht);
        return s;
    }
    // The same in symbols: wert(quelle) · w(quelle→ziel) for each product, or for a lot of them
    // the sum sign.
    std::string symbole(const std::vector<Produkt>& p, const std::string& wert, int ziel,
                        bool vonZiel) const {
        if (p.empty()) return "0";
        const auto term = [&](int k) {
            return wert + "(" + name(k) + ")" + Mal + "w(" +
                   (vonZiel ? verbindung(ziel, k) : verbindung(k, ziel)) + ")";
        };
        if (p.size() > LangeFormel)
            return "\u03a3 " + term(p.front().neuron) + " \u2026 " + term(p.back().neuron) + " (" +
                   std::to_string(p.size()) + " Summanden)";
        std::string s;
        for (const Produkt& x : p)
            s += (s.empty() ? "" : " + ") + term(x.neuron);
        return s;
    }

  private:
    const TNetz& netz_;
    bool alle_;
};

// The activation function's formula and its argument with the numbers put in; `s` is the input
// sum as text (the number, or "s" in the exercise).
struct Aktivierungstext {
    std::string formel, rechnung;
};
Aktivierungstext aktivierungstext(const Schrift& z, const TNeuron& n, const std::string& s) {
    const std::string d = s + Minuszeichen + z.operand(n.Theta);
    const std::string u = "(" + d + ")" + Mal + z.operand(n.Parameter);
    switch (n.Aktionsfunktion) {
    case Aktionsfunktion::sigmoid:
        return {"a = sigmoid((s \u2212 \u0398) \u00b7 P), sigmoid(x) = 1 / (1 + e^\u2212x)",
                "sigmoid(" + u + ")"};
    case Aktionsfunktion::tanh:
        return {"a = tanh((s \u2212 \u0398) \u00b7 P)", "tanh(" + u + ")"};
    case Aktionsfunktion::linear:
        return {"a = (s \u2212 \u0398) \u00b7 P, höchstens 1 und mindestens \u22121", u};
    case Aktionsfunktion::sprung:
        return {"a = 1, wenn s \u2212 \u0398 \u2265 0, sonst \u22121", "sprung(" + d + ")"};
    }
    return {"unbekannte Aktivierungsfunktion", ""};
}

} // namespace

std::string Ableitungsformel(Aktionsfunktion f) {
    switch (f) {
    case Aktionsfunktion::sigmoid:
        return "f'(s) = P \u00b7 a \u00b7 (1 \u2212 a)";
    case Aktionsfunktion::tanh:
        return "f'(s) = P \u00b7 (1 \u2212 a\u00b2)";
    case Aktionsfunktion::linear:
        return "f'(s) = P, wenn \u22121 < (s \u2212 \u0398) \u00b7 P < 1, sonst 0";
    case Aktionsfunktion::sprung:
        return "f'(s) = 0: die Sprungfunktion hat keine Steigung";
    }
    return "unbekannte Aktivierungsfunktion";
}

namespace {

// The derivative with the numbers put in; `a` is the activation as text.
std::string ableitungsrechnung(const Schrift& z, const TNeuron& n, const std::string& a) {
    switch (n.Aktionsfunktion) {
    case Aktionsfunktion::sigmoid:
        return z.operand(n.Parameter) + Mal + a + Mal + "(1" + Minuszeichen + a + ")";
    case Aktionsfunktion::tanh:
        return z.operand(n.Parameter) + Mal + "(1" + Minuszeichen + a + "\u00b2)";
    default:
        return "";
    }
}

Rechenabschnitt vorwaertsabschnitt(const Schrift& z, const TGrafikNeuron& n, const Rechenweg& weg,
                                   bool uebung) {
    const Vorwaertsrechnung& v = weg.vorwaerts;
    Rechenabschnitt a;
    a.titel = v.gewichteVorDemSchritt
                  ? "Vorwärts (mit den Gewichten vor der letzten Backpropagation)"
                  : "Vorwärts";
    if (v.eingabeneuron) {
        a.zeilen.push_back(
            {"Output o", "vorgegeben: ein Eingabeneuron rechnet nicht", "", v.output});
        return a;
    }
    a.zeilen.push_back({"Netzeingabe s", "s = " + z.symbole(v.produkte, "o", weg.neuron, false),
                        z.produkte(v.produkte), v.summe, Frage::Summe});

    const Aktivierungstext akt = aktivierungstext(z, n, uebung ? "s" : z.operand(v.summe));
    Rechenzeile aktivierung{"Aktivierung a", akt.formel, akt.rechnung, v.aktivierung};
    if (uebung) aktivierung.wert.reset();
    if (!v.fehler.empty()) aktivierung.rechnung += ": " + v.fehler;
    a.zeilen.push_back(aktivierung);

    Rechenzeile output{"Output o", "", "", v.ausgabe, v.ausgabe ? Frage::Output : Frage::Keine};
    const std::string wert = uebung || !v.aktivierung ? "a" : z.zahl(*v.aktivierung);
    switch (n.Outputfunktion) {
    case Outputfunktion::identisch:
        output.formel = "o = a (identisch)";
        output.rechnung = wert;
        break;
    case Outputfunktion::binaer:
        output.formel = "o = 1, wenn a \u2265 Xi, sonst 0 (binär)";
        output.rechnung = "binär(" + wert + ") mit Xi = " + z.zahl(n.Xi);
        break;
    default:
        output.formel = "unbekannte Outputfunktion";
    }
    a.zeilen.push_back(output);
    if (v.ausgabe && *v.ausgabe != v.output)
        a.zeilen.push_back({"Hinweis", "",
                            "Im Netz steht der Output " + z.zahl(v.output) +
                                " aus einer früheren Propagation; das Netz hat sich seither "
                                "geändert.",
                            std::nullopt});
    return a;
}

Rechenabschnitt rueckwaertsabschnitt(const Schrift& z, const TNetz& netz, const Rechenweg& weg,
                                     bool uebung) {
    Rechenabschnitt a;
    if (!weg.rueckwaerts) {
        a.titel = "Rückwärts";
        const char* text = !netz.Protokoll.vorhanden
                               ? "Noch kein Lernschritt: erst nach „Backpropagation“ oder einem "
                                 "Training."
                           : netz.Neuron(weg.neuron).Schichttyp == Schichttyp::Inputschicht
                               ? "Ein Eingabeneuron bekommt kein Delta und lernt nicht."
                               : "Dieses Neuron hatte am letzten Lernschritt keinen Anteil.";
        a.zeilen.push_back({"", "", text, std::nullopt});
        return a;
    }
    const Rueckwaertsrechnung& r = *weg.rueckwaerts;
    const TGrafikNeuron& n = netz.Neuron(weg.neuron);
    const int j = weg.neuron;
    a.titel = "Rückwärts: letzte Backpropagation mit der Lernrate \u03c3 = " + z.zahl(r.sigma);

    const std::string akt = uebung || !r.aktivierung ? "a" : z.operand(*r.aktivierung);
    Rechenzeile ableitung{"Ableitung f'(s)", Ableitungsformel(n.Aktionsfunktion),
                          ableitungsrechnung(z, n, akt), r.ableitung};
    if (uebung) ableitung.wert.reset();
    a.zeilen.push_back(ableitung);

    const std::string f = uebung ? "f'(s)" : z.operand(r.ableitung);
    Rechenzeile delta{"Delta \u03b4", "", "", r.delta, Frage::Delta};
    if (r.schichttyp == Schichttyp::Outputschicht) {
        delta.formel = "\u03b4 = f'(s) \u00b7 (Sollwert \u2212 o)";
        delta.rechnung = f + Mal + "(" + z.zahl(r.sollwert) + Minuszeichen +
                         (uebung ? "o" : z.operand(r.output)) + ")";
    } else {
        delta.formel = "\u03b4 = f'(s) \u00b7 (" + z.symbole(r.deltaprodukte, "\u03b4", j, true) +
                       "), mit den eben geänderten Gewichten";
        delta.rechnung = f + Mal + "(" + z.produkte(r.deltaprodukte) + ")";
        if (!uebung && r.deltaprodukte.size() > 1)
            delta.rechnung += " = " + f + Mal + z.operand(r.deltasumme);
    }
    a.zeilen.push_back(delta);

    for (const Gewichtsrechnung& g : r.gewichte) {
        Rechenzeile w{"Gewicht " + z.verbindung(g.quelle, j),
                      "w' = w + \u03c3 \u00b7 \u03b4 \u00b7 o(" + z.name(g.quelle) + ")",
                      "",
                      g.nachher,
                      Frage::Gewicht,
                      g.quelle};
        w.rechnung = z.zahl(g.vorher) + " + " + z.operand(r.sigma) + Mal +
                     (uebung ? "\u03b4" : z.operand(r.delta)) + Mal + z.operand(g.eingabe);
        if (!uebung) w.rechnung += " = " + z.zahl(g.vorher) + " + " + z.operand(g.aenderung);
        a.zeilen.push_back(w);
    }
    return a;
}

} // namespace

std::string Funktionsname(Aktionsfunktion f) {
    switch (f) {
    case Aktionsfunktion::sigmoid:
        return "sigmoid";
    case Aktionsfunktion::tanh:
        return "tanh";
    case Aktionsfunktion::linear:
        return "linear";
    case Aktionsfunktion::sprung:
        return "sprung";
    }
    return "unbekannt";
}

std::vector<Rechenabschnitt> Rechenzeilen(const TNetz& netz, const Rechenweg& weg, bool alleStellen,
                                          bool uebung) {
    const Schrift z(netz, alleStellen);
    return {vorwaertsabschnitt(z, netz.Neuron(weg.neuron), weg, uebung),
            rueckwaertsabschnitt(z, netz, weg, uebung)};
}

} // namespace nervalo
