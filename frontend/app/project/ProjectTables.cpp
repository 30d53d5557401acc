#include "app/project/ProjectTables.h"

#include "controls/Guards.h"

namespace zavik {

namespace {

// Stored column definitions, one per table, in the order of the columns.
const char* const DColumns = R"~(5,
  2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
  2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
  2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Weak zone shear", "modulus ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~";

const char* const TLoadtypeColumns = R"~(2,
  0, ("Load type"), True, False, ("Force in X-direction", "Force in Y-direction",
     "Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"),
  3, ("Load amplitude"), True, False, "FLEXCOLUMN2", (8, 8, 8, 8, 8, 8))~";

const char* const PileDataColumns = R"~(7,
  2, ("Layer ", "depth, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Radius of pile", "(X-dir.) "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Radius of pile", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Cross-sectional", "area, "), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0,
  2, ("Moment of inertia", "(X-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0,
  2, ("Moment of inertia", "(Y-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0,
  2, ("Torsional polar moment", "of inertia (Z-dir.)"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0)~";

const char* const PilecapsoilColumns = R"~(6,
  2, ("Thickness of", "layer, "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
  2, ("Unit weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
  2, ("Poisson's", "ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material", "damping"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Weak zone", "shear moduli ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~";

const char* const MultisoilColumns = R"~(6,
  2, ("Shear Wave", "velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
  2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
  2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Weak Zone Shear ", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material Damping", "Ratio"), False, False, False, "FLOATCOLUMN2", "", 0.0)~";

const char* const MultiElementColumns = R"~(7,
  2, ("Layer Depth"), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Radius of Foundation", "(X), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Radius of Foundation", "(Y), "), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Cross-Section", "Area"), True, False, False, "FLOATCOLUMN2", "L2^2", 0.0,
  2, ("Moment of Inertia", "(X), "), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0,
  2, ("Moment of Inertia", "(Y),"), True, False, False, "FLOATCOLUMN2", "L2^4", 0.0,
  2, ("Torsional", "Coefficient"), True, False, False, "FLOATCOLUMN2", "", 0.0)~";

const char* const PilecoordColumns = R"~(4,
  2, ("X-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Y-coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Battered Angle", "(degrees)"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  0, ("Battered Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"))~";

const char* const DtransientColumns = R"~(1,
  2, ("Load Amplitude"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~";

const char* const TrandomColumns = R"~(2,
  0, ("Spectrum Coordinates"), True, False, ("Force in X-directiin", "Force in Y-direction",
     "Force in Z-direction", "Moment about X-axis", "Moment about Y-axis", "Moment about Z-axis"),
  3, ("Enter Data"), True, False, "FLEXCOLUMN2", (13, 13, 13, 13, 13, 13))~";

const char* const TspectrumColumns = R"~(1,
  2, ("Spectrum Data"), True, False, False, "FLOATCOLUMN2", "F", 0.0)~";

const char* const D1Columns = R"~(6,
  2, ("Thickness"), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Shear Wave", "Velocity,"), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0,
  2, ("Unit Weight"), True, False, False, "FLOATCOLUMN2", "F/L2^3", 0.0,
  2, ("Poisson's", "Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Material", "Damping"), True, False, False, "FLOATCOLUMN2", "", 0.0,
  2, ("Weak Zone Shear", "Modulus Ratio"), True, False, False, "FLOATCOLUMN2", "", 0.0)~";

const char* const TBatteredColumns = R"~(2,
  0, ("Batter Plane", "(Z-vertical axis)"), True, False, ("XZ-Plane", "YZ-Plane"),
  2, ("Batter Angle"), True, False, False, "FLOATCOLUMN2", "DEGREES", 0.0)~";

const char* const MassCalColumns = R"~(7,
  2, ("Mass"), True, False, False, "FLOATCOLUMN2", "F6", 0.0,
  2, ("x-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("y-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("z-Coord."), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Length ", "(x-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Width ", "(y-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0,
  2, ("Thickness", "(z-direction)"), True, False, False, "FLOATCOLUMN2", "L2", 0.0)~";

}  // namespace

TProjectTables::TProjectTables(QObject* Parent) : QObject(Parent) {
  // Every Identifier is taken before any column refers to one.
  D = Define("D", 15, "Soil Properties", 20, "Layer", true);
  TLoadtype = Define("TLoadtype", 14, "Transient Loading Data", 0, "Number", true);
  PileData = Define("PileData", 3, "Pile Data", 200, "Layer No.", true);
  pilecapsoil = Define("pilecapsoil", 4, "Side Weakened Soil Parameters", 20, "Layer #", true);
  Multisoil = Define("Multisoil", 5, "Soil Column Layer", 20, "Layer #", true);
  MultiElement = Define("MultiElement", 19, "Multi-Layer Foundation", 20, "Layer #", true);
  Pilecoord = Define("Pilecoord", 7, "Pile Coordinations", 500, "Pile #", true);
  Dtransient = Define("Dtransient", 8, "Load Amplitude", 0, "Number", true);
  Trandom = Define("Trandom", 9, "Random Loading data", 0, "Number", true);
  Tspectrum = Define("Tspectrum", 13, "Random Spectrum Data", 0, "Number", true);
  D1 = Define("D1", 11, "Soil Layer Data", 20, "", true);
  TBattered = Define("TBattered", 16, "Battered Pile Data", 0, "Number", true);
  MassCal = Define("MassCal", 12,
                   "Mass Components including equipment, and self weight of footing ", 100,
                   "Mass #", false);

  const std::pair<TGridTable*, const char*> columns[] = {
      {D, DColumns},                 {TLoadtype, TLoadtypeColumns},
      {PileData, PileDataColumns},   {pilecapsoil, PilecapsoilColumns},
      {Multisoil, MultisoilColumns}, {MultiElement, MultiElementColumns},
      {Pilecoord, PilecoordColumns}, {Dtransient, DtransientColumns},
      {Trandom, TrandomColumns},     {Tspectrum, TspectrumColumns},
      {D1, D1Columns},               {TBattered, TBatteredColumns},
      {MassCal, MassCalColumns}};
  for (const auto& [table, stored] : columns) table->SetCol(QString::fromUtf8(stored));
}

TProjectTables::~TProjectTables() {
  // The nested load tables go with their rows, before their templates.
  for (TGridTable* t : FTables) t->SetRowCount(0);
  qDeleteAll(FTables);
}

TGridTable* TProjectTables::Define(const char* Name, int Identifier, const char* Caption,
                                   int MaxRows, const char* TopLeft, bool HardwiredButton) {
  auto* t = new TGridTable(this);
  t->setObjectName(QLatin1String(Name));
  t->SetIdentifier(Identifier);
  t->SetCaption(QString::fromUtf8(Caption));
  t->SetMaxRows(MaxRows);
  t->SetTopLeft(QString::fromUtf8(TopLeft));
  t->SetHardwiredButton(HardwiredButton);
  t->SetMinRows(1);
  t->SetRowGroup(1);
  FTables.append(t);
  return t;
}

TGridTable* TProjectTables::TableByName(const QString& Name) const {
  for (TGridTable* t : FTables)
    if (t->objectName() == Name) return t;
  return nullptr;
}

void TProjectTables::SetModified(bool Value) {
  FModified = Value;
  emit ModifiedChanged(Value);
}

}  // namespace zavik
