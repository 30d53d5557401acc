#include "controls/AreaPlacement.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QObject>
#include <QResizeEvent>
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

// Fits every child window back inside its area when the area's viewport
// shrinks, once the area has laid out its scroll bars.
class TAreaWatch : public QObject {
public:
  explicit TAreaWatch(QMdiArea* Area) : QObject(Area), FArea(Area) {}

protected:
  bool eventFilter(QObject*, QEvent* Event) override {
    if (Event->type() == QEvent::Resize) {
      const auto* resize = static_cast<QResizeEvent*>(Event);
      const QSize old = resize->oldSize(), now = resize->size();
      if (old.isValid() && (now.width() < old.width() || now.height() < old.height())) {
        QTimer::singleShot(0, FArea, [area = FArea] {
          for (QMdiSubWindow* window : area->subWindowList()) FitInsideArea(window, area->viewport()->size());
        });
      }
    }
    return false;
  }

private:
  QMdiArea* FArea;
};

}  // namespace

void FitInsideArea(QMdiSubWindow* Window, const QSize& Area) {
  if (Window->isMaximized() || Window->isMinimized() || Window->isHidden()) return;
  const QSize least = Window->minimumSize().expandedTo(Window->minimumSizeHint());
  const QSize size = Window->size().boundedTo(Area).expandedTo(least);
  if (size != Window->size()) Window->resize(size);
  const QPoint inside = PositionInside(Window->geometry(), Area);
  if (inside != Window->pos()) Window->move(inside);
}

void WatchArea(QMdiArea* Area) { Area->viewport()->installEventFilter(new TAreaWatch(Area)); }

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
