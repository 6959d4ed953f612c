#pragma once
// The paces a training loop can run at: as fast as it can ("Höchstes Tempo", 0) or a number of
// steps per second. The menu "Anzeige › Trainingstempo" and the learning curve window offer the
// same list.
#include <string>

namespace nervalo {

inline constexpr int Tempostufen[] = {0, 1, 2, 5, 10, 50};

inline std::string TempoText(int schritteProSekunde) {
    if (schritteProSekunde <= 0) return "Höchstes Tempo";
    return std::to_string(schritteProSekunde) +
           (schritteProSekunde == 1 ? " Schritt pro Sekunde" : " Schritte pro Sekunde");
}

} // namespace nervalo
