#pragma once
// A scripted stand-in for the program's dialogs: tests queue the answers, the fake records every
// message box. Nothing ever blocks on a modal window.
#include <deque>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include <QDialog>

#include "dialoge.h"
#include "testhilfe.h"

namespace nervalo::test {

class TestDialoge : public Dialoge {
  public:
    TestDialoge() { vorher_ = setzeDialoge(this); }
    ~TestDialoge() override { setzeDialoge(vorher_); }

    void Fehler(const std::string& t) override { liste.push_back({'F', t}); }
    void Hinweis(const std::string& t) override { liste.push_back({'H', t}); }
    bool Frage(const std::string& t) override {
        liste.push_back({'W', t});
        return naechste(fragen, "Frage");
    }
    std::optional<std::string> DateiOeffnen(const DateiDialog& d) override {
        dateiDialoge.push_back(d);
        return naechste(dateien, "DateiOeffnen");
    }
    std::optional<std::string> DateiSpeichern(const DateiDialog& d) override {
        dateiDialoge.push_back(d);
        return naechste(dateien, "DateiSpeichern");
    }
    std::optional<Dateiwahl> DateiSpeichernMitFilter(const DateiDialog& d) override {
        dateiDialoge.push_back(d);
        return naechste(dateiwahlen, "DateiSpeichernMitFilter");
    }
    // The script may set the printer up (a PDF file instead of a real printer) and returns
    // whether the user chose to print.
    bool Drucken(QPrinter& drucker) override { return naechste(druckdialoge, "Drucken")(drucker); }
    std::string EingabeBox(const std::string& titel, const std::string& frage,
                           const std::string& vorgabe) override {
        return EingabeFrage(titel, frage, vorgabe).value_or(vorgabe);
    }
    std::optional<std::string> EingabeFrage(const std::string& titel, const std::string& frage,
                                            const std::string&) override {
        eingabeFragen.push_back(titel + "|" + frage);
        return naechste(eingaben, "Eingabe");
    }
    // The script gets the dialog, may change its controls, and returns its result.
    int ZeigeModal(QDialog& dialog) override {
        modalGezeigt.push_back(dialog.windowTitle().toStdString());
        return naechste(modal, "ZeigeModal")(dialog);
    }

    std::vector<Meldung> liste;
    std::deque<bool> fragen;                          // answers to yes/no warnings
    std::deque<std::optional<std::string>> dateien;   // chosen files, nullopt = cancel
    std::deque<std::optional<std::string>> eingaben;  // typed texts, nullopt = cancel
    std::deque<std::function<int(QDialog&)>> modal;   // scripts for modal dialogs
    std::deque<std::optional<Dateiwahl>> dateiwahlen; // chosen file and filter, nullopt = cancel
    std::deque<std::function<bool(QPrinter&)>> druckdialoge; // scripts for the print dialog
    std::vector<DateiDialog> dateiDialoge;
    std::vector<std::string> eingabeFragen;
    std::vector<std::string> modalGezeigt;

  private:
    template <class T> static T naechste(std::deque<T>& q, const char* was) {
        if (q.empty()) throw std::logic_error(std::string("kein Skript für ") + was);
        T t = std::move(q.front());
        q.pop_front();
        return t;
    }
    Dialoge* vorher_;
};

} // namespace nervalo::test
