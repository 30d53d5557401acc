#pragma once
// Child windows of the main window's MDI area lie inside the area: a window
// that opens, or grows, past the area's right or bottom edge moves back in,
// as far as its size allows (its title bar and left edge stay in view); when
// the area shrinks, every window moves back in, shrunk where it must be; and
// a window that can size itself asks the area how much room it has.

#include <QRect>
#include <QSize>
#include <Qt>

#include <algorithm>

class QMdiArea;
class QMdiSubWindow;

namespace zavik {

// The frame of the project's own windows in the area (input, title, options
// and table windows): a title, the system menu, minimise and close. No
// maximise: what they show has a size of its own, and a maximised frame
// would only leave it in a corner with other windows over it.
inline constexpr Qt::WindowFlags ChildWindowFlags = Qt::SubWindow | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowMinimizeButtonHint |
                                                    Qt::WindowCloseButtonHint;

// Where a window of geometry Window goes so that it lies inside an area of
// size Area: moved left and up just enough, never past the area's top-left
// corner.
inline QPoint PositionInside(const QRect& Window, const QSize& Area) {
  return {std::clamp(Window.x(), 0, std::max(Area.width() - Window.width(), 0)),
          std::clamp(Window.y(), 0, std::max(Area.height() - Window.height(), 0))};
}

// Moves a child window shown at its normal size inside its area.
void KeepInsideArea(QMdiSubWindow* Window);
// From now on, Window is kept inside its area whenever it is shown or
// restored to its normal size, and, when its frame has no maximise button,
// at its normal size. Called once, as the window is added to the area.
void WatchChildWindow(QMdiSubWindow* Window);
// Moves a child window shown at its normal size inside an area of size Area,
// shrunk first, no smaller than its minimum, where it is larger than the area.
void FitInsideArea(QMdiSubWindow* Window, const QSize& Area);
// From now on, whenever Area's viewport shrinks (a tool bar appears, the
// main window is made smaller), every child window shown at its normal size
// is fitted back inside it. Called once, for the main window's area.
void WatchArea(QMdiArea* Area);
// The client size (the frame excluded) that Window can take inside its area;
// an invalid size when it is in none.
QSize RoomInArea(const QMdiSubWindow* Window);

}  // namespace zavik
