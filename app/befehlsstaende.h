#pragma once
// Which commands of the main window are available and checked, derived from the program's state
// alone. The main window applies the result to its menu items and tool buttons after every
// command and after every change that a window reports; no command enables or checks anything
// itself. A new command is one more Kommando, its menu item or button in Hauptbedienung, its
// handler in TMainForm::befehleVerbinden and, unless it is always available, its line in
// BefehleAbleiten.
#include <array>
#include <cstdint>
#include <string>

#include "editorumgebung.h"
#include "netz.h"

namespace nervalo {

// The commands, each with the menu item and tool button that start it.
enum class Kommando {
    NeuesNetz,             // NetzBtn, "Neues Netz"
    NetzOeffnen,           // NetzLadenBtn, "Netz öffnen"
    NetzSpeichern,         // NetzSpeichernBtn, "Netz speichern unter ..."
    NeueLernaufgabe,       // the submenu "Neue Lernaufgabe"
    Perzeptronaufgabe,     // its item "3-schichtiges Perzeptron"
    Hopfieldaufgabe,       // its item "Hopfield-Netz"
    PerzeptronKnopf,       // TrainiereBtn: the submenu and its first item together
    HopfieldKnopf,         // HopfieldBtn: the submenu and its second item together
    AufgabeOeffnen,        // AufgLadenBtn, "Lernaufgabe öffnen"
    AufgabeSpeichern,      // AufgSpeichernBtn, "Lernaufgabe speichern unter..."
    Beenden,               // "Beenden"
    Bearbeiten,            // the menu "Bearbeiten"
    Propagieren,           // VorBtn, "Netz propagieren"
    Backpropagieren,       // BackBtn, "Netz backpropagieren"
    LetztesNeuronLoeschen, // "Letztes Neuron löschen"
    NetzLoeschen,          // NetzLoeschenBtn, "Netz löschen"
    NetztypFestlegen,      // "Netztyp festlegen"
    Zufallsgewichte,       // ZufallBtn, "Gewichte zufällig belegen"
    SigmaFestlegen,        // SigmaBtn, "Sigma festlegen"
    SpezielleNetze,        // NetztypBtn, "Spezielle Netze"
    Kopieren,              // KopierenBtn, "Kopieren"
    Pfeile,                // "Pfeile"
    Gewichte,              // "Gewichte"
    Raster,                // "an Raster ausrichten"
    HopfieldAnalyse,       // "Hopfield-Analyse"
    Lernkurve,             // "Lernkurve"
    Entscheidungskarte,    // "Entscheidungskarte"
    TempoHoechstes,        // "Trainingstempo" › "Höchstes Tempo"
    Tempo1,                // … › "1 Schritt pro Sekunde"
    Tempo2,                // … › "2 Schritte pro Sekunde", and so on
    Tempo5,
    Tempo10,
    Tempo50,
    NeuronWerkzeug, // the four mode buttons
    BewegeWerkzeug,
    PfeilWerkzeug,
    DoppelPfeilWerkzeug,
    TestNeuron,    // EinNeuronBtn, "Neuron"
    Tutorium,      // "Tutorium"
    Info,          // "Info ..."
    BildSpeichern, // "Bild speichern unter..."
    Drucken,       // "Drucken..."
    Rueckgaengig,  // "Rückgängig" (Ctrl+Z)
    Wiederholen,   // "Wiederholen" (Ctrl+Y)
    Aenderungen,   // "Änderungen"
    Rechenweg,     // "Rechenweg"
    Anzahl
};

// What the availability of the commands depends on.
struct Programmzustand {
    bool netzfenster = false; // the net window exists (NetzVorhanden)
    int neuronen = 0;
    int eingaben = 0; // Inputschicht neurons
    Netztyp netztyp = Netztyp::KeinTyp;
    std::uint8_t darstellung = GewichteZeigen | PfeileZeigen; // what the drawing shows
    bool aufgabenfenster = false;                             // the learning task window exists
    bool raster = true;                                       // "an Raster ausrichten"
    Werkzeug werkzeug = Werkzeug::Keins;
    int tempo = 0; // training steps per second, 0 the highest pace
    // The undo history: the names of the steps back and forward (empty: none), and whether a
    // command, a loop or a drag is under way, which the history waits for.
    std::string rueckgaengig{};
    std::string wiederholen{};
    bool aufzeichnung = false;
    bool aenderungen = false; // "Änderungen": the last learning step's changes are drawn
};

struct Befehlsstand {
    bool aktiv = true;
    bool haken = false; // for the items and buttons that can be checked
    // For menu items that explain themselves: shown as status tip and tool tip (why the command
    // is unavailable, or empty).
    const char* hinweis = nullptr;
};

inline constexpr const char* KarteNurMitZweiEingaben =
    "Die Entscheidungskarte braucht ein Netz mit genau zwei Input-Neuronen.";

struct Befehlsstaende {
    std::array<Befehlsstand, static_cast<int>(Kommando::Anzahl)> befehle;
    bool werkzeugleiste = false; // WerkzeugPanel1 shown
    const char* netztyp = "";    // text of NetztypLbl
    std::string rueckgaengig{};  // texts of the undo and redo items
    std::string wiederholen{};

    Befehlsstand& operator[](Kommando k) { return befehle[static_cast<int>(k)]; }
    const Befehlsstand& operator[](Kommando k) const { return befehle[static_cast<int>(k)]; }
};

Befehlsstaende BefehleAbleiten(const Programmzustand& z);

} // namespace nervalo
