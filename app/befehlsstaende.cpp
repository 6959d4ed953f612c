#include "befehlsstaende.h"

#include <utility>

namespace nervalo {

Befehlsstaende BefehleAbleiten(const Programmzustand& z) {
    using K = Kommando;
    Befehlsstaende b;
    const bool netz = z.netzfenster;
    // Learning tasks and patterns need neurons to give them to.
    const bool aufgaben = netz && z.neuronen > 0;
    // The net type rules out the other kind of task; an unknown type (from a damaged file)
    // counts as no type.
    const bool perzeptron = z.netztyp != Netztyp::Hopfield;
    const bool hopfield = z.netztyp != Netztyp::Perzeptron;
    // Weights are drawn only together with arrows.
    const bool pfeile = z.darstellung & PfeileZeigen;

    b[K::NetzSpeichern].aktiv = netz;
    b[K::Bearbeiten].aktiv = netz;
    b[K::BildSpeichern].aktiv = netz;
    b[K::Drucken].aktiv = netz;
    b[K::NeueLernaufgabe].aktiv = aufgaben;
    b[K::Perzeptronaufgabe].aktiv = perzeptron;
    b[K::Hopfieldaufgabe].aktiv = hopfield;
    b[K::PerzeptronKnopf].aktiv = aufgaben && perzeptron;
    b[K::HopfieldKnopf].aktiv = aufgaben && hopfield;
    b[K::AufgabeOeffnen].aktiv = aufgaben && perzeptron;
    b[K::AufgabeSpeichern].aktiv = z.aufgabenfenster;
    b[K::LetztesNeuronLoeschen].aktiv = aufgaben;
    b[K::HopfieldAnalyse].aktiv = aufgaben && hopfield;
    b[K::Pfeile].haken = pfeile;
    b[K::Gewichte] = {pfeile, static_cast<bool>(z.darstellung & GewichteZeigen)};
    b[K::Raster].haken = z.raster;
    b[K::Aenderungen] = {netz, z.aenderungen};
    b[K::Rechenweg].aktiv = netz;
    const bool karte = netz && z.eingaben == 2;
    b[K::Entscheidungskarte] = {karte, false, karte ? "" : KarteNurMitZweiEingaben};
    const std::pair<Kommando, int> tempi[] = {{K::TempoHoechstes, 0}, {K::Tempo1, 1},
                                              {K::Tempo2, 2},         {K::Tempo5, 5},
                                              {K::Tempo10, 10},       {K::Tempo50, 50}};
    for (const auto& [k, tempo] : tempi)
        b[k].haken = z.tempo == tempo;
    b[K::NeuronWerkzeug].haken = z.werkzeug == Werkzeug::Neuron;
    b[K::BewegeWerkzeug].haken = z.werkzeug == Werkzeug::Bewege;
    b[K::PfeilWerkzeug].haken = z.werkzeug == Werkzeug::Pfeil;
    b[K::DoppelPfeilWerkzeug].haken = z.werkzeug == Werkzeug::DoppelPfeil;

    // Steps back and forward wait for a command, loop or drag under way to end.
    const bool verlauf = netz && !z.aufzeichnung;
    b[K::Rueckgaengig].aktiv = verlauf && !z.rueckgaengig.empty();
    b[K::Wiederholen].aktiv = verlauf && !z.wiederholen.empty();
    b.rueckgaengig = z.rueckgaengig.empty() ? "Rückgängig" : "Rückgängig: " + z.rueckgaengig;
    b.wiederholen = z.wiederholen.empty() ? "Wiederholen" : "Wiederholen: " + z.wiederholen;

    b.werkzeugleiste = netz;
    b.netztyp = "Netztyp: -";
    if (netz && z.netztyp == Netztyp::Perzeptron) b.netztyp = "Netztyp: Perzeptron";
    if (netz && z.netztyp == Netztyp::Hopfield) b.netztyp = "Netztyp: Hopfield";
    return b;
}

} // namespace nervalo
