#include "rekonstruktionsverlauf.h"

#include <limits>

namespace nervalo {

void Rekonstruktionsverlauf::Beginnen(const Muster& start, long double energie) {
    zustand_ = start;
    energien_.assign(1, energie);
    durchgaenge_ = 0;
    stabilNach_ = 0;
}

bool Rekonstruktionsverlauf::Durchgang(const Muster& zustand, long double energie) {
    if (durchgaenge_ < std::numeric_limits<int>::max()) ++durchgaenge_;
    if (energien_.size() < MaxEnergien) energien_.push_back(energie);
    if (zustand != zustand_) {
        zustand_ = zustand;
        stabilNach_ = 0;
    } else if (stabilNach_ == 0) {
        stabilNach_ = durchgaenge_;
    }
    return stabilNach_ != 0;
}

} // namespace nervalo
