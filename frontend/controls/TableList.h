#pragma once
// Lists of table references. Table columns keep their per-item template
// tables in one. An entry names a table by its Identifier, looked up among
// the tables of the list owner's scope whenever it is asked for, or holds a
// table directly; an entry whose table is freed gives nil. So a reference
// survives tables being created and freed in any order.

#include "controls/Table.h"

#include <QList>
#include <QPointer>

namespace zavik {

struct TTableEntry {
  bool IsIdentifier = false;
  int Identifier = -1;          // when IsIdentifier
  QPointer<TGridTable> Table;   // otherwise; nil once freed
};

class TGridTableList {
public:
  explicit TGridTableList(const TGridTable* Owner) : FOwner(Owner) {}

  void AddTable(TGridTable* Table);  // nil for no table
  void AddIdentifier(int Identifier);
  void Insert(int Position, const TTableEntry& Entry);
  void InsertIdentifier(int Position, int Identifier);
  void Delete(int Position);
  int Count() const { return int(FEntries.size()); }
  const TTableEntry& Entry(int Position) const;
  // The table of the entry, or nil for a position outside the list and for
  // an entry that names no live table.
  TGridTable* Tables(int Position) const;

private:
  void CheckPosition(int Position, int Limit) const;
  const TGridTable* FOwner;
  QList<TTableEntry> FEntries;
};

}  // namespace zavik
