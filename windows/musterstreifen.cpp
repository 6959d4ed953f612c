#include "musterstreifen.h"

#include <QPainter>
#include <algorithm>

namespace nervalo {
namespace {

constexpr int Feld = 56;   // the largest side of a picture
constexpr int Breite = 80; // of one entry, room for "kein Fixpunkt"
constexpr int Rand = 6;
const QColor Rot(200, 0, 0);
const QString Leer = QStringLiteral("Noch kein Muster eingeprägt.");

// Side of a cell: the larger side of the grid fills the field, at least one pixel per cell.
int zellseite(const GemerktesMuster& m) {
    return std::max(1, Feld / std::max({m.spalten, m.zeilen, 1}));
}

} // namespace

TMusterstreifen::TMusterstreifen(QWidget* parent) : QWidget(parent) {}

void TMusterstreifen::Setzen(std::vector<Eintrag> eintraege) {
    eintraege_ = std::move(eintraege);
    updateGeometry();
    resize(sizeHint());
    update();
}

QSize TMusterstreifen::sizeHint() const {
    // A picture is at most Feld high, or one pixel per row of up to MaxNeuronen rows.
    const int hoehe = std::max(Feld, MaxNeuronen);
    const int zeile = fontMetrics().height();
    const int breite = eintraege_.empty() ? fontMetrics().horizontalAdvance(Leer) + 2 * Rand
                                          : static_cast<int>(eintraege_.size()) * Breite + Rand;
    return {breite, Rand + zeile + hoehe + zeile + 4 + Rand};
}

void TMusterstreifen::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int zeile = fontMetrics().height();
    if (eintraege_.empty()) {
        p.drawText(rect().adjusted(Rand, Rand, 0, 0), Qt::AlignLeft | Qt::AlignTop, Leer);
        return;
    }
    for (std::size_t k = 0; k < eintraege_.size(); ++k) {
        const Eintrag& e = eintraege_[k];
        const GemerktesMuster& m = e.muster;
        const int links = Rand + static_cast<int>(k) * Breite;
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(QRect(links, Rand, Breite - Rand, zeile), Qt::AlignHCenter,
                   QStringLiteral("Muster %1").arg(k + 1));

        const int z = zellseite(m);
        const QRect bild((links + (Breite - Rand - z * m.spalten) / 2), Rand + zeile, z * m.spalten,
                         z * m.zeilen);
        p.fillRect(bild, Qt::white);
        const Hopfieldspeicher gitter(m.spalten, m.zeilen);
        for (int c = 0; c < m.spalten; ++c)
            for (int r = 0; r < m.zeilen; ++r) {
                const auto i = static_cast<std::size_t>(gitter.Neuron(c, r));
                if (i < m.muster.size() && m.muster[i])
                    p.fillRect(bild.x() + c * z, bild.y() + r * z, z, z, Qt::black);
            }
        const bool kein = e.fixpunkt == false;
        p.setPen(QPen(kein ? Rot : QColor(128, 128, 128), kein ? 2 : 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(bild.adjusted(-1, -1, 0, 0));
        if (kein) {
            p.setPen(Rot);
            p.drawText(QRect(links, bild.bottom() + 4, Breite - Rand, zeile), Qt::AlignHCenter,
                       QStringLiteral("kein Fixpunkt"));
        }
    }
}

} // namespace nervalo
