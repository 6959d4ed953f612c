#include <gtest/gtest.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "aufgabendatei.h"
#include "fehler.h"
#include "ohnerechte.h"
#include "ordnertest.h"
#include "testhilfe.h"

using namespace nervalo;
namespace fs = std::filesystem;

namespace {

// Two inputs and one target, four tasks: inputs 0/0, 0/1, 1/0, 1/1 with targets 0, 1, 1, 0.
const char* const BeispielHex = "03 00 00 00 04 00 00 00 "
                                "00 00 00 00 00 00 00 00 00 00 80 3F 00 00 80 3F "
                                "00 00 00 00 00 00 80 3F 00 00 00 00 00 00 80 3F "
                                "00 00 00 00 00 00 80 3F 00 00 80 3F 00 00 00 00";
const std::vector<float> BeispielWerte = {0, 0, 1, 1, 0, 1, 0, 1, 0, 1, 1, 0};

std::string int32(std::int32_t v) {
    const auto u = static_cast<std::uint32_t>(v);
    std::string s;
    for (int i = 0; i < 4; ++i)
        s.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
    return s;
}

std::string kopf(std::int32_t s, std::int32_t n) {
    return int32(s) + int32(n);
}

// What a caller that reads every value one by one gets: the values up to the first missing one
// and the error text (empty when the file was complete).
struct Gelesen {
    std::int32_t s = 0, n = 0;
    std::vector<float> werte;
    std::string fehler;
};

Gelesen liesAlle(const fs::path& p) {
    Gelesen g;
    try {
        AufgabendateiLeser leser(p);
        g.s = leser.Spaltenzahl();
        g.n = leser.Anzahl();
        for (std::int64_t i = 0; i < std::int64_t{g.s} * g.n; ++i)
            g.werte.push_back(leser.Wert());
    } catch (const Fehler& f) {
        g.fehler = f.what();
    }
    return g;
}

using Aufgabendatei = test::OrdnerTest;

TEST_F(Aufgabendatei, BeispielInBeideRichtungen) {
    SichereAufgabendatei(ordner / "xor.lrn", 3, 4, BeispielWerte);
    EXPECT_EQ(test::liesDatei(ordner / "xor.lrn"), test::ausHex(BeispielHex));
    EXPECT_EQ(test::Dateinamen(ordner), std::vector<std::string>{"xor.lrn"});

    const Gelesen g = liesAlle(ordner / "xor.lrn");
    EXPECT_EQ(g.fehler, "");
    EXPECT_EQ(g.s, 3);
    EXPECT_EQ(g.n, 4);
    EXPECT_EQ(g.werte, BeispielWerte);
}

// Heads that promise more than the file holds cost nothing: the values that are there are
// delivered, then the read fails at once. Negative counts are refused at the head.
TEST_F(Aufgabendatei, FeindlicheKoepfe) {
    const std::string drei = Aufgabendateiinhalt(1, 3, {0.5f, -2.0f, 1e30f}).substr(8);
    const std::vector<float> dreiWerte = {0.5f, -2.0f, 1e30f};
    const struct {
        const char* name;
        std::string bytes;
        std::vector<float> werte;
        std::string fehler;
    } faelle[] = {
        {"leer", "", {}, "Stream-Lesefehler"},
        {"halber Kopf", int32(3), {}, "Stream-Lesefehler"},
        {"Kopf ohne letztes Byte", kopf(3, 4).substr(0, 7), {}, "Stream-Lesefehler"},
        {"negative Spaltenzahl", kopf(-1, 4) + drei, {}, "Datei beschädigt oder falsches Format"},
        {"negative Anzahl", kopf(3, INT32_MIN) + drei, {}, "Datei beschädigt oder falsches Format"},
        {"riesig", kopf(INT32_MAX, INT32_MAX) + drei, dreiWerte, "Stream-Lesefehler"},
        {"S·n über 32 Bit", kopf(65536, 65536) + drei, dreiWerte, "Stream-Lesefehler"},
        {"kürzer als die Zahlen", kopf(3, 4) + test::ausHex(BeispielHex).substr(8, 42),
         std::vector<float>(BeispielWerte.begin(), BeispielWerte.begin() + 10),
         "Stream-Lesefehler"},
        {"keine Aufgaben", kopf(3, 0), {}, ""},
        {"keine Spalten", kopf(0, 12) + drei, {}, ""},
        {"Rest wird übergangen", kopf(1, 3) + drei + "Rest", dreiWerte, ""},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        test::schreibeDatei(ordner / "x.lrn", fall.bytes);
        const Gelesen g = liesAlle(ordner / "x.lrn");
        EXPECT_EQ(g.werte, fall.werte);
        EXPECT_EQ(g.fehler, fall.fehler);
    }
}

TEST_F(Aufgabendatei, UeberspringenPrueftDieDateilaenge) {
    test::schreibeDatei(ordner / "x.lrn", test::ausHex(BeispielHex));
    {
        AufgabendateiLeser leser(ordner / "x.lrn");
        leser.Ueberspringe(2);
        EXPECT_EQ(leser.Wert(), 1.0f); // column 1, row 3
        leser.Ueberspringe(0);
        leser.Ueberspringe(8);
        EXPECT_EQ(leser.Wert(), 0.0f); // the last value
        EXPECT_THROW(leser.Wert(), Fehler);
    }
    {
        AufgabendateiLeser leser(ordner / "x.lrn");
        EXPECT_THROW(leser.Ueberspringe(13), Fehler);
        EXPECT_THROW(leser.Wert(), Fehler); // the file was passed over to its end
    }
    {
        AufgabendateiLeser leser(ordner / "x.lrn");
        EXPECT_THROW(leser.Ueberspringe(INT64_MAX), Fehler);
    }
    // A device has no length: its values are read and dropped.
    if (fs::exists("/dev/zero")) {
        AufgabendateiLeser leser("/dev/zero");
        leser.Ueberspringe(5000);
        EXPECT_EQ(leser.Wert(), 0.0f);
    }
}

TEST_F(Aufgabendatei, NichtZuOeffnen) {
    fs::create_directory(ordner / "ordner.lrn");
    struct Fall {
        fs::path pfad;
        std::string grund;
    };
    const Fall faelle[] = {
        {ordner / "fehlt.lrn", "Das System kann die angegebene Datei nicht finden."},
        {ordner / "fehlt" / "x.lrn", "Das System kann den angegebenen Pfad nicht finden."},
        {ordner / "ordner.lrn", "Der angegebene Pfad ist ein Ordner."},
    };
    for (const Fall& fall : faelle) {
        const Gelesen g = liesAlle(fall.pfad);
        EXPECT_EQ(g.fehler,
                  "Datei " + fall.pfad.string() + " kann nicht geöffnet werden. " + fall.grund);
    }
}

TEST_F(Aufgabendatei, LesegeschuetzteDatei) {
    const fs::path gesperrt = ordner / "gesperrt.lrn";
    test::schreibeDatei(gesperrt, test::ausHex(BeispielHex));
    fs::permissions(gesperrt, fs::perms::none);
    // Root reads everything: the case runs as a user without privileges.
    const test::Ausgang a = test::OhneRechte(ordner, [&] { AufgabendateiLeser leser(gesperrt); });
    if (!a.ausgefuehrt) GTEST_SKIP() << "root kann hier seine Rechte nicht abgeben";
    EXPECT_EQ(a.fehler,
              "Datei " + gesperrt.string() + " kann nicht geöffnet werden. Zugriff verweigert.");
}

TEST_F(Aufgabendatei, SpeichernZerstoertNieDieVorigeDatei) {
    test::schreibeDatei(ordner / "alt.lrn", "alter Inhalt");
    SichereAufgabendatei(ordner / "alt.lrn", 3, 4, BeispielWerte);
    EXPECT_EQ(test::liesDatei(ordner / "alt.lrn"), test::ausHex(BeispielHex));

    // A file that cannot be created (here: the name of a folder) leaves everything as it was.
    fs::create_directory(ordner / "ordner.lrn");
    EXPECT_THROW(SichereAufgabendatei(ordner / "ordner.lrn", 3, 4, BeispielWerte), Fehler);
    EXPECT_EQ(test::Dateinamen(ordner), (std::vector<std::string>{"alt.lrn", "ordner.lrn"}));

    // Values that do not fit the counts are a caller's mistake, never a short file.
    EXPECT_THROW(SichereAufgabendatei(ordner / "alt.lrn", 3, 4, {1, 2}), std::invalid_argument);
    EXPECT_EQ(test::liesDatei(ordner / "alt.lrn"), test::ausHex(BeispielHex));
}

TEST_F(Aufgabendatei, SchreibgeschuetzteDateiBleibt) {
    // The folder would allow renaming over the file; the file's own protection must hold.
    const fs::path alt = ordner / "alt.lrn";
    test::schreibeDatei(alt, "alter Inhalt");
    fs::permissions(alt, fs::perms::owner_read);
    // Root writes everything: the case runs as a user without privileges.
    const test::Ausgang a =
        test::OhneRechte(ordner, [&] { SichereAufgabendatei(alt, 3, 4, BeispielWerte); });
    if (!a.ausgefuehrt) GTEST_SKIP() << "root kann hier seine Rechte nicht abgeben";
    EXPECT_EQ(a.fehler,
              "Datei \"" + alt.string() + "\" kann nicht erstellt werden. Zugriff verweigert.");
    EXPECT_EQ(test::liesDatei(alt), "alter Inhalt");
    EXPECT_EQ(test::Dateinamen(ordner), std::vector<std::string>{"alt.lrn"});
}

} // namespace
