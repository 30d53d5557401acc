#pragma once
// An owning list of objects.

#include "controls/Guards.h"

#include <QList>

namespace zavik {

// A list of objects that frees the objects it removes, replaces or still holds
// when it is cleared or destroyed, while OwnsObjects is true. Index errors
// raise EListError.
template <class T>
class TObjectList {
public:
  bool OwnsObjects = true;

  TObjectList() = default;
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;
  ~TObjectList() { Clear(); }

  int Add(T* Item) {
    FItems.append(Item);
    return int(FItems.size()) - 1;
  }
  void Insert(int Index, T* Item) {
    CheckIndex(Index, Count() + 1);
    FItems.insert(Index, Item);
  }
  void Delete(int Index) {
    CheckIndex(Index, Count());
    T* item = FItems.takeAt(Index);
    if (OwnsObjects) delete item;
  }
  void Clear() {
    while (!FItems.isEmpty()) {
      T* item = FItems.takeLast();
      if (OwnsObjects) delete item;
    }
  }
  int Count() const { return int(FItems.size()); }
  T* Items(int Index) const {
    CheckIndex(Index, Count());
    return FItems[Index];
  }
  void SetItem(int Index, T* Item) {
    CheckIndex(Index, Count());
    T* old = FItems[Index];
    FItems[Index] = Item;
    if (OwnsObjects && old != Item) delete old;
  }
  int IndexOf(const T* Item) const { return int(FItems.indexOf(const_cast<T*>(Item))); }

  auto begin() const { return FItems.begin(); }
  auto end() const { return FItems.end(); }

private:
  static void CheckIndex(int Index, int Limit) {
    RaiseIfFmt<EListError>(Index < 0 || Index >= Limit, "List index out of bounds (%d)", Index);
  }
  QList<T*> FItems;
};

}  // namespace zavik
