#pragma once
// The numeric entries of the plot dialogs: a line edit whose text is
// evaluated as an expression, with a label "Caption (unit)", limits and a
// whole-number switch, checked when the dialog's OK is pressed. It stands in
// for the program's numeric entry control and takes the same members, so the
// dialogs switch to that control by changing this header alone.

#include <QLineEdit>

#include <limits>

class QLabel;

namespace zavik {

class TNumberEntry : public QLineEdit {
  Q_OBJECT

public:
  explicit TNumberEntry(QWidget* Parent = nullptr);

  // The label that shows Caption and, when UnitsString is set, the unit in
  // parentheses; the entry becomes the label's buddy.
  void SetEditLabel(QLabel* Label);
  void SetCaption(const QString& Caption);
  void SetUnitsString(const QString& Units);

  long double MinVal = -std::numeric_limits<long double>::max();
  long double MaxVal = std::numeric_limits<long double>::max();
  bool IntegerOnly = false;

  // The value of the text; raises EAssignError when it cannot be evaluated.
  long double Number() const;
  // Writes the value in the general format with 18 digits.
  void SetNumber(long double Value);
  // Evaluates and checks the text; on a fault tells the user in an
  // information box, puts the limit into the box where one was passed, gives
  // the focus back to the entry and returns false.
  bool Valid();

private:
  void UpdateLabel();

  QLabel* FLabel = nullptr;
  QString FCaption;
  QString FUnits;
};

}  // namespace zavik
