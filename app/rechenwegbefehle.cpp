// The calculation of a neuron in the "Rechenweg" window and the changes of the last learning
// step in the drawing. The window follows the neuron last clicked in the net window or chosen in
// its drop-down; it is shown anew after every command and with every redraw of the net, during a
// training loop once per frame with the net.
#include "mainform.h"
#include "netzgrafform.h"
#include "rechenwegform.h"

namespace nervalo {

void TMainForm::Aenderungen1Click() {
    befehl([&] {
        aenderungen_ = !aenderungen_;
        ZeichnungAktualisieren();
    });
}

void TMainForm::Rechenweg1Click() {
    befehl([&] {
        if (!Rechenwegfenster) {
            auto* f = new TRechenwegForm(this);
            Rechenwegfenster = f;
            connect(f, &TRechenwegForm::NeuronGewaehlt, this, [this](int i) {
                befehl([&] {
                    rechenneuron_ = i;
                    ZeichnungAktualisieren();
                });
            });
            // The highlight goes with the window.
            connect(
                f, &TRechenwegForm::Geschlossen, this,
                [this] { befehl([&] { ZeichnungAktualisieren(); }); }, Qt::QueuedConnection);
            werkzeugfensterZeigen(*f, true);
        }
        if (rechenneuron_ < 0 && AktuellesNetz.Anzahl() > 0) rechenneuron_ = 0;
        Rechenwegfenster->show();
        Rechenwegfenster->raise();
        ZeichnungAktualisieren();
    });
}

void TMainForm::RechenwegNachfuehren() {
    if (!Rechenwegfenster || !Rechenwegfenster->isVisible()) return;
    Befehl([&] {
        if (rechenneuron_ >= AktuellesNetz.Anzahl()) rechenneuron_ = AktuellesNetz.Anzahl() - 1;
        Rechenwegfenster->Zeigen(AktuellesNetz, rechenneuron_);
    });
}

Zusatzanzeige TMainForm::Zusatz() const {
    return {.aenderungen = aenderungen_,
            .hervorgehoben = Rechenwegfenster ? Rechenwegfenster->Hervorgehoben() : -1};
}

void TMainForm::NeuronAngeklickt(int i) {
    rechenneuron_ = i;
    RechenwegNachfuehren();
}

} // namespace nervalo
