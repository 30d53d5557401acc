#include "controls/Messages.h"

#include "controls/Exceptions.h"

#include <QGuiApplication>
#include <QMessageBox>

#include <new>

namespace zavik {

QString MessageText(const QString& Message) {
  QString text = Message;
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QString ExceptionMessage(const std::exception& E) {
  if (auto e = dynamic_cast<const Exception*>(&E)) return e->Message();
  if (dynamic_cast<const std::bad_alloc*>(&E))
    return QStringLiteral("There is not enough memory to complete this task.");
  return QString::fromLocal8Bit(E.what());
}

void ShowInformation(QWidget* Parent, const QString& Message) {
  QMessageBox::information(Parent, QGuiApplication::applicationDisplayName(), MessageText(Message),
                           QMessageBox::Ok);
}

void ShowError(QWidget* Parent, const QString& Message) {
  QMessageBox::critical(Parent, QGuiApplication::applicationDisplayName(), MessageText(Message),
                        QMessageBox::Ok);
}

}  // namespace zavik
