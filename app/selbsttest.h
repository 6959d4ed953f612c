#pragma once
// The check of an installation, `nervalo --selbsttest datei.net`, run without a screen (on the
// offscreen platform): the net opens without a message, its window has the file's caption, Qt's
// buttons speak German from the program's own translation, and the tutorial lies beside the
// program. Whatever fails is reported in German.
#include <string>
#include <vector>

#include <QString>
#include <QStringList>

#include "dialoge.h"

namespace nervalo {

class TMainForm;

// Stands in for the dialogs during the check: a message box would wait for a click that never
// comes, so every message, question and dialog is recorded (and answered with No or Cancel).
class SelbsttestDialoge : public Dialoge {
  public:
    SelbsttestDialoge();
    ~SelbsttestDialoge() override;

    void Fehler(const std::string& text) override;
    void Hinweis(const std::string& text) override;
    bool Frage(const std::string& text) override;
    std::optional<std::string> DateiOeffnen(const DateiDialog& d) override;
    std::optional<std::string> DateiSpeichern(const DateiDialog& d) override;
    std::optional<Dateiwahl> DateiSpeichernMitFilter(const DateiDialog& d) override;
    bool Drucken(QPrinter& drucker) override;
    std::string EingabeBox(const std::string& titel, const std::string& frage,
                           const std::string& vorgabe) override;
    std::optional<std::string> EingabeFrage(const std::string& titel, const std::string& frage,
                                            const std::string& vorgabe) override;
    int ZeigeModal(QDialog& dialog) override;

    std::vector<std::string> gezeigt; // every box and dialog, in order

  private:
    Dialoge* vorher_;
};

// Runs the checks once the main window has handled its arguments. argumente: what the main
// window got; uebersetzung: the file Qt's texts were loaded from. Returns the reason of every
// failed check; empty when all passed.
QStringList Selbsttest(const TMainForm& hauptfenster, const QStringList& argumente,
                       const QString& uebersetzung, const SelbsttestDialoge& dialoge);

} // namespace nervalo
