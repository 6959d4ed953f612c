// The decision map window: when it shows a map and when a note, which neuron it shows, the
// picture's orientation against the model's outputs, and zooming with the wheel.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTest>
#include <QWheelEvent>

#include "kartenbild.h"
#include "kartenform.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

// Inputs N0, N1, outputs N2 (fed by N1 only, weight 4) and N3 (fed by N0 only, weight -4).
TNetz netz() {
    TNetz n;
    test::neuesNeuron(n, 0, 0, Schichttyp::Inputschicht);
    test::neuesNeuron(n, 0, 0, Schichttyp::Inputschicht);
    test::neuesNeuron(n, 0, 0, Schichttyp::Outputschicht).Bezeichnung = "oben";
    test::neuesNeuron(n, 0, 0, Schichttyp::Outputschicht).Bezeichnung = "links";
    n.Verbinde(1, 2);
    n.SetzeGewicht(1, 2, 4.0f);
    n.Verbinde(0, 3);
    n.SetzeGewicht(0, 3, -4.0f);
    return n;
}

// The model's output of neuron k when a fresh copy gets (x, y).
float ausgabe(const TNetz& n, int k, float x, float y) {
    TNetz kopie = n;
    kopie.Neuron(0).SetzeOutput(x);
    kopie.Neuron(1).SetzeOutput(y);
    kopie.Propagiere();
    return kopie.Neuron(k).Output;
}

QColor farbe(float wert) {
    const Farbe f = Kartenfarbe(wert, {0, 1});
    return {f.r, f.g, f.b};
}

} // namespace

class KartenformTest : public QObject {
    Q_OBJECT

  private slots:
    // The picture's top row is the highest y, its left column the lowest x: for a neuron that
    // grows with y the top is the colour of its output there, and so on for the corners.
    void bildWieDasModell() {
        TKartenForm f;
        const TNetz n = netz();
        f.Zeigen(n, Lernzuordnung::AusNetz(n), {});
        QVERIFY(f.HinweisLbl->isHidden());
        QCOMPARE(f.AusgabeBox->count(), 2);
        QCOMPARE(f.Ausgabe(), std::optional<int>(2));
        const QImage& bild = f.Karte->Bild();
        const float lo = Kartenstelle(-0.5, 1.5, 0), hi = Kartenstelle(-0.5, 1.5, 99);
        QCOMPARE(bild.pixelColor(0, 0), farbe(ausgabe(n, 2, lo, hi)));
        QCOMPARE(bild.pixelColor(0, 99), farbe(ausgabe(n, 2, lo, lo)));

        // The second output: the drop-down chooses it, and it stays chosen when the net is
        // shown again.
        f.AusgabeBox->setCurrentIndex(1);
        emit f.AusgabeBox->activated(1);
        QCOMPARE(f.Ausgabe(), std::optional<int>(3));
        f.Zeigen(n, Lernzuordnung::AusNetz(n), {});
        QCOMPARE(f.Ausgabe(), std::optional<int>(3));
        QCOMPARE(f.Karte->Bild().pixelColor(99, 50),
                 farbe(ausgabe(n, 3, hi, Kartenstelle(-0.5, 1.5, 49))));
    }

    // Without two input neurons, or without an output neuron, the window says why.
    void hinweise_data() {
        QTest::addColumn<int>("eingaben");
        QTest::addColumn<int>("ausgaben");
        QTest::addColumn<QString>("hinweis");
        const QString zwei = QString::fromUtf8(KarteBrauchtZweiEingaben);
        QTest::newRow("keine Eingabe") << 0 << 1 << zwei;
        QTest::newRow("eine Eingabe") << 1 << 1 << zwei;
        QTest::newRow("drei Eingaben") << 3 << 1 << zwei;
        QTest::newRow("keine Ausgabe") << 2 << 0 << QString("Das Netz hat kein Output-Neuron.");
        QTest::newRow("Karte") << 2 << 1 << QString();
    }
    void hinweise() {
        QFETCH(int, eingaben);
        QFETCH(int, ausgaben);
        QFETCH(QString, hinweis);
        TNetz n;
        for (int i = 0; i < eingaben; ++i)
            test::neuesNeuron(n, 0, 0, Schichttyp::Inputschicht);
        test::neuesNeuron(n, 0, 0, Schichttyp::Hiddenschicht);
        for (int i = 0; i < ausgaben; ++i)
            test::neuesNeuron(n, 0, 0, Schichttyp::Outputschicht);
        TKartenForm f;
        f.Zeigen(n, Lernzuordnung::AusNetz(n), {});
        QCOMPARE(f.HinweisLbl->isHidden(), hinweis.isEmpty());
        QCOMPARE(f.Karte->isHidden(), !hinweis.isEmpty());
        if (!hinweis.isEmpty()) QCOMPARE(f.HinweisLbl->text(), hinweis);
        QCOMPARE(f.Werte.empty(), !hinweis.isEmpty());
    }

    // The wheel zooms around the point under the mouse; the range then stays put when the
    // table changes, until "Ansicht zurücksetzen" lets it follow the table again.
    void zoomen() {
        TKartenForm f;
        f.resize(480, 440);
        const TNetz n = netz();
        const Lernzuordnung z = Lernzuordnung::AusNetz(n);
        f.Zeigen(n, z, {});
        TKartenbild& k = *f.Karte;
        const QPointF mitte = k.Flaeche().center();
        const QPointF stelle = k.Stelle(mitte);
        QWheelEvent rad(mitte, k.mapToGlobal(mitte), {}, {0, 120}, Qt::NoButton, Qt::NoModifier,
                        Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(&k, &rad);
        const Kartenbereich b = k.Bereich();
        QCOMPARE(b.xBis - b.xVon, 2.0 * 0.8);
        QVERIFY(std::abs(k.Stelle(mitte).x() - stelle.x()) < 1e-9);
        f.Zeigen(n, z, {{0.0f, 10.0f}}); // a row with inputs 0 and 10
        QCOMPARE(k.Bereich(), b);
        f.AnsichtZuruecksetzen1->trigger();
        QCOMPARE(k.Bereich(), (Kartenbereich{-0.5, 0.5, 9.5, 10.5}));
    }
};

QTEST_MAIN(KartenformTest)
#include "kartenform_test.moc"
