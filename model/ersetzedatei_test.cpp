// Saving over targets that are no plain file: devices, named pipes, symbolic links, and files
// of another user. Each case runs with both save functions, the net file's and the task file's.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "aufgabendatei.h"
#include "fehler.h"
#include "netz.h"
#include "ordnertest.h"
#include "testhilfe.h"

using namespace nervalo;
namespace fs = std::filesystem;

namespace {

struct Speicherer {
    const char* name;
    std::function<void(const fs::path&)> speichere;
    std::string bytes; // what it writes
};

const Speicherer Speicherer_[] = {
    {"Netz", [](const fs::path& p) { TNetz().Speichern(p); }, std::string("\x02\0\0\0\0", 5)},
    {"Aufgaben", [](const fs::path& p) { SichereAufgabendatei(p, 1, 1, {0.5f}); },
     test::ausHex("01 00 00 00 01 00 00 00 00 00 00 3F")},
};

// The text of the Fehler that saving to p throws; empty if none.
std::string fehlerBeim(const Speicherer& s, const fs::path& p) {
    try {
        s.speichere(p);
    } catch (const Fehler& f) {
        return f.what();
    }
    return "";
}

std::string erstellfehler(const fs::path& p, const std::string& grund) {
    return "Datei \"" + p.string() + "\" kann nicht erstellt werden. " + grund;
}

using ErsetzeDateiTest = test::OrdnerTest;

TEST_F(ErsetzeDateiTest, GeraeteWerdenAnOrtBeschrieben) {
    const struct {
        const char* name;
        unsigned nummer;
        const char* fehler;
    } geraete[] = {{"null", 3, ""}, {"full", 7, "Stream-Schreibfehler"}};
    for (const auto& g : geraete) {
        // Root works on copies of /dev/null and /dev/full in the test's folder, so that a save
        // gone wrong could not replace the system's own; anyone else cannot replace them.
        fs::path p = ordner / g.name;
        if (::geteuid() != 0)
            p = fs::path("/dev") / g.name;
        else if (::mknod(p.c_str(), S_IFCHR | 0666, makedev(1, g.nummer)) != 0)
            GTEST_SKIP() << "Gerätedatei nicht anzulegen: " << std::strerror(errno);
        if (!fs::is_character_file(p)) GTEST_SKIP() << p << " ist hier kein Gerät";
        for (const Speicherer& s : Speicherer_) {
            EXPECT_EQ(fehlerBeim(s, p), g.fehler) << g.name << " " << s.name;
            EXPECT_TRUE(fs::is_character_file(fs::symlink_status(p))) << g.name << " " << s.name;
        }
    }
}

TEST_F(ErsetzeDateiTest, BenanntePipe) {
    const fs::path p = ordner / "pipe";
    ASSERT_EQ(::mkfifo(p.c_str(), 0600), 0);
    for (const Speicherer& s : Speicherer_) {
        // Nobody reads: refused at once instead of waiting.
        EXPECT_EQ(fehlerBeim(s, p), erstellfehler(p, "Niemand liest aus der benannten Pipe."))
            << s.name;
        // With a reader the bytes go through the pipe.
        const int leser = ::open(p.c_str(), O_RDONLY | O_NONBLOCK);
        ASSERT_GE(leser, 0);
        EXPECT_EQ(fehlerBeim(s, p), "") << s.name;
        std::string gelesen(64, '\0');
        const ssize_t n = ::read(leser, gelesen.data(), gelesen.size());
        ::close(leser);
        gelesen.resize(n > 0 ? static_cast<std::size_t>(n) : 0);
        EXPECT_EQ(gelesen, s.bytes) << s.name;
        EXPECT_TRUE(fs::is_fifo(fs::symlink_status(p))) << s.name;
    }
    EXPECT_EQ(test::Dateinamen(ordner), std::vector<std::string>{"pipe"});
}

TEST_F(ErsetzeDateiTest, VerweisBleibtVerweis) {
    fs::create_directory(ordner / "unter");
    // Link name, where it points, and the file that must hold the bytes afterwards (empty: an
    // error, and the folder keeps only what was there).
    const struct {
        const char* name;
        fs::path verweis;
        fs::path ziel;
        const char* grund;
    } faelle[] = {
        {"fehlendes Ziel", "neu.net", ordner / "neu.net", ""},
        {"relativ im Unterordner", "unter/ziel.net", ordner / "unter" / "ziel.net", ""},
        {"absolut", ordner / "absolut.net", ordner / "absolut.net", ""},
        {"Kette", "kette-1", ordner / "kette-ende", ""},
        {"Ziel vorhanden", "da.net", ordner / "da.net", ""},
        {"Kreis", "kreis", "", "Der Name der Datei kann vom System nicht aufgelöst werden."},
        {"Ordner fehlt", "fehlt/x.net", "", "Das System kann den angegebenen Pfad nicht finden."},
    };
    fs::create_symlink("kette-ende", ordner / "kette-1");
    fs::create_symlink("kreis-2", ordner / "kreis");
    fs::create_symlink("kreis", ordner / "kreis-2");
    for (const auto& f : faelle) {
        for (const Speicherer& s : Speicherer_) {
            SCOPED_TRACE(std::string(f.name) + " " + s.name);
            const fs::path link = ordner / (std::string("link-") + f.name);
            fs::create_symlink(f.verweis, link);
            if (f.ziel == ordner / "da.net") test::schreibeDatei(f.ziel, "alt");
            const std::vector<std::string> vorher = test::Dateinamen(ordner);
            if (*f.grund) {
                EXPECT_EQ(fehlerBeim(s, link), erstellfehler(link, f.grund));
                EXPECT_EQ(test::Dateinamen(ordner), vorher);
            } else {
                EXPECT_EQ(fehlerBeim(s, link), "");
                EXPECT_EQ(test::liesDatei(f.ziel), s.bytes);
                EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(f.ziel)));
            }
            EXPECT_TRUE(fs::is_symlink(link));
            EXPECT_EQ(fs::read_symlink(link), f.verweis);
            fs::remove(link);
            if (!f.ziel.empty()) fs::remove(f.ziel);
        }
    }
}

TEST_F(ErsetzeDateiTest, ErsetzteDateiBehaeltBesitzerUndRechte) {
    if (::geteuid() != 0) GTEST_SKIP() << "eine fremde Datei ersetzen kann nur root";
    const fs::path p = ordner / "fremd";
    for (const Speicherer& s : Speicherer_) {
        test::schreibeDatei(p, "alt");
        if (::chown(p.c_str(), 65534, 65534) != 0)
            GTEST_SKIP() << "Besitzer ändern geht hier nicht (" << std::strerror(errno) << ")";
        ::chmod(p.c_str(), 0640);
        EXPECT_EQ(fehlerBeim(s, p), "") << s.name;
        struct stat st {};
        ASSERT_EQ(::stat(p.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u) << s.name;
        EXPECT_EQ(st.st_gid, 65534u) << s.name;
        EXPECT_EQ(st.st_mode & 07777, 0640u) << s.name;
        EXPECT_EQ(test::liesDatei(p), s.bytes) << s.name;
    }
}

TEST_F(ErsetzeDateiTest, LaufwerkWirdNieBeschrieben) {
    // A block device (with the number of the first loop device) in the test's folder.
    const fs::path laufwerk = ordner / "laufwerk";
    if (::mknod(laufwerk.c_str(), S_IFBLK | 0600, makedev(7, 0)) != 0)
        GTEST_SKIP() << "Gerätedateien anlegen braucht root (" << std::strerror(errno) << ")";
    for (const Speicherer& s : Speicherer_) {
        EXPECT_EQ(fehlerBeim(s, laufwerk),
                  erstellfehler(laufwerk, "Ein Laufwerk wird nicht überschrieben."));
        EXPECT_TRUE(fs::is_block_file(fs::symlink_status(laufwerk)));
    }
}

} // namespace
