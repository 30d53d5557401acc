#include "controls/NumericEntry.h"

#include "controls/ColumnUnits.h"
#include "controls/ExpressionEvaluator.h"
#include "controls/NumberFormat.h"
#include "controls/NumberHelpers.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace zavik {

namespace {
constexpr long double kIntMin = -2147483648.0L;
constexpr long double kIntMax = 2147483647.0L;
}  // namespace

QString FormatNumber(bool Hex, long double Value) {
  if (!Hex) return FloatToStrGeneral(Value, 18);
  const long double r = nearbyintl(Value);
  const int64_t whole = r >= 9.2233720368547758e18L    ? INT64_MAX
                        : r <= -9.2233720368547758e18L ? INT64_MIN
                                                       : static_cast<int64_t>(r);
  return QStringLiteral("$") +
         QStringLiteral("%1").arg(static_cast<quint64>(whole), 4, 16, QLatin1Char('0')).toUpper();
}

QString EditUnitsText(const QString& Template, int Units) {
  if (Units == LetterSystem) return Template;
  return NameFirstUnitCodes(Template, Units, {"F6", "F5", "F4", "F2", "F1", "F"}, {"L2", "L1", "L3", "L"});
}

QString ComboUnitsText(const QString& Template, int Units) {
  if (Units == LetterSystem) return Template;
  QString text = Template;
  text.replace(QLatin1Char('F'), Units == EnglishSystem ? QStringLiteral("lbs") : QStringLiteral("kN"));
  text.replace(QLatin1Char('L'), Units == EnglishSystem ? QStringLiteral("in") : QStringLiteral("m"));
  return text;
}

QString LabelCaption(const QString& Caption, const QString& Template, const QString& UnitsText) {
  if (Template.isEmpty()) return Caption;
  return Caption + QStringLiteral(" (") + UnitsText + QLatin1Char(')');
}

long double TEntryLimits::PulledMaxVal(long double Value) const {
  if (Value < MinVal) Value = MinVal;
  if (IntegerOnly) Value = std::clamp(Value, kIntMin, kIntMax);
  return Value;
}

long double TEntryLimits::PulledMinVal(long double Value) const {
  if (Value > MaxVal) Value = MaxVal;
  if (IntegerOnly) Value = std::clamp(Value, kIntMin, kIntMax);
  return Value;
}

long double TEntryLimits::Clamp(long double Value) const {
  return std::clamp(Value, MinVal, std::max(MinVal, MaxVal));
}

TEntryCheck CheckEntry(const QString& Text, const TEntryLimits& Limits,
                       const std::function<QString(long double)>& LimitText) {
  TEntryCheck check;
  try {
    check.Value = EvaluateEntry(Text);
  } catch (const EAssignError& e) {
    check.Message =
        Limits.IntegerOnly ? QStringLiteral("Entry must be a valid integer.") : e.Message();
    return check;
  } catch (const Exception& e) {
    // An arithmetic fault (1/0, ln 0, overflow) refuses the entry as well.
    check.Message = e.Message();
    return check;
  }
  if (Limits.IntegerOnly && FracPart(check.Value) != 0) {
    check.Message = QStringLiteral("Entry must be an integer.");
    return check;
  }
  if (check.Value < Limits.MinVal) {
    check.Result = TEntryCheck::BelowMin;
    check.Message = QStringLiteral("Entry must be greater than or equal to ") + LimitText(Limits.MinVal);
    return check;
  }
  if (check.Value > Limits.MaxVal) {
    check.Result = TEntryCheck::AboveMax;
    check.Message = QStringLiteral("Entry must be less than or equal to ") + LimitText(Limits.MaxVal);
    return check;
  }
  check.Result = TEntryCheck::Accepted;
  return check;
}

}  // namespace zavik
