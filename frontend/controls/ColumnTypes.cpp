#include "controls/ColumnTypes.h"

#include "controls/ColumnUnits.h"
#include "controls/NumberHelpers.h"
#include "controls/ExpressionEvaluator.h"
#include "controls/NumberFormat.h"
#include "controls/ValueStream.h"

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {
template <class T>
TColumnClass MakeClass(const char* Name) {
  return TColumnClass{
      QLatin1String(Name),
      [](TGridTable* table) -> std::unique_ptr<TColumn> { return std::make_unique<T>(table); },
      [](TGridTable* table, TValueReader& reader) -> std::unique_ptr<TColumn> {
        return std::make_unique<T>(table, reader);
      }};
}
}  // namespace

const TColumnClass TEnumColumn::Class = MakeClass<TEnumColumn>("TEnumColumn");
const TColumnClass TIntColumn::Class = MakeClass<TIntColumn>("TIntColumn");
const TColumnClass TFloatColumn::Class = MakeClass<TFloatColumn>("TFloatColumn");
const TColumnClass TTableColumn::Class = MakeClass<TTableColumn>("TTableColumn");
const TColumnClass TStringColumn::Class = MakeClass<TStringColumn>("TStringColumn");

// ---------------------------------------------------------------------------
// TEnumColumn

TEnumColumn::TEnumColumn(TGridTable* Table, TValueReader& Reader) : TColumn(Table, Reader) {
  Reader.ReadListBegin();
  while (!Reader.EndOfList()) FItems.append(Reader.ReadString());
  Reader.ReadListEnd();
}

void TEnumColumn::SetItems(const QStringList& Items) {
  FItems = Items;
  if (OnItemsChange) OnItemsChange(this);
}

void TEnumColumn::InsertRows(TGridTable* Table, int At, int Count) {
  for (int i = 0; i < Count; ++i) FValues.insert(At, 1);
  TColumn::InsertRows(Table, At, Count);
}

void TEnumColumn::DeleteRow(int Row) {
  CheckRow(Row);
  FValues.removeAt(Row);
  TColumn::DeleteRow(Row);
}

int TEnumColumn::GetInteger(int Row) const {
  CheckRow(Row);
  return FValues[Row];
}

void TEnumColumn::StoreValue(int Row, int Value) {
  if (FValues[Row] == Value) return;
  FValues[Row] = Value;
  DoChange(Row);
}

void TEnumColumn::SetInteger(int Row, int Value) {
  int first, last;
  WriteRange(Row, first, last);
  for (int r = first; r <= last; ++r) StoreValue(r, Value);
}

QString TEnumColumn::GetText(int Row) const { return QString::number(GetInteger(Row)); }

void TEnumColumn::SetText(int Row, const QString& Text) {
  const long double value = EvaluateEntry(Text);
  RaiseIfNot<EAssignError>(IsWholeNumber(value), QStringLiteral("Value must be an integer."));
  SetInteger(Row, RoundToInt(value));
}

void TEnumColumn::WriteData(TValueWriter& Writer) const {
  TColumn::WriteData(Writer);
  Writer.WriteListBegin();
  for (const QString& item : FItems) Writer.WriteString(item);
  Writer.WriteListEnd();
}

std::unique_ptr<TColumn> TEnumColumn::Clone(TGridTable* NewTable) const {
  auto c = std::make_unique<TEnumColumn>(NewTable);
  CopyBaseTo(*c);
  c->FItems = FItems;
  return c;
}

// ---------------------------------------------------------------------------
// TIntColumn

TIntColumn::TIntColumn(TGridTable* Table, TValueReader& Reader) : TColumn(Table, Reader) {
  DefaultValue = Reader.ReadInteger();
  MinValue = Reader.ReadInteger();
  MaxValue = Reader.ReadInteger();
}

void TIntColumn::InsertRows(TGridTable* Table, int At, int Count) {
  for (int i = 0; i < Count; ++i) FValues.insert(At, DefaultValue);
  TColumn::InsertRows(Table, At, Count);
}

void TIntColumn::DeleteRow(int Row) {
  CheckRow(Row);
  FValues.removeAt(Row);
  TColumn::DeleteRow(Row);
}

int TIntColumn::GetInteger(int Row) const {
  CheckRow(Row);
  return FValues[Row];
}

void TIntColumn::SetInteger(int Row, int Value) {
  int first, last;
  WriteRange(Row, first, last);
  for (int r = first; r <= last; ++r) {
    FValues[r] = Value;
    DoChange(r);
  }
}

QString TIntColumn::GetText(int Row) const { return QString::number(GetInteger(Row)); }

void TIntColumn::SetText(int Row, const QString& Text) {
  // The entry is checked whether or not an editor window is open.
  const long double value = EvaluateEntry(Text);
  RaiseIf<EAssignError>(fabsl(FracPart(value)) > 1e-10L,
                        QStringLiteral("Entry must be an integer."));
  RaiseIfFmt<EAssignError>(value < MinValue || value > MaxValue,
                           "Entry must be between %d and %d.", MinValue, MaxValue);
  SetInteger(Row, RoundToInt(value));
}

void TIntColumn::WriteData(TValueWriter& Writer) const {
  TColumn::WriteData(Writer);
  Writer.WriteInteger(DefaultValue);
  Writer.WriteInteger(MinValue);
  Writer.WriteInteger(MaxValue);
}

std::unique_ptr<TColumn> TIntColumn::Clone(TGridTable* NewTable) const {
  auto c = std::make_unique<TIntColumn>(NewTable);
  CopyBaseTo(*c);
  c->DefaultValue = DefaultValue;
  c->MinValue = MinValue;
  c->MaxValue = MaxValue;
  return c;
}

// ---------------------------------------------------------------------------
// TFloatColumn

namespace {
const QString kFloatTag = QStringLiteral("FLOATCOLUMN2");
const QString kTableTag = QStringLiteral("FLEXCOLUMN2");
}  // namespace

TFloatColumn::TFloatColumn(TGridTable* Table, TValueReader& Reader) : TColumn(Table, Reader) {
  TopDepth = Reader.ReadBoolean();
  const QString s = Reader.ReadString();
  if (s == kFloatTag) {
    UnitTemplate = Reader.ReadString();
    DefaultValue = Reader.ReadFloat();
  } else {
    UnitTemplate = s;  // older data: the template follows directly, default 0
  }
}

TFloatColumn* TFloatColumn::BottomColumn() const {
  const int i = Table()->IndexOfColumn(this);
  if (!TopDepth || i < 0 || i + 1 >= Table()->ColumnCount()) return nullptr;
  return dynamic_cast<TFloatColumn*>(Table()->Columns(i + 1));
}

TFloatColumn* TFloatColumn::TopColumn() const {
  const int i = Table()->IndexOfColumn(this);
  if (i < 1) return nullptr;
  auto previous = dynamic_cast<TFloatColumn*>(Table()->Columns(i - 1));
  return previous && previous->TopDepth ? previous : nullptr;
}

bool TFloatColumn::IsBottomDepth() const { return TopColumn() != nullptr; }

void TFloatColumn::InsertRows(TGridTable* Table, int At, int Count) {
  if (TopDepth && !BottomColumn())
    throw Exception(
        QStringLiteral("If column if a topdepth then the next column must be a float column"));
  if (TFloatColumn* bottom = BottomColumn()) {
    // The bottom column does not hold the new rows yet: a new layer starts
    // at the bottom of the layer above it, appended layers included.
    const bool above = At >= 1 && At - 1 < bottom->CellCount();
    const long double start = above ? bottom->FValues[At - 1] : DefaultValue;
    for (int i = 0; i < Count; ++i) FValues.insert(At, start);
  } else if (TFloatColumn* top = TopColumn()) {
    // The top column already holds the new rows: a new layer ends at the top
    // of the layer below it.
    for (int i = 0; i < Count; ++i) {
      const int r = At + i;
      FValues.insert(r, r + 1 < top->CellCount() ? top->FValues[r + 1] : DefaultValue);
    }
  } else {
    for (int i = 0; i < Count; ++i) FValues.insert(At, DefaultValue);
  }
  TColumn::InsertRows(Table, At, Count);
}

void TFloatColumn::DeleteRow(int Row) {
  CheckRow(Row);
  if (TFloatColumn* bottom = BottomColumn())
    if (Row >= 1 && Row < CellCount() - 1 && Row - 1 < bottom->CellCount())
      FValues[Row + 1] = bottom->FValues[Row - 1];  // the layer below closes the gap
  FValues.removeAt(Row);
  TColumn::DeleteRow(Row);
}

QString TFloatColumn::GetHeader(int Index) const {
  const QString line = TColumn::GetHeader(Index);
  if (Index != HeaderCount() - 1 || UnitTemplate.isEmpty()) return line;
  return QStringLiteral("%1 (%2)  ").arg(line, TranslateUnitText(UnitTemplate, Table()->Units()));
}

long double TFloatColumn::GetFloat(int Row) const {
  CheckRow(Row);
  return FValues[Row];
}

void TFloatColumn::SetFloat(int Row, long double Value) {
  int first, last;
  WriteRange(Row, first, last);
  if (GroupValue) {
    for (int r = first; r <= last; ++r) {
      FValues[r] = Value;
      DoChange(r);
    }
    return;
  }
  FValues[Row] = Value;
  DoChange(Row);
  if (TFloatColumn* bottom = BottomColumn()) {
    if (Row >= 1 && Row - 1 < bottom->CellCount()) {
      bottom->FValues[Row - 1] = Value;
      bottom->DoChange(Row - 1);
    }
  } else if (TFloatColumn* top = TopColumn()) {
    if (Row + 1 < top->CellCount()) {
      top->FValues[Row + 1] = Value;
      top->DoChange(Row + 1);
    }
  }
}

QString TFloatColumn::GetText(int Row) const { return FloatToStrGeneral(GetFloat(Row), 8); }

void TFloatColumn::SetText(int Row, const QString& Text) {
  const long double value = EvaluateEntry(Text);
  SetFloat(Row, value);
}

void TFloatColumn::SetUnits(int Units) {
  const long double factor = UnitConversionFactor(Table()->Units(), Units, UnitTemplate);
  for (int r = 0; r < FValues.size(); ++r) {
    FValues[r] *= factor;
    DoChange(r);
  }
}

void TFloatColumn::WriteData(TValueWriter& Writer) const {
  TColumn::WriteData(Writer);
  Writer.WriteBoolean(TopDepth);
  Writer.WriteString(kFloatTag);
  Writer.WriteString(UnitTemplate);
  Writer.WriteFloat(DefaultValue);
}

std::unique_ptr<TColumn> TFloatColumn::Clone(TGridTable* NewTable) const {
  auto c = std::make_unique<TFloatColumn>(NewTable);
  CopyBaseTo(*c);
  c->DefaultValue = DefaultValue;
  c->TopDepth = TopDepth;
  c->UnitTemplate = UnitTemplate;
  return c;
}

// ---------------------------------------------------------------------------
// TTableColumn

TTableColumn::TTableColumn(TGridTable* Table, TValueReader& Reader)
    : TColumn(Table, Reader), Templates(Table) {
  bool current = false;
  if (Reader.NextValue() == TValueType::String) current = Reader.ReadString() == kTableTag;
  if (current) {
    Reader.ReadListBegin();
    while (!Reader.EndOfList()) Templates.AddIdentifier(Reader.ReadInteger());
    Reader.ReadListEnd();
    return;
  }
  // Older data: one table, by its position among the live tables of the
  // scope in creation order. The position is resolved now, once: positions
  // move when tables are freed.
  TGridTable* target = GridTables(Table->Scope()).value(Reader.ReadInteger(), nullptr);
  TEnumColumn* first = Table->ColumnCount() > 0 ? dynamic_cast<TEnumColumn*>(Table->Columns(0))
                                                : nullptr;
  if (!first) {
    Templates.AddTable(target);
    return;
  }
  for (int k = 0; k < first->Items().size(); ++k) {
    if (Table->HardwiredButton())
      Templates.AddTable(target);
    else
      Templates.AddIdentifier(k + 1);
  }
}

TTableColumn::~TTableColumn() { FRowObjects.Clear(); }

int TTableColumn::EnumValueOf(int Row) const {
  if (Table()->ColumnCount() == 0) return 1;
  auto first = dynamic_cast<TEnumColumn*>(Table()->Columns(0));
  if (!first || Row >= first->CellCount()) return 1;
  return first->GetInteger(Row);
}

void TTableColumn::CreateRowObject(int Row) {
  const int e = EnumValueOf(Row);
  TGridTable* source = Templates.Tables(e - 1);
  // A template that this table derives from would nest copies without end.
  if (source && Table()->DerivesFrom(source)) source = nullptr;
  QObject* object = nullptr;
  if (source) {
    object = TGridTable::CreateCopy(Table(), Row + 1, source);
  } else if (OnInitRow) {
    OnInitRow(Row, e, object);
    if (OnSetRow) OnSetRow(object, Row);
  }
  FRowObjects.SetItem(Row, object);
  DoChange(Row);  // the row's button caption
}

QString TTableColumn::ButtonCaption(int Row) const {
  if (TGridTable* nested = GetTable(Row))
    return QStringLiteral("%1: %2").arg(Row + 1).arg(nested->Caption());
  QString caption;
  if (OnGetButtonCaption) OnGetButtonCaption(Row, GetObject(Row), caption);
  return caption;
}

void TTableColumn::ButtonClick(int Row) {
  if (TGridTable* nested = GetTable(Row)) {
    if (Table()->FormIsModal())
      nested->ShowModal();
    else
      nested->Show();
  } else if (OnButtonClick) {
    OnButtonClick(Row, GetObject(Row));
  }
}

void TTableColumn::UpdateButtons(int FromRow) {
  // Rows below an insertion or deletion moved: their nested tables carry
  // their new row in the window caption, their buttons the new caption.
  for (int r = std::max(FromRow, 0); r < FRowObjects.Count(); ++r) {
    if (TGridTable* nested = GetTable(r)) nested->SetOwnerRow(r + 1);
    if (r < CellCount()) DoChange(r);
  }
}

void TTableColumn::InsertRows(TGridTable* Table, int At, int Count) {
  for (int i = 0; i < Count; ++i) {
    FRowObjects.Insert(At + i, nullptr);
    CreateRowObject(At + i);
  }
  UpdateButtons(At);
  TColumn::InsertRows(Table, At, Count);
}

void TTableColumn::DeleteRow(int Row) {
  CheckRow(Row);
  TColumn::DeleteRow(Row);
  FRowObjects.Delete(Row);
  UpdateButtons(Row);
}

TGridTable* TTableColumn::GetTable(int Row) const { return qobject_cast<TGridTable*>(GetObject(Row)); }

QObject* TTableColumn::GetObject(int Row) const {
  RaiseIfFmt<EListError>(Row < 0 || Row >= FRowObjects.Count(), "List index out of bounds (%d)",
                         Row);
  return FRowObjects.Items(Row);
}

bool TTableColumn::GetChanged() const {
  for (int r = 0; r < FRowObjects.Count(); ++r) {
    QObject* object = FRowObjects.Items(r);
    if (TGridTable* nested = qobject_cast<TGridTable*>(object)) {
      if (nested->GetChanged()) return true;
    } else if (object && OnGetChanged) {
      bool changed = false;
      OnGetChanged(r, object, changed);
      if (changed) return true;
    }
  }
  return false;
}

void TTableColumn::ResetChanged() {
  for (int r = 0; r < FRowObjects.Count(); ++r) {
    QObject* object = FRowObjects.Items(r);
    if (TGridTable* nested = qobject_cast<TGridTable*>(object))
      nested->ResetChanged();
    else if (object && OnResetChanged)
      OnResetChanged(r, object);
  }
}

void TTableColumn::FreeForms() {
  for (int r = 0; r < FRowObjects.Count(); ++r) {
    QObject* object = FRowObjects.Items(r);
    if (TGridTable* nested = qobject_cast<TGridTable*>(object))
      nested->FreeForm();
    else if (object && OnHide)
      OnHide(r, object);
  }
}

void TTableColumn::SetUnits(int Units) {
  for (int r = 0; r < FRowObjects.Count(); ++r) {
    QObject* object = FRowObjects.Items(r);
    if (TGridTable* nested = qobject_cast<TGridTable*>(object))
      nested->SetUnits(Units);
    else if (OnSetUnits)
      OnSetUnits(r, object, Units);
  }
}

void TTableColumn::WriteData(TValueWriter& Writer) const {
  TColumn::WriteData(Writer);
  Writer.WriteString(kTableTag);
  Writer.WriteListBegin();
  for (int i = 0; i < Templates.Count(); ++i) {
    const TGridTable* t = Templates.Tables(i);
    Writer.WriteInteger(t ? t->Identifier() : -1);
  }
  Writer.WriteListEnd();
}

std::unique_ptr<TColumn> TTableColumn::Clone(TGridTable* NewTable) const {
  auto c = std::make_unique<TTableColumn>(NewTable);
  CopyBaseTo(*c);
  for (int i = 0; i < Templates.Count(); ++i) c->Templates.Insert(i, Templates.Entry(i));
  return c;
}

// ---------------------------------------------------------------------------
// TStringColumn

TStringColumn::TStringColumn(TGridTable* Table, TValueReader& Reader) : TColumn(Table, Reader) {
  DefaultText = Reader.ReadString();
  WidthFactor = Reader.ReadFloat();
}

void TStringColumn::InsertRows(TGridTable* Table, int At, int Count) {
  for (int i = 0; i < Count; ++i) FValues.insert(At, DefaultText);
  TColumn::InsertRows(Table, At, Count);
}

void TStringColumn::DeleteRow(int Row) {
  CheckRow(Row);
  FValues.removeAt(Row);
  TColumn::DeleteRow(Row);
}

QString TStringColumn::GetText(int Row) const {
  CheckRow(Row);
  return FValues[Row];
}

void TStringColumn::SetText(int Row, const QString& Text) {
  int first, last;
  WriteRange(Row, first, last);
  for (int r = first; r <= last; ++r) {
    FValues[r] = Text;
    DoChange(r);
  }
}

void TStringColumn::WriteData(TValueWriter& Writer) const {
  TColumn::WriteData(Writer);
  Writer.WriteString(DefaultText);
  Writer.WriteFloat(WidthFactor);
}

std::unique_ptr<TColumn> TStringColumn::Clone(TGridTable* NewTable) const {
  auto c = std::make_unique<TStringColumn>(NewTable);
  CopyBaseTo(*c);
  c->DefaultText = DefaultText;
  c->WidthFactor = WidthFactor;
  return c;
}

}  // namespace zavik
