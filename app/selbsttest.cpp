#include "selbsttest.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include "mainform.h"
#include "netzgrafform.h"
#include "programmdaten.h"

namespace nervalo {

SelbsttestDialoge::SelbsttestDialoge() : vorher_(setzeDialoge(this)) {}
SelbsttestDialoge::~SelbsttestDialoge() {
    setzeDialoge(vorher_);
}

void SelbsttestDialoge::Fehler(const std::string& text) {
    gezeigt.push_back("Fehlermeldung „" + text + "“");
}
void SelbsttestDialoge::Hinweis(const std::string& text) {
    gezeigt.push_back("Hinweis „" + text + "“");
}
bool SelbsttestDialoge::Frage(const std::string& text) {
    gezeigt.push_back("Frage „" + text + "“");
    return false;
}
std::optional<std::string> SelbsttestDialoge::DateiOeffnen(const DateiDialog& d) {
    gezeigt.push_back("Dateiauswahl „" + d.titel + "“");
    return std::nullopt;
}
std::optional<std::string> SelbsttestDialoge::DateiSpeichern(const DateiDialog& d) {
    return DateiOeffnen(d);
}
std::optional<Dialoge::Dateiwahl> SelbsttestDialoge::DateiSpeichernMitFilter(const DateiDialog& d) {
    DateiOeffnen(d);
    return std::nullopt;
}
bool SelbsttestDialoge::Drucken(QPrinter&) {
    gezeigt.push_back("Druckdialog");
    return false;
}
std::string SelbsttestDialoge::EingabeBox(const std::string& titel, const std::string& frage,
                                          const std::string& vorgabe) {
    return EingabeFrage(titel, frage, vorgabe).value_or(vorgabe);
}
std::optional<std::string> SelbsttestDialoge::EingabeFrage(const std::string& titel,
                                                           const std::string&, const std::string&) {
    gezeigt.push_back("Eingabe „" + titel + "“");
    return std::nullopt;
}
int SelbsttestDialoge::ZeigeModal(QDialog& dialog) {
    gezeigt.push_back("Dialog „" + dialog.windowTitle().toStdString() + "“");
    return QDialog::Rejected;
}

namespace {

QString inAnfuehrung(const QString& text) {
    return QStringLiteral("„") + text + QStringLiteral("“");
}

void netzPruefen(const TMainForm& f, const QStringList& argumente, QStringList& gruende) {
    if (argumente.size() != 1) {
        gruende << QStringLiteral("Der Selbsttest braucht genau eine Netzdatei, nicht %1 Angaben.")
                       .arg(argumente.size());
        return;
    }
    const QString erwartet = QStringLiteral("Netz [") + argumente.front() + QStringLiteral("]");
    if (!f.Netzfenster) {
        gruende << QStringLiteral("Das Netzfenster wurde nicht geöffnet.");
        return;
    }
    if (f.Netzfenster->windowTitle() != erwartet)
        gruende << QStringLiteral("Das Netzfenster heißt %1 statt %2.")
                       .arg(inAnfuehrung(f.Netzfenster->windowTitle()), inAnfuehrung(erwartet));
    if (f.AktuellesNetz.Anzahl() == 0)
        gruende << QStringLiteral("Das geöffnete Netz hat keine Neuronen.");
}

void uebersetzungPruefen(const QString& uebersetzung, QStringList& gruende) {
    if (uebersetzung.isEmpty())
        gruende << QStringLiteral("Die deutsche Übersetzung der Qt-Texte wurde nicht gefunden.");
    else if (!IstProgrammDatei(uebersetzung))
        gruende << QStringLiteral("Die deutsche Übersetzung der Qt-Texte liegt nicht beim "
                                  "Programm, sondern unter %1.")
                       .arg(uebersetzung);
    const QDialogButtonBox knoepfe(QDialogButtonBox::Cancel);
    const QString abbrechen = knoepfe.button(QDialogButtonBox::Cancel)->text().remove('&');
    if (abbrechen != QStringLiteral("Abbrechen"))
        gruende << QStringLiteral("Der Knopf „Abbrechen“ von Qt heißt %1.")
                       .arg(inAnfuehrung(abbrechen));
}

void tutoriumPruefen(QStringList& gruende) {
    const QString pfad = TutoriumPfad();
    if (pfad.isEmpty())
        gruende << QStringLiteral("Die Seite des Tutoriums wurde nicht gefunden.");
    else if (!IstProgrammDatei(pfad))
        gruende << QStringLiteral("Das Tutorium liegt nicht beim Programm, sondern unter %1.")
                       .arg(pfad);
}

} // namespace

QStringList Selbsttest(const TMainForm& hauptfenster, const QStringList& argumente,
                       const QString& uebersetzung, const SelbsttestDialoge& dialoge) {
    QStringList gruende;
    for (const std::string& g : dialoge.gezeigt)
        gruende << QStringLiteral("Unerwartet gezeigt: ") + QString::fromStdString(g);
    netzPruefen(hauptfenster, argumente, gruende);
    uebersetzungPruefen(uebersetzung, gruende);
    tutoriumPruefen(gruende);
    return gruende;
}

} // namespace nervalo
