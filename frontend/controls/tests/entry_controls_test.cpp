// The numeric entry box and combo box, driven as a user would.
#include "MessageCatcher.h"
#include "controls/DataCombo.h"
#include "controls/DataEdit.h"

#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

namespace zavik {
namespace {

using testing::TMessageCatcher;

// A window with the box under test, its label, and a second box to move to.
template <class Box>
class EntryWindow {
public:
  EntryWindow() {
    auto* layout = new QVBoxLayout(&Window);
    Label = new QLabel(&Window);
    box = new Box(&Window);
    Next = new QLineEdit(&Window);
    layout->addWidget(Label);
    layout->addWidget(box);
    layout->addWidget(Next);
    Window.show();
    Window.activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  // Tabs into the box (its text selected) and types.
  void Enter(const QString& Text) {
    TabInto();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), Text);
  }
  void TabInto() {
    if (box->hasFocus()) Next->setFocus(Qt::TabFocusReason);
    box->setFocus(Qt::TabFocusReason);
  }
  // Tab to the next box; the box's message (if any) is answered.
  void Leave() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::qWait(20);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window));
  }
  QDialog Window;
  QLabel* Label;
  Box* box;
  QLineEdit* Next;
};

TEST(DataEdit, AnExpressionBecomesItsValueWhenTheBoxIsLeft) {
  EntryWindow<TDataEdit> w;
  TMessageCatcher catcher;
  w.Enter(QStringLiteral("2^10"));
  w.Leave();
  EXPECT_EQ(w.box->text(), QStringLiteral("1024"));
  EXPECT_EQ(QApplication::focusWidget(), w.Next);
  w.Enter(QStringLiteral("1/3"));
  w.Leave();
  EXPECT_EQ(w.box->text(), QStringLiteral("0.333333333333333333"));
  EXPECT_TRUE(catcher.Messages.isEmpty());
  EXPECT_TRUE(w.box->Valid());
}

struct RefusalRow {
  bool IntegerOnly;
  long double Min, Max;
  const char* Typed;
  const char* Message;  // as the message box shows it, a line break for the CR
  const char* Shown;    // the box's text after the message
};

void PrintTo(const RefusalRow& R, std::ostream* Os) {
  *Os << '"' << R.Typed << '"' << (R.IntegerOnly ? " whole" : "");
}

class DataEditRefusalTest : public ::testing::TestWithParam<RefusalRow> {};

TEST_P(DataEditRefusalTest, TellsWhyAndKeepsTheFocus) {
  const RefusalRow& p = GetParam();
  EntryWindow<TDataEdit> w;
  w.box->SetIntegerOnly(p.IntegerOnly);
  w.box->SetMinVal(p.Min);
  w.box->SetMaxVal(p.Max);
  TMessageCatcher catcher;
  w.Enter(QLatin1String(p.Typed));
  w.Leave();
  ASSERT_EQ(catcher.Messages.size(), 1);  // once, although its box takes the focus
  EXPECT_EQ(catcher.Messages[0].Text, QLatin1String(p.Message));
  EXPECT_EQ(catcher.Messages[0].Icon, QMessageBox::Information);
  EXPECT_EQ(catcher.Messages[0].Buttons.size(), 1);
  EXPECT_EQ(w.box->text(), QLatin1String(p.Shown));
  EXPECT_EQ(QApplication::focusWidget(), w.box);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, DataEditRefusalTest, ::testing::Values(
  RefusalRow{false, 0,   0.5, "0.7", "Entry must be less than or equal to 0.5",    "0.5"},
  RefusalRow{false, 1.5, 9,   "1",   "Entry must be greater than or equal to 1.5", "1.5"},
  RefusalRow{true,  0,   100, "2.5", "Entry must be an integer.",                  "2.5"},
  RefusalRow{true,  0,   100, "abc", "Entry must be a valid integer.",             "abc"},
  RefusalRow{false, 0,   100, "abc",
             "Entry could not be evaluated:\ninvalid character(s) in expression",  "abc"},
  RefusalRow{false, -1e9, 1e9, "1/0", "Floating point division by zero",          "1/0"},
  RefusalRow{false, -1e9, 1e9, "ln 0", "Floating point division by zero",         "ln 0"}));
// clang-format on

TEST(DataEdit, EnterChecksAndSelectsAndGoesNoFurther) {
  EntryWindow<TDataEdit> w;
  auto* ok = new QPushButton(QStringLiteral("OK"), &w.Window);
  ok->setDefault(true);
  int accepted = 0;
  QObject::connect(ok, &QPushButton::clicked, [&] { ++accepted; });
  w.Enter(QStringLiteral("3+4"));
  QTest::keyClick(w.box, Qt::Key_Return);
  EXPECT_EQ(w.box->text(), QStringLiteral("7"));
  EXPECT_EQ(w.box->selectedText(), QStringLiteral("7"));
  EXPECT_EQ(QApplication::focusWidget(), w.box);
  EXPECT_EQ(accepted, 0);
  EXPECT_TRUE(w.Window.isVisible());
}

TEST(DataEdit, AnOperatorTypedOverTheSelectedValueIsAppended) {
  EntryWindow<TDataEdit> w;
  w.box->SetNumber(5);
  w.TabInto();
  ASSERT_EQ(w.box->selectedText(), QStringLiteral("5"));
  QTest::keyClicks(w.box, QStringLiteral("*2"));
  EXPECT_EQ(w.box->text(), QStringLiteral("5*2"));
  w.Leave();
  EXPECT_EQ(w.box->text(), QStringLiteral("10"));
  // A digit typed over the selection replaces it.
  w.TabInto();
  QTest::keyClicks(w.box, QStringLiteral("3"));
  EXPECT_EQ(w.box->text(), QStringLiteral("3"));
}

TEST(DataEdit, LabelShowsTheCaptionWithTheUnitAndFollowsTheBox) {
  EntryWindow<TDataEdit> w;
  w.box->SetEditLabel(w.Label);
  w.box->SetCaption(QStringLiteral("Unit weight"));
  EXPECT_EQ(w.Label->text(), QStringLiteral("Unit weight"));
  w.box->SetUnitsString(QStringLiteral("F/L2^3"));
  EXPECT_EQ(w.Label->text(), QStringLiteral("Unit weight (lbs/ft^3)"));
  w.box->SetUnits(2);
  EXPECT_EQ(w.Label->text(), QStringLiteral("Unit weight (kN/m^3)"));
  w.box->SetUnits(7);
  EXPECT_EQ(w.box->Units(), 3);
  EXPECT_EQ(w.Label->text(), QStringLiteral("Unit weight (F/L2^3)"));
  w.box->SetUnits(0);
  EXPECT_EQ(w.box->Units(), 1);
  w.box->setEnabled(false);
  EXPECT_FALSE(w.Label->isEnabled());
  w.box->setEnabled(true);
  EXPECT_TRUE(w.Label->isEnabled());
  EXPECT_EQ(w.Label->buddy(), w.box);
}

TEST(DataEdit, LimitsPullTheValueAndEachOther) {
  EntryWindow<TDataEdit> w;
  EXPECT_EQ(w.box->text(), QStringLiteral("0"));
  w.box->SetNumber(50);
  w.box->SetMaxVal(20);  // the value follows its new limit
  EXPECT_EQ(w.box->text(), QStringLiteral("20"));
  w.box->SetMinVal(30);  // never above the maximum
  EXPECT_EQ(w.box->MinVal(), 20);
  w.box->SetNumber(-4);
  EXPECT_EQ(w.box->text(), QStringLiteral("20"));
  w.box->SetIntegerOnly(true);
  w.box->SetMaxVal(1e12L);
  EXPECT_EQ(w.box->MaxVal(), 2147483647.0L);
  w.box->SetHex(true);
  w.box->SetNumber(255);
  EXPECT_EQ(w.box->text(), QStringLiteral("$00FF"));
  // While the window sets it up, nothing is clamped.
  w.box->SetHex(false);
  w.box->SetLoading(true);
  w.box->SetMinVal(-5);
  w.box->SetMaxVal(-6);
  w.box->SetNumber(99);
  EXPECT_EQ(w.box->text(), QStringLiteral("99"));
  EXPECT_EQ(w.box->MaxVal(), -6);
}

class DataComboTest : public ::testing::Test {
protected:
  void SetUp() override {
    w.box->addItems({QStringLiteral("Soft"), QStringLiteral("Medium"), QStringLiteral("Hard")});
    w.box->Values = {QStringLiteral("10"), QStringLiteral("20"), QStringLiteral("30")};
  }
  EntryWindow<TDataCombo> w;
};

TEST_F(DataComboTest, AChosenItemBecomesItsValue) {
  w.TabInto();
  QTest::keyClick(w.box, Qt::Key_Down);
  EXPECT_EQ(w.box->currentText(), QStringLiteral("Medium"));
  w.Leave();
  EXPECT_EQ(w.box->currentText(), QStringLiteral("20"));
  EXPECT_EQ(w.box->Number(), 20);
}

TEST_F(DataComboTest, OnlyPlainNumbersCanBeTyped) {
  w.Enter(QStringLiteral("1a+*/(e5"));
  EXPECT_EQ(w.box->currentText(), QStringLiteral("1E5"));
  QTest::keyClick(w.box, Qt::Key_Backspace);
  EXPECT_EQ(w.box->currentText(), QStringLiteral("1E"));
}

TEST_F(DataComboTest, AnAcceptedEntryKeepsItsText) {
  TMessageCatcher catcher;
  w.Enter(QStringLiteral("1.50"));
  w.Leave();
  EXPECT_EQ(w.box->currentText(), QStringLiteral("1.50"));
  // The limits start as the full range.
  w.Enter(QStringLiteral("-123456"));
  w.Leave();
  EXPECT_EQ(w.box->currentText(), QStringLiteral("-123456"));
  EXPECT_TRUE(catcher.Messages.isEmpty());
}

TEST_F(DataComboTest, RefusalsAndTheirLimitsInEightDigits) {
  w.box->SetMaxVal(1.0L / 3);
  TMessageCatcher catcher;
  w.Enter(QStringLiteral("0.5"));
  w.Leave();
  EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Entry must be less than or equal to 0.33333333")});
  EXPECT_EQ(w.box->currentText(), QStringLiteral("0.33333333"));
  EXPECT_EQ(QApplication::focusWidget(), w.box);
  w.box->SetMaxVal(100);
  w.box->SetNumber(3);
  w.box->SetIntegerOnly(true);
  catcher.Clear();
  w.Enter(QStringLiteral("2.5"));
  w.Leave();
  EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Entry must be an integer.")});
  w.box->SetNumber(2.7L);
  EXPECT_EQ(w.box->currentText(), QStringLiteral("2"));
}

TEST_F(DataComboTest, LabelNamesOnlyTheOneLetterCodes) {
  w.box->SetEditLabel(w.Label);
  w.box->SetCaption(QStringLiteral("Damping"));
  w.box->SetUnitsString(QStringLiteral("F/L2^3"));
  w.box->SetUnits(2);
  EXPECT_EQ(w.Label->text(), QStringLiteral("Damping (kN/m2^3)"));
  w.box->setEnabled(false);
  EXPECT_TRUE(w.Label->isEnabled());  // the label does not follow the box
}

}  // namespace
}  // namespace zavik
