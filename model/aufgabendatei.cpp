#include "aufgabendatei.h"

#include <bit>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <stdexcept>

#include <sys/stat.h>
#include <sys/types.h>

#include "dateifehler.h"
#include "ersetzedatei.h"
#include "fehler.h"

namespace nervalo {
namespace {

constexpr const char* Lesefehler = "Stream-Lesefehler";
constexpr const char* Beschaedigt = "Datei beschädigt oder falsches Format";

static_assert(sizeof(float) == 4 && std::numeric_limits<float>::is_iec559,
              "Singles in the task file are IEEE 754 binary32");

std::uint32_t ausBytes(const unsigned char* b) {
    return std::uint32_t{b[0]} | std::uint32_t{b[1]} << 8 | std::uint32_t{b[2]} << 16 |
           std::uint32_t{b[3]} << 24;
}

void anhaengen(std::string& aus, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        aus.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
}

[[noreturn]] void wirfOeffnungsfehler(const std::string& dateiname, int nummer) {
    // A missing file in an existing folder is named as such; a missing folder as a path.
    std::string grund;
    std::error_code fehlercode;
    const std::filesystem::path ordner = std::filesystem::path(dateiname).parent_path();
    if (nummer == ENOENT &&
        std::filesystem::is_directory(ordner.empty() ? "." : ordner, fehlercode))
        grund = "Das System kann die angegebene Datei nicht finden.";
    else
        grund = Systemfehlertext(nummer);
    throw Fehler("Datei " + dateiname + " kann nicht geöffnet werden. " + grund);
}

} // namespace

AufgabendateiLeser::AufgabendateiLeser(const std::string& dateiname) {
    datei_ = std::fopen(dateiname.c_str(), "rb");
    if (!datei_) wirfOeffnungsfehler(dateiname, errno);
    struct stat st {};
    if (::fstat(::fileno(datei_), &st) == 0) {
        if (S_ISDIR(st.st_mode)) {
            std::fclose(datei_);
            wirfOeffnungsfehler(dateiname, EISDIR);
        }
        if (S_ISREG(st.st_mode)) groesse_ = st.st_size;
    }
    try {
        unsigned char kopf[8];
        lies(kopf, sizeof kopf);
        spaltenzahl_ = static_cast<std::int32_t>(ausBytes(kopf));
        anzahl_ = static_cast<std::int32_t>(ausBytes(kopf + 4));
        if (spaltenzahl_ < 0 || anzahl_ < 0) throw Fehler(Beschaedigt);
    } catch (...) {
        std::fclose(datei_);
        throw;
    }
}

AufgabendateiLeser::~AufgabendateiLeser() {
    std::fclose(datei_);
}

void AufgabendateiLeser::lies(unsigned char* ziel, std::size_t n) {
    if (std::fread(ziel, 1, n, datei_) != n) throw Fehler(Lesefehler);
}

float AufgabendateiLeser::Wert() {
    unsigned char b[4];
    lies(b, sizeof b);
    return std::bit_cast<float>(ausBytes(b));
}

void AufgabendateiLeser::Ueberspringe(std::int64_t k) {
    if (k <= 0) return;
    if (groesse_ >= 0) {
        const off_t hier = ::ftello(datei_);
        if (hier >= 0) {
            const std::int64_t uebrig = (groesse_ - hier) / 4;
            if (uebrig < k) {
                std::fseek(datei_, 0, SEEK_END);
                throw Fehler(Lesefehler);
            }
            if (::fseeko(datei_, static_cast<off_t>(hier + 4 * k), SEEK_SET) == 0) return;
        }
    }
    // Not seekable: read the values and drop them.
    unsigned char puffer[4096];
    while (k > 0) {
        const std::int64_t stueck = std::min<std::int64_t>(k, sizeof puffer / 4);
        lies(puffer, static_cast<std::size_t>(stueck) * 4);
        k -= stueck;
    }
}

std::string Aufgabendateiinhalt(std::int32_t spaltenzahl, std::int32_t anzahl,
                                const std::vector<float>& werte) {
    if (spaltenzahl < 0 || anzahl < 0 ||
        werte.size() !=
            static_cast<std::uint64_t>(spaltenzahl) * static_cast<std::uint64_t>(anzahl))
        throw std::invalid_argument("Aufgabendateiinhalt: Werte passen nicht zu den Zahlen");
    std::string aus;
    aus.reserve(8 + 4 * werte.size());
    anhaengen(aus, static_cast<std::uint32_t>(spaltenzahl));
    anhaengen(aus, static_cast<std::uint32_t>(anzahl));
    for (float v : werte)
        anhaengen(aus, std::bit_cast<std::uint32_t>(v));
    return aus;
}

void SichereAufgabendatei(const std::string& dateiname, std::int32_t spaltenzahl,
                          std::int32_t anzahl, const std::vector<float>& werte) {
    ErsetzeDatei(dateiname, Aufgabendateiinhalt(spaltenzahl, anzahl, werte));
}

} // namespace nervalo
