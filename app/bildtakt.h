#pragma once
// Redraws that come faster than the screen can show them are merged: a training loop marks the
// picture as out of date after every step, and the picture is drawn at most once per screen
// frame. A timer draws the last state when no further step comes, so what the screen shows is
// never older than one frame. Time and timers are those of the installed Bilduhr.
#include <QObject>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "bilduhr.h"

class QWidget;

namespace nervalo {

class Bildtakt : public QObject {
  public:
    // abstand: the shortest time between two drawings in milliseconds, a frame unless a picture
    // costs so much that fewer drawings a second keep the training going.
    Bildtakt(std::function<void()> zeichnen, QObject* parent = nullptr, int abstand = Bildzeit);

    // The picture is out of date.
    void Vormerken() { offen_ = true; }
    // Draws an out-of-date picture when a frame time has passed since the last drawing (or
    // nothing was drawn yet); otherwise the timer draws it at the end of the frame.
    void Takt();
    // Draws an out-of-date picture at once.
    void Jetzt();
    // The shortest time between two drawings from now on, in milliseconds.
    void Abstand(int ms) { abstand_ = ms; }
    bool Offen() const { return offen_; }

  private:
    void zeichnen();

    std::function<void()> zeichnen_;
    Bilduhr& uhr_;
    int abstand_;
    std::optional<std::int64_t> gezeichnet_; // time of the last drawing
    std::unique_ptr<Wecker> wecker_;
    bool offen_ = false;
};

// Limits the repaints of one top-level window to one per screen frame while `aktiv` holds. Qt
// repaints a window's changed widgets when the window receives QEvent::UpdateRequest; a request
// that comes within a frame of the last repaint is held back, and a timer hands it to the window
// at the end of the frame. A training loop that changes the window in every step then pays for
// one repaint per frame instead of one per step. `vorDemMalen` runs right before each repaint
// that is let through, so what it writes into the window is painted at once.
class Fenstertakt : public QObject {
  public:
    // Watches fenster and becomes its child.
    Fenstertakt(QWidget* fenster, std::function<bool()> aktiv,
                std::function<void()> vorDemMalen = {});

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    void nachholen();

    QWidget* fenster_;
    std::function<bool()> aktiv_;
    std::function<void()> vorDemMalen_;
    Bilduhr& uhr_;
    std::optional<std::int64_t> gemalt_; // time of the last repaint
    std::unique_ptr<Wecker> wecker_;
    bool nachgeholt_ = false; // the timer's own request passes
};

} // namespace nervalo
