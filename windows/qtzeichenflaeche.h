#pragma once
// The model's paint surface over a QPainter on a QImage. Nothing is antialiased, so every circle,
// line end, dot and label lands on exactly the pixels the model computes, and in NichtXor mode a
// shape drawn twice leaves the image as it was. An image with a device pixel ratio above 1 (a
// high-density screen) is drawn at its own pixels: coordinates stay those of the model, and
// lines, circles and glyphs get the finer pixels instead of being enlarged afterwards.
#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "zeichenflaeche.h"

namespace nervalo {

// The font of the net window and of the clipboard picture: a sans-serif face with a character
// height of 13 pixels (a text line is about 16 pixels high), drawn without antialiasing.
QFont NetzSchrift();

inline QColor QtFarbe(Farbe f) {
    return QColor(f.r, f.g, f.b);
}

class QtZeichenflaeche : public Zeichenflaeche {
  public:
    // Paints on bild (Format_RGB32) from now until the surface is destroyed. bild must outlive
    // the surface and must not be resized or reassigned meanwhile. Starts in Kopieren mode with
    // a black pen, white fill and black text.
    explicit QtZeichenflaeche(QImage& bild, const QFont& schrift = NetzSchrift());
    QtZeichenflaeche(const QtZeichenflaeche&) = delete;
    QtZeichenflaeche& operator=(const QtZeichenflaeche&) = delete;
    ~QtZeichenflaeche() override;

    void SetzeFuellfarbe(Farbe f) override;
    void SetzeSchriftfarbe(Farbe f) override;
    void Ellipse(int x1, int y1, int x2, int y2) override;
    void BewegeZu(int x, int y) override;
    void LinieZu(int x, int y) override;
    int TextBreite(const std::string& text) const override;
    int TextHoehe(const std::string& text) const override;
    void Text(int x, int y, const std::string& text) override;
    void Rechteck(int x1, int y1, int x2, int y2) override;
    StiftModus Stiftmodus() const override { return modus_; }
    void SetzeStiftmodus(StiftModus m) override;

    // Fills the whole image with colour f, whatever the pen mode (clearing, not drawing).
    void Leeren(Farbe f = Weiss);
    QImage& Bild() { return bild_; }
    const QImage& Bild() const { return bild_; }

  private:
    // A shape rendered once and then copied: in Kopieren mode every pixel of an unantialiased
    // ellipse or opaque text is either fully covered or untouched, so copying the rendered
    // pixels gives exactly the picture QPainter would draw, at a fraction of the cost.
    struct Stempel {
        QImage bild;    // RGB32 if the shape covers its whole rectangle, else transparent ARGB
        QPoint versatz; // of the image's top-left corner from the shape's anchor point
    };
    // Measuring a text shapes it, which costs more than drawing it; the net shows the same few
    // texts ("0.00", "N1", ...) over and over, so widths and rendered texts are kept.
    struct TextEintrag {
        int breite = 0;
        std::vector<std::pair<std::uint64_t, Stempel>> stempel; // by text and fill colour
    };
    TextEintrag& Eintrag(const std::string& text) const;
    const Stempel& TextStempel(TextEintrag& eintrag, const std::string& text);
    const Stempel& EllipsenStempel(int breite, int hoehe);
    // Copies a stamp to the image with its anchor point at anker (Kopieren mode).
    void Stempeln(const Stempel& s, QPoint anker);
    void Linie(QPoint a, QPoint b);
    // A line of single image pixels from (ax, ay) to (bx, by), both included, clipped.
    void Pixellinie(long long ax, long long ay, long long bx, long long by);

    QImage& bild_;
    QFont schrift_;
    QPainter maler_;
    QFontMetrics metrik_;
    int oberlaenge_; // ascent: the baseline lies this far below the text's top edge
    int zeilenhoehe_;
    int massstab_;    // image pixels per point (the image's device pixel ratio)
    bool gestempelt_; // shapes are copied from stamps (at a whole number of pixels per point)
    bool direkt_;     // the image's pixels are 32-bit words the lines can be written into directly
    StiftModus modus_ = StiftModus::Kopieren;
    Farbe fuellfarbe_ = Weiss;
    Farbe schriftfarbe_ = Schwarz;
    QPoint position_;
    mutable std::unordered_map<std::string, TextEintrag> texte_;
    // The model measures a text right before it writes it: the last entry is looked up first.
    mutable const std::string* letzterText_ = nullptr;
    mutable TextEintrag* letzterEintrag_ = nullptr;
    std::unordered_map<std::uint64_t, Stempel> ellipsen_;
};

} // namespace nervalo
