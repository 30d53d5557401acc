// The 3-D view's scene of each example and of small hand-made projects:
// cap or footing, piles with their batter, soil layer boxes, their colours and
// the labels, compared with values worked out by hand from the decks.
#include "views/SceneGeometry.h"

#include "views/ViewCamera.h"

#include "views/tests/ViewProjects.h"

#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace zavik {
namespace {

using testing::Example;
using testing::MakePileProject;
using testing::NewProject;
using testing::SetRows;

std::vector<const TScenePrimitive*> OfKind(const std::vector<TScenePrimitive>& List, TPrimitiveKind Kind) {
  std::vector<const TScenePrimitive*> found;
  for (const TScenePrimitive& p : List)
    if (p.Kind == Kind) found.push_back(&p);
  return found;
}

QVector3D Centre(const TScenePrimitive& P) { return P.Place.map(QVector3D()); }

std::vector<std::string> LabelTexts(const TScene& S) {
  std::vector<std::string> texts;
  for (const TSceneLabel& l : S.Labels) texts.push_back(l.Text.toStdString());
  return texts;
}

struct TExampleScene {
  const char* Example;
  int Piles;
  int Sections;
  bool LayersGiven;
  double SoilDepth;
  double CapCentreZ;
  std::vector<double> Layers;  // thickness of each layer box, top down
  std::vector<std::string> LayerNames;
};

void PrintTo(const TExampleScene& Row, std::ostream* Os) { *Os << Row.Example; }

class ExampleSceneTest : public ::testing::TestWithParam<TExampleScene> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Examples, ExampleSceneTest, ::testing::Values(
  //             example                   piles sect layers soil  cap z   layer boxes                       names
  TExampleScene{"single-pile",             1,    3,   false, 0.3,  0.15,  {4, 4, 4, 1},                     {"Side Pile 1", "Side Pile 2", "Side Pile 3", "Bottom"}},
  TExampleScene{"pile-group",              4,    3,   true,  0.8,  -0.4,  {0.8, 4, 4, 4, 2},                {"Side Cap 1", "Side Pile 1", "Side Pile 2", "Side Pile 3", "Bottom"}},
  TExampleScene{"pile-group-interaction",  9,    3,   false, 0.75, 0.375, {4, 4, 4, 2.5},                   {"Side Pile 1", "Side Pile 2", "Side Pile 3", "Bottom"}},
  TExampleScene{"pile-group-battered",     6,    3,   true,  0.8,  -0.4,  {0.8, 4, 4, 4, 2.25},             {"Side Cap 1", "Side Pile 1", "Side Pile 2", "Side Pile 3", "Bottom"}},
  TExampleScene{"multilayer-column",       0,    0,   true,  2.4,  -1.2,  {1.2, 1.2, 1.2, 1.2, 1.2, 1.5},   {"Side Cap 1", "Side Cap 2", "Side Column 1", "Side Column 2", "Side Column 3", "Bottom"}},
  TExampleScene{"stratum-rectangular",     0,    0,   false, 0.5,  -0.25, {8, 2},                           {"Stratum", "Bottom"}},
  TExampleScene{"half-space-harmonic",     0,    0,   true,  1,    -0.5,  {1, 2.5},                         {"Side Cap 1", "Bottom"}},
  TExampleScene{"half-space-random",       0,    0,   true,  0.8,  -0.4,  {0.8, 1.5},                       {"Side Cap 1", "Bottom"}},
  TExampleScene{"half-space-transient",    0,    0,   true,  0.3,  -0.15, {0.3, 1.5},                       {"Side Cap 1", "Bottom"}}),
  [](const auto& Info) { return testing::ExampleTestName(Info.param.Example); });
// clang-format on

TEST_P(ExampleSceneTest, DrawsCapPilesAndStackedLayers) {
  const TExampleScene& row = GetParam();
  auto v = Example(row.Example);
  TViewOptions options;
  options.ShowSoilLayerLabels = true;
  const TScene scene = BuildScene(v->P(), options);
  const TSceneExtents& x = scene.Extents;

  EXPECT_EQ(x.LayersGiven, row.LayersGiven);
  EXPECT_NEAR(x.SoilDepth, row.SoilDepth, 1e-6);

  // The cap or footing: one solid and its outline, centred at its height.
  ASSERT_EQ(scene.Cap.size(), 2u);
  const TScenePrimitive& cap = scene.Cap[0];
  EXPECT_EQ(cap.Kind, v->P().FootingShape == TFootingShape::Circular ? TPrimitiveKind::SolidCylinder : TPrimitiveKind::SolidBox);
  EXPECT_NEAR(Centre(cap).z(), row.CapCentreZ, 1e-6);
  EXPECT_NEAR(cap.Size.z(), row.SoilDepth, 1e-6);
  EXPECT_EQ(cap.Colour, SceneColours::CapGrey);

  const auto sides = OfKind(scene.Piles, TPrimitiveKind::ShadeCylinder);
  EXPECT_EQ(int(sides.size()), row.Piles * row.Sections);
  // Every pile is closed at its head and its tip.
  EXPECT_EQ(OfKind(scene.Piles, TPrimitiveKind::Disc).size(), size_t(2 * row.Piles));

  // Layer boxes stack from the ground surface down without gaps, each the
  // size of the soil block in plan.
  const auto boxes = OfKind(scene.SoilLayers, TPrimitiveKind::SolidBox);
  ASSERT_EQ(boxes.size(), row.Layers.size());
  double top = 0;
  for (size_t i = 0; i < boxes.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(boxes[i]->Size.z(), row.Layers[i], 1e-5);
    EXPECT_NEAR(Centre(*boxes[i]).z(), top - row.Layers[i] / 2, 1e-5);
    EXPECT_NEAR(boxes[i]->Size.x(), x.BlockXMax - x.BlockXMin, 1e-5);
    EXPECT_NEAR(boxes[i]->Size.y(), x.BlockYMax - x.BlockYMin, 1e-5);
    EXPECT_NEAR(Centre(*boxes[i]).x(), (x.BlockXMax + x.BlockXMin) / 2, 1e-5);
    EXPECT_FLOAT_EQ(boxes[i]->Colour.A, 0.5f);
    top -= row.Layers[i];
  }
  EXPECT_EQ(LabelTexts(scene), row.LayerNames);
  // The scene reaches from the top of the cap (or the ground surface) down
  // to the foot of the soil below; the view is centred on its middle.
  EXPECT_NEAR(x.ZMin, top, 1e-5);
  EXPECT_NEAR(x.ZMax, std::max(0.0, row.CapCentreZ + row.SoilDepth / 2), 1e-6);
  EXPECT_NEAR(x.CentreZ, (x.ZMax + x.ZMin) / 2, 1e-9);
  EXPECT_GE(x.ExtentZ, x.ZMax - x.ZMin - 1e-9);
}

TEST(Scene, BatteredPilesLeanInTheirPlaneFromTheCapBottom) {
  auto v = Example("pile-group-battered");
  const TScene scene = BuildScene(v->P(), TViewOptions());
  const auto sides = OfKind(scene.Piles, TPrimitiveKind::ShadeCylinder);
  ASSERT_EQ(sides.size(), 18u);
  // (x, y, angle, plane) of the deck's six piles; 12 m long under a 0.8 m cap.
  const struct {
    double X, Y, Angle;
    int Plane;
  } piles[] = {{-1.5, -1, -10, 1}, {0, -1, -8, 2}, {1.5, -1, 10, 1},
               {-1.5, 1, -10, 1},  {0, 1, 8, 2},   {1.5, 1, 10, 1}};
  for (int p = 0; p < 6; ++p) {
    SCOPED_TRACE(p);
    const double a = piles[p].Angle * std::numbers::pi / 180;
    const double lean = std::sin(a) * 12, drop = std::cos(a) * 12;
    const QVector3D head = sides[size_t(3 * p)]->Place.map(QVector3D(0, 0, 2));
    const QVector3D tip = sides[size_t(3 * p + 2)]->Place.map(QVector3D(0, 0, -2));
    EXPECT_NEAR(head.x(), piles[p].X, 1e-5);
    EXPECT_NEAR(head.y(), piles[p].Y, 1e-5);
    EXPECT_NEAR(head.z(), -0.8, 1e-5);
    EXPECT_NEAR(tip.x(), piles[p].X + (piles[p].Plane == 1 ? lean : 0), 1e-4);
    EXPECT_NEAR(tip.y(), piles[p].Y + (piles[p].Plane == 2 ? lean : 0), 1e-4);
    EXPECT_NEAR(tip.z(), -0.8 - drop, 1e-4);
  }
}

TEST(Scene, SoilBlockHoldsAStronglyBatteredPile) {
  // A 2 × 2 cap over one pile at its edge, 10 long, leaning 30 degrees
  // outwards in the XZ plane: the tip stands 1 + 10 sin 30° = 6 out.
  auto v = NewProject();
  MakePileProject(v->P(), 2, 2, {{1, 0, 30, 1}}, {{10, 0.25, 0.25}});
  const TScene scene = BuildScene(v->P(), TViewOptions());
  const TSceneExtents& x = scene.Extents;
  const QVector3D tip = OfKind(scene.Piles, TPrimitiveKind::ShadeCylinder)[0]->Place.map(QVector3D(0, 0, -5));
  EXPECT_NEAR(tip.x(), 6, 1e-5);
  EXPECT_NEAR(x.XMax, 6.25, 1e-5);
  EXPECT_NEAR(x.XMin, -1, 1e-9);
  EXPECT_NEAR(x.ZMin, -10 - 1, 1e-6);  // the pile's length and the soil below, half the cap
  // The block reaches half the cap beyond the pile, and every layer box is
  // as wide as the block.
  EXPECT_NEAR(x.BlockXMax, 7.25, 1e-5);
  EXPECT_NEAR(x.BlockXMin, -2, 1e-5);
  for (const TScenePrimitive* b : OfKind(scene.SoilLayers, TPrimitiveKind::SolidBox)) {
    EXPECT_GE(Centre(*b).x() + b->Size.x() / 2, tip.x() + 0.25);
  }
}

struct TFootingLevels {
  const char* Example;
  double FoundationDepth;  // replaces the deck's when not negative
  double SideLayer;        // thickness of one D1 row, when not negative
  double Top, Base;        // levels of the footing, Z up from the ground surface
};

void PrintTo(const TFootingLevels& Row, std::ostream* Os) {
  *Os << Row.Example << " depth " << Row.FoundationDepth << " side " << Row.SideLayer;
}

class FootingLevelsTest : public ::testing::TestWithParam<TFootingLevels> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Footings, FootingLevelsTest, ::testing::Values(
  //              example                 depth side   top    base
  TFootingLevels{"stratum-rectangular",   -1,   -1,    0,     -0.5},   // embedded to its depth
  TFootingLevels{"stratum-rectangular",   0.2,  -1,    0.25,  -0.2},   // 0.45 thick (0.15 of the width)
  TFootingLevels{"stratum-rectangular",   0,    -1,    0.45,  0},      // on the surface
  TFootingLevels{"stratum-rectangular",   -1,   1.5,   0,     -0.5},   // a stratum has no side layers
  TFootingLevels{"half-space-random",     -1,   -1,    0,     -0.8},   // embedded in its side layer
  TFootingLevels{"half-space-random",     -1,   0,     0.3,   0},      // on the surface, 0.15 of the width
  TFootingLevels{"half-space-harmonic",   -1,   0,     0.75,  0}));    // on the surface, 0.3 of the radius
// clang-format on

TEST_P(FootingLevelsTest, FootingReachesDownToItsBase) {
  const TFootingLevels& row = GetParam();
  auto v = Example(row.Example);
  if (row.FoundationDepth >= 0) v->P().FoundationDepth = row.FoundationDepth;
  if (row.SideLayer >= 0) SetRows(v->T().D1, {{row.SideLayer, 160, 17, 0.35, 0.05}});
  const TScene scene = BuildScene(v->P(), TViewOptions());
  EXPECT_NEAR(scene.Extents.CapTop, row.Top, 1e-6);
  EXPECT_NEAR(scene.Extents.CapBase, row.Base, 1e-6);
  const TScenePrimitive& footing = scene.Cap.at(0);
  EXPECT_NEAR(Centre(footing).z(), (row.Top + row.Base) / 2, 1e-6);
  EXPECT_NEAR(footing.Size.z(), row.Top - row.Base, 1e-6);
}

TEST(Scene, RoundPileIsDrawnWithItsOwnRadius) {
  auto v = Example("single-pile");
  const TScene scene = BuildScene(v->P(), TViewOptions());
  for (const TScenePrimitive& p : scene.Piles) {
    EXPECT_FLOAT_EQ(p.Size.x(), 0.3f);
    EXPECT_FLOAT_EQ(p.Size.y(), 0.3f);
  }
}

TEST(Scene, UnbatteredPileIsVerticalWhateverItsPlane) {
  auto v = NewProject();
  MakePileProject(v->P(), 3, 3, {{1, 2, 0, 1}, {-1, 2, 0, 2}}, {{6, 0.25, 0.25}});
  const TScene scene = BuildScene(v->P(), TViewOptions());
  const auto sides = OfKind(scene.Piles, TPrimitiveKind::ShadeCylinder);
  ASSERT_EQ(sides.size(), 2u);
  for (const TScenePrimitive* s : sides) {
    const QVector3D axis = s->Place.mapVector(QVector3D(0, 0, 1));
    EXPECT_NEAR(axis.z(), 1, 1e-6);
  }
}

TEST(Scene, PilesAreDrawnOnlyForAPileFoundation) {
  auto v = Example("multilayer-column");
  v->T().Pilecoord->SetRowCount(3);
  v->T().PileData->SetRowCount(2);
  EXPECT_TRUE(BuildScene(v->P(), TViewOptions()).Piles.empty());
}

TEST(Scene, CapOfNoLayerThicknessStandsOnTheGroundWithNumbersOnTop) {
  auto v = NewProject();
  MakePileProject(v->P(), 4, 2, {{-1, 0}, {1, 0}}, {{5, 0.2, 0.2}});
  TViewOptions options;
  options.ShowPileNumbers = true;
  TScene scene = BuildScene(v->P(), options);
  EXPECT_FALSE(scene.Extents.LayersGiven);
  EXPECT_NEAR(scene.Extents.SoilDepth, 0.15 * 2, 1e-9);
  EXPECT_NEAR(Centre(scene.Cap[0]).z(), 0.15, 1e-6);
  ASSERT_EQ(scene.Labels.size(), 2u);
  EXPECT_EQ(scene.Labels[1].Text, QStringLiteral("2"));
  EXPECT_EQ(scene.Labels[1].Anchor, QVector3D(1, 0, 0.3f));
  EXPECT_EQ(scene.Labels[1].Colour, SceneColours::PileNumber);

  // A circle's default thickness is three tenths of its radius.
  v->P().FootingShape = TFootingShape::Circular;
  v->P().FootingRadius = 2;
  scene = BuildScene(v->P(), options);
  EXPECT_NEAR(scene.Extents.SoilDepth, 0.6, 1e-9);
  EXPECT_EQ(scene.Cap[0].Kind, TPrimitiveKind::SolidCylinder);
}

TEST(Scene, LayerWithoutThicknessLeavesNoGapAndTakesNoColour) {
  auto v = NewProject();
  MakePileProject(v->P(), 4, 4, {{0, 0}}, {{3, 0.2, 0.2}});
  SetRows(v->T().pilecapsoil, {{0.5}, {0}, {0.7}});
  const TScene scene = BuildScene(v->P(), TViewOptions());
  const auto boxes = OfKind(scene.SoilLayers, TPrimitiveKind::SolidBox);
  ASSERT_EQ(boxes.size(), 4u);  // two cap layers, one pile layer, the bottom
  EXPECT_NEAR(Centre(*boxes[1]).z(), -0.5 - 0.35, 1e-6);
  EXPECT_EQ(boxes[0]->Colour, LayerColour(0));
  EXPECT_EQ(boxes[1]->Colour, LayerColour(1));
  EXPECT_EQ(boxes[2]->Colour, LayerColour(2));
}

TEST(Scene, ThirteenthLayerStartsTheColoursAgain) {
  auto v = NewProject();
  MakePileProject(v->P(), 4, 4, {{0, 0}},
                  {{1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2},
                   {1, .2, .2}});
  SetRows(v->T().pilecapsoil, {{0.5}});
  const TScene scene = BuildScene(v->P(), TViewOptions());
  const auto boxes = OfKind(scene.SoilLayers, TPrimitiveKind::SolidBox);
  ASSERT_EQ(boxes.size(), 14u);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(boxes[size_t(i)]->Colour, LayerColour(i)) << i;
  EXPECT_EQ(boxes[12]->Colour, LayerColour(0));
  EXPECT_EQ(boxes[13]->Colour, LayerColour(4));  // the soil below
  EXPECT_EQ(LayerColour(12), LayerColour(0));
  EXPECT_EQ(LayerColour(-1), LayerColour(0));
}

TEST(Scene, MultilayerWithAShortElementTableDrawsTheLayersItHas) {
  auto v = Example("multilayer-column");
  v->T().MultiElement->SetRowCount(3);
  TScene scene;
  ASSERT_NO_THROW(scene = BuildScene(v->P(), TViewOptions()));
  EXPECT_EQ(OfKind(scene.SoilLayers, TPrimitiveKind::SolidBox).size(), 4u);  // three and the bottom

  // A side-soil table longer than the element table sums what there is.
  v->T().MultiElement->SetRowCount(1);
  EXPECT_NEAR(GetMaxDims(v->P()).SoilDepth, 1.2, 1e-6);
}

TEST(Scene, DepthLabelsGiveEachLayerTopAndTheBottom) {
  auto v = Example("pile-group-battered");
  TViewOptions options;
  options.ShowSoilLayerDepthLabels = true;
  const TScene scene = BuildScene(v->P(), options);
  EXPECT_EQ(LabelTexts(scene),
            (std::vector<std::string>{"0.000E+00", "0.800", "4.800", "8.800", "12.800", "Bottom"}));
  // Depth labels stand at the block's left, at each layer's top.
  const TSceneExtents& x = scene.Extents;
  EXPECT_EQ(scene.Labels[1].Anchor, QVector3D(float(x.BlockXMin), float(x.BlockYMin), -0.8f));
  EXPECT_EQ(scene.Labels[1].Place, TLabelPlace::BlockLeft);
  EXPECT_NEAR(scene.Labels.back().Anchor.z(), -(12.8 + 2.25), 1e-5);
}

struct TLabelView {
  const char* Example;
  int View;  // preset
};

void PrintTo(const TLabelView& Row, std::ostream* Os) { *Os << Row.Example << " view " << Row.View; }

class LabelPlaceTest : public ::testing::TestWithParam<TLabelView> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, LabelPlaceTest, ::testing::Values(
  TLabelView{"half-space-random",   1},
  TLabelView{"half-space-random",   2},
  TLabelView{"half-space-random",   4},
  TLabelView{"pile-group-battered", 4},
  TLabelView{"multilayer-column",   4}));
// clang-format on

TEST_P(LabelPlaceTest, LayerTextsStandOffTheBlocksOutermostEdgeAtTheirLevel) {
  auto v = Example(GetParam().Example);
  TViewOptions options;
  options.ShowSoilLayerLabels = options.ShowSoilLayerDepthLabels = true;
  const TScene scene = BuildScene(v->P(), options);
  const TSceneExtents& x = scene.Extents;
  TViewCamera camera;
  camera.SetupProjection(800, 600, x);
  camera.SetView(GetParam().View);
  const QMatrix4x4 view = camera.FrameModelView();
  // Every corner of the block and of the footing, across the window.
  double left = 1e30, right = -1e30, footingRight = -1e30;
  for (double cx : {x.BlockXMin, x.BlockXMax})
    for (double cy : {x.BlockYMin, x.BlockYMax})
      for (double cz : {x.ZMin, x.ZMax}) {
        const double across = view.map(QVector3D(float(cx), float(cy), float(cz))).x();
        left = std::min(left, across);
        right = std::max(right, across);
      }
  for (double cx : {x.XMin, x.XMax})
    for (double cy : {x.YMin, x.YMax})
      footingRight = std::max(footingRight, double(view.map(QVector3D(float(cx), float(cy), 0)).x()));
  ASSERT_FALSE(scene.Labels.empty());
  for (const TSceneLabel& l : scene.Labels) {
    SCOPED_TRACE(l.Text.toStdString());
    const QVector3D at = LabelAnchor(l, x, view);
    EXPECT_FLOAT_EQ(at.z(), l.Anchor.z());
    const double across = view.map(at).x();
    if (l.Place == TLabelPlace::BlockRight) {
      EXPECT_NEAR(across, right, 0.5);
      EXPECT_GT(across, footingRight);  // the names never land on the footing
    } else {
      EXPECT_NEAR(across, left, 0.5);
    }
  }
}

TEST(Scene, OptionsLeaveOutWhatIsHidden) {
  auto v = Example("pile-group");
  TViewOptions options;
  options.ShowPileCap = options.ShowAllPiles = options.ShowSoilLayers = false;
  const TScene scene = BuildScene(v->P(), options);
  EXPECT_TRUE(scene.Cap.empty());
  EXPECT_TRUE(scene.Piles.empty());
  EXPECT_TRUE(scene.SoilLayers.empty());
  EXPECT_TRUE(scene.Loading.empty());
}

struct TValueLabel {
  double Value;
  const char* Text;
};

class ValueLabelTest : public ::testing::TestWithParam<TValueLabel> {};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Depths, ValueLabelTest, ::testing::Values(
  TValueLabel{0,          "0.000E+00"},
  TValueLabel{0.001,      "1.000E-03"},
  TValueLabel{0.0011,     "0.001"},
  TValueLabel{-12.8,      "-12.800"},
  TValueLabel{99999.5,    "99999.500"},
  TValueLabel{100000,     "1.000E+05"},
  TValueLabel{-123456.7,  "-1.235E+05"}));
// clang-format on

TEST_P(ValueLabelTest, UsesExponentFormOnlyForTinyAndHugeValues) {
  EXPECT_EQ(GetValueLabel(GetParam().Value).toStdString(), GetParam().Text);
}

TEST(Axes, AreLengthLongAndLabelledAtTheirEnds) {
  std::vector<TScenePrimitive> lines;
  std::vector<TSceneLabel> labels;
  AxesPrimitives(2.5, lines, labels);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[2].Size, QVector3D(0, 0, -2.5f));  // Z points down into the soil
  EXPECT_EQ(lines[0].Colour, SceneColours::AxisX);
  ASSERT_EQ(labels.size(), 3u);
  EXPECT_EQ(labels[1].Text, QStringLiteral("Y"));
  EXPECT_EQ(labels[1].Anchor, QVector3D(0, 2.5f, 0));
}


struct TTextView {
  const char* Example;
  int Preset;  // 1 front, 2 side, 3 top, 4 oblique
  int W, H;
  int PileNumbers;  // shown, at the least
};

void PrintTo(const TTextView& Row, std::ostream* Os) { *Os << Row.Example << " view " << Row.Preset; }

class ViewTextTest : public ::testing::TestWithParam<TTextView> {};

// Every label the menu offers, in each preset view, at the sizes a view
// opens with and maximised: the front view of a 3 × 2 group shows the
// numbers of its front row, whose piles hide the others; the top view shows
// one depth and one layer name where all layers stand on one spot; the
// side view one number of each row along X.
// clang-format off
INSTANTIATE_TEST_SUITE_P(Views, ViewTextTest, ::testing::Values(
  //        example                   view W     H    numbers
  TTextView{"pile-group-battered",    1,   560,  420, 3},
  TTextView{"pile-group-battered",    2,   560,  420, 2},
  TTextView{"pile-group-battered",    3,   560,  420, 6},
  TTextView{"pile-group-battered",    4,   560,  420, 6},
  TTextView{"pile-group-battered",    1,   1024, 700, 3},
  TTextView{"pile-group-interaction", 1,   560,  420, 3},
  TTextView{"pile-group-interaction", 3,   1024, 700, 9},
  TTextView{"pile-group",             4,   560,  420, 4},
  TTextView{"half-space-random",      3,   560,  420, 0},
  TTextView{"multilayer-column",      1,   560,  420, 0}),
  [](const auto& Info) {
    return testing::ExampleTestName(Info.param.Example) + "_" + std::to_string(Info.param.Preset) + "_" +
           std::to_string(Info.param.W);
  });
// clang-format on

TEST_P(ViewTextTest, NoTextLiesOverAnother) {
  const TTextView& row = GetParam();
  auto v = Example(row.Example);
  TViewOptions o;
  o.ShowPileNumbers = o.ShowSoilLayerLabels = o.ShowSoilLayerDepthLabels = true;
  const TScene scene = BuildScene(v->P(), o);
  const QFont font;
  const QFontMetricsF metrics(font);
  constexpr double Gap = 6;
  // The room the view leaves for the texts beside the block.
  double room = 0;
  for (const TSceneLabel& l : scene.Labels)
    if (l.Place != TLabelPlace::AtAnchor) room = std::max(room, metrics.horizontalAdvance(l.Text) + Gap);
  TViewCamera camera;
  camera.SetView(row.Preset);
  camera.SetupProjection(row.W, row.H, scene.Extents, room);
  camera.CentreOn(scene.Extents);
  const QMatrix4x4 modelView = camera.FrameModelView();
  std::vector<TScenePrimitive> axes;
  std::vector<TSceneLabel> labels;
  AxesPrimitives(80 / (camera.Zoom * camera.FitScale), axes, labels);
  const std::vector<TViewText> texts =
      ViewTexts(labels, scene.Labels, scene.Extents, modelView, camera.Projection(), row.W, row.H, Gap, metrics);
  std::vector<std::string> shown;
  for (size_t i = 0; i < texts.size(); ++i) {
    shown.push_back(texts[i].Text.toStdString());
    for (size_t j = 0; j < i; ++j) {
      EXPECT_FALSE(texts[i].Spot.Box.intersects(texts[j].Spot.Box))
          << texts[i].Text.toStdString() << " over " << texts[j].Text.toStdString();
    }
  }
  // The axes keep their names; numbers as many as the view can show apart.
  for (const char* axis : {"X", "Y", "Z"}) {
    EXPECT_NE(std::find(shown.begin(), shown.end(), axis), shown.end()) << axis;
  }
  const auto numbers = std::count_if(shown.begin(), shown.end(), [](const std::string& T) {
    return !T.empty() && std::all_of(T.begin(), T.end(), [](char C) { return C >= '0' && C <= '9'; });
  });
  EXPECT_GE(numbers, row.PileNumbers);
  // A view along the layers shows each layer's name; one across them, one.
  const auto names = std::count_if(shown.begin(), shown.end(), [](const std::string& T) {
    return T.rfind("Side ", 0) == 0 || T == "Stratum";
  });
  if (row.Preset == 3) {
    EXPECT_EQ(names, 1);
  } else if (row.Preset != 4) {
    EXPECT_GE(names, 2);
  }
}

}  // namespace
}  // namespace zavik
