// The program's entry: reads the command line (befehlszeile.h), creates the main window and the
// dialogs that live for the whole run, installs the Qt message boxes, clipboard and neuron dialog,
// and runs the event loop.
//
// Usage: nervalo [datei.net]; nervalo --help lists the options.
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocale>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <QWindow>

#include "aufgabenform.h"
#include "befehlszeile.h"
#include "bildschirm.h"
#include "dialoge.h"
#include "hopfieldform.h"
#include "infoform.h"
#include "mainform.h"
#include "netztypform.h"
#include "netztypwahlform.h"
#include "neuroneditform.h"
#include "programmdaten.h"
#include "qtzwischenablage.h"
#include "selbsttest.h"
#include "zeichenflaeche.h"

namespace {

void ausgeben(std::FILE* ziel, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), ziel);
    std::fflush(ziel);
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
    {
        // --help and --version need no display: answered before Qt connects to one.
        QStringList roh;
        for (int i = 1; i < argc; ++i)
            roh << QString::fromLocal8Bit(argv[i]);
        const nervalo::Startart art = nervalo::BefehlszeileAuswerten(roh).art;
        if (art == nervalo::Startart::Hilfe || art == nervalo::Startart::Version) {
            ausgeben(stdout, art == nervalo::Startart::Hilfe ? nervalo::HilfeText()
                                                             : nervalo::VersionText());
            return 0;
        }
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Nervalo"));
    QGuiApplication::setDesktopFileName(QStringLiteral("nervalo"));
    // Qt's own texts (the buttons of message boxes, the file dialogs) in German, like the rest
    // of the program.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTranslator qtTexte;
    const QString uebersetzung = nervalo::QtUebersetzungLaden(qtTexte);
    if (!uebersetzung.isEmpty()) QApplication::installTranslator(&qtTexte);

    // Qt has taken its own options (-platform, -style, ...) out of the arguments by now.
    QStringList liste = QApplication::arguments();
    if (!liste.isEmpty()) liste.removeFirst();
    const nervalo::Befehlszeile optionen = nervalo::BefehlszeileAuswerten(liste);

    // Every window within the screen's available area, also on a small screen.
    nervalo::Bildschirmanpassung bildschirmanpassung;
    app.installEventFilter(&bildschirmanpassung);

    nervalo::setzeDialoge(nullptr); // the Qt boxes, also for the model's messages
    std::optional<nervalo::SelbsttestDialoge> stumm;
    if (optionen.art == nervalo::Startart::Selbsttest) stumm.emplace();
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
    if (stumm) {
        // Queued behind the main window's own handling of its arguments (queued when shown).
        QTimer::singleShot(0, &hauptfenster, [&] {
            const QStringList gruende =
                nervalo::Selbsttest(hauptfenster, optionen.argumente, uebersetzung, *stumm);
            if (gruende.isEmpty())
                ausgeben(stdout, QStringLiteral("Selbsttest bestanden: %1, Tutorium %2, "
                                                "Übersetzung %3\n")
                                     .arg(optionen.argumente.front(), nervalo::TutoriumPfad(),
                                          uebersetzung));
            else
                ausgeben(stderr, QStringLiteral("Selbsttest fehlgeschlagen:\n  ") +
                                     gruende.join(QStringLiteral("\n  ")) + QLatin1Char('\n'));
            QApplication::exit(gruende.isEmpty() ? 0 : 1);
        });
    }
    const int ergebnis = QApplication::exec();
    nervalo::setzeNeuronEditor(nullptr);
    nervalo::setzeZwischenablage(nullptr);
    return ergebnis;
}
