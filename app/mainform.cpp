#include "mainform.h"

#include <algorithm>
#include <initializer_list>

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusTipEvent>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>

#include "aufgabenform.h"
#include "befehl.h"
#include "bilder.h"
#include "fehler.h"
#include "hopfieldform.h"
#include "infoform.h"
#include "netzgrafform.h"
#include "netztypwahlform.h"
#include "neuronform.h"

namespace nervalo {

const DateiDialog OpenDialog1{"Netz laden", "Netz (*.net)|*.net", "net", true, false};
const DateiDialog SaveDialog1{"Netz speichern", "Netz (*.net)|*.net", "net", false, true};
const DateiDialog OpenDialog2{"Lernaufgabe laden", "Lernaufgaben (*.lrn)|*.lrn", "", true, false};
const DateiDialog SaveDialog2{"Lernaufgaben speichern", "Lernaufgaben (*.lrn)|*.lrn", "lrn", false,
                              true};

namespace {

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// A panel that Qt shows as a fixed tool bar: not movable, not floating, no margins.
QToolBar* panel(QMainWindow* fenster, const char* name, Qt::ToolBarArea ort) {
    auto* leiste = new QToolBar(fenster);
    leiste->setObjectName(QString::fromLatin1(name));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->setContextMenuPolicy(Qt::PreventContextMenu);
    leiste->setContentsMargins(0, 0, 0, 0);
    leiste->layout()->setContentsMargins(0, 0, 0, 0);
    leiste->layout()->setSpacing(0);
    leiste->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    fenster->addToolBar(ort, leiste);
    return leiste;
}

QToolButton* knopf(QWidget* eltern, const char* name, Bild bild, const char* hinweis, int links,
                   int oben, int seite) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoRaise(true); // flat
    k->setGeometry(links, oben, seite, seite);
    const int bildseite = seite - 9;
    k->setIconSize(QSize(bildseite, bildseite));
    k->setIcon(Symbol(bild, bildseite));
    k->setToolTip(u8(hinweis));
    k->setStatusTip(u8(hinweis));
    k->setFocusPolicy(Qt::NoFocus);
    return k;
}

QAction* eintrag(QMenu* menue, const char* name, const char* text) {
    QAction* a = menue->addAction(u8(text));
    a->setObjectName(QString::fromLatin1(name));
    return a;
}

QMenu* untermenue(QWidget* eltern, const char* name, const char* text) {
    auto* m = new QMenu(u8(text), eltern);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

Fenstermass NetzfensterMass(int rahmenBreite, int rahmenHoehe) {
    return {std::min(1000, rahmenBreite / 2), std::min(500, rahmenHoehe / 2)};
}

bool IstNetzDatei(const std::string& pfad) {
    const auto schraeg = pfad.rfind('/');
    const std::string name = schraeg == std::string::npos ? pfad : pfad.substr(schraeg + 1);
    const auto punkt = name.rfind('.');
    return punkt != std::string::npos && name.substr(punkt) == ".net";
}

QString TutoriumPfad() {
    const QString programm = QCoreApplication::applicationDirPath();
    QStringList orte{programm + QStringLiteral("/tutorial/index.html"),
                     programm + QStringLiteral("/../share/nervalo/tutorial/index.html")};
#ifdef NERVALO_QUELLEN
    orte << QStringLiteral(NERVALO_QUELLEN "/docs/tutorial/index.html");
#endif
    for (const QString& ort : orte)
        if (QFileInfo(ort).isFile()) return QDir::cleanPath(QFileInfo(ort).absoluteFilePath());
    return {};
}

TMainForm::TMainForm(QStringList argumente, QWidget* parent)
    : QMainWindow(parent), argumente_(std::move(argumente)) {
    // FormCreate.
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Nervalo"));
    setWindowIcon(QIcon(ProgrammSymbol(64)));
    resize(703, 506);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);

    menueAnlegen();
    hauptpanelAnlegen();
    werkzeugpanelAnlegen();
    hintpanelAnlegen();
    befehleAnmelden();

    UrlOeffnen = [](const QUrl& url) { return QDesktopServices::openUrl(url); };

    AktuellesNetz.Gesichert = true;
    AktuellesNetz.Darstellung = GewichteZeigen | PfeileZeigen;
    AktuellesNetz.Netztyp = KeinTyp;
    NetzVorhandenSetzen(false);
    AufgabenfensterOffen = false;
    HopfieldfensterOffen = false;
    Sigma = 1.0f;
    Dateiname.clear();
    Zuordnung = {};
    BefehleAktualisieren();
}

TMainForm::~TMainForm() {
    // The child windows refer to AktuellesNetz, a member that dies before QWidget deletes its
    // children: remove them first.
    for (QMdiSubWindow* fenster : mdiArea->subWindowList())
        delete fenster;
}

void TMainForm::menueAnlegen() {
    QMenuBar* leiste = menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));

    Datei1 = leiste->addMenu(u8("Datei"));
    Datei1->setObjectName(QStringLiteral("Datei1"));
    NeuesNetz1 = eintrag(Datei1, "NeuesNetz1", "Neues Netz");
    Netzffnen1 = eintrag(Datei1, "Netzffnen1", "Netz öffnen");
    Netzspeichernunter1 = eintrag(Datei1, "Netzspeichernunter1", "Netz speichern unter ...");
    Datei1->addSeparator();
    NeueLernaufgabe1 = untermenue(Datei1, "NeueLernaufgabe1", "Neue Lernaufgabe");
    Datei1->addMenu(NeueLernaufgabe1);
    N3schichtigesPerzeptron1 =
        eintrag(NeueLernaufgabe1, "N3schichtigesPerzeptron1", "3-schichtiges Perzeptron");
    HopfieldNetz = eintrag(NeueLernaufgabe1, "HopfieldNetz", "Hopfield-Netz");
    Lernaufgabeffnen1 = eintrag(Datei1, "Lernaufgabeffnen1", "Lernaufgabe öffnen");
    Lernaufgabespeichernunter1 =
        eintrag(Datei1, "Lernaufgabespeichernunter1", "Lernaufgabe speichern unter...");
    Datei1->addSeparator();
    Beenden1 = eintrag(Datei1, "Beenden1", "Beenden");

    Bearbeiten1 = leiste->addMenu(u8("Bearbeiten"));
    Bearbeiten1->setObjectName(QStringLiteral("Bearbeiten1"));
    Netzpropagieren1 = eintrag(Bearbeiten1, "Netzpropagieren1", "Netz propagieren");
    Netzbackpropagieren1 = eintrag(Bearbeiten1, "Netzbackpropagieren1", "Netz backpropagieren");
    Bearbeiten1->addSeparator();
    LetztesNeuronlschen1 = eintrag(Bearbeiten1, "LetztesNeuronlschen1", "Letztes Neuron löschen");
    Netzlschen1 = eintrag(Bearbeiten1, "Netzlschen1", "Netz löschen");
    Netztypfestlegen1 = eintrag(Bearbeiten1, "Netztypfestlegen1", "Netztyp festlegen");
    Gewichtezuflligbelegen1 =
        eintrag(Bearbeiten1, "Gewichtezuflligbelegen1", "Gewichte zufällig belegen");
    Sigmafestlegen1 = eintrag(Bearbeiten1, "Sigmafestlegen1", "Sigma festlegen");
    Bearbeiten1->addSeparator();
    SpezielleNetze1 = eintrag(Bearbeiten1, "SpezielleNetze1", "Spezielle Netze");
    Bearbeiten1->addSeparator();
    Kopieren1 = eintrag(Bearbeiten1, "Kopieren1", "Kopieren");

    Anzeige1 = leiste->addMenu(u8("Anzeige"));
    Anzeige1->setObjectName(QStringLiteral("Anzeige1"));
    Pfeile1 = eintrag(Anzeige1, "Pfeile1", "Pfeile");
    Gewichte1 = eintrag(Anzeige1, "Gewichte1", "Gewichte");
    Anzeige1->addSeparator();
    Raster1 = eintrag(Anzeige1, "Raster1", "an Raster ausrichten");
    for (QAction* a : {Pfeile1, Gewichte1, Raster1})
        a->setCheckable(true);

    Sonstiges1 = leiste->addMenu(u8("Sonstiges"));
    Sonstiges1->setObjectName(QStringLiteral("Sonstiges1"));
    Neuron1 = eintrag(Sonstiges1, "Neuron1", "Neuron");

    Hilfe1 = leiste->addMenu(u8("Hilfe"));
    Hilfe1->setObjectName(QStringLiteral("Hilfe1"));
    Inhalt1 = eintrag(Hilfe1, "Inhalt1", "Tutorium");
    Hilfe1->addSeparator();
    Info1 = eintrag(Hilfe1, "Info1", "Info ...");
}

void TMainForm::hauptpanelAnlegen() {
    Hauptpanel = panel(this, "Hauptpanel", Qt::TopToolBarArea);
    auto* flaeche = new QWidget(Hauptpanel);
    flaeche->setFixedHeight(53);
    flaeche->setMinimumWidth(560);
    flaeche->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    Hauptpanel->addWidget(flaeche);

    constexpr int oben = 8, seite = 37;
    NetzBtn = knopf(flaeche, "NetzBtn", Bild::NeuesNetz, "Neues Netz", 8, oben, seite);
    NetzLadenBtn =
        knopf(flaeche, "NetzLadenBtn", Bild::NetzOeffnen, "Netz öffnen", 44, oben, seite);
    NetzSpeichernBtn = knopf(flaeche, "NetzSpeichernBtn", Bild::NetzSpeichern,
                             "Netz speichern unter...", 80, oben, seite);
    TrainiereBtn = knopf(flaeche, "TrainiereBtn", Bild::NeueAufgabe,
                         "Neue Lernaufgabe für Perzeptron", 136, oben, seite);
    AufgLadenBtn = knopf(flaeche, "AufgLadenBtn", Bild::AufgabeOeffnen,
                         "Lernaufgabe für Perzeptron öffnen", 172, oben, seite);
    AufgSpeichernBtn = knopf(flaeche, "AufgSpeichernBtn", Bild::AufgabeSpeichern,
                             "Lernaufgabe für Perzeptron speichern unter...", 208, oben, seite);
    HopfieldBtn = knopf(flaeche, "HopfieldBtn", Bild::HopfieldMuster, "Muster für Hopfield-Netz",
                        264, oben, seite);
    EinNeuronBtn =
        knopf(flaeche, "EinNeuronBtn", Bild::TestNeuron, "Test-Neuron", 320, oben, seite);

    NetztypLbl = new QLabel(flaeche);
    NetztypLbl->setObjectName(QStringLiteral("NetztypLbl"));
    NetztypLbl->setGeometry(376, 18, 200, 17);
}

void TMainForm::werkzeugpanelAnlegen() {
    WerkzeugPanel1 = panel(this, "WerkzeugPanel1", Qt::LeftToolBarArea);
    auto* flaeche = new QWidget(WerkzeugPanel1);
    flaeche->setFixedWidth(33);
    flaeche->setMinimumHeight(353);
    flaeche->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    WerkzeugPanel1->addWidget(flaeche);

    constexpr int seite = 33;
    NeuronBtn = knopf(flaeche, "NeuronBtn", Bild::NeuronEinfuegen, "Neuron einfügen", 0, 0, seite);
    BewegeBtn = knopf(flaeche, "BewegeBtn", Bild::Bewegen,
                      "Neuron mit gedrückter Maustaste verschieben oder mit rechter Maustaste "
                      "editieren",
                      0, 32, seite);
    PfeilBtn = knopf(flaeche, "PfeilBtn", Bild::Pfeil,
                     "Einfache Verbindung: Zwei Neuronen mit gedrückter linker Maustaste "
                     "verbinden oder bestehende Verbindung löschen (Richtung beachten!)",
                     0, 64, seite);
    DoppelPfeilBtn = knopf(flaeche, "DoppelPfeilBtn", Bild::DoppelPfeil,
                           "Zweifache Verbindung: Zwei Neuronen mit gedrückter Maustaste "
                           "verbinden oder bestehende Verbindung löschen",
                           0, 96, seite);
    NetzLoeschenBtn =
        knopf(flaeche, "NetzLoeschenBtn", Bild::NetzLoeschen, "Netz löschen", 0, 128, seite);
    NetztypBtn = knopf(flaeche, "NetztypBtn", Bild::SpezielleNetze, "Speziellen Netztyp wählen", 0,
                       160, seite);
    VorBtn = knopf(flaeche, "VorBtn", Bild::Propagieren, "Netz propagieren", 0, 192, seite);
    BackBtn = knopf(flaeche, "BackBtn", Bild::Backpropagieren, "Backpropagation", 0, 224, seite);
    SigmaBtn = knopf(flaeche, "SigmaBtn", Bild::Sigma, "Lernrate Sigma einstellen", 0, 256, seite);
    ZufallBtn =
        knopf(flaeche, "ZufallBtn", Bild::Zufall, "Gewichte zufällig festlegen", 0, 288, seite);
    KopierenBtn = knopf(flaeche, "KopierenBtn", Bild::Kopieren,
                        "Netz als Grafik in Zwischenablage kopieren", 0, 320, seite);

    for (QToolButton* k : {NeuronBtn, BewegeBtn, PfeilBtn, DoppelPfeilBtn})
        k->setCheckable(true);
}

void TMainForm::hintpanelAnlegen() {
    Statusleiste = panel(this, "Statusleiste", Qt::BottomToolBarArea);
    HintPanel = new QLabel(Statusleiste);
    HintPanel->setObjectName(QStringLiteral("HintPanel"));
    HintPanel->setFixedHeight(25);
    HintPanel->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    HintPanel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    HintPanel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    HintPanel->setIndent(4);
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")});
    schrift.setPixelSize(13);
    HintPanel->setFont(schrift);
    QPalette farben = HintPanel->palette();
    farben.setColor(QPalette::WindowText, Qt::black);
    HintPanel->setPalette(farben);
    Statusleiste->addWidget(HintPanel);
}

void TMainForm::befehleAnmelden() {
    using K = Kommando;
    using F = TMainForm;
    const auto h = [this](void (TMainForm::*handler)()) {
        return [this, handler] { (this->*handler)(); };
    };
    const auto werkzeug = [this](Werkzeug w) { return [this, w] { werkzeugWaehlen(w); }; };
    anmelden(K::NeuesNetz, {NetzBtn, NeuesNetz1}, h(&F::NetzBtnClick));
    anmelden(K::NetzOeffnen, {NetzLadenBtn, Netzffnen1}, h(&F::LadenBtnClick));
    anmelden(K::NetzSpeichern, {NetzSpeichernBtn, Netzspeichernunter1},
             h(&F::NetzSpeichernBtnClick));
    anmelden(K::NeueLernaufgabe, {NeueLernaufgabe1->menuAction()});
    anmelden(K::Perzeptronaufgabe, {N3schichtigesPerzeptron1}, h(&F::TrainiereBtnClick));
    anmelden(K::Hopfieldaufgabe, {HopfieldNetz}, h(&F::HopfieldBtnClick));
    anmelden(K::PerzeptronKnopf, {TrainiereBtn}, h(&F::TrainiereBtnClick));
    anmelden(K::HopfieldKnopf, {HopfieldBtn}, h(&F::HopfieldBtnClick));
    anmelden(K::AufgabeOeffnen, {AufgLadenBtn, Lernaufgabeffnen1}, h(&F::AufgLadenBtnClick));
    anmelden(K::AufgabeSpeichern, {AufgSpeichernBtn, Lernaufgabespeichernunter1},
             h(&F::AufgSpeichernBtnClick));
    anmelden(K::Beenden, {Beenden1}, h(&F::Beenden1Click));
    anmelden(K::Bearbeiten, {Bearbeiten1->menuAction()});
    anmelden(K::Propagieren, {VorBtn, Netzpropagieren1}, h(&F::VorBtnClick));
    anmelden(K::Backpropagieren, {BackBtn, Netzbackpropagieren1}, h(&F::BackBtnClick));
    anmelden(K::LetztesNeuronLoeschen, {LetztesNeuronlschen1}, h(&F::LetztesNeuronlschen1Click));
    anmelden(K::NetzLoeschen, {NetzLoeschenBtn, Netzlschen1}, h(&F::NetzLoeschenBtnClick));
    anmelden(K::NetztypFestlegen, {Netztypfestlegen1}, h(&F::Netztypfestlegen1Click));
    anmelden(K::Zufallsgewichte, {ZufallBtn, Gewichtezuflligbelegen1}, h(&F::ZufallBtnClick));
    anmelden(K::SigmaFestlegen, {SigmaBtn, Sigmafestlegen1}, h(&F::SigmaBtnClick));
    anmelden(K::SpezielleNetze, {NetztypBtn, SpezielleNetze1}, h(&F::NetztypBtnClick));
    anmelden(K::Kopieren, {KopierenBtn, Kopieren1}, h(&F::KopierenBtnClick));
    anmelden(K::Pfeile, {Pfeile1}, h(&F::Pfeile1Click));
    anmelden(K::Gewichte, {Gewichte1}, h(&F::Gewichte1Click));
    anmelden(K::Raster, {Raster1}, h(&F::Raster1Click));
    anmelden(K::NeuronWerkzeug, {NeuronBtn}, werkzeug(Werkzeug::Neuron));
    anmelden(K::BewegeWerkzeug, {BewegeBtn}, werkzeug(Werkzeug::Bewege));
    anmelden(K::PfeilWerkzeug, {PfeilBtn}, werkzeug(Werkzeug::Pfeil));
    anmelden(K::DoppelPfeilWerkzeug, {DoppelPfeilBtn}, werkzeug(Werkzeug::DoppelPfeil));
    anmelden(K::TestNeuron, {EinNeuronBtn, Neuron1}, h(&F::EinNeuronBtnClick));
    anmelden(K::Tutorium, {Inhalt1}, h(&F::Inhalt1Click));
    anmelden(K::Info, {Info1}, h(&F::Info1Click));
}

void TMainForm::anmelden(Kommando k, std::initializer_list<QObject*> teile,
                         const std::function<void()>& ausloesen) {
    for (QObject* teil : teile) {
        bedienteile_.push_back({k, teil});
        if (!ausloesen) continue;
        if (auto* a = qobject_cast<QAction*>(teil))
            connect(a, &QAction::triggered, this, ausloesen);
        else if (auto* b = qobject_cast<QAbstractButton*>(teil))
            connect(b, &QAbstractButton::clicked, this, ausloesen);
    }
}

void TMainForm::BefehleAktualisieren() {
    const Befehlsstaende staende = BefehleAbleiten({.netzfenster = NetzVorhanden,
                                                    .neuronen = AktuellesNetz.Anzahl(),
                                                    .netztyp = AktuellesNetz.Netztyp,
                                                    .darstellung = AktuellesNetz.Darstellung,
                                                    .aufgabenfenster = AufgabenfensterOffen,
                                                    .raster = raster_,
                                                    .werkzeug = werkzeug_});
    for (const auto& [k, teil] : bedienteile_) {
        const Befehlsstand& stand = staende[k];
        if (auto* a = qobject_cast<QAction*>(teil)) {
            a->setEnabled(stand.aktiv);
            if (a->isCheckable()) a->setChecked(stand.haken);
        } else if (auto* b = qobject_cast<QAbstractButton*>(teil)) {
            b->setEnabled(stand.aktiv);
            if (b->isCheckable()) b->setChecked(stand.haken);
        }
    }
    WerkzeugPanel1->setVisible(staende.werkzeugleiste);
    NetztypLbl->setText(u8(staende.netztyp));
}

QMenu* TMainForm::createPopupMenu() {
    // The panels are fixed: no menu to hide them.
    return nullptr;
}

bool TMainForm::event(QEvent* e) {
    // The hint of the control under the mouse (or an empty one when the mouse leaves it).
    if (e->type() == QEvent::StatusTip) {
        ShowHint(static_cast<QStatusTipEvent*>(e)->tip());
        return true;
    }
    return QMainWindow::event(e);
}

void TMainForm::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (!gestartet_) {
        gestartet_ = true;
        // Queued, so that the window is shown at its maximised size first.
        QTimer::singleShot(0, this, &TMainForm::FormActivate);
    }
}

void TMainForm::closeEvent(QCloseEvent* e) {
    // FormClose. Closing is not refused when the user declines saving or cancels the save
    // dialog; only a save that failed keeps the program open, so the net isn't lost.
    bool angeboten = false;
    Befehl([&] {
        ErstNetzSichern();
        angeboten = true;
    });
    if (!angeboten) {
        e->ignore();
        return;
    }
    aufgabenfensterSchliessen();
    hopfieldfensterSchliessen();
    e->accept();
}

// ---- operations -----------------------------------------------------------------------------

void TMainForm::NetzVorhandenSetzen(bool b) {
    NetzVorhanden = b;
    if (!b) {
        if (AufgabenfensterOffen) {
            AufgabenfensterOffen = false;
            aufgabenfensterSchliessen();
        }
        if (HopfieldfensterOffen) {
            HopfieldfensterOffen = false;
            hopfieldfensterSchliessen();
        }
    }
}

void TMainForm::ErstNetzSichern() {
    if (!AktuellesNetz.Gesichert) {
        if (dialoge().Frage("Sie haben ihr aktuelles Netz\nnoch nicht gesichert.\n"
                            "Wollen Sie es jetzt sichern?"))
            NetzSpeichern(); // a failed write throws and leaves Gesichert false
    }
    AktuellesNetz.Gesichert = true;
}

void TMainForm::Netzloeschen() {
    AktuellesNetz.Leeren();
    // Each window clears its own flag when it closes.
    if (HopfieldfensterOffen) hopfieldfensterSchliessen();
    if (AufgabenfensterOffen) aufgabenfensterSchliessen();
}

void TMainForm::ZeichnungAktualisieren() {
    if (NetzVorhanden && Netzfenster) Netzfenster->Aktualisieren();
}

void TMainForm::NetzSpeichern() {
    const auto pfad = dialoge().DateiSpeichern(SaveDialog1);
    if (!pfad) return;
    AktuellesNetz.Speichern(*pfad);
    Dateiname = *pfad;
}

void TMainForm::netzLadenUndDarstellen() {
    AktuellesNetz.Laden(Dateiname);
    AktuellesNetz.Gesichert = true;
    if (!NetzVorhanden || !Netzfenster) {
        netzfensterAnlegen();
        NetzVorhandenSetzen(true);
    }
    netzfensterPlatzieren();
    ZeichnungAktualisieren();
    titelSetzen();
    QCoreApplication::processEvents();
    BefehleAktualisieren();
}

// ---- EditorUmgebung -------------------------------------------------------------------------

Werkzeug TMainForm::AktivesWerkzeug() const {
    return werkzeug_;
}

bool TMainForm::RasterAn() const {
    return raster_;
}

void TMainForm::NetzGeaendert() {
    BefehleAktualisieren();
}

void TMainForm::NetzfensterSchliesst() {
    Netzloeschen();
    NetzVorhandenSetzen(false);
    BefehleAktualisieren();
}

// ---- helpers --------------------------------------------------------------------------------

void TMainForm::werkzeugWaehlen(Werkzeug w) {
    // A click on the button that is down puts it up: then no tool is chosen.
    werkzeug_ = werkzeug_ == w ? Werkzeug::Keins : w;
    BefehleAktualisieren();
}

void TMainForm::netzfensterAnlegen() {
    auto* fenster = new TNetzGrafform(*this);
    fenster->Netz = &AktuellesNetz;
    QMdiSubWindow* rahmen = mdiArea->addSubWindow(fenster);
    rahmen->setAttribute(Qt::WA_DeleteOnClose);
    Netzfenster = fenster;
    rahmen->move(0, 0);
    rahmen->show();
}

void TMainForm::netzfensterPlatzieren() {
    if (!Netzfenster) return;
    QWidget* rahmen = Netzfenster->parentWidget() ? Netzfenster->parentWidget() : Netzfenster;
    rahmen->setGeometry(0, 0, FensterBreite, FensterHoehe);
}

void TMainForm::titelSetzen() {
    if (Netzfenster) Netzfenster->TitelSetzen(Dateiname);
}

void TMainForm::aufgabenfensterSchliessen() {
    // The learning task window clears AufgabenfensterOffen when it closes.
    if (Aufgabenfenster) Aufgabenfenster->close();
}

void TMainForm::hopfieldfensterSchliessen() {
    // The Hopfield pattern window clears HopfieldfensterOffen when it closes.
    if (Hopfieldfenster) Hopfieldfenster->close();
}

TInfoForm& TMainForm::infoForm() {
    if (!InfoForm) InfoForm = new TInfoForm(this);
    return *InfoForm;
}

TNetztypwahlForm& TMainForm::netztypwahlForm() {
    if (!NetztypwahlForm) NetztypwahlForm = new TNetztypwahlForm(this);
    return *NetztypwahlForm;
}

// ---- command handlers -----------------------------------------------------------------------

void TMainForm::FormActivate() {
    befehl([&] {
        const QRect rahmen = frameGeometry();
        const Fenstermass mass = NetzfensterMass(rahmen.width(), rahmen.height());
        FensterBreite = mass.breite;
        FensterHoehe = mass.hoehe;
        NetzVorhandenSetzen(false);
        if (argumente_.size() == 1) {
            const std::string argument = argumente_.front().toStdString();
            if (IstNetzDatei(argument)) {
                Dateiname = argument;
                netzLadenUndDarstellen();
            } else
                dialoge().Hinweis("Die übergebene Datei ist keine gültige net-Datei!");
        }
    });
}

void TMainForm::ShowHint(const QString& hint) {
    HintPanel->setText(hint);
}

void TMainForm::NetzBtnClick() {
    befehl([&] {
        werkzeug_ = Werkzeug::Keins;
        if (NetzVorhanden && Netzfenster) {
            ErstNetzSichern();
            Netzloeschen();
            Dateiname.clear();
            titelSetzen(); // "Netz [Neu]"
        } else {
            AktuellesNetz.Gesichert = true;
            Dateiname.clear(); // the new net has no file, whatever the closed window showed
            NetzVorhandenSetzen(true);
            netzfensterAnlegen(); // keeps its first caption "Netz"
        }
        if (auto* rahmen = Netzfenster->parentWidget()) rahmen->resize(FensterBreite, FensterHoehe);
        ZeichnungAktualisieren();
    });
}

void TMainForm::LadenBtnClick() {
    befehl([&] {
        ErstNetzSichern();
        Netzloeschen();
        ZeichnungAktualisieren();
        werkzeug_ = Werkzeug::Keins;
        BefehleAktualisieren();
        QCoreApplication::processEvents();
        const auto pfad = dialoge().DateiOeffnen(OpenDialog1);
        if (pfad) {
            Dateiname = *pfad;
            netzLadenUndDarstellen();
        } else {
            NetzBtnClick(); // the old net is gone already: the user gets a new, empty one
        }
    });
}

void TMainForm::NetzSpeichernBtnClick() {
    befehl([&] {
        NetzSpeichern();
        if (NetzVorhanden) titelSetzen();
    });
}

void TMainForm::NetzLoeschenBtnClick() {
    befehl([&] {
        if (!NetzVorhanden) return;
        ErstNetzSichern();
        Netzloeschen();
        ZeichnungAktualisieren();
        Dateiname.clear();
        titelSetzen();
    });
}

void TMainForm::LetztesNeuronlschen1Click() {
    befehl([&] {
        AktuellesNetz.LoescheLetztesNeuron();
        ZeichnungAktualisieren();
    });
}

void TMainForm::AufgLadenBtnClick() {
    befehl([&] {
        const auto pfad = dialoge().DateiOeffnen(OpenDialog2);
        if (!pfad) return;
        TrainiereBtnClick(); // opens the task window laid out for the net, unless one is open
        if (Aufgabenfenster) Aufgabenfenster->Laden(*pfad);
    });
}

void TMainForm::AufgSpeichernBtnClick() {
    befehl([&] {
        if (!AufgabenfensterOffen) return; // saving needs the learning task window
        const auto pfad = dialoge().DateiSpeichern(SaveDialog2);
        if (!pfad || !Aufgabenfenster) return;
        if (Aufgabenfenster->TabelleGueltig())
            Aufgabenfenster->Sichern(*pfad);
        else
            dialoge().Hinweis(
                "Lernaufgabe konnte nicht gespeichert werden, da Aufgabentabelle fehlerhaft!");
    });
}

void TMainForm::Netztypfestlegen1Click() {
    befehl([&] {
        TNetztypwahlForm& wahl = netztypwahlForm();
        if (dialoge().ZeigeModal(wahl) != QDialog::Accepted) return;
        const std::uint8_t typen[] = {KeinTyp, Perzeptron, Hopfield}; // by the selected item
        const int i = wahl.ItemIndex();
        if (i < 0 || i > 2 || typen[i] == AktuellesNetz.Netztyp) return;
        AktuellesNetz.Netztyp = typen[i];
        // The net file holds the type: a changed type is a change that must not be lost without
        // the question to save.
        AktuellesNetz.Gesichert = false;
    });
}

void TMainForm::Pfeile1Click() {
    befehl([&] {
        AktuellesNetz.Darstellung ^= PfeileZeigen;
        ZeichnungAktualisieren();
    });
}

void TMainForm::Gewichte1Click() {
    befehl([&] {
        AktuellesNetz.Darstellung ^= GewichteZeigen;
        ZeichnungAktualisieren();
    });
}

void TMainForm::Raster1Click() {
    befehl([&] { raster_ = !raster_; });
}

void TMainForm::KopierenBtnClick() {
    befehl([&] { AktuellesNetz.KopiereInZwischenablage(); });
}

void TMainForm::EinNeuronBtnClick() {
    befehl([&] { TNeuronForm::Oeffnen(*mdiArea); });
}

void TMainForm::Inhalt1Click() {
    befehl([&] {
        const QString pfad = TutoriumPfad();
        if (pfad.isEmpty()) throw Fehler("Die Seite des Tutoriums wurde nicht gefunden.");
        if (!UrlOeffnen(QUrl::fromLocalFile(pfad)))
            throw Fehler("Das Tutorium konnte nicht im Browser geöffnet werden:\n" +
                         pfad.toStdString());
    });
}

void TMainForm::Info1Click() {
    befehl([&] { dialoge().ZeigeModal(infoForm()); });
}

void TMainForm::Beenden1Click() {
    close();
}

} // namespace nervalo
