#pragma once
// The plot of a learning curve: the total error as a strong line and the error of each step as a
// faint one, against the steps on a linear axis ("Schritte") and on a logarithmic error axis
// ("Fehler"), with a legend. Drawn with QPainter from a copy of the curve.
#include <QPolygonF>
#include <QWidget>

#include "lernkurve.h"

namespace nervalo {

class TLernkurvenbild : public QWidget {
  public:
    explicit TLernkurvenbild(QWidget* parent = nullptr);

    void Setzen(const Lernkurve& kurve);
    const Lernkurve& Kurve() const { return kurve_; }

    // Where the plot lies in the widget, and the pixel of a step and an error in it (errors of
    // 0 and below lie on the lower edge).
    QRect Flaeche() const;
    QPointF Punkt(double schritt, double fehler) const;

    // The colours of the two lines.
    static QColor GesamtFarbe();
    static QColor SchrittFarbe();

  protected:
    void paintEvent(QPaintEvent* e) override;

  private:
    void achsenBestimmen();
    QPolygonF verdichtet(const Kurvenreihe& reihe) const;

    Lernkurve kurve_;
    double schritteBis_ = 10; // right end of the step axis
    double teil_ = 2;         // steps between two ticks
    int dekadeVon_ = -3;      // the error axis runs from 10^dekadeVon_ to 10^dekadeBis_
    int dekadeBis_ = 0;
};

} // namespace nervalo
