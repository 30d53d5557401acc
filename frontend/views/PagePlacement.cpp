#include "views/PagePlacement.h"

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {
constexpr double PerInch = 1000;

int MarginPixels(int Thousandths, int Dpi, int Border) {
  return std::max(int(std::lround(Thousandths * Dpi / PerInch)), Border);
}
}  // namespace

QRect PicturePlacement(const QRect& Paper, const QRect& Printable, int DpiX, int DpiY,
                       const TPageMargins& Margins, QSize Picture) {
  if (Picture.isEmpty()) return {};
  const int left = MarginPixels(Margins.Left, DpiX, Printable.left() - Paper.left());
  const int right = MarginPixels(Margins.Right, DpiX, Paper.right() - Printable.right());
  const int top = MarginPixels(Margins.Top, DpiY, Printable.top() - Paper.top());
  const int bottom = MarginPixels(Margins.Bottom, DpiY, Paper.bottom() - Printable.bottom());
  int w = Paper.width() - left - right, h = Paper.height() - top - bottom;
  if (w <= 0 || h <= 0) return {};
  if (double(h) / Picture.height() <= double(w) / Picture.width())
    w = int(std::lround(double(h) * Picture.width() / Picture.height()));
  else
    h = int(std::lround(double(w) * Picture.height() / Picture.width()));
  return {Paper.left() + left, Paper.top() + top, w, h};
}

}  // namespace zavik
