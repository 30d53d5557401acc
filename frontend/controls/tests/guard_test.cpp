// The program's guard: an exception that reaches the event loop is shown in
// a message box with OK, and the program goes on.
#include "MessageCatcher.h"
#include "controls/Exceptions.h"
#include "controls/GuardedApplication.h"

#include <QLocale>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <stdexcept>

namespace zavik {
namespace {

using testing::TMessageCatcher;

// A window whose mouse handler fails the first times it is clicked.
class TFailingWindow : public QWidget {
public:
  int Failures = 2;
  int Clicks = 0;

protected:
  void mousePressEvent(QMouseEvent*) override {
    ++Clicks;
    if (Failures-- > 0) throw EAssignError(QStringLiteral("Entry could not be evaluated:\r() (parentheses) do not match"));
  }
};

TEST(Guard, AnExceptionOfAnEventHandlerIsShownAndTheProgramGoesOn) {
  TFailingWindow window;
  window.resize(200, 100);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  TMessageCatcher catcher;
  QTest::mouseClick(&window, Qt::LeftButton);
  QTest::mouseClick(&window, Qt::LeftButton);
  QTest::mouseClick(&window, Qt::LeftButton);
  EXPECT_EQ(window.Clicks, 3);
  ASSERT_EQ(catcher.Messages.size(), 2);
  EXPECT_EQ(catcher.Messages[0].Text,
            QStringLiteral("Entry could not be evaluated:\n() (parentheses) do not match"));
  EXPECT_EQ(catcher.Messages[0].Icon, QMessageBox::Critical);
  EXPECT_EQ(catcher.Messages[0].Buttons.size(), 1);
}

TEST(Guard, AnExceptionOfASlotOrATimerIsShown) {
  QPushButton button(QStringLiteral("Run"));
  button.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
  QObject::connect(&button, &QPushButton::clicked,
                   [] { throw std::runtime_error("Error loading library"); });
  TMessageCatcher catcher;
  QTest::mouseClick(&button, Qt::LeftButton);
  QTimer::singleShot(0, [] { throw Exception(QStringLiteral("Data of wrong type")); });
  QTest::qWait(50);
  EXPECT_EQ(catcher.Texts(), (QStringList{QStringLiteral("Error loading library"),
                                          QStringLiteral("Data of wrong type")}));
  // The button still works.
  int clicked = 0;
  QObject::disconnect(&button, &QPushButton::clicked, nullptr, nullptr);
  QObject::connect(&button, &QPushButton::clicked, [&] { ++clicked; });
  QTest::mouseClick(&button, Qt::LeftButton);
  EXPECT_EQ(clicked, 1);
}

}  // namespace
}  // namespace zavik

// Qt's libraries are built without exception support and run no destructors
// while an exception passes through their frames, so what those frames held
// stays allocated when the guard catches it: this test does not look for
// leaks (under the address sanitizer of the test build).
extern "C" const char* __asan_default_options() { return "detect_leaks=0"; }

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  zavik::TGuardedApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
