#include "views/SceneGeometry.h"

#include "core/FoundationSystem.h"
#include "core/ProgramData.h"
#include "controls/NumberFormat.h"
#include "views/ProjectCells.h"

#include <QFontMetricsF>

#include <algorithm>
#include <array>
#include <cmath>

namespace zavik {

TRgba LayerColour(int Index, float Alpha) {
  static constexpr std::array<std::array<float, 3>, 12> Table{{
      {0, 0.5f, 0.5f},
      {0.8f, 0.55f, 0},
      {0.55f, 0.4f, 0.2f},
      {0.4f, 0.4f, 0.2f},
      {0.4f, 0.4f, 0.55f},
      {0, 0.5f, 0.5f},
      {0.2f, 0.2f, 0.55f},
      {0.8f, 0, 0.8f},
      {0.4f, 0.4f, 0.55f},
      {0.15f, 0.15f, 0.45f},
      {0.65f, 0.4f, 0.2f},
      {0.4f, 0.5f, 0.55f},
  }};
  const auto& c = Table[Index >= 0 && Index < int(Table.size()) ? Index : 0];
  return {c[0], c[1], c[2], Alpha};
}

namespace {

// Below this a summed layer thickness counts as no layers at all.
constexpr double NoThickness = 0.00001;
// Default cap thickness, as a share of the radius or of the width, when no
// layer gives one.
constexpr double DefaultCircleCap = 0.3;
constexpr double DefaultRectangleCap = 0.15;

// Thickness of the layers that surround the cap or footing, from the table the
// foundation uses for them. A stratum's deck has no such layers: its footing
// is embedded to the depth of its base.
double SideSoilThickness(const TProgramData& P, const TFoundationSystem& S) {
  const TProjectTables& T = P.Tables();
  if (!S.SideLayersInDeck) return 0;
  // The side column's layers are the first rows of the element table, one per
  // row of the side-soil table; a short element table ends the sum.
  if (S.SideLayersFromElements) return ColumnSum(T.MultiElement, TMultiElementColumn::Length, T.D->RowCount());
  return ColumnSum(T.*S.SideLayers, TLayerColumn::Thickness);
}

// Placement of a pile: its head at (X, Y, HeadZ), its axis running down -Z,
// turned by its batter in its plane (about Y in the XZ plane, about X in the
// YZ plane).
QMatrix4x4 PilePlacement(const TPileCoordinate& Pile, double HeadZ) {
  QMatrix4x4 m;
  m.translate(float(Pile.X), float(Pile.Y), float(HeadZ));
  if (Pile.BatterAngle != 0) {
    if (Pile.BatterPlane == BatterPlaneXZ) m.rotate(float(-Pile.BatterAngle), 0, 1, 0);
    if (Pile.BatterPlane == BatterPlaneYZ) m.rotate(float(Pile.BatterAngle), 1, 0, 0);
  }
  return m;
}

// The piles of a pile foundation and their sections, read once for the
// scene; none for the other foundations.
struct TPileGroup {
  std::vector<TPileCoordinate> Piles;
  std::vector<TPileSection> Sections;
  double Length = 0;
  double Radius = 0;  // the largest of the sections
};

TPileGroup ReadPileGroup(const TProgramData& P, const TFoundationSystem& S) {
  TPileGroup g;
  if (!S.PileGroup) return g;
  const TProjectTables& T = P.Tables();
  for (int s = 0; s < T.PileData->RowCount(); ++s) {
    g.Sections.push_back(PileSection(T, s));
    g.Length += g.Sections.back().Length;
    g.Radius = std::max({g.Radius, g.Sections.back().RadiusX, g.Sections.back().RadiusY});
  }
  for (int p = 0; p < T.Pilecoord->RowCount(); ++p) g.Piles.push_back(PileCoordinate(T, p));
  return g;
}

// Colours of the layer table, after which they start again.
constexpr int LayerColours = 12;

// One box of the soil block.
struct TLayerBox {
  int Group = 0, Row = 0;
  double Top = 0, Bottom = 0;
  TRgba Colour;
};

// Thickness of a row of a layer group.
double LayerThickness(const TProgramData& P, const TLayerGroup& Group, double PlanHalfSize, int Row,
                      int ElementRow) {
  const TProjectTables& T = P.Tables();
  switch (Group.Thickness) {
    case TLayerThickness::Rows: return Cell(T.*Group.Rows, TLayerColumn::Thickness, Row);
    case TLayerThickness::Elements: {
      const TGridTable* elements = T.*P.System().Elements;
      if (ElementRow >= elements->RowCount()) return 0;
      return Cell(elements, TLayerColumn::Thickness, ElementRow);
    }
    case TLayerThickness::BedrockDepth: return double(P.BedrockDepth);
    case TLayerThickness::PlanHalfSize: break;
  }
  return PlanHalfSize;
}

// The boxes of the soil block from the ground surface down, without gaps. A
// row without thickness leaves none and takes no colour: the next layer
// takes the colour it would have had.
std::vector<TLayerBox> LayerStack(const TProgramData& P, const TFoundationSystem& S, double PlanHalfSize) {
  const TProjectTables& T = P.Tables();
  std::vector<TLayerBox> boxes;
  double top = 0;
  int colour = 0;
  int elementRow = 0;
  for (int g = 0; g < LayerGroupCount; ++g) {
    const TLayerGroup& group = S.SceneLayers[g];
    const int rows = group.Rows ? (T.*group.Rows)->RowCount() : group.Count;
    for (int r = 0; r < rows; ++r) {
      const int element = elementRow++;
      if (colour >= LayerColours) colour = 0;
      const double t = LayerThickness(P, group, PlanHalfSize, r, element);
      if (t == 0) continue;
      const TRgba rgba = g == LayerGroupCount - 1 ? LayerColour(colour == 5 ? 5 : 4) : LayerColour(colour);
      boxes.push_back({g, r, top, top - t, rgba});
      top -= t;
      ++colour;
    }
  }
  return boxes;
}

// Model placement built the way the picture is described: translations and
// turns applied to the current axes, saved and restored around each part.
class TPlacement {
public:
  void Translate(double X, double Y, double Z) { FTop.translate(float(X), float(Y), float(Z)); }
  void Rotate(double Degrees, double X, double Y, double Z) {
    FTop.rotate(float(Degrees), float(X), float(Y), float(Z));
  }
  void Apply(const QMatrix4x4& Placement) { FTop *= Placement; }
  void Push() { FStack.push_back(FTop); }
  void Pop() {
    FTop = FStack.back();
    FStack.pop_back();
  }
  const QMatrix4x4& Top() const { return FTop; }

private:
  QMatrix4x4 FTop;
  std::vector<QMatrix4x4> FStack;
};

class TSceneBuilder {
public:
  TSceneBuilder(const TProgramData& P, const TViewOptions& O, const TPileGroup& Group, TScene& Scene)
      : FP(P), FO(O), FSystem(P.System()), FGroup(Group), FScene(Scene), FX(Scene.Extents) {}

  void DrawPileCap();
  void DrawAllPiles();
  void DrawSoilLayers();

private:
  void Add(std::vector<TScenePrimitive>& List, TPrimitiveKind Kind, QVector3D Size, TRgba Colour) {
    List.push_back({Kind, FPlace.Top(), Size, Colour});
  }
  void Label(const QString& Text, double X, double Y, double Z, TRgba Colour,
             TLabelPlace Place = TLabelPlace::AtAnchor) {
    FScene.Labels.push_back(
        {Text, FPlace.Top().map(QVector3D(float(X), float(Y), float(Z))), Colour, Place});
  }
  QString LayerName(int Group, int Row) const;

  const TProgramData& FP;
  const TViewOptions& FO;
  const TFoundationSystem& FSystem;
  const TPileGroup& FGroup;
  TScene& FScene;
  const TSceneExtents& FX;
  TPlacement FPlace;
};

void TSceneBuilder::DrawPileCap() {
  if (!FO.ShowPileCap) return;
  const double h = FX.CapTop - FX.CapBase;
  FPlace.Push();
  FPlace.Translate(0, 0, (FX.CapTop + FX.CapBase) / 2);
  if (FP.FootingShape == TFootingShape::Circular) {
    const auto r = float(FP.FootingRadius);
    Add(FScene.Cap, TPrimitiveKind::SolidCylinder, {r, r, float(h)}, SceneColours::CapGrey);
    Add(FScene.Cap, TPrimitiveKind::CylinderOutline, {r, r, float(h)}, SceneColours::Edge);
  } else {
    const QVector3D size(float(FP.FootingLength), float(FP.FootingWidth), float(h));
    Add(FScene.Cap, TPrimitiveKind::SolidBox, size, SceneColours::CapGrey);
    Add(FScene.Cap, TPrimitiveKind::BoxOutline, size, SceneColours::Edge);
  }
  FPlace.Pop();
}

void TSceneBuilder::DrawAllPiles() {
  if (!FO.ShowAllPiles || !FSystem.PileGroup) return;
  const int sections = int(FGroup.Sections.size());
  for (const TPileCoordinate& pile : FGroup.Piles) {
    FPlace.Push();
    // Pile heads hang from the bottom of the cap.
    FPlace.Apply(PilePlacement(pile, FX.CapBase));
    double top = 0;
    for (int s = 0; s < sections; ++s) {
      const TPileSection& section = FGroup.Sections[size_t(s)];
      const auto l = float(section.Length);
      const QVector3D radii(float(section.RadiusX), float(section.RadiusY), 0);
      FPlace.Push();
      FPlace.Translate(0, 0, top - section.Length / 2);
      Add(FScene.Piles, TPrimitiveKind::ShadeCylinder, radii + QVector3D(0, 0, l), SceneColours::PileGrey);
      // The head and the tip are closed by a disc with an orange rim.
      if (s == 0) {
        FPlace.Push();
        FPlace.Translate(0, 0, l / 2);
        Add(FScene.Piles, TPrimitiveKind::Disc, radii, SceneColours::PileGrey);
        Add(FScene.Piles, TPrimitiveKind::Circle, radii, SceneColours::Edge);
        FPlace.Pop();
      }
      if (s == sections - 1) {
        FPlace.Push();
        FPlace.Translate(0, 0, -l / 2);
        FPlace.Rotate(180, 1, 0, 0);
        Add(FScene.Piles, TPrimitiveKind::Disc, radii, SceneColours::PileGrey);
        Add(FScene.Piles, TPrimitiveKind::Circle, radii, SceneColours::Edge);
        FPlace.Pop();
      }
      FPlace.Pop();
      top -= section.Length;
    }
    FPlace.Pop();
  }

  if (FO.ShowPileNumbers) {
    // Numbers stand on the ground surface, or on top of a default cap.
    const double z = FX.LayersGiven ? 0 : FX.SoilDepth;
    int number = 0;
    for (const TPileCoordinate& pile : FGroup.Piles)
      Label(QString::number(++number), pile.X, pile.Y, z, SceneColours::PileNumber);
  }
}

QString TSceneBuilder::LayerName(int Group, int Row) const {
  const TLayerGroup& group = FSystem.SceneLayers[Group];
  const QString name = QString::fromLatin1(group.Name);
  return group.Numbered ? name + QString::number(Row + 1) : name;
}

void TSceneBuilder::DrawSoilLayers() {
  if (!FO.ShowSoilLayers) return;
  const std::vector<TLayerBox> boxes = LayerStack(FP, FSystem, FX.PlanHalfSize);
  const double cx = (FX.BlockXMin + FX.BlockXMax) / 2, cy = (FX.BlockYMin + FX.BlockYMax) / 2;
  const double sx = FX.BlockXMax - FX.BlockXMin, sy = FX.BlockYMax - FX.BlockYMin;
  // Depths stand at the block's left, names at its right.
  const auto depthLabel = [&](const QString& Text, double Z) {
    Label(Text, FX.BlockXMin, FX.BlockYMin, Z, SceneColours::LayerText, TLabelPlace::BlockLeft);
  };
  for (const TLayerBox& b : boxes) {
    FPlace.Push();
    FPlace.Translate(cx, cy, (b.Top + b.Bottom) / 2);
    const QVector3D size(float(sx), float(sy), float(b.Top - b.Bottom));
    Add(FScene.SoilLayers, TPrimitiveKind::BoxOutline, size, b.Colour);
    Add(FScene.SoilLayers, TPrimitiveKind::SolidBox, size, b.Colour);
    FPlace.Pop();
    if (FO.ShowSoilLayerDepthLabels) depthLabel(GetValueLabel(-b.Top), b.Top);
    if (FO.ShowSoilLayerLabels) {
      Label(LayerName(b.Group, b.Row), FX.BlockXMax, FX.BlockYMax, (b.Top + b.Bottom) / 2, SceneColours::LayerText,
            TLabelPlace::BlockRight);
    }
  }
  if (FO.ShowSoilLayerDepthLabels) depthLabel(QStringLiteral("Bottom"), boxes.empty() ? 0 : boxes.back().Bottom);
}

TSceneExtents MaxDims(const TProgramData& P, const TFoundationSystem& system, const TPileGroup& Group) {
  TSceneExtents x;
  x.SoilDepth = SideSoilThickness(P, system);
  x.LayersGiven = x.SoilDepth >= NoThickness;
  if (P.FootingShape == TFootingShape::Circular) {
    const auto r = double(P.FootingRadius);
    x.XMax = x.YMax = r;
    x.XMin = x.YMin = -r;
    if (!x.LayersGiven) x.SoilDepth = DefaultCircleCap * r;
    x.PlanHalfSize = r;
  } else {
    x.XMax = double(P.FootingLength) / 2;
    x.YMax = double(P.FootingWidth) / 2;
    x.XMin = -x.XMax;
    x.YMin = -x.YMax;
    if (!x.LayersGiven) x.SoilDepth = DefaultRectangleCap * double(P.FootingWidth);
    x.PlanHalfSize = std::max(x.XMax, x.YMax);
  }
  // The block reaches half the cap's size beyond the cap and the piles.
  const double marginX = (x.XMax - x.XMin) / 2, marginY = (x.YMax - x.YMin) / 2;

  // An embedded cap or footing reaches from the ground surface down to its
  // base; one of the default thickness stands on the ground. A stratum's
  // footing has its base at the foundation depth, and is at least the
  // default thickness.
  if (system.StratumDepths) {
    const double depth = std::max(double(P.FoundationDepth), 0.0);
    x.SoilDepth = std::max(x.SoilDepth, depth);
    x.CapBase = -depth;
    x.CapTop = x.CapBase + x.SoilDepth;
  } else if (x.LayersGiven) {
    x.CapTop = 0;
    x.CapBase = -x.SoilDepth;
  } else {
    x.CapTop = x.SoilDepth;
    x.CapBase = 0;
  }
  x.ZMax = std::max(0.0, x.CapTop);
  x.ZMin = std::min(0.0, x.CapBase);

  // The piles from their heads under the cap to their tips, battered ones
  // leaning out of the cap's plan.
  const double r = Group.Radius;
  for (const TPileCoordinate& pile : Group.Piles) {
    const QMatrix4x4 place = PilePlacement(pile, x.CapBase);
    for (const QVector3D end : {place.map(QVector3D()), place.map(QVector3D(0, 0, float(-Group.Length)))}) {
      x.XMin = std::min(x.XMin, end.x() - r);
      x.XMax = std::max(x.XMax, end.x() + r);
      x.YMin = std::min(x.YMin, end.y() - r);
      x.YMax = std::max(x.YMax, end.y() + r);
      x.ZMin = std::min(x.ZMin, end.z() - r);
    }
  }
  // The soil block, so that the first picture shows every layer and the soil
  // below.
  const std::vector<TLayerBox> layers = LayerStack(P, system, x.PlanHalfSize);
  if (!layers.empty()) x.ZMin = std::min(x.ZMin, layers.back().Bottom);

  x.ExtentX = x.XMax - x.XMin;
  x.ExtentY = x.YMax - x.YMin;
  x.ExtentZ = std::abs(x.ZMax - x.ZMin);
  for (double bound : {x.XMax, x.XMin, x.YMax, x.YMin, x.ZMax, x.ZMin})
    x.ExtentZ = std::max(x.ExtentZ, std::abs(bound));
  x.ExtentXY = std::max(x.ExtentX, x.ExtentY);
  x.CentreX = (x.XMax + x.XMin) / 2;
  x.CentreY = (x.YMax + x.YMin) / 2;
  x.CentreZ = (x.ZMax + x.ZMin) / 2;
  x.BlockXMin = x.XMin - marginX;
  x.BlockXMax = x.XMax + marginX;
  x.BlockYMin = x.YMin - marginY;
  x.BlockYMax = x.YMax + marginY;
  return x;
}

}  // namespace

TSceneExtents GetMaxDims(const TProgramData& P) {
  const TFoundationSystem& system = P.System();
  return MaxDims(P, system, ReadPileGroup(P, system));
}

TScene BuildScene(const TProgramData& Project, const TViewOptions& Options) {
  const TFoundationSystem& system = Project.System();
  const TPileGroup group = ReadPileGroup(Project, system);
  TScene scene;
  scene.Extents = MaxDims(Project, system, group);
  TSceneBuilder builder(Project, Options, group, scene);
  builder.DrawPileCap();
  builder.DrawAllPiles();
  builder.DrawSoilLayers();
  return scene;
}

void AxesPrimitives(double Length, std::vector<TScenePrimitive>& Lines, std::vector<TSceneLabel>& Labels) {
  const auto l = float(Length);
  const struct {
    QVector3D End;
    TRgba Colour;
    const char* Name;
  } axes[] = {
      {{l, 0, 0}, SceneColours::AxisX, "X"},
      {{0, l, 0}, SceneColours::AxisY, "Y"},
      {{0, 0, -l}, SceneColours::AxisZ, "Z"},
  };
  for (const auto& a : axes) {
    Lines.push_back({TPrimitiveKind::Line, QMatrix4x4(), a.End, a.Colour});
    Labels.push_back({QString::fromLatin1(a.Name), a.End, a.Colour});
  }
}

QVector3D LabelAnchor(const TSceneLabel& Label, const TSceneExtents& X, const QMatrix4x4& ModelView) {
  if (Label.Place == TLabelPlace::AtAnchor) return Label.Anchor;
  // Corners closer across than this (in the model-view's units, pixels) are
  // equally far.
  constexpr float Tie = 0.5f;
  const float sign = Label.Place == TLabelPlace::BlockRight ? 1 : -1;
  QVector3D best;
  float bestAcross = 0, bestNear = 0;
  bool first = true;
  for (double cx : {X.BlockXMin, X.BlockXMax}) {
    for (double cy : {X.BlockYMin, X.BlockYMax}) {
      const QVector3D corner(float(cx), float(cy), Label.Anchor.z());
      const QVector3D eye = ModelView.map(corner);
      const float across = sign * eye.x();
      if (first || across > bestAcross + Tie || (across > bestAcross - Tie && eye.z() > bestNear)) {
        best = corner;
        bestAcross = across;
        bestNear = eye.z();
        first = false;
      }
    }
  }
  return best;
}

TTextSpot TextSpot(const TWindowText& Text, const QFontMetricsF& Metrics) {
  QPointF at = Text.At;
  const double width = Metrics.horizontalAdvance(Text.Text);
  if (Text.Side & (Qt::AlignLeft | Qt::AlignRight)) {
    at.ry() += (Metrics.ascent() - Metrics.descent()) / 2;
    at.rx() += Text.Side & Qt::AlignRight ? -Text.Gap - width : Text.Gap;
  }
  return {at, QRectF(at.x(), at.y() - Metrics.ascent(), width, Metrics.height())};
}

std::vector<std::optional<TTextSpot>> ArrangeTexts(const std::vector<TWindowText>& Texts,
                                                   const QFontMetricsF& Metrics) {
  // Points closer than this, in pixels, coincide.
  constexpr double Coincide = 2;
  std::vector<std::optional<TTextSpot>> spots;
  std::vector<const TWindowText*> placed;
  std::vector<QRectF> boxes;
  for (const TWindowText& t : Texts) {
    std::optional<TTextSpot> kept;
    const bool coincides = std::any_of(placed.begin(), placed.end(), [&](const TWindowText* P) {
      return P->Family == t.Family && std::abs(P->At.x() - t.At.x()) < Coincide &&
             std::abs(P->At.y() - t.At.y()) < Coincide;
    });
    if (!coincides) {
      const TTextSpot spot = TextSpot(t, Metrics);
      const double w = spot.Box.width() + Coincide, h = spot.Box.height();
      std::vector<QPointF> moves{{0, 0}};
      if (!(t.Side & (Qt::AlignLeft | Qt::AlignRight))) moves.insert(moves.end(), {{0, -h}, {0, h}, {w, 0}, {-w, 0}});
      for (const QPointF& m : moves) {
        const QRectF box = spot.Box.translated(m);
        if (std::none_of(boxes.begin(), boxes.end(), [&](const QRectF& B) { return B.intersects(box); })) {
          kept = TTextSpot{spot.BaseLine + m, box};
          break;
        }
      }
    }
    if (kept) {
      placed.push_back(&t);
      boxes.push_back(kept->Box);
    }
    spots.push_back(kept);
  }
  return spots;
}

QString GetValueLabel(double Value) {
  const double magnitude = std::abs(Value);
  return magnitude <= 0.001 || magnitude >= 100000 ? FloatToStrExponent(Value, 4, 2) : FloatToStrFixed(Value, 10, 3);
}

}  // namespace zavik
