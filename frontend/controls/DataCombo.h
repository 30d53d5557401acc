#pragma once
// TDataCombo, the drop-down twin of TDataEdit: a combo box whose text is a
// number, with a list of named choices, item i standing for the numeric text
// Values[i]. The same limits and exit check as TDataEdit, except that an
// accepted entry keeps its text, only plain numbers can be typed, and the
// limits in its messages have 8 significant digits. Its limits start as the
// full range, as TDataEdit's do.

#include "controls/DataEdit.h"

#include <QComboBox>
#include <QStringList>

namespace zavik {

class TDataCombo : public QComboBox, public TEntryBox {
  Q_OBJECT
public:
  explicit TDataCombo(QWidget* Parent = nullptr);

  // The numeric texts of the items, one per item.
  QStringList Values;

  // A text that names an item is first replaced by that item's value; then
  // the text is evaluated.
  long double Number() override;
  // The text is the value truncated to a whole number with IntegerOnly,
  // else in the general format with 8 digits.
  void SetNumber(long double Value) override;
  // Only the one-letter codes are named: every F, then every L.
  QString UnitsText() const override;

signals:
  void Exited();

protected:
  void focusOutEvent(QFocusEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void EmitExited() override { emit Exited(); }
  QString CheckedText() override;
  void Accept(long double) override {}  // the text stays as typed or chosen
  QString LimitText(long double Value) const override;
  bool FocusOnlyWhenVisible() const override { return false; }

private:
  void ShowItemValue();
};

}  // namespace zavik
