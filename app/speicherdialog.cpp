#include "speicherdialog.h"

#include <QDir>
#include <QFileInfo>

namespace nervalo {
namespace {

// The names (even places) and patterns (odd places) of a filter text.
QStringList teile(const std::string& filter) {
    return QString::fromStdString(filter).split(QLatin1Char('|'));
}

} // namespace

QString QtFilter(const std::string& filter) {
    QStringList namen;
    const QStringList t = teile(filter);
    for (qsizetype i = 0; i < t.size(); i += 2)
        namen << t[i];
    return namen.join(QStringLiteral(";;"));
}

SpeicherDialog::SpeicherDialog(QWidget* parent, const DateiDialog& d)
    : QFileDialog(parent, QString::fromStdString(d.titel), QString(), QtFilter(d.filter)),
      ordnerMussExistieren_(d.ordnerMussExistieren) {
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    if (!d.ueberschreibenFragen) setOption(QFileDialog::DontConfirmOverwrite);
    // The first filter has the dialog's default extension; each further one that of its pattern
    // ("*.svg" -> "svg").
    const QStringList t = teile(d.filter);
    for (qsizetype i = 0; i < t.size(); i += 2) {
        filter_ << t[i];
        const QString muster = i + 1 < t.size() ? t[i + 1] : QString();
        endungen_ << (i == 0 ? QString::fromStdString(d.endung)
                             : muster.section(QLatin1Char('.'), -1));
    }
    if (!endungen_.isEmpty() && !endungen_.first().isEmpty()) setDefaultSuffix(endungen_.first());
    if (filter_.size() > 1)
        connect(this, &QFileDialog::filterSelected, this,
                [this] { setDefaultSuffix(QString::fromStdString(Endung())); });
}

int SpeicherDialog::GewaehlterFilter() const {
    return static_cast<int>(std::max<qsizetype>(filter_.indexOf(selectedNameFilter()), 0));
}

std::string SpeicherDialog::Endung() const {
    const int i = GewaehlterFilter();
    return i < endungen_.size() ? endungen_[i].toStdString() : std::string();
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
