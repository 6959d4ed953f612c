#pragma once
// Test helpers for the model: a message recorder that the tests install.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "meldungen.h"
#include "netz.h"

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

// Appends a neuron at (x, y) named like the editor names it (N0, N1, ...).
inline TGrafikNeuron& neuesNeuron(TNetz& netz, int x, int y,
                                  Schichttyp schichttyp = Schichttyp::Hiddenschicht) {
    auto n = std::make_unique<TGrafikNeuron>();
    n->X = x;
    n->Y = y;
    n->Schichttyp = schichttyp;
    n->Bezeichnung = "N" + std::to_string(netz.Anzahl());
    netz.Hinzufuegen(std::move(n));
    return netz.Neuron(netz.Anzahl() - 1);
}

// Bytes from hexadecimal pairs separated by spaces ("00 80 3F").
inline std::string ausHex(const char* hex) {
    std::istringstream ein(hex);
    std::string bytes;
    unsigned wert;
    while (ein >> std::hex >> wert)
        bytes.push_back(static_cast<char>(wert));
    return bytes;
}

// A file's bytes, written and read whole.
inline void schreibeDatei(const std::filesystem::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}
inline std::string liesDatei(const std::filesystem::path& p) {
    std::ifstream ein(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}
// The names in a folder, sorted (to see that a failed save left nothing behind).
inline std::vector<std::string> Dateinamen(const std::filesystem::path& ordner) {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(ordner))
        namen.push_back(e.path().filename().string());
    std::sort(namen.begin(), namen.end());
    return namen;
}

} // namespace nervalo::test
