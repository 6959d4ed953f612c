#pragma once
// The "Rechenweg" window: the calculation of one neuron as rows of text (what is computed, its
// formula, the numbers put in, the result), built by the model from the net's stored values. In
// the exercise ("Üben") the results the pupil is to compute are fields to type into; "Prüfen"
// marks each right or wrong with a hint, "Lösung zeigen" reveals the whole calculation. The main
// window says which neuron to show (Zeigen); the choice in the drop-down goes back as a signal.
#include <QWidget>
#include <map>
#include <utility>
#include <vector>

#include "rechenweg.h"
#include "rechenzeilen.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace nervalo {

class TRechenwegForm : public QWidget {
    Q_OBJECT

  public:
    // A tool window above parent with its close box; not yet shown.
    explicit TRechenwegForm(QWidget* parent = nullptr);

    // Shows the calculation of neuron `neuron` of `netz` (-1 or out of range: none). The net
    // must outlive the window or be shown anew before it goes. Rows that did not change keep
    // what the pupil typed.
    void Zeigen(const TNetz& netz, int neuron);
    int Neuron() const { return neuron_; }
    // The neuron shown while the window is open, else -1.
    int Hervorgehoben() const { return isVisible() ? neuron_ : -1; }

    QComboBox* NeuronBox;
    QCheckBox* AlleStellenBox; // "Alle Stellen"
    QCheckBox* UebenBox;       // "Üben"
    QTableWidget* Tabelle;
    QPushButton* PruefenBtn;      // "Prüfen"
    QPushButton* LoesungBtn;      // "Lösung zeigen"
    QPushButton* ArbeitsblattBtn; // "Als Arbeitsblatt speichern..."
    QLabel* ErgebnisLbl;          // the summary of the last check

    // The field of the exercise row asking for (frage, quelle), or nullptr.
    QLineEdit* Feld(Frage frage, int quelle = -1) const;
    // Runs the check of the typed values ("Prüfen").
    void Pruefen();
    // Shows every value of the calculation ("Lösung zeigen").
    void LoesungZeigen();

  signals:
    void NeuronGewaehlt(int neuron);
    void ArbeitsblattVerlangt();
    void Geschlossen();

  protected:
    void closeEvent(QCloseEvent* e) override;

  private:
    using Schluessel = std::pair<Frage, int>;
    void aufbauen();
    void neuronenlisteSetzen();

    const TNetz* netz_ = nullptr;
    int neuron_ = -1;
    Rechenweg weg_;
    std::vector<Rechenabschnitt> abschnitte_;
    bool loesung_ = false;
    std::map<Schluessel, QLineEdit*> felder_;
    std::vector<std::string> namen_; // the drop-down's labels as last set
    std::string signatur_;           // every text of the table as last built
    int felderNeuron_ = -1;          // the neuron the fields were typed for
};

} // namespace nervalo
