#include "dateifehler.h"

#include <cerrno>
#include <string>

#include "fehler.h"

namespace nervalo {

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
    case ENXIO:
        return "Das Gerät ist nicht bereit.";
    default:
        return "Fehlercode " + std::to_string(nummer);
    }
}

void WirfErstellfehler(const std::string& dateiname, int nummer) {
    throw Fehler("Datei \"" + dateiname + "\" kann nicht erstellt werden. " +
                 Systemfehlertext(nummer));
}

} // namespace nervalo
