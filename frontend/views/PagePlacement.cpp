#include "views/PagePlacement.h"

#include <cmath>

namespace zavik {

QRect PicturePlacement(const QRect& Area, QSize Picture) {
  if (Picture.isEmpty() || Area.isEmpty()) return {};
  int w = Area.width(), h = Area.height();
  if (double(h) / Picture.height() <= double(w) / Picture.width())
    w = int(std::lround(double(h) * Picture.width() / Picture.height()));
  else
    h = int(std::lround(double(w) * Picture.height() / Picture.width()));
  return {Area.topLeft(), QSize(w, h)};
}

}  // namespace zavik
