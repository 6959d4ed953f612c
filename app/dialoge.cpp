#include "dialoge.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QMessageBox>
#include <QPrintDialog>

#include "speicherdialog.h"

namespace nervalo {
namespace {

const QString Titel = QStringLiteral("Nervalo");

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string mitEndung(const QString& pfad, const std::string& endung) {
    if (pfad.isEmpty() || endung.empty()) return pfad.toStdString();
    const QString name = QFileInfo(pfad).fileName();
    if (name.contains('.')) return pfad.toStdString();
    return (pfad + '.' + q(endung)).toStdString();
}

class QtDialoge : public Dialoge {
  public:
    void Fehler(const std::string& text) override {
        QMessageBox::critical(QApplication::activeWindow(), Titel, q(text));
    }
    void Hinweis(const std::string& text) override {
        // A plain box: no icon, just the text and OK.
        QMessageBox box(QMessageBox::NoIcon, Titel, q(text), QMessageBox::Ok,
                        QApplication::activeWindow());
        box.exec();
    }
    bool Frage(const std::string& text) override {
        return QMessageBox::warning(QApplication::activeWindow(), Titel, q(text),
                                    QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    }
    std::optional<std::string> DateiOeffnen(const DateiDialog& d) override {
        QFileDialog dlg(QApplication::activeWindow(), q(d.titel), QString(), QtFilter(d.filter));
        dlg.setAcceptMode(QFileDialog::AcceptOpen);
        dlg.setFileMode(d.mussExistieren ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
        if (!d.endung.empty()) dlg.setDefaultSuffix(q(d.endung));
        if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return std::nullopt;
        return dlg.selectedFiles().first().toStdString();
    }
    std::optional<std::string> DateiSpeichern(const DateiDialog& d) override {
        const auto wahl = DateiSpeichernMitFilter(d);
        if (!wahl) return std::nullopt;
        return wahl->pfad;
    }
    std::optional<Dateiwahl> DateiSpeichernMitFilter(const DateiDialog& d) override {
        SpeicherDialog dlg(QApplication::activeWindow(), d);
        for (;;) {
            if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
                return std::nullopt;
            // Checked once more as the dialog returns, whichever dialog the desktop provides.
            const std::string fehlt = dlg.OrdnerFehlt(dlg.selectedFiles().first());
            if (fehlt.empty())
                return Dateiwahl{mitEndung(dlg.selectedFiles().first(), dlg.Endung()),
                                 dlg.GewaehlterFilter()};
            Fehler(fehlt);
        }
    }
    bool Drucken(QPrinter& drucker) override {
        QPrintDialog dlg(&drucker, QApplication::activeWindow());
        return dlg.exec() == QDialog::Accepted;
    }
    std::string EingabeBox(const std::string& titel, const std::string& frage,
                           const std::string& vorgabe) override {
        return EingabeFrage(titel, frage, vorgabe).value_or(vorgabe);
    }
    std::optional<std::string> EingabeFrage(const std::string& titel, const std::string& frage,
                                            const std::string& vorgabe) override {
        bool ok = false;
        const QString text = QInputDialog::getText(QApplication::activeWindow(), q(titel), q(frage),
                                                   QLineEdit::Normal, q(vorgabe), &ok);
        if (!ok) return std::nullopt;
        return text.toStdString();
    }
    int ZeigeModal(QDialog& dialog) override { return dialog.exec(); }
};

QtDialoge qtDialoge;
Dialoge* aktuell = &qtDialoge;

} // namespace

Dialoge& dialoge() {
    return *aktuell;
}

Dialoge* setzeDialoge(Dialoge* d) {
    Dialoge* vorher = aktuell;
    aktuell = d ? d : &qtDialoge;
    setzeMeldungen(aktuell);
    return vorher == &qtDialoge ? nullptr : vorher;
}

} // namespace nervalo
