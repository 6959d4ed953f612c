#include "lernkurvenform.h"

#include <QAction>
#include <QBuffer>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "hinweisweitergabe.h"
#include "lernkurvenbild.h"
#include "tempostufen.h"
#include "werkzeugfenster.h"
#include "zahltext.h"

namespace nervalo {

TLernkurvenForm::TLernkurvenForm(QWidget* parent) : QWidget(parent, Werkzeugfenster) {
    setObjectName(QStringLiteral("LernkurvenForm"));
    setWindowTitle(QStringLiteral("Lernkurve"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(560, 380);

    TempoBox = new QComboBox(this);
    TempoBox->setObjectName(QStringLiteral("TempoBox"));
    for (int stufe : Tempostufen)
        TempoBox->addItem(QString::fromStdString(TempoText(stufe)), stufe);
    TempoBox->setStatusTip(
        QStringLiteral("Wie viele Trainingsschritte pro Sekunde gezeigt werden"));
    GesamtfehlerEdit = new QLineEdit(this);
    GesamtfehlerEdit->setObjectName(QStringLiteral("GesamtfehlerEdit"));
    GesamtfehlerEdit->setReadOnly(true);
    GesamtfehlerEdit->setFixedWidth(90);
    QPalette grau = GesamtfehlerEdit->palette();
    grau.setColor(QPalette::Base, grau.color(QPalette::Button));
    GesamtfehlerEdit->setPalette(grau);

    Kurve = new TLernkurvenbild(this);
    Kurve->setObjectName(QStringLiteral("Kurve"));
    Kurve->setContextMenuPolicy(Qt::ActionsContextMenu);
    const auto aktion = [this](const char* name, const char* text) {
        auto* a = new QAction(QString::fromUtf8(text), Kurve);
        a->setObjectName(QLatin1String(name));
        Kurve->addAction(a);
        return a;
    };
    KurveLoeschen1 = aktion("KurveLoeschen1", "Kurve löschen");
    AlsBildSpeichern1 = aktion("AlsBildSpeichern1", "Als Bild speichern...");
    AlsTabelleSpeichern1 = aktion("AlsTabelleSpeichern1", "Als Tabelle speichern...");

    auto* oben = new QHBoxLayout;
    oben->addWidget(new QLabel(QStringLiteral("Tempo:"), this));
    oben->addWidget(TempoBox);
    oben->addStretch();
    oben->addWidget(new QLabel(QStringLiteral("Gesamtfehler:"), this));
    oben->addWidget(GesamtfehlerEdit);
    auto* spalte = new QVBoxLayout(this);
    spalte->addLayout(oben);
    spalte->addWidget(Kurve, 1);

    connect(TempoBox, &QComboBox::activated, this,
            [this](int i) { emit TempoGewaehlt(TempoBox->itemData(i).toInt()); });
    connect(KurveLoeschen1, &QAction::triggered, this, &TLernkurvenForm::LoeschenVerlangt);
    connect(AlsBildSpeichern1, &QAction::triggered, this, &TLernkurvenForm::BildSpeichernVerlangt);
    connect(AlsTabelleSpeichern1, &QAction::triggered, this,
            &TLernkurvenForm::TabelleSpeichernVerlangt);
}

void TLernkurvenForm::Zeigen(const Lernkurve& kurve, std::optional<double> gesamt,
                             const std::string& ohneGesamt) {
    Kurve->Setzen(kurve);
    // The same form as the task window's error, from the float the mean rounds to.
    GesamtfehlerEdit->setText(gesamt
                                  ? QString::fromStdString(FehlerText(static_cast<float>(*gesamt)))
                                  : QStringLiteral("–"));
    GesamtfehlerEdit->setToolTip(gesamt ? QString() : QString::fromStdString(ohneGesamt));
}

void TLernkurvenForm::TempoZeigen(int schritteProSekunde) {
    const int i = TempoBox->findData(schritteProSekunde);
    if (i >= 0) TempoBox->setCurrentIndex(i);
}

QByteArray TLernkurvenForm::BildAlsPng() const {
    QByteArray bytes;
    QBuffer puffer(&bytes);
    puffer.open(QIODevice::WriteOnly);
    Kurve->grab().toImage().save(&puffer, "PNG");
    return bytes;
}

bool TLernkurvenForm::event(QEvent* e) {
    if (HinweisWeitergeben(*this, e)) return true;
    return QWidget::event(e);
}

} // namespace nervalo
