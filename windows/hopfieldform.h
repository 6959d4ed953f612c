#pragma once
// The Hopfield pattern window: a pad of on/off cells, one per neuron of the net, with buttons to
// clear the pad, store the drawn pattern in the net and let the net reconstruct a pattern pass by
// pass until "Stop". Storing and recalling are the main window's work (HopfieldUmgebung); this
// window owns the cells, the pattern counter and the stop request.
#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "hopfieldspeicher.h"
#include "hopfieldumgebung.h"
#include "intedit.h"

class QFrame;
class QLabel;
class QPushButton;
class QToolButton;

namespace nervalo {

class Fensterinhalt;
class THopfieldForm;

// The pattern grid: text cells without header rows or columns, 20 x 20 pixels each with grid
// lines between them, no scroll bars and no editing. A cell holding exactly "u" is on and is
// drawn as a filled black diamond; an empty cell is off. Presses go to the form's handler.
//
// The cells lie inside a 1-pixel frame at a pitch of 21 pixels (cell plus line). When the widget
// is too narrow or too low for that pitch, the cells shrink so that every cell stays visible and
// can be clicked (the width the main window gives a wide grid, 20 pixels per column plus 10, is
// short of 21 per column from ten columns on).
class TMusterGitter : public QWidget {
    Q_OBJECT

  public:
    TMusterGitter(THopfieldForm& form, QWidget* parent);

    // At least 1 and at most MaxNeuronen columns or rows; the cells of the overlap keep their
    // text, new cells are empty.
    int ColCount() const { return spalten_; }
    void SetzeColCount(int n);
    int RowCount() const { return zeilen_; }
    void SetzeRowCount(int n);

    // Cell [spalte, zeile], both from 0. Outside the grid a cell reads as empty and writing it
    // does nothing.
    std::string Cells(int spalte, int zeile) const;
    void SetzeCells(int spalte, int zeile, const std::string& text);

    // The cell under the widget point (x, y), its right and lower grid line included; false
    // over the frame and the empty area beyond the last column or row.
    bool ZelleBei(int x, int y, int& spalte, int& zeile) const;
    // The inside of a cell (without its grid lines) in widget coordinates.
    QRect ZellRechteck(int spalte, int zeile) const;

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    int SchrittX() const;
    int SchrittY() const;
    void Umbauen(int spalten, int zeilen);

    THopfieldForm& form_;
    int spalten_ = 10;
    int zeilen_ = 10;
    std::vector<std::string> zellen_; // column by column: [spalte * zeilen_ + zeile]
};

class THopfieldForm : public QWidget {
    Q_OBJECT

  public:
    // A tool window above parent (the main window) with its close box only; not yet shown.
    THopfieldForm(HopfieldUmgebung& umgebung, QWidget* parent = nullptr);

    // Stop request of the recall loop; the loop tests it before each pass.
    bool Abbruch = false;

    // The cells as the main window reads and writes them: "u" is on, anything else off.
    std::string Zelle(int spalte, int zeile) const { return StringGrid1->Cells(spalte, zeile); }
    void SetzeZelle(int spalte, int zeile, const std::string& text) {
        StringGrid1->SetzeCells(spalte, zeile, text);
    }
    int Spalten() const { return StringGrid1->ColCount(); }
    int Zeilen() const { return StringGrid1->RowCount(); }
    // The grid's pattern in neuron order (Hopfieldspeicher's cell mapping): "u" is on.
    Muster Gittermuster() const;

    // Lays the window out for h columns and v rows: the grid (20 h + 10) x (21 v + 9) pixels,
    // its width fixed; the pattern counter and its label right of it; the window's client area
    // fixed to the size that holds everything (at least 264 x 160). Works shown or hidden.
    void Auslegen(int h, int v);

    // True while a recall started from this window runs.
    bool LaeuftSchleife() const { return schleifen_ > 0; }

    QFrame* Panel1;
    QToolButton* LoescheBtn;
    QToolButton* MerkeBtn;
    QToolButton* ErkennenBtn;
    QLabel* Label2;
    TIntEdit* IntEdit1; // passes of the running or last recall ("Prop.")
    QPushButton* StopBtn;
    TMusterGitter* StringGrid1;
    QLabel* MusternummerLbl;
    TIntEdit* MusternummerEdit; // patterns stored from this window
    QLabel* Hintpanel;

    // Event handlers. Coordinates are pixels of the grid.
    void StringGrid1MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void LoescheBtnClick();
    void MerkeBtnClick();
    void ErkennenBtnClick();
    void StopBtnClick();
    void FormActivate();
    void FormClose();

  signals:
    // The user has changed cells: by a click or with "C".
    void ZellenGeaendert();

  protected:
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

  private:
    // Panel1 along the top edge and Hintpanel along the bottom edge of the content.
    void Raender(QSize groesse);

    HopfieldUmgebung& umgebung_;
    Fensterinhalt* inhalt_;    // holds the controls; scrolls where the screen is too small
    int schleifen_ = 0;        // recalls running from this window (a second "?" nests)
    bool geschlossen_ = false; // closed; destroyed once no recall runs any more
    bool zentriert_ = false;
};

} // namespace nervalo
