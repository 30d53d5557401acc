#include "views/ViewHandlers.h"

#include "controls/Exceptions.h"
#include "controls/Messages.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QWidget>

namespace zavik {

QString ViewErrorText(const std::exception& E) {
  if (dynamic_cast<const EListError*>(&E))
    return QStringLiteral("One or more Pile Types does not have any sections");
  return ExceptionMessage(E);
}

bool ReadOrClose(QWidget* View, bool& Failed, const std::function<void()>& Read) {
  if (Failed) return false;
  QString why;
  try {
    Read();
    return true;
  } catch (const std::exception& e) {
    why = ViewErrorText(e);
  } catch (...) {
    why = QStringLiteral("Unknown error");
  }
  Failed = true;
  Guarded(View, [&] { ShowInformation(View, why); });
  View->close();
  return false;
}

void FollowSubWindowActivation(QWidget* View, QEvent* Event, QMetaObject::Connection& Connection,
                               const std::function<void()>& Activate) {
  if (Event->type() != QEvent::ParentChange) return;
  QObject::disconnect(Connection);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(View->parentWidget()))
    Connection = QObject::connect(sub, &QMdiSubWindow::aboutToActivate, View, Activate);
}

}  // namespace zavik
