#pragma once
// The input-table component TGridTable: an ordered set of typed columns
// (ColumnTypes.h), a common row count with limits, row groups, the unit system
// in which the values are held and shown, and a changed state.
//
// The table knows no window. It tells whoever shows it what changed through
// its signals, and it asks the window layer to open or free its editor window
// through the one interface TTableWindows, which that layer installs.

#include "controls/Exceptions.h"
#include "controls/Guards.h"
#include "controls/ObjectList.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace zavik {

class TColumn;
class TGridTable;
class TValueReader;
class TValueWriter;

// Cell handle: one per row of each column, owned by the column. Its row is its
// position in the column's cell list.
class TData {
public:
  explicit TData(TColumn* Column) : FColumn(Column) {}
  TColumn* Column() const { return FColumn; }
  int Row() const;

  long double AsFloat() const;
  int AsInteger() const;
  QString GetText() const;
  void SetFloat(long double Value);
  void SetInteger(int Value);
  TGridTable* AsTable() const;

private:
  TColumn* FColumn;
};

// What a table asks of the window layer: its editor window opened, freed and
// looked at. The layer keeps the windows; a window goes when its table says
// Destroying. The owner of a set of tables gives them their layer
// (TGridTable::SetWindows); a table nested in another reaches it through the
// table that holds it.
class TTableWindows {
public:
  virtual ~TTableWindows();
  virtual void ShowTable(TGridTable* Table) = 0;      // modeless, visible and in front
  virtual int ShowTableModal(TGridTable* Table) = 0;  // runs modally; the modal result
  virtual void FreeTableForm(TGridTable* Table) = 0;  // closes and frees the window if any
  virtual bool HasTableForm(const TGridTable* Table) const = 0;
  virtual bool TableFormIsModal(const TGridTable* Table) const = 0;

private:
  friend class TGridTable;
  QList<TGridTable*> FServed;  // the tables given this layer, which forget it when it goes
};

// A column class as the registry knows it: its name and its two constructors.
struct TColumnClass {
  QString Name;
  std::function<std::unique_ptr<TColumn>(TGridTable*)> Create;
  std::function<std::unique_ptr<TColumn>(TGridTable*, TValueReader&)> CreateFromReader;
};

// The abstract column. Typed accessors that a class does not offer raise
// "Data of wrong type".
class TColumn {
public:
  explicit TColumn(TGridTable* Table);
  TColumn(TGridTable* Table, TValueReader& Reader);  // reads the common stored part
  TColumn(const TColumn&) = delete;
  TColumn& operator=(const TColumn&) = delete;
  virtual ~TColumn();

  virtual const TColumnClass& ClassType() const = 0;

  QStringList Headers;       // header lines, top first
  bool GroupValue = false;   // a value set in one row goes to its whole row group
  bool Visible = true;       // invisible columns keep their data, the editor hides them

  std::function<void(TColumn*, int Row)> OnChange;
  std::function<void(TColumn*, int& RowGroup)> OnGetRowGroup;

  TGridTable* Table() const { return FTable; }
  int CellCount() const { return FCells.Count(); }
  TData* Cell(int Row) const { return FCells.Items(Row); }
  int RowOf(const TData* Data) const { return FCells.IndexOf(Data); }

  virtual void InsertRows(TGridTable* Table, int At, int Count);
  virtual void DeleteRow(int Row);
  int HeaderCount() const { return int(Headers.size()); }
  virtual QString GetHeader(int Index) const;
  const QStringList& GetHeaders() const { return Headers; }

  virtual TGridTable* GetTable(int Row) const;
  virtual long double GetFloat(int Row) const;
  virtual void SetFloat(int Row, long double Value);
  virtual int GetInteger(int Row) const;
  virtual void SetInteger(int Row, int Value);
  virtual QObject* GetObject(int Row) const;
  virtual QString GetText(int Row) const;
  virtual void SetText(int Row, const QString& Text);

  virtual bool GetChanged() const { return false; }
  virtual void ResetChanged() {}
  virtual void FreeForms() {}
  virtual void SetUnits(int /*Units*/) {}
  int GetRowGroup() const;

  virtual void WriteData(TValueWriter& Writer) const;
  virtual std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const = 0;

protected:
  void DoChange(int Row);
  void CopyBaseTo(TColumn& Target) const;  // Visible and header lines
  void CheckRow(int Row) const;
  // The rows that receive a value set in Row: its whole group when
  // GroupValue is set, else only Row.
  void WriteRange(int Row, int& First, int& Last) const;
  [[noreturn]] static void WrongType();

private:
  TGridTable* FTable;
  TObjectList<TData> FCells;
};

using TNotifyEvent = std::function<void(TGridTable* Sender)>;
using TButtonClickEvent = std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData)>;
using TGetButtonCaptionEvent =
    std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData, QString& ACaption)>;
using TGetChangedEvent =
    std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData, bool& AChanged)>;
using THideEvent = std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData)>;
using TInitRowEvent =
    std::function<void(TGridTable* Sender, int ACol, int ARow, int AEnumType, QObject*& AData)>;
using TResetChangedEvent = std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData)>;
using TSetRowEvent = std::function<void(TGridTable* Sender, int ACol, QObject* AData, int ARow)>;
using TSetUnitsEvent =
    std::function<void(TGridTable* Sender, int ACol, int ARow, QObject* AData, int AValue)>;

class TGridTable : public QObject {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(QString Comments READ Comments WRITE SetComments)
  Q_PROPERTY(bool HardwiredButton READ HardwiredButton WRITE SetHardwiredButton)
  Q_PROPERTY(int Identifier READ Identifier WRITE SetIdentifier)
  Q_PROPERTY(int MinRows READ MinRows WRITE SetMinRows)
  Q_PROPERTY(int MaxRows READ MaxRows WRITE SetMaxRows)
  Q_PROPERTY(int RowGroup READ RowGroup WRITE SetRowGroup)
  Q_PROPERTY(QString TopLeft READ TopLeft WRITE SetTopLeft)
  Q_PROPERTY(QImage HelpPicture READ HelpPicture WRITE SetHelpPicture)
  Q_PROPERTY(QString Col READ Col WRITE SetCol)

public:
  explicit TGridTable(QObject* Owner = nullptr);
  // A nested table made from a template: its definition, not its rows.
  static TGridTable* CreateCopy(QObject* Owner, int AOwnerRow, const TGridTable* Source);
  ~TGridTable() override;

  // Cells and columns.
  TData* Cells(int ACol, int ARow) const;
  int ColumnCount() const { return FColumns.Count(); }
  TColumn* Columns(int Index) const { return FColumns.Items(Index); }
  int IndexOfColumn(const TColumn* Column) const { return FColumns.IndexOf(Column); }
  int VisibleColumnCount() const;
  TColumn* VisibleColumns(int Index) const;
  int IndexOfVisibleColumn(const TColumn* Column) const;
  int HeaderRowCount() const;  // most header lines among the visible columns
  TColumn* AddColumn(std::unique_ptr<TColumn> Column);

  // Rows. A change of the row count is told through TableChanged.
  int RowCount() const { return FRowCount; }
  void SetRowCount(int Count);
  void AddRowGroup();
  void InsertRowGroup(int Row);
  void DeleteRowGroup(int Row);

  // Units: 1 English, 2 SI, 3 dimension letters.
  int Units() const { return FUnits; }
  void SetUnits(int Value);

  // Changed state.
  bool GetChanged() const;
  void SetChanged(bool Value);
  void ResetChanged();

  // Editor window, through the window layer: the one its owner gave it, or
  // that of the table it is nested in; without one a table cannot be shown.
  void SetWindows(TTableWindows* Windows);
  TTableWindows* Windows() const;
  void Show();
  int ShowModal();
  void Reshow();
  void FreeForm();
  bool HasForm() const;
  bool FormIsModal() const;

  // Stored column definitions.
  void ReadColumns(TValueReader& Reader);
  void WriteColumns(TValueWriter& Writer) const;
  QString Col() const;
  void SetCol(const QString& Data);
  void SetLoading(bool Value) { FLoading = Value; }
  bool Loading() const { return FLoading; }

  // Published state.
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value);
  const QString& Comments() const { return FComments; }
  void SetComments(const QString& Value) { FComments = Value; }
  bool HardwiredButton() const { return FHardwiredButton; }
  void SetHardwiredButton(bool Value) { FHardwiredButton = Value; }
  int Identifier() const { return FIdentifier; }
  void SetIdentifier(int Value);
  int MinRows() const { return FMinRows; }
  void SetMinRows(int Value);
  int MaxRows() const { return FMaxRows; }
  void SetMaxRows(int Value) { FMaxRows = Value; }
  int RowGroup() const { return FRowGroup; }
  void SetRowGroup(int Value) { FRowGroup = Value > 1 ? Value : 1; }
  const QString& TopLeft() const { return FTopLeft; }
  void SetTopLeft(const QString& Value) { FTopLeft = Value; }
  const QImage& HelpPicture() const { return FHelpPicture; }
  void SetHelpPicture(const QImage& Value);
  // The widget in which the window layer embeds the editor window, when set.
  QObject* FormParent() const { return FFormParent; }
  void SetFormParent(QObject* Value) { FFormParent = Value; }

  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int Value);
  QString Path() const;
  QString FormCaption() const { return FCaption + QLatin1Char(' ') + Path(); }
  // True when this table or one of its owning tables is Template or was
  // copied from it, so that a copy of Template here would nest without end.
  bool DerivesFrom(const TGridTable* Template) const;

  // Tables refer to one another by Identifier within one scope: the owner of
  // the topmost table of this table's nesting (nullptr for tables that have
  // none). Identifiers are unique within a scope, so two sets of project
  // tables live side by side and are freed in any order.
  QObject* Scope() const;
  // The live table of this table's scope with the Identifier, or nullptr.
  TGridTable* TableOfIdentifier(int Identifier) const;

  // Events of row objects that are not nested tables.
  TButtonClickEvent OnButtonClick;
  TGetButtonCaptionEvent OnGetButtonCaption;
  TGetChangedEvent OnGetChanged;
  THideEvent OnHide;
  TInitRowEvent OnInitRow;
  TResetChangedEvent OnResetChanged;
  TSetRowEvent OnSetRow;
  TSetUnitsEvent OnSetUnits;
  // Fired by the editor window after every arrangement.
  TNotifyEvent OnResize;

signals:
  // Rows, units or the set of columns changed: whoever shows the table reads
  // it anew.
  void TableChanged();
  // One cell's value changed (the column's index in the column list). Not
  // told while rows are being inserted or deleted: TableChanged follows.
  void CellChanged(int ACol, int ARow);
  void FormCaptionChanged();
  void HelpPictureChanged();
  // The table is about to be freed: its window goes now.
  void Destroying();

private:
  friend class TUpdateScope;
  void NotifyTableChanged();
  void ColumnChanged(TColumn* Column, int Row);
  void FirstColumnChanged(TColumn* Column);
  void SyncTableColumns();
  void BindColumn(TColumn* Column);
  void InsertCells(TColumn* Column, int At, int Count);
  void CheckDepthPairs() const;
  void ResizeColumns(int Count);

  int FOwnerRow = 0;
  QString FCaption;
  bool FChanged = false;
  QString FComments;
  bool FHardwiredButton = false;
  int FIdentifier = 0;
  int FMinRows = 1;
  int FMaxRows = 0;
  int FRowCount = 0;
  int FRowGroup = 1;
  QString FTopLeft;
  int FUnits = 1;
  QPointer<QObject> FFormParent;
  TTableWindows* FWindows = nullptr;
  QImage FHelpPicture;
  TObjectList<TColumn> FColumns;
  QPointer<const TGridTable> FCopiedFrom;
  bool FLoading = false;
  bool FDestroying = false;
  int FUpdating = 0;  // rows are being inserted or deleted
  std::shared_ptr<QList<TGridTable*>> FScopeTables;  // the live tables of its scope, itself among them
};

// The live tables of a scope, in creation order.
QList<TGridTable*> GridTables(const QObject* Scope);
// The next Identifier a new table receives.
extern int NextIdentifier;

// Column type codes and classes.
class TColumnTypeRegistry {
public:
  void Register(const TColumnClass* Class, int Code);
  void Unregister(const TColumnClass* Class);
  int ColumnTypeId(const TColumnClass* Class) const;  // -1 when not registered
  const TColumnClass* ColumnClassOfId(int Code) const;  // nullptr when not registered
  int Count() const { return int(FEntries.size()); }

private:
  std::vector<std::pair<const TColumnClass*, int>> FEntries;
};
// The registry with the five standard column classes under codes 0 to 4.
TColumnTypeRegistry& ColumnTypeRegistry();
void RegisterStandardColumnTypes(TColumnTypeRegistry& Registry);
// Removes the five standard classes; anything left raises
// "Column Type list not empty".
void UnregisterStandardColumnTypes(TColumnTypeRegistry& Registry);

}  // namespace zavik
