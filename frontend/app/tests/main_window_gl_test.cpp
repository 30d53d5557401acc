// The 3-D view from the main window's menu, drawn by OpenGL on a display
// (Mesa under Xvfb): its tool bar, its "Show 3D View" menu and the File
// menu's bitmap and print items come with it and go with it.
#include "MainWindowFixture.h"

#include "views/BlockView.h"

#include <QToolBar>

namespace zavik {
namespace {

using testing::TMessageCatcher;

TEST_F(MainWindowTest, TheToolsOfThe3DViewComeAndGoWithIt) {
  const auto tools = [this] {
    return std::vector<bool>{W->ToolBar->isVisibleTo(W.get()), W->Show3DMenu->menuAction()->isVisible(),
                             W->BitmapSeparator->isVisible(), W->SaveBitmap->isVisible(), W->PrintPage->isVisible()};
  };
  const std::vector<bool> hidden(5, false), shown(5, true);
  EXPECT_EQ(tools(), hidden);
  EXPECT_FALSE(W->PageSetup->isVisible());
  W->OpenFileName(Example("pile-group"));
  TMessageCatcher messages;
  W->N3DView2->trigger();
  ASSERT_TRUE(W->View3DOpen());
  EXPECT_EQ(tools(), shown);
  EXPECT_EQ(W->ToolBar->actions().size(), 14);
  EXPECT_EQ(W->Show3DMenu->actions().size(), 6);
  W->Show3DMenu->actions()[2]->trigger();  // pile numbers
  EXPECT_TRUE(W->DlgBlock()->Options().ShowPileNumbers);
  W->DlgBlock()->parentWidget()->close();
  EXPECT_FALSE(W->View3DOpen());
  EXPECT_EQ(tools(), hidden);
  // Opened again: a new view with its own tools.
  W->N3DView2->trigger();
  EXPECT_EQ(tools(), shown);
  EXPECT_EQ(W->ToolBar->actions().size(), 14);
  QApplication::processEvents();
  EXPECT_EQ(tools(), shown);
  // Another project closes the view with every other window, maximised
  // ones among them.
  W->DlgBlock()->parentWidget()->showMaximized();
  W->DataTitle->trigger();
  W->OpenFileName(Example("half-space-harmonic"));
  EXPECT_EQ(tools(), hidden);
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(tools(), hidden);
  W->N3DView2->trigger();
  EXPECT_EQ(tools(), shown);
  W->FileNew->trigger();
  EXPECT_EQ(tools(), hidden);
  EXPECT_TRUE(Children().isEmpty());
  // The view closed with the project is freed after its close.
  QApplication::processEvents();
  QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(tools(), hidden);
  EXPECT_FALSE(W->DlgBlock());
}

// Every tool button and "Show 3D View" item brings the 3-D view to the
// front before it acts: over a maximised Top View it comes maximised, from
// its icon it comes back at its normal size.
TEST_F(MainWindowTest, EachCommandOfThe3DViewBringsItToTheFrontFirst) {
  W->OpenFileName(Example("pile-group-battered"));
  TMessageCatcher messages;
  W->N3DView2->trigger();
  ASSERT_TRUE(W->DlgBlock());
  auto* view = qobject_cast<QMdiSubWindow*>(W->DlgBlock()->parentWidget());
  ASSERT_TRUE(view);
  QList<QAction*> commands = W->ToolBar->actions();
  commands << W->Show3DMenu->actions();
  int tried = 0;
  for (QAction* command : commands) {
    if (command->isSeparator()) continue;
    SCOPED_TRACE(command->text().toStdString());
    W->TopViewItem->trigger();
    QApplication::processEvents();
    QMdiSubWindow* top = W->MdiArea()->activeSubWindow();
    ASSERT_NE(top, view);
    top->showMaximized();
    QApplication::processEvents();
    ASSERT_TRUE(top->isMaximized());
    const double zoom = W->DlgBlock()->Camera().Zoom;
    command->trigger();
    QApplication::processEvents();
    EXPECT_EQ(W->MdiArea()->activeSubWindow(), view);
    EXPECT_TRUE(view->isMaximized());
    if (command->text() == QStringLiteral("Zoom In")) {
      EXPECT_NEAR(W->DlgBlock()->Camera().Zoom, zoom * 1.4142, 1e-9);
    }
    ++tried;
  }
  EXPECT_EQ(tried, 12 + 6);
  // Minimised, with the others at their normal size.
  for (QMdiSubWindow* sub : W->MdiArea()->subWindowList()) sub->showNormal();
  view->showMinimized();
  W->TopViewItem->trigger();
  QApplication::processEvents();
  const double zoom = W->DlgBlock()->Camera().Zoom;
  W->ToolBar->actions()[W->ToolBar->actions().size() - 3]->trigger();  // Zoom In
  QApplication::processEvents();
  EXPECT_FALSE(view->isMinimized());
  EXPECT_FALSE(view->isMaximized());
  EXPECT_EQ(W->MdiArea()->activeSubWindow(), view);
  EXPECT_NEAR(W->DlgBlock()->Camera().Zoom, zoom * 1.4142, 1e-9);
  W->SetModified(false);
}

}  // namespace
}  // namespace zavik
