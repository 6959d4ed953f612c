#include "spezialnetze.h"

#include <memory>
#include <stdexcept>
#include <string>

#include "fehler.h"

namespace nervalo {
namespace {

// Refuses what the builders cannot build; throws before the net is touched.
void pruefe(const TNetz& netz, Netztyp netztyp, int wert1, int wert2, int wert3) {
    // The neuron numbers below start at 0: a caller that forgot to clear the net would get
    // connections between the wrong neurons.
    if (netz.Anzahl() != 0) throw std::logic_error("Das Netz ist nicht leer.");
    if (wert1 < 1 || wert2 < 1 || wert3 < 1)
        throw Fehler("Ein spezielles Netz braucht in jeder Schicht und jeder Gitterrichtung "
                     "mindestens ein Neuron.");
    if (GesamtzahlNeuronen(netztyp, wert1, wert2, wert3) > MaxNeuronen)
        throw Fehler(ZuVieleNeuronen);
}

// Appends a default neuron named after the count before it.
TGrafikNeuron& neuesNeuron(TNetz& netz, Schichttyp schicht, int x, int y) {
    auto n = std::make_unique<TGrafikNeuron>();
    n->Schichttyp = schicht;
    n->X = x;
    n->Y = y;
    n->Bezeichnung = "N" + std::to_string(netz.Anzahl());
    TGrafikNeuron& neu = *n;
    netz.Hinzufuegen(std::move(n));
    return neu;
}

} // namespace

long long GesamtzahlNeuronen(Netztyp netztyp, int wert1, int wert2, int wert3) {
    if (netztyp == Netztyp::Hopfield) return static_cast<long long>(wert1) * wert2;
    return static_cast<long long>(wert1) + wert2 + wert3;
}

void BauePerzeptron(TNetz& netz, int anzahlInput, int anzahlHidden, int anzahlOutput) {
    pruefe(netz, Netztyp::Perzeptron, anzahlInput, anzahlHidden, anzahlOutput);
    netz.Netztyp = Netztyp::Perzeptron;
    netz.Darstellung = GewichteZeigen | PfeileZeigen;
    for (int k = 1; k <= anzahlInput; ++k)
        neuesNeuron(netz, Schichttyp::Inputschicht, 80, 70 * k);
    for (int k = 1; k <= anzahlHidden; ++k)
        neuesNeuron(netz, Schichttyp::Hiddenschicht, 230, 70 * k);
    for (int k = 1; k <= anzahlOutput; ++k)
        neuesNeuron(netz, Schichttyp::Outputschicht, 380, 70 * k);

    const int ersterHidden = anzahlInput;
    const int ersterOutput = anzahlInput + anzahlHidden;
    const int ende = ersterOutput + anzahlOutput;
    for (int i = 0; i < ersterHidden; ++i)
        for (int j = ersterHidden; j < ersterOutput; ++j)
            netz.Verbinde(i, j);
    for (int i = ersterHidden; i < ersterOutput; ++i)
        for (int j = ersterOutput; j < ende; ++j)
            netz.Verbinde(i, j);
}

void BaueHopfieldGitter(TNetz& netz, int spalten, int zeilen) {
    pruefe(netz, Netztyp::Hopfield, spalten, zeilen, 1);
    netz.Netztyp = Netztyp::Hopfield;
    for (int c = 1; c <= spalten; ++c)
        for (int r = 1; r <= zeilen; ++r)
            neuesNeuron(netz, Schichttyp::Hiddenschicht, 70 * c, 70 * r).Aktionsfunktion =
                Aktionsfunktion::sprung;

    const int n = spalten * zeilen;
    for (int i = 0; i < n; ++i)
        for (int j = i; j < n; ++j)
            netz.VerbindeBeide(i, j);
    netz.Darstellung = 0;
}

} // namespace nervalo
