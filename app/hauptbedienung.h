#pragma once
// The controls of the main window: the menu bar, the top tool bar with the net type label, the
// left tool panel and the status panel. Each menu item and tool button is created with the
// command it belongs to; the main window connects each command to its handler and hands over
// the commands' states. Tests find the controls by their object names (the names of the items
// and buttons, "HintPanel", "NetztypLbl", "WerkzeugPanel1").
#include <functional>
#include <utility>
#include <vector>

#include "befehlsstaende.h"

class QLabel;
class QMenu;
class QMainWindow;
class QObject;
class QString;
class QToolBar;

namespace nervalo {

class Hauptbedienung {
  public:
    // Builds the controls on the frame.
    explicit Hauptbedienung(QMainWindow& fenster);

    // Calls ausloesen when a menu item or tool button of the command is triggered.
    void Verbinden(Kommando k, const std::function<void()>& ausloesen);
    // Shows the commands' enabled and checked states, the tool panel and the net type label.
    void Anwenden(const Befehlsstaende& staende);
    // Writes a hint into the status panel.
    void Hinweis(const QString& text);

  private:
    void menueAnlegen(QMainWindow& fenster);
    // "Lernkurve", "Entscheidungskarte" and "Trainingstempo" after the items of "Anzeige".
    void lernanzeigeAnlegen(QMenu* anzeige);
    void hauptpanelAnlegen(QMainWindow& fenster);
    void werkzeugpanelAnlegen(QMainWindow& fenster);
    void hintpanelAnlegen(QMainWindow& fenster);
    void kuerzelSetzen();

    std::vector<std::pair<Kommando, QObject*>> teile_; // menu items and buttons by command
    QToolBar* werkzeugPanel_ = nullptr;
    QLabel* netztypLbl_ = nullptr;
    QLabel* hintPanel_ = nullptr;
};

} // namespace nervalo
