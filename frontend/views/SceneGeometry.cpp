#include "views/SceneGeometry.h"

#include "app/FoundationSystem.h"
#include "app/ProgramData.h"
#include "controls/NumberFormat.h"
#include "views/ProjectCells.h"

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
// foundation uses for them.
double SideSoilThickness(const TProgramData& P, const TFoundationSystem& S) {
  const TProjectTables& T = P.Tables();
  if (S.Pile) return ColumnSum(T.pilecapsoil, 0);
  // The side column's layers are the first rows of the element table, one per
  // row of the side-soil table; a short element table ends the sum.
  if (S.Multi) return ColumnSum(T.MultiElement, 0, T.D->RowCount());
  if (S.Stratum || S.Half) return ColumnSum(T.D1, 0);
  return 0;
}

// Model placement built the way the picture is described: translations and
// turns applied to the current axes, saved and restored around each part.
class TPlacement {
public:
  void Translate(double X, double Y, double Z) { FTop.translate(float(X), float(Y), float(Z)); }
  void Rotate(double Degrees, double X, double Y, double Z) {
    FTop.rotate(float(Degrees), float(X), float(Y), float(Z));
  }
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
  TSceneBuilder(const TProgramData& P, const TViewOptions& O, TScene& Scene)
      : FP(P), FO(O), FSystem(P.FoundationType), FScene(Scene), FX(Scene.Extents) {}

  void DrawPileCap();
  void DrawAllPiles();
  void DrawSoilLayers();

private:
  void Add(std::vector<TScenePrimitive>& List, TPrimitiveKind Kind, QVector3D Size, TRgba Colour) {
    List.push_back({Kind, FPlace.Top(), Size, Colour});
  }
  void Label(const QString& Text, double X, double Y, double Z, TRgba Colour) {
    FScene.Labels.push_back({Text, FPlace.Top().map(QVector3D(float(X), float(Y), float(Z))), Colour});
  }
  double LayerThickness(int Group, int Row, int ElementRow) const;
  QString LayerName(int Group, int Row) const;

  const TProgramData& FP;
  const TViewOptions& FO;
  TFoundationSystem FSystem;
  TScene& FScene;
  const TSceneExtents& FX;
  TPlacement FPlace;
};

void TSceneBuilder::DrawPileCap() {
  if (!FO.ShowPileCap) return;
  const double h = FX.SoilDepth;
  double z = FX.LayersGiven ? -h / 2 : h / 2;
  if (FSystem.Stratum && FP.FoundationDepth > 0) z -= double(FP.FoundationDepth);
  FPlace.Push();
  FPlace.Translate(0, 0, z);
  if (FP.FootingShape != 0) {
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
  if (!FO.ShowAllPiles || !FSystem.Pile) return;
  const TProjectTables& T = FP.Tables();
  const int piles = T.Pilecoord->RowCount();
  const int sections = T.PileData->RowCount();
  FPlace.Push();
  // Pile heads hang from the bottom of the cap.
  if (FX.LayersGiven) FPlace.Translate(0, 0, -FX.SoilDepth);
  for (int p = 0; p < piles; ++p) {
    const TPileCoordinate pile = PileCoordinate(T, p);
    FPlace.Push();
    FPlace.Translate(pile.X, pile.Y, 0);
    if (pile.BatterAngle != 0) {
      if (pile.BatterPlane == BatterPlaneXZ) FPlace.Rotate(-pile.BatterAngle, 0, 1, 0);
      if (pile.BatterPlane == BatterPlaneYZ) FPlace.Rotate(pile.BatterAngle, 1, 0, 0);
    }
    double top = 0;
    for (int s = 0; s < sections; ++s) {
      const TPileSection section = PileSection(T, s);
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
  FPlace.Pop();

  if (FO.ShowPileNumbers) {
    // Numbers stand on the ground surface, or on top of a default cap.
    const double z = FX.LayersGiven ? 0 : FX.SoilDepth;
    for (int p = 0; p < piles; ++p) {
      const TPileCoordinate pile = PileCoordinate(T, p);
      Label(QString::number(p + 1), pile.X, pile.Y, z, SceneColours::PileNumber);
    }
  }
}

// The layer groups of each foundation: the side soil of the cap or footing,
// the soil along the piles or the column, and the soil below.
constexpr int LayerGroups = 3;

double TSceneBuilder::LayerThickness(int Group, int Row, int ElementRow) const {
  const TProjectTables& T = FP.Tables();
  if (FSystem.Pile && Group == 0) return Cell(T.pilecapsoil, 0, Row);
  if (FSystem.Pile && Group == 1) return Cell(T.PileData, 0, Row);
  if (FSystem.Half && Group == 0) return Cell(T.D1, 0, Row);
  if (FSystem.Stratum && Group == 1) return double(FP.BedrockDepth);
  if (FSystem.Multi && Group < 2) {
    // The element table holds the side column's rows first, then the soil
    // column's; rows it does not have draw nothing.
    if (ElementRow >= T.MultiElement->RowCount()) return 0;
    return Cell(T.MultiElement, 0, ElementRow);
  }
  return FX.PlanHalfSize;
}

QString TSceneBuilder::LayerName(int Group, int Row) const {
  const QString number = QString::number(Row + 1);
  if (Group == 0) return QStringLiteral("Side Cap ") + number;
  if (Group == 1) {
    if (FSystem.Stratum) return QStringLiteral("Stratum");
    if (FSystem.Multi) return QStringLiteral("Side Column ") + number;
    return QStringLiteral("Side Pile ") + number;
  }
  return QStringLiteral("Bottom");
}

void TSceneBuilder::DrawSoilLayers() {
  if (!FO.ShowSoilLayers) return;
  const TProjectTables& T = FP.Tables();
  std::array<int, LayerGroups> rows{0, 0, 1};
  if (FSystem.Pile) rows = {T.pilecapsoil->RowCount(), T.PileData->RowCount(), 1};
  if (FSystem.Half) rows = {T.D1->RowCount(), 0, 1};
  if (FSystem.Stratum) rows = {0, 1, 1};
  if (FSystem.Multi) rows = {T.D->RowCount(), T.Multisoil->RowCount(), 1};

  double top = 0;
  int colour = 0;
  int elementRow = 0;
  double bottom = 0;
  for (int g = 0; g < LayerGroups; ++g) {
    for (int r = 0; r < rows[size_t(g)]; ++r) {
      const int element = elementRow++;
      if (colour > 11) colour = 0;
      TRgba rgba = LayerColour(colour);
      if (g == LayerGroups - 1) rgba = LayerColour(colour == 5 ? 5 : 4);
      const double t = LayerThickness(g, r, element);
      // A layer without thickness leaves no gap and takes no colour.
      if (t == 0) continue;
      bottom = top - t;
      FPlace.Push();
      FPlace.Translate(FX.CentreX, FX.CentreY, (top + bottom) / 2);
      const QVector3D size(float(2 * FX.ExtentX), float(2 * FX.ExtentY), float(t));
      Add(FScene.SoilLayers, TPrimitiveKind::BoxOutline, size, rgba);
      Add(FScene.SoilLayers, TPrimitiveKind::SolidBox, size, rgba);
      FPlace.Pop();
      if (FO.ShowSoilLayerDepthLabels) {
        Label(GetValueLabel(-top), FX.XMin - 0.5 * FX.ExtentX, FX.YMin - 0.5 * FX.ExtentY, top,
              SceneColours::LayerText);
      }
      if (FO.ShowSoilLayerLabels) {
        Label(LayerName(g, r), FX.XMax + 0.5 * FX.ExtentX, FX.YMax + 0.5 * FX.ExtentY, (top + bottom) / 2,
              SceneColours::LayerText);
      }
      top = bottom;
      ++colour;
    }
  }
  if (FO.ShowSoilLayerDepthLabels) {
    Label(QStringLiteral("Bottom"), FX.XMin - 0.5 * FX.ExtentX, FX.YMin - 0.5 * FX.ExtentY, bottom,
          SceneColours::LayerText);
  }
}

}  // namespace

TSceneExtents GetMaxDims(const TProgramData& P) {
  const TFoundationSystem system(P.FoundationType);
  const TProjectTables& T = P.Tables();
  TSceneExtents x;
  x.SoilDepth = SideSoilThickness(P, system);
  x.LayersGiven = x.SoilDepth >= NoThickness;
  if (P.FootingShape != 0) {
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
  if (system.Stratum) x.SoilDepth = std::max(x.SoilDepth, double(P.FoundationDepth));
  // A default-thickness cap stands on the ground surface.
  if (x.LayersGiven) {
    x.ZMax = 0;
    x.ZMin = -x.SoilDepth;
  } else {
    x.ZMax = x.SoilDepth;
    x.ZMin = 0;
  }
  // The scene reaches down to the piles' tips, or to the foot of the stratum
  // or of the soil column, so that the first picture shows every layer.
  if (system.Pile) x.ZMin -= ColumnSum(T.PileData, 0);
  if (system.Stratum || system.Half) x.ZMin -= ColumnSum(T.D1, 0);
  if (system.Stratum) x.ZMin -= double(P.BedrockDepth);
  if (system.Multi) x.ZMin -= ColumnSum(T.MultiElement, 0) - SideSoilThickness(P, system);

  x.ExtentX = x.XMax - x.XMin;
  x.ExtentY = x.YMax - x.YMin;
  x.ExtentZ = std::abs(x.ZMax - x.ZMin);
  for (double bound : {x.XMax, x.XMin, x.YMax, x.YMin, x.ZMax, x.ZMin})
    x.ExtentZ = std::max(x.ExtentZ, std::abs(bound));
  x.ExtentXY = std::max(x.ExtentX, x.ExtentY);
  x.CentreX = (x.XMax + x.XMin) / 2;
  x.CentreY = (x.YMax + x.YMin) / 2;
  return x;
}

TScene BuildScene(const TProgramData& Project, const TViewOptions& Options) {
  TScene scene;
  scene.Extents = GetMaxDims(Project);
  TSceneBuilder builder(Project, Options, scene);
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

QString GetValueLabel(double Value) {
  const double magnitude = std::abs(Value);
  return magnitude <= 0.001 || magnitude >= 100000 ? FloatToStrExponent(Value, 4, 2) : FloatToStrFixed(Value, 10, 3);
}

}  // namespace zavik
