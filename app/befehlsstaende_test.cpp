// Which commands the program's state enables and checks, as a table of states: the rules of the
// menus and tool buttons without any widget.
#include <QtTest>
#include <algorithm>

#include "befehlsstaende.h"

using namespace nervalo;
using K = Kommando;

namespace {

// The commands that the net, its type, its display and the task window decide about.
const std::pair<Kommando, const char*> Abhaengige[] = {
    {K::NetzSpeichern, "NetzSpeichern"},
    {K::Bearbeiten, "Bearbeiten"},
    {K::NeueLernaufgabe, "NeueLernaufgabe"},
    {K::Perzeptronaufgabe, "Perzeptronaufgabe"},
    {K::Hopfieldaufgabe, "Hopfieldaufgabe"},
    {K::PerzeptronKnopf, "PerzeptronKnopf"},
    {K::HopfieldKnopf, "HopfieldKnopf"},
    {K::AufgabeOeffnen, "AufgabeOeffnen"},
    {K::AufgabeSpeichern, "AufgabeSpeichern"},
    {K::LetztesNeuronLoeschen, "LetztesNeuronLoeschen"},
    {K::HopfieldAnalyse, "HopfieldAnalyse"},
    {K::Pfeile, "Pfeile"},
    {K::Gewichte, "Gewichte"},
    {K::Rueckgaengig, "Rueckgaengig"},
    {K::Wiederholen, "Wiederholen"}};

// The commands that need the net window and nothing else: the net's picture as a file and on
// paper.
const Kommando MitNetzfenster[] = {K::BildSpeichern, K::Drucken, K::Aenderungen, K::Rechenweg};

// The decision map and the pace, tested on their own.
const Kommando Lernanzeige[] = {K::Entscheidungskarte,
                                K::TempoHoechstes,
                                K::Tempo1,
                                K::Tempo2,
                                K::Tempo5,
                                K::Tempo10,
                                K::Tempo50};

bool abhaengig(Kommando k) {
    return std::any_of(std::begin(Abhaengige), std::end(Abhaengige),
                       [k](const auto& a) { return a.first == k; }) ||
           std::find(std::begin(MitNetzfenster), std::end(MitNetzfenster), k) !=
               std::end(MitNetzfenster) ||
           std::find(std::begin(Lernanzeige), std::end(Lernanzeige), k) != std::end(Lernanzeige);
}

// The state as one line: the commands above that are enabled, those that are checked, the net
// type label and whether the tool panel shows.
QString zeile(const Befehlsstaende& b) {
    QStringList aktiv, haken;
    for (const auto& [k, name] : Abhaengige) {
        if (b[k].aktiv) aktiv << name;
        if (b[k].haken) haken << name;
    }
    return aktiv.join(' ') + " | " + haken.join(' ') + " | " + QString::fromUtf8(b.netztyp) +
           (b.werkzeugleiste ? " | Werkzeuge" : "");
}

const QString Aufgaben = "NetzSpeichern Bearbeiten NeueLernaufgabe Perzeptronaufgabe "
                         "Hopfieldaufgabe PerzeptronKnopf HopfieldKnopf AufgabeOeffnen "
                         "LetztesNeuronLoeschen HopfieldAnalyse";
const QString Perzeptron = "NetzSpeichern Bearbeiten NeueLernaufgabe Perzeptronaufgabe "
                           "PerzeptronKnopf AufgabeOeffnen";
const QString Hopfield = "NetzSpeichern Bearbeiten NeueLernaufgabe Hopfieldaufgabe HopfieldKnopf "
                         "LetztesNeuronLoeschen HopfieldAnalyse Pfeile";

struct Fall {
    const char* name;
    Programmzustand zustand; // no tool, no grid
    QString erwartet;        // as zeile() writes it
};

const Fall Faelle[] = {
    {"Start",
     {},
     "Perzeptronaufgabe Hopfieldaufgabe Pfeile Gewichte | Pfeile Gewichte | Netztyp: -"},
    {"neues, leeres Netz",
     {.netzfenster = true},
     "NetzSpeichern Bearbeiten Perzeptronaufgabe Hopfieldaufgabe Pfeile Gewichte | Pfeile "
     "Gewichte | Netztyp: - | Werkzeuge"},
    {"erstes Neuron",
     {.netzfenster = true, .neuronen = 1},
     Aufgaben + " Pfeile Gewichte | Pfeile Gewichte | Netztyp: - | Werkzeuge"},
    {"Perzeptron",
     {.netzfenster = true, .neuronen = 8, .netztyp = Netztyp::Perzeptron},
     Perzeptron +
         " LetztesNeuronLoeschen Pfeile Gewichte | Pfeile Gewichte | Netztyp: Perzeptron | "
         "Werkzeuge"},
    {"Perzeptron mit Aufgabenfenster",
     {.netzfenster = true, .neuronen = 8, .netztyp = Netztyp::Perzeptron, .aufgabenfenster = true},
     Perzeptron + " AufgabeSpeichern LetztesNeuronLoeschen Pfeile Gewichte | Pfeile Gewichte | "
                  "Netztyp: Perzeptron | Werkzeuge"},
    // Opened from a file: an empty net offers no task, whatever its type.
    {"leeres Perzeptron",
     {.netzfenster = true, .netztyp = Netztyp::Perzeptron},
     "NetzSpeichern Bearbeiten Perzeptronaufgabe Pfeile Gewichte | Pfeile Gewichte | Netztyp: "
     "Perzeptron | Werkzeuge"},
    // Weights are drawn only with arrows: "Gewichte" is greyed.
    {"Hopfield-Gitter",
     {.netzfenster = true, .neuronen = 49, .netztyp = Netztyp::Hopfield, .darstellung = 0},
     Hopfield + " |  | Netztyp: Hopfield | Werkzeuge"},
    // A drawn net given the Hopfield type keeps its arrows and weights, and so do the menu's
    // check marks.
    {"Hopfield-Typ mit Pfeilen",
     {.netzfenster = true, .neuronen = 2, .netztyp = Netztyp::Hopfield},
     Hopfield + " Gewichte | Pfeile Gewichte | Netztyp: Hopfield | Werkzeuge"},
    // A type this program doesn't know (from a damaged file) counts as none.
    {"unbekannter Typ",
     {.netzfenster = true, .neuronen = 3, .netztyp = Netztyp{7}},
     Aufgaben + " Pfeile Gewichte | Pfeile Gewichte | Netztyp: - | Werkzeuge"},
    {"Pfeile aus",
     {.netzfenster = true, .neuronen = 1, .darstellung = GewichteZeigen},
     Aufgaben + " Pfeile | Gewichte | Netztyp: - | Werkzeuge"},
    {"Gewichte aus",
     {.netzfenster = true, .neuronen = 1, .darstellung = PfeileZeigen},
     Aufgaben + " Pfeile Gewichte | Pfeile | Netztyp: - | Werkzeuge"},
};

} // namespace

class BefehlsstaendeTest : public QObject {
    Q_OBJECT

  private slots:
    void regeln() {
        for (const Fall& f : Faelle) {
            Programmzustand z = f.zustand;
            z.raster = false;
            const Befehlsstaende b = BefehleAbleiten(z);
            QCOMPARE(f.name + (": " + zeile(b)), f.name + (": " + f.erwartet));
            // Every other command is always there and, with no tool and no grid, unchecked.
            for (int i = 0; i < static_cast<int>(K::Anzahl); ++i) {
                const auto k = static_cast<Kommando>(i);
                if (!abhaengig(k))
                    QVERIFY2(b[k].aktiv && !b[k].haken, qPrintable(QString::number(i)));
            }
        }
    }

    void mitNetzfenster() {
        for (const Fall& f : Faelle)
            for (Kommando k : MitNetzfenster) {
                const Befehlsstand stand = BefehleAbleiten(f.zustand)[k];
                QVERIFY2(stand.aktiv == f.zustand.netzfenster && !stand.haken, f.name);
            }
        // "Änderungen" carries its check mark.
        QVERIFY(BefehleAbleiten({.netzfenster = true, .aenderungen = true})[K::Aenderungen].haken);
    }

    // Steps back and forward need the net window and a step to take, and wait while a command,
    // a loop or a drag is under way; the items name the step.
    void verlauf() {
        // Expected: the two items enabled (1) or not (0), then their texts.
        const std::pair<Programmzustand, const char*> faelle[] = {
            {{.netzfenster = true}, "00 Rückgängig|Wiederholen"},
            {{.netzfenster = true, .rueckgaengig = "Neuron verschieben"},
             "10 Rückgängig: Neuron verschieben|Wiederholen"},
            {{.netzfenster = true, .rueckgaengig = "Netz propagieren", .wiederholen = "Training"},
             "11 Rückgängig: Netz propagieren|Wiederholen: Training"},
            // during a loop
            {{.netzfenster = true,
              .rueckgaengig = "Netz propagieren",
              .wiederholen = "Training",
              .aufzeichnung = true},
             "00 Rückgängig: Netz propagieren|Wiederholen: Training"},
            {{.rueckgaengig = "Pfeile"}, "00 Rückgängig: Pfeile|Wiederholen"},
        };
        for (const auto& [zustand, erwartet] : faelle) {
            const Befehlsstaende b = BefehleAbleiten(zustand);
            QCOMPARE(QString::number(b[K::Rueckgaengig].aktiv) +
                         QString::number(b[K::Wiederholen].aktiv) + " " +
                         QString::fromStdString(b.rueckgaengig + "|" + b.wiederholen),
                     QString::fromUtf8(erwartet));
        }
    }

    // The decision map needs a net window and exactly two input neurons, and says so while it
    // is unavailable.
    void lernanzeige() {
        const struct {
            bool netzfenster;
            int eingaben;
            bool karte;
        } karten[] = {{false, 2, false}, {true, 0, false}, {true, 1, false},
                      {true, 2, true},   {true, 3, false}, {true, 60, false}};
        for (const auto& f : karten) {
            const Befehlsstand b = BefehleAbleiten({.netzfenster = f.netzfenster,
                                                    .neuronen = f.eingaben + 1,
                                                    .eingaben = f.eingaben})[K::Entscheidungskarte];
            QCOMPARE(b.aktiv, f.karte);
            QCOMPARE(QString::fromUtf8(b.hinweis),
                     f.karte ? QString() : QString::fromUtf8(KarteNurMitZweiEingaben));
        }
    }
};

QTEST_MAIN(BefehlsstaendeTest)
#include "befehlsstaende_test.moc"
