// Column types: unit conversion, depth pairs, entry checks, group writes.
#include "controls/ColumnTypes.h"
#include "controls/ColumnUnits.h"
#include "controls/ExpressionEvaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace zavik {
namespace {

template <class T>
T* Add(TGridTable& Table, std::initializer_list<const char*> Headers = {"Value"}) {
  auto c = std::make_unique<T>(&Table);
  for (const char* h : Headers) c->Headers.append(QString::fromUtf8(h));
  return static_cast<T*>(Table.AddColumn(std::move(c)));
}

// English units per SI unit, as the unit-system table gives them.
constexpr double kLbs = 224.8089237, kKips = 0.2248089237, kTons = 0.1124044745;
constexpr double kLbSec2In = 5.7101483, kSlug = 68.364249;
constexpr double kIn = 39.37007874, kMm = 0.03937007874, kFt = 3.280839895;

struct ConversionRow {
  const char* Template;
  double SiToEnglish;  // factor from SI to English; English to SI is its inverse
};

void PrintTo(const ConversionRow& Row, std::ostream* Os) { *Os << Row.Template; }

class FloatConversionTest : public ::testing::TestWithParam<ConversionRow> {};

TEST_P(FloatConversionTest, ConvertsBothWaysByTheUnitFactors) {
  const ConversionRow& row = GetParam();
  TGridTable table;
  table.SetUnits(2);
  auto* c = Add<TFloatColumn>(table);
  c->UnitTemplate = QString::fromLatin1(row.Template);
  table.SetRowCount(2);
  c->SetFloat(0, 1.0L);
  c->SetFloat(1, -37.25L);

  table.SetUnits(1);
  EXPECT_NEAR(double(c->GetFloat(0)) / row.SiToEnglish, 1.0, 1e-15);
  EXPECT_NEAR(double(c->GetFloat(1)) / row.SiToEnglish, -37.25, 37.25e-15);
  table.SetUnits(2);
  EXPECT_NEAR(double(c->GetFloat(0)), 1.0, 1e-15);
  EXPECT_NEAR(double(c->GetFloat(1)), -37.25, 37.25e-15);
  // The dimension-letter system holds the values as they are.
  table.SetUnits(3);
  EXPECT_NEAR(double(c->GetFloat(1)), -37.25, 37.25e-15);
  table.SetUnits(1);
  EXPECT_NEAR(double(c->GetFloat(1)), -37.25, 37.25e-15);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Templates, FloatConversionTest, ::testing::Values(
  ConversionRow{"L2",      kFt},
  ConversionRow{"L2/SEC",  kFt},
  ConversionRow{"L2^2",    kFt * kFt},
  ConversionRow{"L2^4",    kFt * kFt * kFt * kFt},
  ConversionRow{"F/L2^3",  kLbs / (kFt * kFt * kFt)},
  ConversionRow{"F/L2",    kLbs / kFt},
  ConversionRow{"F",       kLbs},
  ConversionRow{"F1",      kKips},
  ConversionRow{"F2",      kTons},
  ConversionRow{"F4",      kLbSec2In},
  ConversionRow{"F5",      1},
  ConversionRow{"F6",      kSlug},
  ConversionRow{"F6-L2^2", kSlug * kFt * kFt},
  ConversionRow{"F^2/L",   kLbs * kLbs / kIn},
  ConversionRow{"L",       kIn},
  ConversionRow{"L^2",     kIn * kIn},
  ConversionRow{"L1",      kMm},
  ConversionRow{"L3",      1},
  ConversionRow{"DEGREES", 1},
  ConversionRow{"",        1}));
// clang-format on

TEST(FloatConversion, MatchesPhysicalUnits) {
  // 1 kN/m^3 is 6.36588 lbf/ft^3; 1 m/s is 3.28084 ft/s.
  EXPECT_NEAR(double(UnitConversionFactor(2, 1, QStringLiteral("F/L2^3"))), 6.36588, 1e-5);
  EXPECT_NEAR(double(UnitConversionFactor(2, 1, QStringLiteral("L2/SEC"))), 3.28084, 1e-5);
  EXPECT_NEAR(double(UnitConversionFactor(1, 2, QStringLiteral("L"))), 0.0254, 1e-12);
}

struct TranslateRow {
  const char* Template;
  int System;
  const char* Text;
};

void PrintTo(const TranslateRow& R, std::ostream* Os) { *Os << R.Template << ' ' << R.System; }

class TranslateUnitTextTest : public ::testing::TestWithParam<TranslateRow> {};

TEST_P(TranslateUnitTextTest, NamesTheUnits) {
  const TranslateRow& r = GetParam();
  EXPECT_EQ(TranslateUnitText(QLatin1String(r.Template), r.System), QLatin1String(r.Text));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TranslateUnitTextTest, ::testing::Values(
  TranslateRow{"L2/SEC",  1, "ft/SEC"},
  TranslateRow{"L2/SEC",  2, "m/SEC"},
  TranslateRow{"L2/SEC",  3, "L/SEC"},
  TranslateRow{"F/L2^3",  1, "lbs/ft^3"},
  TranslateRow{"F/L2^3",  2, "kN/m^3"},
  TranslateRow{"F/L2^3",  3, "F/L^3"},
  TranslateRow{"F6",      1, "slug"},
  TranslateRow{"F4",      1, "lb-sec2/in"},
  TranslateRow{"F4",      3, "M"},
  TranslateRow{"F5",      3, "T"},
  TranslateRow{"F1",      2, "kN"},
  TranslateRow{"L1",      2, "mm"},
  TranslateRow{"L3",      1, "rad"},
  TranslateRow{"DEGREES", 1, "DEGREES"}));
// clang-format on

TEST(FloatColumn, HeaderCarriesTheUnitOfTheTableSystem) {
  TGridTable table;
  auto* c = Add<TFloatColumn>(table, {"Shear wave", "velocity, "});
  c->UnitTemplate = QStringLiteral("L2/SEC");
  EXPECT_EQ(c->GetHeader(0), QStringLiteral("Shear wave"));
  EXPECT_EQ(c->GetHeader(1), QStringLiteral("velocity,  (ft/SEC)  "));
  table.SetUnits(2);
  EXPECT_EQ(c->GetHeader(1), QStringLiteral("velocity,  (m/SEC)  "));
  c->UnitTemplate.clear();
  EXPECT_EQ(c->GetHeader(1), QStringLiteral("velocity, "));
}

TEST(FloatColumn, TextIsEvaluatedAndShownWithEightDigits) {
  TGridTable table;
  auto* c = Add<TFloatColumn>(table);
  table.SetRowCount(1);
  c->SetText(0, QStringLiteral("1/3"));
  EXPECT_EQ(c->GetText(0), QStringLiteral("0.33333333"));
  c->SetText(0, QStringLiteral("2*3.5"));
  EXPECT_EQ(table.Cells(0, 0)->AsFloat(), 7.0L);
  EXPECT_THROW(c->SetText(0, QStringLiteral("2*")), EAssignError);
  EXPECT_EQ(c->GetText(0), QStringLiteral("7"));  // a refused entry leaves the value
}

// A soil profile of layers with a top and a bottom depth column.
class DepthPairTest : public ::testing::Test {
protected:
  void SetUp() override {
    top = Add<TFloatColumn>(table, {"Top"});
    top->TopDepth = true;
    bottom = Add<TFloatColumn>(table, {"Bottom"});
    table.SetRowCount(3);
    const long double depths[] = {0, 2, 5, 9};
    for (int r = 0; r < 3; ++r) {
      top->SetFloat(r, depths[r]);
      bottom->SetFloat(r, depths[r + 1]);
    }
    QObject::connect(&table, &TGridTable::CellChanged,
                     [this](int col, int row) { changes.append({col, row}); });
  }
  std::vector<std::pair<double, double>> Layers() const {
    std::vector<std::pair<double, double>> out;
    for (int r = 0; r < table.RowCount(); ++r)
      out.emplace_back(double(top->GetFloat(r)), double(bottom->GetFloat(r)));
    return out;
  }
  using L = std::vector<std::pair<double, double>>;
  TGridTable table;
  TFloatColumn* top = nullptr;
  TFloatColumn* bottom = nullptr;
  QList<QPair<int, int>> changes;
};

TEST_F(DepthPairTest, EditingATopDepthMovesTheBottomOfTheLayerAbove) {
  EXPECT_TRUE(bottom->IsBottomDepth());
  EXPECT_FALSE(top->IsBottomDepth());
  top->SetText(2, QStringLiteral("6"));
  EXPECT_EQ(Layers(), (L{{0, 2}, {2, 6}, {6, 9}}));
  EXPECT_EQ(changes, (QList<QPair<int, int>>{{0, 2}, {1, 1}}));
}

TEST_F(DepthPairTest, EditingABottomDepthMovesTheTopOfTheLayerBelow) {
  bottom->SetFloat(0, 3);
  EXPECT_EQ(Layers(), (L{{0, 3}, {3, 5}, {5, 9}}));
  bottom->SetFloat(2, 12);  // the last layer: nothing else changes
  EXPECT_EQ(Layers(), (L{{0, 3}, {3, 5}, {5, 12}}));
}

TEST_F(DepthPairTest, InsertedLayerSpansTheBoundaryItIsInsertedAt) {
  table.InsertRowGroup(1);
  EXPECT_EQ(Layers(), (L{{0, 2}, {2, 2}, {2, 5}, {5, 9}}));
  table.InsertRowGroup(0);
  EXPECT_EQ(Layers(), (L{{0, 0}, {0, 2}, {2, 2}, {2, 5}, {5, 9}}));
}

TEST_F(DepthPairTest, AppendedLayerStartsAtTheLastBottom) {
  table.AddRowGroup();
  EXPECT_EQ(Layers(), (L{{0, 2}, {2, 5}, {5, 9}, {9, 0}}));
  table.SetRowCount(5);
  EXPECT_EQ(Layers()[4].first, 0.0);  // the appended layer above still ends at 0
}

TEST_F(DepthPairTest, DeletingAMiddleLayerClosesTheGap) {
  table.DeleteRowGroup(1);
  EXPECT_EQ(Layers(), (L{{0, 2}, {2, 9}}));
}

TEST_F(DepthPairTest, LayersStayContiguousUnderAnySequenceOfEdits) {
  std::mt19937 random(20240611);
  for (int step = 0; step < 400; ++step) {
    const int rows = table.RowCount();
    const int row = rows > 0 ? int(random() % unsigned(rows)) : 0;
    switch (random() % 6) {
      case 0: table.InsertRowGroup(int(random() % unsigned(rows + 1))); break;
      case 1: if (rows > 1) table.DeleteRowGroup(row); break;
      case 2: table.AddRowGroup(); break;
      case 3: if (rows > 0) top->SetFloat(row, step); break;
      case 4: if (rows > 0) bottom->SetFloat(row, step + 0.5L); break;
      case 5: if (rows > 4) table.SetRowCount(rows - 2); break;
    }
    for (int r = 1; r < table.RowCount(); ++r)
      ASSERT_EQ(top->GetFloat(r), bottom->GetFloat(r - 1)) << "step " << step << " row " << r;
  }
}

TEST_F(DepthPairTest, GroupValuesAreNotPaired) {
  top->GroupValue = true;
  top->SetFloat(1, 4);
  EXPECT_EQ(Layers(), (L{{0, 2}, {4, 5}, {5, 9}}));
}

TEST(DepthPair, TopDepthNeedsAFloatColumnAfterIt) {
  const QString message =
      QStringLiteral("If column if a topdepth then the next column must be a float column");
  TGridTable alone;
  Add<TFloatColumn>(alone)->TopDepth = true;
  try {
    alone.SetRowCount(1);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), message);
  }
  EXPECT_EQ(alone.Columns(0)->CellCount(), alone.RowCount());

  TGridTable mixed;
  Add<TFloatColumn>(mixed)->TopDepth = true;
  Add<TIntColumn>(mixed);
  EXPECT_THROW(mixed.AddRowGroup(), Exception);
  EXPECT_EQ(mixed.RowCount(), 0);

  // Adding the top column to a table that has rows is refused and not kept.
  TGridTable rows;
  rows.SetRowCount(2);
  auto c = std::make_unique<TFloatColumn>(&rows);
  c->TopDepth = true;
  EXPECT_THROW(rows.AddColumn(std::move(c)), Exception);
  EXPECT_EQ(rows.ColumnCount(), 0);
}

TEST(EnumColumn, AcceptsWholeNumbersOnly) {
  TGridTable table;
  auto* c = Add<TEnumColumn>(table);
  c->SetItems({QStringLiteral("XZ-Plane"), QStringLiteral("YZ-Plane"), QStringLiteral("Other")});
  table.SetRowCount(1);
  EXPECT_EQ(c->GetInteger(0), 1);
  c->SetText(0, QStringLiteral("1+1"));
  EXPECT_EQ(table.Cells(0, 0)->AsInteger(), 2);
  for (const char* bad : {"2.5", "1e10", "-3e9"}) {
    try {
      c->SetText(0, QLatin1String(bad));
      ADD_FAILURE() << bad;
    } catch (const EAssignError& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Value must be an integer.")) << bad;
    }
  }
  EXPECT_EQ(c->GetText(0), QStringLiteral("2"));
  c->SetText(0, QStringLiteral("7"));  // not checked against the item count
  EXPECT_EQ(c->GetInteger(0), 7);
}

TEST(IntColumn, ChecksEveryEntryWithOrWithoutAWindow) {
  TGridTable table;
  auto* c = Add<TIntColumn>(table);
  c->MinValue = -5;
  c->MaxValue = 10;
  table.SetRowCount(1);
  c->SetText(0, QStringLiteral("9"));
  struct Case {
    const char* Text;
    const char* Message;
  };
  // clang-format off
  const Case cases[] = {
    {"2.5",  "Entry must be an integer."},
    {"-2.5", "Entry must be an integer."},
    {"11",   "Entry must be between -5 and 10."},
    {"-6",   "Entry must be between -5 and 10."},
    {"1e10", "Entry must be between -5 and 10."},
  };
  // clang-format on
  for (const Case& k : cases) {
    try {
      c->SetText(0, QLatin1String(k.Text));
      ADD_FAILURE() << k.Text;
    } catch (const EAssignError& e) {
      EXPECT_EQ(e.Message(), QLatin1String(k.Message)) << k.Text;
    }
    EXPECT_EQ(c->GetInteger(0), 9) << k.Text;
  }
  c->SetText(0, QStringLiteral("3.00000000001"));
  EXPECT_EQ(c->GetInteger(0), 3);
  c->SetText(0, QStringLiteral("-5"));
  EXPECT_EQ(c->GetInteger(0), -5);
}

TEST(StringColumn, StoresTextAsTyped) {
  TGridTable table;
  auto* c = Add<TStringColumn>(table);
  c->DefaultText = QStringLiteral("none");
  table.SetRowCount(2);
  EXPECT_EQ(c->GetText(1), QStringLiteral("none"));
  c->SetText(0, QStringLiteral(" 2*3 "));
  EXPECT_EQ(table.Cells(0, 0)->GetText(), QStringLiteral(" 2*3 "));
}

TEST(Columns, TypedAccessorsOfOtherClassesRaise) {
  TGridTable table;
  Add<TEnumColumn>(table);
  Add<TFloatColumn>(table);
  Add<TStringColumn>(table);
  Add<TIntColumn>(table);
  table.SetRowCount(1);
  auto expectWrongType = [](auto f) {
    try {
      f();
      ADD_FAILURE();
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QStringLiteral("Data of wrong type"));
    }
  };
  expectWrongType([&] { table.Cells(0, 0)->AsFloat(); });
  expectWrongType([&] { table.Cells(0, 0)->AsTable(); });
  expectWrongType([&] { table.Cells(1, 0)->SetInteger(1); });
  expectWrongType([&] { table.Cells(1, 0)->AsInteger(); });
  expectWrongType([&] { table.Cells(2, 0)->SetFloat(1); });
  expectWrongType([&] { table.Columns(3)->GetObject(0); });
  EXPECT_EQ(table.Columns(1)->GetText(0), QStringLiteral("0"));
}

struct GroupRow {
  int Row;
  std::vector<int> Values;  // after writing 9 into Row with row groups of 3
};

void PrintTo(const GroupRow& R, std::ostream* Os) { *Os << "row " << R.Row; }

class GroupValueTest : public ::testing::TestWithParam<GroupRow> {};

TEST_P(GroupValueTest, WritesTheWholeRowGroup) {
  TGridTable table;
  table.SetRowGroup(3);
  auto* ints = Add<TIntColumn>(table);
  auto* enums = Add<TEnumColumn>(table);
  auto* floats = Add<TFloatColumn>(table);
  auto* strings = Add<TStringColumn>(table);
  for (TColumn* c : std::initializer_list<TColumn*>{ints, enums, floats, strings}) c->GroupValue = true;
  table.SetRowCount(7);  // the last group holds one row
  QList<QPair<int, int>> changes;
  QObject::connect(&table, &TGridTable::CellChanged,
                   [&](int col, int row) { changes.append({col, row}); });

  const int row = GetParam().Row;
  ints->SetInteger(row, 9);
  enums->SetInteger(row, 9);
  floats->SetFloat(row, 9);
  strings->SetText(row, QStringLiteral("9"));
  std::vector<int> seen;
  for (int r = 0; r < table.RowCount(); ++r) {
    seen.push_back(ints->GetInteger(r));
    EXPECT_EQ(enums->GetInteger(r), seen.back() == 9 ? 9 : 1);
    EXPECT_EQ(floats->GetFloat(r), seen.back() == 9 ? 9 : 0);
    EXPECT_EQ(strings->GetText(r), seen.back() == 9 ? QStringLiteral("9") : QString());
  }
  EXPECT_EQ(seen, GetParam().Values);
  const int written = int(std::count(seen.begin(), seen.end(), 9));
  EXPECT_EQ(changes.size(), 4 * written);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, GroupValueTest, ::testing::Values(
  GroupRow{0, {9, 9, 9, 0, 0, 0, 0}},
  GroupRow{4, {0, 0, 0, 9, 9, 9, 0}},
  GroupRow{6, {0, 0, 0, 0, 0, 0, 9}}));
// clang-format on

}  // namespace
}  // namespace zavik
