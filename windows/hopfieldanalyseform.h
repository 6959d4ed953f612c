#pragma once
// The Hopfield analysis: the patterns stored since the net was built or opened, the energy of the
// pattern window's state, its distance and overlap to every stored pattern and to its inverse,
// whether a recall has settled and in what, the energy over the passes, and the capacity of the
// net. The main window computes everything with the model and hands it over (Zeigen); this
// window only shows it and keeps the two settings of the recall.
#include <QWidget>
#include <cstdint>
#include <vector>

#include "hopfieldanalyse.h"
#include "rekonstruktionsverlauf.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace nervalo {

class TEnergiekurve;
class TMusterstreifen;
class TUeberlappBalken;

// How the recall runs while the analysis window is open; a setting of the running program.
struct Analyseeinstellungen {
    std::int64_t takt = 2000; // milliseconds between two passes
    bool anhalten = false;    // the recall ends with the first pass that changes no cell
};

// What the window shows.
struct Analyseanzeige {
    std::vector<GemerktesMuster> gemerkt;
    // Without a state (analyse.mitZustand false) ohneZustand says why.
    Analyse analyse;
    QString ohneZustand;
    // The last recall; stabil only when the state shown is the one it ended in.
    const Rekonstruktionsverlauf* verlauf = nullptr;
    bool zustandAusVerlauf = false;
};

class THopfieldAnalyseForm : public QWidget {
    Q_OBJECT

  public:
    // A tool window above parent with its close box; it reads and writes einstellungen, which
    // must outlive it. Not yet shown; destroyed when closed.
    THopfieldAnalyseForm(Analyseeinstellungen& einstellungen, QWidget* parent = nullptr);

    void Zeigen(const Analyseanzeige& anzeige);

    QCheckBox* AnhaltenBox;
    QComboBox* TaktBox; // "0,2 s", "0,5 s", "2 s"
    TMusterstreifen* Streifen;
    QLabel* KapazitaetLbl;
    QLabel* EnergieLbl;
    QLabel* ZustandLbl;
    QTableWidget* Tabelle; // one row per stored pattern
    TUeberlappBalken* Balken;
    TEnergiekurve* Kurve;

  protected:
    void showEvent(QShowEvent* e) override;

  private:
    void tabelleFuellen(const Analyseanzeige& anzeige);
    Analyseeinstellungen& einstellungen_;
    bool platziert_ = false;
};

} // namespace nervalo
