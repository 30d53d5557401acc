#pragma once
// The soil-pile profile of a side view: a vertical section in the XZ or YZ
// plane through the soil layers and the foundation, as plain data built from
// the project, and the one drawing path that puts it on a window or a page.

#include "views/WorldWindow.h"

#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QString>

#include <limits>
#include <optional>
#include <vector>

class QFont;
class QPaintDevice;
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
// lines under it follow; the texts are listed from the top down. A label
// belongs to the band of depths of its layer (or of the soil below a line),
// where it stands when it fits.
struct TProfileText {
  double Depth = 0;
  double PixelOffset = 0;
  int Line = 0;
  QString Text;
  double BandTop = 0;
  double BandBottom = std::numeric_limits<double>::infinity();
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

// Where a text of the profile stands on a device: the box of its line in
// device pixels, the share of the style's font size it is written in, and,
// for a label that stands outside its band, the leader drawn from its layer
// to it.
struct TProfileTextPlace {
  QRectF Box;
  double FontScale = 1;
  QPolygonF Leader;
};

// The strips of the device that the lines of the profile take: each layer
// line and the ground line with its hatching, with the room a text keeps
// clear of them.
std::vector<QRectF> ProfileLineStrips(const TSideProfile& Profile, const TWorldMapping& Mapping, double PixelScale);

// The places of the profile's texts drawn through Mapping in Font on Device
// (the screen for nullptr): a label stands in its band at its own depth or
// lower, below the label above it, clear of every line. Where its band is too
// thin for it, its font steps down, to no less than a readable size; where
// even that does not fit, it stands in the first free room below, beside the
// labels of the layers there, with a leader to its layer.
std::vector<TProfileTextPlace> PlaceProfileTexts(const TSideProfile& Profile, const TWorldMapping& Mapping,
                                                 const QFont& Font, const QPaintDevice* Device, double PixelScale);

// Draws the profile through a mapping; the caller has filled the background.
// The foundation is filled before the texts, which read over it.
void DrawSideProfile(QPainter& Painter, const TSideProfile& Profile, const TWorldMapping& Mapping,
                     const TPaintStyle& Style);

}  // namespace zavik
