// Test main of the program's logic: an application object (the program's own
// folder, queued signals of the analysis run) and a scratch folder in place of
// the user's configuration folder, so that no test touches real settings.
#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  QTemporaryDir config;
  if (!config.isValid()) return 1;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QCoreApplication app(argc, argv);
  QLocale::setDefault(QLocale::c());
  return RUN_ALL_TESTS();
}
