#pragma once
// Guard helpers that raise exceptions, integer helpers and an owning object
// list.

#include "controls/Exceptions.h"

#include <QList>
#include <QString>

#include <functional>
#include <initializer_list>
#include <utility>

namespace zavik {

// Raises an exception of class E (the general class when none is given) when
// the condition holds.
template <class E = Exception>
void RaiseIf(bool Condition, const QString& Msg) {
  if (Condition) throw E(Msg);
}

template <class E = Exception>
void RaiseIfNot(bool Condition, const QString& Msg) {
  RaiseIf<E>(!Condition, Msg);
}

// As above with the message formatted printf-style (%d, %s with const char*).
template <class E = Exception, class... Args>
void RaiseIfFmt(bool Condition, const char* Format, Args... Arguments) {
  if (Condition) throw E(QString::asprintf(Format, Arguments...));
}

template <class E = Exception, class... Args>
void RaiseIfNotFmt(bool Condition, const char* Format, Args... Arguments) {
  RaiseIfFmt<E>(!Condition, Format, Arguments...);
}

inline int Max(int A, int B) { return A > B ? A : B; }
inline int Min(int A, int B) { return A < B ? A : B; }
inline int IfThen(bool Condition, int A, int B) { return Condition ? A : B; }
inline bool InRange(int Value, int Low, int High) { return Low <= Value && Value <= High; }

// Folds a two-argument integer function over the array from its first
// element; an empty array is a programming error.
int FoldIntArray(std::initializer_list<int> Values, const std::function<int(int, int)>& F);
int MinOfArray(std::initializer_list<int> Values);

// Nearest whole number, a half to the even neighbour; outside the 32-bit range
// a range error.
int RoundToInt(long double Value);
// The fractional part, sign kept.
long double FracPart(long double Value);

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
  // Removes the item without freeing it and hands it to the caller.
  T* Extract(int Index) {
    CheckIndex(Index, Count());
    return FItems.takeAt(Index);
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

// Frees every item from the last to the first, then the list itself.
template <class T>
void FreeListAndItems(QList<T*>*& List) {
  if (!List) return;
  while (!List->isEmpty()) delete List->takeLast();
  delete List;
  List = nullptr;
}

}  // namespace zavik
