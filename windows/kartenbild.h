#pragma once
// The picture of a decision map: the map's cells stretched over the plot, axes with the input
// neurons' labels, the task rows as points coloured by their target, and the colour bar. Turning
// the mouse wheel asks to zoom around the point under the mouse.
#include <QImage>
#include <QString>
#include <QWidget>
#include <vector>

#include "entscheidungskarte.h"

namespace nervalo {

class TKartenbild : public QWidget {
    Q_OBJECT

  public:
    explicit TKartenbild(QWidget* parent = nullptr);

    // bild: the cells, top row the highest y.
    void Setzen(const QImage& bild, const Kartenbereich& bereich, Kartenskala skala,
                const std::vector<Kartenpunkt>& punkte, const QString& xTitel,
                const QString& yTitel);
    const Kartenbereich& Bereich() const { return bereich_; }
    const QImage& Bild() const { return bild_; }

    // Where the map lies in the widget, and the input values at a pixel of it.
    QRect Flaeche() const;
    QPointF Stelle(QPointF pixel) const;

  signals:
    // Scale the range by faktor around (x, y).
    void Zoomen(double x, double y, double faktor);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

  private:
    QPointF pixel(double x, double y) const;

    QImage bild_;
    Kartenbereich bereich_;
    Kartenskala skala_{0, 1};
    std::vector<Kartenpunkt> punkte_;
    QString xTitel_, yTitel_;
};

} // namespace nervalo
