#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <string>
#include <vector>

#include "rechenzahl.h"

using namespace nervalo;

namespace {

// The digits and the decimal exponent of the library's shortest text, in the form of
// Dezimalzahl: the oracle for KuerzesteDezimalzahl.
Dezimalzahl bibliothek(float x) {
    char puffer[64];
    const auto ende =
        std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::scientific);
    const std::string text(puffer, ende.ptr);
    Dezimalzahl d;
    std::size_t i = 0;
    if (text[i] == '-') {
        d.negativ = true;
        ++i;
    }
    const std::size_t e = text.find('e');
    for (; i < e; ++i)
        if (text[i] != '.') d.ziffern += text[i];
    d.ziffern.erase(d.ziffern.find_last_not_of('0') + 1);
    d.exponent = std::stoi(text.substr(e + 1));
    return d;
}

} // namespace

TEST(RechenZahl, KuerzesteWieDieBibliothek) {
    // Bit patterns spread over every binade, subnormals included, and every power of two with
    // its neighbours: there the gap to the next smaller float is half the gap to the next larger.
    std::vector<std::uint32_t> muster;
    for (std::uint32_t bits = 1; bits < 0x7F800000u; bits += 65521)
        muster.push_back(bits);
    for (std::uint32_t exponent = 1; exponent < 255; ++exponent)
        for (std::uint32_t nachbar : {0u, 1u, 0x7FFFFFu})
            muster.push_back(exponent << 23 | nachbar);
    for (const std::uint32_t bits : muster)
        for (const std::uint32_t vorzeichen : {0u, 0x80000000u}) {
            const float x = std::bit_cast<float>(bits | vorzeichen);
            const Dezimalzahl erwartet = bibliothek(x);
            const Dezimalzahl d = KuerzesteDezimalzahl(x);
            ASSERT_EQ(d.ziffern, erwartet.ziffern) << x;
            ASSERT_EQ(d.exponent, erwartet.exponent) << x;
            ASSERT_EQ(d.negativ, erwartet.negativ) << x;
        }
}

TEST(RechenZahl, Texte) {
    const struct {
        float x;
        bool alle;
        const char* text;
    } faelle[] = {
        {0.125f, false, "0,13"},
        {-0.125f, false, "\u22120,13"},
        {-0.004f, false, "0,00"},
        {12.5f, false, "12,50"},
        {0.0f, true, "0"},
        {-0.0f, true, "0"},
        {0.1f, true, "0,1"},
        {-2.0f, true, "\u22122"},
        {0.125f, true, "0,125"},
        {1.0f / 3.0f, true, "0,33333334"},
        {0.00001f, true, "0,00001"},
        {0.000001f, true, "1E\u22126"},
        {16777216.0f, true, "16777216"},
        {3.0e10f, true, "3E10"},
        {-1.5e-20f, true, "\u22121,5E\u221220"},
        {std::bit_cast<float>(0x7F800000u), true, "INF"},
        {-std::bit_cast<float>(0x7F800000u), false, "\u2212INF"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(RechenZahl(f.x, f.alle), f.text) << f.x << (f.alle ? " alle" : "");
}
