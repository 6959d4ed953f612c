#include "lernschritt.h"

#include "vektorregister.h"

namespace nervalo {

Lernergebnis Lernschritt(TNetz& netz, const Lernzuordnung& zuordnung, const Aufgabenwert& wert,
                         float sigma) {
    VektorregisterFreigeben(); // the program's drawing between two steps may have left them in use
    Lernergebnis e;
    e.eingabenAngenommen = zuordnung.Anlegen(netz, wert);
    netz.Propagiere();
    netz.Backpropagiere(sigma);
    e.fehler = netz.Fehler();
    return e;
}

} // namespace nervalo
