#pragma once
// The net's picture outside the program: saved as a PNG or SVG file, or printed on a page. Each
// is the BildBreite × BildHoehe picture that the clipboard gets, drawn by the model's ZeichneNetz:
// on a QImage for PNG (the very pixels of the clipboard picture), as shapes for SVG and paper.
#include <QString>
#include <string>

class QPainter;
class QRectF;

namespace nervalo {

class TNetz;

enum class Bildformat { Png, Svg };

// The format of a picture saved as pfad with the save dialog's filter (0 PNG, 1 SVG): a typed
// extension ".png" or ".svg", in any case, decides; any other name takes the filter's format.
Bildformat BildformatFuer(const std::string& pfad, int filter);

// The bytes of the picture's file.
std::string BildDaten(const TNetz& netz, Bildformat format);
// Writes the picture's file; a failure keeps the previous file and throws Fehler.
void BildSpeichern(const TNetz& netz, const std::string& pfad, Bildformat format);

// One printed page in the painter's area seite: the picture scaled to the page with its
// proportions kept, and below it the footer, name on the left and datum on the right.
void DruckseiteZeichnen(QPainter& maler, const QRectF& seite, const TNetz& netz,
                        const QString& name, const QString& datum);
// The footer's name for a net's file: the file name without its folder, "Neues Netz" for none.
QString Fussname(const std::string& dateiname);

} // namespace nervalo
