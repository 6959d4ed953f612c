// The net file: a flat little-endian image of the net. Byte 0 is Netztyp, bytes 1-4 the neuron
// count N (Int32), then the N x N connection matrix and the N x N weight matrix as Singles (row
// by row), then one record per neuron: X, Y (Int32), label length L (Byte), L label bytes
// (Windows-1252), Schichttyp (Byte), Parameter, Theta (Single), Aktionsfunktion,
// Outputfunktion (Byte), Xi, Sollwert (Single). No header, no padding.
#include <bit>
#include <cstdint>
#include <fstream>
#include <istream>
#include <limits>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "cp1252.h"
#include "ersetzedatei.h"
#include "fehler.h"
#include "meldungen.h"
#include "netz.h"

namespace nervalo {
namespace {

constexpr const char* Beschaedigt = "Datei beschädigt oder falsches Format";
constexpr const char* OhneNeuronen = "Netz ohne Neuronen!";
constexpr const char* Schreibfehler = "Stream-Schreibfehler";
// A label's length is stored in one byte.
constexpr std::size_t MaxBezeichnung = 255;

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "Singles in the net file are IEEE 754 binary32");

// --- Writing -------------------------------------------------------------------------------

// Little-endian, byte by byte, whatever the host's byte order.
void schreibeUInt32(std::string& aus, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        aus.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}
void schreibeByte(std::string& aus, std::uint8_t b) {
    aus.push_back(static_cast<char>(b));
}
// A kind as its byte, an unknown one included.
template <class Art> void schreibeArt(std::string& aus, Art art) {
    schreibeByte(aus, static_cast<std::uint8_t>(art));
}
void schreibeInt32(std::string& aus, std::int32_t v) {
    schreibeUInt32(aus, static_cast<std::uint32_t>(v));
}
void schreibeSingle(std::string& aus, float v) {
    schreibeUInt32(aus, std::bit_cast<std::uint32_t>(v));
}

std::string dateiinhalt(const TNetz& netz) {
    const int n = netz.Anzahl();
    std::string aus;
    schreibeArt(aus, netz.Netztyp);
    schreibeInt32(aus, n);
    for (const Matrix* m : {&netz.Verbindungsmatrix, &netz.Gewichtsmatrix})
        for (int a = 0; a < n; ++a)
            for (int b = 0; b < n; ++b)
                schreibeSingle(aus, (*m)[a][b]);
    for (int i = 0; i < n; ++i) {
        const TGrafikNeuron& neuron = netz.Neuron(i);
        // Cut after the conversion: one byte per character, at most 255 of them.
        std::string bezeichnung = NachCp1252(neuron.Bezeichnung);
        if (bezeichnung.size() > MaxBezeichnung) bezeichnung.resize(MaxBezeichnung);
        schreibeInt32(aus, neuron.X);
        schreibeInt32(aus, neuron.Y);
        schreibeByte(aus, static_cast<std::uint8_t>(bezeichnung.size()));
        aus += bezeichnung;
        schreibeArt(aus, neuron.Schichttyp);
        schreibeSingle(aus, neuron.Parameter);
        schreibeSingle(aus, neuron.Theta);
        schreibeArt(aus, neuron.Aktionsfunktion);
        schreibeArt(aus, neuron.Outputfunktion);
        schreibeSingle(aus, neuron.Xi);
        schreibeSingle(aus, neuron.Sollwert);
    }
    return aus;
}

// --- Reading -------------------------------------------------------------------------------

// Thrown when the file ends early, cannot be read or holds an impossible neuron count.
struct Beschaedigung {};

class Leser {
  public:
    explicit Leser(std::istream& ein) : ein_(ein) {}

    void lies(char* ziel, std::size_t n) {
        ein_.read(ziel, static_cast<std::streamsize>(n));
        if (ein_.gcount() != static_cast<std::streamsize>(n)) throw Beschaedigung{};
    }
    std::uint8_t byte() {
        char c;
        lies(&c, 1);
        return static_cast<std::uint8_t>(c);
    }
    std::uint32_t uint32() {
        unsigned char b[4];
        lies(reinterpret_cast<char*>(b), 4);
        return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
               std::uint32_t{b[3]} << 24;
    }
    std::int32_t int32() { return static_cast<std::int32_t>(uint32()); }
    // Every byte is taken as it is, also one that names no kind.
    template <class Art> Art art() { return static_cast<Art>(byte()); }
    // Every bit pattern is taken as it is, NaN and infinity included.
    float single() { return std::bit_cast<float>(uint32()); }

  private:
    std::istream& ein_;
};

} // namespace

void TNetz::SpeichernIn(std::ostream& aus) const {
    const std::string inhalt = dateiinhalt(*this);
    aus.write(inhalt.data(), static_cast<std::streamsize>(inhalt.size()));
    if (!aus) throw nervalo::Fehler(Schreibfehler);
}

void TNetz::Speichern(const std::string& dateiname) {
    ErsetzeDatei(dateiname, dateiinhalt(*this));
    Gesichert = true;
}

void TNetz::Laden(const std::string& dateiname) {
    std::ifstream datei(dateiname, std::ios::binary);
    LadenAus(datei); // a file that cannot be opened reads as empty, hence as damaged
}

void TNetz::LadenAus(std::istream& ein) {
    const int vorher = Anzahl();
    Protokoll = Lernprotokoll{};
    try {
        Leser leser(ein);
        Netztyp = leser.art<nervalo::Netztyp>();
        const std::int32_t n = leser.int32();
        if (n > 0) {
            // Only 61 rows and columns exist; refuse a larger net before touching the matrices.
            if (static_cast<std::int64_t>(vorher) + n > Slots) throw Beschaedigung{};
            for (Matrix* m : {&Verbindungsmatrix, &Gewichtsmatrix})
                for (int a = 0; a < n; ++a)
                    for (int b = 0; b < n; ++b)
                        (*m)[a][b] = leser.single();
            for (int i = 0; i < n; ++i) {
                auto neuron = std::make_unique<TGrafikNeuron>();
                neuron->X = leser.int32();
                neuron->Y = leser.int32();
                char bezeichnung[MaxBezeichnung];
                const std::uint8_t laenge = leser.byte();
                leser.lies(bezeichnung, laenge);
                neuron->Bezeichnung = VonCp1252(std::string(bezeichnung, laenge));
                neuron->Schichttyp = leser.art<Schichttyp>();
                neuron->Parameter = leser.single();
                neuron->Theta = leser.single();
                neuron->Aktionsfunktion = leser.art<Aktionsfunktion>();
                neuron->Outputfunktion = leser.art<Outputfunktion>();
                neuron->Xi = leser.single();
                neuron->Sollwert = leser.single();
                Hinzufuegen(std::move(neuron));
            }
        }
    } catch (...) {
        // What was read stays, but the net must stay consistent: no matrix entries beyond the
        // neurons that exist, and each connection's weight also in its target neuron.
        const int anzahl = Anzahl();
        for (int a = 0; a < Slots; ++a)
            for (int b = 0; b < Slots; ++b)
                if (a >= anzahl || b >= anzahl) {
                    Verbindungsmatrix[a][b] = 0.0f;
                    Gewichtsmatrix[a][b] = 0.0f;
                }
        for (int a = 0; a < anzahl; ++a)
            for (int b = 0; b < anzahl; ++b)
                if (Verbindungsmatrix[a][b] > 0.0f) Neuron(b).SetzeGewicht(a, Gewichtsmatrix[a][b]);
        meldungen().Fehler(Beschaedigt);
        return;
    }

    Gesichert = true;
    const int anzahl = Anzahl();
    for (int a = 0; a < anzahl; ++a)
        for (int b = 0; b < anzahl; ++b)
            if (Verbindungsmatrix[a][b] > 0.0f) SetzeGewicht(a, b, Gewichtsmatrix[a][b]);
    // A Hopfield net is drawn without weights and arrows.
    Darstellung = Netztyp == Netztyp::Hopfield ? 0 : GewichteZeigen | PfeileZeigen;
    if (anzahl == 0) meldungen().Hinweis(OhneNeuronen);
}

} // namespace nervalo
