#include "bildschirm.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace nervalo {
namespace {

std::optional<QRect> festerBereich;

// Windows of their own that the user places or that Qt places itself: not fitted.
bool eigenesFenster(const QWidget& w) {
    if (!w.isWindow()) return false;
    const Qt::WindowType typ = w.windowType();
    return typ == Qt::Window || typ == Qt::Dialog || typ == Qt::Tool;
}

int eingepasst(int anfang, int laenge, int bereichAnfang, int bereichLaenge) {
    if (laenge >= bereichLaenge) return bereichAnfang;
    return std::clamp(anfang, bereichAnfang, bereichAnfang + bereichLaenge - laenge);
}

} // namespace

QRect VerfuegbarerBereich(const QWidget& fenster) {
    if (festerBereich) return *festerBereich;
    QScreen* bildschirm = fenster.screen();
    if (!bildschirm) bildschirm = QGuiApplication::primaryScreen();
    return bildschirm ? bildschirm->availableGeometry() : QRect();
}

void SetzeVerfuegbarerBereich(std::optional<QRect> bereich) {
    festerBereich = bereich;
}

QMargins Rahmenraender(const QWidget& fenster) {
    const auto raender = [](const QWidget& w) {
        const QRect aussen = w.frameGeometry();
        const QRect innen = w.geometry();
        return QMargins(innen.left() - aussen.left(), innen.top() - aussen.top(),
                        aussen.right() - innen.right(), aussen.bottom() - innen.bottom());
    };
    const QMargins eigene = raender(fenster);
    if (!eigene.isNull() || fenster.windowFlags().testFlag(Qt::FramelessWindowHint) ||
        !fenster.parentWidget())
        return eigene;
    return raender(*fenster.parentWidget()->window());
}

QPoint EingepassterOrt(const QRect& rahmen, const QRect& bereich) {
    return {eingepasst(rahmen.left(), rahmen.width(), bereich.left(), bereich.width()),
            eingepasst(rahmen.top(), rahmen.height(), bereich.top(), bereich.height())};
}

void Einpassen(QWidget& fenster) {
    const QRect bereich = VerfuegbarerBereich(fenster);
    if (bereich.isEmpty() || fenster.isMaximized() || fenster.isFullScreen()) return;
    const QMargins raender = Rahmenraender(fenster);
    // A window the user may size is shrunk to the area, not below its least size; one of fixed
    // size keeps it (where it is larger, its content scrolls: Fensterinhalt).
    const QSize groesse = fenster.size()
                              .boundedTo(bereich.marginsRemoved(raender).size())
                              .expandedTo(fenster.minimumSize());
    if (groesse != fenster.size()) fenster.resize(groesse);
    const QRect rahmen = fenster.geometry().marginsAdded(raender);
    const QPoint ort = EingepassterOrt(rahmen, bereich);
    if (ort != rahmen.topLeft()) fenster.move(fenster.pos() + (ort - rahmen.topLeft()));
}

bool Bildschirmanpassung::eventFilter(QObject* objekt, QEvent* e) {
    if ((e->type() == QEvent::Show || e->type() == QEvent::Resize) && objekt->isWidgetType()) {
        auto* w = static_cast<QWidget*>(objekt);
        if (eigenesFenster(*w) && w->isVisible()) {
            Einpassen(*w);
            // A window may place itself as it is shown (centred, say): checked again after that.
            if (e->type() == QEvent::Show)
                QTimer::singleShot(0, w, [w] {
                    if (w->isVisible()) Einpassen(*w);
                });
        }
    }
    return QObject::eventFilter(objekt, e);
}

} // namespace nervalo
