#pragma once
// The program's clock for what it times: the net picture, the task window's repaints and the
// row that "Alle" shows are brought up to date at most once per screen frame, and the recall
// waits between its passes. The program runs on the monotonic clock and Qt's timers; tests
// install a clock that moves only when told to (test::TestUhr), so that no test depends on how
// fast the machine is.
#include <cstdint>
#include <functional>
#include <memory>

namespace nervalo {

// Time of one screen frame in milliseconds (60 frames per second).
constexpr int Bildzeit = 16;

// An alarm that calls its function once, on the user-interface thread, when the time it was set
// to has passed; setting it again replaces the time.
class Wecker {
  public:
    virtual ~Wecker() = default;
    virtual void Stellen(std::int64_t ms) = 0;
    virtual void Abstellen() = 0;
    virtual bool Gestellt() const = 0;
};

class Bilduhr {
  public:
    virtual ~Bilduhr() = default;
    // Milliseconds from a fixed start; they never go back.
    virtual std::int64_t Millisekunden() const = 0;
    // A new alarm, not set, that calls f.
    virtual std::unique_ptr<Wecker> NeuerWecker(std::function<void()> f) = 0;
};

// The installed clock. Who paces with it takes it once, when made.
Bilduhr& bilduhr();
// Installs u (nullptr restores the real clock) and returns the previous one (nullptr for the
// real clock).
Bilduhr* setzeBilduhr(Bilduhr* u);

} // namespace nervalo
