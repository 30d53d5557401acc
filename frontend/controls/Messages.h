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
// The message of an exception of any kind; running out of memory says so in
// the system's words.
QString ExceptionMessage(const std::exception& E);

void ShowInformation(QWidget* Parent, const QString& Message);
void ShowError(QWidget* Parent, const QString& Message);

// Runs Body and tells whether it ran to its end. An exception it raises goes
// no further: Show is given the exception's Text (an exception of no known
// class says "Unknown error"). By default the exception's own message in an
// error box, as the program shows every error nothing else catches; windows
// whose design shows a failure as information pass their own pair.
template <class F>
bool Guarded(QWidget* Parent, F&& Body, void (*Show)(QWidget*, const QString&) = ShowError,
             QString (*Text)(const std::exception&) = ExceptionMessage) noexcept {
  try {
    try {
      std::forward<F>(Body)();
      return true;
    } catch (const std::exception& e) {
      Show(Parent, Text(e));
    } catch (...) {
      Show(Parent, QStringLiteral("Unknown error"));
    }
  } catch (...) {
    // Showing the message failed as well; nothing more can be done here.
  }
  return false;
}

}  // namespace zavik
