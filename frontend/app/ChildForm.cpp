#include "app/ChildForm.h"

#include "controls/DataEdit.h"
#include "controls/Messages.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

namespace zavik {

TChildForm::TChildForm(QWidget* Parent) : QWidget(Parent) {}

bool TChildForm::ActiveEntryValid() {
  auto* box = dynamic_cast<TEntryBox*>(focusWidget());
  return box == nullptr || box->Valid();
}

bool TChildForm::FormDeactivate() {
  if (!ActiveEntryValid()) return false;
  bool stored = false;
  Guarded(this, [&] {
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
  if (TChildForm* left = ChildFormOf(FActive); left != nullptr && !left->FormDeactivate()) {
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
