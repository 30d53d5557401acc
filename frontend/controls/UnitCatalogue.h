#pragma once
// A catalogue of units of measure in six categories (Length, Time, Force,
// Temperature, Angle, Computer Bits), each unit with a symbol, a long name
// and its size in the base unit of its category. Built the same way on every
// start and kept for the whole run. The unit systems the tables, entry
// controls and plots use are the fixed English and SI ones of the column
// units; nothing else reads this catalogue.

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace zavik {

// A name or symbol given twice.
class eNameError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

struct TUnit {
  std::string Symbol;  // unique within its category
  std::string Name;
  long double Factor;  // the unit's size in base units
};

class TCategory {
public:
  explicit TCategory(std::string Name) : Name(std::move(Name)) {}

  std::string Name;
  int BaseIndex = -1;  // the base unit; -1 for none
  int FromIndex = -1;  // a selected pair of units
  int ToIndex = -1;

  // Appends a unit; the first one becomes the base. A symbol given twice
  // raises eNameError.
  void AddUnit(const std::string& Symbol, const std::string& Name, long double Factor);
  // Frees the unit; the base, from and to indices above it move down by one.
  // Deleting the base leaves the category without one.
  void DeleteUnit(int Index);
  // Makes a unit the base: every factor is divided by its factor, its own
  // becomes exactly 1. -1 only clears the base.
  void SetBase(int Index);
  int Count() const { return int(FUnits.size()); }
  const TUnit& Units(int Index) const;
  int IndexOf(const std::string& Symbol) const;  // -1 when absent

private:
  std::vector<TUnit> FUnits;
};

class TCategories {
public:
  // Appends an empty category; a name given twice raises eNameError.
  TCategory& AddCategory(const std::string& Name);
  // An index outside the list raises std::out_of_range
  // ("<index> Out of Range 0-<count>").
  TCategory& Items(int Index);
  const TCategory& Items(int Index) const;
  int Count() const { return int(FCategories.size()); }

private:
  std::vector<std::unique_ptr<TCategory>> FCategories;
};

// The catalogue of the run, built on first use.
const TCategories& UnitCatalogue();
// Builds the catalogue as the program does at start-up.
std::unique_ptr<TCategories> BuildUnitCatalogue();

}  // namespace zavik
