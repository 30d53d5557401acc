#pragma once
// Guards that raise an exception of a named class with a message when a
// condition holds.

#include "controls/Exceptions.h"

#include <QString>

namespace zavik {

// Raises an exception of class E (the general class when none is given) when
// the condition holds.
template <class E = Exception>
void RaiseIf(bool Condition, const QString& Msg) {
  if (Condition) throw E(Msg);
}

template <class E = Exception>
void RaiseIfNot(bool Condition, const QString& Msg) {
  RaiseIf<E>(!Condition, Msg);
}

// As RaiseIf with the message formatted printf-style (%d, %s with const char*).
template <class E = Exception, class... Args>
void RaiseIfFmt(bool Condition, const char* Format, Args... Arguments) {
  if (Condition) throw E(QString::asprintf(Format, Arguments...));
}

}  // namespace zavik
