// The commands of the learning curve and the decision map: opening the two windows, the pace of
// training, and saving the curve as a picture or a table. What the windows show comes from
// Lernbeobachtung.
#include <QGuiApplication>
#include <QScreen>
#include <QSpinBox>

#include "aufgabenform.h"
#include "ersetzedatei.h"
#include "fehler.h"
#include "kartenform.h"
#include "lernkurvenform.h"
#include "mainform.h"
#include "zahltext.h"

namespace nervalo {

const DateiDialog KurvenbildDialog{"Lernkurve als Bild speichern", "Bild (*.png)|*.png", "png",
                                   false, true};
const DateiDialog KurventabelleDialog{"Lernkurve als Tabelle speichern", "Tabelle (*.csv)|*.csv",
                                      "csv", false, true};

void TMainForm::Lernkurve1Click() {
    befehl([&] {
        if (!Lernkurvenfenster) {
            auto* f = new TLernkurvenForm(this);
            Lernkurvenfenster = f;
            f->TempoZeigen(tempo_.SchritteProSekunde());
            connect(&tempo_, &Trainingstempo::Geaendert, f,
                    [this, f] { f->TempoZeigen(tempo_.SchritteProSekunde()); });
            connect(f, &TLernkurvenForm::TempoGewaehlt, this, &TMainForm::TempoClick);
            connect(f, &TLernkurvenForm::LoeschenVerlangt, this,
                    [this] { befehl([&] { lernbeobachtung_.Leeren(); }); });
            connect(f, &TLernkurvenForm::BildSpeichernVerlangt, this,
                    [this] { befehl([&] { kurveAlsBildSpeichern(); }); });
            connect(f, &TLernkurvenForm::TabelleSpeichernVerlangt, this,
                    [this] { befehl([&] { kurveAlsTabelleSpeichern(); }); });
            lernbeobachtung_.Kurvenfenster(f);
            werkzeugfensterZeigen(*f, false);
        }
        Lernkurvenfenster->show();
        Lernkurvenfenster->raise();
    });
}

void TMainForm::Entscheidungskarte1Click() {
    befehl([&] {
        if (!Kartenfenster) {
            auto* f = new TKartenForm(this);
            Kartenfenster = f;
            lernbeobachtung_.Kartenfenster(f);
            werkzeugfensterZeigen(*f, true);
        }
        Kartenfenster->show();
        Kartenfenster->raise();
    });
}

void TMainForm::TempoClick(int schritteProSekunde) {
    befehl([&] { tempo_.Setzen(schritteProSekunde); });
}

void TMainForm::werkzeugfensterZeigen(QWidget& fenster, bool unten) {
    // At the right edge of the screen, the curve at the top and the map below it, where they
    // leave the net window and the task window in the middle free.
    const QScreen* bildschirm = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!bildschirm) return;
    const QRect frei = bildschirm->availableGeometry();
    const int x = frei.right() - fenster.width() - 16;
    const int y = unten ? frei.bottom() - fenster.height() - 40 : frei.top() + 90;
    fenster.move(std::max(x, frei.left()), std::max(y, frei.top()));
}

std::optional<Aufgabentabelle> TMainForm::aufgabentabelle() const {
    if (!Aufgabenfenster) return std::nullopt;
    const TAufgabenForm& f = *Aufgabenfenster;
    Aufgabentabelle tabelle;
    for (int r = 1; r <= f.SpinEdit1->value(); ++r) {
        Aufgabenzeile zeile;
        for (int s = 1; s <= Zuordnung.Spaltenzahl(); ++s) {
            try {
                zeile.push_back(TextZuZahl(f.Zelle(s, r)));
            } catch (const Fehler&) {
                zeile.push_back(std::nullopt); // the training step reports it when it gets there
            }
        }
        tabelle.push_back(std::move(zeile));
    }
    return tabelle;
}

void TMainForm::kurveAlsBildSpeichern() {
    if (!Lernkurvenfenster) return;
    const auto pfad = dialoge().DateiSpeichern(KurvenbildDialog);
    if (!pfad || !Lernkurvenfenster) return;
    lernbeobachtung_.Jetzt();
    const QByteArray png = Lernkurvenfenster->BildAlsPng();
    if (png.isEmpty()) throw Fehler("Das Bild der Lernkurve konnte nicht erzeugt werden.");
    ErsetzeDatei(*pfad, std::string(png.constData(), static_cast<std::size_t>(png.size())));
}

void TMainForm::kurveAlsTabelleSpeichern() {
    const auto pfad = dialoge().DateiSpeichern(KurventabelleDialog);
    if (!pfad) return;
    lernbeobachtung_.Jetzt();
    ErsetzeDatei(*pfad, LernkurveAlsTabelle(lernbeobachtung_.Kurve()));
}

} // namespace nervalo
