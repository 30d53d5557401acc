#include "controls/GuardedApplication.h"

#include "controls/Messages.h"

namespace zavik {

TGuardedApplication::TGuardedApplication(int& Argc, char** Argv) : QApplication(Argc, Argv) {}

bool TGuardedApplication::notify(QObject* Receiver, QEvent* Event) {
  try {
    return QApplication::notify(Receiver, Event);
  } catch (const std::exception& e) {
    ShowError(activeWindow(), ExceptionMessage(e));
  } catch (...) {
    ShowError(activeWindow(), QStringLiteral("Unknown error"));
  }
  return false;
}

}  // namespace zavik
