// The plots of the example decks as an engineer opens them: maximised at
// 1024 x 768 and 1280 x 1024, and in a window of about 410 x 335. Every axis
// writes its labels in one form.
#include "ExampleRuns.h"

#include "controls/NumberFormat.h"
#include "plots/PlotGeometry.h"
#include "plots/ResultPlots.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace zavik {
namespace {

// The plots of the Graphics menu.
const char* const MenuPlots[] = {"pltRealKXX", "pltRealKPPX", "pltDampCXX", "pltDampCPPX", "pltDxyzR", "pltMxyzR"};

// The client area of a plot window: maximised on screens of 1024 x 768 and
// 1280 x 1024, and a window of 410 x 335 with its frame and menu bar.
const QSize Canvases[] = {{1024, 730}, {1280, 986}, {400, 290}};

TPlotRange RangeOf(const TGraphPlot& Plot) { return AutoScale(Plot.Curves); }

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
