// The "Rechenweg" window and "Anzeige › Änderungen" in the main window: the changes leave the
// picture as it was while switched off, the window follows the neuron clicked with any tool and
// the drop-down, and the exercise marks typed values against the values the net stores.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <limits>
#include <memory>
#include <sstream>

#include "aufgabenform.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "rechenwegform.h"
#include "rechenzahl.h"
#include "spezialnetzskript.h"
#include "testbedienung.h"
#include "testdialoge.h"
#include "testhauptfenster.h"
#include "testuhr.h"
#include "zufall.h"

using namespace nervalo;
using test::eintrag;

namespace {

// The main window whose training loop stops after a given number of steps.
class Hauptfenster : public TMainForm {
  public:
    int schritte = 0;
    int bis = 0;
    void Trainieren() override {
        TMainForm::Trainieren();
        if (++schritte >= bis && Aufgabenfenster) Aufgabenfenster->Abbruch = true;
    }
};

std::string inhalt(const std::string& pfad) {
    std::stringstream s;
    s << std::ifstream(pfad).rdbuf();
    return s.str();
}

} // namespace

class RechenwegTest : public QObject, private test::TestHauptfenster<Hauptfenster> {
    Q_OBJECT

    TNetz& netz() { return form->AktuellesNetz; }
    QImage bild() {
        return static_cast<TNetzPaintBox*>(form->Netzfenster->PaintBox1)->Bild().copy();
    }
    // A 2-2-1 perceptron with fixed weights, inputs 1 and 0, propagated and backpropagated.
    void gelernt() {
        test::SpeziellesNetzWaehlen(*skript, 0, 2, 2, 1);
        form->NetztypBtnClick();
        zufall().Setze(11);
        netz().Zufallsgewichte(1.0f);
        netz().Neuron(0).SetzeOutput(1.0f);
        netz().Neuron(1).SetzeOutput(0.0f);
        netz().Neuron(4).Sollwert = 1.0f;
        form->VorBtnClick();
        form->BackBtnClick();
    }
    TRechenwegForm& fenster() {
        eintrag(*form, "Rechenweg1")->trigger();
        return *form->Rechenwegfenster;
    }
    // The text of the table's row whose first column is `groesse`, in column `spalte`.
    static QString zeile(const TRechenwegForm& f, const QString& groesse, int spalte) {
        for (int r = 0; r < f.Tabelle->rowCount(); ++r)
            if (f.Tabelle->item(r, 0) && f.Tabelle->item(r, 0)->text() == groesse)
                return f.Tabelle->item(r, spalte) ? f.Tabelle->item(r, spalte)->text() : QString();
        return QStringLiteral("(keine Zeile)");
    }
    void klick(int i) {
        const TGrafikNeuron& n = netz().Neuron(i);
        const int x = n.X, y = n.Y;
        form->Netzfenster->PaintBox1MouseDown(Qt::LeftButton, {}, x, y);
        form->Netzfenster->PaintBox1MouseUp(Qt::LeftButton, {}, x, y);
    }

  private slots:
    void init() { Aufbauen(500, 400); }
    void cleanup() { Abbauen(); }

    // Off at start; switched on, the picture shows the changes, and switched off again it is
    // the same picture, pixel for pixel, as before.
    void aenderungenNurWennEingeschaltet() {
        gelernt();
        QAction* a = eintrag(*form, "Aenderungen1");
        QVERIFY(a->isCheckable() && !a->isChecked());
        const QImage ohne = bild();
        a->trigger();
        QVERIFY(a->isChecked());
        QVERIFY(bild() != ohne);
        a->trigger();
        QVERIFY(!a->isChecked());
        QCOMPARE(bild(), ohne);
    }

    // A press on a neuron with any tool, or its entry in the drop-down, shows it and highlights
    // it; the tool still acts (the neuron tool inserts a neuron). Closing the window ends the
    // highlight.
    void folgtDemAngeklicktenNeuron_data() {
        QTest::addColumn<QByteArray>("knopf");
        QTest::addColumn<int>("zuwachs");
        QTest::newRow("kein Werkzeug") << QByteArray() << 0;
        QTest::newRow("Bewegen") << QByteArray("BewegeBtn") << 0;
        QTest::newRow("Neuron einfügen") << QByteArray("NeuronBtn") << 1;
        QTest::newRow("Liste") << QByteArray("Liste") << 0;
    }
    void folgtDemAngeklicktenNeuron() {
        QFETCH(QByteArray, knopf);
        QFETCH(int, zuwachs);
        gelernt();
        TRechenwegForm& f = fenster();
        const int vorher = netz().Anzahl();
        const QImage ohneMarke = bild();
        if (knopf == "Liste") {
            QCOMPARE(f.NeuronBox->count(), vorher);
            f.NeuronBox->setCurrentIndex(3);
            emit f.NeuronBox->activated(3);
        } else {
            if (!knopf.isEmpty()) test::knopf(*form, knopf.constData())->click();
            klick(3);
        }
        QCOMPARE(netz().Anzahl(), vorher + zuwachs);
        QCOMPARE(f.Neuron(), 3);
        QCOMPARE(f.NeuronBox->currentIndex(), 3);
        QCOMPARE(form->Zusatz().hervorgehoben, 3);
        if (zuwachs == 0) QVERIFY(bild() != ohneMarke);
        f.close();
        QCoreApplication::sendPostedEvents();
        QCOMPARE(form->Zusatz().hervorgehoben, -1);
    }

    // The window follows the commands: the learning step's section comes with "Backpropagation"
    // and goes with the next propagation's new outputs kept apart from it.
    void folgtDenBefehlen() {
        test::SpeziellesNetzWaehlen(*skript, 0, 2, 2, 1);
        form->NetztypBtnClick();
        TRechenwegForm& f = fenster();
        klick(4);
        QVERIFY(zeile(f, QStringLiteral("Delta δ"), 3) == QStringLiteral("(keine Zeile)"));
        form->VorBtnClick();
        form->BackBtnClick();
        QVERIFY(zeile(f, QStringLiteral("Delta δ"), 3).startsWith(QStringLiteral("= ")));
    }

    // During a training loop the window is shown with the net picture (at most once a frame,
    // and the clock stands still here); when the loop ends it shows the net's last step.
    void folgtDemTraining() {
        gelernt();
        TRechenwegForm& f = fenster();
        klick(4);
        form->TrainiereBtnClick();
        TAufgabenForm& a = *form->Aufgabenfenster;
        a.SpinEdit1->setValue(2);
        const char* const zeilen[2][3] = {{"1", "0", "1"}, {"0", "1", "0"}};
        for (int r = 1; r <= 2; ++r)
            for (int c = 1; c <= 3; ++c)
                a.SetzeZelle(c, r, zeilen[r - 1][c - 1]);
        form->bis = 50;
        a.TrainierebtnClick();
        QCOMPARE(form->schritte, 50);
        QCOMPARE(zeile(f, QStringLiteral("Delta δ"), 3),
                 QString::fromStdString("= " + RechenZahl(netz().Delta[4], false)));
        QCOMPARE(zeile(f, QStringLiteral("Output o"), 3),
                 QString::fromStdString("= " + RechenZahl(netz().Neuron(4).Output, false)));
    }

    // Typed values against the net's own stored values, written here with three decimals and a
    // point; a value off by 0.01, letters and an empty field are marked with their hints.
    void uebenPrueft() {
        gelernt();
        TRechenwegForm& f = fenster();
        klick(4);
        f.UebenBox->setChecked(true);
        QVERIFY(f.PruefenBtn->isVisible() && f.LoesungBtn->isVisible());
        QVERIFY(!zeile(f, QStringLiteral("Output o"), 3).contains(QLatin1Char(','))); // hidden
        const auto text = [](float x) { return QString::asprintf("%.3f", double{x}); };
        QVERIFY(f.Feld(Frage::Summe) && f.Feld(Frage::Output) && f.Feld(Frage::Delta));
        f.Feld(Frage::Summe)->setText(text(netz().Protokoll.vorwaertssumme[4]));
        f.Feld(Frage::Output)->setText(text(netz().Protokoll.output[4] + 0.01f));
        f.Feld(Frage::Delta)->setText(text(netz().Delta[4]).replace('.', ','));
        QLineEdit* w0 = f.Feld(Frage::Gewicht, 2);
        QLineEdit* w1 = f.Feld(Frage::Gewicht, 3);
        QVERIFY(w0 && w1);
        w0->setText(QStringLiteral("abc"));
        w1->clear();
        f.PruefenBtn->click();
        QCOMPARE(zeile(f, QStringLiteral("Netzeingabe s"), 4), QStringLiteral("richtig"));
        QCOMPARE(zeile(f, QStringLiteral("Delta δ"), 4), QStringLiteral("richtig"));
        QVERIFY(!zeile(f, QStringLiteral("Output o"), 4).isEmpty());
        QVERIFY(zeile(f, QStringLiteral("Output o"), 4) != QStringLiteral("richtig"));
        QVERIFY(
            zeile(f, QStringLiteral("Gewicht N2→N4"), 4).contains(QStringLiteral("keine Zahl")));
        QCOMPARE(zeile(f, QStringLiteral("Gewicht N3→N4"), 4), QStringLiteral("noch leer"));
        QCOMPARE(f.ErgebnisLbl->text(), QStringLiteral("2 von 5 richtig"));
        QVERIFY(f.Feld(Frage::Output)->styleSheet().contains(QStringLiteral("#f5c0c0")));
        QVERIFY(f.Feld(Frage::Summe)->styleSheet().contains(QStringLiteral("#c8f0c8")));

        // The solution shows every value and keeps what was typed.
        f.LoesungBtn->click();
        const QString zwei = QString::asprintf("%.2f", double{netz().Delta[4]})
                                 .replace('.', ',')
                                 .replace('-', QStringLiteral("\u2212"));
        QCOMPARE(zeile(f, QStringLiteral("Delta δ"), 4), "Lösung: " + zwei);
        QCOMPARE(f.Feld(Frage::Gewicht, 2)->text(), QStringLiteral("abc"));
        // A new neuron starts a new exercise with empty fields.
        klick(3);
        QVERIFY(f.Feld(Frage::Summe) && f.Feld(Frage::Summe)->text().isEmpty());
    }

    // The worksheet of the named neurons goes to the chosen file with the net's picture in it;
    // an unknown name is refused with a message and writes nothing.
    void arbeitsblatt() {
        gelernt();
        TRechenwegForm& f = fenster();
        klick(3);
        QTemporaryDir ordner;
        const std::string pfad = ordner.filePath(QStringLiteral("blatt.html")).toStdString();
        skript->eingaben.push_back("N9");
        f.ArbeitsblattBtn->click();
        QCOMPARE(skript->liste.size(), std::size_t{1});
        QVERIFY(!std::ifstream(pfad).good());

        skript->eingaben.push_back("N3, N4");
        skript->dateien.push_back(pfad);
        f.ArbeitsblattBtn->click();
        QCOMPARE(skript->eingabeFragen.size(), std::size_t{2});
        const std::string seite = inhalt(pfad);
        QVERIFY(
            seite.find("<img class=\"netz\" alt=\"Das Netz\" src=\"data:image/svg+xml;base64,") !=
            std::string::npos);
        QVERIFY(seite.find("<h2>N3</h2>") < seite.find("<h2>N4</h2>"));
        QVERIFY(seite.find("<h2>N2</h2>") == std::string::npos);

        // The picture is cut to the net: every neuron lies inside its view box, which lies
        // inside the whole picture, also with a neuron placed far outside by a damaged file.
        for (const int fern : {0, 1, std::numeric_limits<std::int32_t>::max()}) {
            if (fern) netz().Neuron(0).X = fern;
            skript->eingaben.push_back("N3");
            skript->dateien.push_back(pfad);
            f.ArbeitsblattBtn->click();
            const std::string text = inhalt(pfad);
            const auto beginn = text.find("base64,") + 7;
            const QString svg = QString::fromUtf8(QByteArray::fromBase64(
                QByteArray::fromStdString(text.substr(beginn, text.find('"', beginn) - beginn))));
            const QRegularExpressionMatch m =
                QRegularExpression(QStringLiteral(R"x(viewBox="(\d+) (\d+) (\d+) (\d+)")x"))
                    .match(svg);
            QVERIFY(m.hasMatch());
            const QRect box(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(),
                            m.captured(4).toInt());
            QVERIFY(QRect(0, 0, BildBreite, BildHoehe).contains(box));
            for (int i = 1; i < netz().Anzahl(); ++i)
                QVERIFY(box.contains(netz().Neuron(i).X, netz().Neuron(i).Y));
            if (!fern) QVERIFY(box.width() < BildBreite / 2);
        }
    }
};

QTEST_MAIN(RechenwegTest)
#include "rechenweg_test.moc"
