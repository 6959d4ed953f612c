#include "hopfieldanalyse.h"

#include "fehler.h"

namespace nervalo {
namespace {

long double wert(const Muster& m, int i) {
    return m[static_cast<std::size_t>(i)] ? 1.0L : -1.0L;
}

void pruefe(const TNetz& netz, const Muster& m) {
    if (static_cast<int>(m.size()) != netz.Anzahl()) throw Fehler(GitterUnpassend);
}

} // namespace

long double Energie(const TNetz& netz, const Muster& zustand) {
    pruefe(netz, zustand);
    const int n = netz.Anzahl();
    long double paare = 0.0L;
    long double schwellen = 0.0L;
    for (int i = 0; i < n; ++i) {
        long double zeile = 0.0L;
        for (int j = 0; j < n; ++j)
            zeile += netz.Gewicht(i, j) * wert(zustand, j);
        paare += wert(zustand, i) * zeile;
        schwellen += netz.Neuron(i).Theta * wert(zustand, i);
    }
    return -0.5L * paare + schwellen;
}

int Hammingabstand(const Muster& a, const Muster& b) {
    int d = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        d += a[i] != b[i];
    return d;
}

double Ueberlapp(const Muster& a, const Muster& b) {
    if (a.empty()) return 0.0;
    // Σ aᵢ bᵢ counts +1 for every equal place and −1 for every other one.
    const int n = static_cast<int>(a.size());
    return static_cast<double>(n - 2 * Hammingabstand(a, b)) / n;
}

Muster Invers(Muster m) {
    m.flip();
    return m;
}

std::optional<bool> IstFixpunkt(const TNetz& netz, const Muster& muster) {
    pruefe(netz, muster);
    // The pattern is in neuron order already, so a grid of one row maps it unchanged.
    const Hopfieldspeicher speicher(netz.Anzahl(), 1);
    TNetz kopie = netz;
    try {
        speicher.Holen(kopie, muster);
        kopie.Propagiere();
    } catch (const Fehler&) {
        return std::nullopt;
    }
    return speicher.Lesen(kopie) == muster;
}

double KritischeMusterzahl(int neuronen) {
    return 0.14 * neuronen - 1;
}

double GeschaetzteKapazitaet(int neuronen) {
    return 0.138 * neuronen;
}

Einordnung Einordnen(const Muster& zustand, const std::vector<Muster>& gemerkt) {
    if (gemerkt.empty()) return {};
    for (std::size_t k = 0; k < gemerkt.size(); ++k)
        if (gemerkt[k] == zustand) return {Zustandsart::Muster, static_cast<int>(k)};
    const Muster invers = Invers(zustand);
    for (std::size_t k = 0; k < gemerkt.size(); ++k)
        if (gemerkt[k] == invers) return {Zustandsart::Inverses, static_cast<int>(k)};
    return {Zustandsart::Scheinzustand, -1};
}

Analyse Analysiere(const TNetz& netz, const std::vector<Muster>& gemerkt) {
    Analyse a;
    a.neuronen = netz.Anzahl();
    for (const Muster& m : gemerkt) {
        Musterbefund b;
        b.fixpunkt = IstFixpunkt(netz, m);
        a.muster.push_back(b);
    }
    return a;
}

Analyse Analysiere(const TNetz& netz, const Muster& zustand, const std::vector<Muster>& gemerkt) {
    Analyse a = Analysiere(netz, gemerkt);
    a.mitZustand = true;
    a.energie = Energie(netz, zustand);
    for (std::size_t k = 0; k < gemerkt.size(); ++k) {
        Musterbefund& b = a.muster[k];
        b.abstand = Hammingabstand(zustand, gemerkt[k]);
        b.abstandInvers = a.neuronen - b.abstand;
        b.ueberlapp = Ueberlapp(zustand, gemerkt[k]);
    }
    a.einordnung = Einordnen(zustand, gemerkt);
    return a;
}

} // namespace nervalo
