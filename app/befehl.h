#pragma once
// Every command handler runs its body through Befehl: an error it throws is shown in the error
// box with its German text and the program returns to the event loop. No exception crosses a
// Qt frame.
#include <exception>
#include <new>

#include "dialoge.h"
#include "fehler.h"

namespace nervalo {

template <class F> void Befehl(F&& rumpf) noexcept {
    try {
        rumpf();
    } catch (const Fehler& f) {
        dialoge().Fehler(f.what());
    } catch (const std::bad_alloc&) {
        dialoge().Fehler("Zu wenig Arbeitsspeicher");
    } catch (const std::exception& e) {
        dialoge().Fehler(e.what());
    }
}

} // namespace nervalo
