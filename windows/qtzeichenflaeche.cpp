#include "qtzeichenflaeche.h"

#include <QPen>
#include <QRect>
#include <QString>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace nervalo {
namespace {

std::uint64_t farbschluessel(Farbe f) {
    return (static_cast<std::uint64_t>(f.r) << 16) | (static_cast<std::uint64_t>(f.g) << 8) | f.b;
}

QPainter::CompositionMode qtModus(StiftModus m) {
    return m == StiftModus::NichtXor ? QPainter::RasterOp_NotSourceXorDestination
                                     : QPainter::CompositionMode_SourceOver;
}

// The pen of the model: black, one pixel, never changed.
const QPen Stift(Qt::black, 1);

// Larger ellipses are drawn directly (the model's are 45 and 5 pixels wide).
constexpr int GroessterStempel = 256;
// Bound of the text cache; labels are few, but a net file may name its neurons freely.
constexpr std::size_t MeisteTexte = 2048;

using i128 = __int128;

// floor(a / b) and ceil(a / b) for b > 0.
i128 abrunden(i128 a, i128 b) {
    const i128 q = a / b;
    return (a % b != 0 && a < 0) ? q - 1 : q;
}
i128 aufrunden(i128 a, i128 b) {
    const i128 q = a / b;
    return (a % b != 0 && a > 0) ? q + 1 : q;
}

// Walks anzahl pixels of a line from p: one step along the major axis each time, and one along
// the minor axis whenever the accumulated remainder reaches 2·adu (branch-free, since the steps
// of a sloped line follow no pattern the processor could predict).
template <class Pixel>
void zeichneLinie(std::uint32_t* p, long long anzahl, std::ptrdiff_t schrittU,
                  std::ptrdiff_t schrittV, long long rest, long long adu, long long adv,
                  Pixel pixel) {
    const long long grenze = 2 * adu;
    const long long zuwachs = 2 * adv;
    for (;;) {
        pixel(*p);
        if (--anzahl == 0) break;
        rest += zuwachs;
        const bool quer = rest >= grenze;
        rest -= quer ? grenze : 0;
        p += schrittU + (quer ? schrittV : 0);
    }
}

// A premultiplied pixel over an opaque one.
std::uint32_t ueber(std::uint32_t q, std::uint32_t d) {
    const std::uint32_t rest = 255 - (q >> 24);
    std::uint32_t ergebnis = 0xFF000000u;
    for (int verschiebung : {0, 8, 16}) {
        const std::uint32_t k =
            ((d >> verschiebung & 0xFFu) * rest + 127) / 255 + (q >> verschiebung & 0xFFu);
        ergebnis |= std::min<std::uint32_t>(k, 255) << verschiebung;
    }
    return ergebnis;
}

void ohneGlaettung(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
}

} // namespace

QFont NetzSchrift() {
    QFont f(QStringLiteral("Sans Serif"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(13);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

QtZeichenflaeche::QtZeichenflaeche(QImage& bild, const QFont& schrift)
    : bild_(bild), schrift_(schrift), maler_(&bild), metrik_(schrift, &bild),
      oberlaenge_(metrik_.ascent()), zeilenhoehe_(metrik_.height()),
      massstab_(std::max(1, static_cast<int>(bild.devicePixelRatio()))),
      gestempelt_(bild.devicePixelRatio() == massstab_),
      direkt_(bild.devicePixelRatio() == massstab_ &&
              (bild.format() == QImage::Format_RGB32 || bild.format() == QImage::Format_ARGB32 ||
               bild.format() == QImage::Format_ARGB32_Premultiplied)) {
    ohneGlaettung(maler_);
    maler_.setFont(schrift_);
    maler_.setPen(Stift);
    maler_.setCompositionMode(qtModus(modus_));
}

QtZeichenflaeche::~QtZeichenflaeche() = default;

// The colours are only noted here; the painter gets them when it draws itself (stamps carry
// their colours).
void QtZeichenflaeche::SetzeFuellfarbe(Farbe f) {
    fuellfarbe_ = f;
}

void QtZeichenflaeche::SetzeSchriftfarbe(Farbe f) {
    schriftfarbe_ = f;
}

void QtZeichenflaeche::Ellipse(int x1, int y1, int x2, int y2) {
    const int links = std::min(x1, x2);
    const int oben = std::min(y1, y2);
    const long long breite = static_cast<long long>(std::max(x1, x2)) - links;
    const long long hoehe = static_cast<long long>(std::max(y1, y2)) - oben;
    // Boxes that don't touch the image would draw nothing.
    if (links >= bild_.width() / massstab_ || oben >= bild_.height() / massstab_ ||
        links + breite < 0 || oben + hoehe < 0)
        return;
    // The model's shapes are small (circles and dots); a box wider than any image is no shape
    // of it and would overflow QRect.
    if (breite > (1 << 24) || hoehe > (1 << 24)) return;
    const int b = static_cast<int>(breite);
    const int h = static_cast<int>(hoehe);
    if (gestempelt_ && modus_ == StiftModus::Kopieren && b <= GroessterStempel &&
        h <= GroessterStempel) {
        const Stempel& s = EllipsenStempel(b, h);
        Stempeln(s, QPoint(links, oben));
        return;
    }
    // With a one-pixel pen and no antialiasing QPainter covers the rectangle's width + 1 pixels
    // (the outline lies right of and below the mathematical edge), so a rectangle one pixel
    // narrower than the box covers the pixels from x1 to x2 and from y1 to y2, both included:
    // a neuron at (100, 100) with radius 22 spans x = 78 .. 122.
    maler_.setBrush(QtFarbe(fuellfarbe_));
    maler_.drawEllipse(QRect(links, oben, b, h));
}

const QtZeichenflaeche::Stempel& QtZeichenflaeche::EllipsenStempel(int breite, int hoehe) {
    const std::uint64_t schluessel = (static_cast<std::uint64_t>(breite) << 40) |
                                     (static_cast<std::uint64_t>(hoehe) << 24) |
                                     farbschluessel(fuellfarbe_);
    if (const auto it = ellipsen_.find(schluessel); it != ellipsen_.end()) return it->second;
    QImage bild((breite + 1) * massstab_, (hoehe + 1) * massstab_,
                QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(massstab_);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    ohneGlaettung(p);
    p.setPen(Stift);
    p.setBrush(QtFarbe(fuellfarbe_));
    p.drawEllipse(QRect(0, 0, breite, hoehe));
    p.end();
    return ellipsen_.emplace(schluessel, Stempel{std::move(bild), QPoint(0, 0)}).first->second;
}

void QtZeichenflaeche::Stempeln(const Stempel& s, QPoint anker) {
    if (!direkt_) {
        maler_.drawImage(anker + s.versatz, s.bild);
        return;
    }
    const QPoint ecke = (anker + s.versatz) * massstab_; // in image pixels
    // Copied row by row: QPainter's drawImage spends more time setting up than copying the few
    // hundred pixels of a label. Covered pixels of a transparent stamp are fully opaque (nothing
    // is antialiased); any other alpha would be blended as SourceOver does.
    const QRect ziel = QRect(ecke, s.bild.size()).intersected(bild_.rect());
    if (ziel.isEmpty()) return;
    const bool deckend = s.bild.format() == QImage::Format_RGB32;
    const std::ptrdiff_t zeile = bild_.bytesPerLine() / 4;
    auto* d = reinterpret_cast<std::uint32_t*>(bild_.bits()) + ziel.top() * zeile + ziel.left();
    for (int y = ziel.top(); y <= ziel.bottom(); ++y, d += zeile) {
        const auto* q = reinterpret_cast<const std::uint32_t*>(s.bild.constScanLine(y - ecke.y())) +
                        (ziel.left() - ecke.x());
        if (deckend) {
            std::memcpy(d, q, sizeof(std::uint32_t) * ziel.width());
            continue;
        }
        for (int x = 0; x < ziel.width(); ++x) {
            const std::uint32_t a = q[x] >> 24;
            if (a == 0xFF)
                d[x] = q[x];
            else if (a != 0)
                d[x] = ueber(q[x], d[x]);
        }
    }
}

void QtZeichenflaeche::BewegeZu(int x, int y) {
    position_ = QPoint(x, y);
}

void QtZeichenflaeche::LinieZu(int x, int y) {
    const QPoint ziel(x, y);
    Linie(position_, ziel);
    position_ = ziel;
}

void QtZeichenflaeche::Linie(QPoint a, QPoint b) {
    // QPainter writes a one-pixel line pixel by pixel through its blending pipeline, which
    // costs about 60 ns a pixel; the net's lines are written straight into the image instead.
    // Like QPainter's line, this one includes both end points.
    if (!direkt_) {
        maler_.drawLine(a, b);
        return;
    }
    const long long m = massstab_;
    if (m == 1) {
        Pixellinie(a.x(), a.y(), b.x(), b.y());
        return;
    }
    // At m image pixels per point a line one point wide is m pixels wide: m lines of single
    // pixels side by side across its main direction, reaching over the m x m squares of both
    // end points. They never share a pixel, so NichtXor takes the line back as a whole.
    const bool waagrecht = std::llabs(static_cast<long long>(b.x()) - a.x()) >=
                           std::llabs(static_cast<long long>(b.y()) - a.y());
    const auto enden = [m](int von, int bis, long long& anfang, long long& ende) {
        const bool vor = bis >= von;
        anfang = von * m + (vor ? 0 : m - 1);
        ende = bis * m + (vor ? m - 1 : 0);
    };
    long long ax = 0, ay = 0, bx = 0, by = 0;
    if (waagrecht)
        enden(a.x(), b.x(), ax, bx);
    else
        enden(a.y(), b.y(), ay, by);
    for (long long k = 0; k < m; ++k) {
        if (waagrecht)
            Pixellinie(ax, a.y() * m + k, bx, b.y() * m + k);
        else
            Pixellinie(a.x() * m + k, ay, b.x() * m + k, by);
    }
}

void QtZeichenflaeche::Pixellinie(long long ax, long long ay, long long bx, long long by) {
    const long long dx = bx - ax;
    const long long dy = by - ay;
    // u is the major axis (the one the line advances one pixel at a time), v the minor one.
    const bool waagrecht = std::llabs(dx) >= std::llabs(dy);
    const long long u0 = waagrecht ? ax : ay;
    const long long v0 = waagrecht ? ay : ax;
    const long long du = waagrecht ? dx : dy;
    const long long dv = waagrecht ? dy : dx;
    const long long su = du < 0 ? -1 : 1;
    const long long sv = dv < 0 ? -1 : 1;
    const long long adu = std::llabs(du);
    const long long adv = std::llabs(dv);
    const long long uMax = (waagrecht ? bild_.width() : bild_.height()) - 1;
    const long long vMax = (waagrecht ? bild_.height() : bild_.width()) - 1;
    if (uMax < 0 || vMax < 0) return;

    // Pixel i = 0 .. adu lies at u = u0 + su·i, v = v0 + sv·k(i) with
    // k(i) = floor((2·i·adv + adu) / (2·adu)), the minor offset rounded to the nearest pixel.
    // Clip to the image by narrowing the range of i; 128 bits hold every product of two
    // coordinate differences, so far-out points cost nothing and overflow nothing.
    i128 lo = 0;
    i128 hi = adu;
    if (su > 0) {
        lo = std::max<i128>(lo, -u0);
        hi = std::min<i128>(hi, uMax - u0);
    } else {
        lo = std::max<i128>(lo, u0 - uMax);
        hi = std::min<i128>(hi, u0);
    }
    const i128 kLo = sv > 0 ? -v0 : v0 - vMax;
    const i128 kHi = sv > 0 ? vMax - v0 : v0;
    if (adv == 0) {
        if (kLo > 0 || kHi < 0) return;
    } else {
        const i128 n = 2 * static_cast<i128>(adu);
        const i128 m = 2 * static_cast<i128>(adv);
        lo = std::max(lo, aufrunden(n * kLo - adu, m));          // k(i) >= kLo
        hi = std::min(hi, abrunden(n * (kHi + 1) - adu - 1, m)); // k(i) <= kHi
    }
    if (lo > hi) return;

    const long long i = static_cast<long long>(lo);
    long long k = 0;
    long long rest = 0;
    if (adu > 0) {
        const i128 zaehler = 2 * static_cast<i128>(i) * adv + adu;
        k = static_cast<long long>(zaehler / (2 * adu));
        rest = static_cast<long long>(zaehler % (2 * adu));
    }
    const long long u = u0 + su * i;
    const long long v = v0 + sv * k;
    const long long x = waagrecht ? u : v;
    const long long y = waagrecht ? v : u;
    const std::ptrdiff_t zeile = bild_.bytesPerLine() / 4;
    auto* p = reinterpret_cast<std::uint32_t*>(bild_.bits()) + y * zeile + x;
    const std::ptrdiff_t schrittU = waagrecht ? su : su * zeile;
    const std::ptrdiff_t schrittV = waagrecht ? sv * zeile : sv;
    const long long anzahl = static_cast<long long>(hi - lo) + 1;
    // Black pen: Kopieren sets black; NichtXor, ~(pen ^ picture), inverts the colour.
    if (modus_ == StiftModus::NichtXor)
        zeichneLinie(p, anzahl, schrittU, schrittV, rest, adu, adv,
                     [](std::uint32_t& z) { z = (z ^ 0x00FFFFFFu) | 0xFF000000u; });
    else
        zeichneLinie(p, anzahl, schrittU, schrittV, rest, adu, adv,
                     [](std::uint32_t& z) { z = 0xFF000000u; });
}

QtZeichenflaeche::TextEintrag& QtZeichenflaeche::Eintrag(const std::string& text) const {
    if (letzterEintrag_ && *letzterText_ == text) return *letzterEintrag_;
    auto it = texte_.find(text);
    if (it == texte_.end()) {
        if (texte_.size() >= MeisteTexte) texte_.clear();
        TextEintrag neu;
        neu.breite = metrik_.horizontalAdvance(QString::fromStdString(text));
        it = texte_.emplace(text, std::move(neu)).first;
    }
    letzterText_ = &it->first;
    letzterEintrag_ = &it->second;
    return it->second;
}

int QtZeichenflaeche::TextBreite(const std::string& text) const {
    return Eintrag(text).breite;
}

int QtZeichenflaeche::TextHoehe(const std::string&) const {
    return zeilenhoehe_;
}

const QtZeichenflaeche::Stempel& QtZeichenflaeche::TextStempel(TextEintrag& eintrag,
                                                               const std::string& text) {
    const std::uint64_t farben =
        (farbschluessel(schriftfarbe_) << 24) | farbschluessel(fuellfarbe_);
    for (const auto& [schluessel, stempel] : eintrag.stempel)
        if (schluessel == farben) return stempel;
    // Rendered with room for glyphs that reach out of the background rectangle (overhangs).
    const QString s = QString::fromStdString(text);
    const QRect hintergrund(0, 0, eintrag.breite, zeilenhoehe_);
    const QRect tinte = metrik_.boundingRect(s).translated(0, oberlaenge_).adjusted(-2, -2, 2, 2);
    const QRect ganz = hintergrund.united(tinte);
    QImage bild(ganz.size() * massstab_, QImage::Format_ARGB32_Premultiplied);
    bild.setDevicePixelRatio(massstab_);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    ohneGlaettung(p);
    p.setFont(schrift_);
    p.translate(-ganz.topLeft());
    p.fillRect(hintergrund, QtFarbe(fuellfarbe_));
    p.setPen(QtFarbe(schriftfarbe_));
    p.drawText(QPoint(0, oberlaenge_), s);
    p.end();
    // Usually every glyph stays inside the background; then the stamp is just that opaque
    // rectangle, which QPainter copies row by row instead of blending pixel by pixel.
    const QRect innen((hintergrund.topLeft() - ganz.topLeft()) * massstab_,
                      hintergrund.size() * massstab_); // in image pixels
    bool ueberhang = false;
    for (int y = 0; y < bild.height() && !ueberhang; ++y)
        for (int x = 0; x < bild.width(); ++x)
            if (!innen.contains(x, y) && qAlpha(bild.pixel(x, y)) != 0) {
                ueberhang = true;
                break;
            }
    Stempel stempel = ueberhang || innen.isEmpty()
                          ? Stempel{std::move(bild), ganz.topLeft()}
                          : Stempel{bild.copy(innen).convertToFormat(QImage::Format_RGB32), {}};
    eintrag.stempel.emplace_back(farben, std::move(stempel));
    return eintrag.stempel.back().second;
}

void QtZeichenflaeche::Text(int x, int y, const std::string& text) {
    TextEintrag& eintrag = Eintrag(text);
    const int breite = eintrag.breite;
    if (x >= bild_.width() / massstab_ || y >= bild_.height() / massstab_ ||
        static_cast<long long>(x) + breite < -64 || static_cast<long long>(y) + zeilenhoehe_ < -64)
        return;
    if (gestempelt_ && modus_ == StiftModus::Kopieren) {
        const Stempel& s = TextStempel(eintrag, text);
        Stempeln(s, QPoint(x, y));
        return;
    }
    // Opaque text: the rectangle behind the glyphs in the fill colour, then the glyphs in the
    // text colour, both in the current pen mode.
    maler_.fillRect(QRect(x, y, breite, zeilenhoehe_), QtFarbe(fuellfarbe_));
    maler_.setPen(QtFarbe(schriftfarbe_));
    maler_.drawText(QPoint(x, y + oberlaenge_), QString::fromStdString(text));
    maler_.setPen(Stift);
}

void QtZeichenflaeche::Rechteck(int x1, int y1, int x2, int y2) {
    if (direkt_ && modus_ == StiftModus::Kopieren) {
        // Clipped to the image first: the corners may lie far out.
        const long long m = massstab_;
        const long long links = std::max<long long>(x1 * m, 0);
        const long long oben = std::max<long long>(y1 * m, 0);
        const long long rechts = std::min<long long>(x2 * m, bild_.width());
        const long long unten = std::min<long long>(y2 * m, bild_.height());
        if (links >= rechts || oben >= unten) return;
        // Row by row, as Stempeln copies: QPainter's setup costs more than the few pixels.
        const std::uint32_t pixel =
            0xFF000000u | static_cast<std::uint32_t>(farbschluessel(fuellfarbe_));
        const std::ptrdiff_t zeile = bild_.bytesPerLine() / 4;
        auto* d = reinterpret_cast<std::uint32_t*>(bild_.bits()) + oben * zeile + links;
        for (long long y = oben; y < unten; ++y, d += zeile)
            std::fill_n(d, rechts - links, pixel);
        return;
    }
    const long long links = std::max(x1, 0);
    const long long oben = std::max(y1, 0);
    const long long rechts = std::min(x2, bild_.width());
    const long long unten = std::min(y2, bild_.height());
    if (links >= rechts || oben >= unten) return;
    maler_.fillRect(QRect(static_cast<int>(links), static_cast<int>(oben),
                          static_cast<int>(rechts - links), static_cast<int>(unten - oben)),
                    QtFarbe(fuellfarbe_));
}

void QtZeichenflaeche::SetzeStiftmodus(StiftModus m) {
    modus_ = m;
    maler_.setCompositionMode(qtModus(m));
}

void QtZeichenflaeche::Leeren(Farbe f) {
    maler_.setCompositionMode(QPainter::CompositionMode_Source);
    maler_.fillRect(QRect(QPoint(0, 0), bild_.deviceIndependentSize().toSize()), QtFarbe(f));
    maler_.setCompositionMode(qtModus(modus_));
}

} // namespace nervalo
