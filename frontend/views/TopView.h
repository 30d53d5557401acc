#pragma once
// TDlgTopView, the plan view ("Top View"): the outline of the cap or footing
// and, for a pile foundation, one circle per pile.

#include "views/PlanLayout.h"
#include "views/ViewWindow.h"

namespace zavik {

class TDlgTopView : public TViewWindow {
  Q_OBJECT

public:
  explicit TDlgTopView(TProjectReader Project, QWidget* Parent = nullptr);

  const TPlanLayout& Layout() const { return FLayout; }
  TWorldWindow BaseWindow() const override { return FLayout.Base; }

protected:
  void Rebuild(const TProgramData& Project) override;
  void Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const override;
  QString MouseCaption(const QPointF& World) const override;
  TWorldWindow::TAnchor Anchor() const override { return TWorldWindow::AboutCentre; }

private:
  TPlanLayout FLayout;
};

}  // namespace zavik
