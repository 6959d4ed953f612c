// How often the learning views are brought up to date during a loop, on the test clock: 40 times
// a second while an update is cheap, and so rarely that updates take at most a fifth of the time
// when one is slow (the map of a big net), so that the training keeps the rest.
#include <QTest>
#include <vector>

#include "lernbeobachtung.h"
#include "netz.h"
#include "spezialnetze.h"
#include "testuhr.h"

using namespace nervalo;

class LernbeobachtungTest : public QObject {
    Q_OBJECT

  private slots:
    void abstandNachDauer_data() {
        QTest::addColumn<int>("dauer"); // of one update, in milliseconds
        QTest::addColumn<int>("abstand");
        QTest::newRow("sofort") << 0 << 25;
        QTest::newRow("knapp") << 5 << 25;
        QTest::newRow("langsam") << 20 << 100;
        QTest::newRow("sehr langsam") << 300 << 1500;
    }
    void abstandNachDauer() {
        QFETCH(int, dauer);
        QFETCH(int, abstand);
        test::TestUhr uhr;
        TNetz netz;
        BauePerzeptron(netz, 2, 2, 1);
        const Lernzuordnung zuordnung = Lernzuordnung::AusNetz(netz);
        std::vector<std::int64_t> beginne;
        // The total error reads the net: the time of an update passes there.
        Lernbeobachtung beobachtung({[&]() -> const TNetz& {
                                         beginne.push_back(uhr.Millisekunden());
                                         uhr.Weiter(dauer);
                                         return netz;
                                     },
                                     [&] { return zuordnung; },
                                     [] {
                                         return Aufgabentabelle{{0.0f, 1.0f, 1.0f}};
                                     }},
                                    nullptr);
        // A loop of one step per millisecond for six seconds.
        for (int ms = 0; ms < 6000; ++ms) {
            beobachtung.Schritt(0.5f);
            uhr.Weiter(1);
        }
        QVERIFY(beginne.size() >= 3);
        for (std::size_t i = 1; i < beginne.size(); ++i)
            QCOMPARE(beginne[i] - beginne[i - 1], std::int64_t(abstand));
        QCOMPARE(beobachtung.Kurve().Schritte(), 6000);
    }
};

QTEST_MAIN(LernbeobachtungTest)
#include "lernbeobachtung_test.moc"
