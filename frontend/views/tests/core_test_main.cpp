// Test main for the views' plain code: drawing onto images needs fonts, and
// fonts need a GUI application, here on the offscreen platform with a fixed
// locale. Listing the tests needs no application.
#include <QGuiApplication>
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QGuiApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
