#pragma once
// Numbers as the plots write them: tick labels, the cursor read-out and the
// amplitude export.

#include <QString>

namespace zavik {

// General format with Precision significant digits (fixed notation unless
// more digits than that stand before the point or the value is below
// 0.00001); in scientific notation the exponent has at least Digits digits
// and a sign only when negative ("1.5E08", "2.5E-07"). The front end's
// decimal separator.
QString FloatToStrF(long double Value, int Precision, int Digits);

// The fixed scientific form of 23 characters: a blank or a minus sign, one
// digit, the point, 14 digits, "E", the exponent's sign and 4 digits
// (" 1.50000000000000E+0000"). Always with '.'.
QString ExponentText(long double Value);

}  // namespace zavik
