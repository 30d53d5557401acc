#include "plots/PlotGeometry.h"

#include "controls/ColumnUnits.h"
#include "plots/PlotText.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace zavik {

namespace {

// The plots' base font: 14 pixels at 96 pixels per inch.
constexpr double BaseFontPoints = 10.5;
constexpr double PointsPerInch = 72;

// Labelled tick steps per six text heights.
constexpr int TickSpacingInTextHeights = 6;
// Tick indices beyond this count are a range the window cannot resolve.
constexpr long double MaxTickIndex = 1e9L;

// Frac: the fraction of x, with the sign of x.
long double Frac(long double X) { return X - std::trunc(X); }

// A range end this close to a whole step, in steps, ends on that step. The
// plot data hold frequencies to three digits (377 rad/s for 60 Hz gives
// 60.0013 Hz), which must not add a step of empty graph; a thousandth of a
// step beyond the axis is less than a pixel on any window or page.
constexpr long double WholeStepTolerance = 1e-3L;

// Value / Step rounded away from 0 to whole steps. A quotient within
// WholeStepTolerance of a whole number is that number: -0.004 / 0.001 is -4
// steps, not -5.
long double WholeStepsAway(long double Value, long double Step) {
  long double q = Value / Step;
  const long double nearest = std::nearbyint(q);
  if (std::fabs(q - nearest) <= WholeStepTolerance) q = nearest;
  return RoundAway(q);
}

// The stepping of a tick axis: a fifth of 1, 2, 5 or 10 times the decade of
// span / n.
long double TickStep(long double Span, int N) {
  const long double raw = Span / N;
  const long double decade = std::pow(10.0L, std::floor(std::log10(raw)));
  const long double m = std::trunc(raw / decade);
  long double major = decade;
  if (m >= 9) major = 10 * decade;
  else if (m >= 5) major = 5 * decade;
  else if (m >= 2) major = 2 * decade;
  return major / TicksPerLabel;
}

bool TickIndices(long double Min, long double Max, long double Step, long long& First, long long& Last) {
  const long double first = std::floor(Min / Step) - 1;
  const long double last = std::ceil(Max / Step) + 1;
  if (!std::isfinite(first) || !std::isfinite(last) || std::fabs(first) > MaxTickIndex ||
      std::fabs(last) > MaxTickIndex)
    return false;
  First = static_cast<long long>(first);
  Last = static_cast<long long>(last);
  return true;
}

// The three graphs side by side within the plot rectangle.
void SplitThree(TPlotLayout& L, int h) {
  const TPlotRect& p = L.Plot;
  const int gap = 2 * h + L.PPIx / 4;
  const int w = (p.Right - p.Left - 4 * h - L.PPIx / 2) / 3;
  L.Graph[0] = {p.Left, p.Top, p.Left + w, p.Bottom};
  L.Graph[1] = {L.Graph[0].Right + gap, p.Top, L.Graph[0].Right + gap + w, p.Bottom};
  L.Graph[2] = {L.Graph[1].Right + gap, p.Top, p.Right, p.Bottom};
}

// The soil strip takes StripWidth from the plot's right side, its fill
// starting a fifth of an inch from the plot.
void PlaceSoilStrip(const TGraphPlot& Plot, TPlotLayout& L, int StripWidth) {
  if (!Plot.ShowLayers) return;
  L.Plot.Right -= StripWidth;
  L.Soil = {L.Plot.Right + L.PPIx / 5, L.Plot.Top, L.Plot.Right + StripWidth, L.Plot.Bottom};
}

TPlotLayout StartLayout(const TGraphPlot& Plot, const TPlotRect& Page, int PPIx, int PPIy) {
  TPlotLayout L;
  L.Page = Page;
  L.PPIx = PPIx;
  L.PPIy = PPIy;
  L.TextHeight = ScaledTextHeight(BaseFontHeight(PPIy), Plot.SizeFont);
  return L;
}

// Screen and bitmap: room for the Y caption and labels on the left and for
// the X caption and labels on the axis side; a quarter inch elsewhere.
TPlotLayout PageLayout(const TGraphPlot& Plot, int Width, int Height, int PPIx, int PPIy, int StripWidth) {
  TPlotLayout L = StartLayout(Plot, {0, 0, Width, Height}, PPIx, PPIy);
  const int h = L.TextHeight;
  const int axisSpaceX = 2 * h + PPIx / 8 + h / 8;
  const int axisSpaceY = 2 * h + PPIy / 8 + h / 8;
  L.Plot.Left = axisSpaceX;
  L.Plot.Right = Width - PPIx / 4 - h / 2;
  if (Plot.XOnTop) {
    L.Plot.Top = axisSpaceY;
    L.Plot.Bottom = Height - PPIy / 4 - h / 2;
  } else {
    L.Plot.Top = h / 2 + PPIy / 4;
    L.Plot.Bottom = Height - axisSpaceY;
  }
  if (!Plot.GraphTitle.isEmpty()) {
    if (Plot.TitleOnTop) L.Plot.Top += h / 8 + h;
    else L.Plot.Bottom -= h;
  }
  PlaceSoilStrip(Plot, L, StripWidth);
  SplitThree(L, h);
  return L;
}

}  // namespace

QPoint TPlotRect::Clamp(QPoint P) const {
  return {std::clamp(P.x(), std::min(Left, Right), std::max(Left, Right)),
          std::clamp(P.y(), std::min(Top, Bottom), std::max(Top, Bottom))};
}

long double RoundAway(long double X) { return X <= 0 ? std::floor(X) : std::ceil(X); }

int BaseFontHeight(int PPIy) { return int(std::lround(BaseFontPoints * PPIy / PointsPerInch)); }

int ScaledTextHeight(int FontHeight, int Scale) { return std::abs(FontHeight * Scale / 10); }

QString ExpandUnits(const QString& Template, int Units) {
  if (Units != EnglishSystem && Units != SISystem) return Template;
  return NameFirstUnitCodes(Template, Units, {"F2", "F1", "F"}, {"L2", "L1", "L"});
}

void AutoScaleAxis(long double& Min, long double& Max) {
  if (Max == Min) {
    Max += 0.01L;
    Min -= 0.01L;
  }
  const long double L = std::log10(Max - Min);
  long double step = std::pow(10.0L, std::floor(L));
  if (std::log10(3.0L) > Frac(Frac(L) + 1)) step /= 10;
  if (!(step > 0) || !std::isfinite(step)) {
    // A span too small or too large for a decimal step: a small range around
    // the values instead.
    if (std::isfinite(Max - Min)) {
      Min -= 0.01L;
      Max += 0.01L;
    }
    return;
  }
  Min = WholeStepsAway(Min, step) * step;
  Max = WholeStepsAway(Max, step) * step;
}

TPlotRange AutoScale(const TLineSet& Set) {
  TPlotRange r;
  for (int i = 0; i < Set.Count(); ++i) {
    const TLine& line = Set.Line(i);
    for (int j = 0; j < line.PointCount(); ++j) {
      const TFloatPoint& p = line.GetPoint(j);
      if (std::isfinite(p.X)) {
        if (p.X < r.Xmin) r.Xmin = p.X;
        else if (p.X > r.Xmax) r.Xmax = p.X;
      }
      if (std::isfinite(p.Y)) {
        if (p.Y < r.Ymin) r.Ymin = p.Y;
        else if (p.Y > r.Ymax) r.Ymax = p.Y;
      }
    }
  }
  AutoScaleAxis(r.Ymin, r.Ymax);
  AutoScaleAxis(r.Xmin, r.Xmax);
  return r;
}

namespace {

// The graph's axes: X from the left edge; Y from the top edge growing
// downward with XOnTop, else from the bottom edge growing upward.
TAxisMap XAxis(const TPlotRect& R, const TPlotRange& Range) {
  return {Range.Xmin, Range.Xmax, static_cast<long double>(R.Left), static_cast<long double>(R.Width())};
}

TAxisMap YAxis(const TPlotRect& R, const TPlotRange& Range, bool XOnTop) {
  return XOnTop ? TAxisMap{Range.Ymin, Range.Ymax, static_cast<long double>(R.Top), static_cast<long double>(R.Height())}
                : TAxisMap{Range.Ymin, Range.Ymax, static_cast<long double>(R.Bottom), -static_cast<long double>(R.Height())};
}

}  // namespace

QPoint WorldToScreen(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, long double X, long double Y) {
  return {XAxis(R, Range).ToPixel(X), YAxis(R, Range, XOnTop).ToPixel(Y)};
}

TFloatPoint ScreenToWorld(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, QPoint P) {
  if (P.x() < R.Left || P.x() > R.Right || R.Width() == 0 || R.Height() == 0) return {};
  return {XAxis(R, Range).ToWorld(P.x()), YAxis(R, Range, XOnTop).ToWorld(P.y())};
}

TFloatPoint ScreenToWorld3(const TPlotLayout& L, const std::array<TPlotRange, 3>& Ranges, bool XOnTop,
                           QPoint P) {
  for (std::size_t g = 0; g < 3; ++g)
    if (P.x() >= L.Graph[g].Left && P.x() <= L.Graph[g].Right) return ScreenToWorld(L.Graph[g], Ranges[g], XOnTop, P);
  return {};
}

bool ComputeTicks(const TPlotRect& R, const TPlotRange& Range, int TextHeight, TTickRecord& Ticks) {
  if (TextHeight <= 0) return false;
  const int nx = std::abs(R.Width()) / (TickSpacingInTextHeights * TextHeight);
  const int ny = std::abs(R.Height()) / (TickSpacingInTextHeights * TextHeight);
  if (nx == 0 || ny == 0) return false;
  const long double xSpan = Range.Xmax - Range.Xmin;
  const long double ySpan = Range.Ymax - Range.Ymin;
  if (!(xSpan > 0) || !(ySpan > 0) || !std::isfinite(xSpan) || !std::isfinite(ySpan)) return false;
  Ticks.XStep = TickStep(xSpan, nx);
  Ticks.YStep = TickStep(ySpan, ny);
  if (!(Ticks.XStep > 0) || !(Ticks.YStep > 0)) return false;
  return TickIndices(Range.Xmin, Range.Xmax, Ticks.XStep, Ticks.XFirst, Ticks.XLast) &&
         TickIndices(Range.Ymin, Range.Ymax, Ticks.YStep, Ticks.YFirst, Ticks.YLast);
}

namespace {

void ZoomAxis(long double HomeMin, long double HomeMax, long double A, long double B, long double& Min,
              long double& Max) {
  Min = std::min(A, B);
  Max = std::max(A, B);
  const long double home = HomeMax - HomeMin;
  if ((Max - Min) * 20 >= home) return;
  const long double centre = (Min + Max) / 2;
  Min = centre - home / 40;
  Max = centre + home / 40;
  if (Min < HomeMin) {
    Max += HomeMin - Min;
    Min = HomeMin;
  } else if (Max > HomeMax) {
    Min -= Max - HomeMax;
    Max = HomeMax;
  }
}

void RecentreAxis(long double Min, long double Max, long double HomeMin, long double HomeMax,
                  long double P, long double& NewMin, long double& NewMax) {
  const long double half = std::min(Max - Min, (HomeMax - HomeMin) / 2);
  P = std::clamp(P, HomeMin + half, std::max(HomeMin + half, HomeMax - half));
  NewMin = P - half;
  NewMax = P + half;
}

}  // namespace

TPlotRange ZoomToBand(const TPlotRange& Home, const TFloatPoint& A, const TFloatPoint& B) {
  TPlotRange r;
  ZoomAxis(Home.Xmin, Home.Xmax, A.X, B.X, r.Xmin, r.Xmax);
  ZoomAxis(Home.Ymin, Home.Ymax, A.Y, B.Y, r.Ymin, r.Ymax);
  return r;
}

TPlotRange Recentre(const TPlotRange& Current, const TPlotRange& Home, const TFloatPoint& P) {
  TPlotRange r;
  RecentreAxis(Current.Xmin, Current.Xmax, Home.Xmin, Home.Xmax, P.X, r.Xmin, r.Xmax);
  RecentreAxis(Current.Ymin, Current.Ymax, Home.Ymin, Home.Ymax, P.Y, r.Ymin, r.Ymax);
  return r;
}

namespace {

// Where a label centred on its tick starts, moved inside [Lo, Hi].
int LabelStart(const TTickLabel& L, int Lo, int Hi) {
  int start = L.Centre - L.Length / 2;
  if (start + L.Length > Hi) start = Hi - L.Length;
  return std::max(start, Lo);
}

// No two labels closer than Gap, whatever their order along the axis.
bool LabelsApart(std::vector<TTickLabel> Labels, int Gap) {
  std::sort(Labels.begin(), Labels.end(), [](const TTickLabel& A, const TTickLabel& B) { return A.Start < B.Start; });
  for (std::size_t i = 1; i < Labels.size(); ++i)
    if (Labels[i].Start - (Labels[i - 1].Start + Labels[i - 1].Length) < Gap) return false;
  return true;
}

// 1, 2, 5, 10, 20, 50, ...
long long NextLabelStride(long long S) {
  long long decade = 1;
  while (decade * 10 <= S) decade *= 10;
  const long long m = S / decade;
  return m == 1 ? 2 * decade : m == 2 ? 5 * decade : 10 * decade;
}

}  // namespace

std::vector<TTickLabel> PlaceTickLabels(const std::vector<TTickLabel>& Labels, int Lo, int Hi, int Gap) {
  std::vector<TTickLabel> placed = Labels;
  for (TTickLabel& l : placed) l.Start = LabelStart(l, Lo, Hi);
  for (long long stride = 1;; stride = NextLabelStride(stride)) {
    std::vector<TTickLabel> kept;
    for (const TTickLabel& l : placed)
      if (l.Step % stride == 0) kept.push_back(l);
    if (kept.size() <= 1 || LabelsApart(kept, Gap)) return kept;
  }
}

int CurvePenWidth(const TGraphPlot& Plot, int PPIx) {
  return Plot.WidthLine * (int(std::lround(PPIx / 300.0)) + 1);
}

namespace {

const TPlotRect& GraphRect(const TGraphPlot& Plot, const TPlotLayout& L, int Graph) {
  return Plot.ShowThree ? L.Graph[std::size_t(Graph)] : L.Plot;
}

// The traces of the shown curves of one set in graph R.
void AddTraces(std::vector<TCurveTrace>& Traces, const TGraphPlot& Plot, int Graph, const TPlotRect& R,
               const TPlotRange& Range, const TLineSet& Set, bool LeaveOutLast) {
  if (Set.Count() < 1 || Set.PointCount() < 2) return;
  int colour = 0;
  for (int i = 0; i < Set.Count() && i < Plot.LineCount(); ++i) {
    const TLine& flags = Plot.Line(i);
    if (!flags.Active) continue;
    if (flags.Shown) {
      TCurveTrace trace{Graph, i, colour, {}, {}};
      const TLine& line = Set.Line(i);
      const int n = LeaveOutLast ? line.PointCount() - 1 : line.PointCount();
      QPolygon run;
      auto endRun = [&] {
        if (run.size() > 1) trace.Runs.push_back(run);
        run.clear();
      };
      for (int j = 0; j < n; ++j) {
        const TFloatPoint& p = line.GetPoint(j);
        if (!std::isfinite(p.X) || !std::isfinite(p.Y)) {
          endRun();
          continue;
        }
        const QPoint at = WorldToScreen(R, Range, Plot.XOnTop, p.X, p.Y);
        run.append(at);
        if (Plot.Markers > 0 && j % Plot.Markers == 0) trace.Markers.push_back(at);
      }
      endRun();
      Traces.push_back(std::move(trace));
    }
    ++colour;
  }
}

// A closed box in device pixels, in fractions where a pen's half width
// reaches.
struct TBox {
  double Left, Top, Right, Bottom;
  TBox Grown(double D) const { return {Left - D, Top - D, Right + D, Bottom + D}; }
  bool Empty() const { return Left > Right || Top > Bottom; }
  bool Meets(const TBox& B) const { return Left <= B.Right && B.Left <= Right && Top <= B.Bottom && B.Top <= Bottom; }
};

TBox Intersection(const TBox& A, const TBox& B) {
  return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
}

// Whether the segment from A to B meets box Box (Liang and Barsky's clipping).
bool SegmentMeets(QPoint A, QPoint B, const TBox& Box) {
  double t0 = 0, t1 = 1;
  const double dx = B.x() - A.x(), dy = B.y() - A.y();
  // The part of the segment on the inner side of one edge: P t <= Q.
  auto inside = [&](double P, double Q) {
    if (P == 0) return Q >= 0;
    const double t = Q / P;
    if (P < 0) t0 = std::max(t0, t);
    else t1 = std::min(t1, t);
    return t0 <= t1;
  };
  return inside(-dx, A.x() - Box.Left) && inside(dx, Box.Right - A.x()) && inside(-dy, A.y() - Box.Top) &&
         inside(dy, Box.Bottom - A.y());
}

}  // namespace

std::vector<TCurveTrace> CurveTraces(const TGraphPlot& Plot, const TPlotLayout& L,
                                     const std::array<TPlotRange, 3>& Ranges) {
  std::vector<TCurveTrace> traces;
  if (!Plot.ShowThree) {
    AddTraces(traces, Plot, 0, L.Plot, Ranges[0], Plot.Curves, false);
    return traces;
  }
  const TLineSet* sets[3] = {&Plot.Curves, &Plot.Curves2, &Plot.Curves3};
  for (int g = 0; g < 3; ++g)
    AddTraces(traces, Plot, g, L.Graph[std::size_t(g)], Ranges[std::size_t(g)], *sets[g], sets[g]->Count() > 1);
  return traces;
}

int InkUnder(const std::vector<TCurveTrace>& Traces, const TGraphPlot& Plot, const TPlotLayout& L,
             const QRect& Box) {
  // A curve that passes this near the box seems to run into it.
  const double clearance = std::max(1, L.PPIx / 32);
  const double halfPen = CurvePenWidth(Plot, L.PPIx) / 2.0;
  const TBox box = TBox{double(Box.left()), double(Box.top()), double(Box.right()), double(Box.bottom())}.Grown(clearance);
  const double rx = MarkerRadius(L.PPIx) + halfPen, ry = MarkerRadius(L.PPIy) + halfPen;
  int hidden = 0;
  for (const TCurveTrace& t : Traces) {
    const TPlotRect& G = GraphRect(Plot, L, t.Graph);
    // What the curve's clipping leaves of the box.
    const TBox seen = Intersection(box, {double(G.Left), double(G.Top), double(G.Right), double(G.Bottom)});
    if (seen.Empty()) continue;
    const TBox reach = seen.Grown(halfPen);
    for (const QPolygon& run : t.Runs)
      for (qsizetype j = 1; j < run.size(); ++j) hidden += SegmentMeets(run[j - 1], run[j], reach);
    for (QPoint m : t.Markers) hidden += seen.Meets({m.x() - rx, m.y() - ry, m.x() + rx, m.y() + ry});
  }
  return hidden;
}

TPlotLayout ArrangeLegend(TPlotLayout L, const TGraphPlot& Plot, const std::array<TPlotRange, 3>& Ranges,
                          QSize Legend) {
  L.Legend = QRect();
  if (Legend.isEmpty()) return L;
  const std::vector<TCurveTrace> traces = CurveTraces(Plot, L, Ranges);
  // The legend's frame on the graph's frame.
  const TPlotRect& P = L.Plot;
  const int left = P.Left, right = P.Right - Legend.width() + 1;
  const int top = P.Top, bottom = P.Bottom - Legend.height() + 1;
  const QPoint corners[] = {{right, bottom}, {right, top}, {left, top}, {left, bottom}};
  QRect fewest;
  int least = INT_MAX;
  for (QPoint corner : corners) {
    const QRect box(corner, Legend);
    const int hidden = InkUnder(traces, Plot, L, box);
    if (hidden == 0) {
      L.Legend = box;
      return L;
    }
    if (hidden < least) {
      least = hidden;
      fewest = box;
    }
  }
  const int room = Legend.width() + L.PPIx / 8;
  if (2 * room > P.Width()) {
    L.Legend = fewest;
    return L;
  }
  const int outerRight = Plot.ShowLayers ? L.Soil.Right : L.Plot.Right;
  L.Plot.Right -= room;
  if (Plot.ShowLayers) {
    L.Soil.Left -= room;
    L.Soil.Right -= room;
  }
  SplitThree(L, L.TextHeight);
  L.Legend = QRect(QPoint(outerRight - Legend.width() + 1, L.Plot.Top), Legend);
  return L;
}

namespace {

// The labelled ticks of an axis from tick First to Last with their pixels
// along the axis; Pixel gives the pixel of a value, or nothing when it lies
// off the graph.
template <class TPixel>
std::vector<TAxisLabel> AxisLabels(long long First, long long Last, long double Step, TPixel Pixel) {
  std::vector<TAxisLabel> labels;
  if (First == Last) return labels;
  std::vector<long double> values;
  for (long long i = First; i <= Last; ++i) {
    if (i % TicksPerLabel != 0) continue;
    const long double value = i * Step;
    const std::optional<int> at = Pixel(value);
    if (!at) continue;
    labels.push_back({i / TicksPerLabel, *at, {}});
    values.push_back(value);
  }
  const QStringList texts = TickLabelTexts(values);
  for (std::size_t k = 0; k < labels.size(); ++k) labels[k].Text = texts[qsizetype(k)];
  return labels;
}

}  // namespace

std::vector<TAxisLabel> XAxisLabels(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, const TTickRecord& T) {
  return AxisLabels(T.XFirst, T.XLast, T.XStep, [&](long double X) -> std::optional<int> {
    const int x = WorldToScreen(R, Range, XOnTop, X, Range.Ymin).x();
    if (x < R.Left || x > R.Right) return std::nullopt;
    return x;
  });
}

std::vector<TAxisLabel> YAxisLabels(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, const TTickRecord& T) {
  return AxisLabels(T.YFirst, T.YLast, T.YStep, [&](long double Y) -> std::optional<int> {
    const int y = WorldToScreen(R, Range, XOnTop, Range.Xmin, Y).y();
    if (y < std::min(R.Top, R.Bottom) || y > std::max(R.Top, R.Bottom)) return std::nullopt;
    return y;
  });
}

namespace {

QPoint LegendCorner(const TPlotRect& Plot, QSize Legend, const TLegendPlace& Place) {
  return {Place.Right ? Plot.Right - Legend.width() : Plot.Left,
          Place.Bottom ? Plot.Bottom - Legend.height() : Plot.Top};
}

}  // namespace

TLegendPlace LegendPlaceOf(const TPlotRect& Plot, const QRect& Legend) {
  TLegendPlace place;
  // Twice the centres, to compare them in whole pixels.
  place.Right = 2 * Legend.left() + Legend.width() >= Plot.Left + Plot.Right;
  place.Bottom = 2 * Legend.top() + Legend.height() >= Plot.Top + Plot.Bottom;
  place.Offset = Legend.topLeft() - LegendCorner(Plot, Legend.size(), place);
  return place;
}

QPoint LegendTopLeft(const TPlotRect& Plot, QSize Client, QSize Legend, const TLegendPlace& Place) {
  return PushedInside(LegendCorner(Plot, Legend, Place) + Place.Offset, Legend, Client);
}

QPoint PushedInside(QPoint TopLeft, QSize Box, QSize Client) {
  return {std::max(0, std::min(TopLeft.x(), Client.width() - Box.width())),
          std::max(0, std::min(TopLeft.y(), Client.height() - Box.height()))};
}

QSize NormalPlotSize(QSize Area, int PPIx, int PPIy) {
  const QSize least(6 * PPIx, 4 * PPIy);
  if (Area.isEmpty()) return least;
  return QSize(std::max(Area.width() * 2 / 3, least.width()), std::max(Area.height() * 2 / 3, least.height()))
      .boundedTo(Area);
}

TPlotLayout ScreenLayout(const TGraphPlot& Plot, int ClientWidth, int ClientHeight, int PPIx, int PPIy) {
  return PageLayout(Plot, ClientWidth, ClientHeight, PPIx, PPIy, PPIx);
}

TPlotLayout BitmapLayout(const TGraphPlot& Plot, int Width, int Height, int PPIx, int PPIy) {
  TPlotLayout L = PageLayout(Plot, Width, Height, PPIx, PPIy, PPIx / 2);
  L.Bitmap = true;
  L.LegendBox = true;
  return L;
}

TPlotLayout PrinterLayout(const TGraphPlot& Plot, const TPlotRect& Page, int PPIx, int PPIy) {
  TPlotLayout L = StartLayout(Plot, Page, PPIx, PPIy);
  const int h = L.TextHeight;
  const int axisSpace = 2 * h + PPIx / 8 + h / 8;
  L.Plot = Page;
  L.Plot.Left += axisSpace;
  if (Plot.XOnTop) L.Plot.Top += axisSpace;
  else L.Plot.Bottom -= axisSpace;
  if (!Plot.GraphTitle.isEmpty()) {
    if (Plot.TitleOnTop) L.Plot.Top += PPIy / 4;
    else L.Plot.Bottom -= PPIy / 2;
  }
  PlaceSoilStrip(Plot, L, PPIx);
  SplitThree(L, h);
  L.LegendBox = true;
  return L;
}

}  // namespace zavik
