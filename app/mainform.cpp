#include "mainform.h"

#include <algorithm>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusTipEvent>
#include <QTimer>
#include <QUrl>

#include "aufgabenform.h"
#include "bilder.h"
#include "entscheidungskarte.h"
#include "fehler.h"
#include "hopfieldform.h"
#include "infoform.h"
#include "netzgrafform.h"
#include "netztypform.h"
#include "netztypwahlform.h"
#include "neuronform.h"
#include "spezialnetze.h"

namespace nervalo {

const DateiDialog OpenDialog1{"Netz laden", "Netz (*.net)|*.net", "net", true, false};
const DateiDialog SaveDialog1{"Netz speichern", "Netz (*.net)|*.net", "net", false, true};
const DateiDialog OpenDialog2{"Lernaufgabe laden", "Lernaufgaben (*.lrn)|*.lrn", "", true, false};
const DateiDialog SaveDialog2{"Lernaufgaben speichern", "Lernaufgaben (*.lrn)|*.lrn", "lrn", false,
                              true};

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
    : QMainWindow(parent), bedienung_(*this),
      lernbeobachtung_({[this]() -> const TNetz& { return AktuellesNetz; },
                        [this] { return Zuordnung; }, [this] { return aufgabentabelle(); }},
                       nullptr),
      argumente_(std::move(argumente)) {
    // FormCreate.
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Nervalo"));
    setWindowIcon(QIcon(ProgrammSymbol(64)));
    resize(703, 506);

    mdiArea = new QMdiArea(this);
    mdiArea->setObjectName(QStringLiteral("mdiArea"));
    setCentralWidget(mdiArea);

    befehleVerbinden();
    connect(&tempo_, &Trainingstempo::Geaendert, this, [this] { BefehleAktualisieren(); });
    verlaufEinrichten();

    UrlOeffnen = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    Heute = [] { return QDate::currentDate(); };

    AktuellesNetz.Gesichert = true;
    AktuellesNetz.Darstellung = GewichteZeigen | PfeileZeigen;
    AktuellesNetz.Netztyp = Netztyp::KeinTyp;
    NetzVorhandenSetzen(false);
    AufgabenfensterOffen = false;
    HopfieldfensterOffen = false;
    Sigma = 1.0f;
    Dateiname.clear();
    Zuordnung = {};
    BefehleAktualisieren();
}

TMainForm::~TMainForm() {
    // The analysis window refers to Einstellungen, a member as well.
    delete Analysefenster;
    // The child windows refer to AktuellesNetz, a member that dies before QWidget deletes its
    // children: remove them first.
    for (QMdiSubWindow* fenster : mdiArea->subWindowList())
        delete fenster;
}

void TMainForm::befehleVerbinden() {
    using K = Kommando;
    const std::pair<Kommando, void (TMainForm::*)()> handler[] = {
        {K::NeuesNetz, &TMainForm::NetzBtnClick},
        {K::NetzOeffnen, &TMainForm::LadenBtnClick},
        {K::NetzSpeichern, &TMainForm::NetzSpeichernBtnClick},
        {K::Perzeptronaufgabe, &TMainForm::TrainiereBtnClick},
        {K::Hopfieldaufgabe, &TMainForm::HopfieldBtnClick},
        {K::PerzeptronKnopf, &TMainForm::TrainiereBtnClick},
        {K::HopfieldKnopf, &TMainForm::HopfieldBtnClick},
        {K::AufgabeOeffnen, &TMainForm::AufgLadenBtnClick},
        {K::AufgabeSpeichern, &TMainForm::AufgSpeichernBtnClick},
        {K::Beenden, &TMainForm::Beenden1Click},
        {K::Propagieren, &TMainForm::VorBtnClick},
        {K::Backpropagieren, &TMainForm::BackBtnClick},
        {K::LetztesNeuronLoeschen, &TMainForm::LetztesNeuronlschen1Click},
        {K::NetzLoeschen, &TMainForm::NetzLoeschenBtnClick},
        {K::NetztypFestlegen, &TMainForm::Netztypfestlegen1Click},
        {K::Zufallsgewichte, &TMainForm::ZufallBtnClick},
        {K::SigmaFestlegen, &TMainForm::SigmaBtnClick},
        {K::SpezielleNetze, &TMainForm::NetztypBtnClick},
        {K::Kopieren, &TMainForm::KopierenBtnClick},
        {K::BildSpeichern, &TMainForm::BildSpeichernClick},
        {K::Drucken, &TMainForm::DruckenClick},
        {K::Pfeile, &TMainForm::Pfeile1Click},
        {K::Gewichte, &TMainForm::Gewichte1Click},
        {K::Raster, &TMainForm::Raster1Click},
        {K::HopfieldAnalyse, &TMainForm::HopfieldAnalyse1Click},
        {K::TestNeuron, &TMainForm::EinNeuronBtnClick},
        {K::Tutorium, &TMainForm::Inhalt1Click},
        {K::Info, &TMainForm::Info1Click},
        {K::Lernkurve, &TMainForm::Lernkurve1Click},
        {K::Aenderungen, &TMainForm::Aenderungen1Click},
        {K::Rechenweg, &TMainForm::Rechenweg1Click},
        {K::Entscheidungskarte, &TMainForm::Entscheidungskarte1Click},
        {K::Rueckgaengig, &TMainForm::RueckgaengigClick},
        {K::Wiederholen, &TMainForm::WiederholenClick}};
    for (const auto& [k, h] : handler)
        bedienung_.Verbinden(k, [this, h = h] { (this->*h)(); });
    const std::pair<Kommando, Werkzeug> werkzeuge[] = {
        {K::NeuronWerkzeug, Werkzeug::Neuron},
        {K::BewegeWerkzeug, Werkzeug::Bewege},
        {K::PfeilWerkzeug, Werkzeug::Pfeil},
        {K::DoppelPfeilWerkzeug, Werkzeug::DoppelPfeil}};
    for (const auto& [k, w] : werkzeuge)
        bedienung_.Verbinden(k, [this, w = w] { werkzeugWaehlen(w); });
    const std::pair<Kommando, int> tempi[] = {{K::TempoHoechstes, 0}, {K::Tempo1, 1},
                                              {K::Tempo2, 2},         {K::Tempo5, 5},
                                              {K::Tempo10, 10},       {K::Tempo50, 50}};
    for (const auto& [k, t] : tempi)
        bedienung_.Verbinden(k, [this, t = t] { TempoClick(t); });
}

void TMainForm::BefehleAktualisieren() {
    bedienung_.Anwenden(BefehleAbleiten(
        {.netzfenster = NetzVorhanden,
         .neuronen = AktuellesNetz.Anzahl(),
         .eingaben = static_cast<int>(Kartenneuronen::AusNetz(AktuellesNetz).eingaben.size()),
         .netztyp = AktuellesNetz.Netztyp,
         .darstellung = AktuellesNetz.Darstellung,
         .aufgabenfenster = AufgabenfensterOffen,
         .raster = raster_,
         .werkzeug = werkzeug_,
         .tempo = tempo_.SchritteProSekunde(),
         .rueckgaengig = verlauf_.RueckgaengigName(),
         .wiederholen = verlauf_.WiederholenName(),
         .aufzeichnung = verlauf_.Laeuft(),
         .aenderungen = aenderungen_}));
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
    GemerkteMusterVergessen();
    lernbeobachtung_.Leeren(); // a new net learns anew
    // Each window clears its own flag when it closes.
    if (HopfieldfensterOffen) hopfieldfensterSchliessen();
    if (AufgabenfensterOffen) aufgabenfensterSchliessen();
}

void TMainForm::ZeichnungAktualisieren() {
    if (NetzVorhanden && Netzfenster) Netzfenster->Aktualisieren();
    lernbeobachtung_.Geaendert();
    RechenwegNachfuehren();
}

void TMainForm::NetzSpeichern() {
    const auto pfad = dialoge().DateiSpeichern(SaveDialog1);
    if (!pfad) return;
    AktuellesNetz.Speichern(*pfad);
    verlauf_.Gespeichert(AktuellesNetz);
    Dateiname = *pfad;
}

void TMainForm::netzLadenUndDarstellen() {
    // The history starts afresh with the opened net, also with the part of a damaged file that
    // was read.
    struct VerlaufNeu {
        TMainForm& f;
        ~VerlaufNeu() { f.verlaufNeu(); }
    } neu{*this};
    GemerkteMusterVergessen();
    lernbeobachtung_.Leeren();
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
    analyseNachfuehren();
}

void TMainForm::NetzfensterSchliesst() {
    Netzloeschen();
    verlaufNeu();
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

TNetztypForm& TMainForm::netztypForm() {
    if (!NetztypForm) NetztypForm = new TNetztypForm(this);
    return *NetztypForm;
}

void TMainForm::spezialnetzBauen() {
    const TNetztypForm& dialog = netztypForm();
    const int wert1 = dialog.Wert1(), wert2 = dialog.Wert2(), wert3 = dialog.Wert3();
    if (dialog.Netztyp() == 0) {
        BauePerzeptron(AktuellesNetz, wert1, wert2, wert3);
        Zuordnung = {wert1, wert2, wert3};
    } else {
        BaueHopfieldGitter(AktuellesNetz, wert1, wert2);
        Zuordnung.AnzahlInput = wert1;  // columns
        Zuordnung.AnzahlHidden = wert2; // rows; AnzahlOutput keeps its value
    }
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
    bedienung_.Hinweis(hint);
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
        verlaufNeu();
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
    befehl("Netz löschen", [&] {
        if (!NetzVorhanden) return;
        ErstNetzSichern();
        Netzloeschen();
        ZeichnungAktualisieren();
        Dateiname.clear();
        titelSetzen();
    });
}

void TMainForm::LetztesNeuronlschen1Click() {
    befehl("Letztes Neuron löschen", [&] {
        AktuellesNetz.LoescheLetztesNeuron();
        ZeichnungAktualisieren();
    });
}

void TMainForm::Netztypfestlegen1Click() {
    befehl("Netztyp festlegen", [&] {
        TNetztypwahlForm& wahl = netztypwahlForm();
        if (dialoge().ZeigeModal(wahl) != QDialog::Accepted) return;
        // By the selected item.
        const Netztyp typen[] = {Netztyp::KeinTyp, Netztyp::Perzeptron, Netztyp::Hopfield};
        const int i = wahl.ItemIndex();
        if (i < 0 || i > 2 || typen[i] == AktuellesNetz.Netztyp) return;
        AktuellesNetz.Netztyp = typen[i];
        // The net file holds the type: a changed type is a change that must not be lost without
        // the question to save.
        AktuellesNetz.Gesichert = false;
    });
}

void TMainForm::NetztypBtnClick() {
    befehl("Spezielle Netze", [&] {
        if (!NetzVorhanden || !Netzfenster) return; // the command needs the net window
        ErstNetzSichern(); // a save that fails throws here and keeps the net
        Netzloeschen();
        if (QWidget* rahmen = Netzfenster->parentWidget())
            rahmen->resize(FensterBreite, FensterHoehe);
        Dateiname.clear();
        titelSetzen();
        ZeichnungAktualisieren();

        // The old net is gone already: Cancel leaves the empty net.
        if (dialoge().ZeigeModal(netztypForm()) == QDialog::Accepted) spezialnetzBauen();
        ZeichnungAktualisieren();
    });
}

void TMainForm::Pfeile1Click() {
    befehl("Pfeile", [&] {
        AktuellesNetz.Darstellung ^= PfeileZeigen;
        ZeichnungAktualisieren();
    });
}

void TMainForm::Gewichte1Click() {
    befehl("Gewichte", [&] {
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
