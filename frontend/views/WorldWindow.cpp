#include "views/WorldWindow.h"

#include "controls/NumberFormat.h"

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

QPointF TWorldMapping::ToDevice(double X, double V) const {
  const TWorldWindow& w = Window;
  return {Area.left() + std::round(Area.width() * (X - w.XMin) / (w.XMax - w.XMin)),
          Area.top() + std::round(Area.height() * (V - w.Top) / (w.Bottom - w.Top))};
}

QPointF TWorldMapping::ToWorld(const QPointF& Device) const {
  const TWorldWindow& w = Window;
  return {w.XMin + (Device.x() - Area.left()) / Area.width() * (w.XMax - w.XMin),
          w.Top + (Device.y() - Area.top()) / Area.height() * (w.Bottom - w.Top)};
}

void DrawFrame(QPainter& Painter, const TWorldMapping& Mapping, const TPaintStyle& Style) {
  if (!Style.Framed) return;
  Painter.save();
  Painter.setPen(QPen(Style.Foreground, Style.FramePen));
  Painter.setBrush(Qt::NoBrush);
  Painter.drawRect(Mapping.Area);
  Painter.restore();
}

QString FixedText(double Value, int Decimals) {
  return QString::number(Value, 'f', Decimals).replace(QLatin1Char('.'), DecimalSeparator);
}

}  // namespace zavik
