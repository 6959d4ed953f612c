#include "neuron.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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

// Both in double where that stores the same (see gk::wieLang): the product is exact there. The
// defaults Theta = +0 and Parameter = 1 change nothing (x - (+0) is x, also for -0).
Eingang eingang(float x, float theta, float parameter) {
    float d = x;
    if (std::bit_cast<std::uint32_t>(theta) != 0) {
        const double differenz = static_cast<double>(x) - theta;
        d = gk::wieLang(differenz) ? static_cast<float>(differenz)
                                   : gk::speichere(static_cast<long double>(x) - theta);
    }
    if (parameter == 1.0f) return {d, d};
    return {d, gk::speichereExakt(static_cast<double>(d) * parameter)};
}

// The sigmoid's value 1 / (e + 1) and slope Parameter * e / (e + 1)^2, e = exp(-u), first in
// double: the exponential is off by less than a double place and each of the few operations
// by half a place, far within the margin of gk::eindeutigGerundet. Where that does not settle
// the float, or |u| > 80 (where the exponentials grow beyond what the margin was reckoned
// for), the long double way decides. The double exponential costs a fraction of the long
// double one, which dominated a small net's training step.
constexpr float SchnellBis = 80.0f;

// e = exp(-u) and r = 1 / (e + 1) in double for one u. A training step needs them twice for
// each neuron, in the forward pass and again for the derivative, so the last ones computed
// are kept, each in the slot gk::potenzPlatz of its u.
struct Logistik {
    std::uint32_t u = 0; // +0
    double e = 1.0, r = 0.5;
};
thread_local std::array<Logistik, 256> logistik{};

const Logistik& logistikDouble(float u) {
    const auto bits = std::bit_cast<std::uint32_t>(u);
    Logistik& l = logistik[gk::potenzPlatz(bits)];
    if (l.u != bits) {
        const double e = std::exp(-static_cast<double>(u));
        l = {bits, e, 1.0 / (e + 1.0)};
    }
    return l;
}

float sigmoidWert(float u) {
    if (std::fabs(u) <= SchnellBis) {
        const double y = logistikDouble(u).r;
        if (gk::eindeutigGerundet(y)) return static_cast<float>(y);
    }
    return gk::speichere(1.0L / (gk::expSingle(-u) + 1.0L));
}

// Parameter * e * r * r: no division; a few more roundings, still far within the margin.
float sigmoidSteigung(float u, float parameter) {
    if (std::fabs(u) <= SchnellBis) {
        const Logistik& l = logistikDouble(u);
        const double y = (parameter * l.e) * (l.r * l.r);
        if (gk::eindeutigGerundet(y) || parameter == 0.0f) return static_cast<float>(y);
    }
    // u is finite, and so is Parameter. Only the square can overflow; where it does not,
    // Parameter * e is finite too, and the square is at least 1.
    const long double e = gk::expSingle(-u);
    const long double quadrat = gk::mul(e + 1.0L, e + 1.0L);
    return gk::speichere(parameter * e / quadrat);
}

} // namespace

float TNeuron::summe(int slots) const {
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
    case Aktionsfunktion::sigmoid: // the denominator is at least 1
        return sigmoidWert(u);
    case Aktionsfunktion::tanh: {
        const long double ep = gk::expSingle(u);
        const long double em = gk::expSingle(-u);
        return gk::speichere(gk::div(gk::sub(ep, em), gk::add(ep, em)));
    }
    case Aktionsfunktion::linear:
        if (d <= gk::div(-1.0L, Parameter)) return -1.0f;
        if (d >= gk::div(1.0L, Parameter)) return 1.0f;
        return u;
    case Aktionsfunktion::sprung:
        break;
    }
    // sprung, and any unknown kind from a damaged file
    return d >= 0.0f ? 1.0f : -1.0f;
}

float TNeuron::Ableitung(int slots) const {
    const auto [d, u] = eingang(Inputsumme(slots), Theta, Parameter);
    switch (Aktionsfunktion) {
    case Aktionsfunktion::sigmoid:
        return sigmoidSteigung(u, Parameter);
    case Aktionsfunktion::tanh: {
        const long double n = gk::add(gk::expSingle(u), gk::expSingle(-u));
        return gk::speichere(gk::div(4.0L * Parameter, gk::mul(n, n)));
    }
    case Aktionsfunktion::linear: {
        const long double unten = gk::div(-1.0L, Parameter);
        const long double oben = gk::div(1.0L, Parameter);
        return unten < d && d < oben ? Parameter : 0.0f;
    }
    case Aktionsfunktion::sprung:
        break;
    }
    // The step has no slope where it is defined; an unknown kind computes as the step.
    return 0.0f;
}

float TNeuron::Ausgabe(float a) const {
    if (Outputfunktion == Outputfunktion::identisch) return a;
    // Only a damaged file holds a NaN threshold; a comparison with it is an invalid operation.
    if (Xi != Xi) gk::wirf(gk::Ungueltig);
    return a >= Xi ? 1.0f : 0.0f;
}

void TNeuron::BerechneOutput(int slots) {
    if (Schichttyp == Schichttyp::Inputschicht) return;
    Output = Ausgabe(Aktion(Inputsumme(slots)));
}

void TNeuron::SetzeOutput(float v) {
    if (Schichttyp == Schichttyp::Inputschicht)
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
