#include "controls/AxisMap.h"

#include <algorithm>
#include <cmath>

namespace zavik {

int RoundPixel(long double X) {
  if (std::isnan(X)) return 0;
  X = std::clamp(X, -static_cast<long double>(PixelLimit), static_cast<long double>(PixelLimit));
  // nearbyint rounds halves to even in the default rounding mode.
  return static_cast<int>(std::nearbyint(X));
}

int TAxisMap::ToPixel(long double Value) const {
  return std::clamp(RoundPixel(Origin) + RoundPixel((Value - From) / (To - From) * Length), -PixelLimit, PixelLimit);
}

}  // namespace zavik
