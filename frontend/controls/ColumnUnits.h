#pragma once
// Unit templates of float columns. A template such as "L2", "F/L2^3",
// "L2/SEC" or "F6" names a dimension with the unit codes F, F1, F2, F4, F5, F6
// (force, mass and time kinds) and L, L1, L2, L3 (length kinds). Unit
// systems: 1 English, 2 SI, 3 dimension letters.

#include <QString>

#include <initializer_list>

namespace zavik {

// The unit systems by their codes, as tables, entries and plots take them.
inline constexpr int EnglishSystem = 1;
inline constexpr int SISystem = 2;
inline constexpr int LetterSystem = 3;  // the templates' own letters

constexpr int UnitCodeCount = 10;
// Codes in table order: F F1 F2 F4 F5 F6 L L1 L2 L3.
extern const char* const UnitCodes[UnitCodeCount];
// Names per system (English, SI, letters) and code.
extern const char* const UnitNames[3][UnitCodeCount];
// English units per SI unit, per code.
extern const long double UnitFactors[UnitCodeCount];

// The template with every code replaced by its name in the system.
QString TranslateUnitText(const QString& Template, int System);
// The template with one force and one length code named in the system (1 or
// 2): of each list, tried in its order, the first code the template holds,
// at every place it stands; any other code stays as it is. The entry boxes'
// labels and the plots' axis captions name their units this way, each with
// the codes it knows.
QString NameFirstUnitCodes(const QString& Template, int System, std::initializer_list<const char*> ForceCodes,
                           std::initializer_list<const char*> LengthCodes);
// Factor that converts a value of the template's dimension from one system to
// another: English to SI divides by the codes' factors, SI to English
// multiplies; every other pair gives 1.
long double UnitConversionFactor(int From, int To, const QString& Template);
// The English-per-SI factor of one side of a template ("L2^3", "F", "SEC").
long double UnitTermFactor(const QString& Term);

}  // namespace zavik
