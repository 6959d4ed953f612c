// The special-nets dialog: the size check that keeps OK from confirming more than 60 neurons,
// its message, the fields' labels for the two kinds, typed texts, and what stays between uses.
#include <QApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <functional>

#include "netztypform.h"
#include "testdialoge.h"

using namespace nervalo;

namespace {

const std::string Meldung = "Die Gesamtzahl der Neuronen ist zu groß. (Maximal 60)";

// A recorder whose plain box runs `waehrend` while it is "open", as a modal box that processes
// events would.
class OffeneMeldung : public test::Rekorder {
  public:
    std::function<void()> waehrend;
    void Hinweis(const std::string& t) override {
        Rekorder::Hinweis(t);
        if (waehrend) waehrend();
    }
};

// Sets the kind first, then the fields from left to right, as a user would.
void eingeben(TNetztypForm& f, int art, int w1, int w2, int w3) {
    f.NetztypKnopf[art]->click();
    f.SpinEdit1->setValue(w1);
    f.SpinEdit2->setValue(w2);
    f.SpinEdit3->setValue(w3);
}

// Replaces the field's text by typing, without leaving the field.
void tippen(QSpinBox* s, const char* text) {
    s->setFocus();
    s->selectAll();
    QTest::keyClick(s, Qt::Key_Backspace);
    QTest::keyClicks(s, text);
}

// The field loses the focus, as when the user clicks elsewhere.
void verlassen(QSpinBox* s) {
    QFocusEvent aus(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(s, &aus);
}

} // namespace

class NetztypFormTest : public QObject {
    Q_OBJECT
  private slots:
    void gesamtzahl_data();
    void gesamtzahl();
    void artWechselPrueftSofort();
    void keineZweiteMeldungWaehrendEineOffenIst_data();
    void keineZweiteMeldungWaehrendEineOffenIst();
    void tippen_data();
    void tippen();
    void getipptEinmalGemeldet();
    void zwischenwerteOhneMeldung_data();
    void zwischenwerteOhneMeldung();
    void bleibtZwischenZweiAufrufen();
};

void NetztypFormTest::gesamtzahl_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("w1");
    QTest::addColumn<int>("w2");
    QTest::addColumn<int>("w3");
    QTest::addColumn<bool>("ok");
    QTest::newRow("Perzeptron 30+20+10") << 0 << 30 << 20 << 10 << true;
    QTest::newRow("Perzeptron 30+20+11") << 0 << 30 << 20 << 11 << false;
    QTest::newRow("Hopfield 7x7") << 1 << 7 << 7 << 2 << true;
    QTest::newRow("Hopfield 8x8") << 1 << 8 << 8 << 2 << false;
    QTest::newRow("Hopfield 15x4") << 1 << 15 << 4 << 2 << true;
    QTest::newRow("Hopfield 3x20, dritte Zahl zählt nicht") << 1 << 3 << 20 << 15 << true;
}

void NetztypFormTest::gesamtzahl() {
    QFETCH(int, art);
    QFETCH(int, w1);
    QFETCH(int, w2);
    QFETCH(int, w3);
    QFETCH(bool, ok);
    test::Rekorder r;
    TNetztypForm f;
    // Every intermediate state on the way stays at 60 or below.
    eingeben(f, art, w1, w2, w3);
    QCOMPARE(f.OKBtn->isEnabled(), ok);
    const std::vector<test::Meldung> soll =
        ok ? std::vector<test::Meldung>{} : std::vector<test::Meldung>{{'H', Meldung}};
    QCOMPARE(r.liste, soll);

    // Back to a size that fits: OK again, no further message.
    f.SpinEdit1->setValue(1);
    QVERIFY(f.OKBtn->isEnabled());
    QCOMPARE(r.liste, soll);
}

void NetztypFormTest::artWechselPrueftSofort() {
    test::Rekorder r;
    TNetztypForm f;
    f.show();
    QCOMPARE(f.focusWidget(), f.OKBtn);
    eingeben(f, 0, 30, 20, 10);
    QVERIFY(f.OKBtn->isEnabled());
    QVERIFY(r.liste.empty());

    f.NetztypKnopf[1]->click(); // 30 x 20 = 600
    QVERIFY(!f.OKBtn->isEnabled());
    QCOMPARE(r.liste, (std::vector<test::Meldung>{{'H', Meldung}}));
    QCOMPARE(f.Label2->text(), QString("horizontal"));
    QCOMPARE(f.Label3->text(), QString("vertikal"));
    QVERIFY(!f.SpinEdit3->isVisible());
    QVERIFY(!f.Label4->isVisible());

    f.NetztypKnopf[0]->click();
    QVERIFY(f.OKBtn->isEnabled());
    QCOMPARE(r.liste.size(), std::size_t(1));
    QCOMPARE(f.Label2->text(), QString("Inputschicht"));
    QCOMPARE(f.Label3->text(), QString("Hiddenschicht"));
    QVERIFY(f.SpinEdit3->isVisible());
    QVERIFY(f.Label4->isVisible());
}

void NetztypFormTest::keineZweiteMeldungWaehrendEineOffenIst_data() {
    QTest::addColumn<int>("spaeter");
    QTest::addColumn<bool>("ok");
    // While the message for 61 is open, the third field changes once more.
    QTest::newRow("weiter zu groß") << 15 << false;
    QTest::newRow("wieder passend") << 1 << true;
}

void NetztypFormTest::keineZweiteMeldungWaehrendEineOffenIst() {
    QFETCH(int, spaeter);
    QFETCH(bool, ok);
    OffeneMeldung r;
    TNetztypForm f;
    eingeben(f, 0, 30, 20, 10);
    r.waehrend = [&] {
        f.SpinEdit3->setValue(12);
        f.SpinEdit3->setValue(spaeter);
    };
    f.SpinEdit3->setValue(11);
    QCOMPARE(r.liste.size(), std::size_t(1));
    QCOMPARE(f.OKBtn->isEnabled(), ok);
    QCOMPARE(f.Wert3(), spaeter);
}

void NetztypFormTest::tippen_data() {
    QTest::addColumn<int>("feld");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("gezeigt"); // the text while the field has the focus
    QTest::addColumn<int>("wert");        // as read while the text stands
    QTest::addColumn<QString>("danach");  // the text after leaving the field
    QTest::newRow("Zahl") << 2 << "17"
                          << "17" << 17 << "17";
    QTest::newRow("leer zählt als 1") << 1 << ""
                                      << "" << 1 << "1";
    QTest::newRow("0 zählt als 1") << 3 << "0"
                                   << "0" << 1 << "1";
    QTest::newRow("führende Null") << 2 << "07"
                                   << "07" << 7 << "7";
    QTest::newRow("45 wird 30") << 1 << "45"
                                << "45" << 30 << "30";
    QTest::newRow("30 Punkte horizontal") << 1 << "30"
                                          << "30" << 30 << "30";
    QTest::newRow("25 wird 20") << 2 << "25"
                                << "25" << 20 << "20";
    QTest::newRow("99 wird 15") << 3 << "99"
                                << "99" << 15 << "15";
    QTest::newRow("zu lang für eine Zahl wird 20") << 2 << "12345678901234"
                                                   << "12345678901234" << 20 << "20";
    QTest::newRow("Minus nicht tippbar") << 3 << "-3"
                                         << "3" << 3 << "3";
    QTest::newRow("Buchstaben nicht tippbar") << 3 << "1a2"
                                              << "12" << 12 << "12";
}

void NetztypFormTest::tippen() {
    QFETCH(int, feld);
    QFETCH(QString, text);
    QFETCH(QString, gezeigt);
    QFETCH(int, wert);
    QFETCH(QString, danach);
    test::Rekorder r;
    TNetztypForm f;
    f.show();
    QSpinBox* felder[] = {f.SpinEdit1, f.SpinEdit2, f.SpinEdit3};
    const std::function<int()> lesen[] = {[&] { return f.Wert1(); }, [&] { return f.Wert2(); },
                                          [&] { return f.Wert3(); }};
    QSpinBox* s = felder[feld - 1];
    ::tippen(s, text.toLatin1().constData());
    QCOMPARE(s->text(), gezeigt);
    QCOMPARE(lesen[feld - 1](), wert);
    verlassen(s);
    QCOMPARE(s->text(), danach);
    QCOMPARE(s->value(), wert);
    QCOMPARE(lesen[feld - 1](), wert);
    QVERIFY(r.liste.empty());
}

// Typing "11" after 30 and 20 reaches 61: OK goes grey at once, and the message comes once the
// number is entered with Enter, not while typing. Leaving the field tidies its text but doesn't
// change the value: no second message.
void NetztypFormTest::getipptEinmalGemeldet() {
    test::Rekorder r;
    TNetztypForm f;
    f.show();
    eingeben(f, 0, 30, 20, 2);
    ::tippen(f.SpinEdit3, "011");
    QVERIFY(r.liste.empty());
    QVERIFY(!f.OKBtn->isEnabled());
    QTest::keyClick(f.SpinEdit3, Qt::Key_Return);
    QCOMPARE(r.liste, (std::vector<test::Meldung>{{'H', Meldung}}));
    verlassen(f.SpinEdit3);
    QCOMPARE(f.SpinEdit3->text(), QString("11"));
    QCOMPARE(r.liste.size(), std::size_t(1));
    QVERIFY(!f.OKBtn->isEnabled());
}

// On the way to the number the user wants, the text may stand for too many neurons: OK follows
// it, but no message interrupts the typing, and a number that fits in the end shows none.
void NetztypFormTest::zwischenwerteOhneMeldung_data() {
    QTest::addColumn<bool>("mitEnter"); // else the field is left
    QTest::newRow("Enter") << true;
    QTest::newRow("verlassen") << false;
}

void NetztypFormTest::zwischenwerteOhneMeldung() {
    QFETCH(bool, mitEnter);
    test::Rekorder r;
    TNetztypForm f;
    f.show();
    eingeben(f, 0, 30, 20, 10);
    f.SpinEdit3->setFocus();
    QTest::keyClick(f.SpinEdit3, Qt::Key_End);
    QTest::keyClick(f.SpinEdit3, Qt::Key_5); // "105"
    QCOMPARE(f.SpinEdit3->text(), QString("105"));
    QVERIFY(!f.OKBtn->isEnabled());
    QTest::keyClick(f.SpinEdit3, Qt::Key_Home);
    QTest::keyClick(f.SpinEdit3, Qt::Key_Delete);
    QTest::keyClick(f.SpinEdit3, Qt::Key_Delete); // "5"
    QVERIFY(f.OKBtn->isEnabled());
    if (mitEnter)
        QTest::keyClick(f.SpinEdit3, Qt::Key_Return);
    else
        verlassen(f.SpinEdit3);
    QCOMPARE(f.Wert3(), 5);
    QCOMPARE(f.SpinEdit3->value(), 5);
    QVERIFY(f.OKBtn->isEnabled());
    QVERIFY(r.liste.empty());
}

void NetztypFormTest::bleibtZwischenZweiAufrufen() {
    test::TestDialoge d;
    TNetztypForm f;
    d.modal.push_back([&](QDialog&) {
        eingeben(f, 1, 5, 6, 3);
        f.OKBtn->click();
        return f.result();
    });
    QStringList gesehen;
    d.modal.push_back([&](QDialog&) {
        f.show(); // activation
        gesehen << QString::number(f.Netztyp()) << QString::number(f.Wert1())
                << QString::number(f.Wert2()) << QString::number(f.Wert3()) << f.Label2->text()
                << (f.SpinEdit3->isVisible() ? "sichtbar" : "verborgen");
        f.CancelBtn->click();
        return f.result();
    });
    QCOMPARE(dialoge().ZeigeModal(f), int(QDialog::Accepted));
    QCOMPARE(dialoge().ZeigeModal(f), int(QDialog::Rejected));
    QCOMPARE(gesehen, QStringList({"1", "5", "6", "3", "horizontal", "verborgen"}));
    QVERIFY(d.liste.empty());
}

QTEST_MAIN(NetztypFormTest)
#include "netztypform_test.moc"
