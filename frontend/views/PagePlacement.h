#pragma once
// Where a picture goes on a printed page: plain arithmetic on pixel
// rectangles, tested without a printer.

#include <QRect>
#include <QSize>

namespace zavik {

// The rectangle that the 3-D view's picture fills in Area (the page inside
// the page set-up's margins): at Area's top left, as large as the picture's
// proportions allow. Empty when the area or the picture is.
QRect PicturePlacement(const QRect& Area, QSize Picture);

}  // namespace zavik
