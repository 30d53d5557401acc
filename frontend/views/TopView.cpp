#include "views/TopView.h"

#include "controls/NumberFormat.h"

namespace zavik {

TDlgTopView::TDlgTopView(TProjectReader Project, QWidget* Parent)
    : TViewWindow(std::move(Project), QStringLiteral("Top View"), QStringLiteral("plan"), Parent) {}

void TDlgTopView::Rebuild(const TProgramData& Project) { FLayout = BuildPlanLayout(Project); }

void TDlgTopView::Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const {
  DrawPlanLayout(Painter, FLayout, Mapping, Style);
}

QString TDlgTopView::MouseCaption(const QPointF& World) const {
  return QStringLiteral("Top View X: ") + FloatToStrFixed(World.x(), ReadoutPrecision, 1) + QStringLiteral(" Y: ") +
         FloatToStrFixed(World.y(), ReadoutPrecision, 1);
}

}  // namespace zavik
