// The data of one engine run. IZAVIK creates a fresh EngineState for every call
// and passes it by reference to every routine, so nothing of an earlier run (in
// the same process, whether or not the library was unloaded in between) reaches
// the next. Each area of the engine keeps its data in a section of its own;
// routines name them as s.run.UNIT_TABLE(4), s.input.FATAL_INPUT_FLAG, ...
//
// The unit I/O functions are forwarded here so that routines write
//   write(s, s.run.OUTPUT_UNIT, "(/,/,' UNRECOGNIZED KEYWORD - ',A4)", word);
// (see io/records.h for formats, items and read exits).
#pragma once

#include <string>
#include <utility>

#include "common/array1.h"
#include "common/types.h"
#include "io/records.h"

namespace zav {

// Logical units and the names of the run's files.
struct RunFiles {
  // Logical-unit numbers; entry 4 is the unit every reader reads the deck from,
  // 7 and 8 those of the scratch tapes.
  Array1<int, 10> UNIT_TABLE;
  int OUTPUT_UNIT = 16;  // the report
  struct Names {
    std::string deck, report, plot_data, fourth;  // 256 characters each as read
    std::string version;                          // 12 characters
  } RUN_FILE_NAMES;
};

// Control of the deck reading: what was given, and how the run ends.
struct InputControl {
  // (1) foundation type, (2) load kind, (3) geometry, (4) gravity given,
  // (10) the number of keywords.
  Array1<int, 10> INPUT_STATUS;
  int FATAL_INPUT_FLAG = 0;  // 1 after a fatal input error
  int STOP_FLAG = 0;         // 1 after STOP or the end of the deck
};

// The record reader's own data.
struct RecordReader {
  // Keyword found for the text met in a number field (1..52), 53 for none.
  int keyword_index = 0;
  // The last text record met in a number field, as 20 words of 4 characters.
  std::array<std::string, 20> text_buffer;
};

struct EngineState {
  io::Files files;
  RunFiles run;
  InputControl input;
  RecordReader reader;
};

template <class... A>
void write(EngineState& s, int unit, std::string_view format, const A&... items) {
  io::write(s.files, unit, format, items...);
}
template <class... A>
io::Io read(EngineState& s, int unit, std::string_view format, A&&... targets) {
  return io::read(s.files, unit, format, std::forward<A>(targets)...);
}
inline void rewind(EngineState& s, int unit) { s.files.rewind(unit); }
inline void backspace(EngineState& s, int unit) { s.files.backspace(unit); }

}  // namespace zav
