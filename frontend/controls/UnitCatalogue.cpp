#include "controls/UnitCatalogue.h"

#include <cassert>

namespace zavik {

void TCategory::AddUnit(const std::string& Symbol, const std::string& Name, long double Factor) {
  if (IndexOf(Symbol) >= 0)
    throw eNameError(Symbol + " already exists. A unit's symbol must be unique.");
  FUnits.push_back({Symbol, Name, Factor});
  if (FUnits.size() == 1) BaseIndex = 0;
}

void TCategory::DeleteUnit(int Index) {
  (void)Units(Index);  // checks the index
  FUnits.erase(FUnits.begin() + Index);
  if (BaseIndex == Index) BaseIndex = -1;
  for (int* i : {&BaseIndex, &FromIndex, &ToIndex})
    if (*i > Index) --*i;
}

void TCategory::SetBase(int Index) {
  if (Index >= 0) {
    const long double base = Units(Index).Factor;
    for (int i = 0; i < Count(); ++i) FUnits[i].Factor = i == Index ? 1 : FUnits[i].Factor / base;
  }
  BaseIndex = Index;
}

const TUnit& TCategory::Units(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range(std::to_string(Index) + " Out of Range 0-" + std::to_string(Count()));
  return FUnits[Index];
}

int TCategory::IndexOf(const std::string& Symbol) const {
  for (int i = 0; i < Count(); ++i)
    if (FUnits[i].Symbol == Symbol) return i;
  return -1;
}

TCategory& TCategories::AddCategory(const std::string& Name) {
  for (const auto& c : FCategories)
    if (c->Name == Name) throw eNameError(Name + " already exists.");
  FCategories.push_back(std::make_unique<TCategory>(Name));
  return *FCategories.back();
}

const TCategory& TCategories::Items(int Index) const {
  if (Index < 0 || Index >= Count())
    throw std::out_of_range(std::to_string(Index) + " Out of Range 0-" + std::to_string(Count()));
  return *FCategories[Index];
}

TCategory& TCategories::Items(int Index) {
  return const_cast<TCategory&>(static_cast<const TCategories*>(this)->Items(Index));
}

namespace {
struct TUnitRow {
  const char* Symbol;
  const char* Name;
  long double Factor;  // relative to the first unit added to the category
};

// A category from its units as added; Placeholder, when given, stands first
// while the base is set and is deleted then.
void AddCategory(TCategories& Catalogue, const char* Name, const char* Base,
                 std::initializer_list<TUnitRow> Units, const TUnitRow* Placeholder = nullptr) {
  TCategory& c = Catalogue.AddCategory(Name);
  if (Placeholder) c.AddUnit(Placeholder->Symbol, Placeholder->Name, Placeholder->Factor);
  for (const TUnitRow& u : Units) c.AddUnit(u.Symbol, u.Name, u.Factor);
  c.SetBase(c.IndexOf(Base));
  c.FromIndex = c.ToIndex = c.BaseIndex;
  if (Placeholder) c.DeleteUnit(0);
  assert(c.BaseIndex >= 0);
}
}  // namespace

std::unique_ptr<TCategories> BuildUnitCatalogue() {
  auto catalogue = std::make_unique<TCategories>();
  // clang-format off
  AddCategory(*catalogue, "Length", "m", {  // in millimetres
    {"mm", "millimeters", 1},           {"cm", "centimeters", 10},
    {"m", "meters", 1000},              {"km", "kilometers", 1e6L},
    {"in", "inches", 25.4L},            {"ft", "feet", 304.8L},
    {"yd", "yards", 914.4L},            {"f", "fathoms", 1828.8L},
    {"mi", "miles, statute", 1609344},  {"nmi", "nautical miles, U.S.", 1852000},
    {"league", "leagues, statute", 4828032}, {"au", "astronomical units", 1.4959789e14L}});
  const TUnitRow seconds{"PH s", "seconds", 1};
  AddCategory(*catalogue, "Time", "s", {  // in seconds
    {"ns", "nanoseconds", 1e-9L},       {"ms", "milliseconds", 0.001L},
    {"s", "seconds", 1},                {"mn", "minutes", 60},
    {"hr", "hours", 3600},              {"day", "days", 86400},
    {"wk", "weeks", 604800},            {"mth", "months", 2629800},
    {"yr", "years", 31557600},          {"dec", "decades", 315576000},
    {"cen", "centuries", 3155760000.0L}, {"mnm", "millenia", 3.15576e10L},
    {"eon", "eons", 3.15576e16L}}, &seconds);
  AddCategory(*catalogue, "Force", "N", {  // in newtons
    {"N", "newtons", 1},                {"kN", "kilonewtons", 1000},
    {"amu", "atomic mass units", 1.6284334591e-26L},
    {"mg", "milligrams", 9.80665e-6L},  {"g", "grams force", 0.00980665L},
    {"kg", "kilograms force", 9.80665L}, {"tn", "metric tons", 9806.65L},
    {"oz", "ounces force", 0.27801670371L}, {"lb", "pounds force", 4.4482672594L},
    {"kip", "kilopounds", 4448.2672594L}, {"ton", "U.S. Tons force, short", 8896.5345187L}});
  // No offsets: the four temperature units are of one size.
  AddCategory(*catalogue, "Temperature", "C", {
    {"C", "Celsius", 1}, {"F", "Fahrenheit", 1}, {"K", "Kelvin", 1}, {"R", "Rankine", 1}});
  const TUnitRow revolution{"PH rev", "place holder", 1};
  AddCategory(*catalogue, "Angle", "deg", {  // in revolutions
    {"rad", "radians", 0.15915494309189533577L}, {"sec", "seconds", 1.0L / 1296000},
    {"min", "minutes", 1.0L / 21600},   {"gr", "grades", 1.0L / 400},
    {"deg", "degrees", 1.0L / 360},     {"quad", "quadrants", 0.25L},
    {"rev", "revolutions", 1}}, &revolution);
  AddCategory(*catalogue, "Computer Bits", "B", {  // in bits
    {"b", "bits", 1},                   {"Kb", "kilobits", 1024},
    {"Mb", "megabits", 1048576},        {"Gb", "gigabits", 1073741824.0L},
    {"Tb", "terabits", 1099511627776.0L}, {"B", "bytes", 8},
    {"KB", "kilobytes", 8192},          {"MB", "megabytes", 8388608},
    {"GB", "gigabytes", 8589934592.0L}, {"TB", "terabytes", 8796093022208.0L}});
  // clang-format on
  return catalogue;
}

const TCategories& UnitCatalogue() {
  static const std::unique_ptr<TCategories> catalogue = BuildUnitCatalogue();
  return *catalogue;
}

}  // namespace zavik
