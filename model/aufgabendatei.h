#pragma once
// The task file (*.lrn): little-endian Int32 column count S, Int32 task count n, then S·n
// Singles column by column (the n values of column 1, then those of column 2, ...). No
// signature; a file longer than its counts say has the rest ignored.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace nervalo {

// Reads a task file value by value, so that a caller can show each value as it comes and keeps
// what it has shown when the file ends early. Nothing is allocated for the counts of the head:
// a damaged head costs no memory, only a "Stream-Lesefehler" at the first value that is missing.
class AufgabendateiLeser {
  public:
    // Opens the file and reads its head. Throws Fehler("Datei <name> kann nicht geöffnet
    // werden. <reason>"), Fehler("Stream-Lesefehler") when the head is incomplete, and
    // Fehler("Datei beschädigt oder falsches Format") for a negative count.
    explicit AufgabendateiLeser(const std::string& dateiname);
    ~AufgabendateiLeser();
    AufgabendateiLeser(const AufgabendateiLeser&) = delete;
    AufgabendateiLeser& operator=(const AufgabendateiLeser&) = delete;

    std::int32_t Spaltenzahl() const { return spaltenzahl_; }
    std::int32_t Anzahl() const { return anzahl_; }

    // The next value in file order, bit pattern unchanged (NaN and infinities included).
    // Throws Fehler("Stream-Lesefehler") when the file has no more.
    float Wert();
    // Passes over k values; throws Fehler("Stream-Lesefehler") when the file ends before
    // (having passed over what there was).
    void Ueberspringe(std::int64_t k);

  private:
    void lies(unsigned char* ziel, std::size_t n);

    std::FILE* datei_ = nullptr;
    std::int64_t groesse_ = -1; // bytes of a regular file, -1 when unknown (pipe, device)
    std::int32_t spaltenzahl_ = 0;
    std::int32_t anzahl_ = 0;
};

// The bytes of a task file; werte holds the S·n values column by column.
std::string Aufgabendateiinhalt(std::int32_t spaltenzahl, std::int32_t anzahl,
                                const std::vector<float>& werte);
// Writes the task file through a temporary file, so that a failed save leaves the previous file
// as it was. Throws Fehler("Datei \"<name>\" kann nicht erstellt werden. <reason>") or
// Fehler("Stream-Schreibfehler").
void SichereAufgabendatei(const std::string& dateiname, std::int32_t spaltenzahl,
                          std::int32_t anzahl, const std::vector<float>& werte);

} // namespace nervalo
