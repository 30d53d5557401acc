#pragma once
// The scene of the input windows' tests: an MDI area as the main window holds
// it, with the windows' protocol, the table editor's window layer, the
// project and its tables; and the user's actions on the windows.

#include "MessageCatcher.h"
#include "app/ChildForm.h"
#include "app/InputForm.h"
#include "core/ProgramData.h"
#include "controls/DataEdit.h"
#include "controls/TableWindows.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace zavik::testing {

class InputWindowsTest : public ::testing::Test {
public:
  InputWindowsTest() : Project(std::make_unique<TProgramData>(Tables)), Area(new QMdiArea) {
    Activation = new TChildActivation(Area.get());
    Windows.SetMdiArea(Area.get());
    Tables.SetTableWindows(&Windows);
    Area->resize(1250, 950);
    Area->show();
    Area->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(Area.get()));
  }
  ~InputWindowsTest() override {
    // Whatever a test left in a box, the windows close without a question.
    TMessageCatcher catcher;
    for (TDataEdit* box : Area->findChildren<TDataEdit*>()) {
      const TEntryCheck check = CheckEntry(box->text(), {box->MinVal(), box->MaxVal(), box->IntegerOnly()},
                                           [](long double) { return QString(); });
      if (check.Result != TEntryCheck::Accepted) box->setText(QStringLiteral("0"));
    }
    Area->closeAllSubWindows();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  TProjectAccessor Accessor() {
    return [this] { return Project.get(); };
  }
  // Opens a window as the main window does: a child of the area, freed when
  // it closes, its edits marking the project modified; active and loaded.
  template <class F>
  F* Open() {
    return Show(new F(Accessor()));
  }
  template <class F>
  F* Show(F* Form) {
    QObject::connect(Form, &TChildForm::Modified, &Tables, [this] { Tables.SetModified(true); });
    QMdiSubWindow* sub = Area->addSubWindow(Form, ChildWindowFlags);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->show();
    Area->setActiveSubWindow(sub);
    Pause();
    return Form;
  }
  static QMdiSubWindow* SubWindowOf(QWidget* Form) {
    return qobject_cast<QMdiSubWindow*>(Form->parentWidget());
  }
  bool IsActive(QWidget* Form) const { return Area->activeSubWindow() == SubWindowOf(Form); }

  // The user clicks into a box, takes its whole text and types over it.
  static void Type(TDataEdit* Box, const QString& Text) {
    QTest::mouseClick(Box, Qt::LeftButton);
    QTest::keyClick(Box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(Box, Text);
  }
  // In a table editor: types over the whole entry of the current cell, key
  // by key to whatever has the focus (the first key opens the cell's
  // editor), and Enter.
  static void TypeCell(const QString& Text) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
    for (QChar c : Text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
  }
  // Tab to the next control of the window.
  static void Tab() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    Pause();
  }
  // The user goes to another window by clicking into it.
  static void ClickInto(QWidget* Widget) {
    QTest::mouseClick(Widget, Qt::LeftButton);
    Pause();
  }
  // The user's next action comes after the events of the last one.
  static void Pause() { QTest::qWait(30); }

  static bool LabelOfVisible(TDataEdit* Box) { return Box->EditLabel() && Box->EditLabel()->isVisible(); }
  static bool LabelOfEnabled(TDataEdit* Box) { return Box->EditLabel() && Box->EditLabel()->isEnabled(); }
  static QString LabelText(TDataEdit* Box) { return Box->EditLabel() ? Box->EditLabel()->text() : QString(); }

  // The main window's view of the project's changed state.
  bool IsModified() const {
    if (Tables.Modified()) return true;
    for (const TGridTable* t : Tables.Tables())
      if (t->GetChanged()) return true;
    return false;
  }

  TProjectTables Tables;
  std::unique_ptr<TProgramData> Project;
  std::unique_ptr<QMdiArea> Area;
  TChildActivation* Activation;
  TTableWindowHost Windows;
};

}  // namespace zavik::testing
