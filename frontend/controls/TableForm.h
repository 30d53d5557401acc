#pragma once
// TTableForm, the window in which a user edits one TGridTable: a grid of the
// visible columns under their header lines, the row-group number before each
// row, a drop-down list in every row of an enumeration column and a button in
// every row of a nested-table column; "&Add Row", "&Insert Row" and
// "&Delete Row" below it, then the table's comments and its picture. The
// window sizes itself to what it shows: ten rows at most before the rows
// scroll; after the user has resized it, the arrangement of least waste; in
// an MDI area, never more than the area has room for.
//
// A cell's text is written into its column when the user leaves the cell;
// when the column refuses it, the reason is shown, the cell stays current
// with the text as typed, and the window does not close until it is put
// right (or the entry is taken back with Escape). Only what the user typed
// is written: a cell whose editor merely showed its value keeps the value
// it holds, to the last bit. The current cell follows the control that has
// the focus, so that a table of choices and buttons only still has a
// current row for Insert Row and Delete Row; a click on a row's number makes
// that row current, and the current row's number stands out, so that the
// user sees the row those buttons act on. The current cell shows its editor
// while the grid has the keys; a table that changes under a window the user
// works in elsewhere takes no focus from it.
//
// Alt with the letter of a button (Alt+A, Alt+I, Alt+D) presses that button
// wherever the keys are in the window; an Alt chord of no button reaches no
// cell.

#include "controls/CommitMode.h"
#include "controls/GridTableModel.h"
#include "controls/TableLayout.h"

#include <QDialog>
#include <QHash>
#include <QItemSelectionModel>
#include <QPersistentModelIndex>
#include <QPointer>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTimer>

class QLabel;
class QPushButton;

namespace zavik {

class TTableGrid;

// The smallest width of a column in the editor: the widest header line with
// two blanks after it, and at least what the kind of column needs (inches at
// the screen's pixels per inch).
int ColumnMinWidth(const TColumn& Column, const QFontMetrics& Metrics, int PixelsPerInch);

// Edits a text cell in a line editor; Enter walks on (TTableGrid::MoveByEnter).
class TTextCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TTextCellDelegate(TTableGrid* Grid);
  QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                        const QModelIndex& Index) const override;
  void destroyEditor(QWidget* Editor, const QModelIndex& Index) const override;

protected:
  bool eventFilter(QObject* Object, QEvent* Event) override;

private:
  TTableGrid* FGrid;
};

// The drop-down list of an enumeration cell: choosing an item stores it.
class TChoiceCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TChoiceCellDelegate(TTableGrid* Grid);
  QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                        const QModelIndex& Index) const override;
  void setEditorData(QWidget* Editor, const QModelIndex& Index) const override;
  void setModelData(QWidget* Editor, QAbstractItemModel* Model,
                    const QModelIndex& Index) const override;

private:
  TTableGrid* FGrid;
};

// The button of a nested-table cell: "<row>: <caption>"; a click opens it.
class TTableCellDelegate : public QStyledItemDelegate {
  Q_OBJECT
public:
  explicit TTableCellDelegate(TTableGrid* Grid);
  QWidget* createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                        const QModelIndex& Index) const override;
  void setEditorData(QWidget* Editor, const QModelIndex& Index) const override;
  void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

private:
  TTableGrid* FGrid;
};

// Asks the grid before the current cell moves, so that a refused entry keeps
// its cell.
class TCellSelectionModel : public QItemSelectionModel {
  Q_OBJECT
public:
  TCellSelectionModel(QAbstractItemModel* Model, TTableGrid* Grid);
  void setCurrentIndex(const QModelIndex& Index, QItemSelectionModel::SelectionFlags Command) override;

private:
  TTableGrid* FGrid;
};

class TTableGrid : public QTableView {
  Q_OBJECT
public:
  explicit TTableGrid(QWidget* Parent = nullptr);
  using QTableView::edit;
  void SetTableModel(TGridTableModel* Model);
  TGridTableModel* TableModel() const { return FModel; }

  // Writes the text the user typed in the cell being edited into its column.
  // False when the column refused it: told, the message was shown and the
  // focus is back in the cell; quiet, nothing was shown. The cell stays as
  // typed.
  bool CommitCell(TCommitMode Mode = TCommitMode::Tell);
  // Enter: one row down; from the last row to the first row of the next
  // column, from the last column to the first.
  void MoveByEnter();
  // A nested-table button was clicked.
  void OpenRowTable(const QModelIndex& Index);
  // The user clicked the number of a row (-1: below the rows): the row
  // becomes current, in the column of the current cell.
  void RowNumberClicked(int Row);
  // The control of a choice or nested-table cell received the focus: the
  // current cell follows it.
  void ControlFocused(const QModelIndex& Index);
  // The controls in every row of the choice and nested-table columns.
  void OpenCellControls();
  // Whether the current cell may move (the entry being edited was written).
  bool CanMoveTo(const QModelIndex& Target);
  bool Committing() const { return FCommitting; }
  // Opens the editor of the current cell, when it is a text cell without one.
  void ShowEditor();
  // The text of the top-left corner, above the row numbers.
  void SetCornerText(const QString& Text);

  // The line editors open on text cells, kept by the text delegate.
  void EditorOpened(QWidget* Editor, const QModelIndex& Index);
  void EditorClosed(QWidget* Editor);

  // A key event of an Alt chord in the grid or one of its editors and
  // controls: true when it was taken (a button's chord claimed before the
  // menus, the button pressed; a chord of no button kept from the cell).
  bool AltChordEvent(QEvent* Event);

protected:
  void commitData(QWidget* Editor) override;
  void focusInEvent(QFocusEvent* Event) override;
  bool event(QEvent* Event) override;
  void closeEditor(QWidget* Editor, QAbstractItemDelegate::EndEditHint Hint) override;
  bool edit(const QModelIndex& Index, EditTrigger Trigger, QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void currentChanged(const QModelIndex& Current, const QModelIndex& Previous) override;
  void setSelection(const QRect& Rect, QItemSelectionModel::SelectionFlags Command) override;

private:
  bool CommitEditor(QWidget* Editor, TCommitMode Mode);
  bool TakesText(int Section) const;
  // Whether the keys are in the grid, its editor or one of its controls.
  bool HasKeys() const;
  void WatchControl(QWidget* Control, const QModelIndex& Index);

  TGridTableModel* FModel = nullptr;
  TTextCellDelegate* FTextDelegate;
  TChoiceCellDelegate* FChoiceDelegate;
  TTableCellDelegate* FTableDelegate;
  QHash<QWidget*, QPersistentModelIndex> FEditors;
  QPointer<QWidget> FRefusedEditor;  // kept open with the text its column refused
  QString FRefusedText;
  bool FQuiet = false;       // that refusal was just told: the same text is refused silently
  bool FCommitting = false;  // a commit is under way, perhaps showing its message
  int FRememberedRow = -1, FRememberedColumn = -1;  // the current cell over a reset
  bool FHadKeys = false;                            // and whether the keys were here
  QPointer<QObject> FCorner;
  friend class TChoiceCellDelegate;
  friend class TTableCellDelegate;
};

class TTableForm : public QDialog {
  Q_OBJECT
public:
  // The window of Table; Modal when it runs modally.
  TTableForm(TGridTable* Table, bool Modal, QWidget* Parent = nullptr);
  ~TTableForm() override;

  TGridTable* Table() const { return FTable; }
  bool IsModal() const { return FModal; }
  TTableGrid* Grid() const { return FGrid; }
  QPushButton* BtnAdd() const { return FBtnAdd; }
  QPushButton* BtnIns() const { return FBtnIns; }
  QPushButton* BtnDel() const { return FBtnDel; }
  const TTableArrangement& Arrangement() const { return FArrangement; }

  // The window lets go of its table (it is being freed): nothing of it is
  // read any more.
  void DetachTable();

  void RebuildGrid();
  void ArrangeControls();
  bool CommitCell(TCommitMode Mode = TCommitMode::Tell) { return FGrid->CommitCell(Mode); }
  // The button whose mnemonic is Alt with the key, when it is shown.
  QPushButton* ButtonOfChord(int Key) const;

  void BtnAddClick();
  void BtnInsClick();
  void BtnDelClick();

  QSize sizeHint() const override;

protected:
  void closeEvent(QCloseEvent* Event) override;
  void showEvent(QShowEvent* Event) override;
  void resizeEvent(QResizeEvent* Event) override;
  void changeEvent(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;

private:
  TTableMetrics Metrics() const;
  int Margin() const;
  int CurrentDataRow() const;
  void ApplyArrangement(const TTableArrangement& A);
  void UserResized();
  void HelpPictureChanged();
  template <class F>
  void RowButton(F&& Operation);

  QPointer<TGridTable> FTable;
  bool FModal;
  TGridTableModel* FModel;
  TTableGrid* FGrid;
  QPushButton* FBtnAdd;
  QPushButton* FBtnIns;
  QPushButton* FBtnDel;
  QLabel* FComments;
  QLabel* FPicture;
  TTableArrangement FArrangement;
  QSize FArrangedSize;
  QSize FResizeStart;     // the client size before the user began to resize
  QTimer FResizeTimer;    // the arrangement is chosen once the resizing stops
  bool FArranging = false;
  int FRowInView = -1;  // the data row the next arrangement keeps shown (-1: its top row)
};

}  // namespace zavik
