#include "trainingsanzeige.h"

#include <QLineEdit>
#include <limits>

#include "aufgabenform.h"
#include "befehl.h"
#include "bildtakt.h"
#include "intedit.h"
#include "zahltext.h"

namespace nervalo {

Trainingsanzeige::Trainingsanzeige(TAufgabenForm& fenster, std::function<bool()> imBildtakt)
    : QObject(&fenster), fenster_(fenster) {
    schritte_ = fenster_.IterationenEdit->Number();
    // A loop that starts sets the count to 0; whatever else writes the field sets the count too.
    connect(fenster_.IterationenEdit, &QLineEdit::textChanged, this, [this] {
        if (!schreibe_) Befehl([&] { schritte_ = fenster_.IterationenEdit->Number(); });
    });
    // What the loop's last steps left outstanding is shown when it ends.
    connect(&fenster_, &TAufgabenForm::SchleifeBeendet, this,
            [this] { Befehl([&] { Schreiben(); }); });
    new Fenstertakt(
        &fenster_,
        [this, imBildtakt = std::move(imBildtakt)] {
            return fenster_.LaeuftSchleife() && imBildtakt();
        },
        [this] { Schreiben(); });
}

void Trainingsanzeige::Schritt(float fehler) {
    // A run of many hours must not wrap around to a negative count.
    if (schritte_ < std::numeric_limits<std::int32_t>::max()) ++schritte_;
    fehler_ = fehler;
    // The first step after a reset is written at once, so that the field never shows 0 while
    // steps are outstanding: a reset to 0 then always changes the text and is seen.
    if (!fenster_.LaeuftSchleife() || schritte_ == 1) {
        offen_ = true;
        Schreiben();
    } else if (!offen_) {
        offen_ = true;
        fenster_.IterationenEdit->update(); // asks for the repaint that writes the numbers
    }
}

void Trainingsanzeige::Schreiben() {
    if (!offen_) return;
    offen_ = false;
    schreibe_ = true;
    fenster_.FehlerEdit->setText(QString::fromStdString(FehlerText(fehler_)));
    fenster_.IterationenEdit->SetzeNumber(schritte_);
    schreibe_ = false;
}

} // namespace nervalo
