// Comparing two nets bit for bit.
#include <array>
#include <cstring>
#include <type_traits>

#include "netz.h"

namespace nervalo {
namespace {

template <typename T> bool bitsGleich(const T& a, const T& b) {
    static_assert(std::is_trivially_copyable_v<T>);
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

bool slotsGleich(const Slotwerte& a, const Slotwerte& b) {
    using Werte = std::array<float, Slots>;
    return bitsGleich(static_cast<const Werte&>(a), static_cast<const Werte&>(b));
}

// Every field of a drawn neuron; a new field belongs here too.
bool neuronGleich(const TGrafikNeuron& a, const TGrafikNeuron& b) {
    return bitsGleich(a.Schichttyp, b.Schichttyp) && bitsGleich(a.Parameter, b.Parameter) &&
           bitsGleich(a.Theta, b.Theta) && bitsGleich(a.Aktionsfunktion, b.Aktionsfunktion) &&
           bitsGleich(a.Outputfunktion, b.Outputfunktion) && bitsGleich(a.Xi, b.Xi) &&
           a.LetzterInput == b.LetzterInput && slotsGleich(a.Inputs, b.Inputs) &&
           slotsGleich(a.Gewichte, b.Gewichte) && bitsGleich(a.Output, b.Output) &&
           bitsGleich(a.Sollwert, b.Sollwert) && a.Radius == b.Radius &&
           a.Textabstand == b.Textabstand && a.Randabstand == b.Randabstand && a.X == b.X &&
           a.Y == b.Y && a.Bezeichnung == b.Bezeichnung && a.Anzeige == b.Anzeige;
}

// Every field of the record of the last learning step.
bool protokollGleich(const Lernprotokoll& a, const Lernprotokoll& b) {
    return a.ausgerechnet == b.ausgerechnet && bitsGleich(a.vorwaertssumme, b.vorwaertssumme) &&
           bitsGleich(a.ueberschrieben, b.ueberschrieben) &&
           bitsGleich(a.eingabeDavor, b.eingabeDavor) && a.vorhanden == b.vorhanden &&
           a.vorwaertsDavor == b.vorwaertsDavor && a.anzahl == b.anzahl &&
           bitsGleich(a.sigma, b.sigma) && a.berechnet == b.berechnet &&
           bitsGleich(a.gelernt, b.gelernt) && bitsGleich(a.output, b.output) &&
           bitsGleich(a.schichttyp, b.schichttyp) && bitsGleich(a.sollwert, b.sollwert) &&
           bitsGleich(a.eingabesumme, b.eingabesumme) && bitsGleich(a.ableitung, b.ableitung) &&
           bitsGleich(a.deltasumme, b.deltasumme) && bitsGleich(a.vorher, b.vorher);
}

} // namespace

bool GleichBitweise(const TNetz& a, const TNetz& b) {
    if (a.Anzahl() != b.Anzahl() || !bitsGleich(a.Darstellung, b.Darstellung) ||
        !bitsGleich(a.Verbindungsmatrix, b.Verbindungsmatrix) ||
        !bitsGleich(a.Gewichtsmatrix, b.Gewichtsmatrix) || !bitsGleich(a.Delta, b.Delta) ||
        a.Gesichert != b.Gesichert || !bitsGleich(a.Netztyp, b.Netztyp) ||
        !protokollGleich(a.Protokoll, b.Protokoll))
        return false;
    for (int i = 0; i < a.Anzahl(); ++i)
        if (!neuronGleich(a.Neuron(i), b.Neuron(i))) return false;
    return true;
}

} // namespace nervalo
