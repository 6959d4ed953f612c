#pragma once
// The dialog that edits one neuron of the net: layer kind, activation and output function,
// slope, thresholds, and the value given to an input neuron or the target of an output neuron.
// It is created once and reused; its controls keep what they showed last between uses.
#include <QDialog>

#include "neuron.h"

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QShowEvent;

namespace nervalo {

class TSingEdit;

class TNeuronEditForm : public QDialog, public NeuronEditor {
    Q_OBJECT
  public:
    explicit TNeuronEditForm(QWidget* parent = nullptr);

    // Fills the dialog from the neuron, shows it modally and, on OK, copies the values back; a
    // number field whose text is still as filled in gives back the exact value, not the rounded
    // one shown. Any other result leaves the neuron unchanged, and so does a number field
    // holding a value beyond float's range (shown in the error box).
    void Editieren(TGrafikNeuron& neuron) override;

    // Controls, children of the dialog; named after their role and kind.
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    QGroupBox* GroupBox1;
    QGroupBox* SchichttypGruppe;
    QRadioButton* SchichttypKnopf[3]; // "Inputschicht", "Hiddenschicht", "Outputschicht"
    QButtonGroup* SchichttypWahl;     // id of each button = its Schichttyp
    QLabel* Label8;
    TSingEdit* SollOutPutEdit;
    QLabel* Label2;
    QComboBox* ComboBox1;
    QLabel* Label1;
    TSingEdit* ParameterEdit;
    QLabel* Label5;
    TSingEdit* ThetaEdit;
    QComboBox* ComboBox2;
    QLabel* Label3;
    QLabel* Label7;
    TSingEdit* XiEdit;
    QGroupBox* GroupBox2;
    QLabel* Label4;
    TSingEdit* InputEdit;
    QLabel* Label6;
    TSingEdit* OutputEdit;

    // The selected layer kind (0, 1 or 2; -1 if none is selected).
    int SchichttypIndex() const;

    // Event handlers.
    void FormActivate();
    void SchichttypGruppeClick();
    void ComboBox2Change();

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* objekt, QEvent* event) override;
};

} // namespace nervalo
