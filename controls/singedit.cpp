#include "singedit.h"

#include "zahltext.h"

namespace nervalo {

float TSingEdit::Number() const {
    return SingEditLesen(text().toStdString());
}

void TSingEdit::SetzeNumber(float x) {
    setText(QString::fromStdString(SingEditText(x)));
}

} // namespace nervalo
