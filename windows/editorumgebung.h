#pragma once
// What the net editor window needs of the main window: the tool choice, the grid check mark and
// the main window's operations. The main window implements it; tests use a fake.
namespace nervalo {

enum class Werkzeug { Keins, Neuron, Bewege, Pfeil, DoppelPfeil };

class EditorUmgebung {
  public:
    virtual ~EditorUmgebung() = default;
    // Which of the four mode buttons is down (at most one).
    virtual Werkzeug AktivesWerkzeug() const = 0;
    // Check mark of "an Raster ausrichten".
    virtual bool RasterAn() const = 0;
    virtual void AufgabeMoeglich(bool b) = 0;
    virtual void ZeichnungAktualisieren() = 0;
    virtual void ErstNetzSichern() = 0;
    virtual void Netzloeschen() = 0;
    virtual void NetzVorhandenSetzen(bool b) = 0;
    // Enables "Letztes Neuron löschen" (after a neuron was inserted).
    virtual void LetztesNeuronLoeschenErlauben() = 0;
    // Hides the tool panel and disables NetzSpeichernBtn and AufgLadenBtn (window closing).
    virtual void NetzfensterSchliesst() = 0;
};

} // namespace nervalo
