#include "core/ProjectTables.h"

#include "controls/Guards.h"

namespace zavik {

TProjectTables::TProjectTables(QObject* Parent) : QObject(Parent) {
  // Every Identifier is taken before any column refers to one.
  D = Define("D", 15, "Soil Properties", 20, "Layer", true);
  TLoadtype = Define("TLoadtype", 14, "Transient Loading Data", 0, "Number", true);
  PileData = Define("PileData", 3, "Pile Data", 200, "Layer No.", true);
  pilecapsoil = Define("pilecapsoil", 4, "Side Weakened Soil Parameters", 20, "Layer #", true);
  Multisoil = Define("Multisoil", 5, "Soil Column Layer", 20, "Layer #", true);
  MultiElement = Define("MultiElement", 19, "Multi-Layer Foundation", 20, "Layer #", true);
  Pilecoord = Define("Pilecoord", 7, "Pile Coordinations", 500, "Pile #", true);
  Dtransient = Define("Dtransient", 8, "Load Amplitude", 0, "Number", true);
  Trandom = Define("Trandom", 9, "Random Loading data", 0, "Number", true);
  Tspectrum = Define("Tspectrum", 13, "Random Spectrum Data", 0, "Number", true);
  D1 = Define("D1", 11, "Soil Layer Data", 20, "", true);
  TBattered = Define("TBattered", 16, "Battered Pile Data", 0, "Number", true);
  MassCal = Define("MassCal", 12,
                   "Mass Components including equipment, and self weight of footing ", 100,
                   "Mass #", false);

  // The stored column definitions from the lists that name the columns.
  const std::pair<TGridTable*, QString> columns[] = {
      {D, StoredColumns(TDColumnDefinitions)},
      {TLoadtype, StoredColumns(TTLoadtypeColumnDefinitions)},
      {PileData, StoredColumns(TPileDataColumnDefinitions)},
      {pilecapsoil, StoredColumns(TPilecapsoilColumnDefinitions)},
      {Multisoil, StoredColumns(TMultisoilColumnDefinitions)},
      {MultiElement, StoredColumns(TMultiElementColumnDefinitions)},
      {Pilecoord, StoredColumns(TPilecoordColumnDefinitions)},
      {Dtransient, StoredColumns(TDtransientColumnDefinitions)},
      {Trandom, StoredColumns(TTrandomColumnDefinitions)},
      {Tspectrum, StoredColumns(TTspectrumColumnDefinitions)},
      {D1, StoredColumns(TD1ColumnDefinitions)},
      {TBattered, StoredColumns(TTBatteredColumnDefinitions)},
      {MassCal, StoredColumns(TMassCalColumnDefinitions)}};
  for (const auto& [table, stored] : columns) table->SetCol(stored);
}

TProjectTables::~TProjectTables() {
  // The nested load tables go with their rows, before their templates.
  for (TGridTable* t : FTables) t->SetRowCount(0);
  qDeleteAll(FTables);
}

TGridTable* TProjectTables::Define(const char* Name, int Identifier, const char* Caption,
                                   int MaxRows, const char* TopLeft, bool HardwiredButton) {
  auto* t = new TGridTable(this);
  t->setObjectName(QLatin1String(Name));
  t->SetIdentifier(Identifier);
  t->SetCaption(QString::fromUtf8(Caption));
  t->SetMaxRows(MaxRows);
  t->SetTopLeft(QString::fromUtf8(TopLeft));
  t->SetHardwiredButton(HardwiredButton);
  t->SetMinRows(1);
  t->SetRowGroup(1);
  FTables.append(t);
  return t;
}

TGridTable* TProjectTables::TableByName(const QString& Name) const {
  for (TGridTable* t : FTables)
    if (t->objectName() == Name) return t;
  return nullptr;
}

void TProjectTables::SetTableWindows(TTableWindows* Windows) {
  for (TGridTable* t : FTables) t->SetWindows(Windows);
}

void TProjectTables::SetModified(bool Value) {
  FModified = Value;
  emit ModifiedChanged(Value);
}

}  // namespace zavik
