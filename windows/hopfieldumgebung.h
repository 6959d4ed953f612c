#pragma once
// What the Hopfield pattern window needs of the main window: its two pattern operations and the
// flag that records whether the window exists. The main window implements it; tests use a fake.
namespace nervalo {

class HopfieldUmgebung {
  public:
    virtual ~HopfieldUmgebung() = default;
    // Stores the pattern shown in the window's grid in the net ("!").
    virtual void MusterMerken() = 0;
    // The recall loop ("?"): runs pass after pass, processing events, and returns once the
    // window's Abbruch is true.
    virtual void MusterErkennen() = 0;
    // The window is closing: HopfieldfensterOffen := false.
    virtual void HopfieldfensterGeschlossen() = 0;
    // The window was activated: HopfieldfensterOffen := true.
    virtual void HopfieldfensterGeoeffnet() = 0;
};

} // namespace nervalo
