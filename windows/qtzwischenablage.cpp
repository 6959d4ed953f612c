#include "qtzwischenablage.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>

#include "qtzeichenflaeche.h"

namespace nervalo {
namespace {

// Holds the image, so that it exists before the surface that paints on it and outlives it.
struct Bildspeicher {
    QImage bild;
};

class EigenesBild : private Bildspeicher, public QtZeichenflaeche {
  public:
    EigenesBild(int breite, int hoehe)
        : Bildspeicher{weiss(breite, hoehe)}, QtZeichenflaeche(Bildspeicher::bild) {}

  private:
    static QImage weiss(int breite, int hoehe) {
        QImage b(breite, hoehe, QImage::Format_RGB32);
        b.fill(Qt::white);
        return b;
    }
};

} // namespace

std::unique_ptr<Zeichenflaeche> QtZwischenablage::NeuesBild(int breite, int hoehe) {
    return std::make_unique<EigenesBild>(breite, hoehe);
}

void QtZwischenablage::BildAblegen(Zeichenflaeche& bild) {
    auto* eigenes = dynamic_cast<EigenesBild*>(&bild);
    if (!eigenes) return;
    // The surface still paints on the image, so the clipboard gets a copy of its own.
    QGuiApplication::clipboard()->setImage(eigenes->Bild().copy());
}

} // namespace nervalo
