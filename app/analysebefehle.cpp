// The Hopfield analysis of the main window: remembering the stored patterns, opening the analysis
// window and filling it with the model's analysis of the net and the pattern window's state.
#include <algorithm>

#include "befehl.h"
#include "hopfieldform.h"
#include "mainform.h"

namespace nervalo {

void TMainForm::HopfieldAnalyse1Click() {
    befehl([&] {
        if (!Analysefenster) Analysefenster = new THopfieldAnalyseForm(Einstellungen, this);
        analyseNachfuehren();
        Analysefenster->show();
        Analysefenster->raise();
        Analysefenster->activateWindow();
    });
}

void TMainForm::GemerkteMusterVergessen() {
    GemerkteMuster.clear();
    Rekonstruktion = {};
    analyseNachfuehren();
}

void TMainForm::analyseNachfuehren() {
    Befehl([&] {
        // Neurons were added or deleted: the patterns no longer say anything about this net.
        const auto n = static_cast<std::size_t>(AktuellesNetz.Anzahl());
        if (std::any_of(GemerkteMuster.begin(), GemerkteMuster.end(),
                        [n](const GemerktesMuster& g) { return g.muster.size() != n; }))
            GemerkteMuster.clear();
        if (!Analysefenster) return;

        Analyseanzeige anzeige;
        anzeige.gemerkt = GemerkteMuster;
        anzeige.verlauf = &Rekonstruktion;
        std::vector<Muster> muster;
        for (const GemerktesMuster& g : GemerkteMuster)
            muster.push_back(g.muster);
        const bool fenster = HopfieldfensterOffen && Hopfieldfenster;
        if (fenster && Hopfieldspeicher(Hopfieldfenster->Spalten(), Hopfieldfenster->Zeilen())
                           .Passt(AktuellesNetz)) {
            const Muster zustand = Hopfieldfenster->Gittermuster();
            anzeige.analyse = Analysiere(AktuellesNetz, zustand, muster);
            anzeige.zustandAusVerlauf =
                Rekonstruktion.Begonnen() && Rekonstruktion.Zustand() == zustand;
        } else {
            anzeige.analyse = Analysiere(AktuellesNetz, muster);
            anzeige.ohneZustand =
                fenster ? QStringLiteral("Das Muster im Fenster „Hopfield“ passt nicht zum Netz.")
                        : QStringLiteral("Energie und Abstände gelten dem Muster im Fenster "
                                         "„Hopfield“ (Datei › Neue Lernaufgabe › Hopfield-Netz).");
        }
        Analysefenster->Zeigen(anzeige);
    });
}

} // namespace nervalo
