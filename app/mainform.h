#pragma once
// The main window: the frame that holds the net window, the menus, the top tool bar, the left
// tool panel and the status panel. It owns the one current net for the whole run and decides
// which commands are available.
#include <cstdint>
#include <functional>
#include <initializer_list>
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
#include "hopfieldumgebung.h"
#include "lernzuordnung.h"
#include "netz.h"

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;
class QToolButton;
class QUrl;

namespace nervalo {

class Bildtakt;
class TAufgabenForm;
class TGrafikNeuron;
class THopfieldForm;
class TInfoForm;
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
extern const DateiDialog OpenDialog1; // open a net
extern const DateiDialog SaveDialog1; // save a net
extern const DateiDialog OpenDialog2; // open a learning task
extern const DateiDialog SaveDialog2; // save a learning task

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
    QPointer<TAufgabenForm> Aufgabenfenster; // the learning task window, once it exists
    QPointer<THopfieldForm> Hopfieldfenster; // the Hopfield pattern window, once it exists

    // The dialogs that live for the whole run; main() creates them after the main window.
    // Without them (in tests) the main window makes its own on first use.
    TNetztypForm* NetztypForm = nullptr;
    TInfoForm* InfoForm = nullptr;
    TNetztypwahlForm* NetztypwahlForm = nullptr;

    // Opens a web page in the default browser; tests replace it.
    std::function<bool(const QUrl&)> UrlOeffnen;

    // Frame and panels.
    QMdiArea* mdiArea;
    QToolBar* Hauptpanel;
    QToolBar* WerkzeugPanel1;
    QToolBar* Statusleiste; // holds HintPanel
    QLabel* HintPanel;
    QLabel* NetztypLbl;

    // Top tool bar.
    QToolButton* NetzBtn;
    QToolButton* NetzLadenBtn;
    QToolButton* NetzSpeichernBtn;
    QToolButton* TrainiereBtn;
    QToolButton* AufgLadenBtn;
    QToolButton* AufgSpeichernBtn;
    QToolButton* HopfieldBtn;
    QToolButton* EinNeuronBtn;

    // Left tool panel: four mode buttons, then commands.
    QToolButton* NeuronBtn;
    QToolButton* BewegeBtn;
    QToolButton* PfeilBtn;
    QToolButton* DoppelPfeilBtn;
    QToolButton* NetzLoeschenBtn;
    QToolButton* NetztypBtn;
    QToolButton* VorBtn;
    QToolButton* BackBtn;
    QToolButton* SigmaBtn;
    QToolButton* ZufallBtn;
    QToolButton* KopierenBtn;

    // Menus.
    QMenu* Datei1;
    QAction* NeuesNetz1;
    QAction* Netzffnen1;
    QAction* Netzspeichernunter1;
    QMenu* NeueLernaufgabe1;
    QAction* N3schichtigesPerzeptron1;
    QAction* HopfieldNetz;
    QAction* Lernaufgabeffnen1;
    QAction* Lernaufgabespeichernunter1;
    QAction* Beenden1;
    QMenu* Bearbeiten1;
    QAction* Netzpropagieren1;
    QAction* Netzbackpropagieren1;
    QAction* LetztesNeuronlschen1;
    QAction* Netzlschen1;
    QAction* Netztypfestlegen1;
    QAction* Gewichtezuflligbelegen1;
    QAction* Sigmafestlegen1;
    QAction* SpezielleNetze1;
    QAction* Kopieren1;
    QMenu* Anzeige1;
    QAction* Pfeile1;
    QAction* Gewichte1;
    QAction* Raster1;
    QMenu* Sonstiges1;
    QAction* Neuron1;
    QMenu* Hilfe1;
    QAction* Inhalt1;
    QAction* Info1;

    // Command handlers. Each runs its body through Befehl.
    void NetzBtnClick();
    void LadenBtnClick();
    void NetzSpeichernBtnClick();
    void NetzLoeschenBtnClick();
    void LetztesNeuronlschen1Click();
    void AufgLadenBtnClick();
    void AufgSpeichernBtnClick();
    void Netztypfestlegen1Click();
    void Pfeile1Click();
    void Gewichte1Click();
    void Raster1Click();
    void KopierenBtnClick();
    void EinNeuronBtnClick();
    void Inhalt1Click();
    void Info1Click();
    void Beenden1Click();
    // The start-up part: net window size and the command-line file. Runs once, right after
    // the main window is first shown.
    void FormActivate();
    // Writes a hint text into the status panel.
    void ShowHint(const QString& hint);

    // Commands whose work is added with the training, the special nets and the Hopfield memory.
    void TrainiereBtnClick();
    void HopfieldBtnClick();
    void NetztypBtnClick();
    void VorBtnClick();
    void BackBtnClick();
    void SigmaBtnClick();
    void ZufallBtnClick();

    // Operations.
    void NetzSpeichern();
    void netzLadenUndDarstellen();
    // Derives every command's enabled and checked state, the tool panel and the net type label
    // from the program's state (BefehleAbleiten) and applies them.
    void BefehleAktualisieren();
    // Stores NetzVorhanden; without the net window the task and pattern windows close.
    void NetzVorhandenSetzen(bool b);
    // Empties the net and closes the task and pattern windows.
    void Netzloeschen();
    // Waits at least ms milliseconds while the event loop runs (and sleeps when idle).
    static void Pause(std::int64_t ms);

    // EditorUmgebung: what the net window uses.
    Werkzeug AktivesWerkzeug() const override;
    bool RasterAn() const override;
    void ZeichnungAktualisieren() override;
    void ErstNetzSichern() override;
    void NetzGeaendert() override;
    void NetzfensterSchliesst() override;

    // AufgabenUmgebung: what the learning task window uses (training.cpp).
    void Trainieren() override;
    void AufgabenfensterGeschlossen() override;

    // Hopfield pattern memory (hopfieldbefehle.cpp) with the pattern window's grid, through the
    // model's Hopfieldspeicher. Each operation throws Fehler when the grid has not as many cells
    // as the net has neurons.
    // Grid to net: the neurons' outputs (+1 for "u", else -1) and every input slot j := x_j.
    void MusterHolen(THopfieldForm& fenster);
    // Net to grid: "u" where the output lies within 0.1 of +1.
    void MusterSetzen(THopfieldForm& fenster);
    // Wait between two passes of the recall in milliseconds; tests shorten it.
    std::int64_t Recallpause = 2000;

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
    void menueAnlegen();
    void hauptpanelAnlegen();
    void werkzeugpanelAnlegen();
    void hintpanelAnlegen();
    // Connects each command's menu items and buttons to its handler and records them, so that
    // BefehleAktualisieren reaches them.
    void befehleAnmelden();
    void anmelden(Kommando k, std::initializer_list<QObject*> teile,
                  const std::function<void()>& ausloesen = {});
    // Runs a command's body through Befehl, then derives the commands anew: every command
    // goes through here.
    template <class F> void befehl(F&& rumpf) {
        Befehl(std::forward<F>(rumpf));
        BefehleAktualisieren();
    }
    void werkzeugWaehlen(Werkzeug w);
    void netzfensterAnlegen();
    void netzfensterPlatzieren();
    void titelSetzen();
    void aufgabenfensterSchliessen();
    void hopfieldfensterSchliessen();
    TInfoForm& infoForm();
    TNetztypwahlForm& netztypwahlForm();
    TNetztypForm& netztypForm();
    // Training (training.cpp): one step and the merged redraws.
    void trainingsschritt();
    void zeichnungVormerken();
    Bildtakt* bildtakt_ = nullptr;
    QPointer<Trainingsanzeige> anzeige_; // of the task window in Aufgabenfenster

    QStringList argumente_;
    bool gestartet_ = false;
    std::vector<std::pair<Kommando, QObject*>> bedienteile_; // each command's items and buttons
    bool raster_ = true;                                     // "an Raster ausrichten"
    Werkzeug werkzeug_ = Werkzeug::Keins;                    // the mode button that is down
};

} // namespace nervalo
