#include "rechenweg.h"

#include "fehler.h"
#include "gleitkomma.h"

namespace nervalo {
namespace {

// The products of neuron j's input sum from the given value and weight of each slot.
template <class Wert, class Gewicht>
std::vector<Produkt> eingangsprodukte(const TNetz& netz, int j, Wert wert, Gewicht gewicht) {
    std::vector<Produkt> produkte;
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const float w = gewicht(i);
        if (netz.IstVerbunden(i, j) || w != 0.0f) produkte.push_back({i, wert(i), w});
    }
    return produkte;
}

// The products and the sum neuron j computed its output from, as the record of the last
// propagation has them: the slot values j used (some overwritten since by later neurons), and
// the weights before the recorded learning step when no propagation has come after it, or the
// weights j holds now. The products must give the recorded sum; when neither set of weights
// does (a weight was set by hand since), the calculation is that of the values j holds now.
bool wieBerechnet(const TNetz& netz, int j, Vorwaertsrechnung& v) {
    const Lernprotokoll& p = netz.Protokoll;
    const TGrafikNeuron& n = netz.Neuron(j);
    if (!(p.ausgerechnet >> j & 1u)) return false;
    const auto wert = [&](int i) {
        return p.ueberschrieben[j] >> i & 1u ? p.eingabeDavor[i][j] : n.Inputs[i];
    };
    for (const bool vorDemSchritt : {true, false}) {
        if (vorDemSchritt && !(p.vorwaertsDavor && p.GelerntIn(j))) continue;
        v.produkte = eingangsprodukte(netz, j, wert, [&](int i) {
            return vorDemSchritt && p.Gelernt(i, j) ? p.vorher[i][j] : n.Gewichte[i];
        });
        if (Produktsumme(v.produkte) == p.vorwaertssumme[j]) {
            v.summe = p.vorwaertssumme[j];
            v.gewichteVorDemSchritt = vorDemSchritt;
            return true;
        }
    }
    return false;
}

Vorwaertsrechnung vorwaerts(const TNetz& netz, int j) {
    const TGrafikNeuron& n = netz.Neuron(j);
    Vorwaertsrechnung v;
    v.output = n.Output;
    v.eingabeneuron = n.Schichttyp == Schichttyp::Inputschicht;
    if (v.eingabeneuron) return v;
    try {
        if (!wieBerechnet(netz, j, v)) {
            v.produkte = eingangsprodukte(
                netz, j, [&](int i) { return n.Inputs[i]; }, [&](int i) { return n.Gewichte[i]; });
            v.summe = n.Inputsumme(netz.Anzahl());
        }
        v.aktivierung = n.Aktion(v.summe);
        v.ausgabe = n.Ausgabe(*v.aktivierung);
    } catch (const Fehler& f) {
        // A sum or activation beyond float's range: what was computed before the fault stays.
        v.fehler = f.what();
    }
    return v;
}

Rueckwaertsrechnung rueckwaerts(const TNetz& netz, int j) {
    const Lernprotokoll& p = netz.Protokoll;
    Rueckwaertsrechnung r;
    r.schichttyp = p.schichttyp[j];
    r.sigma = p.sigma;
    r.ableitung = p.ableitung[j];
    try {
        r.aktivierung = netz.Neuron(j).Aktion(p.eingabesumme[j]);
    } catch (const Fehler&) {
    }
    r.sollwert = p.sollwert[j];
    r.output = p.output[j];
    r.delta = netz.Delta[j];
    if (r.schichttyp != Schichttyp::Outputschicht) {
        // The step added every later neuron; a zero weight adds nothing.
        for (int k = j + 1; k < p.anzahl && k < netz.Anzahl(); ++k)
            if (netz.Gewichtsmatrix[j][k] != 0.0f)
                r.deltaprodukte.push_back({k, netz.Delta[k], netz.Gewichtsmatrix[j][k]});
        r.deltasumme = p.deltasumme[j];
    }
    for (int i = 0; i < j; ++i)
        if (p.Gelernt(i, j))
            r.gewichte.push_back(
                {i, p.vorher[i][j], p.output[i], netz.Gewichtsaenderung(i, j), netz.Gewicht(i, j)});
    return r;
}

} // namespace

float Produktsumme(const std::vector<Produkt>& produkte) {
    float s = 0.0f;
    for (const Produkt& p : produkte)
        s = gk::addiereProdukt(s, p.wert, p.gewicht);
    return s;
}

std::string Neuronname(const TNetz& netz, int i) {
    const std::string& name = netz.Neuron(i).Bezeichnung;
    return name.empty() ? "Neuron " + std::to_string(i) : name;
}

Rechenweg BerechneRechenweg(const TNetz& netz, int i) {
    Rechenweg w;
    w.neuron = i;
    w.vorwaerts = vorwaerts(netz, i);
    if (netz.Protokoll.DeltaBerechnet(i) && i < netz.Anzahl()) w.rueckwaerts = rueckwaerts(netz, i);
    return w;
}

} // namespace nervalo
