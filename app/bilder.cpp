#include "bilder.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace nervalo {
namespace {

// Every picture is drawn on a 24 × 24 grid and scaled to the wanted size.
constexpr double Raster = 24.0;

const QColor Tinte(40, 40, 40);
const QColor Eingabe(0, 200, 0); // input layer green, as in the drawing of the net
const QColor Verborgen(255, 255, 255);
const QColor Ausgabe(255, 220, 0); // output layer yellow
const QColor Punkt(220, 0, 0);     // the red dot at a connection's target
const QColor Ordner(235, 185, 60);
const QColor Diskette(50, 90, 170);

void stift(QPainter& p, const QColor& c, double breite = 1.2) {
    p.setPen(QPen(c, breite, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
}

void neuron(QPainter& p, QPointF m, double r, const QColor& fuellung) {
    stift(p, Tinte);
    p.setBrush(fuellung);
    p.drawEllipse(m, r, r);
}

void linie(QPainter& p, QPointF a, QPointF b, const QColor& c = Tinte, double breite = 1.2) {
    stift(p, c, breite);
    p.drawLine(a, b);
}

// A line from a to b whose ends stop at distance r from the centres, with red dots at the
// target end (and at the source end too for a two-way connection).
void verbindung(QPainter& p, QPointF a, QPointF b, double r, bool beide) {
    const QPointF d = b - a;
    const double laenge = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF e = d / laenge;
    const QPointF start = a + e * r;
    const QPointF ende = b - e * r;
    linie(p, start, ende);
    stift(p, Tinte, 0.8);
    p.setBrush(Punkt);
    p.drawEllipse(ende, 1.8, 1.8);
    if (beide) p.drawEllipse(start, 1.8, 1.8);
}

// A small three-layer net (2-2-1) inside the rectangle r.
void kleinesNetz(QPainter& p, const QRectF& r) {
    const double x0 = r.left() + r.width() * 0.15, x1 = r.center().x(),
                 x2 = r.right() - r.width() * 0.15;
    const double y0 = r.top() + r.height() * 0.25, y1 = r.bottom() - r.height() * 0.25,
                 ym = r.center().y();
    const double rad = std::min(r.width(), r.height()) * 0.13;
    const QPointF ein[2] = {{x0, y0}, {x0, y1}};
    const QPointF mitte[2] = {{x1, y0}, {x1, y1}};
    const QPointF aus{x2, ym};
    for (const auto& a : ein)
        for (const auto& b : mitte)
            linie(p, a, b, Tinte, 0.8);
    for (const auto& b : mitte)
        linie(p, b, aus, Tinte, 0.8);
    for (const auto& a : ein)
        neuron(p, a, rad, Eingabe);
    for (const auto& b : mitte)
        neuron(p, b, rad, Verborgen);
    neuron(p, aus, rad, Ausgabe);
}

void blatt(QPainter& p, const QRectF& r) {
    QPainterPath pfad;
    const double ecke = r.width() * 0.3;
    pfad.moveTo(r.topLeft());
    pfad.lineTo(r.right() - ecke, r.top());
    pfad.lineTo(r.right(), r.top() + ecke);
    pfad.lineTo(r.bottomRight());
    pfad.lineTo(r.bottomLeft());
    pfad.closeSubpath();
    stift(p, Tinte);
    p.setBrush(Qt::white);
    p.drawPath(pfad);
    p.setBrush(QColor(220, 220, 220));
    p.drawPolygon(
        QPolygonF({QPointF(r.right() - ecke, r.top()), QPointF(r.right() - ecke, r.top() + ecke),
                   QPointF(r.right(), r.top() + ecke)}));
}

void ordner(QPainter& p) {
    stift(p, Tinte);
    p.setBrush(Ordner.darker(115));
    p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 6), QPointF(10, 8), QPointF(20, 8),
                             QPointF(20, 20), QPointF(2, 20)}));
    p.setBrush(Ordner);
    p.drawPolygon(QPolygonF({QPointF(2, 20), QPointF(5, 11), QPointF(23, 11), QPointF(20, 20)}));
}

void diskette(QPainter& p) {
    stift(p, Tinte);
    p.setBrush(Diskette);
    p.drawPolygon(QPolygonF(
        {QPointF(2, 2), QPointF(19, 2), QPointF(22, 5), QPointF(22, 22), QPointF(2, 22)}));
    p.setBrush(QColor(200, 200, 210));
    p.drawRect(QRectF(6, 2, 11, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 12, 14, 10));
}

// A small table: header row and column grey, four data rows.
void tabelle(QPainter& p, const QRectF& r) {
    stift(p, Tinte, 0.8);
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.setBrush(QColor(200, 200, 200));
    const double zeile = r.height() / 4.0, spalte = r.width() / 3.0;
    p.drawRect(QRectF(r.left(), r.top(), r.width(), zeile));
    p.drawRect(QRectF(r.left(), r.top(), spalte, r.height()));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left(), r.top() + i * zeile), QPointF(r.right(), r.top() + i * zeile));
    for (int i = 1; i < 3; ++i)
        p.drawLine(QPointF(r.left() + i * spalte, r.top()),
                   QPointF(r.left() + i * spalte, r.bottom()));
}

void plus(QPainter& p, QPointF m, double h, const QColor& c) {
    stift(p, c, 2.4);
    p.drawLine(m - QPointF(h, 0), m + QPointF(h, 0));
    p.drawLine(m - QPointF(0, h), m + QPointF(0, h));
}

void pfeilspitze(QPainter& p, QPointF von, QPointF nach, const QColor& c, double breite) {
    stift(p, c, breite);
    p.drawLine(von, nach);
    const QPointF d = nach - von;
    const double laenge = std::max(1.0, std::hypot(d.x(), d.y()));
    const QPointF e = d / laenge, n(-e.y(), e.x());
    p.setBrush(c);
    p.drawPolygon(QPolygonF({nach + e * 2.0, nach - e * 3.5 + n * 3.0, nach - e * 3.5 - n * 3.0}));
}

void zeichne(QPainter& p, Bild b) {
    switch (b) {
    case Bild::NeuesNetz:
        blatt(p, QRectF(3, 1.5, 17, 21));
        kleinesNetz(p, QRectF(4, 7, 15, 13));
        plus(p, QPointF(19, 5), 3.5, QColor(0, 150, 0));
        break;
    case Bild::NetzOeffnen:
        ordner(p);
        kleinesNetz(p, QRectF(6, 1, 14, 10));
        break;
    case Bild::NetzSpeichern:
        diskette(p);
        kleinesNetz(p, QRectF(5, 12, 14, 10));
        break;
    case Bild::NeueAufgabe:
        tabelle(p, QRectF(2, 5, 17, 16));
        plus(p, QPointF(19, 5), 3.5, QColor(0, 150, 0));
        break;
    case Bild::AufgabeOeffnen:
        ordner(p);
        tabelle(p, QRectF(8, 1, 12, 9));
        break;
    case Bild::AufgabeSpeichern:
        diskette(p);
        tabelle(p, QRectF(6, 13, 12, 8));
        break;
    case Bild::HopfieldMuster: {
        // A 5 × 5 grid showing the letter T.
        static const char* const muster[5] = {"xxxxx", "..x..", "..x..", "..x..", "..x.."};
        stift(p, QColor(120, 120, 120), 0.6);
        for (int r = 0; r < 5; ++r)
            for (int c = 0; c < 5; ++c) {
                p.setBrush(muster[r][c] == 'x' ? QColor(20, 20, 120) : QColor(Qt::white));
                p.drawRect(QRectF(2 + c * 4, 2 + r * 4, 4, 4));
            }
        break;
    }
    case Bild::TestNeuron:
        linie(p, QPointF(1, 6), QPointF(9, 10.5));
        linie(p, QPointF(1, 18), QPointF(9, 13.5));
        pfeilspitze(p, QPointF(17, 12), QPointF(21, 12), Tinte, 1.2);
        neuron(p, QPointF(12, 12), 5.5, Verborgen);
        stift(p, Diskette, 1.2);
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(9.5, 12), QPointF(14.5, 12));
        break;
    case Bild::NeuronEinfuegen:
        neuron(p, QPointF(10, 13), 7.5, Verborgen);
        plus(p, QPointF(18.5, 5.5), 3.5, QColor(0, 150, 0));
        break;
    case Bild::Bewegen: {
        neuron(p, QPointF(12, 12), 5, Verborgen);
        const QPointF m(12, 12);
        const QPointF richtungen[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
        for (const auto& r : richtungen)
            pfeilspitze(p, m + r * 6.5, m + r * 9.5, Tinte, 1.2);
        break;
    }
    case Bild::Pfeil:
        verbindung(p, QPointF(5, 17), QPointF(19, 7), 4.5, false);
        neuron(p, QPointF(5, 17), 4, Eingabe);
        neuron(p, QPointF(19, 7), 4, Ausgabe);
        break;
    case Bild::DoppelPfeil:
        verbindung(p, QPointF(5, 17), QPointF(19, 7), 4.5, true);
        neuron(p, QPointF(5, 17), 4, Verborgen);
        neuron(p, QPointF(19, 7), 4, Verborgen);
        break;
    case Bild::NetzLoeschen:
        kleinesNetz(p, QRectF(1, 2, 20, 18));
        stift(p, QColor(210, 0, 0), 2.6);
        p.drawLine(QPointF(12, 12), QPointF(22, 22));
        p.drawLine(QPointF(22, 12), QPointF(12, 22));
        break;
    case Bild::SpezielleNetze: {
        const QPointF ein[2] = {{4, 8}, {4, 16}};
        const QPointF mitte[3] = {{12, 4}, {12, 12}, {12, 20}};
        const QPointF aus{20, 12};
        for (const auto& a : ein)
            for (const auto& m : mitte)
                linie(p, a, m, Tinte, 0.7);
        for (const auto& m : mitte)
            linie(p, m, aus, Tinte, 0.7);
        for (const auto& a : ein)
            neuron(p, a, 2.8, Eingabe);
        for (const auto& m : mitte)
            neuron(p, m, 2.8, Verborgen);
        neuron(p, aus, 2.8, Ausgabe);
        break;
    }
    case Bild::Propagieren:
        kleinesNetz(p, QRectF(1, 1, 22, 15));
        pfeilspitze(p, QPointF(3, 20), QPointF(19, 20), QColor(0, 150, 0), 2.0);
        break;
    case Bild::Backpropagieren:
        kleinesNetz(p, QRectF(1, 1, 22, 15));
        pfeilspitze(p, QPointF(21, 20), QPointF(5, 20), QColor(210, 0, 0), 2.0);
        break;
    case Bild::Sigma: {
        QFont f(QStringLiteral("Serif"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(20, 20, 120));
        p.drawText(QRectF(0, 0, 24, 22), Qt::AlignCenter, QString(QChar(0x03C3))); // σ
        break;
    }
    case Bild::Zufall: {
        stift(p, Tinte);
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(3, 3, 18, 18), 3.5, 3.5);
        p.setPen(Qt::NoPen);
        p.setBrush(Tinte);
        const QPointF augen[5] = {{7.5, 7.5}, {16.5, 7.5}, {12, 12}, {7.5, 16.5}, {16.5, 16.5}};
        for (const auto& a : augen)
            p.drawEllipse(a, 1.7, 1.7);
        break;
    }
    case Bild::Kopieren:
        blatt(p, QRectF(2, 2, 12, 15));
        blatt(p, QRectF(9, 7, 13, 15));
        neuron(p, QPointF(13.5, 16), 2.5, Eingabe);
        neuron(p, QPointF(18.5, 13), 2.5, Ausgabe);
        break;
    }
}

} // namespace

QPixmap Bildchen(Bild b, int seite) {
    QPixmap bild(seite, seite);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(seite / Raster, seite / Raster);
    zeichne(p, b);
    return bild;
}

QIcon Symbol(Bild b, int seite) {
    // Drawn for screens of one, two and three pixels per point, so that a high-density screen
    // shows a picture of its own pixels rather than an enlarged one. The disabled look is
    // generated from these pictures by the style.
    QIcon symbol(Bildchen(b, seite));
    for (int massstab : {2, 3}) {
        QPixmap fein = Bildchen(b, seite * massstab);
        fein.setDevicePixelRatio(massstab);
        symbol.addPixmap(fein);
    }
    return symbol;
}

QPixmap ProgrammSymbol(int seite) {
    QPixmap bild(seite, seite);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(seite / Raster, seite / Raster);
    stift(p, QColor(20, 20, 120), 1.0);
    p.setBrush(QColor(225, 235, 255));
    p.drawRoundedRect(QRectF(0.5, 0.5, 23, 23), 4, 4);
    kleinesNetz(p, QRectF(1.5, 2, 21, 20));
    return bild;
}

} // namespace nervalo
