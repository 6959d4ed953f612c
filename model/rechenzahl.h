#pragma once
// Numbers in the calculations that the "Rechenweg" window and the worksheet show: German decimal
// comma and a real minus sign. Either two decimals, as the drawing rounds them (half away from
// zero), or every digit it takes to tell the float apart from every other float.
#include <string>

#include "zahltext.h"

namespace nervalo {

// U+2212, the minus sign of the formulas.
inline constexpr const char* Minus = "\u2212";

// The shortest decimal that reads back as x (round to nearest), and of those the one nearest to
// x. Zero for 0; x must be finite.
Dezimalzahl KuerzesteDezimalzahl(float x);

// x with two decimals ("0,13", "−1,00"), or with alleStellen the shortest text that reads back
// as x ("0,1", "1,2345678", "1,5E−20" beyond ten integer or five leading zero digits). A value
// that rounds to zero has no sign; NaN and infinities read "NAN", "INF", "−INF".
std::string RechenZahl(float x, bool alleStellen);

} // namespace nervalo
