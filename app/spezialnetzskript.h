#pragma once
// For tests and benchmarks: the answer to the dialog of "Spezielle Netze", queued in the scripted
// dialogs: the kind (0 perceptron, 1 Hopfield grid) and the three numbers.
#include <QRadioButton>
#include <QSpinBox>

#include "netztypform.h"
#include "testdialoge.h"

namespace nervalo::test {

inline void SpeziellesNetzWaehlen(TestDialoge& dialoge, int art, int w1, int w2, int w3,
                                  bool annehmen = true) {
    dialoge.modal.push_back([=](QDialog& d) {
        auto& f = static_cast<TNetztypForm&>(d);
        f.NetztypKnopf[art]->click();
        f.SpinEdit1->setValue(w1);
        f.SpinEdit2->setValue(w2);
        if (art == 0) f.SpinEdit3->setValue(w3);
        return int(annehmen ? QDialog::Accepted : QDialog::Rejected);
    });
}

} // namespace nervalo::test
