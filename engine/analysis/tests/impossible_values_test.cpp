// Values that no soil, pile, footing or load can have, and decks that lack the
// soil the piles stand in, are fatal errors of the input: the section that
// reads such a value names it (and the row of its table), and no analysis is
// run. The values at the ends of what is admissible run as any other.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "analysis/tests/pile_deck.h"

namespace zav::testing {
namespace {

const Lines vertical_load = harmonic_load(12.56, 6.28, 6.28, {0, 0, 50, 0, 0, 0});

Lines footing(const std::function<void(Footing&)>& edit, const Lines& load = vertical_load) {
  Footing f;
  edit(f);
  return footing_deck(f, load);
}

Lines stratum(const std::function<void(Footing&)>& edit) {
  return footing([&](Footing& f) {
    f.stratum = true;
    edit(f);
  });
}

Lines piles(const std::function<void(PileDeck&)>& edit, const std::string& from = {}, const std::string& to = {}) {
  PileDeck p;
  edit(p);
  const Lines d = pile_deck(p, vertical_load);
  return from.empty() ? d : with(d, from, {to});
}

Lines columns(const std::function<void(PileDeck&)>& edit) {
  PileDeck p = multilayer_column();
  edit(p);
  return pile_deck(p, vertical_load);
}

// The deck without its soil section.
Lines without_soil(Lines d) {
  auto from = std::find(d.begin(), d.end(), "SOIL ");
  auto to = std::find(from, d.end(), "LOAD ");
  d.erase(from, to);
  return d;
}

// A pile deck whose foundation section is given again, with two elements,
// after the soil of three layers.
Lines elements_changed_after_soil() {
  PileDeck two;
  two.elements.resize(2);
  const Lines again = pile_deck(two, vertical_load);
  const auto from = std::find(again.begin(), again.end(), "FOUNDATION=PILE");
  const auto to = std::find(from, again.end(), "SOIL ");
  Lines d = pile_deck(PileDeck{}, vertical_load);
  d.insert(std::find(d.begin(), d.end(), "LOAD "), from, to);
  return d;
}

Lines error(const std::string& what) { return {"", "", " ERROR - " + what}; }
Lines critical(const std::string& what) { return error(what + " MUST LIE FROM 0 TO BELOW 1 (CRITICAL DAMPING)"); }

const Lines bad_geometry = {"", "", " *** BAD DATA IN GEOMETRY DESCRIPTION ***",
                            "        - WILL CONTINUE TO PROCESS DATA", "     - CANNOT EXECUTE  THIS PROBLEM SET"};
const Lines bad_load = {"", "", "  ERROR ENCOUNTERED IN LOAD DESCRIPTION", "         - WILL CONTINUE TO PROCESS DATA",
                        "      - CANNOT EXECUTE T HIS PROBLEM SET"};
const Lines will_terminate = {" PROGRAM WILL TERMINATE"};

struct ValueRow {
  const char* name;
  Lines deck;
  Lines message;  // the lines that name the value, and the section's closing lines
};

std::ostream& operator<<(std::ostream& os, const ValueRow& r) { return os << r.name; }

class ImpossibleValue : public DeckRun, public ::testing::WithParamInterface<ValueRow> {};

TEST_P(ImpossibleValue, IsAFatalInputErrorThatNamesIt) {
  const ValueRow& row = GetParam();
  EXPECT_EQ(run(row.deck), 3);
  EXPECT_TRUE(HasBlock(report, row.message));
  ASSERT_GE(report.size(), fatal_block.size());
  EXPECT_EQ(Lines(report.end() - static_cast<long>(fatal_block.size()), report.end()), fatal_block);
  EXPECT_FALSE(HasBlock(report, {"                                 RESULTS"}));
  EXPECT_FALSE(file_exists("job.kqp"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, ImpossibleValue, ::testing::Values(
  ValueRow{"FootingRadiusZero",       footing([](Footing& f) { f.radius = 0; }),
           error("RADIUS OF THE FOUNDATION ( 0.000E+00) MUST BE GREATER THAN 0") + bad_geometry},
  ValueRow{"FootingRadiusNegative",   footing([](Footing& f) { f.radius = -2.5; }),
           error("RADIUS OF THE FOUNDATION (-2.500E+00) MUST BE GREATER THAN 0") + bad_geometry},
  ValueRow{"FootingSideNegative",     footing([](Footing& f) { f.circular = false; f.b = -3; }),
           error("WIDTH OF THE FOUNDATION (-3.000E+00) MUST BE GREATER THAN 0") + bad_geometry},
  ValueRow{"MassNegative",            footing([](Footing& f) { f.mass[0] = -100; }),
           error("TOTAL MASS OF FOOTING (-1.000E+02) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"MassMomentNegative",      footing([](Footing& f) { f.mass[3] = -312.5; }),
           error("MASS MOMENT ABOUT Z-AXIS (-3.125E+02) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"HalfSpacePoissonAbove",   footing([](Footing& f) { f.nu = 0.6; }),
           error("POISSONS RATIO OF THE HALF-SPACE ( 6.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"HalfSpacePoissonBelow",   footing([](Footing& f) { f.nu = -0.1; }),
           error("POISSONS RATIO OF THE HALF-SPACE (-1.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"HalfSpaceDamping",        footing([](Footing& f) { f.D = -0.05; }),
           critical("MATERIAL DAMPING OF THE HALF-SPACE (-5.000E-02)") + will_not_execute},
  ValueRow{"HalfSpaceUnitWeight",     footing([](Footing& f) { f.gamma = 0; }),
           error("UNIT WEIGHT OF THE HALF-SPACE ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"SideLayerThickness",      footing([](Footing& f) { f.sides = {{-1, 150, 17, 0.35, 0.05}}; }),
           error("THICKNESS OF SIDE LAYER 1 (-1.000E+00) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"SideLayerTwoValues",      footing([](Footing& f) { f.sides = {{1, 150, 17, 0.35, 0.05},
                                                                          {1, 150, 0, 0.7, 0.05}}; }),
           error("UNIT WEIGHT OF SIDE LAYER 2 ( 0.000E+00) MUST BE GREATER THAN 0") +
           error("POISSONS RATIO OF SIDE LAYER 2 ( 7.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"StratumPoisson",          stratum([](Footing& f) { f.nu = 0.55; }),
           error("POISSONS RATIO OF THE SOIL ( 5.500E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"StratumEmbedment",        stratum([](Footing& f) { f.E = -1; }),
           error("DEPTH OF EMBEDMENT (-1.000E+00) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"HarmonicMinimum",         footing([](Footing&) {}, harmonic_load(62.8, -6.28, 6.28, {0, 0, 50, 0, 0, 0})),
           error("MINIMUM FREQUENCY (-6.280E+00) CANNOT BE NEGATIVE") + bad_load},
  ValueRow{"HarmonicStep",            footing([](Footing&) {}, harmonic_load(62.8, 6.28, -6.28, {0, 0, 50, 0, 0, 0})),
           error("STEP FREQUENCY (-6.280E+00) CANNOT BE NEGATIVE") + bad_load},
  ValueRow{"HarmonicMomentOverflows", footing([](Footing&) {}, with(harmonic_load(62.8, 6.28, 6.28, {0, 0, 50, 0, 0, 0}),
                                                                    "0 0 0 0 ", {"-3.4E38 0 0 0 "})),
           error("MOMENT ABOUT Y-AXIS AT THE CENTRE OF GRAVITY IS NOT A FINITE NUMBER") + bad_load},
  ValueRow{"TransientStepZero",       footing([](Footing&) {}, transient_load(0, 3, {1, 0, 0, 0})),
           error("TIME INTERVAL BETWEEN POINTS ( 0.000E+00) MUST BE GREATER THAN 0") + bad_load},
  ValueRow{"TransientStepNegative",   footing([](Footing&) {}, transient_load(-0.01, 3, {1, 0, 0, 0})),
           error("TIME INTERVAL BETWEEN POINTS (-1.000E-02) MUST BE GREATER THAN 0") + bad_load},
  ValueRow{"TransientBeyondAllTime",  footing([](Footing&) {}, with(transient_load(0.01, 3, {1, 0, 0, 0}), "0.01 ",
                                                                    {"3.4E38 "})),
           error("   4 POINTS OF A TIME INTERVAL OF  3.400E+38 ARE NOT A FINITE TIME") + bad_load},
  ValueRow{"TransientBeyondAllFrequency", footing([](Footing&) {}, with(transient_load(0.01, 3, {1, 0, 0, 0}), "0.01 ",
                                                                        {"1E-45 "})),
           error("A TIME INTERVAL OF  1.401E-45 GIVES NO FINITE FREQUENCY") + bad_load},
  ValueRow{"RandomRangeReversed",     footing([](Footing&) {}, random_load(6.28, 12.56, 60, 3, {1, 1})),
           error("MINIMUM FREQUENCY ( 1.256E+01) EXCEEDS THE MAXIMUM FREQUENCY ( 6.280E+00)") + bad_load},
  ValueRow{"RandomMinimumNegative",   footing([](Footing&) {}, random_load(12.56, -6.28, 60, 3, {1, 1})),
           error("MINIMUM FREQUENCY (-6.280E+00) CANNOT BE NEGATIVE") + bad_load},
  ValueRow{"RandomPeriodZero",        footing([](Footing&) {}, random_load(12.56, 6.28, 0, 3, {1, 1})),
           error("OBSERVATION PERIOD ( 0.000E+00) MUST BE GREATER THAN 0") + bad_load},
  ValueRow{"RandomSpectrumNegative",  footing([](Footing&) {}, random_load(12.56, 6.28, 60, 3, {1, -1})),
           error("VALUE OF SPECTRUM 1 AT POINT 2 (-1.000E+00) CANNOT BE NEGATIVE") + bad_load},
  ValueRow{"PileSoilPoisson",         piles([](PileDeck& p) { p.soil[1].nu = 0.55; }),
           error("POISSONS RATIO OF SOIL LAYER 2 ( 5.500E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"PileSoilUnitWeight",      piles([](PileDeck& p) { p.soil[0].gamma = -17; }),
           error("UNIT WEIGHT OF SOIL LAYER 1 (-1.700E+01) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"PileSoilDamping",         piles([](PileDeck& p) { p.soil[2].D = -0.05; }),
           critical("MATERIAL DAMPING OF SOIL LAYER 3 (-5.000E-02)") + will_not_execute},
  ValueRow{"PileSoilWeakZone",        piles([](PileDeck& p) { p.soil[0].weak_ratio = 0.6;
                                                                p.soil[0].weak_thickness = -0.5; }),
           error("THICKNESS RATIO OF THE WEAKENED ZONE OF SOIL LAYER 1 (-5.000E-01) CANNOT BE NEGATIVE") +
           will_not_execute},
  ValueRow{"SoilBelowPiles",          piles([](PileDeck& p) { p.below.nu = 0.7; }),
           error("POISSONS RATIO OF THE SOIL BELOW ( 7.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"CapSideThickness",        piles([](PileDeck& p) { p.cap_sides = {{-0.5, 110, 16.5, 0.35, 0.05}}; }),
           error("THICKNESS OF SIDE LAYER 1 (-5.000E-01) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"PilePoisson",             piles([](PileDeck& p) { p.nu_p = 0.6; }),
           error("POISSONS RATIO OF THE PILES ( 6.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  ValueRow{"PileDamping",             piles([](PileDeck& p) { p.D_p = -0.01; }),
           critical("MATERIAL DAMPING OF THE PILES (-1.000E-02)") + will_not_execute},
  ValueRow{"PileUnitWeight",          piles([](PileDeck& p) { p.gamma_p = 0; }),
           error("UNIT WEIGHT OF THE PILES ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"PileModulus",             piles([](PileDeck& p) { p.E_p = 0; }),
           error("YOUNGS MODULUS OF THE PILES ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"PileLength",              piles([](PileDeck& p) { p.L = 0; }),
           error("TOTAL LENGTH OF THE PILES ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ElementLength",           piles([](PileDeck& p) { p.elements[1].h = 0; }),
           error("LENGTH OF ELEMENT 2 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ElementWithoutRadius",    piles([](PileDeck& p) {
                                        p.piles = {{-1.5, 0}, {1.5, 0}};
                                        p.interaction = true;
                                        p.elements[0].rx = p.elements[0].ry = 0;
                                      }),
           error("PILE RADIUS (X) OF ELEMENT 1 ( 0.000E+00) MUST BE GREATER THAN 0") +
           error("PILE RADIUS (Y) OF ELEMENT 1 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ElementArea",             piles([](PileDeck& p) { p.elements[2].A = -0.28; }),
           error("CROSS SECTIONAL AREA OF ELEMENT 3 (-2.800E-01) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ElementInertia",          piles([](PileDeck& p) { p.elements[0].Iy = 0; }),
           error("MOMENT OF INERTIA (Y) OF ELEMENT 1 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnModulus",           columns([](PileDeck& p) { p.E_p = -4e5; }),
           error("YOUNGS MODULUS OF THE FOUNDATION (-4.000E+05) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnSoilBelow",         columns([](PileDeck& p) { p.column_soil[1][2] = 0.6; }),
           error("POISSONS RATIO OF SOIL LAYER 4 ( 6.000E-01) MUST LIE FROM 0 TO 0.5") + will_not_execute},
  // Soil without stiffness, where there must be soil: beside a footing, under
  // a footing on a stratum, under the pile tips, beside a pile cap, in a
  // multilayer column.
  ValueRow{"SideLayerWithoutShearWave", footing([](Footing& f) { f.sides = {{1, 0, 17, 0.35, 0.05}}; }),
           error("SHEAR WAVE VELOCITY OF SIDE LAYER 1 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"SideLayerNegativeShearWave", footing([](Footing& f) { f.sides = {{1, -150, 17, 0.35, 0.05}}; }),
           error("SHEAR WAVE VELOCITY OF SIDE LAYER 1 (-1.500E+02) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"StratumNegativeShearWave", stratum([](Footing& f) { f.Vs = -1; }),
           error("SHEAR WAVE VELOCITY OF THE SOIL (-1.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"StratumWithoutLayer",     stratum([](Footing& f) { f.H = 0; }),
           error("DEPTH OF LAYER ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"PileSoilNegativeShearWave", piles([](PileDeck& p) { p.soil[1].Vs = -160; }),
           error("SHEAR WAVE VELOCITY OF SOIL LAYER 2 (-1.600E+02) CANNOT BE NEGATIVE") + will_not_execute},
  ValueRow{"SoilBelowPilesWithoutShearWave", piles([](PileDeck& p) { p.below.Vs = 0; }),
           error("SHEAR WAVE VELOCITY OF THE SOIL BELOW ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"CapSideWithoutShearWave", piles([](PileDeck& p) { p.cap_sides = {{0.5, 0, 16.5, 0.35, 0.05}}; }),
           error("SHEAR WAVE VELOCITY OF SIDE LAYER 1 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"CapSideNegativeShearWave", piles([](PileDeck& p) { p.cap_sides = {{0.5, -110, 16.5, 0.35, 0.05}}; }),
           error("SHEAR WAVE VELOCITY OF SIDE LAYER 1 (-1.100E+02) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnSoilWithoutShearWave", columns([](PileDeck& p) { p.column_soil[0][0] = 0; }),
           error("SHEAR WAVE VELOCITY OF SOIL LAYER 3 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnSoilNegativeShearWave", columns([](PileDeck& p) { p.column_soil[2][0] = -240; }),
           error("SHEAR WAVE VELOCITY OF SOIL LAYER 5 (-2.400E+02) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnAdjacentNegativeShearWave", columns([](PileDeck& p) { p.soil[0].Vs = -150; }),
           error("SHEAR WAVE VELOCITY OF SOIL LAYER 1 (-1.500E+02) CANNOT BE NEGATIVE") + will_not_execute},
  // The column's ratios (in/out) to the soil around it.
  ValueRow{"ColumnModulusRatioNegative", columns([](PileDeck& p) { p.column_soil[1][4] = -1.5; }),
           error("SHEAR MODULUS RATIO (IN/OUT) OF SOIL LAYER 4 (-1.500E+00) MUST BE GREATER THAN 0") +
           will_not_execute},
  ValueRow{"ColumnModulusRatioZero",  columns([](PileDeck& p) { p.column_soil[1][4] = 0; }),
           error("SHEAR MODULUS RATIO (IN/OUT) OF SOIL LAYER 4 ( 0.000E+00) MUST BE GREATER THAN 0") +
           will_not_execute},
  ValueRow{"ColumnDampingRatioNegative", columns([](PileDeck& p) { p.column_soil[2][5] = -0.8; }),
           error("DAMPING RATIO (IN/OUT) OF SOIL LAYER 5 (-8.000E-01) CANNOT BE NEGATIVE") + will_not_execute},
  // A material damping ratio of 1 is critical damping, which no soil, pile
  // or column has, in every table that holds one.
  ValueRow{"HalfSpaceCriticalDamping", footing([](Footing& f) { f.D = 10000; }),
           critical("MATERIAL DAMPING OF THE HALF-SPACE ( 1.000E+04)") + will_not_execute},
  ValueRow{"SideLayerCriticalDamping", footing([](Footing& f) { f.sides = {{1, 200, 18, 0.35, 5}}; }),
           critical("MATERIAL DAMPING OF SIDE LAYER 1 ( 5.000E+00)") + will_not_execute},
  ValueRow{"StratumCriticalDamping",  stratum([](Footing& f) { f.D = 1; }),
           critical("MATERIAL DAMPING OF THE SOIL ( 1.000E+00)") + will_not_execute},
  ValueRow{"PileSoilCriticalDamping", piles([](PileDeck& p) { p.soil[0].D = 5; }),
           critical("MATERIAL DAMPING OF SOIL LAYER 1 ( 5.000E+00)") + will_not_execute},
  ValueRow{"WeakZoneCriticalDamping", piles([](PileDeck& p) { p.soil[1].D = 0.6; p.soil[1].weak_ratio = 0.5; }),
           critical("MATERIAL DAMPING OF THE WEAKENED ZONE OF SOIL LAYER 2 ( 1.200E+00)") + will_not_execute},
  ValueRow{"SoilBelowCriticalDamping", piles([](PileDeck& p) { p.below.D = 1.5; }),
           critical("MATERIAL DAMPING OF THE SOIL BELOW ( 1.500E+00)") + will_not_execute},
  ValueRow{"CapSideCriticalDamping",  piles([](PileDeck& p) { p.cap_sides = {{0.5, 110, 16.5, 0.35, 2}}; }),
           critical("MATERIAL DAMPING OF SIDE LAYER 1 ( 2.000E+00)") + will_not_execute},
  ValueRow{"ColumnSoilCriticalDamping", columns([](PileDeck& p) { p.column_soil[0][3] = 1; }),
           critical("MATERIAL DAMPING OF SOIL LAYER 3 ( 1.000E+00)") + will_not_execute},
  ValueRow{"ColumnAdjacentCriticalDamping", columns([](PileDeck& p) { p.soil[1].D = 3; }),
           critical("MATERIAL DAMPING OF SOIL LAYER 2 ( 3.000E+00)") + will_not_execute},
  ValueRow{"PileCriticalDamping",     piles([](PileDeck& p) { p.D_p = 1; }),
           critical("MATERIAL DAMPING OF THE PILES ( 1.000E+00)") + will_not_execute},
  ValueRow{"ColumnCriticalDamping",   columns([](PileDeck& p) { p.D_p = 7; }),
           critical("MATERIAL DAMPING OF THE FOUNDATION ( 7.000E+00)") + will_not_execute},
  ValueRow{"ElementTorsionZero",      piles([](PileDeck& p) { p.elements[1].J = 0; }),
           error("TORSIONAL STIFFNESS OF ELEMENT 2 ( 0.000E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"ColumnTorsionNegative",   columns([](PileDeck& p) { p.elements[0].J = -7.95; }),
           error("TORSIONAL STIFFNESS OF ELEMENT 1 (-7.950E+00) MUST BE GREATER THAN 0") + will_not_execute},
  ValueRow{"PileRigidityNegative",    piles([](PileDeck& p) { p.kappa = -0.9; }),
           error("COEFFICIENT OF RIGIDITY OF THE PILES (-9.000E-01) CANNOT BE NEGATIVE") + will_not_execute},
  // A pile at 90 degrees or more from the vertical lies flat or points upwards.
  ValueRow{"BatterHorizontal",        piles([](PileDeck& p) { p.batter = {{"XZ", 90}}; }),
           error("ANGLE FROM THE VERTICAL OF PILE 1 ( 9.000E+01) MUST LIE BETWEEN -90 AND 90 DEGREES") +
           will_not_execute},
  ValueRow{"BatterUpwards",           piles([](PileDeck& p) { p.piles = {{-1.5, 0}, {1.5, 0}};
                                                                p.batter = {{"XZ", 10}, {"YZ", 180}}; }),
           error("ANGLE FROM THE VERTICAL OF PILE 2 ( 1.800E+02) MUST LIE BETWEEN -90 AND 90 DEGREES") +
           will_not_execute},
  ValueRow{"BatterFarOff",            piles([](PileDeck& p) { p.batter = {{"YZ", -1000}}; }),
           error("ANGLE FROM THE VERTICAL OF PILE 1 (-1.000E+03) MUST LIE BETWEEN -90 AND 90 DEGREES") +
           will_not_execute},
  // Without interaction the group adds up its piles: the same pile twice.
  ValueRow{"PilesAtOnePlace",         piles([](PileDeck& p) { p.piles = {{-1.5, 0}, {1.5, 0}, {-1.5, 0}}; }),
           error("PILES   1 AND   3 STAND AT THE SAME PLACE IN THE SAME DIRECTION") + will_not_execute},
  ValueRow{"PilesAtOnePlaceBattered", piles([](PileDeck& p) { p.piles = {{0, 0}, {0, 0}};
                                                                p.batter = {{"XZ", 10}, {"XZ", 10}}; }),
           error("PILES   1 AND   2 STAND AT THE SAME PLACE IN THE SAME DIRECTION") + will_not_execute},
  ValueRow{"GravityOfNoUnits",        footing([](Footing& f) { f.gravity = "1E6"; }),
           error("GRAVITATIONAL CONSTANT ( 1.000E+06) MUST LIE FROM 9.5 TO 10 (m/s**2) OR FROM 31 TO 33 (ft/s**2)") +
           will_not_execute},
  ValueRow{"PilesWithoutSoil",        without_soil(piles([](PileDeck&) {})),
           Lines{"", "", " SOIL CONSTANTS OF THE LAYERS NOT SET"} + will_terminate},
  ValueRow{"ColumnWithoutSoil",       without_soil(columns([](PileDeck&) {})),
           Lines{"", "", " SOIL CONSTANTS OF THE LAYERS NOT SET"} + will_terminate},
  ValueRow{"ElementsChangedAfterSoil", elements_changed_after_soil(),
           Lines{"", "", " SOIL CONSTANTS GIVEN FOR   3 LAYERS, THE FOUNDATION HAS   2 ELEMENTS"} + will_terminate}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// No gravity, and a half-space without shear-wave velocity, the analysis
// refuses as it starts, with the report's own texts: the report ends with
// them and the closing block of a run without result; no reader refuses the
// values before it, no text of a failed read follows.
struct RefusalRow {
  const char* name;
  Lines deck;
  Lines message;
};

std::ostream& operator<<(std::ostream& os, const RefusalRow& r) { return os << r.name; }

class RefusedByTheAnalysis : public DeckRun, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RefusedByTheAnalysis, EndsTheReportWithItsText) {
  const RefusalRow& row = GetParam();
  EXPECT_EQ(run(row.deck), 3);
  const Lines tail = row.message + fatal_block;
  ASSERT_GE(report.size(), tail.size());
  EXPECT_EQ(Lines(report.end() - static_cast<long>(tail.size()), report.end()), tail);
  for (const std::string& l : report) {
    EXPECT_FALSE(l.starts_with(" ERROR") || l.find("BAD DATA") != std::string::npos) << l;
  }
  EXPECT_FALSE(HasBlock(report, {"                                 RESULTS"}));
  EXPECT_FALSE(file_exists("job.kqp"));
}

Lines inadmissible(const std::string& what) {
  return {"", "", " ***" + what + " ***", " ***PROGRAM WILL NOT EXECUTE***"};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, RefusedByTheAnalysis, ::testing::Values(
  RefusalRow{"GravityZero",             footing([](Footing& f) { f.gravity = "0"; }),
             inadmissible(" INADMISSABLE VALUE FOR GRAVITATIONAL CONSTANT ( 0.000E+00)")},
  RefusalRow{"GravityNegative",         footing([](Footing& f) { f.gravity = "-9.81"; }),
             inadmissible(" INADMISSABLE VALUE FOR GRAVITATIONAL CONSTANT (-9.810E+00)")},
  RefusalRow{"GravityNegativePiles",    piles([](PileDeck& p) { p.interaction = true;
                                                                p.piles = {{-1.5, 0}, {1.5, 0}}; },
                                        "GRAVITY=9.8", "GRAVITY=-32.2"),
             inadmissible(" INADMISSABLE VALUE FOR GRAVITATIONAL CONSTANT (-3.220E+01)")},
  RefusalRow{"HalfSpaceWithoutShearWave", footing([](Footing& f) { f.Vs = 0; }),
             inadmissible("INADMISSABLE VALUE FOR SHEAR WAVE VELOCITY OF HALF-SPACE ( 0.00E+00)")},
  RefusalRow{"HalfSpaceNegativeShearWave", footing([](Footing& f) { f.Vs = -250;
                                                                    f.sides = {{1, 200, 18, 0.35, 0.05}}; }),
             inadmissible("INADMISSABLE VALUE FOR SHEAR WAVE VELOCITY OF HALF-SPACE (-2.50E+02)")}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

struct EdgeRow {
  const char* name;
  Lines deck;
};

std::ostream& operator<<(std::ostream& os, const EdgeRow& r) { return os << r.name; }

class AdmissibleEdge : public DeckRun, public ::testing::WithParamInterface<EdgeRow> {};

// Undrained soil, soil and piles without damping, a side layer without
// thickness, a frequency range from 0, a negative cross spectrum of two
// degrees of freedom: values at the ends of what is admissible complete the
// analysis in finite numbers.
TEST_P(AdmissibleEdge, CompletesTheAnalysisInFiniteNumbers) {
  EXPECT_EQ(run(GetParam().deck), 0);
  EXPECT_TRUE(HasBlock(report, {"                                 RESULTS"}));
  EXPECT_FALSE(HasBlock(report, {" ERROR"}));
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqp")));
}

Lines cross_spectra() {
  return {"RANDOM ", "CONSTANTS ", "12.56 ", "6.28 ", "2 ", "60 ", "3 ",    "1 1",
          "1 ",      "2 ",         "3 3",    "1 ",    "1 ", "1 3", "-0.5 ", "-0.5 "};
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, AdmissibleEdge, ::testing::Values(
  EdgeRow{"HalfSpaceUndrained",   footing([](Footing& f) { f.nu = 0.5; f.D = 0;
                                                           f.sides = {{0.5, 150, 17, 0.5, 0.05}}; })},
  EdgeRow{"HalfSpaceSurfaceLayer", footing([](Footing& f) { f.nu = 0; f.sides = {{0, 150, 17, 0, 0}}; })},
  EdgeRow{"StratumUndrained",     stratum([](Footing& f) { f.nu = 0.5; f.E = 0; })},
  EdgeRow{"FromZeroFrequency",    footing([](Footing& f) { f.mass = {0, 0, 0, 0, 0, 0, 0}; },
                                          harmonic_load(12.56, 0, 6.28, {0, 0, 50, 0, 0, 0}))},
  EdgeRow{"CrossSpectrum",        footing([](Footing&) {}, cross_spectra())},
  EdgeRow{"EndlessObservation",   footing([](Footing&) {}, with(random_load(12.56, 6.28, 60, 3, {1, 1}), "60 ",
                                                                {"3.4E38 "}))},
  EdgeRow{"PilesUndrained",       piles([](PileDeck& p) {
                                    for (auto& l : p.soil) l.nu = 0.5;
                                    p.below.nu = 0.5;
                                    p.nu_p = 0;
                                    p.D_p = 0;
                                    p.cap_sides = {{0, 110, 16.5, 0.5, 0}};
                                  })},
  // A pile or column free of soil along its top layer, in water or air.
  EdgeRow{"PileFreeAtTheTop",     piles([](PileDeck& p) { p.soil[0].Vs = 0; })},
  EdgeRow{"ColumnFreeAtTheTop",   columns([](PileDeck& p) { p.soil[0].Vs = 0; })},
  // Two piles from one place, battered apart; a pile battered steeply.
  EdgeRow{"BatteredFromOnePlace", piles([](PileDeck& p) { p.piles = {{0, 0}, {0, 0}};
                                                          p.batter = {{"XZ", 10}, {"XZ", -10}}; })},
  EdgeRow{"BatteredSteeply",      piles([](PileDeck& p) { p.batter = {{"YZ", 60}}; })},
  // Damping short of critical, along the piles, in their weakened zones and
  // below them, in the piles.
  EdgeRow{"DampingShortOfCritical", piles([](PileDeck& p) {
                                    for (auto& l : p.soil) l.D = 0.45;
                                    p.soil[0].weak_ratio = 0.5;
                                    p.below.D = 0.99;
                                    p.D_p = 0.99;
                                  })},
  EdgeRow{"GravityAtTheEnds",     footing([](Footing& f) { f.gravity = "9.5"; })},
  EdgeRow{"GravityEnglish",       footing([](Footing& f) { f.gravity = "33"; })},
  EdgeRow{"ColumnUndrained",      columns([](PileDeck& p) {
                                    for (auto& l : p.soil) l.nu = 0.5;
                                    for (auto& c : p.column_soil) c[2] = 0.5;
                                    p.below.nu = 0.5;
                                  })}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace zav::testing
