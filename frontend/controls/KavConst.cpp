#include "controls/KavConst.h"

#include <cmath>

namespace zavik {

int FoldIntArray(std::initializer_list<int> Values, const std::function<int(int, int)>& F) {
  RaiseIf(Values.size() == 0, QStringLiteral("Empty array"));
  auto it = Values.begin();
  int result = *it++;
  for (; it != Values.end(); ++it) result = F(result, *it);
  return result;
}

int MinOfArray(std::initializer_list<int> Values) { return FoldIntArray(Values, Min); }

int RoundToInt(long double Value) {
  const long double r = nearbyintl(Value);  // default rounding: ties to even
  RaiseIf<ERangeError>(!(r >= -2147483648.0L && r <= 2147483647.0L),
                       QStringLiteral("Range check error"));
  return static_cast<int>(r);
}

long double FracPart(long double Value) { return Value - truncl(Value); }

}  // namespace zavik
