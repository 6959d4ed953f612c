#include "programmdaten.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace nervalo {

QStringList ProgrammDatenOrdner() {
    const QString programm = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(programm),
            QDir::cleanPath(programm + QStringLiteral("/../share/nervalo"))};
}

QString QtUebersetzungLaden(QTranslator& uebersetzer) {
    const QLocale deutsch(QLocale::German, QLocale::Germany);
    QStringList orte;
    for (const QString& ordner : ProgrammDatenOrdner())
        orte << ordner + QStringLiteral("/translations");
    orte << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& ort : orte)
        if (uebersetzer.load(deutsch, QStringLiteral("qtbase"), QStringLiteral("_"), ort))
            return uebersetzer.filePath();
    return {};
}

bool IstProgrammDatei(const QString& pfad) {
    if (pfad.isEmpty()) return false;
    const QString datei = QDir::cleanPath(QFileInfo(pfad).absoluteFilePath());
    for (const QString& ordner : ProgrammDatenOrdner())
        if (datei.startsWith(ordner + QLatin1Char('/'))) return true;
    return false;
}

} // namespace nervalo
