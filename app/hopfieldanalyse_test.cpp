// The Hopfield analysis window at work with the main window: what it shows during and after a
// recall, the recall's pace and stop while it is open (and the unchanged recall while it is
// not), the remembered patterns and when they are forgotten, and the fixed-point marks.
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <memory>

#include "energiekurve.h"
#include "hopfieldform.h"
#include "hopfieldtesthilfe.h"
#include "mainform.h"
#include "musterstreifen.h"
#include "spezialnetze.h"
#include "testbedienung.h"
#include "testdialoge.h"
#include "testuhr.h"
#include "zahltext.h"

using namespace nervalo;
using namespace nervalo::test;

namespace {

// The energy of the Hebb weights of the patterns, written through the patterns:
// E = −½ Σ_μ (p · s)², worked out on the integers.
QString energieText(const QList<Bild>& muster, const Bild& zustand) {
    const std::vector<float> s = werte(zustand);
    long long summe = 0;
    for (const Bild& p : muster) {
        const std::vector<float> x = werte(p);
        long long skalar = 0;
        for (std::size_t i = 0; i < s.size(); ++i)
            skalar += static_cast<long long>(x[i] * s[i]);
        summe += skalar * skalar;
    }
    return "Energie: " + QString::fromStdString(EnergieText(-0.5L * summe));
}

// The number of cells in which two pictures differ.
int abstand(const Bild& a, const Bild& b) {
    int d = 0;
    for (int r = 0; r < a.size(); ++r)
        for (int c = 0; c < a[r].size(); ++c)
            d += a[r][c] != b[r][c];
    return d;
}

} // namespace

class HopfieldAnalyseTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestDialoge> dialoge_;
    std::unique_ptr<TestUhr> uhr_;
    std::unique_ptr<TMainForm> form_;

    // A 7 x 7 grid net with its pattern window, the given patterns stored with "!".
    THopfieldForm& mitMustern(const QList<Bild>& muster) {
        TMainForm& f = *form_;
        f.NetzBtnClick();
        BaueHopfieldGitter(f.AktuellesNetz, 7, 7);
        f.BefehleAktualisieren();
        dialoge_->eingaben = {"7", "7"};
        eintrag(f, "HopfieldNetz")->trigger();
        for (const Bild& b : muster) {
            zeichne(*f.Hopfieldfenster, b);
            f.Hopfieldfenster->MerkeBtn->click();
        }
        return *f.Hopfieldfenster;
    }
    THopfieldAnalyseForm& analyse() {
        eintrag(*form_, "HopfieldAnalyse1")->trigger();
        return *form_->Analysefenster;
    }
    // "?" with the test clock moved on by 100 ms at every turn of the event loop while the recall
    // waits (inside its own event loop, not in the single round of events after each wait);
    // gives the clock's time at each pass. "Stop" comes from the pass stopNach on, unless the
    // recall ends by itself.
    std::vector<std::int64_t> erkennen(THopfieldForm& fenster, int stopNach) {
        std::vector<std::int64_t> zeiten;
        QPointer<THopfieldForm> f = &fenster;
        QTimer runde;
        connect(&runde, &QTimer::timeout, [&] {
            if (!f) return;
            const int n = f->IntEdit1->Number();
            if (n > static_cast<int>(zeiten.size())) zeiten.push_back(uhr_->Millisekunden());
            if (n >= stopNach) f->StopBtn->click();
            if (QThread::currentThread()->loopLevel() > 0) uhr_->Weiter(100);
        });
        runde.start(0);
        fenster.ErkennenBtn->click();
        // A recall that ended by itself made its last pass after the last turn.
        if (f && f->IntEdit1->Number() > static_cast<int>(zeiten.size()))
            zeiten.push_back(uhr_->Millisekunden());
        return zeiten;
    }

  private slots:
    void init() {
        dialoge_ = std::make_unique<TestDialoge>();
        uhr_ = std::make_unique<TestUhr>();
        form_ = std::make_unique<TMainForm>();
        form_->FensterBreite = 400;
        form_->FensterHoehe = 300;
    }
    void cleanup() {
        form_.reset();
        uhr_.reset();
        dialoge_.reset();
    }

    // The recall waits the Part's 2 s while the analysis window is closed, and never stops by
    // itself; while it is open, its pace and its stop hold. The settings outlive the window.
    void taktUndAnhalten_data() {
        QTest::addColumn<int>("takt"); // index in the window's list
        QTest::addColumn<bool>("anhalten");
        QTest::addColumn<bool>("danachZu");
        QTest::addColumn<std::vector<std::int64_t>>("abstaende");
        QTest::newRow("Vorgabe") << -1 << false << false
                                 << std::vector<std::int64_t>{2000, 2000, 2000};
        QTest::newRow("0,2 s") << 0 << false << false << std::vector<std::int64_t>{200, 200, 200};
        // The disturbed T is restored by pass 1 and stable with pass 2: the recall ends there.
        QTest::newRow("0,5 s, anhalten") << 1 << true << false << std::vector<std::int64_t>{500};
        QTest::newRow("Analyse geschlossen")
            << 0 << true << true << std::vector<std::int64_t>{2000, 2000, 2000};
    }
    void taktUndAnhalten() {
        QFETCH(int, takt);
        QFETCH(bool, anhalten);
        QFETCH(bool, danachZu);
        QFETCH(std::vector<std::int64_t>, abstaende);
        THopfieldForm& fenster = mitMustern({H, T});
        QPointer<THopfieldAnalyseForm> a = &analyse();
        QVERIFY(!a->AnhaltenBox->isChecked());
        QCOMPARE(a->TaktBox->currentText(), QString("2 s"));
        if (takt >= 0) a->TaktBox->setCurrentIndex(takt);
        a->AnhaltenBox->setChecked(anhalten);
        if (danachZu) {
            a->close();
            QTRY_VERIFY(!a);
        }
        Bild start = T;
        start[0][0] = '.';
        start[4][5] = 'X';
        zeichne(fenster, start);
        const std::vector<std::int64_t> zeiten = erkennen(fenster, 4);
        std::vector<std::int64_t> zwischen;
        for (std::size_t k = 1; k < zeiten.size(); ++k)
            zwischen.push_back(zeiten[k] - zeiten[k - 1]);
        QCOMPARE(zwischen, abstaende);
        QCOMPARE(gelesen(fenster), T);
        if (danachZu) {
            // Opened again, the window shows the settings of this run.
            THopfieldAnalyseForm& wieder = analyse();
            QVERIFY(wieder.AnhaltenBox->isChecked());
            QCOMPARE(wieder.TaktBox->currentText(), QString("0,2 s"));
        }
        QVERIFY(dialoge_->liste.empty());
    }

    // During and after a recall: the energy of the shown state, the distance and overlap to each
    // pattern and its inverse, the energy over the passes and what the state settled in.
    void waehrendDerRekonstruktion_data() {
        QTest::addColumn<Bild>("start");
        QTest::addColumn<Bild>("ende");
        QTest::addColumn<QString>("zustand");
        Bild gestoert = T;
        gestoert[0][0] = '.';
        gestoert[4][5] = 'X';
        QTest::newRow("gestört") << gestoert << T << "Stabil nach 2 Durchgängen: Muster 2";
        QTest::newRow("Muster") << H << H << "Stabil nach 1 Durchgang: Muster 1";
        QTest::newRow("invers") << umgekehrt(T) << umgekehrt(T)
                                << "Stabil nach 1 Durchgang: Inverses von Muster 2";
    }
    void waehrendDerRekonstruktion() {
        QFETCH(Bild, start);
        QFETCH(Bild, ende);
        QFETCH(QString, zustand);
        THopfieldForm& fenster = mitMustern({H, T});
        THopfieldAnalyseForm& a = analyse();
        a.AnhaltenBox->setChecked(true);
        zeichne(fenster, start);
        // A click changes the state; the analysis follows it at once.
        fenster.StringGrid1MouseDown(Qt::LeftButton, {}, 15, 15);
        fenster.StringGrid1MouseDown(Qt::LeftButton, {}, 15, 15);
        QCOMPARE(a.EnergieLbl->text(), energieText({H, T}, start));
        QCOMPARE(a.ZustandLbl->text(), QString());

        erkennen(fenster, 50);
        QCOMPARE(gelesen(fenster), ende);
        QCOMPARE(a.ZustandLbl->text(), zustand);
        QCOMPARE(a.EnergieLbl->text(), energieText({H, T}, ende));
        const std::vector<long double> e = form_->Rekonstruktion.Energien();
        QVERIFY(e.size() >= 2 && std::is_sorted(e.rbegin(), e.rend()));
        QCOMPARE(a.Kurve->Energien(), e);
        for (int k = 0; k < 2; ++k) {
            const int d = abstand(ende, k == 0 ? H : T);
            QCOMPARE(a.Tabelle->item(k, 1)->text(), QString::number(d));
            QCOMPARE(a.Tabelle->item(k, 2)->text(),
                     QString::fromStdString(KommaText((49.0 - 2 * d) / 49, 2)));
            QCOMPARE(a.Tabelle->item(k, 3)->text(), QString::number(49 - d));
            QCOMPARE(a.Tabelle->item(k, 5)->text(), QString("ja"));
        }
        // Drawn over, the state is no longer the recall's.
        fenster.LoescheBtn->click();
        QCOMPARE(a.ZustandLbl->text(), QString());
        QCOMPARE(a.EnergieLbl->text(), energieText({H, T}, Bild(7, ".......")));
    }

    // The patterns stored since the net was built, each with its grid; forgotten with the net
    // (and when the neuron count changes), kept when only the pattern window closes.
    void gemerkteMuster_data() {
        QTest::addColumn<QString>("aenderung");
        QTest::addColumn<int>("danach");
        QTest::newRow("Musterfenster zu") << "musterfenster" << 2;
        QTest::newRow("Gewichte zufällig") << "zufall" << 2;
        QTest::newRow("Netz löschen") << "loeschen" << 0;
        QTest::newRow("Neues Netz") << "neu" << 0;
        QTest::newRow("Netz öffnen") << "oeffnen" << 0;
        QTest::newRow("Spezielle Netze") << "spezial" << 0;
        QTest::newRow("letztes Neuron löschen") << "letztes" << 0;
    }
    void gemerkteMuster() {
        QFETCH(QString, aenderung);
        QFETCH(int, danach);
        TMainForm& f = *form_;
        THopfieldForm& fenster = mitMustern({H, T});
        QPointer<THopfieldAnalyseForm> a = &analyse();
        const auto& eintraege = a->Streifen->Eintraege();
        QCOMPARE(eintraege.size(), std::size_t(2));
        QCOMPARE(eintraege[1].muster.muster, fenster.Gittermuster());
        QCOMPARE(std::pair(eintraege[1].muster.spalten, eintraege[1].muster.zeilen),
                 std::pair(7, 7));

        dialoge_->fragen = {false}; // don't save
        if (aenderung == "musterfenster") fenster.close();
        if (aenderung == "zufall") knopf(f, "ZufallBtn")->click();
        if (aenderung == "loeschen") knopf(f, "NetzLoeschenBtn")->click();
        if (aenderung == "neu") knopf(f, "NetzBtn")->click();
        if (aenderung == "oeffnen") {
            dialoge_->dateien = {QFINDTESTDATA("../examples/hopfield-7x7.net").toStdString()};
            knopf(f, "NetzLadenBtn")->click();
        }
        if (aenderung == "spezial") {
            dialoge_->modal = {[](QDialog&) { return int(QDialog::Accepted); }};
            knopf(f, "NetztypBtn")->click();
        }
        if (aenderung == "letztes") eintrag(f, "LetztesNeuronlschen1")->trigger();
        QCOMPARE(static_cast<int>(f.GemerkteMuster.size()), danach);
        QVERIFY(a);
        QCOMPARE(static_cast<int>(a->Streifen->Eintraege().size()), danach);
        if (!f.HopfieldfensterOffen) {
            QCOMPARE(a->EnergieLbl->text(), QString("Energie: –"));
            QVERIFY(a->ZustandLbl->text().contains("Hopfield-Netz"));
        }
    }

    // Beyond the capacity some stored patterns are no longer fixed points of the net: marked in
    // the table, the strip and the capacity line.
    void fixpunkte() {
        QList<Bild> muster;
        for (const auto& b : beispiel::HopfieldBuchstaben)
            muster << buchstabe(b);
        // Slanted stripes: with the letters far too many patterns for 49 cells.
        for (int k = 0; k < 6; ++k) {
            Bild b(7, ".......");
            for (int r = 0; r < 7; ++r)
                for (int c = 0; c < 7; ++c)
                    if ((k < 3 ? c + 2 * r : r + 3 * c) % (k + 2) == 0) b[r][c] = 'X';
            muster << b;
        }
        THopfieldForm& fenster = mitMustern(muster);
        const THopfieldAnalyseForm& a = analyse();
        QStringList keine;
        for (int k = 0; k < muster.size(); ++k) {
            zeichne(fenster, muster[k]);
            const auto fix = IstFixpunkt(form_->AktuellesNetz, fenster.Gittermuster());
            QVERIFY(fix.has_value());
            if (!*fix) keine << QString::number(k + 1);
            QCOMPARE(a.Tabelle->item(k, 5)->text(), QString(*fix ? "ja" : "nein"));
            QCOMPARE(a.Streifen->Eintraege()[k].fixpunkt, fix);
        }
        QVERIFY(!keine.isEmpty() && keine.size() < muster.size());
        QCOMPARE(a.KapazitaetLbl->text(),
                 "Gemerkt: 9 Muster bei N = 49 Neuronen · kritisch über 5,86 (0,14 · N − 1) · "
                 "geschätzte Kapazität 6,76 (0,138 · N)\nKein Fixpunkt mehr: Muster " +
                     keine.join(", "));
    }
};

QTEST_MAIN(HopfieldAnalyseTest)
#include "hopfieldanalyse_test.moc"
