#include "lernkurvenbild.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace nervalo {
namespace {

constexpr int RandLinks = 64, RandRechts = 14, RandOben = 12, RandUnten = 42;
// Error axes wider than this many powers of ten show only the upper ones.
constexpr int MeisteDekaden = 12;

// A power of ten as the axis writes it: "100", "1", "0,01", from 10^-4 on "1E-04".
QString zehnerpotenz(int e) {
    if (e >= 0 && e <= 6) return QStringLiteral("1") + QString(e, QLatin1Char('0'));
    if (e < 0 && e >= -3) return QStringLiteral("0,") + QString(-e - 1, QLatin1Char('0')) + '1';
    return QStringLiteral("1E%1%2")
        .arg(e < 0 ? QLatin1Char('-') : QLatin1Char('+'))
        .arg(std::abs(e), 2, 10, QLatin1Char('0'));
}

// A step count with points between thousands, as German writes it ("12.500").
QString schrittzahl(long long n) {
    std::string ziffern = std::to_string(n);
    for (int i = static_cast<int>(ziffern.size()) - 3; i > 0; i -= 3)
        ziffern.insert(static_cast<std::size_t>(i), 1, '.');
    return QString::fromStdString(ziffern);
}

// The smallest of 1, 2, 5 times a power of ten that is at least x.
double rundAufwaerts(double x) {
    const double p = std::pow(10.0, std::floor(std::log10(x)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * p >= x * (1 - 1e-12)) return f * p;
    return 10 * p;
}

} // namespace

QPolygonF TLernkurvenbild::verdichtet(const Kurvenreihe& reihe) const {
    // Points that fall into the same pixel column are drawn as that column's first, lowest,
    // highest and last point: the line looks the same, with at most four points a column.
    QPolygonF ergebnis;
    std::optional<int> spalte;
    QPointF erster, tiefster, hoechster, letzter;
    const auto abschliessen = [&] {
        if (!spalte) return;
        for (const QPointF& q : {erster, tiefster, hoechster, letzter})
            if (ergebnis.isEmpty() || ergebnis.back() != q) ergebnis << q;
    };
    for (const Kurvenreihe::Punkt& pt : reihe.Punkte()) {
        if (!std::isfinite(pt.fehler)) continue;
        const QPointF q = Punkt(static_cast<double>(pt.schritt), pt.fehler);
        const int x = static_cast<int>(std::floor(q.x()));
        if (spalte != x) {
            abschliessen();
            spalte = x;
            erster = tiefster = hoechster = q;
        }
        if (q.y() > tiefster.y()) tiefster = q;
        if (q.y() < hoechster.y()) hoechster = q;
        letzter = q;
    }
    abschliessen();
    return ergebnis;
}

TLernkurvenbild::TLernkurvenbild(QWidget* parent) : QWidget(parent) {
    setMinimumSize(240, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor TLernkurvenbild::GesamtFarbe() {
    return {0, 70, 160};
}

QColor TLernkurvenbild::SchrittFarbe() {
    return {170, 190, 220};
}

void TLernkurvenbild::Setzen(const Lernkurve& kurve) {
    kurve_ = kurve;
    achsenBestimmen();
    update();
}

void TLernkurvenbild::achsenBestimmen() {
    // The step axis ends at the first tick at or beyond the steps made, with the finest ticks
    // that need at most six intervals, so that the curve fills most of the width.
    const double schritte = std::max<double>(static_cast<double>(kurve_.Schritte()), 10.0);
    teil_ = rundAufwaerts(schritte / 6);
    schritteBis_ = std::ceil(schritte / teil_ - 1e-9) * teil_;
    double kleinster = 0, groesster = 0;
    for (const Kurvenreihe* r : {&kurve_.Schrittfehler(), &kurve_.Gesamtfehler()})
        for (const Kurvenreihe::Punkt& p : r->Punkte())
            if (p.fehler > 0 && std::isfinite(p.fehler)) {
                kleinster = kleinster > 0 ? std::min(kleinster, p.fehler) : p.fehler;
                groesster = std::max(groesster, p.fehler);
            }
    if (groesster <= 0) {
        dekadeVon_ = -3;
        dekadeBis_ = 0;
        return;
    }
    dekadeBis_ = static_cast<int>(std::ceil(std::log10(groesster) - 1e-9));
    dekadeVon_ = static_cast<int>(std::floor(std::log10(kleinster) + 1e-9));
    if (dekadeVon_ >= dekadeBis_) dekadeVon_ = dekadeBis_ - 1;
    dekadeVon_ = std::max(dekadeVon_, dekadeBis_ - MeisteDekaden);
}

QRect TLernkurvenbild::Flaeche() const {
    return rect().adjusted(RandLinks, RandOben, -RandRechts, -RandUnten);
}

QPointF TLernkurvenbild::Punkt(double schritt, double fehler) const {
    const QRectF f = Flaeche();
    const double x = f.left() + schritt / schritteBis_ * f.width();
    const double e = fehler > 0 ? std::log10(fehler) : dekadeVon_;
    const double anteil =
        std::clamp((e - dekadeVon_) / static_cast<double>(dekadeBis_ - dekadeVon_), 0.0, 1.0);
    return {x, f.bottom() - anteil * f.height()};
}

void TLernkurvenbild::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const QRect f = Flaeche();
    if (f.width() < 10 || f.height() < 10) return;
    const QFontMetrics fm = p.fontMetrics();
    const QColor gitter(225, 225, 225), schrift(60, 60, 60);

    // Error axis: a line and a label at every power of ten (every second one when crowded).
    const int dekaden = dekadeBis_ - dekadeVon_;
    const int jede = dekaden * fm.height() * 2 > f.height() ? 2 : 1;
    for (int e = dekadeVon_; e <= dekadeBis_; ++e) {
        const int y = qRound(Punkt(0, std::pow(10.0, e)).y());
        p.setPen(gitter);
        p.drawLine(f.left(), y, f.right(), y);
        if ((dekadeBis_ - e) % jede) continue;
        p.setPen(schrift);
        p.drawText(QRect(0, y - fm.height(), RandLinks - 6, 2 * fm.height()),
                   Qt::AlignRight | Qt::AlignVCenter, zehnerpotenz(e));
    }
    // Step axis: five or so ticks at 1, 2 or 5 times a power of ten; a label that would leave
    // the widget moves in.
    for (double s = 0; s <= schritteBis_ * (1 + 1e-9); s += teil_) {
        const int x = qRound(Punkt(s, 1).x());
        p.setPen(gitter);
        p.drawLine(x, f.top(), x, f.bottom());
        p.setPen(schrift);
        const QString text = schrittzahl(static_cast<long long>(std::llround(s)));
        const int breite = fm.horizontalAdvance(text);
        const int links = std::min(x - breite / 2, width() - breite - 2);
        p.drawText(QRect(links, f.bottom() + 3, breite, fm.height()), Qt::AlignLeft, text);
    }
    p.setPen(QColor(150, 150, 150));
    p.drawRect(f);

    // Axis titles.
    p.setPen(Qt::black);
    p.drawText(QRect(f.left(), height() - fm.height() - 2, f.width(), fm.height()),
               Qt::AlignHCenter, QStringLiteral("Schritte"));
    p.save();
    p.translate(fm.height() / 2 + 2, f.center().y());
    p.rotate(-90);
    p.drawText(QRect(-f.height() / 2, -fm.height() / 2, f.height(), fm.height()), Qt::AlignHCenter,
               QStringLiteral("Fehler"));
    p.restore();

    // The two series, clipped to the plot.
    p.setClipRect(f.adjusted(1, 1, 0, 0));
    const auto linie = [&](const Kurvenreihe& reihe, const QPen& stift) {
        const QPolygonF punkte = verdichtet(reihe);
        p.setPen(stift);
        if (punkte.size() == 1) return p.drawPoint(punkte[0]); // a single point is a dot
        // Single segments: a wide pen joins the segments of a polyline at a high cost.
        std::vector<QLineF> strecken;
        strecken.reserve(static_cast<std::size_t>(punkte.size()));
        for (qsizetype i = 1; i < punkte.size(); ++i)
            strecken.emplace_back(punkte[i - 1], punkte[i]);
        p.drawLines(strecken.data(), static_cast<int>(strecken.size()));
    };
    linie(kurve_.Schrittfehler(), QPen(SchrittFarbe(), 1));
    p.setRenderHint(QPainter::Antialiasing);
    linie(kurve_.Gesamtfehler(), QPen(GesamtFarbe(), 2));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setClipping(false);

    // Legend in the upper right corner.
    const QString texte[] = {QStringLiteral("Gesamtfehler"), QStringLiteral("Fehler des Schritts")};
    const QColor farben[] = {GesamtFarbe(), SchrittFarbe()};
    const int breite = std::max(fm.horizontalAdvance(texte[0]), fm.horizontalAdvance(texte[1]));
    const QRect kasten(f.right() - breite - 42, f.top() + 6, breite + 36, 2 * fm.height() + 8);
    p.fillRect(kasten, QColor(255, 255, 255, 230));
    p.setPen(QColor(190, 190, 190));
    p.drawRect(kasten);
    for (int i = 0; i < 2; ++i) {
        const int y = kasten.top() + 4 + i * fm.height() + fm.height() / 2;
        p.setPen(QPen(farben[i], i == 0 ? 2 : 1));
        p.drawLine(kasten.left() + 6, y, kasten.left() + 24, y);
        p.setPen(Qt::black);
        p.drawText(QRect(kasten.left() + 30, y - fm.height() / 2, breite, fm.height()),
                   Qt::AlignLeft | Qt::AlignVCenter, texte[i]);
    }
}

} // namespace nervalo
