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

}  // namespace
}  // namespace zavik
