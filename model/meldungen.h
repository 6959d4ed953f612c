#pragma once
#include <string>

namespace nervalo {

// The three kinds of message box the program uses. The model reports through this interface;
// the desktop program installs one that shows real boxes, tests install a recorder.
class Meldungen {
  public:
    virtual ~Meldungen() = default;
    // Error box with one OK button (refused input, damaged file).
    virtual void Fehler(const std::string& text) = 0;
    // Plain box with one OK button (notices).
    virtual void Hinweis(const std::string& text) = 0;
    // Warning with Yes and No; true for Yes.
    virtual bool Frage(const std::string& text) = 0;
};

// The installed message interface; without one, messages go to standard error and questions
// are answered No.
Meldungen& meldungen();
// Installs m (nullptr restores the default) and returns the previous one.
Meldungen* setzeMeldungen(Meldungen* m);

} // namespace nervalo
