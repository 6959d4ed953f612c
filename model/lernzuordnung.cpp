#include "lernzuordnung.h"

#include <string>

#include "fehler.h"

namespace nervalo {

Lernzuordnung Lernzuordnung::AusNetz(const TNetz& netz) {
    Lernzuordnung z;
    for (int i = 0; i < netz.Anzahl(); ++i) {
        switch (netz.Neuron(i).Schichttyp) {
        case Schichttyp::Inputschicht:
            ++z.AnzahlInput;
            break;
        case Schichttyp::Hiddenschicht:
            ++z.AnzahlHidden;
            break;
        case Schichttyp::Outputschicht:
            ++z.AnzahlOutput;
            break;
        }
        // A kind this program doesn't know (from a damaged file) has no column.
    }
    return z;
}

TGrafikNeuron& Lernzuordnung::neuronIn(TNetz& netz, int spalte) const {
    // The net can change between two steps (and while a message box of a step is open).
    const int i = Neuron(spalte);
    if (i >= netz.Anzahl()) {
        const int noetig =
            AnzahlOutput > 0 ? AnzahlInput + AnzahlHidden + AnzahlOutput : AnzahlInput;
        throw Fehler("Das Netz passt nicht mehr zur Lernaufgabe: Die Tabelle braucht " +
                     std::to_string(noetig) + " Neuronen, das Netz hat nur noch " +
                     std::to_string(netz.Anzahl()) + ".");
    }
    return netz.Neuron(i);
}

bool Lernzuordnung::Anlegen(TNetz& netz, const Aufgabenwert& wert) const {
    bool angenommen = true;
    for (int s = 0; s < AnzahlInput; ++s) {
        const float v = wert(s);
        TGrafikNeuron& neuron = neuronIn(netz, s);
        angenommen = angenommen && neuron.Schichttyp == Schichttyp::Inputschicht;
        neuron.SetzeOutput(v);
    }
    for (int s = AnzahlInput; s < Spaltenzahl(); ++s) {
        const float v = wert(s);
        neuronIn(netz, s).Sollwert = v;
    }
    return angenommen;
}

} // namespace nervalo
