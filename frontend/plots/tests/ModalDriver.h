#pragma once
// Drives the modal dialogs and message boxes that a widget under test opens:
// each step waits for the next modal window and acts on it, as a user would.
//
// A modal window that stays in front longer than the driver's deadline, one
// that a step acted on without closing it or one that no step was written
// for, fails the test and is closed, so that the exec() waiting on it
// returns and the test ends on its own.

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

namespace zavik {

class TModalDriver {
public:
  // Long enough for the slowest dialog of the sanitizer build to act on what
  // a step did; a window still in front after it is stuck.
  static constexpr int DefaultDeadlineMs = 20000;

  explicit TModalDriver(int DeadlineMs = DefaultDeadlineMs) { FState->DeadlineMs = DeadlineMs; }
  ~TModalDriver() { FState->Alive = false; }
  TModalDriver(const TModalDriver&) = delete;
  TModalDriver& operator=(const TModalDriver&) = delete;

  // Step runs once on the next modal window that is not the one the step
  // before it acted on. A step may add further steps.
  void Then(std::function<void(QWidget*)> Step) {
    FState->Steps.push_back(std::move(Step));
    if (!FState->Polling) Poll(FState);
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
    bool Alive = true;
    int DeadlineMs = DefaultDeadlineMs;
    // The window the last step acted on: a window freed and another made at
    // its address is a new one.
    QPointer<QWidget> Previous;
    // The modal window in front and since when it has been there.
    QPointer<QWidget> Front;
    QElapsedTimer FrontSince;
  };

  static void Poll(std::shared_ptr<TState> State) {
    State->Polling = true;
    QTimer::singleShot(10, [State] { Tick(State); });
  }

  static void Tick(const std::shared_ptr<TState>& State) {
    if (!State->Alive) {
      State->Polling = false;
      return;
    }
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && !modal->isVisible()) modal = nullptr;
    if (!modal) {
      State->Front = nullptr;
      // Nothing to wait for and nothing in front: the test goes on without
      // the driver until it adds a step.
      if (State->Steps.empty()) {
        State->Polling = false;
        return;
      }
      Poll(State);
      return;
    }
    if (modal != State->Previous.data() && !State->Steps.empty()) {
      auto step = std::move(State->Steps.front());
      State->Steps.pop_front();
      State->Previous = modal;
      State->Front = modal;
      State->FrontSince.start();
      // The step may open the next modal window and wait in it.
      Poll(State);
      step(modal);
      return;
    }
    if (modal != State->Front.data()) {
      State->Front = modal;
      State->FrontSince.start();
    } else if (State->FrontSince.elapsed() > State->DeadlineMs) {
      ADD_FAILURE() << "The modal window \"" << modal->windowTitle().toStdString() << "\" ("
                    << modal->metaObject()->className() << ") was still open " << State->DeadlineMs
                    << " ms after " << (modal == State->Previous.data() ? "its step acted on it" : "it opened with no step for it")
                    << "; it is closed.";
      State->Front = nullptr;
      if (auto* dialog = qobject_cast<QDialog*>(modal))
        dialog->reject();
      else
        modal->close();
    }
    Poll(State);
  }

  std::shared_ptr<TState> FState = std::make_shared<TState>();
};

}  // namespace zavik
