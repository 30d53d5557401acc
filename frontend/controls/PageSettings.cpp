#include "controls/PageSettings.h"

#include <algorithm>

namespace zavik {

TPageOptions ResolvePageOptions(TPageOptions Old, TPageOptions New) {
  const auto added = [&](TPageOptions Flag) { return (New & Flag) && !(Old & Flag); };
  if (added(poDefaultMinMargins)) New &= ~TPageOptions(poMinMargins);
  if (added(poMinMargins)) New &= ~TPageOptions(poDefaultMinMargins);
  if (added(poHundredthsOfMillimeters)) New &= ~TPageOptions(poThousandthsOfInches);
  if (added(poThousandthsOfInches)) New &= ~TPageOptions(poHundredthsOfMillimeters);
  return New;
}

double MillimetresPerUnit(TPageOptions Options) {
  return Options & poThousandthsOfInches ? 25.4 / 1000 : 1.0 / 100;
}

void TPageSettings::SetMargin(TEdge Edge, double Millimetres) {
  FMargins[Edge] = std::max(Millimetres, FMinMargins[Edge]);
}

void TPageSettings::SetMinMargin(TEdge Edge, double Millimetres) {
  FMinMargins[Edge] = std::min(Millimetres, FMargins[Edge]);
}

QPageLayout TPageSettings::PageLayout() const {
  return QPageLayout(Paper, Orientation,
                     QMarginsF(FMargins[Left], FMargins[Top], FMargins[Right], FMargins[Bottom]),
                     QPageLayout::Millimeter);
}

TPageSettings& TPageSettings::Program() {
  static TPageSettings settings;
  return settings;
}

}  // namespace zavik
