#include "bildtakt.h"

namespace nervalo {

Bildtakt::Bildtakt(std::function<void()> zeichnen, QObject* parent)
    : QObject(parent), zeichnen_(std::move(zeichnen)) {
    wecker_.setSingleShot(true);
    wecker_.setTimerType(Qt::PreciseTimer);
    connect(&wecker_, &QTimer::timeout, this, [this] { Jetzt(); });
}

void Bildtakt::Takt() {
    if (!offen_) return;
    const qint64 vergangen = uhr_.isValid() ? uhr_.elapsed() : Bildzeit;
    if (vergangen >= Bildzeit)
        zeichnen();
    else if (!wecker_.isActive())
        wecker_.start(static_cast<int>(Bildzeit - vergangen));
}

void Bildtakt::Jetzt() {
    if (offen_) zeichnen();
}

void Bildtakt::zeichnen() {
    offen_ = false;
    wecker_.stop();
    // The frame counts from the start of a drawing, so a slow drawing doesn't lower the rate.
    uhr_.start();
    zeichnen_();
}

} // namespace nervalo
