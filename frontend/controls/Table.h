#pragma once
// The input-table component TGridTable: an ordered set of typed columns
// (ColumnTypes.h), a common row count with limits, row groups, the unit system
// in which the values are held and shown, and a changed state. It is free of
// widgets: the editor window and the in-place controls reach it through the
// small interfaces TTableFormBase and TControlHost declared here.

#include "controls/Exceptions.h"
#include "controls/KavConst.h"

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QWidget;

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

// What a column needs of the canvas to find its minimum width.
struct TCanvas {
  std::function<int(const QString&)> TextWidth;
  int PixelsPerInch = 96;
};

// In-place controls that sit on the editor grid's cells: a drop-down list per
// row of an enumeration column, a push button per row of a table column. The
// widget layer implements them with Qt widgets.
class TInPlaceControl {
public:
  virtual ~TInPlaceControl() = default;
  int Row = -1;
  virtual void SetVisible(bool Visible) = 0;
  virtual bool IsVisible() const = 0;
  virtual void BringToFront() = 0;
  virtual void SetBounds(int Left, int Top, int Width, int Height) = 0;
};

class TComboControl : public TInPlaceControl {
public:
  virtual void SetItems(const QStringList& Items) = 0;
  virtual void SetItemIndex(int Index) = 0;  // -1 or out of range: no selection
  virtual int ItemIndex() const = 0;
  std::function<void(TComboControl*)> OnChange;  // the user chose an item
  std::function<void(TComboControl*)> OnEnter;   // the control received the focus
};

class TButtonControl : public TInPlaceControl {
public:
  virtual void SetCaption(const QString& Caption) = 0;
  virtual QString Caption() const = 0;
  std::function<void(TButtonControl*)> OnClick;
};

// The window that hosts the in-place controls while the editor is open.
class TControlHost {
public:
  virtual ~TControlHost() = default;
  virtual std::unique_ptr<TComboControl> CreateCombo() = 0;
  virtual std::unique_ptr<TButtonControl> CreateButton() = 0;
};

// The editor window as the table sees it. The window layer installs a factory
// with SetTableFormFactory; the table frees its window with itself.
class TTableFormBase {
public:
  virtual ~TTableFormBase() = default;
  virtual void ShowForm() = 0;       // visible and in front, modeless
  virtual int ShowFormModal() = 0;   // runs modally; the modal result
  virtual bool IsModal() const = 0;
  virtual void SetFormCaption(const QString& Caption) = 0;
  virtual void SelectGridCell(int ACol, int ARow) = 0;
  virtual void HelpPictureChanged() = 0;
  virtual void TableDestroyed() = 0;  // clears the window's link to the table
};
using TTableFormFactory = std::function<TTableFormBase*(TGridTable* Table)>;
void SetTableFormFactory(TTableFormFactory Factory);

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
  std::function<void(TColumn*, int Row)> OnSelectCell;
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
  virtual int MinWidth(const TCanvas& Canvas) const;

  virtual void WriteData(TValueWriter& Writer) const;
  virtual std::unique_ptr<TColumn> Clone(TGridTable* NewTable) const = 0;

  virtual bool HasControls() const { return false; }
  virtual bool ControlsAllocated() const { return false; }
  virtual TInPlaceControl* GetControl(int /*Row*/) const { return nullptr; }
  virtual void AllocateControls(TControlHost* /*Parent*/, int /*ATopRow*/, int /*ACount*/) {}
  virtual void FreeControls() {}

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

  // Rows.
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

  // Editor window.
  void Show();
  int ShowModal();
  void Reshow();
  void FreeForm();
  TTableFormBase* Form() const { return FForm; }
  void FormClosed();  // the window closes itself: forget it and its controls
  void AttachControls(TControlHost* Parent, int ATopRow, int ACount);
  void DetachControls();
  TControlHost* ControlParent() const { return FControlParent; }

  // Stored column definitions.
  void ReadColumns(TValueReader& Reader);
  void WriteColumns(TValueWriter& Writer) const;
  QString Col() const;
  void SetCol(const QString& Data);
  void SetLoading(bool Value) { FLoading = Value; }
  bool Loading() const { return FLoading; }

  // Published state.
  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& Value) { FCaption = Value; }
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
  QWidget* FormParent() const { return FFormParent; }
  void SetFormParent(QWidget* Value) { FFormParent = Value; }

  int OwnerRow() const { return FOwnerRow; }
  void SetOwnerRow(int Value);
  QString Path() const;
  QString FormCaption() const { return FCaption + QLatin1Char(' ') + Path(); }
  // True when this table or one of its owning tables is Template or was
  // copied from it, so that a copy of Template here would nest without end.
  bool DerivesFrom(const TGridTable* Template) const;

  // Hooks of the open editor window.
  TNotifyEvent OnTableChanged;
  std::function<void(int ACol, int ARow)> OnCellChanged;

  // Events of row objects that are not nested tables.
  TButtonClickEvent OnButtonClick;
  TGetButtonCaptionEvent OnGetButtonCaption;
  TGetChangedEvent OnGetChanged;
  THideEvent OnHide;
  TInitRowEvent OnInitRow;
  TResetChangedEvent OnResetChanged;
  TSetRowEvent OnSetRow;
  TSetUnitsEvent OnSetUnits;
  TNotifyEvent OnResize;

private:
  void TableChanged();
  void ColumnChanged(TColumn* Column, int Row);
  void ColumnSelectCell(TColumn* Column, int Row);
  void FirstColumnChanged(TColumn* Column);
  void SyncTableColumns();
  void BindColumn(TColumn* Column);
  void InsertCells(TColumn* Column, int At, int Count);
  void CheckDepthPairs() const;
  void EnsureForm();
  void DetachForm();

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
  QWidget* FFormParent = nullptr;
  TControlHost* FControlParent = nullptr;
  int FControlTopRow = 0;
  int FControlCount = 0;
  QImage FHelpPicture;
  TObjectList<TColumn> FColumns;
  TTableFormBase* FForm = nullptr;
  QPointer<const TGridTable> FCopiedFrom;
  bool FLoading = false;
};

// Every live table, in creation order.
QList<TGridTable*>& GridTables();
// The next Identifier a new table receives.
extern int NextIdentifier;
TGridTable* GridTableByIndex(int Index);  // nullptr outside the list
int IndexOfGridTable(const TGridTable* Table);
int IndexOfIdentifier(int Identifier);  // -1 when no live table has it

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
