#include "controls/ColumnUnits.h"

#include "controls/Exceptions.h"
#include "controls/StringHelpers.h"
#include "controls/UnitFactors.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace zavik {

namespace {
enum { F, F1, F2, F4, F5, F6, L, L1, L2, L3 };

long double IntPow(long double X, int N) {
  long double r = 1;
  for (int i = 0; i < N; ++i) r *= X;
  return r;
}

int DigitOr(QChar C, int Default) { return C.isDigit() ? C.digitValue() : Default; }
}  // namespace

const char* const UnitCodes[UnitCodeCount] = {"F", "F1", "F2", "F4", "F5",
                                              "F6", "L", "L1", "L2", "L3"};

const char* const UnitNames[3][UnitCodeCount] = {
    {"lbs", "kips", "tons", "lb-sec2/in", "sec", "slug", "in", "in", "ft", "rad"},
    {"kN", "kN", "kN", "Mg", "sec", "Mg", "m", "mm", "m", "rad"},
    {"F", "F", "F", "M", "T", "F", "L", "L", "L", "L"},
};

// Seconds and radians are the same in both systems.
const long double UnitFactors[UnitCodeCount] = {
    PoundsPerKilonewton, KipsPerKilonewton,   TonsPerKilonewton, PoundSecondsSquaredPerInchPerMegagram, 1.0L,
    SlugFactor,          InchesPerMetre,      InchesPerMillimetre, FeetPerMetre,                       1.0L,
};

QString TranslateUnitText(const QString& Template, int System) {
  if (System < 1 || System > 3)
    throw Exception(QStringLiteral("Invalid unit system %1").arg(System));
  // Two-character codes before the one-letter code they begin with.
  static const int order[] = {F2, F1, F4, F5, F6, F, L3, L2, L1, L};
  QString s = Template;
  for (int code : order)
    s = ReplaceAll(s, QLatin1String(UnitCodes[code]), QLatin1String(UnitNames[System - 1][code]));
  return s;
}

QString NameFirstUnitCodes(const QString& Template, int System, std::initializer_list<const char*> ForceCodes,
                           std::initializer_list<const char*> LengthCodes) {
  if (System < 1 || System > 2) throw Exception(QStringLiteral("Invalid unit system %1").arg(System));
  QString text = Template;
  for (const auto& codes : {ForceCodes, LengthCodes}) {
    for (const char* code : codes) {
      const QLatin1String c(code);
      if (!text.contains(c)) continue;
      const auto* known = std::find_if(std::begin(UnitCodes), std::end(UnitCodes),
                                       [&](const char* k) { return c == QLatin1String(k); });
      if (known == std::end(UnitCodes)) throw Exception(QStringLiteral("Unknown unit code %1").arg(c));
      // Left to right, without searching the inserted name again.
      text.replace(c, QLatin1String(UnitNames[System - 1][known - std::begin(UnitCodes)]));
      break;
    }
  }
  return text;
}

long double UnitTermFactor(const QString& Term) {
  QString t = Term;
  if (t.isEmpty() || (t[0] != QLatin1Char('F') && t[0] != QLatin1Char('L'))) return 1;
  long double force = 1;
  long double length = 1;

  if (t[0] == QLatin1Char('F')) {
    int code = F;
    int used = 1;
    switch (CharAt(t, 2).unicode()) {
      case '1': code = F1; used = 2; break;
      case '2': code = F2; used = 2; break;
      case '4': code = F4; used = 2; break;
      case '5': code = F5; used = 2; break;
      case '6': code = F6; used = 2; break;
      default: break;
    }
    int exponent = 1;
    if (CharAt(t, used + 1) == QLatin1Char('^')) {
      exponent = DigitOr(CharAt(t, used + 2), 1);
      used += 2;
    }
    used += 1;  // the character that joins the force part to the length part
    force = IntPow(UnitFactors[code], exponent);
    t = CopyFrom(t, used + 1);
  }

  if (t.startsWith(QLatin1Char('L'))) {
    int code = L;
    switch (CharAt(t, 2).unicode()) {
      case '0': break;
      case '1': code = L1; break;
      case '2': code = L2; break;
      case '3': code = L3; break;
      default: t.insert(1, QLatin1Char('0')); break;
    }
    int exponent = 1;
    if (t.size() >= 4 && t[2] == QLatin1Char('^')) exponent = DigitOr(t[3], 1);
    length = IntPow(UnitFactors[code], exponent);
  }
  return force * length;
}

long double UnitConversionFactor(int From, int To, const QString& Template) {
  int d = 0;
  if (From == 1 && To == 2) d = -1;
  if (From == 2 && To == 1) d = 1;
  if (d == 0) return 1;
  const qsizetype slash = Template.indexOf(QLatin1Char('/'));
  const QString numerator = slash < 0 ? Template : Template.left(slash);
  const QString denominator = slash < 0 ? QString() : Template.mid(slash + 1);
  const long double ratio = UnitTermFactor(numerator) / UnitTermFactor(denominator);
  return d > 0 ? ratio : 1 / ratio;
}

}  // namespace zavik
