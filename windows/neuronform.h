#pragma once
// The test neuron window: a calculator for one neuron with two inputs. The user sets the two
// signals and their weights, the threshold theta, the slope, the output threshold and the
// activation and output function; the window shows the input sum and the output. Every window
// has its own neuron, so any number of them compute independently.
#include <QGroupBox>
#include <QWidget>

#include "neuron.h"

class QButtonGroup;
class QLabel;
class QMdiArea;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace nervalo {

class TSingEdit;

// An up/down button pair: a click on the upper half steps up, on the lower half down, one
// step per click (a held button does not repeat: a step that fails opens the error box, and
// a repeat would open the next one behind it). The buttons take no focus, so the field being
// edited keeps it.
class TSpinButton : public QWidget {
    Q_OBJECT
  public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* Hoch;
    QToolButton* Runter;

  signals:
    void UpClick();
    void DownClick();

  protected:
    void resizeEvent(QResizeEvent* e) override;
};

// A group box of radio buttons, one of which is selected. Click is emitted when the selection
// changes, by mouse, keyboard or program.
class TRadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    TRadioGroup(const QString& titel, const QStringList& eintraege, QWidget* parent);

    // The selected item (0 for the first), -1 if none is.
    int ItemIndex() const;
    void SetzeItemIndex(int i);
    QRadioButton* Knopf(int i) const;

  signals:
    void Click();

  private:
    QButtonGroup* gruppe_;
};

class TNeuronForm : public QWidget {
    Q_OBJECT
  public:
    explicit TNeuronForm(QWidget* parent = nullptr);

    // Creates a window, adds it to the area as a child window that is destroyed when it
    // closes, and shows it.
    static TNeuronForm* Oeffnen(QMdiArea& bereich);

    // The neuron this window computes with.
    TNeuron Testneuron;

    // Controls: the form's children unless noted.
    QWidget* Shape1; // yellow wires, drawn behind the fields and the panel
    QWidget* Shape2;
    QWidget* Shape3;
    QWidget* Shape4;
    QWidget* Shape5;
    QLabel* Label1; // "Test-Neuron"
    QLabel* Label8; // "1"
    QLabel* Label9; // "2"
    QLabel* Label2; // "Signal"
    QLabel* Label3; // "Gewicht"
    TSingEdit* In1;
    TSingEdit* In2;
    TSingEdit* g1;
    TSingEdit* g2;
    QWidget* Neuron; // panel holding the neuron's controls, down to SpinButton7
    QLabel* Label7;  // "Input"
    TSingEdit* Input;
    QLabel* Label4; // "theta"
    TSingEdit* theta;
    QLabel* Label6; // "Param"
    TSingEdit* Parameter;
    QLabel* Label5; // "Xi"
    TSingEdit* OutSchwelle;
    TRadioGroup* RadioGroup1; // "Linear", "Sigmoid", "Tanh"
    TRadioGroup* RadioGroup2; // "id", "bin"
    TSpinButton* SpinButton5; // theta
    TSpinButton* SpinButton6; // Parameter
    TSpinButton* SpinButton7; // OutSchwelle
    QPushButton* BerechneBtn;
    TSingEdit* Out;
    QLabel* Label10;          // "Output"
    TSpinButton* SpinButton1; // In1
    TSpinButton* SpinButton2; // In2
    TSpinButton* SpinButton3; // g1
    TSpinButton* SpinButton4; // g2

    // Event handlers. Each computes at the end; an error (a floating-point fault, a field
    // beyond float's range) goes to the error box and leaves the fields not yet written as
    // they were.
    void BerechneBtnClick();
    void RadioGroup1Click();
    void RadioGroup2Click();
    // A key typed into one of the seven input fields. Enter (also the keypad's) computes and
    // is swallowed: the result is true then, false for every other key.
    bool In1KeyPress(int taste);
    void SpinButton1DownClick();
    void SpinButton1UpClick();
    void SpinButton2DownClick();
    void SpinButton2UpClick();
    void SpinButton3DownClick();
    void SpinButton3UpClick();
    void SpinButton4DownClick();
    void SpinButton4UpClick();
    void SpinButton5DownClick();
    void SpinButton5UpClick();
    void SpinButton6DownClick();
    void SpinButton6UpClick();
    void SpinButton7DownClick();
    void SpinButton7UpClick();

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    // Loads the fields and choices into the neuron, shows its input sum and then its output.
    // Throws Fehler on a floating-point fault.
    void Berechnen();
    // Steps the field by schritt and computes.
    void Schritt(TSingEdit& feld, long double schritt);
};

} // namespace nervalo
