#pragma once
// The learning curve: the error of each training step and the total error over the task table,
// against the number of steps since the curve was last cleared. A run of millions of steps keeps
// a bounded number of points: a series that is full drops every second point and from then on
// takes points only half as often. The newest point is always kept, so the curve ends at the
// current state.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace nervalo {

class Kurvenreihe {
  public:
    struct Punkt {
        std::int64_t schritt;
        double fehler;
        bool operator==(const Punkt&) const = default;
    };

    explicit Kurvenreihe(std::size_t budget) : budget_(budget < 4 ? 4 : budget) {}

    // A point at a step count no lower than the last one's. At the last one's step, or closer to
    // the point before the last than the current spacing, it replaces the last.
    void Hinzufuegen(std::int64_t schritt, double fehler);
    void Leeren();
    const std::vector<Punkt>& Punkte() const { return punkte_; }
    std::size_t Budget() const { return budget_; }

  private:
    void ausduennen();

    std::size_t budget_;
    std::int64_t abstand_ = 1; // fewest steps between two kept points
    std::vector<Punkt> punkte_;
};

class Lernkurve {
  public:
    static constexpr std::size_t Punktbudget = 2000; // per series

    // One more training step with the error it reported.
    void Schritt(float fehler);
    // The total error after the steps so far.
    void Gesamt(double fehler) { gesamt_.Hinzufuegen(schritte_, fehler); }
    void Leeren();

    std::int64_t Schritte() const { return schritte_; }
    const Kurvenreihe& Schrittfehler() const { return schritt_; }
    const Kurvenreihe& Gesamtfehler() const { return gesamt_; }

  private:
    std::int64_t schritte_ = 0;
    Kurvenreihe schritt_{Punktbudget};
    Kurvenreihe gesamt_{Punktbudget};
};

// The curve as a table for a spreadsheet: a header line, then one line per step that has a
// point, step count, total error and step error separated by semicolons, numbers with the
// decimal comma in the shortest form that reads back exactly; an empty field where a series has
// no point at that step. Lines end in CR LF.
std::string LernkurveAlsTabelle(const Lernkurve& kurve);

} // namespace nervalo
