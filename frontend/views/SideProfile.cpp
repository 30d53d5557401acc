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

// The ground's hatching reaches this many screen pixels below it.
constexpr double HatchDepth = 5;
// Screen pixels a text keeps clear of a line, and stands from the left edge.
constexpr double TextClearance = 2;
constexpr double TextIndent = 2;
// A label beside the layers below its own: its leader runs down this far
// from the left edge, with a tick this long into the layer, and the text
// stands this far in.
constexpr double LeaderX = 6;
constexpr double LeaderTick = 8;
constexpr double LeaderIndent = 16;
// Room below a label with a leader, in its lines.
constexpr double LedLabelGap = 0.5;
// A label in a thin layer steps its font down by this share of its size at
// a time, to no less than this size.
constexpr double FontStep = 0.125;
constexpr double MinPointSize = 7;

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
    FOut.Texts.push_back({at, 0, 0, LayerLabel(Top, Bottom, Name), Top, Bottom});
    if (!Values.isEmpty()) FOut.Texts.push_back({at, 0, 1, Values, Top, Bottom});
  }
  // A text of the soil from Depth down to BandBottom.
  void Text(double Depth, double Pixels, int Line, const QString& Text,
            double BandBottom = std::numeric_limits<double>::infinity()) {
    FOut.Texts.push_back({Depth, Pixels, Line, Text, Depth, BandBottom});
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
       QStringLiteral("Layer thickness= ") + Number(double(FP.BedrockDepth)) + QStringLiteral("; Layer 1"), rock);
  Text(0, LabelGap, 1, ValuesLine(double(FP.TipShearVelocity), double(FP.TipPoisson)), rock);
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

std::vector<QRectF> ProfileLineStrips(const TSideProfile& Profile, const TWorldMapping& Mapping, double PixelScale) {
  const QRectF& area = Mapping.Area;
  const double clear = TextClearance * PixelScale;
  const auto strip = [&](double Y, double Below) {
    return QRectF(area.left(), Y - clear, area.width(), 2 * clear + Below * PixelScale);
  };
  std::vector<QRectF> strips;
  for (double depth : Profile.Lines) strips.push_back(strip(Mapping.ToDevice(0, depth).y(), 0));
  if (Profile.Ground) strips.push_back(strip(Mapping.ToDevice(0, *Profile.Ground).y(), HatchDepth));
  std::sort(strips.begin(), strips.end(), [](const QRectF& A, const QRectF& B) { return A.top() < B.top(); });
  return strips;
}

namespace {

// The first top at or below From where a text H high crosses no strip.
double FreeTop(double From, double H, const std::vector<QRectF>& Strips) {
  double top = From;
  for (const QRectF& s : Strips)
    if (s.top() < top + H && s.bottom() > top) top = s.bottom();
  return top;
}

// The font of a text at a share of its size.
QFont Scaled(const QFont& Font, double Scale) {
  QFont f = Font;
  if (Font.pointSizeF() > 0)
    f.setPointSizeF(Font.pointSizeF() * Scale);
  else
    f.setPixelSize(std::max(1, int(std::lround(Font.pixelSize() * Scale))));
  return f;
}

// The shares of the font's size a label in a thin layer may step down to,
// none of them below a readable size.
std::vector<double> FontScales(const QFont& Font) {
  std::vector<double> scales{1};
  const double size = Font.pointSizeF() > 0 ? Font.pointSizeF() : Font.pixelSize() * 0.75;
  for (double s = 1 - FontStep; s > FontStep / 2 && size * s >= MinPointSize - 1e-9; s -= FontStep) scales.push_back(s);
  return scales;
}

}  // namespace

std::vector<TProfileTextPlace> PlaceProfileTexts(const TSideProfile& Profile, const TWorldMapping& Mapping,
                                                 const QFont& Font, const QPaintDevice* Device, double PixelScale) {
  std::vector<TProfileTextPlace> places(Profile.Texts.size());
  const QRectF& area = Mapping.Area;
  const std::vector<QRectF> strips = ProfileLineStrips(Profile, Mapping, PixelScale);
  const auto y = [&](double Depth) {
    return std::isinf(Depth) ? std::numeric_limits<double>::infinity() : Mapping.ToDevice(0, Depth).y();
  };
  const std::vector<double> scales = FontScales(Font);
  double free = area.top();  // below the labels placed so far
  for (size_t first = 0; first < Profile.Texts.size();) {
    // A label: its first line and the lines under it.
    size_t end = first + 1;
    while (end < Profile.Texts.size() && Profile.Texts[end].Line > 0) ++end;
    const TProfileText& label = Profile.Texts[first];
    const double bandBottom = y(label.BandBottom);
    const double wanted = std::max(y(label.Depth) + label.PixelOffset * PixelScale, free);
    const auto height = [&](double Scale) {
      return double(end - first) * QFontMetricsF(Scaled(Font, Scale), Device).height();
    };
    double top = 0, scale = 0;
    for (double s : scales) {
      const double t = FreeTop(wanted, height(s), strips);
      if (t + height(s) <= bandBottom || t >= area.bottom()) {
        top = t;
        scale = s;
        break;
      }
    }
    double left = area.left() + TextIndent * PixelScale;
    QPolygonF leader;
    if (scale == 0) {
      // Beside the layers below, with a leader from the middle of its own.
      scale = 1;
      top = FreeTop(std::max(free, bandBottom), height(scale), strips);
      const double x = area.left() + LeaderX * PixelScale;
      const double from = (y(label.BandTop) + bandBottom) / 2, to = top + height(scale) / (2 * double(end - first));
      left = area.left() + LeaderIndent * PixelScale;
      leader << QPointF(x + LeaderTick * PixelScale, from) << QPointF(x, from) << QPointF(x, to)
             << QPointF(left - TextClearance * PixelScale, to);
    }
    const QFontMetricsF metrics(Scaled(Font, scale), Device);
    for (size_t i = first; i < end; ++i) {
      TProfileTextPlace& place = places[i];
      place.Box = QRectF(left, top + double(i - first) * metrics.height(),
                         metrics.horizontalAdvance(Profile.Texts[i].Text), metrics.height());
      place.FontScale = scale;
      if (i == first) place.Leader = leader;
    }
    // A label led to its layer stands apart from the next one.
    free = top + (double(end - first) + (leader.isEmpty() ? 0 : LedLabelGap)) * metrics.height();
    first = end;
  }
  return places;
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
  const auto y = [&](double Depth) { return Mapping.ToDevice(0, Depth).y(); };

  for (double depth : Profile.Lines)
    Painter.drawLine(QPointF(area.left(), y(depth)), QPointF(area.right(), y(depth)));
  if (Profile.Ground) {
    const double g = y(*Profile.Ground);
    Painter.drawLine(QPointF(area.left(), g), QPointF(area.right(), g));
    // Hatching of the ground surface.
    for (int i = 1; i <= 20; ++i) {
      const double x = area.left() + (100 + 20 * i) * px;
      Painter.drawLine(QPointF(x, g), QPointF(x + 15 * px, g + HatchDepth * px));
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
  // that they read where they cross a pile or the footing.
  const std::vector<TProfileTextPlace> places = PlaceProfileTexts(Profile, Mapping, Style.Font, Painter.device(), px);
  Painter.setBrush(Qt::NoBrush);
  for (size_t i = 0; i < Profile.Texts.size(); ++i) {
    const TProfileTextPlace& place = places[i];
    const QString& text = Profile.Texts[i].Text;
    const QFont font = Scaled(Style.Font, place.FontScale);
    Painter.setFont(font);
    const QPointF at(place.Box.left(), place.Box.top() + QFontMetricsF(font, Painter.device()).ascent());
    if (!place.Leader.isEmpty()) {
      Painter.setPen(QPen(Style.Foreground, 0));
      Painter.drawPolyline(place.Leader);
    }
    Painter.setPen(QPen(Style.Background, 0));
    for (const QPointF& d : TextRim) Painter.drawText(at + d * px, text);
    Painter.setPen(QPen(Style.Foreground, 0));
    Painter.drawText(at, text);
  }
  Painter.restore();
}

}  // namespace zavik
