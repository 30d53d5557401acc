// Side and plan views without a screen: the world-to-device mapping and its
// widening to a window's shape, the soil-pile profile and the plan of each
// example, and what their one drawing path puts on an image.
#include "views/PlanLayout.h"
#include "views/SideProfile.h"

#include "views/SceneGeometry.h"

#include "controls/Exceptions.h"
#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <QFontMetricsF>
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
// Under a cap embedded 0.8 in its side soil.
const std::vector<std::string> CapAndPileLayers = {
    "depth= 0 - 0.8; Side Cap 1",  "Shear Wave Velocity= 110; Poissons Ratio= 0.35",
    "depth= 0.8 - 4.8; Layer 1",   "Shear Wave Velocity= 120; Poissons Ratio= 0.4",
    "depth= 4.8 - 8.8; Layer 2",   "Shear Wave Velocity= 160; Poissons Ratio= 0.4",
    "depth= 8.8 - 12.8; Layer 3",  "Shear Wave Velocity= 200; Poissons Ratio= 0.4"};

// Each window holds the foundation (cap or footing and piles) and every layer
// line with a twentieth around them, and a twentieth of its depth above the
// ground. Piles hang from the cap's base: 0.8 under an embedded cap, 0 under
// a cap of the default thickness (0.15 of the width, 0.3 of the radius)
// standing on the ground. Battered piles 12 m long lean sin(10°) · 12 =
// 2.0838 or sin(8°) · 12 = 1.6701 m. A footing's window is twice its width and
// as deep as the 3-D view's soil block: its embedment and half its larger
// plan dimension below.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, ProfileTest, ::testing::Values(
  TProfileCase{"single-pile",         TProfilePlane::XZ, 2, 12, 2,
               {-1.05, 1.05, -0.315 - 0.05 * (12.6 + 0.315), 12.6}, PileLayers},
  TProfileCase{"pile-group",          TProfilePlane::YZ, 5, 12, 2, {-2.1, 2.1, -0.672, 13.44}, CapAndPileLayers},
  TProfileCase{"pile-group-battered", TProfilePlane::XZ, 7, 12, 2,
               {-1.05 * (1.8 + 2.0838), 1.05 * (1.8 + 2.0838), -0.672, 13.44}, CapAndPileLayers},
  TProfileCase{"pile-group-battered", TProfilePlane::YZ, 7, 12, 2,
               {-1.05 * (1.3 + 1.6701), 1.05 * (1.3 + 1.6701), -0.672, 13.44}, CapAndPileLayers},
  TProfileCase{"multilayer-column",   TProfilePlane::XZ, 1, 6, 4, {-3.15, 3.15, -0.315, 6.3}, {
               "depth= 0 - 1.2; Layer 1",   "Shear Wave Velocity= 150; Poissons Ratio= 0.35",
               "depth= 1.2 - 2.4; Layer 2", "Shear Wave Velocity= 170; Poissons Ratio= 0.35",
               "depth= 2.4 - 3.6; Layer 3", "Shear Wave Velocity= 200; Poissons Ratio= 0.33",
               "depth= 3.6 - 4.8; Layer 4", "Shear Wave Velocity= 220; Poissons Ratio= 0.33",
               "depth= 4.8 - 6; Layer 5",   "Shear Wave Velocity= 240; Poissons Ratio= 0.33"}},
  TProfileCase{"stratum-rectangular", TProfilePlane::XZ, 1, 0, 3, {-4.2, 4.2, -0.525, 10.5}, {
               "Layer thickness= 8; Layer 1", "Shear Wave Velocity= 180; Poissons Ratio= 0.35", "Rock Layer "}},
  TProfileCase{"stratum-rectangular", TProfilePlane::YZ, 1, 0, 3, {-3.15, 3.15, -0.525, 10.5}, {
               "Layer thickness= 8; Layer 1", "Shear Wave Velocity= 180; Poissons Ratio= 0.35", "Rock Layer "}},
  TProfileCase{"half-space-harmonic", TProfilePlane::XZ, 1, 0, 1, {-5.25, 5.25, -0.18375, 3.675}, {
               "depth= 0 - 1; Layer 1", "Shear Wave Velocity= 200; Poissons Ratio= 0.35",
               "Soil below the tip ", "Shear Wave Velocity= 250; Poissons Ratio= 0.33"}},
  TProfileCase{"half-space-random",   TProfilePlane::YZ, 1, 0, 1, {-2.1, 2.1, -0.12075, 2.415}, {
               "depth= 0 - 0.8; Layer 1", "Shear Wave Velocity= 160; Poissons Ratio= 0.35",
               "Soil below the tip ", "Shear Wave Velocity= 220; Poissons Ratio= 0.33"}}),
  [](const auto& Info) {
    return testing::ExampleTestName(Info.param.Example) + (Info.param.Plane == TProfilePlane::XZ ? "_XZ" : "_YZ");
  });
// clang-format on

TEST_P(ProfileTest, ShowsTheFoundationAndEveryLayerWithItsNumber) {
  const TProfileCase& row = GetParam();
  auto v = Example(row.Example);
  const TSideProfile profile = BuildSideProfile(v->P(), row.Plane);
  EXPECT_EQ(int(profile.Outlines.size()), row.Records);
  EXPECT_NEAR(profile.TotalPileLength, row.TotalPileLength, 1e-9);
  // The length is the project's own, whoever asks for it.
  EXPECT_NEAR(TotalPileLength(v->P()), row.TotalPileLength, 1e-9);
  EXPECT_EQ(Code(v->P().FoundationKind), row.Kind);
  ExpectWindow(profile.Base, row.Base, 1e-3);
  EXPECT_EQ(Texts(profile), row.Texts);
}

TEST(Profile, BatteredPileIsShearedInItsPlaneAndUprightInTheOther) {
  auto v = Example("pile-group-battered");
  const TSideProfile xz = BuildSideProfile(v->P(), TProfilePlane::XZ);
  // Pile 1 at x = -1.5 leans -10 degrees in the XZ plane from its head under
  // the cap, 0.8 down: its foot moves sideways while the width stays
  // horizontal.
  const double a = -10 * std::numbers::pi / 180;
  const TOutlineRecord& p1 = xz.Outlines[0];
  EXPECT_NEAR(p1.TopLeft.x(), -1.8, 1e-9);
  EXPECT_NEAR(p1.TopRight.x(), -1.2, 1e-9);
  EXPECT_NEAR(p1.TopLeft.y(), 0.8, 1e-9);
  EXPECT_NEAR(p1.BottomLeft.x(), -1.8 + std::sin(a) * 12, 1e-3);
  EXPECT_NEAR(p1.BottomLeft.y(), 0.8 + std::cos(a) * 12, 1e-3);
  EXPECT_NEAR(p1.BottomRight.x() - p1.BottomLeft.x(), 0.6, 1e-9);
  EXPECT_NEAR(p1.BottomRight.y(), p1.BottomLeft.y(), 1e-12);
  // Pile 2 leans -8 degrees in the YZ plane: upright here, its tip as deep
  // as the batter takes it.
  const TOutlineRecord& p2 = xz.Outlines[1];
  EXPECT_NEAR(p2.BottomLeft.x(), -0.3, 1e-12);
  EXPECT_NEAR(p2.BottomLeft.y(), 0.8 + 12 * std::cos(8 * std::numbers::pi / 180), 1e-3);
}

struct TBatteredTip {
  double Angle;  // degrees
  int Plane;     // 1 XZ, 2 YZ
};

void PrintTo(const TBatteredTip& Row, std::ostream* Os) { *Os << Row.Angle << (Row.Plane == 1 ? " XZ" : " YZ"); }

class BatteredTipTest : public ::testing::TestWithParam<TBatteredTip> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Batters, BatteredTipTest, ::testing::Values(
  TBatteredTip{10,  1},
  TBatteredTip{-10, 1},
  TBatteredTip{8,   2},
  TBatteredTip{-8,  2},
  TBatteredTip{30,  2},
  TBatteredTip{45,  1},
  TBatteredTip{0,   2}));
// clang-format on

// One pile 12 m long at (1, -0.5) under a cap embedded 0.8 m: its tip lies
// 12 cos(batter) below its head and 12 sin(batter) out along its batter
// plane in every view, the side view across that plane included.
TEST_P(BatteredTipTest, EveryViewDrawsTheTipAtItsTrueDepth) {
  const TBatteredTip& row = GetParam();
  auto v = NewProject();
  MakePileProject(v->P(), 4, 4, {{1, -0.5, row.Angle, double(row.Plane)}}, {{7, 0.3, 0.3}, {5, 0.3, 0.3}});
  testing::SetRows(v->T().pilecapsoil, {{0.8, 110, 16.5, 0.35}});
  const double a = row.Angle * std::numbers::pi / 180;
  const double tip = 0.8 + 12 * std::cos(a), reach = 12 * std::sin(a);
  const double tipX = 1 + (row.Plane == 1 ? reach : 0), tipY = -0.5 + (row.Plane == 2 ? reach : 0);

  const TOutlineRecord xz = BuildSideProfile(v->P(), TProfilePlane::XZ).Outlines.front();
  EXPECT_NEAR(xz.BottomLeft.y(), tip, 1e-3);
  EXPECT_NEAR((xz.BottomLeft.x() + xz.BottomRight.x()) / 2, tipX, 1e-3);
  const TOutlineRecord yz = BuildSideProfile(v->P(), TProfilePlane::YZ).Outlines.front();
  EXPECT_NEAR(yz.BottomLeft.y(), tip, 1e-3);
  EXPECT_NEAR((yz.BottomLeft.x() + yz.BottomRight.x()) / 2, tipY, 1e-3);

  // The 3-D view's tip disc, the last of the pile's two.
  TScene scene = BuildScene(v->P(), TViewOptions());
  std::vector<QVector3D> discs;
  for (const TScenePrimitive& p : scene.Piles)
    if (p.Kind == TPrimitiveKind::Disc) discs.push_back(p.Place.map(QVector3D()));
  ASSERT_EQ(discs.size(), 2u);
  EXPECT_NEAR(-discs[1].z(), tip, 1e-4);
  EXPECT_NEAR(discs[1].x(), tipX, 1e-4);
  EXPECT_NEAR(discs[1].y(), tipY, 1e-4);

  const TPlanLayout plan = BuildPlanLayout(v->P());
  ASSERT_EQ(plan.Piles.size(), 1u);
  EXPECT_NEAR(plan.Piles[0].TipX, tipX, 1e-9);
  EXPECT_NEAR(plan.Piles[0].TipY, tipY, 1e-9);
  // The plan holds the tip with two radii around it.
  EXPECT_LE(plan.Base.XMin, tipX - 0.6 + 1e-9);
  EXPECT_GE(plan.Base.XMax, tipX + 0.6 - 1e-9);
  EXPECT_LE(plan.Base.Bottom, tipY - 0.6 + 1e-9);
  EXPECT_GE(plan.Base.Top, tipY + 0.6 - 1e-9);
}

struct TEmbedment {
  const char* Example;
  TProfilePlane Plane;
  double Width;        // of the cap or footing in the plane
  double Top, Base;    // depths of its top and base
  std::vector<double> Lines;
};

void PrintTo(const TEmbedment& Row, std::ostream* Os) { *Os << Row.Example; }

class EmbedmentTest : public ::testing::TestWithParam<TEmbedment> {};

// The depths each deck gives: a half-space footing's side layers, a stratum's
// foundation depth (its rock at 8 below the ground), a pile cap's side soil;
// a cap without side soil stands on the ground, 0.15 of its width or 0.3 of
// its radius thick.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, EmbedmentTest, ::testing::Values(
  TEmbedment{"half-space-random",      TProfilePlane::XZ, 3,   0,     0.8,  {0.8}},
  TEmbedment{"half-space-harmonic",    TProfilePlane::YZ, 5,   0,     1,    {1}},
  TEmbedment{"half-space-transient",   TProfilePlane::XZ, 3,   0,     0.3,  {0.3}},
  TEmbedment{"stratum-rectangular",    TProfilePlane::YZ, 3,   0,     0.5,  {8}},
  TEmbedment{"pile-group",             TProfilePlane::XZ, 4,   0,     0.8,  {0.8, 4.8, 8.8, 12.8}},
  TEmbedment{"pile-group-interaction", TProfilePlane::XZ, 5,   -0.75, 0,    {4, 8, 12}}),
  [](const auto& Info) { return testing::ExampleTestName(Info.param.Example); });
// clang-format on

TEST_P(EmbedmentTest, CapOrFootingStandsAsTheThreeDViewDrawsIt) {
  const TEmbedment& row = GetParam();
  auto v = Example(row.Example);
  const TSideProfile profile = BuildSideProfile(v->P(), row.Plane);
  const TOutlineRecord& cap = profile.Outlines.back();
  EXPECT_NEAR(cap.TopRight.x() - cap.TopLeft.x(), row.Width, 1e-9);
  EXPECT_NEAR(cap.TopLeft.y(), row.Top, 1e-9);
  EXPECT_NEAR(cap.BottomLeft.y(), row.Base, 1e-9);
  ASSERT_TRUE(profile.Ground.has_value());
  EXPECT_EQ(*profile.Ground, 0);
  ASSERT_EQ(profile.Lines.size(), row.Lines.size());
  for (size_t i = 0; i < row.Lines.size(); ++i) EXPECT_NEAR(profile.Lines[i], row.Lines[i], 1e-9);
  // The same levels as the 3-D view's.
  const TSceneExtents scene = GetMaxDims(v->P());
  EXPECT_NEAR(cap.TopLeft.y(), -scene.CapTop, 1e-9);
  EXPECT_NEAR(cap.BottomLeft.y(), -scene.CapBase, 1e-9);
  // The window shows the ground line clear of its top edge, and the
  // deepest line.
  EXPECT_LT(profile.Base.Top, 0);
  EXPECT_GT(profile.Base.Bottom, row.Lines.back());
}

TEST(Profile, SoilBelowAFootingIsLabelledUnderIt) {
  auto v = Example("half-space-harmonic");
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  ASSERT_EQ(profile.Texts.size(), 4u);
  EXPECT_NEAR(profile.Texts[2].Depth, 1, 1e-12);
  EXPECT_GT(profile.Texts[2].PixelOffset, 0);
}

TEST(Profile, SurfaceFootingShowsTheGroundWithoutAnEmptyLayer) {
  auto v = Example("half-space-random");
  v->T().D1->SetRowCount(1);
  v->T().D1->Cells(0, 0)->SetFloat(0);
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  ASSERT_TRUE(profile.Ground.has_value());
  EXPECT_EQ(*profile.Ground, 0);
  EXPECT_TRUE(profile.Lines.empty());
  // 0.15 of its 2 m width above the ground.
  EXPECT_NEAR(profile.Outlines[0].TopLeft.y(), -0.3, 1e-9);
  EXPECT_NEAR(profile.Outlines[0].BottomLeft.y(), 0, 1e-9);
  EXPECT_EQ(Texts(profile), (std::vector<std::string>{"Soil below the tip ",
                                                      "Shear Wave Velocity= 220; Poissons Ratio= 0.33"}));
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
  // The 3 m length lies along x, from the surface down to its base under
  // the 0.8 m side layer.
  EXPECT_NEAR(profile.Outlines[0].TopRight.x(), 1.5, 1e-12);
  EXPECT_NEAR(profile.Outlines[0].BottomRight.y(), 0.8, 1e-12);
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
  // The line at the bottom of the first layer along the piles runs to the
  // right edge.
  EXPECT_TRUE(IsBlack(image, QPointF(595, m.ToDevice(0, 4.8).y())));
}

TEST(Profile, TextsReadOverTheFootingThatCrossesThem) {
  // A window narrower than the footing: it fills the width under the texts.
  auto v = Example("half-space-random");
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  const TWorldMapping m{{-1, 1, -0.1, 1.5}, QRectF(0, 0, 300, 240)};
  TPaintStyle style;
  const QImage image = Drawn(300, 240, [&](QPainter& P) { DrawSideProfile(P, profile, m, style); });
  const QRectF box = PlaceProfileTexts(profile, m, style.Font, &image, 1)[0].Box;
  // Along the first label's middle, over the black footing, the letters
  // stand on light rims.
  const int y = int(box.center().y());
  int light = 0, dark = 0;
  for (int x = int(box.left()); x < int(box.right()); ++x) (image.pixelColor(x, y).lightness() > 200 ? light : dark)++;
  EXPECT_GT(light, 5);
  EXPECT_GT(dark, 5);
  // Beyond the texts, the footing.
  EXPECT_TRUE(IsBlack(image, QPointF(290, y)));
}

struct TLabelCase {
  const char* Example;
  TProfilePlane Plane;
  double W, H;  // of the drawing area, in screen pixels
  bool Printed;  // on a landscape letter page at 600 dpi, in 9 pt Arial
};

void PrintTo(const TLabelCase& Row, std::ostream* Os) {
  *Os << Row.Example << (Row.Plane == TProfilePlane::XZ ? " XZ " : " YZ ") << Row.W << "x" << Row.H
      << (Row.Printed ? " printed" : "");
}

class ProfileLabelTest : public ::testing::TestWithParam<TLabelCase> {};

// The views at the size they open with (their drawing area below the
// "Print" button), a short window and the printed page: thin layers at the
// top (0.3 m beside a footing, 0.8 m beside a pile cap) and the layers
// under them.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, ProfileLabelTest, ::testing::Values(
  //         example                   plane              W     H    printed
  TLabelCase{"half-space-transient",   TProfilePlane::XZ, 560,  385, false},
  TLabelCase{"half-space-transient",   TProfilePlane::XZ, 560,  385, true},
  TLabelCase{"pile-group-battered",    TProfilePlane::XZ, 560,  385, false},
  TLabelCase{"pile-group-battered",    TProfilePlane::YZ, 560,  385, false},
  TLabelCase{"pile-group-battered",    TProfilePlane::XZ, 560,  385, true},
  TLabelCase{"pile-group-battered",    TProfilePlane::XZ, 1000, 700, false},
  TLabelCase{"pile-group",             TProfilePlane::XZ, 400,  200, false},
  TLabelCase{"half-space-random",      TProfilePlane::YZ, 560,  385, false},
  TLabelCase{"half-space-harmonic",    TProfilePlane::XZ, 560,  385, true},
  TLabelCase{"stratum-rectangular",    TProfilePlane::XZ, 560,  385, false},
  TLabelCase{"multilayer-column",      TProfilePlane::XZ, 560,  385, false},
  TLabelCase{"multilayer-column",      TProfilePlane::XZ, 560,  385, true},
  TLabelCase{"single-pile",            TProfilePlane::YZ, 560,  385, false}),
  [](const auto& Info) {
    const TLabelCase& r = Info.param;
    return testing::ExampleTestName(r.Example) + (r.Plane == TProfilePlane::XZ ? "_XZ_" : "_YZ_") +
           std::to_string(int(r.W)) + (r.Printed ? "_printed" : "");
  });
// clang-format on

TEST_P(ProfileLabelTest, LabelsCrossNoLineAndNoOtherLabel) {
  const TLabelCase& row = GetParam();
  auto v = Example(row.Example);
  const TSideProfile profile = BuildSideProfile(v->P(), row.Plane);
  // The printed page's device: its resolution, and its drawing area a tenth
  // in from each side of an 11 × 8.5 inch page.
  QImage device(8, 8, QImage::Format_RGB32);
  double scale = 1;
  QFont font;
  QRectF area(0, 30, row.W, row.H);
  if (row.Printed) {
    device.setDotsPerMeterX(int(600 / 0.0254));
    device.setDotsPerMeterY(int(600 / 0.0254));
    scale = 600 / 96.0;
    font = QFont(QStringLiteral("Arial"), 9);
    area = QRectF(660, 510, 5280, 4080);
  }
  const TWorldMapping m{profile.Base.Widened(area.width(), area.height(), TWorldWindow::AboutOrigin), area};
  const std::vector<TProfileTextPlace> places = PlaceProfileTexts(profile, m, font, &device, scale);
  const std::vector<QRectF> lines = ProfileLineStrips(profile, m, scale);
  ASSERT_EQ(places.size(), profile.Texts.size());
  ASSERT_FALSE(lines.empty());
  const double y0 = QFontMetricsF(font, &device).height();
  for (size_t i = 0; i < places.size(); ++i) {
    SCOPED_TRACE(profile.Texts[i].Text.toStdString());
    const QRectF& box = places[i].Box;
    EXPECT_GT(box.width(), 0);
    for (const QRectF& line : lines) EXPECT_FALSE(box.intersects(line)) << box.top() << " " << line.top();
    for (size_t j = 0; j < i; ++j) EXPECT_FALSE(box.intersects(places[j].Box)) << profile.Texts[j].Text.toStdString();
    // Never above its own place; in its own band, or led to it.
    const TProfileText& t = profile.Texts[i];
    EXPECT_GE(box.top() + 1e-9, m.ToDevice(0, t.Depth).y() + t.PixelOffset * scale);
    const size_t first = i - size_t(t.Line);
    const bool inBand = box.top() >= m.ToDevice(0, t.BandTop).y() &&
                        (std::isinf(t.BandBottom) || box.bottom() <= m.ToDevice(0, t.BandBottom).y());
    EXPECT_TRUE(inBand || !places[first].Leader.isEmpty());
    // Readable: no smaller than 7 pt, the lines of a label in one size.
    EXPECT_GE(places[i].FontScale * (font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75), 7 - 1e-9);
    EXPECT_EQ(places[i].FontScale, places[first].FontScale);
    EXPECT_GE(box.height(), 0.7 * y0);
  }
}

TEST(Profile, ThinLayersLabelIsLedToItFromTheRoomBelow) {
  // A 0.05 m side layer of the pile group's cap: no font is small enough
  // for its label, which stands below the line at its base, beside the next
  // layer's label, with a leader from the thin layer.
  auto v = Example("pile-group");
  v->T().pilecapsoil->Cells(0, 0)->SetFloat(0.05);
  const TSideProfile profile = BuildSideProfile(v->P(), TProfilePlane::XZ);
  const TWorldMapping m{profile.Base.Widened(560, 385, TWorldWindow::AboutOrigin), QRectF(0, 30, 560, 385)};
  const std::vector<TProfileTextPlace> places = PlaceProfileTexts(profile, m, QFont(), nullptr, 1);
  ASSERT_GE(places.size(), 4u);
  const double base = m.ToDevice(0, 0.05).y();
  ASSERT_EQ(places[0].Leader.size(), 4);
  EXPECT_GT(places[0].Box.top(), base);
  // The leader starts inside the thin layer and ends at the label.
  EXPECT_GT(places[0].Leader.front().y(), m.ToDevice(0, 0).y());
  EXPECT_LT(places[0].Leader.front().y(), base);
  EXPECT_NEAR(places[0].Leader.back().y(), places[0].Box.center().y(), 1e-9);
  EXPECT_LT(places[0].Leader.back().x(), places[0].Box.left());
  // The next layer's label follows half a line under it, at the left edge.
  EXPECT_GE(places[2].Box.top(), places[1].Box.bottom() + places[1].Box.height() / 2 - 1e-9);
  EXPECT_TRUE(places[2].Leader.isEmpty());
  EXPECT_LT(places[2].Box.left(), places[0].Box.left());
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

TEST(Plan, PileGroupShowsItsCapAndFitsEveryPileWithTwoRadiiAround) {
  auto v = Example("pile-group");
  const TPlanLayout plan = BuildPlanLayout(v->P());
  ASSERT_EQ(plan.Piles.size(), 4u);
  // The 4 × 4 cap, as the other views draw it.
  EXPECT_FALSE(plan.Circle);
  EXPECT_EQ(plan.XMin, -2);
  EXPECT_EQ(plan.YMax, 2);
  ExpectWindow(plan.Base, {-4 / 1.9, 4 / 1.9, 4 / 1.9, -4 / 1.9}, 1e-12);
  for (const TPilePlan& p : plan.Piles) EXPECT_EQ(p.RadiusX, 0.3);
}

TEST(Plan, PilesOutsideTheirCapWidenTheWindow) {
  auto v = NewProject();
  MakePileProject(v->P(), 3, 3, {{2, 3}}, {{10, 0.25, 0.25}, {5, 0.1, 0.1}});
  const TPlanLayout plan = BuildPlanLayout(v->P());
  ExpectWindow(plan.Base, {-3 / 1.9, 2.5, 3.5, -3 / 1.9}, 1e-12);
  EXPECT_EQ(plan.Piles[0].RadiusX, 0.25);  // the first section's
}

TEST(Plan, CapGivenNoSizeIsOutlinedByItsPilesBox) {
  auto v = NewProject();
  MakePileProject(v->P(), 0, 0, {{-10, -6}, {-8, -6}, {-10, -4}, {-8, -4}}, {{10, 0.5, 0.5}});
  const TPlanLayout plan = BuildPlanLayout(v->P());
  // From the first pile on: a group wholly at negative coordinates keeps its
  // own box.
  EXPECT_EQ(plan.XMax, -8);
  EXPECT_EQ(plan.YMax, -4);
  ExpectWindow(plan.Base, {-11, -7, -3, -7}, 1e-12);
}

TEST(Plan, SinglePileUnderACapOfNoSizeShowsItselfWithTwoRadiiAround) {
  auto v = NewProject();
  MakePileProject(v->P(), 0, 0, {{2, 3}}, {{10, 0.25, 0.25}});
  ExpectWindow(BuildPlanLayout(v->P()).Base, {1.5, 2.5, 3.5, 2.5}, 1e-12);
}

TEST(Plan, FootingShowsItsOutlineOnly) {
  auto v = Example("half-space-harmonic");
  v->T().Pilecoord->SetRowCount(3);
  const TPlanLayout plan = BuildPlanLayout(v->P());
  EXPECT_TRUE(plan.Piles.empty());
  EXPECT_TRUE(plan.Circle);
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
  EXPECT_TRUE(IsBlack(image, m.ToDevice(0, 2)));       // the cap's edge
  EXPECT_FALSE(IsBlack(image, m.ToDevice(0, 0)));      // inside the cap, no pile
  EXPECT_FALSE(IsBlack(image, m.ToDevice(-1, 1)));     // beyond a pile's radius
}

TEST(Plan, CircularFootingIsDrawnAsItsCircle) {
  auto v = Example("half-space-harmonic");
  const TPlanLayout plan = BuildPlanLayout(v->P());
  const TWorldMapping m{plan.Base.Widened(400, 400, TWorldWindow::AboutCentre), QRectF(0, 0, 400, 400)};
  const QImage image = Drawn(400, 400, [&](QPainter& P) { DrawPlanLayout(P, plan, m, TPaintStyle()); });
  const double r = 2.5;
  EXPECT_TRUE(IsBlack(image, m.ToDevice(0, r)));
  EXPECT_TRUE(IsBlack(image, m.ToDevice(r, 0)));
  // Around the circle, neither its bounding square nor a fill.
  EXPECT_FALSE(IsBlack(image, m.ToDevice(r, r)));
  EXPECT_FALSE(IsBlack(image, m.ToDevice(r, 0.5 * r)));
  EXPECT_FALSE(IsBlack(image, m.ToDevice(0, 0)));
  // A point of the circle at 45 degrees, within a pixel.
  const QPointF on = m.ToDevice(r * std::cos(std::numbers::pi / 4), r * std::sin(std::numbers::pi / 4));
  bool near = false;
  for (int dx = -1; dx <= 1; ++dx)
    for (int dy = -1; dy <= 1; ++dy) near = near || IsBlack(image, on + QPointF(dx, dy));
  EXPECT_TRUE(near);
}

}  // namespace
}  // namespace zavik
