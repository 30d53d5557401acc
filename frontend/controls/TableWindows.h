#pragma once
// TTableWindowHost: the window layer of the tables. It opens each table's
// editor window (TTableForm) on request, modeless or modal, embedded in the
// table's FormParent when that is a widget, as a child window of the MDI area
// when one is given, else as a window of its own; it frees the window when
// asked and when its table goes. The owner of the tables gives them the host
// (TGridTable::SetWindows); the tables nested in them reach it through them.

#include "controls/CommitMode.h"
#include "controls/Table.h"

#include <QHash>
#include <QMdiArea>
#include <QObject>
#include <QPointer>

namespace zavik {

class TTableForm;

class TTableWindowHost : public QObject, public TTableWindows {
  Q_OBJECT
public:
  explicit TTableWindowHost(QObject* Parent = nullptr);
  ~TTableWindowHost() override;

  // Modeless windows become child windows of this area (nullptr: windows of
  // their own).
  void SetMdiArea(QMdiArea* Area) { FMdiArea = Area; }
  TTableForm* FormOf(const TGridTable* Table) const;
  // Every open window writes the cell the user typed in; false at the first
  // that refuses, which (told) comes to the front with the focus in the
  // refused cell.
  bool CommitCells(TCommitMode Mode);

  void ShowTable(TGridTable* Table) override;
  int ShowTableModal(TGridTable* Table) override;
  void FreeTableForm(TGridTable* Table) override;
  bool HasTableForm(const TGridTable* Table) const override;
  bool TableFormIsModal(const TGridTable* Table) const override;

private:
  TTableForm* Create(TGridTable* Table, bool Modal);

  QPointer<QMdiArea> FMdiArea;
  QHash<const TGridTable*, QPointer<TTableForm>> FForms;
};

}  // namespace zavik
