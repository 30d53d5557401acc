#pragma once
// Drives the modal dialogs and message boxes that a widget under test opens:
// each step waits for the next modal window and acts on it, as a user would.

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
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
  // before it acted on. A step may add further steps.
  void Then(std::function<void(QWidget*)> Step) {
    FState->Steps.push_back(std::move(Step));
    if (!FState->Polling) Poll(FState, nullptr);
  }

  // Reads the text of the next message box and presses its OK button.
  void ThenMessage(QString& Text) {
    Then([&Text](QWidget* W) {
      auto* box = qobject_cast<QMessageBox*>(W);
      Text = box ? box->text() : QStringLiteral("(no message box)");
      if (box) box->button(QMessageBox::Ok)->click();
    });
  }

  bool Done() const { return FState->Steps.empty(); }

private:
  struct TState {
    std::deque<std::function<void(QWidget*)>> Steps;
    bool Polling = false;
  };

  // Previous is watched: a window freed and another made at its address is a
  // new one.
  static void Poll(std::shared_ptr<TState> State, QPointer<QWidget> Previous) {
    State->Polling = true;
    QTimer::singleShot(10, [State, Previous] {
      if (State->Steps.empty()) {
        State->Polling = false;
        return;
      }
      QWidget* modal = QApplication::activeModalWidget();
      if (!modal || modal == Previous.data() || !modal->isVisible()) {
        Poll(State, Previous);
        return;
      }
      auto step = std::move(State->Steps.front());
      State->Steps.pop_front();
      // The step may open the next modal window and wait in it.
      Poll(State, modal);
      step(modal);
    });
  }

  std::shared_ptr<TState> FState = std::make_shared<TState>();
};

}  // namespace zavik
