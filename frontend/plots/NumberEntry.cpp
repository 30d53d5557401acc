#include "plots/NumberEntry.h"

#include "controls/ExpressionEvaluator.h"
#include "controls/NumberFormat.h"

#include "plots/PlotMessages.h"

#include <QLabel>

#include <cmath>

namespace zavik {

TNumberEntry::TNumberEntry(QWidget* Parent) : QLineEdit(QStringLiteral("0"), Parent) {}

void TNumberEntry::SetEditLabel(QLabel* Label) {
  FLabel = Label;
  if (FLabel) FLabel->setBuddy(this);
  UpdateLabel();
}

void TNumberEntry::SetCaption(const QString& Caption) {
  FCaption = Caption;
  UpdateLabel();
}

void TNumberEntry::SetUnitsString(const QString& Units) {
  FUnits = Units;
  UpdateLabel();
}

void TNumberEntry::UpdateLabel() {
  if (!FLabel) return;
  FLabel->setText(FUnits.isEmpty() ? FCaption : FCaption + QStringLiteral(" (") + FUnits + QLatin1Char(')'));
}

long double TNumberEntry::Number() const { return EvaluateExpression(text()); }

void TNumberEntry::SetNumber(long double Value) { setText(FloatToStrGeneral(Value, 18)); }

bool TNumberEntry::Valid() {
  QString message;
  try {
    const long double v = Number();
    if (IntegerOnly && v != std::trunc(v)) {
      message = QStringLiteral("Entry must be an integer.");
    } else if (v < MinVal) {
      SetNumber(MinVal);
      message = QStringLiteral("Entry must be greater than or equal to ") + FloatToStrGeneral(MinVal, 18);
    } else if (v > MaxVal) {
      SetNumber(MaxVal);
      message = QStringLiteral("Entry must be less than or equal to ") + FloatToStrGeneral(MaxVal, 18);
    } else {
      SetNumber(v);
      return true;
    }
  } catch (const EAssignError& e) {
    message = IntegerOnly ? QStringLiteral("Entry must be a valid integer.") : e.Message();
  } catch (const Exception& e) {
    message = e.Message();
  }
  Inform(this, message);
  setFocus();
  selectAll();
  return false;
}

}  // namespace zavik
