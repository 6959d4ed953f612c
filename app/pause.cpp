#include "pause.h"

#include <QEventLoop>
#include <cstdint>

#include "bilduhr.h"

namespace nervalo {

void Pause(std::int64_t ms) {
    // The event loop sleeps until an event comes or the alarm rings, so waiting costs no
    // processor time. The clock decides: an alarm that rings early only starts another round.
    Bilduhr& uhr = bilduhr();
    const std::int64_t anfang = uhr.Millisekunden();
    QEventLoop schleife;
    const auto wecker = uhr.NeuerWecker([&] { schleife.quit(); });
    for (;;) {
        const std::int64_t rest = ms - (uhr.Millisekunden() - anfang);
        if (rest <= 0) return;
        wecker->Stellen(rest);
        // exec() returns at once with -1 once the program has been told to quit: then nothing
        // is left to wait for, and waiting on would only spin.
        if (schleife.exec() != 0) return;
    }
}

} // namespace nervalo
