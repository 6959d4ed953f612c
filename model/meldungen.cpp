#include "meldungen.h"

#include <cstdio>

namespace nervalo {
namespace {

class StandardMeldungen : public Meldungen {
  public:
    void Fehler(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    void Hinweis(const std::string& text) override { std::fprintf(stderr, "%s\n", text.c_str()); }
    bool Frage(const std::string& text) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return false;
    }
};

StandardMeldungen standard;
Meldungen* aktuell = &standard;

} // namespace

Meldungen& meldungen() {
    return *aktuell;
}

Meldungen* setzeMeldungen(Meldungen* m) {
    Meldungen* vorher = aktuell;
    aktuell = m ? m : &standard;
    return vorher == &standard ? nullptr : vorher;
}

} // namespace nervalo
