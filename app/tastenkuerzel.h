#pragma once
// The keyboard shortcuts of the main window's commands. Each belongs to the command's menu item,
// where the menu shows it; a tool button of the same command names it in its tool tip. Deleting
// has none on purpose: "Letztes Neuron löschen" removes the last neuron, not the one a user may
// take for selected, and "Netz löschen" discards the whole net.
#include <QKeyCombination>

#include "befehlsstaende.h"

namespace nervalo {

struct Tastenkuerzel {
    Kommando kommando;
    QKeyCombination taste;
};

inline constexpr Tastenkuerzel Kuerzeltabelle[] = {
    {Kommando::NeuesNetz, Qt::CTRL | Qt::Key_N},
    {Kommando::NetzOeffnen, Qt::CTRL | Qt::Key_O},
    {Kommando::NetzSpeichern, Qt::CTRL | Qt::Key_S},
    {Kommando::Beenden, Qt::CTRL | Qt::Key_Q},
    {Kommando::Tutorium, QKeyCombination(Qt::Key_F1)},
    {Kommando::Propagieren, QKeyCombination(Qt::Key_F5)},
    {Kommando::Backpropagieren, QKeyCombination(Qt::Key_F6)},
    {Kommando::Rueckgaengig, Qt::CTRL | Qt::Key_Z},
    {Kommando::Wiederholen, Qt::CTRL | Qt::Key_Y},
};

} // namespace nervalo
