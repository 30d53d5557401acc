#include "controls/NumberFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

#include <locale.h>
#include <stdlib.h>

namespace zavik {

QChar DecimalSeparator = QLatin1Char('.');

QString FloatToStrGeneral(long double Value, int Precision, QChar Separator) {
  if (std::isnan(Value)) return QStringLiteral("NAN");
  if (std::isinf(Value)) return Value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
  if (Value == 0) return QStringLiteral("0");
  if (Precision < 1) Precision = 1;

  // Round to the precision once; read the digits and the decimal exponent.
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::scientific,
                           Precision - 1);
  std::string sci(buf, res.ptr);
  bool negative = sci[0] == '-';
  if (negative) sci.erase(0, 1);
  std::size_t ePos = sci.find('e');
  std::string digits;
  for (std::size_t i = 0; i < ePos; ++i)
    if (sci[i] >= '0' && sci[i] <= '9') digits += sci[i];
  int exponent = std::stoi(sci.substr(ePos + 1));
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  QString out;
  if (negative) out += QLatin1Char('-');
  if (exponent >= Precision || exponent < -5) {
    out += QLatin1Char(digits[0]);
    if (digits.size() > 1) {
      out += Separator;
      out += QString::fromLatin1(digits.data() + 1, int(digits.size() - 1));
    }
    out += QLatin1Char('E');
    out += QString::number(exponent);
  } else if (exponent >= 0) {
    std::string intPart = digits.substr(0, std::min<std::size_t>(digits.size(), exponent + 1));
    while (int(intPart.size()) < exponent + 1) intPart += '0';
    out += QString::fromLatin1(intPart.data(), int(intPart.size()));
    if (int(digits.size()) > exponent + 1) {
      out += Separator;
      out += QString::fromLatin1(digits.data() + exponent + 1,
                                 int(digits.size()) - exponent - 1);
    }
  } else {
    out += QLatin1Char('0');
    out += Separator;
    out += QString(-exponent - 1, QLatin1Char('0'));
    out += QString::fromLatin1(digits.data(), int(digits.size()));
  }
  return out;
}

QString FloatToStrF(long double Value, int Precision, int Digits, QChar Separator) {
  const QString text = FloatToStrGeneral(Value, Precision, Separator);
  const qsizetype e = text.indexOf(QLatin1Char('E'));
  if (e < 0) return text;
  const bool negative = text.size() > e + 1 && text[e + 1] == QLatin1Char('-');
  const qsizetype digitsAt = e + 1 + (negative ? 1 : 0);
  return text.left(digitsAt) + text.mid(digitsAt).rightJustified(Digits, QLatin1Char('0'));
}

namespace {
// No minus sign before a fixed number written as zero ("-0.0").
void DropSignOfZero(std::string& Text) {
  if (!Text.empty() && Text[0] == '-' && Text.find_first_of("123456789") == std::string::npos) Text.erase(0, 1);
}
}  // namespace

QString FloatToStrExponent(long double Value, int Precision, int Digits, QChar Separator) {
  if (!std::isfinite(Value)) return FloatToStrGeneral(Value, Precision, Separator);
  if (Precision < 1) Precision = 1;
  if (Value == 0) Value = 0;  // no sign for a negative zero
  char buf[128];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::scientific, Precision - 1);
  const std::string s(buf, res.ptr);
  const std::size_t e = s.find('e');
  const int exponent = std::stoi(s.substr(e + 1));
  QString text = QString::fromLatin1(s.data(), int(e)).replace(QLatin1Char('.'), Separator);
  text += exponent < 0 ? QStringLiteral("E-") : QStringLiteral("E+");
  return text + QString::number(std::abs(exponent)).rightJustified(Digits, QLatin1Char('0'));
}

QString FloatToStrFixed(long double Value, int Precision, int Digits, QChar Separator) {
  if (!std::isfinite(Value)) return FloatToStrGeneral(Value, Precision, Separator);
  char buf[128];
  const auto res = std::to_chars(buf, buf + sizeof buf, Value, std::chars_format::fixed, std::max(Digits, 0));
  std::string s(buf, res.ptr);
  DropSignOfZero(s);
  const std::size_t point = s.find('.');
  const std::size_t whole = (point == std::string::npos ? s.size() : point) - (s[0] == '-' ? 1 : 0);
  if (int(whole) > Precision) return FloatToStrExponent(Value, Precision, Digits, Separator);
  return QString::fromLatin1(s.data(), int(s.size())).replace(QLatin1Char('.'), Separator);
}

bool CTextToExtended(const std::string& Text, long double& Value) {
  static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
  if (Text.empty() || isspace(static_cast<unsigned char>(Text[0]))) return false;
  char* end = nullptr;
  const long double v = strtold_l(Text.c_str(), &end, cLocale);
  if (end != Text.c_str() + Text.size() || std::isinf(v)) return false;
  Value = v;
  return true;
}

bool TextToFloat(const QString& Text, long double& Value, bool& Overflow, QChar Separator) {
  Overflow = false;
  std::string ascii;
  int i = 0;
  const int n = int(Text.size());
  auto digitsFrom = [&](int& k) {
    int start = k;
    while (k < n && Text[k] >= QLatin1Char('0') && Text[k] <= QLatin1Char('9'))
      ascii += char(Text[k++].unicode());
    return k - start;
  };
  if (i < n && (Text[i] == QLatin1Char('+') || Text[i] == QLatin1Char('-'))) {
    if (Text[i] == QLatin1Char('-')) ascii += '-';
    ++i;
  }
  int mantissaDigits = digitsFrom(i);
  if (i < n && Text[i] == Separator) {
    ascii += '.';
    ++i;
    mantissaDigits += digitsFrom(i);
  }
  if (mantissaDigits == 0) return false;
  if (i < n && (Text[i] == QLatin1Char('e') || Text[i] == QLatin1Char('E'))) {
    ascii += 'e';
    ++i;
    if (i < n && (Text[i] == QLatin1Char('+') || Text[i] == QLatin1Char('-'))) {
      if (Text[i] == QLatin1Char('-')) ascii += '-';
      ++i;
    }
    if (digitsFrom(i) == 0) return false;
  }
  if (i != n) return false;

  long double v = 0;
  if (!CTextToExtended(ascii, v)) {
    Overflow = true;  // the text is a number: only its magnitude can fail
    return false;
  }
  Value = v;
  return true;
}

QString ExtendedToStoredText(long double Value) {
  if (std::isnan(Value)) return QStringLiteral("nan");
  if (std::isinf(Value)) return Value < 0 ? QStringLiteral("-inf") : QStringLiteral("inf");
  char buf[128];
  auto res = std::to_chars(buf, buf + sizeof buf, Value);
  std::string s(buf, res.ptr);
  if (s.find_first_of(".e") == std::string::npos) s += ".0";
  return QString::fromLatin1(s.data(), int(s.size()));
}

}  // namespace zavik
