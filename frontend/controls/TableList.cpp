#include "controls/TableList.h"

namespace zavik {

void TGridTableList::CheckPosition(int Position, int Limit) const {
  RaiseIfFmt<EListError>(Position < 0 || Position >= Limit, "List index out of bounds (%d)",
                         Position);
}

void TGridTableList::Insert(int Position, const TTableEntry& Entry) {
  CheckPosition(Position, Count() + 1);
  FEntries.insert(Position, Entry);
}

void TGridTableList::InsertIdentifier(int Position, int Identifier) {
  Insert(Position, TTableEntry{true, Identifier, nullptr});
}

void TGridTableList::AddTable(TGridTable* Table) { Insert(Count(), TTableEntry{false, -1, Table}); }

void TGridTableList::AddIdentifier(int Identifier) { InsertIdentifier(Count(), Identifier); }

void TGridTableList::Delete(int Position) {
  CheckPosition(Position, Count());
  FEntries.removeAt(Position);
}

const TTableEntry& TGridTableList::Entry(int Position) const {
  CheckPosition(Position, Count());
  return FEntries[Position];
}

TGridTable* TGridTableList::Tables(int Position) const {
  if (Position < 0 || Position >= Count()) return nullptr;
  const TTableEntry& e = FEntries[Position];
  if (!e.IsIdentifier) return e.Table;
  return FOwner ? FOwner->TableOfIdentifier(e.Identifier) : nullptr;
}

}  // namespace zavik
