#include "app/InputForm.h"

#include "core/ProgramData.h"
#include "controls/NumberHelpers.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>

#include <vector>

namespace zavik {

TInputForm::TInputForm(TProjectAccessor Project, const QString& Caption, QWidget* Parent)
    : TChildForm(Parent), FProject(std::move(Project)) {
  setWindowTitle(Caption);
}

TDataEdit* TInputForm::NewBox(QGridLayout* Grid, int Row, const QString& Caption,
                              const QString& Template, const TBoxLimits& Limits) {
  auto* label = new QLabel(this);
  auto* box = new TDataEdit(this);
  box->SetIntegerOnly(Limits.IntegerOnly);
  box->SetMaxVal(Limits.MaxVal);
  box->SetMinVal(Limits.MinVal);
  box->SetCaption(Caption);
  box->SetUnitsString(Template);
  box->SetEditLabel(label);
  box->setFixedWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 22);
  Grid->addWidget(label, Row, 0);
  Grid->addWidget(box, Row, 1);
  // Only what the user types marks the project modified, not the filling
  // of the box nor the rewriting of an accepted entry.
  connect(box, &QLineEdit::textEdited, this, &TInputForm::UserChanged);
  return box;
}

TDataEdit* TInputForm::AddBox(QGridLayout* Grid, int Row, const QString& Caption,
                              const QString& Template, const TBoxLimits& Limits,
                              long double TProgramData::* Field) {
  TDataEdit* box = NewBox(Grid, Row, Caption, Template, Limits);
  FBindings.append({box, Field, nullptr, {}});
  return box;
}

TDataEdit* TInputForm::AddBox(QGridLayout* Grid, int Row, const QString& Caption,
                              const QString& Template, const TBoxLimits& Limits,
                              int TProgramData::* Field) {
  TDataEdit* box = NewBox(Grid, Row, Caption, Template, Limits);
  FBindings.append({box, nullptr, Field, {}});
  return box;
}

void TInputForm::ShowRowCount(TDataEdit* Box, TGridTable* TProjectTables::* Table) {
  Box->setEnabled(false);
  FRowCounts.append({Box, Table, {}});
}

void TInputForm::ShowRowCounts(TProgramData& P) {
  for (TRowCount& count : FRowCounts) {
    TGridTable* table = P.Tables().*count.Table;
    if (count.Followed != table) {
      count.Followed = table;
      connect(table, &TGridTable::TableChanged, count.Box,
              [box = count.Box, table] { box->SetNumber(table->RowCount()); });
    }
    count.Box->SetNumber(table->RowCount());
  }
}

void TInputForm::ShowBox(TDataEdit* Box, bool Visible) {
  Box->setVisible(Visible);
  if (QLabel* label = LabelOf(Box)) label->setVisible(Visible);
}

void TInputForm::FitWindow() {
  if (QLayout* l = layout()) l->activate();
  adjustSize();
  if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    frame->adjustSize();
    KeepInsideArea(frame);
  }
}

QGroupBox* TInputForm::Group(const QString& Caption, QGridLayout*& Grid) {
  auto* group = new QGroupBox(Caption);
  Grid = new QGridLayout(group);
  return group;
}

void TInputForm::LoadBoxes(TProgramData& P) {
  for (TBinding& b : FBindings) {
    b.Box->SetUnits(Code(P.Units));
    b.Box->SetNumber(b.Real ? P.*b.Real : static_cast<long double>(P.*b.Whole));
    b.Loaded = b.Box->text();
  }
  FLoadedUnits = Code(P.Units);
}

bool TInputForm::ShowsUnitsOf(const TProgramData& P) const { return FLoadedUnits == Code(P.Units); }

void TInputForm::StoreBoxes(TProgramData& P) {
  if (!ShowsUnitsOf(P)) return;
  std::vector<qsizetype> changed;
  std::vector<long double> values;
  for (qsizetype i = 0; i < FBindings.size(); ++i) {
    if (FBindings[i].Box->text() == FBindings[i].Loaded) continue;
    changed.push_back(i);
    values.push_back(FBindings[i].Box->Number());
  }
  for (size_t k = 0; k < changed.size(); ++k) {
    TBinding& b = FBindings[changed[k]];
    if (b.Real)
      P.*b.Real = values[k];
    else
      P.*b.Whole = RoundToInt(values[k]);
    b.Loaded = b.Box->text();
  }
}

void TInputForm::StoreClamped(TProgramData& P) {
  for (const TBinding& b : FBindings) {
    const TEntryLimits limits{b.Box->MinVal(), b.Box->MaxVal(), b.Box->IntegerOnly()};
    if (b.Real) {
      if (const long double v = limits.Clamp(P.*b.Real); v != P.*b.Real) P.*b.Real = v;
    } else if (const long double v = limits.Clamp(P.*b.Whole); v != P.*b.Whole) {
      P.*b.Whole = RoundToInt(v);
    }
  }
}

void TInputForm::FormActivate() {
  if (TProgramData* p = Project()) {
    LoadBoxes(*p);
    ShowRowCounts(*p);
  }
}

void TInputForm::StoreValues() {
  if (TProgramData* p = Project()) StoreBoxes(*p);
}

}  // namespace zavik
