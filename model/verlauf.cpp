#include "verlauf.h"

#include <algorithm>

namespace nervalo {
namespace {

// Equal in everything but Gesichert, which tells about the file, not about the net.
bool gleicherInhalt(TNetz& eigenes, const TNetz& netz) {
    const bool gesichert = eigenes.Gesichert;
    eigenes.Gesichert = netz.Gesichert;
    const bool gleich = GleichBitweise(eigenes, netz);
    eigenes.Gesichert = gesichert;
    return gleich;
}

} // namespace

Verlauf::Nummer Verlauf::Beginnen(const TNetz& netz, std::string name, Art art) {
    offen_.push_back({naechste_, art, std::move(name), std::nullopt});
    teileBeginnen(netz);
    return naechste_++;
}

void Verlauf::Beenden(const TNetz& netz, Nummer nummer, std::string_view name) {
    const auto o = std::find_if(offen_.begin(), offen_.end(),
                                [&](const Offen& x) { return x.nummer == nummer; });
    if (o == offen_.end()) return;
    if (!name.empty()) o->name = name;
    if (o->vorher) {
        // Its part ends where the next one begins, or now.
        const auto naechster = std::next(o);
        const TNetz& ende = naechster != offen_.end() ? naechster->vorher->netz : netz;
        if (!gleicherInhalt(o->vorher->netz, ende)) teileAbschliessen(netz, o->nummer);
    }
    offen_.erase(o);
    teileBeginnen(netz);
}

void Verlauf::teileBeginnen(const TNetz& netz) {
    for (Offen& o : offen_) {
        if (!o.vorher) o.vorher.emplace(kopie(netz));
        if (o.art == Art::Befehl) return; // what runs inside it belongs to it
    }
}

void Verlauf::teileAbschliessen(const TNetz& netz, Nummer geaendert) {
    for (auto o = offen_.begin(); o != offen_.end() && o->vorher; ++o) {
        const auto naechster = std::next(o);
        const bool bis = naechster != offen_.end() && naechster->vorher;
        if (o->nummer == geaendert ||
            !gleicherInhalt(o->vorher->netz, bis ? naechster->vorher->netz : netz)) {
            o->vorher->name = o->name;
            zurueck_.push_back(std::move(*o->vorher));
            if (zurueck_.size() > static_cast<std::size_t>(Tiefe)) zurueck_.pop_front();
            vor_.clear();
        }
    }
    // The parts begin anew from now.
    for (Offen& o : offen_)
        o.vorher.reset();
}

std::string Verlauf::RueckgaengigName() const {
    return zurueck_.empty() ? std::string() : zurueck_.back().name;
}

std::string Verlauf::WiederholenName() const {
    return vor_.empty() ? std::string() : vor_.back().name;
}

bool Verlauf::Rueckgaengig(TNetz& netz) {
    return schritt(netz, zurueck_, vor_);
}

bool Verlauf::Wiederholen(TNetz& netz) {
    return schritt(netz, vor_, zurueck_);
}

bool Verlauf::schritt(TNetz& netz, std::deque<Eintrag>& von, std::deque<Eintrag>& nach) {
    if (Laeuft() || von.empty()) return false;
    // The net as it is goes the other way under the same name, so that the step can be taken
    // again in the other direction.
    nach.push_back(kopie(netz));
    nach.back().name = von.back().name;
    const Eintrag ziel = std::move(von.back());
    von.pop_back();
    netz = ziel.netz;
    netz.Gesichert = gesichert(ziel);
    if (BeiwerkSetzen) BeiwerkSetzen(ziel.beiwerk);
    return true;
}

Verlauf::Eintrag Verlauf::kopie(const TNetz& netz) const {
    return {{}, netz, speicherungen_, BeiwerkNehmen ? BeiwerkNehmen() : std::any()};
}

bool Verlauf::gesichert(const Eintrag& e) {
    if (gespeichert_ && gleicherInhalt(*gespeichert_, e.netz)) return true;
    return e.netz.Gesichert && e.speicherung == speicherungen_;
}

void Verlauf::Gespeichert(const TNetz& netz) {
    gespeichert_ = netz;
    ++speicherungen_;
}

void Verlauf::Leeren(const TNetz& netz) {
    zurueck_.clear();
    vor_.clear();
    offen_.clear();
    gespeichert_.reset();
    if (netz.Gesichert) gespeichert_ = netz;
    ++speicherungen_;
}

Aufzeichnung::~Aufzeichnung() {
    try {
        verlauf_.Beenden(netz_, nummer_);
    } catch (...) {
        // Without memory for the copy the step is not kept; the command itself stands.
    }
}

} // namespace nervalo
