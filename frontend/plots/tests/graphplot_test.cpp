// The plot data: curve creation, numbering and default names, point counts,
// the unit setting.
#include "plots/GraphPlot.h"

#include <gtest/gtest.h>

namespace zavik {
namespace {

TEST(GraphPlotTest, NewCurvesAreNumberedShownActiveAndNamedByNumber) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  ASSERT_EQ(plot.LineCount(), 3);
  EXPECT_EQ(plot.PointCount(), 0);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(plot.Line(i).Number, i + 1);
    EXPECT_TRUE(plot.Line(i).Shown);
    EXPECT_TRUE(plot.Line(i).Active);
    EXPECT_EQ(plot.Line(i).GetName(), QStringLiteral("Curve #%1").arg(i + 1));
  }
  plot.CurveName = QStringLiteral("#");
  EXPECT_EQ(plot.Line(2).GetName(), QStringLiteral("#3"));
}

TEST(GraphPlotTest, NameThenCurveNamesEntryThenPrefixAndNumber) {
  TGraphPlot plot;
  plot.SetLineCount(3);
  plot.CurveNames = QStringList{QStringLiteral("first"), QStringLiteral("second")};
  plot.Line(1).Name = QStringLiteral("own");
  EXPECT_EQ(plot.Line(0).GetName(), QStringLiteral("first"));
  EXPECT_EQ(plot.Line(1).GetName(), QStringLiteral("own"));
  EXPECT_EQ(plot.Line(2).GetName(), QStringLiteral("Curve #3"));
}

TEST(GraphPlotTest, PointCountsFollowTheFirstCurve) {
  TGraphPlot plot;
  plot.SetPointCount(5);  // no curves: nothing to size
  EXPECT_EQ(plot.PointCount(), 0);
  plot.SetLineCount(1);
  plot.SetPointCount(4);
  plot.Point(0, 3) = {1.5L, -2};
  plot.SetLineCount(2);  // a new curve takes the current point count
  EXPECT_EQ(plot.Line(1).PointCount(), 4);
  EXPECT_EQ(plot.Point(1, 3).X, 0);
  plot.SetPointCount(-2);
  EXPECT_EQ(plot.PointCount(), 0);
  plot.SetPointCount(4);
  EXPECT_EQ(plot.Point(0, 3).X, 0);  // points that come back are new
  plot.SetLineCount(-1);
  EXPECT_EQ(plot.LineCount(), 0);
}

TEST(GraphPlotTest, UnitsAreClampedToTheThreeSystems) {
  TGraphPlot plot;
  EXPECT_EQ(plot.Units(), 1);
  for (auto [set, stored] : {std::pair{0, 1}, {2, 2}, {3, 3}, {7, 3}, {-4, 1}}) {
    plot.SetUnits(set);
    EXPECT_EQ(plot.Units(), stored) << set;
  }
}

}  // namespace
}  // namespace zavik
