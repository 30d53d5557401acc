#pragma once
// The protocol of the main window's child windows that edit the project's
// single values (the title, options and input windows). They have no OK or
// Cancel button: a window copies the project into its boxes whenever it
// becomes active and copies its boxes back whenever it loses activation or
// closes, so the project always holds what the user sees. A window whose
// active numeric box holds a refused entry keeps the activation and refuses
// to close, and stores nothing.
//
// TChildActivation follows the activation of the MDI area's sub-windows and
// runs the forms' activation and deactivation; the main window owns one.

#include "controls/CommitMode.h"

#include <QMdiArea>
#include <QObject>
#include <QPointer>
#include <QWidget>

class QMdiSubWindow;

namespace zavik {

class TDataEdit;

class TChildForm : public QWidget {
  Q_OBJECT

public:
  explicit TChildForm(QWidget* Parent = nullptr);

  // Loads the project's values into the boxes: on activation, and again when
  // the main window refreshes its open windows (after a unit change).
  virtual void FormActivate() = 0;

  // Stores the boxes into the project, unless the window's active box is a
  // numeric entry whose check refuses it (the check tells the user why), or
  // the values together are refused: then nothing is stored and the result
  // is false.
  bool FormDeactivate(TCommitMode Mode = TCommitMode::Tell);

  // Whether the window's active box, when it is a numeric entry, holds an
  // entry its check accepts. Runs that check, with its message.
  bool ActiveEntryValid();

signals:
  // The user changed a value: the main window marks the project modified.
  void Modified();

protected:
  // Copies every box into its field of the project.
  virtual void StoreValues() = 0;
  // Why the boxes' values, each accepted by its own check, may not be stored
  // together, and the box where the fault can be mended; an empty message
  // when they may. A refusal keeps the activation as a refused entry does.
  struct TRefusal {
    QString Message;
    QWidget* Focus = nullptr;
  };
  virtual TRefusal CheckValues() { return {}; }

  // Closing runs the deactivation; a refused entry keeps the window open.
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  // An Alt chord that no control of the window took types nothing into its
  // entries.
  bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
  friend class TChildActivation;
  // The deactivation when the user went to another window: moving the focus
  // there has already run the active box's own check, with its message, so
  // an entry that check refused is not checked and told a second time.
  bool LeaveForWindow();
  // Follows the numeric boxes' own checks, and the keys of every entry.
  void WatchEntries();
  void EntryChecked(TDataEdit* Box);

  QPointer<TDataEdit> FRefused;  // its own check refused its entry, not edited since
  bool FToldRefusal = false;     // the values' refusal was told in the user's present action
};

// The form shown in an MDI sub-window, or nullptr when it shows another
// kind of widget.
TChildForm* ChildFormOf(QMdiSubWindow* Window);

class TChildActivation : public QObject {
  Q_OBJECT

public:
  explicit TChildActivation(QMdiArea* Area);

  // The active child's deactivation, before a command acts on the project:
  // true when its values are stored (or there is none to store). A table
  // window writes the cell being edited.
  bool CommitActiveChild(TCommitMode Mode = TCommitMode::Tell);

private:
  void SubWindowActivated(QMdiSubWindow* Window);
  // The window the user leaves stores its entries: false when one is refused
  // (and told), so that the window keeps the activation.
  bool Leave(QMdiSubWindow* Window);

  QPointer<QMdiArea> FArea;
  QPointer<QMdiSubWindow> FActive;
  // Set while the activation is handed back to a window that refused to
  // give it up: the window that had it meanwhile neither loads nor stores.
  bool FReturning = false;
};

}  // namespace zavik
