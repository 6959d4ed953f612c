#include "netz.h"

#include <bit>
#include <cmath>
#include <cstdint>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "gleitkomma.h"
#include "meldungen.h"
#include "zufall.h"

namespace nervalo {
namespace {

// The connections of a net as bits: the sweeps below visit only the connected pairs, and the
// scans that find them have no branches to mispredict.
static_assert(Slots <= 64);

// Bit j set when i -> j is connected, for j < n; four entries at a time where SSE2 is there
// (the comparison is the same: NaN and -0 are not greater than 0).
std::uint64_t zeile(const Matrix& verbindung, int i, int n) {
    std::uint64_t bits = 0;
    int j = 0;
#ifdef __SSE2__
    for (; j + 4 <= n; j += 4) {
        const __m128 vier = _mm_loadu_ps(&verbindung[i][j]);
        const int groesser = _mm_movemask_ps(_mm_cmpgt_ps(vier, _mm_setzero_ps()));
        bits |= static_cast<std::uint64_t>(groesser) << j;
    }
#endif
    for (; j < n; ++j)
        bits |= static_cast<std::uint64_t>(verbindung[i][j] > 0.0f) << j;
    return bits;
}

// Bit i set when i -> j is connected, for i < n.
std::uint64_t spalte(const Matrix& verbindung, int j, int n) {
    std::uint64_t bits = 0;
    for (int i = 0; i < n; ++i)
        bits |= static_cast<std::uint64_t>(verbindung[i][j] > 0.0f) << i;
    return bits;
}

} // namespace

void TNetz::Verbinde(int a, int b) {
    if (a == b) {
        meldungen().Fehler("Ein Neuron kann nicht mit sich selbst verbunden werden");
        return;
    }
    Verbindungsmatrix[a][b] = 1.0f;
    Gesichert = false;
}

void TNetz::VerbindeBeide(int a, int b) {
    Verbindungsmatrix[a][b] = 2.0f;
    Verbindungsmatrix[b][a] = 2.0f;
    Gesichert = false;
}

void TNetz::Trenne(int a, int b) {
    Protokoll.vorhanden = false;
    Verbindungsmatrix[a][b] = 0.0f;
    Gewichtsmatrix[a][b] = 0.0f;
    Neuron(b).SetzeGewicht(a, 0.0f);
    Gesichert = false;
}

void TNetz::SetzeGewicht(int a, int b, float w) {
    Protokoll.vorhanden = false;
    gewichtSetzen(a, b, w);
}

void TNetz::gewichtSetzen(int a, int b, float w) {
    Gesichert = false;
    Gewichtsmatrix[a][b] = w;
    Neuron(b).SetzeGewicht(a, w);
}

void TNetz::Zufallsgewichte(float g) {
    Gesichert = false;
    const int n = Anzahl();
    for (int a = 0; a < n; ++a)
        for (int b = 0; b < n; ++b)
            if (Verbindungsmatrix[a][b] > 0.0f) {
                const long double r = zufall().Gleich();
                SetzeGewicht(a, b, gk::speichere(r * (2.0L * g) - g));
            }
}

void TNetz::Propagiere() {
    Gesichert = false;
    // Every neuron computes anew: what a neuron overwrites in a later one's slots belongs to this
    // pass only from the moment that later neuron has computed.
    Protokoll.vorwaertsDavor = false;
    Protokoll.ausgerechnet = 0;
    const int n = Anzahl();
    for (int i = 0; i < n; ++i)
        PropagiereNeuron(i);
}

void TNetz::PropagiereNeuron(int i) {
    Gesichert = false;
    const int n = Anzahl();
    TGrafikNeuron& quelle = Neuron(i);
    quelle.BerechneOutput(n);
    const float o = quelle.Output;
    // The record: the input sum the output came from (the neuron remembers it), and the value of
    // each slot that is overwritten after its neuron computed (a connection to an earlier neuron
    // or to itself), as that neuron used it. A layered net has no such slots.
    Lernprotokoll& p = Protokoll;
    const std::uint64_t bit = std::uint64_t{1} << i;
    if (quelle.Schichttyp != Schichttyp::Inputschicht) {
        p.vorwaertssumme[i] = quelle.Inputsumme(n);
        p.ausgerechnet |= bit;
        p.ueberschrieben[i] = 0;
    }
    const std::uint64_t ziele = zeile(Verbindungsmatrix, i, n);
    for (std::uint64_t davor = ziele & p.ausgerechnet; davor != 0; davor &= davor - 1) {
        const int j = std::countr_zero(davor);
        if (p.ueberschrieben[j] & bit) continue;
        p.eingabeDavor[i][j] = Neuron(j).Inputs[i];
        p.ueberschrieben[j] |= bit;
    }
    for (std::uint64_t rest = ziele; rest != 0; rest &= rest - 1)
        Neuron(std::countr_zero(rest)).SetzeInput(i, o);
}

void TNetz::Leeren() {
    Verbindungsmatrix = Matrix{};
    Gewichtsmatrix = Matrix{};
    neuronen_.Leeren();
    Protokoll = Lernprotokoll{};
    Gesichert = true;
    Netztyp = Netztyp::KeinTyp;
}

void TNetz::LoescheLetztesNeuron() {
    const int n = Anzahl();
    if (n == 0) return;
    const int letztes = n - 1;
    for (int i = 0; i < n; ++i) {
        Trenne(letztes, i);
        Trenne(i, letztes);
    }
    neuronen_.EntferneLetztes();
}

void TNetz::BerechneDelta(int i) {
    const TGrafikNeuron& neuron = Neuron(i);
    const int n = Anzahl();
    // What the delta is computed from goes into the record of the step (the input sum is the
    // one the derivative has just used, remembered by the neuron).
    Lernprotokoll& p = Protokoll;
    p.schichttyp[i] = neuron.Schichttyp;
    p.sollwert[i] = neuron.Sollwert;
    switch (neuron.Schichttyp) {
    case Schichttyp::Outputschicht: {
        const float ableitung = neuron.Ableitung(n);
        p.eingabesumme[i] = neuron.Inputsumme(n);
        p.ableitung[i] = ableitung;
        // In double first: two roundings of at most half a place each, far within the margin
        // of gk::eindeutigGerundet; a zero difference makes an exact zero in both types.
        const double abweichungD = static_cast<double>(neuron.Sollwert) - neuron.Output;
        const double d = ableitung * abweichungD;
        if (gk::eindeutigGerundet(d) || abweichungD == 0.0) {
            Delta[i] = static_cast<float>(d);
            return;
        }
        // An infinite target from a damaged file overflows here, also where the slope is 0.
        const long double abweichung = gk::sub(neuron.Sollwert, neuron.Output);
        Delta[i] = gk::speichere(ableitung * abweichung);
        return;
    }
    case Schichttyp::Inputschicht:
        meldungen().Fehler("Kein Delta bei der Inputschicht!");
        Delta[i] = 0.0f;
        return;
    case Schichttyp::Hiddenschicht:
        break;
    }
    // Hiddenschicht, and any unknown kind from a damaged file.
    float s = 0.0f;
    for (int j = i + 1; j < n; ++j)
        // Deltas are finite: a zero weight adds a zero product, which changes nothing but a -0
        // sum, as in Inputsumme.
        if (Gewichtsmatrix[i][j] != 0.0f) s = gk::addiereProdukt(s, Delta[j], Gewichtsmatrix[i][j]);
    if (s == 0.0f && std::signbit(s)) {
        s = 0.0f;
        for (int j = i + 1; j < n; ++j)
            s = gk::speichere(static_cast<long double>(Delta[j]) * Gewichtsmatrix[i][j] + s);
    }
    const float ableitung = neuron.Ableitung(n);
    p.eingabesumme[i] = neuron.Inputsumme(n);
    p.ableitung[i] = ableitung;
    p.deltasumme[i] = s;
    Delta[i] = gk::speichereExakt(static_cast<double>(ableitung) * s);
}

void TNetz::Backpropagiere(float sigma) {
    // The step is recorded as it goes, so that a floating-point fault leaves a record of exactly
    // the deltas and weights changed before it.
    const int n = Anzahl();
    Lernprotokoll& p = Protokoll;
    p.vorhanden = true;
    p.vorwaertsDavor = true;
    p.anzahl = n;
    p.sigma = sigma;
    p.berechnet = 0;
    for (int i = 0; i < n; ++i) {
        p.output[i] = Neuron(i).Output;
        p.gelernt[i] = 0;
    }
    for (int j = n - 1; j >= 0; --j) {
        if (Neuron(j).Schichttyp == Schichttyp::Inputschicht) continue;
        BerechneDelta(j);
        p.berechnet |= std::uint64_t{1} << j;
        // Outputs, deltas and sigma are finite, so only the stored weight can overflow.
        const double schritt = static_cast<double>(Delta[j]) * sigma; // exact
        for (std::uint64_t quellen = spalte(Verbindungsmatrix, j, j); quellen != 0;) {
            const int i = std::bit_width(quellen) - 1; // from j - 1 down to 0
            quellen ^= std::uint64_t{1} << i;
            const float vorher = Gewichtsmatrix[i][j];
            p.vorher[i][j] = vorher;
            gewichtSetzen(i, j, gk::addiereSchritt(vorher, Neuron(i).Output, schritt));
            p.gelernt[j] |= std::uint64_t{1} << i;
        }
    }
}

float TNetz::Gewichtsaenderung(int a, int b) const {
    if (!Protokoll.Gelernt(a, b)) return 0.0f;
    return gk::produktGerundet(Protokoll.output[a],
                               static_cast<double>(Delta[b]) * Protokoll.sigma);
}

float TNetz::Fehler() const {
    float e = 0.0f;
    for (int i = 0; i < Anzahl(); ++i) {
        const TGrafikNeuron& neuron = Neuron(i);
        if (neuron.Schichttyp != Schichttyp::Outputschicht) continue;
        // In double first: a few roundings of half a place, no cancellation (all terms are at
        // least 0), far within the margin of gk::eindeutigGerundet. A zero is exact.
        const double dd = static_cast<double>(neuron.Sollwert) - neuron.Output;
        const double y = dd * dd * 0.5 + e;
        if (gk::eindeutigGerundet(y) || y == 0.0) {
            e = static_cast<float>(y);
            continue;
        }
        const long double d = static_cast<long double>(neuron.Sollwert) - neuron.Output;
        e = gk::speichere(d * d * 0.5L + e);
    }
    return e;
}

} // namespace nervalo
