// The mass properties of a set of rectangular blocks, against hand-worked
// cases, and the centre of base in the global system.
#include "core/MassProperties.h"

#include "core/FoundationPictures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace zavik {
namespace {

struct MassRow {
  const char* Name;
  QList<TMassComponent> Blocks;
  TMassProperties Expected;
};
void PrintTo(const MassRow& R, std::ostream* Os) { *Os << R.Name; }

class MassPropertiesTest : public ::testing::TestWithParam<MassRow> {};

void ExpectClose(long double Actual, long double Expected, const char* What) {
  const long double tolerance = 1e-15L * std::max(1.0L, fabsl(Expected));
  EXPECT_NEAR(double(Actual), double(Expected), double(tolerance)) << What;
}

TEST_P(MassPropertiesTest, MatchTheHandWorkedCase) {
  const MassRow& row = GetParam();
  TMassProperties m;
  ASSERT_TRUE(ComputeMassProperties(row.Blocks, m));
  const TMassProperties& e = row.Expected;
  ExpectClose(m.TotalMass, e.TotalMass, "total mass");
  ExpectClose(m.CGX, e.CGX, "x of C.G.");
  ExpectClose(m.CGY, e.CGY, "y of C.G.");
  ExpectClose(m.CGZ, e.CGZ, "z of C.G.");
  ExpectClose(m.InertiaX, e.InertiaX, "Ixx");
  ExpectClose(m.InertiaY, e.InertiaY, "Iyy");
  ExpectClose(m.InertiaZ, e.InertiaZ, "Izz");
  ExpectClose(m.ProductXY, e.ProductXY, "X-Y");
  ExpectClose(m.ProductXZ, e.ProductXZ, "X-Z");
  ExpectClose(m.ProductYZ, e.ProductYZ, "Y-Z");
}

// Blocks: mass, centre x, y, z, sizes along x, y, z. Expected: M, C.G.,
// Ixx, Iyy, Izz, then X-Y as summed and X-Z, Y-Z with their sign changed.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, MassPropertiesTest, ::testing::Values(
  MassRow{"OneBlockAboutItsOwnCentre", {{2, 1, 0, 0, 3, 2, 1}},
          {2, 1, 0, 0, 2.0L * 5 / 12, 2.0L * 10 / 12, 2.0L * 13 / 12, 0, 0, 0}},
  MassRow{"TwoPointsOnTheXYDiagonal", {{1, -1, -1, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0, 0}},
          {2, 0, 0, 0, 2, 2, 4, 2, 0, 0}},
  MassRow{"TwoPointsOnTheXZDiagonal", {{1, -1, 0, -1, 0, 0, 0}, {1, 1, 0, 1, 0, 0, 0}},
          {2, 0, 0, 0, 2, 4, 2, 0, -2, 0}},
  MassRow{"TwoPointsOnTheYZDiagonal", {{1, 0, -1, 1, 0, 0, 0}, {1, 0, 1, -1, 0, 0, 0}},
          {2, 0, 0, 0, 4, 2, 2, 0, 0, 2}},
  MassRow{"UnequalMassesApart", {{3, 0, 0, 0, 0, 0, 0}, {1, 4, 0, 0, 0, 0, 0}},
          {4, 1, 0, 0, 0, 12, 12, 0, 0, 0}}));
// clang-format on

TEST(MassProperties, NoTotalMassAboveZeroComputesNothing) {
  for (const QList<TMassComponent>& blocks :
       {QList<TMassComponent>{}, QList<TMassComponent>{{0, 1, 2, 3, 1, 1, 1}},
        QList<TMassComponent>{{1, 1, 0, 0, 0, 0, 0}, {-1, 3, 0, 0, 0, 0, 0}}}) {
    TMassProperties m;
    m.CGX = 7;
    m.InertiaX = 9;
    EXPECT_FALSE(ComputeMassProperties(blocks, m));
    EXPECT_EQ(m.CGX, 7);
    EXPECT_EQ(m.InertiaX, 9);
  }
}

TEST(MassProperties, TheGlobalSystemHasItsOriginAtTheCentreOfGravityAndZTheOtherWay) {
  const TPoint3 below = GlobalCentreOfBase({0, 0, -0.5L}, {0, 0, 0.25L});
  EXPECT_EQ(below.X, 0);
  EXPECT_EQ(below.Y, 0);
  EXPECT_EQ(below.Z, 0.75L);
  const TPoint3 aside = GlobalCentreOfBase({2, 1, 0}, {0.5L, 0.25L, 1});
  EXPECT_EQ(aside.X, 1.5L);
  EXPECT_EQ(aside.Y, 0.75L);
  EXPECT_EQ(aside.Z, 1);
}

// The mass window's picture draws each global axis along its local axis,
// forwards or backwards as the global coordinates of a point count a step
// along that local axis.
TEST(MassProperties, PictureDrawsTheGlobalAxesAsTheGlobalCoordinatesCount) {
  const TMassAxes drawn = MassAxesDirections();
  const QPointF local[] = {drawn.LocalX, drawn.LocalY, drawn.LocalZ};
  const QPointF global[] = {drawn.GlobalX, drawn.GlobalY, drawn.GlobalZ};
  const TPoint3 cg{0.5L, 0.25L, 1};
  const TPoint3 origin = GlobalCentreOfBase({0, 0, 0}, cg);
  for (int axis = 0; axis < 3; ++axis) {
    SCOPED_TRACE(axis);
    TPoint3 step{};
    (axis == 0 ? step.X : axis == 1 ? step.Y : step.Z) = 1;
    const TPoint3 moved = GlobalCentreOfBase(step, cg);
    const long double along[] = {moved.X - origin.X, moved.Y - origin.Y, moved.Z - origin.Z};
    for (int other = 0; other < 3; ++other) {
      if (other != axis) {
        EXPECT_EQ(along[other], 0);
      }
    }
    const QPointF l = local[axis] / std::hypot(local[axis].x(), local[axis].y());
    const QPointF g = global[axis] / std::hypot(global[axis].x(), global[axis].y());
    EXPECT_NEAR(g.x(), double(along[axis]) * l.x(), 1e-12);
    EXPECT_NEAR(g.y(), double(along[axis]) * l.y(), 1e-12);
  }
}

}  // namespace
}  // namespace zavik
