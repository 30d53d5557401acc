#pragma once
// Lists that name tables either by their position in GridTables or by their
// Identifier, resolved when asked. Table columns keep their template tables
// in one.

#include "controls/KavConst.h"

namespace zavik {

class TGridTable;

class TIntWrapper {
public:
  bool IsIdentifier = false;  // Value is an Identifier, else a GridTables index
  int Value = 0;
};

class TGridTableList {
public:
  void AddIndex(int Index);
  void AddTable(const TGridTable* Table);  // its GridTables index, -1 for none
  void AddIdentifier(int Identifier);
  void Insert(int Position, bool IsIdentifier, int Value);
  void Delete(int Position);
  int Count() const { return FEntries.Count(); }
  const TIntWrapper& Entry(int Position) const { return *FEntries.Items(Position); }
  // A GridTables index: an index entry gives its value, an identifier entry
  // the index of the live table with that Identifier; -1 for none.
  int TableIndex(int Position) const;
  // The table, or nullptr for a position or index outside the lists.
  TGridTable* Tables(int Position) const;

private:
  TObjectList<TIntWrapper> FEntries;
};

}  // namespace zavik
