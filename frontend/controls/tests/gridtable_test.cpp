// The table component: rows, row groups, identifiers, nested tables, events.
#include "FakeWindows.h"
#include "controls/ColumnTypes.h"

#include <gtest/gtest.h>

#include <QVariant>

#include <memory>

namespace zavik {
namespace {

using testing::TFakeWindows;

template <class T>
T* Add(TGridTable& Table, const char* Header = "Value") {
  auto c = std::make_unique<T>(&Table);
  c->Headers.append(QString::fromUtf8(Header));
  return static_cast<T*>(Table.AddColumn(std::move(c)));
}

std::vector<int> Marks(const TGridTable& Table) {
  std::vector<int> out;
  for (int r = 0; r < Table.RowCount(); ++r) out.push_back(Table.Cells(0, r)->AsInteger());
  return out;
}

TEST(GridTable, RowCountNeverNegativeAndNewRowsHoldDefaults) {
  TGridTable table;
  auto* i = Add<TIntColumn>(table);
  i->DefaultValue = 7;
  auto* f = Add<TFloatColumn>(table);
  f->DefaultValue = 1.5L;
  auto* s = Add<TStringColumn>(table);
  s->DefaultText = QStringLiteral("x");
  auto* e = Add<TEnumColumn>(table);
  table.SetRowCount(-5);
  EXPECT_EQ(table.RowCount(), 0);
  for (int c = 0; c < table.ColumnCount(); ++c) EXPECT_EQ(table.Columns(c)->CellCount(), 0);
  table.SetRowCount(2);
  for (int c = 0; c < table.ColumnCount(); ++c) EXPECT_EQ(table.Columns(c)->CellCount(), 2);
  for (int r = 0; r < 2; ++r) {
    EXPECT_EQ(i->GetInteger(r), 7);
    EXPECT_EQ(f->GetFloat(r), 1.5L);
    EXPECT_EQ(s->GetText(r), QStringLiteral("x"));
    EXPECT_EQ(e->GetInteger(r), 1);
    EXPECT_EQ(table.Cells(0, r)->Row(), r);
  }
}

enum class Op { Add, Insert, Delete };

struct RowGroupRow {
  int Group;
  int Rows;
  Op Operation;
  int Row;
  std::vector<int> Result;  // the marks 0, 1, ... of the old rows; -1 for new rows
};

void PrintTo(const RowGroupRow& R, std::ostream* Os) {
  static const char* const names[] = {"add", "insert", "delete"};
  *Os << "group " << R.Group << " rows " << R.Rows << ' ' << names[int(R.Operation)] << ' ' << R.Row;
}

class RowGroupTest : public ::testing::TestWithParam<RowGroupRow> {};

TEST_P(RowGroupTest, MovesWholeGroups) {
  const RowGroupRow& p = GetParam();
  TGridTable table;
  table.SetRowGroup(p.Group);
  Add<TIntColumn>(table)->DefaultValue = -1;
  Add<TStringColumn>(table);
  table.SetRowCount(p.Rows);
  for (int r = 0; r < p.Rows; ++r) table.Cells(0, r)->SetInteger(r);
  int notified = 0;
  QObject::connect(&table, &TGridTable::TableChanged, [&] { ++notified; });
  switch (p.Operation) {
    case Op::Add: table.AddRowGroup(); break;
    case Op::Insert: table.InsertRowGroup(p.Row); break;
    case Op::Delete: table.DeleteRowGroup(p.Row); break;
  }
  EXPECT_EQ(Marks(table), p.Result);
  EXPECT_EQ(table.RowCount(), int(p.Result.size()));
  EXPECT_EQ(table.Columns(1)->CellCount(), table.RowCount());
  EXPECT_EQ(notified, 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RowGroupTest, ::testing::Values(
  RowGroupRow{2, 6, Op::Delete, 5, {0, 1, 2, 3}},
  RowGroupRow{2, 6, Op::Delete, 2, {0, 1, 4, 5}},
  RowGroupRow{1, 3, Op::Delete, 0, {1, 2}},
  RowGroupRow{2, 5, Op::Delete, 4, {0, 1, 2, 3}},
  RowGroupRow{2, 4, Op::Insert, 3, {0, 1, -1, -1, 2, 3}},
  RowGroupRow{2, 4, Op::Insert, 0, {-1, -1, 0, 1, 2, 3}},
  RowGroupRow{1, 3, Op::Insert, 3, {0, 1, 2, -1}},
  RowGroupRow{1, 3, Op::Insert, 1, {0, -1, 1, 2}},
  RowGroupRow{3, 2, Op::Add,    0, {0, 1, -1, -1, -1}},
  RowGroupRow{1, 0, Op::Add,    0, {-1}}));
// clang-format on

TEST(GridTable, RowGroupOperationsRefuseRowsOutsideTheTable) {
  TGridTable table;
  Add<TIntColumn>(table);
  table.SetRowCount(2);
  EXPECT_THROW(table.DeleteRowGroup(2), Exception);
  EXPECT_THROW(table.DeleteRowGroup(-1), Exception);
  EXPECT_THROW(table.InsertRowGroup(3), Exception);
  EXPECT_EQ(table.RowCount(), 2);
}

TEST(GridTable, RowCountThatIsNotAWholeNumberOfGroups) {
  TGridTable table;
  table.SetRowGroup(3);
  Add<TIntColumn>(table);
  table.SetRowCount(4);
  EXPECT_EQ(table.RowCount(), 4);
  EXPECT_EQ(table.Columns(0)->CellCount(), 4);
}

TEST(GridTable, IdentifiersAreGivenInCreationOrderAndStayUnique) {
  TGridTable a, b;
  EXPECT_EQ(b.Identifier(), a.Identifier() + 1);
  const int aId = a.Identifier(), bId = b.Identifier();
  a.SetIdentifier(bId);  // held by b: the two swap
  EXPECT_EQ(a.Identifier(), bId);
  EXPECT_EQ(b.Identifier(), aId);
  a.SetIdentifier(-3);  // ignored
  EXPECT_EQ(a.Identifier(), bId);
  // A stored value that the counter has not reached yet is skipped later.
  a.SetIdentifier(NextIdentifier);
  TGridTable c;
  EXPECT_NE(c.Identifier(), a.Identifier());
}

TEST(GridTable, PropertySetters) {
  TGridTable table;
  EXPECT_EQ(table.MinRows(), 1);
  EXPECT_EQ(table.MaxRows(), 0);
  EXPECT_EQ(table.RowGroup(), 1);
  EXPECT_EQ(table.Units(), 1);
  try {
    table.SetMinRows(0);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Value must be greater than 0"));
  }
  table.SetMinRows(4);
  EXPECT_THROW(table.SetMinRows(-2), Exception);
  EXPECT_EQ(table.MinRows(), 4);
  table.SetLoading(true);
  table.SetMinRows(0);
  EXPECT_EQ(table.MinRows(), 1);
  table.SetLoading(false);
  table.SetRowGroup(0);
  EXPECT_EQ(table.RowGroup(), 1);
  // Published properties are properties of the class.
  EXPECT_TRUE(table.setProperty("Caption", QStringLiteral("Pile Data")));
  EXPECT_EQ(table.Caption(), QStringLiteral("Pile Data"));
  EXPECT_TRUE(table.setProperty("MaxRows", 200));
  EXPECT_EQ(table.MaxRows(), 200);
}

TEST(GridTable, VisibleColumns) {
  TGridTable table;
  auto* a = Add<TIntColumn>(table);
  auto* hidden = Add<TFloatColumn>(table);
  hidden->Visible = false;
  hidden->Headers.append(QStringLiteral("second line"));
  auto* b = Add<TStringColumn>(table);
  EXPECT_EQ(table.VisibleColumnCount(), 2);
  EXPECT_EQ(table.VisibleColumns(1), b);
  EXPECT_EQ(table.IndexOfVisibleColumn(a), 0);
  EXPECT_EQ(table.IndexOfVisibleColumn(hidden), -1);
  EXPECT_EQ(table.HeaderRowCount(), 1);
  for (int bad : {-1, 2}) {
    try {
      table.VisibleColumns(bad);
      ADD_FAILURE();
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Index out of bounds"));
    }
  }
}

TEST(GridTable, SetUnitsWithTheCurrentSystemDoesNothing) {
  TGridTable table;
  auto* f = Add<TFloatColumn>(table);
  f->UnitTemplate = QStringLiteral("L2");
  table.SetRowCount(1);
  f->SetFloat(0, 2);
  int notified = 0, cells = 0;
  QObject::connect(&table, &TGridTable::TableChanged, [&] { ++notified; });
  QObject::connect(&table, &TGridTable::CellChanged, [&] { ++cells; });
  table.SetUnits(1);
  EXPECT_EQ(notified + cells, 0);
  EXPECT_EQ(f->GetFloat(0), 2);
  table.SetUnits(2);
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(cells, 1);
  EXPECT_THROW(table.SetUnits(4), Exception);
  EXPECT_EQ(table.Units(), 2);
}

TEST(GridTables, ListsLiveTablesOfAScopeAndResolvesEntries) {
  const int before = int(GridTables(nullptr).size());
  auto a = std::make_unique<TGridTable>();
  auto b = std::make_unique<TGridTable>();
  EXPECT_EQ(GridTables(nullptr).indexOf(a.get()), before);
  EXPECT_EQ(GridTables(nullptr).value(before + 1), b.get());

  TGridTableList list(a.get());
  list.AddIdentifier(b->Identifier());
  list.AddTable(a.get());
  list.AddTable(nullptr);
  EXPECT_EQ(list.Tables(0), b.get());
  EXPECT_EQ(list.Tables(1), a.get());
  EXPECT_EQ(list.Tables(2), nullptr);
  EXPECT_EQ(list.Tables(3), nullptr);
  EXPECT_EQ(list.Tables(-1), nullptr);

  const int id = b->Identifier();
  b.reset();
  EXPECT_EQ(a->TableOfIdentifier(id), nullptr);
  EXPECT_EQ(list.Tables(0), nullptr);  // the named table went
  // A table that takes the Identifier later is found by it.
  TGridTable c;
  c.SetIdentifier(id);
  EXPECT_EQ(list.Tables(0), &c);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 2);
  a.reset();
  EXPECT_EQ(list.Tables(0), nullptr);  // a table held directly, freed
  EXPECT_EQ(int(GridTables(nullptr).size()), before + 1);
}

TEST(GridTables, IdentifiersBelongToTheScopeOfTheOwner) {
  QObject first, second;
  auto* a = new TGridTable(&first);
  a->SetIdentifier(8);
  auto* b = new TGridTable(&second);
  b->SetIdentifier(8);  // another scope: nothing swaps
  EXPECT_EQ(a->Identifier(), 8);
  auto* nested = new TGridTable(a);
  EXPECT_EQ(nested->Scope(), &first);
  EXPECT_EQ(nested->TableOfIdentifier(8), a);
  EXPECT_EQ(b->TableOfIdentifier(8), b);
  auto* c = new TGridTable(&first);
  c->SetIdentifier(8);  // the same scope: the two swap
  EXPECT_NE(a->Identifier(), 8);
  EXPECT_EQ(nested->TableOfIdentifier(8), c);
}

// A table of transient loads: the load type in column 0 chooses the template
// of the nested amplitude table of each row.
class NestedTableTest : public ::testing::Test {
protected:
  void SetUp() override {
    amplitudes.SetCaption(QStringLiteral("Load Amplitude"));
    amplitudes.SetMinRows(2);
    amplitudes.SetMaxRows(30);
    amplitudes.SetTopLeft(QStringLiteral("Number"));
    auto* f = Add<TFloatColumn>(amplitudes, "Load Amplitude");
    f->UnitTemplate = QStringLiteral("F");
    amplitudes.SetRowCount(5);
    for (int r = 0; r < 5; ++r) f->SetFloat(r, r + 10);

    spectrum.SetCaption(QStringLiteral("Random Spectrum Data"));
    Add<TFloatColumn>(spectrum, "Spectrum Data");

    loads.SetCaption(QStringLiteral("Transient Loading Data"));
    auto* type = Add<TEnumColumn>(loads, "Load type");
    type->SetItems({QStringLiteral("Force in X-direction"), QStringLiteral("Force in Y-direction"),
                    QStringLiteral("Moment about Z-axis")});
    column = Add<TTableColumn>(loads, "Load amplitude");
    ASSERT_EQ(column->Templates.Count(), 3);  // one per item of column 0
    column->Templates.Delete(0);
    column->Templates.InsertIdentifier(0, amplitudes.Identifier());
    column->Templates.Delete(2);
    column->Templates.InsertIdentifier(2, spectrum.Identifier());
  }
  TGridTable amplitudes, spectrum, loads;
  TTableColumn* column = nullptr;
};

TEST_F(NestedTableTest, RowsGetCopiesOfTheTemplateDefinitionNotItsRows) {
  loads.SetRowCount(2);
  for (int r = 0; r < 2; ++r) {
    TGridTable* nested = loads.Cells(1, r)->AsTable();
    ASSERT_NE(nested, nullptr);
    EXPECT_EQ(nested->parent(), &loads);
    EXPECT_EQ(nested->Caption(), QStringLiteral("Load Amplitude"));
    EXPECT_EQ(nested->TopLeft(), QStringLiteral("Number"));
    EXPECT_EQ(nested->MaxRows(), 30);
    EXPECT_EQ(nested->RowCount(), 2);
    EXPECT_EQ(nested->Cells(0, 0)->AsFloat(), 0);
    EXPECT_EQ(nested->Cells(0, 1)->AsFloat(), 0);
    EXPECT_EQ(nested->OwnerRow(), r + 1);
    EXPECT_NE(nested->Identifier(), amplitudes.Identifier());
    EXPECT_EQ(column->ButtonCaption(r), QStringLiteral("%1: Load Amplitude").arg(r + 1));
  }
  EXPECT_EQ(loads.Cells(1, 1)->AsTable()->FormCaption(), QStringLiteral("Load Amplitude  2"));
  EXPECT_EQ(loads.FormCaption(), QStringLiteral("Transient Loading Data "));
}

TEST_F(NestedTableTest, ChangingTheItemInColumnZeroRecreatesTheRowObject) {
  loads.SetRowCount(1);
  TData* type = loads.Cells(0, 0);
  type->SetInteger(2);  // no template for this item
  EXPECT_EQ(loads.Cells(1, 0)->AsTable(), nullptr);
  type->SetInteger(3);
  ASSERT_NE(loads.Cells(1, 0)->AsTable(), nullptr);
  EXPECT_EQ(loads.Cells(1, 0)->AsTable()->Caption(), QStringLiteral("Random Spectrum Data"));
  type->SetInteger(7);  // beyond the items
  EXPECT_EQ(loads.Cells(1, 0)->AsTable(), nullptr);
}

TEST_F(NestedTableTest, NestedTablesFollowRowMovesAndUnits) {
  loads.SetRowCount(2);
  loads.Cells(1, 1)->AsTable()->Cells(0, 0)->SetFloat(100);
  loads.InsertRowGroup(0);
  EXPECT_EQ(loads.Cells(1, 2)->AsTable()->Cells(0, 0)->AsFloat(), 100);
  EXPECT_EQ(loads.Cells(1, 2)->AsTable()->OwnerRow(), 3);
  loads.SetUnits(2);
  EXPECT_EQ(loads.Cells(1, 2)->AsTable()->Units(), 2);
  EXPECT_NEAR(double(loads.Cells(1, 2)->AsTable()->Cells(0, 0)->AsFloat()), 100 / 224.8089237,
              1e-13);
  const int live = int(GridTables(nullptr).size());
  loads.DeleteRowGroup(0);
  EXPECT_EQ(int(GridTables(nullptr).size()), live - 1);  // the row's nested table is freed
  EXPECT_EQ(loads.Cells(1, 1)->AsTable()->OwnerRow(), 2);
}

TEST_F(NestedTableTest, ChangedStateIncludesNestedTables) {
  loads.SetRowCount(2);
  EXPECT_FALSE(loads.GetChanged());
  loads.Cells(1, 1)->AsTable()->SetChanged(true);
  EXPECT_TRUE(loads.GetChanged());
  loads.SetChanged(false);
  EXPECT_FALSE(loads.Cells(1, 1)->AsTable()->GetChanged());
  loads.SetChanged(true);
  EXPECT_TRUE(loads.GetChanged());
  loads.ResetChanged();
  EXPECT_FALSE(loads.GetChanged());
}

TEST_F(NestedTableTest, ATemplateThatContainsItselfDoesNotNestWithoutEnd) {
  auto* own = Add<TTableColumn>(amplitudes, "Itself");
  own->Templates.Delete(0);
  own->Templates.AddIdentifier(amplitudes.Identifier());
  amplitudes.SetRowCount(6);
  EXPECT_EQ(amplitudes.Cells(1, 5)->AsTable(), nullptr);
  loads.SetRowCount(1);
  TGridTable* nested = loads.Cells(1, 0)->AsTable();
  ASSERT_NE(nested, nullptr);
  EXPECT_EQ(nested->Cells(1, 0)->AsTable(), nullptr);
}

TEST(NestedTables, CopiedTemplatesKeepTheirTableWhenEarlierTablesAreFreed) {
  auto filler = std::make_unique<TGridTable>();
  TGridTable leaf;
  leaf.SetCaption(QStringLiteral("Leaf"));
  Add<TFloatColumn>(leaf);
  TGridTable middle;
  auto* inner = Add<TTableColumn>(middle);
  inner->Templates.Delete(0);
  inner->Templates.AddTable(&leaf);  // held directly
  TGridTable outer;
  auto* column = Add<TTableColumn>(outer);
  column->Templates.Delete(0);
  column->Templates.AddIdentifier(middle.Identifier());
  outer.SetRowCount(1);
  TGridTable* copy = outer.Cells(0, 0)->AsTable();
  ASSERT_NE(copy, nullptr);
  filler.reset();  // every later table moves up one position
  copy->SetRowCount(3);
  for (int r = 0; r < 3; ++r) {
    ASSERT_NE(copy->Cells(0, r)->AsTable(), nullptr);
    EXPECT_EQ(copy->Cells(0, r)->AsTable()->Caption(), QStringLiteral("Leaf"));
  }
}

TEST(NestedTables, RowObjectsThatAreNotTablesComeFromTheEvents) {
  TGridTable table;
  auto* choice = Add<TEnumColumn>(table);
  choice->SetItems({QStringLiteral("a"), QStringLiteral("b")});
  Add<TIntColumn>(table);
  auto* column = Add<TTableColumn>(table);
  QList<QList<int>> log;
  table.OnInitRow = [&](TGridTable* sender, int col, int row, int type, QObject*& data) {
    EXPECT_EQ(sender, &table);
    EXPECT_EQ(data, nullptr);
    log.append({col, row, type});
    data = new QObject;
    data->setObjectName(QStringLiteral("row %1").arg(row));
  };
  QList<int> setRows;
  table.OnSetRow = [&](TGridTable*, int, QObject* data, int row) {
    EXPECT_NE(data, nullptr);
    setRows.append(row);
  };
  table.OnGetButtonCaption = [](TGridTable*, int, int, QObject* data, QString& caption) {
    EXPECT_TRUE(caption.isEmpty());
    caption = data->objectName();
  };
  QList<int> unitRows;
  table.OnSetUnits = [&](TGridTable*, int col, int row, QObject*, int units) {
    EXPECT_EQ(col, 2);
    EXPECT_EQ(units, 2);
    unitRows.append(row);
  };
  table.OnGetChanged = [](TGridTable*, int, int row, QObject*, bool& changed) {
    EXPECT_FALSE(changed);
    changed = row == 1;
  };
  table.SetRowCount(2);
  choice->SetInteger(1, 2);
  EXPECT_EQ(log, (QList<QList<int>>{{2, 0, 1}, {2, 1, 1}, {2, 1, 2}}));
  EXPECT_EQ(setRows, (QList<int>{0, 1, 1}));
  EXPECT_EQ(table.Cells(2, 1)->AsTable(), nullptr);
  EXPECT_EQ(column->GetObject(1)->objectName(), QStringLiteral("row 1"));
  EXPECT_EQ(column->ButtonCaption(0), QStringLiteral("row 0"));
  EXPECT_TRUE(table.GetChanged());
  table.SetUnits(2);
  EXPECT_EQ(unitRows, (QList<int>{0, 1}));
}

TEST(GridTable, EditorWindowThroughTheWindowLayer) {
  TGridTable none;
  EXPECT_EQ(none.ShowModal(), 0);  // no visible columns: nothing opens
  none.Show();
  EXPECT_FALSE(none.HasForm());

  TGridTable table;
  Add<TIntColumn>(table);
  EXPECT_THROW(table.Show(), Exception);  // no window layer installed
  TFakeWindows windows(/*Modal=*/true);
  table.SetWindows(&windows);
  EXPECT_EQ(table.ShowModal(), 1);
  EXPECT_TRUE(table.HasForm());
  EXPECT_TRUE(table.FormIsModal());
  table.Reshow();
  EXPECT_EQ(windows.Freed, 1);
  EXPECT_EQ(windows.Shown, 1);
  EXPECT_FALSE(table.FormIsModal());
  int captions = 0;
  QObject::connect(&table, &TGridTable::FormCaptionChanged, [&] { ++captions; });
  table.SetOwnerRow(4);
  EXPECT_EQ(captions, 1);
  table.FreeForm();
  EXPECT_FALSE(table.HasForm());
  table.Reshow();  // no window: nothing opens
  EXPECT_EQ(windows.Shown, 1);
}

TEST(GridTable, TellsItsWindowBeforeItGoes) {
  auto table = std::make_unique<TGridTable>();
  auto* c = Add<TIntColumn>(*table);
  table->SetRowCount(3);
  bool told = false;
  int rowsThen = -1;
  QObject::connect(table.get(), &TGridTable::Destroying, [&] {
    told = true;
    rowsThen = c->CellCount();  // the table still stands
  });
  int changes = 0;
  QObject::connect(table.get(), &TGridTable::TableChanged, [&] { ++changes; });
  table.reset();
  EXPECT_TRUE(told);
  EXPECT_EQ(rowsThen, 3);
  EXPECT_EQ(changes, 0);  // nothing more is told while it goes
}

TEST(GridTable, RowChangesAreToldOnceAndCellsNotMeanwhile) {
  TGridTable table;
  Add<TFloatColumn>(table);
  table.SetRowCount(2);
  int tables = 0, cells = 0;
  QObject::connect(&table, &TGridTable::TableChanged, [&] { ++tables; });
  QObject::connect(&table, &TGridTable::CellChanged, [&] { ++cells; });
  table.SetRowCount(5);
  table.SetRowCount(5);  // no change, nothing told
  EXPECT_EQ(tables, 1);
  EXPECT_EQ(cells, 0);
  table.Cells(0, 4)->SetFloat(2);
  EXPECT_EQ(cells, 1);
}

TEST(ColumnTypeRegistry, CodesOfTheFiveClasses) {
  const TColumnTypeRegistry& r = ColumnTypeRegistry();
  EXPECT_EQ(r.ColumnTypeId(&TEnumColumn::Class), 0);
  EXPECT_EQ(r.ColumnTypeId(&TIntColumn::Class), 1);
  EXPECT_EQ(r.ColumnTypeId(&TFloatColumn::Class), 2);
  EXPECT_EQ(r.ColumnTypeId(&TTableColumn::Class), 3);
  EXPECT_EQ(r.ColumnTypeId(&TStringColumn::Class), 4);
  EXPECT_EQ(r.ColumnClassOfId(2), &TFloatColumn::Class);
  EXPECT_EQ(r.ColumnClassOfId(5), nullptr);
  const TColumnClass other{QStringLiteral("Other"), nullptr, nullptr};
  EXPECT_EQ(r.ColumnTypeId(&other), -1);

  TColumnTypeRegistry local;
  RegisterStandardColumnTypes(local);
  EXPECT_NO_THROW(UnregisterStandardColumnTypes(local));
  RegisterStandardColumnTypes(local);
  local.Register(&other, 9);
  try {
    UnregisterStandardColumnTypes(local);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Column Type list not empty"));
  }
}

}  // namespace
}  // namespace zavik
