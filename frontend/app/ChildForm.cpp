#include "app/ChildForm.h"

#include "controls/DataEdit.h"
#include "controls/KeyChords.h"
#include "controls/Messages.h"
#include "controls/TableForm.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QTimer>

namespace zavik {

TChildForm::TChildForm(QWidget* Parent) : QWidget(Parent) {}

void TChildForm::WatchEntries() {
  // A filter installed again stays one.
  for (QWidget* entry : findChildren<QWidget*>())
    if (qobject_cast<QLineEdit*>(entry) || qobject_cast<QPlainTextEdit*>(entry) || qobject_cast<QTextEdit*>(entry))
      entry->installEventFilter(this);
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

bool TChildForm::eventFilter(QObject* Watched, QEvent* Event) {
  // A mnemonic of the window (a label's, a button's) or a menu's has been
  // taken before the key press comes; what comes is no character.
  if (Event->type() == QEvent::KeyPress && IsAltChord(static_cast<QKeyEvent*>(Event))) return true;
  return QWidget::eventFilter(Watched, Event);
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

bool TChildForm::FormDeactivate(TCommitMode Mode) {
  if (Mode == TCommitMode::Quiet) {
    // The box's own check, without its message and without rewriting it.
    if (auto* box = dynamic_cast<TEntryBox*>(focusWidget()); box && !box->Accepts()) return false;
  } else {
    const bool valid = ActiveEntryValid();
    FRefused = nullptr;
    if (!valid) return false;
  }
  bool stored = false;
  Guarded(this, [&] {
    const TRefusal refusal = CheckValues();
    if (!refusal.Message.isEmpty()) {
      // Told once for what the user did: the rest of the same action (the
      // activations that follow a click) is refused without a word.
      if (Mode == TCommitMode::Quiet || FToldRefusal) return;
      FToldRefusal = true;
      ShowInformation(this, refusal.Message);
      QTimer::singleShot(0, this, [this] { FToldRefusal = false; });
      if (refusal.Focus) {
        refusal.Focus->window()->activateWindow();
        refusal.Focus->setFocus(Qt::OtherFocusReason);
        if (auto* line = qobject_cast<QLineEdit*>(refusal.Focus)) line->selectAll();
      }
      return;
    }
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

bool TChildActivation::CommitActiveChild(TCommitMode Mode) {
  if (auto* table = FActive ? qobject_cast<TTableForm*>(FActive->widget()) : nullptr)
    return table->Grid()->CommitCell(Mode);
  TChildForm* form = ChildFormOf(FActive);
  return form == nullptr || form->FormDeactivate(Mode);
}

bool TChildActivation::Leave(QMdiSubWindow* Window) {
  if (auto* table = Window ? qobject_cast<TTableForm*>(Window->widget()) : nullptr)
    return table->Grid()->CommitCell(TCommitMode::Tell);
  TChildForm* left = ChildFormOf(Window);
  return left == nullptr || left->LeaveForWindow();
}

void TChildActivation::SubWindowActivated(QMdiSubWindow* Window) {
  if (FReturning || Window == FActive) return;
  if (FActive && !Leave(FActive)) {
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
