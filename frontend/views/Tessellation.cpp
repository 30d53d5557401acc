#include "views/Tessellation.h"

#include <array>
#include <cmath>
#include <numbers>

namespace zavik {

namespace {

// Cosine and sine of the angles 2·i·π / 32, i = 0 to 32; the last is the first.
struct TUnitCircle {
  std::array<float, CircleSegments + 1> Cos, Sin;
  TUnitCircle() {
    for (int i = 0; i <= CircleSegments; ++i) {
      const double theta = 2 * i * std::numbers::pi / CircleSegments;
      Cos[size_t(i)] = float(std::cos(theta));
      Sin[size_t(i)] = float(std::sin(theta));
    }
    Cos[CircleSegments] = Cos[0];
    Sin[CircleSegments] = Sin[0];
  }
};

const TUnitCircle& UnitCircle() {
  static const TUnitCircle circle;
  return circle;
}

}  // namespace

void TPrimitiveDrawer::Begin(TDrawMode Mode) {
  FOut.Batches.push_back({Mode, int(FOut.Vertices.size()), 0, FColour});
}

void TPrimitiveDrawer::End() {
  TDrawBatch& b = FOut.Batches.back();
  b.Count = int(FOut.Vertices.size()) - b.First;
}

void TPrimitiveDrawer::DrawCircleZ(float Rx, float Ry) {
  const TUnitCircle& c = UnitCircle();
  Begin(TDrawMode::LineStrip);
  for (int i = 0; i <= CircleSegments; ++i) Vertex(Rx * c.Cos[size_t(i)], Ry * c.Sin[size_t(i)], 0);
  End();
}

void TPrimitiveDrawer::DrawShadeCircleZ(float Rx, float Ry) {
  const TUnitCircle& c = UnitCircle();
  Begin(TDrawMode::TriangleFan);
  Vertex(0, 0, 0);
  for (int i = 0; i <= CircleSegments; ++i) Vertex(Rx * c.Cos[size_t(i)], Ry * c.Sin[size_t(i)], 0);
  End();
}

void TPrimitiveDrawer::DrawShadeCylinderZ(float L, float Rx, float Ry) {
  const TUnitCircle& c = UnitCircle();
  const float h = L / 2;
  for (int i = 0; i < CircleSegments; ++i) {
    const float x0 = Rx * c.Cos[size_t(i)], y0 = Ry * c.Sin[size_t(i)];
    const float x1 = Rx * c.Cos[size_t(i + 1)], y1 = Ry * c.Sin[size_t(i + 1)];
    Begin(TDrawMode::TriangleFan);
    Vertex(x0, y0, h);
    Vertex(x0, y0, -h);
    Vertex(x1, y1, -h);
    Vertex(x1, y1, h);
    End();
  }
}

void TPrimitiveDrawer::DrawSolidCylinder3DZ(float L, float Rx, float Ry) {
  DrawShadeCylinderZ(L, Rx, Ry);
  const QMatrix4x4 place = FPlace;
  FPlace.translate(0, 0, L / 2);
  DrawShadeCircleZ(Rx, Ry);
  FPlace = place;
  FPlace.translate(0, 0, -L / 2);
  FPlace.rotate(180, 1, 0, 0);
  DrawShadeCircleZ(Rx, Ry);
  FPlace = place;
}

void TPrimitiveDrawer::DrawCylinder3DZ(float L, float Rx, float Ry) {
  const QMatrix4x4 place = FPlace;
  FPlace.translate(0, 0, L / 2);
  DrawCircleZ(Rx, Ry);
  FPlace = place;
  FPlace.translate(0, 0, -L / 2);
  DrawCircleZ(Rx, Ry);
  FPlace = place;
}

// A face normal to Axis (0 X, 1 Y, 2 Z). U and V are the next two axes in
// cyclic order, so that U × V points along the axis: corners (-u,-v), (+u,-v),
// (+u,+v), (-u,+v) then run counter-clockwise seen from the + side, and the
// other way round for a face that looks to the - side.
void TPrimitiveDrawer::Face(int Axis, float Offset, float SideU, float SideV, float Outward, bool Filled) {
  const int u = (Axis + 1) % 3, v = (Axis + 2) % 3;
  const float hu = SideU / 2, hv = SideV / 2;
  std::array<std::array<float, 2>, 4> corners{{{-hu, -hv}, {hu, -hv}, {hu, hv}, {-hu, hv}}};
  if (Outward < 0) std::swap(corners[1], corners[3]);
  Begin(Filled ? TDrawMode::TriangleFan : TDrawMode::LineStrip);
  for (int i = 0; i <= 4; ++i) {
    QVector3D p;
    p[Axis] = Offset;
    p[u] = corners[size_t(i % 4)][0];
    p[v] = corners[size_t(i % 4)][1];
    Vertex(p);
  }
  End();
}

// The side lengths arrive in X, Y, Z order; the face wants them in its cyclic
// order (Y, Z for X; Z, X for Y; X, Y for Z).
void TPrimitiveDrawer::DrawSolidRectX(float Offset, float Y, float Z, float Outward) {
  Face(0, Offset, Y, Z, Outward, true);
}
void TPrimitiveDrawer::DrawSolidRectY(float Offset, float X, float Z, float Outward) {
  Face(1, Offset, Z, X, Outward, true);
}
void TPrimitiveDrawer::DrawSolidRectZ(float Offset, float X, float Y, float Outward) {
  Face(2, Offset, X, Y, Outward, true);
}
void TPrimitiveDrawer::DrawRectX(float Offset, float Y, float Z) { Face(0, Offset, Y, Z, 1, false); }
void TPrimitiveDrawer::DrawRectY(float Offset, float X, float Z) { Face(1, Offset, Z, X, 1, false); }
void TPrimitiveDrawer::DrawRectZ(float Offset, float X, float Y) { Face(2, Offset, X, Y, 1, false); }

void TPrimitiveDrawer::DrawSolidPara3D(float X, float Y, float Z) {
  DrawSolidRectX(X / 2, Y, Z, 1);
  DrawSolidRectX(-X / 2, Y, Z, -1);
  DrawSolidRectY(Y / 2, X, Z, 1);
  DrawSolidRectY(-Y / 2, X, Z, -1);
  DrawSolidRectZ(Z / 2, X, Y, 1);
  DrawSolidRectZ(-Z / 2, X, Y, -1);
}

void TPrimitiveDrawer::DrawPara3D(float X, float Y, float Z) {
  DrawRectX(X / 2, Y, Z);
  DrawRectX(-X / 2, Y, Z);
  DrawRectY(Y / 2, X, Z);
  DrawRectY(-Y / 2, X, Z);
  DrawRectZ(Z / 2, X, Y);
  DrawRectZ(-Z / 2, X, Y);
}

void TPrimitiveDrawer::DrawLine(const QVector3D& From, const QVector3D& To) {
  Begin(TDrawMode::Lines);
  Vertex(From);
  Vertex(To);
  End();
}

TDrawList Merged(const TDrawList& List) {
  TDrawList out;
  for (const TDrawBatch& b : List.Batches) {
    const bool filled = b.Mode == TDrawMode::TriangleFan || b.Mode == TDrawMode::Triangles;
    const TDrawMode mode = filled ? TDrawMode::Triangles : TDrawMode::Lines;
    if (out.Batches.empty() || out.Batches.back().Mode != mode || !(out.Batches.back().Colour == b.Colour))
      out.Batches.push_back({mode, int(out.Vertices.size()), 0, b.Colour});
    const auto copy = [&](int I) { out.Vertices.push_back(List.Vertices[size_t(b.First + I)]); };
    switch (b.Mode) {
      case TDrawMode::TriangleFan:
        for (int i = 1; i + 1 < b.Count; ++i) copy(0), copy(i), copy(i + 1);
        break;
      case TDrawMode::LineStrip:
        for (int i = 1; i < b.Count; ++i) copy(i - 1), copy(i);
        break;
      case TDrawMode::Triangles:
      case TDrawMode::Lines:
        for (int i = 0; i < b.Count; ++i) copy(i);
        break;
    }
    out.Batches.back().Count = int(out.Vertices.size()) - out.Batches.back().First;
  }
  return out;
}

void Tessellate(const TScenePrimitive& P, TDrawList& Out) {
  TPrimitiveDrawer d(Out);
  d.SetPlace(P.Place);
  d.SetColour(P.Colour);
  const QVector3D& s = P.Size;
  switch (P.Kind) {
    case TPrimitiveKind::SolidBox: d.DrawSolidPara3D(s.x(), s.y(), s.z()); break;
    case TPrimitiveKind::BoxOutline: d.DrawPara3D(s.x(), s.y(), s.z()); break;
    case TPrimitiveKind::SolidCylinder: d.DrawSolidCylinder3DZ(s.z(), s.x(), s.y()); break;
    case TPrimitiveKind::CylinderOutline: d.DrawCylinder3DZ(s.z(), s.x(), s.y()); break;
    case TPrimitiveKind::ShadeCylinder: d.DrawShadeCylinderZ(s.z(), s.x(), s.y()); break;
    case TPrimitiveKind::Disc: d.DrawShadeCircleZ(s.x(), s.y()); break;
    case TPrimitiveKind::Circle: d.DrawCircleZ(s.x(), s.y()); break;
    case TPrimitiveKind::Line: d.DrawLine(QVector3D(), s); break;
  }
}

void Tessellate(const std::vector<TScenePrimitive>& Primitives, TDrawList& Out) {
  for (const TScenePrimitive& p : Primitives) Tessellate(p, Out);
}

}  // namespace zavik
