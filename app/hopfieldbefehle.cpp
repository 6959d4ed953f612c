// The Hopfield commands of the main window: opening the pattern window for a grid that fits the
// net, carrying patterns between the grid and the model's Hopfieldspeicher, and the recall loop.
//
// The grid's own column and row counts are used, and AnzahlInput and AnzahlHidden are left
// alone: they map an open learning task table to the neurons, and the grid is what the user
// sees.
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <cstdint>
#include <limits>

#include "befehl.h"
#include "fehler.h"
#include "hopfieldform.h"
#include "hopfieldspeicher.h"
#include "mainform.h"
#include "pause.h"
#include "zahltext.h"
#include "zumschluss.h"

namespace nervalo {
namespace {

const char* const Titel = "Hopfield-Muster";
const char* const PunkteAusserhalb = "Die Anzahl der Punkte muss zwischen 1 und 60 liegen.";
const char* const NetzPasstNicht = "Das Netz passt nicht mehr zum Muster: die Anzahl der Neuronen "
                                   "hat sich geändert.\nDie Rekonstruktion wurde beendet.";

Hopfieldspeicher speicher(const THopfieldForm& fenster) {
    return {fenster.Spalten(), fenster.Zeilen()};
}

} // namespace

void TMainForm::HopfieldBtnClick() {
    befehl([&] {
        // One pattern window at a time: the open one comes to the front.
        if (HopfieldfensterOffen && Hopfieldfenster) {
            Hopfieldfenster->show();
            Hopfieldfenster->raise();
            Hopfieldfenster->activateWindow();
            return;
        }
        const std::int32_t h =
            TextZuGanzzahl(dialoge().EingabeBox(Titel, "Anzahl der horizontalen Punkte", "7"));
        const std::int32_t v =
            TextZuGanzzahl(dialoge().EingabeBox(Titel, "Anzahl der vertikalen Punkte", "7"));
        // In 64 bits: two large answers must not wrap around to the neuron count.
        const std::int64_t punkte = static_cast<std::int64_t>(h) * v;
        const int anzahl = AktuellesNetz.Anzahl();
        ShowHint(QString::number(punkte) + QStringLiteral(": ") + QString::number(anzahl));
        if (punkte != anzahl) {
            dialoge().Fehler(GitterUnpassend);
            return;
        }
        // Two negative sizes can multiply to the neuron count; a grid holds 1 to 60 columns
        // and rows.
        if (h < 1 || v < 1 || h > MaxNeuronen || v > MaxNeuronen) {
            dialoge().Fehler(PunkteAusserhalb);
            return;
        }

        QPointer<THopfieldForm> fenster = new THopfieldForm(*this, this);
        Hopfieldfenster = fenster;
        HopfieldfensterOffen = true;
        connect(fenster, &THopfieldForm::ZellenGeaendert, this, [this] { analyseNachfuehren(); });
        // Laid out before it is shown, so that it is centred with its final size, and once more
        // when shown, when the label beside the grid has its real size.
        fenster->Auslegen(h, v);
        fenster->show();
        QCoreApplication::processEvents();
        if (fenster) fenster->Auslegen(h, v);
    });
}

void TMainForm::MusterHolen(THopfieldForm& fenster) {
    speicher(fenster).Holen(AktuellesNetz, fenster.Gittermuster());
    ZeichnungAktualisieren();
}

void TMainForm::MusterSetzen(THopfieldForm& fenster) {
    const Hopfieldspeicher s = speicher(fenster);
    const Muster m = s.Lesen(AktuellesNetz);
    for (int c = 0; c < s.Spalten(); ++c)
        for (int r = 0; r < s.Zeilen(); ++r)
            fenster.SetzeZelle(c, r, m[s.Neuron(c, r)] ? "u" : "");
}

void TMainForm::MusterMerken() {
    if (!Hopfieldfenster) return;
    // The commands are derived anew after the step has been recorded (declared first, ends last).
    const ZumSchluss danach([this] { BefehleAktualisieren(); });
    const Aufzeichnung aufzeichnung(verlauf_, AktuellesNetz, "Muster einprägen");
    const THopfieldForm& fenster = *Hopfieldfenster;
    const Muster m = fenster.Gittermuster();
    speicher(fenster).Merken(AktuellesNetz, m);
    GemerkteMuster.push_back({m, fenster.Spalten(), fenster.Zeilen()});
    ZeichnungAktualisieren();
    analyseNachfuehren();
}

void TMainForm::MusterErkennen() {
    // The loop belongs to the window it started with, also when another one is opened
    // meanwhile. A window closed during the loop stays alive until the stop test below has
    // seen its Abbruch.
    const QPointer<THopfieldForm> fenster = Hopfieldfenster;
    if (!fenster) return;
    // The whole recall is one step of the undo history, which waits while it runs.
    const ZumSchluss danach([this] { BefehleAktualisieren(); });
    const Aufzeichnung aufzeichnung(verlauf_, AktuellesNetz, "Muster rekonstruieren",
                                    Verlauf::Art::Schleife);
    BefehleAktualisieren();
    fenster->IntEdit1->SetzeNumber(0);
    MusterHolen(*fenster);
    const Muster start = fenster->Gittermuster();
    Rekonstruktion.Beginnen(start, Energie(AktuellesNetz, start));
    analyseNachfuehren();
    std::int32_t durchgaenge = 0;
    while (fenster && !fenster->Abbruch) {
        // Neurons may have been deleted or another net loaded during the wait.
        if (!speicher(*fenster).Passt(AktuellesNetz)) {
            fenster->Abbruch = true; // a recall nested in this one ends as well
            throw Fehler(NetzPasstNicht);
        }
        if (durchgaenge < std::numeric_limits<std::int32_t>::max()) ++durchgaenge;
        AktuellesNetz.Propagiere();
        ZeichnungAktualisieren();
        MusterSetzen(*fenster);
        fenster->IntEdit1->SetzeNumber(durchgaenge);
        const Muster zustand = fenster->Gittermuster();
        const bool stabil = Rekonstruktion.Durchgang(zustand, Energie(AktuellesNetz, zustand));
        analyseNachfuehren();
        // The analysis window's settings hold while it is open; without it the recall runs on
        // every Recallpause until "Stop".
        if (Analysefenster && Einstellungen.anhalten && stabil) {
            fenster->Abbruch = true; // a recall nested in this one ends as well
            break;
        }
        Pause(Analysefenster ? Einstellungen.takt : Recallpause);
        QCoreApplication::processEvents();
    }
}

void TMainForm::HopfieldfensterGeschlossen() {
    HopfieldfensterOffen = false;
    analyseNachfuehren(); // without the window there is no state to analyse
}

void TMainForm::HopfieldfensterGeoeffnet() {
    HopfieldfensterOffen = true;
}

} // namespace nervalo
