// A screen of two pixels per point (QT_SCALE_FACTOR=2): the net picture and the pattern grid are
// drawn at the screen's own pixels, not enlarged from a picture of half the resolution, and the
// net keeps the layout of the model's coordinates.
#include <QApplication>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "editorumgebung.h"
#include "hopfieldform.h"
#include "hopfieldumgebung.h"
#include "netz.h"
#include "netzgrafform.h"
#include "qtzeichenflaeche.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

struct LeereEditorUmgebung : EditorUmgebung {
    Werkzeug AktivesWerkzeug() const override { return Werkzeug::Keins; }
    bool RasterAn() const override { return false; }
    void ZeichnungAktualisieren() override {}
    void ErstNetzSichern() override {}
    void NetzGeaendert() override {}
    void NetzfensterSchliesst() override {}
};

struct LeereHopfieldUmgebung : HopfieldUmgebung {
    void MusterMerken() override {}
    void MusterErkennen() override {}
    void HopfieldfensterGeschlossen() override {}
    void HopfieldfensterGeoeffnet() override {}
};

// An image that was enlarged from one of half its resolution consists of uniform 2 x 2 blocks.
bool nurDoppelpixel(const QImage& b) {
    for (int y = 0; y + 1 < b.height(); y += 2)
        for (int x = 0; x + 1 < b.width(); x += 2) {
            const QRgb p = b.pixel(x, y);
            if (b.pixel(x + 1, y) != p || b.pixel(x, y + 1) != p || b.pixel(x + 1, y + 1) != p)
                return false;
        }
    return true;
}

// The smallest rectangle holding every pixel that is not white.
QRect bemalt(const QImage& b) {
    QRect r;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if ((b.pixel(x, y) & 0xFFFFFFu) != 0xFFFFFFu) r |= QRect(x, y, 1, 1);
    return r;
}

QImage weiss(int w, int h, int massstab) {
    QImage b(w * massstab, h * massstab, QImage::Format_RGB32);
    b.setDevicePixelRatio(massstab);
    b.fill(Qt::white);
    return b;
}

// Two neurons, one of them an input neuron, with a one-way connection and its weight shown.
void zweiNeuronen(TNetz& netz) {
    netz.Darstellung = GewichteZeigen | PfeileZeigen;
    test::neuesNeuron(netz, 100, 100, Schichttyp::Inputschicht);
    test::neuesNeuron(netz, 200, 100);
    netz.Verbinde(0, 1);
}

} // namespace

class HochaufloesendTest : public QObject {
    Q_OBJECT

  private slots:
    // The same net on an image of one and of two pixels per point: the finer picture covers the
    // same area (the model's coordinates are points) but is no enlargement of the coarse one.
    void netzbildInGeraetepixeln() {
        TNetz netz;
        zweiNeuronen(netz);
        QImage grob = weiss(300, 200, 1);
        QImage fein = weiss(300, 200, 2);
        {
            QtZeichenflaeche a(grob), b(fein);
            netz.ZeichneNetz(a);
            netz.ZeichneNetz(b);
        }
        QVERIFY(!nurDoppelpixel(fein));
        const QRect g = bemalt(grob), f = bemalt(fein);
        QVERIFY2(std::abs(f.left() - 2 * g.left()) <= 2 && std::abs(f.top() - 2 * g.top()) <= 2 &&
                     std::abs(f.right() - 2 * g.right() - 1) <= 2 &&
                     std::abs(f.bottom() - 2 * g.bottom() - 1) <= 2,
                 qPrintable(QStringLiteral("%1,%2 %3x%4 bei %5,%6 %7x%8")
                                .arg(f.x())
                                .arg(f.y())
                                .arg(f.width())
                                .arg(f.height())
                                .arg(g.x())
                                .arg(g.y())
                                .arg(g.width())
                                .arg(g.height())));
        // The input neuron's fill at its centre left of the label, in device pixels.
        QCOMPARE(fein.pixel(2 * 84, 2 * 100) & 0xFFFFFFu, 0x00FF00u);
    }

    // A line one point wide covers the 2 x 2 pixels of the points it passes, end points
    // included, and nothing beyond them; so does a filled rectangle, clipped to the image.
    void linienUndRechtecke_data() {
        QTest::addColumn<QRect>("strecke"); // from topLeft to bottomRight, or a filled rectangle
        QTest::addColumn<bool>("rechteck");
        QTest::addColumn<QRect>("pixel"); // what it covers, in image pixels
        QTest::newRow("waagrecht") << QRect(QPoint(10, 10), QPoint(30, 10)) << false
                                   << QRect(QPoint(20, 20), QPoint(61, 21));
        QTest::newRow("rückwärts") << QRect(QPoint(30, 10), QPoint(10, 10)) << false
                                   << QRect(QPoint(20, 20), QPoint(61, 21));
        QTest::newRow("senkrecht") << QRect(QPoint(5, 40), QPoint(5, 12)) << false
                                   << QRect(QPoint(10, 24), QPoint(11, 81));
        QTest::newRow("Punkt") << QRect(QPoint(7, 7), QPoint(7, 7)) << false
                               << QRect(QPoint(14, 14), QPoint(15, 15));
        QTest::newRow("schräg") << QRect(QPoint(10, 10), QPoint(20, 20)) << false
                                << QRect(QPoint(20, 20), QPoint(41, 41));
        QTest::newRow("Rechteck") << QRect(QPoint(3, 4), QPoint(9, 6)) << true
                                  << QRect(QPoint(6, 8), QPoint(17, 11));
        QTest::newRow("Rechteck am Rand") << QRect(QPoint(-5, 95), QPoint(4, 120)) << true
                                          << QRect(QPoint(0, 190), QPoint(7, 199));
    }
    void linienUndRechtecke() {
        QFETCH(QRect, strecke);
        QFETCH(bool, rechteck);
        QFETCH(QRect, pixel);
        QImage bild = weiss(100, 100, 2);
        QtZeichenflaeche c(bild);
        if (rechteck) {
            c.SetzeFuellfarbe(Schwarz);
            c.Rechteck(strecke.left(), strecke.top(), strecke.right(), strecke.bottom());
        } else {
            c.BewegeZu(strecke.left(), strecke.top());
            c.LinieZu(strecke.right(), strecke.bottom());
        }
        QCOMPARE(bemalt(bild), pixel);
    }

    // The rubber band of the editor: a line drawn twice in NichtXor mode leaves no trace, also
    // at two pixels per point.
    void nichtXorNimmtZurueck() {
        TNetz netz;
        zweiNeuronen(netz);
        QImage bild = weiss(300, 200, 2);
        QtZeichenflaeche c(bild);
        netz.ZeichneNetz(c);
        const QImage vorher = bild.copy();
        c.SetzeStiftmodus(StiftModus::NichtXor);
        for (int i = 0; i < 2; ++i) {
            c.BewegeZu(100, 100);
            c.LinieZu(260, 173);
            c.Ellipse(240, 160, 250, 190);
        }
        QCOMPARE(bild, vorher);
    }

    // The editor's paint box keeps an image of the screen's pixels behind a widget of points.
    void netzfenster() {
        TNetz netz;
        zweiNeuronen(netz);
        LeereEditorUmgebung umgebung;
        TNetzGrafform form(umgebung);
        form.Netz = &netz;
        form.resize(400, 300);
        form.show();
        form.Aktualisieren();
        auto& box = *static_cast<TNetzPaintBox*>(form.PaintBox1);
        QCOMPARE(box.devicePixelRatioF(), 2.0);
        QCOMPARE(box.Bild().devicePixelRatio(), 2.0);
        QCOMPARE(box.Bild().size(), box.size() * 2);
        QCOMPARE(box.Bild().pixel(2 * 84, 2 * 100) & 0xFFFFFFu, 0x00FF00u);
        QVERIFY(!nurDoppelpixel(box.grab().toImage()));
    }

    // The pattern grid's diamonds and lines at the screen's pixels.
    void mustergitter() {
        LeereHopfieldUmgebung umgebung;
        QPointer<THopfieldForm> form = new THopfieldForm(umgebung);
        form->Auslegen(3, 3);
        form->SetzeZelle(1, 1, "u");
        const QImage bild = form->StringGrid1->grab().toImage();
        QCOMPARE(bild.size(), form->StringGrid1->size() * 2);
        QVERIFY(!nurDoppelpixel(bild));
        delete form;
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    HochaufloesendTest t;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&t, argc, argv);
}

#include "hochaufloesend_test.moc"
