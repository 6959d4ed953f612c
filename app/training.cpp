// Perceptron training in the main window: the learning task window's commands, one training
// step on a task, the single forward and backward steps of the tool panel, random weights and
// the learning rate.
#include <QCoreApplication>
#include <QLineEdit>
#include <QToolButton>
#include <string>

#include "aufgabenform.h"
#include "befehl.h"
#include "bildtakt.h"
#include "fehler.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "trainingsanzeige.h"
#include "zahltext.h"
#include "zufall.h"

namespace nervalo {
namespace {

// Redraws the net when it goes out of scope, also when the step before it failed half-way: the
// picture then shows what the net holds.
class Nachzeichnen {
  public:
    explicit Nachzeichnen(TMainForm& f) : f_(f) {}
    ~Nachzeichnen() { f_.ZeichnungAktualisieren(); }
    Nachzeichnen(const Nachzeichnen&) = delete;
    Nachzeichnen& operator=(const Nachzeichnen&) = delete;

  private:
    TMainForm& f_;
};

} // namespace

void TMainForm::TrainiereBtnClick() {
    Befehl([&] {
        if (AufgabenfensterOffen) return; // never a second task window
        auto* fenster = new TAufgabenForm(*this, this);
        Aufgabenfenster = fenster;
        anzeige_ = new Trainingsanzeige(*fenster);
        // The net's last state goes to the screen when a loop ends.
        connect(fenster, &TAufgabenForm::SchleifeBeendet, this, [this] {
            Befehl([&] {
                if (bildtakt_) bildtakt_->Jetzt();
            });
        });
        AufgabenfensterOffen = true;

        AnzahlInput = AnzahlHidden = AnzahlOutput = 0;
        for (int i = 0; i < AktuellesNetz.Anzahl(); ++i) {
            switch (AktuellesNetz.Neuron(i).Schichttyp) {
            case Inputschicht:
                ++AnzahlInput;
                break;
            case Hiddenschicht:
                ++AnzahlHidden;
                break;
            case Outputschicht:
                ++AnzahlOutput;
                break;
            default:
                break;
            }
        }
        // Columns belong to neurons by list position: the inputs first, then the outputs behind
        // the hidden neurons. The three counts add up to at most the net's size, so every
        // position names a neuron.
        fenster->SetzeSpaltenzahlDerTabelle(AnzahlInput + AnzahlOutput + 1);
        for (int i = 0; i < AnzahlInput; ++i)
            fenster->SetzeZelle(i + 1, 0, AktuellesNetz.Neuron(i).Bezeichnung);
        for (int k = 0; k < AnzahlOutput; ++k)
            fenster->SetzeZelle(AnzahlInput + k + 1, 0,
                                AktuellesNetz.Neuron(AnzahlInput + AnzahlHidden + k).Bezeichnung);
        fenster->Spaltenzahl = AnzahlInput + AnzahlOutput;
        fenster->FormActivate();
        AufgSpeichernBtn->setEnabled(true);
    });
}

void TMainForm::AufgabenfensterGeschlossen() {
    AufgabenfensterOffen = false;
    AufgSpeichernBtn->setEnabled(false);
}

TGrafikNeuron& TMainForm::lernneuron(int i) {
    // The net can change between two steps (and while a message box of a step is open): a
    // neuron deleted since the table was built must end the training, not be read.
    const int noetig = AnzahlOutput > 0 ? AnzahlInput + AnzahlHidden + AnzahlOutput : AnzahlInput;
    if (i >= AktuellesNetz.Anzahl())
        throw Fehler("Das Netz passt nicht mehr zur Lernaufgabe: Die Tabelle braucht " +
                     std::to_string(noetig) + " Neuronen, das Netz hat nur noch " +
                     std::to_string(AktuellesNetz.Anzahl()) + ".");
    return AktuellesNetz.Neuron(i);
}

void TMainForm::zeichnungVormerken() {
    if (!bildtakt_)
        bildtakt_ = new Bildtakt(
            [this] {
                if (NetzVorhanden && Netzfenster) Netzfenster->Aktualisieren();
            },
            this);
    bildtakt_->Vormerken();
}

void TMainForm::Trainieren() {
    try {
        trainingsschritt();
    } catch (...) {
        // The step ends here and so does its loop: the screen shows what the net holds and the
        // steps done before.
        if (bildtakt_) bildtakt_->Jetzt();
        if (anzeige_) anzeige_->Schreiben();
        throw;
    }
}

void TMainForm::trainingsschritt() {
    const QPointer<TAufgabenForm> fenster = Aufgabenfenster;
    if (!fenster || !anzeige_) return;
    const std::int32_t r = fenster->AktuelleAufgabe;

    // Inputs and targets. A message box of SetzeOutput lets events run: the window may be gone
    // after it, and the net may have changed.
    for (std::int32_t i = 0; i < AnzahlInput; ++i) {
        const float wert = TextZuZahl(fenster->Zelle(i + 1, r));
        TGrafikNeuron& neuron = lernneuron(i);
        const bool vorgebbar = neuron.Schichttyp == Inputschicht;
        neuron.SetzeOutput(wert);
        if (!fenster) return;
        // A neuron that is no input neuron refuses its value with a message. A loop would bring
        // the same modal box back at once in every step, with no moment to press "Stop": the
        // loop ends after this step.
        if (!vorgebbar) fenster->Abbruch = true;
    }
    for (std::int32_t k = 0; k < AnzahlOutput; ++k) {
        const float wert = TextZuZahl(fenster->Zelle(AnzahlInput + k + 1, r));
        lernneuron(AnzahlInput + AnzahlHidden + k).Sollwert = wert;
    }

    // The three redraws of a step (new inputs, new outputs, new weights) go to the screen at
    // most once per frame: drawing would bound the training speed otherwise.
    zeichnungVormerken();
    AktuellesNetz.Propagiere();
    zeichnungVormerken();
    AktuellesNetz.Backpropagiere(Sigma);
    // The error of this task's forward pass: backpropagation changes weights, not outputs.
    const float e = AktuellesNetz.Fehler();
    zeichnungVormerken();

    // The error goes to FehlerEdit, and IterationenEdit counts one more step.
    anzeige_->Schritt(e);

    bildtakt_->Takt();
    QCoreApplication::processEvents();
}

void TMainForm::VorBtnClick() {
    Befehl([&] {
        Nachzeichnen nachher(*this);
        AktuellesNetz.Propagiere();
    });
}

void TMainForm::BackBtnClick() {
    Befehl([&] {
        Nachzeichnen nachher(*this);
        AktuellesNetz.Backpropagiere(Sigma);
    });
}

void TMainForm::ZufallBtnClick() {
    Befehl([&] {
        zufall().SetzeAusUhr();
        AktuellesNetz.Zufallsgewichte(1.0f);
        ZeichnungAktualisieren();
    });
}

void TMainForm::SigmaBtnClick() {
    Befehl([&] {
        const auto text = dialoge().EingabeFrage("Lernrate", "Sigma", SigmaText(Sigma));
        if (!text) return; // Cancel keeps the learning rate
        // A typed point is the decimal comma; text that doesn't convert keeps Sigma.
        Sigma = TextZuZahl(PunktZuKomma(*text));
    });
}

} // namespace nervalo
