#pragma once
// The soil-pile profile of a side view: a vertical section in the XZ or YZ
// plane through the soil layers and the foundation, as plain data built from
// the project, and the one drawing path that puts it on a window or a page.

#include "views/WorldWindow.h"

#include <QPointF>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace zavik {

class TProgramData;

enum class TProfilePlane { XZ, YZ };

// One rectangle of the foundation in (x, depth): a pile, a pile cap, a
// footing or the multilayer column. A battered pile is sheared: its width stays horizontal.
struct TOutlineRecord {
  QPointF TopLeft, TopRight, BottomLeft, BottomRight;
};

// A text of the profile: its top at a depth, moved down by a number of
// screen pixels and of text lines. A label's first line has Line 0, the
// lines under it follow; the texts are listed from the top down.
struct TProfileText {
  double Depth = 0;
  double PixelOffset = 0;
  int Line = 0;
  QString Text;
};

struct TSideProfile {
  std::vector<TOutlineRecord> Outlines;
  std::vector<double> Lines;     // depths of the layer lines across the view
  std::optional<double> Ground;  // depth of the ground line with its ticks
  std::vector<TProfileText> Texts;
  TWorldWindow Base;           // the world window that holds the foundation
  double TotalPileLength = 0;  // the piles' or the column's length
};

// The profile of the project in one plane. Raises EListError when a pile has
// no section to read.
TSideProfile BuildSideProfile(const TProgramData& Project, TProfilePlane Plane);

// The top, in device pixels, of each text of the profile drawn through
// Mapping in lines LineHeight high: at its own depth and offset, or lower
// where it would run into the text above it; never above the area.
std::vector<double> ProfileTextTops(const TSideProfile& Profile, const TWorldMapping& Mapping, double LineHeight,
                                    double PixelScale);

// Draws the profile through a mapping; the caller has filled the background.
// The foundation is filled before the texts, which read over it.
void DrawSideProfile(QPainter& Painter, const TSideProfile& Profile, const TWorldMapping& Mapping,
                     const TPaintStyle& Style);

}  // namespace zavik
