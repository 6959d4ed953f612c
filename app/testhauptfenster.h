#pragma once
// The main window of a widget test with what it needs around it: the test clock, the scripted
// dialogs and the window with its net window open, built in this order and taken down in the
// reverse, the window's deferred deletions done before the dialogs and the clock go.
#include <QCoreApplication>
#include <QEvent>
#include <memory>

#include "testdialoge.h"
#include "testuhr.h"

namespace nervalo::test {

template <class Form, class Skript = TestDialoge> struct TestHauptfenster {
    std::unique_ptr<TestUhr> uhr;
    std::unique_ptr<Skript> skript;
    std::unique_ptr<Form> form;

    void Aufbauen(int breite, int hoehe) {
        uhr = std::make_unique<TestUhr>();
        skript = std::make_unique<Skript>();
        form = std::make_unique<Form>();
        form->FensterBreite = breite;
        form->FensterHoehe = hoehe;
        form->NetzBtnClick();
    }
    void Abbauen() {
        form.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        skript.reset();
        uhr.reset();
    }
};

} // namespace nervalo::test
