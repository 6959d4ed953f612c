#include "fensterinhalt.h"

#include <QEvent>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "bildschirm.h"

namespace nervalo {

Fensterinhalt::Fensterinhalt(QWidget& fenster, std::function<void(QSize)> beiGroesse)
    : QScrollArea(&fenster), fenster_(fenster), flaeche_(new QWidget),
      beiGroesse_(std::move(beiGroesse)) {
    setObjectName(QStringLiteral("Fensterinhalt"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);
    setWidget(flaeche_);
    flaeche_->installEventFilter(this);
    auto* layout = new QVBoxLayout(&fenster);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(this);
}

void Fensterinhalt::FesteGroesse(QSize groesse) {
    flaeche_->setFixedSize(groesse);
    // The client area the window may have on its screen, and the room scroll bars take.
    const QRect bereich = VerfuegbarerBereich(fenster_).marginsRemoved(Rahmenraender(fenster_));
    const int leiste = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    QSize fenster = groesse;
    bool zuHoch = false;
    bool zuBreit = false;
    if (!bereich.isEmpty()) {
        zuHoch = groesse.height() > bereich.height();
        zuBreit = groesse.width() + (zuHoch ? leiste : 0) > bereich.width();
        if (zuHoch) fenster = {groesse.width() + leiste, bereich.height()};
        if (zuBreit) {
            fenster.setWidth(bereich.width());
            if (!zuHoch) {
                // The horizontal scroll bar may push the height beyond the area too.
                zuHoch = groesse.height() + leiste > bereich.height();
                fenster.setHeight(std::min(groesse.height() + leiste, bereich.height()));
            }
        }
    }
    // Scroll bars only where the window is smaller than its content.
    setVerticalScrollBarPolicy(zuHoch ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(zuBreit ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    fenster_.setFixedSize(fenster);
    // The scroll area takes the new size now, not when the layout's request is processed.
    resize(fenster);
}

bool Fensterinhalt::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == flaeche_ && e->type() == QEvent::Resize && beiGroesse_)
        beiGroesse_(flaeche_->size());
    return QScrollArea::eventFilter(objekt, e);
}

} // namespace nervalo
