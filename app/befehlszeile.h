#pragma once
// The program's command line. Users have --help and --version; --selbsttest checks an
// installation without a screen. Everything else goes to the main window unchanged (a net file
// to open), except two developer aids for scripts:
//   --screenshot <datei.png> [--wartezeit <ms>]
//       saves a picture of the screen <ms> milliseconds (default 1500) after the main window
//       was first shown, then quits (scripts/screenshot.sh).
//   --startzeit
//       prints the milliseconds from the start of main() to the first shown main window, then
//       quits (bench/start_bench.sh).
#include <QString>
#include <QStringList>

namespace nervalo {

enum class Startart {
    Programm,  // the desktop program
    Hilfe,     // --help: print the usage, exit
    Version,   // --version: print the version, exit
    Selbsttest // --selbsttest: open the net, check the installation, exit
};

struct Befehlszeile {
    Startart art = Startart::Programm;
    QString screenshot;
    int wartezeit = 1500;
    bool startzeit = false;
    QStringList argumente; // what is left for the main window
};

// argumente: the arguments after the program name. The first of --help and --version wins over
// everything else; both work without a display, so main() reads them before Qt starts.
Befehlszeile BefehlszeileAuswerten(const QStringList& argumente);

// The texts printed for --help and --version.
QString HilfeText();
QString VersionText();

} // namespace nervalo
