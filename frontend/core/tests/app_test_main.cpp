// Test main of the program's logic and of its windows: an application object
// (the program's own folder, queued signals of the analysis run; for the
// window tests a widget application on the offscreen platform unless
// QT_QPA_PLATFORM names another) and a scratch folder in place of the user's
// configuration folder, so that no test touches real settings.
#ifdef ZAV_WIDGETS_TEST
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QCoreApplication>
using TTestApplication = QCoreApplication;
#endif
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
#ifdef ZAV_WIDGETS_TEST
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
#else
  QLocale::setDefault(QLocale::c());
#endif
  TTestApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
