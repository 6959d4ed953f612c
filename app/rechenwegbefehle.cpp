// The calculation of a neuron in the "Rechenweg" window and the changes of the last learning
// step in the drawing. The window follows the neuron last clicked in the net window or chosen in
// its drop-down; it is shown anew after every command and with every redraw of the net, during a
// training loop once per frame with the net.
#include <QByteArray>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>

#include "arbeitsblatt.h"
#include "bildausgabe.h"
#include "ersetzedatei.h"
#include "mainform.h"
#include "netzgrafform.h"
#include "rechenwegform.h"

namespace nervalo {

const DateiDialog ArbeitsblattDialog{"Arbeitsblatt speichern", "HTML-Seite (*.html)|*.html", "html",
                                     false, true};

namespace {

// The net's SVG picture cut to the part its neurons cover, with room for the labels and
// weights around them, so that the sheet shows the net as large as the page allows.
std::string netzAusschnitt(const TNetz& netz) {
    QString svg = QString::fromStdString(BildDaten(netz, Bildformat::Svg));
    if (netz.Anzahl() == 0) return svg.toStdString();
    // 64 bits: a damaged file may place a neuron anywhere.
    constexpr long long Rand = 40;
    long long x0 = BildBreite, y0 = BildHoehe, x1 = 0, y1 = 0;
    for (int i = 0; i < netz.Anzahl(); ++i) {
        const TGrafikNeuron& n = netz.Neuron(i);
        const long long r = std::abs(static_cast<long long>(n.Radius)) + Rand;
        x0 = std::min(x0, n.X - r);
        y0 = std::min(y0, n.Y - r);
        x1 = std::max(x1, n.X + r);
        y1 = std::max(y1, n.Y + r);
    }
    x0 = std::clamp<long long>(x0, 0, BildBreite - 1);
    y0 = std::clamp<long long>(y0, 0, BildHoehe - 1);
    x1 = std::clamp<long long>(x1, x0 + 1, BildBreite);
    y1 = std::clamp<long long>(y1, y0 + 1, BildHoehe);
    // The root element's size and view box; what lies outside the box is not shown.
    static const QRegularExpression kopf(
        QStringLiteral(R"(<svg width="[^"]*" height="[^"]*"\s+viewBox="[^"]*")"));
    svg.replace(kopf, QStringLiteral(R"(<svg width="%1" height="%2" viewBox="%3 %4 %1 %2")")
                          .arg(x1 - x0)
                          .arg(y1 - y0)
                          .arg(x0)
                          .arg(y0));
    return svg.toStdString();
}

} // namespace

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
    const std::string svg = netzAusschnitt(AktuellesNetz);
    const QByteArray base64 = QByteArray(svg.data(), static_cast<qsizetype>(svg.size())).toBase64();
    ErsetzeDatei(*pfad, Arbeitsblatt(AktuellesNetz, neuronen,
                                     "data:image/svg+xml;base64," + base64.toStdString()));
}

void TMainForm::NeuronAngeklickt(int i) {
    rechenneuron_ = i;
    RechenwegNachfuehren();
}

} // namespace nervalo
