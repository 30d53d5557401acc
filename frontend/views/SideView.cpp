#include "views/SideView.h"

#include "controls/NumberFormat.h"

namespace zavik {

TDlgSideView::TDlgSideView(TProjectReader Project, TProfilePlane Plane, QWidget* Parent)
    : TViewWindow(std::move(Project),
                  Plane == TProfilePlane::XZ ? QStringLiteral("Side View (XZ-Plane)")
                                             : QStringLiteral("Side View (YZ-Plane)"),
                  Plane == TProfilePlane::XZ ? QStringLiteral("side-xz") : QStringLiteral("side-yz"), Parent),
      FPlane(Plane) {}

void TDlgSideView::Rebuild(const TProgramData& Project) { FProfile = BuildSideProfile(Project, FPlane); }

void TDlgSideView::Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const {
  DrawSideProfile(Painter, FProfile, Mapping, Style);
}

QString TDlgSideView::MouseCaption(const QPointF& World) const {
  return QStringLiteral("Side View X: ") + FloatToStrFixed(World.x(), ReadoutPrecision, 1) + QStringLiteral(" Depth: ") +
         FloatToStrFixed(World.y(), ReadoutPrecision, 1);
}

}  // namespace zavik
