#include "controls/DataEdit.h"

#include "controls/ExpressionEvaluator.h"
#include "controls/Messages.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QTimer>

namespace zavik {

// ---------------------------------------------------------------------------
// TEntryBox

bool TEntryBox::LeavesTheBox(const QFocusEvent* Event) {
  return Event->reason() != Qt::ActiveWindowFocusReason && Event->reason() != Qt::PopupFocusReason;
}

void TEntryBox::BringWithin(long double Limit, bool Above) {
  try {
    const long double v = Number();
    if (Above ? v > Limit : v < Limit) SetNumber(Limit);
  } catch (const Exception&) {
    // A text that is not a number yet is left for the exit check.
  }
}

void TEntryBox::SetMaxVal(long double Value) {
  if (FLoading) {
    FLimits.MaxVal = Value;
    return;
  }
  FLimits.MaxVal = FLimits.PulledMaxVal(Value);
  BringWithin(FLimits.MaxVal, true);
}

void TEntryBox::SetMinVal(long double Value) {
  if (FLoading) {
    FLimits.MinVal = Value;
    return;
  }
  FLimits.MinVal = FLimits.PulledMinVal(Value);
  BringWithin(FLimits.MinVal, false);
}

void TEntryBox::SetIntegerOnly(bool Value) {
  FLimits.IntegerOnly = Value;
  if (Value && !FLoading) {
    // Both limits are pulled into the 32-bit range.
    SetMaxVal(FLimits.MaxVal);
    SetMinVal(FLimits.MinVal);
  }
}

void TEntryBox::SetCaption(const QString& Value) {
  FCaption = Value;
  UpdateLabel();
}

void TEntryBox::SetUnitsString(const QString& Value) {
  FUnitsString = Value;
  UpdateLabel();
}

void TEntryBox::SetUnits(int Value) {
  FUnits = qBound(1, Value, 3);
  UpdateLabel();
}

void TEntryBox::SetEditLabel(QLabel* Label) {
  FEditLabel = Label;
  if (Label) Label->setBuddy(FBox);
  UpdateLabel();
}

void TEntryBox::UpdateLabel() {
  if (FEditLabel) FEditLabel->setText(LabelCaption(FCaption, FUnitsString, UnitsText()));
}

bool TEntryBox::Valid() {
  DoExit();
  return FValid;
}

void TEntryBox::LeaveWithoutCheck() {
  FChecking = true;
  FBox->clearFocus();
  FChecking = false;
}

bool TEntryBox::Accepts() {
  return CheckEntry(CheckedText(), FLimits, [this](long double v) { return LimitText(v); }).Result ==
         TEntryCheck::Accepted;
}

void TEntryBox::DoExit() {
  if (FChecking) return;
  FChecking = true;
  FValid = false;
  Guarded(FBox, [&] {
    EmitExited();
    const TEntryCheck check =
        CheckEntry(CheckedText(), FLimits, [this](long double v) { return LimitText(v); });
    switch (check.Result) {
      case TEntryCheck::Accepted:
        Accept(check.Value);
        FValid = true;
        return;
      case TEntryCheck::BelowMin: SetNumber(FLimits.MinVal); break;
      case TEntryCheck::AboveMax: SetNumber(FLimits.MaxVal); break;
      case TEntryCheck::Refused: break;  // the text stays as typed
    }
    // Told once for what the user did: the checks that follow in the same
    // action (the window left, then its activation handed back) refuse the
    // same entry without a word.
    if (!FToldRefusal || FToldText != CheckedText()) {
      FToldRefusal = true;
      FToldText = CheckedText();
      ShowInformation(FBox, check.Message);
      QTimer::singleShot(0, FBox, [this] { FToldRefusal = false; });
    }
    if (FocusOnlyWhenVisible() && !FBox->isVisible()) return;
    FBox->window()->activateWindow();
    FBox->setFocus(Qt::OtherFocusReason);
  });
  FChecking = false;
}

// ---------------------------------------------------------------------------
// TDataEdit

TDataEdit::TDataEdit(QWidget* Parent) : QLineEdit(QStringLiteral("0"), Parent), TEntryBox(this) {}

long double TDataEdit::Number() { return EvaluateExpression(text()); }

void TDataEdit::SetNumber(long double Value) {
  if (!FLoading) Value = FLimits.Clamp(Value);
  setText(FormatNumber(FHex, Value));
  // A value loaded into the box is what Escape takes an entry back to; the
  // limit a refused entry is brought to is not.
  if (!Checking()) FEntered = text();
}

QString TDataEdit::UnitsText() const { return EditUnitsText(FUnitsString, Units()); }

void TDataEdit::UpdateLabel() {
  if (FEditLabel) FEditLabel->setEnabled(isEnabled());
  TEntryBox::UpdateLabel();
}

void TDataEdit::Accept(long double Value) {
  // An accepted expression is replaced by its value.
  setText(FormatNumber(FHex, Value));
}

QString TDataEdit::LimitText(long double Value) const { return FormatNumber(false, Value); }

void TDataEdit::focusInEvent(QFocusEvent* Event) {
  QLineEdit::focusInEvent(Event);
  // The user comes into the box; coming back from another window or a
  // menu, or after the box's own refusal, is no new entry.
  const Qt::FocusReason reason = Event->reason();
  if (!Checking() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) FEntered = text();
}

void TDataEdit::focusOutEvent(QFocusEvent* Event) {
  QLineEdit::focusOutEvent(Event);
  if (LeavesTheBox(Event)) DoExit();
}

void TDataEdit::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    // Enter checks the entry and selects it; the key goes no further.
    DoExit();
    selectAll();
    Event->accept();
    return;
  }
  if (Event->key() == Qt::Key_Escape && Event->modifiers() == Qt::NoModifier && text() != FEntered) {
    // The entry is taken back, as the user's own edit (it is no longer the
    // entry that was refused); with nothing to take back, Escape goes on to
    // the window.
    selectAll();
    insert(FEntered);
    selectAll();
    Event->accept();
    return;
  }
  // With the whole text selected, an operator is appended to the value
  // instead of replacing it: *2 doubles what the box holds.
  static const QString operators = QStringLiteral("+-/*^=%!");
  const QString typed = Event->text();
  if (typed.size() == 1 && operators.contains(typed) && selectedText().size() == text().size())
    end(false);
  QLineEdit::keyPressEvent(Event);
}

void TDataEdit::changeEvent(QEvent* Event) {
  QLineEdit::changeEvent(Event);
  if (Event->type() == QEvent::EnabledChange) UpdateLabel();
}

}  // namespace zavik
