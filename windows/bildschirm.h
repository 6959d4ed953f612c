#pragma once
// Windows on small screens. Every window the program opens lies within the available area of
// its screen (the screen without task bars and docks): a window that would reach beyond it is
// moved, and a window that is larger even then is shrunk: one the user may size to the area, a
// tool window of fixed size with its content scrolling (Fensterinhalt). A window that fits stays
// exactly where and as large as it is.
#include <QMargins>
#include <QObject>
#include <QRect>
#include <optional>

class QWidget;

namespace nervalo {

// The available area of the screen that shows the window (of the primary screen before it is
// shown anywhere), or the area installed for tests.
QRect VerfuegbarerBereich(const QWidget& fenster);
// Installs one area for every window (tests); nullopt gives the screens' own back.
void SetzeVerfuegbarerBereich(std::optional<QRect> bereich);

// The frame around the window's client area (title bar, borders). Before the window system has
// framed a window, that of the window it belongs to, framed by the same window manager.
QMargins Rahmenraender(const QWidget& fenster);

// The top-left corner of a frame `rahmen` moved as little as possible into `bereich`: where it
// is larger than the area, its left or top edge lies on the area's.
QPoint EingepassterOrt(const QRect& rahmen, const QRect& bereich);

// Moves a top-level window into its available area, if it reaches beyond it; a window the user
// may size is first shrunk to the area if it is larger.
void Einpassen(QWidget& fenster);

// Fits every top-level window as it is shown or resized: installed on the application.
class Bildschirmanpassung : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;
};

} // namespace nervalo
