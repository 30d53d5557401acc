#include "views/SideProfile.h"

#include "core/FoundationSystem.h"
#include "core/ProgramData.h"
#include "controls/NumberFormat.h"
#include "views/ProjectCells.h"
#include "views/SceneGeometry.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {

// The profile turns batter angles into radians with its own rounded π; the
// difference from the full value is far below a pixel.
constexpr double BatterRadiansPerDegree = 3.1415 / 180;
// The base window leaves a twentieth around the foundation.
constexpr double BaseMargin = 1.05;
// Room above the ground surface, as a share of the depth shown, so that the
// ground line and its hatching stand clear of the window's top edge.
constexpr double RoomAboveGround = 0.05;
// Labels stand this share of a layer's thickness above its bottom.
constexpr double LabelHeightInLayer = 0.95;
// Labels of a stratum and of the soil below stand this many pixels from their line.
constexpr double LabelGap = 20;

// Offsets, in screen pixels, of the background drawn around the letters of a text.
constexpr QPointF TextRim[] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};

QString Number(double Value) { return FloatToStrGeneral(Value, 15); }

QString LayerLabel(double Top, double Bottom, const QString& Name) {
  return QStringLiteral("depth= ") + Number(Top) + QStringLiteral(" - ") + Number(Bottom) + QStringLiteral("; ") +
         Name;
}


QString ValuesLine(double ShearVelocity, double Poisson) {
  return QStringLiteral("Shear Wave Velocity= ") + Number(ShearVelocity) +
         QStringLiteral("; Poissons Ratio= ") + Number(Poisson);
}


class TProfileBuilder {
public:
  TProfileBuilder(const TProgramData& P, TProfilePlane Plane, TSideProfile& Out)
      : FP(P), FT(P.Tables()), FS(P.System()), FPlane(Plane), FOut(Out) {
    // The cap or footing stands where the 3-D view draws it.
    if (FS.ProfileCap) FScene = GetMaxDims(P);
  }

  void Outlines();
  void Layers();
  void BaseWindow();

private:
  // A layer from Top down to Bottom, labelled at its left end. The first
  // one's top is the ground surface.
  void Layer(double Top, double Bottom, const QString& Name, const QString& Values) {
    if (!FOut.Ground) FOut.Ground = Top;
    FOut.Lines.push_back(Bottom);
    const double at = Bottom - LabelHeightInLayer * (Bottom - Top);
    FOut.Texts.push_back({at, 0, 0, LayerLabel(Top, Bottom, Name)});
    if (!Values.isEmpty()) FOut.Texts.push_back({at, 0, 1, Values});
  }
  void Text(double Depth, double Pixels, int Line, const QString& Text) {
    FOut.Texts.push_back({Depth, Pixels, Line, Text});
  }
  // A rectangle of the given width hanging from (X, Head), from D1 to D2
  // along its axis, whose every unit of length moves Across sideways and
  // Down in depth in the view's plane: sheared by a batter in that plane,
  // shortened by one across it.
  void Record(double X, double Width, double Head, double D1, double D2, double Across = 0, double Down = 1);
  // The cap or footing as the 3-D view has it: depths of its top and base.
  double CapTop() const { return -FScene.CapTop; }
  double CapBase() const { return -FScene.CapBase; }
  void Cap();
  // The layers of a group, with their soil values.
  void Group(const TProfileGroup& G, double& Top);
  QString SoilValues(const TProfileGroup& G, int Row) const;
  void StratumOverRock();

  const TProgramData& FP;
  const TProjectTables& FT;
  const TFoundationSystem& FS;
  TProfilePlane FPlane;
  TSideProfile& FOut;
  TSceneExtents FScene;
};

void TProfileBuilder::Record(double X, double Width, double Head, double D1, double D2, double Across,
                             double Down) {
  const double w = Width / 2;
  FOut.Outlines.push_back({{Across * D1 + X - w, Down * D1 + Head},
                           {Across * D1 + X + w, Down * D1 + Head},
                           {Across * D2 + X - w, Down * D2 + Head},
                           {Across * D2 + X + w, Down * D2 + Head}});
}

void TProfileBuilder::Cap() {
  // A rectangle is FootingLength along x and FootingWidth along y.
  const bool xz = FPlane == TProfilePlane::XZ;
  const double width = FP.FootingShape == TFootingShape::Circular ? 2 * double(FP.FootingRadius)
                                            : double(xz ? FP.FootingLength : FP.FootingWidth);
  Record(0, width, CapTop(), 0, CapBase() - CapTop());
}

void TProfileBuilder::Outlines() {
  const bool xz = FPlane == TProfilePlane::XZ;
  if (FS.PileGroup) {
    // The piles hang from the bottom of the cap.
    const TPileSection first = PileSection(FT, 0);
    const double width = 2 * (xz ? first.RadiusX : first.RadiusY);
    const int plane = xz ? BatterPlaneXZ : BatterPlaneYZ;
    for (int r = 0; r < FT.Pilecoord->RowCount(); ++r) {
      const TPileCoordinate pile = PileCoordinate(FT, r);
      // A pile battered across the view's plane stands upright in it, its
      // tip as deep as its batter takes it.
      const double batter = pile.BatterAngle * BatterRadiansPerDegree;
      const double across = pile.BatterPlane == plane ? std::sin(batter) : 0;
      Record(xz ? pile.X : pile.Y, width, CapBase(), 0, FOut.TotalPileLength, across, std::cos(batter));
    }
  }
  if (FS.ProfileCap) Cap();
  if (FS.ProfileColumn) {
    // The column beside the side layers.
    const double width = 2 * Cell(FT.MultiElement, xz ? TMultiElementColumn::RadiusX : TMultiElementColumn::RadiusY, 0);
    Record(0, width, 0, 0, ColumnSum(FT.MultiElement, TMultiElementColumn::Length, FT.D->RowCount()));
  }
}

QString TProfileBuilder::SoilValues(const TProfileGroup& G, int Row) const {
  for (const TSoilColumns& soil : G.Soil) {
    if (!soil.Table) break;
    const TGridTable* table = FT.*soil.Table;
    if (Row < table->RowCount()) {
      return ValuesLine(double(table->Cells(soil.Velocity, Row)->AsFloat()),
                        double(table->Cells(soil.Poisson, Row)->AsFloat()));
    }
    Row -= table->RowCount();
  }
  return QString();
}

void TProfileBuilder::Group(const TProfileGroup& G, double& Top) {
  if (!G.Rows || (G.OnlyEmbedded && !FScene.LayersGiven)) return;
  for (int r = 0; r < (FT.*G.Rows)->RowCount(); ++r) {
    const double t = Cell(FT.*G.Thickness, TLayerColumn::Thickness, r);
    if (G.SkipEmpty && t == 0) continue;
    Layer(Top, Top + t, QString::fromLatin1(G.Name) + QString::number(r + 1), SoilValues(G, r));
    Top += t;
  }
}

void TProfileBuilder::StratumOverRock() {
  // The stratum from the ground surface down to the bed rock.
  const double rock = double(FP.BedrockDepth);
  FOut.Lines = {rock};
  Text(0, LabelGap, 0,
       QStringLiteral("Layer thickness= ") + Number(double(FP.BedrockDepth)) + QStringLiteral("; Layer 1"));
  Text(0, LabelGap, 1, ValuesLine(double(FP.TipShearVelocity), double(FP.TipPoisson)));
  Text(rock, LabelGap, 0, QStringLiteral("Rock Layer "));
}

void TProfileBuilder::Layers() {
  // The side soil of an embedded cap or footing, then the soil along the
  // piles or the column; a foundation's layers start at the ground surface.
  FOut.Ground = 0;
  double top = 0;
  for (const TProfileGroup& g : FS.ProfileGroups) Group(g, top);
  switch (FS.ProfileBelow) {
    case TProfileBelow::Nothing: break;
    case TProfileBelow::SoilBelowFooting:
      // The soil below is labelled under the footing.
      Text(std::max(top, CapBase()), LabelGap, 0, QStringLiteral("Soil below the tip "));
      Text(std::max(top, CapBase()), LabelGap, 1, ValuesLine(double(FP.TipShearVelocity), double(FP.TipPoisson)));
      break;
    case TProfileBelow::StratumOverRock: StratumOverRock(); break;
  }
}

void TProfileBuilder::BaseWindow() {
  if (FOut.Outlines.empty()) return;
  TWorldWindow w{0, 0, 0, 0};
  for (const TOutlineRecord& r : FOut.Outlines) {
    for (const QPointF& p : {r.TopLeft, r.TopRight, r.BottomLeft, r.BottomRight}) {
      w.XMin = std::min(w.XMin, p.x());
      w.XMax = std::max(w.XMax, p.x());
      w.Top = std::min(w.Top, p.y());
      w.Bottom = std::max(w.Bottom, p.y());
    }
  }
  // Every layer line shows.
  if (FOut.Ground) w.Top = std::min(w.Top, *FOut.Ground);
  for (double line : FOut.Lines) w.Bottom = std::max(w.Bottom, line);
  w.XMin *= BaseMargin;
  w.XMax *= BaseMargin;
  w.Top *= BaseMargin;
  w.Bottom *= BaseMargin;
  // A footing and a column leave room beside them; a footing shows the soil
  // below as deep as the 3-D view's soil block reaches, a column its length.
  w.XMin *= FS.ProfileWidening;
  w.XMax *= FS.ProfileWidening;
  switch (FS.ProfileDepth) {
    case TProfileDepth::Foundation: break;
    case TProfileDepth::SoilBlock: w.Bottom = std::max(w.Bottom, -FScene.ZMin * BaseMargin); break;
    case TProfileDepth::Column: w.Bottom = FOut.TotalPileLength * BaseMargin; break;
  }
  w.Top -= RoomAboveGround * (w.Bottom - w.Top);
  FOut.Base = w;
}

}  // namespace

TSideProfile BuildSideProfile(const TProgramData& Project, TProfilePlane Plane) {
  TSideProfile profile;
  const TFoundationSystem& system = Project.System();
  profile.TotalPileLength = TotalPileLength(Project);

  // A foundation whose table of layers is empty shows only the default window.
  const TGridTable* layers = system.ProfileLayers ? Project.Tables().*system.ProfileLayers : nullptr;
  if (layers && layers->RowCount() == 0) return profile;
  TProfileBuilder builder(Project, Plane, profile);
  builder.Outlines();
  builder.Layers();
  builder.BaseWindow();
  return profile;
}

std::vector<double> ProfileTextTops(const TSideProfile& Profile, const TWorldMapping& Mapping, double LineHeight,
                                    double PixelScale) {
  std::vector<double> tops;
  double free = Mapping.Area.top();  // below the texts placed so far
  double labelTop = 0;
  for (const TProfileText& t : Profile.Texts) {
    if (t.Line == 0) labelTop = std::max(Mapping.ToDevice(0, t.Depth).y() + t.PixelOffset * PixelScale, free);
    tops.push_back(labelTop + t.Line * LineHeight);
    free = tops.back() + LineHeight;
  }
  return tops;
}

void DrawSideProfile(QPainter& Painter, const TSideProfile& Profile, const TWorldMapping& Mapping,
                     const TPaintStyle& Style) {
  if (!Mapping.Valid()) return;
  const QRectF& area = Mapping.Area;
  const double px = Style.PixelScale;
  Painter.save();
  Painter.setFont(Style.Font);
  Painter.setPen(QPen(Style.Foreground, 0));
  Painter.setClipRect(area);
  const QFontMetricsF metrics(Style.Font, Painter.device());
  const auto y = [&](double Depth) { return Mapping.ToDevice(0, Depth).y(); };

  for (double depth : Profile.Lines)
    Painter.drawLine(QPointF(area.left(), y(depth)), QPointF(area.right(), y(depth)));
  if (Profile.Ground) {
    const double g = y(*Profile.Ground);
    Painter.drawLine(QPointF(area.left(), g), QPointF(area.right(), g));
    // Hatching of the ground surface.
    for (int i = 1; i <= 20; ++i) {
      const double x = area.left() + (100 + 20 * i) * px;
      Painter.drawLine(QPointF(x, g), QPointF(x + 15 * px, g + 5 * px));
    }
  }
  Painter.setBrush(Style.Foreground);
  for (const TOutlineRecord& r : Profile.Outlines) {
    QPolygonF polygon;
    for (const QPointF& p : {r.TopLeft, r.TopRight, r.BottomRight, r.BottomLeft})
      polygon << Mapping.ToDevice(p.x(), p.y());
    Painter.drawPolygon(polygon);
  }

  // The texts last, with a rim of the background around each letter, so
  // that they read where they cross a pile or the footing and leave the
  // lines visible.
  const std::vector<double> tops = ProfileTextTops(Profile, Mapping, metrics.height(), px);
  for (size_t i = 0; i < Profile.Texts.size(); ++i) {
    const QString& text = Profile.Texts[i].Text;
    const QPointF at(area.left() + 2 * px, tops[i] + metrics.ascent());
    Painter.setPen(QPen(Style.Background, 0));
    for (const QPointF& d : TextRim) Painter.drawText(at + d * px, text);
    Painter.setPen(QPen(Style.Foreground, 0));
    Painter.drawText(at, text);
  }
  Painter.restore();
}

}  // namespace zavik
