#include "views/WorldWindow.h"

#include <QPainter>

#include <cmath>

namespace zavik {

TWorldWindow TWorldWindow::Widened(double W, double H, TAnchor Anchor) const {
  if (Empty() || W <= 0 || H <= 0) return *this;
  // A plan's y range runs from the larger value down, a profile's depth the
  // other way: the ratio takes the size of either.
  const double r = (W / H) / ((XMax - XMin) / std::abs(Bottom - Top));
  TWorldWindow w = *this;
  const auto scale = [Anchor](double& Low, double& High, double Factor) {
    const double about = Anchor == AboutCentre ? (Low + High) / 2 : 0;
    Low = about + (Low - about) * Factor;
    High = about + (High - about) * Factor;
  };
  if (r < 1)
    scale(w.Top, w.Bottom, 1 / r);
  else
    scale(w.XMin, w.XMax, r);
  return w;
}

TAxisMap TWorldMapping::Across() const { return {Window.XMin, Window.XMax, Area.left(), Area.width()}; }

TAxisMap TWorldMapping::Down() const { return {Window.Top, Window.Bottom, Area.top(), Area.height()}; }

QPointF TWorldMapping::ToDevice(double X, double V) const { return QPointF(Across().ToPixel(X), Down().ToPixel(V)); }

QPointF TWorldMapping::ToWorld(const QPointF& Device) const {
  return {double(Across().ToWorld(Device.x())), double(Down().ToWorld(Device.y()))};
}

void DrawFrame(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) {
  if (!Style.Framed) return;
  Painter.save();
  Painter.setPen(QPen(Style.Foreground, Style.FramePen));
  Painter.setBrush(Qt::NoBrush);
  Painter.drawRect(Mapping.Area);
  Painter.restore();
}

}  // namespace zavik
