#include "cp1252.h"

#include <cstdint>

namespace nervalo {
namespace {

// Characters of the bytes 0x80 to 0x9F; every other byte is the Latin-1 character of its value.
constexpr char32_t Bereich80[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t Ungueltig = 0xFFFFFFFF;

// The Windows-1252 byte of character c, or -1.
int byteVon(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (Bereich80[i] == c) return 0x80 + i;
    return -1;
}

// Decodes the UTF-8 sequence at s[i] and moves i past it. An invalid sequence yields Ungueltig
// and moves i past its longest valid beginning (at least one byte), so each broken sequence
// counts as one character.
char32_t dekodiere(const std::string& s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int laenge = 0;
    char32_t c = 0;
    unsigned char min = 0x80, max = 0xBF; // allowed range of the second byte
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        laenge = 2;
        c = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        laenge = 3;
        c = b0 & 0x0F;
        if (b0 == 0xE0) min = 0xA0; // no overlong forms
        if (b0 == 0xED) max = 0x9F; // no surrogates
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        laenge = 4;
        c = b0 & 0x07;
        if (b0 == 0xF0) min = 0x90; // no overlong forms
        if (b0 == 0xF4) max = 0x8F; // nothing above U+10FFFF
    } else {
        return Ungueltig;
    }
    for (int k = 1; k < laenge; ++k) {
        if (i >= s.size()) return Ungueltig;
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < min || b > max) return Ungueltig;
        min = 0x80;
        max = 0xBF;
        c = (c << 6) | (b & 0x3F);
        ++i;
    }
    return c;
}

void haengeUtf8An(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        aus.push_back(static_cast<char>(0xC0 | (c >> 6)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        // Windows-1252 holds nothing beyond the Basic Multilingual Plane.
        aus.push_back(static_cast<char>(0xE0 | (c >> 12)));
        aus.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        aus.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

} // namespace

std::string NachCp1252(const std::string& utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        const char32_t c = dekodiere(utf8, i);
        const int b = c == Ungueltig ? -1 : byteVon(c);
        aus.push_back(b < 0 ? '?' : static_cast<char>(b));
    }
    return aus;
}

std::string VonCp1252(const std::string& bytes) {
    std::string aus;
    aus.reserve(bytes.size() * 2);
    for (const char z : bytes) {
        const auto b = static_cast<unsigned char>(z);
        haengeUtf8An(aus, b >= 0x80 && b < 0xA0 ? Bereich80[b - 0x80] : b);
    }
    return aus;
}

} // namespace nervalo
