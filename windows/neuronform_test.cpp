// The test neuron window, driven by real mouse clicks and key presses: the values it computes,
// the spin buttons, Enter in the fields, the floating-point faults and independent windows.
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <array>
#include <memory>

#include "neuronform.h"
#include "singedit.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

constexpr int Linear = 0, Sigmoid = 1, Tanh = 2; // items of RadioGroup1
constexpr int Id = 0, Bin = 1;                   // items of RadioGroup2

const QString Division = QStringLiteral("Gleitkommadivision durch Null");
const QString Ueberlauf = QStringLiteral("Gleitkommaüberlauf");

// The text a field shows for x with four decimals.
QString zahl(double x) {
    return QString::asprintf("%8.4f", x);
}

void klicke(QAbstractButton* k) {
    QTest::mouseClick(k, Qt::LeftButton, {}, k->rect().center());
}

// A radio button is hit on its indicator, whatever the width of its text.
void waehle(TRadioGroup* gruppe, int item) {
    QRadioButton* k = gruppe->Knopf(item);
    QTest::mouseClick(k, Qt::LeftButton, {}, QPoint(6, k->height() / 2));
}

} // namespace

class NeuronformTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::Rekorder> rekorder;
    std::unique_ptr<TNeuronForm> form;

    QStringList fehler() const {
        QStringList l;
        for (const auto& m : rekorder->liste)
            l << QString(m.art) + ": " + QString::fromStdString(m.text);
        return l;
    }
    // The seven input fields in the order of their spin buttons 1..7.
    std::array<TSingEdit*, 7> felder() const {
        return {form->In1,   form->In2,       form->g1,         form->g2,
                form->theta, form->Parameter, form->OutSchwelle};
    }
    std::array<TSpinButton*, 7> spins() const {
        return {form->SpinButton1, form->SpinButton2, form->SpinButton3, form->SpinButton4,
                form->SpinButton5, form->SpinButton6, form->SpinButton7};
    }
    // The signals 0.5 and 0.3 with weights 1: input sum 0.8.
    void signale() {
        form->In1->setText("0.5");
        form->In2->setText("0.3");
    }

  private slots:
    void init() {
        rekorder = std::make_unique<test::Rekorder>();
        form = std::make_unique<TNeuronForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    }
    void cleanup() {
        form.reset();
        rekorder.reset();
    }

    void berechnen_data() {
        QTest::addColumn<QStringList>("felder"); // In1, In2, g1, g2, theta, Parameter, Xi
        QTest::addColumn<int>("aktivierung");
        QTest::addColumn<int>("ausgabe");
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("out");
        const QStringList halb{"0.5", "0.3", "1", "1", "0", "1", "0"};
        const QStringList eins{"1", "1", "1", "1", "0", "1", "0"};
        QTest::newRow("0.5+0.3 Linear") << halb << Linear << Id << "  0.8000"
                                        << "  0.8000";
        QTest::newRow("0.5+0.3 Sigmoid") << halb << Sigmoid << Id << "  0.8000"
                                         << "  0.6900";
        QTest::newRow("0.5+0.3 Tanh") << halb << Tanh << Id << "  0.8000"
                                      << "  0.6640";
        QTest::newRow("1+1 Linear begrenzt") << eins << Linear << Id << "  2.0000"
                                             << "  1.0000";
        QTest::newRow("1+1 Sigmoid") << eins << Sigmoid << Id << "  2.0000"
                                     << "  0.8808";
        QTest::newRow("1+1 Tanh") << eins << Tanh << Id << "  2.0000"
                                  << "  0.9640";
        QTest::newRow("Gewichte") << QStringList{"0.5", "0.3", "-2", "0,5", "0", "1", "0"} << Tanh
                                  << Id << " -0.8500"
                                  << " -0.6911";
        QTest::newRow("alles 0, Sigmoid bin, Xi 0.5")
            << QStringList{"0", "0", "0", "0", "0", "1", "0.5"} << Sigmoid << Bin << "  0.0000"
            << "  1.0000";
        QTest::newRow("Sigmoid bin, unter Xi")
            << QStringList{"0", "0", "1", "1", "0", "1", "0,6"} << Sigmoid << Bin << "  0.0000"
            << "  0.0000";
        // Parameter 2: the ramp ends at d = +-0.5; d = sum - theta with theta 0.25.
        QTest::newRow("Linear d = +1/Param")
            << QStringList{"0.75", "0", "1", "1", "0.25", "2", "0"} << Linear << Id << "  0.7500"
            << "  1.0000";
        QTest::newRow("Linear d = -1/Param")
            << QStringList{"-0.25", "0", "1", "1", "0.25", "2", "0"} << Linear << Id << " -0.2500"
            << " -1.0000";
        QTest::newRow("Linear bin an Xi")
            << QStringList{"0.5", "0", "1", "1", "0.25", "2", "0.5"} << Linear << Bin << "  0.5000"
            << "  1.0000";
    }
    void berechnen() {
        QFETCH(QStringList, felder);
        QFETCH(int, aktivierung);
        QFETCH(int, ausgabe);
        QFETCH(QString, input);
        QFETCH(QString, out);
        waehle(form->RadioGroup1, aktivierung);
        waehle(form->RadioGroup2, ausgabe);
        for (int i = 0; i < 7; ++i)
            this->felder()[i]->setText(felder[i]);
        klicke(form->BerechneBtn);
        QCOMPARE(form->Input->text(), input);
        QCOMPARE(form->Out->text(), out);
        QCOMPARE(fehler(), QStringList());
    }

    void auswahlBerechnet() {
        signale();
        form->OutSchwelle->setText("0.7");
        waehle(form->RadioGroup1, Sigmoid);
        QCOMPARE(form->Out->text(), "  0.6900");
        waehle(form->RadioGroup2, Bin);
        QCOMPARE(form->Out->text(), "  0.0000");
        waehle(form->RadioGroup1, Linear);
        QCOMPARE(form->Out->text(), "  1.0000");
        waehle(form->RadioGroup2, Id);
        QCOMPARE(form->Out->text(), "  0.8000");
        QCOMPARE(form->Testneuron.Aktionsfunktion, Aktionsfunktion::linear);
    }

    void spinZehnSchritteHoch() {
        // Linear with weight 1: sum and output are the signal, clipped at 1.
        for (int k = 1; k <= 10; ++k) {
            form->Input->setText("x");
            form->Out->setText("x");
            klicke(form->SpinButton1->Hoch);
            QCOMPARE(form->In1->text(), zahl(k / 10.0));
            QCOMPARE(form->Input->text(), zahl(k / 10.0));
            QCOMPARE(form->Out->text(), zahl(k / 10.0));
        }
        QCOMPARE(form->In1->Number(), 1.0f);
        QCOMPARE(fehler(), QStringList());
    }

    void spinKnoepfe_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<QStringList>("texte"); // after one up click, then after two down clicks
        QTest::newRow("1 In1") << 1 << QStringList{"  0.6000", "  0.4000"};
        QTest::newRow("2 In2") << 2 << QStringList{"  0.4000", "  0.2000"};
        QTest::newRow("3 g1") << 3 << QStringList{"  1.1000", "  0.9000"};
        QTest::newRow("4 g2") << 4 << QStringList{"  1.1000", "  0.9000"};
        QTest::newRow("5 theta") << 5 << QStringList{"  0.1000", " -0.1000"};
        QTest::newRow("6 Parameter") << 6 << QStringList{"  1.1000", "  0.9000"};
        QTest::newRow("7 OutSchwelle") << 7 << QStringList{"  0.1000", " -0.1000"};
    }
    void spinKnoepfe() {
        QFETCH(int, nummer);
        QFETCH(QStringList, texte);
        signale();
        waehle(form->RadioGroup1, Sigmoid);
        TSingEdit* feld = felder()[nummer - 1];
        TSpinButton* spin = spins()[nummer - 1];
        QStringList vorher;
        for (TSingEdit* f : felder())
            vorher << f->text();
        // After each click a computation has run with the stepped value: the output it shows is
        // the one that "Berechne" gives.
        const auto pruefe = [&](QToolButton* haelfte, const QString& text) {
            form->Out->setText("x");
            klicke(haelfte);
            QCOMPARE(feld->text(), text);
            const QString out = form->Out->text();
            QVERIFY(out != "x");
            klicke(form->BerechneBtn);
            QCOMPARE(form->Out->text(), out);
        };
        pruefe(spin->Hoch, texte[0]);
        pruefe(spin->Runter, zahl(vorher[nummer - 1].trimmed().toDouble()));
        pruefe(spin->Runter, texte[1]);
        for (int i = 0; i < 7; ++i) // the other fields stay as they were
            if (i != nummer - 1) QCOMPARE(felder()[i]->text(), vorher[i]);
        QCOMPARE(fehler(), QStringList());
    }

    void spinParameterAufNull_data() {
        QTest::addColumn<int>("aktivierung");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QStringList>("meldungen");
        // Before the tenth click Parameter is 0.1, and Linear gives 0.8 * 0.1.
        QTest::newRow("Linear") << Linear << "  0.0800" << QStringList{"F: " + Division};
        QTest::newRow("Sigmoid") << Sigmoid << "  0.5000" << QStringList();
    }
    void spinParameterAufNull() {
        QFETCH(int, aktivierung);
        QFETCH(QString, out);
        QFETCH(QStringList, meldungen);
        signale();
        waehle(form->RadioGroup1, aktivierung);
        for (int k = 1; k <= 9; ++k)
            klicke(form->SpinButton6->Runter);
        QCOMPARE(form->Parameter->text(), "  0.1000");
        QCOMPARE(fehler(), QStringList());
        klicke(form->SpinButton6->Runter);
        // Each step starts from the value shown, so ten steps end at exactly 0.
        QCOMPARE(form->Parameter->text(), "  0.0000");
        QCOMPARE(form->Parameter->Number(), 0.0f);
        QCOMPARE(form->Input->text(), "  0.8000");
        QCOMPARE(form->Out->text(), out);
        QCOMPARE(fehler(), meldungen);
        // The window goes on working.
        klicke(form->SpinButton6->Hoch);
        QCOMPARE(form->Parameter->text(), "  0.1000");
        QCOMPARE(form->Out->text(), aktivierung == Linear ? "  0.0800" : "  0.5200");
        QCOMPARE(fehler(), meldungen);
    }

    void gleitkommafehler_data() {
        QTest::addColumn<int>("aktivierung");
        QTest::addColumn<QStringList>("felder"); // In1, g1, theta, Parameter
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("input"); // "" when the sum could not be formed
        QTest::newRow("Linear, Parameter 0")
            << Linear << QStringList{"0.7", "1", "0", "0"} << Division << "  1.0000";
        QTest::newRow("Sigmoid, e^-u zu groß")
            << Sigmoid << QStringList{"-20000", "1", "0", "1"} << Ueberlauf << "-2.0E+0004";
        QTest::newRow("Tanh, e^u zu groß")
            << Tanh << QStringList{"20000", "1", "0", "1"} << Ueberlauf << " 2.0E+0004";
        QTest::newRow("d jenseits float")
            << Linear << QStringList{"3e38", "1", "-3e38", "1"} << Ueberlauf << " 3.0E+0038";
        QTest::newRow("Summe jenseits float")
            << Linear << QStringList{"3e38", "10", "0", "1"} << Ueberlauf << "";
        QTest::newRow("Feld jenseits float")
            << Sigmoid << QStringList{"1e300", "1", "0", "1"} << Ueberlauf << "";
    }
    void gleitkommafehler() {
        QFETCH(int, aktivierung);
        QFETCH(QStringList, felder);
        QFETCH(QString, meldung);
        QFETCH(QString, input);
        signale();
        waehle(form->RadioGroup1, aktivierung);
        klicke(form->BerechneBtn);
        const QString out = form->Out->text();
        form->In1->setText(felder[0]);
        form->g1->setText(felder[1]);
        form->theta->setText(felder[2]);
        form->Parameter->setText(felder[3]);
        klicke(form->BerechneBtn);
        QCOMPARE(fehler(), QStringList{"F: " + meldung});
        QCOMPARE(form->Input->text(), input.isEmpty() ? "  0.8000" : input);
        QCOMPARE(form->Out->text(), out);
        // Sound values compute again.
        form->In1->setText("1");
        form->g1->setText("1");
        form->theta->setText("0");
        form->Parameter->setText("1");
        klicke(form->BerechneBtn);
        QCOMPARE(form->Input->text(), "  1.3000");
        QCOMPARE(fehler().size(), 1);
    }

    void schrittAusFeldJenseitsFloat() {
        form->In1->setText("1e300");
        form->Out->setText("x");
        klicke(form->SpinButton1->Hoch);
        QCOMPARE(fehler(), QStringList{"F: " + Ueberlauf});
        QCOMPARE(form->In1->text(), "1e300");
        QCOMPARE(form->Out->text(), "x");
    }

    void enter_data() {
        QTest::addColumn<int>("nummer");
        QTest::addColumn<int>("taste");
        QTest::addColumn<Qt::KeyboardModifiers>("umschalt");
        const Qt::KeyboardModifiers keine;
        const int zeilenende = Qt::Key_Return;
        QTest::newRow("In1 Return") << 1 << zeilenende << keine;
        QTest::newRow("In2 Return") << 2 << zeilenende << keine;
        QTest::newRow("g1 Return") << 3 << zeilenende << keine;
        QTest::newRow("g2 Return") << 4 << zeilenende << keine;
        QTest::newRow("theta Return") << 5 << zeilenende << keine;
        QTest::newRow("Parameter Return") << 6 << zeilenende << keine;
        QTest::newRow("OutSchwelle Return") << 7 << zeilenende << keine;
        QTest::newRow("g2 Enter des Ziffernblocks")
            << 4 << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
    }
    void enter() {
        QFETCH(int, nummer);
        QFETCH(int, taste);
        QFETCH(Qt::KeyboardModifiers, umschalt);
        signale();
        waehle(form->RadioGroup1, Sigmoid);
        form->Out->setText("x");
        TSingEdit* f = felder()[nummer - 1];
        const QString text = f->text();
        QSignalSpy erreicht(f, &QLineEdit::returnPressed); // the field never sees the key
        f->setFocus();
        QTest::keyClick(f, Qt::Key(taste), umschalt);
        QCOMPARE(erreicht.count(), 0);
        QCOMPARE(f->text(), text);
        QCOMPARE(form->Out->text(), "  0.6900");
        QVERIFY(f->hasFocus());
    }

    void tippenAlleinBerechnetNicht() {
        waehle(form->RadioGroup1, Sigmoid);
        form->Out->setText("x");
        form->In1->setFocus();
        form->In1->selectAll();
        QTest::keyClicks(form->In1, "1,5");
        QTest::keyClick(form->In1, Qt::Key_Tab);
        QCOMPARE(form->In1->text(), "1,5");
        QCOMPARE(form->Out->text(), "x");
        form->In1->setFocus();
        QTest::keyClick(form->In1, Qt::Key_Return);
        QCOMPARE(form->Input->text(), "  1.5000");
        QCOMPARE(form->Out->text(), "  0.8176");
    }

    void zweiFensterRechnenGetrennt() {
        TNeuronForm& a = *form;
        TNeuronForm b;
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        a.In1->setText("0.5");
        a.In2->setText("0.3");
        waehle(a.RadioGroup1, Sigmoid);
        b.In1->setText("1");
        b.In2->setText("1");
        b.OutSchwelle->setText("0.97");
        waehle(b.RadioGroup1, Tanh);
        waehle(b.RadioGroup2, Bin);
        klicke(a.BerechneBtn);
        klicke(b.SpinButton3->Hoch); // g1 1.1: sum 2.1, tanh 0.9705 >= 0.97
        QCOMPARE(a.Out->text(), "  0.6900");
        QCOMPARE(b.Out->text(), "  1.0000");
        QCOMPARE(a.Testneuron.Aktionsfunktion, Aktionsfunktion::sigmoid);
        QCOMPARE(a.Testneuron.Outputfunktion, Outputfunktion::identisch);
        QCOMPARE(a.Testneuron.Gewichte[1], 1.0f);
        QCOMPARE(a.Testneuron.Inputs[1], 0.5f);
        klicke(a.BerechneBtn);
        QCOMPARE(a.Out->text(), "  0.6900");
        QCOMPARE(b.Testneuron.Aktionsfunktion, Aktionsfunktion::tanh);
        QCOMPARE(b.Testneuron.Xi, 0.97f);
        QCOMPARE(fehler(), QStringList());
    }

    void kindfensterImMdiBereich() {
        form.reset();
        QMdiArea bereich;
        bereich.resize(900, 700);
        bereich.show();
        QPointer<TNeuronForm> a = TNeuronForm::Oeffnen(bereich);
        QPointer<TNeuronForm> b = TNeuronForm::Oeffnen(bereich);
        QCOMPARE(bereich.subWindowList().size(), 2);
        QMdiSubWindow* rahmen = bereich.subWindowList().first();
        QCOMPARE(rahmen->widget(), a.data());
        QCOMPARE(rahmen->windowTitle(), "Neuron");
        QCOMPARE(a->size(), QSize(374, 383));
        QVERIFY(a->isVisible());
        QCOMPARE(rahmen->minimumSize(), rahmen->maximumSize()); // fixed size
        QVERIFY(rahmen->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(a.isNull());
        QCOMPARE(bereich.subWindowList().size(), 1);
        b->In1->setText("0.5");
        klicke(b->BerechneBtn);
        QCOMPARE(b->Out->text(), "  0.5000");
    }

    // Every control lies within its parent and shows its text in full at the window's fonts.
    void allesSichtbar() {
        const auto innen = [](QWidget* w) {
            return QRect(QPoint(0, 0), w->parentWidget()->size()).contains(w->geometry());
        };
        for (QWidget* w : form->findChildren<QWidget*>()) {
            if (w->parentWidget() == nullptr || !w->isVisibleTo(form.get())) continue;
            QVERIFY2(innen(w), w->metaObject()->className());
            QString text;
            if (auto* l = qobject_cast<QLabel*>(w)) text = l->text();
            if (auto* k = qobject_cast<QAbstractButton*>(w)) text = k->text();
            // Radio buttons are lower than their size hint, which leaves room for a focus frame.
            if (!text.isEmpty())
                QVERIFY2(w->sizeHint().width() <= w->width() &&
                             w->fontMetrics().height() <= w->height(),
                         qPrintable(text));
        }
        // A negative value with four decimals fits in every number field, inside its frame.
        for (TSingEdit* f : form->findChildren<TSingEdit*>())
            QVERIFY2(f->fontMetrics().horizontalAdvance(" -0.5000") + 8 <= f->width(),
                     qPrintable(f->text()));
        for (TRadioGroup* g : {form->RadioGroup1, form->RadioGroup2})
            QVERIFY(g->fontMetrics().horizontalAdvance(g->title()) + 10 <= g->width());
    }
};

QTEST_MAIN(NeuronformTest)
#include "neuronform_test.moc"
