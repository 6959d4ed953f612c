// The program's entry: creates the main window and the dialogs that live for the whole run,
// installs the Qt message boxes, clipboard and neuron dialog, and runs the event loop.
//
// Usage: nervalo [datei.net]
//
// Two options are developer aids for scripts and are not meant for users:
//   --screenshot <datei.png> [--wartezeit <ms>]
//       saves a picture of the screen <ms> milliseconds (default 1500) after the main window
//       was first shown, then quits (scripts/screenshot.sh).
//   --startzeit
//       prints the milliseconds from the start of main() to the first shown main window, then
//       quits (bench/start_bench.sh).
#include <cstdio>
#include <functional>
#include <memory>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include "aufgabenform.h"
#include "dialoge.h"
#include "hopfieldform.h"
#include "infoform.h"
#include "mainform.h"
#include "netztypform.h"
#include "netztypwahlform.h"
#include "neuroneditform.h"
#include "qtzwischenablage.h"
#include "zeichenflaeche.h"

namespace {

struct Entwickleroptionen {
    QString screenshot;
    int wartezeit = 1500;
    bool startzeit = false;
    QStringList argumente; // what is left: the program's own arguments
};

Entwickleroptionen auswerten(const QStringList& liste) {
    Entwickleroptionen o;
    for (qsizetype i = 0; i < liste.size(); ++i) {
        const QString& a = liste[i];
        if (a == QLatin1String("--screenshot") && i + 1 < liste.size())
            o.screenshot = liste[++i];
        else if (a == QLatin1String("--wartezeit") && i + 1 < liste.size())
            o.wartezeit = liste[++i].toInt();
        else if (a == QLatin1String("--startzeit"))
            o.startzeit = true;
        else
            o.argumente << a;
    }
    return o;
}

// Calls the function once, as soon as the window has been exposed and painted for the first time.
class ErsteAnzeige : public QObject {
  public:
    ErsteAnzeige(QWindow* fenster, std::function<void()> f) : f_(std::move(f)) {
        fenster->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* objekt, QEvent* e) override {
        auto* fenster = static_cast<QWindow*>(objekt);
        if (!erledigt_ && e->type() == QEvent::Expose && fenster->isExposed()) {
            erledigt_ = true;
            // Queued: the expose event paints the window first.
            QTimer::singleShot(0, this, f_);
        }
        return false;
    }

  private:
    std::function<void()> f_;
    bool erledigt_ = false;
};

} // namespace

int main(int argc, char** argv) {
    QElapsedTimer uhr;
    uhr.start();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nervalo"));
    // Qt's own texts (the buttons of message boxes, the file dialogs) in German, like the rest
    // of the program.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;
    if (qtTexte.load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexte);

    QStringList liste = QApplication::arguments();
    if (!liste.isEmpty()) liste.removeFirst();
    const Entwickleroptionen optionen = auswerten(liste);

    nervalo::setzeDialoge(nullptr); // the Qt boxes, also for the model's messages
    nervalo::QtZwischenablage zwischenablage;
    nervalo::setzeZwischenablage(&zwischenablage);

    nervalo::TMainForm hauptfenster(optionen.argumente);
    nervalo::TNeuronEditForm neuronEditor(&hauptfenster);
    nervalo::setzeNeuronEditor(&neuronEditor);
    nervalo::TNetztypForm netztyp(&hauptfenster);
    hauptfenster.NetztypForm = &netztyp;
    nervalo::TInfoForm info(&hauptfenster);
    hauptfenster.InfoForm = &info;
    nervalo::TNetztypwahlForm netztypwahl(&hauptfenster);
    hauptfenster.NetztypwahlForm = &netztypwahl;

    // Start at the screen's full working area, also where no window manager maximises it.
    if (QScreen* bildschirm = QGuiApplication::primaryScreen())
        hauptfenster.setGeometry(bildschirm->availableGeometry());
    hauptfenster.winId(); // creates the native window, so its first expose can be seen

    std::unique_ptr<ErsteAnzeige> beobachter;
    if (optionen.startzeit) {
        beobachter = std::make_unique<ErsteAnzeige>(hauptfenster.windowHandle(), [&] {
            std::printf("%lld\n", static_cast<long long>(uhr.elapsed()));
            std::fflush(stdout);
            QApplication::quit();
        });
    } else if (!optionen.screenshot.isEmpty()) {
        beobachter = std::make_unique<ErsteAnzeige>(hauptfenster.windowHandle(), [&] {
            QTimer::singleShot(optionen.wartezeit, &hauptfenster, [&] {
                QPixmap bild;
                if (QScreen* bildschirm = hauptfenster.screen()) bild = bildschirm->grabWindow(0);
                if (bild.isNull()) bild = hauptfenster.grab();
                const bool ok = bild.save(optionen.screenshot);
                std::fprintf(stderr, "%s %s\n", ok ? "gespeichert:" : "nicht gespeichert:",
                             qPrintable(optionen.screenshot));
                // A recall or training loop runs until its window asks it to stop and would keep
                // the program alive: closing the windows ends the loops first.
                if (hauptfenster.Hopfieldfenster) hauptfenster.Hopfieldfenster->close();
                if (hauptfenster.Aufgabenfenster) hauptfenster.Aufgabenfenster->close();
                QApplication::exit(ok ? 0 : 1);
            });
        });
    }

    hauptfenster.showMaximized();
    const int ergebnis = QApplication::exec();
    nervalo::setzeNeuronEditor(nullptr);
    nervalo::setzeZwischenablage(nullptr);
    return ergebnis;
}
