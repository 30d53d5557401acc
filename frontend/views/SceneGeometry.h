#pragma once
// The 3-D view's scene as plain data: the extents of the soil block, the cap or
// footing and the piles, and the primitives (boxes, cylinders, discs, circles,
// lines) and labels that draw them, each with its placement and colour. Built
// from the project without any window or OpenGL, so that what the view shows
// is tested on its own; the GL code only draws these lists (Tessellation.h
// turns each primitive into vertices).
//
// Model units are the project's lengths; Z points up and the ground surface is
// at Z = 0.

#include <QMatrix4x4>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QVector3D>
#include <Qt>

#include <optional>
#include <vector>

class QFontMetricsF;

namespace zavik {

class TProgramData;

struct TRgba {
  float R = 0, G = 0, B = 0, A = 1;
  friend bool operator==(const TRgba&, const TRgba&) = default;
};

// The colours of the picture.
namespace SceneColours {
inline constexpr TRgba CapGrey{0.25f, 0.25f, 0.25f, 1};
inline constexpr TRgba PileGrey{0.5f, 0.5f, 0.5f, 1};
inline constexpr TRgba Edge{1, 0.5f, 0, 1};  // orange outlines of cap, footing and pile ends
inline constexpr TRgba PileNumber{1, 0, 0, 1};
inline constexpr TRgba LayerText{0, 0, 0, 1};
inline constexpr TRgba AxisX{0, 0, 1, 1};
inline constexpr TRgba AxisY{0, 1, 0, 1};
inline constexpr TRgba AxisZ{1, 0, 0, 1};
}  // namespace SceneColours

// Soil layers are translucent, so that the piles show through them.
inline constexpr float LayerAlpha = 0.5f;
// Colour of soil layer Index (0 to 11; any other index gets that of 0).
TRgba LayerColour(int Index, float Alpha = LayerAlpha);

// What the view is asked to show; the menu toggles the last six of the first
// seven. The footing areas and settlement points are kept for the menu
// but nothing draws them.
struct TViewOptions {
  bool ShowAxes = true;
  bool ShowSoilLayers = true;
  bool ShowAllPiles = true;
  bool ShowPileCap = true;
  bool ShowPileNumbers = false;
  bool ShowSoilLayerLabels = false;
  bool ShowSoilLayerDepthLabels = false;
  bool ShowFootingAreas = true;
  bool ShowFootingAreasLabels = false;
  bool ShowSettlementPoints = false;
};

// The scene's size, from the cap or footing, the piles and the layer tables.
struct TSceneExtents {
  // Thickness of the layers around the cap or footing, or the default cap
  // thickness when no layer has a thickness.
  double SoilDepth = 0;
  bool LayersGiven = false;  // SoilDepth came from the layer tables
  double PlanHalfSize = 0;   // half the larger plan dimension (the radius of a circle)
  // Levels of the top and of the base of the cap or footing: embedded from
  // the ground surface down to its base, or of the default thickness
  // standing on the ground.
  double CapTop = 0, CapBase = 0;
  // Plan: the cap or footing and every pile from its head to its tip, with
  // its radius. Height: from the top of the cap (or the ground surface) down
  // to the foot of the soil block, the soil below included.
  double XMin = 0, XMax = 0, YMin = 0, YMax = 0, ZMin = 0, ZMax = 0;
  double ExtentX = 0, ExtentY = 0;
  double ExtentZ = 0;  // the largest of the height and the six bounds, in magnitude
  double ExtentXY = 0;
  double CentreX = 0, CentreY = 0, CentreZ = 0;
  // The soil block: the plan above with half the cap's length and half its
  // width around it (twice the plan of a cap or footing alone), from ZMax
  // down to ZMin.
  double BlockXMin = 0, BlockXMax = 0, BlockYMin = 0, BlockYMax = 0;
};

// Extents of the project's scene. Raises EListError when a table the
// foundation needs has no rows where one is read.
TSceneExtents GetMaxDims(const TProgramData& Project);

enum class TPrimitiveKind {
  SolidBox,         // six filled faces, Size = full lengths along X, Y, Z
  BoxOutline,       // the same six faces as outlines
  SolidCylinder,    // side and both end discs along Z; Size = (radius X, radius Y, length)
  CylinderOutline,  // the two end circles
  ShadeCylinder,    // the side only
  Disc,             // filled disc in the XY plane facing +Z; Size = (radius X, radius Y, 0)
  Circle,           // circle outline in the XY plane
  Line,             // from the origin to Size
};

// One shape, centred on the origin of its placement.
struct TScenePrimitive {
  TPrimitiveKind Kind;
  QMatrix4x4 Place;  // model placement of the shape's own axes
  QVector3D Size;
  TRgba Colour;
};

// Where a text stands: at its anchor, or beside the soil block at the
// anchor's level, on the block's edge that the view shows furthest to the
// right (the text follows it) or to the left (the text ends at it).
enum class TLabelPlace { AtAnchor, BlockRight, BlockLeft };

// A text whose anchor (the start of its base line) is a model point.
struct TSceneLabel {
  QString Text;
  QVector3D Anchor;
  TRgba Colour;
  TLabelPlace Place = TLabelPlace::AtAnchor;
};

// The four display lists of the view and the labels drawn over the picture.
struct TScene {
  TSceneExtents Extents;
  std::vector<TScenePrimitive> Cap;         // cap or footing
  std::vector<TScenePrimitive> Piles;       // every section of every pile
  std::vector<TScenePrimitive> SoilLayers;  // translucent layer boxes
  std::vector<TScenePrimitive> Loading;     // drawn empty
  std::vector<TSceneLabel> Labels;          // pile numbers, layer and depth labels
};

// The scene of the project with the given options. Raises EListError when a
// table the foundation needs has no rows where one is read.
TScene BuildScene(const TProgramData& Project, const TViewOptions& Options);

// The model point a label is drawn at in a view whose model-view matrix is
// ModelView: its anchor, or for a label beside the soil block the corner of
// the block at the anchor's level that the view shows furthest to the right
// or to the left (of two equally far, the nearer one).
QVector3D LabelAnchor(const TSceneLabel& Label, const TSceneExtents& Extents, const QMatrix4x4& ModelView);

// A text drawn over the picture at a window pixel (y down): its base line
// starts there, or it stands beside it, centred on its level, Gap pixels to
// its right (Qt::AlignLeft) or ending Gap pixels to its left
// (Qt::AlignRight).
struct TWindowText {
  QString Text;
  QPointF At;
  Qt::Alignment Side;
  double Gap = 0;
  int Family = 0;  // texts of one kind: pile numbers, depths, layer names, the axes' names
};

// The box a text takes in the window and the start of its base line.
struct TTextSpot {
  QPointF BaseLine;
  QRectF Box;
};
TTextSpot TextSpot(const TWindowText& Text, const QFontMetricsF& Metrics);

// Where the texts of a view are drawn so that none lies over another, in
// the order given (the first keep their places): a text whose point
// coincides with that of a text of its family placed before it is left out
// (its pile stands behind the other, its layer's level is the other's in
// this view);
// a text at a point of its own that would run into one placed before it
// moves just above, below, right or left of its place, and is left out when
// none of those is free. A text beside the soil block keeps its level or is
// left out. None for a text left out.
std::vector<std::optional<TTextSpot>> ArrangeTexts(const std::vector<TWindowText>& Texts,
                                                   const QFontMetricsF& Metrics);

// Axes from the origin, each Length model units long: blue X, green Y and red
// Z pointing down, each labelled at its far end.
void AxesPrimitives(double Length, std::vector<TScenePrimitive>& Lines, std::vector<TSceneLabel>& Labels);

// The text of a depth: exponent form with 4 significant digits when its
// magnitude is at most 0.001 or at least 100000, else 3 decimals.
QString GetValueLabel(double Value);

}  // namespace zavik
