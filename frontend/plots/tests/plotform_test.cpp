// The plot window driven as a user drives it: rubber-band zoom, right-click
// re-centring, the caption read-out, the legend, the Plot menu and its
// dialogs, printing to a PDF file and saving a bitmap.
#include "ModalDriver.h"

#include "controls/DataEdit.h"
#include "controls/PageSettings.h"
#include "plots/PlotDialogs.h"
#include "plots/PlotForm.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QImageReader>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageSetupDialog>
#include <QPrinterInfo>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zavik {
namespace {

// Curves Y = level over X = 0 .. 40: X from 0 to 40, Y from 0 to 4.
void Fill(TGraphPlot& Plot, int Curves) {
  Plot.XOnTop = false;
  Plot.Caption = QStringLiteral("Test Plot");
  Plot.SetLineCount(Curves);
  Plot.SetPointCount(41);
  for (int i = 0; i < Curves; ++i)
    for (int j = 0; j <= 40; ++j) Plot.Point(i, j) = {static_cast<long double>(j), 1 + 2.5L * i / Curves};
  Plot.Point(0, 40).Y = 4;
}

class PlotFormTest : public ::testing::Test {
protected:
  void Open(int Curves = 3) {
    Fill(Plot, Curves);
    Show();
  }
  void Show() {
    Form = new TPlotForm(Plot);
    Form->setAttribute(Qt::WA_DeleteOnClose);
    Plot.PlotWindow = Form;
    Form->resize(800, 600);
    Form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(Form));
    QApplication::processEvents();
  }
  void TearDown() override { delete Plot.PlotWindow.data(); }

  QPoint Pixel(long double X, long double Y) const {
    return WorldToScreen(Form->Layout().Plot, Form->Ranges()[0], false, X, Y);
  }
  QAction* MenuItem(QMenu* Menu, const QString& Text) const {
    for (QAction* a : Menu->actions())
      if (a->text() == Text) return a;
    return nullptr;
  }

  TGraphPlot Plot;
  TPlotForm* Form = nullptr;
  TModalDriver Driver;
};

TEST_F(PlotFormTest, OpensOnTheAutoscaledRangesWithTheLegendInTheCorner) {
  Open();
  EXPECT_EQ(Form->Ranges()[0], (TPlotRange{0, 40, 0, 4}));
  EXPECT_EQ(Form->HomeRanges()[0], Form->Ranges()[0]);
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Test Plot"));
  ASSERT_EQ(Form->Legend()->count(), 3);
  EXPECT_EQ(Form->Legend()->item(2)->text(), QStringLiteral("Curve #3"));
  const QRect legend = Form->Legend()->geometry();
  EXPECT_EQ(legend.right(), Form->Layout().Plot.Right);
  EXPECT_EQ(legend.bottom(), Form->Layout().Plot.Bottom);
  EXPECT_EQ(Form->CurveItems().size(), 3);
}

TEST_F(PlotFormTest, RubberBandZoomsAndAClickOrAFlatBandDoesNot) {
  Open();
  QWidget* canvas = Form->Canvas();
  const TPlotRange home = Form->Ranges()[0];
  QTest::mouseClick(canvas, Qt::LeftButton, {}, Pixel(10, 1));
  EXPECT_EQ(Form->Ranges()[0], home);
  QTest::mousePress(canvas, Qt::LeftButton, {}, Pixel(10, 1));
  QTest::mouseMove(canvas, Pixel(30, 1));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, Pixel(30, 1));
  EXPECT_EQ(Form->Ranges()[0], home);  // one pixel row

  const QPoint a = Pixel(10, 1), b = Pixel(30, 3);
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseMove(canvas, b);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, b);
  const TPlotRange z = Form->Ranges()[0];
  EXPECT_NEAR(double(z.Xmin), 10, 0.1);
  EXPECT_NEAR(double(z.Xmax), 30, 0.1);
  EXPECT_NEAR(double(z.Ymin), 1, 0.02);
  EXPECT_NEAR(double(z.Ymax), 3, 0.02);

  // A band of a few pixels at the left edge: a twentieth of the home span,
  // pushed inside.
  QTest::mousePress(canvas, Qt::LeftButton, {}, Pixel(10, 1) );
  QTest::mouseMove(canvas, Pixel(10.2L, 1.02L) + QPoint(0, -1));
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, Pixel(10.2L, 1.02L) + QPoint(0, -1));
  EXPECT_NEAR(double(Form->Ranges()[0].Xmax - Form->Ranges()[0].Xmin), 2, 1e-9);
  EXPECT_NEAR(double(Form->Ranges()[0].Ymax - Form->Ranges()[0].Ymin), 0.2, 1e-9);
}

TEST_F(PlotFormTest, RightClickDoublesTheSpanUpToTheHomeRange) {
  Open();
  QWidget* canvas = Form->Canvas();
  const QPoint a = Pixel(18, 1.8L), b = Pixel(22, 2.2L);
  QTest::mousePress(canvas, Qt::LeftButton, {}, a);
  QTest::mouseMove(canvas, b);
  QTest::mouseRelease(canvas, Qt::LeftButton, {}, b);
  const TPlotRange z = Form->Ranges()[0];
  QTest::mouseClick(canvas, Qt::RightButton, {}, Pixel(20, 2));
  EXPECT_NEAR(double(Form->Ranges()[0].Xmax - Form->Ranges()[0].Xmin), double(2 * (z.Xmax - z.Xmin)), 1e-9);
  // Near the top-right corner of the graph each time.
  const TPlotRect& R = Form->Layout().Plot;
  for (int i = 0; i < 4; ++i) QTest::mouseClick(canvas, Qt::RightButton, {}, QPoint(R.Right - 2, R.Top + 2));
  const TPlotRange r = Form->Ranges()[0];
  EXPECT_EQ(r, Form->HomeRanges()[0]) << double(r.Xmin) << " " << double(r.Xmax) << " " << double(r.Ymin) << " "
                                      << double(r.Ymax);
}

TEST_F(PlotFormTest, CaptionReadsOutTheWorldPointClampedIntoTheGraph) {
  Open();
  const TPlotRect& R = Form->Layout().Plot;
  QTest::mouseMove(Form->Canvas(), QPoint(R.Right, R.Top));
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Test Plot X: 40 Y: 4"));
  QTest::mouseMove(Form->Canvas(), QPoint(R.Left - 20, R.Bottom + 20));
  EXPECT_EQ(Form->windowTitle(), QStringLiteral("Test Plot X: 0 Y: 0"));
}

TEST_F(PlotFormTest, LegendIsDraggedInsideTheWindowAndDoubleClickHidesACurve) {
  Open();
  QWidget* viewport = Form->Legend()->viewport();
  const QPoint start = Form->Legend()->pos();
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(viewport, QPoint(-95, -45));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(-95, -45));
  EXPECT_EQ(Form->Legend()->pos(), start - QPoint(100, 50));
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(viewport, QPoint(-5000, -5000));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(-5000, -5000));
  EXPECT_EQ(Form->Legend()->pos(), QPoint(0, 0));

  const QRect second = Form->Legend()->visualItemRect(Form->Legend()->item(1));
  QTest::mouseDClick(viewport, Qt::LeftButton, {}, second.center());
  EXPECT_FALSE(Plot.Line(1).Shown);
  EXPECT_FALSE(Form->CurveItems()[1]->isChecked());
  Form->CurveItems()[1]->trigger();
  EXPECT_TRUE(Plot.Line(1).Shown);
}

// The legend stays by its corner of the graph through a window too small
// for it and back, and wherever the user put it.
TEST_F(PlotFormTest, TheLegendKeepsItsCornerWhenTheWindowChangesSize) {
  Open();
  auto resized = [&](int W, int H) {
    Form->resize(W, H);
    QApplication::processEvents();
    return Form->Legend()->geometry();
  };
  // In a window too small for it the legend lies inside as far as it can,
  // never at a negative position.
  auto expectInside = [&](const QRect& Legend) {
    EXPECT_GE(Legend.left(), 0);
    EXPECT_GE(Legend.top(), 0);
    EXPECT_TRUE(Legend.right() < Form->Canvas()->width() || Legend.left() == 0);
    EXPECT_TRUE(Legend.bottom() < Form->Canvas()->height() || Legend.top() == 0);
  };
  const QSize full = Form->size();
  expectInside(resized(120, 45));
  QRect legend = resized(full.width(), full.height());
  EXPECT_EQ(legend.right(), Form->Layout().Plot.Right);
  EXPECT_EQ(legend.bottom(), Form->Layout().Plot.Bottom);

  // Dragged to 20 right of and 10 below the graph's top-left corner, it
  // keeps that place; when the window grows, the bottom-right corner moves
  // and the legend does not.
  QWidget* viewport = Form->Legend()->viewport();
  const QPoint target(Form->Layout().Plot.Left + 20, Form->Layout().Plot.Top + 10);
  const QPoint grab(5, 5);
  QTest::mousePress(viewport, Qt::LeftButton, {}, grab);
  QTest::mouseMove(viewport, grab + target - legend.topLeft());
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, grab + target - legend.topLeft());
  ASSERT_EQ(Form->Legend()->pos(), target);
  EXPECT_EQ(resized(full.width() + 300, full.height() + 200).topLeft(), target);
  expectInside(resized(120, 45));
  EXPECT_EQ(resized(full.width(), full.height()).topLeft(), target);

  // The font size lays the window out as it opened: the corner again.
  MenuItem(Form->FontSize1, QStringLiteral("&Default"))->trigger();
  legend = Form->Legend()->geometry();
  EXPECT_EQ(legend.right(), Form->Layout().Plot.Right);
  EXPECT_EQ(legend.bottom(), Form->Layout().Plot.Bottom);
}

// Curves along the bottom of the graph: the legend opens in the top-right
// corner, where it hides none, goes back to the bottom-right one when they
// are hidden, and, once the user has put it somewhere, stays there.
TEST_F(PlotFormTest, TheLegendStandsWhereItHidesNoCurve) {
  Fill(Plot, 3);
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j <= 40; ++j) Plot.Point(i, j).Y = 0.1L * (i + 1);
  Plot.Point(2, 20).Y = 4;  // Y from 0 to 4
  Show();
  const TPlotRect& R = Form->Layout().Plot;
  QRect legend = Form->Legend()->geometry();
  EXPECT_EQ(legend.right(), R.Right);
  EXPECT_EQ(legend.top(), R.Top);
  for (QAction* item : Form->CurveItems()) item->trigger();
  legend = Form->Legend()->geometry();
  EXPECT_EQ(legend.right(), R.Right);
  EXPECT_EQ(legend.bottom(), R.Bottom);
  for (QAction* item : Form->CurveItems()) item->trigger();
  EXPECT_EQ(Form->Legend()->geometry().top(), R.Top);

  QWidget* viewport = Form->Legend()->viewport();
  const QPoint before = Form->Legend()->pos();
  QTest::mousePress(viewport, Qt::LeftButton, {}, QPoint(5, 5));
  QTest::mouseMove(viewport, QPoint(-295, 105));
  QTest::mouseRelease(viewport, Qt::LeftButton, {}, QPoint(-295, 105));
  const QPoint put = Form->Legend()->pos();
  EXPECT_EQ(put, before + QPoint(-300, 100));
  Form->CurveItems()[0]->trigger();
  EXPECT_EQ(Form->Legend()->pos(), put);
  // Laid out as it opened, it finds its own place again.
  MenuItem(Form->FontSize1, QStringLiteral("&Default"))->trigger();
  EXPECT_EQ(Form->Legend()->geometry().top(), R.Top);
}

TEST_F(PlotFormTest, ShowLegendAndShowMarkersItems) {
  Open();
  ASSERT_TRUE(Form->ShowLegend1->isVisible());
  Form->ShowLegend1->trigger();
  EXPECT_FALSE(Plot.ShowLegend);
  EXPECT_FALSE(Form->Legend()->isVisible());
  Form->ShowLegend1->trigger();
  EXPECT_TRUE(Form->Legend()->isVisible());

  QAction* three = MenuItem(Form->ShowMarkers1, QStringLiteral("Every &3 Incrments"));
  ASSERT_NE(three, nullptr);
  three->trigger();
  EXPECT_EQ(Plot.Markers, 3);
  MenuItem(Form->ShowMarkers1, QStringLiteral("&Never"))->trigger();
  EXPECT_EQ(Plot.Markers, 0);
  emit Form->ShowMarkers1->aboutToShow();
  EXPECT_TRUE(MenuItem(Form->ShowMarkers1, QStringLiteral("&Never"))->isChecked());
  EXPECT_FALSE(three->isChecked());

  MenuItem(Form->FontSize1, QStringLiteral("2 * Default"))->trigger();
  EXPECT_EQ(Plot.SizeFont, 20);
  EXPECT_EQ(Form->Layout().TextHeight, 28);
  MenuItem(Form->LineWidth1, QStringLiteral("4 * Default"))->trigger();
  EXPECT_EQ(Plot.WidthLine, 4);
}

TEST_F(PlotFormTest, TwentyFiveCurvesOpenWithTwentyActiveAndActivateAllGivesThemAll) {
  Open(25);
  EXPECT_EQ(Form->Legend()->count(), 20);
  EXPECT_EQ(Form->CurveItems().size(), 20);
  EXPECT_FALSE(Plot.Line(20).Active);
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TfrmActiveLines*>(W);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->lbLines->item(20)->text(), QStringLiteral(" no  :    Curve #21"));
    d->btnActivateAll->click();
    d->btnOK->click();
  });
  Form->ActiveCurves1->trigger();
  EXPECT_TRUE(Driver.Done());
  EXPECT_EQ(Form->Legend()->count(), 25);
  EXPECT_EQ(Form->CurveItems().size(), 25);
  EXPECT_EQ(Form->CurveItems()[24]->text(), QStringLiteral("Curve #25"));
}

TEST_F(PlotFormTest, DeactivateAllLeavesAnEmptyLegend) {
  Open();
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TfrmActiveLines*>(W);
    ASSERT_NE(d, nullptr);
    d->btnDeactivateAll->click();
    d->btnOK->click();
  });
  Form->ActiveCurves1->trigger();
  EXPECT_EQ(Form->Legend()->count(), 0);
  EXPECT_TRUE(Form->CurveItems().isEmpty());
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(Plot.Line(i).Active);
}

TEST_F(PlotFormTest, GraphTitleGoesOnTopAndTheGraphMakesRoom) {
  Open();
  const int top = Form->Layout().Plot.Top;
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TfrmGraphCaption*>(W);
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->rbBottom->isChecked());
    d->edtCaption->setText(QStringLiteral("Run 3"));
    d->rbTop->setChecked(true);
    d->btnOK->click();
  });
  Form->GraphTitle1->trigger();
  EXPECT_EQ(Plot.GraphTitle, QStringLiteral("Run 3"));
  EXPECT_TRUE(Plot.TitleOnTop);
  EXPECT_GT(Form->Layout().Plot.Top, top);
}

TEST_F(PlotFormTest, EditLegendRenamesOnOkOnly) {
  Open();
  auto rename = [](QPushButton* TfrmLineNames::*Button) {
    return [Button](QWidget* W) {
      auto* d = qobject_cast<TfrmLineNames*>(W);
      ASSERT_NE(d, nullptr);
      d->lbLines->setCurrentRow(1);
      d->edLine->setText(QStringLiteral("Kyy"));
      QTest::keyClick(d->edLine, Qt::Key_Return);
      (d->*Button)->click();
    };
  };
  Driver.Then(rename(&TfrmLineNames::btnCancel));
  Form->EditLegend1->trigger();
  EXPECT_EQ(Plot.Line(1).GetName(), QStringLiteral("Curve #2"));
  Driver.Then(rename(&TfrmLineNames::btnOK));
  Form->EditLegend1->trigger();
  EXPECT_EQ(Plot.Line(1).GetName(), QStringLiteral("Kyy"));
  EXPECT_EQ(Form->Legend()->item(1)->text(), QStringLiteral("Kyy"));
  EXPECT_EQ(Form->CurveItems()[1]->text(), QStringLiteral("Kyy"));
}

TEST_F(PlotFormTest, ACurveNameCannotBeEmpty) {
  Open();
  QString message;
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TfrmLineNames*>(W);
    ASSERT_NE(d, nullptr);
    d->edLine->clear();
    QTest::keyClick(d->edLine, Qt::Key_Return);
  });
  Driver.ThenMessage(message);
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TfrmLineNames*>(W);
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->edLine->text(), QStringLiteral("Curve #1"));
    EXPECT_EQ(d->lbLines->item(0)->text(), QStringLiteral("Curve #1"));
    d->btnOK->click();
  });
  Form->EditLegend1->trigger();
  EXPECT_TRUE(Driver.Done());
  EXPECT_EQ(message, QStringLiteral("The line must have a name!"));
  EXPECT_EQ(Plot.Line(0).GetName(), QStringLiteral("Curve #1"));
}

TEST_F(PlotFormTest, CurvesReloadedWhileOpenRebuildTheLegendAndStaleItemsDoNothing) {
  Open();
  QAction* third = Form->CurveItems()[2];
  Plot.SetLineCount(1);  // fewer curves, not yet announced
  third->trigger();      // the stale item must not reach past the curves
  Form->Canvas()->repaint();
  Plot.NotifyChanged();
  EXPECT_EQ(Form->Legend()->count(), 1);
  EXPECT_EQ(Form->CurveItems().size(), 1);
}

TEST_F(PlotFormTest, PrintWithoutAPrinterWritesAPdfFileOrSaysItCouldNot) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  Open();
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("plot.pdf"));
  Form->AskFileName = [&](const QString&, const QString&, const QString&, bool) { return pdf; };
  Form->PrintClick();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

  Form->AskFileName = [&](const QString&, const QString&, const QString&, bool) {
    return dir.filePath(QStringLiteral("no/such/folder/plot.pdf"));
  };
  QString message;
  Driver.ThenMessage(message);
  Form->PrintClick();
  EXPECT_TRUE(message.startsWith(QStringLiteral("The plot could not be printed"))) << message.toStdString();
}

TEST_F(PlotFormTest, PageSetupItemChangesTheProgramsPageSetUp) {
  struct TKept {
    TPageSettings Settings = TPageSettings::Program();
    ~TKept() { TPageSettings::Program() = Settings; }
  } kept;
  Open();
  ASSERT_TRUE(Form->PageSetup1->isEnabled());
  double shown = 0;
  Driver.Then([&](QWidget* W) {
    auto* dialog = qobject_cast<QPageSetupDialog*>(W);
    ASSERT_NE(dialog, nullptr);
    auto* left = dialog->findChild<QDoubleSpinBox*>(QStringLiteral("leftMargin"));
    ASSERT_NE(left, nullptr);
    shown = left->value();
    left->setValue(30);
    dialog->accept();
  });
  Form->PageSetup1->trigger();
  EXPECT_TRUE(Driver.Done());
  EXPECT_NEAR(shown, 25.4, 0.05);  // an inch, as the program starts
  EXPECT_DOUBLE_EQ(TPageSettings::Program().Margin(TPageSettings::Left), 30);
}

TEST_F(PlotFormTest, SavedBitmapHasTheSizeTheDialogAskedFor) {
  Open();
  QTemporaryDir dir;
  const QString bmp = dir.filePath(QStringLiteral("plot.bmp"));
  Form->AskFileName = [&](const QString&, const QString& Filter, const QString& Suffix, bool) {
    EXPECT_EQ(Filter, QStringLiteral("Bitmap (*.bmp)"));
    EXPECT_EQ(Suffix, QStringLiteral("bmp"));
    return bmp;
  };
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TdlgFormat*>(W);
    ASSERT_NE(d, nullptr);
    d->btnOK->click();  // 6 x 4 inches at 72 pixels per inch
  });
  Form->SaveToDiskClick();
  QImageReader reader(bmp);
  EXPECT_EQ(reader.format(), QByteArray("bmp"));
  EXPECT_EQ(reader.size(), QSize(432, 288));

  // Too large for memory: the memory message, nothing written.
  const QString big = dir.filePath(QStringLiteral("big.bmp"));
  Form->AskFileName = [&](const QString&, const QString&, const QString&, bool) { return big; };
  QString message;
  Driver.Then([](QWidget* W) {
    auto* d = qobject_cast<TdlgFormat*>(W);
    ASSERT_NE(d, nullptr);
    d->deHeight->setText(QStringLiteral("100"));
    d->deWidth->setText(QStringLiteral("100"));
    d->dePPI->setText(QStringLiteral("2400"));
    d->btnOK->click();
  });
  Driver.ThenMessage(message);
  Form->SaveToDiskClick();
  EXPECT_EQ(message, QStringLiteral("There is not enough memory to complete this task."));
  EXPECT_FALSE(QFile::exists(big));
}

TEST_F(PlotFormTest, ASaveThatCannotWriteSaysSo) {
  Open();
  QTemporaryDir dir;
  Form->AskFileName = [&](const QString&, const QString&, const QString&, bool) {
    return dir.filePath(QStringLiteral("no/such/folder/plot.bmp"));
  };
  QString message;
  Driver.Then([](QWidget* W) { qobject_cast<TdlgFormat*>(W)->btnOK->click(); });
  Driver.ThenMessage(message);
  Form->SaveToDiskClick();
  EXPECT_TRUE(message.startsWith(QStringLiteral("The picture could not be saved"))) << message.toStdString();
}

TEST(SaveAttributesTest, EntriesKeepTheirLimits) {
  TModalDriver driver;
  TdlgFormat dialog;
  EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Save Attributes"));
  QString message;
  dialog.deHeight->setText(QStringLiteral("1"));
  driver.ThenMessage(message);
  dialog.btnOKClick();
  EXPECT_EQ(message, QStringLiteral("Entry must be greater than or equal to 2"));
  EXPECT_EQ(dialog.deHeight->text(), QStringLiteral("2"));
  dialog.dePPI->setText(QStringLiteral("72.5"));
  driver.ThenMessage(message);
  dialog.btnOKClick();
  EXPECT_EQ(message, QStringLiteral("Entry must be an integer."));
  dialog.dePPI->setText(QStringLiteral("2147483647"));
  driver.ThenMessage(message);
  dialog.btnOKClick();
  EXPECT_EQ(message, QStringLiteral("Entry must be less than or equal to 2400"));
  dialog.dePPI->setText(QStringLiteral("50+50"));
  dialog.btnOKClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Bitmap.size(), QSize(600, 200));
}

TEST(ActiveCurvesDialogTest, EntriesToggleAndRebuild) {
  TfrmActiveLines dialog({TfrmActiveLines::Yes, TfrmActiveLines::No, TfrmActiveLines::Yes},
                         {QStringLiteral("Kxx"), QStringLiteral("Kyy"), QStringLiteral("Kww")});
  EXPECT_EQ(dialog.lbLines->item(1)->text(), QStringLiteral(" no  :    Kyy"));
  dialog.lbLines->item(0)->setSelected(true);
  dialog.lbLines->item(1)->setSelected(true);
  dialog.btnToggleSelected->click();
  EXPECT_EQ(dialog.KodeLines, (QStringList{TfrmActiveLines::No, TfrmActiveLines::Yes, TfrmActiveLines::Yes}));
  EXPECT_EQ(dialog.lbLines->item(0)->text(), QStringLiteral(" no  :    Kxx"));
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const QPoint third = dialog.lbLines->visualItemRect(dialog.lbLines->item(2)).center();
  QTest::mouseClick(dialog.lbLines->viewport(), Qt::LeftButton, {}, third);
  QTest::mouseDClick(dialog.lbLines->viewport(), Qt::LeftButton, {}, third);
  EXPECT_EQ(dialog.KodeLines[2], TfrmActiveLines::No);
  EXPECT_EQ(dialog.lbLines->item(2)->text(), QStringLiteral(" no  :    Kww"));
}

TEST(ShowPlotTest, OneWindowPerPlotAndANewOneAfterClosing) {
  TGraphPlot plot;
  Fill(plot, 2);
  QMdiArea area;
  area.resize(900, 700);
  area.show();
  TPlotForm* first = ShowPlot(plot, &area);
  EXPECT_EQ(ShowPlot(plot, &area), first);
  EXPECT_EQ(area.subWindowList().size(), 1);
  EXPECT_TRUE(area.subWindowList().first()->isMaximized());
  area.subWindowList().first()->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(plot.FormExists());
  TPlotForm* second = ShowPlot(plot, &area);
  ASSERT_NE(second, nullptr);
  EXPECT_TRUE(plot.FormExists());
  EXPECT_EQ(area.subWindowList().size(), 1);
}

// A plot restored from maximised or minimised, or cascaded, gets a window in
// which its graph is drawn with its ticks.
TEST(ShowPlotTest, RestoredAndCascadedPlotsTakeTheirNormalSize) {
  TGraphPlot first, second;
  Fill(first, 2);
  Fill(second, 3);
  QMdiArea area;
  area.resize(1024, 690);
  area.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
  TPlotForm* a = ShowPlot(first, &area);
  TPlotForm* b = ShowPlot(second, &area);
  QApplication::processEvents();
  const QSize normal = NormalPlotSize(area.viewport()->size(), area.logicalDpiX(), area.logicalDpiY());
  auto frame = [](TPlotForm* Form) { return qobject_cast<QMdiSubWindow*>(Form->parentWidget()); };
  ASSERT_NE(frame(a), nullptr);
  EXPECT_TRUE(frame(b)->isMaximized());

  auto expectDrawnWhole = [&](TPlotForm* Form) {
    QApplication::processEvents();
    const TPlotLayout& L = Form->Layout();
    TTickRecord ticks;
    EXPECT_TRUE(ComputeTicks(L.Plot, Form->Ranges()[0], L.TextHeight, ticks));
    const QRect legend = Form->Legend()->geometry();
    EXPECT_EQ(legend.right(), L.Plot.Right);
    EXPECT_EQ(legend.bottom(), L.Plot.Bottom);
  };
  frame(b)->showMinimized();
  ShowPlot(second, &area);
  EXPECT_FALSE(frame(b)->isMinimized());
  EXPECT_FALSE(frame(b)->isMaximized());
  EXPECT_EQ(frame(b)->size(), normal);
  expectDrawnWhole(b);

  area.cascadeSubWindows();
  for (TPlotForm* form : {a, b}) {
    EXPECT_EQ(frame(form)->size(), normal);
    expectDrawnWhole(form);
  }
  frame(a)->showMaximized();
  frame(a)->showNormal();
  EXPECT_EQ(frame(a)->size(), normal);
  expectDrawnWhole(a);
}

}  // namespace
}  // namespace zavik
