#include "entscheidungskarte.h"

#include <algorithm>
#include <cmath>

#include "fehler.h"
#include "probelauf.h"
#include "vektorregister.h"

namespace nervalo {

Kartenneuronen Kartenneuronen::AusNetz(const TNetz& netz) {
    Kartenneuronen k;
    for (int i = 0; i < netz.Anzahl(); ++i) {
        if (netz.Neuron(i).Schichttyp == Schichttyp::Inputschicht) k.eingaben.push_back(i);
        if (netz.Neuron(i).Schichttyp == Schichttyp::Outputschicht) k.ausgaben.push_back(i);
    }
    return k;
}

std::vector<Kartenpunkt> Kartenpunkte(const Lernzuordnung& zuordnung,
                                      const Aufgabentabelle& tabelle, int eingabeX, int eingabeY,
                                      int ausgabe) {
    // The column a training step gives to neuron i, or none.
    const auto spalte = [&](int i) -> std::optional<int> {
        for (int s = 0; s < zuordnung.Spaltenzahl(); ++s)
            if (zuordnung.Neuron(s) == i) return s;
        return std::nullopt;
    };
    const auto sx = spalte(eingabeX), sy = spalte(eingabeY), sz = spalte(ausgabe);
    std::vector<Kartenpunkt> punkte;
    if (!sx || !sy) return punkte;
    const auto wert = [](const Aufgabenzeile& zeile, int s) -> std::optional<float> {
        return s < static_cast<int>(zeile.size()) ? zeile[s] : std::nullopt;
    };
    for (const Aufgabenzeile& zeile : tabelle) {
        const auto x = wert(zeile, *sx), y = wert(zeile, *sy);
        if (x && y) punkte.push_back({*x, *y, sz ? wert(zeile, *sz) : std::nullopt});
    }
    return punkte;
}

Kartenbereich BereichFuer(const std::vector<Kartenpunkt>& punkte) {
    if (punkte.empty()) return {};
    double xMin = punkte[0].x, xMax = xMin, yMin = punkte[0].y, yMax = yMin;
    for (const Kartenpunkt& p : punkte) {
        xMin = std::min<double>(xMin, p.x);
        xMax = std::max<double>(xMax, p.x);
        yMin = std::min<double>(yMin, p.y);
        yMax = std::max<double>(yMax, p.y);
    }
    const double rx = std::max(0.5 * (xMax - xMin), 0.5);
    const double ry = std::max(0.5 * (yMax - yMin), 0.5);
    return {xMin - rx, xMax + rx, yMin - ry, yMax + ry};
}

Kartenbereich Gezoomt(const Kartenbereich& b, double x, double y, double faktor) {
    const Kartenbereich neu{x - (x - b.xVon) * faktor, x + (b.xBis - x) * faktor,
                            y - (y - b.yVon) * faktor, y + (b.yBis - y) * faktor};
    const auto passt = [](double von, double bis) {
        return std::isfinite(von) && std::isfinite(bis) && bis - von >= 1e-4 && bis - von <= 1e6;
    };
    return passt(neu.xVon, neu.xBis) && passt(neu.yVon, neu.yBis) ? neu : b;
}

float Kartenstelle(double von, double bis, int i, int n) {
    return static_cast<float>(von + (i + 0.5) * (bis - von) / n);
}

std::vector<float> BerechneKarte(const TNetz& netz, int eingabeX, int eingabeY, int ausgabe,
                                 const Kartenbereich& b, int n) {
    VektorregisterFreigeben();
    Probelauf lauf(netz);
    std::vector<float> werte(static_cast<std::size_t>(n) * n);
    for (int j = 0; j < n; ++j) {
        const float y = Kartenstelle(b.yVon, b.yBis, j, n);
        for (int i = 0; i < n; ++i) {
            const float x = Kartenstelle(b.xVon, b.xBis, i, n);
            float& wert = werte[static_cast<std::size_t>(j) * n + i];
            try {
                wert = lauf.Rechne([&](TNetz& kopie) {
                               kopie.Neuron(eingabeX).SetzeOutput(x);
                               kopie.Neuron(eingabeY).SetzeOutput(y);
                           })
                           .Neuron(ausgabe)
                           .Output;
            } catch (const Fehler&) {
                wert = std::nanf("");
            }
        }
    }
    return werte;
}

Kartenskala SkalaFuer(const TNeuron& neuron) {
    if (neuron.Outputfunktion == Outputfunktion::binaer ||
        neuron.Aktionsfunktion == Aktionsfunktion::sigmoid)
        return {0.0, 1.0};
    return {-1.0, 1.0};
}

Farbe Kartenfarbe(double wert, Kartenskala skala) {
    if (std::isnan(wert)) return {160, 160, 160};
    // Five steps of a blue-white-red scale, linear in between.
    static constexpr Farbe stufen[] = {
        {33, 102, 172}, {146, 197, 222}, {247, 247, 247}, {244, 165, 130}, {178, 24, 43}};
    const double t = std::clamp((wert - skala.von) / (skala.bis - skala.von), 0.0, 1.0) * 4.0;
    const int k = std::min(static_cast<int>(t), 3);
    const double f = t - k;
    const auto mische = [f](std::uint8_t a, std::uint8_t b) {
        return static_cast<std::uint8_t>(std::lround(a + (b - a) * f));
    };
    const Farbe& a = stufen[k];
    const Farbe& b = stufen[k + 1];
    return {mische(a.r, b.r), mische(a.g, b.g), mische(a.b, b.b)};
}

} // namespace nervalo
