#pragma once
// Windows-1252, the 8-bit character set of the labels in net files. Labels are UTF-8 in memory.
#include <string>

namespace nervalo {

// UTF-8 text to Windows-1252 bytes, one byte per character. A character that Windows-1252
// cannot hold, and each invalid UTF-8 sequence, becomes "?".
std::string NachCp1252(const std::string& utf8);

// Windows-1252 bytes to UTF-8. The five bytes the code page leaves undefined (0x81, 0x8D, 0x8F,
// 0x90, 0x9D) become the control characters U+0081 etc., so every byte string converts back
// to itself with NachCp1252.
std::string VonCp1252(const std::string& bytes);

} // namespace nervalo
