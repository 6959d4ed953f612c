#pragma once
// The error and the step count that the learning task window shows during training. Writing
// the two fields costs more than a training step, so a step only records its numbers; they go
// into the fields right before the window is repainted (at most once per screen frame while a
// loop runs), at once when no loop runs, and when a loop ends. The count a loop starts with is
// taken from IterationenEdit, so the window's own reset to 0 at the start of a loop counts.
#include <QObject>
#include <cstdint>
#include <functional>

namespace nervalo {

class TAufgabenForm;

class Trainingsanzeige : public QObject {
  public:
    // Becomes a child of the window and limits its repaints to the frame rate while a loop runs
    // and imBildtakt() holds (at a set pace every step is shown).
    Trainingsanzeige(TAufgabenForm& fenster, std::function<bool()> imBildtakt);

    // One more step with this error.
    void Schritt(float fehler);
    // Writes outstanding numbers into FehlerEdit and IterationenEdit.
    void Schreiben();
    // The steps counted, also those not yet written.
    std::int32_t Schritte() const { return schritte_; }

  private:
    TAufgabenForm& fenster_;
    std::int32_t schritte_ = 0;
    float fehler_ = 0.0f;
    bool offen_ = false;    // numbers not yet written
    bool schreibe_ = false; // the field changes because of Schreiben
};

} // namespace nervalo
