#pragma once
// The dialog "Netztyp": assigns a kind to the current net without changing the net otherwise.
#include <QDialog>

class QButtonGroup;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace nervalo {

class TNetztypwahlForm : public QDialog {
    Q_OBJECT
  public:
    explicit TNetztypwahlForm(QWidget* parent = nullptr);

    // Selected item of the radio group: 0 "Unbekannt (Standard)", 1 "Perzeptron-Typ",
    // 2 "Hopfield-Typ". The selection stays from one use to the next.
    int ItemIndex() const;
    void SetzeItemIndex(int i);

    QGroupBox* Netztypgroup;
    QRadioButton* Eintraege[3];
    QPushButton* OKBtn;

  private:
    QButtonGroup* gruppe_;
};

} // namespace nervalo
