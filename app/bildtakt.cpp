#include "bildtakt.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include "befehl.h"

namespace nervalo {

Bildtakt::Bildtakt(std::function<void()> zeichnen, QObject* parent, int abstand)
    : QObject(parent), zeichnen_(std::move(zeichnen)), uhr_(bilduhr()), abstand_(abstand),
      wecker_(uhr_.NeuerWecker([this] { Befehl([&] { Jetzt(); }); })) {}

void Bildtakt::Takt() {
    if (!offen_) return;
    const std::int64_t vergangen = gezeichnet_ ? uhr_.Millisekunden() - *gezeichnet_ : abstand_;
    if (vergangen >= abstand_)
        zeichnen();
    else if (!wecker_->Gestellt())
        wecker_->Stellen(abstand_ - vergangen);
}

void Bildtakt::Jetzt() {
    if (offen_) zeichnen();
}

void Bildtakt::zeichnen() {
    offen_ = false;
    wecker_->Abstellen();
    // The frame counts from the start of a drawing, so a slow drawing doesn't lower the rate.
    gezeichnet_ = uhr_.Millisekunden();
    zeichnen_();
}

Fenstertakt::Fenstertakt(QWidget* fenster, std::function<bool()> aktiv,
                         std::function<void()> vorDemMalen)
    : QObject(fenster), fenster_(fenster), aktiv_(std::move(aktiv)),
      vorDemMalen_(std::move(vorDemMalen)), uhr_(bilduhr()),
      wecker_(uhr_.NeuerWecker([this] { Befehl([&] { nachholen(); }); })) {
    fenster_->installEventFilter(this);
}

bool Fenstertakt::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt != fenster_ || e->type() != QEvent::UpdateRequest) return false;
    if (!nachgeholt_ && gemalt_ && aktiv_()) {
        const std::int64_t vergangen = uhr_.Millisekunden() - *gemalt_;
        if (vergangen < Bildzeit) {
            if (!wecker_->Gestellt()) wecker_->Stellen(Bildzeit - vergangen);
            return true; // held back until the frame is over
        }
    }
    wecker_->Abstellen();
    gemalt_ = uhr_.Millisekunden();
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
