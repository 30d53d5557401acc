// The 3-D view drawn by OpenGL (Mesa under Xvfb): the saved bitmap is an
// opaque 24-bit picture showing the cap in its own grey, translucent layers
// leave no translucent pixel, 3-D texts land at their anchors, and the
// picture prints, inside the margins of the program's page set-up as the
// plots do.
#include "controls/PageSettings.h"
#include "plots/GraphPlot.h"
#include "plots/PlotForm.h"
#include "views/BlockView.h"
#include "views/GLWindow.h"
#include "views/SideView.h"
#include "views/ViewHandlers.h"

#include "controls/tests/PdfPage.h"
#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDoubleSpinBox>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <functional>
#include <memory>

namespace zavik {
namespace {

using testing::Example;

struct GLViewTest : ::testing::Test {
  std::unique_ptr<testing::TViewProject> Project = Example("pile-group");
  std::unique_ptr<TDlgBlock> View;
  QTemporaryDir Dir;

  void Open(const TViewOptions& Options) {
    View = std::make_unique<TDlgBlock>([this] { return &Project->P(); });
    View->setAttribute(Qt::WA_DeleteOnClose, false);
    View->resize(640, 480);
    View->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(View.get()));
    View->SetOptions(Options);
    ASSERT_TRUE(View->GL->isValid()) << "no OpenGL context";
  }
  // Window pixel of a model point in the frame last drawn.
  QPoint Pixel(const QVector3D& Model) {
    const auto at = View->Camera().ToWindow(Model);
    EXPECT_TRUE(at.has_value());
    return at.value_or(QPointF()).toPoint();
  }
};

bool Near(QColor Got, QColor Want, int Tolerance) {
  return std::abs(Got.red() - Want.red()) <= Tolerance && std::abs(Got.green() - Want.green()) <= Tolerance &&
         std::abs(Got.blue() - Want.blue()) <= Tolerance;
}

TEST_F(GLViewTest, SavedBitmapIsOpaqueAndShowsTheCapInItsGrey) {
  TViewOptions options;
  options.ShowSoilLayers = false;
  options.ShowAxes = false;  // the Z axis runs down through the cap's centre
  Open(options);
  const QString file = Dir.filePath(QStringLiteral("view.bmp"));
  QString error;
  ASSERT_TRUE(View->SaveBitmap(file, error)) << error.toStdString();

  QFile bmp(file);
  ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
  const QByteArray header = bmp.read(30);
  ASSERT_EQ(header.left(2), QByteArray("BM"));
  EXPECT_EQ(quint8(header[28]) | quint8(header[29]) << 8, 24);  // bits per pixel

  const QImage saved(file);
  ASSERT_EQ(saved.size(), View->GL->size());
  EXPECT_FALSE(saved.hasAlphaChannel());
  const QVector3D cap = View->Scene().Cap.at(0).Place.map(QVector3D());
  const QColor grey = QColor::fromRgbF(0.25f, 0.25f, 0.25f);
  EXPECT_TRUE(Near(saved.pixelColor(Pixel(cap)), grey, 2))
      << saved.pixelColor(Pixel(cap)).name().toStdString();
  // Above the cap the ground is open: the white background.
  EXPECT_EQ(saved.pixelColor(Pixel(cap) - QPoint(0, 30)), QColor(Qt::white));
}

TEST_F(GLViewTest, FirstPictureShowsTheWholeSoilBlockBelowTheGround) {
  TViewOptions options;
  options.ShowAxes = false;
  Open(options);
  const QImage frame = View->RenderImage();
  ASSERT_FALSE(frame.isNull());
  const TSceneExtents& x = View->Scene().Extents;
  // The foot of the soil below, inside the window and drawn in its colour.
  const QPoint foot = Pixel(QVector3D(float(x.CentreX), float(x.CentreY), float(x.ZMin + 0.2)));
  EXPECT_NE(frame.pixelColor(foot), QColor(Qt::white));
  EXPECT_LT(foot.y(), frame.height() - FitMargin / 2 + 2);
  // The ground surface near the top, not at the middle of the window.
  const QPoint ground = Pixel(QVector3D(float(x.BlockXMin), float(x.BlockYMin), 0));
  EXPECT_LT(ground.y(), frame.height() / 4);
  EXPECT_EQ(frame.pixelColor(ground - QPoint(0, 10)), QColor(Qt::white));
}

TEST_F(GLViewTest, CascadeGivesTheViewItsNormalSize) {
  QMdiArea area;
  area.resize(1000, 700);
  auto* block = new TDlgBlock([this] { return &Project->P(); });
  area.addSubWindow(block)->resize(120, 45);
  area.addSubWindow(new QWidget)->resize(120, 45);
  area.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
  area.cascadeSubWindows();
  QApplication::processEvents();
  EXPECT_EQ(block->size(), ViewWindowSize);
}

TEST_F(GLViewTest, MovedToAnotherWindowDrawsItsSceneAgain) {
  TViewOptions options;
  options.ShowSoilLayers = false;
  options.ShowAxes = false;
  Open(options);
  const int generation = View->GL->ContextGeneration();
  // Qt gives the GL window a new context in its new window: the display
  // lists of the old one are gone and must be built again.
  QWidget other;
  other.resize(700, 500);
  View->setParent(&other);
  View->move(0, 0);
  other.show();
  View->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
  const QImage picture = View->RenderImage();
  ASSERT_GT(View->GL->ContextGeneration(), generation);
  const QVector3D cap = View->Scene().Cap.at(0).Place.map(QVector3D());
  EXPECT_TRUE(Near(picture.pixelColor(Pixel(cap)), QColor::fromRgbF(0.25f, 0.25f, 0.25f), 2));
  View->setParent(nullptr);
}

TEST_F(GLViewTest, TranslucentLayersLeaveAnOpaquePicture) {
  // Even where the program's surfaces keep an alpha channel.
  const QSurfaceFormat saved = QSurfaceFormat::defaultFormat();
  QSurfaceFormat withAlpha = saved;
  withAlpha.setAlphaBufferSize(8);
  QSurfaceFormat::setDefaultFormat(withAlpha);
  Open(TViewOptions());
  QSurfaceFormat::setDefaultFormat(saved);
  ASSERT_EQ(View->GL->format().alphaBufferSize(), 8);
  const QImage frame = View->GL->grabFramebuffer();
  ASSERT_FALSE(frame.isNull());
  ASSERT_TRUE(frame.hasAlphaChannel());
  const QVector3D layer = View->Scene().SoilLayers.at(1).Place.map(QVector3D());
  const QColor tinted = frame.pixelColor(Pixel(layer + QVector3D(3, 0, 0)));
  EXPECT_NE(tinted, QColor(Qt::white));  // the layer is drawn there
  int translucent = 0;
  for (int y = 0; y < frame.height(); ++y)
    for (int x = 0; x < frame.width(); ++x) translucent += qAlpha(frame.pixel(x, y)) != 255;
  EXPECT_EQ(translucent, 0);
}

TEST_F(GLViewTest, PileNumbersStandAtThePileHeads) {
  TViewOptions options;
  options.ShowPileNumbers = true;
  options.ShowSoilLayers = false;
  options.ShowPileCap = false;
  options.ShowAxes = false;
  Open(options);
  View->SetView(3);  // from above
  const QImage frame = View->RenderImage();
  // The text of pile 4 (at 1.5, 1.5) starts at its anchor and is red.
  const QPoint anchor = Pixel(QVector3D(1.5f, 1.5f, 0));
  int red = 0;
  for (int y = anchor.y() - 12; y <= anchor.y(); ++y)
    for (int x = anchor.x(); x <= anchor.x() + 10; ++x) {
      const QColor c = frame.pixelColor(x, y);
      red += c.red() > 150 && c.green() < 100 && c.blue() < 100;
    }
  EXPECT_GT(red, 3);
}

TEST_F(GLViewTest, ActivatingItsSubWindowReadsTheProjectAgain) {
  QMdiArea area;
  area.resize(800, 600);
  auto* block = new TDlgBlock([this] { return &Project->P(); });
  QMdiSubWindow* blockWindow = area.addSubWindow(block);
  QMdiSubWindow* other = area.addSubWindow(new QWidget);
  area.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&area));
  const auto piles = [block] {
    int sides = 0;
    for (const TScenePrimitive& p : block->Scene().Piles) sides += p.Kind == TPrimitiveKind::ShadeCylinder;
    return sides / 3;  // three sections each
  };
  ASSERT_EQ(piles(), 4);
  Project->T().Pilecoord->SetRowCount(2);
  area.setActiveSubWindow(other);
  area.setActiveSubWindow(blockWindow);
  QApplication::processEvents();
  EXPECT_EQ(piles(), 2);
}

TEST_F(GLViewTest, PrintsThePictureOnAPage) {
  Open(TViewOptions());
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Dir.filePath(QStringLiteral("view.pdf")));
  View->PrintTo(printer);
  QFile pdf(printer.outputFileName());
  ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
  EXPECT_TRUE(pdf.read(5) == "%PDF-");
  EXPECT_GT(pdf.size(), 10000);  // the picture is in it
}

// The margins chosen in the page set-up of the 3-D view are the program's:
// the plot window and the 3-D view both begin their printed page inside
// them, while a side view prints on the whole printable paper, landscape.
TEST_F(GLViewTest, MarginsChosenInThePageSetupReachThePlotAndTheView) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) GTEST_SKIP() << "a printer is installed";
  struct TKept {
    TPageSettings Settings = TPageSettings::Program();
    ~TKept() { TPageSettings::Program() = Settings; }
  } kept;
  Open(TViewOptions());

  bool shown = false;
  QTimer::singleShot(100, [&] {
    auto* dialog = qobject_cast<QPageSetupDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;
    const std::pair<const char*, double> margins[] = {
        {"leftMargin", 40}, {"topMargin", 15}, {"rightMargin", 10}, {"bottomMargin", 20}};
    for (const auto& [name, millimetres] : margins)
      if (auto* box = dialog->findChild<QDoubleSpinBox*>(QLatin1String(name))) {
        shown = shown || std::abs(box->value() - 25.4) < 0.05;  // an inch, until now
        box->setValue(millimetres);
      }
    dialog->accept();
  });
  View->PageSetupAction->trigger();
  EXPECT_TRUE(shown);
  EXPECT_DOUBLE_EQ(TPageSettings::Program().Margin(TPageSettings::Left), 40);

  TGraphPlot plot;
  plot.SetLineCount(1);
  plot.SetPointCount(11);
  for (int j = 0; j <= 10; ++j) plot.Point(0, j) = {static_cast<long double>(j), static_cast<long double>(j)};
  TPlotForm form(plot);
  TDlgSideViewXZ side([this] { return &Project->P(); });
  side.FormActivate();

  constexpr double PointsPerMm = 72 / 25.4;
  const QPointF inside(40 * PointsPerMm, 15 * PointsPerMm);
  const QSizeF a4(595, 842);
  struct TPrinted {
    const char* Window;
    std::function<void(const TAskFileName&)> Print;
    QSizeF Paper;
    QPointF Origin;
  };
  const TPrinted rows[] = {
      {"plot",
       [&](const TAskFileName& Ask) {
         form.AskFileName = Ask;
         form.PrintClick();
       },
       a4, inside},
      {"3-D view",
       [&](const TAskFileName& Ask) {
         View->AskFileName = Ask;
         View->PrintButtonClick();
       },
       a4, inside},
      {"side view",
       [&](const TAskFileName& Ask) {
         side.AskFileName = Ask;
         side.Button1Click();
       },
       a4.transposed(), QPointF(0, 0)},
  };
  for (const TPrinted& row : rows) {
    SCOPED_TRACE(row.Window);
    const QString file = Dir.filePath(QLatin1String(row.Window) + QStringLiteral(".pdf"));
    row.Print([&](const QString&, const QString&, const QString& Suffix, bool) {
      EXPECT_EQ(Suffix, QStringLiteral("pdf"));
      return file;
    });
    const testing::TPdfPage page = testing::FirstPdfPage(file);
    ASSERT_TRUE(page.Read);
    EXPECT_NEAR(page.Paper.width(), row.Paper.width(), 1);
    EXPECT_NEAR(page.Paper.height(), row.Paper.height(), 1);
    // The printer keeps its page in whole points.
    EXPECT_NEAR(page.Origin.x(), row.Origin.x(), 0.6);
    EXPECT_NEAR(page.Origin.y(), row.Origin.y(), 0.6);
  }
}

TEST(GLWindow, SwitchesReachTheContextOutsideAPaint) {
  TglWindow gl;
  gl.resize(200, 150);
  gl.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&gl));
  gl.SetDepthTesting(true);
  EXPECT_TRUE(gl.DepthTesting());
  gl.SetDepthTesting(false);
  EXPECT_FALSE(gl.DepthTesting());
  gl.SetShadeModel(glFlat);
  EXPECT_EQ(gl.ShadeModel(), glFlat);
  gl.SetShadeModel(glSmooth);
  EXPECT_EQ(gl.ShadeModel(), glSmooth);
  EXPECT_EQ(gl.LightCount(), 8);
}

TEST(GLWindow, CallOutOfPlaceRaisesAndAFailedPaintIsReportedNotThrown) {
  TglWindow gl;
  gl.resize(200, 150);
  gl.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&gl));
  gl.BeginGLCall();
  gl.GLEnd();  // no glBegin before it
  EXPECT_THROW(gl.EndGLCall(), EOpenGL);

  QString reported;
  QObject::connect(&gl, &TglWindow::PaintFailed, [&reported](const QString& M) { reported = M; });
  gl.OnPaint = [](TglWindow*) { throw EOpenGL(QStringLiteral("SetPixelFormat failed")); };
  EXPECT_FALSE(gl.grabFramebuffer().isNull());
  EXPECT_EQ(reported, QStringLiteral("SetPixelFormat failed"));
}

}  // namespace
}  // namespace zavik
