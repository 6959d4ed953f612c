#pragma once
// Saving a file so that a failure never destroys the previous one.
#include <string>

namespace nervalo {

// Writes inhalt to the file dateiname so that the file either keeps its old content or has the
// new one completely: the bytes go to a temporary file in the same folder, which replaces the
// target only after it has been written and flushed to the disk. The replaced file keeps its
// permissions, owner and group (as far as the user may set them). A symbolic link stays a link:
// the file it points to is replaced, or created if it does not exist yet. A target that is no
// regular file (a device, a named pipe) is written in place, as there is no old content to
// keep; a named pipe without a reader and a block device are refused. Throws
// WirfErstellfehler's message when the file cannot be created or renamed, and
// Fehler("Stream-Schreibfehler") when writing fails.
void ErsetzeDatei(const std::string& dateiname, const std::string& inhalt);

} // namespace nervalo
