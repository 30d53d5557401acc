#include "controls/TableFormController.h"

#include "controls/Table.h"

#include <memory>

namespace zavik {

void TGridTableList::Insert(int Position, bool IsIdentifier, int Value) {
  auto entry = std::make_unique<TIntWrapper>();
  entry->IsIdentifier = IsIdentifier;
  entry->Value = Value;
  FEntries.Insert(Position, entry.get());  // on failure the entry is freed here
  entry.release();
}

void TGridTableList::AddIndex(int Index) { Insert(Count(), false, Index); }

void TGridTableList::AddTable(const TGridTable* Table) {
  AddIndex(Table ? IndexOfGridTable(Table) : -1);
}

void TGridTableList::AddIdentifier(int Identifier) { Insert(Count(), true, Identifier); }

void TGridTableList::Delete(int Position) { FEntries.Delete(Position); }

int TGridTableList::TableIndex(int Position) const {
  const TIntWrapper& e = Entry(Position);
  return e.IsIdentifier ? IndexOfIdentifier(e.Value) : e.Value;
}

TGridTable* TGridTableList::Tables(int Position) const {
  if (Position < 0 || Position >= Count()) return nullptr;
  return GridTableByIndex(TableIndex(Position));
}

}  // namespace zavik
