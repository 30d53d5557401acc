// The LOAD section. Until its readers exist, the load's words reach the keyword
// loop, which reports them as misplaced, and the deck has no load.
#include "input/input.h"

namespace zav {

void READ_LOAD(EngineState& /*s*/) {}

void READ_LOAD_DATA(EngineState& /*s*/) {}

}  // namespace zav
