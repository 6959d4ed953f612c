// The number fields through the widget: what a text reads as, what a number is shown as, and
// that reading never touches the text.
#include <QTest>

#include "fehler.h"
#include "intedit.h"
#include "singedit.h"

using nervalo::TIntEdit;
using nervalo::TSingEdit;

class ZahlfelderTest : public QObject {
    Q_OBJECT
  private slots:
    void singLesen_data();
    void singLesen();
    void singSchreiben_data();
    void singSchreiben();
    void singZehnSchritte();
    void singUeberlauf();
    void intLesen_data();
    void intLesen();
    void intSchreiben_data();
    void intSchreiben();
    void tippenWirdNichtGefiltert();
};

void ZahlfelderTest::singLesen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<float>("zahl");
    QTest::newRow("Null") << "0" << 0.0f;
    QTest::newRow("Punkt") << "1.5" << 1.5f;
    QTest::newRow("Komma") << "1,5" << 1.5f;
    QTest::newRow("Komma nach Blanks") << "   1,5" << 1.5f;
    QTest::newRow("negativ") << "-0.25" << -0.25f;
    QTest::newRow("Exponent") << "1e-3" << 0.001f;
    QTest::newRow("angezeigte Form") << " -0.5000" << -0.5f;
    QTest::newRow("zwei Punkte nach Komma") << "1,000.5" << 0.0f;
    QTest::newRow("leer") << "" << 0.0f;
    QTest::newRow("Blank am Ende") << "1.5 " << 0.0f;
    QTest::newRow("Ziffern und Buchstabe") << "12a" << 0.0f;
}

void ZahlfelderTest::singLesen() {
    QFETCH(QString, text);
    QFETCH(float, zahl);
    TSingEdit feld;
    feld.setText(text);
    QCOMPARE(feld.Number(), zahl);
    QCOMPARE(feld.text(), text); // reading leaves the text alone, also when it is no number
}

void ZahlfelderTest::singSchreiben_data() {
    QTest::addColumn<float>("zahl");
    QTest::addColumn<QString>("text");
    QTest::newRow("eins") << 1.0f << "  1.0000";
    QTest::newRow("halb") << 0.5f << "  0.5000";
    QTest::newRow("minus halb") << -0.5f << " -0.5000";
    QTest::newRow("acht Stellen") << 123.4567f << "123.4567";
    QTest::newRow("länger als acht") << -999.9999f << "-999.9999";
    QTest::newRow("tausend") << 1000.0f << " 1.0E+0003";
    QTest::newRow("zwei Stellen") << 1234.5f << " 1.2E+0003";
    QTest::newRow("fünf rundet auf") << 1250.0f << " 1.3E+0003";
    QTest::newRow("negativ groß") << -1234.5f << "-1.2E+0003";
}

void ZahlfelderTest::singSchreiben() {
    QFETCH(float, zahl);
    QFETCH(QString, text);
    TSingEdit feld;
    feld.setText("alt");
    feld.SetzeNumber(zahl);
    QCOMPARE(feld.text(), text);
}

// The test neuron's spin buttons step a field this way: read, add 0.1, write.
void ZahlfelderTest::singZehnSchritte() {
    TSingEdit feld;
    feld.SetzeNumber(0.0f);
    feld.SetzeNumber(feld.Number() + 0.1f);
    QCOMPARE(feld.Number(), 0.1f);
    for (int i = 1; i < 10; ++i)
        feld.SetzeNumber(feld.Number() + 0.1f);
    QCOMPARE(feld.text(), QString("  1.0000"));
    QCOMPARE(feld.Number(), 1.0f);
}

void ZahlfelderTest::singUeberlauf() {
    TSingEdit feld;
    feld.setText("1e300");
    QVERIFY_THROWS_EXCEPTION(nervalo::Fehler, feld.Number());
    QCOMPARE(feld.text(), QString("1e300"));
}

void ZahlfelderTest::intLesen_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint32>("zahl");
    QTest::newRow("Null") << "0" << 0;
    QTest::newRow("Blank davor") << " 7" << 7;
    QTest::newRow("negativ") << "-12" << -12;
    QTest::newRow("größte") << "2147483647" << 2147483647;
    QTest::newRow("kleinste") << "-2147483648" << (-2147483647 - 1);
    QTest::newRow("zu groß") << "2147483648" << 0;
    QTest::newRow("Buchstabe") << "12a" << 0;
    QTest::newRow("leer") << "" << 0;
    QTest::newRow("Blank am Ende") << "7 " << 0;
}

void ZahlfelderTest::intLesen() {
    QFETCH(QString, text);
    QFETCH(qint32, zahl);
    TIntEdit feld;
    feld.setText(text);
    QCOMPARE(feld.Number(), zahl);
    QCOMPARE(feld.text(), text);
}

void ZahlfelderTest::intSchreiben_data() {
    QTest::addColumn<qint32>("zahl");
    QTest::addColumn<QString>("text");
    QTest::newRow("negativ") << -42 << "-42";
    QTest::newRow("kleinste") << (-2147483647 - 1) << "-2147483648";
}

void ZahlfelderTest::intSchreiben() {
    QFETCH(qint32, zahl);
    QFETCH(QString, text);
    TIntEdit feld;
    feld.SetzeNumber(zahl);
    QCOMPARE(feld.text(), text);
    QCOMPARE(feld.Number(), zahl);
}

// Any character can be typed; the text is interpreted only when read.
void ZahlfelderTest::tippenWirdNichtGefiltert() {
    TSingEdit sing;
    QTest::keyClicks(&sing, "x1,5");
    QCOMPARE(sing.text(), QString("x1,5"));
    QCOMPARE(sing.Number(), 0.0f);
    sing.clear();
    QTest::keyClicks(&sing, "2,5");
    QCOMPARE(sing.Number(), 2.5f);

    TIntEdit ganz;
    QTest::keyClicks(&ganz, "12a");
    QCOMPARE(ganz.text(), QString("12a"));
    QCOMPARE(ganz.Number(), 0);
}

QTEST_MAIN(ZahlfelderTest)
#include "zahlfelder_test.moc"
