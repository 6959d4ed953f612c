#pragma once
// A tool window is a window of its own: the hints of its controls (QEvent::StatusTip, sent as
// the mouse enters and leaves a control) stop there and never reach the main window, which shows
// every hint in its status panel. The tool windows pass them on.
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace nervalo {

// For a tool window's event(): sends a hint on to the window that the tool window belongs to;
// true if it did (the event is then handled).
inline bool HinweisWeitergeben(QWidget& fenster, QEvent* e) {
    if (e->type() != QEvent::StatusTip || !fenster.parentWidget()) return false;
    QCoreApplication::sendEvent(fenster.parentWidget()->window(), e);
    return true;
}

} // namespace nervalo
