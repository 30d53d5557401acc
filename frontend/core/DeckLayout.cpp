#include "core/DeckLayout.h"

#include "controls/ColumnTypes.h"
#include "controls/NumberFormat.h"

namespace zavik {

long double WrittenValue(long double Value) {
  long double v = Value;
  bool overflow = false;
  return TextToFloat(DeckFloatToStr(Value), v, overflow, QLatin1Char('.')) ? v : Value;
}

QStringList TWeakZoneRule::DerivedItems(long double Poisson, long double Damping, long double Ratio) const {
  return {DeckFloatToStr(Poisson), DeckFloatToStr(2 * Damping), DeckFloatToStr(Ratio <= Limit ? Zone : 0)};
}

bool HoldsNoRows(const TGridTable* Table) {
  if (Table->RowCount() == 0) return true;
  if (Table->RowCount() > 1) return false;
  for (int c = 0; c < Table->ColumnCount(); ++c) {
    const auto* column = dynamic_cast<const TFloatColumn*>(Table->Columns(c));
    if (!column || WrittenValue(column->GetFloat(0)) != WrittenValue(column->DefaultValue)) return false;
  }
  return true;
}

}  // namespace zavik
