#pragma once
// Redraws that come faster than the screen can show them are merged: a training loop marks the
// picture as out of date after every step, and the picture is drawn at most once per screen
// frame. A timer draws the last state when no further step comes, so what the screen shows is
// never older than one frame.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace nervalo {

class Bildtakt : public QObject {
  public:
    // Time of one screen frame in milliseconds (60 frames per second).
    static constexpr int Bildzeit = 16;

    Bildtakt(std::function<void()> zeichnen, QObject* parent = nullptr);

    // The picture is out of date.
    void Vormerken() { offen_ = true; }
    // Draws an out-of-date picture when a frame time has passed since the last drawing (or
    // nothing was drawn yet); otherwise the timer draws it at the end of the frame.
    void Takt();
    // Draws an out-of-date picture at once.
    void Jetzt();
    bool Offen() const { return offen_; }

  private:
    void zeichnen();

    std::function<void()> zeichnen_;
    QElapsedTimer uhr_; // started at the last drawing
    QTimer wecker_;
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
    QElapsedTimer uhr_; // started at the last repaint
    QTimer wecker_;
    bool nachgeholt_ = false; // the timer's own request passes
};

} // namespace nervalo
