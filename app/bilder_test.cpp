// The tool-button pictures on screens of one and two pixels per point: on a normal screen the
// icon shows exactly the picture drawn at its size, on a high-density screen one drawn at twice
// the size, for the enabled and the disabled look alike.
#include <QIcon>
#include <QtTest>

#include "bilder.h"

using namespace nervalo;

class BilderTest : public QObject {
    Q_OBJECT

  private slots:
    void symbolInGeraetepixeln_data() {
        QTest::addColumn<int>("bild");
        QTest::addColumn<double>("massstab");
        for (int b = 0; b <= static_cast<int>(Bild::Kopieren); ++b)
            for (double m : {1.0, 2.0})
                QTest::addRow("Bild %d, %g", b, m) << b << m;
    }
    void symbolInGeraetepixeln() {
        QFETCH(int, bild);
        QFETCH(double, massstab);
        constexpr int Seite = 28; // the top tool bar's pictures
        const QIcon symbol = Symbol(static_cast<Bild>(bild), Seite);
        const int pixel = static_cast<int>(Seite * massstab);
        QImage erwartet = Bildchen(static_cast<Bild>(bild), pixel).toImage();
        erwartet.setDevicePixelRatio(massstab);
        const QPixmap an = symbol.pixmap(QSize(Seite, Seite), massstab);
        QCOMPARE(an.devicePixelRatio(), massstab);
        QCOMPARE(an.toImage(), erwartet);
        const QImage aus = symbol.pixmap(QSize(Seite, Seite), massstab, QIcon::Disabled).toImage();
        QCOMPARE(aus.size(), erwartet.size());
        QVERIFY(aus != erwartet);
    }
};

QTEST_MAIN(BilderTest)
#include "bilder_test.moc"
