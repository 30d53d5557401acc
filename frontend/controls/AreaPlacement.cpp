#include "controls/AreaPlacement.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QTimer>

namespace zavik {

namespace {

QMdiArea* AreaOf(const QMdiSubWindow* Window) { return Window ? Window->mdiArea() : nullptr; }

// A window without a maximise button that the area maximised (it maximises
// every window it activates while the active one is maximised) goes back to
// its normal size; a window at its normal size lies inside the area.
void Settle(QMdiSubWindow* Window) {
  if (Window->isMaximized() && !(Window->windowFlags() & Qt::WindowMaximizeButtonHint))
    Window->showNormal();
  KeepInsideArea(Window);
}

// Settles its window whenever it is shown or changes state, once the area
// has placed or restored it.
class TChildWatch : public QObject {
public:
  explicit TChildWatch(QMdiSubWindow* Window) : QObject(Window) {}

protected:
  bool eventFilter(QObject* Watched, QEvent* Event) override {
    if (Event->type() == QEvent::Show || Event->type() == QEvent::WindowStateChange) {
      auto* window = static_cast<QMdiSubWindow*>(Watched);
      QTimer::singleShot(0, window, [window] { Settle(window); });
    }
    return false;
  }
};

}  // namespace

void KeepInsideArea(QMdiSubWindow* Window) {
  QMdiArea* area = AreaOf(Window);
  if (!area || Window->isMaximized() || Window->isMinimized() || Window->isHidden()) return;
  const QPoint inside = PositionInside(Window->geometry(), area->viewport()->size());
  if (inside != Window->pos()) Window->move(inside);
}

void WatchChildWindow(QMdiSubWindow* Window) {
  Window->installEventFilter(new TChildWatch(Window));
  // The area may have shown or maximised it as it was added.
  QTimer::singleShot(0, Window, [Window] { Settle(Window); });
}

QSize RoomInArea(const QMdiSubWindow* Window) {
  const QMdiArea* area = AreaOf(Window);
  if (!area) return {};
  const QMargins frame = Window->contentsMargins();
  return area->viewport()->size().shrunkBy(frame);
}

}  // namespace zavik
