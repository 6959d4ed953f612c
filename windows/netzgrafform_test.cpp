// The net editor window, driven by real mouse events on its paint box.
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QtTest>
#include <memory>

#include "editorumgebung.h"
#include "fehler.h"
#include "netz.h"
#include "netzgrafform.h"
#include "testhilfe.h"

using namespace nervalo;

namespace {

// The main window as the editor sees it: tool and grid are set by the test, calls are recorded,
// and the redraw goes back to the window as the real main window does it.
class FakeUmgebung : public EditorUmgebung {
  public:
    Werkzeug werkzeug = Werkzeug::Keins;
    bool raster = false;
    bool sichernScheitert = false;
    TNetzGrafform* form = nullptr;
    QStringList aufrufe;

    Werkzeug AktivesWerkzeug() const override { return werkzeug; }
    bool RasterAn() const override { return raster; }
    void ZeichnungAktualisieren() override {
        aufrufe << "ZeichnungAktualisieren";
        if (form) form->Aktualisieren();
    }
    void ErstNetzSichern() override {
        aufrufe << "ErstNetzSichern";
        if (sichernScheitert) throw Fehler("Datei x.net kann nicht erstellt werden");
    }
    void NetzGeaendert() override { aufrufe << "NetzGeaendert"; }
    void NetzfensterSchliesst() override { aufrufe << "NetzfensterSchliesst"; }
};

// The neuron dialog: records the neuron and makes it an input neuron, as if OK was pressed.
class FakeEditor : public NeuronEditor {
  public:
    FakeEditor() { vorher_ = setzeNeuronEditor(this); }
    ~FakeEditor() override { setzeNeuronEditor(vorher_); }
    void Editieren(TGrafikNeuron& n) override {
        bearbeitet.push_back(&n);
        if (modal) {
            // Blocks the other windows as the real dialog does, without waiting for the user.
            QDialog dialog;
            dialog.setWindowModality(Qt::ApplicationModal);
            dialog.show();
        }
        n.Schichttyp = Schichttyp::Inputschicht;
    }
    std::vector<TGrafikNeuron*> bearbeitet;
    bool modal = false;

  private:
    NeuronEditor* vorher_;
};

QString matrix(const TNetz& n) {
    return QStringLiteral("%1 %2 %3")
        .arg(n.Verbindungsmatrix[0][1])
        .arg(n.Verbindungsmatrix[1][0])
        .arg(n.Verbindungsmatrix[0][0]);
}

constexpr int Weg = -1; // a point away from every neuron

} // namespace

class NetzgrafformTest : public QObject {
    Q_OBJECT

    TNetz netz;
    FakeUmgebung umgebung;
    std::unique_ptr<test::Rekorder> rekorder;
    std::unique_ptr<FakeEditor> editor;
    QPointer<TNetzGrafform> form;

    TNetzPaintBox& box() { return *static_cast<TNetzPaintBox*>(form->PaintBox1); }
    void druecke(Qt::MouseButton b, QPoint p) { QTest::mousePress(form->PaintBox1, b, {}, p); }
    void ziehe(QPoint p) { QTest::mouseMove(form->PaintBox1, p); }
    void lasseLos(Qt::MouseButton b, QPoint p) { QTest::mouseRelease(form->PaintBox1, b, {}, p); }
    void ziehe(Qt::MouseButton b, QPoint von, QPoint nach) {
        druecke(b, von);
        ziehe((von + nach) / 2);
        ziehe(nach);
        lasseLos(b, nach);
    }
    // The net drawn over a picture; by default afresh on a white image of the paint box's size.
    QImage frischesBild(QImage b = QImage()) {
        if (b.isNull()) {
            b = QImage(box().Bild().size(), QImage::Format_RGB32);
            b.fill(Qt::white);
        }
        QtZeichenflaeche c(b);
        netz.ZeichneNetz(c);
        return b;
    }
    QRgb pixel(int x, int y) { return box().Bild().pixel(x, y) & 0xFFFFFFu; }

  private slots:
    void init() {
        netz.Leeren();
        netz.Darstellung = GewichteZeigen | PfeileZeigen;
        umgebung = FakeUmgebung();
        rekorder = std::make_unique<test::Rekorder>();
        editor = std::make_unique<FakeEditor>();
        form = new TNetzGrafform(umgebung);
        form->Netz = &netz;
        umgebung.form = form;
        form->resize(800, 500);
        form->show();
        form->Aktualisieren();
    }
    void cleanup() {
        delete form;
        editor.reset();
        rekorder.reset();
    }

    void einfuegen_data() {
        QTest::addColumn<bool>("raster");
        QTest::addColumn<Qt::MouseButton>("taste");
        QTest::addColumn<QPoint>("druck");
        QTest::addColumn<QPoint>("mitte");
        QTest::newRow("Raster, 5 rundet auf")
            << true << Qt::LeftButton << QPoint(104, 96) << QPoint(100, 100);
        QTest::newRow("Raster, 105 -> 110")
            << true << Qt::LeftButton << QPoint(105, 95) << QPoint(110, 100);
        QTest::newRow("ohne Raster")
            << false << Qt::LeftButton << QPoint(104, 96) << QPoint(104, 96);
        QTest::newRow("rechte Taste")
            << true << Qt::RightButton << QPoint(104, 96) << QPoint(100, 100);
        QTest::newRow("mittlere Taste")
            << false << Qt::MiddleButton << QPoint(33, 44) << QPoint(33, 44);
    }
    void einfuegen() {
        QFETCH(bool, raster);
        QFETCH(Qt::MouseButton, taste);
        QFETCH(QPoint, druck);
        QFETCH(QPoint, mitte);
        umgebung.werkzeug = Werkzeug::Neuron;
        umgebung.raster = raster;
        druecke(taste, druck);
        lasseLos(taste, druck);
        QCOMPARE(netz.Anzahl(), 1);
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), mitte);
        QCOMPARE(netz.Neuron(0).Bezeichnung, std::string("N0"));
        QCOMPARE(umgebung.aufrufe, QStringList({"NetzGeaendert"}));
        QCOMPARE(pixel(mitte.x() - 22, mitte.y()), 0u); // the circle is drawn
        QCOMPARE(box().Bild(), frischesBild());
    }

    // Names count the neurons present; a new neuron may cover an older one and wins the hits.
    void namenUndUeberdecken() {
        umgebung.werkzeug = Werkzeug::Neuron;
        for (QPoint p : {QPoint(100, 100), QPoint(110, 100)}) {
            druecke(Qt::LeftButton, p);
            lasseLos(Qt::LeftButton, p);
        }
        QCOMPARE(netz.Neuron(1).Bezeichnung, std::string("N1"));
        QCOMPARE(netz.NeuronBei(105, 100), 1);
        netz.LoescheLetztesNeuron();
        netz.LoescheLetztesNeuron();
        druecke(Qt::LeftButton, QPoint(50, 50));
        lasseLos(Qt::LeftButton, QPoint(50, 50));
        QCOMPARE(netz.Neuron(0).Bezeichnung, std::string("N0"));
    }

    void hoechstens60Neuronen() {
        for (int i = 0; i < MaxNeuronen; ++i)
            test::neuesNeuron(netz, 30 + 40 * (i % 15), 30 + 40 * (i / 15));
        umgebung.werkzeug = Werkzeug::Neuron;
        druecke(Qt::LeftButton, QPoint(700, 400));
        lasseLos(Qt::LeftButton, QPoint(700, 400));
        QCOMPARE(netz.Anzahl(), MaxNeuronen);
        QCOMPARE(rekorder->liste, std::vector<test::Meldung>({{'H', "Maximal 60 Neuronen!"}}));
        QVERIFY(umgebung.aufrufe.isEmpty());
    }

    // Neuron 0 at (100, 100), neuron 1 at (300, 100); matrix() gives [0][1] [1][0] [0][0].
    void verbinden_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::addColumn<Qt::MouseButton>("taste");
        QTest::addColumn<QString>("vorher");
        QTest::addColumn<int>("von");
        QTest::addColumn<int>("nach");
        QTest::addColumn<QString>("nachher");
        QTest::addColumn<bool>("aktualisiert");
        QTest::addColumn<QString>("meldung");
        const auto P = Werkzeug::Pfeil, D = Werkzeug::DoppelPfeil;
        const auto L = Qt::LeftButton;
        QTest::newRow("einfach neu") << P << L << "0 0 0" << 0 << 1 << "1 0 0" << false << "";
        QTest::newRow("einfach zur Gegenrichtung")
            << P << L << "0 1 0" << 0 << 1 << "1 1 0" << false << "";
        QTest::newRow("einfach entfernt beide")
            << P << L << "1 1 0" << 0 << 1 << "0 0 0" << true << "";
        QTest::newRow("einfach entfernt zweifach")
            << P << L << "2 2 0" << 1 << 0 << "0 0 0" << true << "";
        QTest::newRow("einfach selbst verweigert")
            << P << L << "0 0 0" << 0 << 0 << "0 0 0" << false
            << "Ein Neuron kann nicht mit sich selbst verbunden werden";
        QTest::newRow("einfach selbst entfernt")
            << P << L << "0 0 2" << 0 << 0 << "0 0 0" << true << "";
        QTest::newRow("ins Leere") << P << L << "0 0 0" << 0 << Weg << "0 0 0" << false << "";
        QTest::newRow("aus dem Leeren") << D << L << "0 0 0" << Weg << 1 << "0 0 0" << false << "";
        QTest::newRow("zweifach neu") << D << L << "0 0 0" << 0 << 1 << "2 2 0" << false << "";
        QTest::newRow("zweifach ueber einfache Gegenrichtung")
            << D << L << "1 0 0" << 1 << 0 << "2 2 0" << false << "";
        QTest::newRow("zweifach entfernt einfache")
            << D << L << "1 0 0" << 0 << 1 << "0 0 0" << true << "";
        QTest::newRow("zweifach selbst") << D << L << "0 0 0" << 0 << 0 << "0 0 2" << false << "";
        QTest::newRow("rechte Taste")
            << P << Qt::RightButton << "0 0 0" << 0 << 1 << "1 0 0" << false << "";
        QTest::newRow("mittlere Taste")
            << D << Qt::MiddleButton << "0 0 0" << 0 << 1 << "2 2 0" << false << "";
    }
    void verbinden() {
        QFETCH(Werkzeug, werkzeug);
        QFETCH(Qt::MouseButton, taste);
        QFETCH(QString, vorher);
        QFETCH(int, von);
        QFETCH(int, nach);
        QFETCH(QString, nachher);
        QFETCH(bool, aktualisiert);
        QFETCH(QString, meldung);
        test::neuesNeuron(netz, 100, 100);
        test::neuesNeuron(netz, 300, 100);
        const QStringList v = vorher.split(' ');
        netz.Verbindungsmatrix[0][1] = v[0].toFloat();
        netz.Verbindungsmatrix[1][0] = v[1].toFloat();
        netz.Verbindungsmatrix[0][0] = v[2].toFloat();
        form->Aktualisieren();
        umgebung.werkzeug = werkzeug;
        const auto ort = [](int i) {
            return i == Weg ? QPoint(200, 300) : QPoint(105 + 200 * i, 97);
        };
        const QImage vorherBild = box().Bild().copy();
        ziehe(taste, ort(von), ort(nach));
        QCOMPARE(matrix(netz), nachher);
        QCOMPARE(umgebung.aufrufe.contains("ZeichnungAktualisieren"), aktualisiert);
        std::vector<test::Meldung> erwartet;
        if (!meldung.isEmpty()) erwartet.push_back({'F', meldung.toStdString()});
        QCOMPARE(rekorder->liste, erwartet);
        QVERIFY(!TNetzGrafform::VerbindungAktiv);
        QCOMPARE(TNetzGrafform::Auswahl, -1);
        QCOMPARE(box().Flaeche().Stiftmodus(), StiftModus::Kopieren);
        // A removal repaints the window; otherwise the net is drawn over the picture as it was,
        // with no trace of the rubber band.
        QCOMPARE(box().Bild(), frischesBild(aktualisiert ? QImage() : vorherBild));
    }

    // The rubber band follows the mouse and is taken back completely.
    void gummiband() {
        test::neuesNeuron(netz, 100, 100);
        test::neuesNeuron(netz, 300, 100);
        netz.VerbindeBeide(0, 1);
        form->Aktualisieren();
        const QImage vorher = box().Bild().copy();
        umgebung.werkzeug = Werkzeug::Pfeil;
        druecke(Qt::LeftButton, QPoint(100, 100));
        ziehe(QPoint(100, 300));
        QCOMPARE(pixel(100, 250), 0u);
        ziehe(QPoint(400, 300));
        QCOMPARE(pixel(100, 250), 0xFFFFFFu);
        QCOMPARE(pixel(325, 250), 0u);
        lasseLos(Qt::LeftButton, QPoint(400, 300));
        QCOMPARE(box().Bild(), vorher);
    }

    // Neuron at (100, 100), pressed at (105, 103), dragged over (150, 180) to the release point.
    void verschieben_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::addColumn<Qt::MouseButton>("taste");
        QTest::addColumn<bool>("raster");
        QTest::addColumn<QPoint>("los");
        QTest::addColumn<QPoint>("mitte");
        const auto B = Werkzeug::Bewege;
        QTest::newRow("zum Loslasspunkt")
            << B << Qt::LeftButton << false << QPoint(203, 197) << QPoint(203, 197);
        QTest::newRow("mit Raster")
            << B << Qt::LeftButton << true << QPoint(203, 197) << QPoint(200, 200);
        QTest::newRow("ohne Bewegung")
            << B << Qt::LeftButton << true << QPoint(105, 103) << QPoint(110, 100);
        QTest::newRow("hinaus, -7 -> 0, -16 -> -10")
            << B << Qt::LeftButton << true << QPoint(-7, -16) << QPoint(0, -10);
        QTest::newRow("mittlere Taste")
            << B << Qt::MiddleButton << false << QPoint(203, 197) << QPoint(203, 197);
        QTest::newRow("ohne Werkzeug")
            << Werkzeug::Keins << Qt::LeftButton << true << QPoint(203, 197) << QPoint(100, 100);
    }
    void verschieben() {
        QFETCH(Werkzeug, werkzeug);
        QFETCH(Qt::MouseButton, taste);
        QFETCH(bool, raster);
        QFETCH(QPoint, los);
        QFETCH(QPoint, mitte);
        test::neuesNeuron(netz, 100, 100);
        test::neuesNeuron(netz, 300, 300);
        netz.Verbinde(0, 1);
        form->Aktualisieren();
        umgebung.werkzeug = werkzeug;
        umgebung.raster = raster;
        druecke(taste, QPoint(105, 103));
        ziehe(QPoint(150, 180));
        ziehe(los);
        lasseLos(taste, los);
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), mitte);
        QCOMPARE(netz.Neuron(0).Anzeige, Beschriftung);
        QCOMPARE(box().Flaeche().Stiftmodus(), StiftModus::Kopieren);
        QCOMPARE(box().Bild(), frischesBild());
    }

    // While the left button moves a neuron, only its bare circle follows the mouse.
    void kreisFolgtDerMaus() {
        test::neuesNeuron(netz, 100, 100);
        form->Aktualisieren();
        umgebung.werkzeug = Werkzeug::Bewege;
        druecke(Qt::LeftButton, QPoint(100, 100));
        QCOMPARE(netz.Neuron(0).Anzeige, std::uint8_t{0});
        ziehe(QPoint(300, 300));
        QCOMPARE(pixel(278, 300), 0u);
        QCOMPARE(pixel(78, 100), 0u); // the highlighted picture stays
        ziehe(QPoint(400, 300));
        QCOMPARE(pixel(278, 300), 0xFFFFFFu);
        QCOMPARE(pixel(378, 300), 0u);
        lasseLos(Qt::LeftButton, QPoint(400, 300));
        QCOMPARE(pixel(78, 100), 0xFFFFFFu);
    }

    // The right button opens the neuron dialog; its release moves nothing, the next drag works.
    void rechteTasteEditiert_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::newRow("Bewegen") << Werkzeug::Bewege;
        QTest::newRow("ohne Werkzeug") << Werkzeug::Keins;
    }
    void rechteTasteEditiert() {
        QFETCH(Werkzeug, werkzeug);
        test::neuesNeuron(netz, 100, 100);
        form->Aktualisieren();
        umgebung.werkzeug = werkzeug;
        druecke(Qt::RightButton, QPoint(300, 300));
        QVERIFY(editor->bearbeitet.empty());
        lasseLos(Qt::RightButton, QPoint(300, 300));

        druecke(Qt::RightButton, QPoint(110, 90));
        QCOMPARE(editor->bearbeitet, std::vector<TGrafikNeuron*>({&netz.Neuron(0)}));
        QCOMPARE(pixel(82, 100), 0x00FF00u); // shown again with its new layer colour
        ziehe(QPoint(250, 250));
        lasseLos(Qt::RightButton, QPoint(250, 250));
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), QPoint(100, 100));
        QCOMPARE(TNetzGrafform::Auswahl, 0);

        umgebung.werkzeug = Werkzeug::Bewege;
        druecke(Qt::LeftButton, QPoint(100, 100));
        lasseLos(Qt::LeftButton, QPoint(150, 150));
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), QPoint(150, 150));
    }

    // A modal window that takes the mouse during a drag ends the drag where the editor last saw
    // the mouse, as a release there would: the neuron placed, the picture drawn afresh, the copy
    // pen back. A connection is not made. Whatever the mouse does afterwards changes nothing.
    void modalesFensterBeendetZiehen_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::addColumn<bool>("raster");
        QTest::addColumn<bool>("rechteTaste"); // else a modal window of another command
        QTest::addColumn<QPoint>("zuletzt");   // the mouse when the modal window opens
        QTest::addColumn<QPoint>("mitte");     // where neuron 0 ends up
        const auto B = Werkzeug::Bewege;
        QTest::newRow("Bewegen, rechte Taste")
            << B << false << true << QPoint(213, 187) << QPoint(213, 187);
        QTest::newRow("Bewegen mit Raster, rechte Taste")
            << B << true << true << QPoint(213, 187) << QPoint(210, 190);
        QTest::newRow("ohne Werkzeug, rechte Taste")
            << Werkzeug::Keins << false << true << QPoint(110, 95) << QPoint(100, 100);
        QTest::newRow("Bewegen, anderer Befehl")
            << B << true << false << QPoint(213, 187) << QPoint(210, 190);
        QTest::newRow("Verbinden, anderer Befehl")
            << Werkzeug::Pfeil << false << false << QPoint(300, 100) << QPoint(100, 100);
    }
    void modalesFensterBeendetZiehen() {
        QFETCH(Werkzeug, werkzeug);
        QFETCH(bool, raster);
        QFETCH(bool, rechteTaste);
        QFETCH(QPoint, zuletzt);
        QFETCH(QPoint, mitte);
        test::neuesNeuron(netz, 100, 100);
        test::neuesNeuron(netz, 300, 100);
        form->Aktualisieren();
        umgebung.werkzeug = werkzeug;
        umgebung.raster = raster;
        editor->modal = true;
        druecke(Qt::LeftButton, QPoint(100, 100));
        ziehe(QPoint(160, 140));
        ziehe(zuletzt);
        if (rechteTaste) {
            druecke(Qt::RightButton, zuletzt);
            QCOMPARE(editor->bearbeitet.size(), std::size_t{1});
        } else {
            QDialog andere;
            andere.setWindowModality(Qt::ApplicationModal);
            andere.show();
        }
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), mitte);
        QCOMPARE(netz.Neuron(0).Anzeige, Beschriftung);
        QCOMPARE(netz.Verbindungsmatrix[0][1], 0.0f);
        QVERIFY(!TNetzGrafform::VerbindungAktiv);
        QCOMPARE(box().Flaeche().Stiftmodus(), StiftModus::Kopieren);
        QCOMPARE(box().Bild(), frischesBild());

        // The left button is still down when the window closes; moving and releasing it later
        // must not pick the drag up again.
        QTest::mouseMove(form->PaintBox1, QPoint(400, 300));
        lasseLos(Qt::LeftButton, QPoint(400, 300));
        QCOMPARE(QPoint(netz.Neuron(0).X, netz.Neuron(0).Y), mitte);
        QCOMPARE(netz.Verbindungsmatrix[0][1], 0.0f);
        QCOMPARE(box().Bild(), frischesBild());
    }

    void jederDruckMarkiertUngesichert_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::addColumn<Qt::MouseButton>("taste");
        QTest::addColumn<QPoint>("ort");
        const QPoint neuron(100, 100), leer(400, 300);
        QTest::newRow("ohne Werkzeug, leer") << Werkzeug::Keins << Qt::LeftButton << leer;
        QTest::newRow("ohne Werkzeug, rechts leer") << Werkzeug::Keins << Qt::RightButton << leer;
        QTest::newRow("Bewegen ohne Bewegung") << Werkzeug::Bewege << Qt::LeftButton << neuron;
        QTest::newRow("Pfeil, leer") << Werkzeug::Pfeil << Qt::LeftButton << leer;
        QTest::newRow("Doppelpfeil") << Werkzeug::DoppelPfeil << Qt::RightButton << neuron;
        QTest::newRow("Einfuegen") << Werkzeug::Neuron << Qt::LeftButton << leer;
    }
    void jederDruckMarkiertUngesichert() {
        QFETCH(Werkzeug, werkzeug);
        QFETCH(Qt::MouseButton, taste);
        QFETCH(QPoint, ort);
        test::neuesNeuron(netz, 100, 100);
        netz.Gesichert = true;
        umgebung.werkzeug = werkzeug;
        druecke(taste, ort);
        QVERIFY(!netz.Gesichert);
        lasseLos(taste, ort);
    }

    // A command during a drag may remove the held neuron; the release must cope.
    void neuronVerschwindetWaehrendDesZiehens_data() {
        QTest::addColumn<Werkzeug>("werkzeug");
        QTest::newRow("Verbinden") << Werkzeug::Pfeil;
        QTest::newRow("Bewegen") << Werkzeug::Bewege;
    }
    void neuronVerschwindetWaehrendDesZiehens() {
        QFETCH(Werkzeug, werkzeug);
        test::neuesNeuron(netz, 100, 100);
        test::neuesNeuron(netz, 300, 100);
        form->Aktualisieren();
        umgebung.werkzeug = werkzeug;
        druecke(Qt::LeftButton, QPoint(300, 100));
        netz.LoescheLetztesNeuron();
        ziehe(QPoint(100, 100));
        lasseLos(Qt::LeftButton, QPoint(100, 100));
        QCOMPARE(netz.Anzahl(), 1);
        QCOMPARE(netz.Verbindungsmatrix[0][0], 0.0f);
        QVERIFY(!TNetzGrafform::VerbindungAktiv);
        QCOMPARE(box().Flaeche().Stiftmodus(), StiftModus::Kopieren);
    }

    // Neurons far below the window (a 30-input perceptron reaches Y = 2100) can be scrolled to.
    void grosseNetzeErreichbar() {
        test::neuesNeuron(netz, 80, 2100);
        form->Aktualisieren();
        QVERIFY(form->PaintBox1->height() >= 2122);
        QVERIFY(form->PaintBox1->width() >= 700);
        QCOMPARE(pixel(58, 2100), 0u);
        // Clearing the net lets the paint box shrink back to the window.
        netz.Leeren();
        form->Aktualisieren();
        QVERIFY(form->PaintBox1->height() < 600);
    }

    void titel_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("titel");
        QTest::newRow("neu") << ""
                             << "Netz [Neu]";
        QTest::newRow("Pfad") << "/home/a/xor.net"
                              << "Netz [/home/a/xor.net]";
        QTest::newRow("Umlaut") << "Übung.net"
                                << "Netz [Übung.net]";
    }
    void titel() {
        QFETCH(QString, name);
        QFETCH(QString, titel);
        QCOMPARE(form->windowTitle(), QString("Netz"));
        form->TitelSetzen(name.toStdString());
        QCOMPARE(form->windowTitle(), titel);
    }

    void schliessen_data() {
        QTest::addColumn<bool>("mdi");
        QTest::newRow("eigenes Fenster") << false;
        QTest::newRow("im Rahmenfenster") << true;
    }
    void schliessen() {
        QFETCH(bool, mdi);
        QMdiArea rahmen;
        QPointer<QMdiSubWindow> unter;
        if (mdi) {
            unter = rahmen.addSubWindow(form);
            unter->setAttribute(Qt::WA_DeleteOnClose);
            rahmen.show();
        }
        mdi ? unter->close() : form->close();
        QCOMPARE(umgebung.aufrufe, QStringList({"ErstNetzSichern", "NetzfensterSchliesst"}));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form.isNull());
        QVERIFY(unter.isNull());
    }

    // When saving fails, the window stays open and the net is kept.
    void schliessenNachFehlgeschlagenemSichern() {
        umgebung.sichernScheitert = true;
        QVERIFY(!form->close());
        QCOMPARE(umgebung.aufrufe, QStringList({"ErstNetzSichern"}));
        QCOMPARE(rekorder->liste.size(), std::size_t{1});
        QVERIFY(form->isVisible());
    }
};

QTEST_MAIN(NetzgrafformTest)
#include "netzgrafform_test.moc"
