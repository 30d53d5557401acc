#pragma once
// The program's application object with the one guard for the whole program:
// an exception that an event handler or a slot lets reach Qt's event loop is
// shown in a message box with an OK button, and the program goes on. Every
// handler catches its own errors first; this is the last stop, where Qt
// would otherwise end the program.

#include <QApplication>

namespace zavik {

class TGuardedApplication : public QApplication {
  Q_OBJECT
public:
  TGuardedApplication(int& Argc, char** Argv);
  bool notify(QObject* Receiver, QEvent* Event) override;
};

}  // namespace zavik
