#pragma once
// TDataEdit, the single-line box in which every number of the project is
// typed. It takes a number or an expression; when the user leaves the box or
// presses Enter the entry is evaluated, checked against MinVal, MaxVal and
// IntegerOnly and rewritten as a plain number, or the user is told what is
// wrong and the focus comes back to the box. Escape puts back the value the
// box had when the user came into it. Its label shows
// "Caption (unit)" in the current unit system. The box converts no values:
// the window that owns it loads and stores them.

#include "controls/NumericEntry.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>

namespace zavik {

// What TDataEdit and its drop-down twin TDataCombo share: the limits and
// their rules, the label, the loading state and the exit check.
class TEntryBox {
public:
  virtual ~TEntryBox() = default;

  // The value of the text; raises EAssignError (or EMathError) when it
  // cannot be evaluated. No limit check.
  virtual long double Number() = 0;
  // Outside loading the value is clamped to the limits; the text becomes it.
  virtual void SetNumber(long double Value) = 0;

  long double MinVal() const { return FLimits.MinVal; }
  void SetMinVal(long double Value);
  long double MaxVal() const { return FLimits.MaxVal; }
  void SetMaxVal(long double Value);
  bool IntegerOnly() const { return FLimits.IntegerOnly; }
  void SetIntegerOnly(bool Value);

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  const QString& UnitsString() const { return FUnitsString; }
  void SetUnitsString(const QString& Value);
  int Units() const { return FUnits; }
  void SetUnits(int Value);  // 1 English, 2 SI, 3 the template itself; clamped
  QLabel* EditLabel() const { return FEditLabel; }
  void SetEditLabel(QLabel* Label);  // not owned; its mnemonic focuses the box
  virtual QString UnitsText() const = 0;
  virtual void UpdateLabel();

  // While the owning window sets the box up, limits and values are stored
  // without clamping.
  void SetLoading(bool Value) { FLoading = Value; }

  // Runs the exit check, with its messages and focus, and tells its result.
  bool Valid();
  // Whether the exit check would accept the entry; no message, and the text
  // is not rewritten.
  bool Accepts();
  // The exit check: on leaving the box (and on Enter in TDataEdit).
  void DoExit();
  // The focus leaves the box with no check: its window is going, and what it
  // holds is nobody's entry any more.
  void LeaveWithoutCheck();

protected:
  explicit TEntryBox(QWidget* Box) : FBox(Box) {}
  // The exit check is under way (its message box, the focus it puts back).
  bool Checking() const { return FChecking; }
  virtual void EmitExited() = 0;
  // The text to check (a combo box first puts a chosen item's value there).
  virtual QString CheckedText() = 0;
  virtual void Accept(long double Value) = 0;
  // The limits in the messages.
  virtual QString LimitText(long double Value) const = 0;
  // The focus comes back only to a box that is visible.
  virtual bool FocusOnlyWhenVisible() const = 0;
  // Whether leaving the focus with this reason leaves the box (not its
  // window, nor for a menu or a drop-down list).
  static bool LeavesTheBox(const QFocusEvent* Event);

  TEntryLimits FLimits;
  bool FLoading = false;
  QPointer<QLabel> FEditLabel;
  QString FCaption;
  QString FUnitsString;

private:
  void BringWithin(long double Limit, bool Above);

  QWidget* FBox;
  int FUnits = 1;
  bool FValid = false;
  bool FChecking = false;  // its own message box takes the focus: no second check
  bool FToldRefusal = false;  // this entry's refusal was told in the user's present action
  QString FToldText;
};

class TDataEdit : public QLineEdit, public TEntryBox {
  Q_OBJECT
public:
  explicit TDataEdit(QWidget* Parent = nullptr);

  long double Number() override;
  void SetNumber(long double Value) override;
  bool Hex() const { return FHex; }
  void SetHex(bool Value) { FHex = Value; }
  QString UnitsText() const override;
  void UpdateLabel() override;  // the label is enabled with the box

signals:
  // The box is being left, before its entry is checked.
  void Exited();

protected:
  void focusInEvent(QFocusEvent* Event) override;
  void focusOutEvent(QFocusEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void EmitExited() override { emit Exited(); }
  QString CheckedText() override { return text(); }
  void Accept(long double Value) override;
  QString LimitText(long double Value) const override;
  bool FocusOnlyWhenVisible() const override { return true; }

private:
  bool FHex = false;
  // What Escape puts back: the text when the user came into the box, or the
  // value loaded into it since.
  QString FEntered = QStringLiteral("0");
};

}  // namespace zavik
