#pragma once
// The numbers of the amplitude export. The plots' tick labels and read-outs
// are written with FloatToStrF (controls/NumberFormat.h).

#include <QString>

namespace zavik {

// The fixed scientific form of 23 characters: a blank or a minus sign, one
// digit, the point, 14 digits, "E", the exponent's sign and 4 digits
// (" 1.50000000000000E+0000"). Always with '.'.
QString ExponentText(long double Value);

}  // namespace zavik
