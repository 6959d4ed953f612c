#include "lernschritt.h"

namespace nervalo {

Lernergebnis Lernschritt(TNetz& netz, const Lernzuordnung& zuordnung, const Aufgabenwert& wert,
                         float sigma) {
    Lernergebnis e;
    e.eingabenAngenommen = zuordnung.Anlegen(netz, wert);
    netz.Propagiere();
    netz.Backpropagiere(sigma);
    e.fehler = netz.Fehler();
    return e;
}

} // namespace nervalo
