// The calculation of a neuron in the "Rechenweg" window and the changes of the last learning
// step in the drawing. The window follows the neuron last clicked in the net window or chosen in
// its drop-down; it is shown anew after every command and with every redraw of the net, during a
// training loop once per frame with the net.
#include <QByteArray>

#include "arbeitsblatt.h"
#include "bildausgabe.h"
#include "ersetzedatei.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "rechenwegform.h"

namespace nervalo {

const DateiDialog ArbeitsblattDialog{"Arbeitsblatt speichern", "HTML-Seite (*.html)|*.html", "html",
                                     false, true};

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
            connect(f, &TRechenwegForm::ArbeitsblattVerlangt, this,
                    [this] { befehl([&] { arbeitsblattSpeichern(); }); });
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

void TMainForm::arbeitsblattSpeichern() {
    const std::string vorgabe = rechenneuron_ >= 0 && rechenneuron_ < AktuellesNetz.Anzahl()
                                    ? Neuronname(AktuellesNetz, rechenneuron_)
                                    : "alle";
    const auto text = dialoge().EingabeFrage(
        "Arbeitsblatt", "Neuronen (Bezeichnungen durch Komma getrennt, oder „alle“):", vorgabe);
    if (!text) return;
    const std::vector<int> neuronen = NeuronenAusText(AktuellesNetz, *text);
    if (neuronen.empty()) {
        dialoge().Hinweis("Bitte mindestens ein Neuron nennen.");
        return;
    }
    const auto pfad = dialoge().DateiSpeichern(ArbeitsblattDialog);
    if (!pfad) return;
    // The picture as SVG in the page itself: it prints sharp at any size.
    const std::string svg = BildDaten(AktuellesNetz, Bildformat::Svg);
    const QByteArray base64 = QByteArray(svg.data(), static_cast<qsizetype>(svg.size())).toBase64();
    ErsetzeDatei(*pfad, Arbeitsblatt(AktuellesNetz, neuronen,
                                     "data:image/svg+xml;base64," + base64.toStdString()));
}

void TMainForm::NeuronAngeklickt(int i) {
    rechenneuron_ = i;
    RechenwegNachfuehren();
}

} // namespace nervalo
