#include "gesamtfehler.h"

#include "fehler.h"
#include "probelauf.h"
#include "vektorregister.h"

namespace nervalo {

double Gesamtfehler(const TNetz& netz, const Lernzuordnung& zuordnung,
                    const Aufgabentabelle& tabelle) {
    if (tabelle.empty()) throw Fehler("Die Aufgabentabelle hat keine Zeile.");
    for (const Aufgabenzeile& zeile : tabelle) {
        if (static_cast<int>(zeile.size()) < zuordnung.Spaltenzahl())
            throw Fehler("Die Aufgabentabelle hat zu wenige Spalten.");
        for (int s = 0; s < zuordnung.Spaltenzahl(); ++s)
            if (!zeile[s]) throw Fehler("Nicht jede Zelle der Aufgabentabelle enthält eine Zahl.");
    }
    VektorregisterFreigeben();
    Probelauf lauf(netz);
    double summe = 0.0;
    for (const Aufgabenzeile& zeile : tabelle) {
        const TNetz& ergebnis = lauf.Rechne(
            [&](TNetz& kopie) { zuordnung.Anlegen(kopie, [&](int s) { return *zeile[s]; }); });
        summe += ergebnis.Fehler();
    }
    return summe / static_cast<double>(tabelle.size());
}

} // namespace nervalo
