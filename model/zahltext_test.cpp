#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "zahltext.h"

using namespace nervalo;

namespace {

struct FloatText {
    float wert;
    const char* text;
};

constexpr float inf = std::numeric_limits<float>::infinity();
const float nan_ = std::numeric_limits<float>::quiet_NaN();

} // namespace

TEST(Zahltext, ExakteDezimalentwicklung) {
    Dezimalzahl d = exaktDezimal(0.1f);
    EXPECT_EQ(d.ziffern, "100000001490116119384765625");
    EXPECT_EQ(d.exponent, -1);
    EXPECT_FALSE(d.negativ);
    d = exaktDezimal(-1234.5);
    EXPECT_EQ(d.ziffern, "12345");
    EXPECT_EQ(d.exponent, 3);
    EXPECT_TRUE(d.negativ);
    // The smallest subnormal float, 2^-149, has 105 significant digits.
    d = exaktDezimal(std::ldexp(1.0f, -149));
    EXPECT_EQ(d.exponent, -45);
    EXPECT_EQ(d.ziffern.size(), 105u);
    EXPECT_EQ(d.ziffern.substr(0, 10), "1401298464");
    d = exaktDezimal(std::numeric_limits<float>::max());
    EXPECT_EQ(d.ziffern, "34028234663852885981170418348451692544");
    EXPECT_EQ(d.exponent, 38);
    EXPECT_TRUE(exaktDezimal(0.0).istNull());
}

TEST(Zahltext, RundenMitUebertrag) {
    struct Fall {
        double wert;
        int stellen;
        const char* ziffern;
        int exponent;
    };
    const Fall signifikant[] = {
        {9.96e3, 2, "1", 4}, {0.125, 2, "13", -1}, {2.5, 1, "3", 0},    {0.25, 0, "", 0},
        {0.5, 0, "1", 0},    {999.5, 3, "1", 3},   {1.25, 5, "125", 0}, {0.75, -1, "", 0},
    };
    for (const auto& f : signifikant) {
        Dezimalzahl d = rundeAufSignifikanteStellen(exaktDezimal(f.wert), f.stellen);
        EXPECT_EQ(d.ziffern, f.ziffern) << f.wert << " auf " << f.stellen;
        if (!d.istNull()) {
            EXPECT_EQ(d.exponent, f.exponent) << f.wert << " auf " << f.stellen;
        }
    }
    const Fall nachkomma[] = {
        {0.125, 2, "13", -1}, {2.5, 0, "3", 0},     {0.004, 2, "", 0},     {0.005f, 2, "", 0},
        {0.005, 2, "1", -2},  {0.0625, 1, "1", -1}, {0.05, 0, "", 0},      {0.5, 0, "1", 0},
        {0.625, 2, "63", -1}, {99.995, 2, "1", 2},  {1234.5, -2, "12", 3}, {0.0005, 0, "", 0},
        {7.0, 3, "7", 0},
    };
    for (const auto& f : nachkomma) {
        Dezimalzahl d = rundeAufNachkommastellen(exaktDezimal(f.wert), f.stellen);
        EXPECT_EQ(d.ziffern, f.ziffern) << f.wert << " auf " << f.stellen;
        if (!d.istNull()) {
            EXPECT_EQ(d.exponent, f.exponent) << f.wert << " auf " << f.stellen;
        }
    }
}

TEST(Zahltext, ZahlZuText) {
    const FloatText faelle[] = {
        {0.0f, "0.00"},    {0.5f, "0.50"},      {0.125f, "0.13"},  {-1.0f, "-1.00"},
        {12.5f, "12.50"},  {-0.125f, "-0.13"},  {0.375f, "0.38"},  {1.005f, "1.00"},
        {0.995f, "1.00"},  {9.999f, "10.00"},   {-0.004f, "0.00"}, {-0.0f, "0.00"},
        {-0.005f, "0.00"}, {-0.0051f, "-0.01"}, {1e-30f, "0.00"},  {123456.0f, "123456.00"},
        {nan_, "NAN"},     {inf, "INF"},        {-inf, "-INF"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ZahlZuText(f.wert), f.text) << f.wert;
    EXPECT_EQ(ZahlZuText(std::numeric_limits<float>::max()),
              "340282346638528859811704183484516925440.00");
}
