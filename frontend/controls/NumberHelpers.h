#pragma once
// Whole-number helpers for entries that must be 32-bit integers.

namespace zavik {

// True for a value without fractional part within the 32-bit integer range.
bool IsWholeNumber(long double Value);
// Nearest whole number, a half to the even neighbour; outside the 32-bit range
// a range error.
int RoundToInt(long double Value);
// The fractional part, sign kept.
long double FracPart(long double Value);

}  // namespace zavik
