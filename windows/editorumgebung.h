#pragma once
// What the net editor window needs of the main window: the tool choice, the grid check mark and
// the main window's operations. The main window implements it; tests use a fake.
#include "netz.h"

namespace nervalo {

enum class Werkzeug { Keins, Neuron, Bewege, Pfeil, DoppelPfeil };

class EditorUmgebung {
  public:
    virtual ~EditorUmgebung() = default;
    // Which of the four mode buttons is down (at most one).
    virtual Werkzeug AktivesWerkzeug() const = 0;
    // Check mark of "an Raster ausrichten".
    virtual bool RasterAn() const = 0;
    virtual void ZeichnungAktualisieren() = 0;
    // Offers to save an unsaved net; throws when saving fails.
    virtual void ErstNetzSichern() = 0;
    // A neuron was inserted: the commands that depend on the net follow.
    virtual void NetzGeaendert() = 0;
    // The net window closes (after ErstNetzSichern): the net is cleared, the task and pattern
    // windows close, and the tool panel and the net's commands go.
    virtual void NetzfensterSchliesst() = 0;
    // What the drawing shows beyond the net's own display flags; nothing unless asked for.
    virtual Zusatzanzeige Zusatz() const { return {}; }
    // A press with any tool (or none) hit neuron i; the press then does what the tool does.
    virtual void NeuronAngeklickt(int /*i*/) {}
    // A press begins what may change the net; it ends with the press itself or with the end of
    // the drag it starts. `was` names it for the undo history ("Neuron verschieben"). An end
    // without a beginning does nothing.
    virtual void AenderungBeginnt() {}
    virtual void AenderungEndet(const char* was) { (void)was; }
};

} // namespace nervalo
