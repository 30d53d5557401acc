// The table as an item model, and the arrangement of its editor window.
#include "controls/ColumnTypes.h"
#include "controls/GridTableModel.h"
#include "controls/TableLayout.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <memory>

namespace zavik {
namespace {

// A soil table with the stored definition of the project's soil layers, and
// a choice column of load types with a nested amplitude table per row.
class TableModelTest : public ::testing::Test {
protected:
  void SetUp() override {
    soil.SetCol(QStringLiteral(
        R"(3, 2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
              2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
              1, ("Count"), True, False, 0, 1, 9)"));
    soil.SetUnits(2);
    soil.SetRowCount(3);
    amplitudes.SetCaption(QStringLiteral("Load Amplitude"));
    amplitudes.AddColumn(std::make_unique<TFloatColumn>(&amplitudes));
    auto type = std::make_unique<TEnumColumn>(&loads);
    type->SetItems({QStringLiteral("Force in X-direction"), QStringLiteral("Force in Y-direction")});
    loads.AddColumn(std::move(type));
    auto* nested = static_cast<TTableColumn*>(loads.AddColumn(std::make_unique<TTableColumn>(&loads)));
    nested->Templates.Delete(0);
    nested->Templates.InsertIdentifier(0, amplitudes.Identifier());
    loads.SetRowCount(2);
  }
  TGridTable soil, amplitudes, loads;
};

TEST_F(TableModelTest, HeadersCarryTheLinesAndTheUnitOfTheTableSystem) {
  TGridTableModel model(&soil);
  EXPECT_EQ(model.columnCount(), 3);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(),
            QStringLiteral("Shear wave\nvelocity,  (m/SEC)  "));
  // A column of fewer lines is padded to the header rows.
  EXPECT_EQ(model.HeaderLines(1), (QStringList{QStringLiteral("Unit weight (kN/m^3)  "), QString()}));
  soil.SetUnits(1);
  EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(),
            QStringLiteral("Unit weight (lbs/ft^3)  \n"));
}

TEST_F(TableModelTest, RowNumbersAreRowGroupNumbers) {
  soil.SetRowGroup(2);
  soil.SetRowCount(5);
  TGridTableModel model(&soil);
  QList<int> numbers;
  for (int r = 0; r < model.rowCount(); ++r)
    numbers.append(model.headerData(r, Qt::Vertical).toInt());
  EXPECT_EQ(numbers, (QList<int>{1, 1, 2, 2, 3}));
}

TEST_F(TableModelTest, CellsShowTheirTextsItemsAndButtonCaptions) {
  TGridTableModel model(&loads);
  EXPECT_EQ(model.Kind(0), TGridTableModel::TCellKind::Choice);
  EXPECT_EQ(model.Kind(1), TGridTableModel::TCellKind::Table);
  loads.Cells(0, 1)->SetInteger(2);
  EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("Force in Y-direction"));
  EXPECT_EQ(model.data(model.index(1, 0), Qt::EditRole).toInt(), 1);
  EXPECT_EQ(model.data(model.index(0, 1)).toString(), QStringLiteral("1: Load Amplitude"));
  loads.Cells(0, 1)->SetInteger(7);  // beyond the items: nothing chosen, no nested table
  EXPECT_EQ(model.data(model.index(1, 0), Qt::EditRole).toInt(), -1);
  EXPECT_EQ(model.data(model.index(1, 0)).toString(), QString());
  EXPECT_EQ(model.data(model.index(1, 1)).toString(), QString());
  EXPECT_FALSE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
  EXPECT_TRUE(model.flags(model.index(0, 0)) & Qt::ItemIsSelectable);
}

struct CommitRow {
  int Column;
  const char* Text;
  bool Accepted;
  const char* Shown;    // the cell's text afterwards
  const char* Message;  // the reason of a refusal
};

void PrintTo(const CommitRow& R, std::ostream* Os) { *Os << R.Column << " \"" << R.Text << '"'; }

class CommitTest : public TableModelTest, public ::testing::WithParamInterface<CommitRow> {};

TEST_P(CommitTest, EntriesAreWrittenOrRefusedWithTheColumnsMessage) {
  const CommitRow& p = GetParam();
  soil.Cells(0, 0)->SetFloat(150);
  soil.Cells(2, 0)->SetInteger(4);
  soil.ResetChanged();
  TGridTableModel model(&soil);
  EXPECT_EQ(model.CommitText(model.index(0, p.Column), QLatin1String(p.Text)), p.Accepted);
  EXPECT_EQ(model.data(model.index(0, p.Column)).toString(), QLatin1String(p.Shown));
  EXPECT_EQ(model.LastError(), QLatin1String(p.Message));
  EXPECT_TRUE(soil.GetChanged());  // every entry made in the editor marks the table
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, CommitTest, ::testing::Values(
  CommitRow{0, "2*3.5", true,  "7",   ""},
  CommitRow{0, "1/3",   true,  "0.33333333", ""},
  CommitRow{0, "2*",    false, "150", "Entry could not be evaluated:\rinvalid expression"},
  CommitRow{0, "1/0",   false, "150", "Floating point division by zero"},
  CommitRow{0, "ln 0",  false, "150", "Floating point division by zero"},
  CommitRow{2, "2.5",   false, "4",   "Entry must be an integer."},
  CommitRow{2, "10",    false, "4",   "Entry must be between 1 and 9."},
  CommitRow{2, "9",     true,  "9",   ""}));
// clang-format on

TEST_F(TableModelTest, ChoosingAnItemStoresItsValueAndRenewsTheNestedTable) {
  TGridTableModel model(&loads);
  TGridTable* before = loads.Cells(1, 0)->AsTable();
  loads.ResetChanged();
  EXPECT_TRUE(model.CommitChoice(model.index(0, 0), 0));  // the value it holds: no change
  EXPECT_FALSE(loads.GetChanged());
  EXPECT_EQ(loads.Cells(1, 0)->AsTable(), before);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  EXPECT_TRUE(model.setData(model.index(0, 0), 1));
  EXPECT_EQ(loads.Cells(0, 0)->AsInteger(), 2);
  EXPECT_TRUE(loads.GetChanged());
  EXPECT_EQ(loads.Cells(1, 0)->AsTable(), nullptr);  // no template for the second item
  // The button of the row and the choice itself were told.
  QList<int> columns;
  for (const auto& args : changed) columns.append(args[0].value<QModelIndex>().column());
  EXPECT_TRUE(columns.contains(0));
  EXPECT_TRUE(columns.contains(1));
}

TEST_F(TableModelTest, FollowsRowsChangedFromOutsideAndTheTablesEnd) {
  auto table = std::make_unique<TGridTable>();
  table->AddColumn(std::make_unique<TFloatColumn>(table.get()));
  TGridTableModel model(table.get());
  QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
  table->SetRowCount(25);
  EXPECT_EQ(model.rowCount(), 25);
  EXPECT_EQ(reset.count(), 1);
  QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
  table->Cells(0, 24)->SetFloat(3);
  ASSERT_EQ(changed.count(), 1);
  EXPECT_EQ(changed[0][0].value<QModelIndex>(), model.index(24, 0));
  table.reset();
  EXPECT_EQ(model.rowCount(), 0);
  EXPECT_EQ(model.columnCount(), 0);
  EXPECT_FALSE(model.data(model.index(0, 0)).isValid());
}

// Columns of 60 pixels behind a row-number column of 30; rows of 20.
TTableMetrics Metrics(int Columns, int Rows) {
  TTableMetrics m;
  for (int i = 0; i < Columns; ++i) m.ColumnWidths.append(60);
  m.FixedWidth = 30;
  m.HeaderHeight = 36;
  m.RowHeight = 20;
  m.RowCount = Rows;
  m.GridFrame = 2;
  m.ScrollBarWidth = 15;
  m.ScrollBarHeight = 15;
  m.Margin = 4;
  m.BelowGridWidth = 250;
  m.BelowGrid = 4 + 4 + 24;
  return m;
}

TTableArrangement All(const TTableMetrics& M) {
  return {0, 0, int(M.ColumnWidths.size()), M.RowCount};
}

TEST(TableLayout, ArrangedSizeCoversGridButtonsAndScrollBars) {
  const TTableMetrics m = Metrics(5, 25);
  // Every column, ten rows: a vertical scroll bar.
  EXPECT_EQ(ArrangedSize(m, {0, 0, 5, 10}),
            QSize(4 + 2 + 30 + 5 * 60 + 15 + 4, 4 + 2 + 36 + 10 * 20 + 32));
  // Two columns are narrower than the buttons; a horizontal scroll bar.
  EXPECT_EQ(ArrangedSize(m, {1, 0, 2, 25}), QSize(4 + 250 + 4, 4 + 2 + 36 + 25 * 20 + 15 + 32));
}

TEST(TableLayout, TheSizeThatFitsEverythingShowsEverything) {
  const TTableMetrics m = Metrics(5, 4);
  const QSize full = ArrangedSize(m, All(m));
  EXPECT_EQ(ChooseLayout(m, All(m), full, TResizedEdges::Both), All(m));
  // Larger than needed: nothing more to show, the window keeps to its content.
  EXPECT_EQ(ChooseLayout(m, All(m), full + QSize(80, 60), TResizedEdges::Both), All(m));
}

TEST(TableLayout, DraggingTheBottomUpShowsTheRowsThatFit) {
  const TTableMetrics m = Metrics(5, 25);
  const TTableArrangement opened{0, 0, 5, 10};
  const QSize asked(ArrangedSize(m, opened).width(), ArrangedSize(m, {0, 0, 5, 7}).height() + 10);
  const TTableArrangement a = ChooseLayout(m, opened, asked, TResizedEdges::Height);
  EXPECT_EQ(a.ShownRows, 7);
  EXPECT_EQ(a.ShownColumns, 5);
  EXPECT_TRUE(RowsScroll(m, a));
  EXPECT_LE(ArrangedSize(m, a).height(), asked.height());
}

TEST(TableLayout, ScrolledRowsStayWithinTheTable) {
  const TTableMetrics m = Metrics(2, 25);
  const TTableArrangement scrolled{0, 20, 2, 5};
  const QSize asked(ArrangedSize(m, scrolled).width(), ArrangedSize(m, {0, 0, 2, 9}).height());
  const TTableArrangement a = ChooseLayout(m, scrolled, asked, TResizedEdges::Height);
  EXPECT_GT(a.ShownRows, 5);
  EXPECT_EQ(a.TopRowOffset, 25 - a.ShownRows);
}

TEST(TableLayout, DraggingTheRightEdgeInScrollsTheColumnsButKeepsTheButtons) {
  const TTableMetrics m = Metrics(8, 4);
  const QSize full = ArrangedSize(m, All(m));
  const QSize asked(full.width() - 150, full.height() + 15);
  const TTableArrangement a = ChooseLayout(m, All(m), asked, TResizedEdges::Width);
  EXPECT_TRUE(ColumnsScroll(m, a));
  EXPECT_LT(a.ShownColumns, 8);
  EXPECT_LE(ArrangedSize(m, a).width(), asked.width());
  // Far narrower than the row of buttons: the buttons still fit.
  const TTableArrangement narrow =
      ChooseLayout(m, All(m), QSize(100, asked.height()), TResizedEdges::Width);
  EXPECT_GE(ArrangedSize(m, narrow).width(), 2 * m.Margin + m.BelowGridWidth);
  EXPECT_GE(narrow.ShownColumns, 1);
}

// A window with room for less than it would show: the rows scroll first,
// then the columns, and what it keeps in view stays shown.
TEST(TableLayout, AnArrangementFitsTheRoomItHas) {
  const TTableMetrics m = Metrics(5, 25);
  const TTableArrangement opened{0, 0, 5, 10};
  const QSize full = ArrangedSize(m, opened);
  EXPECT_EQ(FitArrangement(m, opened, full), opened);
  EXPECT_EQ(FitArrangement(m, opened, QSize()), opened);

  const QSize lower(full.width(), full.height() - 3 * m.RowHeight);
  const TTableArrangement fewer = FitArrangement(m, opened, lower);
  EXPECT_EQ(fewer.ShownRows, 7);
  EXPECT_EQ(fewer.ShownColumns, 5);
  EXPECT_EQ(fewer.TopRowOffset, 0);
  EXPECT_LE(ArrangedSize(m, fewer).height(), lower.height());

  // After rows were added at the end, the last row stays shown.
  const TTableArrangement added = FitArrangement(m, {0, 15, 5, 10}, lower, 24);
  EXPECT_EQ(added.TopRowOffset + added.ShownRows, 25);

  // Narrower too: the columns scroll, and both scroll bars are allowed for.
  const TTableMetrics wide = Metrics(8, 25);
  const TTableArrangement wideOpened{0, 0, 8, 10};
  const QSize small(ArrangedSize(wide, wideOpened).width() - 2 * 60 - 10, lower.height());
  const TTableArrangement both = FitArrangement(wide, wideOpened, small);
  EXPECT_EQ(both.ShownColumns, 5);
  EXPECT_LE(ArrangedSize(wide, both).width(), small.width());
  EXPECT_LE(ArrangedSize(wide, both).height(), small.height());
  EXPECT_EQ(both.ShownRows, 6);  // the horizontal scroll bar took most of a row

  // No room at all: one row and one column, never none.
  const TTableArrangement least = FitArrangement(m, opened, QSize(10, 10));
  EXPECT_EQ(least.ShownRows, 1);
  EXPECT_EQ(least.ShownColumns, 1);
  EXPECT_EQ(FitArrangement(m, {0, 0, 5, 0}, QSize(10, 10)).TopRowOffset, 0);
}

struct WasteRow {
  QSize Arranged, Asked;
  long long Waste;
};

class UncoveredAreaTest : public ::testing::TestWithParam<WasteRow> {};

TEST_P(UncoveredAreaTest, CountsWhatFallsOutsideTheAskedSize) {
  EXPECT_EQ(UncoveredArea(GetParam().Arranged, GetParam().Asked), GetParam().Waste);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UncoveredAreaTest, ::testing::Values(
  WasteRow{{100, 100}, {100, 100}, 0},
  WasteRow{{ 80,  90}, {100, 100}, 0},
  WasteRow{{100, 120}, {100, 100}, 20 * 100},
  WasteRow{{120,  90}, {100, 100}, 20 * 100},
  WasteRow{{120, 110}, {100, 100}, 120 * 110 - 100 * 100}));
// clang-format on

}  // namespace
}  // namespace zavik
