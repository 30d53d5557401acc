#pragma once
// What the foundation views do in their slots and event handlers: an
// exception shows its message in an information box and the handler returns
// normally; a view shown in an MDI area learns when its sub-window becomes
// active.

#include <QMetaObject>
#include <QString>

#include <exception>
#include <functional>
#include <utility>

class QEvent;
class QWidget;

namespace zavik {

// Calls Activate whenever the MDI sub-window that holds View is about to
// become active; call it from View's event handler with each event (it acts
// on the change of parent). Connection keeps the link to the sub-window.
void FollowSubWindowActivation(QWidget* View, QEvent* Event, QMetaObject::Connection& Connection,
                               const std::function<void()>& Activate);

// The message for an exception: a pile type without sections for a list
// index error, else the error's own text.
QString ViewErrorText(const std::exception& E);

// Shows Message in an information box with an OK button.
void ShowViewMessage(QWidget* Parent, const QString& Message);

// Runs Command; an exception shows its message instead and answers false.
template <class F>
bool RunShowingErrors(QWidget* Parent, F&& Command) noexcept {
  try {
    try {
      std::forward<F>(Command)();
      return true;
    } catch (const std::exception& E) {
      ShowViewMessage(Parent, ViewErrorText(E));
    }
  } catch (...) {
    // Showing the message failed as well; nothing more can be done here.
  }
  return false;
}

}  // namespace zavik
