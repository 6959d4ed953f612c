#include "bilduhr.h"

#include <QTimer>
#include <algorithm>
#include <chrono>
#include <limits>

namespace nervalo {
namespace {

class QtWecker : public Wecker {
  public:
    explicit QtWecker(std::function<void()> f) {
        timer_.setSingleShot(true);
        // A coarse timer may fire several milliseconds late, a good part of a frame.
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, std::move(f));
    }
    void Stellen(std::int64_t ms) override {
        timer_.start(
            static_cast<int>(std::clamp<std::int64_t>(ms, 0, std::numeric_limits<int>::max())));
    }
    void Abstellen() override { timer_.stop(); }
    bool Gestellt() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

class QtBilduhr : public Bilduhr {
  public:
    std::int64_t Millisekunden() const override {
        using namespace std::chrono;
        return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    }
    std::unique_ptr<Wecker> NeuerWecker(std::function<void()> f) override {
        return std::make_unique<QtWecker>(std::move(f));
    }
};

QtBilduhr qtUhr;
Bilduhr* aktuell = &qtUhr;

} // namespace

Bilduhr& bilduhr() {
    return *aktuell;
}

Bilduhr* setzeBilduhr(Bilduhr* u) {
    Bilduhr* vorher = aktuell;
    aktuell = u ? u : &qtUhr;
    return vorher == &qtUhr ? nullptr : vorher;
}

} // namespace nervalo
