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
  return Options & poThousandthsOfInches ? MillimetresPerInch / 1000 : 1.0 / 100;
}

void TPageSettings::SetMargin(TEdge Edge, double Millimetres) {
  FMargins[Edge] = std::max(Millimetres, FMinMargins[Edge]);
}

void TPageSettings::SetMinMargin(TEdge Edge, double Millimetres) {
  FMinMargins[Edge] = std::min(Millimetres, FMargins[Edge]);
}

QPageLayout TPageSettings::PageLayout(const QMarginsF& Least) const {
  const QMarginsF margins(std::max(FMargins[Left], Least.left()), std::max(FMargins[Top], Least.top()),
                          std::max(FMargins[Right], Least.right()),
                          std::max(FMargins[Bottom], Least.bottom()));
  return QPageLayout(Paper, Orientation, margins, QPageLayout::Millimeter, Least);
}

TPageSettings& TPageSettings::Program() {
  static TPageSettings settings = [] {
    TPageSettings s;
    for (TEdge edge : {Left, Top, Right, Bottom}) s.SetMargin(edge, MillimetresPerInch);
    return s;
  }();
  return settings;
}

}  // namespace zavik
