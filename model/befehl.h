#pragma once
// Every command and event handler runs its body through Befehl: an error it throws is shown in
// the error box with its German text and the program returns to the event loop. No exception
// crosses a Qt frame.
#include <exception>
#include <new>

#include "meldungen.h"

namespace nervalo {

template <class F> void Befehl(F&& rumpf) noexcept {
    try {
        rumpf();
    } catch (const std::bad_alloc&) {
        meldungen().Fehler("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& e) {
        meldungen().Fehler(e.what());
    }
}

} // namespace nervalo
