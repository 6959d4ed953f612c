// What one redraw of the learning curve costs, drawn with QPainter as the program does
// (TLernkurvenbild) and, for comparison, with Qt Charts (two line series, logarithmic error
// axis), both with full series of 2,000 points each, at the size of the curve window. A redraw
// takes the new points and paints the widget. Prints the median and the slowest of 200 redraws
// of each, alternating, so that both meet the same load. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says else. Built only where Qt Charts is installed (qt6-charts-dev).
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QElapsedTimer>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QValueAxis>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "lernkurvenbild.h"

using namespace nervalo;

namespace {

// A curve like that of a long run: step errors jumping between tasks, the total error falling.
Lernkurve beispielkurve(std::int64_t schritte) {
    Lernkurve k;
    for (std::int64_t s = 1; s <= schritte; ++s) {
        const double gesamt = 0.2 / (1.0 + s / 2000.0);
        k.Schritt(static_cast<float>(gesamt * (0.2 + (s % 4) * 0.6)));
        if (s % 3000 == 0) k.Gesamt(gesamt);
    }
    return k;
}

QList<QPointF> punkte(const Kurvenreihe& r) {
    QList<QPointF> p;
    for (const auto& pt : r.Punkte())
        p << QPointF(static_cast<double>(pt.schritt), std::max(pt.fehler, 1e-12));
    return p;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const Lernkurve kurve = beispielkurve(10'000'000);

    TLernkurvenbild eigen;
    eigen.resize(540, 320);
    eigen.show();

    auto* chart = new QChart;
    auto* schritt = new QLineSeries;
    auto* gesamt = new QLineSeries;
    schritt->setName(QStringLiteral("Fehler des Schritts"));
    gesamt->setName(QStringLiteral("Gesamtfehler"));
    schritt->setPen(QPen(TLernkurvenbild::SchrittFarbe(), 1));
    gesamt->setPen(QPen(TLernkurvenbild::GesamtFarbe(), 2));
    chart->addSeries(schritt);
    chart->addSeries(gesamt);
    auto* x = new QValueAxis;
    x->setTitleText(QStringLiteral("Schritte"));
    auto* y = new QLogValueAxis;
    y->setTitleText(QStringLiteral("Fehler"));
    y->setLabelFormat(QStringLiteral("%.0e"));
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    for (QLineSeries* s : {schritt, gesamt}) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    QChartView ansicht(chart);
    ansicht.resize(540, 320);
    ansicht.show();
    QCoreApplication::processEvents();

    std::vector<double> mitPainter, mitCharts;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer t;
        t.start();
        eigen.Setzen(kurve);
        eigen.repaint();
        mitPainter.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);

        t.start();
        schritt->replace(punkte(kurve.Schrittfehler()));
        gesamt->replace(punkte(kurve.Gesamtfehler()));
        x->setRange(0, static_cast<double>(kurve.Schritte()));
        y->setRange(1e-5, 1);
        ansicht.viewport()->repaint();
        mitCharts.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    std::printf("Lernkurve neu zeichnen, je 2 x 2000 Punkte, 540 x 320 Pixel:\n");
    std::printf("  QPainter   Median %6.2f ms, langsamste %6.2f ms\n", median(mitPainter),
                *std::max_element(mitPainter.begin(), mitPainter.end()));
    std::printf("  Qt Charts  Median %6.2f ms, langsamste %6.2f ms\n", median(mitCharts),
                *std::max_element(mitCharts.begin(), mitCharts.end()));
    return 0;
}
