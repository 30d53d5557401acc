// Side and plan views without a screen: the world-to-device mapping and its
// widening to a window's shape, the soil-pile profile and the plan of each
// example, and what their one drawing path puts on an image.
#include "views/PlanLayout.h"
#include "views/SideProfile.h"

#include "controls/Exceptions.h"
#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace zavik {
namespace {

using testing::Example;
using testing::MakePileProject;
using testing::NewProject;

void ExpectWindow(const TWorldWindow& Got, const TWorldWindow& Want, double Tolerance = 1e-9) {
  EXPECT_NEAR(Got.XMin, Want.XMin, Tolerance);
  EXPECT_NEAR(Got.XMax, Want.XMax, Tolerance);
  EXPECT_NEAR(Got.Top, Want.Top, Tolerance);
  EXPECT_NEAR(Got.Bottom, Want.Bottom, Tolerance);
}

TEST(WorldMapping, MapsTheWindowOntoTheAreaAndBack) {
  const TWorldMapping m{{-5, 5, 0, 5}, QRectF(0, 0, 400, 200)};
  EXPECT_EQ(m.ToDevice(-5, 0), QPointF(0, 0));
  EXPECT_EQ(m.ToDevice(5, 5), QPointF(400, 200));
  EXPECT_EQ(m.ToDevice(0.01, 2.5), QPointF(200, 100));  // rounded to whole pixels
  const QPointF w = m.ToWorld(QPointF(123, 45));
  EXPECT_NEAR(w.x(), -5 + 123 / 40.0, 1e-12);
  EXPECT_NEAR(w.y(), 45 / 40.0, 1e-12);

  // A printed page: the drawing area starts a tenth of the way down.
  const TWorldMapping page{{0, 10, 0, 10}, QRectF(100, 200, 1000, 800)};
  EXPECT_EQ(page.ToDevice(5, 5), QPointF(600, 600));
  // A plan's y grows upwards: the larger y is at the top.
  const TWorldMapping plan{{-2, 2, 2, -2}, QRectF(0, 0, 100, 100)};
  EXPECT_EQ(plan.ToDevice(2, 2), QPointF(100, 0));
}

struct TWiden {
  const char* Name;
  TWorldWindow Window;
  double W, H;
  TWorldWindow::TAnchor Anchor;
  TWorldWindow Want;
};

void PrintTo(const TWiden& Row, std::ostream* Os) { *Os << Row.Name; }

class WidenTest : public ::testing::TestWithParam<TWiden> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Windows, WidenTest, ::testing::Values(
  //     name                  window             W    H    anchor                     widened
  TWiden{"WideClientWidensX",  {-5, 5, 0, 5},     400, 100, TWorldWindow::AboutOrigin, {-10, 10, 0, 5}},
  TWiden{"TallClientDeepens",  {-5, 5, 0, 5},     100, 100, TWorldWindow::AboutOrigin, {-5, 5, 0, 10}},
  TWiden{"OffCentreAboutZero", {1, 3, 0, 4},      200, 100, TWorldWindow::AboutOrigin, {4, 12, 0, 4}},
  TWiden{"PlanYUpwards",       {-2, 2, 1, -1},    100, 100, TWorldWindow::AboutCentre, {-2, 2, 2, -2}},
  TWiden{"PlanAboutCentre",    {-12, -4, -3, -5}, 100, 50,  TWorldWindow::AboutCentre, {-12, -4, -2, -6}},
  TWiden{"PlanWideCentre",     {-12, -4, -3, -5}, 400, 50,  TWorldWindow::AboutCentre, {-16, 0, -3, -5}},
  TWiden{"NoClientHeight",     {-5, 5, 0, 5},     400, 0,   TWorldWindow::AboutOrigin, {-5, 5, 0, 5}},
  TWiden{"NoClientWidth",      {-5, 5, 0, 5},     0,   300, TWorldWindow::AboutOrigin, {-5, 5, 0, 5}},
  TWiden{"EmptyWindow",        {0, 0, 0, 5},      400, 300, TWorldWindow::AboutOrigin, {0, 0, 0, 5}}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_P(WidenTest, KeepsTheDrawingsProportions) {
  const TWiden& row = GetParam();
  const TWorldWindow w = row.Window.Widened(row.W, row.H, row.Anchor);
  ExpectWindow(w, row.Want);
  // World units per pixel are the same across and down.
  if (!w.Empty() && row.W > 0 && row.H > 0) {
    EXPECT_NEAR((w.XMax - w.XMin) / row.W, std::abs(w.Bottom - w.Top) / row.H, 1e-12);
  }
}

std::vector<std::string> Texts(const TSideProfile& P) {
  std::vector<std::string> texts;
  for (const TProfileText& t : P.Texts) texts.push_back(t.Text.toStdString());
  return texts;
}

struct TProfileCase {
  const char* Example;
  TProfilePlane Plane;
  int Records;
  double TotalPileLength;
  int Kind;
  TWorldWindow Base;
  std::vector<std::string> Texts;
};

void PrintTo(const TProfileCase& Row, std::ostream* Os) {
  *Os << Row.Example << (Row.Plane == TProfilePlane::XZ ? " XZ" : " YZ");
}

class ProfileTest : public ::testing::TestWithParam<TProfileCase> {};

const std::vector<std::string> PileLayers = {
    "depth= 0 - 4; Layer 1",  "Shear Wave Velocity= 120; Poissons Ratio= 0.4",
    "depth= 4 - 8; Layer 2",  "Shear Wave Velocity= 160; Poissons Ratio= 0.4",
    "depth= 8 - 12; Layer 3", "Shear Wave Velocity= 200; Poissons Ratio= 0.4"};

// Battered piles 12 m long lean sin(10°) · 12 = 2.0838 or sin(8°) · 12 = 1.6701 m.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, ProfileTest, ::testing::Values(
  TProfileCase{"single-pile",         TProfilePlane::XZ, 1, 12, 2, {-0.315, 0.315, 0, 12.6}, PileLayers},
  TProfileCase{"pile-group",          TProfilePlane::YZ, 4, 12, 2, {-1.89, 1.89, 0, 12.6}, PileLayers},
  TProfileCase{"pile-group-battered", TProfilePlane::XZ, 6, 12, 2,
               {-1.05 * (1.8 + 2.0838), 1.05 * (1.8 + 2.0838), 0, 12.6}, PileLayers},
  TProfileCase{"pile-group-battered", TProfilePlane::YZ, 6, 12, 2,
               {-1.05 * (1.3 + 1.6701), 1.05 * (1.3 + 1.6701), 0, 12.6}, PileLayers},
  TProfileCase{"multilayer-column",   TProfilePlane::XZ, 1, 6, 4, {-3.15, 3.15, 0, 6.3}, {
               "depth= 0 - 1.2; Layer 1",   "Shear Wave Velocity= 150; Poissons Ratio= 0.35",
               "depth= 1.2 - 2.4; Layer 2", "Shear Wave Velocity= 170; Poissons Ratio= 0.35",
               "depth= 2.4 - 3.6; Layer 3", "Shear Wave Velocity= 200; Poissons Ratio= 0.33",
               "depth= 3.6 - 4.8; Layer 4", "Shear Wave Velocity= 220; Poissons Ratio= 0.33",
               "depth= 4.8 - 6; Layer 5",   "Shear Wave Velocity= 240; Poissons Ratio= 0.33"}},
  TProfileCase{"stratum-rectangular", TProfilePlane::XZ, 1, 0, 3, {-4.2, 4.2, 0, 2.52}, {
               "Layer thickness= 8; Layer 1", "Shear Wave Velocity= 180; Poissons Ratio= 0.35", "Rock Layer "}},
  TProfileCase{"stratum-rectangular", TProfilePlane::YZ, 1, 0, 3, {-3.15, 3.15, 0, 2.52}, {
               "Layer thickness= 8; Layer 1", "Shear Wave Velocity= 180; Poissons Ratio= 0.35", "Rock Layer "}},
  TProfileCase{"half-space-harmonic", TProfilePlane::XZ, 1, 0, 1, {-5.25, 5.25, -0.2625, 6.3}, {
               "depth= -0.25 - 0.75; Layer 1", "Shear Wave Velocity= 200; Poissons Ratio= 0.35",
               "Soil below the tip ", "Shear Wave Velocity= 250; Poissons Ratio= 0.33"}}),
  [](const auto& Info) {
    std::string name = Info.param.Example;
    for (char& c : name) if (c == '-') c = '_';
    return name + (Info.param.Plane == TProfilePlane::XZ ? "_XZ" : "_YZ");
  });
// clang-format on

TEST_P(ProfileTest, ShowsTheFoundationAndEveryLayerWithItsNumber) {
  const TProfileCase& row = GetParam();
  auto v = Example(row.Example);
  v->P().FoundationKind = 0;
  const TSideProfile profile = BuildSideProfile(v->P(), row.Plane);
  EXPECT_EQ(int(profile.Outlines.size()), row.Records);
  EXPECT_NEAR(profile.TotalPileLength, row.TotalPileLength, 1e-9);
  // The view keeps the project's scratch values up to date.
  EXPECT_NEAR(double(v->P().TotalPileLength), row.TotalPileLength, 1e-9);
  EXPECT_EQ(v->P().FoundationKind, row.Kind);
  ExpectWindow(profile.Base, row.Base, 1e-3);
  EXPECT_EQ(Texts(profile), row.Texts);
}

TEST(Profile, BatteredPileIsShearedInItsPlaneAndUprightInTheOther) {
  auto v = Example("pile-group-battered");
  const TSideProfile xz = BuildSideProfile(v->P(), TProfilePlane::XZ);
  // Pile 1 at x = -1.5 leans -10 degrees in the XZ plane: its foot moves
  // sideways while the width stays horizontal.
  const double a = -10 * std::numbers::pi / 180;
  const TOutlineRecord& p1 = xz.Outlines[0];
  EXPECT_NEAR(p1.TopLeft.x(), -1.8, 1e-9);
  EXPECT_NEAR(p1.TopRight.x(), -1.2, 1e-9);
  EXPECT_NEAR(p1.BottomLeft.x(), -1.8 + std::sin(a) * 12, 1e-3);
  EXPECT_NEAR(p1.BottomLeft.y(), std::cos(a) * 12, 1e-3);
  EXPECT_NEAR(p1.BottomRight.x() - p1.BottomLeft.x(), 0.6, 1e-9);
  EXPECT_NEAR(p1.BottomRight.y(), p1.BottomLeft.y(), 1e-12);
  // Pile 2 leans in the YZ plane: upright here.
  const TOutlineRecord& p2 = xz.Outlines[1];
  EXPECT_NEAR(p2.BottomLeft.x(), -0.3, 1e-12);
  EXPECT_NEAR(p2.BottomLeft.y(), 12, 1e-12);
}

TEST(Profile, FootingSideLayersStartAtTheGroundAndTheSoilBelowIsLabelledUnderIt) {
  // A circle of radius 2.5 with its base level at 0.75 under one side layer 1 thick.
  auto v = Example("half-space-harmonic");
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  ASSERT_TRUE(profile.Ground.has_value());
  EXPECT_NEAR(*profile.Ground, -0.25, 1e-12);
  EXPECT_EQ(profile.Lines, std::vector<double>{0.75});
  // The circle is drawn to twice its base level; the soil below it under that.
  EXPECT_NEAR(profile.Outlines[0].BottomLeft.y(), 1.5, 1e-12);
  ASSERT_EQ(profile.Texts.size(), 4u);
  EXPECT_NEAR(profile.Texts[2].Depth, 1.5, 1e-12);
  EXPECT_GT(profile.Texts[2].PixelOffset, 0);
}

TEST(Profile, EmptyLayerTableShowsTheDefaultWindowWithoutOutline) {
  auto v = Example("pile-group");
  v->T().D->SetRowCount(0);
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  EXPECT_TRUE(profile.Outlines.empty());
  EXPECT_TRUE(profile.Lines.empty());
  ExpectWindow(profile.Base, {-5, 5, 0, 5});
}

TEST(Profile, FootingShowsWithAnEmptyPileSoilTable) {
  auto v = Example("half-space-random");
  v->T().D->SetRowCount(0);
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  ASSERT_EQ(profile.Outlines.size(), 1u);
  // The 3 m length lies along x, from the surface down to the base level.
  EXPECT_NEAR(profile.Outlines[0].TopRight.x(), 1.5, 1e-12);
  EXPECT_NEAR(profile.Outlines[0].BottomRight.y(), 1.2, 1e-12);
}

TEST(Profile, PileWithoutSectionsIsAListError) {
  auto v = Example("pile-group");
  v->T().PileData->SetRowCount(0);
  EXPECT_THROW(BuildSideProfile(v->P(), TProfilePlane::XZ), EListError);
}

TEST(Profile, MultilayerLayerBeyondTheSoilColumnShowsNoValues) {
  auto v = Example("multilayer-column");
  v->T().Multisoil->SetRowCount(1);
  std::vector<std::string> texts;
  ASSERT_NO_THROW(texts = Texts(BuildSideProfile(v->P(), TProfilePlane::XZ)));
  EXPECT_EQ(texts.size(), 5u + 3u);
  EXPECT_EQ(texts.back(), "depth= 4.8 - 6; Layer 5");
}

// Draws a profile or plan onto a white image of the given size.
template <class F>
QImage Drawn(int W, int H, F Draw) {
  QImage image(W, H, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  Draw(painter);
  return image;
}

bool IsBlack(const QImage& Image, QPointF At) { return Image.pixelColor(At.toPoint()).lightness() < 60; }

TEST(Profile, DrawsTheFilledPilesAndTheLayerLines) {
  auto v = Example("pile-group");
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  const TWorldMapping m{profile.Base.Widened(600, 400, TWorldWindow::AboutOrigin), QRectF(0, 0, 600, 400)};
  const QImage image = Drawn(600, 400, [&](QPainter& P) { DrawSideProfile(P, profile, m, TPaintStyle()); });
  // Halfway down the right-hand pile; beside it, soil.
  EXPECT_TRUE(IsBlack(image, m.ToDevice(1.5, 6)));
  EXPECT_FALSE(IsBlack(image, m.ToDevice(0, 6)));
  // The line at the bottom of the first layer runs to the right edge.
  EXPECT_TRUE(IsBlack(image, QPointF(595, m.ToDevice(0, 4).y())));
}

TEST(Profile, DrawsNothingThroughAnEmptyMapping) {
  auto v = Example("pile-group");
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  const QImage image = Drawn(100, 80, [&](QPainter& P) {
    DrawSideProfile(P, profile, {profile.Base, QRectF(0, 0, 100, 0)}, TPaintStyle());
    DrawSideProfile(P, profile, {{0, 0, 0, 5}, QRectF(0, 0, 100, 80)}, TPaintStyle());
  });
  QImage white(100, 80, QImage::Format_RGB32);
  white.fill(Qt::white);
  EXPECT_EQ(image, white);
}

TEST(Plan, PileGroupFitsEveryPileWithTwoRadiiAround) {
  auto v = Example("pile-group");
  const TPlanLayout plan = BuildPlanLayout(v->P());
  ASSERT_EQ(plan.Piles.size(), 4u);
  EXPECT_EQ(plan.XMin, -1.5);
  EXPECT_EQ(plan.YMax, 1.5);
  ExpectWindow(plan.Base, {-2.1, 2.1, 2.1, -2.1}, 1e-12);
  for (const TPilePlan& p : plan.Piles) EXPECT_EQ(p.RadiusX, 0.3);
}

TEST(Plan, GroupAtNegativeCoordinatesKeepsItsOwnBox) {
  auto v = NewProject();
  MakePileProject(v->P(), 3, 3, {{-10, -6}, {-8, -6}, {-10, -4}, {-8, -4}}, {{10, 0.5, 0.5}});
  const TPlanLayout plan = BuildPlanLayout(v->P());
  EXPECT_EQ(plan.XMax, -8);
  EXPECT_EQ(plan.YMax, -4);
  ExpectWindow(plan.Base, {-11, -7, -3, -7}, 1e-12);
}

TEST(Plan, SinglePileShowsItselfWithTwoRadiiAround) {
  auto v = NewProject();
  MakePileProject(v->P(), 3, 3, {{2, 3}}, {{10, 0.25, 0.25}, {5, 0.1, 0.1}});
  const TPlanLayout plan = BuildPlanLayout(v->P());
  ExpectWindow(plan.Base, {1.5, 2.5, 3.5, 2.5}, 1e-12);
  EXPECT_EQ(plan.Piles[0].RadiusX, 0.25);  // the first section's
}

TEST(Plan, FootingShowsItsOutlineOnly) {
  auto v = Example("half-space-harmonic");
  v->T().Pilecoord->SetRowCount(3);
  const TPlanLayout plan = BuildPlanLayout(v->P());
  EXPECT_TRUE(plan.Piles.empty());
  EXPECT_EQ(plan.XMax, 2.5);
  EXPECT_EQ(plan.YMin, -2.5);
  ExpectWindow(plan.Base, {-5 / 1.9, 5 / 1.9, 5 / 1.9, -5 / 1.9}, 1e-12);
}

TEST(Plan, NewProjectWithoutFootingSizeShowsTheDefaultWindow) {
  auto v = NewProject();
  ExpectWindow(BuildPlanLayout(v->P()).Base, {-5, 5, 5, -5});
}

TEST(Plan, DrawsTheOutlineAndFilledPileCircles) {
  auto v = Example("pile-group");
  const TPlanLayout plan = BuildPlanLayout(v->P());
  const TWorldMapping m{plan.Base.Widened(500, 300, TWorldWindow::AboutCentre), QRectF(0, 0, 500, 300)};
  const QImage image = Drawn(500, 300, [&](QPainter& P) { DrawPlanLayout(P, plan, m, TPaintStyle()); });
  EXPECT_TRUE(IsBlack(image, m.ToDevice(-1.5, 1.5)));  // a pile's centre
  EXPECT_TRUE(IsBlack(image, m.ToDevice(0, 1.5)));     // the outline between two piles
  EXPECT_FALSE(IsBlack(image, m.ToDevice(0, 0)));      // inside the cap, no pile
  EXPECT_FALSE(IsBlack(image, m.ToDevice(-1, 1)));     // beyond a pile's radius
}

}  // namespace
}  // namespace zavik
