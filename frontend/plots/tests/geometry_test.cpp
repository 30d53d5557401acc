// Plot geometry without a screen: autoscale, ticks, transforms, zoom and
// re-centring, unit names, the layouts and the export's numbers, against
// hand-worked cases.
#include "plots/PlotGeometry.h"
#include "plots/PlotText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace zavik {
namespace {

void ExpectClose(long double Actual, long double Expected) {
  EXPECT_NEAR(double(Actual), double(Expected), 1e-12 * std::max(1.0, std::fabs(double(Expected))));
}

// One curve of the given Y values at X = 0, 1, 2, ...
TPlotRange ScaleOf(const std::vector<long double>& Ys) {
  TGraphPlot plot;
  plot.SetLineCount(1);
  plot.SetPointCount(int(Ys.size()));
  for (std::size_t i = 0; i < Ys.size(); ++i) plot.Point(0, int(i)) = {static_cast<long double>(i), Ys[i]};
  return AutoScale(plot.Curves);
}

struct TScaleRow {
  const char* What;
  std::vector<long double> Ys;
  long double Ymin, Ymax;
};

class AutoScaleRows : public ::testing::TestWithParam<TScaleRow> {};

TEST_P(AutoScaleRows, RangeHoldsZeroAndEndsOnTheStep) {
  const TScaleRow& row = GetParam();
  SCOPED_TRACE(row.What);
  const TPlotRange r = ScaleOf(row.Ys);
  ExpectClose(r.Ymin, row.Ymin);
  ExpectClose(r.Ymax, row.Ymax);
}

constexpr long double NaN = std::numeric_limits<long double>::quiet_NaN();
constexpr long double Inf = std::numeric_limits<long double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, AutoScaleRows, ::testing::Values(
  TScaleRow{"all zero: 0.01 either way, step 0.001", {0, 0, 0},        -0.01L, 0.01L},
  TScaleRow{"0 to 37: mantissa 3.7, step 10",        {0, 12, 37},      0,      40},
  TScaleRow{"0 to 23: mantissa 2.3, step 1",         {0, 23, 5},       0,      23},
  TScaleRow{"negative: 0 stays inside",              {-5, -1, -3},     -5,     0},
  TScaleRow{"positive only: from 0",                 {3, 4.5L, 7},     0,      7},
  TScaleRow{"stiffnesses",                           {1.63e6L, 1.84e6L, 0.3e6L}, 0, 1.9e6L},
  TScaleRow{"points that are not finite left out",   {NaN, 12, Inf, -Inf, 37}, 0, 40},
  TScaleRow{"a single value away from 0",            {-0.004L},        -0.004L, 0},
  TScaleRow{"60 Hz as 377 rad/s: no step beyond 60", {2, 30, 377 / 6.2832L}, 0, 60},
  TScaleRow{"a hundredth of a step beyond 60",       {2, 30, 60.1L},   0,      70},
  TScaleRow{"4E-4 steps below -4 ends on -4",        {-4.0004L, 1},    -4,     1},
  TScaleRow{"a hundredth of a step below -4",        {-4.01L, 1},      -5,     1}
));
// clang-format on

TEST(AutoScaleTest, AllZeroDataScalesXTheSameWay) {
  TGraphPlot plot;
  plot.SetLineCount(2);
  plot.SetPointCount(3);
  const TPlotRange r = AutoScale(plot.Curves);
  ExpectClose(r.Xmin, -0.01L);
  ExpectClose(r.Xmax, 0.01L);
}

TEST(AutoScaleTest, SpansWithoutADecimalStepFallBackToASmallRange) {
  for (long double tiny : {std::numeric_limits<long double>::denorm_min(), 1e-4940L}) {
    long double min = 0, max = tiny;
    AutoScaleAxis(min, max);
    EXPECT_TRUE(std::isfinite(min) && std::isfinite(max));
    EXPECT_LT(min, max);
  }
  long double min = -std::numeric_limits<long double>::max(), max = std::numeric_limits<long double>::max();
  AutoScaleAxis(min, max);
  EXPECT_TRUE(std::isfinite(min) && std::isfinite(max));
  EXPECT_LT(min, max);
}

struct TTickRow {
  int Width;  // of the rectangle; its height is 420
  long double Span;
  long double Step;  // a fifth of the labelled step
};

class TickRows : public ::testing::TestWithParam<TTickRow> {};

// h = 14: one labelled tick per 84 pixels at most.
TEST_P(TickRows, LabelledStepsAreOneTwoOrFiveTimesAPowerOfTen) {
  const TTickRow& row = GetParam();
  SCOPED_TRACE(row.Width);
  SCOPED_TRACE(double(row.Span));
  TTickRecord t;
  ASSERT_TRUE(ComputeTicks({0, 0, row.Width, 420}, {0, row.Span, -1, 1}, 14, t));
  ExpectClose(t.XStep, row.Step);
  ExpectClose(t.YStep, 0.04L);  // height 420: 5 labels, raw 0.4, labelled 0.2
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TickRows, ::testing::Values(
  TTickRow{600, 40,    1},       // 7 labels: raw 5.7, labelled 5
  TTickRow{600, 23,    0.4L},    // raw 3.3, labelled 2
  TTickRow{600, 0.02L, 0.0004L}, // raw 0.0029, labelled 0.002
  TTickRow{336, 100,   4},       // 4 labels: raw 25, labelled 20
  TTickRow{84,  95,    20},      // 1 label: raw 95, labelled 100
  TTickRow{84,  15,    2},       // raw 15, labelled 10
  TTickRow{170, 2e6L,  2e5L}     // 2 labels: raw 1e6, labelled 1e6
));
// clang-format on

TEST(TicksTest, ZeroIsAlwaysATickAndTheIndicesCoverTheRange) {
  TTickRecord t;
  ASSERT_TRUE(ComputeTicks({0, 0, 600, 420}, {-5, 37, -0.3L, 2.2L}, 14, t));
  EXPECT_LE(t.XFirst * t.XStep, -5);
  EXPECT_GE(t.XLast * t.XStep, 37);
  EXPECT_LE(t.XFirst, 0);
  EXPECT_GE(t.XLast, 0);
  EXPECT_LE(t.YFirst * t.YStep, -0.3L);
  EXPECT_GE(t.YLast * t.YStep, 2.2L);
}

TEST(TicksTest, NoTicksInARectangleNarrowerThanSixTextHeights) {
  TTickRecord t;
  EXPECT_FALSE(ComputeTicks({0, 0, 83, 420}, {0, 1, 0, 1}, 14, t));
  EXPECT_FALSE(ComputeTicks({0, 0, 600, 83}, {0, 1, 0, 1}, 14, t));
  EXPECT_FALSE(ComputeTicks({0, 0, 600, 420}, {0, 1, 0, 1}, 0, t));
  EXPECT_FALSE(ComputeTicks({0, 0, 600, 420}, {0, 0, 0, 1}, 14, t));
}

TEST(TransformTest, HalvesRoundToEvenAfterTheOffset) {
  const TPlotRange r{0, 4, 0, 4};
  // 1/4 of 10 pixels is 2.5: 2; 3/4 is 7.5: 8. The rectangle's offset is added
  // after rounding.
  EXPECT_EQ(WorldToScreen({0, 0, 10, 10}, r, false, 1, 1), QPoint(2, 8));
  EXPECT_EQ(WorldToScreen({0, 0, 10, 10}, r, false, 3, 3), QPoint(8, 2));
  EXPECT_EQ(WorldToScreen({1, 1, 11, 11}, r, false, 1, 1), QPoint(3, 9));
  EXPECT_EQ(WorldToScreen({1, 1, 11, 11}, r, true, 1, 1), QPoint(3, 3));
}

TEST(TransformTest, PixelsStayInRangeAndNaNGivesTheEdge) {
  const TPlotRange r{0, 1, 0, 1};
  const QPoint far = WorldToScreen({0, 0, 500, 500}, r, false, 1e300L, -1e300L);
  EXPECT_EQ(far, QPoint(PixelLimit, PixelLimit));
  const QPoint none = WorldToScreen({10, 20, 500, 500}, r, false, NaN, NaN);
  EXPECT_EQ(none, QPoint(10, 500));
}

TEST(TransformTest, ScreenToWorldInvertsAndIsZeroOutsideTheGraph) {
  const TPlotRect R{40, 30, 740, 530};
  const TPlotRange r{0, 50, -2e6L, 2e6L};
  for (bool top : {false, true}) {
    const QPoint p = WorldToScreen(R, r, top, 12.5L, 1e6L);
    const TFloatPoint w = ScreenToWorld(R, r, top, p);
    ExpectClose(w.X, 12.5L);
    ExpectClose(w.Y, 1e6L);
  }
  const TFloatPoint outside = ScreenToWorld(R, r, false, {39, 100});
  EXPECT_EQ(outside.X, 0);
  EXPECT_EQ(outside.Y, 0);
}

TEST(TransformTest, ThreeGraphsConvertThroughTheGraphUnderThePixel) {
  TPlotLayout L;
  L.Graph = {TPlotRect{0, 0, 100, 100}, TPlotRect{150, 0, 250, 100}, TPlotRect{300, 0, 400, 100}};
  const std::array<TPlotRange, 3> ranges = {TPlotRange{0, 1, 0, 1}, TPlotRange{0, 10, 0, 10},
                                            TPlotRange{0, 100, 0, 100}};
  ExpectClose(ScreenToWorld3(L, ranges, false, {200, 50}).X, 5);
  ExpectClose(ScreenToWorld3(L, ranges, false, {350, 50}).Y, 50);
  EXPECT_EQ(ScreenToWorld3(L, ranges, false, {120, 50}).X, 0);
  EXPECT_EQ(ScreenToWorld3(L, ranges, false, {401, 50}).X, 0);
}

TEST(ZoomTest, ABandNarrowerThanATwentiethShowsExactlyATwentieth) {
  const TPlotRange home{0, 100, 0, 2e6L};
  // Centred on the band.
  TPlotRange z = ZoomToBand(home, {50, 1e6L}, {51, 1.01e6L});
  ExpectClose(z.Xmin, 48);
  ExpectClose(z.Xmax, 53);
  ExpectClose(z.Ymax - z.Ymin, 1e5L);
  // Pushed inside the home range at either end.
  z = ZoomToBand(home, {0.5L, 0}, {1, 1});
  ExpectClose(z.Xmin, 0);
  ExpectClose(z.Xmax, 5);
  ExpectClose(z.Ymin, 0);
  z = ZoomToBand(home, {99.5L, 2e6L}, {99, 1.9999e6L});
  ExpectClose(z.Xmax, 100);
  ExpectClose(z.Xmin, 95);
  ExpectClose(z.Ymax, 2e6L);
}

TEST(ZoomTest, AWideBandIsTakenAsItIs) {
  const TPlotRange home{0, 100, 0, 10};
  const TPlotRange z = ZoomToBand(home, {80, 9}, {20, -3});
  EXPECT_EQ(z, (TPlotRange{20, 80, -3, 9}));
}

TEST(ZoomTest, RightClickDoublesTheSpanInsideTheHomeRange) {
  const TPlotRange home{0, 100, -10, 10};
  TPlotRange r{40, 50, 0, 2};
  r = Recentre(r, home, {45, 1});
  EXPECT_EQ(r, (TPlotRange{35, 55, -1, 3}));
  // At the edge: as near as the doubled span allows.
  r = Recentre(r, home, {99, 9});
  EXPECT_EQ(r, (TPlotRange{60, 100, 2, 10}));
  r = Recentre(r, home, {0, 0});
  EXPECT_EQ(r, (TPlotRange{0, 80, -8, 8}));
  r = Recentre(r, home, {30, 0});
  EXPECT_EQ(r, home);  // never more than the home span
}

struct TUnitsRow {
  const char* Template;
  int Units;
  const char* Expanded;
};

class UnitsRows : public ::testing::TestWithParam<TUnitsRow> {};

TEST_P(UnitsRows, CodesAreNamedInTheUnitSystem) {
  const TUnitsRow& row = GetParam();
  EXPECT_EQ(ExpandUnits(QLatin1String(row.Template), row.Units), QLatin1String(row.Expanded))
      << row.Template << " in " << row.Units;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, UnitsRows, ::testing::Values(
  TUnitsRow{"F/L2",             1, "lbs/ft"},
  TUnitsRow{"F/L2",             2, "kN/m"},
  TUnitsRow{"F-L2/Radian",      1, "lbs-ft/Radian"},
  TUnitsRow{"F-L2/Radian",      2, "kN-m/Radian"},
  TUnitsRow{"F-sec/L2-radian",  1, "lbs-sec/ft-radian"},
  TUnitsRow{"F-L2-sec/radian2", 2, "kN-m-sec/radian2"},
  TUnitsRow{"F2/L",             1, "tons/in"},
  TUnitsRow{"F1-F",             1, "kips-F"},
  TUnitsRow{"L1",               2, "mm"},
  TUnitsRow{"L2",               1, "ft"},
  TUnitsRow{"rad.",             1, "rad."},
  TUnitsRow{"Hz",               2, "Hz"},
  TUnitsRow{"F/L2",             3, "F/L2"}
));
// clang-format on

TEST(LayoutTest, ScreenLayoutLeavesRoomForCaptionsAndLabels) {
  TGraphPlot plot;
  plot.XOnTop = false;
  // h = 14 at 96 pixels per inch.
  TPlotLayout L = ScreenLayout(plot, 800, 600, 96, 96);
  EXPECT_EQ(L.TextHeight, 14);
  EXPECT_EQ(L.Plot, (TPlotRect{41, 31, 769, 559}));
  EXPECT_FALSE(L.LegendBox);
  plot.GraphTitle = QStringLiteral("Title");
  EXPECT_EQ(ScreenLayout(plot, 800, 600, 96, 96).Plot.Bottom, 545);
  plot.TitleOnTop = true;
  EXPECT_EQ(ScreenLayout(plot, 800, 600, 96, 96).Plot.Top, 46);
  plot.GraphTitle.clear();
  plot.ShowLayers = true;
  L = ScreenLayout(plot, 800, 600, 96, 96);
  EXPECT_EQ(L.Plot.Right, 673);
  EXPECT_EQ(L.Soil, (TPlotRect{692, 31, 769, 559}));
  plot.ShowLayers = false;
  plot.ShowThree = true;
  L = ScreenLayout(plot, 800, 600, 96, 96);
  EXPECT_EQ(L.Graph[0], (TPlotRect{41, 31, 249, 559}));
  EXPECT_EQ(L.Graph[1], (TPlotRect{301, 31, 509, 559}));
  EXPECT_EQ(L.Graph[2], (TPlotRect{561, 31, 769, 559}));
  plot.SizeFont = 20;
  EXPECT_EQ(ScreenLayout(plot, 800, 600, 96, 96).TextHeight, 28);
}

TEST(LayoutTest, PrintedPageUsesThePageAndItsResolution) {
  TGraphPlot plot;
  plot.XOnTop = false;
  // h = 10.5 points at 600 pixels per inch = 88 pixels (87.5 rounded up).
  const TPlotLayout L = PrinterLayout(plot, {0, 0, 6000, 4000}, 600, 600);
  EXPECT_EQ(L.TextHeight, 88);
  EXPECT_EQ(L.Plot, (TPlotRect{262, 0, 6000, 3738}));
  EXPECT_TRUE(L.LegendBox);
  plot.XOnTop = true;
  plot.GraphTitle = QStringLiteral("T");
  plot.TitleOnTop = true;
  EXPECT_EQ(PrinterLayout(plot, {0, 0, 6000, 4000}, 600, 600).Plot, (TPlotRect{262, 412, 6000, 4000}));
}

TEST(LayoutTest, BitmapGivesHalfAnInchToTheSoilStrip) {
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.ShowLayers = true;
  const TPlotLayout L = BitmapLayout(plot, 432, 288, 72, 72);
  EXPECT_TRUE(L.Bitmap && L.LegendBox);
  EXPECT_EQ(L.Page, (TPlotRect{0, 0, 432, 288}));
  EXPECT_EQ(L.Soil.Right - L.Plot.Right, 36);
  EXPECT_EQ(L.Soil.Left - L.Plot.Right, 14);
}

// Labels along an axis from Lo = 0 to Hi = 400 with a gap of 3: ticks every
// 40 pixels from pixel At on, the first at labelled step First; Lengths are
// the labels' extents.
struct TLabelRow {
  const char* What;
  long long First;
  int At;
  std::vector<int> Lengths;
  std::vector<long long> Written;  // the steps that keep their labels
  std::vector<int> Starts;         // where those labels begin
};

void PrintTo(const TLabelRow& Row, std::ostream* Os) { *Os << Row.What; }

class TickLabelRows : public ::testing::TestWithParam<TLabelRow> {};

TEST_P(TickLabelRows, EveryLabelOfARegularStepAndNoneTouching) {
  const TLabelRow& row = GetParam();
  std::vector<TTickLabel> labels;
  for (std::size_t i = 0; i < row.Lengths.size(); ++i)
    labels.push_back({row.First + static_cast<long long>(i), row.At + 40 * int(i), row.Lengths[i], 0});
  std::vector<long long> written;
  std::vector<int> starts;
  for (const TTickLabel& l : PlaceTickLabels(labels, 0, 400, 3)) {
    written.push_back(l.Step);
    starts.push_back(l.Start);
  }
  EXPECT_EQ(written, row.Written);
  EXPECT_EQ(starts, row.Starts);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, TickLabelRows, ::testing::Values(
  TLabelRow{"short labels: all, the first moved inside", 0,  0,   {20, 20, 20, 20},             {0, 1, 2, 3},  {0, 30, 70, 110}},
  TLabelRow{"one long label: every other from 0",        0,  0,   {20, 20, 58, 20, 20},         {0, 2, 4},     {0, 51, 150}},
  TLabelRow{"from step -3: every other, 0 among them",   -3, 0,   {30, 30, 30, 30, 30, 30},     {-2, 0, 2},    {25, 105, 185}},
  TLabelRow{"longer than twice the step: every fifth",   -1, 0,   {90, 90, 90, 90, 90, 90, 90}, {0, 5},        {0, 195}},
  TLabelRow{"the last label stops at the far end",       8,  320, {20, 20, 20},                 {8, 9, 10},    {310, 350, 380}},
  TLabelRow{"one label is always written",               3,  0,   {500},                        {3},           {0}},
  TLabelRow{"none",                                      0,  0,   {},                           {},            {}}
));
// clang-format on

TEST(LegendPlaceTest, TheLegendKeepsItsDistanceFromTheNearestCornerOfTheGraph) {
  const TPlotRect small{40, 30, 440, 330};
  const TPlotRect large{40, 30, 1040, 730};
  const QSize legend(60, 40);
  // Opening: on the bottom-right corner.
  EXPECT_EQ(LegendTopLeft(small, {480, 370}, legend, TLegendPlace()), QPoint(380, 290));
  EXPECT_EQ(LegendTopLeft(large, {1080, 770}, legend, TLegendPlace()), QPoint(980, 690));
  // Dragged near the top-left corner, 10 right of and 5 below it.
  const TLegendPlace topLeft = LegendPlaceOf(small, QRect(QPoint(50, 35), legend));
  EXPECT_EQ(topLeft, (TLegendPlace{false, false, {10, 5}}));
  EXPECT_EQ(LegendTopLeft(large, {1080, 770}, legend, topLeft), QPoint(50, 35));
  // Near the top-right corner it follows that corner.
  const TLegendPlace topRight = LegendPlaceOf(small, QRect(QPoint(360, 40), legend));
  EXPECT_EQ(topRight, (TLegendPlace{true, false, {-20, 10}}));
  EXPECT_EQ(LegendTopLeft(large, {1080, 770}, legend, topRight), QPoint(960, 40));
  // A window smaller than the legend's place shows it inside, at 0 at the
  // least, and gives it its place back when it grows again.
  const TPlotRect tiny{40, 30, 60, 20};
  EXPECT_EQ(LegendTopLeft(tiny, {100, 50}, legend, TLegendPlace()), QPoint(0, 0));
  EXPECT_EQ(LegendTopLeft(tiny, {100, 50}, legend, topRight), QPoint(0, 10));
  EXPECT_EQ(LegendTopLeft(large, {1080, 770}, legend, TLegendPlace()), QPoint(980, 690));
  EXPECT_EQ(PushedInside({90, 60}, legend, {120, 80}), QPoint(60, 40));
}

struct TNormalSizeRow {
  const char* What;
  QSize Area;
  QSize Normal;
};

void PrintTo(const TNormalSizeRow& Row, std::ostream* Os) { *Os << Row.What; }

class NormalSizeRows : public ::testing::TestWithParam<TNormalSizeRow> {};

TEST_P(NormalSizeRows, TwoThirdsOfTheAreaAtLeastSixByFourInchesWithinIt) {
  const TNormalSizeRow& row = GetParam();
  EXPECT_EQ(NormalPlotSize(row.Area, 96, 96), row.Normal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, NormalSizeRows, ::testing::Values(
  TNormalSizeRow{"1280 x 1024 screen", {1280, 940}, {853, 626}},
  TNormalSizeRow{"1024 x 768 screen",  {1024, 690}, {682, 460}},
  TNormalSizeRow{"a small area",       {700, 420},  {576, 384}},
  TNormalSizeRow{"smaller than 6 x 4", {500, 300},  {500, 300}},
  TNormalSizeRow{"no area yet",        {0, 0},      {576, 384}}
));
// clang-format on

// Where a legend of 100 x 60 pixels goes on the graph of an 800 x 600
// window, (41, 31) to (769, 559), showing X and Y from 0 to 10: a corner box
// reaches 1.37 into X (100 of 728 pixels) and 1.14 into Y (60 of 528), and a
// curve within a thirty-second of an inch (3 pixels) of it counts as hidden.
enum class TLegendAt { BottomRight, TopRight, TopLeft, BottomLeft, Outside };

struct TLegendRow {
  const char* What;
  std::vector<std::vector<std::pair<long double, long double>>> Curves;
  int Markers;
  QSize Window;
  TLegendAt At;
};

void PrintTo(const TLegendRow& Row, std::ostream* Os) { *Os << Row.What; }

class LegendRows : public ::testing::TestWithParam<TLegendRow> {};

TEST_P(LegendRows, TheLegendTakesTheFirstCornerWhereItHidesNoCurve) {
  const TLegendRow& row = GetParam();
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.Markers = row.Markers;
  plot.SetLineCount(int(row.Curves.size()));
  for (std::size_t i = 0; i < row.Curves.size(); ++i) {
    plot.Line(int(i)).SetPointCount(int(row.Curves[i].size()));
    for (std::size_t j = 0; j < row.Curves[i].size(); ++j)
      plot.Point(int(i), int(j)) = {row.Curves[i][j].first, row.Curves[i][j].second};
  }
  const std::array<TPlotRange, 3> ranges{TPlotRange{0, 10, 0, 10}, {}, {}};
  const QSize legend(100, 60);
  const TPlotLayout base = ScreenLayout(plot, row.Window.width(), row.Window.height(), 96, 96);
  const TPlotLayout L = ArrangeLegend(base, plot, ranges, legend);
  const TPlotRect& P = base.Plot;
  const int left = P.Left, right = P.Right - 99, top = P.Top, bottom = P.Bottom - 59;
  switch (row.At) {
    case TLegendAt::BottomRight: EXPECT_EQ(L.Legend, QRect(right, bottom, 100, 60)); break;
    case TLegendAt::TopRight: EXPECT_EQ(L.Legend, QRect(right, top, 100, 60)); break;
    case TLegendAt::TopLeft: EXPECT_EQ(L.Legend, QRect(left, top, 100, 60)); break;
    case TLegendAt::BottomLeft: EXPECT_EQ(L.Legend, QRect(left, bottom, 100, 60)); break;
    case TLegendAt::Outside:
      // The legend ends where the graph ended; the graph gives up its width
      // and an eighth of an inch.
      EXPECT_EQ(L.Legend, QRect(right, top, 100, 60));
      EXPECT_EQ(L.Plot.Right, P.Right - 112);
      break;
  }
  if (row.At != TLegendAt::Outside) {
    EXPECT_EQ(L.Plot, P);
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LegendRows, ::testing::Values(
  TLegendRow{"a curve through the middle: bottom right",      {{{0, 5}, {10, 5}}},                                 1, {800, 600}, TLegendAt::BottomRight},
  TLegendRow{"a low curve: top right",                        {{{0, 0.5L}, {10, 0.5L}}},                           1, {800, 600}, TLegendAt::TopRight},
  TLegendRow{"low, and high on the right: top left",          {{{0, 0.5L}, {10, 0.5L}}, {{0, 5}, {8, 5}, {10, 9.9L}}}, 1, {800, 600}, TLegendAt::TopLeft},
  TLegendRow{"high, and low on the right half: bottom left",  {{{0, 9.5L}, {10, 9.5L}}, {{5, 0.5L}, {10, 0.5L}}},   1, {800, 600}, TLegendAt::BottomLeft},
  TLegendRow{"a segment through the corner, no point in it",  {{{0, 5}, {7, 0}, {10, 1.5L}}},                      0, {800, 600}, TLegendAt::TopRight},
  TLegendRow{"a marker 5 pixels off the corner reaches it",   {{{0, 5}, {8.5714L, 0.5492L}}},                      1, {800, 600}, TLegendAt::TopRight},
  TLegendRow{"the same point without markers is clear of it", {{{0, 5}, {8.5714L, 0.5492L}}},                      0, {800, 600}, TLegendAt::BottomRight},
  TLegendRow{"every corner taken: outside, right of the graph", {{{0, 0.5L}, {10, 0.5L}}, {{0, 9.5L}, {10, 9.5L}}}, 1, {800, 600}, TLegendAt::Outside},
  // The graph is 178 pixels wide: the legend's room would take more than
  // half of it. Top right and top left hide one segment each, the bottom
  // corners several.
  TLegendRow{"no room outside: the corner hiding the fewest", {{{0, 0.5L}, {1, 0.5L}, {2, 0.5L}, {3, 0.5L}, {4, 0.5L}, {5, 0.5L}, {6, 0.5L}, {7, 0.5L}, {8, 0.5L}, {9, 0.5L}, {10, 0.5L}}, {{0, 9.5L}, {10, 9.5L}}}, 0, {250, 200}, TLegendAt::TopRight}
));
// clang-format on

TEST(LegendTest, HiddenAndInactiveCurvesHideNothingAndNoLegendNeedsNoPlace) {
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.SetLineCount(2);
  plot.SetPointCount(2);
  plot.Point(0, 0) = {0, 0.5L};
  plot.Point(0, 1) = {10, 0.5L};
  plot.Point(1, 0) = {0, 0.3L};
  plot.Point(1, 1) = {10, 0.3L};
  const std::array<TPlotRange, 3> ranges{TPlotRange{0, 10, 0, 10}, {}, {}};
  const TPlotLayout base = ScreenLayout(plot, 800, 600, 96, 96);
  EXPECT_EQ(ArrangeLegend(base, plot, ranges, {100, 60}).Legend.top(), base.Plot.Top);
  plot.Line(0).Shown = false;
  plot.Line(1).Active = false;
  EXPECT_EQ(ArrangeLegend(base, plot, ranges, {100, 60}).Legend.bottom(), base.Plot.Bottom);
  const TPlotLayout none = ArrangeLegend(base, plot, ranges, QSize());
  EXPECT_TRUE(none.Legend.isEmpty());
  EXPECT_EQ(none.Plot, base.Plot);
}

// Curves along the bottom and the top of X and Y from 0 to 10: every corner
// of the graph is taken.
void FillLowAndHigh(TGraphPlot& Plot) {
  Plot.SetLineCount(2);
  Plot.SetPointCount(2);
  for (int i = 0; i < 2; ++i) {
    Plot.Point(i, 0) = {0, i == 0 ? 0.5L : 9.5L};
    Plot.Point(i, 1) = {10, i == 0 ? 0.5L : 9.5L};
  }
}

// Outside the graph the legend stands right of the soil strip, which moves
// left with the graph.
TEST(LegendTest, OutsideTheSoilStripMovesWithTheGraph) {
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.ShowLayers = true;
  FillLowAndHigh(plot);
  const std::array<TPlotRange, 3> ranges{TPlotRange{0, 10, 0, 10}, {}, {}};
  const TPlotLayout base = ScreenLayout(plot, 800, 600, 96, 96);
  const TPlotLayout L = ArrangeLegend(base, plot, ranges, {100, 60});
  EXPECT_EQ(L.Legend.right(), base.Soil.Right);
  EXPECT_EQ(L.Soil.Width(), base.Soil.Width());
  EXPECT_EQ(L.Soil.Left - L.Plot.Right, base.Soil.Left - base.Plot.Right);
  EXPECT_LT(L.Soil.Right, L.Legend.left());
}

// In the three-graph layout the corners are those of the whole plot: the
// third graph's empty corner takes the legend though the first graph has
// curves in all of its own.
TEST(LegendTest, ThreeGraphsShareThePlotsCorners) {
  TGraphPlot plot;
  plot.XOnTop = false;
  plot.ShowThree = true;
  FillLowAndHigh(plot);
  const std::array<TPlotRange, 3> ranges{TPlotRange{0, 10, 0, 10}, TPlotRange{0, 10, 0, 10},
                                         TPlotRange{0, 10, 0, 10}};
  const TPlotLayout base = ScreenLayout(plot, 1000, 600, 96, 96);
  const TPlotLayout L = ArrangeLegend(base, plot, ranges, {100, 60});
  EXPECT_EQ(L.Legend, QRect(base.Plot.Right - 99, base.Plot.Bottom - 59, 100, 60));
  // The same curves in the third graph fill that corner too (with their
  // last point left out, as this layout draws two curves of a set).
  plot.Curves3.SetLineCount(2);
  plot.Curves3.SetPointCount(3);
  for (int i = 0; i < 2; ++i)
    for (int j = 0; j < 3; ++j) plot.Curves3.Point(i, j) = plot.Point(i, std::min(j, 1));
  const TPlotLayout full = ArrangeLegend(base, plot, ranges, {100, 60});
  EXPECT_LT(full.Graph[2].Right, full.Legend.left());
  EXPECT_LT(full.Graph[2].Right, base.Graph[2].Right);
}

// The labels of one axis, all in the form its largest label takes.
struct TLabelFormRow {
  const char* What;
  std::vector<long double> Values;
  std::vector<const char*> Texts;
};

void PrintTo(const TLabelFormRow& Row, std::ostream* Os) { *Os << Row.What; }

class LabelFormRows : public ::testing::TestWithParam<TLabelFormRow> {};

TEST_P(LabelFormRows, EveryLabelOfAnAxisInTheFormOfItsLargest) {
  const TLabelFormRow& row = GetParam();
  QStringList expected;
  for (const char* t : row.Texts) expected << QLatin1String(t);
  EXPECT_EQ(TickLabelTexts(row.Values), expected);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, LabelFormRows, ::testing::Values(
  TLabelFormRow{"rotations: fixed down from 0.000016",   {0, 2e-6L, 8e-6L, 1e-5L, 1.6e-5L}, {"0", "0.000002", "0.000008", "0.00001", "0.000016"}},
  TLabelFormRow{"all below 0.00001: exponents",          {-2e-6L, 0, 5e-7L, 4.5e-6L},         {"-2E-06", "0", "5E-07", "4.5E-06"}},
  TLabelFormRow{"dampings: exponents up to 1.2E04",      {0, 2000, 8000, 10000, 12000},       {"0", "2E03", "8E03", "1E04", "1.2E04"}},
  TLabelFormRow{"the largest below zero decides",        {-10000, -5000, 0, 500},             {"-1E04", "-5E03", "0", "5E02"}},
  TLabelFormRow{"frequencies: fixed",                    {0, 2.5L, 10, 40},                   {"0", "2.5", "10", "40"}},
  TLabelFormRow{"up to 9999: fixed",                     {0, 4000, 9999},                     {"0", "4000", "9999"}},
  TLabelFormRow{"9999.6 rounds to 1E04: exponents",      {5000, 9999.6L},                     {"5E03", "1E04"}},
  TLabelFormRow{"four digits of each label",             {0.1L * 3, 0.1L * 7, 1.2345678L},    {"0.3", "0.7", "1.235"}},
  TLabelFormRow{"none",                                  {},                                  {}}
));
// clang-format on

TEST(ExponentTextTest, TwentyThreeCharactersWithFourExponentDigits) {
  EXPECT_EQ(ExponentText(1.5L), QStringLiteral(" 1.50000000000000E+0000"));
  EXPECT_EQ(ExponentText(-2.5e-7L), QStringLiteral("-2.50000000000000E-0007"));
  EXPECT_EQ(ExponentText(0), QStringLiteral(" 0.00000000000000E+0000"));
  EXPECT_EQ(ExponentText(9.999999999999999e2L), QStringLiteral(" 1.00000000000000E+0003"));
  EXPECT_EQ(ExponentText(1e-300L).size(), 23);
}

}  // namespace
}  // namespace zavik
