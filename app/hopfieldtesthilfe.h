#pragma once
// Test helpers for the Hopfield pattern window: patterns drawn as rows of text ('X' on) put into
// the grid and read back, and the letters used by the tests.
#include <QStringList>
#include <vector>

#include "hopfieldform.h"
#include "werkzeuge/hopfieldbuchstaben.h"

namespace nervalo::test {

using Bild = QStringList;

inline void zeichne(THopfieldForm& fenster, const Bild& bild) {
    for (int r = 0; r < bild.size(); ++r)
        for (int c = 0; c < bild[r].size(); ++c)
            fenster.SetzeZelle(c, r, bild[r][c] == 'X' ? "u" : "");
}

inline Bild gelesen(const THopfieldForm& fenster) {
    Bild bild;
    for (int r = 0; r < fenster.Zeilen(); ++r) {
        QString zeile;
        for (int c = 0; c < fenster.Spalten(); ++c)
            zeile += fenster.Zelle(c, r) == "u" ? 'X' : '.';
        bild << zeile;
    }
    return bild;
}

inline Bild buchstabe(const beispiel::Buchstabe& b) {
    Bild bild;
    for (const char* zeile : b.zeilen)
        bild << QString::fromLatin1(zeile);
    return bild;
}

inline Bild umgekehrt(Bild bild) {
    for (QString& zeile : bild)
        for (QChar& z : zeile)
            z = z == 'X' ? '.' : 'X';
    return bild;
}

// The pattern value (+1 / -1) of every neuron, in neuron order (column by column).
inline std::vector<float> werte(const Bild& bild) {
    std::vector<float> x;
    for (int c = 0; c < bild[0].size(); ++c)
        for (int r = 0; r < bild.size(); ++r)
            x.push_back(bild[r][c] == 'X' ? 1.0f : -1.0f);
    return x;
}

inline const Bild H{"X.....X", "X.....X", "X.....X", "XXXXXXX", "X.....X", "X.....X", "X.....X"};
inline const Bild T{"XXXXXXX", "...X...", "...X...", "...X...", "...X...", "...X...", "...X..."};

} // namespace nervalo::test
