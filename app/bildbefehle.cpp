// The main window's commands that take the net's picture out of the program: "Bild speichern
// unter..." (PNG or SVG) and "Drucken...".
#include <QDate>
#include <QPainter>
#include <QPrinter>

#include "bildausgabe.h"
#include "fehler.h"
#include "mainform.h"

namespace nervalo {

const DateiDialog BildDialog{"Bild speichern", "PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg",
                             "png", false, true};

void TMainForm::BildSpeichernClick() {
    befehl([&] {
        const auto wahl = dialoge().DateiSpeichernMitFilter(BildDialog);
        if (!wahl) return;
        BildSpeichern(AktuellesNetz, wahl->pfad, BildformatFuer(wahl->pfad, wahl->filter));
    });
}

void TMainForm::DruckenClick() {
    befehl([&] {
        QPrinter drucker(QPrinter::HighResolution);
        const QString name = Fussname(Dateiname);
        drucker.setDocName(name);
        // The picture is wider than high.
        drucker.setPageOrientation(QPageLayout::Landscape);
        if (!dialoge().Drucken(drucker)) return;
        QPainter maler;
        if (!maler.begin(&drucker))
            throw Fehler("Das Netz konnte nicht gedruckt werden: der Drucker ist nicht bereit.");
        const QRect seite = drucker.pageLayout().paintRectPixels(drucker.resolution());
        DruckseiteZeichnen(maler, QRectF(QPointF(0, 0), QSizeF(seite.size())), AktuellesNetz, name,
                           Heute().toString(QStringLiteral("dd.MM.yyyy")));
        if (!maler.end()) throw Fehler("Das Netz konnte nicht gedruckt werden.");
    });
}

} // namespace nervalo
