#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "fehler.h"
#include "gleitkomma.h"
#include "zahltext.h"

using namespace nervalo;

namespace {

struct FloatText {
    float wert;
    const char* text;
};

struct TextFloat {
    const char* text;
    float wert;
};

// The message of the Fehler that f throws, or "" when it returns.
template <class F> std::string meldungVon(F&& f) {
    try {
        f();
    } catch (const Fehler& e) {
        return e.what();
    }
    return "";
}

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
    d = exaktDezimal(std::numeric_limits<double>::denorm_min());
    EXPECT_EQ(d.exponent, -324);
    EXPECT_EQ(d.ziffern.size(), 751u);
    EXPECT_EQ(d.ziffern.substr(0, 10), "4940656458");
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

TEST(Zahltext, SingEditText) {
    const FloatText faelle[] = {
        {1.0f, "  1.0000"},
        {0.5f, "  0.5000"},
        {-0.5f, " -0.5000"},
        {123.4567f, "123.4567"},
        {0.0f, "  0.0000"},
        {-0.0f, "  0.0000"},
        {0.03125f, "  0.0313"},
        {-0.03125f, " -0.0313"},
        {-0.00001f, "  0.0000"},
        {0.00005f, "  0.0000"},
        {0.0000501f, "  0.0001"},
        {-999.5f, "-999.5000"},
        {999.99994f, "999.9999"},
        {99.99996f, "100.0000"},
        {1000.0f, " 1.0E+0003"},
        {1234.5f, " 1.2E+0003"},
        {-1234.5f, "-1.2E+0003"},
        {1250.0f, " 1.3E+0003"},
        {9949.0f, " 9.9E+0003"},
        {9960.0f, " 1.0E+0004"},
        {-99500.0f, "-1.0E+0005"},
        {3.4028235e38f, " 3.4E+0038"},
        {nan_, "NAN"},
        {inf, "INF"},
        {-inf, "-INF"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(SingEditText(f.wert), f.text) << f.wert;
}

TEST(Zahltext, SingEditLesen) {
    const TextFloat faelle[] = {
        {"0", 0.0f},
        {"1,5", 1.5f},
        {"1.5", 1.5f},
        {"   1,5", 1.5f},
        {"-0,25", -0.25f},
        {"+2", 2.0f},
        {"1e-3", 0.001f},
        {"1E+3", 1000.0f},
        {".5", 0.5f},
        {"5.", 5.0f},
        {"5,e1", 50.0f},
        {"0.1", 0.1f},
        {" 1.2E+0003", 1200.0f},
        {"-1.0E+0004", -10000.0f},
        {"3.4028235e38", 3.4028235e38f},
        {"1e-50", 0.0f},
        {"1e-999999999999999999999", 0.0f},
    };
    for (const auto& f : faelle) {
        float wert = SingEditLesen(f.text);
        EXPECT_EQ(wert, f.wert) << '"' << f.text << '"';
    }
    // Just above the midpoint between 1 and the next float: reading via double would land
    // exactly on the midpoint and round down.
    EXPECT_EQ(SingEditLesen("1.00000005960464477539062500000001"), 1.00000012f);
    for (const char* keineZahl :
         {"",    " ",   "1.5 ", "1,000.5", "1.2.3",     ".",        "-",
          "+",   "--1", "+-1",  "1e",      "1e+",       "e5",       "0x10",
          "inf", "nan", "1 5",  "\t1",     "1\xC2\xA0", "\xC3\xA4", "\xEF\xBC\x93"})
        EXPECT_EQ(SingEditLesen(keineZahl), 0.0f) << '"' << keineZahl << '"';
    for (const char* zuGross : {"1e300", "1e39", "-3.5e38", "1e999999999", "99999e35"})
        EXPECT_EQ(meldungVon([&] { SingEditLesen(zuGross); }), gk::Ueberlauf) << zuGross;
}

TEST(Zahltext, LangeUndFeindlicheTexte) {
    const std::string nullen(200000, '0');
    const std::string feindlich[] = {
        nullen + "1",
        "0," + nullen + "1",
        "1" + nullen,
        "1" + nullen + "e-200000",
        "0," + std::string(5000, '3'),
        std::string(100000, '-'),
        std::string(1, '\0'),
        "1e" + nullen + "5",
        "1e-" + std::string(100000, '9'),
        "\xFF\xFE",
    };
    for (const auto& t : feindlich) {
        // Each parser either answers or throws Fehler; nothing else escapes.
        EXPECT_NO_THROW(meldungVon([&] { SingEditLesen(t); }));
        EXPECT_NO_THROW(meldungVon([&] { TextZuZahl(t); }));
        EXPECT_NO_THROW(meldungVon([&] { TextZuGanzzahl(t); }));
        EXPECT_NO_THROW(IntEditLesen(t));
    }
    EXPECT_EQ(SingEditLesen(nullen + "1"), 1.0f);
    EXPECT_EQ(SingEditLesen("0," + nullen + "1"), 0.0f);
    EXPECT_EQ(SingEditLesen("1" + nullen + "e-200000"), 1.0f);
    EXPECT_EQ(SingEditLesen("0," + std::string(5000, '3')), 1.0f / 3.0f);
    EXPECT_EQ(meldungVon([&] { SingEditLesen("1" + nullen); }), gk::Ueberlauf);
    EXPECT_EQ(meldungVon([&] { SingEditLesen("1e" + nullen + "5"); }), "");
    EXPECT_EQ(SingEditLesen("1e" + nullen + "5"), 100000.0f);
}

TEST(Zahltext, Ganzzahlen) {
    const struct {
        const char* text;
        std::int32_t wert;
        bool gueltig; // for TextZuGanzzahl, which also allows trailing blanks
    } faelle[] = {
        {"7", 7, true},
        {" 7", 7, true},
        {"+5", 5, true},
        {"-12", -12, true},
        {"2147483647", INT32_MAX, true},
        {"-2147483648", INT32_MIN, true},
        {"0000000000000000000042", 42, true},
        {"12a", 0, false},
        {"", 0, false},
        {" ", 0, false},
        {"- 5", 0, false},
        {"2147483648", 0, false},
        {"-2147483649", 0, false},
        {"99999999999999999999", 0, false},
        {"0x10", 0, false},
        {"1.0", 0, false},
        {"1,0", 0, false},
        {"--1", 0, false},
    };
    for (const auto& f : faelle) {
        EXPECT_EQ(IntEditLesen(f.text), f.wert) << '"' << f.text << '"';
        if (f.gueltig) {
            EXPECT_EQ(TextZuGanzzahl(f.text), f.wert) << f.text;
        } else {
            EXPECT_EQ(meldungVon([&] { TextZuGanzzahl(f.text); }),
                      std::string("'") + f.text + "' ist kein gültiger Integerwert");
        }
    }
    EXPECT_EQ(IntEditLesen("7 "), 0);
    EXPECT_EQ(TextZuGanzzahl(" 7 "), 7);
    EXPECT_EQ(IntEditText(-5), "-5");
    EXPECT_EQ(IntEditText(INT32_MIN), "-2147483648");
    EXPECT_EQ(IntEditLesen(IntEditText(INT32_MIN)), INT32_MIN);
}

TEST(Zahltext, TextZuZahlMitKomma) {
    const TextFloat gueltig[] = {
        {"0,5", 0.5f}, {" 0,5 ", 0.5f}, {"-1,25e2", -125.0f}, {"1,2E02", 120.0f}, {"3", 3.0f},
        {",5", 0.5f},  {"5,", 5.0f},    {"+1", 1.0f},         {"1e-60", 0.0f},    {"0,13", 0.13f},
    };
    for (const auto& f : gueltig)
        EXPECT_EQ(TextZuZahl(f.text), f.wert) << f.text;
    for (const char* t : {"0.5", "", " ", "abc", "1,2,3", "1e", "--1", "1 2", ",", "1,5x"}) {
        EXPECT_EQ(meldungVon([&] { TextZuZahl(t); }),
                  std::string("'") + t + "' ist kein gültiger Gleitkommawert");
    }
    EXPECT_EQ(meldungVon([] { TextZuZahl("1e39"); }), gk::Ueberlauf);
    EXPECT_EQ(PunktZuKomma("0.5"), "0,5");
    EXPECT_EQ(PunktZuKomma("1.000.5"), "1,000,5");
    EXPECT_EQ(PunktZuKomma("ohne"), "ohne");
    EXPECT_EQ(TextZuZahl(PunktZuKomma("0.5")), 0.5f);
}

TEST(Zahltext, FehlerSigmaUndZellen) {
    const FloatText fehler[] = {
        {0.0123f, "1,23E-02"}, {0.0f, "0,00E+00"},    {0.125f, "1,25E-01"},
        {1.125f, "1,13E+00"},  {0.3125f, "3,13E-01"}, {999.5f, "1,00E+03"},
        {1e-10f, "1,00E-10"},  {-0.5f, "-5,00E-01"},  {3.4028235e38f, "3,40E+38"},
        {nan_, "NAN"},         {inf, "INF"},
    };
    for (const auto& f : fehler)
        EXPECT_EQ(FehlerText(f.wert), f.text) << f.wert;

    const FloatText sigma[] = {
        {0.000005f, "5,000E-06"}, {1.0f, "1,000000"},       {0.25f, "0,250000"},
        {0.0f, "0,000E+00"},      {-0.0f, "0,000E+00"},     {-0.5f, "-5,000E-01"},
        {-1000.0f, "-1,000E+03"}, {0.00001f, "1,000E-05"},  {0.0000100001f, "0,000010"},
        {0.0078125f, "0,007813"}, {1e6f, "1000000,000000"}, {nan_, "NAN"},
    };
    for (const auto& f : sigma)
        EXPECT_EQ(SigmaText(f.wert), f.text) << f.wert;

    const FloatText zellen[] = {
        {0.0f, "0,00"},      {1.0f, "1,00"},    {-1.0f, "-1,00"},
        {0.9f, "0,90"},      {0.125f, "0,13"},  {12.34f, "12,00"},
        {123.0f, "1,2E02"},  {100.0f, "1E02"},  {-250.0f, "-2,5E02"},
        {0.004f, "0,00"},    {-0.004f, "0,00"}, {0.006f, "0,01"},
        {0.015625f, "0,02"}, {0.0625f, "0,06"}, {99.4f, "99,00"},
        {99.5f, "1E02"},     {9.95f, "9,90"},   {9.96f, "10,00"},
        {1.5e10f, "1,5E10"}, {-0.0f, "0,00"},   {3.4028235e38f, "3,4E38"},
        {nan_, "NAN"},       {-inf, "-INF"},
    };
    for (const auto& f : zellen)
        EXPECT_EQ(ZellenText(f.wert), f.text) << f.wert;
}

TEST(Zahltext, GeschriebenesLiestSichZurueck) {
    // Spin buttons: ten steps of 0.1 through the field land exactly on 1 and back on 0.
    float x = 0.0f;
    for (int i = 0; i < 10; ++i)
        x = SingEditLesen(SingEditText(gk::speichere(gk::add(x, 0.1L))));
    EXPECT_EQ(x, 1.0f);
    EXPECT_EQ(SingEditText(x), "  1.0000");
    for (int i = 0; i < 10; ++i)
        x = SingEditLesen(SingEditText(gk::speichere(gk::sub(x, 0.1L))));
    EXPECT_EQ(x, 0.0f);

    // Writing, reading and writing again shows the same text; a task table that is loaded
    // and saved holds the same values after the first round.
    for (int i = -20000; i <= 20000; ++i) {
        for (float v :
             {i * 0.0007f, i * 0.37f, i * 1234.5f, std::ldexp(1.0f + i * 1e-4f, i / 200)}) {
            std::string feld = SingEditText(v);
            float gelesen = SingEditLesen(feld);
            ASSERT_EQ(SingEditText(gelesen), feld) << v;
            if (std::fabs(v) < 1000.0f) {
                ASSERT_LE(std::fabs(gelesen - v), 0.00005f + std::fabs(v) * 1e-7f) << v;
            }
            std::string zelle = ZellenText(v);
            ASSERT_EQ(ZellenText(TextZuZahl(zelle)), zelle) << v;
        }
    }
    EXPECT_EQ(SigmaText(TextZuZahl(SigmaText(0.000005f))), "5,000E-06");
    EXPECT_EQ(TextZuZahl(SigmaText(0.25f)), 0.25f);
}

// The drawing's short way for ordinary values gives exactly the text of the exact decimal
// expansion rounded at the third decimal: random floats of every magnitude below 2^20, the
// floats nearest to the ties k + 0.005, and exact ties.
TEST(Zahltext, ZahlZuTextWieDieExakteEntwicklung) {
    auto exakt = [](float x) {
        const Dezimalzahl d = rundeAufNachkommastellen(exaktDezimal(x), 2);
        std::string s = d.negativ && !d.istNull() ? "-" : "";
        for (int stelle = std::max(d.exponent, 0); stelle >= 0; --stelle)
            s += static_cast<char>('0' + d.ziffer(stelle));
        s += '.';
        s += static_cast<char>('0' + d.ziffer(-1));
        s += static_cast<char>('0' + d.ziffer(-2));
        return s.size() < 4 ? std::string(4 - s.size(), ' ') + s : s;
    };
    std::uint32_t zustand = 12345;
    auto naechste = [&] { return zustand = zustand * 1664525u + 1013904223u; };
    std::vector<float> werte = {0.005f,  0.015f,    0.125f,     -0.125f, 2.675f, 1048575.99f,
                                -1e-30f, 0x1p-149f, 1048575.0f, 0.995f,  9.995f, -0.004999f};
    for (int i = 0; i < 200000; ++i) {
        const std::uint32_t bits = naechste();
        const float x = std::bit_cast<float>((bits & 0x807fffffu) | ((100u + bits % 50u) << 23));
        werte.push_back(x); // magnitudes 2^-27 .. 2^22
        const float k = static_cast<float>(naechste() % 100000) / 100.0f + 0.005f;
        werte.push_back(k);
        werte.push_back(std::nextafter(k, 0.0f));
        werte.push_back(std::nextafter(k, 1e9f));
    }
    for (float x : werte)
        ASSERT_EQ(ZahlZuText(x), exakt(x)) << std::hexfloat << x;
}
