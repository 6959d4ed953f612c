#include "infoform.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "bilder.h"
#include "dialogstil.h"

#ifndef NERVALO_VERSION
#define NERVALO_VERSION "0.0.0"
#endif

namespace nervalo {
namespace {

QFont schrift(bool fett) {
    QFont f;
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans"),
                   QStringLiteral("Sans Serif")});
    f.setPixelSize(11);
    f.setBold(fett);
    return f;
}

QLabel* beschriftung(QWidget* eltern, const char* name, const QString& text, int x, int y,
                     bool fett = true) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    l->setFont(schrift(fett));
    l->move(x, y);
    l->adjustSize();
    return l;
}

} // namespace

QString VersionsText() {
    return QStringLiteral("Version ") + QStringLiteral(NERVALO_VERSION);
}

TInfoForm::TInfoForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("InfoForm"));
    setWindowTitle(QStringLiteral("Infos"));
    setFixedSize(298, 213);
    setFont(schrift(true));

    // Lowered outer and raised inner bevel.
    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(8, 8, 281, 161);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    auto* innen = new QFrame(Panel1);
    innen->setGeometry(1, 1, 279, 159);
    innen->setFrameStyle(QFrame::Panel | QFrame::Raised);

    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
    ProgramIcon->setGeometry(24, 16, 33, 33);
    ProgramIcon->setScaledContents(true);
    ProgramIcon->setPixmap(ProgrammSymbol(66));

    ProductName = beschriftung(Panel1, "ProductName", QStringLiteral("Nervalo Studio"), 88, 16);
    Version = beschriftung(Panel1, "Version", VersionsText(), 88, 40);
    Label1 = beschriftung(Panel1, "Label1", QStringLiteral("Nervalo"), 23, 56, false);
    Zweck = beschriftung(Panel1, "Zweck",
                         QString::fromUtf8("Lernsimulator für kleine neuronale Netze"), 8, 96);
    Lizenz = beschriftung(Panel1, "Lizenz",
                          QString::fromUtf8("Freie Software unter der MIT-Lizenz. "
                                            "Copyright © 2026 Nervalo-Entwickler"),
                          9, 120);
    Lizenz->setWordWrap(true);
    Lizenz->setGeometry(9, 120, 264, 32);

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName(QStringLiteral("OKButton"));
    OKButton->setGeometry(111, 178, 77, 27);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TInfoForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    Zentriere(*this);
}

} // namespace nervalo
