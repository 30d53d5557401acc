#pragma once
// What the foundation views do with an exception in a slot or an event
// handler: the user sees its message in an information box, and the handler
// returns normally.

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace zavik {

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
