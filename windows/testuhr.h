#pragma once
// A clock for tests: it stands still until Weiter moves it on, and then calls every alarm that
// has become due, each at its own time and in the order of the times. Installed while it exists.
#include <algorithm>
#include <optional>
#include <vector>

#include "bilduhr.h"

namespace nervalo::test {

class TestUhr : public Bilduhr {
  public:
    TestUhr() { vorher_ = setzeBilduhr(this); }
    ~TestUhr() override {
        setzeBilduhr(vorher_);
        for (TestWecker* w : wecker_)
            w->uhr_ = nullptr;
    }
    TestUhr(const TestUhr&) = delete;
    TestUhr& operator=(const TestUhr&) = delete;

    std::int64_t Millisekunden() const override { return jetzt_; }
    std::unique_ptr<Wecker> NeuerWecker(std::function<void()> f) override {
        return std::make_unique<TestWecker>(*this, std::move(f));
    }

    // The time of the earliest alarm that is set.
    std::optional<std::int64_t> NaechsterWecker() const {
        std::optional<std::int64_t> t;
        for (const TestWecker* w : wecker_)
            if (w->faellig_ && (!t || *w->faellig_ < *t)) t = w->faellig_;
        return t;
    }

    // Moves the clock on by ms milliseconds.
    void Weiter(std::int64_t ms) {
        const std::int64_t ziel = jetzt_ + ms;
        // An alarm may set, stop or destroy alarms (its own included): look again after each.
        for (;;) {
            TestWecker* naechster = nullptr;
            for (TestWecker* w : wecker_)
                if (w->faellig_ && *w->faellig_ <= ziel &&
                    (!naechster || *w->faellig_ < *naechster->faellig_))
                    naechster = w;
            if (!naechster) break;
            jetzt_ = *naechster->faellig_;
            naechster->faellig_.reset();
            const std::function<void()> f = naechster->f_;
            f();
        }
        jetzt_ = ziel;
    }

  private:
    class TestWecker : public Wecker {
      public:
        TestWecker(TestUhr& uhr, std::function<void()> f) : uhr_(&uhr), f_(std::move(f)) {
            uhr_->wecker_.push_back(this);
        }
        ~TestWecker() override {
            if (uhr_) std::erase(uhr_->wecker_, this);
        }
        void Stellen(std::int64_t ms) override {
            faellig_ = (uhr_ ? uhr_->jetzt_ : 0) + std::max<std::int64_t>(ms, 0);
        }
        void Abstellen() override { faellig_.reset(); }
        bool Gestellt() const override { return faellig_.has_value(); }

        TestUhr* uhr_;
        std::function<void()> f_;
        std::optional<std::int64_t> faellig_;
    };

    Bilduhr* vorher_;
    std::int64_t jetzt_ = 1000000;
    std::vector<TestWecker*> wecker_;
};

} // namespace nervalo::test
