#pragma once
// The geometry of a plot picture, the same for the window, the printed page
// and the saved bitmap: layout rectangles, data ranges and their autoscale,
// world-to-device transforms, tick steps and labels, zoom and re-centring,
// the pixels the curves cover and the legend's place, and the unit names in
// axis captions. Plain arithmetic on device pixels; no drawing.

#include "controls/AxisMap.h"
#include "plots/GraphPlot.h"

#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace zavik {

// A rectangle by its edges, as the layout rules give them. A point lies in it
// when Left <= x <= Right and Top <= y <= Bottom: a graph's frame is drawn on
// its edges.
struct TPlotRect {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool Contains(QPoint P) const {
    return P.x() >= Left && P.x() <= Right && P.y() >= Top && P.y() <= Bottom;
  }
  // The point moved into the rectangle.
  QPoint Clamp(QPoint P) const;
  bool operator==(const TPlotRect&) const = default;
};

struct TPlotRange {
  long double Xmin = 0, Xmax = 0, Ymin = 0, Ymax = 0;
  bool operator==(const TPlotRange&) const = default;
};

// Ticks per labelled step: every fifth tick carries a label and a grid line.
inline constexpr int TicksPerLabel = 5;

// Tick step of each axis (a fifth of the labelled step) and the first and last
// tick index: ticks stand at index x step, so 0 is always one of them. The
// indices reach one step beyond the range on both sides; only ticks whose
// pixel lies in the graph are drawn.
struct TTickRecord {
  long double XStep = 0, YStep = 0;
  long long XFirst = 0, XLast = 0, YFirst = 0, YLast = 0;
};

// Where everything of one picture goes on its device.
struct TPlotLayout {
  TPlotRect Page;
  TPlotRect Plot;                  // the graph of the single-graph layout
  std::array<TPlotRect, 3> Graph;  // the three-graph layout
  TPlotRect Soil;                  // the soil-layer strip right of the plot
  int PPIx = 96, PPIy = 96;        // device resolution, pixels per inch
  int TextHeight = 14;             // h: the scaled text height in pixels
  bool Bitmap = false;             // drawing a saved picture
  bool LegendBox = false;          // draw the legend box (printed and saved pictures)
  // Where the legend stands, its frame on the rectangle's edges; empty when
  // there is none.
  QRect Legend;
};

// Floor for x <= 0, ceiling for x > 0.
long double RoundAway(long double X);

// Pixel height of the plots' base font (10.5 points) at PPIy.
int BaseFontHeight(int PPIy);
// h = FontHeight x Scale / 10 (Scale in tenths, integer division).
int ScaledTextHeight(int FontHeight, int Scale);

// The unit template with its force and length codes named in unit system
// Units (1 English, 2 SI; 3 leaves the template as it is): the first of F2, F1,
// F present and the first of L2, L1, L present, each at every occurrence.
QString ExpandUnits(const QString& Template, int Units);

// One axis: 0 always inside; a single value widened by 0.01 either way; the
// ends rounded outward to a power of ten (a tenth of it when the span's
// mantissa is below 3).
void AutoScaleAxis(long double& Min, long double& Max);
// The ranges of every point of every curve of the set, active or not; points
// that are not finite are left out.
TPlotRange AutoScale(const TLineSet& Set);

// World to device and back in rectangle R with ranges Range; with XOnTop the
// Y axis grows downward from the top edge.
QPoint WorldToScreen(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, long double X,
                     long double Y);
// A pixel left or right of R gives (0, 0).
TFloatPoint ScreenToWorld(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, QPoint P);

// The three-graph layout: through the graph whose horizontal band holds P;
// left of graph 1, right of graph 3 or in a gap gives (0, 0).
TFloatPoint ScreenToWorld3(const TPlotLayout& L, const std::array<TPlotRange, 3>& Ranges, bool XOnTop,
                           QPoint P);

// Ticks for R: about one labelled tick per six text heights, labelled steps of
// 1, 2 or 5 times a power of ten, five ticks per labelled step. False when R is
// too small for ticks on either axis.
bool ComputeTicks(const TPlotRect& R, const TPlotRange& Range, int TextHeight, TTickRecord& Ticks);

// The range of a rubber band from world corners A and B: an axis narrower than
// a twentieth of the home span shows exactly that twentieth, centred on the
// band and pushed inside the home range.
TPlotRange ZoomToBand(const TPlotRange& Home, const TFloatPoint& A, const TFloatPoint& B);
// Doubles the visible span around P, up to the home span, inside the home range.
TPlotRange Recentre(const TPlotRange& Current, const TPlotRange& Home, const TFloatPoint& P);

// The label of one labelled tick along an axis, measured along that axis:
// Centre is the tick's pixel, Length the label's extent; Start is where the
// placed label begins.
struct TTickLabel {
  long long Step = 0;  // labelled steps from 0: the tick index / TicksPerLabel
  int Centre = 0;
  int Length = 0;
  int Start = 0;
};

// The labels that are written along an axis, in the order given, and where.
// Each is centred on its tick, or moved inside [Lo, Hi] when it would reach
// past an end (a Y label stops at the X axis instead of running into its
// labels). When labels would come closer than Gap, only every s-th labelled
// step carries one, counted from 0 so that 0 keeps its label, s the first of
// 1, 2, 5, 10, 20, 50, ... with which none do: the labels keep a regular step.
std::vector<TTickLabel> PlaceTickLabels(const std::vector<TTickLabel>& Labels, int Lo, int Hi, int Gap);

// Width of the curves' pen: WidthLine times one pixel per 300 pixels per inch,
// plus one.
int CurvePenWidth(const TGraphPlot& Plot, int PPIx);
// A marker reaches this far from its point (a sixteenth of an inch across).
inline int MarkerRadius(int PPI) { return PPI / 32; }

// What one curve puts on its graph: runs of joined pixels (a point that is
// not finite breaks the curve) and the pixels that carry a marker.
struct TCurveTrace {
  int Graph = 0;   // 0 for the single graph; 0, 1, 2 in the three-graph layout
  int Curve = 0;   // its index in its set: the marker's shape
  int Colour = 0;  // its place among the active curves, which gives its colour
  std::vector<QPolygon> Runs;
  std::vector<QPoint> Markers;
};

// The traces of every shown curve of a picture, in drawing order: line set 1
// in the single graph, or sets 1, 3 and 4 in the three graphs (each curve
// then without its last point when its set has more than one). The Active
// and Shown flags are those of line set 1; inactive curves take no colour,
// hidden ones keep theirs. A set with fewer than two points has none.
std::vector<TCurveTrace> CurveTraces(const TGraphPlot& Plot, const TPlotLayout& L,
                                     const std::array<TPlotRange, 3>& Ranges);

// What of the traces a box would hide: the number of drawn segments and
// markers that come within a thirty-second of an inch of it, the curves' pen
// width and the markers' size counted, inside the graph each is clipped to.
int InkUnder(const std::vector<TCurveTrace>& Traces, const TGraphPlot& Plot, const TPlotLayout& L,
             const QRect& Box);

// The layout with a legend of size Legend placed where it hides no data: in
// the first corner of the graph (bottom right, top right, top left, bottom
// left) where it hides no segment or marker of the curves; when every corner
// would, outside the graph on its right, at the graph's top, the graph (and
// the soil strip) giving up the room; where that would leave the graph less
// than half its width, in the corner where it hides the fewest. In the
// three-graph layout the corners are those of the whole plot. An empty
// size leaves the layout without a legend.
TPlotLayout ArrangeLegend(TPlotLayout L, const TGraphPlot& Plot, const std::array<TPlotRange, 3>& Ranges,
                          QSize Legend);

// The labelled ticks of one axis of graph R that lie on the graph: the
// labelled step (tick index / TicksPerLabel), the tick's pixel along the
// axis and the label's text, every text of the axis in one form
// (TickLabelTexts).
struct TAxisLabel {
  long long Step = 0;
  int Pixel = 0;
  QString Text;
};
std::vector<TAxisLabel> XAxisLabels(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, const TTickRecord& T);
std::vector<TAxisLabel> YAxisLabels(const TPlotRect& R, const TPlotRange& Range, bool XOnTop, const TTickRecord& T);

// Where the on-screen legend stands when the user has put it somewhere: its
// offset from the corner of the graph nearest to it; it keeps its distance
// from that corner while the window changes size.
struct TLegendPlace {
  bool Right = true;
  bool Bottom = true;
  QPoint Offset;
  bool operator==(const TLegendPlace&) const = default;
};

// The place of a legend standing at Legend (window pixels) by graph Plot.
TLegendPlace LegendPlaceOf(const TPlotRect& Plot, const QRect& Legend);
// The top-left pixel of a legend of size Legend at Place, pushed inside a
// client area of size Client (PushedInside).
QPoint LegendTopLeft(const TPlotRect& Plot, QSize Client, QSize Legend, const TLegendPlace& Place);
// The top-left corner of a box of size Box moved left and up so that the box
// lies inside a client area of size Client, and then right and down to no
// negative position.
QPoint PushedInside(QPoint TopLeft, QSize Box, QSize Client);

// The size of a plot window that is not maximised, frame included, in an
// area of size Area: two-thirds of the area each way, at least 6 x 4 inches
// (the size a saved picture has unless the user asks otherwise), never
// beyond the area.
QSize NormalPlotSize(QSize Area, int PPIx, int PPIy);

// The layouts of the window's client area, of a printed page (Page in the
// painter's coordinates, within the margins) and of a saved bitmap. h is
// measured from the base font at PPIy and the plot's SizeFont.
TPlotLayout ScreenLayout(const TGraphPlot& Plot, int ClientWidth, int ClientHeight, int PPIx, int PPIy);
TPlotLayout PrinterLayout(const TGraphPlot& Plot, const TPlotRect& Page, int PPIx, int PPIy);
TPlotLayout BitmapLayout(const TGraphPlot& Plot, int Width, int Height, int PPIx, int PPIy);

}  // namespace zavik
