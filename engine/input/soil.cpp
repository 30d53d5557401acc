// The SOIL section. Until its readers exist, the soil's words reach the keyword
// loop, which reports them as misplaced.
#include "input/input.h"

namespace zav {

void READ_SOIL(EngineState& /*s*/) {}
void SOLCST(EngineState& /*s*/) {}
void READ_SOIL_BELOW(EngineState& /*s*/) {}
void READ_EMBEDMENT(EngineState& /*s*/) {}

}  // namespace zav
