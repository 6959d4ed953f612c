// The training commands of the main window: the learning task window and its files, one
// training step on a task (the model's Lernschritt), the single forward and backward steps of
// the tool panel, random weights and the learning rate.
#include <QAbstractItemModel>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolButton>
#include <optional>
#include <string>
#include <vector>

#include "aufgabenform.h"
#include "befehl.h"
#include "bildtakt.h"
#include "bilduhr.h"
#include "lernschritt.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "trainingsanzeige.h"
#include "zahltext.h"
#include "zufall.h"
#include "zumschluss.h"

namespace nervalo {

void TMainForm::TrainiereBtnClick() {
    befehl([&] {
        if (AufgabenfensterOffen) return; // never a second task window
        auto* fenster = new TAufgabenForm(*this, this);
        Aufgabenfenster = fenster;
        anzeige_ = new Trainingsanzeige(*fenster, [this] { return tempo_.Hoechstes(); });
        // The net's last state goes to the screen when a loop ends.
        connect(fenster, &TAufgabenForm::SchleifeBeendet, this, [this] {
            Befehl([&] {
                if (bildtakt_) bildtakt_->Jetzt();
                lernbeobachtung_.Jetzt();
            });
        });
        // Stop ends a step's wait for its turn at once.
        connect(fenster, &TAufgabenForm::AbbruchVerlangt, &tempo_, &Trainingstempo::Wecken);
        // The total error follows the table.
        QAbstractItemModel* tabelle = fenster->StringGrid1->model();
        const auto geaendert = [this] { lernbeobachtung_.Geaendert(); };
        connect(tabelle, &QAbstractItemModel::dataChanged, &lernbeobachtung_, geaendert);
        connect(tabelle, &QAbstractItemModel::rowsInserted, &lernbeobachtung_, geaendert);
        connect(tabelle, &QAbstractItemModel::rowsRemoved, &lernbeobachtung_, geaendert);
        AufgabenfensterOffen = true;

        // The three counts add up to at most the net's size, so every column names a neuron.
        Zuordnung = Lernzuordnung::AusNetz(AktuellesNetz);
        fenster->SetzeSpaltenzahlDerTabelle(Zuordnung.Spaltenzahl() + 1);
        for (int s = 0; s < Zuordnung.Spaltenzahl(); ++s)
            fenster->SetzeZelle(s + 1, 0, AktuellesNetz.Neuron(Zuordnung.Neuron(s)).Bezeichnung);
        fenster->Spaltenzahl = Zuordnung.Spaltenzahl();
        fenster->FormActivate();
    });
}

void TMainForm::AufgLadenBtnClick() {
    befehl([&] {
        const auto pfad = dialoge().DateiOeffnen(OpenDialog2);
        if (!pfad) return;
        TrainiereBtnClick(); // opens the task window laid out for the net, unless one is open
        if (!Aufgabenfenster) return;
        Aufgabenfenster->Laden(*pfad);
        lernbeobachtung_.Leeren(); // new tasks, a new curve
    });
}

void TMainForm::AufgSpeichernBtnClick() {
    befehl([&] {
        if (!AufgabenfensterOffen) return; // saving needs the learning task window
        const auto pfad = dialoge().DateiSpeichern(SaveDialog2);
        if (!pfad || !Aufgabenfenster) return;
        if (Aufgabenfenster->TabelleGueltig())
            Aufgabenfenster->Sichern(*pfad);
        else
            dialoge().Hinweis(
                "Lernaufgabe konnte nicht gespeichert werden, da Aufgabentabelle fehlerhaft!");
    });
}

void TMainForm::AufgabenfensterGeschlossen() {
    AufgabenfensterOffen = false;
    lernbeobachtung_.Geaendert();
    BefehleAktualisieren();
}

void TMainForm::zeichnungVormerken() {
    if (!bildtakt_)
        bildtakt_ = new Bildtakt(
            [this] {
                if (NetzVorhanden && Netzfenster) Netzfenster->Aktualisieren();
                RechenwegNachfuehren();
            },
            this);
    bildtakt_->Vormerken();
}

void TMainForm::Trainieren() {
    // The steps of a training loop are the loop's step of the undo history; a step on its own is
    // one.
    std::optional<Aufzeichnung> einzeln;
    if (trainingsschleifen_.empty()) einzeln.emplace(verlauf_, AktuellesNetz, "Trainingsschritt");
    try {
        trainingsschritt();
    } catch (...) {
        // The step ends here and so does its loop: the screen shows what the net holds and the
        // steps done before.
        zeichnungVormerken();
        bildtakt_->Jetzt();
        if (anzeige_) anzeige_->Schreiben();
        lernbeobachtung_.Jetzt();
        throw;
    }
}

void TMainForm::trainingsschritt() {
    const QPointer<TAufgabenForm> fenster = Aufgabenfenster;
    if (!fenster || !anzeige_) return;
    const std::int64_t beginn = bilduhr().Millisekunden();
    // The row's texts as the step begins; the step converts them column by column.
    std::vector<std::string> zeile(Zuordnung.Spaltenzahl());
    for (int s = 0; s < Zuordnung.Spaltenzahl(); ++s)
        zeile[s] = fenster->Zelle(s + 1, fenster->AktuelleAufgabe);

    const Lernergebnis e = Lernschritt(
        AktuellesNetz, Zuordnung, [&](int s) { return TextZuZahl(zeile[s]); }, Sigma);
    // The redraws of a step (new inputs, new outputs, new weights) go to the screen at most once
    // per frame: drawing would bound the training speed otherwise.
    zeichnungVormerken();
    // A message box of the step lets events run: the window may be gone after it.
    if (!fenster || !anzeige_) return;
    // A neuron that is no input neuron refused its value with a message. A loop would bring the
    // same modal box back at once in every step, with no moment to press "Stop": the loop ends
    // after this step.
    if (!e.eingabenAngenommen) fenster->Abbruch = true;

    // The error goes to FehlerEdit, and IterationenEdit counts one more step.
    anzeige_->Schritt(e.fehler);
    lernbeobachtung_.Schritt(e.fehler);

    if (tempo_.Hoechstes()) {
        bildtakt_->Takt();
        QCoreApplication::processEvents();
        return;
    }
    // At a set pace every step is shown completely before the next: the net, the task row, the
    // error and the count, the curve and the map. Then the step waits for its turn.
    bildtakt_->Jetzt();
    anzeige_->Schreiben();
    fenster->VorgemerkteZeileSetzen();
    lernbeobachtung_.Jetzt();
    QCoreApplication::processEvents();
    tempo_.Warten(beginn, [fenster] { return !fenster || fenster->Abbruch; });
}

void TMainForm::VorBtnClick() {
    befehl("Netz propagieren", [&] {
        const ZumSchluss nachher([this] { ZeichnungAktualisieren(); });
        AktuellesNetz.Propagiere();
    });
}

void TMainForm::BackBtnClick() {
    befehl("Netz backpropagieren", [&] {
        const ZumSchluss nachher([this] { ZeichnungAktualisieren(); });
        AktuellesNetz.Backpropagiere(Sigma);
    });
}

void TMainForm::ZufallBtnClick() {
    befehl("Gewichte zufällig belegen", [&] {
        zufall().SetzeAusUhr();
        AktuellesNetz.Zufallsgewichte(1.0f);
        lernbeobachtung_.Leeren(); // new weights learn anew
        ZeichnungAktualisieren();
    });
}

void TMainForm::SigmaBtnClick() {
    befehl([&] {
        const auto text = dialoge().EingabeFrage("Lernrate", "Sigma", SigmaText(Sigma));
        if (!text) return; // Cancel keeps the learning rate
        // A typed point is the decimal comma; text that doesn't convert keeps Sigma.
        Sigma = TextZuZahl(PunktZuKomma(*text));
    });
}

} // namespace nervalo
