#pragma once
// TGridTableModel: a TGridTable as a Qt item model for the table editor's
// view. Sections are the table's visible columns; rows are its rows; the
// vertical header shows the row-group number of each row, the horizontal
// header the column's header lines with the unit in the table's system. The
// model follows the table's signals and never throws into Qt: a refused entry
// leaves the table as it was and the reason in LastError.

#include "controls/Table.h"

#include <QAbstractTableModel>
#include <QPointer>

namespace zavik {

class TGridTableModel : public QAbstractTableModel {
  Q_OBJECT
public:
  // How a cell is edited: by typing its text, by choosing one of the items of
  // an enumeration column, or by a button that opens the row's nested table.
  enum class TCellKind { Text, Choice, Table };

  explicit TGridTableModel(TGridTable* Table, QObject* Parent = nullptr);

  TGridTable* Table() const { return FTable; }
  // The visible column shown in a section; nullptr outside them.
  TColumn* ColumnAt(int Section) const;
  TCellKind Kind(int Section) const;
  // The items of a choice section (empty for the others).
  QStringList Items(int Section) const;
  // The header lines of a section, as many as the table's header rows (the
  // shorter columns padded with empty lines).
  QStringList HeaderLines(int Section) const;

  // Writes an entry: the text of a text cell, the 0-based item of a choice.
  // Marks the table changed (a choice only when it changes the value). False
  // when the column refused it, with the column's message in LastError.
  bool CommitText(const QModelIndex& Index, const QString& Text);
  bool CommitChoice(const QModelIndex& Index, int Item);
  const QString& LastError() const { return FLastError; }

  int rowCount(const QModelIndex& Parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& Parent = QModelIndex()) const override;
  // Display: the text shown (the item of a choice, the caption of a nested
  // table's button). Edit: the text typed, the 0-based item of a choice (-1
  // for a value beyond the items).
  QVariant data(const QModelIndex& Index, int Role = Qt::DisplayRole) const override;
  bool setData(const QModelIndex& Index, const QVariant& Value, int Role = Qt::EditRole) override;
  QVariant headerData(int Section, Qt::Orientation Orientation,
                      int Role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& Index) const override;

private:
  void Reset();
  void TableCellChanged(int ACol, int ARow);
  template <class F>
  bool Commit(const QModelIndex& Index, F&& Write);

  QPointer<TGridTable> FTable;
  QString FLastError;
};

}  // namespace zavik
