#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <algorithm>
#include <limits>

#include "mainform.h"

namespace nervalo {

void TMainForm::Pause(std::int64_t ms) {
    // The event loop sleeps until an event comes or the wake-up timer fires, so waiting costs no
    // processor time. The monotonic clock decides: a timer that fires early only starts another
    // round.
    QElapsedTimer uhr;
    uhr.start();
    QEventLoop schleife;
    QTimer wecker;
    wecker.setSingleShot(true);
    wecker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&wecker, &QTimer::timeout, &schleife, &QEventLoop::quit);
    for (;;) {
        const std::int64_t rest = ms - uhr.elapsed();
        if (rest <= 0) return;
        wecker.start(
            static_cast<int>(std::min<std::int64_t>(rest, std::numeric_limits<int>::max())));
        // exec() returns at once with -1 once the program has been told to quit: then nothing
        // is left to wait for, and waiting on would only spin.
        if (schleife.exec() != 0) return;
    }
}

} // namespace nervalo
