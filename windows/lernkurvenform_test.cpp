// The learning curve window: where the plot puts an error on its logarithmic axis, the total
// error in the window's number form, and the pace list.
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "lernkurvenbild.h"
#include "lernkurvenform.h"

using namespace nervalo;

class LernkurvenformTest : public QObject {
    Q_OBJECT

  private slots:
    // Errors from 1 down to 0.001 span three powers of ten: 0.01 lies two thirds of the way
    // down, at the middle of the step axis for step 5 of 10. The painted line passes there.
    void punktAufDerLogAchse() {
        TLernkurvenForm f;
        f.resize(560, 380);
        f.show();
        Lernkurve k;
        for (int s = 1; s <= 10; ++s) {
            k.Schritt(0.5f);
            k.Gesamt(s == 1 ? 1.0 : s == 10 ? 0.001 : 0.01);
        }
        f.Zeigen(k, 0.0123, "");
        const QRectF r = f.Kurve->Flaeche();
        const QPointF p = f.Kurve->Punkt(5, 0.01);
        QCOMPARE(p, QPointF(r.left() + r.width() / 2, r.bottom() - r.height() / 3));
        const QImage bild = f.Kurve->grab().toImage();
        QCOMPARE(bild.pixelColor(qRound(p.x()), qRound(p.y())), TLernkurvenbild::GesamtFarbe());
        QCOMPARE(f.GesamtfehlerEdit->text(), QString("1,23E-02"));
    }

    // The step axis ends at the first tick at or beyond the steps made, ticks at 1, 2 or 5
    // times a power of ten, at most six intervals.
    void schrittachse_data() {
        QTest::addColumn<int>("schritte");
        QTest::addColumn<int>("ende");
        QTest::newRow("kein Schritt") << 0 << 10;
        QTest::newRow("genau auf einem Strich") << 100000 << 100000;
        QTest::newRow("knapp darüber") << 110000 << 120000;
        QTest::newRow("gröbere Teilung") << 130000 << 150000;
    }
    void schrittachse() {
        QFETCH(int, schritte);
        QFETCH(int, ende);
        TLernkurvenForm f;
        f.resize(560, 380);
        Lernkurve k;
        for (int s = 0; s < schritte; ++s)
            k.Schritt(0.5f);
        f.Zeigen(k, std::nullopt, "");
        const QRectF r = f.Kurve->Flaeche();
        QCOMPARE(f.Kurve->Punkt(ende, 1).x(), r.right());
    }

    // The pace list: shown without a report, chosen with one.
    void tempo() {
        TLernkurvenForm f;
        QSignalSpy gewaehlt(&f, &TLernkurvenForm::TempoGewaehlt);
        f.TempoZeigen(10);
        QCOMPARE(f.TempoBox->currentText(), QString("10 Schritte pro Sekunde"));
        QCOMPARE(gewaehlt.count(), 0);
        QCOMPARE(f.TempoBox->itemText(0), QString("Höchstes Tempo"));
        QCOMPARE(f.TempoBox->itemText(1), QString("1 Schritt pro Sekunde"));
        emit f.TempoBox->activated(5);
        QCOMPARE(gewaehlt.takeFirst().at(0).toInt(), 50);
    }
};

QTEST_MAIN(LernkurvenformTest)
#include "lernkurvenform_test.moc"
