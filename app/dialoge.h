#pragma once
// Every modal window of the program goes through this interface: message boxes, the one-line
// input box, the file dialogs and the program's own modal dialogs. The desktop program installs
// the Qt implementation; tests install a scripted fake, so no test ever blocks on a modal window.
#include <optional>
#include <string>

#include "meldungen.h"

class QDialog;
class QPrinter;

namespace nervalo {

struct DateiDialog {
    std::string titel;                 // "Netz laden"
    std::string filter;                // "Netz (*.net)|*.net", several as "A (*.a)|*.a|B (*.b)|*.b"
    std::string endung;                // default extension without dot, may be empty
    bool mussExistieren = false;       // open: the file must exist
    bool ueberschreibenFragen = false; // save: confirm overwriting
    bool ordnerMussExistieren = true;  // save: a name in a missing folder is refused
};

class Dialoge : public Meldungen {
  public:
    // Open and save dialogs; nullopt when cancelled. The path has the default extension added
    // when the user typed none.
    virtual std::optional<std::string> DateiOeffnen(const DateiDialog& d) = 0;
    virtual std::optional<std::string> DateiSpeichern(const DateiDialog& d) = 0;
    // A save dialog with several filters: the path and the number of the chosen filter (from 0);
    // the default extension is the chosen filter's. nullopt when cancelled.
    struct Dateiwahl {
        std::string pfad;
        int filter = 0;
    };
    virtual std::optional<Dateiwahl> DateiSpeichernMitFilter(const DateiDialog& d) = 0;
    // The print dialog for drucker; true when the user chose to print.
    virtual bool Drucken(QPrinter& drucker) = 0;
    // One-line input box: returns the typed text on OK and the preset text on Cancel.
    virtual std::string EingabeBox(const std::string& titel, const std::string& frage,
                                   const std::string& vorgabe) = 0;
    // One-line input query: nullopt on Cancel.
    virtual std::optional<std::string> EingabeFrage(const std::string& titel,
                                                    const std::string& frage,
                                                    const std::string& vorgabe) = 0;
    // Shows one of the program's modal dialogs; returns QDialog::Accepted or Rejected.
    virtual int ZeigeModal(QDialog& dialog) = 0;
};

// The installed dialogs (also installed as the model's Meldungen).
Dialoge& dialoge();
// Installs d (nullptr restores the Qt implementation) and returns the previous one.
Dialoge* setzeDialoge(Dialoge* d);

} // namespace nervalo
