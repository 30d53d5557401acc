// Test main for the views: drawing onto images needs fonts, and fonts need a
// GUI application (a widgets application for the window tests), on the
// platform given by QT_QPA_PLATFORM (offscreen by default, except for the
// OpenGL tests, which need a display) with a fixed locale. Listing the tests
// needs no application.
#ifdef ZAV_WIDGETS_TEST
#include <QApplication>
using TTestApplication = QApplication;
#else
#include <QGuiApplication>
using TTestApplication = QGuiApplication;
#endif
#include <QLocale>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
#ifndef ZAV_DISPLAY_TEST
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
#endif
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  TTestApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
