#include "controls/TableForm.h"

#include "controls/AreaPlacement.h"
#include "controls/ColumnTypes.h"
#include "controls/KeyChords.h"
#include "controls/Messages.h"

#include <QApplication>
#include <QComboBox>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionHeader>
#include <QStylePainter>

#include <algorithm>
#include <cmath>

namespace zavik {

namespace {
constexpr int kMostRowsShown = 10;  // rows shown before they scroll, as the window opens
}  // namespace

int ColumnMinWidth(const TColumn& Column, const QFontMetrics& Metrics, int PixelsPerInch) {
  int width = 0;
  for (int i = 0; i < Column.HeaderCount(); ++i)
    width = std::max(width, Metrics.horizontalAdvance(Column.GetHeader(i) + QStringLiteral("  ")));
  if (dynamic_cast<const TEnumColumn*>(&Column)) return std::max(width, PixelsPerInch * 3 / 2);
  if (dynamic_cast<const TTableColumn*>(&Column)) return std::max(width, PixelsPerInch * 2);
  if (auto s = dynamic_cast<const TStringColumn*>(&Column))
    return std::max(width, int(lroundl(PixelsPerInch * s->WidthFactor)));
  return std::max(width, PixelsPerInch / 2);
}

// ---------------------------------------------------------------------------
// Delegates

TTextCellDelegate::TTextCellDelegate(TTableGrid* Grid) : QStyledItemDelegate(Grid), FGrid(Grid) {}

QWidget* TTextCellDelegate::createEditor(QWidget* Parent, const QStyleOptionViewItem& Option,
                                         const QModelIndex& Index) const {
  QWidget* editor = QStyledItemDelegate::createEditor(Parent, Option, Index);
  FGrid->EditorOpened(editor, Index);
  return editor;
}

void TTextCellDelegate::destroyEditor(QWidget* Editor, const QModelIndex& Index) const {
  FGrid->EditorClosed(Editor);
  QStyledItemDelegate::destroyEditor(Editor, Index);
}

namespace {
// The events of the keys; only they reach the grid from its editors and
// controls (others come while the grid is being freed, too).
bool IsKeyEvent(const QEvent* Event) {
  return Event->type() == QEvent::KeyPress || Event->type() == QEvent::ShortcutOverride;
}
}  // namespace

bool TTextCellDelegate::eventFilter(QObject* Object, QEvent* Event) {
  if (IsKeyEvent(Event) && FGrid->AltChordEvent(Event)) return true;
  if (Event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(Event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      FGrid->MoveByEnter();
      return true;
    }
  }
  return QStyledItemDelegate::eventFilter(Object, Event);
}

namespace {
// Keeps the mouse wheel from changing a drop-down list it merely passes over:
// the grid scrolls instead. Tells the grid when the control gets the focus.
class TControlWatcher : public QObject {
public:
  TControlWatcher(TTableGrid* Grid, const QModelIndex& Index, QObject* Parent)
      : QObject(Parent), FGrid(Grid), FIndex(Index) {}

protected:
  bool eventFilter(QObject* Object, QEvent* Event) override {
    if (IsKeyEvent(Event) && FGrid->AltChordEvent(Event)) return true;
    if (Event->type() == QEvent::Wheel && !static_cast<QWidget*>(Object)->hasFocus()) {
      Event->ignore();
      return true;
    }
    if (Event->type() == QEvent::FocusIn && FIndex.isValid()) FGrid->ControlFocused(FIndex);
    return false;
  }

private:
  TTableGrid* FGrid;
  QPersistentModelIndex FIndex;
};
}  // namespace

void TTableGrid::WatchControl(QWidget* Control, const QModelIndex& Index) {
  Control->installEventFilter(new TControlWatcher(this, Index, Control));
}

TChoiceCellDelegate::TChoiceCellDelegate(TTableGrid* Grid)
    : QStyledItemDelegate(Grid), FGrid(Grid) {}

QWidget* TChoiceCellDelegate::createEditor(QWidget* Parent, const QStyleOptionViewItem&,
                                           const QModelIndex& Index) const {
  auto* combo = new QComboBox(Parent);
  combo->setFocusPolicy(Qt::StrongFocus);
  combo->addItems(FGrid->TableModel()->Items(Index.column()));
  FGrid->WatchControl(combo, Index);
  // Only a choice of the user is written; showing a value does not echo back.
  connect(combo, &QComboBox::activated, this, [this, combo] {
    emit const_cast<TChoiceCellDelegate*>(this)->commitData(combo);
  });
  return combo;
}

void TChoiceCellDelegate::setEditorData(QWidget* Editor, const QModelIndex& Index) const {
  // A value beyond the items shows no selection.
  static_cast<QComboBox*>(Editor)->setCurrentIndex(Index.data(Qt::EditRole).toInt());
}

void TChoiceCellDelegate::setModelData(QWidget* Editor, QAbstractItemModel*,
                                       const QModelIndex& Index) const {
  auto* combo = static_cast<QComboBox*>(Editor);
  TGridTableModel* model = FGrid->TableModel();
  if (combo->currentIndex() < 0 || model->CommitChoice(Index, combo->currentIndex())) return;
  if (!model->LastError().isEmpty()) ShowError(FGrid, model->LastError());
  setEditorData(Editor, Index);  // the list shows the value the column kept
}

TTableCellDelegate::TTableCellDelegate(TTableGrid* Grid) : QStyledItemDelegate(Grid), FGrid(Grid) {}

QWidget* TTableCellDelegate::createEditor(QWidget* Parent, const QStyleOptionViewItem&,
                                          const QModelIndex& Index) const {
  auto* button = new QPushButton(Parent);
  button->setAutoDefault(false);
  FGrid->WatchControl(button, Index);
  const QPersistentModelIndex index(Index);
  connect(button, &QPushButton::clicked, FGrid, [grid = FGrid, index] {
    if (index.isValid()) grid->OpenRowTable(index);
  });
  return button;
}

void TTableCellDelegate::setEditorData(QWidget* Editor, const QModelIndex& Index) const {
  static_cast<QPushButton*>(Editor)->setText(Index.data(Qt::DisplayRole).toString());
}

TCellSelectionModel::TCellSelectionModel(QAbstractItemModel* Model, TTableGrid* Grid)
    : QItemSelectionModel(Model, Grid), FGrid(Grid) {}

void TCellSelectionModel::setCurrentIndex(const QModelIndex& Index,
                                          QItemSelectionModel::SelectionFlags Command) {
  if (Index != currentIndex() && !FGrid->CanMoveTo(Index)) return;
  QItemSelectionModel::setCurrentIndex(Index, Command);
}

// ---------------------------------------------------------------------------
// TTableGrid

namespace {
// Paints the grid's top-left corner as a header section with its text.
class TCornerPainter : public QObject {
public:
  using QObject::QObject;
  QString Text;

protected:
  bool eventFilter(QObject* Object, QEvent* Event) override {
    if (Event->type() != QEvent::Paint) return false;
    auto* corner = static_cast<QWidget*>(Object);
    QStyleOptionHeader option;
    option.initFrom(corner);
    option.palette.setCurrentColorGroup(QPalette::Active);  // the text is not greyed
    option.state = QStyle::State_Enabled | QStyle::State_Raised;
    option.rect = corner->rect();
    option.position = QStyleOptionHeader::OnlyOneSection;
    option.text = Text;
    option.textAlignment = Qt::AlignLeft | Qt::AlignTop;
    QStylePainter painter(corner);
    painter.drawControl(QStyle::CE_Header, option);
    return true;
  }
};
}  // namespace

namespace {
// The row numbers: a click on a row's number makes that row current, and the
// current row's number stands out, wherever the keys are.
class TRowNumbers : public QHeaderView {
public:
  explicit TRowNumbers(TTableGrid* Grid) : QHeaderView(Qt::Vertical, Grid), FGrid(Grid) {}

protected:
  void initStyleOptionForIndex(QStyleOptionHeader* Option, int LogicalIndex) const override {
    QHeaderView::initStyleOptionForIndex(Option, LogicalIndex);
    if (LogicalIndex != FGrid->currentIndex().row()) return;
    Option->state |= QStyle::State_On | QStyle::State_Sunken;
    const QBrush highlight = Option->palette.brush(QPalette::Highlight);
    Option->palette.setBrush(QPalette::Button, highlight);
    Option->palette.setBrush(QPalette::Window, highlight);
    Option->palette.setBrush(QPalette::ButtonText, Option->palette.brush(QPalette::HighlightedText));
  }
  void mousePressEvent(QMouseEvent* Event) override {
    if (Event->button() == Qt::LeftButton) FGrid->RowNumberClicked(logicalIndexAt(Event->position().toPoint()));
    Event->accept();
  }
  void mouseDoubleClickEvent(QMouseEvent* Event) override { mousePressEvent(Event); }

private:
  TTableGrid* FGrid;
};
}  // namespace

void TTableGrid::SetCornerText(const QString& Text) {
  auto* corner = findChild<QAbstractButton*>(QString(), Qt::FindDirectChildrenOnly);
  if (!corner) return;
  if (!FCorner) {
    FCorner = new TCornerPainter(this);
    corner->installEventFilter(FCorner);
    setCornerButtonEnabled(false);  // a click selects nothing
  }
  static_cast<TCornerPainter*>(FCorner.data())->Text = Text;
  corner->update();
}

TTableGrid::TTableGrid(QWidget* Parent)
    : QTableView(Parent),
      FTextDelegate(new TTextCellDelegate(this)),
      FChoiceDelegate(new TChoiceCellDelegate(this)),
      FTableDelegate(new TTableCellDelegate(this)) {
  setVerticalHeader(new TRowNumbers(this));
  setItemDelegate(FTextDelegate);
  // The cell being edited always shows its editor; typing starts an entry.
  setEditTriggers(CurrentChanged | DoubleClicked | SelectedClicked | EditKeyPressed |
                  AnyKeyPressed);
  setSelectionBehavior(SelectItems);
  setSelectionMode(ContiguousSelection);
  setTabKeyNavigation(true);
  setWordWrap(false);
  horizontalHeader()->setSectionsClickable(false);
  horizontalHeader()->setHighlightSections(false);
  horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignTop);
  verticalHeader()->setSectionsClickable(false);
  verticalHeader()->setHighlightSections(false);
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  setVerticalScrollMode(ScrollPerItem);
  setHorizontalScrollMode(ScrollPerItem);
}

void TTableGrid::SetTableModel(TGridTableModel* Model) {
  FModel = Model;
  QItemSelectionModel* old = selectionModel();
  setModel(Model);
  setSelectionModel(new TCellSelectionModel(Model, this));
  delete old;
  connect(Model, &QAbstractItemModel::modelAboutToBeReset, this, [this] {
    FRememberedRow = currentIndex().row();
    FRememberedColumn = currentIndex().column();
    FHadKeys = HasKeys();
    // The editors go with the reset; what they hold is not written any more.
    FEditors.clear();
    FRefusedEditor = nullptr;
  });
  connect(Model, &QAbstractItemModel::modelReset, this, [this] {
    FRefusedEditor = nullptr;
    if (FRememberedRow < 0 || FModel->rowCount() == 0 || FModel->columnCount() == 0) return;
    const QModelIndex i = FModel->index(std::min(FRememberedRow, FModel->rowCount() - 1),
                                        std::min(FRememberedColumn, FModel->columnCount() - 1));
    // The keys stay where they were: in this grid when its editor had them,
    // else in the window the user works in.
    if (FHadKeys && !HasKeys()) setFocus(Qt::OtherFocusReason);
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect);
  });
}

bool TTableGrid::TakesText(int Section) const {
  return FModel && FModel->Kind(Section) == TGridTableModel::TCellKind::Text;
}

void TTableGrid::OpenCellControls() {
  if (!FModel) return;
  for (int c = 0; c < FModel->columnCount(); ++c) {
    switch (FModel->Kind(c)) {
      case TGridTableModel::TCellKind::Text: setItemDelegateForColumn(c, nullptr); continue;
      case TGridTableModel::TCellKind::Choice: setItemDelegateForColumn(c, FChoiceDelegate); break;
      case TGridTableModel::TCellKind::Table: setItemDelegateForColumn(c, FTableDelegate); break;
    }
    for (int r = 0; r < FModel->rowCount(); ++r) openPersistentEditor(FModel->index(r, c));
  }
}

void TTableGrid::EditorOpened(QWidget* Editor, const QModelIndex& Index) {
  FEditors.insert(Editor, Index);
}

void TTableGrid::EditorClosed(QWidget* Editor) {
  FEditors.remove(Editor);
  if (Editor == FRefusedEditor) FRefusedEditor = nullptr;
}

bool TTableGrid::CommitCell(TCommitMode Mode) {
  const QModelIndex current = currentIndex();
  for (auto it = FEditors.cbegin(); it != FEditors.cend(); ++it)
    if (it.value() == current) return CommitEditor(it.key(), Mode);
  return true;
}

bool TTableGrid::HasKeys() const {
  const QWidget* focus = QApplication::focusWidget();
  return focus && (focus == this || isAncestorOf(focus));
}

bool TTableGrid::CommitEditor(QWidget* Editor, TCommitMode Mode) {
  auto* line = qobject_cast<QLineEdit*>(Editor);
  const QPersistentModelIndex index = FEditors.value(Editor);
  if (!line || !FModel || !index.isValid()) return true;
  // An editor that only shows the cell's value writes nothing back: its
  // text of eight digits is not the value the cell holds.
  if (!line->isModified()) return true;
  if (FCommitting) return false;  // its own message box took the focus
  const QString text = line->text();
  if (Mode == TCommitMode::Quiet) {
    if (FModel->CommitText(index, text)) {
      line->setModified(false);
      if (Editor == FRefusedEditor) FRefusedEditor = nullptr;
      return true;
    }
    return false;
  }
  if (FQuiet && Editor == FRefusedEditor && text == FRefusedText) return false;
  FCommitting = true;
  const bool ok = FModel->CommitText(index, text);
  if (ok) {
    line->setModified(false);
    FRefusedEditor = nullptr;
  } else {
    FRefusedEditor = Editor;
    FRefusedText = text;
    ShowError(this, FModel->LastError());
    // The rest of the user's action (the click that left the cell) is
    // refused without telling it again.
    FQuiet = true;
    QTimer::singleShot(0, this, [this] { FQuiet = false; });
    if (FRefusedEditor) {
      FRefusedEditor->window()->activateWindow();
      FRefusedEditor->setFocus();
    }
  }
  FCommitting = false;
  return ok;
}

bool TTableGrid::CanMoveTo(const QModelIndex&) { return CommitCell(); }

void TTableGrid::commitData(QWidget* Editor) {
  if (FEditors.contains(Editor))
    CommitEditor(Editor, TCommitMode::Tell);
  else
    QTableView::commitData(Editor);  // a drop-down list: its delegate writes the choice
}

void TTableGrid::closeEditor(QWidget* Editor, QAbstractItemDelegate::EndEditHint Hint) {
  if (FEditors.contains(Editor) && Hint != QAbstractItemDelegate::RevertModelCache &&
      (FCommitting || Editor == FRefusedEditor))
    return;  // the refused entry stays for the user to put right
  QTableView::closeEditor(Editor, Hint);
}

bool TTableGrid::edit(const QModelIndex& Index, EditTrigger Trigger, QEvent* Event) {
  // Text is typed only into the current cell, and only into cells of text.
  if (Index != currentIndex() || !TakesText(Index.column())) return false;
  // An editor takes the keys: it opens on its own only where they are.
  if (Trigger == CurrentChanged && !HasKeys()) return false;
  return QTableView::edit(Index, Trigger, Event);
}

void TTableGrid::focusInEvent(QFocusEvent* Event) {
  QTableView::focusInEvent(Event);
  // The keys came back: the current cell shows its editor again.
  ShowEditor();
}

void TTableGrid::ShowEditor() {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !TakesText(current.column())) return;
  for (const QPersistentModelIndex& open : std::as_const(FEditors))
    if (open == current) return;
  edit(current, AllEditTriggers, nullptr);
}

bool TTableGrid::AltChordEvent(QEvent* Event) {
  if (!IsKeyEvent(Event)) return false;
  auto* key = static_cast<QKeyEvent*>(Event);
  if (!IsAltChord(key)) return false;
  auto* form = qobject_cast<TTableForm*>(parentWidget());
  QPushButton* button = form ? form->ButtonOfChord(key->key()) : nullptr;
  if (Event->type() == QEvent::ShortcutOverride) {
    // A button's chord is this window's, before any menu's of the main
    // window; another chord is left to the menus.
    if (!button) return false;
    key->accept();
    return true;
  }
  // The button acts once the key is handled: its action may free the editor
  // the key is in.
  if (button && button->isEnabled()) QTimer::singleShot(0, button, &QPushButton::click);
  key->accept();
  return true;
}

void TTableGrid::MoveByEnter() {
  Guarded(this, [&] {
    if (!FModel || FModel->rowCount() == 0 || FModel->columnCount() == 0) return;
    const QModelIndex current = currentIndex();
    int row = current.isValid() ? current.row() + 1 : 0;
    int column = current.isValid() ? current.column() : 0;
    if (row >= FModel->rowCount()) {
      row = 0;
      column = (column + 1) % FModel->columnCount();
    }
    selectionModel()->setCurrentIndex(FModel->index(row, column),
                                      QItemSelectionModel::ClearAndSelect);
  });
}

void TTableGrid::RowNumberClicked(int Row) {
  Guarded(this, [&] {
    if (!FModel || Row < 0 || Row >= FModel->rowCount() || FModel->columnCount() == 0) return;
    // The row, in the column the user works in; the keys come to the grid
    // as with a click on a cell.
    const QModelIndex current = currentIndex();
    const QModelIndex target = FModel->index(Row, current.isValid() ? current.column() : 0);
    if (!HasKeys()) setFocus(Qt::MouseFocusReason);
    selectionModel()->setCurrentIndex(target, QItemSelectionModel::ClearAndSelect);
  });
}

void TTableGrid::ControlFocused(const QModelIndex& Index) {
  if (Index == currentIndex()) return;
  selectionModel()->setCurrentIndex(Index, QItemSelectionModel::ClearAndSelect);
}

void TTableGrid::OpenRowTable(const QModelIndex& Index) {
  Guarded(this, [&] {
    if (!CommitCell()) return;
    if (auto column = dynamic_cast<TTableColumn*>(FModel->ColumnAt(Index.column())))
      column->ButtonClick(Index.row());
  });
}

bool TTableGrid::event(QEvent* Event) {
  if (AltChordEvent(Event)) return true;
  return QTableView::event(Event);
}

void TTableGrid::keyPressEvent(QKeyEvent* Event) {
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    MoveByEnter();
    return;
  }
  QTableView::keyPressEvent(Event);
}

void TTableGrid::currentChanged(const QModelIndex& Current, const QModelIndex& Previous) {
  QTableView::currentChanged(Current, Previous);
  verticalHeader()->viewport()->update();  // the current row's number
  // On a cell of a control, the control takes the keys, when the keys are
  // in the grid at all.
  const bool keysHere = hasFocus() || isAncestorOf(QApplication::focusWidget());
  if (Current.isValid() && !TakesText(Current.column()) && keysHere)
    if (QWidget* control = indexWidget(Current)) control->setFocus();
}

void TTableGrid::setSelection(const QRect& Rect, QItemSelectionModel::SelectionFlags Command) {
  // A click on another cell whose move was refused selects nothing either.
  const QModelIndex current = currentIndex();
  if (current.isValid() && !Rect.intersects(visualRect(current))) return;
  QTableView::setSelection(Rect, Command);
}

// ---------------------------------------------------------------------------
// TTableForm

TTableForm::TTableForm(TGridTable* Table, bool Modal, QWidget* Parent)
    : QDialog(Parent),
      FTable(Table),
      FModal(Modal),
      FModel(new TGridTableModel(Table, this)),
      FGrid(new TTableGrid(this)),
      FBtnAdd(new QPushButton(QStringLiteral("&Add Row"), this)),
      FBtnIns(new QPushButton(QStringLiteral("&Insert Row"), this)),
      FBtnDel(new QPushButton(QStringLiteral("&Delete Row"), this)),
      FComments(new QLabel(this)),
      FPicture(new QLabel(this)) {
  setWindowFlags((Modal ? Qt::Dialog : Qt::Window) | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                 Qt::WindowCloseButtonHint);
  setSizeGripEnabled(false);
  for (QPushButton* b : {FBtnAdd, FBtnIns, FBtnDel}) {
    // The buttons leave the focus in the grid: the cell's entry is written
    // (or refused) by the button's own action, once.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    b->adjustSize();
  }
  connect(FBtnAdd, &QPushButton::clicked, this, &TTableForm::BtnAddClick);
  connect(FBtnIns, &QPushButton::clicked, this, &TTableForm::BtnInsClick);
  connect(FBtnDel, &QPushButton::clicked, this, &TTableForm::BtnDelClick);
  FGrid->SetTableModel(FModel);

  FResizeTimer.setSingleShot(true);
  FResizeTimer.setInterval(200);
  connect(&FResizeTimer, &QTimer::timeout, this, [this] { Guarded(this, [&] { UserResized(); }); });

  connect(Table, &TGridTable::FormCaptionChanged, this, [this] {
    if (FTable) setWindowTitle(FTable->FormCaption());
  });
  connect(Table, &TGridTable::HelpPictureChanged, this,
          [this] { Guarded(this, [&] { HelpPictureChanged(); }); });
  connect(FModel, &QAbstractItemModel::modelReset, this,
          [this] { Guarded(this, [&] { RebuildGrid(); }); });
  for (QScrollBar* bar : {FGrid->horizontalScrollBar(), FGrid->verticalScrollBar()})
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      if (FArranging) return;
      FArrangement.LeftColOffset = FGrid->horizontalScrollBar()->value();
      FArrangement.TopRowOffset = FGrid->verticalScrollBar()->value();
    });

  // Opening: at least MinRows rows, the caption with the table's path, the
  // corner text, the comments and the picture, ten rows at most.
  Table->SetRowCount(std::max(Table->RowCount(), Table->MinRows()));
  setWindowTitle(Table->FormCaption());
  // The comments break their lines where the table's text does, at a
  // carriage return as at a line feed.
  QString comments = Table->Comments();
  comments.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
  FComments->setTextFormat(Qt::PlainText);
  FComments->setText(comments);
  FComments->setVisible(!Table->Comments().isEmpty());
  FComments->adjustSize();
  HelpPictureChanged();
  FArrangement.ShownColumns = Table->VisibleColumnCount();
  FArrangement.ShownRows = std::min(Table->RowCount(), kMostRowsShown);
  RebuildGrid();
  if (FModel->rowCount() > 0 && FModel->columnCount() > 0)
    FGrid->selectionModel()->setCurrentIndex(FModel->index(0, 0),
                                             QItemSelectionModel::ClearAndSelect);
  FGrid->setFocus();
}

TTableForm::~TTableForm() = default;

QPushButton* TTableForm::ButtonOfChord(int Key) const {
  for (QPushButton* b : {FBtnAdd, FBtnIns, FBtnDel}) {
    if (!b->isVisibleTo(this)) continue;
    const QString text = b->text();
    const int amp = text.indexOf(QLatin1Char('&'));
    if (amp >= 0 && amp + 1 < text.size() && text.at(amp + 1).toUpper().unicode() == Key) return b;
  }
  return nullptr;
}

void TTableForm::DetachTable() {
  // The model lets go when the table says Destroying; here the window does
  // too, so that nothing of the table is read once it is being freed.
  FTable = nullptr;
}

int TTableForm::Margin() const { return logicalDpiX() / 20; }

int TTableForm::CurrentDataRow() const {
  const QModelIndex current = FGrid->currentIndex();
  return current.isValid() ? current.row() : -1;
}

void TTableForm::RebuildGrid() {
  if (!FTable) return;
  FArrangement.ShownColumns = std::min(FArrangement.ShownColumns, FTable->VisibleColumnCount());
  FArrangement.ShownRows = std::min(FArrangement.ShownRows, FTable->RowCount());
  FArrangement.LeftColOffset =
      std::clamp(FArrangement.LeftColOffset, 0,
                 std::max(FTable->VisibleColumnCount() - FArrangement.ShownColumns, 0));
  FArrangement.TopRowOffset = std::clamp(FArrangement.TopRowOffset, 0,
                                         std::max(FTable->RowCount() - FArrangement.ShownRows, 0));

  // Row height: a text line, and room for the controls in their cells.
  QComboBox probe;
  QPushButton probeButton(QStringLiteral("1"));
  const int rowHeight = std::max({FGrid->fontMetrics().height() + 8, probe.sizeHint().height(),
                                  probeButton.sizeHint().height()});
  FGrid->verticalHeader()->setMinimumSectionSize(rowHeight);
  FGrid->verticalHeader()->setDefaultSectionSize(rowHeight);

  const int ppi = logicalDpiX();
  const QFontMetrics headerMetrics = FGrid->horizontalHeader()->fontMetrics();
  for (int i = 0; i < FModel->columnCount(); ++i) {
    int width = ColumnMinWidth(*FModel->ColumnAt(i), headerMetrics, ppi);
    // A drop-down list is wide enough for its longest item.
    if (FModel->Kind(i) == TGridTableModel::TCellKind::Choice) {
      QComboBox items;
      items.addItems(FModel->Items(i));
      width = std::max(width, items.sizeHint().width());
    }
    FGrid->setColumnWidth(i, width);
  }
  FGrid->horizontalHeader()->setFixedHeight(FGrid->horizontalHeader()->sizeHint().height());
  const int cornerWidth =
      std::max(headerMetrics.horizontalAdvance(FTable->TopLeft() + QStringLiteral("  ")), ppi / 3);
  FGrid->verticalHeader()->setFixedWidth(
      std::max(FGrid->verticalHeader()->sizeHint().width(), cornerWidth));
  FGrid->SetCornerText(FTable->TopLeft());

  const bool rowButtons = FTable->MinRows() != FTable->MaxRows();
  for (QPushButton* b : {FBtnAdd, FBtnIns, FBtnDel}) b->setVisible(rowButtons);
  FBtnAdd->setEnabled(FTable->RowCount() != FTable->MaxRows());
  FBtnIns->setEnabled(FBtnAdd->isEnabled());
  FBtnDel->setEnabled(FTable->RowCount() > FTable->MinRows());

  FGrid->OpenCellControls();
  ArrangeControls();
}

TTableMetrics TTableForm::Metrics() const {
  TTableMetrics m;
  for (int i = 0; i < FModel->columnCount(); ++i) m.ColumnWidths.append(FGrid->columnWidth(i));
  m.FixedWidth = FGrid->verticalHeader()->width();
  m.HeaderHeight = FGrid->horizontalHeader()->height();
  m.RowHeight = FGrid->verticalHeader()->defaultSectionSize();
  m.RowCount = FModel->rowCount();
  m.GridFrame = 2 * FGrid->frameWidth();
  m.ScrollBarWidth = FGrid->verticalScrollBar()->sizeHint().width();
  m.ScrollBarHeight = FGrid->horizontalScrollBar()->sizeHint().height();
  m.Margin = Margin();
  const int M = m.Margin;
  const bool buttons = FTable && FTable->MinRows() != FTable->MaxRows();
  m.BelowGridWidth = buttons ? FBtnDel->width() + FBtnIns->width() + FBtnAdd->width() + 2 * M : 0;
  if (FComments->isVisibleTo(this)) m.BelowGridWidth = std::max(m.BelowGridWidth, FComments->width());
  if (!FPicture->pixmap().isNull()) m.BelowGridWidth = std::max(m.BelowGridWidth, FPicture->width());
  const int a = buttons ? M + FBtnAdd->height() : 0;
  const int c = FComments->isVisibleTo(this) ? M + FComments->height() : 0;
  const int p = FPicture->height() >= 1 && !FPicture->pixmap().isNull() ? M + FPicture->height() : 0;
  m.BelowGrid = M + a + c + p;
  return m;
}

void TTableForm::ArrangeControls() {
  if (!FTable) return;
  FArranging = true;
  const TTableMetrics m = Metrics();
  const int M = m.Margin;
  // In the main window's area the window fits the room it has there: the
  // rows, then the columns scroll rather than the buttons falling out of
  // sight.
  auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
  if (frame) FArrangement = FitArrangement(m, FArrangement, RoomInArea(frame), FRowInView);
  FRowInView = -1;
  FGrid->setHorizontalScrollBarPolicy(ColumnsScroll(m, FArrangement) ? Qt::ScrollBarAlwaysOn
                                                                     : Qt::ScrollBarAlwaysOff);
  FGrid->setVerticalScrollBarPolicy(RowsScroll(m, FArrangement) ? Qt::ScrollBarAlwaysOn
                                                                : Qt::ScrollBarAlwaysOff);
  FGrid->setGeometry(QRect(QPoint(M, M), GridSize(m, FArrangement)));
  FGrid->horizontalScrollBar()->setValue(FArrangement.LeftColOffset);
  FGrid->verticalScrollBar()->setValue(FArrangement.TopRowOffset);

  const int buttonsTop = FGrid->geometry().bottom() + 1 + M;
  FBtnAdd->move(M, buttonsTop);
  FBtnIns->move(FBtnAdd->geometry().right() + 1 + M, buttonsTop);
  FBtnDel->move(FBtnIns->geometry().right() + 1 + M, buttonsTop);
  const int a = FBtnAdd->isVisibleTo(this) ? M + FBtnAdd->height() : 0;
  FComments->move(M, buttonsTop + a);
  const int c = FComments->isVisibleTo(this) ? M + FComments->height() : 0;
  FPicture->move(M, buttonsTop + a + c);

  FArrangedSize = ArrangedSize(m, FArrangement);
  if (frame) {
    frame->resize(frame->size() - size() + FArrangedSize);
    KeepInsideArea(frame);
  } else {
    resize(FArrangedSize);
  }
  FArranging = false;
  if (FTable->OnResize) FTable->OnResize(FTable);
}

QSize TTableForm::sizeHint() const {
  return FArrangedSize.isValid() ? FArrangedSize : QDialog::sizeHint();
}

void TTableForm::ApplyArrangement(const TTableArrangement& A) {
  FArrangement = A;
  ArrangeControls();
}

void TTableForm::resizeEvent(QResizeEvent* Event) {
  QDialog::resizeEvent(Event);
  if (FArranging || Event->size() == FArrangedSize) return;
  // The user resizes the window: once the resizing stops, the arrangement
  // of least waste is chosen and the window takes its size, once.
  if (!FResizeTimer.isActive()) FResizeStart = Event->oldSize().isValid() ? Event->oldSize() : FArrangedSize;
  FResizeTimer.start();
}

void TTableForm::UserResized() {
  if (!FTable || size() == FArrangedSize) return;
  const bool width = size().width() != FResizeStart.width();
  const bool height = size().height() != FResizeStart.height();
  const TResizedEdges edges = width && height ? TResizedEdges::Both
                              : width         ? TResizedEdges::Width
                                              : TResizedEdges::Height;
  ApplyArrangement(ChooseLayout(Metrics(), FArrangement, size(), edges));
}

void TTableForm::HelpPictureChanged() {
  if (!FTable) return;
  const QImage& picture = FTable->HelpPicture();
  FPicture->setPixmap(QPixmap::fromImage(picture));
  FPicture->setVisible(!picture.isNull());
  FPicture->adjustSize();
  ArrangeControls();
}

template <class F>
void TTableForm::RowButton(F&& Operation) {
  Guarded(this, [&] {
    if (!FTable || !CommitCell()) return;
    Operation();
  });
}

void TTableForm::BtnAddClick() {
  RowButton([&] {
    const int group = FTable->RowGroup();
    if (FArrangement.ShownRows == FTable->RowCount())
      FArrangement.ShownRows = std::min(FArrangement.ShownRows + group, kMostRowsShown);
    FTable->AddRowGroup();
    // The new rows are shown.
    if (FArrangement.TopRowOffset + FArrangement.ShownRows < FTable->RowCount())
      FArrangement.TopRowOffset = FTable->RowCount() - FArrangement.ShownRows;
    FRowInView = FTable->RowCount() - 1;
    FTable->SetChanged(true);
    RebuildGrid();
  });
}

void TTableForm::BtnInsClick() {
  RowButton([&] {
    const int row = CurrentDataRow();
    RaiseIf(row < 0 || row >= FTable->RowCount(), QStringLiteral("Grid.Row not in valid range"));
    FTable->SetChanged(true);
    if (FTable->RowCount() == FArrangement.ShownRows)
      FArrangement.ShownRows = std::min(FArrangement.ShownRows + FTable->RowGroup(), kMostRowsShown);
    FTable->InsertRowGroup(row);
  });
}

void TTableForm::BtnDelClick() {
  RowButton([&] {
    const int row = CurrentDataRow();
    RaiseIf(row < 0 || row >= FTable->RowCount(), QStringLiteral("Grid.Row not in valid range"));
    FTable->SetChanged(true);
    FTable->DeleteRowGroup(row);
  });
}

void TTableForm::closeEvent(QCloseEvent* Event) {
  bool close = true;
  Guarded(this, [&] { close = !FTable || CommitCell(); });
  if (!close) {
    Event->ignore();
    return;
  }
  QDialog::closeEvent(Event);
}

void TTableForm::showEvent(QShowEvent* Event) {
  QDialog::showEvent(Event);
  // The current cell shows its editor.
  FGrid->ShowEditor();
}

void TTableForm::changeEvent(QEvent* Event) {
  QDialog::changeEvent(Event);
  if (Event->type() != QEvent::ActivationChange || isActiveWindow() || FModal || !FTable) return;
  // A modeless window is not left while its entry is refused. Its own
  // message box, or another modal window, is not leaving.
  if (FGrid->Committing() || QApplication::activeModalWidget()) return;
  bool stay = false;
  Guarded(this, [&] { stay = !CommitCell(); });
  if (stay)
    QTimer::singleShot(0, this, [this] {
      raise();
      activateWindow();
    });
}

void TTableForm::keyPressEvent(QKeyEvent* Event) {
  // Escape takes back an entry in the grid; it does not close the window.
  if (Event->key() == Qt::Key_Escape) {
    Event->accept();
    return;
  }
  QDialog::keyPressEvent(Event);
}

}  // namespace zavik
