// Every example deck, opened with any set of windows open and switched to
// English units and back, saves byte for byte as shipped; edited through the
// table editor's buttons and cells and the input windows' boxes, it saves,
// reads back and saves again to the same bytes. A failure names its deck and
// its seed (ZAV_ROUND_TRIP_SEED repeats one).
#include "MainWindowFixture.h"

#include "core/FoundationSystem.h"
#include "app/InputForm.h"

#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <random>
#include <vector>

namespace zavik {
namespace {

using testing::TMessageCatcher;

unsigned SeedOf(unsigned Default) {
  const QByteArray given = qgetenv("ZAV_ROUND_TRIP_SEED");
  return given.isEmpty() ? Default : given.toUInt();
}

class RoundTripTest : public MainWindowTest {
protected:
  void SetUp() override {
    MainWindowTest::SetUp();
    W->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(W.get()));
  }
  void OpenWindows(const std::vector<QAction*>& Items, std::mt19937& Random) {
    for (QAction* item : Items) {
      Open(W->DataMenu);
      item->trigger();
      QTest::qWait(10);
    }
    // The user works in one of them.
    const QList<QMdiSubWindow*> open = W->MdiArea()->subWindowList();
    if (open.isEmpty()) return;
    QMdiSubWindow* sub = open[Random() % open.size()];
    W->MdiArea()->setActiveSubWindow(sub);
    const QList<QLineEdit*> boxes = sub->widget()->findChildren<QLineEdit*>();
    if (!boxes.isEmpty()) boxes[Random() % boxes.size()]->setFocus();
    QTest::qWait(10);
  }
  // The user looks at the values of the open tables: a click on a cell of
  // each, which makes it current and opens its editor.
  void LookIntoTables(std::mt19937& Random) {
    for (QMdiSubWindow* sub : W->MdiArea()->subWindowList()) {
      auto* form = qobject_cast<TTableForm*>(sub->widget());
      if (!form) continue;
      TTableGrid* grid = form->Grid();
      const QModelIndex cell = grid->model()->index(Random() % grid->model()->rowCount(), 0);
      const QPoint at = grid->visualRect(cell).center();
      QWidget* target = grid->viewport()->childAt(at);
      if (!target) target = grid->viewport();
      QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(grid->viewport(), at));
      QTest::qWait(QApplication::doubleClickInterval() + 50);
    }
  }
  void Units(QAction* Item) {
    Open(W->DataMenu);
    Item->trigger();
    QTest::qWait(10);
  }
  void Save() {
    Open(W->FileMenu);
    W->FileSave->trigger();
    QTest::qWait(10);
  }
  TTableForm* FormOf(const TGridTable* Table) const {
    for (QMdiSubWindow* s : W->MdiArea()->subWindowList())
      if (auto* f = qobject_cast<TTableForm*>(s->widget()); f && f->Table() == Table && !s->isHidden()) return f;
    return nullptr;
  }
};

class WindowsRoundTripTest : public RoundTripTest, public ::testing::WithParamInterface<const char*> {};

// Alone, all together, and several sets at random, in any order.
TEST_P(WindowsRoundTripTest, UnitsThereAndBackWithAnyWindowsOpenSaveTheShippedDeck) {
  const QString deck = Example(GetParam());
  const QByteArray shipped = Read(deck);
  W->OpenFileName(deck);
  const std::vector<QAction*> items = WindowItems();
  std::vector<std::vector<QAction*>> sets;
  for (QAction* item : items) sets.push_back({item});
  sets.push_back(items);
  const unsigned seed = SeedOf(20261211);
  std::mt19937 random(seed);
  for (int k = 0; k < 4; ++k) {
    std::vector<QAction*> set = items;
    std::shuffle(set.begin(), set.end(), random);
    set.resize(1 + random() % set.size());
    sets.push_back(set);
  }
  for (const std::vector<QAction*>& set : sets) {
    QStringList names;
    for (QAction* a : set) names << a->text();
    SCOPED_TRACE(QStringLiteral("seed %1, windows: %2").arg(seed).arg(names.join(QStringLiteral(", "))).toStdString());
    TMessageCatcher messages;
    OpenWindows(set, random);
    Units(W->EnglishUnits);
    LookIntoTables(random);
    Units(W->SIUnits);
    Save();
    EXPECT_EQ(Read(deck), shipped);
    EXPECT_TRUE(messages.Messages.isEmpty()) << messages.Texts().join(QLatin1Char('|')).toStdString();
    ASSERT_TRUE(W->CloseAllChildren());
    QTest::qWait(10);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, WindowsRoundTripTest, ::testing::ValuesIn(ExampleDecks),
                         DeckTestName);

class EditedRoundTripTest : public RoundTripTest, public ::testing::WithParamInterface<const char*> {
protected:
  // A number as a user types it, with no more digits than the deck keeps.
  QString Number(std::mt19937& Random) {
    static const char* const Typed[] = {"0.35", "12", "3.25", "1e-3", "250", "0.05", "2*3", "17.5", "4.8", "0.4"};
    return QLatin1String(Typed[Random() % std::size(Typed)]);
  }
  // The table editor's buttons on the open window of Table, at random rows;
  // Twin gets the same rows added and deleted (a pile's soil layers follow
  // its elements, a multilayer's soil column its foundation layers).
  void EditTable(QAction* Item, TGridTable* Table, TGridTable* Twin, QAction* TwinItem, std::mt19937& Random) {
    const int apart = Twin ? Table->RowCount() - Twin->RowCount() : 0;
    for (int step = 0; step < 4; ++step) {
      const int kind = Random() % 3;
      const int row = Random() % Table->RowCount();
      std::vector<std::pair<TTableForm*, QPushButton*>> presses;
      for (auto [item, table] : {std::pair{Item, Table}, std::pair{TwinItem, Twin}}) {
        if (!table) continue;
        Open(W->DataMenu);
        item->trigger();
        QTest::qWait(10);
        TTableForm* form = FormOf(table);
        ASSERT_NE(form, nullptr);
        presses.push_back({form, kind == 0 ? form->BtnAdd() : kind == 1 ? form->BtnIns() : form->BtnDel()});
      }
      // Both tables take the step, or neither.
      if (!std::all_of(presses.begin(), presses.end(),
                       [](const auto& P) { return P.second->isVisible() && P.second->isEnabled(); }))
        continue;
      for (auto [form, button] : presses) {
        TGridTable* table = form->Table();
        form->Grid()->setCurrentIndex(form->Grid()->model()->index(std::min(row, table->RowCount() - 1), 0));
        QTest::mouseClick(button, Qt::LeftButton);
        QTest::qWait(10);
      }
      if (Twin) {
        ASSERT_EQ(Table->RowCount() - Twin->RowCount(), apart);
      }
    }
    // A value typed into a cell of a number column.
    Open(W->DataMenu);
    Item->trigger();
    QTest::qWait(10);
    TTableForm* form = FormOf(Table);
    ASSERT_NE(form, nullptr);
    TTableGrid* grid = form->Grid();
    const int column = Random() % grid->model()->columnCount();
    if (form->Grid()->model()->flags(grid->model()->index(0, column)) & Qt::ItemIsEditable) {
      grid->setFocus();
      grid->setCurrentIndex(grid->model()->index(Random() % Table->RowCount(), column));
      QTest::qWait(10);
      const QString text = Number(Random);
      QTest::keyClicks(QApplication::focusWidget(), text.left(1));
      QTest::keyClicks(QApplication::focusWidget(), text.mid(1));
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
  }
  // A value typed into a box of an input window that holds one of the
  // project's single values.
  void EditBox(QAction* Item, std::mt19937& Random) {
    Open(W->DataMenu);
    Item->trigger();
    QTest::qWait(10);
    QMdiSubWindow* sub = W->MdiArea()->activeSubWindow();
    ASSERT_NE(sub, nullptr);
    QList<TDataEdit*> boxes;
    for (TDataEdit* b : sub->widget()->findChildren<TDataEdit*>())
      if (b->isVisible() && b->isEnabled() && !b->IntegerOnly()) boxes << b;
    if (boxes.isEmpty()) return;
    TDataEdit* box = boxes[Random() % boxes.size()];
    QTest::mouseClick(box, Qt::LeftButton);
    box->selectAll();
    QTest::keyClicks(box, Number(Random));
  }
};

TEST_P(EditedRoundTripTest, EditedInTheWindowsSavesReadsBackAndSavesTheSameBytes) {
  const QString deck = Example(GetParam());
  const unsigned seed = SeedOf(1211);
  for (unsigned run = 0; run < 3; ++run) {
    SCOPED_TRACE(QStringLiteral("%1, seed %2").arg(QLatin1String(GetParam())).arg(seed + run).toStdString());
    std::mt19937 random(seed + run);
    W->OpenFileName(deck);
    TMessageCatcher messages;
    TProjectTables& T = W->Tables();
    const TFoundationKind system = W->Project().FoundationKind;
    if (system == TFoundationKind::Pile) {
      EditTable(W->PileGroupArrangement1, T.PileData, T.D, W->SoilLayerCoordinates1, random);
      EditTable(W->PileCoordinates1, T.Pilecoord, nullptr, nullptr, random);
      EditTable(W->Sidesoilpilecap1, T.pilecapsoil, nullptr, nullptr, random);
    } else if (system == TFoundationKind::Multilayer) {
      EditTable(W->FoundationLayer1, T.MultiElement, T.Multisoil, W->SoilLayerBelowFoundation1, random);
      EditTable(W->Sidesoilpilecap1, T.D, nullptr, nullptr, random);
    } else if (system == TFoundationKind::HalfSpace) {
      EditTable(W->Sidesoilpilecap1, T.D1, nullptr, nullptr, random);
    }
    for (QAction* item : WindowItems()) {
      if (item == W->TransientLoadingData1 || item == W->RandomLoadingData1 || item == W->DataTitle ||
          item == W->OptionofFoundationSystem1 || item == W->OptionsControl)
        continue;
      if (random() % 2) EditBox(item, random);
    }
    Save();
    ASSERT_TRUE(messages.Messages.isEmpty()) << messages.Texts().join(QLatin1Char('|')).toStdString();
    ASSERT_FALSE(W->IsModified());
    const QByteArray saved = Read(deck);
    W->OpenFileName(deck);
    ASSERT_TRUE(messages.Messages.isEmpty()) << messages.Texts().join(QLatin1Char('|')).toStdString();
    W->SetModified(true);
    Save();
    EXPECT_EQ(Read(deck), saved);
  }
}

INSTANTIATE_TEST_SUITE_P(Examples, EditedRoundTripTest, ::testing::ValuesIn(ExampleDecks),
                         DeckTestName);

}  // namespace
}  // namespace zavik
