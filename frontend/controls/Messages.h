#pragma once
// Message boxes of the front end, each with the single button OK, and the
// guard every slot and event handler of the windows runs its work in: no
// exception may leave a handler, so whatever one raises is shown instead.

#include <QString>

#include <exception>
#include <utility>

class QWidget;

namespace zavik {

// The text as a message box shows it: the carriage returns that separate the
// lines of the system's messages become line breaks.
QString MessageText(const QString& Message);
// The message of an exception of any kind.
QString ExceptionMessage(const std::exception& E);

void ShowInformation(QWidget* Parent, const QString& Message);
void ShowError(QWidget* Parent, const QString& Message);

// Runs Body; an exception it raises is shown in an error box.
template <class F>
void Guarded(QWidget* Parent, F&& Body) noexcept {
  try {
    std::forward<F>(Body)();
  } catch (const std::exception& e) {
    ShowError(Parent, ExceptionMessage(e));
  } catch (...) {
    ShowError(Parent, QStringLiteral("Unknown error"));
  }
}

}  // namespace zavik
