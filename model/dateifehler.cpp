#include "dateifehler.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "fehler.h"

namespace nervalo {
namespace {

constexpr const char* Schreibfehler = "Stream-Schreibfehler";

// The temporary file of a save: closed and removed unless it has been renamed into place.
struct Zwischendatei {
    std::string name;
    int fd = -1;
    bool behalten = false;
    ~Zwischendatei() {
        if (fd >= 0) ::close(fd);
        if (!behalten) ::unlink(name.c_str());
    }
};

} // namespace

std::string Systemfehlertext(int nummer) {
    switch (nummer) {
    case ENOENT:
    case ENOTDIR:
        return "Das System kann den angegebenen Pfad nicht finden.";
    case EACCES:
    case EPERM:
        return "Zugriff verweigert.";
    case ENOSPC:
    case EDQUOT:
        return "Nicht genügend Speicherplatz auf dem Datenträger.";
    case EROFS:
        return "Das Medium ist schreibgeschützt.";
    case EISDIR:
        return "Der angegebene Pfad ist ein Ordner.";
    case ENAMETOOLONG:
        return "Der Dateiname oder die Erweiterung ist zu lang.";
    case EBUSY:
    case ETXTBSY:
        return "Der Prozess kann nicht auf die Datei zugreifen, da sie von einem anderen Prozess "
               "verwendet wird.";
    case EMFILE:
    case ENFILE:
        return "Das System kann die Datei nicht öffnen.";
    case ELOOP:
        return "Der Name der Datei kann vom System nicht aufgelöst werden.";
    default:
        return "Fehlercode " + std::to_string(nummer);
    }
}

void WirfErstellfehler(const std::string& dateiname, int nummer) {
    throw Fehler("Datei \"" + dateiname + "\" kann nicht erstellt werden. " +
                 Systemfehlertext(nummer));
}

void ErsetzeDatei(const std::string& dateiname, const std::string& inhalt) {
    namespace fs = std::filesystem;
    // A symbolic link stays a link: the file it points to is replaced.
    std::string ziel = dateiname;
    struct stat st {};
    if (::lstat(dateiname.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
        if (char* echt = ::realpath(dateiname.c_str(), nullptr)) {
            ziel = echt;
            ::free(echt);
        }
    }
    fs::path ordner = fs::path(ziel).parent_path();
    if (ordner.empty()) ordner = ".";
    // Renaming needs only the folder's permission: a file the user may not write (protected
    // on purpose) must stay, as it would when written in place.
    if (::access(ziel.c_str(), F_OK) == 0 && ::access(ziel.c_str(), W_OK) != 0)
        WirfErstellfehler(dateiname, errno);

    std::string muster = (ordner / ".nervalo-XXXXXX").string();
    const int fd = ::mkstemp(muster.data());
    if (fd < 0) WirfErstellfehler(dateiname, errno);
    Zwischendatei zwischen{muster, fd};

    // The replaced file's permissions, or those a newly created file gets.
    mode_t modus;
    if (::stat(ziel.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
        modus = st.st_mode & 07777;
    } else {
        const mode_t maske = ::umask(0);
        ::umask(maske);
        modus = 0666 & ~maske;
    }
    ::fchmod(fd, modus); // best effort: the content matters, not the mode

    const char* p = inhalt.data();
    std::size_t rest = inhalt.size();
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) throw Fehler(Schreibfehler);
        p += n;
        rest -= static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) throw Fehler(Schreibfehler);
    zwischen.fd = -1;
    if (::close(fd) != 0) throw Fehler(Schreibfehler);

    if (::rename(muster.c_str(), ziel.c_str()) != 0) WirfErstellfehler(dateiname, errno);
    zwischen.behalten = true;

    // Make the new directory entry durable as well.
    const int ordnerFd = ::open(ordner.c_str(), O_RDONLY | O_DIRECTORY);
    if (ordnerFd >= 0) {
        ::fsync(ordnerFd);
        ::close(ordnerFd);
    }
}

} // namespace nervalo
