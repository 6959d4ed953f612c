#pragma once
// The main window: the frame that holds the net window and the test neuron windows, with its
// controls (hauptbedienung.h). It owns the one current net for the whole run, runs the commands
// and derives which of them are available. The training commands are in
// trainingsbefehle.cpp, the Hopfield commands in hopfieldbefehle.cpp.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <QMainWindow>
#include <QPointer>
#include <QStringList>

#include "aufgabenumgebung.h"
#include "befehl.h"
#include "befehlsstaende.h"
#include "dialoge.h"
#include "editorumgebung.h"
#include "hauptbedienung.h"
#include "hopfieldanalyse.h"
#include "hopfieldanalyseform.h"
#include "hopfieldumgebung.h"
#include "lernbeobachtung.h"
#include "lernzuordnung.h"
#include "netz.h"
#include "rekonstruktionsverlauf.h"
#include "trainingstempo.h"
#include "verlauf.h"

class QMdiArea;
class QDate;
class QUrl;

namespace nervalo {

class Bildtakt;
class TAufgabenForm;
class THopfieldForm;
class TInfoForm;
class TKartenForm;
class TRechenwegForm;
class TLernkurvenForm;
class TNetzGrafform;
class TNetztypForm;
class TNetztypwahlForm;
class Trainingsanzeige;

// Size given to the net window: half the maximised frame's outer size, at most 1000 × 500.
struct Fenstermass {
    int breite;
    int hoehe;
};
Fenstermass NetzfensterMass(int rahmenBreite, int rahmenHoehe);

// True when the file name's extension (from its last "." on) is exactly ".net".
bool IstNetzDatei(const std::string& pfad);

// Where the tutorial page lies: beside the program, in the installed data folder, or in the
// source tree. Empty when none of them holds it.
QString TutoriumPfad();

// The four file dialogs.
extern const DateiDialog OpenDialog1;         // open a net
extern const DateiDialog SaveDialog1;         // save a net
extern const DateiDialog OpenDialog2;         // open a learning task
extern const DateiDialog SaveDialog2;         // save a learning task
extern const DateiDialog BildDialog;          // save the net's picture: PNG or SVG
extern const DateiDialog KurvenbildDialog;    // the learning curve as a picture
extern const DateiDialog KurventabelleDialog; // the learning curve as a table

class TMainForm : public QMainWindow,
                  public EditorUmgebung,
                  public AufgabenUmgebung,
                  public HopfieldUmgebung {
    Q_OBJECT
  public:
    // argumente: the command-line arguments after the program name.
    explicit TMainForm(QStringList argumente = {}, QWidget* parent = nullptr);
    ~TMainForm() override;

    // Program-wide state.
    TNetz AktuellesNetz;
    std::string Dateiname; // path of the current net's file; empty for a new net
    float Sigma = 1.0f;    // learning rate
    // Neuron counts by layer (AnzahlInput, AnzahlHidden, AnzahlOutput): the task table's columns
    // for training; "Spezielle Netze" also writes a Hopfield grid's columns and rows into the
    // first two.
    Lernzuordnung Zuordnung;
    std::int32_t FensterBreite = 0; // size given to the net window
    std::int32_t FensterHoehe = 0;
    bool NetzVorhanden = false;        // the net window exists
    bool AufgabenfensterOffen = false; // the learning task window exists
    bool HopfieldfensterOffen = false; // the Hopfield pattern window exists

    // Windows created on demand.
    QPointer<TNetzGrafform> Netzfenster;
    QPointer<TAufgabenForm> Aufgabenfenster;       // the learning task window, once it exists
    QPointer<THopfieldForm> Hopfieldfenster;       // the Hopfield pattern window, once it exists
    QPointer<THopfieldAnalyseForm> Analysefenster; // "Hopfield-Analyse", while it is open
    QPointer<TLernkurvenForm> Lernkurvenfenster;   // "Lernkurve", while it is open
    QPointer<TKartenForm> Kartenfenster;           // "Entscheidungskarte", while it is open
    QPointer<TRechenwegForm> Rechenwegfenster;     // "Rechenweg", once it exists

    // The Hopfield analysis (analysebefehle.cpp). The patterns stored with "!" since the net was
    // built, opened or cleared, in memory only; the course of the last recall; the recall's pace
    // and stop setting, which apply while the analysis window is open.
    std::vector<GemerktesMuster> GemerkteMuster;
    Rekonstruktionsverlauf Rekonstruktion;
    Analyseeinstellungen Einstellungen;

    // The dialogs that live for the whole run; main() creates them after the main window.
    // Without them (in tests) the main window makes its own on first use.
    TNetztypForm* NetztypForm = nullptr;
    TInfoForm* InfoForm = nullptr;
    TNetztypwahlForm* NetztypwahlForm = nullptr;

    // Opens a web page in the default browser; tests replace it.
    std::function<bool(const QUrl&)> UrlOeffnen;
    // Today's date, printed in the footer of a page; tests set it.
    std::function<QDate()> Heute;
    // Wait between two passes of the recall in milliseconds; tests shorten it.
    std::int64_t Recallpause = 2000;

    // Command handlers: menu items and tool buttons of one command share one.
    void NetzBtnClick();
    void LadenBtnClick();
    void NetzSpeichernBtnClick();
    void NetzLoeschenBtnClick();
    void LetztesNeuronlschen1Click();
    void Netztypfestlegen1Click();
    void NetztypBtnClick(); // "Spezielle Netze"
    void Pfeile1Click();
    void Gewichte1Click();
    void Raster1Click();
    void KopierenBtnClick();
    void EinNeuronBtnClick();
    void Inhalt1Click();
    void Info1Click();
    void Beenden1Click();
    // The net's picture as a PNG or SVG file, and printed (bildbefehle.cpp).
    void BildSpeichernClick();
    void DruckenClick();
    // Training (trainingsbefehle.cpp).
    void TrainiereBtnClick();
    void AufgLadenBtnClick();
    void AufgSpeichernBtnClick();
    void VorBtnClick();
    void BackBtnClick();
    void SigmaBtnClick();
    void ZufallBtnClick();
    // Hopfield memory (hopfieldbefehle.cpp).
    void HopfieldBtnClick();
    // Undo history (verlaufbefehle.cpp): one step back or forward.
    void RueckgaengigClick();
    void WiederholenClick();
    // Opens the analysis window, or brings the open one to the front (analysebefehle.cpp).
    void HopfieldAnalyse1Click();
    // Forgets the stored patterns and the last recall. For every command that puts another net
    // in place (built, opened, cleared, or an earlier state brought back): the patterns no longer
    // say what its weights hold.
    void GemerkteMusterVergessen();
    // Learning curve, decision map and pace (lernanzeigebefehle.cpp): the two windows open, or
    // come to the front when open.
    void Lernkurve1Click();
    void Entscheidungskarte1Click();
    void TempoClick(int schritteProSekunde);
    Trainingstempo& Tempo() { return tempo_; }
    Lernbeobachtung& Beobachtung() { return lernbeobachtung_; }
    // The calculation of a neuron and the changes of the last learning step
    // (rechenwegbefehle.cpp): "Änderungen" switches the changes in the drawing on and off,
    // "Rechenweg" opens its window or brings it to the front.
    void Aenderungen1Click();
    void Rechenweg1Click();
    // Shows the calculation of the chosen neuron in the "Rechenweg" window, if it is open.
    void RechenwegNachfuehren();

    // The start-up part: net window size and the command-line file. Runs once, right after
    // the main window is first shown.
    void FormActivate();
    // Writes a hint text into the status panel.
    void ShowHint(const QString& hint);
    // Derives every command's enabled and checked state, the tool panel and the net type label
    // from the program's state (BefehleAbleiten) and shows them. Every command ends with it.
    void BefehleAktualisieren();

    // EditorUmgebung: what the net window uses.
    Werkzeug AktivesWerkzeug() const override;
    bool RasterAn() const override;
    void ZeichnungAktualisieren() override;
    void ErstNetzSichern() override;
    void NetzGeaendert() override;
    void NetzfensterSchliesst() override;
    void AenderungBeginnt() override;
    void AenderungEndet(const char* was) override;
    Zusatzanzeige Zusatz() const override;
    void NeuronAngeklickt(int i) override;

    // AufgabenUmgebung: what the learning task window uses.
    void Trainieren() override;
    void AufgabenfensterGeschlossen() override;
    void SchleifeBeginnt() override;
    void SchleifeEndet() override;

    // HopfieldUmgebung: what the pattern window uses.
    // Stores the grid's pattern by the Hebb rule: w(i, j) += x_i · x_j for all pairs.
    void MusterMerken() override;
    // The recall loop: passes until the window's Abbruch, Recallpause between passes.
    void MusterErkennen() override;
    void HopfieldfensterGeschlossen() override;
    void HopfieldfensterGeoeffnet() override;

  protected:
    bool event(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    QMenu* createPopupMenu() override;

  private:
    // Runs a command's body through Befehl, then derives the commands anew: every command
    // goes through here.
    template <class F> void befehl(F&& rumpf) {
        Befehl(std::forward<F>(rumpf));
        BefehleAktualisieren();
        analyseNachfuehren();
        RechenwegNachfuehren();
    }
    // A command that may change the net: its body is one step of the undo history, named `was`.
    template <class F> void befehl(const char* was, F&& rumpf) {
        befehl([&] {
            const Aufzeichnung aufzeichnung(verlauf_, AktuellesNetz, was);
            std::forward<F>(rumpf)();
        });
    }
    void befehleVerbinden();
    void werkzeugWaehlen(Werkzeug w);
    // "Als Arbeitsblatt speichern..." of the "Rechenweg" window: asks for the neurons and the
    // file, and writes the page.
    void arbeitsblattSpeichern();

    // Operations on the net and the windows.
    void NetzSpeichern();
    void netzLadenUndDarstellen();
    // Stores NetzVorhanden; without the net window the task and pattern windows close.
    void NetzVorhandenSetzen(bool b);
    // Empties the net and closes the task and pattern windows.
    void Netzloeschen();
    void netzfensterAnlegen();
    void netzfensterPlatzieren();
    void titelSetzen();
    void aufgabenfensterSchliessen();
    void hopfieldfensterSchliessen();
    // Forgets the stored patterns once the neuron count no longer fits them, and shows the
    // analysis of the net and the pattern window's state in the analysis window, if it is open.
    void analyseNachfuehren();
    TInfoForm& infoForm();
    TNetztypwahlForm& netztypwahlForm();
    TNetztypForm& netztypForm();
    // Builds the special net chosen in the dialog into the empty net.
    void spezialnetzBauen();

    // Training (trainingsbefehle.cpp): one step and the merged redraws.
    void trainingsschritt();
    // Learning curve and decision map (lernanzeigebefehle.cpp): the task table's rows as
    // numbers, none without the task window; the curve saved as a picture and as a table.
    std::optional<Aufgabentabelle> aufgabentabelle() const;
    void kurveAlsBildSpeichern();
    void kurveAlsTabelleSpeichern();
    void werkzeugfensterZeigen(QWidget& fenster, bool unten);
    void zeichnungVormerken();
    // Hopfield memory (hopfieldbefehle.cpp) with the pattern window's grid, through the model's
    // Hopfieldspeicher; both throw Fehler when the grid has not as many cells as the net has
    // neurons. Grid to net: the neurons' outputs (+1 for "u", else -1) and every input slot
    // j := x_j. Net to grid: "u" where the output lies within 0.1 of +1.
    void MusterHolen(THopfieldForm& fenster);
    void MusterSetzen(THopfieldForm& fenster);

    // Undo history (verlaufbefehle.cpp). The stored patterns go back and forward with the net.
    void verlaufEinrichten();
    // A net was created or opened: no steps back.
    void verlaufNeu();
    // A step back or forward on the net, then the windows follow.
    void verlaufsschritt(bool (Verlauf::*schritt)(TNetz&));

    QMdiArea* mdiArea;
    Hauptbedienung bedienung_;
    Verlauf verlauf_;
    std::optional<Verlauf::Nummer> editorAenderung_; // a press or drag in the net window
    std::vector<Verlauf::Nummer>
        trainingsschleifen_; // the training loops under way, innermost last
    Bildtakt* bildtakt_ = nullptr;
    // Declared after the net, so that they go before it.
    Trainingstempo tempo_;
    Lernbeobachtung lernbeobachtung_;
    QPointer<Trainingsanzeige> anzeige_; // of the task window in Aufgabenfenster
    QStringList argumente_;
    bool gestartet_ = false;
    bool raster_ = true;                  // "an Raster ausrichten"
    bool aenderungen_ = false;            // "Änderungen"
    int rechenneuron_ = -1;               // the neuron the "Rechenweg" window shows
    Werkzeug werkzeug_ = Werkzeug::Keins; // the mode button that is down
};

} // namespace nervalo
