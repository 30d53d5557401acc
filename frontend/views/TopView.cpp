#include "views/TopView.h"

namespace zavik {

TDlgTopView::TDlgTopView(TProjectAccessor Project, QWidget* Parent)
    : TViewWindow(std::move(Project), QStringLiteral("Top View"), QStringLiteral("plan"), Parent) {}

void TDlgTopView::Rebuild(TProgramData& Project) { FLayout = BuildPlanLayout(Project); }

void TDlgTopView::Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const {
  DrawPlanLayout(Painter, FLayout, Mapping, Style);
}

QString TDlgTopView::MouseCaption(const QPointF& World) const {
  return QStringLiteral("Top View X: ") + FixedText(World.x(), 1) + QStringLiteral(" Y: ") +
         FixedText(World.y(), 1);
}

}  // namespace zavik
