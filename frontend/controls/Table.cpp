#include "controls/Table.h"

#include "controls/ColumnTypes.h"
#include "controls/ValueStream.h"

#include <algorithm>

namespace zavik {

namespace {
// The live tables of one scope (the object that owns them, directly or
// through the tables that hold them), in creation order. The scope keeps
// the list as a child; every table of it shares the list, which so outlives
// the last of them whatever order the scope's children go in. Tables with no
// owner (a tool's, a test's) share one list of their own.
class TTableScope : public QObject {
public:
  explicit TTableScope(QObject* Scope) : QObject(Scope) { setObjectName(Name); }
  static constexpr const char* Name = "zavik-table-scope";
  const std::shared_ptr<QList<TGridTable*>> Tables = std::make_shared<QList<TGridTable*>>();
};

std::shared_ptr<QList<TGridTable*>> TablesOfScope(const QObject* Scope) {
  if (!Scope) {
    static const auto ownerless = std::make_shared<QList<TGridTable*>>();
    return ownerless;
  }
  // Found by its name: the class has no meta-object of its own.
  auto* scope = dynamic_cast<TTableScope*>(
      Scope->findChild<QObject*>(QLatin1String(TTableScope::Name), Qt::FindDirectChildrenOnly));
  if (!scope) scope = new TTableScope(const_cast<QObject*>(Scope));
  return scope->Tables;
}

TGridTable* FindTable(const QList<TGridTable*>& Tables, int Identifier, const TGridTable* Except = nullptr) {
  for (TGridTable* t : Tables)
    if (t != Except && t->Identifier() == Identifier) return t;
  return nullptr;
}
}  // namespace

TTableWindows::~TTableWindows() {
  // The tables outlive their layer only in the order of a program's ending.
  const QList<TGridTable*> served = FServed;
  for (TGridTable* t : served) t->SetWindows(nullptr);
}

// Row insertions and deletions run inside one: the columns' cell changes are
// not told one by one, TableChanged follows.
class TUpdateScope {
public:
  explicit TUpdateScope(TGridTable& Table) : FTable(Table) { ++FTable.FUpdating; }
  ~TUpdateScope() { --FTable.FUpdating; }
  TUpdateScope(const TUpdateScope&) = delete;
  TUpdateScope& operator=(const TUpdateScope&) = delete;

private:
  TGridTable& FTable;
};

// ---------------------------------------------------------------------------
// Live tables

int NextIdentifier = 0;

QList<TGridTable*> GridTables(const QObject* Scope) { return *TablesOfScope(Scope); }

// ---------------------------------------------------------------------------
// Column type registry

void TColumnTypeRegistry::Register(const TColumnClass* Class, int Code) {
  FEntries.emplace_back(Class, Code);
}

void TColumnTypeRegistry::Unregister(const TColumnClass* Class) {
  std::erase_if(FEntries, [Class](const auto& e) { return e.first == Class; });
}

int TColumnTypeRegistry::ColumnTypeId(const TColumnClass* Class) const {
  for (const auto& e : FEntries)
    if (e.first == Class) return e.second;
  return -1;
}

const TColumnClass* TColumnTypeRegistry::ColumnClassOfId(int Code) const {
  for (const auto& e : FEntries)
    if (e.second == Code) return e.first;
  return nullptr;
}

void RegisterStandardColumnTypes(TColumnTypeRegistry& Registry) {
  Registry.Register(&TEnumColumn::Class, 0);
  Registry.Register(&TIntColumn::Class, 1);
  Registry.Register(&TFloatColumn::Class, 2);
  Registry.Register(&TTableColumn::Class, 3);
  Registry.Register(&TStringColumn::Class, 4);
}

void UnregisterStandardColumnTypes(TColumnTypeRegistry& Registry) {
  for (const TColumnClass* c : {&TEnumColumn::Class, &TIntColumn::Class, &TFloatColumn::Class,
                                &TTableColumn::Class, &TStringColumn::Class})
    Registry.Unregister(c);
  RaiseIf(Registry.Count() != 0, QStringLiteral("Column Type list not empty"));
}

TColumnTypeRegistry& ColumnTypeRegistry() {
  static TColumnTypeRegistry registry = [] {
    TColumnTypeRegistry r;
    RegisterStandardColumnTypes(r);
    return r;
  }();
  return registry;
}

// ---------------------------------------------------------------------------
// TData

int TData::Row() const { return FColumn->RowOf(this); }
long double TData::AsFloat() const { return FColumn->GetFloat(Row()); }
int TData::AsInteger() const { return FColumn->GetInteger(Row()); }
QString TData::GetText() const { return FColumn->GetText(Row()); }
void TData::SetFloat(long double Value) { FColumn->SetFloat(Row(), Value); }
void TData::SetInteger(int Value) { FColumn->SetInteger(Row(), Value); }
TGridTable* TData::AsTable() const { return FColumn->GetTable(Row()); }

// ---------------------------------------------------------------------------
// TColumn

TColumn::TColumn(TGridTable* Table) : FTable(Table) {}

TColumn::TColumn(TGridTable* Table, TValueReader& Reader) : FTable(Table) {
  Reader.ReadListBegin();
  while (!Reader.EndOfList()) Headers.append(Reader.ReadString());
  Reader.ReadListEnd();
  Visible = Reader.ReadBoolean();
  GroupValue = Reader.ReadBoolean();
}

TColumn::~TColumn() = default;

void TColumn::WrongType() { throw Exception(QStringLiteral("Data of wrong type")); }

void TColumn::CheckRow(int Row) const {
  RaiseIfFmt<EListError>(Row < 0 || Row >= CellCount(), "List index out of bounds (%d)", Row);
}

void TColumn::InsertRows(TGridTable*, int At, int Count) {
  for (int i = 0; i < Count; ++i) FCells.Insert(At + i, new TData(this));
}

void TColumn::DeleteRow(int Row) { FCells.Delete(Row); }

QString TColumn::GetHeader(int Index) const { return Headers.value(Index); }

TGridTable* TColumn::GetTable(int) const { WrongType(); }
long double TColumn::GetFloat(int) const { WrongType(); }
void TColumn::SetFloat(int, long double) { WrongType(); }
int TColumn::GetInteger(int) const { WrongType(); }
void TColumn::SetInteger(int, int) { WrongType(); }
QObject* TColumn::GetObject(int) const { WrongType(); }
QString TColumn::GetText(int) const { return QString(); }
void TColumn::SetText(int, const QString&) {}

int TColumn::GetRowGroup() const {
  int group = 1;
  if (OnGetRowGroup) OnGetRowGroup(const_cast<TColumn*>(this), group);
  return group;
}

void TColumn::WriteRange(int Row, int& First, int& Last) const {
  CheckRow(Row);
  First = Last = Row;
  if (!GroupValue) return;
  const int g = std::max(GetRowGroup(), 1);
  First = (Row / g) * g;
  Last = std::min(First + g, CellCount()) - 1;
}

void TColumn::WriteData(TValueWriter& Writer) const {
  Writer.WriteListBegin();
  for (const QString& h : Headers) Writer.WriteString(h);
  Writer.WriteListEnd();
  Writer.WriteBoolean(Visible);
  Writer.WriteBoolean(GroupValue);
}

void TColumn::CopyBaseTo(TColumn& Target) const {
  Target.Visible = Visible;
  Target.Headers = Headers;
}

void TColumn::DoChange(int Row) {
  if (OnChange) OnChange(this, Row);
}

// ---------------------------------------------------------------------------
// TGridTable

TGridTable::TGridTable(QObject* Owner) : QObject(Owner) {
  // Identifiers stay unique within the scope: a value that a stored table
  // has already taken is skipped.
  FScopeTables = TablesOfScope(Scope());
  do FIdentifier = NextIdentifier++;
  while (FindTable(*FScopeTables, FIdentifier));
  if (auto owner = qobject_cast<TGridTable*>(Owner)) FUnits = owner->Units();
  FScopeTables->append(this);
}

TGridTable* TGridTable::CreateCopy(QObject* Owner, int AOwnerRow, const TGridTable* Source) {
  auto* t = new TGridTable(Owner);
  t->FCopiedFrom = Source;
  t->FCaption = Source->FCaption;
  t->FComments = Source->FComments;
  t->FTopLeft = Source->FTopLeft;
  t->FHelpPicture = Source->FHelpPicture;
  t->FMinRows = Source->FMinRows;
  t->FMaxRows = Source->FMaxRows;
  t->SetRowCount(0);
  for (int i = 0; i < Source->ColumnCount(); ++i) t->AddColumn(Source->Columns(i)->Clone(t));
  t->FOwnerRow = AOwnerRow;
  t->SetRowCount(t->FMinRows);
  t->NotifyTableChanged();
  return t;
}

TGridTable::~TGridTable() {
  SetWindows(nullptr);
  emit Destroying();
  FDestroying = true;  // nothing more is told while the rows go
  SetRowCount(0);
  FColumns.Clear();
  FScopeTables->removeOne(this);
}

TData* TGridTable::Cells(int ACol, int ARow) const { return Columns(ACol)->Cell(ARow); }

int TGridTable::VisibleColumnCount() const {
  int n = 0;
  for (TColumn* c : FColumns) n += c->Visible ? 1 : 0;
  return n;
}

TColumn* TGridTable::VisibleColumns(int Index) const {
  int n = 0;
  for (TColumn* c : FColumns)
    if (c->Visible && n++ == Index) return c;
  throw EListError(QStringLiteral("Index out of bounds"));
}

int TGridTable::IndexOfVisibleColumn(const TColumn* Column) const {
  int n = 0;
  for (TColumn* c : FColumns) {
    if (!c->Visible) continue;
    if (c == Column) return n;
    ++n;
  }
  return -1;
}

int TGridTable::HeaderRowCount() const {
  int n = 0;
  for (TColumn* c : FColumns)
    if (c->Visible) n = std::max(n, c->HeaderCount());
  return n;
}

void TGridTable::BindColumn(TColumn* Column) {
  Column->OnChange = [this](TColumn* c, int row) { ColumnChanged(c, row); };
  Column->OnGetRowGroup = [this](TColumn*, int& group) { group = FRowGroup; };
  if (auto e = dynamic_cast<TEnumColumn*>(Column))
    e->OnItemsChange = [this](TColumn* c) { FirstColumnChanged(c); };
  if (auto t = dynamic_cast<TTableColumn*>(Column)) {
    auto index = [this, t] { return IndexOfColumn(t); };
    t->OnButtonClick = [this, index](int row, QObject* data) {
      if (OnButtonClick) OnButtonClick(this, index(), row, data);
    };
    t->OnGetButtonCaption = [this, index](int row, QObject* data, QString& caption) {
      if (OnGetButtonCaption) OnGetButtonCaption(this, index(), row, data, caption);
    };
    t->OnGetChanged = [this, index](int row, QObject* data, bool& changed) {
      if (OnGetChanged) OnGetChanged(this, index(), row, data, changed);
    };
    t->OnHide = [this, index](int row, QObject* data) {
      if (OnHide) OnHide(this, index(), row, data);
    };
    t->OnInitRow = [this, index](int row, int enumType, QObject*& data) {
      if (OnInitRow) OnInitRow(this, index(), row, enumType, data);
    };
    t->OnResetChanged = [this, index](int row, QObject* data) {
      if (OnResetChanged) OnResetChanged(this, index(), row, data);
    };
    t->OnSetRow = [this, index](QObject* data, int row) {
      if (OnSetRow) OnSetRow(this, index(), data, row);
    };
    t->OnSetUnits = [this, index](int row, QObject* data, int value) {
      if (OnSetUnits) OnSetUnits(this, index(), row, data, value);
    };
  }
}

TColumn* TGridTable::AddColumn(std::unique_ptr<TColumn> Column) {
  RaiseIf(!Column || Column->Table() != this, QStringLiteral("Column of another table"));
  TColumn* c = Column.release();
  BindColumn(c);
  FColumns.Add(c);
  SyncTableColumns();
  try {
    TUpdateScope update(*this);
    InsertCells(c, c->CellCount(), FRowCount - c->CellCount());
  } catch (...) {
    // A column that cannot take the table's rows is not kept.
    FColumns.Delete(FColumns.IndexOf(c));
    throw;
  }
  NotifyTableChanged();
  return c;
}

void TGridTable::InsertCells(TColumn* Column, int At, int Count) {
  // In blocks of RowGroup; a last block that would pass the requested count
  // is shortened, so every column holds exactly RowCount cells.
  while (Count > 0) {
    const int n = std::min(FRowGroup, Count);
    Column->InsertRows(this, At, n);
    At += n;
    Count -= n;
  }
}

void TGridTable::CheckDepthPairs() const {
  for (int i = 0; i < ColumnCount(); ++i) {
    auto top = dynamic_cast<const TFloatColumn*>(Columns(i));
    if (top && top->TopDepth &&
        (i + 1 >= ColumnCount() || !dynamic_cast<const TFloatColumn*>(Columns(i + 1))))
      throw Exception(
          QStringLiteral("If column if a topdepth then the next column must be a float column"));
  }
}

void TGridTable::ResizeColumns(int Count) {
  TUpdateScope update(*this);
  FRowCount = Count;
  for (TColumn* c : FColumns) {
    while (c->CellCount() > FRowCount) c->DeleteRow(c->CellCount() - 1);
    InsertCells(c, c->CellCount(), FRowCount - c->CellCount());
  }
}

void TGridTable::SetRowCount(int Count) {
  Count = std::max(Count, 0);
  if (Count > FRowCount) CheckDepthPairs();
  const bool changed = Count != FRowCount;
  ResizeColumns(Count);
  // Whoever shows the table must learn that rows came or went.
  if (changed) NotifyTableChanged();
}

void TGridTable::AddRowGroup() {
  CheckDepthPairs();
  {
    TUpdateScope update(*this);
    FRowCount += FRowGroup;
    for (TColumn* c : FColumns) c->InsertRows(this, c->CellCount(), FRowGroup);
  }
  NotifyTableChanged();
}

void TGridTable::InsertRowGroup(int Row) {
  RaiseIfFmt(Row < 0 || Row > FRowCount, "Row %d out of range", Row);
  CheckDepthPairs();
  {
    TUpdateScope update(*this);
    const int at = (Row / FRowGroup) * FRowGroup;
    FRowCount += FRowGroup;
    for (TColumn* c : FColumns) c->InsertRows(this, at, FRowGroup);
  }
  NotifyTableChanged();
}

void TGridTable::DeleteRowGroup(int Row) {
  RaiseIfFmt(Row < 0 || Row >= FRowCount, "Row %d out of range", Row);
  {
    TUpdateScope update(*this);
    const int start = (Row / FRowGroup) * FRowGroup;
    // A last group shorter than RowGroup loses only the rows it has.
    const int n = std::min(FRowGroup, FRowCount - start);
    FRowCount -= n;
    for (TColumn* c : FColumns)
      for (int i = 0; i < n; ++i) c->DeleteRow(start);
  }
  NotifyTableChanged();
}

void TGridTable::SetUnits(int Value) {
  RaiseIfFmt(Value < 1 || Value > 3, "Invalid unit system %d", Value);
  if (Value == FUnits) return;
  for (TColumn* c : FColumns) c->SetUnits(Value);  // converts from the current system
  FUnits = Value;
  NotifyTableChanged();
}

bool TGridTable::GetChanged() const {
  if (FChanged) return true;
  for (TColumn* c : FColumns)
    if (c->GetChanged()) return true;
  return false;
}

void TGridTable::SetChanged(bool Value) {
  if (Value)
    FChanged = true;
  else
    ResetChanged();
}

void TGridTable::ResetChanged() {
  FChanged = false;
  for (TColumn* c : FColumns) c->ResetChanged();
}

void TGridTable::SetWindows(TTableWindows* Value) {
  if (FWindows) FWindows->FServed.removeOne(this);
  FWindows = Value;
  if (FWindows) FWindows->FServed.append(this);
}

TTableWindows* TGridTable::Windows() const {
  for (const TGridTable* t = this; t; t = qobject_cast<const TGridTable*>(t->parent()))
    if (t->FWindows) return t->FWindows;
  return nullptr;
}

namespace {
TTableWindows& WindowLayer(const TGridTable& Table) {
  TTableWindows* windows = Table.Windows();
  RaiseIf(!windows, QStringLiteral("No table editor window available"));
  return *windows;
}
}  // namespace

void TGridTable::Show() {
  if (VisibleColumnCount() < 1) return;
  WindowLayer(*this).ShowTable(this);
}

int TGridTable::ShowModal() {
  if (VisibleColumnCount() < 1) return VisibleColumnCount();
  return WindowLayer(*this).ShowTableModal(this);
}

void TGridTable::Reshow() {
  if (!HasForm()) return;
  FreeForm();
  Show();
}

void TGridTable::FreeForm() {
  if (TTableWindows* windows = Windows()) windows->FreeTableForm(this);
  for (TColumn* c : FColumns) c->FreeForms();
}

bool TGridTable::HasForm() const {
  const TTableWindows* windows = Windows();
  return windows && windows->HasTableForm(this);
}

bool TGridTable::FormIsModal() const {
  const TTableWindows* windows = Windows();
  return windows && windows->TableFormIsModal(this);
}

void TGridTable::NotifyTableChanged() {
  if (!FDestroying && FUpdating == 0) emit TableChanged();
}

void TGridTable::ColumnChanged(TColumn* Column, int Row) {
  const int index = IndexOfColumn(Column);
  if (index == 0 && dynamic_cast<TEnumColumn*>(Column)) {
    // The nested table follows the item chosen in column 0.
    for (TColumn* c : FColumns)
      if (auto t = dynamic_cast<TTableColumn*>(c)) {
        t->CreateRowObject(Row);
        break;
      }
  }
  if (!FDestroying && FUpdating == 0) emit CellChanged(index, Row);
}

void TGridTable::FirstColumnChanged(TColumn* Column) {
  if (IndexOfColumn(Column) == 0) SyncTableColumns();
}

void TGridTable::SyncTableColumns() {
  int n = 1;
  if (ColumnCount() > 0)
    if (auto e = dynamic_cast<TEnumColumn*>(Columns(0))) n = int(e->Items().size());
  for (TColumn* c : FColumns)
    if (auto t = dynamic_cast<TTableColumn*>(c)) {
      while (t->Templates.Count() < n) t->Templates.AddTable(nullptr);
      while (t->Templates.Count() > n) t->Templates.Delete(t->Templates.Count() - 1);
    }
}

void TGridTable::ReadColumns(TValueReader& Reader) {
  // The definitions replace the present columns. The rows are filled once all
  // columns stand, so that a depth pair finds its partner. Whatever happens,
  // whoever shows the table reads it anew afterwards.
  const int rows = FRowCount;
  struct TNotify {
    TGridTable& Table;
    ~TNotify() { Table.NotifyTableChanged(); }
  } notify{*this};
  TUpdateScope update(*this);
  ResizeColumns(0);
  FColumns.Clear();
  try {
    const int n = Reader.ReadInteger();
    for (int i = 0; i < n; ++i) {
      const int code = Reader.ReadInteger();
      const TColumnClass* cls = ColumnTypeRegistry().ColumnClassOfId(code);
      RaiseIf(!cls, QStringLiteral("Error Column Class not defined"));
      AddColumn(cls->CreateFromReader(this, Reader));
      SyncTableColumns();
    }
  } catch (...) {
    FColumns.Clear();
    FRowCount = rows;
    throw;
  }
  if (rows > 0) CheckDepthPairs();
  ResizeColumns(rows);
}

void TGridTable::WriteColumns(TValueWriter& Writer) const {
  Writer.WriteInteger(ColumnCount());
  for (TColumn* c : FColumns) {
    Writer.WriteInteger(ColumnTypeRegistry().ColumnTypeId(&c->ClassType()));
    c->WriteData(Writer);
  }
}

QString TGridTable::Col() const {
  TValueWriter w;
  WriteColumns(w);
  return w.Text();
}

void TGridTable::SetCol(const QString& Data) {
  TValueReader r(Data);
  ReadColumns(r);
}

void TGridTable::SetIdentifier(int Value) {
  if (Value < 0) return;
  if (TGridTable* other = FindTable(*FScopeTables, Value, this)) other->FIdentifier = FIdentifier;
  FIdentifier = Value;
}

QObject* TGridTable::Scope() const {
  const TGridTable* top = this;
  while (auto owner = qobject_cast<const TGridTable*>(top->parent())) top = owner;
  return top->parent();
}

TGridTable* TGridTable::TableOfIdentifier(int Identifier) const {
  return FindTable(*FScopeTables, Identifier);
}

void TGridTable::SetCaption(const QString& Value) {
  FCaption = Value;
  emit FormCaptionChanged();
}

void TGridTable::SetMinRows(int Value) {
  if (Value < 1) {
    RaiseIf(!FLoading, QStringLiteral("Value must be greater than 0"));
    Value = 1;
  }
  FMinRows = Value;
}

void TGridTable::SetHelpPicture(const QImage& Value) {
  FHelpPicture = Value;
  emit HelpPictureChanged();
}

void TGridTable::SetOwnerRow(int Value) {
  FOwnerRow = Value;
  emit FormCaptionChanged();
}

QString TGridTable::Path() const {
  auto owner = qobject_cast<const TGridTable*>(parent());
  if (!owner) return QString();
  QString path = owner->Path();
  if (FOwnerRow != 0) path += QLatin1Char(' ') + QString::number(FOwnerRow);
  return path;
}

bool TGridTable::DerivesFrom(const TGridTable* Template) const {
  for (const TGridTable* t = this; t; t = qobject_cast<const TGridTable*>(t->parent()))
    if (t == Template || t->FCopiedFrom == Template) return true;
  return false;
}

}  // namespace zavik
