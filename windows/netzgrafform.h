#pragma once
// The net editor window: shows the current net and edits it with the mouse. What a press, drag
// and release do depends on the main window's tool buttons, read at every event.
#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "editorumgebung.h"
#include "netz.h"
#include "qtzeichenflaeche.h"

class QScrollArea;

namespace nervalo {

class TNetzGrafform;

// The paint box of the net window. It keeps the picture in a white image (the backing store):
// every drawing of the editor goes into the image through Flaeche(), and paintEvent only copies
// the image to the screen. Mouse events go to the form's handlers in image coordinates.
class TNetzPaintBox : public QWidget {
    Q_OBJECT

  public:
    TNetzPaintBox(TNetzGrafform& form, QWidget* parent);

    QtZeichenflaeche& Flaeche() { return *flaeche_; }
    const QImage& Bild() const { return bild_; }
    // Makes image and widget w x h pixels. The picture is kept where old and new size overlap,
    // the rest is white; the pen mode carries over.
    void SetzeGroesse(int w, int h);

  protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

  private:
    // Image pixels per point: the screen's pixel ratio, rounded up to a whole number.
    int Massstab() const;

    TNetzGrafform& form_;
    QImage bild_;
    std::unique_ptr<QtZeichenflaeche> flaeche_;
};

class TNetzGrafform : public QWidget {
    Q_OBJECT

  public:
    explicit TNetzGrafform(EditorUmgebung& umgebung, QWidget* parent = nullptr);
    ~TNetzGrafform() override;

    // The net shown and edited; set by the main window right after creation, not owned.
    TNetz* Netz = nullptr;

    // Caption "Netz [name]", "Netz [Neu]" for an empty name.
    void TitelSetzen(const std::string& name);
    // The main window's redraw: clears the paint box and repaints it, then draws the net once
    // more over it.
    void Aktualisieren();

    // Fills the client area (inside a scroll area) and receives every mouse event.
    QWidget* PaintBox1;

    // Event handlers. Coordinates are pixels of the paint box.
    void PaintBox1Paint();
    void PaintBox1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, int x, int y);
    void PaintBox1MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    // Runs when the window closes; false if the close must not happen (saving failed).
    bool FormClose();

    // Editor state, one set for the program; a new window starts it afresh.
    static inline bool VerbindungAktiv = false; // a connection drag is in progress
    static inline std::int32_t Auswahl = -1;    // neuron under the last press, -1 none
    static inline std::int32_t Ziel = -1;       // neuron under the release of a drag
    static inline std::int32_t LinienendeX = 0; // free end of the rubber band
    static inline std::int32_t LinienendeY = 0;
    static inline bool DialogDruck = false; // the last press opened the neuron dialog

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    TNetzPaintBox& Box() { return *box_; }
    QtZeichenflaeche& Canvas() { return box_->Flaeche(); }
    bool Gueltig(int i) const { return Netz && i >= 0 && i < Netz->Anzahl(); }
    // Clears the paint box to white and repaints it (PaintBox1Paint).
    void NeuZeichnen();
    // Sizes the paint box to cover the viewport and the net (plus the point (x, y) if given).
    // Only grows unless schrumpfen is set.
    void GroesseAnpassen(bool schrumpfen, int x = 0, int y = 0);
    void Gummiband(const TGrafikNeuron& n, int x, int y);
    // Ends the drag as a release at (x, y); a connection is made or removed only if `verbinden`.
    void Loslassen(int x, int y, bool verbinden);

    EditorUmgebung& umgebung_;
    QScrollArea* rollbereich_;
    TNetzPaintBox* box_;
    // A press started a drag whose release has not come yet. A modal window that opens
    // meanwhile takes the mouse, and the release goes to it instead.
    bool zieht_ = false;
    int mausX_ = 0; // the mouse at the last press or move
    int mausY_ = 0;
};

} // namespace nervalo
