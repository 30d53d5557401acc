#include "core/ProgramData.h"

#include "controls/NumberFormat.h"
#include "controls/UnitFactors.h"

namespace zavik {

QString DeckFloatToStr(long double Value) { return FloatToStrGeneral(Value, 8, QLatin1Char('.')); }

TProgramData::TProgramData(TProjectTables& Tables) : FTables(&Tables) {
  // No input window may keep values of the project this one replaces.
  emit FTables->NewProjectStarting();
  ConvertUnits(TUnits::SI);
  for (TGridTable* t : FTables->Tables()) {
    t->SetRowCount(0);
    t->SetRowCount(t->MinRows());
  }
  FTables->SetModified(false);
}

double TotalPileLength(const TProgramData& Project) {
  const TFoundationSystem& system = Project.System();
  if (!system.LengthLayers) return 0;
  const TGridTable* layers = Project.Tables().*system.LengthLayers;
  double length = 0;
  for (int r = 0; r < layers->RowCount(); ++r) length += double(CellOf(layers, TLayerColumn::Thickness, r)->AsFloat());
  return length;
}

void TProgramData::ConvertUnits(TUnits Target) {
  // A number that is no unit system is taken as the nearer one.
  if (!IsKnown(Target)) Target = Code(Target) < Code(TUnits::English) ? TUnits::English : TUnits::SI;
  // English units per SI unit: lb per kN, ft per m, slug per Mg.
  long double force = PoundsPerKilonewton;
  long double length = FeetPerMetre;
  long double mass = SlugFactor;
  if (Target == TUnits::SI) {
    force = 1 / force;
    length = 1 / length;
    mass = 1 / mass;
  }
  if (Target != Units) {
    for (long double* v : {&FootingRadius, &FootingLength, &FootingWidth, &Xc, &Yc, &Zc, &CGX,
                           &CGY, &CGZ, &CBLocalX, &CBLocalY, &CBLocalZ, &CBGlobalX, &CBGlobalY,
                           &CBGlobalZ, &FoundationDepth, &BedrockDepth, &TipShearVelocity,
                           &LoadPointX, &LoadPointY, &LoadPointZ, &PileLength})
      *v *= length;
    const long double unitWeight = force / (length * length * length);
    TipUnitWeight *= unitWeight;
    PileUnitWeight *= unitWeight;
    PileModulus *= force / (length * length);
    StaticLoad *= force;
    TotalMass *= mass;
    for (long double* v : {&InertiaX, &InertiaY, &InertiaZ, &ProductXY, &ProductXZ, &ProductYZ})
      *v *= mass * length * length;
    // Quadratic amplitudes are coefficients of the frequency squared: mass
    // times length for forces, mass times length squared for moments.
    const long double forceFactor = Quadratic ? mass * length : force;
    const long double momentFactor = forceFactor * length;
    for (long double* v : {&ForceX, &ForceY, &ForceZ}) *v *= forceFactor;
    for (long double* v : {&MomentX, &MomentY, &MomentZ}) *v *= momentFactor;
  }
  Units = Target;
  for (TGridTable* t : FTables->Tables()) t->SetUnits(Code(Target));
  emit FTables->UnitsConverted(Code(Target));
}

}  // namespace zavik
