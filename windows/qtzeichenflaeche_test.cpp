// The Qt paint surface: shapes land on the pixels the model computes, the fast paths draw what
// QPainter draws, NichtXor takes a shape back, and the clipboard gets the net's picture.
#include <QClipboard>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QtTest>
#include <climits>
#include <memory>

#include "netz.h"
#include "qtzeichenflaeche.h"
#include "qtzwischenablage.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

QImage weissesBild(int w = 300, int h = 200) {
    QImage b(w, h, QImage::Format_RGB32);
    b.fill(Qt::white);
    return b;
}

QRgb farbe(const QImage& b, int x, int y) {
    return b.pixel(x, y) & 0xFFFFFFu;
}

constexpr QRgb weiss = 0xFFFFFF, schwarz = 0x000000, rot = 0xFF0000, gruen = 0x00FF00;

// A net of an input neuron at (100, 100) connected one-way to a neuron at (200, 100).
void zweiNeuronen(TNetz& netz) {
    test::neuesNeuron(netz, 100, 100, Schichttyp::Inputschicht);
    test::neuesNeuron(netz, 200, 100);
    netz.Verbinde(0, 1);
}

} // namespace

class QtZeichenflaecheTest : public QObject {
    Q_OBJECT

  private slots:
    void pixelDesNetzes_data();
    void pixelDesNetzes();
    void stempelZeichnenWieQPainter();
    void nichtXorZweimalStelltDasBildWiederHer();
    void linienEndenUndRaender();
    void formenWeitAusserhalb();
    void zweiwegGewichtDecktDasFruehereGanz();
    void zwischenablageBekommtDasNetz();
};

// One pixel of the picture of zweiNeuronen and what it must be.
void QtZeichenflaecheTest::pixelDesNetzes_data() {
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<uint>("erwartet");
    // Circle of the neuron at (100, 100): box (78, 78)-(122, 122), both edges included.
    QTest::newRow("links aussen") << 77 << 100 << uint(weiss);
    QTest::newRow("linker Rand") << 78 << 100 << uint(schwarz);
    QTest::newRow("Fuellung") << 80 << 100 << uint(gruen);
    QTest::newRow("rechter Rand") << 122 << 100 << uint(schwarz);
    QTest::newRow("unterer Rand") << 100 << 122 << uint(schwarz);
    QTest::newRow("unten aussen") << 100 << 123 << uint(weiss);
    // The line runs from (124, 100) to (176, 100).
    QTest::newRow("vor der Linie") << 123 << 100 << uint(weiss);
    QTest::newRow("Linienanfang") << 124 << 100 << uint(schwarz);
    // The red dot's box is (174, 98)-(178, 102); the line ends in its middle.
    QTest::newRow("Punkt links aussen") << 173 << 99 << uint(weiss);
    QTest::newRow("Punkt linker Rand") << 174 << 99 << uint(schwarz);
    QTest::newRow("Punkt Mitte") << 176 << 100 << uint(rot);
    QTest::newRow("Punkt rechter Rand") << 178 << 99 << uint(schwarz);
    QTest::newRow("Punkt rechts aussen") << 179 << 99 << uint(weiss);
    QTest::newRow("Punkt unterer Rand") << 176 << 102 << uint(schwarz);
    QTest::newRow("Punkt unten aussen") << 176 << 103 << uint(weiss);
}

void QtZeichenflaecheTest::pixelDesNetzes() {
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(uint, erwartet);
    TNetz netz;
    zweiNeuronen(netz);
    netz.Darstellung = PfeileZeigen; // no weight label over the line
    QImage bild = weissesBild();
    QtZeichenflaeche c(bild);
    netz.ZeichneNetz(c);
    QCOMPARE(farbe(bild, x, y), erwartet);
}

// In Kopieren mode ellipses and texts are copied from rendered stamps, in NichtXor mode drawn by
// QPainter. Both must give the same pixels: drawn once in NichtXor mode on white, a shape shows
// its own colours inverted twice over (~(src ^ white) = src for a single layer), so compare
// layer by layer on separate images.
void QtZeichenflaecheTest::stempelZeichnenWieQPainter() {
    const struct {
        int x1, y1, x2, y2;
        Farbe fuellung;
    } ellipsen[] = {{78, 78, 122, 122, Gruen},
                    {-10, 5, 34, 49, Gelb},
                    {174, 98, 178, 102, Rot},
                    {290, 190, 334, 234, Weiss},
                    {3, 7, 3, 7, Rot}};
    for (const auto& e : ellipsen) {
        QImage schnell = weissesBild();
        QImage direkt = weissesBild();
        {
            QtZeichenflaeche c(schnell);
            c.SetzeFuellfarbe(e.fuellung);
            c.Ellipse(e.x1, e.y1, e.x2, e.y2);
        }
        {
            QPainter p(&direkt);
            p.setPen(QPen(Qt::black, 1));
            p.setBrush(QColor(e.fuellung.r, e.fuellung.g, e.fuellung.b));
            p.drawEllipse(QRect(e.x1, e.y1, e.x2 - e.x1, e.y2 - e.y1));
        }
        QCOMPARE(schnell, direkt);
    }
    for (const std::string text : {"0.00", "N7", "-12.50", "Wjgy", "Äquator"}) {
        QImage schnell = weissesBild();
        QImage direkt = weissesBild();
        QtZeichenflaeche c(schnell);
        const int h = c.TextHoehe(text);
        QVERIFY2(h >= 14 && h <= 17, "a text line is about 16 pixels high");
        c.SetzeFuellfarbe(Gruen);
        c.SetzeSchriftfarbe(Rot);
        c.Text(40, 60, text);
        c.Text(-5, 190, text); // clipped at the edges
        QFont f = NetzSchrift();
        QPainter p(&direkt);
        p.setFont(f);
        const QFontMetrics m(f);
        const QString s = QString::fromStdString(text);
        for (const QPoint ecke : {QPoint(40, 60), QPoint(-5, 190)}) {
            p.fillRect(QRect(ecke, QSize(m.horizontalAdvance(s), m.height())), Qt::green);
            p.setPen(Qt::red);
            p.drawText(ecke + QPoint(0, m.ascent()), s);
        }
        p.end();
        QCOMPARE(schnell, direkt);
    }
}

void QtZeichenflaecheTest::nichtXorZweimalStelltDasBildWiederHer() {
    TNetz netz;
    zweiNeuronen(netz);
    test::neuesNeuron(netz, 150, 160, Schichttyp::Outputschicht);
    netz.VerbindeBeide(1, 2);
    QImage bild = weissesBild();
    QtZeichenflaeche c(bild);
    netz.ZeichneNetz(c);
    const QImage vorher = bild.copy();

    c.SetzeStiftmodus(StiftModus::NichtXor);
    QCOMPARE(c.Stiftmodus(), StiftModus::NichtXor);
    auto formen = [&] {
        netz.Neuron(0).Markiere(c); // circle, label and value over the picture
        c.BewegeZu(100, 100);       // rubber band across circles and lines
        c.LinieZu(260, 190);
        c.BewegeZu(150, 160);
        c.LinieZu(-40, -3); // leaves the image
        netz.ZeichneNetz(c);
    };
    formen();
    QVERIFY(bild != vorher);
    formen();
    QCOMPARE(bild, vorher);

    // Back in Kopieren mode the pen draws black again.
    c.SetzeStiftmodus(StiftModus::Kopieren);
    c.BewegeZu(10, 190);
    c.LinieZu(20, 190);
    QCOMPARE(farbe(bild, 15, 190), schwarz);
}

// Lines include both end points in every direction and stay inside the image.
void QtZeichenflaecheTest::linienEndenUndRaender() {
    const struct {
        int x1, y1, x2, y2;
    } linien[] = {{10, 10, 40, 10}, {40, 20, 10, 20},    {50, 5, 50, 45},
                  {60, 45, 60, 5},  {70, 5, 90, 37},     {90, 45, 71, 6},
                  {5, 60, 5, 60},   {-20, 100, 30, 110}, {280, 150, 330, 190}};
    for (const auto& l : linien) {
        QImage bild = weissesBild();
        QtZeichenflaeche c(bild);
        c.BewegeZu(l.x1, l.y1);
        c.LinieZu(l.x2, l.y2);
        QImage qt = weissesBild();
        {
            QPainter p(&qt);
            p.setPen(QPen(Qt::black, 1));
            p.drawLine(l.x1, l.y1, l.x2, l.y2);
        }
        for (const QPoint e : {QPoint(l.x1, l.y1), QPoint(l.x2, l.y2)})
            if (bild.rect().contains(e)) QCOMPARE(farbe(bild, e.x(), e.y()), schwarz);
        // The same number of pixels as QPainter's line: one per step along the longer axis.
        int unsere = 0, qts = 0;
        for (int y = 0; y < bild.height(); ++y)
            for (int x = 0; x < bild.width(); ++x) {
                unsere += farbe(bild, x, y) == schwarz;
                qts += farbe(qt, x, y) == schwarz;
            }
        QCOMPARE(unsere, qts);
    }
}

// Centres far out (a damaged net file may hold any Int32) neither crash nor take long.
void QtZeichenflaecheTest::formenWeitAusserhalb() {
    QImage bild = weissesBild();
    QtZeichenflaeche c(bild);
    QElapsedTimer uhr;
    uhr.start();
    for (StiftModus m : {StiftModus::Kopieren, StiftModus::NichtXor}) {
        c.SetzeStiftmodus(m);
        c.Ellipse(INT_MAX - 44, INT_MAX - 44, INT_MAX, INT_MAX);
        c.Ellipse(INT_MIN, INT_MIN, INT_MIN + 44, INT_MIN + 44);
        c.Ellipse(INT_MIN, 10, INT_MAX, 50);
        c.BewegeZu(INT_MIN, INT_MIN);
        c.LinieZu(INT_MAX, INT_MAX);
        c.BewegeZu(INT_MIN, 100);
        c.LinieZu(INT_MAX, 100);
        c.Text(INT_MAX, INT_MIN, "0.00");
        c.Text(INT_MIN, 50, "0.00");
    }
    QVERIFY(uhr.elapsed() < 1000);
    // The two crossings were each drawn once in Kopieren and once in NichtXor mode: a line
    // through the image, taken back.
    QCOMPARE(farbe(bild, 150, 100), weiss);
    QCOMPARE(farbe(bild, 150, 150), weiss);
}

// The two weight labels of a two-way pair share the midpoint (a pixel apart here) and the later
// one, "0.72", covers the wider "-0.65": the region of both shows "0.72" alone on white.
void QtZeichenflaecheTest::zweiwegGewichtDecktDasFruehereGanz() {
    TNetz netz;
    test::neuesNeuron(netz, 100, 100).Anzeige = 0;
    test::neuesNeuron(netz, 205, 100).Anzeige = 0;
    netz.VerbindeBeide(0, 1);
    netz.SetzeGewicht(0, 1, -0.65f); // label centred on (152, 100)
    netz.SetzeGewicht(1, 0, 0.72f);  // on (153, 100)
    QImage bild = weissesBild();
    QtZeichenflaeche c(bild);
    netz.ZeichneNetz(c);

    QImage allein = weissesBild();
    QtZeichenflaeche a(allein);
    a.SetzeSchriftfarbe(Schwarz);
    const int h = a.TextHoehe("0.72");
    a.Text(153 - a.TextBreite("0.72") / 2, 100 - h / 2, "0.72");
    const int breiter = a.TextBreite("-0.65");
    QVERIFY(breiter > a.TextBreite("0.72"));
    const QRect frueher(152 - breiter / 2, 100 - h / 2, breiter, h);
    const QRect beide =
        frueher.united(QRect(153 - a.TextBreite("0.72") / 2, 100 - h / 2, a.TextBreite("0.72"), h));
    for (int y = beide.top(); y <= beide.bottom(); ++y)
        for (int x = beide.left(); x <= beide.right(); ++x)
            QVERIFY2(farbe(bild, x, y) == farbe(allein, x, y),
                     qPrintable(QString("pixel %1,%2").arg(x).arg(y)));
}

void QtZeichenflaecheTest::zwischenablageBekommtDasNetz() {
    QtZwischenablage ablage;
    Zwischenablage* vorher = setzeZwischenablage(&ablage);
    TNetz netz;
    zweiNeuronen(netz);
    netz.Neuron(1).X = 1290; // cut off at the image's right edge
    netz.KopiereInZwischenablage();
    setzeZwischenablage(vorher);

    const QImage bild = QGuiApplication::clipboard()->image();
    QCOMPARE(bild.size(), QSize(1300, 800));
    QCOMPARE(farbe(bild, 0, 0), weiss);
    QCOMPARE(farbe(bild, 1299, 799), weiss);
    QCOMPARE(farbe(bild, 78, 100), schwarz);
    QCOMPARE(farbe(bild, 80, 100), gruen);
    QCOMPARE(farbe(bild, 1268, 100), schwarz);
}

QTEST_MAIN(QtZeichenflaecheTest)
#include "qtzeichenflaeche_test.moc"
