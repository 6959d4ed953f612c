#pragma once
// Text forms of numbers. Every formatter rounds the value's exact decimal expansion half away
// from zero (a 5 in the first dropped digit rounds the magnitude up), so 0.125 shows as 0.13
// whatever the C library's binary rounding would do. Nothing here depends on the locale.
#include <cstdint>
#include <string>

namespace nervalo {

// A decimal number: ziffern d1 d2 ... dn (first digit not 0, last digit not 0) mean
// ±d1.d2...dn × 10^exponent. Empty ziffern is zero (negativ may still be set).
struct Dezimalzahl {
    bool negativ = false;
    std::string ziffern;
    int exponent = 0;

    bool istNull() const { return ziffern.empty(); }
    // The digit (0..9) of weight 10^stelle.
    int ziffer(int stelle) const;
};

// The exact decimal expansion of a finite value (every float, double and long double has a
// finite one).
Dezimalzahl exaktDezimal(double x);
Dezimalzahl exaktDezimal(long double x);
// Rounds to the given number of decimals (may be negative: -1 rounds to tens).
Dezimalzahl rundeAufNachkommastellen(Dezimalzahl d, int nachkommastellen);
// Rounds to the given number of significant digits; a carry raises the exponent (9.96 -> 10).
Dezimalzahl rundeAufSignifikanteStellen(Dezimalzahl d, int stellen);

// The drawing's number: two decimals, point, right-aligned in at least 4 characters
// (0.125 -> "0.13", -1 -> "-1.00"). A value that rounds to zero shows no minus sign.
// NaN and infinities give "NAN", "INF", "-INF".
std::string ZahlZuText(float x);

// Number edit field, written: |x| < 1000 in fixed point with 4 decimals right-aligned in 8
// characters ("  0.5000"; 999.99996 gives "1000.0000"), otherwise two significant digits in
// 10 characters: blank or minus, d.d, "E", sign, four exponent digits (" 1.2E+0003").
// NaN and infinities give "NAN", "INF", "-INF" (which read back as 0).
std::string SingEditText(float x);
// Number edit field, read: commas become points, then the whole text must be blanks, an
// optional sign, digits with an optional point and fraction (".5" and "5." count), and an
// optional exponent. Anything else reads as 0. The value is the float nearest to the decimal
// text; beyond float's range throws Fehler(gk::Ueberlauf), tiny values become 0.
float SingEditLesen(const std::string& text);

// Integer edit field: leading blanks, optional sign, digits to the end; anything else or a
// value outside the 32-bit range reads as 0. Written in plain decimal.
std::int32_t IntEditLesen(const std::string& text);
std::string IntEditText(std::int32_t n);

// Every '.' becomes ','.
std::string PunktZuKomma(std::string text);

// Number conversion with the decimal comma (task table, learning rate): blanks before and
// after, optional sign, digits with an optional comma and fraction, optional exponent; a point
// is not accepted. Throws Fehler("'text' ist kein gültiger Gleitkommawert"), or
// Fehler(gk::Ueberlauf) beyond float's range.
float TextZuZahl(const std::string& text);
// Decimal integer with blanks before and after and an optional sign; throws
// Fehler("'text' ist kein gültiger Integerwert") otherwise or outside the 32-bit range.
std::int32_t TextZuGanzzahl(const std::string& text);

// Training error: three significant digits in the form "1,23E-02" (exponent always signed,
// at least two digits); 0 gives "0,00E+00".
std::string FehlerText(float e);
// Learning rate: below 0.00001 (so also every negative value) four significant digits in
// exponent form ("5,000E-06", "-5,000E-01"), otherwise six decimals ("0,250000").
std::string SigmaText(float s);
// Task table cell: rounded to two significant digits and at most two decimals, shown with
// exactly two decimals ("0,13", "12,00", "0,00" for 0.004); a rounded value of three or more
// integer digits in exponent form without trailing zeros ("1,2E02", "1E02", "-2,5E02").
std::string ZellenText(float v);

// Energy of a Hopfield state: four significant digits with the decimal comma, in fixed point
// from 0,001 to below 1 000 000 ("-1225", "-73,50", "0,5000", "0,001234"), otherwise in exponent
// form ("-1,235E+06"); 0 gives "0". NaN and infinities give "NAN", "INF", "-INF".
std::string EnergieText(long double e);
// Fixed point with the decimal comma and the given number of decimals ("0,96", "-0,50").
std::string KommaText(double x, int nachkommastellen);

} // namespace nervalo
