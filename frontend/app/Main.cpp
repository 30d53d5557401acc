// Zavik3: the program. One main window; the project named on the command
// line, if any, is opened when it is first shown.
#include "app/MainForm.h"
#include "app/ProgramDialogs.h"
#include "controls/GuardedApplication.h"

int main(int argc, char** argv) {
  zavik::TGuardedApplication app(argc, argv);
  // The title of the program's message boxes.
  QApplication::setApplicationName(QStringLiteral("ZAVIK"));
  QApplication::setOrganizationName(QStringLiteral("Kaventa"));
  QApplication::setWindowIcon(zavik::ProgramIcon());
  zavik::TMainForm window;
  window.show();
  return app.exec();
}
