// Fuzzer for reading net files: any byte string is loaded into an empty net from memory, then
// the net must be consistent, and a file that loaded without a message must save back to
// exactly the bytes that were read.
//
// Run: build/fuzz/model/netzdatei_fuzz -max_total_time=300 KORPUS
// If the first corpus folder given is missing or empty, it is created and filled with a few
// seed files (the two-neuron example, a larger varied net, a net without neurons).
#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <memory>
#include <sstream>
#include <streambuf>
#include <string>

#include "meldungen.h"
#include "netz.h"

using namespace nervalo;

namespace {

// Reads straight from the fuzzer's buffer without copying it.
class Speicherpuffer : public std::streambuf {
  public:
    Speicherpuffer(const std::uint8_t* daten, std::size_t groesse) {
        char* p = const_cast<char*>(reinterpret_cast<const char*>(daten));
        setg(p, p, p + groesse);
    }
};

// Counts messages instead of showing them.
class StilleMeldungen : public Meldungen {
  public:
    void Fehler(const std::string&) override { ++fehler; }
    void Hinweis(const std::string&) override { ++hinweise; }
    bool Frage(const std::string&) override { return false; }
    int fehler = 0;
    int hinweise = 0;
};

[[noreturn]] void verletzt(const char* was) {
    std::fprintf(stderr, "Invariante verletzt: %s\n", was);
    std::abort();
}

std::uint32_t bits(float f) {
    return std::bit_cast<std::uint32_t>(f);
}

bool gueltigesUtf8(const std::string& s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b0 = static_cast<unsigned char>(s[i]);
        int laenge;
        unsigned char min = 0x80, max = 0xBF;
        if (b0 < 0x80) {
            laenge = 1;
        } else if (b0 >= 0xC2 && b0 <= 0xDF) {
            laenge = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            laenge = 3;
            if (b0 == 0xE0) min = 0xA0;
            if (b0 == 0xED) max = 0x9F;
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            laenge = 4;
            if (b0 == 0xF0) min = 0x90;
            if (b0 == 0xF4) max = 0x8F;
        } else {
            return false;
        }
        if (s.size() - i < static_cast<std::size_t>(laenge)) return false;
        for (int k = 1; k < laenge; ++k) {
            const auto b = static_cast<unsigned char>(s[i + k]);
            if (b < min || b > max) return false;
            min = 0x80;
            max = 0xBF;
        }
        i += laenge;
    }
    return true;
}

void pruefe(const TNetz& netz) {
    const int n = netz.Anzahl();
    if (n < 0 || n > Slots) verletzt("Neuronenzahl");
    for (int a = 0; a < Slots; ++a)
        for (int b = 0; b < Slots; ++b) {
            if (a >= n || b >= n) {
                if (bits(netz.Verbindungsmatrix[a][b]) != 0 || bits(netz.Gewichtsmatrix[a][b]) != 0)
                    verletzt("Matrixeintrag ausserhalb der Neuronen");
                continue;
            }
            // The slot holds the connection's weight, and nothing for an unconnected pair.
            const float soll = netz.IstVerbunden(a, b) ? netz.Gewicht(a, b) : 0.0f;
            if (bits(netz.Neuron(b).Gewichte[a]) != bits(soll)) verletzt("Gewicht im Neuron");
        }
    for (int i = 0; i < n; ++i) {
        const TGrafikNeuron& neuron = netz.Neuron(i);
        if (!gueltigesUtf8(neuron.Bezeichnung)) verletzt("Bezeichnung kein UTF-8");
        for (int s = n; s < Slots; ++s)
            if (bits(neuron.Gewichte[s]) != 0) verletzt("Gewicht hinter den Neuronen");
    }
}

void neuron(TNetz& netz, int x, int y, const std::string& bezeichnung, Schichttyp schicht) {
    auto n = std::make_unique<TGrafikNeuron>();
    n->X = x;
    n->Y = y;
    n->Bezeichnung = bezeichnung;
    n->Schichttyp = schicht;
    netz.Hinzufuegen(std::move(n));
}

void schreibeKeim(const std::filesystem::path& ordner, const char* name, const TNetz& netz) {
    std::ofstream aus(ordner / name, std::ios::binary);
    netz.SpeichernIn(aus);
}

void legeKeimeAn(const std::filesystem::path& ordner) {
    namespace fs = std::filesystem;
    std::error_code fehler;
    if (!fs::exists(ordner, fehler)) fs::create_directories(ordner, fehler);
    if (!fs::is_directory(ordner, fehler) || !fs::is_empty(ordner, fehler)) return;

    TNetz beispiel; // the two-neuron example
    neuron(beispiel, 100, 100, "N0", Schichttyp::Inputschicht);
    neuron(beispiel, 200, 100, "N1", Schichttyp::Outputschicht);
    beispiel.Neuron(1).Sollwert = 1.0f;
    beispiel.Verbinde(0, 1);
    beispiel.SetzeGewicht(0, 1, 0.5f);
    schreibeKeim(ordner, "beispiel.net", beispiel);

    TNetz hopfield; // two-way and self connections, kinds, labels in Windows-1252
    hopfield.Netztyp = Netztyp::Hopfield;
    for (int i = 0; i < 5; ++i)
        neuron(hopfield, 30 * i, 40, i % 2 ? "Ä€" : "N" + std::to_string(i),
               static_cast<Schichttyp>(i % 3));
    for (int a = 0; a < 5; ++a)
        for (int b = a; b < 5; ++b) {
            hopfield.VerbindeBeide(a, b);
            hopfield.SetzeGewicht(a, b, 0.25f * (a - b));
        }
    hopfield.Neuron(4).Aktionsfunktion = Aktionsfunktion::sprung;
    hopfield.Neuron(3).Outputfunktion = Outputfunktion::binaer;
    schreibeKeim(ordner, "hopfield.net", hopfield);

    TNetz leer;
    schreibeKeim(ordner, "leer.net", leer);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    for (int i = 1; i < *argc; ++i)
        if ((*argv)[i][0] != '-') {
            legeKeimeAn((*argv)[i]);
            break;
        }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static StilleMeldungen stille;
    static const bool installiert = (setzeMeldungen(&stille), true);
    (void)installiert;
    stille.fehler = stille.hinweise = 0;

    auto netz = std::make_unique<TNetz>();
    Speicherpuffer puffer(daten, groesse);
    std::istream ein(&puffer);
    netz->LadenAus(ein);
    pruefe(*netz);

    if (stille.fehler > 0) {
        if (stille.fehler != 1 || stille.hinweise != 0) verletzt("Meldungen");
        return 0;
    }
    if (netz->Anzahl() == 0) {
        if (stille.hinweise != 1) verletzt("Hinweis fehlt");
        return 0;
    }
    if (stille.hinweise != 0) verletzt("Hinweis bei einem Netz mit Neuronen");
    // A file read completely comes back byte for byte (the rest of the input is ignored).
    std::ostringstream aus;
    netz->SpeichernIn(aus);
    const std::string neu = aus.str();
    if (neu.size() > groesse || std::memcmp(neu.data(), daten, neu.size()) != 0)
        verletzt("Speichern gibt andere Bytes");
    return 0;
}
