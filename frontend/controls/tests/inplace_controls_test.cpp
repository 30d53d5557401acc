// In-place controls of enumeration and table columns, driven as a user would.
#include "FakeForm.h"
#include "controls/ColumnTypes.h"
#include "controls/InPlaceControls.h"

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace zavik {
namespace {

using testing::TFakeFormFactory;

QList<QComboBox*> Combos(const QWidget& Host) {
  return Host.findChildren<QComboBox*>(QString(), Qt::FindDirectChildrenOnly);
}

QList<QPushButton*> Buttons(const QWidget& Host) {
  return Host.findChildren<QPushButton*>(QString(), Qt::FindDirectChildrenOnly);
}

// Picks an item of a drop-down list by typing its first letter.
void Choose(QComboBox* Combo, char FirstLetter) {
  Combo->setFocus();
  QTest::keyClick(Combo, FirstLetter);
}

class EnumControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    table.SetRowGroup(2);
    auto c = std::make_unique<TEnumColumn>(&table);
    c->Headers.append(QStringLiteral("Battered Plane"));
    c->SetItems({QStringLiteral("XZ-Plane"), QStringLiteral("YZ-Plane"), QStringLiteral("Other")});
    column = static_cast<TEnumColumn*>(table.AddColumn(std::move(c)));
    table.SetRowCount(6);
    host.resize(400, 300);
    host.show();
  }
  TFakeFormFactory windows;
  TGridTable table;
  TEnumColumn* column = nullptr;
  TControlHostWidget host;
};

TEST_F(EnumControlsTest, ChoosingAnItemStoresItsValue) {
  column->SetInteger(3, 3);
  column->SetInteger(4, 7);  // beyond the items: the list shows no selection
  column->AllocateControls(&host, 2, 3);
  const QList<QComboBox*> combos = Combos(host);
  ASSERT_EQ(combos.size(), 3);
  EXPECT_FALSE(combos[0]->isVisible());  // the editor places and shows them
  EXPECT_EQ(combos[0]->count(), 3);
  EXPECT_EQ(combos[0]->itemText(1), QStringLiteral("YZ-Plane"));
  EXPECT_EQ(combos[0]->currentIndex(), 0);
  EXPECT_EQ(combos[1]->currentIndex(), 2);
  EXPECT_EQ(combos[2]->currentIndex(), -1);
  EXPECT_EQ(column->GetControl(4), column->GetControl(4));
  EXPECT_EQ(column->GetControl(5), nullptr);

  for (QComboBox* c : combos) c->show();
  QList<int> changed;
  table.OnCellChanged = [&](int, int row) { changed.append(row); };
  Choose(combos[2], 'y');
  EXPECT_EQ(column->GetInteger(4), 2);
  EXPECT_EQ(column->GetInteger(5), 1);
  column->GroupValue = true;
  Choose(combos[0], 'o');  // row 2 and the rest of its group
  EXPECT_EQ(column->GetInteger(2), 3);
  EXPECT_EQ(column->GetInteger(3), 3);
  EXPECT_EQ(changed, (QList<int>{4, 2}));  // row 3 already held 3
  EXPECT_EQ(combos[1]->currentIndex(), 2);

  // A value stored from elsewhere shows in the list of its row.
  column->GroupValue = false;
  column->SetInteger(3, 1);
  EXPECT_EQ(combos[1]->currentIndex(), 0);
}

TEST_F(EnumControlsTest, KeepsExactlyTheRequestedControls) {
  column->AllocateControls(&host, 0, 4);
  column->AllocateControls(&host, 1, 2);
  EXPECT_EQ(Combos(host).size(), 2);
  EXPECT_EQ(Combos(host)[1]->currentIndex(), column->GetInteger(2) - 1);
  EXPECT_TRUE(column->ControlsAllocated());
  column->FreeControls();
  EXPECT_TRUE(Combos(host).isEmpty());
  EXPECT_FALSE(column->ControlsAllocated());
}

TEST_F(EnumControlsTest, FocusSelectsTheGridCellOfTheRow) {
  table.Show();
  column->AllocateControls(&host, 3, 2);
  for (QComboBox* c : Combos(host)) c->show();
  host.activateWindow();
  Combos(host)[1]->setFocus();
  QApplication::processEvents();
  ASSERT_FALSE(windows.Log.Selected.isEmpty());
  // Grid column 1 (after the row numbers), one header row above row 4.
  EXPECT_EQ(windows.Log.Selected.last(), (QPair<int, int>{1, 5}));
}

TEST_F(EnumControlsTest, ControlChecksRaiseTheirMessages) {
  auto expectMessage = [](auto f, const char* message) {
    try {
      f();
      ADD_FAILURE() << message;
    } catch (const Exception& e) {
      EXPECT_EQ(e.Message(), QLatin1String(message));
    }
  };
  TControlHostWidget other;
  expectMessage([&] { column->AllocateControls(nullptr, 0, 1); }, "null parent");
  column->AllocateControls(&host, 0, 1);
  expectMessage([&] { column->AllocateControls(&other, 0, 1); },
                "Error attempt to change parent with controls already allocated");
  auto* combo = static_cast<TComboControl*>(column->GetControl(0));
  combo->Row = -1;
  expectMessage([&] { column->ComboChange(combo); }, "Unexpected row for combobox");
}

class TableControlsTest : public ::testing::Test {
protected:
  void SetUp() override {
    spectrum.SetCaption(QStringLiteral("Random Spectrum Data"));
    spectrum.AddColumn(std::make_unique<TFloatColumn>(&spectrum));
    auto e = std::make_unique<TEnumColumn>(&random);
    e->SetItems({QStringLiteral("Force in X-direction"), QStringLiteral("Force in Y-direction")});
    random.AddColumn(std::move(e));
    auto t = std::make_unique<TTableColumn>(&random);
    column = static_cast<TTableColumn*>(random.AddColumn(std::move(t)));
    column->Templates.Delete(0);
    column->Templates.Insert(0, true, spectrum.Identifier());
    random.SetRowCount(3);
    host.show();
  }
  TFakeFormFactory windows;
  TGridTable spectrum, random;
  TTableColumn* column = nullptr;
  TControlHostWidget host;
};

TEST_F(TableControlsTest, ButtonsOpenTheNestedTableOfTheirRow) {
  column->AllocateControls(&host, 1, 2);
  const QList<QPushButton*> buttons = Buttons(host);
  ASSERT_EQ(buttons.size(), 2);
  EXPECT_EQ(buttons[0]->text(), QStringLiteral("2: Random Spectrum Data"));
  EXPECT_EQ(buttons[1]->text(), QStringLiteral("3: Random Spectrum Data"));
  random.Cells(0, 1)->SetInteger(2);  // no template: the button loses its caption
  EXPECT_EQ(buttons[0]->text(), QString());

  buttons[1]->show();
  QTest::mouseClick(buttons[1], Qt::LeftButton);
  ASSERT_EQ(windows.Tables.size(), 1);
  EXPECT_EQ(windows.Tables[0], random.Cells(1, 2)->AsTable());
  EXPECT_EQ(windows.Log.Shown, 1);
  EXPECT_EQ(windows.Log.ShownModal, 0);
}

TEST_F(TableControlsTest, NestedTableOpensModallyFromAModalWindow) {
  windows.Modal = true;
  random.ShowModal();
  column->AllocateControls(&host, 0, 1);
  Buttons(host)[0]->show();
  QTest::mouseClick(Buttons(host)[0], Qt::LeftButton);
  EXPECT_EQ(windows.Log.ShownModal, 2);
  EXPECT_EQ(windows.Tables.last(), random.Cells(1, 0)->AsTable());
}

TEST_F(TableControlsTest, OtherRowObjectsReportTheirClicks) {
  random.Cells(0, 0)->SetInteger(2);  // no template for the second item
  QList<int> clicked;
  random.OnButtonClick = [&](TGridTable*, int col, int row, QObject* data) {
    EXPECT_EQ(col, 1);
    EXPECT_EQ(data, nullptr);
    clicked.append(row);
  };
  column->AllocateControls(&host, 0, 1);
  Buttons(host)[0]->show();
  QTest::mouseClick(Buttons(host)[0], Qt::LeftButton);
  EXPECT_EQ(clicked, QList<int>{0});
}

struct AllocationRow {
  int TopRow;
  int Count;
  const char* Message;
};

void PrintTo(const AllocationRow& R, std::ostream* Os) { *Os << R.Message; }

class TableControlChecksTest : public TableControlsTest,
                               public ::testing::WithParamInterface<AllocationRow> {};

TEST_P(TableControlChecksTest, RefusesRowsOutsideTheTable) {
  try {
    column->AllocateControls(&host, GetParam().TopRow, GetParam().Count);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QLatin1String(GetParam().Message));
  }
  EXPECT_TRUE(Buttons(host).isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TableControlChecksTest, ::testing::Values(
  AllocationRow{-1, 1, "ATopRow -1"},
  AllocationRow{ 3, 1, "ATopRow 3"},
  AllocationRow{ 0, 0, "ACount 0"},
  AllocationRow{ 1, 3, "ACount 3"}));
// clang-format on

TEST_F(TableControlsTest, ParentChecks) {
  TControlHostWidget other;
  try {
    column->AllocateControls(nullptr, 0, 1);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("null parent"));
  }
  column->AllocateControls(&host, 0, 1);
  try {
    column->AllocateControls(&other, 0, 1);
    ADD_FAILURE();
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Attempt to change parent with controls already allocated"));
  }
}

TEST_F(TableControlsTest, TableAllocatesControlsForColumnsAddedWhileAttached) {
  random.Show();
  random.AttachControls(&host, 0, 2);
  EXPECT_EQ(Combos(host).size(), 2);
  EXPECT_EQ(Buttons(host).size(), 2);
  auto e = std::make_unique<TEnumColumn>(&random);
  random.AddColumn(std::move(e));
  EXPECT_EQ(Combos(host).size(), 4);
  random.FreeForm();
  EXPECT_TRUE(Combos(host).isEmpty());
  EXPECT_TRUE(Buttons(host).isEmpty());
  EXPECT_EQ(random.ControlParent(), nullptr);
}

TEST(InPlaceControls, HostDestroyedFirstLeavesNoDanglingWidget) {
  TGridTable table;
  auto* c = static_cast<TEnumColumn*>(table.AddColumn(std::make_unique<TEnumColumn>(&table)));
  table.SetRowCount(1);
  auto host = std::make_unique<TControlHostWidget>();
  c->AllocateControls(host.get(), 0, 1);
  host.reset();
  c->FreeControls();  // the widget went with its host; nothing is freed twice
  SUCCEED();
}

}  // namespace
}  // namespace zavik
