#pragma once
// One-line edit fields that hold a number in their text. Typing is not filtered: the text is
// interpreted only when the number is read. The property Number is offered as the pair
// Number() (read) and SetzeNumber() (write).
#include <QLineEdit>

namespace nervalo {

// Holds a float. Reading accepts a point or a comma as the decimal separator and gives 0 for a
// text that is not a number; writing shows four decimals with a point (" -0.5000") below 1000
// and two significant digits in scientific form (" 1.2E+0003") from 1000 on.
class TSingEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TSingEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
    // Throws Fehler("Gleitkommaüberlauf") when the text holds a number beyond float's range.
    float Number() const;
    void SetzeNumber(float x);
};

} // namespace nervalo
