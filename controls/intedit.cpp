#include "intedit.h"

#include "zahltext.h"

namespace nervalo {

std::int32_t TIntEdit::Number() const {
    return IntEditLesen(text().toStdString());
}

void TIntEdit::SetzeNumber(std::int32_t n) {
    setText(QString::fromStdString(IntEditText(n)));
}

} // namespace nervalo
