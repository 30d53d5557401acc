#pragma once
// The factors between the two unit systems, English units per SI unit, each
// written once: the unit codes of the column templates and entry labels
// (ColumnUnits) and the project's own fields convert with these. They are
// the program's roundings, and every stored project has been converted with
// them, so they stay as they are; going English to SI divides by them.

namespace zavik {

// Force.
inline constexpr long double PoundsPerKilonewton = 224.8089237L;    // F
inline constexpr long double KipsPerKilonewton = 0.2248089237L;     // F1
inline constexpr long double TonsPerKilonewton = 0.1124044745L;     // F2, short tons of 2000 lb
// Mass: lb-sec²/in per Mg (F4), 1000 kg in pound-force seconds squared per inch.
inline constexpr long double PoundSecondsSquaredPerInchPerMegagram = 5.7101483L;
// Mass in slugs per Mg (F6): the program's factor, not the physical one. A
// megagram is 68.5218 slug (224.8089237 lb per kN times 0.3048 m per ft);
// 68.364249 is 0.23 % less, as if a slug were 14.6275 kg, and no unit
// relation gives it. It is kept because every project's masses, mass moments
// and quadratic load coefficients have always been converted with it: a
// project converted now must give the numbers it always gave, and the tables'
// F6 columns and the fields must agree.
inline constexpr long double SlugFactor = 68.364249L;

// Length.
inline constexpr long double InchesPerMetre = 39.37007874L;        // L
inline constexpr long double InchesPerMillimetre = 0.03937007874L;  // L1
inline constexpr long double FeetPerMetre = 3.280839895L;          // L2
// The amplitude dialog's feet to metres, the foot's definition (the
// reciprocal of FeetPerMetre to the digits that one is given).
inline constexpr long double MetresPerFoot = 0.3048L;

}  // namespace zavik
