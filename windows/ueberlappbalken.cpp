#include "ueberlappbalken.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace nervalo {
namespace {

constexpr int Balkenhoehe = 14;
constexpr int Abstand = 4;

} // namespace

TUeberlappBalken::TUeberlappBalken(QWidget* parent) : QWidget(parent) {}

void TUeberlappBalken::Setzen(std::vector<double> ueberlappe) {
    ueberlappe_ = std::move(ueberlappe);
    updateGeometry();
    update();
}

QSize TUeberlappBalken::sizeHint() const {
    const int zeile = fontMetrics().height();
    const int balken = static_cast<int>(ueberlappe_.size()) * (Balkenhoehe + Abstand);
    return {220, zeile + 6 + std::max(balken, Balkenhoehe) + zeile + 6};
}

void TUeberlappBalken::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QFontMetrics fm = fontMetrics();
    const int zeile = fm.height();
    p.setPen(Qt::black);
    p.drawText(QRect(0, 2, width(), zeile), Qt::AlignHCenter, QStringLiteral("Überlapp m"));

    const int links = fm.horizontalAdvance(QStringLiteral("99")) + 10;
    const int breite = width() - links - 12;
    if (breite < 4) return;
    const int mitte = links + breite / 2;
    const int oben = zeile + 6;
    const int unten =
        oben +
        std::max<int>(static_cast<int>(ueberlappe_.size()) * (Balkenhoehe + Abstand), Balkenhoehe);
    for (std::size_t k = 0; k < ueberlappe_.size(); ++k) {
        const double m = std::clamp(ueberlappe_[k], -1.0, 1.0);
        const int y = oben + static_cast<int>(k) * (Balkenhoehe + Abstand);
        p.setPen(Qt::black);
        p.drawText(QRect(0, y, links - 6, Balkenhoehe), Qt::AlignRight | Qt::AlignVCenter,
                   QString::number(k + 1));
        const int laenge = static_cast<int>(std::lround(m * (breite / 2)));
        const QRect balken = laenge >= 0 ? QRect(mitte, y, laenge, Balkenhoehe)
                                         : QRect(mitte + laenge, y, -laenge, Balkenhoehe);
        p.fillRect(balken, m >= 0 ? QColor(0, 90, 200) : QColor(220, 120, 0));
    }
    p.setPen(QColor(128, 128, 128));
    p.drawLine(mitte, oben - 2, mitte, unten);
    p.drawLine(links, unten, links + breite, unten);
    p.setPen(Qt::black);
    p.drawText(QRect(links - 20, unten + 2, 40, zeile), Qt::AlignHCenter, QStringLiteral("−1"));
    p.drawText(QRect(mitte - 20, unten + 2, 40, zeile), Qt::AlignHCenter, QStringLiteral("0"));
    p.drawText(QRect(links + breite - 20, unten + 2, 40, zeile), Qt::AlignHCenter,
               QStringLiteral("1"));
}

} // namespace nervalo
