#include "analysis/work.h"

namespace zav {

void AnalysisWorkDeleter::operator()(AnalysisWork* w) const { delete w; }

}  // namespace zav
