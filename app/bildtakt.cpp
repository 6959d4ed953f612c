#include "bildtakt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "befehl.h"

namespace nervalo {

Bildtakt::Bildtakt(std::function<void()> zeichnen, QObject* parent)
    : QObject(parent), zeichnen_(std::move(zeichnen)) {
    wecker_.setSingleShot(true);
    wecker_.setTimerType(Qt::PreciseTimer);
    connect(&wecker_, &QTimer::timeout, this, [this] { Befehl([&] { Jetzt(); }); });
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

Fenstertakt::Fenstertakt(QWidget* fenster, std::function<bool()> aktiv,
                         std::function<void()> vorDemMalen)
    : QObject(fenster), fenster_(fenster), aktiv_(std::move(aktiv)),
      vorDemMalen_(std::move(vorDemMalen)) {
    wecker_.setSingleShot(true);
    wecker_.setTimerType(Qt::PreciseTimer);
    connect(&wecker_, &QTimer::timeout, this, [this] { Befehl([&] { nachholen(); }); });
    fenster_->installEventFilter(this);
}

bool Fenstertakt::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt != fenster_ || e->type() != QEvent::UpdateRequest) return false;
    if (!nachgeholt_ && uhr_.isValid() && aktiv_()) {
        const qint64 vergangen = uhr_.elapsed();
        if (vergangen < Bildtakt::Bildzeit) {
            if (!wecker_.isActive())
                wecker_.start(static_cast<int>(Bildtakt::Bildzeit - vergangen));
            return true; // held back until the frame is over
        }
    }
    wecker_.stop();
    uhr_.start();
    if (vorDemMalen_) Befehl([&] { vorDemMalen_(); });
    return false;
}

void Fenstertakt::nachholen() {
    // Qt posts no further request while one is outstanding: the held-back one must be given.
    nachgeholt_ = true;
    QEvent anfrage(QEvent::UpdateRequest);
    QCoreApplication::sendEvent(fenster_, &anfrage);
    nachgeholt_ = false;
}

} // namespace nervalo
