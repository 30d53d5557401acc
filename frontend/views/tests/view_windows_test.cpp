// The view windows driven as a user drives them, offscreen: captions and the
// mouse read-out, a new reading of the project on activation, the message and
// close for a project the view cannot draw, the print button's dialog, and the
// 3-D view's tool-bar and menu commands.
#include "views/BlockView.h"
#include "views/SideView.h"
#include "views/TopView.h"
#include "views/ViewHandlers.h"

#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

namespace zavik {
namespace {

using testing::Example;

struct ViewWindowTest : ::testing::Test {
  std::unique_ptr<testing::TViewProject> Project = Example("pile-group-battered");
  TProjectReader Current = [this] { return &Project->P(); };

  template <class View>
  std::unique_ptr<View> Shown() {
    auto view = std::make_unique<View>(Current);
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->resize(600, 400);
    view->show();
    QApplication::processEvents();
    return view;
  }
};

// What the next modal box or dialog says (a file dialog: the file it
// offers), after it has been closed by the given answer.
struct TModalWatch {
  QString Text;
  QString ClassName;
  explicit TModalWatch(bool Accept = false) {
    QTimer::singleShot(0, [this, Accept] {
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal) return;
      ClassName = QString::fromLatin1(modal->metaObject()->className());
      if (auto* box = qobject_cast<QMessageBox*>(modal)) Text = box->text();
      if (auto* files = qobject_cast<QFileDialog*>(modal)) Text = files->selectedFiles().value(0);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) Accept ? dialog->accept() : dialog->reject();
    });
  }
};

TEST_F(ViewWindowTest, SideViewShowsTheWorldPositionUnderTheMouse) {
  auto view = Shown<TDlgSideViewXZ>();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Side View (XZ-Plane)"));
  ASSERT_EQ(view->Profile().Outlines.size(), 7u);  // six piles and the cap
  const QPointF at = view->ScreenMapping().ToDevice(1.5, 6);
  QTest::mouseMove(view.get(), at.toPoint());
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Side View X: 1.5 Depth: 6.0"));

  // The upright pile at x = 0 (battered in the other plane) is drawn there.
  const QImage picture = view->grab().toImage();
  EXPECT_LT(picture.pixelColor(view->ScreenMapping().ToDevice(0, 6).toPoint()).lightness(), 60);
  EXPECT_GT(picture.pixelColor(view->ScreenMapping().ToDevice(0.75, 6).toPoint()).lightness(), 200);
}

TEST_F(ViewWindowTest, TopViewShowsTheWorldPositionUnderTheMouse) {
  auto view = Shown<TDlgTopView>();
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Top View"));
  QTest::mouseMove(view.get(), view->ScreenMapping().ToDevice(-1.5, 1).toPoint());
  EXPECT_EQ(view->windowTitle(), QStringLiteral("Top View X: -1.5 Y: 1.0"));
  const QImage picture = view->grab().toImage();
  EXPECT_LT(picture.pixelColor(view->ScreenMapping().ToDevice(-1.5, 1).toPoint()).lightness(), 60);
}

TEST_F(ViewWindowTest, ActivatingItsSubWindowReadsTheProjectAgain) {
  QMdiArea area;
  area.resize(800, 600);
  auto* side = new TDlgSideViewYZ(Current);
  auto* plan = new TDlgTopView(Current);
  QMdiSubWindow* sideWindow = area.addSubWindow(side);
  QMdiSubWindow* planWindow = area.addSubWindow(plan);
  area.show();
  QApplication::processEvents();
  area.setActiveSubWindow(sideWindow);
  QApplication::processEvents();
  ASSERT_EQ(side->Profile().Outlines.size(), 7u);  // six piles and the cap

  Project->T().Pilecoord->SetRowCount(2);
  area.setActiveSubWindow(planWindow);
  QApplication::processEvents();
  EXPECT_EQ(plan->Layout().Piles.size(), 2u);
  EXPECT_EQ(side->Profile().Outlines.size(), 7u);  // not active: not read yet
  area.setActiveSubWindow(sideWindow);
  QApplication::processEvents();
  EXPECT_EQ(side->Profile().Outlines.size(), 3u);
}

TEST_F(ViewWindowTest, CascadeGivesEveryViewItsNormalSize) {
  QMdiArea area;
  area.resize(1000, 700);
  // The 3-D view's own case needs OpenGL: views_gl_tests.
  const std::vector<QWidget*> views = {new TDlgTopView(Current), new TDlgSideViewXZ(Current),
                                       new TDlgSideViewYZ(Current)};
  for (QWidget* v : views) area.addSubWindow(v)->resize(120, 45);
  area.show();
  QApplication::processEvents();
  area.cascadeSubWindows();
  QApplication::processEvents();
  for (QWidget* v : views) {
    SCOPED_TRACE(v->windowTitle().toStdString());
    EXPECT_EQ(v->size(), ViewWindowSize);
  }
}

TEST_F(ViewWindowTest, DrawingStaysClearOfThePrintButton) {
  for (bool plan : {false, true}) {
    SCOPED_TRACE(plan);
    std::unique_ptr<TViewWindow> view;
    if (plan)
      view = Shown<TDlgTopView>();
    else
      view = Shown<TDlgSideViewXZ>();
    const TWorldMapping m = view->ScreenMapping();
    const double button = view->PrintButton->geometry().bottom();
    EXPECT_GT(m.ToDevice(m.Window.XMax, plan ? m.Window.Top : view->BaseWindow().Top).y(), button);
    EXPECT_GT(m.Area.top(), button);
    EXPECT_EQ(m.Area.bottom(), view->height());
  }
}

TEST_F(ViewWindowTest, ProjectThatCannotBeDrawnSaysWhyAndClosesTheWindow) {
  Project->T().PileData->SetRowCount(0);
  for (bool plan : {false, true}) {
    SCOPED_TRACE(plan);
    QPointer<TViewWindow> view = plan ? static_cast<TViewWindow*>(new TDlgTopView(Current))
                                      : static_cast<TViewWindow*>(new TDlgSideViewXZ(Current));
    bool closed = false;
    QObject::connect(view, &TViewWindow::ViewClosed, [&closed] { closed = true; });
    TModalWatch box;
    view->show();
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(box.Text, QStringLiteral("One or more Pile Types does not have any sections"));
    EXPECT_TRUE(closed);
    EXPECT_TRUE(view.isNull());  // closing frees the window
  }
}

TEST_F(ViewWindowTest, PrintButtonAsksThroughThePrintDialogOrForAPdfFileBesideTheProject) {
  auto view = Shown<TDlgSideViewXZ>();
  TModalWatch dialog(false);
  QTest::mouseClick(view->PrintButton, Qt::LeftButton);
  if (!QPrinterInfo::availablePrinters().isEmpty()) {
    EXPECT_EQ(dialog.ClassName, QStringLiteral("QPrintDialog"));
    return;
  }
  EXPECT_EQ(dialog.ClassName, QStringLiteral("QFileDialog"));
  EXPECT_EQ(dialog.Text, QStringLiteral(ZAV_EXAMPLES_DIR "/pile-group-battered-side-xz.pdf"));
}

TEST_F(ViewWindowTest, PrintsTheProfileOnAPage) {
  auto view = Shown<TDlgSideViewXZ>();
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath(QStringLiteral("profile.pdf")));
  view->PrintTo(printer);
  QFile pdf(printer.outputFileName());
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
}

TEST_F(ViewWindowTest, BlockViewOffersTheToolBarCommands) {
  TDlgBlock view(Current);
  EXPECT_EQ(view.windowTitle(), QStringLiteral("Zavik, 3D-View"));
  const QList<QAction*> bar = view.ToolBarActions();
  ASSERT_EQ(bar.size(), 14);
  EXPECT_EQ(bar[5], nullptr);
  EXPECT_EQ(bar[10], nullptr);
  std::vector<std::string> modes;
  for (int i = 6; i <= 9; ++i) modes.push_back(bar[i]->text().toStdString());
  EXPECT_EQ(modes, (std::vector<std::string>{"Panning", "Zooming", "Zoom Window", "Rotating"}));

  bar[8]->trigger();
  EXPECT_EQ(view.Camera().MouseMode, MouseZoomWindow);
  EXPECT_TRUE(view.Camera().ZoomBoxMode);
  bar[9]->trigger();
  EXPECT_EQ(view.Camera().MouseMode, MouseRotate);
  EXPECT_FALSE(view.Camera().ZoomBoxMode);
  EXPECT_TRUE(bar[9]->isChecked());
  EXPECT_FALSE(bar[8]->isChecked());

  bar[11]->trigger();  // zoom in
  EXPECT_DOUBLE_EQ(view.Camera().Zoom, ZoomInFactor);
  bar[3]->trigger();  // oblique
  EXPECT_EQ(view.Camera().AngleZ, 45);
  bar[13]->trigger();  // restart
  EXPECT_EQ(view.Camera().Zoom, 1);
  EXPECT_EQ(view.Camera().AngleZ, 0);
}

TEST_F(ViewWindowTest, ShowMenuItemsToggleWhatTheViewDraws) {
  TDlgBlock view(Current);
  view.FormActivate();
  const QList<QAction*> items = view.ShowMenuActions();
  std::vector<std::string> texts;
  std::vector<bool> checked;
  for (QAction* a : items) {
    texts.push_back(a->text().toStdString());
    checked.push_back(a->isChecked());
  }
  EXPECT_EQ(texts, (std::vector<std::string>{"Foundation", "Piles", "Pile Numbers", "Soil Layers",
                                             "Soil Layer Labels", "Soil Layer Depth Labels"}));
  EXPECT_EQ(checked, (std::vector<bool>{true, true, false, true, false, false}));

  items[2]->trigger();  // pile numbers
  EXPECT_TRUE(view.Options().ShowPileNumbers);
  EXPECT_TRUE(items[2]->isChecked());
  EXPECT_EQ(view.Scene().Labels.size(), 6u);
  items[1]->trigger();  // piles off
  EXPECT_FALSE(items[1]->isChecked());
  EXPECT_TRUE(view.Scene().Piles.empty());
}

}  // namespace
}  // namespace zavik
