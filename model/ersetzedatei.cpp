#include "ersetzedatei.h"

#include <cerrno>
#include <filesystem>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "dateifehler.h"
#include "fehler.h"

namespace nervalo {
namespace {

namespace fs = std::filesystem;

constexpr const char* Schreibfehler = "Stream-Schreibfehler";
// As many links in a row as the system itself follows.
constexpr int MeisteVerweise = 40;

// A file descriptor, closed when it goes out of scope (unless close() was called).
struct Deskriptor {
    int fd = -1;
    ~Deskriptor() {
        if (fd >= 0) ::close(fd);
    }
    // Closes the descriptor; false when the system reports that data got lost.
    bool schliesse() {
        const int f = fd;
        fd = -1;
        return ::close(f) == 0;
    }
};

// The temporary file of a save: removed unless it has been renamed into place.
struct Zwischendatei {
    std::string name;
    bool behalten = false;
    ~Zwischendatei() {
        if (!behalten) ::unlink(name.c_str());
    }
};

// The path a save writes to: name itself, or for a symbolic link the path the chain of links
// ends in, whether or not that exists.
std::string Endziel(const std::string& name) {
    fs::path ziel = name;
    for (int verweise = 0;; ++verweise) {
        struct stat st {};
        if (::lstat(ziel.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return ziel.string();
        if (verweise == MeisteVerweise) WirfErstellfehler(name, ELOOP);
        std::string inhalt(static_cast<std::size_t>(st.st_size) + 1, '\0');
        const ssize_t n = ::readlink(ziel.c_str(), inhalt.data(), inhalt.size());
        if (n < 0) WirfErstellfehler(name, errno);
        inhalt.resize(static_cast<std::size_t>(n));
        // A relative link is read from the folder the link lies in.
        const fs::path verweis = inhalt;
        ziel = verweis.is_absolute() ? verweis : ziel.parent_path() / verweis;
    }
}

// The replaced file's owner and group for the new one. Only root may give a file away; anyone
// else keeps at least the group where they belong to it, or else owns the new file.
void uebernimmBesitzer(int fd, const struct stat& alt) {
    if (::fchown(fd, alt.st_uid, alt.st_gid) == 0) return;
    [[maybe_unused]] const int nurGruppe = ::fchown(fd, static_cast<uid_t>(-1), alt.st_gid);
}

void schreibeAlles(int fd, const std::string& inhalt) {
    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw Fehler(Schreibfehler);
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
}

// A device or a named pipe: written where it is. Opening does not wait (a pipe nobody reads
// from is refused at once instead of hanging the program); writing then waits for the reader.
void schreibeAnOrt(const std::string& dateiname, const std::string& ziel, const struct stat& st,
                   const std::string& inhalt) {
    // A net file written onto a disk or partition would wreck the file system on it.
    if (S_ISBLK(st.st_mode))
        throw Fehler("Datei \"" + dateiname +
                     "\" kann nicht erstellt werden. Ein Laufwerk wird nicht überschrieben.");
    Deskriptor d{::open(ziel.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC)};
    if (d.fd < 0) {
        if (errno == ENXIO && S_ISFIFO(st.st_mode))
            throw Fehler("Datei \"" + dateiname +
                         "\" kann nicht erstellt werden. Niemand liest aus der benannten Pipe.");
        WirfErstellfehler(dateiname, errno);
    }
    const int flags = ::fcntl(d.fd, F_GETFL);
    if (flags >= 0) ::fcntl(d.fd, F_SETFL, flags & ~O_NONBLOCK);
    schreibeAlles(d.fd, inhalt);
    if (!d.schliesse()) throw Fehler(Schreibfehler);
}

} // namespace

void ErsetzeDatei(const std::string& dateiname, const std::string& inhalt) {
    const std::string ziel = Endziel(dateiname);
    struct stat alt {};
    const bool vorhanden = ::stat(ziel.c_str(), &alt) == 0;
    if (vorhanden && S_ISDIR(alt.st_mode)) WirfErstellfehler(dateiname, EISDIR);
    if (vorhanden && !S_ISREG(alt.st_mode)) return schreibeAnOrt(dateiname, ziel, alt, inhalt);

    fs::path ordner = fs::path(ziel).parent_path();
    if (ordner.empty()) ordner = ".";
    // Renaming needs only the folder's permission: a file the user may not write (protected
    // on purpose) must stay, as it would when written in place.
    if (vorhanden && ::access(ziel.c_str(), W_OK) != 0) WirfErstellfehler(dateiname, errno);

    std::string muster = (ordner / ".nervalo-XXXXXX").string();
    Deskriptor d{::mkstemp(muster.data())};
    if (d.fd < 0) WirfErstellfehler(dateiname, errno);
    Zwischendatei zwischen{muster};

    // The replaced file's owner, group and permissions, or the permissions a new file gets.
    // Best effort: the content matters most. The owner comes first, as changing it may clear
    // the set-user-ID and set-group-ID bits.
    mode_t modus;
    if (vorhanden) {
        uebernimmBesitzer(d.fd, alt);
        modus = alt.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    ::fchmod(d.fd, modus);

    schreibeAlles(d.fd, inhalt);
    if (::fsync(d.fd) != 0) throw Fehler(Schreibfehler);
    if (!d.schliesse()) throw Fehler(Schreibfehler);

    if (::rename(muster.c_str(), ziel.c_str()) != 0) WirfErstellfehler(dateiname, errno);
    zwischen.behalten = true;

    // Make the new directory entry durable as well.
    Deskriptor o{::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (o.fd >= 0) ::fsync(o.fd);
}

} // namespace nervalo
