#pragma once
// What the learning task window needs of the main window. The main window implements it; tests
// use a fake.
namespace nervalo {

class AufgabenUmgebung {
  public:
    virtual ~AufgabenUmgebung() = default;
    // One training step on the table row AktuelleAufgabe of the task window. It writes the
    // error and the step count into the window and processes pending events before it returns.
    virtual void Trainieren() = 0;
    // The task window is closing: AufgabenfensterOffen := false, AufgSpeichernBtn disabled.
    virtual void AufgabenfensterGeschlossen() = 0;
    // A training loop ("A1", "Alle") begins and ends: its steps are one change of the net.
    // Neither throws.
    virtual void SchleifeBeginnt() {}
    virtual void SchleifeEndet() {}
};

} // namespace nervalo
