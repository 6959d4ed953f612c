#pragma once
// The look the program's own modal dialogs share.
#include <QApplication>
#include <QDialog>
#include <QFont>

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

} // namespace nervalo
