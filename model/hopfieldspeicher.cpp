#include "hopfieldspeicher.h"

#include <cmath>

#include "fehler.h"
#include "gleitkomma.h"

namespace nervalo {

bool Hopfieldspeicher::Passt(const TNetz& netz) const {
    // In 64 bits: two large sizes must not wrap around to the neuron count.
    return static_cast<long long>(spalten_) * zeilen_ == netz.Anzahl();
}

void Hopfieldspeicher::pruefe(const TNetz& netz) const {
    if (!Passt(netz)) throw Fehler(GitterUnpassend);
}

void Hopfieldspeicher::Holen(TNetz& netz, const Muster& muster) const {
    pruefe(netz);
    const int anzahl = netz.Anzahl();
    if (static_cast<int>(muster.size()) != anzahl) throw Fehler(GitterUnpassend);
    for (int c = 0; c < spalten_; ++c)
        for (int r = 0; r < zeilen_; ++r) {
            const int i = Neuron(c, r);
            TGrafikNeuron& n = netz.Neuron(i);
            n.Schichttyp = Schichttyp::Inputschicht;
            n.SetzeOutput(muster[i] ? 1.0f : -1.0f);
        }
    for (int i = 0; i < anzahl; ++i) {
        TGrafikNeuron& n = netz.Neuron(i);
        for (int j = 0; j < anzahl; ++j)
            n.SetzeInput(j, netz.Neuron(j).Output);
    }
}

void Hopfieldspeicher::Merken(TNetz& netz, const Muster& muster) const {
    Holen(netz, muster);
    const int n = netz.Anzahl();
    for (int i = 0; i < n; ++i) {
        const long double xi = netz.Neuron(i).Output;
        for (int j = 0; j < n; ++j) {
            const long double produkt = gk::mul(xi, netz.Neuron(j).Output);
            netz.SetzeGewicht(i, j, gk::speichere(netz.Gewicht(i, j) + produkt));
        }
    }
}

Muster Hopfieldspeicher::Lesen(const TNetz& netz) const {
    pruefe(netz);
    Muster muster(netz.Anzahl());
    for (int i = 0; i < netz.Anzahl(); ++i)
        muster[i] = std::fabs(netz.Neuron(i).Output - 1.0L) < 0.1L;
    return muster;
}

} // namespace nervalo
