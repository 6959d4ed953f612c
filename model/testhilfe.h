#pragma once
// Test helpers for the model: a message recorder that the tests install.
#include <string>
#include <vector>

#include "meldungen.h"

namespace nervalo::test {

struct Meldung {
    char art; // 'F' error, 'H' plain notice, 'W' yes/no warning
    std::string text;
    bool operator==(const Meldung&) const = default;
};

// Records every message; answers questions from a script (default No).
class Rekorder : public Meldungen {
  public:
    Rekorder() { vorher_ = setzeMeldungen(this); }
    ~Rekorder() override { setzeMeldungen(vorher_); }
    void Fehler(const std::string& t) override { liste.push_back({'F', t}); }
    void Hinweis(const std::string& t) override { liste.push_back({'H', t}); }
    bool Frage(const std::string& t) override {
        liste.push_back({'W', t});
        return antwort;
    }
    std::vector<Meldung> liste;
    bool antwort = false;

  private:
    Meldungen* vorher_;
};

} // namespace nervalo::test
