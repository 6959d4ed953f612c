#include "speicherdialog.h"

#include <QDir>
#include <QFileInfo>

namespace nervalo {

QString QtFilter(const std::string& filter) {
    return QString::fromStdString(filter.substr(0, filter.find('|')));
}

SpeicherDialog::SpeicherDialog(QWidget* parent, const DateiDialog& d)
    : QFileDialog(parent, QString::fromStdString(d.titel), QString(), QtFilter(d.filter)),
      ordnerMussExistieren_(d.ordnerMussExistieren) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    if (!d.ueberschreibenFragen) setOption(QFileDialog::DontConfirmOverwrite);
    if (!d.endung.empty()) setDefaultSuffix(QString::fromStdString(d.endung));
}

std::string SpeicherDialog::OrdnerFehlt(const QString& pfad) const {
    if (!ordnerMussExistieren_ || pfad.isEmpty()) return {};
    const QString ordner = QFileInfo(pfad).absolutePath();
    if (QFileInfo(ordner).isDir()) return {};
    return "Der Ordner " + QDir::toNativeSeparators(ordner).toStdString() + " existiert nicht.";
}

void SpeicherDialog::accept() {
    const QStringList dateien = selectedFiles();
    if (!dateien.isEmpty()) {
        const std::string fehlt = OrdnerFehlt(dateien.first());
        if (!fehlt.empty()) {
            // The dialog stays open with the name, so the user can correct it.
            dialoge().Fehler(fehlt);
            return;
        }
    }
    QFileDialog::accept();
}

} // namespace nervalo
