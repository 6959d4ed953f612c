// Drawing the net and finding the neuron under a point.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>

#include "netz.h"
#include "neuron.h"
#include "zahltext.h"
#include "zeichenflaeche.h"

namespace nervalo {
namespace {

Zwischenablage* ablage = nullptr;

// Coordinates are formed in 64 bits and clamped to int, so that centres far out (a damaged net
// file may hold any Int32) cannot overflow; such points lie off every surface anyway.
int punkt(std::int64_t v) {
    return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN, INT_MAX));
}

// Nearest integer, halves to the even neighbour (the default rounding mode). rint, not
// nearbyint: the same result, but nearbyint saves and restores the floating-point environment on
// every call, which made it the largest single cost of redrawing a fully connected net.
int gerundet(long double v) {
    return static_cast<int>(std::clamp<long double>(std::rint(v), INT_MIN, INT_MAX));
}

// Fill colour of a layer kind; none for a kind from a damaged file.
std::optional<Farbe> Schichtfarbe(Schichttyp schichttyp) {
    switch (schichttyp) {
    case Schichttyp::Inputschicht:
        return Gruen;
    case Schichttyp::Hiddenschicht:
        return Weiss;
    case Schichttyp::Outputschicht:
        return Gelb;
    }
    return std::nullopt;
}

// The box of a text centred on (x, y): the halves of width and height are truncated.
struct Kasten {
    std::int64_t x1, y1, x2, y2; // right and bottom edges excluded

    Kasten(const Zeichenflaeche& c, std::int64_t x, std::int64_t y, const std::string& text) {
        const std::int64_t w = c.TextBreite(text);
        const std::int64_t h = c.TextHoehe(text);
        x1 = x - w / 2;
        y1 = y - h / 2;
        x2 = x1 + w;
        y2 = y1 + h;
    }
    bool enthaelt(const Kasten& k) const {
        return x1 <= k.x1 && y1 <= k.y1 && k.x2 <= x2 && k.y2 <= y2;
    }
};

// Writes text centred on (x, y).
void Zentriert(Zeichenflaeche& c, std::int64_t x, std::int64_t y, const std::string& text) {
    const Kasten k(c, x, y, text);
    c.Text(punkt(k.x1), punkt(k.y1), text);
}

// The centre of the weight label of a -> b. A one-way weight sits two thirds of the way from
// source to target, so that the labels of two opposite one-way connections don't cover each
// other; any other connection (a two-way pair) has it at the midpoint.
struct Mitte {
    std::int64_t x, y;
};
Mitte Beschriftungsmitte(const TNetz& netz, int a, int b) {
    const std::int64_t ax = netz.Neuron(a).X, ay = netz.Neuron(a).Y;
    const std::int64_t bx = netz.Neuron(b).X, by = netz.Neuron(b).Y;
    if (netz.Verbindungsmatrix[a][b] == 1.0f)
        return {ax + (bx - ax) * 2 / 3, ay + (by - ay) * 2 / 3};
    return {ax + (bx - ax) / 2, ay + (by - ay) / 2};
}
bool AmMittelpunkt(const TNetz& netz, int a, int b) {
    return netz.Verbindungsmatrix[a][b] > 0.0f && netz.Verbindungsmatrix[a][b] != 1.0f;
}

// Green for a rise, red for a fall, black for no change.
Farbe Vorzeichenfarbe(float x) {
    return x > 0.0f ? Dunkelgruen : x < 0.0f ? Rot : Schwarz;
}

// The text of a number in the colour of its sign, on white, centred on (x, y).
void Vorzeichentext(Zeichenflaeche& c, std::int64_t x, std::int64_t y, float wert,
                    const std::string& text) {
    c.SetzeFuellfarbe(Weiss);
    c.SetzeSchriftfarbe(Vorzeichenfarbe(wert));
    Zentriert(c, x, y, text);
}

// The change of the weight a -> b: one text line below a one-way weight label (two thirds of
// the way from a to b); a two-way pair has its weights at the midpoint, and the change of the
// direction that learned stands at the two-thirds point, which tells the direction.
void ZeichneAenderung(const TNetz& netz, int a, int b, Zeichenflaeche& c) {
    const std::int64_t ax = netz.Neuron(a).X, ay = netz.Neuron(a).Y;
    const std::int64_t bx = netz.Neuron(b).X, by = netz.Neuron(b).Y;
    const float aenderung = netz.Gewichtsaenderung(a, b);
    const std::string text = ZahlZuText(aenderung);
    const std::int64_t unten = netz.Verbindungsmatrix[a][b] == 1.0f ? c.TextHoehe(text) : 0;
    Vorzeichentext(c, ax + (bx - ax) * 2 / 3, ay + (by - ay) * 2 / 3 + unten, aenderung, text);
}

// The delta of a neuron, just below its circle.
void ZeichneDelta(const TNetz& netz, int i, Zeichenflaeche& c) {
    const TGrafikNeuron& n = netz.Neuron(i);
    const std::string text = "\u03b4 " + ZahlZuText(netz.Delta[i]);
    const std::int64_t y = std::int64_t{n.Y} + n.Radius + 1 + c.TextHoehe(text) / 2;
    Vorzeichentext(c, n.X, y, netz.Delta[i], text);
}

} // namespace

Zwischenablage* setzeZwischenablage(Zwischenablage* z) {
    Zwischenablage* vorher = ablage;
    ablage = z;
    return vorher;
}

void TGrafikNeuron::Zeichne(Zeichenflaeche& c, Farbe schriftfarbe) const {
    const std::string ausgabe = ZahlZuText(Output);
    c.SetzeSchriftfarbe(schriftfarbe);
    // An unknown kind keeps whatever fill colour the surface has.
    if (const std::optional<Farbe> fuellung = Schichtfarbe(Schichttyp))
        c.SetzeFuellfarbe(*fuellung);
    const std::int64_t x = X;
    const std::int64_t y = Y;
    c.Ellipse(punkt(x - Radius), punkt(y - Radius), punkt(x + Radius), punkt(y + Radius));
    if (Anzeige & Beschriftung) {
        Zentriert(c, x, y - Textabstand, Bezeichnung);
        Zentriert(c, x, y + Textabstand, ausgabe);
    }
}

void TGrafikNeuron::Zeige(Zeichenflaeche& c) const {
    Zeichne(c, Blau);
}

void TGrafikNeuron::Markiere(Zeichenflaeche& c) const {
    Zeichne(c, Rot);
}

bool TGrafikNeuron::Getroffen(int x, int y) const {
    const std::int64_t r = Radius;
    const std::int64_t dx = static_cast<std::int64_t>(x) - X;
    const std::int64_t dy = static_cast<std::int64_t>(y) - Y;
    return -r <= dx && dx <= r && -r <= dy && dy <= r;
}

int TNetz::NeuronBei(int x, int y) const {
    int treffer = -1;
    for (int i = 0; i < Anzahl(); ++i)
        if (Neuron(i).Getroffen(x, y)) treffer = i;
    return treffer;
}

void TNetz::ZeichneVerbindung(int a, int b, Zeichenflaeche& c) const {
    if (!(Darstellung & PfeileZeigen)) return;
    const TGrafikNeuron& quelle = Neuron(a);
    const TGrafikNeuron& ziel = Neuron(b);

    // The line runs between the points Randabstand away from both centres, along the line
    // through the centres. Distance and direction are floats; the offsets are computed in long
    // double with the product first.
    const long double d = quelle.Randabstand;
    const std::int64_t ax = quelle.X, ay = quelle.Y, bx = ziel.X, by = ziel.Y;
    const float dx = static_cast<float>(bx - ax);
    const float dy = static_cast<float>(by - ay);
    float len = static_cast<float>(
        std::sqrt(static_cast<long double>(dx) * dx + static_cast<long double>(dy) * dy));
    // Two neurons on the same centre (or a neuron with itself): the line shrinks to a point.
    if (len == 0.0f) len = 1.0f;
    const long double ox = dx * d / len;
    const long double oy = dy * d / len;
    const int endeX = gerundet(bx - ox);
    const int endeY = gerundet(by - oy);
    c.BewegeZu(gerundet(ax + ox), gerundet(ay + oy));
    c.LinieZu(endeX, endeY);

    // A red dot at the target end shows the direction.
    c.SetzeFuellfarbe(Rot);
    c.Ellipse(punkt(std::int64_t{endeX} - 2), punkt(std::int64_t{endeY} - 2),
              punkt(std::int64_t{endeX} + 2), punkt(std::int64_t{endeY} + 2));

    if (!(Darstellung & GewichteZeigen)) return;
    const std::string text = ZahlZuText(Gewicht(a, b));
    c.SetzeFuellfarbe(Weiss);
    c.SetzeSchriftfarbe(Schwarz);
    // The two labels of a two-way pair share the midpoint (up to a pixel of the truncated
    // halves), and ZeichneNetz draws b -> a first when b < a. This later label covers the
    // earlier one: where that was wider, its box is whitened as well, so that the picture shows
    // one of the two weights and not a mix of their digits. (The earlier text is measured
    // first: the surface expects a text to be measured right before it is written.)
    std::optional<Kasten> frueher;
    if (b < a && AmMittelpunkt(*this, a, b) && AmMittelpunkt(*this, b, a)) {
        const Mitte f = Beschriftungsmitte(*this, b, a);
        frueher.emplace(c, f.x, f.y, ZahlZuText(Gewicht(b, a)));
    }
    const Mitte m = Beschriftungsmitte(*this, a, b);
    const Kasten kasten(c, m.x, m.y, text);
    if (frueher && !kasten.enthaelt(*frueher))
        c.Rechteck(punkt(std::min(kasten.x1, frueher->x1)), punkt(std::min(kasten.y1, frueher->y1)),
                   punkt(std::max(kasten.x2, frueher->x2)),
                   punkt(std::max(kasten.y2, frueher->y2)));
    c.Text(punkt(kasten.x1), punkt(kasten.y1), text);
}

void TNetz::ZeichneNetz(Zeichenflaeche& c, const Zusatzanzeige& zusatz) const {
    const int n = Anzahl();
    const bool aenderungen = zusatz.aenderungen && Protokoll.vorhanden;
    // Connections first, so that the circles lie on top of them.
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j)
            if (Verbindungsmatrix[i][j] > 0.0f) {
                ZeichneVerbindung(i, j, c);
                if (aenderungen && (Darstellung & PfeileZeigen) && Protokoll.Gelernt(i, j))
                    ZeichneAenderung(*this, i, j, c);
            }
    for (int i = 0; i < n; ++i) {
        if (i == zusatz.hervorgehoben)
            Neuron(i).Markiere(c);
        else
            Neuron(i).Zeige(c);
        if (aenderungen && Protokoll.DeltaBerechnet(i)) ZeichneDelta(*this, i, c);
    }
}

void TNetz::KopiereInZwischenablage() const {
    if (!ablage) return;
    std::unique_ptr<Zeichenflaeche> bild = ablage->NeuesBild(BildBreite, BildHoehe);
    if (!bild) return;
    ZeichneNetz(*bild);
    ablage->BildAblegen(*bild);
}

} // namespace nervalo
