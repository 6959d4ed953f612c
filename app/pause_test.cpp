// Pause once the program has been told to quit: it returns at once instead of spinning until its
// deadline (a recall's 2-second wait would otherwise keep a core busy while the program ends).
#include <QApplication>
#include <QtTest>

#include "bilduhr.h"
#include "pause.h"

namespace {

// A clock that moves one millisecond each time it is read, with alarms that never ring: a Pause
// that kept waiting after the quit would read it about 2000 times.
class ZaehlendeUhr : public nervalo::Bilduhr {
  public:
    ZaehlendeUhr() { vorher_ = nervalo::setzeBilduhr(this); }
    ~ZaehlendeUhr() override { nervalo::setzeBilduhr(vorher_); }
    std::int64_t Millisekunden() const override { return ++jetzt_; }
    std::unique_ptr<nervalo::Wecker> NeuerWecker(std::function<void()>) override {
        return std::make_unique<StummerWecker>();
    }
    std::int64_t Ablesungen() const { return jetzt_; }

  private:
    struct StummerWecker : nervalo::Wecker {
        void Stellen(std::int64_t) override { gestellt = true; }
        void Abstellen() override { gestellt = false; }
        bool Gestellt() const override { return gestellt; }
        bool gestellt = false;
    };
    nervalo::Bilduhr* vorher_;
    mutable std::int64_t jetzt_ = 0;
};

} // namespace

class PauseTest : public QObject {
    Q_OBJECT
  private slots:
    void endetSofortWennDasProgrammEndet() {
        ZaehlendeUhr uhr;
        QCoreApplication::exit(0);
        nervalo::Pause(2000);
        QVERIFY2(uhr.Ablesungen() < 10, qPrintable(QString::number(uhr.Ablesungen())));
    }
};

QTEST_MAIN(PauseTest)
#include "pause_test.moc"
