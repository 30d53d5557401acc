// At the size of a 1024x768 screen, every window an example deck opens lies
// inside the main window's area: the input, title, options and table windows
// as the Data menu opens them one after another, each table grown to 25 rows
// with its buttons in view, and the plan and side views. None of the project's own windows
// can be maximised.
#include "MainWindowFixture.h"

#include <QPushButton>
#include <QToolBar>

namespace zavik {
namespace {

class WindowsInsideTest : public MainWindowTest, public ::testing::WithParamInterface<const char*> {
protected:
  QRect Area() const { return QRect(QPoint(0, 0), W->MdiArea()->viewport()->size()); }
  // The frames shown in the area that lie partly outside it.
  QStringList Outside() const {
    QStringList out;
    for (QMdiSubWindow* sub : W->MdiArea()->subWindowList())
      if (!sub->isHidden() && !sub->isMinimized() && !Area().contains(sub->geometry()))
        out << sub->windowTitle();
    return out;
  }
  static bool Inside(QWidget* Part, const QRect& Area, QWidget* Viewport) {
    return Area.contains(QRect(Part->mapTo(Viewport, QPoint(0, 0)), Part->size()));
  }
};

TEST_P(WindowsInsideTest, EveryWindowOpensInsideTheAreaAndTablesKeepTheirButtonsInView) {
  W->showNormal();
  W->resize(1024, 768);
  QApplication::processEvents();
  const QString deck = Example(GetParam());
  W->OpenFileName(deck);
  testing::TMessageCatcher messages;
  for (QAction* item : WindowItems()) {
    SCOPED_TRACE(item->text().toStdString());
    Open(W->DataMenu);
    item->trigger();
    QTest::qWait(5);
    QMdiSubWindow* sub = W->MdiArea()->activeSubWindow();
    ASSERT_TRUE(sub);
    EXPECT_TRUE(Outside().isEmpty()) << Outside().join(QStringLiteral(", ")).toStdString();
    EXPECT_FALSE(sub->windowFlags() & Qt::WindowMaximizeButtonHint);
    auto* form = qobject_cast<TTableForm*>(sub->widget());
    if (!form) continue;
    TGridTable* table = form->Table();
    while (table->RowCount() < 25 && form->BtnAdd()->isEnabled()) {
      QTest::mouseClick(form->BtnAdd(), Qt::LeftButton);
      if (!messages.Messages.isEmpty()) break;
    }
    EXPECT_TRUE(Area().contains(sub->geometry())) << table->RowCount() << " rows";
    if (form->BtnAdd()->isVisible()) {
      EXPECT_TRUE(Inside(form->BtnDel(), Area(), W->MdiArea()->viewport())) << table->RowCount() << " rows";
    }
    EXPECT_TRUE(Inside(form->Grid(), Area(), W->MdiArea()->viewport()));
  }
  // The 3-D view needs OpenGL, which this platform lacks: its frame is the
  // same kind of child as the others.
  for (QAction* view : {W->TopViewItem, W->SideViewItem, W->sideviewYZ}) {
    if (!view->isEnabled()) continue;
    view->trigger();
    QTest::qWait(5);
  }
  EXPECT_TRUE(Outside().isEmpty()) << Outside().join(QStringLiteral(", ")).toStdString();
  W->SetModified(false);
}

INSTANTIATE_TEST_SUITE_P(Examples, WindowsInsideTest, ::testing::ValuesIn(ExampleDecks),
                         DeckTestName);

class ShrunkenAreaTest : public WindowsInsideTest {};

// The pile coordinates of a 3 × 3 group, opened as it fits at 1024x768,
// and the views beside it: when the 3-D view's tool bar takes its room at
// the top, and when the main window is made smaller, each window moves back
// inside the area, shrunk where it must be, and the table keeps its buttons
// in view.
TEST_F(ShrunkenAreaTest, EveryWindowMovesBackInsideTheArea) {
  W->showNormal();
  W->resize(1024, 768);
  QApplication::processEvents();
  W->OpenFileName(Example("pile-group-interaction"));
  testing::TMessageCatcher messages;
  for (QAction* view : {W->TopViewItem, W->SideViewItem, W->sideviewYZ}) view->trigger();
  Open(W->DataMenu);
  W->PileCoordinates1->trigger();
  QTest::qWait(5);
  auto* form = qobject_cast<TTableForm*>(W->MdiArea()->activeSubWindow()->widget());
  ASSERT_TRUE(form);
  // The table at the foot of the area.
  QMdiSubWindow* table = W->MdiArea()->activeSubWindow();
  table->move(table->x(), W->MdiArea()->viewport()->height() - table->height());
  QTest::qWait(5);
  ASSERT_TRUE(Outside().isEmpty());
  const auto inside = [&](const char* Step) {
    SCOPED_TRACE(Step);
    QTest::qWait(5);
    EXPECT_TRUE(Outside().isEmpty()) << Outside().join(QStringLiteral(", ")).toStdString();
    EXPECT_TRUE(Inside(form->BtnDel(), Area(), W->MdiArea()->viewport()));
    EXPECT_TRUE(Inside(form->Grid(), Area(), W->MdiArea()->viewport()));
  };
  W->ToolBar->setVisible(true);
  inside("tool bar");
  W->resize(800, 600);
  inside("800x600");
  W->resize(700, 500);
  inside("700x500");
  W->SetModified(false);
}

}  // namespace
}  // namespace zavik
