#include "controls/TableWindows.h"

#include "controls/AreaPlacement.h"
#include "controls/TableForm.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace zavik {

TTableWindowHost::TTableWindowHost(QObject* Parent) : QObject(Parent) {}

TTableWindowHost::~TTableWindowHost() {
  const QList<QPointer<TTableForm>> forms = FForms.values();
  FForms.clear();
  for (const QPointer<TTableForm>& form : forms) delete form.data();
}

TTableForm* TTableWindowHost::FormOf(const TGridTable* Table) const {
  return FForms.value(Table).data();
}

bool TTableWindowHost::CommitCells(TCommitMode Mode) {
  for (const QPointer<TTableForm>& form : FForms) {
    if (!form || !form->Table() || form->isHidden()) continue;
    if (form->CommitCell(Mode)) continue;
    if (Mode == TCommitMode::Tell) ShowTable(form->Table());
    return false;
  }
  return true;
}

TTableForm* TTableWindowHost::Create(TGridTable* Table, bool Modal) {
  auto* embedIn = qobject_cast<QWidget*>(Table->FormParent());
  // A modal window stays above the window it was opened from.
  QWidget* owner = embedIn ? embedIn : Modal ? QApplication::activeWindow() : nullptr;
  auto* form = new TTableForm(Table, Modal, owner);
  if (embedIn) {
    form->setWindowFlags(Qt::Widget);
    form->move(0, 0);
  }
  FForms.insert(Table, form);
  connect(Table, &TGridTable::Destroying, form, [this, Table] { FreeTableForm(Table); });
  connect(form, &QObject::destroyed, this, [this, Table] { FForms.remove(Table); });
  return form;
}

void TTableWindowHost::ShowTable(TGridTable* Table) {
  TTableForm* form = FormOf(Table);
  if (!form) {
    form = Create(Table, false);
    form->setAttribute(Qt::WA_DeleteOnClose);
    if (FMdiArea && !Table->FormParent()) {
      QMdiSubWindow* frame = FMdiArea->addSubWindow(form, ChildWindowFlags);
      frame->setAttribute(Qt::WA_DeleteOnClose);
      // The window arranges itself in the room the area gives it.
      form->ArrangeControls();
      WatchChildWindow(frame);
    }
  }
  QWidget* window = form->parentWidget() && qobject_cast<QMdiSubWindow*>(form->parentWidget())
                        ? form->parentWidget()
                        : form;
  window->show();
  form->show();
  window->raise();
  // An MDI child is brought to the front by its area, a window of its own by
  // the desktop.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(window); sub && sub->mdiArea())
    sub->mdiArea()->setActiveSubWindow(sub);
  else
    window->activateWindow();
}

int TTableWindowHost::ShowTableModal(TGridTable* Table) {
  // An open modeless window gives way to the modal one.
  if (TTableForm* open = FormOf(Table); open && !open->IsModal()) FreeTableForm(Table);
  QPointer<TTableForm> form = FormOf(Table);
  if (!form) form = Create(Table, true);
  const int result = form->exec();
  delete form.data();  // the window is freed when it closes
  return result;
}

void TTableWindowHost::FreeTableForm(TGridTable* Table) {
  QPointer<TTableForm> form = FForms.take(Table);
  if (!form) return;
  form->DetachTable();
  // The window may be running the very handler that frees it: it goes once
  // that handler is done; until then it is hidden and no longer the table's.
  QWidget* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
  if (form->IsModal()) form->reject();
  form->hide();
  if (frame) {
    frame->hide();
    frame->deleteLater();
  } else {
    form->deleteLater();
  }
}

bool TTableWindowHost::HasTableForm(const TGridTable* Table) const { return FormOf(Table); }

bool TTableWindowHost::TableFormIsModal(const TGridTable* Table) const {
  const TTableForm* form = FormOf(Table);
  return form && form->IsModal();
}

}  // namespace zavik
