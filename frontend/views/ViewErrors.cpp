#include "views/ViewErrors.h"

#include "controls/Exceptions.h"

#include <QMessageBox>
#include <QWidget>

namespace zavik {

QString ViewErrorText(const std::exception& E) {
  if (dynamic_cast<const EListError*>(&E)) return QStringLiteral("One or more Pile Types does not have any sections");
  if (const auto* e = dynamic_cast<const Exception*>(&E)) return e->Message();
  return QString::fromLocal8Bit(E.what());
}

void ShowViewMessage(QWidget* Parent, const QString& Message) {
  QMessageBox::information(Parent, QStringLiteral("ZAVIK"), Message, QMessageBox::Ok);
}

}  // namespace zavik
