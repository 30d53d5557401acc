// The analysis of a complete deck: impedances and response at every frequency
// line, the report tables and the plot data.
#pragma once

#include "common/state.h"

namespace zav {

void RUN_ANALYSIS(EngineState& s);

}  // namespace zav
