#pragma once
// The model's clipboard over the system clipboard: the net is drawn on a new white image with a
// QtZeichenflaeche and the image is put on the clipboard.
#include <memory>

#include "zeichenflaeche.h"

namespace nervalo {

class QtZwischenablage : public Zwischenablage {
  public:
    // A white RGB32 image of the given size with its own QtZeichenflaeche (Kopieren mode, the
    // net window's font).
    std::unique_ptr<Zeichenflaeche> NeuesBild(int breite, int hoehe) override;
    // Puts the image of a surface made by NeuesBild on the clipboard; other surfaces are ignored.
    void BildAblegen(Zeichenflaeche& bild) override;
};

} // namespace nervalo
