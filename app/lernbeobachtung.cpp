#include "lernbeobachtung.h"

#include <algorithm>
#include <limits>

#include "bildtakt.h"
#include "bilduhr.h"
#include "fehler.h"
#include "gesamtfehler.h"
#include "kartenform.h"
#include "lernkurvenform.h"

namespace nervalo {

Lernbeobachtung::Lernbeobachtung(Quelle quelle, QObject* parent)
    : QObject(parent), quelle_(std::move(quelle)), uhr_(bilduhr()),
      // Curve and map cost a few milliseconds (the map is 10,000 forward passes): 40 pictures a
      // second look as smooth as 60 and leave more of the time to the training.
      takt_(new Bildtakt([this] { auffrischen(); }, this, Auffrischabstand)) {}

void Lernbeobachtung::Schritt(float fehler) {
    kurve_.Schritt(fehler);
    punktFaellig_ = true;
    Geaendert();
}

void Lernbeobachtung::Geaendert() {
    takt_->Vormerken();
    takt_->Takt();
}

void Lernbeobachtung::Leeren() {
    kurve_.Leeren();
    punktFaellig_ = false;
    Geaendert();
}

void Lernbeobachtung::Jetzt() {
    takt_->Jetzt();
}

void Lernbeobachtung::Kurvenfenster(TLernkurvenForm* f) {
    kurvenfenster_ = f;
    takt_->Vormerken();
    takt_->Jetzt();
}

void Lernbeobachtung::Kartenfenster(TKartenForm* f) {
    kartenfenster_ = f;
    takt_->Vormerken();
    takt_->Jetzt();
}

void Lernbeobachtung::auffrischen() {
    if (!punktFaellig_ && !kurvenfenster_ && !kartenfenster_) return;
    const std::int64_t beginn = uhr_.Millisekunden();
    const std::optional<Aufgabentabelle> tabelle = quelle_.tabelle();
    const TNetz& netz = quelle_.netz();
    const Lernzuordnung zuordnung = quelle_.zuordnung();
    gesamt_.reset();
    if (!tabelle)
        ohneGesamt_ = "Keine Lernaufgabe geöffnet.";
    else
        try {
            gesamt_ = nervalo::Gesamtfehler(netz, zuordnung, *tabelle);
        } catch (const Fehler& f) {
            ohneGesamt_ = f.what();
        }
    if (punktFaellig_ && gesamt_) kurve_.Gesamt(*gesamt_);
    punktFaellig_ = false;
    if (kurvenfenster_) kurvenfenster_->Zeigen(kurve_, gesamt_, ohneGesamt_);
    if (kartenfenster_)
        kartenfenster_->Zeigen(netz, zuordnung, tabelle.value_or(Aufgabentabelle{}));
    const std::int64_t dauer = uhr_.Millisekunden() - beginn;
    takt_->Abstand(static_cast<int>(std::clamp<std::int64_t>(Zeitanteil * dauer, Auffrischabstand,
                                                             std::numeric_limits<int>::max())));
}

} // namespace nervalo
