#pragma once
// Conversions between extended reals and text, independent of the C and Qt
// locales. The decimal separator is always passed or taken from the
// front end's own process-wide setting, never from the user's locale.

#include <QChar>
#include <QString>

#include <string>

namespace zavik {

// The front end's own decimal separator for numbers shown to and typed by the
// user. Files are always written and read with '.'.
extern QChar DecimalSeparator;

// Sets DecimalSeparator to '.' for its lifetime and restores the previous one
// on every exit, while a file is read or written.
class TFileSeparatorScope {
public:
  TFileSeparatorScope() : FSaved(DecimalSeparator) { DecimalSeparator = QLatin1Char('.'); }
  ~TFileSeparatorScope() { DecimalSeparator = FSaved; }
  TFileSeparatorScope(const TFileSeparatorScope&) = delete;
  TFileSeparatorScope& operator=(const TFileSeparatorScope&) = delete;

private:
  QChar FSaved;
};

// General format with `Precision` significant digits: fixed notation without
// trailing zeros, scientific notation with the shortest exponent ("1.5E8",
// "1E-12") when more than `Precision` digits would stand before the point or
// the magnitude is below 0.00001. Infinities and NaN give "INF", "-INF", "NAN".
QString FloatToStrGeneral(long double Value, int Precision,
                          QChar Separator = DecimalSeparator);

// The three number formats of the windows' read-outs, labels and exports, in
// the front end's decimal separator unless another is given:
// General: FloatToStrGeneral with Precision digits, the exponent written with
// at least Digits digits and a sign only when negative ("1.5E08", "2.5E-07").
QString FloatToStrF(long double Value, int Precision, int Digits, QChar Separator = DecimalSeparator);
// Exponent: one digit, the separator, Precision - 1 digits, "E", the
// exponent's sign and at least Digits digits ("1.234E+05", "0.000E+00").
QString FloatToStrExponent(long double Value, int Precision, int Digits, QChar Separator = DecimalSeparator);
// Fixed: Digits decimals ("6.0"); the exponent format when more than
// Precision digits would stand before the point.
QString FloatToStrFixed(long double Value, int Precision, int Digits, QChar Separator = DecimalSeparator);

// Reads optional sign, digits, the separator and an optional exponent (E or e);
// nothing else, not even blanks. Returns false when the text is not such a
// number. A magnitude beyond the extended range sets `Overflow`.
bool TextToFloat(const QString& Text, long double& Value, bool& Overflow,
                 QChar Separator = DecimalSeparator);

// Reads a whole C-format number ("1.5e-300", "-0.1") independently of the
// locale; subnormal values are kept. False when the text is not such a number
// or its magnitude is beyond the extended range.
bool CTextToExtended(const std::string& Text, long double& Value);

// Shortest text that reads back to the same extended value, with '.' and
// always with a point or an exponent, so that it never reads as an integer.
QString ExtendedToStoredText(long double Value);

}  // namespace zavik
