#include "kartenbild.h"

#include <QPainter>
#include <QWheelEvent>
#include <cmath>

namespace nervalo {
namespace {

constexpr int RandLinks = 56, RandRechts = 78, RandOben = 12, RandUnten = 44;
constexpr int Balkenbreite = 16;

QColor farbe(Farbe f) {
    return {f.r, f.g, f.b};
}

// A tick value with the decimal comma and no more decimals than the step needs.
QString marke(double wert, double teil) {
    const int stellen = std::max(0, static_cast<int>(std::ceil(-std::log10(teil) - 1e-9)));
    QString t = QString::number(std::abs(wert) < teil * 1e-6 ? 0.0 : wert, 'f', stellen);
    return t.replace(QLatin1Char('.'), QLatin1Char(','));
}

// The finest of 1, 2 or 5 times a power of ten that needs at most six intervals: a view that
// spans a little more than 1 gets ticks at 0,2, not at 0,5.
double teilung(double spanne) {
    const double roh = spanne / 6;
    const double p = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0})
        if (f * p >= roh) return f * p;
    return 10 * p;
}

} // namespace

TKartenbild::TKartenbild(QWidget* parent) : QWidget(parent) {
    setMinimumSize(260, 220);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TKartenbild::Setzen(const QImage& bild, const Kartenbereich& bereich, Kartenskala skala,
                         const std::vector<Kartenpunkt>& punkte, const QString& xTitel,
                         const QString& yTitel) {
    bild_ = bild;
    bereich_ = bereich;
    skala_ = skala;
    punkte_ = punkte;
    xTitel_ = xTitel;
    yTitel_ = yTitel;
    update();
}

QRect TKartenbild::Flaeche() const {
    return rect().adjusted(RandLinks, RandOben, -RandRechts, -RandUnten);
}

QPointF TKartenbild::pixel(double x, double y) const {
    const QRectF f = Flaeche();
    return {f.left() + (x - bereich_.xVon) / (bereich_.xBis - bereich_.xVon) * f.width(),
            f.top() + (bereich_.yBis - y) / (bereich_.yBis - bereich_.yVon) * f.height()};
}

QPointF TKartenbild::Stelle(QPointF punkt) const {
    const QRectF f = Flaeche();
    return {bereich_.xVon + (punkt.x() - f.left()) / f.width() * (bereich_.xBis - bereich_.xVon),
            bereich_.yBis - (punkt.y() - f.top()) / f.height() * (bereich_.yBis - bereich_.yVon)};
}

void TKartenbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect f = Flaeche();
    if (f.width() < 10 || f.height() < 10) return;
    const QFontMetrics fm = p.fontMetrics();

    // The 100 x 100 cells smoothly enlarged to the area: scaling the image first costs a third
    // of what the painter's smooth transformation of the same image does, at 40 pictures a
    // second during training.
    // On a high-density screen the enlarged image has the screen's pixels.
    if (!bild_.isNull()) {
        const qreal dichte = devicePixelRatioF();
        QImage gross = bild_.scaled((QSizeF(f.size()) * dichte).toSize(), Qt::IgnoreAspectRatio,
                                    Qt::SmoothTransformation);
        gross.setDevicePixelRatio(dichte);
        p.drawImage(f.topLeft(), gross);
    }
    p.setPen(Qt::black);
    p.drawRect(f.adjusted(0, 0, -1, -1));

    // Ticks and labels on both axes.
    const double tx = teilung(bereich_.xBis - bereich_.xVon);
    for (double x = std::ceil(bereich_.xVon / tx) * tx; x <= bereich_.xBis; x += tx) {
        const int px = qRound(pixel(x, bereich_.yVon).x());
        p.drawLine(px, f.bottom(), px, f.bottom() + 4);
        p.drawText(QRect(px - 40, f.bottom() + 5, 80, fm.height()), Qt::AlignHCenter, marke(x, tx));
    }
    const double ty = teilung(bereich_.yBis - bereich_.yVon);
    for (double y = std::ceil(bereich_.yVon / ty) * ty; y <= bereich_.yBis; y += ty) {
        const int py = qRound(pixel(bereich_.xVon, y).y());
        p.drawLine(f.left() - 4, py, f.left(), py);
        p.drawText(QRect(0, py - fm.height() / 2, f.left() - 6, fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, marke(y, ty));
    }
    p.drawText(QRect(f.left(), height() - fm.height() - 2, f.width(), fm.height()),
               Qt::AlignHCenter, xTitel_);
    p.save();
    p.translate(fm.height() / 2 + 2, f.center().y());
    p.rotate(-90);
    p.drawText(QRect(-f.height() / 2, -fm.height() / 2, f.height(), fm.height()), Qt::AlignHCenter,
               yTitel_);
    p.restore();

    // The task rows: filled with the colour of their target, white without one, in a black
    // ring with a white edge, so that a point stands out also where the map has its colour.
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(f);
    for (const Kartenpunkt& k : punkte_) {
        p.setPen(QPen(Qt::white, 4.5));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(pixel(k.x, k.y), 6.0, 6.0);
        p.setPen(QPen(Qt::black, 1.5));
        p.setBrush(k.ziel ? farbe(Kartenfarbe(*k.ziel, skala_)) : QColor(Qt::white));
        p.drawEllipse(pixel(k.x, k.y), 6.0, 6.0);
    }
    p.setClipping(false);
    p.setRenderHint(QPainter::Antialiasing, false);

    // The colour bar with its two ends and its middle.
    const QRect balken(f.right() + 14, f.top(), Balkenbreite, f.height());
    for (int y = 0; y < balken.height(); ++y) {
        const double t = 1.0 - (y + 0.5) / balken.height();
        p.setPen(farbe(Kartenfarbe(skala_.von + t * (skala_.bis - skala_.von), skala_)));
        p.drawLine(balken.left(), balken.top() + y, balken.right(), balken.top() + y);
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(balken.adjusted(0, 0, -1, -1));
    const double mitte = (skala_.von + skala_.bis) / 2;
    const std::pair<double, int> beschriftung[] = {
        {skala_.bis, balken.top()}, {mitte, balken.center().y()}, {skala_.von, balken.bottom()}};
    for (const auto& [wert, y] : beschriftung)
        p.drawText(QRect(balken.right() + 5, y - fm.height() / 2, RandRechts, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, marke(wert, 0.5));
}

void TKartenbild::wheelEvent(QWheelEvent* e) {
    // 120 is one notch of a wheel; fine-grained wheels and touch pads send parts of it.
    const double raster = e->angleDelta().y() / 120.0;
    if (raster == 0 || !Flaeche().contains(e->position().toPoint())) {
        e->ignore();
        return;
    }
    const QPointF s = Stelle(e->position());
    // Turning away from the user zooms in, one notch by a fifth.
    emit Zoomen(s.x(), s.y(), std::pow(0.8, raster));
    e->accept();
}

} // namespace nervalo
