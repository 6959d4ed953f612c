#include "hauptbedienung.h"

#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "bilder.h"
#include "tastenkuerzel.h"
#include "tempostufen.h"

namespace nervalo {
namespace {

using K = Kommando;

QString u8(const char* text) {
    return QString::fromUtf8(text);
}

// A panel that Qt shows as a fixed tool bar: not movable, not floating, no margins.
QToolBar* panel(QMainWindow& fenster, const char* name, Qt::ToolBarArea ort) {
    auto* leiste = new QToolBar(&fenster);
    leiste->setObjectName(QString::fromLatin1(name));
    leiste->setMovable(false);
    leiste->setFloatable(false);
    leiste->setContextMenuPolicy(Qt::PreventContextMenu);
    leiste->setContentsMargins(0, 0, 0, 0);
    leiste->layout()->setContentsMargins(0, 0, 0, 0);
    leiste->layout()->setSpacing(0);
    leiste->setStyleSheet(QStringLiteral("QToolBar { border: 0px; padding: 0px; spacing: 0px; }"));
    fenster.addToolBar(ort, leiste);
    return leiste;
}

// The widget of a panel that holds its buttons at fixed places.
QWidget* flaeche(QToolBar* panel) {
    auto* f = new QWidget(panel);
    panel->addWidget(f);
    return f;
}

// A flat tool button with a picture; its hint shows as tool tip and in the status panel.
QToolButton* symbolKnopf(QWidget* eltern, const char* name, Bild bild, const char* hinweis,
                         QRect ort) {
    auto* k = new QToolButton(eltern);
    k->setObjectName(QString::fromLatin1(name));
    k->setAutoRaise(true);
    k->setGeometry(ort);
    const int bildseite = ort.width() - 9;
    k->setIconSize(QSize(bildseite, bildseite));
    k->setIcon(Symbol(bild, bildseite));
    k->setToolTip(u8(hinweis));
    k->setStatusTip(u8(hinweis));
    k->setFocusPolicy(Qt::NoFocus);
    return k;
}

QMenu* menue(QMenuBar* leiste, const char* name, const char* text) {
    QMenu* m = leiste->addMenu(u8(text));
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

} // namespace

Hauptbedienung::Hauptbedienung(QMainWindow& fenster) {
    menueAnlegen(fenster);
    hauptpanelAnlegen(fenster);
    werkzeugpanelAnlegen(fenster);
    hintpanelAnlegen(fenster);
    kuerzelSetzen();
}

void Hauptbedienung::menueAnlegen(QMainWindow& fenster) {
    QMenuBar* leiste = fenster.menuBar();
    leiste->setObjectName(QStringLiteral("MainMenu1"));
    const auto eintrag = [this](QMenu* m, K k, const char* name, const char* text) {
        QAction* a = m->addAction(u8(text));
        a->setObjectName(QString::fromLatin1(name));
        teile_.push_back({k, a});
        return a;
    };

    QMenu* datei = menue(leiste, "Datei1", "Datei");
    eintrag(datei, K::NeuesNetz, "NeuesNetz1", "Neues Netz");
    eintrag(datei, K::NetzOeffnen, "Netzffnen1", "Netz öffnen");
    eintrag(datei, K::NetzSpeichern, "Netzspeichernunter1", "Netz speichern unter ...");
    datei->addSeparator();
    auto* neu = new QMenu(u8("Neue Lernaufgabe"), datei);
    neu->setObjectName(QStringLiteral("NeueLernaufgabe1"));
    datei->addMenu(neu);
    teile_.push_back({K::NeueLernaufgabe, neu->menuAction()});
    eintrag(neu, K::Perzeptronaufgabe, "N3schichtigesPerzeptron1", "3-schichtiges Perzeptron");
    eintrag(neu, K::Hopfieldaufgabe, "HopfieldNetz", "Hopfield-Netz");
    eintrag(datei, K::AufgabeOeffnen, "Lernaufgabeffnen1", "Lernaufgabe öffnen");
    eintrag(datei, K::AufgabeSpeichern, "Lernaufgabespeichernunter1",
            "Lernaufgabe speichern unter...");
    // The net's picture as a file and on paper: before "Beenden", which stays last.
    datei->addSeparator();
    eintrag(datei, K::BildSpeichern, "Bildspeichernunter1", "Bild speichern unter...");
    eintrag(datei, K::Drucken, "Drucken1", "Drucken...");
    datei->addSeparator();
    eintrag(datei, K::Beenden, "Beenden1", "Beenden");

    QMenu* bearbeiten = menue(leiste, "Bearbeiten1", "Bearbeiten");
    teile_.push_back({K::Bearbeiten, bearbeiten->menuAction()});
    eintrag(bearbeiten, K::Propagieren, "Netzpropagieren1", "Netz propagieren");
    eintrag(bearbeiten, K::Backpropagieren, "Netzbackpropagieren1", "Netz backpropagieren");
    bearbeiten->addSeparator();
    eintrag(bearbeiten, K::LetztesNeuronLoeschen, "LetztesNeuronlschen1", "Letztes Neuron löschen");
    eintrag(bearbeiten, K::NetzLoeschen, "Netzlschen1", "Netz löschen");
    eintrag(bearbeiten, K::NetztypFestlegen, "Netztypfestlegen1", "Netztyp festlegen");
    eintrag(bearbeiten, K::Zufallsgewichte, "Gewichtezuflligbelegen1", "Gewichte zufällig belegen");
    eintrag(bearbeiten, K::SigmaFestlegen, "Sigmafestlegen1", "Sigma festlegen");
    bearbeiten->addSeparator();
    eintrag(bearbeiten, K::SpezielleNetze, "SpezielleNetze1", "Spezielle Netze");
    bearbeiten->addSeparator();
    eintrag(bearbeiten, K::Kopieren, "Kopieren1", "Kopieren");
    bearbeiten->addSeparator();
    eintrag(bearbeiten, K::Rueckgaengig, "Rueckgaengig1", "Rückgängig");
    eintrag(bearbeiten, K::Wiederholen, "Wiederholen1", "Wiederholen");

    QMenu* anzeige = menue(leiste, "Anzeige1", "Anzeige");
    eintrag(anzeige, K::Pfeile, "Pfeile1", "Pfeile")->setCheckable(true);
    eintrag(anzeige, K::Gewichte, "Gewichte1", "Gewichte")->setCheckable(true);
    anzeige->addSeparator();
    eintrag(anzeige, K::Raster, "Raster1", "an Raster ausrichten")->setCheckable(true);
    anzeige->addSeparator();
    eintrag(anzeige, K::HopfieldAnalyse, "HopfieldAnalyse1", "Hopfield-Analyse");
    lernanzeigeAnlegen(anzeige);
    anzeige->addSeparator();
    eintrag(anzeige, K::Aenderungen, "Aenderungen1", "Änderungen")->setCheckable(true);
    eintrag(anzeige, K::Rechenweg, "Rechenweg1", "Rechenweg");

    QMenu* sonstiges = menue(leiste, "Sonstiges1", "Sonstiges");
    eintrag(sonstiges, K::TestNeuron, "Neuron1", "Neuron");

    QMenu* hilfe = menue(leiste, "Hilfe1", "Hilfe");
    eintrag(hilfe, K::Tutorium, "Inhalt1", "Tutorium");
    hilfe->addSeparator();
    eintrag(hilfe, K::Info, "Info1", "Info ...");
}

void Hauptbedienung::lernanzeigeAnlegen(QMenu* anzeige) {
    anzeige->addSeparator();
    QAction* kurve = anzeige->addAction(u8("Lernkurve"));
    kurve->setObjectName(QStringLiteral("Lernkurve1"));
    teile_.push_back({K::Lernkurve, kurve});
    QAction* karte = anzeige->addAction(u8("Entscheidungskarte"));
    karte->setObjectName(QStringLiteral("Entscheidungskarte1"));
    teile_.push_back({K::Entscheidungskarte, karte});
    // The reason why the map is unavailable shows as the item's tool tip.
    anzeige->setToolTipsVisible(true);

    auto* tempo = new QMenu(u8("Trainingstempo"), anzeige);
    tempo->setObjectName(QStringLiteral("Trainingstempo1"));
    anzeige->addMenu(tempo);
    auto* gruppe = new QActionGroup(tempo); // drawn as a choice of one
    const Kommando kommandos[] = {K::TempoHoechstes, K::Tempo1,  K::Tempo2,
                                  K::Tempo5,         K::Tempo10, K::Tempo50};
    for (int i = 0; i < 6; ++i) {
        QAction* a = tempo->addAction(QString::fromStdString(TempoText(Tempostufen[i])));
        a->setObjectName(QStringLiteral("Tempo%1").arg(Tempostufen[i]));
        a->setCheckable(true);
        a->setActionGroup(gruppe);
        teile_.push_back({kommandos[i], a});
    }
}

void Hauptbedienung::hauptpanelAnlegen(QMainWindow& fenster) {
    QWidget* f = flaeche(panel(fenster, "Hauptpanel", Qt::TopToolBarArea));
    f->setFixedHeight(53);
    f->setMinimumWidth(560);
    f->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    const auto knopf = [this, f](K k, const char* name, Bild bild, const char* hinweis, int links) {
        teile_.push_back({k, symbolKnopf(f, name, bild, hinweis, QRect(links, 8, 37, 37))});
    };
    knopf(K::NeuesNetz, "NetzBtn", Bild::NeuesNetz, "Neues Netz", 8);
    knopf(K::NetzOeffnen, "NetzLadenBtn", Bild::NetzOeffnen, "Netz öffnen", 44);
    knopf(K::NetzSpeichern, "NetzSpeichernBtn", Bild::NetzSpeichern, "Netz speichern unter...", 80);
    knopf(K::PerzeptronKnopf, "TrainiereBtn", Bild::NeueAufgabe, "Neue Lernaufgabe für Perzeptron",
          136);
    knopf(K::AufgabeOeffnen, "AufgLadenBtn", Bild::AufgabeOeffnen,
          "Lernaufgabe für Perzeptron öffnen", 172);
    knopf(K::AufgabeSpeichern, "AufgSpeichernBtn", Bild::AufgabeSpeichern,
          "Lernaufgabe für Perzeptron speichern unter...", 208);
    knopf(K::HopfieldKnopf, "HopfieldBtn", Bild::HopfieldMuster, "Muster für Hopfield-Netz", 264);
    knopf(K::TestNeuron, "EinNeuronBtn", Bild::TestNeuron, "Test-Neuron", 320);

    netztypLbl_ = new QLabel(f);
    netztypLbl_->setObjectName(QStringLiteral("NetztypLbl"));
    netztypLbl_->setGeometry(376, 18, 200, 17);
}

void Hauptbedienung::werkzeugpanelAnlegen(QMainWindow& fenster) {
    werkzeugPanel_ = panel(fenster, "WerkzeugPanel1", Qt::LeftToolBarArea);
    QWidget* f = flaeche(werkzeugPanel_);
    f->setFixedWidth(33);
    f->setMinimumHeight(353);
    f->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    const auto knopf = [this, f](K k, const char* name, Bild bild, const char* hinweis, int oben) {
        QToolButton* b = symbolKnopf(f, name, bild, hinweis, QRect(0, oben, 33, 33));
        teile_.push_back({k, b});
        return b;
    };
    // The four mode buttons: at most one is down, and all may be up.
    knopf(K::NeuronWerkzeug, "NeuronBtn", Bild::NeuronEinfuegen, "Neuron einfügen", 0)
        ->setCheckable(true);
    knopf(K::BewegeWerkzeug, "BewegeBtn", Bild::Bewegen,
          "Neuron mit gedrückter Maustaste verschieben oder mit rechter Maustaste editieren", 32)
        ->setCheckable(true);
    knopf(K::PfeilWerkzeug, "PfeilBtn", Bild::Pfeil,
          "Einfache Verbindung: Zwei Neuronen mit gedrückter linker Maustaste verbinden oder "
          "bestehende Verbindung löschen (Richtung beachten!)",
          64)
        ->setCheckable(true);
    knopf(K::DoppelPfeilWerkzeug, "DoppelPfeilBtn", Bild::DoppelPfeil,
          "Zweifache Verbindung: Zwei Neuronen mit gedrückter Maustaste verbinden oder "
          "bestehende Verbindung löschen",
          96)
        ->setCheckable(true);
    knopf(K::NetzLoeschen, "NetzLoeschenBtn", Bild::NetzLoeschen, "Netz löschen", 128);
    knopf(K::SpezielleNetze, "NetztypBtn", Bild::SpezielleNetze, "Speziellen Netztyp wählen", 160);
    knopf(K::Propagieren, "VorBtn", Bild::Propagieren, "Netz propagieren", 192);
    knopf(K::Backpropagieren, "BackBtn", Bild::Backpropagieren, "Backpropagation", 224);
    knopf(K::SigmaFestlegen, "SigmaBtn", Bild::Sigma, "Lernrate Sigma einstellen", 256);
    knopf(K::Zufallsgewichte, "ZufallBtn", Bild::Zufall, "Gewichte zufällig festlegen", 288);
    knopf(K::Kopieren, "KopierenBtn", Bild::Kopieren, "Netz als Grafik in Zwischenablage kopieren",
          320);
}

void Hauptbedienung::hintpanelAnlegen(QMainWindow& fenster) {
    QToolBar* leiste = panel(fenster, "Statusleiste", Qt::BottomToolBarArea);
    hintPanel_ = new QLabel(leiste);
    hintPanel_->setObjectName(QStringLiteral("HintPanel"));
    hintPanel_->setFixedHeight(25);
    hintPanel_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    hintPanel_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    hintPanel_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    hintPanel_->setIndent(4);
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                         QStringLiteral("DejaVu Sans")});
    schrift.setPixelSize(13);
    hintPanel_->setFont(schrift);
    QPalette farben = hintPanel_->palette();
    farben.setColor(QPalette::WindowText, Qt::black);
    hintPanel_->setPalette(farben);
    leiste->addWidget(hintPanel_);
}

// The shortcut goes to the command's menu item; a tool button shows it in its tool tip only, so
// that the status panel keeps the button's hint as it was.
void Hauptbedienung::kuerzelSetzen() {
    for (const auto& [kommando, taste] : Kuerzeltabelle) {
        const QKeySequence folge(taste);
        for (const auto& [k, teil] : teile_) {
            if (k != kommando) continue;
            if (auto* a = qobject_cast<QAction*>(teil))
                a->setShortcut(folge);
            else if (auto* b = qobject_cast<QAbstractButton*>(teil))
                b->setToolTip(b->statusTip() + QStringLiteral(" (") +
                              folge.toString(QKeySequence::NativeText) + QLatin1Char(')'));
        }
    }
}

void Hauptbedienung::Verbinden(Kommando k, const std::function<void()>& ausloesen) {
    for (const auto& [kommando, teil] : teile_) {
        if (kommando != k) continue;
        if (auto* a = qobject_cast<QAction*>(teil))
            QObject::connect(a, &QAction::triggered, a, ausloesen);
        else if (auto* b = qobject_cast<QAbstractButton*>(teil))
            QObject::connect(b, &QAbstractButton::clicked, b, ausloesen);
    }
}

void Hauptbedienung::Anwenden(const Befehlsstaende& staende) {
    for (const auto& [k, teil] : teile_) {
        const Befehlsstand& stand = staende[k];
        if (auto* a = qobject_cast<QAction*>(teil)) {
            a->setEnabled(stand.aktiv);
            if (a->isCheckable()) a->setChecked(stand.haken);
            if (stand.hinweis) {
                a->setStatusTip(u8(stand.hinweis));
                a->setToolTip(u8(stand.hinweis));
            }
            // The undo items name the step they take.
            if (k == K::Rueckgaengig) a->setText(QString::fromStdString(staende.rueckgaengig));
            if (k == K::Wiederholen) a->setText(QString::fromStdString(staende.wiederholen));
        } else if (auto* b = qobject_cast<QAbstractButton*>(teil)) {
            b->setEnabled(stand.aktiv);
            if (b->isCheckable()) b->setChecked(stand.haken);
        }
    }
    werkzeugPanel_->setVisible(staende.werkzeugleiste);
    netztypLbl_->setText(u8(staende.netztyp));
}

void Hauptbedienung::Hinweis(const QString& text) {
    hintPanel_->setText(text);
}

} // namespace nervalo
