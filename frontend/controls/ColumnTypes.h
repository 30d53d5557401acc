#pragma once
// The five column classes of TGridTable, registered under the type codes
// 0 enumeration, 1 integer, 2 float, 3 table, 4 string.

#include "controls/Table.h"
#include "controls/TableList.h"

#include <QList>
#include <QStringList>

#include <memory>

namespace zavik {

// A choice among named items; item k (0-based) stands for the value k + 1.
// Values are not checked against the item count.
class TEnumColumn : public TColumn {
public:
  static const TColumnClass Class;
  explicit TEnumColumn(TGridTable* Table) : TColumn(Table) {}
  TEnumColumn(TGridTable* Table, TValueReader& Reader);
  const TColumnClass& ClassType() const override { return Class; }

  const QStringList& Items() const { return FItems; }
  void SetItems(const QStringList& Items);
  std::function<void(TColumn*)> OnItemsChange;

  void InsertRows(TGridTable* Table, int At, int Count) override;
  void DeleteRow(int Row) override;
  int GetInteger(int Row) const override;
  void SetInteger(int Row, int Value) override;
  QString GetText(int Row) const override;
  void SetText(int Row, const QString& Text) override;
  void WriteData(TValueWriter& Writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const override;

private:
  void StoreValue(int Row, int Value);
  QStringList FItems;
  QList<int> FValues;
};

// Whole numbers within limits.
class TIntColumn : public TColumn {
public:
  static const TColumnClass Class;
  explicit TIntColumn(TGridTable* Table) : TColumn(Table) {}
  TIntColumn(TGridTable* Table, TValueReader& Reader);
  const TColumnClass& ClassType() const override { return Class; }

  int DefaultValue = 0;
  int MinValue = -2147483647 - 1;
  int MaxValue = 2147483647;

  void InsertRows(TGridTable* Table, int At, int Count) override;
  void DeleteRow(int Row) override;
  int GetInteger(int Row) const override;
  void SetInteger(int Row, int Value) override;
  QString GetText(int Row) const override;
  void SetText(int Row, const QString& Text) override;
  void WriteData(TValueWriter& Writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const override;

private:
  QList<int> FValues;
};

// Extended reals with a unit template, converted when the table's unit system
// changes. A column with TopDepth holds the top depth of each layer and the
// next column, which must be a float column, the bottom depth; the pair keeps
// the layers contiguous: the top of row r is the bottom of row r - 1.
class TFloatColumn : public TColumn {
public:
  static const TColumnClass Class;
  explicit TFloatColumn(TGridTable* Table) : TColumn(Table) {}
  TFloatColumn(TGridTable* Table, TValueReader& Reader);
  const TColumnClass& ClassType() const override { return Class; }

  long double DefaultValue = 0;
  bool TopDepth = false;
  QString UnitTemplate;

  bool IsBottomDepth() const;

  void InsertRows(TGridTable* Table, int At, int Count) override;
  void DeleteRow(int Row) override;
  QString GetHeader(int Index) const override;
  long double GetFloat(int Row) const override;
  void SetFloat(int Row, long double Value) override;
  QString GetText(int Row) const override;
  void SetText(int Row, const QString& Text) override;
  void SetUnits(int Units) override;
  void WriteData(TValueWriter& Writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const override;

private:
  TFloatColumn* BottomColumn() const;  // the next column, for a top-depth column
  TFloatColumn* TopColumn() const;     // the previous column, for a bottom-depth column
  QList<long double> FValues;
};

// Each row holds an object: a nested table copied from the template table of
// the row's item in column 0 (or the single template), or an object that the
// table's OnInitRow event produces. The row objects belong to the column. The
// editor shows a button with ButtonCaption in each row.
class TTableColumn : public TColumn {
public:
  static const TColumnClass Class;
  explicit TTableColumn(TGridTable* Table) : TColumn(Table), Templates(Table) {}
  TTableColumn(TGridTable* Table, TValueReader& Reader);
  ~TTableColumn() override;
  const TColumnClass& ClassType() const override { return Class; }

  // Row-object hooks, bound by the table to its events of the same names
  // (without the table and column arguments).
  std::function<void(int ARow, QObject* AData)> OnButtonClick;
  std::function<void(QObject* AData, int ARow)> OnSetRow;
  std::function<void(int ARow, QObject* AData, int AValue)> OnSetUnits;
  std::function<void(int ARow, QObject* AData, QString& ACaption)> OnGetButtonCaption;
  std::function<void(int ARow, QObject* AData, bool& AChanged)> OnGetChanged;
  std::function<void(int ARow, QObject* AData)> OnHide;
  std::function<void(int ARow, int AEnumType, QObject*& AData)> OnInitRow;
  std::function<void(int ARow, QObject* AData)> OnResetChanged;

  // One entry per item of column 0 (or a single entry).
  TGridTableList Templates;

  void CreateRowObject(int Row);
  QString ButtonCaption(int Row) const;
  // The row's button was clicked: a nested table opens, modally when the
  // owning table's window is modal; another row object fires OnButtonClick.
  void ButtonClick(int Row);
  // Rows from FromRow on moved: their nested tables learn their new row and
  // their captions are told as changed cells.
  void UpdateButtons(int FromRow);

  void InsertRows(TGridTable* Table, int At, int Count) override;
  void DeleteRow(int Row) override;
  TGridTable* GetTable(int Row) const override;
  QObject* GetObject(int Row) const override;
  bool GetChanged() const override;
  void ResetChanged() override;
  void FreeForms() override;
  void SetUnits(int Units) override;
  void WriteData(TValueWriter& Writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const override;

private:
  int EnumValueOf(int Row) const;
  TObjectList<QObject> FRowObjects;
};

// Free text.
class TStringColumn : public TColumn {
public:
  static const TColumnClass Class;
  explicit TStringColumn(TGridTable* Table) : TColumn(Table) {}
  TStringColumn(TGridTable* Table, TValueReader& Reader);
  const TColumnClass& ClassType() const override { return Class; }

  QString DefaultText;
  long double WidthFactor = 1.0L;  // the editor's minimum width of the column, in inches

  void InsertRows(TGridTable* Table, int At, int Count) override;
  void DeleteRow(int Row) override;
  QString GetText(int Row) const override;
  void SetText(int Row, const QString& Text) override;
  void WriteData(TValueWriter& Writer) const override;
  std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const override;

private:
  QStringList FValues;
};

}  // namespace zavik
