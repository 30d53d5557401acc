#pragma once
// A stand-in for the window layer: records what the tables ask of it.

#include "controls/Table.h"

#include <QHash>
#include <QList>

namespace zavik::testing {

class TFakeWindows : public TTableWindows {
public:
  explicit TFakeWindows(bool AModal = false) : Modal(AModal) {}

  void ShowTable(TGridTable* Table) override {
    Open(Table, false);
    ++Shown;
  }
  int ShowTableModal(TGridTable* Table) override {
    Open(Table, true);
    ++ShownModal;
    return 1;
  }
  void FreeTableForm(TGridTable* Table) override { Freed += FOpen.remove(Table) ? 1 : 0; }
  bool HasTableForm(const TGridTable* Table) const override { return FOpen.contains(Table); }
  bool TableFormIsModal(const TGridTable* Table) const override { return FOpen.value(Table); }

  bool Modal;  // windows opened with ShowModal from now on stay open as modal ones
  int Shown = 0;
  int ShownModal = 0;
  int Freed = 0;
  QList<TGridTable*> Tables;  // tables shown, in order

private:
  void Open(TGridTable* Table, bool AsModal) {
    Tables.append(Table);
    if (!AsModal || Modal) FOpen.insert(Table, AsModal);
    QObject::connect(Table, &TGridTable::Destroying, &FContext, [this, Table] { FOpen.remove(Table); });
  }
  QHash<const TGridTable*, bool> FOpen;
  QObject FContext;  // ends the connections with the fake
};

}  // namespace zavik::testing
