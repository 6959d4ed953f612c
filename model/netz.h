#pragma once
#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "lernprotokoll.h"
#include "neuron.h"
#include "neuronenliste.h"

namespace nervalo {

class Zeichenflaeche;

// The kind of a net, one byte in the net file; like the neuron's kinds it may hold any byte
// from a damaged file.
enum class Netztyp : std::uint8_t { Perzeptron = 0, Hopfield = 1, KeinTyp = 2 };
// Display flags (Darstellung).
inline constexpr std::uint8_t GewichteZeigen = 1;
inline constexpr std::uint8_t PfeileZeigen = 2;

// What the drawing shows beyond the net's own display flags. The default adds nothing: the
// picture is then the same, pixel for pixel, as without it.
struct Zusatzanzeige {
    // After a learning step: each weight's change beside the weight (green for +, red for -)
    // and each neuron's delta below it.
    bool aenderungen = false;
    int hervorgehoben = -1; // a neuron drawn with red text (Markiere), -1 none
};

// Most neurons the editor and the special-net construction add.
inline constexpr int MaxNeuronen = 60;

// The net: an ordered list of neurons (a neuron's number is its list index), the connection
// and weight matrices, the backpropagation deltas and a few flags.
// Invariant: every matrix entry whose row or column is not a neuron number is 0.
// A copy holds every field and owns copies of the neurons: changing it leaves the original
// untouched (the learning curve, the decision map and undo work on copies). Nothing here lists
// the fields for it, so a field added to the net is copied as well.
class TNetz {
  public:
    std::uint8_t Darstellung = GewichteZeigen | PfeileZeigen;
    Matrix Verbindungsmatrix{}; // 0 none, 1.0 one-way, 2.0 part of a two-way pair
    Matrix Gewichtsmatrix{};
    std::array<float, Slots> Delta{};
    bool Gesichert = true;
    nervalo::Netztyp Netztyp = nervalo::Netztyp::KeinTyp;
    // The last backpropagation step, in memory only (not in the net file).
    Lernprotokoll Protokoll;

    // The neuron list.
    int Anzahl() const { return neuronen_.Anzahl(); }
    TGrafikNeuron& Neuron(int i) { return neuronen_[i]; }
    const TGrafikNeuron& Neuron(int i) const { return neuronen_[i]; }
    void Hinzufuegen(std::unique_ptr<TGrafikNeuron> n) { neuronen_.Anhaengen(std::move(n)); }

    void Verbinde(int a, int b);
    void VerbindeBeide(int a, int b);
    void Trenne(int a, int b);
    bool IstVerbunden(int a, int b) const { return Verbindungsmatrix[a][b] > 0.0f; }
    float Gewicht(int a, int b) const { return Gewichtsmatrix[a][b]; }
    void SetzeGewicht(int a, int b, float w);
    void Zufallsgewichte(float g);
    // One pass over all neurons in list order: PropagiereNeuron for each.
    void Propagiere();
    // Neuron i computes its output and passes it at once to every neuron it is connected to.
    void PropagiereNeuron(int i);
    void Leeren();
    void LoescheLetztesNeuron();

    // Backpropagation.
    void BerechneDelta(int i);
    void Backpropagiere(float sigma);
    float Fehler() const;
    // The change the recorded step made to the weight a -> b: the output of a times the delta of
    // b times the learning rate, rounded once to float. 0 for a weight the step did not change.
    float Gewichtsaenderung(int a, int b) const;

    // Net file.
    void Speichern(const std::string& dateiname);
    void Laden(const std::string& dateiname);
    // The same with the file's bytes in a stream: SpeichernIn writes them (Gesichert unchanged),
    // LadenAus reads them exactly as Laden reads the file, messages included.
    void SpeichernIn(std::ostream& aus) const;
    void LadenAus(std::istream& ein);

    // Drawing and hit testing.
    void ZeichneVerbindung(int a, int b, Zeichenflaeche& c) const;
    void ZeichneNetz(Zeichenflaeche& c, const Zusatzanzeige& zusatz = {}) const;
    int NeuronBei(int x, int y) const;
    void KopiereInZwischenablage() const;

  private:
    // SetzeGewicht without ending the record of the last step.
    void gewichtSetzen(int a, int b, float w);

    Neuronenliste neuronen_;
};

// True when both nets hold the same bits in every field: flags, matrices, deltas, the record of
// the last learning step and every field of every neuron (floats compared by their bits, so -0
// differs from +0 and a NaN equals the same NaN). The remembered input sums are a cache, not state,
// and are not compared.
bool GleichBitweise(const TNetz& a, const TNetz& b);

} // namespace nervalo
