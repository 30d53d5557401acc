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
};

// The whole picture: white page, captions, ticks and grid, curves, the legend
// box on printed and saved pictures, the soil strip, the graph frames.
void DrawPlot(QPainter& P, const TGraphPlot& Plot, const TPlotLayout& L, const TPlotView& V);

// The marker of the curve with index Curve in its set, centred on At, drawn
// with the painter's pen: ten shapes in turn, a sixteenth of an inch across.
void DrawMarker(QPainter& P, QPoint At, int Curve, int PPIx, int PPIy);

// Width of the curves' pen: WidthLine times one pixel per 300 pixels per inch,
// plus one.
int CurvePenWidth(const TGraphPlot& Plot, int PPIx);
// Width of frames, ticks and grid lines: one pixel on a screen, the same
// share of an inch on finer devices.
int HairlineWidth(int PPI);

}  // namespace zavik
