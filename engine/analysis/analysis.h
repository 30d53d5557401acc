// The analysis of a complete deck: impedances and response at every frequency
// line, the report tables and the plot data.
#pragma once

#include "common/state.h"

namespace zav {

// Raises FATAL_INPUT_FLAG, before it writes any result, when the input
// admits no analysis.
void RUN_ANALYSIS(EngineState& s);

}  // namespace zav
