// The child windows' protocol in an MDI area, driven as a user would: a
// window loads when it becomes active and stores when it is left or closed;
// an entry its box refuses keeps the window active and open, told once.
#include "InputWindows.h"

#include <QCloseEvent>
#include <QVBoxLayout>

namespace zavik {
namespace {

using namespace testing;

// A window over two values of its own: a box without limits and one that
// takes 0 .. 10.
struct TValues {
  long double A = 1, B = 2;
};

class TProbeForm : public TChildForm {
public:
  explicit TProbeForm(TValues& Values) : FValues(Values) {
    auto* layout = new QVBoxLayout(this);
    A = new TDataEdit(this);
    B = new TDataEdit(this);
    B->SetMaxVal(10);
    B->SetMinVal(0);
    layout->addWidget(A);
    layout->addWidget(B);
    connect(A, &QLineEdit::textEdited, this, &TChildForm::Modified);
    connect(B, &QLineEdit::textEdited, this, &TChildForm::Modified);
  }
  void FormActivate() override {
    ++Activations;
    A->SetNumber(FValues.A);
    B->SetNumber(FValues.B);
  }
  TDataEdit* A;
  TDataEdit* B;
  int Activations = 0;
  int Stores = 0;

public:
  void StoreValues() override {
    ++Stores;
    FValues.A = A->Number();
    FValues.B = B->Number();
  }

private:
  TValues& FValues;
};

class ChildFormTest : public InputWindowsTest {
public:
  void SetUp() override {
    One = Show(new TProbeForm(OneValues));
    Two = Show(new TProbeForm(TwoValues));
    Area->setActiveSubWindow(SubWindowOf(One));
    Pause();
  }
  TValues OneValues, TwoValues{5, 6};
  TProbeForm* One = nullptr;
  TProbeForm* Two = nullptr;
};

TEST_F(ChildFormTest, ActivationLoadsAndLeavingStores) {
  ASSERT_TRUE(IsActive(One));
  EXPECT_EQ(One->A->text(), QStringLiteral("1"));
  Type(One->A, QStringLiteral("3*4"));
  ClickInto(Two->B);
  EXPECT_TRUE(IsActive(Two));
  EXPECT_EQ(OneValues.A, 12);
  EXPECT_EQ(One->A->text(), QStringLiteral("12"));
  // Coming back shows what the values are now.
  TwoValues.A = 7;
  OneValues.B = 9;
  const int before = One->Activations;
  ClickInto(One->A);
  EXPECT_TRUE(IsActive(One));
  EXPECT_EQ(One->Activations, before + 1);
  EXPECT_EQ(One->B->text(), QStringLiteral("9"));
  EXPECT_EQ(TwoValues.B, 6);
}

// Whichever way the user tries to leave the window, a refused entry is told
// once, the window stays active with the focus in the box, and nothing is
// stored; the entry put right, the window is left.
struct LeaveRow {
  const char* Name;
  void (*Leave)(ChildFormTest&);
};
void PrintTo(const LeaveRow& R, std::ostream* Os) { *Os << R.Name; }

class RefusedEntryTest : public ChildFormTest, public ::testing::WithParamInterface<LeaveRow> {};

TEST_P(RefusedEntryTest, KeepsTheWindowActiveAndStoresNothing) {
  Type(One->A, QStringLiteral("8"));
  for (const char* typed : {"abc", "25"}) {
    SCOPED_TRACE(typed);
    Type(One->B, QLatin1String(typed));
    TMessageCatcher catcher;
    const int stores = One->Stores;
    GetParam().Leave(*this);
    Pause();
    EXPECT_EQ(catcher.Messages.size(), 1) << catcher.Texts().join(QLatin1Char('|')).toStdString();
    EXPECT_TRUE(IsActive(One));
    EXPECT_TRUE(One->isVisible());
    EXPECT_EQ(One->focusWidget(), One->B);
    EXPECT_EQ(One->Stores, stores);
    EXPECT_EQ(OneValues.A, 1);
    EXPECT_EQ(Two->Activations, 1);  // the window the user went to was not loaded
  }
  Type(One->B, QStringLiteral("4"));
  ClickInto(Two->A);
  EXPECT_TRUE(IsActive(Two));
  EXPECT_EQ(OneValues.A, 8);
  EXPECT_EQ(OneValues.B, 4);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ways, RefusedEntryTest, ::testing::Values(
  LeaveRow{"ClickIntoAnotherWindow", [](ChildFormTest& T) { QTest::mouseClick(T.Two->A, Qt::LeftButton); }},
  LeaveRow{"NextWindow",             [](ChildFormTest& T) { T.Area->activateNextSubWindow(); }},
  LeaveRow{"CloseTheWindow",         [](ChildFormTest& T) { EXPECT_FALSE(T.One->close()); }},
  LeaveRow{"CloseTheSubWindow",      [](ChildFormTest& T) { EXPECT_FALSE(ChildFormTest::SubWindowOf(T.One)->close()); }},
  LeaveRow{"MenuCommand",            [](ChildFormTest& T) { EXPECT_FALSE(T.Activation->CommitActiveChild()); }}));
// clang-format on

TEST_F(ChildFormTest, AnEntryAboveItsLimitIsToldOnceAndShownAtTheLimit) {
  Type(One->B, QStringLiteral("1e12"));
  TMessageCatcher catcher;
  Area->activateNextSubWindow();
  Pause();
  EXPECT_EQ(catcher.Texts(), QStringList{QStringLiteral("Entry must be less than or equal to 10")});
  EXPECT_TRUE(IsActive(One));
  EXPECT_EQ(One->B->text(), QStringLiteral("10"));
  // Told, the user may leave with the value shown.
  Area->activateNextSubWindow();
  Pause();
  EXPECT_TRUE(IsActive(Two));
  EXPECT_EQ(OneValues.B, 10);
  EXPECT_EQ(catcher.Messages.size(), 1);
}

// Two windows whose active boxes both hold refused entries do not hand the
// activation to each other without end: the one the user is in keeps it.
TEST_F(ChildFormTest, TwoRefusingWindowsDoNotReactivateEachOther) {
  ClickInto(Two->B);  // the box Two's focus returns to
  ClickInto(One->A);
  ASSERT_TRUE(IsActive(One));
  Two->B->setText(QStringLiteral("xyz"));
  TMessageCatcher catcher;
  Type(One->A, QStringLiteral("abc"));
  for (int attempt = 0; attempt < 3; ++attempt) {
    Area->activateNextSubWindow();
    QTest::qWait(200);
    EXPECT_TRUE(IsActive(One));
  }
  EXPECT_LE(catcher.Messages.size(), 3 * 2);
  EXPECT_EQ(OneValues.A, 1);
  EXPECT_EQ(TwoValues.A, 5);
}

TEST_F(ChildFormTest, ClosingStoresAndAMenuCommandCommitsTheActiveWindow) {
  Type(One->A, QStringLiteral("2+2"));
  EXPECT_TRUE(Activation->CommitActiveChild());
  EXPECT_EQ(OneValues.A, 4);
  EXPECT_TRUE(IsActive(One));
  Type(One->A, QStringLiteral("6"));
  QPointer<QMdiSubWindow> sub = SubWindowOf(One);
  EXPECT_TRUE(sub->close());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(sub);
  EXPECT_EQ(OneValues.A, 6);
  EXPECT_TRUE(IsActive(Two));
  EXPECT_EQ(Two->A->text(), QStringLiteral("5"));
}

}  // namespace
}  // namespace zavik
