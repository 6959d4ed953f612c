#pragma once
// German texts for system error numbers and the messages built from them, shared by the net
// file and the task file.
#include <string>

namespace nervalo {

// German text of a system error number (errno), for "kann nicht geöffnet/erstellt werden".
std::string Systemfehlertext(int nummer);

// Throws Fehler("Datei \"name\" kann nicht erstellt werden. <text of nummer>").
[[noreturn]] void WirfErstellfehler(const std::string& dateiname, int nummer);

} // namespace nervalo
