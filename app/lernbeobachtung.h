#pragma once
// What the learning curve and the decision map show: the curve's points, the total error over
// the task table, and the two windows while they are open. Training steps and changes of the net
// or the table mark the views as out of date; they are brought up to date at most once per screen
// frame (Bildtakt) or at once when asked (at a set pace after every step, when a loop ends). The
// total error is computed only then, by the model on a copy of the net, and becomes the curve's
// point at the current step when steps were made since the last one.
#include <QObject>
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "lernkurve.h"
#include "lernzuordnung.h"

namespace nervalo {

class Bilduhr;
class Bildtakt;
class TKartenForm;
class TLernkurvenForm;

class Lernbeobachtung : public QObject {
  public:
    // Shortest time between two updates of the views in milliseconds.
    static constexpr int Auffrischabstand = 25;
    // Updates whose computing takes longer (the map of a big net) come less often: at most one
    // part in this many of the time goes to them, the rest to the training and the event loop.
    static constexpr int Zeitanteil = 5;

    // Where the views read the net, the task table's column mapping and the table's rows (none
    // without a task window).
    struct Quelle {
        std::function<const TNetz&()> netz;
        std::function<Lernzuordnung()> zuordnung;
        std::function<std::optional<Aufgabentabelle>()> tabelle;
    };

    Lernbeobachtung(Quelle quelle, QObject* parent);

    // A training step with the error it reported.
    void Schritt(float fehler);
    // The net or the table has changed.
    void Geaendert();
    // The curve starts anew.
    void Leeren();
    // Brings the views up to date now, if they are out of date.
    void Jetzt();

    // The windows to keep up to date (they may close at any time).
    void Kurvenfenster(TLernkurvenForm* f);
    void Kartenfenster(TKartenForm* f);

    const Lernkurve& Kurve() const { return kurve_; }
    // The total error when the views were last brought up to date; without one, why.
    const std::optional<double>& Gesamtfehler() const { return gesamt_; }
    const std::string& OhneGesamtfehler() const { return ohneGesamt_; }

  private:
    void auffrischen();

    Quelle quelle_;
    Bilduhr& uhr_;
    Lernkurve kurve_;
    Bildtakt* takt_;
    bool punktFaellig_ = false; // steps were made since the last total error
    std::optional<double> gesamt_;
    std::string ohneGesamt_;
    QPointer<TLernkurvenForm> kurvenfenster_;
    QPointer<TKartenForm> kartenfenster_;
};

} // namespace nervalo
