#pragma once
// The world rectangle that a side or plan view shows, and its mapping onto a
// window's client area or a printed page. Plain code, tested without a screen.
//
// Side views: x across, depth growing downwards (Top is the smaller depth).
// Plan view: x across, y growing upwards (Top is the larger y).

#include "controls/AxisMap.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

class QPainter;

namespace zavik {

struct TWorldWindow {
  double XMin = -5, XMax = 5;
  double Top = 0, Bottom = 5;

  // A window without width or height: nothing is drawn, the mouse is ignored.
  bool Empty() const { return XMax - XMin == 0 || Top - Bottom == 0; }

  // The window widened to the aspect ratio of a W × H area, so that the
  // drawing keeps its proportions. About the origin (the side views keep
  // the ground at the top and x = 0 in place) or about the window's centre.
  // An empty window or area is returned unchanged.
  enum TAnchor { AboutOrigin, AboutCentre };
  TWorldWindow Widened(double W, double H, TAnchor Anchor) const;
};

// A world window shown in a device rectangle (client area or page, in device
// pixels).
struct TWorldMapping {
  TWorldWindow Window;
  QRectF Area;

  // False when nothing can be drawn: empty window or area.
  bool Valid() const { return !Window.Empty() && Area.width() > 0 && Area.height() > 0; }
  // Device pixel of a world point, rounded to whole pixels (halves to even)
  // and kept within PixelLimit.
  QPointF ToDevice(double X, double V) const;
  // World point of a device pixel, without rounding.
  QPointF ToWorld(const QPointF& Device) const;
  // The two axes: x across from the area's left edge, the second world value
  // (depth or y) down from its top edge.
  TAxisMap Across() const;
  TAxisMap Down() const;
};

// How a side or plan view is drawn on its device: the window and the printer
// share one drawing path and differ only here.
struct TPaintStyle {
  double PixelScale = 1;  // device pixels per screen pixel (printer resolution / 96)
  QFont Font;
  QColor Background = Qt::white;
  QColor Foreground = Qt::black;
  bool Framed = false;   // a frame around the drawing area (the printed page)
  double FramePen = 12;  // device pixels
};

// The frame around a printed drawing, when the style asks for one.
void DrawFrame(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style);

}  // namespace zavik
