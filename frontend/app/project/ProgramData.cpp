#include "app/project/ProgramData.h"

#include "controls/NumberFormat.h"

namespace zavik {

QString DeckFloatToStr(long double Value) { return FloatToStrGeneral(Value, 8, QLatin1Char('.')); }

TProgramData::TProgramData(TProjectTables& Tables) : FTables(&Tables) {
  // No input window may keep values of the project this one replaces.
  emit FTables->NewProjectStarting();
  ConvertUnits(2);
  for (TGridTable* t : FTables->Tables()) {
    t->SetRowCount(0);
    t->SetRowCount(t->MinRows());
  }
  FTables->SetModified(false);
}

void TProgramData::ConvertUnits(int Target) {
  Target = qBound(1, Target, 2);
  // English units per SI unit: lb per kN, ft per m, slug per Mg.
  long double force = 224.8089237L;
  long double length = 3.280839895L;
  long double mass = 68.364249L;
  if (Target == 2) {
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
    const long double forceFactor = Quadratic == 1 ? mass * length : force;
    const long double momentFactor = forceFactor * length;
    for (long double* v : {&ForceX, &ForceY, &ForceZ}) *v *= forceFactor;
    for (long double* v : {&MomentX, &MomentY, &MomentZ}) *v *= momentFactor;
  }
  Units = Target;
  for (TGridTable* t : FTables->Tables()) t->SetUnits(Target);
  emit FTables->UnitsConverted(Target);
}

}  // namespace zavik
