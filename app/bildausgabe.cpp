#include "bildausgabe.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <algorithm>

#include "ersetzedatei.h"
#include "fehler.h"
#include "netz.h"
#include "qtvektorflaeche.h"
#include "qtzeichenflaeche.h"

namespace nervalo {
namespace {

const QRect Bildrahmen(0, 0, BildBreite, BildHoehe);

// The font of the picture's labels as a vector: the net window's face under the generic name
// that SVG viewers know.
QFont vektorschrift() {
    QFont f = NetzSchrift();
    f.setFamilies({QStringLiteral("sans-serif")});
    f.setStyleStrategy(QFont::PreferDefault);
    return f;
}

// The picture as shapes on a white background, cut off at its edges.
void vektorbild(QPainter& maler, const TNetz& netz) {
    maler.fillRect(Bildrahmen, Qt::white);
    QtVektorflaeche flaeche(maler, vektorschrift());
    netz.ZeichneNetz(flaeche);
}

QByteArray png(const TNetz& netz) {
    QImage bild(BildBreite, BildHoehe, QImage::Format_RGB32);
    bild.fill(Qt::white);
    {
        QtZeichenflaeche flaeche(bild);
        netz.ZeichneNetz(flaeche);
    }
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    if (!bild.save(&puffer, "PNG")) throw Fehler("Das Bild konnte nicht erzeugt werden.");
    return puffer.data();
}

QByteArray svg(const TNetz& netz) {
    QBuffer puffer;
    puffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&puffer);
    generator.setSize(Bildrahmen.size());
    generator.setViewBox(Bildrahmen);
    generator.setResolution(96);
    generator.setTitle(QStringLiteral("Netz"));
    generator.setDescription(QStringLiteral("Nervalo"));
    QPainter maler;
    if (!maler.begin(&generator)) throw Fehler("Das Bild konnte nicht erzeugt werden.");
    vektorbild(maler, netz);
    maler.end();
    return puffer.data();
}

} // namespace

Bildformat BildformatFuer(const std::string& pfad, int filter) {
    const QString endung = QFileInfo(QString::fromStdString(pfad)).suffix().toLower();
    if (endung == QLatin1String("svg")) return Bildformat::Svg;
    if (endung == QLatin1String("png")) return Bildformat::Png;
    return filter == 1 ? Bildformat::Svg : Bildformat::Png;
}

std::string BildDaten(const TNetz& netz, Bildformat format) {
    const QByteArray daten = format == Bildformat::Svg ? svg(netz) : png(netz);
    return daten.toStdString();
}

void BildSpeichern(const TNetz& netz, const std::string& pfad, Bildformat format) {
    ErsetzeDatei(pfad, BildDaten(netz, format));
}

void DruckseiteZeichnen(QPainter& maler, const QRectF& seite, const TNetz& netz,
                        const QString& name, const QString& datum) {
    QFont fussschrift(QStringLiteral("Sans Serif"));
    fussschrift.setPointSizeF(9);
    maler.setFont(fussschrift);
    const QFontMetricsF metrik(fussschrift, maler.device());
    const qreal fusshoehe = 2 * metrik.height(); // the footer's line and a line's gap above it

    // The picture as large as the page allows above the footer, proportions kept.
    const qreal massstab = std::min(seite.width() / BildBreite,
                                    std::max<qreal>(seite.height() - fusshoehe, 1) / BildHoehe);
    maler.save();
    maler.translate(seite.topLeft());
    maler.scale(massstab, massstab);
    maler.setClipRect(Bildrahmen);
    vektorbild(maler, netz);
    maler.restore();

    maler.setPen(Qt::black);
    maler.setFont(fussschrift);
    const QRectF fuss(seite.left(), seite.bottom() - metrik.height(), seite.width(),
                      metrik.height());
    maler.drawText(fuss, Qt::AlignLeft | Qt::AlignVCenter, name);
    maler.drawText(fuss, Qt::AlignRight | Qt::AlignVCenter, datum);
}

QString Fussname(const std::string& dateiname) {
    if (dateiname.empty()) return QStringLiteral("Neues Netz");
    return QFileInfo(QString::fromStdString(dateiname)).fileName();
}

} // namespace nervalo
