#include "plots/PlotText.h"

#include "controls/NumberFormat.h"

#include <cmath>

namespace zavik {

QString ExponentText(long double Value) {
  if (!std::isfinite(Value)) return FloatToStrGeneral(Value, 15, QLatin1Char('.'));
  constexpr int Width = 23;
  return FloatToStrExponent(Value, 15, 4, QLatin1Char('.')).rightJustified(Width);
}

}  // namespace zavik
