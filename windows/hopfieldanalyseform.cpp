#include "hopfieldanalyseform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QShowEvent>
#include <QTableWidget>
#include <QVBoxLayout>
#include <array>

#include "energiekurve.h"
#include "musterstreifen.h"
#include "ueberlappbalken.h"
#include "werkzeugfenster.h"
#include "zahltext.h"

namespace nervalo {
namespace {

struct Takt {
    const char* text;
    std::int64_t ms;
};
constexpr std::array<Takt, 3> Takte{{{"0,2 s", 200}, {"0,5 s", 500}, {"2 s", 2000}}};

QString u8(const std::string& text) {
    return QString::fromStdString(text);
}

QString komma(double x) {
    return u8(KommaText(x, 2));
}

QString artText(const Einordnung& e) {
    switch (e.art) {
    case Zustandsart::Muster:
        return QStringLiteral("Muster %1").arg(e.muster + 1);
    case Zustandsart::Inverses:
        return QStringLiteral("Inverses von Muster %1").arg(e.muster + 1);
    case Zustandsart::Scheinzustand:
        return QStringLiteral("Scheinzustand (weder ein gemerktes Muster noch dessen Inverses)");
    case Zustandsart::OhneVergleich:
        break;
    }
    return QStringLiteral("kein gemerktes Muster zum Vergleich");
}

// "1 Durchgang", "3 Durchgängen": the count after "nach".
QString durchgaenge(int k) {
    return k == 1 ? QStringLiteral("1 Durchgang") : QStringLiteral("%1 Durchgängen").arg(k);
}

QTableWidgetItem* zelle(const QString& text, Qt::Alignment ausrichtung = Qt::AlignRight) {
    auto* z = new QTableWidgetItem(text);
    z->setTextAlignment(ausrichtung | Qt::AlignVCenter);
    z->setFlags(Qt::ItemIsEnabled);
    return z;
}

} // namespace

THopfieldAnalyseForm::THopfieldAnalyseForm(Analyseeinstellungen& einstellungen, QWidget* parent)
    : QWidget(parent, Werkzeugfenster), einstellungen_(einstellungen) {
    setObjectName(QStringLiteral("HopfieldAnalyseForm"));
    setWindowTitle(QStringLiteral("Hopfield-Analyse"));
    setAttribute(Qt::WA_DeleteOnClose);

    AnhaltenBox = new QCheckBox(QStringLiteral("Bei Stabilität anhalten"), this);
    AnhaltenBox->setObjectName(QStringLiteral("AnhaltenBox"));
    AnhaltenBox->setToolTip(
        QStringLiteral("Die Rekonstruktion endet, sobald ein Durchgang keine Zelle mehr ändert."));
    AnhaltenBox->setChecked(einstellungen_.anhalten);
    TaktBox = new QComboBox(this);
    TaktBox->setObjectName(QStringLiteral("TaktBox"));
    TaktBox->setToolTip(QStringLiteral("Wartezeit zwischen zwei Durchgängen der Rekonstruktion, "
                                       "solange dieses Fenster offen ist"));
    for (const Takt& t : Takte) {
        TaktBox->addItem(QString::fromUtf8(t.text));
        if (t.ms == einstellungen_.takt) TaktBox->setCurrentIndex(TaktBox->count() - 1);
    }
    auto* taktLbl = new QLabel(QStringLiteral("Takt der Rekonstruktion:"), this);
    taktLbl->setBuddy(TaktBox);

    Streifen = new TMusterstreifen;
    Streifen->setObjectName(QStringLiteral("Streifen"));
    auto* streifenRahmen = new QScrollArea(this);
    streifenRahmen->setWidget(Streifen);
    streifenRahmen->setWidgetResizable(false);
    streifenRahmen->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    streifenRahmen->setFixedHeight(Streifen->sizeHint().height() + 24);
    streifenRahmen->setBackgroundRole(QPalette::Base);

    KapazitaetLbl = new QLabel(this);
    KapazitaetLbl->setObjectName(QStringLiteral("KapazitaetLbl"));
    KapazitaetLbl->setWordWrap(true);
    EnergieLbl = new QLabel(this);
    EnergieLbl->setObjectName(QStringLiteral("EnergieLbl"));
    QFont fett = EnergieLbl->font();
    fett.setBold(true);
    EnergieLbl->setFont(fett);
    EnergieLbl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    ZustandLbl = new QLabel(this);
    ZustandLbl->setObjectName(QStringLiteral("ZustandLbl"));
    ZustandLbl->setWordWrap(true);

    Tabelle = new QTableWidget(0, 6, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setHorizontalHeaderLabels(
        {QStringLiteral("Muster"), QStringLiteral("Abstand"), QStringLiteral("Überlapp\nm"),
         QStringLiteral("Abstand\nInverses"), QStringLiteral("Überlapp\nInverses"),
         QStringLiteral("Fixpunkt")});
    Tabelle->verticalHeader()->hide();
    Tabelle->setSelectionMode(QAbstractItemView::NoSelection);
    Tabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Tabelle->setFocusPolicy(Qt::NoFocus);
    Tabelle->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    Balken = new TUeberlappBalken(this);
    Balken->setObjectName(QStringLiteral("Balken"));
    Kurve = new TEnergiekurve(this);
    Kurve->setObjectName(QStringLiteral("Kurve"));

    auto* einstellungenZeile = new QHBoxLayout;
    einstellungenZeile->addWidget(AnhaltenBox);
    einstellungenZeile->addStretch();
    einstellungenZeile->addWidget(taktLbl);
    einstellungenZeile->addWidget(TaktBox);
    auto* vergleich = new QHBoxLayout;
    vergleich->addWidget(Tabelle, 3);
    vergleich->addWidget(Balken, 1);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(einstellungenZeile);
    spalte->addWidget(new QLabel(QStringLiteral("Gemerkte Muster (seit das Netz gebaut oder "
                                                "geöffnet wurde):"),
                                 this));
    spalte->addWidget(streifenRahmen);
    spalte->addWidget(KapazitaetLbl);
    spalte->addWidget(EnergieLbl);
    spalte->addWidget(ZustandLbl);
    spalte->addLayout(vergleich, 2);
    spalte->addWidget(Kurve, 1);

    connect(AnhaltenBox, &QCheckBox::toggled, this,
            [this](bool an) { einstellungen_.anhalten = an; });
    connect(TaktBox, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0 && i < static_cast<int>(Takte.size())) einstellungen_.takt = Takte[i].ms;
    });

    resize(600, 640);
}

void THopfieldAnalyseForm::Zeigen(const Analyseanzeige& anzeige) {
    const Analyse& a = anzeige.analyse;
    std::vector<TMusterstreifen::Eintrag> eintraege;
    for (std::size_t k = 0; k < anzeige.gemerkt.size(); ++k)
        eintraege.push_back(
            {anzeige.gemerkt[k], k < a.muster.size() ? a.muster[k].fixpunkt : std::nullopt});
    Streifen->Setzen(std::move(eintraege));

    const int n = a.neuronen;
    QStringList keine;
    for (std::size_t k = 0; k < a.muster.size(); ++k)
        if (a.muster[k].fixpunkt == false) keine << QString::number(k + 1);
    QString kapazitaet =
        QStringLiteral("Gemerkt: %1 Muster bei N = %2 Neuronen · kritisch über %3 (0,14 · N − 1) "
                       "· geschätzte Kapazität %4 (0,138 · N)")
            .arg(anzeige.gemerkt.size())
            .arg(n)
            .arg(komma(KritischeMusterzahl(n)), komma(GeschaetzteKapazitaet(n)));
    if (!keine.isEmpty())
        kapazitaet += QStringLiteral("\nKein Fixpunkt mehr: Muster %1").arg(keine.join(", "));
    KapazitaetLbl->setText(kapazitaet);

    if (!a.mitZustand) {
        EnergieLbl->setText(QStringLiteral("Energie: –"));
        ZustandLbl->setText(anzeige.ohneZustand);
    } else {
        EnergieLbl->setText(QStringLiteral("Energie: ") + u8(EnergieText(a.energie)));
        const Rekonstruktionsverlauf* v = anzeige.verlauf;
        QString zustand;
        if (v && anzeige.zustandAusVerlauf && v->StabilNach() > 0)
            zustand = QStringLiteral("Stabil nach ") + durchgaenge(v->StabilNach()) +
                      QStringLiteral(": ") + artText(a.einordnung);
        else if (v && anzeige.zustandAusVerlauf && v->Durchgaenge() > 0)
            zustand = QStringLiteral("Nach ") + durchgaenge(v->Durchgaenge()) +
                      QStringLiteral(" noch nicht stabil.");
        ZustandLbl->setText(zustand);
    }
    tabelleFuellen(anzeige);

    std::vector<double> ueberlappe;
    if (a.mitZustand)
        for (const Musterbefund& b : a.muster)
            ueberlappe.push_back(b.ueberlapp);
    Balken->Setzen(std::move(ueberlappe));
    Kurve->Setzen(anzeige.verlauf ? anzeige.verlauf->Energien() : std::vector<long double>{});
}

void THopfieldAnalyseForm::tabelleFuellen(const Analyseanzeige& anzeige) {
    const Analyse& a = anzeige.analyse;
    Tabelle->setRowCount(static_cast<int>(a.muster.size()));
    const QString strich = QStringLiteral("–");
    for (int k = 0; k < static_cast<int>(a.muster.size()); ++k) {
        const Musterbefund& b = a.muster[static_cast<std::size_t>(k)];
        Tabelle->setItem(k, 0, zelle(QString::number(k + 1), Qt::AlignHCenter));
        Tabelle->setItem(k, 1, zelle(a.mitZustand ? QString::number(b.abstand) : strich));
        Tabelle->setItem(k, 2, zelle(a.mitZustand ? komma(b.ueberlapp) : strich));
        Tabelle->setItem(k, 3, zelle(a.mitZustand ? QString::number(b.abstandInvers) : strich));
        Tabelle->setItem(k, 4, zelle(a.mitZustand ? komma(-b.ueberlapp) : strich));
        QTableWidgetItem* fix = zelle(!b.fixpunkt   ? strich
                                      : *b.fixpunkt ? QStringLiteral("ja")
                                                    : QStringLiteral("nein"),
                                      Qt::AlignHCenter);
        if (b.fixpunkt == false) fix->setForeground(QColor(200, 0, 0));
        Tabelle->setItem(k, 5, fix);
    }
}

void THopfieldAnalyseForm::showEvent(QShowEvent* e) {
    // The first time at the right edge of the screen, where it leaves the centred pattern
    // window free on a wide screen.
    if (!platziert_ && !e->spontaneous()) {
        platziert_ = true;
        QScreen* bildschirm = parentWidget() ? parentWidget()->screen() : screen();
        if (bildschirm) {
            const QRect frei = bildschirm->availableGeometry();
            QRect ort = frameGeometry();
            ort.moveTopRight(QPoint(frei.right() - 4, frei.top() + 60));
            move(ort.topLeft());
        }
    }
    QWidget::showEvent(e);
}

} // namespace nervalo
