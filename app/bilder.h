#pragma once
// The pictures of the tool buttons and the program icon, drawn in code so that the program
// needs no image files.
#include <QIcon>
#include <QPixmap>

namespace nervalo {

enum class Bild {
    NeuesNetz,
    NetzOeffnen,
    NetzSpeichern,
    NeueAufgabe,
    AufgabeOeffnen,
    AufgabeSpeichern,
    HopfieldMuster,
    TestNeuron,
    NeuronEinfuegen,
    Bewegen,
    Pfeil,
    DoppelPfeil,
    NetzLoeschen,
    SpezielleNetze,
    Propagieren,
    Backpropagieren,
    Sigma,
    Zufall,
    Kopieren,
};

// A square picture of the given side in pixels.
QPixmap Bildchen(Bild b, int seite);
// The icon of a tool button: the picture and a greyed copy for the disabled state, drawn at the
// pixels of the screen it is shown on.
QIcon Symbol(Bild b, int seite);
// The program's own icon: a small net of three layers.
QPixmap ProgrammSymbol(int seite);

} // namespace nervalo
