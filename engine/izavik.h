// One complete run of the engine on the files named in names.dat.
#pragma once

#include "common/state.h"

namespace zav {

// Engine status: 0 analysis completed, 2 stopped by STOP or the end of the deck,
// 3 fatal error in the input data (or a file of the run that could not be opened
// or saved).
inline constexpr int status_completed = 0;
inline constexpr int status_stopped = 2;
inline constexpr int status_fatal = 3;

int IZAVIK(EngineState& s);

}  // namespace zav
