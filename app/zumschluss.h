#pragma once
// Runs a call when the scope ends, also when it is left by an exception: the screen and the
// commands then show what the net holds after a step that failed half-way.
#include <utility>

namespace nervalo {

template <class F> class ZumSchluss {
  public:
    explicit ZumSchluss(F f) : f_(std::move(f)) {}
    ~ZumSchluss() { f_(); }
    ZumSchluss(const ZumSchluss&) = delete;
    ZumSchluss& operator=(const ZumSchluss&) = delete;

  private:
    F f_;
};

} // namespace nervalo
