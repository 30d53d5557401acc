#include "core/DeckLayout.h"

#include "controls/ColumnTypes.h"
#include "controls/Exceptions.h"
#include "controls/NumberFormat.h"

#include <utility>

namespace zavik {

long double WrittenValue(long double Value) {
  long double v = Value;
  bool overflow = false;
  return TextToFloat(DeckFloatToStr(Value), v, overflow, QLatin1Char('.')) ? v : Value;
}

TDeckLayout DeckLayoutOf(TProjectTable Table) {
  using T = TProjectTables;
  static const std::pair<TProjectTable, TDeckLayout> layouts[] = {
      {&T::D, DDeckLayout},
      {&T::TLoadtype, TLoadtypeDeckLayout},
      {&T::PileData, PileDataDeckLayout},
      {&T::pilecapsoil, PilecapsoilDeckLayout},
      {&T::Multisoil, MultisoilDeckLayout},
      {&T::MultiElement, MultiElementDeckLayout},
      {&T::Pilecoord, PilecoordDeckLayout},
      {&T::Dtransient, DtransientDeckLayout},
      {&T::Trandom, TrandomDeckLayout},
      {&T::Tspectrum, TspectrumDeckLayout},
      {&T::D1, D1DeckLayout},
      {&T::TBattered, TBatteredDeckLayout},
      {&T::MassCal, MassCalDeckLayout}};
  for (const auto& [table, layout] : layouts)
    if (table == Table) return layout;
  throw Exception(QStringLiteral("A project table without its deck layout"));
}

QList<int> RowColumns(TDeckLayout Layout, bool WeakZones) {
  QList<int> columns;
  for (const TDeckColumn& column : Layout)
    if (column.Place == TDeckPlace::Row || (WeakZones && column.Place == TDeckPlace::WeakZoneRow))
      columns << column.Index;
  return columns;
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
