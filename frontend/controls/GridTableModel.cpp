#include "controls/GridTableModel.h"

#include "controls/ColumnTypes.h"

namespace zavik {

TGridTableModel::TGridTableModel(TGridTable* Table, QObject* Parent)
    : QAbstractTableModel(Parent), FTable(Table) {
  connect(Table, &TGridTable::TableChanged, this, &TGridTableModel::Reset);
  connect(Table, &TGridTable::CellChanged, this, &TGridTableModel::TableCellChanged);
  connect(Table, &TGridTable::Destroying, this, [this] {
    beginResetModel();
    FTable = nullptr;
    endResetModel();
  });
}

void TGridTableModel::Reset() {
  // The table has already changed: the views read it anew.
  beginResetModel();
  endResetModel();
}

void TGridTableModel::TableCellChanged(int ACol, int ARow) {
  if (!FTable || ACol < 0 || ACol >= FTable->ColumnCount()) return;
  const int section = FTable->IndexOfVisibleColumn(FTable->Columns(ACol));
  if (section < 0 || ARow < 0 || ARow >= rowCount()) return;
  const QModelIndex i = index(ARow, section);
  emit dataChanged(i, i);
}

TColumn* TGridTableModel::ColumnAt(int Section) const {
  if (!FTable || Section < 0 || Section >= FTable->VisibleColumnCount()) return nullptr;
  return FTable->VisibleColumns(Section);
}

TGridTableModel::TCellKind TGridTableModel::Kind(int Section) const {
  TColumn* c = ColumnAt(Section);
  if (dynamic_cast<TEnumColumn*>(c)) return TCellKind::Choice;
  if (dynamic_cast<TTableColumn*>(c)) return TCellKind::Table;
  return TCellKind::Text;
}

QStringList TGridTableModel::Items(int Section) const {
  if (auto e = dynamic_cast<TEnumColumn*>(ColumnAt(Section))) return e->Items();
  return {};
}

QStringList TGridTableModel::HeaderLines(int Section) const {
  QStringList lines;
  TColumn* c = ColumnAt(Section);
  if (!c) return lines;
  for (int j = 0; j < FTable->HeaderRowCount(); ++j)
    lines.append(j < c->HeaderCount() ? c->GetHeader(j) : QString());
  return lines;
}

int TGridTableModel::rowCount(const QModelIndex& Parent) const {
  return FTable && !Parent.isValid() ? FTable->RowCount() : 0;
}

int TGridTableModel::columnCount(const QModelIndex& Parent) const {
  return FTable && !Parent.isValid() ? FTable->VisibleColumnCount() : 0;
}

QVariant TGridTableModel::data(const QModelIndex& Index, int Role) const {
  TColumn* c = ColumnAt(Index.column());
  if (!c || Index.row() < 0 || Index.row() >= c->CellCount()) return {};
  if (Role != Qt::DisplayRole && Role != Qt::EditRole) return {};
  try {
    switch (Kind(Index.column())) {
      case TCellKind::Text:
        return c->GetText(Index.row());
      case TCellKind::Choice: {
        const QStringList items = static_cast<TEnumColumn*>(c)->Items();
        const int item = c->GetInteger(Index.row()) - 1;
        const bool shown = item >= 0 && item < items.size();
        if (Role == Qt::EditRole) return shown ? item : -1;
        return shown ? items[item] : QString();
      }
      case TCellKind::Table:
        return static_cast<TTableColumn*>(c)->ButtonCaption(Index.row());
    }
  } catch (const std::exception&) {
    // A cell that cannot be read shows nothing; the view goes on.
  }
  return {};
}

template <class F>
bool TGridTableModel::Commit(const QModelIndex& Index, F&& Write) {
  FLastError.clear();
  TColumn* c = ColumnAt(Index.column());
  if (!c || Index.row() < 0 || Index.row() >= c->CellCount()) return false;
  try {
    Write(c, Index.row());
    return true;
  } catch (const Exception& e) {
    FLastError = e.Message();
  } catch (const std::exception& e) {
    FLastError = QString::fromLocal8Bit(e.what());
  }
  return false;
}

bool TGridTableModel::CommitText(const QModelIndex& Index, const QString& Text) {
  if (Kind(Index.column()) != TCellKind::Text) return false;
  return Commit(Index, [&](TColumn* c, int row) {
    FTable->SetChanged(true);
    c->SetText(row, Text);
  });
}

bool TGridTableModel::CommitChoice(const QModelIndex& Index, int Item) {
  if (Kind(Index.column()) != TCellKind::Choice || Item < 0) return false;
  return Commit(Index, [&](TColumn* c, int row) {
    if (c->GetInteger(row) == Item + 1) return;
    FTable->SetChanged(true);
    c->SetInteger(row, Item + 1);
  });
}

bool TGridTableModel::setData(const QModelIndex& Index, const QVariant& Value, int Role) {
  if (Role != Qt::EditRole) return false;
  if (Kind(Index.column()) == TCellKind::Choice) return CommitChoice(Index, Value.toInt());
  return CommitText(Index, Value.toString());
}

QVariant TGridTableModel::headerData(int Section, Qt::Orientation Orientation, int Role) const {
  if (Role != Qt::DisplayRole || !FTable) return {};
  if (Orientation == Qt::Horizontal) return HeaderLines(Section).join(QLatin1Char('\n'));
  // All rows of one row group carry the group's number.
  return Section / FTable->RowGroup() + 1;
}

Qt::ItemFlags TGridTableModel::flags(const QModelIndex& Index) const {
  if (!ColumnAt(Index.column())) return Qt::NoItemFlags;
  // Choices and nested tables are edited by the control in their cell.
  const Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  return Kind(Index.column()) == TCellKind::Text ? flags | Qt::ItemIsEditable : flags;
}

}  // namespace zavik
