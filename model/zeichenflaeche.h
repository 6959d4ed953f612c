#pragma once
// The paint surface the net is drawn on, and the clipboard that takes a drawn image. The model
// draws only through these interfaces; the desktop program implements them with its toolkit
// (the editor's paint box, an off-screen image), tests with a recorder.
#include <cstdint>
#include <memory>
#include <string>

namespace nervalo {

struct Farbe {
    std::uint8_t r, g, b;
    bool operator==(const Farbe&) const = default;
};

inline constexpr Farbe Schwarz{0, 0, 0};
inline constexpr Farbe Weiss{255, 255, 255};
inline constexpr Farbe Rot{255, 0, 0};
inline constexpr Farbe Gruen{0, 255, 0};
inline constexpr Farbe Blau{0, 0, 255};
inline constexpr Farbe Gelb{255, 255, 0};
inline constexpr Farbe Dunkelgruen{0, 140, 0};

// Size of the net's picture: the one on the clipboard, and a saved or printed one. What lies
// beyond it is cut off.
inline constexpr int BildBreite = 1300;
inline constexpr int BildHoehe = 800;

// How the pen combines with the picture. In NichtXor mode (the inverted exclusive-or of pen and
// picture) a shape drawn twice at the same place leaves the picture as it was; the editor uses it
// for the rubber band and for dragging a neuron.
enum class StiftModus { Kopieren, NichtXor };

// A surface with a pen (black, 1 pixel; never changed by the model), a fill colour, a text colour
// and a current font. Coordinates are pixels, origin top left, y growing downwards.
class Zeichenflaeche {
  public:
    virtual ~Zeichenflaeche() = default;

    // Fill colour of ellipses and background of text.
    virtual void SetzeFuellfarbe(Farbe f) = 0;
    virtual void SetzeSchriftfarbe(Farbe f) = 0;
    // Ellipse in the bounding box from (x1, y1) to (x2, y2), outlined with the pen and filled
    // with the fill colour.
    virtual void Ellipse(int x1, int y1, int x2, int y2) = 0;
    // Moves the pen's position without drawing.
    virtual void BewegeZu(int x, int y) = 0;
    // Line with the pen from the pen's position to (x, y), which becomes the new position.
    virtual void LinieZu(int x, int y) = 0;
    // Width and height in pixels of a UTF-8 text in the current font.
    virtual int TextBreite(const std::string& text) const = 0;
    virtual int TextHoehe(const std::string& text) const = 0;
    // Opaque text in the text colour with its top-left corner at (x, y): the rectangle behind the
    // glyphs (TextBreite by TextHoehe) is filled with the fill colour.
    virtual void Text(int x, int y, const std::string& text) = 0;
    // Fills the pixels x1 <= x < x2, y1 <= y < y2 with the fill colour, without an outline.
    virtual void Rechteck(int x1, int y1, int x2, int y2) = 0;
    virtual StiftModus Stiftmodus() const = 0;
    virtual void SetzeStiftmodus(StiftModus m) = 0;
};

// Where a copy of the net goes as a picture.
class Zwischenablage {
  public:
    virtual ~Zwischenablage() = default;
    // A new off-screen image of the given size, white all over, in Kopieren mode and with the
    // image's default font.
    virtual std::unique_ptr<Zeichenflaeche> NeuesBild(int breite, int hoehe) = 0;
    // Puts an image made by NeuesBild of this object on the clipboard, replacing its contents.
    // The caller releases the image afterwards.
    virtual void BildAblegen(Zeichenflaeche& bild) = 0;
};

// Installs z (nullptr: copying to the clipboard does nothing) and returns the previous one.
Zwischenablage* setzeZwischenablage(Zwischenablage* z);

} // namespace nervalo
