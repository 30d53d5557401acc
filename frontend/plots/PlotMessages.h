#pragma once
// Messages of the plot windows and dialogs, and the guard that keeps every
// error inside the handler that caused it: the user sees an information box
// and the window stays open.

#include "controls/Exceptions.h"

#include <QString>

#include <exception>
#include <new>

class QWidget;

namespace zavik {

// An information box with the single button OK.
void Inform(QWidget* Parent, const QString& Text);

// Runs Handler; an error it raises is shown to the user and goes no further.
template <class F>
void Guarded(QWidget* Parent, F&& Handler) noexcept {
  try {
    Handler();
  } catch (const Exception& e) {
    Inform(Parent, e.Message());
  } catch (const std::bad_alloc&) {
    Inform(Parent, QStringLiteral("There is not enough memory to complete this task."));
  } catch (const std::exception& e) {
    Inform(Parent, QString::fromUtf8(e.what()));
  } catch (...) {
    Inform(Parent, QStringLiteral("An unexpected error occurred."));
  }
}

}  // namespace zavik
