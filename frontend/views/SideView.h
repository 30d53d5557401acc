#pragma once
// The soil-pile profile windows: a vertical section through the soil layers
// and the foundation in the XZ plane (TDlgSideViewXZ, "Side View (XZ-Plane)")
// and in the YZ plane (TDlgSideViewYZ, "Side View (YZ-Plane)").

#include "views/SideProfile.h"
#include "views/ViewWindow.h"

namespace zavik {

class TDlgSideView : public TViewWindow {
  Q_OBJECT

public:
  TDlgSideView(TProjectReader Project, TProfilePlane Plane, QWidget* Parent = nullptr);

  const TSideProfile& Profile() const { return FProfile; }
  TWorldWindow BaseWindow() const override { return FProfile.Base; }

protected:
  void Rebuild(const TProgramData& Project) override;
  void Draw(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) const override;
  QString MouseCaption(const QPointF& World) const override;
  TWorldWindow::TAnchor Anchor() const override { return TWorldWindow::AboutOrigin; }

private:
  TProfilePlane FPlane;
  TSideProfile FProfile;
};

class TDlgSideViewXZ : public TDlgSideView {
  Q_OBJECT

public:
  explicit TDlgSideViewXZ(TProjectReader Project, QWidget* Parent = nullptr)
      : TDlgSideView(std::move(Project), TProfilePlane::XZ, Parent) {}
};

class TDlgSideViewYZ : public TDlgSideView {
  Q_OBJECT

public:
  explicit TDlgSideViewYZ(TProjectReader Project, QWidget* Parent = nullptr)
      : TDlgSideView(std::move(Project), TProfilePlane::YZ, Parent) {}
};

}  // namespace zavik
