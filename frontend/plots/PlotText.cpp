#include "plots/PlotText.h"

#include "controls/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace zavik {

QString FloatToStrF(long double Value, int Precision, int Digits) {
  QString text = FloatToStrGeneral(Value, Precision);
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  if (e < 0) return text;
  const bool negative = text.size() > e + 1 && text[e + 1] == QLatin1Char('-');
  const qsizetype digitsAt = e + 1 + (negative ? 1 : 0);
  const QString exponent = text.mid(digitsAt);
  return text.left(digitsAt) + exponent.rightJustified(Digits, QLatin1Char('0'));
}

QString ExponentText(long double Value) {
  if (!std::isfinite(Value)) return FloatToStrGeneral(Value, 15, QLatin1Char('.'));
  constexpr int Decimals = 14;
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::scientific, Decimals);
  std::string s(buf, res.ptr);
  const std::size_t e = s.find('e');
  const int exponent = std::atoi(s.c_str() + e + 1);
  std::string mantissa = s.substr(0, e);
  if (mantissa[0] != '-') mantissa.insert(0, 1, ' ');
  char tail[16];
  std::snprintf(tail, sizeof tail, "E%c%04d", exponent < 0 ? '-' : '+', std::abs(exponent));
  return QString::fromLatin1(mantissa + tail);
}

}  // namespace zavik
