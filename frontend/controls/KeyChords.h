#pragma once
// Alt chords: Alt and a key, as a window's mnemonics come (a label's, a
// button's, a menu's). A chord that none of them takes reaches the control
// that has the keys as a key press carrying the key's character, which an
// entry would type; the windows keep such a chord out of their entries.

#include <QKeyEvent>

namespace zavik {

// Alt with a letter, or with a key that types a character, without Ctrl
// (AltGr may come as Ctrl+Alt, and types a character of its own).
inline bool IsAltChord(const QKeyEvent* Event) {
  const Qt::KeyboardModifiers m = Event->modifiers();
  if (!(m & Qt::AltModifier) || (m & (Qt::ControlModifier | Qt::GroupSwitchModifier))) return false;
  const QString text = Event->text();
  return (Event->key() >= Qt::Key_A && Event->key() <= Qt::Key_Z) || (!text.isEmpty() && text.at(0).isPrint());
}

}  // namespace zavik
