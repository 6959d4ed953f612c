#pragma once
// The dialog "Spezielle Netze": the kind of special net (three-layer perceptron or Hopfield grid)
// and its sizes. It refuses totals above 60 neurons by disabling OK. Created once and reused, so
// it keeps its choices from one use to the next.
#include <array>

#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;
class QSpinBox;

namespace nervalo {

class TNetztypForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNetztypForm(QWidget* parent = nullptr);

    // Controls, children of the dialog.
    QLabel* Label1;
    QGroupBox* NetztypGruppe;
    QRadioButton* NetztypKnopf[2]; // 0 feed-forward (perceptron), 1 Hopfield
    QButtonGroup* NetztypWahl;     // id of each button = its index
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QSpinBox* SpinEdit1; // input neurons / columns
    QSpinBox* SpinEdit2; // hidden neurons / rows
    QSpinBox* SpinEdit3; // output neurons; unused for the Hopfield grid
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    // The selected kind: 0 perceptron, 1 Hopfield grid.
    int Netztyp() const;
    // The numbers in the three fields as their texts show them: a text that is not an integer
    // counts as the field's lowest value, a number outside the range as the nearest bound.
    int Wert1() const;
    int Wert2() const;
    int Wert3() const;

    // Event handlers. SpinEdit1Change runs when a field's number is entered (Enter, leaving
    // the field, the arrows), not at each typed key.
    void FormActivate();
    void SpinEdit1Change();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Enables OK exactly for a total of at most 60 of the numbers the fields show; true when
    // the total is above 60.
    bool OKFreigeben();
    // OKFreigeben, and remembers kind and values; true when the total is above 60 and kind or
    // values changed since the last check.
    bool GroessePruefen();
    // Kind and values at the last size check: the message is shown only when they changed.
    std::array<int, 4> geprueft_{};
    // True while the message is open. Its box processes events, and a field that changes
    // meanwhile must not open a second one.
    bool meldungOffen_ = false;
};

} // namespace nervalo
