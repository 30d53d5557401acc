#pragma once
// Where a picture goes on a printed page: plain arithmetic on the paper's and
// the printable area's pixel rectangles, tested without a printer.

#include <QRect>
#include <QSize>

namespace zavik {

// Page margins in thousandths of an inch, the one unit of the views' printing.
struct TPageMargins {
  int Left = 1000, Top = 1000, Right = 1000, Bottom = 1000;
};

// The rectangle, in paper pixels, that the 3-D view's picture fills: inside
// the margins, each at least the printer's unprintable border on its side,
// at the top left, as large as the picture's proportions allow.
QRect PicturePlacement(const QRect& Paper, const QRect& Printable, int DpiX, int DpiY,
                       const TPageMargins& Margins, QSize Picture);

}  // namespace zavik
