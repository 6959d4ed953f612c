#include "neuron.h"

#include <cmath>

#include "gleitkomma.h"
#include "meldungen.h"

namespace nervalo {
namespace {

NeuronEditor* editor = nullptr;

// d = x - Theta and u = d * Parameter, each stored as float.
struct Eingang {
    float d;
    float u;
};

Eingang eingang(float x, float theta, float parameter) {
    const float d = gk::speichere(static_cast<long double>(x) - theta);
    const float u = gk::speichere(static_cast<long double>(d) * parameter);
    return {d, u};
}

} // namespace

float TNeuron::Inputsumme(int slots) const {
    float s = 0.0f;
    for (int i = 0; i < slots; ++i)
        // Inputs are always finite, so a zero weight adds a zero product. That leaves the sum
        // as it is, except that -0 becomes +0 when the product is +0.
        if (Gewichte[i] != 0.0f) s = gk::addiereProdukt(s, Inputs[i], Gewichte[i]);
    if (s == 0.0f && std::signbit(s)) {
        // A -0 (a negative product too small for a float) is rare: the sum over all slots
        // gives the sign that the zero products leave.
        s = 0.0f;
        for (int i = 0; i < Slots; ++i)
            s = gk::speichere(static_cast<long double>(Inputs[i]) * Gewichte[i] + s);
    }
    return s;
}

float TNeuron::Aktion(float x) const {
    const auto [d, u] = eingang(x, Theta, Parameter);
    switch (Aktionsfunktion) {
    case sigmoid: // the denominator is at least 1
        return gk::speichere(1.0L / (gk::expSingle(-u) + 1.0L));
    case tanh_: {
        const long double ep = gk::expSingle(u);
        const long double em = gk::expSingle(-u);
        return gk::speichere(gk::div(gk::sub(ep, em), gk::add(ep, em)));
    }
    case linear:
        if (d <= gk::div(-1.0L, Parameter)) return -1.0f;
        if (d >= gk::div(1.0L, Parameter)) return 1.0f;
        return u;
    default: // sprung, and any unknown kind from a damaged file
        return d >= 0.0f ? 1.0f : -1.0f;
    }
}

float TNeuron::Ableitung(int slots) const {
    const auto [d, u] = eingang(Inputsumme(slots), Theta, Parameter);
    switch (Aktionsfunktion) {
    case sigmoid: {
        // u is finite, and so is Parameter. Only the square can overflow; where it does not,
        // Parameter * e is finite too, and the square is at least 1.
        const long double e = gk::expSingle(-u);
        const long double quadrat = gk::mul(e + 1.0L, e + 1.0L);
        return gk::speichere(Parameter * e / quadrat);
    }
    case tanh_: {
        const long double n = gk::add(gk::expSingle(u), gk::expSingle(-u));
        return gk::speichere(gk::div(4.0L * Parameter, gk::mul(n, n)));
    }
    case linear: {
        const long double unten = gk::div(-1.0L, Parameter);
        const long double oben = gk::div(1.0L, Parameter);
        return unten < d && d < oben ? Parameter : 0.0f;
    }
    default: // the step has no slope where it is defined
        return 0.0f;
    }
}

float TNeuron::Ausgabe(float a) const {
    if (Outputfunktion == identisch) return a;
    return a >= Xi ? 1.0f : 0.0f;
}

void TNeuron::BerechneOutput(int slots) {
    if (Schichttyp == Inputschicht) return;
    Output = Ausgabe(Aktion(Inputsumme(slots)));
}

void TNeuron::SetzeInput(int i, float v) {
    Inputs[i] = v;
    if (Schichttyp == Inputschicht) Schichttyp = Hiddenschicht;
}

void TNeuron::SetzeOutput(float v) {
    if (Schichttyp == Inputschicht)
        Output = v;
    else
        meldungen().Fehler(
            "Neuron ist nicht aus der Inputschicht.\nSein Output kann nicht vorgegeben werden.");
}

void TNeuron::SetzeInputAnzahl(std::int32_t n) {
    if (n < 1 || n > 60)
        meldungen().Fehler("Die Anzahl der Inputs muss zwischen 1 und 60 liegen!");
    else
        LetzterInput = n - 1;
}

void TGrafikNeuron::Editieren() {
    if (editor) editor->Editieren(*this);
}

NeuronEditor* setzeNeuronEditor(NeuronEditor* e) {
    NeuronEditor* vorher = editor;
    editor = e;
    return vorher;
}

} // namespace nervalo
