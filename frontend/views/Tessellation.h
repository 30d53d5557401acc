#pragma once
// The drawing primitives of the 3-D view as vertex lists: circles, discs,
// cylinder sides, solid and outlined cylinders and boxes, each centred on the
// origin of its placement and drawn in one colour. Filled faces are wound
// counter-clockwise seen from outside the solid, since the view culls back
// faces. The GL code draws a TDrawList as it stands; here it is plain data,
// tested without OpenGL.

#include "views/SceneGeometry.h"

#include <QMatrix4x4>
#include <QVector3D>

#include <vector>

namespace zavik {

enum class TDrawMode { Lines, LineStrip, TriangleFan, Triangles };

struct TDrawBatch {
  TDrawMode Mode;
  int First;  // first vertex in TDrawList::Vertices
  int Count;
  TRgba Colour;
};

struct TDrawList {
  std::vector<QVector3D> Vertices;
  std::vector<TDrawBatch> Batches;
};

// Circles and cylinders are drawn with this many segments.
inline constexpr int CircleSegments = 32;

// Draws primitives into a list under a placement and a colour set before,
// as drawing methods on a GL window do. Radii are given per
// axis: a round shape has equal ones.
class TPrimitiveDrawer {
public:
  explicit TPrimitiveDrawer(TDrawList& Out) : FOut(Out) {}

  void SetPlace(const QMatrix4x4& Place) { FPlace = Place; }
  void SetColour(TRgba Colour) { FColour = Colour; }

  // Circle outline in the XY plane: 33 points, the last equal to the first.
  void DrawCircleZ(float Rx, float Ry);
  // Filled disc in the XY plane facing +Z: the centre and the 33 points.
  void DrawShadeCircleZ(float Rx, float Ry);
  // Side of a cylinder along Z from -L/2 to +L/2, one fan per facet.
  void DrawShadeCylinderZ(float L, float Rx, float Ry);
  // The side, the top disc at +L/2 and the bottom disc at -L/2 facing down.
  void DrawSolidCylinder3DZ(float L, float Rx, float Ry);
  // The two end circles.
  void DrawCylinder3DZ(float L, float Rx, float Ry);
  // Box of full lengths X, Y, Z: six filled faces, or their outlines.
  void DrawSolidPara3D(float X, float Y, float Z);
  void DrawPara3D(float X, float Y, float Z);
  // One face normal to its axis at Offset along it, with the side lengths of
  // the two other axes in X, Y, Z order. Outward is the sign of Outward.
  void DrawSolidRectX(float Offset, float Y, float Z, float Outward);
  void DrawSolidRectY(float Offset, float X, float Z, float Outward);
  void DrawSolidRectZ(float Offset, float X, float Y, float Outward);
  void DrawRectX(float Offset, float Y, float Z);
  void DrawRectY(float Offset, float X, float Z);
  void DrawRectZ(float Offset, float X, float Y);
  void DrawLine(const QVector3D& From, const QVector3D& To);

private:
  void Begin(TDrawMode Mode);
  void Vertex(const QVector3D& P) { FOut.Vertices.push_back(FPlace.map(P)); }
  void Vertex(float X, float Y, float Z) { Vertex(QVector3D(X, Y, Z)); }
  void End();
  void Face(int Axis, float Offset, float SideU, float SideV, float Outward, bool Filled);

  TDrawList& FOut;
  QMatrix4x4 FPlace;
  TRgba FColour;
};

// The same picture in as few batches as the colours allow: consecutive fans
// of one colour become one batch of triangles (each turning as its fan did),
// consecutive strips and segments one batch of segments. A renderer draws
// it with a handful of calls instead of one per facet.
TDrawList Merged(const TDrawList& List);

// Appends the vertices of one scene primitive.
void Tessellate(const TScenePrimitive& Primitive, TDrawList& Out);
void Tessellate(const std::vector<TScenePrimitive>& Primitives, TDrawList& Out);

}  // namespace zavik
