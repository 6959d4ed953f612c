#include "energiekurve.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

#include "zahltext.h"

namespace nervalo {

TEnergiekurve::TEnergiekurve(QWidget* parent) : QWidget(parent) {}

void TEnergiekurve::Setzen(std::vector<long double> energien) {
    energien_ = std::move(energien);
    update();
}

void TEnergiekurve::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QFontMetrics fm = fontMetrics();
    const int zeile = fm.height();
    p.setPen(Qt::black);
    p.drawText(QRect(0, 2, width(), zeile), Qt::AlignHCenter,
               QStringLiteral("Energie über die Durchgänge"));

    std::vector<long double> werte;
    for (long double e : energien_)
        if (std::isfinite(e)) werte.push_back(e);
    if (werte.size() != energien_.size() || werte.empty()) {
        p.drawText(rect(), Qt::AlignCenter,
                   energien_.empty() ? QStringLiteral("Noch keine Rekonstruktion.")
                                     : QStringLiteral("Energie nicht darstellbar."));
        return;
    }
    const auto [klein, gross] = std::minmax_element(werte.begin(), werte.end());
    const long double unten = *klein, oben = *gross;
    const QString obenText = QString::fromStdString(EnergieText(oben));
    const QString untenText = QString::fromStdString(EnergieText(unten));
    const int links = std::max(fm.horizontalAdvance(obenText), fm.horizontalAdvance(untenText)) + 8;
    const QRect flaeche(links, zeile + 8, width() - links - 10, height() - 2 * zeile - 16);
    if (flaeche.width() < 2 || flaeche.height() < 2) return;

    p.setPen(QColor(128, 128, 128));
    p.drawLine(flaeche.bottomLeft(), flaeche.bottomRight());
    p.drawLine(flaeche.bottomLeft(), flaeche.topLeft());
    p.setPen(Qt::black);
    p.drawText(QRect(0, flaeche.top() - zeile / 2, links - 4, zeile), Qt::AlignRight, obenText);
    p.drawText(QRect(0, flaeche.bottom() - zeile / 2, links - 4, zeile), Qt::AlignRight, untenText);
    const int letzter = static_cast<int>(werte.size()) - 1;
    p.drawText(QRect(flaeche.left() - 20, flaeche.bottom() + 2, 40, zeile), Qt::AlignHCenter,
               QStringLiteral("0"));
    p.drawText(QRect(flaeche.right() - 60, flaeche.bottom() + 2, 70, zeile), Qt::AlignRight,
               QString::number(letzter));

    // y of an energy; a constant energy lies in the middle.
    const long double spanne = oben - unten;
    auto y = [&](long double e) {
        if (spanne <= 0) return flaeche.center().y();
        return flaeche.bottom() -
               static_cast<int>(
                   std::lround(static_cast<double>((e - unten) / spanne) * flaeche.height()));
    };
    // x of a pass; a single value stands at the left.
    auto x = [&](int k) {
        if (letzter == 0) return flaeche.left();
        return flaeche.left() +
               static_cast<int>(static_cast<long long>(k) * flaeche.width() / letzter);
    };
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 0, 200), 2));
    if (letzter + 1 <= flaeche.width()) {
        QPolygon kurve;
        for (int k = 0; k <= letzter; ++k)
            kurve << QPoint(x(k), y(werte[static_cast<std::size_t>(k)]));
        p.drawPolyline(kurve);
        p.setBrush(QColor(0, 0, 200));
        if (letzter < 40)
            for (const QPoint& punkt : kurve)
                p.drawEllipse(punkt, 2, 2);
        return;
    }
    // More passes than columns: the range of each column's energies.
    std::size_t k = 0;
    for (int spalte = 0; spalte <= flaeche.width(); ++spalte) {
        long double lo = werte[k], hi = werte[k];
        while (k + 1 < werte.size() && x(static_cast<int>(k + 1)) <= flaeche.left() + spalte) {
            ++k;
            lo = std::min(lo, werte[k]);
            hi = std::max(hi, werte[k]);
        }
        p.drawLine(flaeche.left() + spalte, y(lo), flaeche.left() + spalte, y(hi));
    }
}

} // namespace nervalo
