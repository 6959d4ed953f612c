#include "kartenform.h"

#include <QAction>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "hinweisweitergabe.h"
#include "kartenbild.h"
#include "werkzeugfenster.h"

namespace nervalo {
namespace {

QString beschriftung(const TNetz& netz, int i) {
    const std::string& b = netz.Neuron(i).Bezeichnung;
    return QString::fromStdString(b.empty() ? "N" + std::to_string(i) : b);
}

} // namespace

TKartenForm::TKartenForm(QWidget* parent) : QWidget(parent, Werkzeugfenster) {
    setObjectName(QStringLiteral("KartenForm"));
    setWindowTitle(QStringLiteral("Entscheidungskarte"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(480, 440);

    AusgabeBox = new QComboBox(this);
    AusgabeBox->setObjectName(QStringLiteral("AusgabeBox"));
    AusgabeBox->setStatusTip(QStringLiteral("Das Output-Neuron, dessen Ausgabe die Karte zeigt"));
    HinweisLbl = new QLabel(this);
    HinweisLbl->setObjectName(QStringLiteral("HinweisLbl"));
    HinweisLbl->setWordWrap(true);
    HinweisLbl->setAlignment(Qt::AlignCenter);
    HinweisLbl->hide();
    Karte = new TKartenbild(this);
    Karte->setObjectName(QStringLiteral("Karte"));
    Karte->setContextMenuPolicy(Qt::ActionsContextMenu);
    Karte->setStatusTip(QStringLiteral("Mausrad: vergrößern und verkleinern"));
    AnsichtZuruecksetzen1 = new QAction(QStringLiteral("Ansicht zurücksetzen"), Karte);
    AnsichtZuruecksetzen1->setObjectName(QStringLiteral("AnsichtZuruecksetzen1"));
    Karte->addAction(AnsichtZuruecksetzen1);

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Output-Neuron:"), this));
    oben->addWidget(AusgabeBox);
    oben->addStretch();
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(HinweisLbl, 1);
    spalte->addWidget(Karte, 1);

    connect(AusgabeBox, &QComboBox::activated, this, [this] { berechnen(); });
    connect(Karte, &TKartenbild::Zoomen, this, [this](double x, double y, double faktor) {
        bereich_ = Gezoomt(bereich_, x, y, faktor);
        gezoomt_ = true;
        berechnen();
    });
    connect(AnsichtZuruecksetzen1, &QAction::triggered, this, [this] {
        gezoomt_ = false;
        berechnen();
    });
}

void TKartenForm::Zeigen(const TNetz& netz, const Lernzuordnung& zuordnung,
                         const Aufgabentabelle& tabelle) {
    netz_ = netz;
    zuordnung_ = zuordnung;
    tabelle_ = tabelle;
    neuronen_ = Kartenneuronen::AusNetz(*netz_);

    // The drop-down lists the output neurons; the chosen one stays chosen while it is one. It
    // is filled anew only when the list changes: during training the map is shown many times a
    // second, and a changed drop-down lays the window out anew.
    bool gleich = AusgabeBox->count() == static_cast<int>(neuronen_.ausgaben.size());
    for (int k = 0; gleich && k < AusgabeBox->count(); ++k) {
        const int i = neuronen_.ausgaben[static_cast<std::size_t>(k)];
        gleich = AusgabeBox->itemData(k).toInt() == i &&
                 AusgabeBox->itemText(k) == beschriftung(*netz_, i);
    }
    if (!gleich) {
        const std::optional<int> vorher = Ausgabe();
        AusgabeBox->clear();
        for (int i : neuronen_.ausgaben)
            AusgabeBox->addItem(beschriftung(*netz_, i), i);
        const int wahl = vorher ? AusgabeBox->findData(*vorher) : -1;
        AusgabeBox->setCurrentIndex(wahl >= 0 ? wahl : 0);
        AusgabeBox->setEnabled(AusgabeBox->count() > 1);
    }
    berechnen();
}

std::optional<int> TKartenForm::Ausgabe() const {
    if (AusgabeBox->currentIndex() < 0) return std::nullopt;
    return AusgabeBox->currentData().toInt();
}

void TKartenForm::hinweis(const char* text) {
    Werte.clear();
    HinweisLbl->setText(QString::fromUtf8(text));
    HinweisLbl->show();
    Karte->hide();
}

void TKartenForm::berechnen() {
    if (!netz_ || !neuronen_.Moeglich()) return hinweis(KarteBrauchtZweiEingaben);
    const std::optional<int> ausgabe = Ausgabe();
    if (!ausgabe) return hinweis("Das Netz hat kein Output-Neuron.");
    HinweisLbl->hide();
    Karte->show();

    const int ex = neuronen_.eingaben[0], ey = neuronen_.eingaben[1];
    const std::vector<Kartenpunkt> punkte = Kartenpunkte(zuordnung_, tabelle_, ex, ey, *ausgabe);
    if (!gezoomt_) bereich_ = BereichFuer(punkte);
    Werte = BerechneKarte(*netz_, ex, ey, *ausgabe, bereich_);
    const Kartenskala skala = SkalaFuer(netz_->Neuron(*ausgabe));

    // Image row 0 is the top of the map, the highest y.
    QImage bild(Kartenraster, Kartenraster, QImage::Format_RGB32);
    for (int j = 0; j < Kartenraster; ++j) {
        auto* zeile = reinterpret_cast<QRgb*>(bild.scanLine(Kartenraster - 1 - j));
        for (int i = 0; i < Kartenraster; ++i) {
            const Farbe f =
                Kartenfarbe(Werte[static_cast<std::size_t>(j) * Kartenraster + i], skala);
            zeile[i] = qRgb(f.r, f.g, f.b);
        }
    }
    Karte->Setzen(bild, bereich_, skala, punkte, beschriftung(*netz_, ex),
                  beschriftung(*netz_, ey));
}

bool TKartenForm::event(QEvent* e) {
    if (HinweisWeitergeben(*this, e)) return true;
    return QWidget::event(e);
}

} // namespace nervalo
