// The drawing primitives as vertices: circles and discs of 33 points, cylinder
// facets, boxes; and every filled face of every example's scene wound
// counter-clockwise seen from outside, so that culling back faces hides none
// of the faces that look at the viewer.
#include "views/Tessellation.h"

#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace zavik {
namespace {

using testing::Example;

QVector3D Normal(const QVector3D& A, const QVector3D& B, const QVector3D& C) {
  return QVector3D::crossProduct(B - A, C - A);
}

// Counts the triangles of every fan whose normal points towards Inside
// rather than away from it; degenerate triangles count as neither.
struct TWinding {
  int Outward = 0;
  int Inward = 0;
};

TWinding WindingAbout(const TDrawList& List, const QVector3D& Inside) {
  TWinding w;
  const auto triangle = [&](const QVector3D& v0, const QVector3D& v1, const QVector3D& v2) {
    const QVector3D n = Normal(v0, v1, v2);
    if (n.length() < 1e-9f) return;
    const float side = QVector3D::dotProduct(n, (v0 + v1 + v2) / 3 - Inside);
    (side > 0 ? w.Outward : w.Inward) += 1;
  };
  for (const TDrawBatch& b : List.Batches) {
    const QVector3D* v = &List.Vertices[size_t(b.First)];
    if (b.Mode == TDrawMode::TriangleFan)
      for (int i = 1; i + 1 < b.Count; ++i) triangle(v[0], v[i], v[i + 1]);
    if (b.Mode == TDrawMode::Triangles)
      for (int i = 0; i + 2 < b.Count; i += 3) triangle(v[i], v[i + 1], v[i + 2]);
  }
  return w;
}

struct TSolid {
  const char* Name;
  TPrimitiveKind Kind;
  QVector3D Size;
  QMatrix4x4 Place;
};

void PrintTo(const TSolid& Row, std::ostream* Os) { *Os << Row.Name; }

QMatrix4x4 Placed(QVector3D At, float Degrees, QVector3D Axis) {
  QMatrix4x4 m;
  m.translate(At);
  m.rotate(Degrees, Axis);
  return m;
}

class SolidWindingTest : public ::testing::TestWithParam<TSolid> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Solids, SolidWindingTest, ::testing::Values(
  TSolid{"Box",                 TPrimitiveKind::SolidBox,      {1, 2, 3},       QMatrix4x4()},
  TSolid{"BoxTurned",           TPrimitiveKind::SolidBox,      {4, 0.5f, 1},    Placed({3, -2, 7}, 37, {1, 1, 0})},
  TSolid{"Cylinder",            TPrimitiveKind::SolidCylinder, {0.5f, 0.5f, 2}, QMatrix4x4()},
  TSolid{"EllipticUpsideDown",  TPrimitiveKind::SolidCylinder, {0.3f, 0.6f, 1}, Placed({0, 0, -5}, 180, {1, 0, 0})},
  TSolid{"CylinderBattered",    TPrimitiveKind::SolidCylinder, {0.3f, 0.3f, 4}, Placed({1, 1, -2}, -10, {0, 1, 0})},
  TSolid{"CylinderSide",        TPrimitiveKind::ShadeCylinder, {0.3f, 0.3f, 4}, Placed({-1, 0, 0}, 8, {1, 0, 0})}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_P(SolidWindingTest, EveryFaceTurnsCounterClockwiseToTheOutside) {
  const TSolid& s = GetParam();
  TDrawList list;
  Tessellate(TScenePrimitive{s.Kind, s.Place, s.Size, SceneColours::CapGrey}, list);
  const TWinding w = WindingAbout(list, s.Place.map(QVector3D()));
  EXPECT_GT(w.Outward, 0);
  EXPECT_EQ(w.Inward, 0);
  // The merged list that the renderer draws turns every triangle the same way.
  const TDrawList merged = Merged(list);
  ASSERT_EQ(merged.Batches.size(), 1u);
  EXPECT_EQ(merged.Batches[0].Mode, TDrawMode::Triangles);
  const TWinding m = WindingAbout(merged, s.Place.map(QVector3D()));
  EXPECT_EQ(m.Outward, w.Outward);
  EXPECT_EQ(m.Inward, 0);
}

TEST(Primitives, MergingKeepsEverySegmentAndSplitsOnColour) {
  TDrawList list;
  TPrimitiveDrawer d(list);
  d.SetColour(SceneColours::Edge);
  d.DrawCylinder3DZ(2, 1, 1);  // two strips of 33 points
  d.DrawLine({0, 0, 0}, {1, 1, 1});
  d.SetColour(SceneColours::CapGrey);
  d.DrawSolidPara3D(1, 1, 1);
  const TDrawList merged = Merged(list);
  ASSERT_EQ(merged.Batches.size(), 2u);
  EXPECT_EQ(merged.Batches[0].Mode, TDrawMode::Lines);
  EXPECT_EQ(merged.Batches[0].Count, 2 * (2 * CircleSegments) + 2);
  // The closing segment of the first circle ends where it began.
  EXPECT_EQ(merged.Vertices[size_t(2 * CircleSegments - 1)], merged.Vertices[0]);
  EXPECT_EQ(merged.Batches[1].Mode, TDrawMode::Triangles);
  EXPECT_EQ(merged.Batches[1].Count, 6 * 3 * 3);  // six faces, each a fan of three triangles
  EXPECT_EQ(merged.Batches[1].Colour, SceneColours::CapGrey);
}

TEST(Primitives, CircleHasThirtyThreePointsClosingOnTheFirst) {
  TDrawList list;
  TPrimitiveDrawer d(list);
  d.DrawCircleZ(2, 2);
  ASSERT_EQ(list.Batches.size(), 1u);
  EXPECT_EQ(list.Batches[0].Mode, TDrawMode::LineStrip);
  ASSERT_EQ(list.Batches[0].Count, CircleSegments + 1);
  EXPECT_EQ(list.Vertices.front(), list.Vertices.back());
  for (const QVector3D& p : list.Vertices) EXPECT_NEAR(p.length(), 2, 1e-5);
  // A quarter of the way round stands on the Y axis.
  EXPECT_NEAR(list.Vertices[8].y(), 2, 1e-5);
}

TEST(Primitives, DiscFacesPlusZ) {
  TDrawList list;
  TPrimitiveDrawer d(list);
  d.DrawShadeCircleZ(1, 1);
  ASSERT_EQ(list.Batches[0].Count, CircleSegments + 2);
  EXPECT_EQ(list.Vertices[0], QVector3D());
  EXPECT_GT(Normal(list.Vertices[0], list.Vertices[1], list.Vertices[2]).z(), 0);
}

TEST(Primitives, CylinderOfNoLengthDrawsBothDiscsInOnePlaneFacingApart) {
  TDrawList list;
  TPrimitiveDrawer d(list);
  d.DrawSolidCylinder3DZ(0, 1, 1);
  ASSERT_EQ(list.Batches.size(), size_t(CircleSegments + 2));
  const TDrawBatch& top = list.Batches[CircleSegments];
  const TDrawBatch& bottom = list.Batches[CircleSegments + 1];
  const auto normal = [&](const TDrawBatch& b) {
    const auto* v = &list.Vertices[size_t(b.First)];
    return Normal(v[0], v[1], v[2]);
  };
  for (int i = top.First; i < bottom.First + bottom.Count; ++i) EXPECT_EQ(list.Vertices[size_t(i)].z(), 0);
  EXPECT_GT(normal(top).z(), 0);
  EXPECT_LT(normal(bottom).z(), 0);
}

TEST(Primitives, BoxOutlineIsSixClosedFaces) {
  TDrawList list;
  TPrimitiveDrawer d(list);
  d.DrawPara3D(2, 4, 6);
  ASSERT_EQ(list.Batches.size(), 6u);
  for (const TDrawBatch& b : list.Batches) {
    EXPECT_EQ(b.Mode, TDrawMode::LineStrip);
    ASSERT_EQ(b.Count, 5);
    EXPECT_EQ(list.Vertices[size_t(b.First)], list.Vertices[size_t(b.First + 4)]);
    for (int i = b.First; i < b.First + 4; ++i) {
      const QVector3D& p = list.Vertices[size_t(i)];
      EXPECT_EQ(std::abs(p.x()), 1);
      EXPECT_EQ(std::abs(p.y()), 2);
      EXPECT_EQ(std::abs(p.z()), 3);
    }
  }
}

class ExampleWindingTest : public ::testing::TestWithParam<const char*> {};

INSTANTIATE_TEST_SUITE_P(Examples, ExampleWindingTest,
                         ::testing::Values("single-pile", "pile-group", "pile-group-interaction",
                                           "pile-group-battered", "multilayer-column", "stratum-rectangular",
                                           "half-space-harmonic", "half-space-random",
                                           "half-space-transient"),
                         [](const auto& Info) {
                           std::string name = Info.param;
                           for (char& c : name)
                             if (c == '-') c = '_';
                           return name;
                         });

// The cap and the layer boxes are convex solids around their placement; a
// pile's side faces away from its section's axis and its end discs away from
// the section they close.
TEST_P(ExampleWindingTest, EveryFaceOfTheSceneLooksOutwards) {
  auto v = Example(GetParam());
  const TScene scene = BuildScene(v->P(), TViewOptions());
  TWinding total;
  const auto add = [&](const TScenePrimitive& p, const QVector3D& Inside) {
    TDrawList list;
    Tessellate(p, list);
    const TWinding w = WindingAbout(Merged(list), Inside);
    total.Outward += w.Outward;
    total.Inward += w.Inward;
  };
  for (const auto* list : {&scene.Cap, &scene.SoilLayers})
    for (const TScenePrimitive& p : *list) add(p, p.Place.map(QVector3D()));
  for (const TScenePrimitive& p : scene.Piles) {
    if (p.Kind == TPrimitiveKind::ShadeCylinder) add(p, p.Place.map(QVector3D()));
    if (p.Kind != TPrimitiveKind::Disc) continue;
    const QVector3D at = p.Place.map(QVector3D());
    QVector3D section;
    float nearest = std::numeric_limits<float>::max();
    for (const TScenePrimitive& s : scene.Piles) {
      if (s.Kind != TPrimitiveKind::ShadeCylinder) continue;
      const QVector3D c = s.Place.map(QVector3D());
      if ((c - at).length() < nearest) {
        nearest = (c - at).length();
        section = c;
      }
    }
    add(p, section);
  }
  EXPECT_GT(total.Outward, 0);
  EXPECT_EQ(total.Inward, 0);
}

}  // namespace
}  // namespace zavik
