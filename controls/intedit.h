#pragma once
// One-line edit field that holds a 32-bit integer in its text (see singedit.h for the float
// field). The property Number is offered as the pair Number() (read) and SetzeNumber() (write).
#include <QLineEdit>
#include <cstdint>

namespace nervalo {

// Reading gives 0 for an empty text, any character that is not part of a signed decimal
// integer (leading blanks are allowed) or a value outside the 32-bit range; writing shows the
// value in decimal without blanks.
class TIntEdit : public QLineEdit {
    Q_OBJECT
  public:
    explicit TIntEdit(QWidget* parent = nullptr) : QLineEdit(parent) {}
    std::int32_t Number() const;
    void SetzeNumber(std::int32_t n);
};

} // namespace nervalo
