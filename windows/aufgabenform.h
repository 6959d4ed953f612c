#pragma once
// The learning task window: a table with one row per task and one column per input and target
// value, the buttons that start and stop training, and the error and step count of the last
// training step. It stays on top of the main window.
#include <QWidget>
#include <cstdint>
#include <memory>
#include <string>

#include "aufgabenumgebung.h"
#include "bilduhr.h"
#include "intedit.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;
class QToolButton;

namespace nervalo {

class Fensterinhalt;

class TAufgabenForm : public QWidget {
    Q_OBJECT

  public:
    // Creates the window centred on the screen and shows it.
    TAufgabenForm(AufgabenUmgebung& umgebung, QWidget* parent);

    std::int32_t AktuelleAufgabe = 1; // table row (1..n) that the next training step uses
    std::int32_t Spaltenzahl = 0;     // data columns: input values, then target values
    bool Abbruch = false;             // stop request, tested by a running loop after each step

    // The table as a grid of text cells: column 0 holds the row headers "A1", "A2", ..., row 0
    // the column headers; data cells are [1.., 1..]. Cells outside the grid read as "" and are
    // not written.
    std::string Zelle(int spalte, int zeile) const;
    void SetzeZelle(int spalte, int zeile, const std::string& text);
    // Grid columns including the header column.
    void SetzeSpaltenzahlDerTabelle(int spalten);
    int SpaltenzahlDerTabelle() const;
    // Grid rows including the header row.
    int ZeilenzahlDerTabelle() const;
    // Makes row r the grid's current row; the caption of Trainierebtn follows.
    void AktuelleZeileSetzen(int zeile);
    // "Alle" moves the current row to the trained row once per screen frame and when the loop
    // ends: moving it costs more than a training step. This moves it at once.
    void VorgemerkteZeileSetzen();
    // True while a training loop runs (also a loop started inside another).
    bool LaeuftSchleife() const { return schleifen_ > 0; }

    // Rows and row headers for SpinEdit1's task count, the grid's width for Spaltenzahl; the
    // window grows to hold the grid but never shrinks.
    void FensterAnpassen();
    // Activation and a change of the task count: FensterAnpassen, errors ignored.
    void FormActivate();
    // "A1": trains the row that is current at the click until Abbruch.
    void TrainierebtnClick();
    // "Alle": trains a randomly drawn row per step until Abbruch.
    void TaBtnClick();
    // "Stop".
    void BitBtn1Click();
    // The caption of Trainierebtn becomes the header of the current row.
    void StringGrid1Click();
    // A key typed into the table or its cell editor: '.' becomes ','.
    void StringGrid1KeyPress(QChar& key);
    // Stops a running loop, tells the main window, and lets the window be destroyed once no
    // loop runs any more.
    void FormClose();

    // True when every data cell holds a number; each faulty cell gets its own error box, in
    // column order.
    bool TabelleGueltig();
    // Reads a task file into the table. A file whose column count differs from Spaltenzahl is
    // refused before anything changes. Values go into the rows that exist (at most 10); when
    // the file ends early, the cells read so far stay and Fehler("Stream-Lesefehler") is thrown.
    void Laden(const std::string& dateiname);
    // Writes the table (Spaltenzahl columns, SpinEdit1's number of rows) as a task file. Throws
    // the conversion error of the first faulty cell before anything is written.
    void Sichern(const std::string& dateiname);

    QLabel* Label1;
    QSpinBox* SpinEdit1;
    QLabel* Label3;
    QToolButton* Trainierebtn;
    QToolButton* TaBtn;
    QTableWidget* StringGrid1;
    QPushButton* BitBtn1;
    QLabel* Label2;
    QLineEdit* FehlerEdit;
    QLabel* Label4;
    TIntEdit* IterationenEdit;

  signals:
    // A training loop has returned (also a nested one, and one that ended with an error).
    void SchleifeBeendet();
    // "Stop" or the close box has set Abbruch: a step that waits for its turn ends the wait.
    void AbbruchVerlangt();

  protected:
    void closeEvent(QCloseEvent* e) override;
    bool event(QEvent* e) override;

  private:
    class Schleife;
    friend class Schleife;

    void ZeileVormerken(int zeile);

    AufgabenUmgebung& umgebung_;
    Fensterinhalt* inhalt_;    // holds the controls; scrolls where the screen is too small
    int schleifen_ = 0;        // loops running, nested ones counted
    bool geschlossen_ = false; // FormClose has run
    int vorgemerkteZeile_ = 0; // row that becomes current at the end of the frame, 0 none
    std::unique_ptr<Wecker> zeilentakt_;
};

} // namespace nervalo
