#include "views/ViewHandlers.h"

#include "controls/Exceptions.h"

#include <QEvent>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QWidget>

namespace zavik {

QString ViewErrorText(const std::exception& E) {
  if (dynamic_cast<const EListError*>(&E))
    return QStringLiteral("One or more Pile Types does not have any sections");
  if (const auto* e = dynamic_cast<const Exception*>(&E)) return e->Message();
  return QString::fromLocal8Bit(E.what());
}

void FollowSubWindowActivation(QWidget* View, QEvent* Event, QMetaObject::Connection& Connection,
                               const std::function<void()>& Activate) {
  if (Event->type() != QEvent::ParentChange) return;
  QObject::disconnect(Connection);
  if (auto* sub = qobject_cast<QMdiSubWindow*>(View->parentWidget()))
    Connection = QObject::connect(sub, &QMdiSubWindow::aboutToActivate, View, Activate);
}

void ShowViewMessage(QWidget* Parent, const QString& Message) {
  QMessageBox::information(Parent, QStringLiteral("ZAVIK"), Message, QMessageBox::Ok);
}

}  // namespace zavik
