#include "controls/DataCombo.h"

#include "controls/ExpressionEvaluator.h"
#include "controls/NumberFormat.h"

#include <QFocusEvent>
#include <QKeyEvent>

#include <cmath>

namespace zavik {

TDataCombo::TDataCombo(QWidget* Parent) : QComboBox(Parent), TEntryBox(this) {
  setEditable(true);
  setInsertPolicy(QComboBox::NoInsert);
  setEditText(QStringLiteral("0"));
}

void TDataCombo::ShowItemValue() {
  if (!parentWidget()) return;
  const int item = findText(currentText(), Qt::MatchExactly);
  if (item >= 0 && item < Values.size()) setEditText(Values[item]);
}

long double TDataCombo::Number() {
  ShowItemValue();
  return EvaluateExpression(currentText());
}

QString TDataCombo::CheckedText() {
  ShowItemValue();
  return currentText();
}

void TDataCombo::SetNumber(long double Value) {
  if (!FLoading) Value = FLimits.Clamp(Value);
  setEditText(FLimits.IntegerOnly ? QString::number(static_cast<long long>(truncl(Value)))
                                  : FloatToStrGeneral(Value, 8));
}

QString TDataCombo::UnitsText() const { return ComboUnitsText(FUnitsString, Units()); }

QString TDataCombo::LimitText(long double Value) const { return FloatToStrGeneral(Value, 8); }

void TDataCombo::focusOutEvent(QFocusEvent* Event) {
  QComboBox::focusOutEvent(Event);
  if (LeavesTheBox(Event)) DoExit();
}

void TDataCombo::keyPressEvent(QKeyEvent* Event) {
  // Only plain numbers are typed: digits, "-", ".", E (e is taken as E);
  // every other character, Enter included, is dropped. Keys that type no
  // character (arrows, Backspace, Delete, Tab, shortcuts) work as in any
  // combo box.
  const QString typed = Event->text();
  const int key = Event->key();
  const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
  if (!enter && (typed.isEmpty() || !typed[0].isPrint())) {
    QComboBox::keyPressEvent(Event);
    return;
  }
  const QChar c = typed.isEmpty() ? QChar() : typed[0].toUpper();
  const bool number =
      c.isDigit() || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('E');
  if (enter || typed.size() != 1 || !number) {
    Event->accept();
    return;
  }
  QKeyEvent upper(Event->type(), key, Event->modifiers(), QString(c), Event->isAutoRepeat(),
                  ushort(Event->count()));
  QComboBox::keyPressEvent(&upper);
}

}  // namespace zavik
