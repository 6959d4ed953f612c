#include "rechenwegform.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "rechenzahl.h"
#include "uebung.h"
#include "werkzeugfenster.h"

namespace nervalo {
namespace {

enum Spalte { Groesse, Formel, Rechnung, Ergebnis, Hinweis, Spalten };

QString u8(const std::string& s) {
    return QString::fromStdString(s);
}

QTableWidgetItem* zelle(const QString& text) {
    auto* z = new QTableWidgetItem(text);
    z->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    z->setToolTip(text);
    return z;
}

} // namespace

TRechenwegForm::TRechenwegForm(QWidget* parent) : QWidget(parent, Werkzeugfenster) {
    setObjectName(QStringLiteral("RechenwegForm"));
    setWindowTitle(QStringLiteral("Rechenweg"));
    resize(1120, 500);

    NeuronBox = new QComboBox(this);
    NeuronBox->setObjectName(QStringLiteral("NeuronBox"));
    NeuronBox->setMinimumContentsLength(12);
    AlleStellenBox = new QCheckBox(QStringLiteral("Alle Stellen"), this);
    AlleStellenBox->setObjectName(QStringLiteral("AlleStellenBox"));
    UebenBox = new QCheckBox(QStringLiteral("Üben"), this);
    UebenBox->setObjectName(QStringLiteral("UebenBox"));

    Tabelle = new QTableWidget(0, Spalten, this);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    Tabelle->setHorizontalHeaderLabels({QStringLiteral("Größe"), QStringLiteral("Formel"),
                                        QStringLiteral("Rechnung"), QStringLiteral("Ergebnis"),
                                        QStringLiteral("Hinweis")});
    Tabelle->verticalHeader()->hide();
    // Rows that wrap grow; the others keep room for a typed value.
    Tabelle->verticalHeader()->setMinimumSectionSize(
        Tabelle->verticalHeader()->defaultSectionSize());
    // Long formulas and hints wrap within their cells.
    Tabelle->setWordWrap(true);
    Tabelle->horizontalHeader()->setStretchLastSection(true);

    PruefenBtn = new QPushButton(QStringLiteral("Prüfen"), this);
    PruefenBtn->setObjectName(QStringLiteral("PruefenBtn"));
    LoesungBtn = new QPushButton(QStringLiteral("Lösung zeigen"), this);
    LoesungBtn->setObjectName(QStringLiteral("LoesungBtn"));
    ArbeitsblattBtn = new QPushButton(QStringLiteral("Als Arbeitsblatt speichern..."), this);
    ArbeitsblattBtn->setObjectName(QStringLiteral("ArbeitsblattBtn"));
    ErgebnisLbl = new QLabel(this);
    ErgebnisLbl->setObjectName(QStringLiteral("ErgebnisLbl"));

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Neuron:"), this));
    oben->addWidget(NeuronBox);
    oben->addSpacing(16);
    oben->addWidget(AlleStellenBox);
    oben->addWidget(UebenBox);
    oben->addStretch();
    auto* unten = new QHBoxLayout;
    unten->addWidget(PruefenBtn);
    unten->addWidget(LoesungBtn);
    unten->addWidget(ErgebnisLbl, 1);
    unten->addWidget(ArbeitsblattBtn);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(oben);
    layout->addWidget(Tabelle, 1);
    layout->addLayout(unten);

    connect(NeuronBox, &QComboBox::activated, this, [this](int i) { emit NeuronGewaehlt(i); });
    connect(AlleStellenBox, &QCheckBox::toggled, this, [this] { aufbauen(); });
    connect(UebenBox, &QCheckBox::toggled, this, [this] {
        // Every exercise starts with empty fields and the values hidden.
        loesung_ = false;
        for (auto& [k, feld] : felder_)
            feld->clear();
        aufbauen();
    });
    connect(PruefenBtn, &QPushButton::clicked, this, &TRechenwegForm::Pruefen);
    connect(LoesungBtn, &QPushButton::clicked, this, &TRechenwegForm::LoesungZeigen);
    connect(ArbeitsblattBtn, &QPushButton::clicked, this, [this] { emit ArbeitsblattVerlangt(); });
    aufbauen();
}

void TRechenwegForm::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    emit Geschlossen();
}

QLineEdit* TRechenwegForm::Feld(Frage frage, int quelle) const {
    const auto it = felder_.find({frage, quelle});
    return it == felder_.end() ? nullptr : it->second;
}

void TRechenwegForm::Zeigen(const TNetz& netz, int neuron) {
    const bool anderes = &netz != netz_ || neuron != neuron_;
    netz_ = &netz;
    neuron_ = neuron >= 0 && neuron < netz.Anzahl() ? neuron : -1;
    neuronenlisteSetzen();
    if (anderes) loesung_ = false;
    aufbauen();
}

void TRechenwegForm::neuronenlisteSetzen() {
    std::vector<std::string> namen;
    for (int i = 0; netz_ && i < netz_->Anzahl(); ++i)
        namen.push_back(Neuronname(*netz_, i));
    if (namen != namen_) {
        NeuronBox->clear();
        for (const std::string& n : namen)
            NeuronBox->addItem(u8(n));
        namen_ = std::move(namen);
    }
    NeuronBox->setCurrentIndex(neuron_);
}

void TRechenwegForm::aufbauen() {
    const bool uebung = UebenBox->isChecked();
    std::vector<Rechenabschnitt> abschnitte;
    if (netz_ && neuron_ >= 0) {
        weg_ = BerechneRechenweg(*netz_, neuron_);
        abschnitte = Rechenzeilen(*netz_, weg_, AlleStellenBox->isChecked(), uebung && !loesung_);
    }
    // Unchanged rows keep the table as it is, with the marks of the last check.
    std::string signatur = std::to_string(neuron_) + (uebung ? "u" : "") + (loesung_ ? "l" : "") +
                           (AlleStellenBox->isChecked() ? "a" : "");
    for (const Rechenabschnitt& a : abschnitte) {
        signatur += "\n" + a.titel;
        for (const Rechenzeile& z : a.zeilen)
            signatur += "\n" + z.groesse + '\t' + z.formel + '\t' + z.rechnung + '\t' +
                        (z.wert ? RechenZahl(*z.wert, true) : "");
    }
    if (signatur == signatur_ && Tabelle->rowCount() > 0) return;
    signatur_ = std::move(signatur);

    PruefenBtn->setVisible(uebung);
    LoesungBtn->setVisible(uebung);
    Tabelle->setColumnHidden(Hinweis, !uebung);
    ArbeitsblattBtn->setEnabled(netz_ && netz_->Anzahl() > 0);
    if (!abschnitte.empty()) ErgebnisLbl->clear();

    // What the pupil typed stays while the same neuron is shown.
    std::map<Schluessel, QString> getippt;
    if (felderNeuron_ == neuron_)
        for (const auto& [k, feld] : felder_)
            getippt[k] = feld->text();
    felder_.clear();
    felderNeuron_ = neuron_;
    Tabelle->clearSpans();
    Tabelle->setRowCount(0);
    if (abschnitte.empty()) {
        Tabelle->setRowCount(1);
        Tabelle->setSpan(0, 0, 1, Spalten);
        Tabelle->setItem(0, 0,
                         zelle(netz_ && netz_->Anzahl() > 0
                                   ? QStringLiteral("Bitte ein Neuron im Netz anklicken oder "
                                                    "oben wählen.")
                                   : QStringLiteral("Das Netz hat keine Neuronen.")));
        abschnitte_.clear();
        return;
    }
    const bool alle = AlleStellenBox->isChecked();
    for (const Rechenabschnitt& a : abschnitte) {
        const int titel = Tabelle->rowCount();
        Tabelle->insertRow(titel);
        Tabelle->setSpan(titel, 0, 1, Spalten);
        QTableWidgetItem* t = zelle(u8(a.titel));
        QFont fett = t->font();
        fett.setBold(true);
        t->setFont(fett);
        Tabelle->setItem(titel, 0, t);
        for (const Rechenzeile& z : a.zeilen) {
            const int r = Tabelle->rowCount();
            Tabelle->insertRow(r);
            Tabelle->setItem(r, Groesse, zelle(u8(z.groesse)));
            Tabelle->setItem(r, Formel, zelle(u8(z.formel)));
            Tabelle->setItem(r, Rechnung, zelle(u8(z.rechnung)));
            const QString wert = z.wert ? u8(RechenZahl(*z.wert, alle)) : QString();
            if (uebung && z.frage != Frage::Keine) {
                auto* feld = new QLineEdit(Tabelle);
                feld->setObjectName(
                    QStringLiteral("Feld%1_%2").arg(static_cast<int>(z.frage)).arg(z.quelle));
                feld->setText(getippt[{z.frage, z.quelle}]);
                connect(feld, &QLineEdit::returnPressed, this, &TRechenwegForm::Pruefen);
                Tabelle->setCellWidget(r, Ergebnis, feld);
                felder_[{z.frage, z.quelle}] = feld;
                if (loesung_) Tabelle->setItem(r, Hinweis, zelle("Lösung: " + wert));
            } else {
                Tabelle->setItem(r, Ergebnis, zelle(wert.isEmpty() ? wert : "= " + wert));
            }
        }
    }
    abschnitte_ = std::move(abschnitte);
    Tabelle->resizeColumnsToContents();
    // Long formulas would push the results out of sight.
    for (int s : {Formel, Rechnung})
        if (Tabelle->columnWidth(s) > 300) Tabelle->setColumnWidth(s, 300);
    if (Tabelle->columnWidth(Ergebnis) < 110) Tabelle->setColumnWidth(Ergebnis, 110);
    Tabelle->resizeRowsToContents();
}

void TRechenwegForm::Pruefen() {
    if (!netz_ || neuron_ < 0 || !UebenBox->isChecked()) return;
    std::vector<Antwort> antworten;
    std::vector<std::pair<int, QLineEdit*>> zeilen;
    for (int r = 0; r < Tabelle->rowCount(); ++r)
        if (auto* feld = qobject_cast<QLineEdit*>(Tabelle->cellWidget(r, Ergebnis)))
            for (const auto& [k, f] : felder_)
                if (f == feld) {
                    antworten.push_back({k.first, k.second, feld->text().toStdString()});
                    zeilen.push_back({r, feld});
                }
    const std::vector<Pruefung> ergebnis = Pruefe(*netz_, weg_, antworten);
    int richtig = 0;
    for (std::size_t i = 0; i < ergebnis.size(); ++i) {
        const auto [r, feld] = zeilen[i];
        const Pruefung& p = ergebnis[i];
        QString text = u8(p.hinweis);
        QString farbe;
        switch (p.bewertung) {
        case Bewertung::Richtig:
            ++richtig;
            text = QStringLiteral("richtig");
            farbe = QStringLiteral("#c8f0c8");
            break;
        case Bewertung::Leer:
            if (text.isEmpty()) text = QStringLiteral("noch leer");
            break;
        case Bewertung::KeineZahl:
        case Bewertung::ZuWenigStellen:
        case Bewertung::Falsch:
            farbe = QStringLiteral("#f5c0c0");
            break;
        }
        feld->setStyleSheet(farbe.isEmpty() ? QString()
                                            : QStringLiteral("background: %1").arg(farbe));
        if (!loesung_) Tabelle->setItem(r, Hinweis, zelle(text));
    }
    Tabelle->resizeRowsToContents();
    ErgebnisLbl->setText(QStringLiteral("%1 von %2 richtig").arg(richtig).arg(ergebnis.size()));
}

void TRechenwegForm::LoesungZeigen() {
    if (!UebenBox->isChecked()) return;
    loesung_ = true;
    aufbauen();
}

} // namespace nervalo
