#pragma once
// Test helper: every bit of a net as a string, field by field, written independently of the net's
// own copy and comparison, for checking that a net was restored bit for bit.
#include <array>
#include <string>

#include "netz.h"

namespace nervalo::test {

template <class T> inline void anhaengen(std::string& s, const T& wert) {
    s.append(reinterpret_cast<const char*>(&wert), sizeof wert);
}

inline std::string abdruck(const TNetz& netz) {
    std::string s;
    anhaengen(s, netz.Darstellung);
    anhaengen(s, netz.Verbindungsmatrix);
    anhaengen(s, netz.Gewichtsmatrix);
    anhaengen(s, netz.Delta);
    anhaengen(s, netz.Gesichert);
    anhaengen(s, netz.Netztyp);
    const Lernprotokoll& p = netz.Protokoll;
    anhaengen(s, p.vorhanden);
    anhaengen(s, p.vorwaertsDavor);
    anhaengen(s, p.anzahl);
    anhaengen(s, p.sigma);
    anhaengen(s, p.berechnet);
    anhaengen(s, p.gelernt);
    anhaengen(s, p.output);
    anhaengen(s, p.schichttyp);
    anhaengen(s, p.sollwert);
    anhaengen(s, p.eingabesumme);
    anhaengen(s, p.ableitung);
    anhaengen(s, p.deltasumme);
    anhaengen(s, p.vorher);
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        anhaengen(s, n.Schichttyp);
        anhaengen(s, n.Parameter);
        anhaengen(s, n.Theta);
        anhaengen(s, n.Aktionsfunktion);
        anhaengen(s, n.Outputfunktion);
        anhaengen(s, n.Xi);
        anhaengen(s, n.LetzterInput);
        anhaengen(s, static_cast<const std::array<float, Slots>&>(n.Inputs));
        anhaengen(s, static_cast<const std::array<float, Slots>&>(n.Gewichte));
        anhaengen(s, n.Output);
        anhaengen(s, n.Sollwert);
        for (int wert : {n.Radius, n.Textabstand, n.Randabstand, n.X, n.Y})
            anhaengen(s, wert);
        anhaengen(s, n.Anzeige);
        s += n.Bezeichnung;
        s += '\0';
    }
    return s;
}

} // namespace nervalo::test
