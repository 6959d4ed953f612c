#pragma once

#include <Qt>

namespace nervalo {

// The kind of every tool window beside the main window: it stays on top, has a title and a
// close button and nothing else (no minimise or maximise).
inline constexpr Qt::WindowFlags Werkzeugfenster = Qt::Tool | Qt::WindowStaysOnTopHint |
                                                   Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                   Qt::WindowCloseButtonHint;

} // namespace nervalo
