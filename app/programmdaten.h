#pragma once
// The program's own data files (the tutorial, the German translation of Qt's texts), found
// relative to the program itself: beside it in the build folder, in ../share/nervalo when
// installed under any prefix or unpacked from the package into any folder.
#include <QString>
#include <QStringList>

class QTranslator;

namespace nervalo {

// The folders searched, in this order.
QStringList ProgrammDatenOrdner();

// Loads Qt's German texts into the translator: the program's own copy first, Qt's folder
// second. Returns the file it loaded, empty when there was none.
QString QtUebersetzungLaden(QTranslator& uebersetzer);

// True when the file lies in one of the program's data folders.
bool IstProgrammDatei(const QString& pfad);

} // namespace nervalo
