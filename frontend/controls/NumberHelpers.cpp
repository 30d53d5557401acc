#include "controls/NumberHelpers.h"

#include "controls/Guards.h"

#include <cmath>

namespace zavik {

bool IsWholeNumber(long double Value) {
  return Value >= -2147483648.0L && Value <= 2147483647.0L && truncl(Value) == Value;
}

int RoundToInt(long double Value) {
  const long double r = nearbyintl(Value);  // default rounding: ties to even
  RaiseIf<ERangeError>(!(r >= -2147483648.0L && r <= 2147483647.0L),
                       QStringLiteral("Range check error"));
  return static_cast<int>(r);
}

long double FracPart(long double Value) { return Value - truncl(Value); }

}  // namespace zavik
