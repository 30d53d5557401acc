#include "plots/PlotText.h"

#include "controls/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {

// The exponent form of FloatToStrF whatever the magnitude: the mantissa to
// Digits significant digits without trailing zeros, the exponent with a sign
// only when negative ("2E03", "1.25E-06").
QString ExponentForm(long double Value, int Digits, int ExponentDigits) {
  const QString full = FloatToStrExponent(Value, Digits, ExponentDigits);
  const qsizetype e = full.indexOf(QLatin1Char('E'));
  QString mantissa = full.left(e);
  if (mantissa.contains(DecimalSeparator)) {
    while (mantissa.endsWith(QLatin1Char('0'))) mantissa.chop(1);
    if (mantissa.endsWith(DecimalSeparator)) mantissa.chop(1);
  }
  QString exponent = full.mid(e + 1);
  if (exponent.startsWith(QLatin1Char('+'))) exponent.remove(0, 1);
  return mantissa + QLatin1Char('E') + exponent;
}

// The decimal exponent of Value rounded to Digits significant digits.
int DecimalExponent(long double Value, int Digits) {
  const QString full = FloatToStrExponent(Value, Digits, 1, QLatin1Char('.'));
  return full.mid(full.indexOf(QLatin1Char('E')) + 1).toInt();
}

// The fixed form of FloatToStrF whatever the magnitude: Digits significant
// digits without trailing zeros ("0.000008").
QString FixedForm(long double Value, int Digits) {
  const int decimals = std::max(0, Digits - 1 - DecimalExponent(Value, Digits));
  QString text = FloatToStrFixed(Value, Digits, decimals);
  if (decimals > 0) {
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(DecimalSeparator)) text.chop(1);
  }
  return text;
}

}  // namespace

QStringList TickLabelTexts(const std::vector<long double>& Values) {
  long double largest = 0;
  for (long double v : Values)
    if (std::isfinite(v)) largest = std::max(largest, std::fabs(v));
  const bool exponent =
      FloatToStrF(largest, TickLabelDigits, TickLabelExponentDigits).contains(QLatin1Char('E'));
  QStringList texts;
  for (long double v : Values) {
    if (v == 0 || !std::isfinite(v)) texts << FloatToStrF(v, TickLabelDigits, TickLabelExponentDigits);
    else if (exponent) texts << ExponentForm(v, TickLabelDigits, TickLabelExponentDigits);
    else texts << FixedForm(v, TickLabelDigits);
  }
  return texts;
}

QString ExponentText(long double Value) {
  if (!std::isfinite(Value)) return FloatToStrGeneral(Value, 15, QLatin1Char('.'));
  constexpr int Width = 23;
  return FloatToStrExponent(Value, 15, 4, QLatin1Char('.')).rightJustified(Width);
}

}  // namespace zavik
