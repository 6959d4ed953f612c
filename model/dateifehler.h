#pragma once
// File access shared by the net file and the task file: German texts for system error numbers,
// the messages built from them, and saving through a temporary file.
#include <string>

namespace nervalo {

// German text of a system error number (errno), for "kann nicht geöffnet/erstellt werden".
std::string Systemfehlertext(int nummer);

// Throws Fehler("Datei \"name\" kann nicht erstellt werden. <text of nummer>").
[[noreturn]] void WirfErstellfehler(const std::string& dateiname, int nummer);

// Writes inhalt to the file dateiname so that the file either keeps its old content or has the
// new one completely: the bytes go to a temporary file in the same folder, which replaces the
// target only after it has been written and flushed to the disk. A symbolic link stays a link
// (the file it points to is replaced), and a replaced file keeps its permissions. Throws
// WirfErstellfehler's message when the file cannot be created or renamed, and
// Fehler("Stream-Schreibfehler") when writing fails.
void ErsetzeDatei(const std::string& dateiname, const std::string& inhalt);

} // namespace nervalo
