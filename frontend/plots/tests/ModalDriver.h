#pragma once
// Drives the modal dialogs and message boxes that a widget under test opens:
// each step waits for the next modal window and acts on it, as a user would.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>

namespace zavik {

class TModalDriver {
public:
  // Step runs once on the next modal window that is not the one the step
  // before it acted on.
  void Then(std::function<void(QWidget*)> Step) {
    FSteps->push_back(std::move(Step));
    if (FSteps->size() == 1) Poll(FSteps, nullptr);
  }

  // Reads the text of the next message box and presses its OK button.
  void ThenMessage(QString& Text) {
    Then([&Text](QWidget* W) {
      auto* box = qobject_cast<QMessageBox*>(W);
      Text = box ? box->text() : QStringLiteral("(no message box)");
      if (box) box->button(QMessageBox::Ok)->click();
      else W->close();
    });
  }

  bool Done() const { return FSteps->empty(); }

private:
  using TSteps = std::deque<std::function<void(QWidget*)>>;

  static void Poll(std::shared_ptr<TSteps> Steps, QWidget* Previous) {
    QTimer::singleShot(10, [Steps, Previous] {
      if (Steps->empty()) return;
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == Previous || !modal->isVisible()) {
        Poll(Steps, modal == Previous ? Previous : nullptr);
        return;
      }
      auto step = std::move(Steps->front());
      Steps->pop_front();
      // The step may open the next modal window and wait in it.
      Poll(Steps, modal);
      step(modal);
    });
  }

  std::shared_ptr<TSteps> FSteps = std::make_shared<TSteps>();
};

}  // namespace zavik
