#include "qtvektorflaeche.h"

#include <QPainter>

#include "qtzeichenflaeche.h"

namespace nervalo {

QtVektorflaeche::QtVektorflaeche(QPainter& maler, const QFont& schrift)
    : maler_(maler), schrift_(schrift), metrik_(schrift) {
    maler_.setFont(schrift_);
}

void QtVektorflaeche::Ellipse(int x1, int y1, int x2, int y2) {
    // The box's edges are the outline's centre: a neuron at (100, 100) with radius 22 is a circle
    // of radius 22 around its centre, as on the screen.
    maler_.setPen(QPen(Qt::black, 1));
    maler_.setBrush(QtFarbe(fuellfarbe_));
    maler_.drawEllipse(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void QtVektorflaeche::LinieZu(int x, int y) {
    const QPoint ziel(x, y);
    maler_.setPen(QPen(Qt::black, 1));
    maler_.drawLine(position_, ziel);
    position_ = ziel;
}

int QtVektorflaeche::TextBreite(const std::string& text) const {
    return metrik_.horizontalAdvance(QString::fromStdString(text));
}

int QtVektorflaeche::TextHoehe(const std::string&) const {
    return metrik_.height();
}

void QtVektorflaeche::Text(int x, int y, const std::string& text) {
    const QString s = QString::fromStdString(text);
    maler_.fillRect(QRect(x, y, metrik_.horizontalAdvance(s), metrik_.height()),
                    QtFarbe(fuellfarbe_));
    maler_.setPen(QtFarbe(schriftfarbe_));
    maler_.drawText(QPoint(x, y + metrik_.ascent()), s);
}

void QtVektorflaeche::Rechteck(int x1, int y1, int x2, int y2) {
    maler_.fillRect(QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)), QtFarbe(fuellfarbe_));
}

} // namespace nervalo
