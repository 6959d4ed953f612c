#include "netztypwahlform.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace nervalo {

TNetztypwahlForm::TNetztypwahlForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("NetztypwahlForm"));
    setWindowTitle(QStringLiteral("Netztyp"));
    setFixedSize(299, 256);

    Netztypgroup = new QGroupBox(QStringLiteral("Netztyp zuordnen"), this);
    Netztypgroup->setObjectName(QStringLiteral("Netztypgroup"));
    Netztypgroup->setGeometry(56, 40, 177, 113);
    gruppe_ = new QButtonGroup(this);
    const char* const texte[3] = {"Unbekannt (Standard)", "Perzeptron-Typ", "Hopfield-Typ"};
    for (int i = 0; i < 3; ++i) {
        Eintraege[i] = new QRadioButton(QString::fromUtf8(texte[i]), Netztypgroup);
        Eintraege[i]->setGeometry(10, 24 + i * 28, 160, 24);
        gruppe_->addButton(Eintraege[i], i);
    }
    Eintraege[0]->setChecked(true);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setGeometry(112, 168, 65, 33);
    QFont fett = OKBtn->font();
    fett.setBold(true);
    OKBtn->setFont(fett);
    OKBtn->setDefault(true);
    // There is no cancel button: the close box rejects the dialog.
    connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
}

int TNetztypwahlForm::ItemIndex() const {
    return gruppe_->checkedId();
}

void TNetztypwahlForm::SetzeItemIndex(int i) {
    if (i >= 0 && i < 3) Eintraege[i]->setChecked(true);
}

} // namespace nervalo
