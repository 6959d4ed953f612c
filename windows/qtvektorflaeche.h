#pragma once
// The model's paint surface over any QPainter, drawn as shapes rather than pixels: the net as a
// vector picture (an SVG file) or on a printer's page, where the painter's transformation scales
// it. Circles, lines and texts go to the painter one by one, so an SVG holds one element for
// each. Only Kopieren mode: a vector picture has no pixels to invert.
#include <QFont>
#include <QFontMetrics>
#include <QPoint>
#include <string>

#include "zeichenflaeche.h"

class QPainter;

namespace nervalo {

class QtVektorflaeche : public Zeichenflaeche {
  public:
    // Draws with maler, which must stay active while the surface is used. schrift: the font of
    // labels and numbers, measured as the net window measures it.
    explicit QtVektorflaeche(QPainter& maler, const QFont& schrift);

    void SetzeFuellfarbe(Farbe f) override { fuellfarbe_ = f; }
    void SetzeSchriftfarbe(Farbe f) override { schriftfarbe_ = f; }
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void BewegeZu(int x, int y) override { position_ = QPoint(x, y); }
    void LinieZu(int x, int y) override;
    int TextBreite(const std::string& text) const override;
    int TextHoehe(const std::string& text) const override;
    void Text(int x, int y, const std::string& text) override;
    void Rechteck(int x1, int y1, int x2, int y2) override;
    StiftModus Stiftmodus() const override { return StiftModus::Kopieren; }
    void SetzeStiftmodus(StiftModus) override {}

  private:
    QPainter& maler_;
    QFont schrift_;
    QFontMetrics metrik_;
    Farbe fuellfarbe_ = Weiss;
    Farbe schriftfarbe_ = Schwarz;
    QPoint position_;
};

} // namespace nervalo
