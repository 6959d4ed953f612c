// Hopfield pattern memory in the main window: opening the pattern window for a grid that fits
// the net, carrying patterns between the grid and the neurons, storing them by the Hebb rule and
// the recall loop.
//
// The cell in column c and row r of a grid with v rows belongs to the neuron at list position
// v · c + r (column by column, the order in which the Hopfield grid net is built). The grid's own
// column and row counts are used, and AnzahlInput and AnzahlHidden are left alone: they map an
// open learning task table to the neurons, and the grid is what the user sees.
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <cmath>
#include <cstdint>
#include <limits>

#include "befehl.h"
#include "fehler.h"
#include "gleitkomma.h"
#include "hopfieldform.h"
#include "mainform.h"
#include "zahltext.h"

namespace nervalo {
namespace {

const char* const Titel = "Hopfield-Muster";
const char* const Unpassend = "Die Anzahl der Spalten und Reihen passt nicht zum Netz!";
const char* const PunkteAusserhalb = "Die Anzahl der Punkte muss zwischen 1 und 60 liegen.";
const char* const NetzGeaendert = "Das Netz passt nicht mehr zum Muster: die Anzahl der Neuronen "
                                  "hat sich geändert.\nDie Rekonstruktion wurde beendet.";

// True when every cell of the grid has its neuron and every neuron its cell.
bool passt(const THopfieldForm& fenster, const TNetz& netz) {
    return static_cast<long long>(fenster.Spalten()) * fenster.Zeilen() == netz.Anzahl();
}

} // namespace

void TMainForm::HopfieldBtnClick() {
    Befehl([&] {
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
            dialoge().Fehler(Unpassend);
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
        // Laid out before it is shown, so that it is centred with its final size, and once more
        // when shown, when the label beside the grid has its real size.
        fenster->Auslegen(h, v);
        fenster->show();
        QCoreApplication::processEvents();
        if (fenster) fenster->Auslegen(h, v);
    });
}

void TMainForm::MusterHolen(THopfieldForm& fenster) {
    if (!passt(fenster, AktuellesNetz)) throw Fehler(Unpassend);
    const int h = fenster.Spalten();
    const int v = fenster.Zeilen();
    for (int c = 0; c < h; ++c)
        for (int r = 0; r < v; ++r) {
            TGrafikNeuron& n = AktuellesNetz.Neuron(v * c + r);
            n.Schichttyp = Inputschicht;
            n.SetzeOutput(fenster.Zelle(c, r) == "u" ? 1.0f : -1.0f);
        }
    ZeichnungAktualisieren();
    // Every input slot j of every neuron gets x_j; this also makes every neuron a hidden one
    // again, so that the next pass computes its output.
    const int anzahl = AktuellesNetz.Anzahl();
    for (int i = 0; i < anzahl; ++i) {
        TGrafikNeuron& n = AktuellesNetz.Neuron(i);
        for (int j = 0; j < anzahl; ++j)
            n.SetzeInput(j, AktuellesNetz.Neuron(j).Output);
    }
}

void TMainForm::MusterSetzen(THopfieldForm& fenster) {
    if (!passt(fenster, AktuellesNetz)) throw Fehler(Unpassend);
    const int h = fenster.Spalten();
    const int v = fenster.Zeilen();
    for (int c = 0; c < h; ++c)
        for (int r = 0; r < v; ++r) {
            const long double abstand = AktuellesNetz.Neuron(v * c + r).Output - 1.0L;
            fenster.SetzeZelle(c, r, std::fabs(abstand) < 0.1L ? "u" : "");
        }
}

void TMainForm::MusterMerken() {
    if (!Hopfieldfenster) return;
    MusterHolen(*Hopfieldfenster);
    // Hebb rule over all ordered pairs, each neuron with itself included; no scaling.
    const int n = AktuellesNetz.Anzahl();
    for (int i = 0; i < n; ++i) {
        const long double xi = AktuellesNetz.Neuron(i).Output;
        for (int j = 0; j < n; ++j) {
            const long double produkt = gk::mul(xi, AktuellesNetz.Neuron(j).Output);
            AktuellesNetz.SetzeGewicht(i, j, gk::speichere(AktuellesNetz.Gewicht(i, j) + produkt));
        }
    }
    ZeichnungAktualisieren();
}

void TMainForm::MusterErkennen() {
    // The loop belongs to the window it started with, also when another one is opened
    // meanwhile. A window closed during the loop stays alive until the stop test below has
    // seen its Abbruch.
    const QPointer<THopfieldForm> fenster = Hopfieldfenster;
    if (!fenster) return;
    fenster->IntEdit1->SetzeNumber(0);
    MusterHolen(*fenster);
    std::int32_t durchgaenge = 0;
    while (fenster && !fenster->Abbruch) {
        // Neurons may have been deleted or another net loaded during the wait.
        if (!passt(*fenster, AktuellesNetz)) {
            fenster->Abbruch = true; // a recall nested in this one ends as well
            throw Fehler(NetzGeaendert);
        }
        if (durchgaenge < std::numeric_limits<std::int32_t>::max()) ++durchgaenge;
        AktuellesNetz.Propagiere();
        ZeichnungAktualisieren();
        MusterSetzen(*fenster);
        fenster->IntEdit1->SetzeNumber(durchgaenge);
        Pause(Recallpause);
        QCoreApplication::processEvents();
    }
}

void TMainForm::HopfieldfensterGeschlossen() {
    HopfieldfensterOffen = false;
}

void TMainForm::HopfieldfensterGeoeffnet() {
    HopfieldfensterOffen = true;
}

} // namespace nervalo
