// The engine's only exported entry. One call runs one complete analysis from
// the files named in names.dat and returns its status:
// 0 analysis completed, 2 stopped by STOP or the end of the deck, 3 fatal input error.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) std::int32_t IZAVIK(std::int32_t /*unused*/) {
  return 3;  // filled in by the run sequence
}

// The same address under the name the front end binds.
__attribute__((visibility("default"), alias("IZAVIK"))) std::int32_t _IZAVIK(std::int32_t);

}
