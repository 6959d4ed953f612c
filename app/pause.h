#pragma once
#include <cstdint>

namespace nervalo {

// Waits at least ms milliseconds while the event loop runs (and sleeps when idle); returns at
// once when the program has been told to quit.
void Pause(std::int64_t ms);

} // namespace nervalo
