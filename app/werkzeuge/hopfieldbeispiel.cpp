// The Hopfield example net: a 7 x 7 grid net in which the letters of hopfieldbuchstaben.h are
// stored, each drawn on the pattern window's grid and stored with the main window's "!"
// operation, so the file holds exactly what a user storing them would get. Every letter must
// come back unchanged from one recall pass; otherwise nothing is written.
#include <QApplication>
#include <cstdio>
#include <exception>
#include <string>

#include "hopfieldbuchstaben.h"
#include "hopfieldform.h"
#include "mainform.h"
#include "spezialnetze.h"

namespace nervalo::beispiel {
namespace {

void zeichne(THopfieldForm& fenster, const Buchstabe& b) {
    for (int c = 0; c < Seite; ++c)
        for (int r = 0; r < Seite; ++r)
            fenster.SetzeZelle(c, r, b.an(c, r) ? "u" : "");
}

bool stabil(TMainForm& form, THopfieldForm& fenster, const Buchstabe& b) {
    zeichne(fenster, b);
    form.MusterHolen(fenster);
    form.AktuellesNetz.Propagiere();
    form.MusterSetzen(fenster);
    for (int c = 0; c < Seite; ++c)
        for (int r = 0; r < Seite; ++r)
            if ((fenster.Zelle(c, r) == "u") != b.an(c, r)) return false;
    return true;
}

} // namespace

int HopfieldBeispielSchreiben(const char* pfad) {
    // The main window needs a QApplication; nothing is shown.
    int argc = 3;
    char programm[] = "beispielnetz", option[] = "-platform", plattform[] = "offscreen";
    char* argv[] = {programm, option, plattform, nullptr};
    QApplication app(argc, argv);
    try {
        TMainForm form;
        BaueHopfieldGitter(form.AktuellesNetz, Seite, Seite);
        auto* fenster = new THopfieldForm(form, &form);
        form.Hopfieldfenster = fenster;
        fenster->Auslegen(Seite, Seite);
        for (const Buchstabe& b : HopfieldBuchstaben) {
            zeichne(*fenster, b);
            form.MusterMerken();
        }
        form.AktuellesNetz.Speichern(pfad);
        // Checked on the net in memory, so the file keeps the state right after storing.
        for (const Buchstabe& b : HopfieldBuchstaben)
            if (!stabil(form, *fenster, b)) {
                std::fprintf(stderr, "Buchstabe %c ist nicht stabil\n", b.name);
                std::remove(pfad);
                return 1;
            }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}

} // namespace nervalo::beispiel
