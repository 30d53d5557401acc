#pragma once
// What the numeric entry controls (TDataEdit, TDataCombo) do without a
// screen: the limits and their rules, the check of an entry when the user
// leaves the box, the text of a value and the unit in the label.

#include <QString>

#include <functional>

namespace zavik {

// The default limits, just inside the largest finite extended value: no
// practical limit.
constexpr long double kNoLimit = 1.18973149535723176E4932L;

// The text of a value in an entry box: with Hex, "$" and the value rounded to
// a whole number in upper-case hexadecimal of at least four digits (a
// negative value as its 16-digit two's complement); otherwise the general
// format with 18 significant digits.
QString FormatNumber(bool Hex, long double Value);

// The unit label of a template in unit system 1 (English), 2 (SI) or 3 (the
// template itself). The entry box translates the first force code present
// (tried F6, F5, F4, F2, F1, F) and the first length code present (L2, L1,
// L3, L), each at every place it stands; the combo box every F and then
// every L.
QString EditUnitsText(const QString& Template, int Units);
QString ComboUnitsText(const QString& Template, int Units);
// "Caption (unit)", or the caption alone without a template.
QString LabelCaption(const QString& Caption, const QString& Template, const QString& UnitsText);

// The limits of an entry and the rules of their writing.
struct TEntryLimits {
  long double MinVal = -kNoLimit;
  long double MaxVal = kNoLimit;
  bool IntegerOnly = false;

  // The value a written MaxVal (MinVal) takes: never beyond the other limit,
  // and within the 32-bit range for whole numbers.
  long double PulledMaxVal(long double Value) const;
  long double PulledMinVal(long double Value) const;
  long double Clamp(long double Value) const;
};

// The verdict of the check when the user leaves the box.
struct TEntryCheck {
  enum TResult {
    Accepted,  // Value is the entry's value
    Refused,   // Message says why; the text stays as typed
    BelowMin,  // the text becomes MinVal; Message says so
    AboveMax,  // the text becomes MaxVal; Message says so
  };
  TResult Result = Refused;
  long double Value = 0;
  QString Message;
};

// Evaluates the text as an entry (EvaluateEntry) and checks it: an
// expression that cannot be evaluated or whose value the analysis cannot hold
// (a whole-number box says "Entry must be a valid integer."), an arithmetic
// fault such as 1/0 or ln 0, a fractional value in a whole-number box, a
// value below MinVal or above MaxVal. The limits in the messages are written
// with LimitText. Never throws.
TEntryCheck CheckEntry(const QString& Text, const TEntryLimits& Limits,
                       const std::function<QString(long double)>& LimitText);

}  // namespace zavik
