#include "views/SideProfile.h"

#include "app/FoundationSystem.h"
#include "app/ProgramData.h"
#include "controls/NumberFormat.h"
#include "views/ProjectCells.h"

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
// Labels stand this share of a layer's thickness above its bottom.
constexpr double LabelHeightInLayer = 0.95;
// Labels of a stratum and of the soil below stand this many pixels from their line.
constexpr double LabelGap = 20;

QString Number(double Value) { return FloatToStrGeneral(Value, 15); }

QString LayerLabel(double Top, double Bottom, int Layer) {
  return QStringLiteral("depth= ") + Number(Top) + QStringLiteral(" - ") + Number(Bottom) +
         QStringLiteral("; Layer ") + QString::number(Layer);
}

QString ValuesLine(double ShearVelocity, double Poisson) {
  return QStringLiteral("Shear Wave Velocity= ") + Number(ShearVelocity) +
         QStringLiteral("; Poissons Ratio= ") + Number(Poisson);
}

int FoundationKindOf(const TFoundationSystem& S, int Current) {
  if (S.Half) return 1;
  if (S.Pile) return 2;
  if (S.Stratum) return 3;
  if (S.Multi) return 4;
  return Current;
}

// The table whose rows are the profile's layers; a foundation whose table
// is empty shows only the default window.
const TGridTable* LayerTable(const TProjectTables& T, const TFoundationSystem& S) {
  if (S.Pile) return T.D;
  if (S.Half) return T.D1;
  if (S.Multi) return T.MultiElement;
  return nullptr;
}

class TProfileBuilder {
public:
  TProfileBuilder(const TProgramData& P, TProfilePlane Plane, TSideProfile& Out)
      : FP(P), FT(P.Tables()), FS(P.FoundationType), FPlane(Plane), FOut(Out) {}

  void Outlines();
  void Layers();
  void BaseWindow();

private:
  // A layer from Top down to Bottom, labelled at its left end. The first
  // one's top is the ground surface.
  void Layer(double Top, double Bottom, int Number, const QString& Values) {
    if (FOut.Lines.empty()) FOut.Ground = Top;
    FOut.Lines.push_back(Bottom);
    const double at = Bottom - LabelHeightInLayer * (Bottom - Top);
    FOut.Texts.push_back({at, 0, 0, LayerLabel(Top, Bottom, Number)});
    if (!Values.isEmpty()) FOut.Texts.push_back({at, 0, 1, Values});
  }
  void Text(double Depth, double Pixels, int Line, const QString& Text) {
    FOut.Texts.push_back({Depth, Pixels, Line, Text});
  }
  void Record(double X, double Width, double D1, double D2, double Batter);

  const TProgramData& FP;
  const TProjectTables& FT;
  TFoundationSystem FS;
  TProfilePlane FPlane;
  TSideProfile& FOut;
};

void TProfileBuilder::Record(double X, double Width, double D1, double D2, double Batter) {
  const double s = std::sin(Batter), c = std::cos(Batter), w = Width / 2;
  constexpr double z0 = 0;  // level of the top
  FOut.Outlines.push_back({{s * D1 + X - w, c * D1 + z0},
                           {s * D1 + X + w, c * D1 + z0},
                           {s * D2 + X - w, c * D2 + z0},
                           {s * D2 + X + w, c * D2 + z0}});
}

void TProfileBuilder::Outlines() {
  const bool xz = FPlane == TProfilePlane::XZ;
  if (FS.Pile) {
    const TPileSection first = PileSection(FT, 0);
    const double width = 2 * (xz ? first.RadiusX : first.RadiusY);
    const int plane = xz ? BatterPlaneXZ : BatterPlaneYZ;
    for (int r = 0; r < FT.Pilecoord->RowCount(); ++r) {
      const TPileCoordinate pile = PileCoordinate(FT, r);
      const double batter = pile.BatterPlane == plane ? pile.BatterAngle * BatterRadiansPerDegree : 0;
      Record(xz ? pile.X : pile.Y, width, 0, FOut.TotalPileLength, batter);
    }
  } else if (FS.Multi) {
    const double width = 2 * Cell(FT.MultiElement, xz ? 1 : 2, 0);
    Record(0, width, 0, ColumnSum(FT.MultiElement, 0, FT.D->RowCount()), 0);
  } else if (FS.Half || FS.Stratum) {
    // A rectangle is FootingLength along x and FootingWidth along y.
    const bool circle = FP.FootingShape != 0;
    const double width =
        circle ? 2 * double(FP.FootingRadius) : double(xz ? FP.FootingLength : FP.FootingWidth);
    const double base = double(FP.Zc) * (circle ? 2 : 1);
    Record(0, width, 0, base, 0);
  }
}

void TProfileBuilder::Layers() {
  if (FS.Pile) {
    double top = 0;
    for (int r = 0; r < FT.D->RowCount(); ++r) {
      const double bottom = top + Cell(FT.PileData, 0, r);
      Layer(top, bottom, r + 1, ValuesLine(Cell(FT.D, 0, r), Cell(FT.D, 2, r)));
      top = bottom;
    }
  } else if (FS.Half) {
    const double zc = double(FP.Zc);
    double top = zc - ColumnSum(FT.D1, 0);
    for (int r = 0; r < FT.D1->RowCount(); ++r) {
      const double bottom = top + Cell(FT.D1, 0, r);
      Layer(top, bottom, r + 1, ValuesLine(Cell(FT.D1, 1, r), Cell(FT.D1, 3, r)));
      top = bottom;
    }
    // The soil below is labelled under the footing.
    double base = zc;
    for (const TOutlineRecord& r : FOut.Outlines) base = std::max(base, r.BottomLeft.y());
    Text(base, LabelGap, 0, QStringLiteral("Soil below the tip "));
    Text(base, LabelGap, 1, ValuesLine(double(FP.TipShearVelocity), double(FP.TipPoisson)));
  } else if (FS.Stratum) {
    const double top = 2 * double(FP.Zc) - double(FP.FoundationDepth);
    const double bottom = top + double(FP.BedrockDepth);
    FOut.Ground = top;
    FOut.Lines = {top, bottom};
    Text(top, LabelGap, 0,
         QStringLiteral("Layer thickness= ") + Number(double(FP.BedrockDepth)) + QStringLiteral("; Layer 1"));
    Text(top, LabelGap, 1, ValuesLine(double(FP.TipShearVelocity), double(FP.TipPoisson)));
    Text(bottom, LabelGap, 0, QStringLiteral("Rock Layer "));
  } else if (FS.Multi) {
    // The side column's layers take their soil from the side-soil table, the
    // soil column's from its own table; a row that table lacks shows none.
    const int side = FT.D->RowCount();
    double top = 0;
    for (int r = 0; r < FT.MultiElement->RowCount(); ++r) {
      const double bottom = top + Cell(FT.MultiElement, 0, r);
      QString values;
      if (r < side) {
        values = ValuesLine(Cell(FT.D, 0, r), Cell(FT.D, 2, r));
      } else if (r - side < FT.Multisoil->RowCount()) {
        values = ValuesLine(Cell(FT.Multisoil, 0, r - side), Cell(FT.Multisoil, 2, r - side));
      }
      Layer(top, bottom, r + 1, values);
      top = bottom;
    }
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
  // Side layers may reach above the footing's top.
  if (FOut.Ground) w.Top = std::min(w.Top, *FOut.Ground);
  w.XMin *= BaseMargin;
  w.XMax *= BaseMargin;
  w.Top *= BaseMargin;
  w.Bottom *= BaseMargin;
  // A footing and a column leave room beside them and for the soil below.
  if (FS.Half || FS.Stratum) {
    w.XMin *= 2;
    w.XMax *= 2;
    w.Bottom *= 4;
  } else if (FS.Multi) {
    w.XMin *= 2;
    w.XMax *= 2;
    w.Bottom = FOut.TotalPileLength * BaseMargin;
  }
  FOut.Base = w;
}

}  // namespace

TSideProfile BuildSideProfile(TProgramData& Project, TProfilePlane Plane) {
  TSideProfile profile;
  const TFoundationSystem system(Project.FoundationType);
  const TProjectTables& tables = Project.Tables();
  Project.FoundationKind = FoundationKindOf(system, Project.FoundationKind);
  if (system.Pile) profile.TotalPileLength = ColumnSum(tables.PileData, 0);
  if (system.Multi) profile.TotalPileLength = ColumnSum(tables.MultiElement, 0);
  Project.TotalPileLength = profile.TotalPileLength;

  const TGridTable* layers = LayerTable(tables, system);
  if (layers && layers->RowCount() == 0) return profile;
  TProfileBuilder builder(Project, Plane, profile);
  builder.Outlines();
  builder.Layers();
  builder.BaseWindow();
  return profile;
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
  for (const TProfileText& t : Profile.Texts) {
    const double top = y(t.Depth) + t.PixelOffset * px + t.Line * metrics.height();
    Painter.drawText(QPointF(area.left() + 2 * px, top + metrics.ascent()), t.Text);
  }

  Painter.setBrush(Style.Foreground);
  for (const TOutlineRecord& r : Profile.Outlines) {
    QPolygonF polygon;
    for (const QPointF& p : {r.TopLeft, r.TopRight, r.BottomRight, r.BottomLeft})
      polygon << Mapping.ToDevice(p.x(), p.y());
    Painter.drawPolygon(polygon);
  }
  Painter.restore();
}

}  // namespace zavik
