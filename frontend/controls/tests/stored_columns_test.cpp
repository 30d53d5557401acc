// Stored column definitions: written, read back and compared; older forms;
// errors of the stored data.
#include "controls/ColumnTypes.h"
#include "controls/NumberFormat.h"
#include "controls/ValueStream.h"

#include <QVariant>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zavik {
namespace {

template <class T>
T* Add(TGridTable& Table, QStringList Headers) {
  auto c = std::make_unique<T>(&Table);
  c->Headers = Headers;
  return static_cast<T*>(Table.AddColumn(std::move(c)));
}

// A table that uses every column type and every stored setting.
void DefineEveryKind(TGridTable& Table, const TGridTable& Template) {
  auto* e = Add<TEnumColumn>(Table, {QStringLiteral("Load type")});
  e->SetItems({QStringLiteral("Force in X-direction"), QStringLiteral("Moment \"about\" Z\\axis"),
               QStringLiteral("ünit ²")});
  auto* i = Add<TIntColumn>(Table, {QStringLiteral("Count"), QStringLiteral("of piles")});
  i->DefaultValue = -7;
  i->MinValue = std::numeric_limits<int>::min();
  i->MaxValue = 500;
  i->GroupValue = true;
  auto* top = Add<TFloatColumn>(Table, {QStringLiteral("Top"), QStringLiteral("depth, ")});
  top->TopDepth = true;
  top->UnitTemplate = QStringLiteral("L2");
  top->DefaultValue = 1.0L / 3;
  auto* bottom = Add<TFloatColumn>(Table, {QStringLiteral("Bottom")});
  bottom->UnitTemplate = QStringLiteral("F/L2^3");
  bottom->DefaultValue = -2.5e-300L;
  bottom->Visible = false;
  auto* t = Add<TTableColumn>(Table, {QStringLiteral("Load amplitude")});
  t->Templates.Delete(0);
  t->Templates.InsertIdentifier(0, Template.Identifier());
  auto* s = Add<TStringColumn>(Table, {});
  s->DefaultText = QStringLiteral("line one\r\nline\ttwo");
  s->WidthFactor = 2.25L;
}

void ExpectSameDefinition(const TGridTable& A, const TGridTable& B) {
  ASSERT_EQ(A.ColumnCount(), B.ColumnCount());
  for (int k = 0; k < A.ColumnCount(); ++k) {
    SCOPED_TRACE(k);
    const TColumn* a = A.Columns(k);
    const TColumn* b = B.Columns(k);
    ASSERT_EQ(&a->ClassType(), &b->ClassType());
    EXPECT_EQ(a->Headers, b->Headers);
    EXPECT_EQ(a->Visible, b->Visible);
    EXPECT_EQ(a->GroupValue, b->GroupValue);
    if (auto x = dynamic_cast<const TEnumColumn*>(a)) {
      EXPECT_EQ(x->Items(), static_cast<const TEnumColumn*>(b)->Items());
    }
    if (auto x = dynamic_cast<const TIntColumn*>(a)) {
      auto y = static_cast<const TIntColumn*>(b);
      EXPECT_EQ(x->DefaultValue, y->DefaultValue);
      EXPECT_EQ(x->MinValue, y->MinValue);
      EXPECT_EQ(x->MaxValue, y->MaxValue);
    }
    if (auto x = dynamic_cast<const TFloatColumn*>(a)) {
      auto y = static_cast<const TFloatColumn*>(b);
      EXPECT_EQ(x->DefaultValue, y->DefaultValue);  // every bit of the extended value
      EXPECT_EQ(x->TopDepth, y->TopDepth);
      EXPECT_EQ(x->UnitTemplate, y->UnitTemplate);
    }
    if (auto x = dynamic_cast<const TTableColumn*>(a)) {
      auto y = static_cast<const TTableColumn*>(b);
      ASSERT_EQ(x->Templates.Count(), y->Templates.Count());
      for (int n = 0; n < x->Templates.Count(); ++n)
        EXPECT_EQ(x->Templates.Tables(n), y->Templates.Tables(n));
    }
    if (auto x = dynamic_cast<const TStringColumn*>(a)) {
      auto y = static_cast<const TStringColumn*>(b);
      EXPECT_EQ(x->DefaultText, y->DefaultText);
      EXPECT_EQ(x->WidthFactor, y->WidthFactor);
    }
  }
}

TEST(StoredColumns, RoundTripEveryColumnType) {
  TGridTable amplitudes;
  TGridTable original;
  DefineEveryKind(original, amplitudes);
  // Numbers are stored with '.' whatever separator the user sees.
  DecimalSeparator = QLatin1Char(',');
  const QString stored = original.Col();
  DecimalSeparator = QLatin1Char('.');
  EXPECT_TRUE(stored.contains(QStringLiteral("2.25"))) << stored.toStdString();

  TGridTable copy;
  copy.setProperty("Col", stored);
  ExpectSameDefinition(original, copy);
  EXPECT_EQ(copy.Col(), stored);
  EXPECT_EQ(static_cast<TTableColumn*>(copy.Columns(4))->Templates.Tables(0), &amplitudes);
  EXPECT_EQ(static_cast<TTableColumn*>(copy.Columns(4))->Templates.Count(), 3);
}

TEST(StoredColumns, EncodingFollowsTheDocumentedOrder) {
  TGridTable soil;
  auto* f = Add<TFloatColumn>(soil, {QStringLiteral("Shear wave"), QStringLiteral("velocity, ")});
  f->UnitTemplate = QStringLiteral("L2/SEC");
  EXPECT_EQ(soil.Col(), QStringLiteral("1, 2, (\"Shear wave\", \"velocity, \"), True, False, False, "
                                       "\"FLOATCOLUMN2\", \"L2/SEC\", 0.0"));

  TGridTable amplitude;
  amplitude.SetIdentifier(8);
  TGridTable loads;
  auto* e = Add<TEnumColumn>(loads, {QStringLiteral("Load type")});
  e->SetItems({"1", "2", "3", "4", "5", "6"});
  auto* t = Add<TTableColumn>(loads, {QStringLiteral("Load amplitude")});
  for (int k = 0; k < 6; ++k) {
    t->Templates.Delete(k);
    t->Templates.InsertIdentifier(k, 8);
  }
  EXPECT_TRUE(loads.Col().endsWith(QStringLiteral(
      "3, (\"Load amplitude\"), True, False, \"FLEXCOLUMN2\", (8, 8, 8, 8, 8, 8)")))
      << loads.Col().toStdString();
}

TEST(StoredColumns, TemplateThatResolvesToNoTableIsStoredAsMinusOne) {
  TGridTable table;
  auto* t = Add<TTableColumn>(table, {QStringLiteral("Sub")});
  t->Templates.Delete(0);
  t->Templates.AddIdentifier(-5);  // no table has it
  table.SetRowCount(2);
  EXPECT_EQ(table.Cells(0, 0)->AsTable(), nullptr);
  EXPECT_TRUE(table.Col().endsWith(QStringLiteral("\"FLEXCOLUMN2\", (-1)")));
}

TEST(StoredColumns, ReadingKeepsTheRowCountAndFillsDefaults) {
  TGridTable amplitudes;
  Add<TFloatColumn>(amplitudes, {QStringLiteral("Amplitude")});
  TGridTable source;
  DefineEveryKind(source, amplitudes);
  TGridTable table;
  Add<TStringColumn>(table, {QStringLiteral("old")});
  table.SetRowCount(3);
  int notified = 0;
  QObject::connect(&table, &TGridTable::TableChanged, [&] { ++notified; });
  table.SetCol(source.Col());
  EXPECT_EQ(notified, 1);
  EXPECT_EQ(table.ColumnCount(), 6);  // the definition replaces the old columns
  EXPECT_EQ(table.RowCount(), 3);
  for (int r = 0; r < 3; ++r) {
    EXPECT_EQ(table.Cells(1, r)->AsInteger(), -7);
    ASSERT_NE(table.Cells(4, r)->AsTable(), nullptr);
    EXPECT_EQ(table.Cells(4, r)->AsTable()->RowCount(), 1);
    EXPECT_EQ(table.Cells(5, r)->GetText(), QStringLiteral("line one\r\nline\ttwo"));
  }
  // New layers of a depth pair meet: only the first top and the last bottom
  // take the defaults.
  EXPECT_EQ(table.Cells(2, 0)->AsFloat(), 1.0L / 3);
  EXPECT_EQ(table.Cells(3, 2)->AsFloat(), -2.5e-300L);
  for (int r = 1; r < 3; ++r) EXPECT_EQ(table.Cells(2, r)->AsFloat(), table.Cells(3, r - 1)->AsFloat());
}

TEST(StoredColumns, OlderFloatDataHasNoTagAndDefaultZero) {
  TGridTable table;
  table.SetCol(QStringLiteral("1, 2, (\"Unit weight\"), True, False, False, \"F/L2^3\""));
  auto* f = dynamic_cast<TFloatColumn*>(table.Columns(0));
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(f->UnitTemplate, QStringLiteral("F/L2^3"));
  EXPECT_EQ(f->DefaultValue, 0);
  EXPECT_FALSE(f->TopDepth);
}

struct OldTableRow {
  const char* Data;  // %1 stands for the stored table index
  bool Hardwired;
  int Entries;
  bool ByIdentifier;  // the entries are Identifiers 1, 2, ... of the items
};

void PrintTo(const OldTableRow& R, std::ostream* Os) {
  *Os << R.Data << (R.Hardwired ? " hardwired" : "");
}

class OlderTableColumnTest : public ::testing::TestWithParam<OldTableRow> {};

TEST_P(OlderTableColumnTest, ReadsOneTableIndex) {
  const OldTableRow& p = GetParam();
  TGridTable target;
  const int index = int(GridTables(nullptr).indexOf(&target));
  TGridTable table;
  table.SetHardwiredButton(p.Hardwired);
  table.SetCol(QString::fromLatin1(p.Data).arg(index));
  auto* t = dynamic_cast<TTableColumn*>(table.Columns(table.ColumnCount() - 1));
  ASSERT_NE(t, nullptr);
  ASSERT_EQ(t->Templates.Count(), p.Entries);
  for (int k = 0; k < p.Entries; ++k) {
    EXPECT_EQ(t->Templates.Entry(k).IsIdentifier, p.ByIdentifier);
    if (p.ByIdentifier)
      EXPECT_EQ(t->Templates.Entry(k).Identifier, k + 1);
    else
      EXPECT_EQ(t->Templates.Tables(k), &target);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Forms, OlderTableColumnTest, ::testing::Values(
  OldTableRow{"1, 3, (\"Sub\"), True, False, %1", true, 1, false},
  OldTableRow{"2, 1, (\"n\"), True, False, 0, 0, 9, 3, (\"Sub\"), True, False, %1", false, 1, false},
  OldTableRow{"2, 0, (\"t\"), True, False, (\"a\", \"b\", \"c\"), 3, (\"Sub\"), True, False, %1",
              true, 3, false},
  OldTableRow{"2, 0, (\"t\"), True, False, (\"a\", \"b\", \"c\"), 3, (\"Sub\"), True, False, %1",
              false, 3, true}));
// clang-format on

TEST(StoredColumns, TemplateListFollowsTheItemsOfColumnZero) {
  TGridTable table;
  table.SetCol(QStringLiteral("2, 0, (\"t\"), True, False, (\"a\", \"b\", \"c\"), "
                              "3, (\"Sub\"), True, False, \"FLEXCOLUMN2\", (4, 5, 6, 7, 8)"));
  auto* t = static_cast<TTableColumn*>(table.Columns(1));
  EXPECT_EQ(t->Templates.Count(), 3);
  static_cast<TEnumColumn*>(table.Columns(0))->SetItems({"a", "b", "c", "d", "e", "f"});
  EXPECT_EQ(t->Templates.Count(), 6);
  EXPECT_EQ(t->Templates.Tables(5), nullptr);
}

TEST(StoredColumns, UnknownColumnClassStopsLoading) {
  TGridTable table;
  try {
    table.SetCol(QStringLiteral("2, 1, (\"n\"), True, False, 0, 0, 9, 7, (\"x\"), True, False"));
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Error Column Class not defined"));
  }
  EXPECT_EQ(table.ColumnCount(), 0);
}

class MalformedDataTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedDataTest, RaisesAReadError) {
  TGridTable table;
  table.SetRowCount(2);
  EXPECT_THROW(table.SetCol(QString::fromLatin1(GetParam())), EReadError);
  EXPECT_EQ(table.ColumnCount(), 0);
  EXPECT_EQ(table.RowCount(), 2);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, MalformedDataTest, ::testing::Values(
  "",
  "1",
  "1, 2, (\"a\"), True",
  "1, 2, (\"a\", True, False, False, \"FLOATCOLUMN2\", \"L\", 0.0",
  "1, 2, (\"a), True, False, False, \"FLOATCOLUMN2\", \"L\", 0.0",
  "1, 2, (\"a\"), Yes, False, False, \"FLOATCOLUMN2\", \"L\", 0.0",
  "1, 1, (\"a\"), True, False, 1.5, 0, 9",
  "1, 1, (\"a\"), True, False, 99999999999, 0, 9",
  "1, 4, (\"a\"), True, False, \"x\\q\", 1.0",
  "x"));
// clang-format on

TEST(ValueStream, ValuesReadBackAsWritten) {
  TValueWriter w;
  w.WriteInteger(-2147483647 - 1);
  w.WriteFloat(std::numeric_limits<long double>::max());
  w.WriteFloat(std::numeric_limits<long double>::denorm_min());
  w.WriteFloat(-0.1L);
  w.WriteFloat(150000000);
  w.WriteListBegin();
  w.WriteListEnd();
  w.WriteString(QStringLiteral("\x01\"\\"));
  w.WriteBoolean(false);
  TValueReader r(w.Text());
  EXPECT_EQ(r.ReadInteger(), -2147483647 - 1);
  EXPECT_EQ(r.ReadFloat(), std::numeric_limits<long double>::max());
  EXPECT_EQ(r.ReadFloat(), std::numeric_limits<long double>::denorm_min());
  EXPECT_EQ(r.ReadFloat(), -0.1L);
  EXPECT_EQ(r.NextValue(), TValueType::Extended);  // not taken for an integer
  EXPECT_EQ(r.ReadFloat(), 150000000);
  r.ReadListBegin();
  EXPECT_TRUE(r.EndOfList());
  r.ReadListEnd();
  EXPECT_EQ(r.ReadString(), QStringLiteral("\x01\"\\"));
  EXPECT_FALSE(r.ReadBoolean());
  EXPECT_EQ(r.NextValue(), TValueType::End);
}

}  // namespace
}  // namespace zavik
