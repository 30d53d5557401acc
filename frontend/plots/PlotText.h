#pragma once
// The numbers of the plots: the tick labels of an axis and the amplitude
// export. The read-outs are written with FloatToStrF (controls/NumberFormat.h).

#include <QString>
#include <QStringList>

#include <vector>

namespace zavik {

// Significant digits and least exponent digits of a tick label.
inline constexpr int TickLabelDigits = 4;
inline constexpr int TickLabelExponentDigits = 2;

// The labels of one axis, all in one form: the general format of FloatToStrF
// (4 digits, 2 exponent digits) chooses the fixed or the exponent form for
// the label of largest magnitude, and every label of the axis is written in
// that form, each with its own 4 significant digits: "0.000016" down to
// "0.000002" (not "8E-06"), "2E03" up to "1.2E04" (not "2000"). 0 reads "0"
// in either form.
QStringList TickLabelTexts(const std::vector<long double>& Values);

// The fixed scientific form of 23 characters: a blank or a minus sign, one
// digit, the point, 14 digits, "E", the exponent's sign and 4 digits
// (" 1.50000000000000E+0000"). Always with '.'.
QString ExponentText(long double Value);

}  // namespace zavik
