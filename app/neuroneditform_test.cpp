// The neuron dialog driven by scripts in place of the user: what it shows for a neuron and
// what it copies back on OK, and that every other way of closing it changes nothing.
#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <bit>
#include <cstdint>
#include <functional>
#include <tuple>

#include "neuroneditform.h"
#include "singedit.h"
#include "testdialoge.h"

using namespace nervalo;
using Skript = std::function<int(TNeuronEditForm&)>;
Q_DECLARE_METATYPE(Skript)

namespace {

// Every field of the neuron, for comparing a whole neuron.
auto werte(const TGrafikNeuron& n) {
    return std::tuple(n.Schichttyp, n.Parameter, n.Theta, n.Aktionsfunktion, n.Outputfunktion, n.Xi,
                      n.LetzterInput, n.Inputs, n.Gewichte, n.Output, n.Sollwert, n.Radius,
                      n.Textabstand, n.Randabstand, n.X, n.Y, n.Bezeichnung, n.Anzeige);
}

TGrafikNeuron neuron(Schichttyp schicht, float output = 0.2f, float sollwert = 0.3f) {
    TGrafikNeuron n;
    n.SetzeInput(0, 2.0f);
    n.SetzeGewicht(0, 0.75f);
    n.Bezeichnung = "N3";
    n.Schichttyp = schicht;
    n.Output = output;
    n.Sollwert = sollwert;
    n.Parameter = 2.0f;
    n.Theta = 0.25f;
    n.Xi = 0.4f;
    n.Aktionsfunktion = Aktionsfunktion::tanh;
    n.Outputfunktion = Outputfunktion::binaer;
    return n;
}

// Changes every control the user can change.
void allesAendern(TNeuronEditForm& f) {
    f.SchichttypKnopf[static_cast<int>(Schichttyp::Inputschicht)]->click();
    f.SollOutPutEdit->setText("5");
    f.ComboBox1->setCurrentIndex(2);
    f.ComboBox2->setCurrentIndex(0);
    f.ParameterEdit->setText("7");
    f.ThetaEdit->setText("8");
    f.XiEdit->setText("9");
}

// Runs the script on the dialog and records what it sees, as a user in front of it would.
void skript(test::TestDialoge& d, TNeuronEditForm& f, Skript s) {
    d.modal.push_back([&f, s](QDialog&) { return s(f); });
}

} // namespace

class NeuronEditFormTest : public QObject {
    Q_OBJECT
  private slots:
    void andereErgebnisseAendernNichts_data();
    void andereErgebnisseAendernNichts();
    void zeigtDasNeuron();
    void schichttypUndSollwert_data();
    void schichttypUndSollwert();
    void funktionenNachText_data();
    void funktionenNachText();
    void getippterFunktionsnameZaehltExakt();
    void zahlenUndAnzeigefelder();
    void unveraendertBleibtExakt_data();
    void unveraendertBleibtExakt();
    void uebriggebliebenerSollwert();
    void sichtbarkeitUndFreigabe();
    void ueberlaufAendertNichts_data();
    void ueberlaufAendertNichts();
    void tastenUndFokus();
    void enterNimmtErgaenzungUndOK_data();
    void enterNimmtErgaenzungUndOK();
    void alleBeschriftungenFett();
    void unbekannteArtenAusDatei();
};

void NeuronEditFormTest::andereErgebnisseAendernNichts_data() {
    QTest::addColumn<Skript>("schliessen");
    QTest::newRow("Abbrechen") << Skript([](TNeuronEditForm& f) {
        f.CancelBtn->click();
        return f.result();
    });
    QTest::newRow("Esc") << Skript([](TNeuronEditForm& f) {
        f.show();
        QTest::keyClick(&f, Qt::Key_Escape);
        return f.result();
    });
    QTest::newRow("Schließfeld") << Skript([](TNeuronEditForm& f) {
        f.show();
        f.close();
        return f.result();
    });
}

void NeuronEditFormTest::andereErgebnisseAendernNichts() {
    QFETCH(Skript, schliessen);
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Outputschicht);
    const auto vorher = werte(n);
    skript(d, f, [&](TNeuronEditForm& f) {
        allesAendern(f);
        return schliessen(f);
    });
    f.Editieren(n);
    QVERIFY(werte(n) == vorher);
    QVERIFY(d.liste.empty());
}

void NeuronEditFormTest::zeigtDasNeuron() {
    test::TestDialoge d;
    TNeuronEditForm f;
    NeuronEditor* vorher = setzeNeuronEditor(&f);
    auto n = neuron(Schichttyp::Outputschicht, 0.2f, -0.5f);
    // Typed at the last use, beside the item that the neuron selects again.
    f.ComboBox2->setCurrentIndex(1);
    f.ComboBox2->setEditText("binärer Text");
    QStringList gezeigt;
    skript(d, f, [&](TNeuronEditForm& f) {
        gezeigt << QString::number(f.SchichttypIndex()) << f.SollOutPutEdit->text()
                << f.ComboBox1->currentText() << f.ComboBox2->currentText()
                << f.ParameterEdit->text() << f.ThetaEdit->text() << f.XiEdit->text()
                << f.InputEdit->text() << f.OutputEdit->text();
        return int(QDialog::Rejected);
    });
    n.Editieren(); // through the installed editor, as the net editor calls it
    setzeNeuronEditor(vorher);
    QCOMPARE(d.modalGezeigt, std::vector<std::string>{"Neuron N3 editieren"});
    QCOMPARE(gezeigt, QStringList({"2", " -0.5000", "tanh", "binär", "  2.0000", "  0.2500",
                                   "  0.4000", "  1.5000", "  0.2000"}));
}

void NeuronEditFormTest::schichttypUndSollwert_data() {
    QTest::addColumn<int>("schicht");
    QTest::addColumn<int>("neueSchicht");
    QTest::addColumn<QString>("feld");
    QTest::addColumn<float>("output");
    QTest::addColumn<float>("sollwert");
    // The neuron starts with Output 0.2 and Sollwert 0.3.
    QTest::newRow("Hidden wird Input") << 1 << 0 << "0.7" << 0.7f << 0.3f;
    QTest::newRow("Output wird Hidden") << 2 << 1 << "5" << 0.2f << 0.3f;
    QTest::newRow("Output bleibt, Komma") << 2 << 2 << "0,25" << 0.2f << 0.25f;
    QTest::newRow("Input wird Output") << 0 << 2 << "-1" << 0.2f << -1.0f;
    QTest::newRow("Input bleibt") << 0 << 0 << "1e-3" << 0.001f << 0.3f;
    QTest::newRow("Hidden bleibt") << 1 << 1 << "9" << 0.2f << 0.3f;
}

void NeuronEditFormTest::schichttypUndSollwert() {
    QFETCH(int, schicht);
    QFETCH(int, neueSchicht);
    QFETCH(QString, feld);
    QFETCH(float, output);
    QFETCH(float, sollwert);
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(static_cast<Schichttyp>(schicht));
    skript(d, f, [&](TNeuronEditForm& f) {
        f.SchichttypKnopf[neueSchicht]->click();
        f.SollOutPutEdit->setText(feld);
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    QCOMPARE(int(n.Schichttyp), neueSchicht);
    QCOMPARE(n.Output, output);
    QCOMPARE(n.Sollwert, sollwert);
}

void NeuronEditFormTest::funktionenNachText_data() {
    QTest::addColumn<QString>("aktion");
    QTest::addColumn<QString>("ausgabe");
    QTest::addColumn<int>("aktionsfunktion");
    QTest::addColumn<int>("outputfunktion");
    QTest::newRow("sigmoid") << "sigmoid"
                             << "identisch" << 0 << 0;
    QTest::newRow("tanh") << "tanh"
                          << "binär" << 1 << 1;
    QTest::newRow("linear") << "linear"
                            << "identisch" << 2 << 0;
    QTest::newRow("sprung") << "sprung"
                            << "binär" << 3 << 1;
    QTest::newRow("Großbuchstabe") << "Sigmoid"
                                   << "Identisch" << 3 << 1;
    QTest::newRow("Blank") << "tanh "
                           << " identisch" << 3 << 1;
    QTest::newRow("leer") << ""
                          << "" << 3 << 1;
}

void NeuronEditFormTest::funktionenNachText() {
    QFETCH(QString, aktion);
    QFETCH(QString, ausgabe);
    QFETCH(int, aktionsfunktion);
    QFETCH(int, outputfunktion);
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Hiddenschicht);
    skript(d, f, [&](TNeuronEditForm& f) {
        f.ComboBox1->setEditText(aktion);
        f.ComboBox2->setEditText(ausgabe);
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    QCOMPARE(int(n.Aktionsfunktion), aktionsfunktion);
    QCOMPARE(int(n.Outputfunktion), outputfunktion);
}

// Typed into the list and confirmed with Enter, a name that differs only in case is not
// matched to an item.
void NeuronEditFormTest::getippterFunktionsnameZaehltExakt() {
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Hiddenschicht);
    skript(d, f, [&](TNeuronEditForm& f) {
        f.show();
        f.ComboBox1->setFocus();
        f.ComboBox1->lineEdit()->clear();
        QTest::keyClicks(f.ComboBox1->lineEdit(), "Sigmoid");
        QTest::keyClick(f.ComboBox1->lineEdit(), Qt::Key_Return);
        if (f.isVisible()) f.OKBtn->click();
        return f.result();
    });
    f.Editieren(n);
    QCOMPARE(f.ComboBox1->currentText(), QString("Sigmoid"));
    QCOMPARE(f.ComboBox1->count(), 4);
    QCOMPARE(int(n.Aktionsfunktion), int(Aktionsfunktion::sprung));
}

void NeuronEditFormTest::zahlenUndAnzeigefelder() {
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Hiddenschicht);
    skript(d, f, [&](TNeuronEditForm& f) {
        f.ParameterEdit->setText("2,5");
        f.ThetaEdit->setText(" -1");
        f.XiEdit->setText("keine Zahl");
        f.InputEdit->setText("99");
        f.OutputEdit->setText("98");
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    QCOMPARE(n.Parameter, 2.5f);
    QCOMPARE(n.Theta, -1.0f);
    QCOMPARE(n.Xi, 0.0f);
    QCOMPARE(n.Output, 0.2f);
    QCOMPARE(n.Inputsumme(), 1.5f);
}

void NeuronEditFormTest::unveraendertBleibtExakt_data() {
    QTest::addColumn<int>("schicht");
    QTest::addColumn<int>("neueSchicht");
    // 0 Sollwert (the Output of an input neuron), 1 Parameter, 2 Theta, 3 Xi
    QTest::addColumn<int>("feld");
    QTest::addColumn<float>("wert");
    QTest::addColumn<QString>("getippt"); // empty: the field is left as filled in
    QTest::addColumn<float>("erwartet");
    // The texts shown round these values; OK without an edit must not.
    QTest::newRow("Parameter 0.00004") << 1 << 1 << 1 << 0.00004f << "" << 0.00004f;
    QTest::newRow("Parameter -0.00004") << 1 << 1 << 1 << -0.00004f << "" << -0.00004f;
    QTest::newRow("Theta 99999") << 1 << 1 << 2 << 99999.0f << "" << 99999.0f;
    QTest::newRow("Xi 1e-7") << 1 << 1 << 3 << 1e-7f << "" << 1e-7f;
    QTest::newRow("Sollwert 1234") << 2 << 2 << 0 << 1234.0f << "" << 1234.0f;
    QTest::newRow("Sollwert 0.123456") << 2 << 2 << 0 << 0.123456f << "" << 0.123456f;
    QTest::newRow("Output eines Input-Neurons 1234") << 0 << 0 << 0 << 1234.0f << "" << 1234.0f;
    QTest::newRow("Input wird Output, Feld bleibt") << 0 << 2 << 0 << 0.123456f << "" << 0.123456f;
    // An edited field is read from its text, even when it means the value shown.
    QTest::newRow("Parameter getippt, Komma") << 1 << 1 << 1 << 0.00004f << "0,5" << 0.5f;
    QTest::newRow("Theta getippt, Punkt") << 1 << 1 << 2 << 99999.0f << "0.5" << 0.5f;
    QTest::newRow("Sollwert als gezeigte Zahl getippt")
        << 2 << 2 << 0 << 1234.0f << "1.2E+0003" << 1200.0f;
    QTest::newRow("Output geleert") << 0 << 0 << 0 << 0.123456f << " " << 0.0f;
}

void NeuronEditFormTest::unveraendertBleibtExakt() {
    QFETCH(int, schicht);
    QFETCH(int, neueSchicht);
    QFETCH(int, feld);
    QFETCH(float, wert);
    QFETCH(QString, getippt);
    QFETCH(float, erwartet);
    test::TestDialoge d;
    TNeuronEditForm f;
    // The neuron's value behind the field, for the given layer kind.
    auto wertIn = [feld](TGrafikNeuron& x, int s) -> float& {
        switch (feld) {
        case 0:
            return s == static_cast<int>(Schichttyp::Inputschicht) ? x.Output : x.Sollwert;
        case 1:
            return x.Parameter;
        case 2:
            return x.Theta;
        default:
            return x.Xi;
        }
    };
    auto n = neuron(static_cast<Schichttyp>(schicht));
    wertIn(n, schicht) = wert;
    auto soll = n;
    soll.Schichttyp = static_cast<Schichttyp>(neueSchicht);
    wertIn(soll, neueSchicht) = erwartet;
    skript(d, f, [&](TNeuronEditForm& f) {
        if (neueSchicht != schicht) f.SchichttypKnopf[neueSchicht]->click();
        TSingEdit* edits[] = {f.SollOutPutEdit, f.ParameterEdit, f.ThetaEdit, f.XiEdit};
        if (!getippt.isEmpty()) edits[feld]->setText(getippt);
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    QVERIFY(d.liste.empty());
    QCOMPARE(std::bit_cast<std::uint32_t>(wertIn(n, neueSchicht)),
             std::bit_cast<std::uint32_t>(erwartet));
    QVERIFY(werte(n) == werte(soll));
}

// A hidden neuron leaves the "Sollwert" field as the previous neuron filled it.
void NeuronEditFormTest::uebriggebliebenerSollwert() {
    test::TestDialoge d;
    TNeuronEditForm f;
    auto ausgabe = neuron(Schichttyp::Outputschicht, 0.2f, 1.0f);
    skript(d, f, [](TNeuronEditForm&) { return int(QDialog::Rejected); });
    f.Editieren(ausgabe);

    auto versteckt = neuron(Schichttyp::Hiddenschicht, 0.2f, 0.0f);
    bool zuerstVersteckt = false;
    QString danach;
    skript(d, f, [&](TNeuronEditForm& f) {
        zuerstVersteckt = f.SollOutPutEdit->isHidden() && f.Label8->isHidden();
        f.SchichttypKnopf[static_cast<int>(Schichttyp::Outputschicht)]->click();
        danach = f.SollOutPutEdit->isHidden() ? "versteckt" : f.SollOutPutEdit->text();
        return int(QDialog::Accepted);
    });
    f.Editieren(versteckt);
    QVERIFY(zuerstVersteckt);
    QCOMPARE(danach, QString("  1.0000"));
    QCOMPARE(int(versteckt.Schichttyp), int(Schichttyp::Outputschicht));
    QCOMPARE(versteckt.Sollwert, 1.0f);
}

void NeuronEditFormTest::sichtbarkeitUndFreigabe() {
    test::TestDialoge d;
    TNeuronEditForm f;
    QStringList gesehen;
    auto zustand = [&f] {
        return QString("%1%2%3")
            .arg(f.Label8->isVisibleTo(&f) ? "L" : "-")
            .arg(f.SollOutPutEdit->isVisibleTo(&f) ? "S" : "-")
            .arg(f.XiEdit->isEnabled() ? "X" : "-");
    };
    auto n = neuron(Schichttyp::Inputschicht);
    n.Outputfunktion = Outputfunktion::identisch;
    skript(d, f, [&](TNeuronEditForm& f) {
        f.show();
        gesehen << zustand();
        f.SchichttypKnopf[static_cast<int>(Schichttyp::Hiddenschicht)]->click();
        gesehen << zustand();
        f.SchichttypKnopf[static_cast<int>(Schichttyp::Outputschicht)]->click();
        f.ComboBox2->setCurrentIndex(1);
        gesehen << zustand();
        f.ComboBox2->setEditText("bin");
        gesehen << zustand();
        f.hide();
        return int(QDialog::Rejected);
    });
    f.Editieren(n);
    QCOMPARE(gesehen, QStringList({"LS-", "---", "LSX", "LS-"}));
}

void NeuronEditFormTest::ueberlaufAendertNichts_data() {
    QTest::addColumn<int>("schicht");
    QTest::addColumn<int>("feld"); // 0 Sollwert, 1 Parameter, 2 Theta, 3 Xi
    QTest::addColumn<bool>("fehler");
    QTest::newRow("Sollwert") << 2 << 0 << true;
    QTest::newRow("Parameter") << 2 << 1 << true;
    QTest::newRow("Theta") << 0 << 2 << true;
    QTest::newRow("Xi") << 1 << 3 << true;
    QTest::newRow("Sollwert eines Hidden-Neurons wird nicht gelesen") << 1 << 0 << false;
}

void NeuronEditFormTest::ueberlaufAendertNichts() {
    QFETCH(int, schicht);
    QFETCH(int, feld);
    QFETCH(bool, fehler);
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(static_cast<Schichttyp>(schicht));
    const auto vorher = werte(n);
    skript(d, f, [&](TNeuronEditForm& f) {
        f.ParameterEdit->setText("7");
        f.ComboBox1->setCurrentIndex(2);
        TSingEdit* felder[] = {f.SollOutPutEdit, f.ParameterEdit, f.ThetaEdit, f.XiEdit};
        felder[feld]->setText("1e300");
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    if (fehler) {
        QVERIFY((d.liste == std::vector<test::Meldung>{{'F', "Gleitkommaüberlauf"}}));
        QVERIFY(werte(n) == vorher);
    } else {
        QVERIFY(d.liste.empty());
        QCOMPARE(n.Parameter, 7.0f);
        QCOMPARE(int(n.Aktionsfunktion), int(Aktionsfunktion::linear));
    }
}

void NeuronEditFormTest::tastenUndFokus() {
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Hiddenschicht);
    QWidget* fokus = nullptr;
    skript(d, f, [&](TNeuronEditForm& f) {
        f.show();
        fokus = f.focusWidget();
        f.ThetaEdit->setFocus();
        f.ThetaEdit->setText("3");
        QTest::keyClick(f.ThetaEdit, Qt::Key_Return); // Enter presses the default button
        return f.result();
    });
    f.Editieren(n);
    QCOMPARE(fokus, static_cast<QWidget*>(f.OKBtn));
    QVERIFY(!f.isVisible());
    QCOMPARE(n.Theta, 3.0f);
    QCOMPARE(f.size(), QSize(414, 395));
    QCOMPARE(f.minimumSize(), f.maximumSize());
}

// A list completes a typed beginning inline; one Enter takes the completion and presses OK.
void NeuronEditFormTest::enterNimmtErgaenzungUndOK_data() {
    QTest::addColumn<int>("liste"); // 1 Aktionsfunktion, 2 Outputfunktion
    QTest::addColumn<QString>("getippt");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("art");
    QTest::newRow("b wird binär") << 2 << "b"
                                  << "binär" << int(Outputfunktion::binaer);
    QTest::newRow("id wird identisch") << 2 << "id"
                                       << "identisch" << int(Outputfunktion::identisch);
    QTest::newRow("t wird tanh") << 1 << "t"
                                 << "tanh" << int(Aktionsfunktion::tanh);
    QTest::newRow("li wird linear") << 1 << "li"
                                    << "linear" << int(Aktionsfunktion::linear);
    QTest::newRow("ganz getippt") << 1 << "sigmoid"
                                  << "sigmoid" << int(Aktionsfunktion::sigmoid);
    QTest::newRow("ohne Ergänzung") << 1 << "Sig"
                                    << "Sig" << int(Aktionsfunktion::sprung);
}

void NeuronEditFormTest::enterNimmtErgaenzungUndOK() {
    QFETCH(int, liste);
    QFETCH(QString, getippt);
    QFETCH(QString, text);
    QFETCH(int, art);
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp::Hiddenschicht);
    n.Aktionsfunktion = Aktionsfunktion::sprung;
    n.Outputfunktion = liste == 2 && art == int(Outputfunktion::binaer) ? Outputfunktion::identisch
                                                                        : Outputfunktion::binaer;
    QComboBox* c = liste == 1 ? f.ComboBox1 : f.ComboBox2;
    skript(d, f, [&](TNeuronEditForm& f) {
        f.show();
        QApplication::setActiveWindow(&f); // the list completes only with the keyboard focus
        c->setFocus();
        c->lineEdit()->clear();
        // The keys go where the keyboard focus is, as the user's keys do.
        QTest::keyClicks(QApplication::focusWidget(), getippt);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        return f.isVisible() ? -1 : f.result();
    });
    f.Editieren(n);
    QCOMPARE(f.result(), int(QDialog::Accepted));
    QCOMPARE(c->currentText(), text);
    QCOMPARE(liste == 1 ? int(n.Aktionsfunktion) : int(n.Outputfunktion), art);
}

// The dialog's font is bold, and no control sets it back; the layer items fit their box.
void NeuronEditFormTest::alleBeschriftungenFett() {
    TNeuronEditForm f;
    QVERIFY(f.font().bold());
    for (const QWidget* w : f.findChildren<QWidget*>()) {
        if (!w->isWindow())
            QVERIFY2(w->font().bold(), qPrintable(w->metaObject()->className() + QString(" ") +
                                                  w->property("text").toString()));
    }
    for (const QRadioButton* k : f.SchichttypKnopf)
        QVERIFY2(k->sizeHint().width() <= k->width(), qPrintable(k->text()));
}

// Kind bytes beyond the lists come only from a damaged net file; OK turns them into valid ones.
void NeuronEditFormTest::unbekannteArtenAusDatei() {
    test::TestDialoge d;
    TNeuronEditForm f;
    auto n = neuron(Schichttyp{7});
    n.Aktionsfunktion = Aktionsfunktion{9};
    n.Outputfunktion = Outputfunktion{4};
    QStringList gezeigt;
    skript(d, f, [&](TNeuronEditForm& f) {
        gezeigt << QString::number(f.SchichttypIndex()) << f.ComboBox1->currentText()
                << f.ComboBox2->currentText();
        return int(QDialog::Accepted);
    });
    f.Editieren(n);
    QCOMPARE(gezeigt, QStringList({"2", "", ""}));
    QCOMPARE(int(n.Schichttyp), int(Schichttyp::Outputschicht));
    QCOMPARE(int(n.Aktionsfunktion), int(Aktionsfunktion::sprung));
    QCOMPARE(int(n.Outputfunktion), int(Outputfunktion::binaer));
}

QTEST_MAIN(NeuronEditFormTest)
#include "neuroneditform_test.moc"
