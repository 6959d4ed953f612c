// The undo history of the main window: a step back or forward, the presses and drags of the net
// window and the training loops as recorded changes, and a fresh history for a new or opened
// net. The commands record themselves (befehl with a name); see model/verlauf.h.
#include <any>

#include "mainform.h"

namespace nervalo {

void TMainForm::verlaufEinrichten() {
    // The patterns stored with "!" describe the weights: they go back and forward with them.
    verlauf_.BeiwerkNehmen = [this] { return std::any(GemerkteMuster); };
    verlauf_.BeiwerkSetzen = [this](const std::any& beiwerk) {
        if (const auto* m = std::any_cast<std::vector<GemerktesMuster>>(&beiwerk))
            GemerkteMuster = *m;
    };
}

void TMainForm::verlaufNeu() {
    verlauf_.Leeren(AktuellesNetz);
    editorAenderung_.reset(); // the net window's drag, if any, is gone with its net
}

void TMainForm::RueckgaengigClick() {
    verlaufsschritt(&Verlauf::Rueckgaengig);
}

void TMainForm::WiederholenClick() {
    verlaufsschritt(&Verlauf::Wiederholen);
}

void TMainForm::verlaufsschritt(bool (Verlauf::*schritt)(TNetz&)) {
    befehl([&] {
        if (!(verlauf_.*schritt)(AktuellesNetz)) return;
        // The course of the last recall belongs to the net it ran on.
        Rekonstruktion = {};
        ZeichnungAktualisieren();
    });
}

void TMainForm::AenderungBeginnt() {
    Befehl([&] {
        if (!editorAenderung_)
            editorAenderung_ = verlauf_.Beginnen(AktuellesNetz, "Netz bearbeiten");
    });
    BefehleAktualisieren(); // no step back or forward during a drag
}

void TMainForm::AenderungEndet(const char* was) {
    if (!editorAenderung_) return;
    const Verlauf::Nummer nummer = *editorAenderung_;
    editorAenderung_.reset();
    Befehl([&] { verlauf_.Beenden(AktuellesNetz, nummer, was); });
    BefehleAktualisieren();
}

void TMainForm::SchleifeBeginnt() {
    Befehl([&] {
        trainingsschleifen_.push_back(
            verlauf_.Beginnen(AktuellesNetz, "Training", Verlauf::Art::Schleife));
    });
    BefehleAktualisieren(); // no step back or forward while the loop runs
}

void TMainForm::SchleifeEndet() {
    Befehl([&] {
        if (trainingsschleifen_.empty()) return;
        const Verlauf::Nummer nummer = trainingsschleifen_.back();
        trainingsschleifen_.pop_back();
        verlauf_.Beenden(AktuellesNetz, nummer);
    });
    BefehleAktualisieren();
}

} // namespace nervalo
