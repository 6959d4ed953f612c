#include "arbeitsblatt.h"

#include "fehler.h"
#include "rechenweg.h"
#include "rechenzahl.h"
#include "rechenzeilen.h"

namespace nervalo {
namespace {

const char* const Kopf = R"(<!DOCTYPE html>
<html lang="de">
<head>
<meta charset="utf-8">
<title>Arbeitsblatt: Rechenweg</title>
<style>
@page { size: A4; margin: 15mm; }
body { font-family: "DejaVu Sans", Arial, sans-serif; font-size: 10pt; color: #000; }
h1 { font-size: 16pt; margin: 0 0 3mm 0; }
h2 { font-size: 12pt; margin: 5mm 0 2mm 0; }
img.netz { display: block; max-width: 100%; max-height: 95mm; margin: 0 auto 3mm auto; }
table { border-collapse: collapse; width: 100%; margin-bottom: 4mm; break-inside: avoid;
        page-break-inside: avoid; }
th, td { border: 1px solid #444; padding: 1.5mm; text-align: left; vertical-align: top; }
th.abschnitt { background: #eee; }
td.feld { width: 30mm; height: 7mm; }
.loesungen { break-before: page; page-break-before: always; }
</style>
</head>
<body>
)";

std::string tabelle(const TNetz& netz, int i, bool loesung) {
    const Rechenweg weg = BerechneRechenweg(netz, i);
    std::string s = "<h2>" + HtmlText(Neuronname(netz, i)) +
                    "</h2>\n<table>\n<tr><th>Größe</th>"
                    "<th>Formel</th><th>Rechnung</th><th>Ergebnis</th></tr>\n";
    for (const Rechenabschnitt& a : Rechenzeilen(netz, weg, false, !loesung)) {
        s += "<tr><th class=\"abschnitt\" colspan=\"4\">" + HtmlText(a.titel) + "</th></tr>\n";
        for (const Rechenzeile& z : a.zeilen) {
            // On the sheet every result is the pupil's to fill in, but a given value.
            const bool gegeben = z.wert && (loesung || z.frage == Frage::Keine);
            s += "<tr><td>" + HtmlText(z.groesse) + "</td><td>" + HtmlText(z.formel) + "</td><td>" +
                 HtmlText(z.rechnung) + "</td><td class=\"feld\">" +
                 (gegeben ? "= " + HtmlText(RechenZahl(*z.wert, false)) : "") + "</td></tr>\n";
        }
    }
    return s + "</table>\n";
}

std::string ohneRand(const std::string& t) {
    const auto a = t.find_first_not_of(" \t");
    if (a == std::string::npos) return "";
    return t.substr(a, t.find_last_not_of(" \t") - a + 1);
}

} // namespace

std::string HtmlText(const std::string& text) {
    std::string s;
    for (char c : text) {
        switch (c) {
        case '&':
            s += "&amp;";
            break;
        case '<':
            s += "&lt;";
            break;
        case '>':
            s += "&gt;";
            break;
        case '"':
            s += "&quot;";
            break;
        case '\'':
            s += "&#39;";
            break;
        default:
            s += c;
        }
    }
    return s;
}

std::string Arbeitsblatt(const TNetz& netz, const std::vector<int>& neuronen,
                         const std::string& bildUrl) {
    std::string s = Kopf;
    s += "<h1>Arbeitsblatt: Rechenweg</h1>\n"
         "<p>Name: ______________________ &nbsp; Datum: ______________</p>\n"
         "<p>Berechne die leeren Felder mit dem Netz im Bild, mit mindestens zwei "
         "Nachkommastellen.</p>\n";
    s += "<img class=\"netz\" alt=\"Das Netz\" src=\"" + HtmlText(bildUrl) + "\">\n";
    for (int i : neuronen)
        s += tabelle(netz, i, false);
    s += "<div class=\"loesungen\">\n<h1>Lösungen</h1>\n";
    for (int i : neuronen)
        s += tabelle(netz, i, true);
    return s + "</div>\n</body>\n</html>\n";
}

std::vector<int> NeuronenAusText(const TNetz& netz, const std::string& text) {
    std::vector<int> neuronen;
    if (ohneRand(text) == "alle") {
        for (int i = 0; i < netz.Anzahl(); ++i)
            neuronen.push_back(i);
        return neuronen;
    }
    std::size_t beginn = 0;
    while (beginn <= text.size()) {
        const std::size_t ende = std::min(text.find(',', beginn), text.size());
        const std::string name = ohneRand(text.substr(beginn, ende - beginn));
        beginn = ende + 1;
        if (name.empty()) continue;
        int gefunden = -1;
        for (int i = 0; i < netz.Anzahl() && gefunden < 0; ++i)
            if (Neuronname(netz, i) == name) gefunden = i;
        if (gefunden < 0) throw Fehler("Im Netz gibt es kein Neuron „" + name + "“.");
        neuronen.push_back(gefunden);
    }
    return neuronen;
}

} // namespace nervalo
