// The main window driven by scripted dialogs: which commands are available in each state, the
// question before an unsaved net is discarded, opening and saving nets, the command-line file,
// the view switches and closing the program.
#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <memory>

#include "infoform.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "netztypwahlform.h"
#include "testbedienung.h"
#include "testdialoge.h"

using namespace nervalo;
using test::beschriftung;
using test::eintrag;
using test::knopf;
using test::Meldung;
using test::menue;
using test::TestDialoge;

namespace {

const std::string Sichern = "Sie haben ihr aktuelles Netz\nnoch nicht gesichert.\n"
                            "Wollen Sie es jetzt sichern?";

// The enabled state of the commands that depend on the net, in a fixed order; where a command
// has a menu item and a tool button, both must be enabled.
struct Zustand {
    bool netzSpeichern;    // NetzSpeichernBtn, Netzspeichernunter1
    bool bearbeiten;       // menu Bearbeiten
    bool aufgabe;          // NeueLernaufgabe1
    bool trainiere;        // TrainiereBtn, AufgLadenBtn, Lernaufgabeffnen1
    bool hopfield;         // HopfieldBtn
    bool aufgabeSpeichern; // AufgSpeichernBtn, Lernaufgabespeichernunter1
    bool operator==(const Zustand&) const = default;
};

Zustand zustand(const TMainForm& f) {
    return {knopf(f, "NetzSpeichernBtn")->isEnabled() &&
                eintrag(f, "Netzspeichernunter1")->isEnabled(),
            menue(f, "Bearbeiten1")->menuAction()->isEnabled(),
            menue(f, "NeueLernaufgabe1")->menuAction()->isEnabled(),
            knopf(f, "TrainiereBtn")->isEnabled() && knopf(f, "AufgLadenBtn")->isEnabled() &&
                eintrag(f, "Lernaufgabeffnen1")->isEnabled(),
            knopf(f, "HopfieldBtn")->isEnabled(),
            knopf(f, "AufgSpeichernBtn")->isEnabled() &&
                eintrag(f, "Lernaufgabespeichernunter1")->isEnabled()};
}

char* toString(const Zustand& z) {
    return qstrdup(QStringLiteral("speichern %1 bearbeiten %2 aufgabe %3 trainiere %4 hopfield %5 "
                                  "aufgabeSpeichern %6")
                       .arg(z.netzSpeichern)
                       .arg(z.bearbeiten)
                       .arg(z.aufgabe)
                       .arg(z.trainiere)
                       .arg(z.hopfield)
                       .arg(z.aufgabeSpeichern)
                       .toLatin1()
                       .constData());
}

// A small drawn net: N0 -> N1, unsaved.
void kleinesNetz(TMainForm& f) {
    test::neuesNeuron(f.AktuellesNetz, 100, 100, Schichttyp::Inputschicht);
    test::neuesNeuron(f.AktuellesNetz, 200, 100, Schichttyp::Outputschicht);
    f.AktuellesNetz.Verbinde(0, 1);
    f.AktuellesNetz.SetzeGewicht(0, 1, 0.5f);
}

QString titel(const TMainForm& f) {
    return f.Netzfenster ? f.Netzfenster->windowTitle() : "";
}

Meldung frage() {
    return {'W', Sichern};
}

} // namespace

class MainFormTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dialoge_ = std::make_unique<TestDialoge>();
        form_ = std::make_unique<TMainForm>();
        form_->FensterBreite = 400;
        form_->FensterHoehe = 300;
    }
    void cleanup() {
        form_.reset();
        dialoge_.reset();
    }

    void startZustand() {
        TMainForm& f = *form_;
        QCOMPARE(f.windowTitle(), QString("Nervalo"));
        QCOMPARE(zustand(f), (Zustand{false, false, false, false, false, false}));
        QVERIFY(!knopf(f, "AufgSpeichernBtn")->isEnabled());
        QVERIFY(!eintrag(f, "LetztesNeuronlschen1")->isEnabled());
        QVERIFY(knopf(f, "NetzBtn")->isEnabled() && knopf(f, "NetzLadenBtn")->isEnabled() &&
                knopf(f, "EinNeuronBtn")->isEnabled());
        QVERIFY(eintrag(f, "N3schichtigesPerzeptron1")->isEnabled() &&
                eintrag(f, "HopfieldNetz")->isEnabled());
        QVERIFY(eintrag(f, "Pfeile1")->isChecked() && eintrag(f, "Gewichte1")->isChecked() &&
                eintrag(f, "Raster1")->isChecked());
        QVERIFY(test::teil<QToolBar>(f, "WerkzeugPanel1")->isHidden());
        QCOMPARE(beschriftung(f, "NetztypLbl")->text(), QString("Netztyp: -"));
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Keins);
        QCOMPARE(f.Sigma, 1.0f);
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(GewichteZeigen | PfeileZeigen));
        QVERIFY(f.AktuellesNetz.Gesichert && f.Dateiname.empty());
    }

    // The menus hold their items in order, with separators where they belong.
    void menueReihenfolge() {
        auto texte = [](QMenu* m) {
            QStringList t;
            for (QAction* a : m->actions())
                t << (a->isSeparator() ? "—" : a->text());
            return t;
        };
        QCOMPARE(
            texte(menue(*form_, "Datei1")),
            QStringList({"Neues Netz", "Netz öffnen", "Netz speichern unter ...", "—",
                         "Neue Lernaufgabe", "Lernaufgabe öffnen", "Lernaufgabe speichern unter...",
                         "—", "Bild speichern unter...", "Drucken...", "—", "Beenden"}));
        QCOMPARE(texte(menue(*form_, "NeueLernaufgabe1")),
                 QStringList({"3-schichtiges Perzeptron", "Hopfield-Netz"}));
        QCOMPARE(
            texte(menue(*form_, "Bearbeiten1")),
            QStringList({"Netz propagieren", "Netz backpropagieren", "—", "Letztes Neuron löschen",
                         "Netz löschen", "Netztyp festlegen", "Gewichte zufällig belegen",
                         "Sigma festlegen", "—", "Spezielle Netze", "—", "Kopieren", "—",
                         "Rückgängig", "Wiederholen"}));
        // The items of "Anzeige" come first; the views added to the program follow them.
        QCOMPARE(texte(menue(*form_, "Anzeige1")),
                 QStringList({"Pfeile", "Gewichte", "—", "an Raster ausrichten", "—",
                              "Hopfield-Analyse", "—", "Lernkurve", "Entscheidungskarte",
                              "Trainingstempo", "—", "Änderungen", "Rechenweg"}));
        QCOMPARE(texte(menue(*form_, "Trainingstempo1")),
                 QStringList({"Höchstes Tempo", "1 Schritt pro Sekunde", "2 Schritte pro Sekunde",
                              "5 Schritte pro Sekunde", "10 Schritte pro Sekunde",
                              "50 Schritte pro Sekunde"}));
        QCOMPARE(texte(menue(*form_, "Hilfe1")), QStringList({"Tutorium", "—", "Info ..."}));
    }

    void neuesNetzUndErstesNeuron() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        QVERIFY(f.NetzVorhanden && f.Netzfenster);
        QCOMPARE(titel(f), QString("Netz"));
        QVERIFY(!test::teil<QToolBar>(f, "WerkzeugPanel1")->isHidden());
        QCOMPARE(f.Netzfenster->parentWidget()->geometry(), QRect(0, 0, 400, 300));
        QCOMPARE(zustand(f), (Zustand{true, true, false, false, false, false}));

        // A neuron inserted with the mouse.
        knopf(f, "NeuronBtn")->click();
        QTest::mouseClick(f.Netzfenster->PaintBox1, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(f.AktuellesNetz.Anzahl(), 1);
        QCOMPARE(zustand(f), (Zustand{true, true, true, true, true, false}));
        QVERIFY(eintrag(f, "LetztesNeuronlschen1")->isEnabled());
        QVERIFY(dialoge_->liste.empty());
    }

    // A second "Neues Netz" keeps the window, asks about the unsaved net and names it "Neu".
    void neuesNetzNochmal() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        QPointer<TNetzGrafform> fenster = f.Netzfenster;
        kleinesNetz(f);
        f.Dateiname = "/tmp/alt.net";
        knopf(f, "NeuronBtn")->click();
        dialoge_->fragen = {false};
        f.NetzBtnClick();
        QCOMPARE(dialoge_->liste, std::vector<Meldung>{frage()});
        QCOMPARE(f.Netzfenster, fenster);
        QCOMPARE(f.AktuellesNetz.Anzahl(), 0);
        QCOMPARE(titel(f), QString("Netz [Neu]"));
        QVERIFY(f.Dateiname.empty());
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Keins);
        QCOMPARE(test::teil<QMdiArea>(f, "mdiArea")->subWindowList().size(), 1);
    }

    // "Netztyp festlegen" › "Hopfield-Typ" on a drawn net: task commands off, pattern command on;
    // the drawing keeps arrows and weights, and so do the check marks of "Pfeile" and "Gewichte",
    // so that one click on "Pfeile" hides the arrows.
    void netztypFestlegenHopfield() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        kleinesNetz(f);
        dialoge_->modal = {[](QDialog& d) {
            static_cast<TNetztypwahlForm&>(d).SetzeItemIndex(2);
            return int(QDialog::Accepted);
        }};
        f.Netztypfestlegen1Click();
        QCOMPARE(dialoge_->modalGezeigt, std::vector<std::string>{"Netztyp"});
        QCOMPARE(f.AktuellesNetz.Netztyp, Netztyp::Hopfield);
        QCOMPARE(beschriftung(f, "NetztypLbl")->text(), QString("Netztyp: Hopfield"));
        QVERIFY(!knopf(f, "TrainiereBtn")->isEnabled() && !knopf(f, "AufgLadenBtn")->isEnabled() &&
                !eintrag(f, "Lernaufgabeffnen1")->isEnabled());
        QVERIFY(knopf(f, "HopfieldBtn")->isEnabled() && eintrag(f, "HopfieldNetz")->isEnabled());
        QVERIFY(eintrag(f, "Pfeile1")->isChecked() && eintrag(f, "Gewichte1")->isChecked() &&
                eintrag(f, "Gewichte1")->isEnabled());
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(GewichteZeigen | PfeileZeigen));
        QVERIFY(!f.AktuellesNetz.Gesichert); // still the drawn, unsaved net

        eintrag(f, "Pfeile1")->trigger();
        QVERIFY(!eintrag(f, "Pfeile1")->isChecked() && !eintrag(f, "Gewichte1")->isEnabled());
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(GewichteZeigen));

        // Cancel (close box) keeps the type; the dialog keeps its selection.
        int vorher = -1;
        dialoge_->modal = {[&](QDialog& d) {
            vorher = static_cast<TNetztypwahlForm&>(d).ItemIndex();
            static_cast<TNetztypwahlForm&>(d).SetzeItemIndex(1);
            return int(QDialog::Rejected);
        }};
        f.Netztypfestlegen1Click();
        QCOMPARE(vorher, 2);
        QCOMPARE(f.AktuellesNetz.Netztyp, Netztyp::Hopfield);
        QVERIFY(dialoge_->liste.empty());

        // The file holds the type: on a saved net a new type counts as a change, the same
        // type does not.
        for (const auto& [wahl, gesichert] : {std::pair{2, true}, std::pair{1, false}}) {
            f.AktuellesNetz.Gesichert = true;
            dialoge_->modal = {[wahl](QDialog& d) {
                static_cast<TNetztypwahlForm&>(d).SetzeItemIndex(wahl);
                return int(QDialog::Accepted);
            }};
            f.Netztypfestlegen1Click();
            QCOMPARE(f.AktuellesNetz.Gesichert, gesichert);
        }
    }

    void pfeileUndGewichte() {
        TMainForm& f = *form_;
        eintrag(f, "Pfeile1")->trigger(); // through the menu, as the user does it
        QVERIFY(!eintrag(f, "Pfeile1")->isChecked());
        QVERIFY(!eintrag(f, "Gewichte1")->isEnabled());
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(GewichteZeigen));
        f.Gewichte1Click();
        QVERIFY(!eintrag(f, "Gewichte1")->isChecked());
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(0));
        f.Pfeile1Click();
        QVERIFY(eintrag(f, "Pfeile1")->isChecked() && eintrag(f, "Gewichte1")->isEnabled());
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(PfeileZeigen));
        eintrag(f, "Gewichte1")->trigger();
        QCOMPARE(f.AktuellesNetz.Darstellung, std::uint8_t(GewichteZeigen | PfeileZeigen));
        eintrag(f, "Raster1")->trigger();
        QVERIFY(!f.RasterAn());
        f.Raster1Click();
        QVERIFY(f.RasterAn());
    }

    void letztesNeuronLoeschenBisLeer() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        kleinesNetz(f);
        f.BefehleAktualisieren();
        f.LetztesNeuronlschen1Click();
        QCOMPARE(f.AktuellesNetz.Anzahl(), 1);
        QVERIFY(!f.AktuellesNetz.IstVerbunden(0, 1));
        QVERIFY(eintrag(f, "LetztesNeuronlschen1")->isEnabled() &&
                knopf(f, "TrainiereBtn")->isEnabled());
        f.LetztesNeuronlschen1Click();
        QCOMPARE(f.AktuellesNetz.Anzahl(), 0);
        QVERIFY(!eintrag(f, "LetztesNeuronlschen1")->isEnabled());
        QCOMPARE(zustand(f), (Zustand{true, true, false, false, false, false}));
        f.LetztesNeuronlschen1Click(); // nothing left: no error
        QVERIFY(dialoge_->liste.empty());
    }

    void modusKnoepfe() {
        TMainForm& f = *form_;
        knopf(f, "NeuronBtn")->click();
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Neuron);
        knopf(f, "PfeilBtn")->click();
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Pfeil);
        QVERIFY(!knopf(f, "NeuronBtn")->isChecked());
        knopf(f, "PfeilBtn")->click(); // up again: no tool
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Keins);
        knopf(f, "DoppelPfeilBtn")->click();
        knopf(f, "BewegeBtn")->click();
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Bewege);
        for (QToolButton* k : {knopf(f, "NeuronBtn"), knopf(f, "PfeilBtn"),
                               knopf(f, "DoppelPfeilBtn"), knopf(f, "BewegeBtn")})
            QCOMPARE(k->isChecked(), k == knopf(f, "BewegeBtn"));
        f.NetzBtnClick(); // a new net puts every mode button up
        QCOMPARE(f.AktivesWerkzeug(), Werkzeug::Keins);
        QVERIFY(!knopf(f, "BewegeBtn")->isChecked());
    }

    void fenstermass_data() {
        QTest::addColumn<QSize>("rahmen");
        QTest::addColumn<QSize>("netzfenster");
        QTest::newRow("breit") << QSize(1936, 1056) << QSize(968, 500);
        QTest::newRow("sehr gross") << QSize(2561, 1441) << QSize(1000, 500);
        QTest::newRow("ungerade") << QSize(1367, 767) << QSize(683, 383);
        QTest::newRow("entworfen") << QSize(703, 506) << QSize(351, 253);
    }
    void fenstermass() {
        QFETCH(QSize, rahmen);
        QFETCH(QSize, netzfenster);
        const Fenstermass m = NetzfensterMass(rahmen.width(), rahmen.height());
        QCOMPARE(QSize(m.breite, m.hoehe), netzfenster);
    }

    void netzDatei_data() {
        QTest::addColumn<QString>("pfad");
        QTest::addColumn<bool>("netz");
        QTest::newRow("einfach") << "xor.net" << true;
        QTest::newRow("Pfad") << "/home/a.b/netz.net" << true;
        QTest::newRow("nur Endung") << "/tmp/.net" << true;
        QTest::newRow("gross") << "xor.NET" << false;
        QTest::newRow("gemischt") << "xor.Net" << false;
        QTest::newRow("Endung danach") << "xor.net.bak" << false;
        QTest::newRow("Punkt im Ordner") << "/tmp/x.net/datei" << false;
        QTest::newRow("ohne Endung") << "netz" << false;
        QTest::newRow("Aufgabe") << "xor.lrn" << false;
    }
    void netzDatei() {
        QFETCH(QString, pfad);
        QFETCH(bool, netz);
        QCOMPARE(IstNetzDatei(pfad.toStdString()), netz);
    }

    void erstNetzSichern_data() {
        QTest::addColumn<bool>("gesichert");
        QTest::addColumn<bool>("ja");
        QTest::addColumn<bool>("dateiGewaehlt");
        QTest::newRow("gesichert") << true << false << false;
        QTest::newRow("Nein") << false << false << false;
        QTest::newRow("Ja, abgebrochen") << false << true << false;
        QTest::newRow("Ja, gespeichert") << false << true << true;
    }
    void erstNetzSichern() {
        QFETCH(bool, gesichert);
        QFETCH(bool, ja);
        QFETCH(bool, dateiGewaehlt);
        QTemporaryDir ordner;
        const std::string pfad = ordner.filePath("netz.net").toStdString();
        TMainForm& f = *form_;
        kleinesNetz(f);
        f.AktuellesNetz.Gesichert = gesichert;
        dialoge_->fragen = {ja};
        dialoge_->dateien = {dateiGewaehlt ? std::optional(pfad) : std::nullopt};
        f.ErstNetzSichern();
        QCOMPARE(dialoge_->liste.size(), std::size_t(gesichert ? 0 : 1));
        QCOMPARE(dialoge_->dateiDialoge.size(), std::size_t(ja ? 1 : 0));
        QVERIFY(f.AktuellesNetz.Gesichert);
        QCOMPARE(QFile::exists(QString::fromStdString(pfad)), dateiGewaehlt);
        QCOMPARE(f.Dateiname, dateiGewaehlt ? pfad : std::string());
        if (ja) {
            const DateiDialog& d = dialoge_->dateiDialoge.front();
            QCOMPARE(d.titel, std::string("Netz speichern"));
            QCOMPARE(d.filter, std::string("Netz (*.net)|*.net"));
            QCOMPARE(d.endung, std::string("net"));
            QVERIFY(d.ueberschreibenFragen);
        }
    }

    // A save that fails must not count as saved: the net is kept and the question comes again.
    void speichernMisslingt() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        kleinesNetz(f);
        dialoge_->fragen = {true};
        dialoge_->dateien = {std::string("/gibt/es/nicht/netz.net")};
        f.NetzLoeschenBtnClick();
        QCOMPARE(dialoge_->liste.size(), std::size_t(2));
        QCOMPARE(dialoge_->liste[1].art, 'F');
        QCOMPARE(f.AktuellesNetz.Anzahl(), 2);
        QVERIFY(!f.AktuellesNetz.Gesichert);

        // Closing the program then stays open too.
        dialoge_->fragen = {true};
        dialoge_->dateien = {std::string("/gibt/es/nicht/netz.net")};
        QVERIFY(!f.close());
        QCOMPARE(f.AktuellesNetz.Anzahl(), 2);
    }

    void ladenAbgebrochenGibtNeuesNetz() {
        TMainForm& f = *form_;
        dialoge_->dateien = {std::nullopt};
        f.LadenBtnClick();
        QVERIFY(dialoge_->liste.empty());
        QVERIFY(f.NetzVorhanden && f.Netzfenster);
        QCOMPARE(titel(f), QString("Netz"));
        QCOMPARE(f.AktuellesNetz.Anzahl(), 0);
        QVERIFY(!test::teil<QToolBar>(f, "WerkzeugPanel1")->isHidden());
        const DateiDialog& d = dialoge_->dateiDialoge.front();
        QCOMPARE(d.titel, std::string("Netz laden"));
        QVERIFY(d.mussExistieren);

        // With a net window and an unsaved net: the question, No, Cancel: an empty "Neu" net.
        kleinesNetz(f);
        dialoge_->fragen = {false};
        dialoge_->dateien = {std::nullopt};
        f.LadenBtnClick();
        QCOMPARE(dialoge_->liste, std::vector<Meldung>{frage()});
        QCOMPARE(f.AktuellesNetz.Anzahl(), 0);
        QCOMPARE(titel(f), QString("Netz [Neu]"));
    }

    void speichernUndOeffnen() {
        QTemporaryDir ordner;
        const std::string pfad = ordner.filePath("zwei.net").toStdString();
        TMainForm& f = *form_;
        f.NetzBtnClick();
        kleinesNetz(f);
        dialoge_->dateien = {pfad};
        f.NetzSpeichernBtnClick();
        QVERIFY(f.AktuellesNetz.Gesichert);
        QCOMPARE(f.Dateiname, pfad);
        QCOMPARE(titel(f), QString("Netz [%1]").arg(QString::fromStdString(pfad)));

        f.NetzLoeschenBtnClick();
        QCOMPARE(f.AktuellesNetz.Anzahl(), 0);
        QCOMPARE(titel(f), QString("Netz [Neu]"));

        dialoge_->dateien = {pfad};
        f.LadenBtnClick();
        QVERIFY(dialoge_->liste.empty());
        QCOMPARE(f.AktuellesNetz.Anzahl(), 2);
        QVERIFY(f.AktuellesNetz.IstVerbunden(0, 1));
        QCOMPARE(f.AktuellesNetz.Neuron(1).Gewichte[0], 0.5f);
        QVERIFY(f.AktuellesNetz.Gesichert);
        QCOMPARE(titel(f), QString("Netz [%1]").arg(QString::fromStdString(pfad)));
        QVERIFY(eintrag(f, "LetztesNeuronlschen1")->isEnabled());
        // As after opening the same file from the command line.
        QCOMPARE(zustand(f), (Zustand{true, true, true, true, true, false}));
        QCOMPARE(test::teil<QMdiArea>(f, "mdiArea")->subWindowList().size(), 1);
    }

    void beschaedigteDatei() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("kaputt.net");
        QFile datei(pfad);
        QVERIFY(datei.open(QIODevice::WriteOnly));
        datei.write(QByteArray::fromHex("0203000000000080"));
        datei.close();
        TMainForm& f = *form_;
        dialoge_->dateien = {pfad.toStdString()};
        f.LadenBtnClick();
        QCOMPARE(dialoge_->liste,
                 std::vector<Meldung>({{'F', "Datei beschädigt oder falsches Format"}}));
        QVERIFY(f.NetzVorhanden && f.Netzfenster);
        QVERIFY(!test::teil<QToolBar>(f, "WerkzeugPanel1")->isHidden());
        QCOMPARE(titel(f), QString("Netz [%1]").arg(pfad));
        QVERIFY(!eintrag(f, "LetztesNeuronlschen1")->isEnabled());
    }

    void kommandozeile_data() {
        QTest::addColumn<QStringList>("argumente");
        QTest::addColumn<bool>("hinweis");
        QTest::addColumn<bool>("geoeffnet");
        QTest::newRow("keins") << QStringList() << false << false;
        QTest::newRow("gross geschrieben") << QStringList({"NETZ.NET"}) << true << false;
        QTest::newRow("zwei") << QStringList({"a.net", "b.net"}) << false << false;
        QTest::newRow("eine Netzdatei") << QStringList({"NETZ"}) << false << true;
    }
    void kommandozeile() {
        QFETCH(QStringList, argumente);
        QFETCH(bool, hinweis);
        QFETCH(bool, geoeffnet);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath("start.net");
        {
            TNetz netz;
            test::neuesNeuron(netz, 50, 50, Schichttyp::Inputschicht);
            netz.Netztyp = Netztyp::Perzeptron;
            netz.Speichern(pfad.toStdString());
        }
        if (argumente == QStringList({"NETZ"})) argumente = {pfad};
        form_ = std::make_unique<TMainForm>(argumente);
        form_->FormActivate();
        std::vector<Meldung> erwartet;
        if (hinweis) erwartet.push_back({'H', "Die übergebene Datei ist keine gültige net-Datei!"});
        QCOMPARE(dialoge_->liste, erwartet);
        QCOMPARE(form_->NetzVorhanden, geoeffnet);
        QCOMPARE(bool(form_->Netzfenster), geoeffnet);
        if (geoeffnet) {
            QCOMPARE(titel(*form_), QString("Netz [%1]").arg(pfad));
            QCOMPARE(beschriftung(*form_, "NetztypLbl")->text(), QString("Netztyp: Perzeptron"));
            QCOMPARE(form_->AktuellesNetz.Anzahl(), 1);
            QCOMPARE(zustand(*form_), (Zustand{true, true, true, true, false, false}));
        }
        QCOMPARE(eintrag(*form_, "LetztesNeuronlschen1")->isEnabled(), geoeffnet);
        if (!geoeffnet) QVERIFY(form_->Dateiname.empty()); // a later new net has no file name
    }

    void schliessen_data() {
        QTest::addColumn<bool>("gesichert");
        QTest::addColumn<bool>("ja");
        QTest::newRow("gesichert") << true << false;
        QTest::newRow("Nein") << false << false;
        QTest::newRow("Ja, dann Abbrechen") << false << true;
    }
    void schliessen() {
        QFETCH(bool, gesichert);
        QFETCH(bool, ja);
        TMainForm& f = *form_;
        f.NetzBtnClick();
        kleinesNetz(f);
        f.AktuellesNetz.Gesichert = gesichert;
        dialoge_->fragen = {ja};
        dialoge_->dateien = {std::nullopt};
        QVERIFY(f.close());
        QCOMPARE(dialoge_->liste,
                 gesichert ? std::vector<Meldung>() : std::vector<Meldung>{frage()});
        QCOMPARE(dialoge_->dateiDialoge.size(), std::size_t(ja ? 1 : 0));
    }

    // The net window's closing: it leaves the main window without a net window.
    void netzfensterSchliesst() {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        test::neuesNeuron(f.AktuellesNetz, 100, 100);
        f.BefehleAktualisieren();
        f.Dateiname = "/tmp/alt.net"; // as after saving
        f.Netzfenster->parentWidget()->close();
        QVERIFY(!f.NetzVorhanden);
        QVERIFY(test::teil<QToolBar>(f, "WerkzeugPanel1")->isHidden());
        QCOMPARE(zustand(f), (Zustand{false, false, false, false, false, false}));
        QTRY_VERIFY(!f.Netzfenster);
        f.NetzBtnClick(); // a new window
        QVERIFY(f.Netzfenster);
        QCOMPARE(titel(f), QString("Netz"));
        QVERIFY(f.Dateiname.empty()); // the new net is not the old file
    }

    void hinweise() {
        TMainForm& f = *form_;
        QEvent betreten(QEvent::Enter);
        QApplication::sendEvent(knopf(f, "NetzLadenBtn"), &betreten);
        QCOMPARE(beschriftung(f, "HintPanel")->text(), QString("Netz öffnen"));
        QEvent verlassen(QEvent::Leave);
        QApplication::sendEvent(knopf(f, "NetzLadenBtn"), &verlassen);
        QCOMPARE(beschriftung(f, "HintPanel")->text(), QString());
        QApplication::sendEvent(knopf(f, "KopierenBtn"), &betreten);
        QCOMPARE(beschriftung(f, "HintPanel")->text(),
                 QString("Netz als Grafik in Zwischenablage kopieren"));
        QCOMPARE(knopf(f, "KopierenBtn")->toolTip(), knopf(f, "KopierenBtn")->statusTip());
    }

    void tutorium() {
        TMainForm& f = *form_;
        QUrl geoeffnet;
        f.UrlOeffnen = [&](const QUrl& url) {
            geoeffnet = url;
            return true;
        };
        f.Inhalt1Click();
        QVERIFY(dialoge_->liste.empty());
        QVERIFY(geoeffnet.isLocalFile());
        QVERIFY(geoeffnet.toLocalFile().endsWith("tutorial/index.html"));
        QVERIFY(QFile::exists(geoeffnet.toLocalFile()));

        f.UrlOeffnen = [](const QUrl&) { return false; };
        f.Inhalt1Click();
        QCOMPARE(dialoge_->liste.size(), std::size_t(1));
        QCOMPARE(dialoge_->liste[0].art, 'F');
        QVERIFY(dialoge_->liste[0].text.starts_with("Das Tutorium konnte nicht"));
    }

    void info() {
        QString produkt, version;
        dialoge_->modal = {[&](QDialog& d) {
            auto& info = static_cast<TInfoForm&>(d);
            produkt = info.ProductName->text();
            version = info.Version->text();
            return int(QDialog::Accepted);
        }};
        form_->Info1Click();
        QCOMPARE(dialoge_->modalGezeigt, std::vector<std::string>{"Infos"});
        QCOMPARE(produkt, QString("Nervalo Studio"));
        QVERIFY(version.contains(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$")));
        QVERIFY(dialoge_->liste.empty());
    }

  private:
    std::unique_ptr<TestDialoge> dialoge_;
    std::unique_ptr<TMainForm> form_;
};

QTEST_MAIN(MainFormTest)
#include "mainform_test.moc"
