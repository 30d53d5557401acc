#include "izavik.h"

#include "analysis/analysis.h"
#include "input/input.h"
#include "kernels/thread_team.h"

namespace zav {
namespace {

void write_fatal_block(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT, "('1',/,/,/,'*** FATAL ERROR IN INPUT DATA ***',/,'*** EXEC   UTION TERMINATED ***')");
}

void write_stop_block(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT, "('1',/,/,/,' *** RUN TERMINATED BY ''STOP'' KEYWORD ***')");
}

int run_deck(EngineState& s) {
  if (!OPEN_RUN_FILES(s)) {
    if (s.files.is_open(s.run.OUTPUT_UNIT)) write_fatal_block(s);
    return status_fatal;
  }
  PREPROCESS_DECK(s);
  INIT_DEFAULTS(s);
  READ_DECK(s, s.input.STOP_FLAG);
  if (s.input.FATAL_INPUT_FLAG == 1) {
    write_fatal_block(s);
    return status_fatal;
  }
  if (s.input.STOP_FLAG == 1) {
    write_stop_block(s);
    return status_stopped;
  }
  CHECK_INPUT_COMPLETE(s);
  if (s.input.FATAL_INPUT_FLAG == 1) {
    write_fatal_block(s);
    return status_fatal;
  }
  RUN_ANALYSIS(s);
  if (s.input.FATAL_INPUT_FLAG == 1) {
    write_fatal_block(s);
    return status_fatal;
  }
  return status_completed;
}

}  // namespace

int IZAVIK(EngineState& s) {
  MATRIX_LIBRARY_ON_CALLER();
  s.run.UNIT_TABLE(4) = RunFiles::DECK_UNIT;
  s.run.UNIT_TABLE(7) = 7;
  s.run.UNIT_TABLE(8) = 8;
  s.run.OUTPUT_UNIT = 16;
  int result = status_fatal;
  try {
    result = run_deck(s);
  } catch (const std::exception& e) {
    // A fault of the engine itself: say so in the report, as far as it can be
    // written, and end the run in order.
    try {
      if (s.files.is_open(s.run.OUTPUT_UNIT)) {
        write(s, s.run.OUTPUT_UNIT, "(/,/,' *** INTERNAL ERROR - ',A)", e.what());
        write_fatal_block(s);
      }
    } catch (...) {
    }
    result = status_fatal;
  }
  // Only a completed run replaces the plot data of an earlier one. A report
  // or plot-data file that could not be saved is no completed run.
  if (result != status_completed) s.files.discard(RunFiles::PLOT_UNIT);
  if (!CLOSE_RUN_FILES(s) && result == status_completed) result = status_fatal;
  return result;
}

}  // namespace zav
