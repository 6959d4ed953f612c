#include "netz.h"

#include "gleitkomma.h"
#include "meldungen.h"
#include "zufall.h"

namespace nervalo {

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
    Verbindungsmatrix[a][b] = 0.0f;
    Gewichtsmatrix[a][b] = 0.0f;
    Neuron(b).SetzeGewicht(a, 0.0f);
    Gesichert = false;
}

void TNetz::SetzeGewicht(int a, int b, float w) {
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
    const int n = Anzahl();
    for (int i = 0; i < n; ++i) {
        TGrafikNeuron& quelle = Neuron(i);
        quelle.BerechneOutput(n);
        const float o = quelle.Output;
        for (int j = 0; j < n; ++j)
            if (Verbindungsmatrix[i][j] > 0.0f) Neuron(j).SetzeInput(i, o);
    }
}

void TNetz::Leeren() {
    Verbindungsmatrix = Matrix{};
    Gewichtsmatrix = Matrix{};
    neuronen_.clear();
    Gesichert = true;
    Netztyp = KeinTyp;
}

void TNetz::LoescheLetztesNeuron() {
    const int n = Anzahl();
    if (n == 0) return;
    const int letztes = n - 1;
    for (int i = 0; i < n; ++i) {
        Trenne(letztes, i);
        Trenne(i, letztes);
    }
    neuronen_.pop_back();
}

void TNetz::BerechneDelta(int i) {
    const TGrafikNeuron& neuron = Neuron(i);
    const int n = Anzahl();
    switch (neuron.Schichttyp) {
    case Outputschicht: {
        const long double abweichung = static_cast<long double>(neuron.Sollwert) - neuron.Output;
        Delta[i] = gk::speichere(gk::mul(neuron.Ableitung(n), abweichung));
        break;
    }
    case Inputschicht:
        meldungen().Fehler("Kein Delta bei der Inputschicht!");
        Delta[i] = 0.0f;
        break;
    default: { // Hiddenschicht (and any unknown kind from a damaged file)
        float s = 0.0f;
        for (int j = i + 1; j < n; ++j) {
            const long double p = static_cast<long double>(Delta[j]) * Gewichtsmatrix[i][j];
            if (p == 0.0L) continue; // adding an exact zero leaves s as it is
            s = gk::speichere(gk::pruefe(p) + s);
        }
        Delta[i] = gk::speichere(static_cast<long double>(neuron.Ableitung(n)) * s);
        break;
    }
    }
}

void TNetz::Backpropagiere(float sigma) {
    for (int j = Anzahl() - 1; j >= 0; --j) {
        if (Neuron(j).Schichttyp == Inputschicht) continue;
        BerechneDelta(j);
        const long double schritt = static_cast<long double>(Delta[j]) * sigma;
        for (int i = j - 1; i >= 0; --i)
            if (Verbindungsmatrix[i][j] > 0.0f) {
                const long double w = gk::pruefe(Neuron(i).Output * schritt) + Gewichtsmatrix[i][j];
                SetzeGewicht(i, j, gk::speichere(w));
            }
    }
}

float TNetz::Fehler() const {
    float e = 0.0f;
    for (int i = 0; i < Anzahl(); ++i) {
        const TGrafikNeuron& neuron = Neuron(i);
        if (neuron.Schichttyp != Outputschicht) continue;
        const long double d = static_cast<long double>(neuron.Sollwert) - neuron.Output;
        e = gk::speichere(gk::mul(d, d) * 0.5L + e);
    }
    return e;
}

} // namespace nervalo
