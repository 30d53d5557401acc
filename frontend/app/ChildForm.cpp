#include "app/ChildForm.h"

#include "controls/DataEdit.h"
#include "controls/Messages.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace zavik {

TChildForm::TChildForm(QWidget* Parent) : QWidget(Parent) {}

void TChildForm::WatchEntries() {
  for (TDataEdit* box : findChildren<TDataEdit*>()) {
    if (box->property("zavWatched").toBool()) continue;
    box->setProperty("zavWatched", true);
    connect(box, &TDataEdit::Exited, this, [this, box] { EntryChecked(box); });
    connect(box, &QLineEdit::textEdited, this, [this, box] {
      if (FRefused == box) FRefused = nullptr;
    });
  }
}

void TChildForm::EntryChecked(TDataEdit* Box) {
  // The box is about to check its text; the verdict is the same pure check.
  const TEntryLimits limits{Box->MinVal(), Box->MaxVal(), Box->IntegerOnly()};
  const TEntryCheck check = CheckEntry(Box->text(), limits, [](long double) { return QString(); });
  FRefused = check.Result == TEntryCheck::Accepted ? nullptr : Box;
}

void TChildForm::showEvent(QShowEvent* Event) {
  WatchEntries();
  QWidget::showEvent(Event);
}

bool TChildForm::LeaveForWindow() {
  if (FRefused && FRefused == focusWidget()) {
    FRefused = nullptr;
    return false;
  }
  return FormDeactivate();
}

bool TChildForm::ActiveEntryValid() {
  auto* box = dynamic_cast<TEntryBox*>(focusWidget());
  return box == nullptr || box->Valid();
}

bool TChildForm::FormDeactivate() {
  const bool valid = ActiveEntryValid();
  FRefused = nullptr;
  if (!valid) return false;
  bool stored = false;
  Guarded(this, [&] {
    if (!AcceptValues()) return;
    StoreValues();
    stored = true;
  });
  return stored;
}

void TChildForm::closeEvent(QCloseEvent* Event) {
  if (FormDeactivate())
    Event->accept();
  else
    Event->ignore();
}

TChildForm* ChildFormOf(QMdiSubWindow* Window) {
  return Window != nullptr ? qobject_cast<TChildForm*>(Window->widget()) : nullptr;
}

TChildActivation::TChildActivation(QMdiArea* Area) : QObject(Area), FArea(Area) {
  connect(Area, &QMdiArea::subWindowActivated, this, &TChildActivation::SubWindowActivated);
}

bool TChildActivation::CommitActiveChild() {
  TChildForm* form = ChildFormOf(FActive);
  return form == nullptr || form->FormDeactivate();
}

void TChildActivation::SubWindowActivated(QMdiSubWindow* Window) {
  if (FReturning || Window == FActive) return;
  if (TChildForm* left = ChildFormOf(FActive); left != nullptr && !left->LeaveForWindow()) {
    // The window that was left holds a refused entry: it keeps the
    // activation. The one the user went to is not loaded, so it cannot
    // refuse in turn and hand the activation back without end.
    FReturning = true;
    FArea->setActiveSubWindow(FActive);
    FReturning = false;
    return;
  }
  FActive = Window;
  if (TChildForm* entered = ChildFormOf(Window)) Guarded(entered, [&] { entered->FormActivate(); });
}

}  // namespace zavik
