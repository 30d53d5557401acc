// The engine's only exported entry. One call runs one complete analysis from
// the files named in names.dat and returns its status:
// 0 analysis completed, 2 stopped by STOP or the end of the deck, 3 fatal input error.
#include <cstdint>
#include <cstdio>
#include <memory>

#include "izavik.h"

extern "C" {

// The front end binds the entry as int32 (*)(int32); the argument carries
// nothing, the run's files are named in names.dat.
__attribute__((visibility("default"))) std::int32_t IZAVIK(std::int32_t /*unused*/) {
  // Every call starts from fresh data, whether or not the library was unloaded
  // since the last one; nothing may leave this function as an exception.
  try {
    auto state = std::make_unique<zav::EngineState>();
    return zav::IZAVIK(*state);
  } catch (...) {
    std::fputs("IZAVIK: the run could not be completed (out of memory?)\n", stderr);
    return zav::status_fatal;
  }
}

// The same address under the name the front end binds.
__attribute__((visibility("default"), alias("IZAVIK"))) std::int32_t _IZAVIK(std::int32_t);
}
