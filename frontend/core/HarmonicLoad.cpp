#include "core/HarmonicLoad.h"

#include "core/DeckLayout.h"
#include "core/ProgramData.h"
#include "controls/NumberFormat.h"

#include <cmath>
#include <limits>

namespace zavik {

TPoint3 BaseToGravityPoint(const TPoint3& P, const TProgramData& D) {
  return {P.X - (D.CBLocalX - D.Xc), P.Y - (D.CBLocalY - D.Yc), D.CBLocalZ + D.Zc - P.Z};
}

TPoint3 GravityToBasePoint(const TPoint3& P, const TProgramData& D) {
  return {P.X + (D.CBLocalX - D.Xc), P.Y + (D.CBLocalY - D.Yc), D.CBLocalZ + D.Zc - P.Z};
}

TLoadVector EquivalentLoads(const TLoadVector& L, const TPoint3& P) {
  return {L.Fx,
          L.Fy,
          L.Fz,
          L.Mx - P.Y * L.Fz + P.Z * L.Fy,
          L.My - P.Z * L.Fx + P.X * L.Fz,
          L.Mz - P.X * L.Fy + P.Y * L.Fx};
}

QString EquivalentLoadsText(const TLoadVector& L, bool Quadratic, TUnits Units) {
  const bool si = Units == TUnits::SI;
  const QString force = Quadratic ? (si ? QStringLiteral(" Mg-m") : QStringLiteral(" slug-ft"))
                                  : (si ? QStringLiteral(" kN") : QStringLiteral(" lbs"));
  const QString moment = Quadratic ? (si ? QStringLiteral(" Mg-m^2") : QStringLiteral(" slug-ft^2"))
                                   : (si ? QStringLiteral(" kN-m") : QStringLiteral(" lbs-ft"));
  const QString c = Quadratic ? QStringLiteral("c") : QString();
  QString text = Quadratic ? QStringLiteral("Equivalent Coeffs.") : QStringLiteral("Equivalent Loads.");
  text += QStringLiteral("\r\r");
  const struct {
    char Name;
    char Axis;
    long double Value;
  } lines[] = {{'F', 'x', L.Fx}, {'F', 'y', L.Fy}, {'F', 'z', L.Fz},
               {'M', 'x', L.Mx}, {'M', 'y', L.My}, {'M', 'z', L.Mz}};
  for (const auto& l : lines)
    text += QLatin1Char(l.Name) + c + QLatin1Char(l.Axis) + QStringLiteral(": ") +
            FloatToStrGeneral(l.Value, 15) + (l.Name == 'F' ? force : moment) + QLatin1Char('\r');
  return text;
}

long long HarmonicFrequencyLines(long double MaxHz, long double MinHz, long double StepHz) {
  // The deck's numbers as the analysis reads them.
  auto deck = [](long double Hz) { return DeckFloatToStr(Hz * DeckRadiansPerHertz).toFloat(); };
  const float step = deck(StepHz);
  const double lines = double((deck(MaxHz) - deck(MinHz)) / (step == 0.0f ? 1.0f : step) + 1.0f);
  if (std::isnan(lines)) return 0;
  if (std::fabs(lines) >= 9e18) return lines > 0 ? std::numeric_limits<long long>::max()
                                                 : std::numeric_limits<long long>::min();
  return static_cast<long long>(lines > 0 ? std::trunc(lines + 0.5) : std::trunc(lines - 0.5));
}

QString FrequencyRangeRefusal(long double MaxHz, long double MinHz, long double StepHz) {
  const long long lines = HarmonicFrequencyLines(MaxHz, MinHz, StepHz);
  if (lines <= MaxHarmonicLines) return QString();
  return QStringLiteral("The frequencies from %1 Hz to %2 Hz in steps of %3 Hz make %4 frequency "
                        "lines; one analysis takes at most %5.")
      .arg(FloatToStrGeneral(MinHz, 15), FloatToStrGeneral(MaxHz, 15), FloatToStrGeneral(StepHz, 15))
      .arg(lines)
      .arg(MaxHarmonicLines);
}

}  // namespace zavik
