#include "views/PlanLayout.h"

#include "core/ProgramData.h"
#include "views/ProjectCells.h"

#include <QPainter>

#include <algorithm>

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
    for (int r = 0; r < t.Pilecoord->RowCount(); ++r) {
      const TPileCoordinate c = PileCoordinate(t, r);
      plan.Piles.push_back({c.X, c.Y, first.RadiusX, first.RadiusY});
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
    w.XMin = std::min(w.XMin, p.X - PileRoom * p.RadiusX);
    w.XMax = std::max(w.XMax, p.X + PileRoom * p.RadiusX);
    w.Bottom = std::min(w.Bottom, p.Y - PileRoom * p.RadiusY);
    w.Top = std::max(w.Top, p.Y + PileRoom * p.RadiusY);
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

  Painter.setBrush(Style.Foreground);
  for (const TPilePlan& p : Layout.Piles) {
    const QPointF a = Mapping.ToDevice(p.X - p.RadiusX, p.Y + p.RadiusY);
    const QPointF b = Mapping.ToDevice(p.X + p.RadiusX, p.Y - p.RadiusY);
    Painter.drawEllipse(QRectF(a, b).normalized());
  }
  Painter.restore();
}

}  // namespace zavik
