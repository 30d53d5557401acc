#pragma once
// Drawing a plot onto any QPainter: the window, the printed page and the saved
// bitmap all go through DrawPlot with the layout of their device.

#include "plots/GraphPlot.h"
#include "plots/PlotGeometry.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>

#include <array>
#include <vector>

class QPainter;

namespace zavik {

// Curve colours, picked as PlotColors[k mod 17] for the k-th active curve:
// black, blue, red, green, purple, maroon, navy, fuchsia, olive, teal, gray,
// lime, gray, silver, silver, yellow, aqua.
extern const std::array<QColor, 17> PlotColors;
QColor PlotColor(int K);

// The installed face for a face the plots are drawn with: "Times New
// Roman" is Liberation Serif, "Arial" Liberation Sans, "Courier New"
// Liberation Mono (the same metrics).
QString PlotFontFamily(const QString& Face);
// The face at a height of PixelHeight device pixels.
QFont PlotFont(int PixelHeight, int Weight, const QString& Face = QStringLiteral("Times New Roman"));

// One entry of the legend: an active curve of line set 1 and its name; its
// position in the legend list gives its colour.
struct TLegendEntry {
  int Curve = 0;  // index in line set 1
  QString Name;
};

// The curve's legend name: its own name, which the plot's OnGetCaption may
// replace.
QString LegendName(const TGraphPlot& Plot, int Curve);
// The active curves of line set 1 in order, with their legend names.
std::vector<TLegendEntry> LegendEntries(const TGraphPlot& Plot);

// What the window adds to the plot's own data for a picture.
struct TPlotView {
  std::array<TPlotRange, 3> Range;  // graph 1 (also the single graph), 2 and 3
  std::vector<TLegendEntry> Legend;  // the window's legend list
  QRect LegendRect;                  // where the on-screen legend stands in the window
  QSize WindowSize;                  // the window's size, to place the legend box on a page
  // The user has put the on-screen legend where it stands: the legend box
  // stands at the same place on the page. Otherwise each picture places its
  // box where it hides no data (ArrangeLegend).
  bool LegendMoved = false;
};

// The whole picture: white page, captions, ticks and grid, curves, the legend
// box on printed and saved pictures, the soil strip, the graph frames. A
// layout with LegendBox set is first given its legend box (WithLegendBox).
void DrawPlot(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V);

// The layout of a printed or saved picture with its legend box placed: the
// box measured with the painter's device, listing the shown curves of the
// legend list, placed by ArrangeLegend, or where the user put the on-screen
// legend, scaled from the window to the page and kept inside the graph's
// right and bottom edges.
TPlotLayout WithLegendBox(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V);

// The marker of the curve with index Curve in its set, centred on At, drawn
// with the painter's pen: ten shapes in turn, a sixteenth of an inch across.
void DrawMarker(QPainter& P, QPoint At, int Curve, int PPIx, int PPIy);

// Width of frames, ticks and grid lines: one pixel on a screen, the same
// share of an inch on finer devices.
int HairlineWidth(int PPI);

}  // namespace zavik
