#include "views/PlanLayout.h"

#include "core/ProgramData.h"
#include "views/ProjectCells.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>

namespace zavik {

namespace {

// The base window reaches this far beyond the outline's centre, in parts of
// its size (a little more than half of it).
constexpr double HalfSizeDivisor = 1.9;
// Room around each pile, in pile radii.
constexpr double PileRoom = 2;

}  // namespace

TPlanLayout BuildPlanLayout(const TProgramData& Project) {
  TPlanLayout plan;
  const TProjectTables& t = Project.Tables();
  if (Project.System().PileGroup && t.Pilecoord->RowCount() > 0) {
    const TPileSection first = PileSection(t, 0);
    const double length = TotalPileLength(Project);
    for (int r = 0; r < t.Pilecoord->RowCount(); ++r) {
      const TPileCoordinate c = PileCoordinate(t, r);
      TPilePlan pile{c.X, c.Y, first.RadiusX, first.RadiusY, c.X, c.Y};
      const double reach = length * std::sin(c.BatterAngle * std::numbers::pi / 180);
      if (c.BatterPlane == BatterPlaneXZ) pile.TipX += reach;
      if (c.BatterPlane == BatterPlaneYZ) pile.TipY += reach;
      plan.Piles.push_back(pile);
    }
  }
  const double radius = double(Project.FootingRadius);
  const double length = double(Project.FootingLength), width = double(Project.FootingWidth);
  const bool circle = Project.FootingShape == TFootingShape::Circular;
  if (circle ? radius > 0 : length > 0 || width > 0) {
    plan.Circle = circle;
    plan.XMax = circle ? radius : length / 2;
    plan.YMax = circle ? radius : width / 2;
    plan.XMin = -plan.XMax;
    plan.YMin = -plan.YMax;
  } else if (!plan.Piles.empty()) {
    // The box of the pile centres, from the first pile on: a group wholly
    // at negative coordinates keeps its own box.
    plan.XMin = plan.XMax = plan.Piles.front().X;
    plan.YMin = plan.YMax = plan.Piles.front().Y;
    for (const TPilePlan& p : plan.Piles) {
      plan.XMin = std::min(plan.XMin, p.X);
      plan.XMax = std::max(plan.XMax, p.X);
      plan.YMin = std::min(plan.YMin, p.Y);
      plan.YMax = std::max(plan.YMax, p.Y);
    }
  }

  // The window around the outline's centre, widened to every pile.
  const double sizeX = plan.XMax - plan.XMin, sizeY = plan.YMax - plan.YMin;
  TWorldWindow w;
  const double cx = (plan.XMin + plan.XMax) / 2, cy = (plan.YMin + plan.YMax) / 2;
  w.XMin = cx - sizeX / HalfSizeDivisor;
  w.XMax = cx + sizeX / HalfSizeDivisor;
  w.Top = cy + sizeY / HalfSizeDivisor;
  w.Bottom = cy - sizeY / HalfSizeDivisor;
  for (const TPilePlan& p : plan.Piles) {
    for (const auto& [x, y] : {std::pair(p.X, p.Y), std::pair(p.TipX, p.TipY)}) {
      w.XMin = std::min(w.XMin, x - PileRoom * p.RadiusX);
      w.XMax = std::max(w.XMax, x + PileRoom * p.RadiusX);
      w.Bottom = std::min(w.Bottom, y - PileRoom * p.RadiusY);
      w.Top = std::max(w.Top, y + PileRoom * p.RadiusY);
    }
  }
  if (!w.Empty()) plan.Base = w;
  return plan;
}

void DrawPlanLayout(QPainter& Painter, const TPlanLayout& Layout, const TWorldMapping& Mapping,
                    const TPaintStyle& Style) {
  if (!Mapping.Valid()) return;
  Painter.save();
  Painter.setClipRect(Mapping.Area);
  Painter.setPen(QPen(Style.Foreground, 0));
  const QPointF corners[] = {
      Mapping.ToDevice(Layout.XMin, Layout.YMax), Mapping.ToDevice(Layout.XMax, Layout.YMax),
      Mapping.ToDevice(Layout.XMax, Layout.YMin), Mapping.ToDevice(Layout.XMin, Layout.YMin)};
  if (Layout.Circle) {
    Painter.setBrush(Qt::NoBrush);
    Painter.drawEllipse(QRectF(corners[0], corners[2]).normalized());
  } else {
    for (int i = 0; i < 4; ++i) Painter.drawLine(corners[i], corners[(i + 1) % 4]);
  }

  const auto circle = [&](double X, double Y, const TPilePlan& P) {
    const QPointF a = Mapping.ToDevice(X - P.RadiusX, Y + P.RadiusY);
    const QPointF b = Mapping.ToDevice(X + P.RadiusX, Y - P.RadiusY);
    Painter.drawEllipse(QRectF(a, b).normalized());
  };
  // A battered pile's axis and the outline of its tip below the heads.
  Painter.setBrush(Qt::NoBrush);
  for (const TPilePlan& p : Layout.Piles) {
    if (!p.Battered()) continue;
    Painter.drawLine(Mapping.ToDevice(p.X, p.Y), Mapping.ToDevice(p.TipX, p.TipY));
    circle(p.TipX, p.TipY, p);
  }
  Painter.setBrush(Style.Foreground);
  for (const TPilePlan& p : Layout.Piles) circle(p.X, p.Y, p);
  Painter.restore();
}

}  // namespace zavik
