// The plot picture drawn on an offscreen QImage: the pixels at the points the
// data give carry the curve's colour; gaps, markers, the legend box and the
// small-page rule.
#include "ExampleRuns.h"

#include "plots/PlotPainter.h"
#include "plots/ResultPlots.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zavik {
namespace {

struct TPicture {
  QImage Image;
  TPlotLayout Layout;
  TPlotView View;
};

TPlotView ViewOf(const TGraphPlot& Plot) {
  TPlotView v;
  v.Range = {AutoScale(Plot.Curves), AutoScale(Plot.Curves2), AutoScale(Plot.Curves3)};
  v.Legend = LegendEntries(Plot);
  return v;
}

TPicture Draw(const TGraphPlot& Plot, int Width = 800, int Height = 600, bool LegendBox = false,
              QRect LegendRect = {}) {
  TPicture p{QImage(Width, Height, QImage::Format_RGB32), ScreenLayout(Plot, Width, Height, 96, 96), ViewOf(Plot)};
  p.Layout.LegendBox = LegendBox;
  // A legend standing somewhere was put there by the user.
  p.View.LegendRect = LegendRect;
  p.View.LegendMoved = !LegendRect.isNull();
  p.View.WindowSize = QSize(Width, Height);
  p.Image.fill(Qt::darkCyan);  // so that the white page shows
  QPainter painter(&p.Image);
  DrawPlot(painter, Plot, p.Layout, p.View);
  return p;
}

// A pixel of Colour within one pixel of P.
bool ColourNear(const QImage& Image, QPoint P, const QColor& Colour) {
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) {
      const QPoint q = P + QPoint(dx, dy);
      if (Image.rect().contains(q) && Image.pixelColor(q) == Colour) return true;
    }
  return false;
}

// The points of curve Curve that lie inside the graph, off its frame.
std::vector<QPoint> InnerPixels(const TPicture& P, const TGraphPlot& Plot, int Curve) {
  std::vector<QPoint> pixels;
  const TPlotRect& R = P.Layout.Plot;
  for (int j = 0; j < Plot.PointCount(); ++j) {
    const TFloatPoint& f = Plot.Point(Curve, j);
    const QPoint q = WorldToScreen(R, P.View.Range[0], Plot.XOnTop, f.X, f.Y);
    if (q.x() > R.Left + 1 && q.x() < R.Right - 1 && q.y() > R.Top + 1 && q.y() < R.Bottom - 1) pixels.push_back(q);
  }
  return pixels;
}

void ExpectCurveDrawnIn(const TPicture& P, const TGraphPlot& Plot, int Curve, const QColor& Colour) {
  const std::vector<QPoint> pixels = InnerPixels(P, Plot, Curve);
  ASSERT_GT(pixels.size(), 5u);
  for (const QPoint& q : pixels)
    EXPECT_TRUE(ColourNear(P.Image, q, Colour)) << "curve " << Curve << " at " << q.x() << "," << q.y();
}

// Curves of straight lines Y = Level[i] over X = 0 .. Points - 1.
void FillLevels(TGraphPlot& Plot, const std::vector<long double>& Levels, int Points) {
  Plot.XOnTop = false;
  Plot.SetLineCount(int(Levels.size()));
  Plot.SetPointCount(Points);
  for (std::size_t i = 0; i < Levels.size(); ++i)
    for (int j = 0; j < Points; ++j) Plot.Point(int(i), j) = {static_cast<long double>(j), Levels[i]};
}

TEST(PainterTest, TranslationalStiffnessCurvesAreBlackBlueAndRedThroughTheirValues) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  TResultPlots plots;
  ASSERT_TRUE(plots.LoadPlotFile(runs.PlotFile(QStringLiteral("half-space-harmonic.kqd")), 2));
  TGraphPlot& kxx = plots.pltRealKXX;
  ASSERT_EQ(kxx.LineCount(), 3);
  // Kxx and Kyy coincide for a circular footing: each curve is looked at with
  // the ones drawn after it hidden.
  const QColor colours[] = {Qt::black, Qt::blue, Qt::red};
  for (int curve = 2; curve >= 0; --curve) {
    SCOPED_TRACE(kxx.Line(curve).GetName().toStdString());
    for (int later = 0; later < 3; ++later) kxx.Line(later).Shown = later <= curve;
    ExpectCurveDrawnIn(Draw(kxx), kxx, curve, colours[curve]);
  }
}

// Points (x, Level) for x = 0 .. Points - 1 in one line of a set.
void FillSet(TLineSet& Set, const std::vector<long double>& Levels, int Points) {
  Set.SetLineCount(int(Levels.size()));
  Set.SetPointCount(Points);
  for (std::size_t i = 0; i < Levels.size(); ++i)
    for (int j = 0; j < Points; ++j) Set.Point(int(i), j) = {static_cast<long double>(j), Levels[i]};
}

TEST(PainterTest, ThreeGraphsDrawEachSetWithItsOwnRangesAndTheFirstSetsFlags) {
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.ShowThree = true;
  plot.Markers = 0;
  FillSet(plot.Curves, {1, 1.55L}, 6);
  FillSet(plot.Curves2, {100, 155}, 6);
  FillSet(plot.Curves3, {0.01L}, 6);
  plot.Point(0, 5).Y = 1.6L;  // the first set's scale ends at 1.6
  TPicture p = Draw(plot, 1000, 600);
  auto at = [&](int Graph, long double X, long double Y) {
    return WorldToScreen(p.Layout.Graph[std::size_t(Graph)], p.View.Range[std::size_t(Graph)], false, X, Y);
  };
  EXPECT_TRUE(ColourNear(p.Image, at(1, 2.5L, 155), Qt::blue));
  EXPECT_TRUE(ColourNear(p.Image, at(1, 1.5L, 100), Qt::black));
  // With more than one curve in a set the last point is left out; a single
  // curve is drawn through all its points.
  EXPECT_FALSE(ColourNear(p.Image, at(1, 4.5L, 155), Qt::blue));
  EXPECT_TRUE(ColourNear(p.Image, at(2, 4.5L, 0.01L), Qt::black));
  plot.Line(1).Shown = false;
  p = Draw(plot, 1000, 600);
  EXPECT_FALSE(ColourNear(p.Image, at(1, 2.5L, 155), Qt::blue));
}

TEST(PainterTest, SoilStripFillsEachLayerWithItsColourDownToItsDepth) {
  TGraphPlot plot;
  plot.XOnTop = true;  // depth grows downward
  plot.ShowLayers = true;
  FillSet(plot.Curves, {2, 8}, 5);
  // Layer lines: X the soil code, Y the depth of the layer's bottom.
  plot.LayerLines.SetLineCount(3);
  plot.LayerLines.SetPointCount(1);
  plot.LayerLines.Point(0, 0) = {5, 3};   // horizontal hatch to depth 3
  plot.LayerLines.Point(1, 0) = {6, 6};   // vertical hatch to depth 6
  plot.LayerLines.Point(2, 0) = {99, 8};  // an unknown code: hollow
  const TPicture p = Draw(plot, 900, 700);
  const TPlotRect& S = p.Layout.Soil;
  auto count = [&](int Top, int Bottom, const QColor& Colour) {
    int n = 0;
    for (int x = S.Left + 2; x < S.Right - 2; ++x)
      for (int y = Top + 2; y < Bottom - 2; ++y) n += p.Image.pixelColor(x, y) == Colour;
    return n;
  };
  auto depth = [&](long double D) { return WorldToScreen(p.Layout.Plot, p.View.Range[0], true, 0, D).y(); };
  EXPECT_GT(count(S.Top, depth(3), Qt::black), 20);
  EXPECT_EQ(count(S.Top, depth(3), Qt::blue), 0);
  EXPECT_GT(count(depth(3), depth(6), Qt::blue), 20);
  EXPECT_EQ(count(depth(6), p.Layout.Plot.Bottom, Qt::red), 0);
  EXPECT_EQ(count(depth(6), p.Layout.Plot.Bottom, Qt::black), 0);
}

TEST(PainterTest, InactiveCurvesTakeNoColourAndHiddenOnesKeepTheirs) {
  TGraphPlot plot;
  FillLevels(plot, {1, 2, 3, 3.5L}, 20);
  plot.Markers = 0;
  plot.Line(2).Active = false;  // the third curve
  TPicture p = Draw(plot);
  ExpectCurveDrawnIn(p, plot, 3, Qt::red);  // the third active one
  plot.Line(1).Shown = false;
  p = Draw(plot);
  ExpectCurveDrawnIn(p, plot, 3, Qt::red);
  for (const QPoint& q : InnerPixels(p, plot, 1)) EXPECT_FALSE(ColourNear(p.Image, q, Qt::blue));
}

TEST(PainterTest, PointsThatAreNotFiniteBreakTheCurve) {
  TGraphPlot plot;
  FillLevels(plot, {2, 1}, 11);
  plot.Markers = 0;
  plot.Point(1, 5).Y = std::numeric_limits<long double>::quiet_NaN();
  plot.Point(1, 8).X = std::numeric_limits<long double>::infinity();
  const TPicture p = Draw(plot);
  const TPlotRect& R = p.Layout.Plot;
  auto at = [&](long double x) { return WorldToScreen(R, p.View.Range[0], false, x, 1); };
  EXPECT_TRUE(ColourNear(p.Image, at(2.5L), Qt::blue));
  EXPECT_TRUE(ColourNear(p.Image, at(9.5L), Qt::blue));
  for (long double x : {4.5L, 5.5L, 7.5L, 8.5L}) EXPECT_FALSE(ColourNear(p.Image, at(x), Qt::blue)) << double(x);
}

TEST(PainterTest, MarkersStandOnEveryMarkersthPoint) {
  TGraphPlot plot;
  FillLevels(plot, {1, 0.5L}, 10);
  plot.Markers = 3;
  // The second curve's marker is a square with its corners two pixels off the
  // point at 96 pixels per inch.
  auto corner = [](const TPicture& P, int j) {
    return P.Image.pixelColor(WorldToScreen(P.Layout.Plot, P.View.Range[0], false, j, 0.5L) + QPoint(2, 2));
  };
  const TPicture p = Draw(plot);
  for (int j = 1; j < 9; ++j) EXPECT_EQ(corner(p, j) == QColor(Qt::blue), j % 3 == 0) << j;
  plot.Markers = 0;
  const TPicture none = Draw(plot);
  EXPECT_EQ(corner(none, 3), QColor(Qt::white));
}

TEST(PainterTest, MarkerShapesRepeatEveryTenCurves) {
  auto shape = [](int curve) {
    QImage image(21, 21, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setPen(QPen(Qt::black, 1));
    DrawMarker(p, QPoint(10, 10), curve, 96, 96);
    return image;
  };
  for (int i = 0; i < 10; ++i)
    for (int k = i + 1; k < 10; ++k) EXPECT_NE(shape(i), shape(k)) << i << " " << k;
  EXPECT_EQ(shape(10), shape(0));
  EXPECT_EQ(shape(14), shape(4));
}

// On printed and saved pictures the legend box gives each shown curve the
// colour of its place in the legend and the marker its curve is drawn with.
TEST(PainterTest, LegendBoxEntriesCarryTheirCurvesMarker) {
  TGraphPlot plot;
  FillLevels(plot, {1, 2, 3}, 10);
  plot.Line(0).Active = false;  // the legend lists curves 1 and 2
  const QRect legend(500, 300, 80, 40);
  const TPicture p = Draw(plot, 800, 600, true, legend);
  const int th = QFontMetrics(PlotFont(p.Layout.TextHeight, 400), &p.Image).height();
  const QPoint first(legend.left() + 96 / 16, legend.top() + 96 / 32 + th / 2);
  // Curve 1's marker is a square; the first curve's (its place) a triangle.
  auto marker = [&](int curve) {
    QImage image(p.Image.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1));
    DrawMarker(painter, first, curve, 96, 96);
    return image;
  };
  const QImage square = marker(1);
  const QImage triangle = marker(0);
  int agree = 0, differ = 0;
  for (int dx = -4; dx <= 4; ++dx)
    for (int dy = -4; dy <= 4; ++dy) {
      const QPoint q = first + QPoint(dx, dy);
      const bool drawn = p.Image.pixelColor(q) == QColor(Qt::black);
      agree += drawn == (square.pixelColor(q) == QColor(Qt::black));
      differ += square.pixelColor(q) != triangle.pixelColor(q);
    }
  EXPECT_GT(differ, 0);
  EXPECT_EQ(agree, 81);
}

// The saved picture places its own legend box where it hides no data: drawn
// without the box, the picture has no pixel of the Kyy (blue) or Kww (red)
// curve where the box goes, while the bottom-right corner has some.
TEST(PainterTest, ASavedPicturesLegendBoxHidesNoCurve) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  TResultPlots plots;
  ASSERT_TRUE(plots.LoadPlotFile(runs.PlotFile(QStringLiteral("pile-group-interaction.kqd")), 2));
  const TGraphPlot& kxx = plots.pltRealKXX;
  QImage image(432, 288, QImage::Format_RGB32);  // 6 x 4 inches at 72 pixels per inch
  TPlotView view = ViewOf(kxx);
  TPlotLayout L = BitmapLayout(kxx, image.width(), image.height(), 72, 72);
  QPainter painter(&image);
  const TPlotLayout placed = WithLegendBox(painter, kxx, L, view);
  ASSERT_FALSE(placed.Legend.isEmpty());
  TPlotLayout bare = placed;
  bare.LegendBox = false;
  DrawPlot(painter, kxx, bare, view);
  auto curvePixels = [&](const QRect& Box) {
    int n = 0;
    for (int x = Box.left(); x <= Box.right(); ++x)
      for (int y = Box.top(); y <= Box.bottom(); ++y) {
        const QColor c = image.pixelColor(x, y);
        n += c == QColor(Qt::blue) || c == QColor(Qt::red);
      }
    return n;
  };
  EXPECT_EQ(curvePixels(placed.Legend), 0);
  const QRect corner(QPoint(placed.Plot.Right, placed.Plot.Bottom) - QPoint(placed.Legend.width(), placed.Legend.height()) +
                         QPoint(1, 1),
                     placed.Legend.size());
  EXPECT_GT(curvePixels(corner), 0);
  // Drawn with its box, the picture shows the box there.
  DrawPlot(painter, kxx, L, view);
  const QPoint frame(placed.Legend.left(), placed.Legend.center().y());
  EXPECT_EQ(image.pixelColor(frame), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(frame + QPoint(2, 0)), QColor(Qt::white));
}

TEST(PainterTest, ABoxEntryForACurveNoLongerThereIsLeftOut) {
  TGraphPlot plot;
  FillLevels(plot, {1, 2, 3}, 10);
  TPicture p = Draw(plot);
  p.View.Legend = LegendEntries(plot);
  plot.SetLineCount(1);  // reloaded with fewer curves
  p.Layout.LegendBox = true;
  p.View.LegendRect = QRect(500, 300, 80, 40);
  p.View.LegendMoved = true;
  QPainter painter(&p.Image);
  DrawPlot(painter, plot, p.Layout, p.View);
}

TEST(PainterTest, APageSmallerThanAnInchIsOnlyFilledWhite) {
  TGraphPlot plot;
  FillLevels(plot, {1, 2}, 10);
  plot.GraphTitle = QStringLiteral("Title");
  for (QSize size : {QSize(95, 300), QSize(300, 95)}) {
    const TPicture p = Draw(plot, size.width(), size.height());
    for (int x = 0; x < p.Image.width(); ++x)
      for (int y = 0; y < p.Image.height(); ++y) ASSERT_EQ(p.Image.pixelColor(x, y), QColor(Qt::white));
  }
}

TEST(PainterTest, ANarrowWindowHasNoTicksButItsCurvesAndFrame) {
  TGraphPlot plot;
  FillLevels(plot, {1, 1.55L}, 10);
  plot.Markers = 0;
  const TPicture p = Draw(plot, 140, 400);
  const TPlotRect& R = p.Layout.Plot;
  ASSERT_LT(R.Width(), 6 * p.Layout.TextHeight);
  // No tick: nothing black just inside the bottom edge, except the corners.
  for (int x = R.Left + 1; x < R.Right; ++x) EXPECT_NE(p.Image.pixelColor(x, R.Bottom - 2), QColor(Qt::black)) << x;
  EXPECT_EQ(p.Image.pixelColor(R.Left, (R.Top + R.Bottom) / 2), QColor(Qt::black));
  EXPECT_EQ(p.Image.pixelColor(R.Right, (R.Top + R.Bottom) / 2), QColor(Qt::black));
  ExpectCurveDrawnIn(p, plot, 1, Qt::blue);
}

// Y labels read upward beside their ticks; the lowest one, at the X axis,
// stops there instead of running into the X axis's labels. With the X axis
// on top the same holds at the top edge.
TEST(PainterTest, NoYLabelReachesPastTheXAxis) {
  for (bool onTop : {false, true}) {
    SCOPED_TRACE(onTop ? "X axis on top" : "X axis at the bottom");
    TGraphPlot plot;
    FillLevels(plot, {-1e6L, 1e6L}, 41);  // labelled every 2E05 from -1E06
    plot.XOnTop = onTop;
    plot.Markers = 0;
    const TPicture p = Draw(plot);
    const TPlotRect& R = p.Layout.Plot;
    ASSERT_LT(p.View.Range[0].Ymin, 0);
    // The column of the Y labels, short of the X axis's label "0" centred
    // on the graph's left edge.
    const int right = R.Left - 96 / 16;
    const int left = right - p.Layout.TextHeight / 2;
    int inColumn = 0, beyondAxis = 0;
    for (int x = left; x < right; ++x)
      for (int y = 0; y < p.Image.height(); ++y) {
        if (qGray(p.Image.pixel(x, y)) > 128) continue;  // not ink of a label
        ++inColumn;
        if (onTop ? y < R.Top : y > R.Bottom) ++beyondAxis;
      }
    EXPECT_GT(inColumn, 100);  // the labels are there
    EXPECT_EQ(beyondAxis, 0);
  }
}

TEST(PainterTest, LabelledTicksCarryADottedGridLine) {
  TGraphPlot plot;
  FillLevels(plot, {1, 2}, 41);  // X 0 .. 40, labelled every 5
  plot.Markers = 0;
  const TPicture p = Draw(plot);
  const TPlotRect& R = p.Layout.Plot;
  auto blackInColumn = [&](int x) {
    int n = 0;
    for (int y = R.Top + 10; y < R.Bottom - 10; ++y) n += p.Image.pixelColor(x, y) == QColor(Qt::black);
    return n;
  };
  const int labelled = WorldToScreen(R, p.View.Range[0], false, 10, 0).x();
  const int minor = WorldToScreen(R, p.View.Range[0], false, 11, 0).x();
  EXPECT_GT(blackInColumn(labelled), (R.Height() - 20) / 4);
  EXPECT_LT(blackInColumn(labelled), R.Height() - 20);  // dotted, not solid
  EXPECT_LT(blackInColumn(minor), 10);  // only where labelled Y grid lines cross
  // The minor tick is a sixteenth of an inch long, from the bottom edge up.
  EXPECT_EQ(p.Image.pixelColor(minor, R.Bottom - 3), QColor(Qt::black));
  EXPECT_NE(p.Image.pixelColor(minor, R.Bottom - 8), QColor(Qt::black));
}

}  // namespace
}  // namespace zavik
