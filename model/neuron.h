#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace nervalo {

class Zeichenflaeche;
struct Farbe;

// The kinds of a neuron, each stored as one byte in the net file. A damaged file may hold any
// other byte: it is kept as it is (every byte is a value of these types) and written back
// unchanged; what the arithmetic, the drawing and the dialogs do with it is said where they
// handle the kinds.
enum class Schichttyp : std::uint8_t { Inputschicht = 0, Hiddenschicht = 1, Outputschicht = 2 };
enum class Aktionsfunktion : std::uint8_t { sigmoid = 0, tanh = 1, linear = 2, sprung = 3 };
enum class Outputfunktion : std::uint8_t { identisch = 0, binaer = 1 };

// Number of input and weight slots of a neuron (and rows/columns of the net's matrices).
inline constexpr int Slots = 61;
using Matrix = std::array<std::array<float, Slots>, Slots>;

// The values of a neuron's slots, read like an array. They change only through
// TNeuron::SetzeInput and SetzeGewicht, so that the neuron knows when the input sum it
// remembers is stale.
class Slotwerte {
  public:
    float operator[](std::size_t i) const { return werte_[i]; }
    operator const std::array<float, Slots>&() const { return werte_; }
    Slotwerte() = default;
    Slotwerte(const Slotwerte&) = default;
    bool operator==(const Slotwerte&) const = default;

  private:
    friend class TNeuron;
    // Only a whole neuron is assigned: slots assigned alone would leave its sum stale.
    Slotwerte& operator=(const Slotwerte&) = default;
    std::array<float, Slots> werte_{};
};

// One neuron: 61 weighted input slots, threshold, slope, activation and output function.
// All arithmetic runs in long double and is rounded to float where a value is stored; a
// floating-point fault throws Fehler and leaves the neuron's fields as they were.
class TNeuron {
  public:
    // Qualified: the fields have the names of their types.
    nervalo::Schichttyp Schichttyp = nervalo::Schichttyp::Hiddenschicht;
    float Parameter = 1.0f;
    float Theta = 0.0f;
    nervalo::Aktionsfunktion Aktionsfunktion = nervalo::Aktionsfunktion::sigmoid;
    nervalo::Outputfunktion Outputfunktion = nervalo::Outputfunktion::identisch;
    float Xi = 0.5f;
    std::int32_t LetzterInput = 0;
    Slotwerte Inputs;
    Slotwerte Gewichte;
    float Output = 0.0f;
    float Sollwert = 0.0f;

    // Weighted input sum over slots 0 .. slots-1 in slot order, stored as float after each
    // addition. A net passes its neuron count: the slots beyond it carry weight 0. The sum is
    // remembered until a slot changes: a training step needs it twice, for the output and
    // again for the derivative.
    // (Parameters here are not called "slots": that is a macro where Qt is included.)
    float Inputsumme(int anzahl = Slots) const {
        if (anzahl != gemerkt_.anzahl) {
            gemerkt_.summe = summe(anzahl);
            gemerkt_.anzahl = anzahl;
        }
        return gemerkt_.summe;
    }
    float Aktion(float x) const;
    float Ableitung(int slots = Slots) const;
    float Ausgabe(float a) const;
    void BerechneOutput(int slots = Slots);
    void SetzeInput(int i, float v) {
        Inputs.werte_[i] = v;
        gemerkt_.anzahl = KeineSumme;
        if (Schichttyp == Schichttyp::Inputschicht) Schichttyp = Schichttyp::Hiddenschicht;
    }
    void SetzeGewicht(int i, float w) {
        Gewichte.werte_[i] = w;
        gemerkt_.anzahl = KeineSumme;
    }
    void SetzeOutput(float v);
    void SetzeInputAnzahl(std::int32_t n);

  private:
    float summe(int anzahl) const;
    static constexpr int KeineSumme = -1;
    // The input sum over `anzahl` slots, or KeineSumme. A copied or assigned neuron starts
    // without one and computes it from its own slots. Not for use from several threads.
    struct GemerkteSumme {
        int anzahl = KeineSumme;
        float summe = 0.0f;
        GemerkteSumme() = default;
        GemerkteSumme(const GemerkteSumme&) {}
        GemerkteSumme& operator=(const GemerkteSumme&) {
            anzahl = KeineSumme;
            return *this;
        }
    };
    mutable GemerkteSumme gemerkt_;
};

// Display field Anzeige: bit 2 (value 4) draws label and output.
inline constexpr std::uint8_t Beschriftung = 4;

// A neuron of the drawn net: adds its place, label and display fields.
class TGrafikNeuron : public TNeuron {
  public:
    std::int32_t Radius = 22;
    std::int32_t Textabstand = 7;
    std::int32_t Randabstand = 24;
    std::int32_t X = 0;
    std::int32_t Y = 0;
    std::string Bezeichnung; // UTF-8
    std::uint8_t Anzeige = Beschriftung;

    // Edits the neuron in the installed neuron dialog.
    void Editieren();

    // Drawing: the circle filled with the layer colour and, with Beschriftung, the label above
    // and the output below the centre in the given text colour. Draws in the surface's current
    // pen mode.
    void Zeichne(Zeichenflaeche& c, Farbe schriftfarbe) const;
    // Zeichne with blue text (normal) and with red text (highlighted).
    void Zeige(Zeichenflaeche& c) const;
    void Markiere(Zeichenflaeche& c) const;
    // True inside the square of side 2 * Radius + 1 around the centre, edges included.
    bool Getroffen(int x, int y) const;
};

// The dialog that edits one neuron; the desktop program installs the real one.
class NeuronEditor {
  public:
    virtual ~NeuronEditor() = default;
    virtual void Editieren(TGrafikNeuron& neuron) = 0;
};

// Installs e (nullptr: Editieren does nothing) and returns the previous one.
NeuronEditor* setzeNeuronEditor(NeuronEditor* e);

} // namespace nervalo
