#pragma once
// The look the program's own modal dialogs share.
#include <QApplication>
#include <QButtonGroup>
#include <QDialog>
#include <QFont>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QString>
#include <QStyle>

namespace nervalo {

// A dialog of fixed size with only a close box, in the small bold sans-serif font of the
// program's dialogs.
inline void FesterDialog(QDialog& d, const QString& titel, int breite, int hoehe) {
    d.setWindowTitle(titel);
    d.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                     Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    d.setFixedSize(breite, hoehe);
    QFont schrift = QApplication::font();
    schrift.setStyleHint(QFont::SansSerif);
    schrift.setPointSize(8);
    schrift.setBold(true);
    d.setFont(schrift);
}

// Moves the dialog to the middle of its screen.
inline void Zentriere(QDialog& d) {
    if (const QScreen* bildschirm = d.screen()) {
        QRect r = d.frameGeometry();
        r.moveCenter(bildschirm->availableGeometry().center());
        d.move(r.topLeft());
    }
}

// The dialog's "OK" button (the default, accepts) and its "Abbrechen" button (rejects).
inline QPushButton* OKKnopf(QDialog& d, int x, int y, int breite, int hoehe) {
    auto* knopf = new QPushButton(d.style()->standardIcon(QStyle::SP_DialogOkButton),
                                  QStringLiteral("OK"), &d);
    knopf->setGeometry(x, y, breite, hoehe);
    knopf->setDefault(true);
    QObject::connect(knopf, &QPushButton::clicked, &d, &QDialog::accept);
    return knopf;
}
inline QPushButton* AbbrechenKnopf(QDialog& d, int x, int y, int breite, int hoehe) {
    auto* knopf = new QPushButton(d.style()->standardIcon(QStyle::SP_DialogCancelButton),
                                  QStringLiteral("Abbrechen"), &d);
    knopf->setGeometry(x, y, breite, hoehe);
    QObject::connect(knopf, &QPushButton::clicked, &d, &QDialog::reject);
    return knopf;
}

// One radio button per text in the group box, the first at (x, y) with the given size, each
// next one `schritt` pixels lower; the button of texte[i] gets id i in `wahl`. The item texts
// are not bold: in bold they would not fit the program's narrow boxes.
template <std::size_t N>
void Auswahlknoepfe(QGroupBox* gruppe, QButtonGroup* wahl, const QString (&texte)[N],
                    QRadioButton* (&knoepfe)[N], int x, int y, int breite, int hoehe, int schritt) {
    QFont itemSchrift = gruppe->font();
    itemSchrift.setBold(false);
    for (std::size_t i = 0; i < N; ++i) {
        knoepfe[i] = new QRadioButton(texte[i], gruppe);
        knoepfe[i]->setFont(itemSchrift);
        knoepfe[i]->setGeometry(x, y + schritt * static_cast<int>(i), breite, hoehe);
        wahl->addButton(knoepfe[i], static_cast<int>(i));
    }
}

} // namespace nervalo
