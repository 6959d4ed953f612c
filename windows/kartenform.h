#pragma once
// The decision map window: for a net with exactly two input neurons, the output of one output
// neuron (chosen in a drop-down when there are several) over the plane of the two input values,
// with the task rows as points. The main window hands over the net and the task table (Zeigen);
// the window keeps a copy, computes the map with the model and keeps the chosen neuron and the
// zoomed range. Until the user zooms, the range follows the task table.
#include <QWidget>
#include <optional>

#include "entscheidungskarte.h"

class QAction;
class QComboBox;
class QLabel;

namespace nervalo {

class TKartenbild;

// Shown instead of the map when the net has no two input neurons.
inline constexpr const char* KarteBrauchtZweiEingaben =
    "Die Entscheidungskarte braucht ein Netz mit genau zwei Input-Neuronen.";

class TKartenForm : public QWidget {
    Q_OBJECT

  public:
    // A tool window above parent with its close box, destroyed when closed; not yet shown.
    explicit TKartenForm(QWidget* parent = nullptr);

    // The net and the task table to show (tabelle empty without a task window).
    void Zeigen(const TNetz& netz, const Lernzuordnung& zuordnung, const Aufgabentabelle& tabelle);
    // The neuron the map shows, if it shows one.
    std::optional<int> Ausgabe() const;

    QLabel* HinweisLbl; // why there is no map
    QComboBox* AusgabeBox;
    TKartenbild* Karte;
    QAction* AnsichtZuruecksetzen1;
    // The cell values of the last map (Kartenraster × Kartenraster, row 0 the lowest y).
    std::vector<float> Werte;

  protected:
    bool event(QEvent* e) override;

  private:
    void berechnen();
    void hinweis(const char* text);

    std::optional<TNetz> netz_;
    Lernzuordnung zuordnung_;
    Aufgabentabelle tabelle_;
    Kartenneuronen neuronen_;
    Kartenbereich bereich_;
    bool gezoomt_ = false;
};

} // namespace nervalo
