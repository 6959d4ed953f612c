#pragma once
// The undo history of the net. A net is small (two 61 × 61 matrices, at most 60 neurons), so
// every command that changed it leaves a copy of the whole net as it was before: taking a step
// back puts that copy in place, bit for bit, and keeps the net of that moment for the step
// forward. Nothing of the net is listed here, so a field added to the net is kept as well.
//
// A command is recorded between Beginnen and Beenden; one that changed nothing (GleichBitweise,
// Gesichert aside) leaves no step, one that failed half-way leaves the step back to where it began.
// Whatever runs inside an open command belongs to it. A loop (a training run, a recall) is one
// step from its start to its end, except that a command run during the loop that changed the
// net becomes a step of its own between the loop's part before it and the part after it.
#include <any>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "netz.h"

namespace nervalo {

class Verlauf {
  public:
    enum class Art { Befehl, Schleife };
    using Nummer = std::uint64_t; // of an open recording

    // Steps kept back; older ones are forgotten.
    static constexpr int Tiefe = 100;

    // What the program keeps beside the net about the net's state (the patterns stored in it):
    // taken with every copy of the net and given back with it. Unset: nothing beside the net.
    std::function<std::any()> BeiwerkNehmen;
    std::function<void(const std::any&)> BeiwerkSetzen;

    // A command that may change the net begins. The number ends it.
    Nummer Beginnen(const TNetz& netz, std::string name, Art art = Art::Befehl);
    // The command ends; a non-empty name replaces the one given at the beginning. A number the
    // history no longer knows (it was cleared meanwhile) does nothing.
    void Beenden(const TNetz& netz, Nummer nummer, std::string_view name = {});
    // A recording is open: steps back and forward wait until it ends.
    bool Laeuft() const { return !offen_.empty(); }

    // The names of the steps that Rueckgaengig and Wiederholen would take; empty for none.
    std::string RueckgaengigName() const;
    std::string WiederholenName() const;
    int AnzahlRueckgaengig() const { return static_cast<int>(zurueck_.size()); }
    int AnzahlWiederholen() const { return static_cast<int>(vor_.size()); }
    // One step back or forward on the net: false (and nothing changes) when there is none or a
    // recording is open. The net counts as saved (Gesichert) when it equals the net last saved,
    // or when it counted as saved at that step and nothing was saved since.
    bool Rueckgaengig(TNetz& netz);
    bool Wiederholen(TNetz& netz);

    // The net was saved as it is now.
    void Gespeichert(const TNetz& netz);
    // A net was opened or created: no steps, no open recording. The net as it is counts as
    // saved when its Gesichert says so.
    void Leeren(const TNetz& netz);

  private:
    struct Eintrag {
        std::string name;
        TNetz netz;
        unsigned speicherung; // count of saves when the copy was taken
        std::any beiwerk;
    };
    // An open recording. Outside any open command it holds the net where its part began:
    // its part runs from there to where the next open recording's part begins, or to now.
    struct Offen {
        Nummer nummer;
        Art art;
        std::string name;
        std::optional<Eintrag> vorher;
    };

    // Gives every open recording outside an open command that has no net yet the net as it is.
    void teileBeginnen(const TNetz& netz);
    // Makes every open part that changed the net a step, in order; each begins anew from now.
    // The part of the recording `geaendert` is known to have changed.
    void teileAbschliessen(const TNetz& netz, Nummer geaendert);
    Eintrag kopie(const TNetz& netz) const;
    bool schritt(TNetz& netz, std::deque<Eintrag>& von, std::deque<Eintrag>& nach);
    bool gesichert(const Eintrag& e);

    std::deque<Eintrag> zurueck_; // last step at the back
    std::deque<Eintrag> vor_;     // next step forward at the back
    std::vector<Offen> offen_;
    std::optional<TNetz> gespeichert_;
    unsigned speicherungen_ = 0;
    Nummer naechste_ = 1;
};

// Records the command that runs while it lives (also when it ends by an exception).
class Aufzeichnung {
  public:
    Aufzeichnung(Verlauf& verlauf, const TNetz& netz, std::string name,
                 Verlauf::Art art = Verlauf::Art::Befehl)
        : verlauf_(verlauf), netz_(netz), nummer_(verlauf.Beginnen(netz, std::move(name), art)) {}
    ~Aufzeichnung();
    Aufzeichnung(const Aufzeichnung&) = delete;
    Aufzeichnung& operator=(const Aufzeichnung&) = delete;

  private:
    Verlauf& verlauf_;
    const TNetz& netz_;
    Verlauf::Nummer nummer_;
};

} // namespace nervalo
