// The plots of the example decks as an engineer opens them: maximised at
// 1024 x 768 and 1280 x 1024, and in a window of about 410 x 335. The legend
// hides no curve, and every axis writes its labels in one form.
#include "ExampleRuns.h"

#include "controls/NumberFormat.h"
#include "plots/PlotGeometry.h"
#include "plots/ResultPlots.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <vector>

namespace zavik {
namespace {

// The plots of the Graphics menu.
const char* const MenuPlots[] = {"pltRealKXX", "pltRealKPPX", "pltDampCXX", "pltDampCPPX", "pltDxyzR", "pltMxyzR"};

// The client area of a plot window: maximised on screens of 1024 x 768 and
// 1280 x 1024, and a window of 410 x 335 with its frame and menu bar.
const QSize Canvases[] = {{1024, 730}, {1280, 986}, {400, 290}};

// About the size of the window's legend: its names with " *" in the 11-point
// face, a quarter of an inch more, and three entries of 17 pixels.
QSize LegendSize(const TGraphPlot& Plot) {
  qsizetype longest = 0;
  for (int i = 0; i < Plot.LineCount(); ++i) longest = std::max(longest, Plot.Line(i).GetName().size());
  return {24 + 8 * int(longest + 2), 3 * 17 + 3};
}

TPlotRange RangeOf(const TGraphPlot& Plot) { return AutoScale(Plot.Curves); }

// The curves (indices) that Box hides pixels of: every pixel of every segment
// between successive points, walked one pixel at a time, and every point's
// marker, 3 pixels either way at 96 pixels per inch; the pen reaches a pixel
// beyond its line. Only what lies on the graph is drawn.
std::set<int> CurvesUnder(const TGraphPlot& Plot, const TPlotLayout& L, const QRect& Box) {
  const TPlotRange range = RangeOf(Plot);
  const QRect graph(L.Plot.Left, L.Plot.Top, L.Plot.Width() + 1, L.Plot.Height() + 1);
  const QRect near = Box.adjusted(-1, -1, 1, 1) & graph;
  std::set<int> hidden;
  for (int i = 0; i < Plot.LineCount(); ++i) {
    for (int j = 0; j < Plot.PointCount(); ++j) {
      const TFloatPoint& p = Plot.Point(i, j);
      const QPoint a = WorldToScreen(L.Plot, range, false, p.X, p.Y);
      if (QRect(a - QPoint(3, 3), a + QPoint(3, 3)).intersects(near)) hidden.insert(i);
      if (j + 1 == Plot.PointCount()) continue;
      const TFloatPoint& q = Plot.Point(i, j + 1);
      const QPoint b = WorldToScreen(L.Plot, range, false, q.X, q.Y);
      const int n = std::max({std::abs(b.x() - a.x()), std::abs(b.y() - a.y()), 1});
      for (int s = 0; s <= n; ++s) {
        const QPoint at = WorldToScreen(L.Plot, range, false, p.X + (q.X - p.X) * s / n, p.Y + (q.Y - p.Y) * s / n);
        if (near.contains(at)) hidden.insert(i);
      }
    }
  }
  return hidden;
}

// The plots of the example's run, in SI units.
void LoadExample(TResultPlots& Plots, const char* Deck) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  ASSERT_TRUE(Plots.LoadPlotFile(runs.PlotFile(QLatin1String(Deck)), 2));
}

// Every menu plot of every example that has curves, at every window size.
template <class TCheck>
void ForEveryShownPlot(TCheck Check) {
  const TExampleRuns& runs = TExampleRuns::Get();
  ASSERT_TRUE(runs.Error.isEmpty()) << runs.Error.toStdString();
  int looked = 0;
  for (const QString& deck : runs.Decks) {
    TResultPlots plots;
    ASSERT_TRUE(plots.LoadPlotFile(runs.PlotFile(deck), 2));
    for (const char* name : MenuPlots) {
      TGraphPlot& plot = *plots.ByName(QLatin1String(name));
      if (plot.PointCount() < 2) continue;
      for (QSize canvas : Canvases) {
        SCOPED_TRACE(deck.toStdString() + " " + name + " in " + std::to_string(canvas.width()) + " x " +
                     std::to_string(canvas.height()));
        Check(plot, ScreenLayout(plot, canvas.width(), canvas.height(), 96, 96));
        ++looked;
      }
    }
  }
  EXPECT_GT(looked, 100);
}

TEST(ExamplePlotsTest, TheLegendHidesNoCurveOfAnyExample) {
  ForEveryShownPlot([](const TGraphPlot& Plot, const TPlotLayout& Base) {
    const QSize legend = LegendSize(Plot);
    const TPlotLayout L = ArrangeLegend(Base, Plot, {RangeOf(Plot), {}, {}}, legend);
    ASSERT_EQ(L.Legend.size(), legend);
    EXPECT_TRUE(CurvesUnder(Plot, L, L.Legend).empty());
    EXPECT_TRUE(L.Page.Left <= L.Legend.left() && L.Legend.right() <= L.Page.Right);
    EXPECT_GE(2 * L.Plot.Width(), Base.Plot.Width());
  });
}

// The plots the issue names: where the legend stood, on the bottom-right
// corner of the graph, it hid these curves.
struct TNamedRow {
  const char* Deck;
  const char* Plot;
  QSize Canvas;
  std::set<int> HiddenByTheCorner;
};

void PrintTo(const TNamedRow& Row, std::ostream* Os) { *Os << Row.Deck << " " << Row.Plot; }

class NamedLegendRows : public ::testing::TestWithParam<TNamedRow> {};

TEST_P(NamedLegendRows, TheCornerHidCurvesAndTheLegendNowHidesNone) {
  const TNamedRow& row = GetParam();
  TResultPlots plots;
  LoadExample(plots, row.Deck);
  const TGraphPlot& plot = *plots.ByName(QLatin1String(row.Plot));
  const TPlotLayout base = ScreenLayout(plot, row.Canvas.width(), row.Canvas.height(), 96, 96);
  const QSize legend = LegendSize(plot);
  const QRect corner(QPoint(base.Plot.Right - legend.width(), base.Plot.Bottom - legend.height()), legend);
  EXPECT_EQ(CurvesUnder(plot, base, corner), row.HiddenByTheCorner);
  const TPlotLayout L = ArrangeLegend(base, plot, {RangeOf(plot), {}, {}}, legend);
  EXPECT_TRUE(CurvesUnder(plot, L, L.Legend).empty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, NamedLegendRows, ::testing::Values(
  TNamedRow{"pile-group-interaction.kqd", "pltRealKXX", {1024, 730}, {0, 1}},
  TNamedRow{"pile-group-battered.kqd",    "pltRealKXX", {1024, 730}, {0, 1}},
  TNamedRow{"pile-group-battered.kqd",    "pltDxyzR",   {1024, 730}, {0, 1, 2}},
  TNamedRow{"pile-group-interaction.kqd", "pltRealKXX", {400, 290},  {0, 1, 2}}
));
// clang-format on

bool ExponentForm(const QString& Label) { return Label.contains(QLatin1Char('E')); }

TEST(ExamplePlotsTest, EveryAxisWritesItsLabelsInOneForm) {
  ForEveryShownPlot([](const TGraphPlot& Plot, const TPlotLayout& L) {
    const TPlotRange range = RangeOf(Plot);
    TTickRecord ticks;
    ASSERT_TRUE(ComputeTicks(L.Plot, range, L.TextHeight, ticks));
    for (const std::vector<TAxisLabel>& axis :
         {XAxisLabels(L.Plot, range, false, ticks), YAxisLabels(L.Plot, range, false, ticks)}) {
      ASSERT_GE(axis.size(), 2u);
      std::set<bool> forms;
      QStringList texts;
      for (const TAxisLabel& l : axis) {
        texts << l.Text;
        if (l.Text != QLatin1String("0")) forms.insert(ExponentForm(l.Text));
      }
      EXPECT_EQ(forms.size(), 1u) << texts.join(QLatin1Char(' ')).toStdString();
    }
  });
}

// The battered group's rotations read from 0.000016 down in fixed figures;
// written each on its own, 0.000008 and below would read 8E-06 and so on.
TEST(ExamplePlotsTest, TheBatteredGroupsRotationsReadInFixedFigures) {
  TResultPlots plots;
  LoadExample(plots, "pile-group-battered.kqd");
  const TGraphPlot& plot = plots.pltMxyzR;
  const TPlotLayout L = ScreenLayout(plot, 1024, 730, 96, 96);
  const TPlotRange range = RangeOf(plot);
  TTickRecord ticks;
  ASSERT_TRUE(ComputeTicks(L.Plot, range, L.TextHeight, ticks));
  QStringList texts;
  for (const TAxisLabel& l : YAxisLabels(L.Plot, range, false, ticks)) texts << l.Text;
  EXPECT_EQ(texts, (QStringList{"0", "0.000002", "0.000004", "0.000006", "0.000008", "0.00001", "0.000012",
                                "0.000014", "0.000016"}));
  const long double fifth = 4 * TicksPerLabel * ticks.YStep;  // the label 0.000008
  EXPECT_EQ(FloatToStrF(fifth, 4, 2), QStringLiteral("8E-06"));
}

}  // namespace
}  // namespace zavik
