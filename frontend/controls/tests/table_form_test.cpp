// The table editor window, driven as a user would: clicks, keys, focus.
#include "MessageCatcher.h"
#include "controls/ColumnTypes.h"
#include "controls/TableForm.h"
#include "controls/TableWindows.h"

#include <QComboBox>
#include <QLabel>
#include <QHeaderView>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace zavik {
namespace {

using testing::TMessageCatcher;

const char* const SoilColumns = R"(5,
  2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
  2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
  2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Weak zone shear", "modulus ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)";

const char* const PileColumns = R"(2,
  2, ("X-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Y-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0)";

void Define(TGridTable& Table, const char* Caption, const char* Columns, int MaxRows = 0) {
  Table.SetCaption(QString::fromUtf8(Caption));
  Table.SetTopLeft(QStringLiteral("Layer"));
  Table.SetMaxRows(MaxRows);
  Table.SetCol(QString::fromUtf8(Columns));
}

// Soil layers whose shear wave velocities are 100, 200, 300, ...
void DefineLayers(TGridTable& Soil, int Rows) {
  Define(Soil, "Soil Properties", SoilColumns, 20);
  Soil.SetRowCount(Rows);
  for (int r = 0; r < Rows; ++r) Soil.Cells(0, r)->SetFloat(100 * (r + 1));
}

QWidget* Focused() { return QApplication::focusWidget(); }

class TableFormTest : public ::testing::Test {
protected:
  TTableForm* Open(TGridTable& Table) {
    Table.SetWindows(&windows);
    Table.Show();
    TTableForm* form = windows.FormOf(&Table);
    EXPECT_NE(form, nullptr);
    if (!form) return nullptr;
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form));
    return form;
  }
  // A soil table of Rows rows opened as a child window of Area; its frame.
  QMdiSubWindow* OpenInArea(QMdiArea& Area, TGridTable& Soil, const char* Caption, int Rows,
                            int MaxRows = 20) {
    windows.SetMdiArea(&Area);
    Define(Soil, Caption, SoilColumns, MaxRows);
    Soil.SetRowCount(Rows);
    Soil.SetWindows(&windows);
    Soil.Show();
    TTableForm* form = windows.FormOf(&Soil);
    return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
  }
  static QModelIndex Cell(TTableForm* Form, int Row, int Column) {
    return Form->Grid()->model()->index(Row, Column);
  }
  static void ClickCell(TTableForm* Form, int Row, int Column) {
    TTableGrid* grid = Form->Grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(Cell(Form, Row, Column)).center());
  }
  // Types over the whole entry of the cell being edited, key by key to
  // whatever has the focus (the first key may open the cell's editor).
  static void Type(const QString& Text) {
    QTest::keyClick(Focused(), Qt::Key_A, Qt::ControlModifier);
    for (QChar c : Text) QTest::keyClicks(Focused(), QString(c));
  }
  // The user's next action comes after the events of the last one, with the
  // window active again once a message box has been answered.
  static void Pause(QWidget* Window) {
    QTest::qWait(20);
    EXPECT_TRUE(QTest::qWaitForWindowActive(Window));
  }
  // A click on the number of a row, in the row numbers before the cells.
  static void ClickRowNumber(TTableForm* Form, int Row) {
    QHeaderView* numbers = Form->Grid()->verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->width() / 2, numbers->sectionViewportPosition(Row) + numbers->sectionSize(Row) / 2));
  }
  // The colour in which the number of a row is drawn behind its text.
  static QRgb NumberBackground(TTableForm* Form, int Row) {
    QHeaderView* numbers = Form->Grid()->verticalHeader();
    const QImage shown = numbers->viewport()->grab().toImage();
    const qreal scale = shown.devicePixelRatio();
    return shown.pixel(int((numbers->width() - 4) * scale),
                       int((numbers->sectionViewportPosition(Row) + numbers->sectionSize(Row) / 2) * scale));
  }
  static int LastVisibleRow(TTableForm* Form) {
    return Form->Grid()->rowAt(Form->Grid()->viewport()->height() - 1);
  }
  TTableWindowHost windows;
};

struct ShownRow {
  int Rows;
  int Shown;
  bool Scrolls;
};

void PrintTo(const ShownRow& R, std::ostream* Os) { *Os << R.Rows << " rows"; }

class ShownRowsTest : public TableFormTest, public ::testing::WithParamInterface<ShownRow> {};

TEST_P(ShownRowsTest, OpensWithTenRowsAtMost) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 20);
  soil.SetRowCount(GetParam().Rows);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  TTableGrid* grid = form->Grid();
  EXPECT_EQ(form->windowTitle(), QStringLiteral("Soil Properties "));
  EXPECT_EQ(form->Arrangement().ShownRows, GetParam().Shown);
  EXPECT_EQ(grid->verticalScrollBar()->isVisible(), GetParam().Scrolls);
  EXPECT_EQ(grid->viewport()->height(), GetParam().Shown * grid->rowHeight(0));
  EXPECT_EQ(LastVisibleRow(form), GetParam().Shown - 1);
  EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());
  // The header lines with the unit, the row numbers.
  EXPECT_EQ(grid->model()->headerData(0, Qt::Horizontal).toString(),
            QStringLiteral("Shear wave\nvelocity,  (ft/SEC)  "));
  EXPECT_EQ(grid->model()->headerData(3, Qt::Vertical).toInt(), 4);
  // Scrolling down reaches the last row.
  grid->verticalScrollBar()->setValue(grid->verticalScrollBar()->maximum());
  EXPECT_EQ(LastVisibleRow(form), GetParam().Rows - 1);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, ShownRowsTest, ::testing::Values(
  ShownRow{25, 10, true},
  ShownRow{10, 10, false},
  ShownRow{ 4,  4, false}));
// clang-format on

struct ButtonRow {
  int MinRows, MaxRows, Rows;
  bool Visible, Add, Delete;
};

void PrintTo(const ButtonRow& R, std::ostream* Os) {
  *Os << R.MinRows << ".." << R.MaxRows << ", " << R.Rows << " rows";
}

class RowButtonsTest : public TableFormTest, public ::testing::WithParamInterface<ButtonRow> {};

TEST_P(RowButtonsTest, FollowTheRowLimits) {
  const ButtonRow& p = GetParam();
  TGridTable table;
  Define(table, "Pile Data", SoilColumns, p.MaxRows);
  table.SetMinRows(p.MinRows);
  table.SetRowCount(p.Rows);
  TTableForm* form = Open(table);
  ASSERT_NE(form, nullptr);
  for (QPushButton* b : {form->BtnAdd(), form->BtnIns(), form->BtnDel()})
    EXPECT_EQ(b->isVisible(), p.Visible);
  if (!p.Visible) return;
  EXPECT_EQ(form->BtnAdd()->isEnabled(), p.Add);
  EXPECT_EQ(form->BtnIns()->isEnabled(), p.Add);
  EXPECT_EQ(form->BtnDel()->isEnabled(), p.Delete);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RowButtonsTest, ::testing::Values(
  ButtonRow{1, 20, 20, true,  false, true},
  ButtonRow{1, 20,  1, true,  true,  false},
  ButtonRow{1,  0,  5, true,  true,  true},
  ButtonRow{3,  3,  3, false, false, false}));
// clang-format on

TEST_F(TableFormTest, AddRowStopsAtMaxRowsAndShowsTheNewRow) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 11);
  soil.SetRowCount(9);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
  EXPECT_EQ(soil.RowCount(), 10);
  EXPECT_EQ(form->Arrangement().ShownRows, 10);  // nine of nine shown: now ten of ten
  EXPECT_FALSE(form->Grid()->verticalScrollBar()->isVisible());
  QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
  EXPECT_EQ(soil.RowCount(), 11);
  EXPECT_EQ(form->Arrangement().ShownRows, 10);
  EXPECT_EQ(LastVisibleRow(form), 10);  // scrolled to the new last row
  EXPECT_FALSE(form->BtnAdd()->isEnabled());
  EXPECT_FALSE(form->BtnIns()->isEnabled());
  QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);  // disabled: nothing happens
  EXPECT_EQ(soil.RowCount(), 11);
  EXPECT_TRUE(soil.GetChanged());
}

TEST_F(TableFormTest, InsertAndDeleteRowActOnTheCurrentRow) {
  TGridTable soil;
  DefineLayers(soil, 3);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 1, 2);
  QTest::mouseClick(form->BtnIns(), Qt::LeftButton);
  ASSERT_EQ(soil.RowCount(), 4);
  EXPECT_EQ(soil.Cells(0, 1)->AsFloat(), 0);
  EXPECT_EQ(soil.Cells(0, 2)->AsFloat(), 200);
  ClickCell(form, 3, 0);
  QTest::mouseClick(form->BtnDel(), Qt::LeftButton);
  ASSERT_EQ(soil.RowCount(), 3);
  EXPECT_EQ(soil.Cells(0, 2)->AsFloat(), 200);
  EXPECT_EQ(form->Arrangement().ShownRows, 3);
}

// A click on a row's number makes that row current, in the column the user
// works in, and Delete Row and Insert Row act on it; the current row's
// number stands out from the others wherever the current cell goes.
TEST_F(TableFormTest, AClickOnARowsNumberMakesThatRowTheOneTheButtonsActOn) {
  TGridTable soil;
  DefineLayers(soil, 4);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 1);
  Pause(form);
  const QRgb plain = NumberBackground(form, 3);
  EXPECT_NE(NumberBackground(form, 0), plain);
  ClickRowNumber(form, 2);
  EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 2, 1));
  EXPECT_NE(NumberBackground(form, 2), plain);
  EXPECT_EQ(NumberBackground(form, 0), plain);
  QTest::mouseClick(form->BtnDel(), Qt::LeftButton);
  ASSERT_EQ(soil.RowCount(), 3);
  EXPECT_EQ(soil.Cells(0, 0)->AsFloat(), 100);
  EXPECT_EQ(soil.Cells(0, 1)->AsFloat(), 200);
  EXPECT_EQ(soil.Cells(0, 2)->AsFloat(), 400);
  // The row in its place is current now, and shown so.
  EXPECT_EQ(form->Grid()->currentIndex().row(), 2);
  EXPECT_NE(NumberBackground(form, 2), NumberBackground(form, 1));
  ClickRowNumber(form, 0);
  QTest::mouseClick(form->BtnIns(), Qt::LeftButton);
  ASSERT_EQ(soil.RowCount(), 4);
  EXPECT_EQ(soil.Cells(0, 0)->AsFloat(), 0);
  EXPECT_EQ(soil.Cells(0, 1)->AsFloat(), 100);
  // The keys come with the click: what is typed goes into the row's cell.
  ClickRowNumber(form, 3);
  Type(QStringLiteral("7"));
  QTest::keyClick(Focused(), Qt::Key_Return);
  EXPECT_EQ(soil.Cells(1, 3)->AsFloat(), 7);
}

// A click on a number does not leave a refused entry either.
TEST_F(TableFormTest, ARefusedEntryKeepsItsRowWhenANumberIsClicked) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 20);
  soil.SetRowCount(3);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Type(QStringLiteral("abc"));
  TMessageCatcher catcher;
  ClickRowNumber(form, 2);
  Pause(form);
  EXPECT_EQ(catcher.Messages.size(), 1);
  EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 0, 0));
  QTest::mouseClick(form->BtnDel(), Qt::LeftButton);
  Pause(form);
  EXPECT_EQ(soil.RowCount(), 3);
  ASSERT_NE(Focused(), nullptr);
  QTest::keyClick(Focused(), Qt::Key_Escape);
  EXPECT_TRUE(form->close());
}

// What the analysis cannot read in single precision is refused in the cell,
// with the focus back there, as any other entry it cannot take.
TEST_F(TableFormTest, AValueBeyondTheAnalysissRangeIsRefusedInItsCell) {
  TGridTable piles;
  Define(piles, "Pile Coordinations", PileColumns);
  piles.SetRowCount(2);
  piles.Cells(0, 0)->SetFloat(-1.5);
  TTableForm* form = Open(piles);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Pause(form);
  for (const char* typed : {"1e400", "-1e-400"}) {
    SCOPED_TRACE(typed);
    Type(QLatin1String(typed));
    TMessageCatcher catcher;
    QTest::keyClick(Focused(), Qt::Key_Return);
    Pause(form);
    EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Entry could not be evaluated:\nvalue beyond the range of "
                                                          "the analysis (0, or a magnitude between about 1.2E-38 "
                                                          "and 3.4E38)")});
    EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 0, 0));
    auto* editor = qobject_cast<QLineEdit*>(Focused());
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QLatin1String(typed));
    QTest::keyClick(Focused(), Qt::Key_Escape);
    EXPECT_EQ(piles.Cells(0, 0)->AsFloat(), -1.5);
  }
  Type(QStringLiteral("3e38"));
  QTest::keyClick(Focused(), Qt::Key_Return);
  EXPECT_EQ(piles.Cells(0, 0)->GetText(), QStringLiteral("3E38"));
  EXPECT_TRUE(form->close());
}

TEST_F(TableFormTest, EnterWalksDownTheColumnThenOnToTheNext) {
  TGridTable table;
  Define(table, "Pile Coordinations", PileColumns);
  table.SetRowCount(2);
  TTableForm* form = Open(table);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Type(QStringLiteral("2*3.5"));
  QList<QPair<int, int>> cells;
  for (int i = 0; i < 4; ++i) {
    QTest::keyClick(Focused(), Qt::Key_Return);
    const QModelIndex c = form->Grid()->currentIndex();
    cells.append({c.row(), c.column()});
  }
  EXPECT_EQ(cells, (QList<QPair<int, int>>{{1, 0}, {0, 1}, {1, 1}, {0, 0}}));
  EXPECT_EQ(table.Cells(0, 0)->AsFloat(), 7);  // the expression's value
  // The current cell shows its editor with the value.
  auto* editor = qobject_cast<QLineEdit*>(Focused());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("7"));
}

// The editor of the current cell shows the value in eight digits; leaving it
// unedited must not write those digits back over the value the cell holds
// (a unit round trip would then change an unedited 4 into 4.0000001).
TEST_F(TableFormTest, LeavingACellTheUserDidNotTypeInWritesNothing) {
  TGridTable elements;
  Define(elements, "Pile Data", R"(2,
    2, ("Layer ", "depth, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
    2, ("Radius of pile", "(X-dir.) "), True, False, False, "FLOATCOLUMN2", "L2", 0.0)");
  elements.SetUnits(2);
  elements.SetRowCount(2);
  elements.Cells(0, 0)->SetFloat(4);
  TTableForm* form = Open(elements);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Pause(form);
  elements.SetUnits(1);
  const long double english = elements.Cells(0, 0)->AsFloat();
  auto* editor = qobject_cast<QLineEdit*>(Focused());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("13.12336"));
  ClickCell(form, 1, 1);
  EXPECT_TRUE(form->CommitCell());
  EXPECT_EQ(elements.Cells(0, 0)->AsFloat(), english);
  elements.SetUnits(2);
  EXPECT_EQ(elements.Cells(0, 0)->GetText(), QStringLiteral("4"));
  EXPECT_FALSE(elements.GetChanged());
}

// A table that changes while the user works in another window of the same
// area takes no focus: its grid opens the editor of its current cell anew
// only where the keys are.
TEST_F(TableFormTest, ATableChangedElsewhereTakesNoFocus) {
  QMdiArea area;
  area.resize(900, 600);
  auto* elsewhere = new QLineEdit;
  area.addSubWindow(elsewhere);
  area.show();
  TGridTable soil;
  OpenInArea(area, soil, "Soil Properties", 3);
  area.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
  area.setActiveSubWindow(area.subWindowList().constFirst());
  elsewhere->setFocus();
  ASSERT_EQ(Focused(), elsewhere);
  soil.SetUnits(2);
  soil.AddRowGroup();
  EXPECT_EQ(Focused(), elsewhere);
  EXPECT_EQ(area.activeSubWindow()->widget(), elsewhere);
  EXPECT_EQ(windows.FormOf(&soil)->Grid()->model()->rowCount(), 4);
}

TEST_F(TableFormTest, ARefusedEntryKeepsItsCellAndTheWindow) {
  TGridTable counts;
  Define(counts, "Counts", R"(2,
    1, ("Piles"), True, False, 1, 1, 9,
    2, ("Depth"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)");
  counts.SetRowCount(3);
  TTableForm* form = Open(counts);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Type(QStringLiteral("2.5"));
  TMessageCatcher catcher;
  QTest::keyClick(Focused(), Qt::Key_Return);
  Pause(form);
  ASSERT_EQ(catcher.Messages.size(), 1);
  EXPECT_EQ(catcher.Messages[0].Text, QStringLiteral("Entry must be an integer."));
  EXPECT_EQ(catcher.Messages[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(catcher.Messages[0].Buttons.size(), 1);
  EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 0, 0));
  auto* editor = qobject_cast<QLineEdit*>(Focused());
  ASSERT_NE(editor, nullptr);
  EXPECT_EQ(editor->text(), QStringLiteral("2.5"));
  EXPECT_EQ(counts.Cells(0, 0)->AsInteger(), 1);

  // Neither another cell, nor a row button, nor closing leaves it; each
  // says why once.
  catcher.Clear();
  Pause(form);
  ClickCell(form, 2, 1);
  EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 0, 0));
  Pause(form);
  QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
  EXPECT_EQ(counts.RowCount(), 3);
  Pause(form);
  EXPECT_FALSE(form->close());
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(catcher.Texts(), QStringList(3, QStringLiteral("Entry must be an integer.")));

  // Put right, the entry is written and Enter goes on.
  Pause(form);
  Type(QStringLiteral("12"));
  catcher.Clear();
  QTest::keyClick(Focused(), Qt::Key_Return);
  Pause(form);
  EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Entry must be between 1 and 9.")});
  Type(QStringLiteral("3"));
  QTest::keyClick(Focused(), Qt::Key_Return);
  EXPECT_EQ(counts.Cells(0, 0)->AsInteger(), 3);
  EXPECT_EQ(form->Grid()->currentIndex(), Cell(form, 1, 0));
  EXPECT_TRUE(form->close());
}

TEST_F(TableFormTest, EscapeTakesBackARefusedEntry) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 20);
  soil.SetRowCount(1);
  soil.Cells(0, 0)->SetFloat(150);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  ClickCell(form, 0, 0);
  Type(QStringLiteral("1/0"));  // an arithmetic fault is refused as well
  TMessageCatcher catcher;
  QTest::keyClick(Focused(), Qt::Key_Return);
  Pause(form);
  EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Floating point division by zero")});
  QTest::keyClick(Focused(), Qt::Key_Escape);
  EXPECT_TRUE(form->isVisible());
  EXPECT_EQ(form->Grid()->model()->data(Cell(form, 0, 0)).toString(), QStringLiteral("150"));
  EXPECT_TRUE(form->close());
  EXPECT_EQ(soil.Cells(0, 0)->AsFloat(), 150);
}

// Transient loads: a load type chosen in each row, the row's amplitudes in a
// nested table opened by the button of its cell.
class NestedFormTest : public TableFormTest {
protected:
  void SetUp() override {
    amplitudes.SetIdentifier(8);
    Define(amplitudes, "Load Amplitude",
           R"(1, 2, ("Load Amplitude"), True, False, False, "FLOATCOLUMN2", "F", 0.0)");
    amplitudes.SetTopLeft(QStringLiteral("Number"));
    Define(loads, "Transient Loading Data", R"(2,
      0, ("Load type"), True, False, ("Force in X-direction", "Force in Y-direction",
         "Force in Z-direction"),
      3, ("Load amplitude"), True, False, "FLEXCOLUMN2", (8, -1, 8))");
    loads.SetRowCount(3);
    loads.SetWindows(&windows);
  }
  QPushButton* Button(TTableForm* Form, int Row) {
    return qobject_cast<QPushButton*>(Form->Grid()->indexWidget(Cell(Form, Row, 1)));
  }
  QComboBox* Choice(TTableForm* Form, int Row) {
    return qobject_cast<QComboBox*>(Form->Grid()->indexWidget(Cell(Form, Row, 0)));
  }
  TGridTable amplitudes, loads;
};

TEST_F(NestedFormTest, EveryRowShowsItsChoiceAndItsButton) {
  TTableForm* form = Open(loads);
  ASSERT_NE(form, nullptr);
  for (int r = 0; r < 3; ++r) {
    ASSERT_NE(Choice(form, r), nullptr);
    ASSERT_NE(Button(form, r), nullptr);
    EXPECT_TRUE(Choice(form, r)->isVisible());
    EXPECT_EQ(Choice(form, r)->currentText(), QStringLiteral("Force in X-direction"));
    EXPECT_EQ(Button(form, r)->text(), QStringLiteral("%1: Load Amplitude").arg(r + 1));
    // Each control sits on its own cell.
    EXPECT_EQ(Button(form, r)->geometry(), form->Grid()->visualRect(Cell(form, r, 1)));
  }
  // The longest item fits its column.
  EXPECT_GE(form->Grid()->columnWidth(0), Choice(form, 0)->sizeHint().width());
}

TEST_F(NestedFormTest, ANestedTableOpensFromItsCell) {
  TTableForm* form = Open(loads);
  ASSERT_NE(form, nullptr);
  QTest::mouseClick(Button(form, 1), Qt::LeftButton);
  TGridTable* nested = loads.Cells(1, 1)->AsTable();
  ASSERT_NE(nested, nullptr);
  TTableForm* inner = windows.FormOf(nested);
  ASSERT_NE(inner, nullptr);
  EXPECT_TRUE(inner->isVisible());
  EXPECT_FALSE(inner->IsModal());
  EXPECT_EQ(inner->windowTitle(), QStringLiteral("Load Amplitude  2"));
  EXPECT_EQ(inner->Grid()->model()->headerData(0, Qt::Horizontal).toString(),
            QStringLiteral("Load Amplitude (lbs)  "));
}

TEST_F(NestedFormTest, ChoosingALoadTypeStoresItAndRenewsTheRowsTable) {
  TTableForm* form = Open(loads);
  ASSERT_NE(form, nullptr);
  QComboBox* choice = Choice(form, 2);
  choice->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(form->Grid()->currentIndex().row(), 2);  // the current row follows the focus
  QTest::keyClick(choice, Qt::Key_Down);
  EXPECT_EQ(loads.Cells(0, 2)->AsInteger(), 2);
  EXPECT_EQ(loads.Cells(1, 2)->AsTable(), nullptr);  // no template for that load type
  EXPECT_EQ(Button(form, 2)->text(), QString());
  // A table of choices and buttons only still has rows to insert before.
  QTest::mouseClick(form->BtnIns(), Qt::LeftButton);
  ASSERT_EQ(loads.RowCount(), 4);
  EXPECT_EQ(loads.Cells(0, 3)->AsInteger(), 2);
  EXPECT_EQ(Choice(form, 3)->currentText(), QStringLiteral("Force in Y-direction"));
  EXPECT_EQ(Button(form, 1)->text(), QStringLiteral("2: Load Amplitude"));
}

TEST_F(NestedFormTest, FromAModalWindowTheNestedTableOpensModally) {
  QStringList seen;
  QTimer::singleShot(100, [&] {
    TTableForm* outer = windows.FormOf(&loads);
    if (!outer) return;
    seen << QStringLiteral("outer %1").arg(outer->IsModal());
    QTimer::singleShot(100, [&] {
      TGridTable* nested = loads.Cells(1, 0)->AsTable();
      auto* inner = qobject_cast<TTableForm*>(QApplication::activeModalWidget());
      if (inner && inner->Table() == nested) seen << QStringLiteral("inner modal");
      if (inner) inner->close();
      QTimer::singleShot(50, [&] {
        if (TTableForm* outer = windows.FormOf(&loads)) outer->close();
      });
    });
    QTest::mouseClick(Button(outer, 0), Qt::LeftButton);
  });
  loads.ShowModal();
  EXPECT_EQ(seen, (QStringList{QStringLiteral("outer 1"), QStringLiteral("inner modal")}));
  EXPECT_EQ(windows.FormOf(&loads), nullptr);  // a modal window is freed when it closes
}

TEST_F(TableFormTest, TheWindowGoesWithItsTable) {
  auto table = std::make_unique<TGridTable>();
  Define(*table, "Soil Properties", SoilColumns, 20);
  QPointer<TTableForm> form = Open(*table);
  ASSERT_TRUE(form);
  table.reset();
  EXPECT_TRUE(!form || !form->isVisible());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(form);
}

TEST_F(TableFormTest, EmbeddedInItsFormParentOrAChildOfTheMdiArea) {
  QWidget host;
  host.resize(800, 400);
  host.show();
  TGridTable inside, child;
  Define(inside, "Mass Components", SoilColumns, 100);
  Define(child, "Soil Layer Data", SoilColumns, 20);
  inside.SetFormParent(&host);
  inside.SetWindows(&windows);
  child.SetWindows(&windows);
  inside.Show();
  TTableForm* embedded = windows.FormOf(&inside);
  ASSERT_NE(embedded, nullptr);
  EXPECT_EQ(embedded->parentWidget(), &host);
  EXPECT_FALSE(embedded->isWindow());
  EXPECT_EQ(embedded->pos(), QPoint(0, 0));

  QMdiArea area;
  area.resize(900, 600);
  area.show();
  windows.SetMdiArea(&area);
  child.Show();
  ASSERT_EQ(area.subWindowList().size(), 1);
  QMdiSubWindow* frame = area.subWindowList()[0];
  EXPECT_EQ(frame->widget(), windows.FormOf(&child));
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("Soil Layer Data "));
  frame->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(child.HasForm());
}

// In a small area (a main window at 1024x768 and less) a long table's
// window lies inside the area with its buttons in view, however many rows
// are added; it has no maximise button and cannot be maximised.
TEST_F(TableFormTest, AChildOfASmallAreaStaysInsideItWithItsButtonsInView) {
  QMdiArea area;
  area.resize(520, 300);
  area.show();
  TGridTable soil;
  QMdiSubWindow* frame = OpenInArea(area, soil, "Soil Layer Data", 25, 0);
  ASSERT_NE(frame, nullptr);
  auto* form = qobject_cast<TTableForm*>(frame->widget());
  const QRect inside(QPoint(0, 0), area.viewport()->size());
  auto buttonsShown = [&] {
    const QRect button(form->BtnDel()->mapTo(area.viewport(), QPoint(0, 0)), form->BtnDel()->size());
    return inside.contains(button);
  };
  EXPECT_TRUE(QTest::qWaitFor([&] { return inside.contains(frame->geometry()); }, 2000))
      << frame->geometry().x() << "," << frame->geometry().y() << " " << frame->width() << "x"
      << frame->height();
  EXPECT_TRUE(buttonsShown());
  EXPECT_LT(form->Arrangement().ShownRows, 10);
  EXPECT_GE(form->Arrangement().ShownRows, 1);

  // Moved to the bottom right and grown: back inside, the new row shown.
  frame->move(inside.bottomRight() - QPoint(60, 60));
  QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
  EXPECT_EQ(soil.RowCount(), 26);
  EXPECT_TRUE(inside.contains(frame->geometry()));
  EXPECT_TRUE(buttonsShown());
  const TTableArrangement& a = form->Arrangement();
  EXPECT_EQ(a.TopRowOffset + a.ShownRows, 26);

  EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_TRUE(frame->windowFlags() & Qt::WindowSystemMenuHint);
  const QList<QAction*> menu = frame->systemMenu()->actions();
  EXPECT_TRUE(std::none_of(menu.begin(), menu.end(), [](QAction* item) {
    return item->isVisible() && item->text().contains(QStringLiteral("Ma"), Qt::CaseInsensitive) &&
           item->text().contains(QStringLiteral("imize"));
  }));
}

// A table opened while a maximised window (a plot) is active stays at its
// own size: the area would maximise it as it does every window it
// activates then.
TEST_F(TableFormTest, OpenedBesideAMaximisedWindowItKeepsItsOwnSize) {
  QMdiArea area;
  area.resize(900, 600);
  QMdiSubWindow* plot = area.addSubWindow(new QLabel(QStringLiteral("plot")));
  area.show();
  plot->showMaximized();
  ASSERT_TRUE(plot->isMaximized());
  TGridTable soil;
  QMdiSubWindow* frame = OpenInArea(area, soil, "Soil Layer Data", 3);
  ASSERT_NE(frame, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([&] { return !frame->isMaximized(); }, 2000));
  QTest::qWait(50);
  EXPECT_FALSE(frame->isMaximized());
  EXPECT_EQ(area.activeSubWindow(), frame);
  EXPECT_EQ(frame->widget()->size(), windows.FormOf(&soil)->sizeHint());
}

TEST_F(TableFormTest, AfterTheUserResizesTheWindowTakesTheArrangementOfLeastWaste) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 0);
  soil.SetRowCount(25);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  const QSize opened = form->size();
  const int row = form->Grid()->rowHeight(0);
  form->resize(opened.width(), opened.height() - 3 * row - row / 2);
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->Arrangement().ShownRows == 6; }, 3000))
      << form->Arrangement().ShownRows;
  EXPECT_EQ(form->size(), QSize(opened.width(), opened.height() - 4 * row));
  // Narrower than the columns: the columns scroll, the buttons stay whole.
  form->resize(form->BtnDel()->geometry().right() / 2, form->height());
  EXPECT_TRUE(QTest::qWaitFor([&] { return form->Grid()->horizontalScrollBar()->isVisible(); }, 3000));
  EXPECT_GE(form->width(), form->BtnDel()->geometry().right());
  EXPECT_LT(form->Arrangement().ShownColumns, 5);
}

TEST_F(TableFormTest, CommentsAndPictureStandBelowTheButtons) {
  TGridTable soil;
  Define(soil, "Soil Properties", SoilColumns, 20);
  // Lines broken by carriage returns, one of them wider than the grid.
  soil.SetComments(QStringLiteral("Weak Zone Shear Moduli Ratio is suggested to be:\r"
                                  "0.25 to 0.50 for machine foundations,\r"
                                  "a value of 1 indicates that no reduction will be considered, and a value of 0 "
                                  "may generate numerical errors in the analysis"));
  QImage picture(160, 60, QImage::Format_RGB32);
  picture.fill(Qt::darkCyan);
  soil.SetHelpPicture(picture);
  TTableForm* form = Open(soil);
  ASSERT_NE(form, nullptr);
  auto* comments = form->findChild<QLabel*>(QString(), Qt::FindDirectChildrenOnly);
  ASSERT_NE(comments, nullptr);
  QLabel* shown = nullptr;
  for (QLabel* l : form->findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly))
    if (!l->pixmap().isNull()) shown = l;
  ASSERT_NE(shown, nullptr);
  EXPECT_TRUE(comments->isVisible());
  EXPECT_TRUE(comments->text().startsWith(QStringLiteral("Weak Zone")));
  EXPECT_GT(comments->y(), form->BtnAdd()->geometry().bottom());
  EXPECT_GE(comments->height(), 3 * comments->fontMetrics().height());
  EXPECT_LT(comments->geometry().right(), form->width());
  EXPECT_GT(comments->width(), form->Grid()->width());
  EXPECT_GT(shown->y(), comments->geometry().bottom());
  EXPECT_EQ(shown->size(), QSize(160, 60));
  EXPECT_GT(form->height(), shown->geometry().bottom());
  // A new picture while the window is open: it shows, the window grows.
  const int height = form->height();
  soil.SetHelpPicture(QImage(160, 100, QImage::Format_RGB32));
  EXPECT_EQ(shown->height(), 100);
  EXPECT_EQ(form->height(), height + 40);
}

TEST(ColumnMinWidth, WidestHeaderLineOrWhatTheKindNeeds) {
  TGridTable table;
  auto add = [&](auto column, std::initializer_list<const char*> headers) {
    for (const char* h : headers) column->Headers.append(QString::fromUtf8(h));
    return table.AddColumn(std::move(column));
  };
  TColumn* e = add(std::make_unique<TEnumColumn>(&table), {"ab"});
  TColumn* i = add(std::make_unique<TIntColumn>(&table), {"a much longer header line"});
  auto f = std::make_unique<TFloatColumn>(&table);
  f->UnitTemplate = QStringLiteral("L2");
  TColumn* fl = add(std::move(f), {"x", "y"});
  TColumn* t = add(std::make_unique<TTableColumn>(&table), {"t"});
  auto s = std::make_unique<TStringColumn>(&table);
  s->WidthFactor = 2.5L;
  TColumn* st = add(std::move(s), {"s"});
  const QFontMetrics fm{QFont()};
  EXPECT_EQ(ColumnMinWidth(*e, fm, 96), 144);
  EXPECT_EQ(ColumnMinWidth(*i, fm, 96),
            std::max(48, fm.horizontalAdvance(QStringLiteral("a much longer header line  "))));
  EXPECT_EQ(ColumnMinWidth(*fl, fm, 96),
            std::max(48, fm.horizontalAdvance(QStringLiteral("y (ft)    "))));
  EXPECT_EQ(ColumnMinWidth(*t, fm, 96), 192);
  EXPECT_EQ(ColumnMinWidth(*st, fm, 96), 240);
}

}  // namespace
}  // namespace zavik
