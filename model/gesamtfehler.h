#pragma once
// How well the net does on the whole task table: the mean of the net's error (TNetz::Fehler) over
// every row, each row given to a copy of the net (Lernzuordnung::Anlegen) and propagated. The
// error a training step reports belongs to its one task; this one does not jump between tasks.
#include "lernzuordnung.h"

namespace nervalo {

// The mean in double of the rows' errors, each a float as Fehler computes it. The net is not
// touched. Throws Fehler with the reason when there is no total error: no row, a cell without a
// number, a row the net cannot take, a floating-point fault.
double Gesamtfehler(const TNetz& netz, const Lernzuordnung& zuordnung,
                    const Aufgabentabelle& tabelle);

} // namespace nervalo
