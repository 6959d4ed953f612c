#pragma once
// The content of a tool window whose size is fixed by its content, in a scroll area without a
// frame. While the window can be as large as its content, the scroll area shows no scroll bar and
// the content lies at the window's origin, exactly as if it lay in the window itself. Where the
// screen's available area is smaller, the window is shrunk to it and the content scrolls.
#include <QScrollArea>
#include <QSize>
#include <functional>

namespace nervalo {

class Fensterinhalt : public QScrollArea {
    Q_OBJECT

  public:
    // Fills fenster. beiGroesse is called whenever the content changes its size, so that the
    // window can lay out controls along its edges.
    Fensterinhalt(QWidget& fenster, std::function<void(QSize)> beiGroesse = {});

    // The parent of the window's controls.
    QWidget* Flaeche() const { return flaeche_; }
    // Fixes the content's size; the window gets the same size, or less with scroll bars where
    // the available area is smaller. Until the first call, the content follows the window.
    void FesteGroesse(QSize groesse);

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override;

  private:
    QWidget& fenster_;
    QWidget* flaeche_;
    std::function<void(QSize)> beiGroesse_;
};

} // namespace nervalo
