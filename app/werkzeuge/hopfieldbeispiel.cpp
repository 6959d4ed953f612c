// The Hopfield example net: a 7 x 7 grid net in which the letters of hopfieldbuchstaben.h are
// stored with the model's Hopfieldspeicher, the code behind the pattern window's "!" button, so
// the file holds exactly what a user storing them would get. Every letter must come back
// unchanged from one recall pass; otherwise nothing is written.
#include <cstdio>
#include <exception>

#include "hopfieldbuchstaben.h"
#include "hopfieldspeicher.h"
#include "spezialnetze.h"

namespace nervalo::beispiel {
namespace {

Muster muster(const Hopfieldspeicher& speicher, const Buchstabe& b) {
    Muster m(Seite * Seite);
    for (int c = 0; c < Seite; ++c)
        for (int r = 0; r < Seite; ++r)
            m[speicher.Neuron(c, r)] = b.an(c, r);
    return m;
}

} // namespace

int HopfieldBeispielSchreiben(const char* pfad) {
    try {
        TNetz netz;
        BaueHopfieldGitter(netz, Seite, Seite);
        const Hopfieldspeicher speicher(Seite, Seite);
        for (const Buchstabe& b : HopfieldBuchstaben)
            speicher.Merken(netz, muster(speicher, b));
        netz.Speichern(pfad);
        // Checked on the net in memory, so the file keeps the state right after storing.
        for (const Buchstabe& b : HopfieldBuchstaben) {
            speicher.Holen(netz, muster(speicher, b));
            netz.Propagiere();
            if (speicher.Lesen(netz) != muster(speicher, b)) {
                std::fprintf(stderr, "Buchstabe %c ist nicht stabil\n", b.name);
                std::remove(pfad);
                return 1;
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace nervalo::beispiel
