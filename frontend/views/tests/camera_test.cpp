// The 3-D view's camera: projection and fit scale, preset views, zoom and
// restart, and what each mouse mode does to the picture, checked through
// where model points land in the window.
#include "views/ViewCamera.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace zavik {
namespace {

constexpr int W = 800, H = 600;

// A scene 4 wide, 2 deep in plan, 10 high, centred at (1, -0.5, -4), in a
// soil block of twice its plan: 8 by 4 by 10.
TSceneExtents Extents() {
  TSceneExtents x;
  x.XMin = -1;
  x.XMax = 3;
  x.YMin = -1.5;
  x.YMax = 0.5;
  x.ZMin = -9;
  x.ZMax = 1;
  x.ExtentX = 4;
  x.ExtentY = 2;
  x.ExtentZ = 10;
  x.ExtentXY = 4;
  x.CentreX = 1;
  x.CentreY = -0.5;
  x.CentreZ = -4;
  x.BlockXMin = -3;
  x.BlockXMax = 5;
  x.BlockYMin = -2.5;
  x.BlockYMax = 1.5;
  return x;
}

// The window pixels of the soil block's eight corners in the last frame.
std::vector<QPointF> BlockCornersInWindow(TViewCamera& Camera, const TSceneExtents& X) {
  std::vector<QPointF> corners;
  for (double x : {X.BlockXMin, X.BlockXMax})
    for (double y : {X.BlockYMin, X.BlockYMax})
      for (double z : {X.ZMin, X.ZMax}) {
        const auto p = Camera.ToWindow(QVector3D(float(x), float(y), float(z)));
        EXPECT_TRUE(p.has_value()) << x << " " << y << " " << z;
        corners.push_back(p.value_or(QPointF()));
      }
  return corners;
}

struct TCameraFixture : ::testing::Test {
  TCameraFixture() {
    Camera.SetupProjection(W, H, Extents());
    Camera.CentreOn(Extents());
    Camera.FrameModelView();
  }
  QPointF At(QVector3D Model) {
    Camera.FrameModelView();
    const auto p = Camera.ToWindow(Model);
    EXPECT_TRUE(p.has_value());
    return p.value_or(QPointF());
  }
  // A drag with the left button from one window point to another.
  void Drag(QPoint From, QPoint To, bool Shift = false) {
    Camera.FrameModelView();
    Camera.MousePress(From, true);
    Camera.MouseMove(To, true, false, Shift, false, false);
    Camera.MouseRelease(To, Shift);
    Camera.FrameModelView();
  }
  TViewCamera Camera;
  const QVector3D Centre{1, -0.5, -4};
};

TEST_F(TCameraFixture, FitsTheSoilBlockWithAMarginOnEachSide) {
  // Height fits: (600 - 50) / 10 pixels per unit, less than the plan's
  // (800 - 50) / 8.
  EXPECT_DOUBLE_EQ(Camera.FitScale, 550.0 / 10);
  const QPointF c = At(Centre);
  EXPECT_NEAR(c.x(), W / 2.0, 1e-3);
  EXPECT_NEAR(c.y(), H / 2.0, 1e-3);
  // The front view shows model Z upwards and X to the right: the top of the
  // block (the ground surface here at 1) and its foot 25 pixels from the
  // window's edges.
  EXPECT_NEAR(At(Centre + QVector3D(0, 0, 5)).y(), 25, 1e-2);
  EXPECT_NEAR(At(Centre + QVector3D(0, 0, -5)).y(), H - 25, 1e-2);
  EXPECT_NEAR(At(Centre + QVector3D(4, 0, 0)).x(), W / 2.0 + 220, 1e-2);
}

class PresetFitTest : public TCameraFixture, public ::testing::WithParamInterface<int> {};

INSTANTIATE_TEST_SUITE_P(Views, PresetFitTest, ::testing::Values(1, 2, 3, 4));

TEST_P(PresetFitTest, EachPresetViewShowsTheWholeBlockFillingTheWindowButTheMargin) {
  Camera.SetView(GetParam());
  Camera.FrameModelView();
  double left = W, right = 0, top = H, bottom = 0;
  for (const QPointF& p : BlockCornersInWindow(Camera, Extents())) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
    top = std::min(top, p.y());
    bottom = std::max(bottom, p.y());
  }
  constexpr double Margin = FitMargin / 2.0;
  EXPECT_GE(left, Margin - 1e-2);
  EXPECT_LE(right, W - Margin + 1e-2);
  EXPECT_GE(top, Margin - 1e-2);
  EXPECT_LE(bottom, H - Margin + 1e-2);
  // One direction is filled.
  EXPECT_TRUE(std::abs(left - Margin) < 1e-2 || std::abs(top - Margin) < 1e-2);
  // Centred.
  EXPECT_NEAR(left + right, W, 1e-2);
  EXPECT_NEAR(top + bottom, H, 1e-2);
}

TEST_F(TCameraFixture, TextsBesideTheBlockGetTheirRoomOnEitherSide) {
  // A block wide enough for its width to decide the fit.
  TSceneExtents x = Extents();
  x.BlockXMin = -19;
  x.BlockXMax = 21;
  Camera.SetupProjection(W, H, x, 120);
  Camera.FrameModelView();
  double left = W, right = 0;
  for (const QPointF& p : BlockCornersInWindow(Camera, x)) {
    left = std::min(left, p.x());
    right = std::max(right, p.x());
  }
  EXPECT_NEAR(left, 25 + 120, 1e-2);
  EXPECT_NEAR(right, W - 25 - 120, 1e-2);
  // A narrow window still leaves the block half of its width.
  Camera.SetupProjection(300, H, x, 400);
  EXPECT_NEAR(Camera.FitScale, (300 - 50) / 2.0 / 40, 1e-12);
}

struct TDepthCase {
  int View;
  double Zoom;
  QVector3D Offset;  // from the block's centre, along the line of sight
};

class DepthPlaneTest : public TCameraFixture, public ::testing::WithParamInterface<TDepthCase> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Zooms, DepthPlaneTest, ::testing::Values(
  TDepthCase{1, 1,       {0, 2, 0}},   // front: the block's back face behind the centre
  TDepthCase{1, 1e4,     {0, 2, 0}},
  TDepthCase{1, MaxZoom, {0, 2, 0}},
  TDepthCase{1, MaxZoom, {0, -2, 0}},  //        and its front face
  TDepthCase{2, MaxZoom, {4, 0, 0}},   // side
  TDepthCase{3, MaxZoom, {0, 0, 5}},   // top
  TDepthCase{3, MaxZoom, {0, 0, -5}}));
// clang-format on

TEST_P(DepthPlaneTest, WholeBlockLiesBetweenTheNearAndFarPlanesAtAnyZoom) {
  const TDepthCase& row = GetParam();
  Camera.SetView(row.View);
  Camera.Zooming(row.Zoom);
  Camera.FrameModelView();
  // The point lies under the window's centre, at the block's face.
  const auto p = Camera.ToWindow(Centre + row.Offset);
  ASSERT_TRUE(p.has_value());
  EXPECT_NEAR(p->x(), W / 2.0, 1);
  EXPECT_NEAR(p->y(), H / 2.0, 1);
}

TEST_F(TCameraFixture, SmallWindowKeepsAPositiveFitScale) {
  for (int size : {0, 1, 30, 49, 50}) {
    Camera.SetupProjection(size, size, Extents());
    EXPECT_GT(Camera.FitScale, 0) << size;
    EXPECT_TRUE(std::isfinite(Camera.FitScale)) << size;
  }
}

TEST_F(TCameraFixture, DropsPointsOutsideTheWindow) {
  EXPECT_FALSE(Camera.ToWindow(Centre + QVector3D(100, 0, 0)).has_value());
  EXPECT_FALSE(Camera.ToWindow(Centre + QVector3D(0, 0, -100)).has_value());
  EXPECT_TRUE(Camera.ToWindow(Centre + QVector3D(2, 0, -4)).has_value());
}

struct TPreset {
  int N;
  QVector3D Model;     // a unit step along a model axis
  QPointF ScreenStep;  // its direction in the window (y down), as a unit step
};

class PresetViewTest : public TCameraFixture, public ::testing::WithParamInterface<TPreset> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, PresetViewTest, ::testing::Values(
  TPreset{1, {0, 0, 1}, {0, -1}},   // front: Z up
  TPreset{1, {1, 0, 0}, {1, 0}},    //        X right
  TPreset{2, {0, 0, 1}, {0, -1}},   // side:  Z up
  TPreset{2, {0, 1, 0}, {-1, 0}},   //        looking along +X, Y to the left
  TPreset{3, {1, 0, 0}, {1, 0}},    // top:   X right
  TPreset{3, {0, 1, 0}, {0, -1}}));  //       Y up
// clang-format on

TEST_P(PresetViewTest, ShowsTheModelAxesWhereAnEngineerExpectsThem) {
  Camera.SetView(GetParam().N);
  const QPointF from = At(Centre);
  const QPointF to = At(Centre + GetParam().Model);
  const QPointF step = (to - from) / Camera.FitScale;
  EXPECT_NEAR(step.x(), GetParam().ScreenStep.x(), 1e-4);
  EXPECT_NEAR(step.y(), GetParam().ScreenStep.y(), 1e-4);
}

TEST_F(TCameraFixture, ObliqueViewAndOtherNumbers) {
  Camera.SetView(4);
  EXPECT_EQ(Camera.AngleX, 22.5);
  EXPECT_EQ(Camera.AngleZ, 45);
  Camera.SetView(7);
  EXPECT_EQ(Camera.AngleX, 22.5);
  Camera.ReverseView();
  EXPECT_EQ(Camera.AngleZ, 225);
}

TEST_F(TCameraFixture, ZoomInAndOutComesBackAndRestartResetsTheCamera) {
  const QPointF before = At(Centre + QVector3D(2, 0, 3));
  Camera.Zooming(ZoomInFactor);
  EXPECT_NEAR(At(Centre + QVector3D(2, 0, 3)).x() - W / 2.0, (before.x() - W / 2.0) * 1.4142, 1e-2);
  Camera.Zooming(ZoomOutFactor);
  EXPECT_NEAR(Camera.Zoom, 1, 1e-12);

  Camera.SetView(4);
  Camera.Zooming(3);
  Camera.Pan = QVector3D(5, 5, 5);
  Camera.Restart(Extents());
  EXPECT_EQ(Camera.AngleX, 0);
  EXPECT_EQ(Camera.AngleZ, 0);
  EXPECT_EQ(Camera.Zoom, 1);
  EXPECT_EQ(Camera.Pan, QVector3D(-1, 0.5, 4));
}

TEST_F(TCameraFixture, MouseDoesNothingUntilAModeIsChosen) {
  Drag({100, 100}, {300, 400});
  EXPECT_EQ(Camera.Zoom, 1);
  EXPECT_EQ(Camera.AngleX, 0);
  EXPECT_EQ(Camera.Pan, QVector3D(-1, 0.5, 4));
}

TEST_F(TCameraFixture, ZoomDragUpEnlargesAndDownReducesByTheShareOfTheHeight) {
  Camera.SetMouseMode(MouseZoom);
  Drag({400, 300}, {400, 0});
  EXPECT_NEAR(Camera.Zoom, 1.5, 1e-12);
  Drag({400, 300}, {400, 450});  // a quarter down from 1.5
  EXPECT_NEAR(Camera.Zoom, 1.125, 1e-12);
}

TEST_F(TCameraFixture, ZoomDragFarDownStaysPositiveAndPanStaysFinite) {
  Camera.SetMouseMode(MouseZoom);
  Drag({400, 0}, {400, 5 * H});
  EXPECT_GT(Camera.Zoom, 0);
  Camera.SetMouseMode(MousePan);
  Drag({400, 300}, {410, 320});
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(std::isfinite(Camera.Pan[i]));
}

TEST_F(TCameraFixture, PanFollowsTheMouseAndShiftKeepsTheMainDirection) {
  Camera.SetView(4);
  Camera.Zooming(2);
  Camera.SetMouseMode(MousePan);
  const QPointF before = At(Centre);
  Drag({200, 200}, {260, 180});
  QPointF after = At(Centre);
  EXPECT_NEAR(after.x() - before.x(), 60, 1e-2);
  EXPECT_NEAR(after.y() - before.y(), -20, 1e-2);

  Drag({200, 200}, {230, 210}, true);
  const QPointF shifted = At(Centre);
  EXPECT_NEAR(shifted.x() - after.x(), 30, 1e-2);
  EXPECT_NEAR(shifted.y() - after.y(), 0, 1e-2);
}

TEST_F(TCameraFixture, RotateTurnsAQuarterForAFullWidthAndShiftKeepsOneAxis) {
  Camera.SetMouseMode(MouseRotate);
  // Across the whole width: 90 degrees about the screen's upright axis, which
  // the front view shows as model Z.
  Drag({0, 300}, {W, 300});
  EXPECT_NEAR(Camera.AngleZ, 90, 1e-3);
  EXPECT_NEAR(Camera.AngleX, 0, 1e-3);
  Camera.Restart(Extents());
  Drag({0, 0}, {W / 4, H / 2}, true);  // 22.5 across, 45 down: only the larger turn
  EXPECT_NEAR(Camera.AngleX, 45, 1e-3);
  EXPECT_NEAR(Camera.AngleZ, 0, 1e-3);
}

TEST_F(TCameraFixture, ZoomBoxBringsItsCentreToTheWindowCentre) {
  Camera.SetMouseMode(MouseZoomWindow);
  EXPECT_TRUE(Camera.ZoomBoxMode);
  const QPoint a(500, 100), b(700, 200);
  // The model point under the box centre, on the front plane through the centre.
  const QPointF boxCentre(600, 150);
  const QVector3D model = Centre + QVector3D(float((boxCentre.x() - W / 2.0) / Camera.FitScale), 0,
                                             float(-(boxCentre.y() - H / 2.0) / Camera.FitScale));
  Camera.MousePress(a, true);
  Camera.MouseMove(b, true, false, false, false, false);
  ASSERT_TRUE(Camera.ZoomBox().has_value());
  EXPECT_EQ(*Camera.ZoomBox(), QRect(a, b).normalized());
  Camera.MouseRelease(b, false);
  EXPECT_FALSE(Camera.ZoomBox().has_value());
  EXPECT_NEAR(Camera.Zoom, std::min(800.0 / 200, 600.0 / 100), 1e-12);
  const QPointF p = At(model);
  EXPECT_NEAR(p.x(), W / 2.0, 1e-2);
  EXPECT_NEAR(p.y(), H / 2.0, 1e-2);
}

TEST_F(TCameraFixture, ZoomBoxOfNoWidthOrHeightChangesNothing) {
  Camera.SetMouseMode(MouseZoomWindow);
  Drag({100, 100}, {100, 300});
  Drag({100, 100}, {300, 100});
  EXPECT_EQ(Camera.Zoom, 1);
  EXPECT_EQ(Camera.Pan, QVector3D(-1, 0.5, 4));
}

TEST_F(TCameraFixture, DragWithTheRightButtonOrAltDoesNothing) {
  Camera.SetMouseMode(MouseZoom);
  Camera.MousePress({400, 300}, false);
  EXPECT_FALSE(Camera.MouseMove({400, 0}, false, true, false, false, false));
  Camera.MouseRelease({400, 0}, false);
  Camera.MousePress({400, 300}, true);
  EXPECT_FALSE(Camera.MouseMove({400, 0}, true, false, false, false, true));
  EXPECT_EQ(Camera.Zoom, 1);
}

}  // namespace
}  // namespace zavik
