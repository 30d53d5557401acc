// The FOUN section through whole runs: its echo for every foundation type, its
// messages, and the limits of its tables.
#include <gtest/gtest.h>

#include <cmath>

#include "input/tests/run_deck.h"

namespace zav::testing {
namespace {

const Lines half_space = {
    "NOECHO", "FOUNDATION=HALF-SPACE", "CIRCULAR=2.5", "MASS ", "1 1 1 1 0 0 0", "CONSTANTS ", "0 0 0 ", "STOP"};

class FoundationMessages : public DeckMessages {};

TEST_P(FoundationMessages, ReportTheFaultAndDecideTheRun) { check(); }

const Lines one_pile_tail = {"FLOATING"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, FoundationMessages, ::testing::Values(
  MessageRow{"ThirtyLayers",     pile_deck(30, 1), 2, {}, true},
  MessageRow{"ThirtyOneLayers",  pile_deck(31, 1), 3, two_blank(" ERROR - NUMBER OF LAYERS EXCEEDS 30"), false},
  MessageRow{"HugeLayerCount",   with(pile_deck(1, 1), "LAYERS=1", {"LAYERS=1E30"}), 3,
             two_blank(" ERROR - NUMBER OF LAYERS EXCEEDS 30"), false},
  MessageRow{"NegativeLayers",   with(pile_deck(1, 1), "LAYERS=1", {"LAYERS=-2"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING NUMBER OF LAYERS"), false},
  MessageRow{"FractionalLayers", with(pile_deck(1, 1), "LAYERS=1", {"LAYERS=2.5"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING NUMBER OF LAYERS"), false},
  MessageRow{"NoLayers",         with(pile_deck(1, 1), "LAYERS=1", {"LAYERS=0"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING NUMBER OF LAYERS"), false},
  MessageRow{"LayersNotANumber", with(pile_deck(1, 1), "LAYERS=1", {"LAYERS=N"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"N                   \",") +
             two_blank(" ERROR ENCOUNTERED WHILE READING NUMBER OF LAYERS"), false},
  MessageRow{"FiveHundredPiles", pile_deck(1, 500), 2, {}, true},
  MessageRow{"FiveHundredOne",   pile_deck(1, 501), 3, two_blank(" ERROR - NUMBER OF PILES EXCEEDS 500"), false},
  MessageRow{"NegativePiles",    with(pile_deck(1, 1), "FIXED=1", {"FIXED=-1"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING NUMBER OF PILES"), false},
  MessageRow{"PileNumberText",   with(pile_deck(1, 1), "1 1 0.5 ", {"P1 1 0.5"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING PILE NUMBER"), false},
  MessageRow{"PileXText",        with(pile_deck(1, 1), "1 1 0.5 ", {"1 A 0.5"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING PILE X-LOCATOR"), false},
  MessageRow{"PileYMissing",     with(pile_deck(1, 1), "1 1 0.5 ", {"1 1"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING PILE Y-LOCATOR"), false},
  MessageRow{"NoMass",           with(half_space, "MASS ", {}), 3,
             two_blank(" INVALID KEYWORD - 1.   FOR MASS INFORMATION"), false},
  MessageRow{"ConstantsWithoutMass", {"NOECHO", "FOUNDATION=HALF-SPACE", "CIRCULAR=2.5", "CONSTANTS ", "0 0 0.75 ", "STOP"}, 3,
             two_blank(" INVALID KEYWORD - CONS FOR MASS INFORMATION") + will_not_execute +
             two_blank(" UNRECOGNIZED KEYWORD - 0.  ") + two_blank(" UNRECOGNIZED KEYWORD - 0.  ") +
             two_blank(" UNRECOGNIZED KEYWORD - 0.75"), true},
  MessageRow{"UnknownType",      with(half_space, "FOUNDATION=HALF-SPACE", {"FOUNDATION=FOOTING"}), 3,
             two_blank(" UNRECOGNIZED KEYWORD - FOOT") + two_blank(" INVALID KEYWORD - FOOT FOR FOUNDATION TYPE") +
             will_not_execute + two_blank(" CIRC SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD"), false},
  MessageRow{"UnknownGeometry",  with(half_space, "CIRCULAR=2.5", {"SQUARE=2.5"}), 3,
             two_blank(" UNRECOGNIZED KEYWORD - SQUA") + two_blank(" INVALID KEYWORD - SQUA FOR GEOMETRY TYPE") +
             will_not_execute, false},
  // The section's fault leaves the next section keyword to the keyword loop.
  MessageRow{"StopAfterType",    {"NOECHO", "FOUNDATION=HALF-SPACE", "STOP"}, 3,
             two_blank(" INVALID KEYWORD - STOP FOR GEOMETRY TYPE") + will_not_execute, true},
  MessageRow{"GeometryNotANumber", with(half_space, "CIRCULAR=2.5", {"CIRCULAR=R2"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"R2                  \",") +
             two_blank(" *** BAD DATA IN GEOMETRY DESCRIPTION ***") +
             Lines{"        - WILL CONTINUE TO PROCESS DATA", "     - CANNOT EXECUTE  THIS PROBLEM SET"}, true},
  MessageRow{"RectangleOneSide", with(half_space, "CIRCULAR=2.5", {"RECTANGULAR=10"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"MASS                \",") +
             two_blank(" *** BAD DATA IN GEOMETRY DESCRIPTION ***") +
             Lines{"        - WILL CONTINUE TO PROCESS DATA", "     - CANNOT EXECUTE  THIS PROBLEM SET"}, true},
  MessageRow{"MassShort",        with(half_space, "1 1 1 1 0 0 0", {"1 1 1 1 0 0"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"CONSTANTS           \",") +
             two_blank(" ERROR ENCOUNTERED IN FOUNDATION MASS DESCRIPTION") + will_not_execute, true},
  MessageRow{"CentreOfGravityText", with(half_space, "0 0 0 ", {"0 0 Z"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"Z                   \",") +
             two_blank(" ERROR ENCOUNTERED WHILE READING CENTRE OF GRAVITY VARIABLES") + will_not_execute, true},
  MessageRow{"PileConstantsShort", with(pile_deck(1, 1), "0 0.25 0.02 0.6 2.5E7", {"0 0.25 0.02 0.6"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING FOUNDATION CONSTANTS") + will_not_execute, false},
  MessageRow{"ElementText",      with(pile_deck(1, 1), "1 1 0.3 0.3 0.28 0.006 0.006 0.012", {"1 1 0.3 0.3 A"}), 3,
             two_blank(" ERROR ENCOUNTERED WHILE READING ELEMENT DATA PR   OGRAM WILL NOT EXECUTE"), false},
  MessageRow{"UnknownSoilMedium", with(pile_deck(1, 1), "LAYERS=1", {"UNIFORM"}), 3,
             two_blank(" UNRECOGNIZED KEYWORD - UNIF") + two_blank(" INVALID KEYWORD - UNIF FOR SOIL MEDIA TYPE") +
             will_not_execute, false},
  MessageRow{"NeitherFixedNorPinned", with(pile_deck(1, 1), "FIXED=1", {"HINGED=1"}), 3,
             two_blank(" UNRECOGNIZED KEYWORD - HING") +
             two_blank(" INVALID KEYWORD - HING FOR FIXED OR PINNED INFOR   MATION") + will_not_execute, false},
  MessageRow{"NoConstants",      with(pile_deck(1, 1), "CONSTANTS ", {"PROPERTIES"}), 3,
             two_blank(" UNRECOGNIZED KEYWORD - PROP") +
             two_blank(" INVALID KEYWORD - PROP FOR CONSTANT INFORMATION") + will_not_execute, false},
  MessageRow{"NoElements",       with(pile_deck(1, 1), "ELEMENT", {}), 3,
             two_blank(" INVALID KEYWORD - 1.   FOR ELEMENT INFORMATION") + will_not_execute, false},
  MessageRow{"MultilayerParabolic",
             {"NOECHO", "FOUNDATION=MULTILAYER", "CIRCULAR=1", "MASS ", "1 1 1 1 0 0 0", "PARABOLIC", "CONSTANTS ",
              "0 0 0 10 24 ", "0 0.25 0.02 0.6 2.5E7", "ELEMENT", "FLOATING", "STOP"}, 3,
             two_blank(" MULTILAYER FOUNDATION IS NOT ALLOWED A PARABOLIC SOIL MEDIA"), true},
  MessageRow{"UnknownBatterPlane", pile_deck(1, 1, {"FLOATING", "BATTERED", "1 XY  ", "5 ", "INTERACTION ", "STOP"}), 2,
             two_blank(" UNRECOGNIZED PLANE XY   FOR BATTERED PILES") + Lines{" BATTERED OPTION WILL BE IGNORED."},
             true},
  MessageRow{"SinglePileNotBattered", pile_deck(1, 1, {"FLOATING", "BATTERED", "1 XZ  ", "0 ", "STOP"}), 2,
             two_blank(" ANGLE BETWEEN PILE AND VERTICAL IS ZERO, THEREFORE THE PILE IS NOT BATTERED.") +
             Lines{" BATTERED OPTION WILL BE IGNORED."}, true},
  MessageRow{"BatterAngleText",  pile_deck(1, 1, {"FLOATING", "BATTERED", "1 XZ  ", "STEEP", "STOP"}), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"STEEP               \",") +
             two_blank(" ERROR ENCOUNTERED WHILE READING BATTERED PILE DATA") + will_not_execute, false},
  // INTE takes the tip word that directly follows it.
  MessageRow{"InteractionFloating", pile_deck(1, 1, {"END-BEARING", "INTERACTION ", "FLOATING", "STOP"}), 2, {}, true},
  MessageRow{"InteractionThenBatter", pile_deck(1, 2, {"INTERACTION", "BATTERED", "1 XZ  ", "5 ", "2 YZ  ", "5 ", "STOP"}),
             2, {}, true},
  MessageRow{"WordAfterTheTip",  pile_deck(1, 1, {"FLOATING", "FLOATING", "STOP"}), 2,
             two_blank(" FLOA SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD"), true}
), row_name);
// clang-format on

TEST_F(DeckRun, BatterAndInteractionAreReadInEitherOrder) {
  run(pile_deck(1, 2, {"INTERACTION", "BATTERED", "1 XZ  ", "5 ", "2 YZ  ", "5 ", "STOP"}));
  EXPECT_EQ(s->switches.BATTER, 1);
  EXPECT_EQ(s->switches.INTERACTION, 1);
  EXPECT_EQ(s->switches.PILE_TIP, 0);
  run(pile_deck(1, 1, {"FLOATING", "BATTERED", "1 XY  ", "5 ", "STOP"}));
  EXPECT_EQ(s->switches.BATTER, 0);
}

const Lines mass_echo = {"",
                         "",
                         " MASS CONSTANTS",
                         stars(14),
                         "",
                         " TOTAL MASS OF FOOTING  ......... 1.00000E+02 Mg  ",
                         " MASS MOMENT ABOUT X-AXIS  ...... 1.75000E+02 Mg-m**2   ",
                         " MASS MOMENT ABOUT Y-AXIS  ...... 1.75000E+02 Mg-m**2   ",
                         " MASS MOMENT ABOUT Z-AXIS  ...... 3.12500E+02 Mg-m**2   ",
                         " CROSS PRODUCT X-Y  ............. 0.00000E+00 Mg-m**2   ",
                         " CROSS PRODUCT X-Z  ............. 0.00000E+00 Mg-m**2   ",
                         " CROSS PRODUCT Y-Z  ............. 0.00000E+00 Mg-m**2   "};

TEST_F(DeckRun, HalfSpaceFoundationIsEchoedWithItsMassComponents) {
  const std::string mass_file =
      "2\r\n50 0 0 0.5 2 2 1 \r\n50 1.5 -2 0.5 1 1 12.25 \r\n"
      " 0.0000000000000E+0000  0.0000000000000E+0000  5.0000000000000E-0001 \r\n";
  EXPECT_EQ(run({"GRAVITY=9.8", "FOUNDATION=HALF-SPACE", "CIRCULAR=2.5", "MASS ", "100 175 175 312.5 0 0 0",
                 "CONSTANTS ", "0 0 0.75 ", "STOP"},
                mass_file),
            2);
  const Lines expected = Lines({"", "", " GRAVITATIONAL CONSTANT SET TO   9.80 m/s**2 ", stars(44), "", "",
                                " FOUNDATION TYPE - HALF-SPACE", stars(15), "", "",
                                " CIRCULAR FOUNDATION  -  RADIUS =    2.500 m ", stars(19)}) +
                         mass_echo +
                         Lines{"",
                               "",
                               " MASS COMPONENTS  NUMBER OF DEFINED MASSES -  2",
                               stars(15),
                               "",
                               "  NO.     MASS     x-local   y-local   z-local  LENGTH-X  LENGTH-Y  LENGTH-Z ",
                               blanks(10) + "Mg  " + blanks(10) + "m " + blanks(8) + "m " + blanks(8) + "m " +
                                   blanks(8) + "m " + blanks(8) + "m " + blanks(8) + "m ",
                               "   1      50.000     0.000     0.000     0.500     2.000     2.000     1.000",
                               "   2      50.000     1.500    -2.000     0.500     1.000     1.000    12.250",
                               "",
                               "",
                               " HALF-SPACE FOUNDATION",
                               "",
                               " X-LOCATION CENTRE OF GRAV  .....     0.00000 m ",
                               " Y-LOCATION CENTRE OF GRAV  .....     0.00000 m ",
                               " HEIGHT OF CENTRE OF GRAV  ......     0.75000 m "} +
                         stop_block;
  EXPECT_EQ(report, expected);
  EXPECT_EQ(s->input.foundation_type(), FoundationType::HALF);
  EXPECT_TRUE(s->input.circular());
  EXPECT_FLOAT_EQ(s->foundation.R0, 2.5f);
  EXPECT_FLOAT_EQ(s->foundation.R3, 2.5f);
  EXPECT_FLOAT_EQ(s->mass.Iz, 312.5f);
  EXPECT_FLOAT_EQ(s->foundation.hc, 0.75f);
}

TEST_F(DeckRun, AnEmptyOrMissingMassFileEchoesNoComponents) {
  for (const char* file : {"0\r\n", "", "x\r\n"}) {
    run({"GRAVITY=9.8", "FOUNDATION=HALF-SPACE", "CIRCULAR=2.5", "MASS ", "100 175 175 312.5 0 0 0", "STOP"}, file);
    EXPECT_TRUE(HasBlock(report, mass_echo + Lines{"", "", " INVALID KEYWORD - STOP FOR CONSTANT INFORMATION"}))
        << "file [" << file << "]";
  }
}

TEST_F(DeckRun, StratumOnARectangleIsEchoedWithItsEquivalentRadii) {
  EXPECT_EQ(run({"GRAVITY=32.2", "FOUNDATION=STRATUM", "RECTANGULAR=10,5", "MASS ", "1 2 3 4 0 0 0", "CONSTANTS ",
                 "0.5 -0.25 1 2 8 ", "STOP"}),
            2);
  EXPECT_TRUE(HasBlock(report, {"", "", " FOUNDATION TYPE - STRATUM", stars(15), "", "",
                                " RECTANGULAR FOUNDATION  -    10.000 ft  BY    5.000 ft", stars(22)}));
  EXPECT_TRUE(HasBlock(report, {" TOTAL MASS OF FOOTING  ......... 1.00000E+00 slug",
                                " MASS MOMENT ABOUT X-AXIS  ...... 2.00000E+00 slug-ft**2"}));
  EXPECT_TRUE(HasBlock(
      report,
      {"", "", " STRATUM PROPERTIES", "", " X-LOCATION CENTRE OF GRAV  .....     0.50000 ft",
       " Y-LOCATION CENTRE OF GRAV  .....    -0.25000 ft", " HEIGHT OF CENTRE OF GRAV  ......     1.00000 ft",
       " DEPTH OF EMBEDMENT  ............     2.00000 ft", " DEPTH OF LAYER  ................     8.00000 ft"}));
  // Equivalent radii of the 10 by 5 rectangle, in double precision.
  const double a = 10, b = 5, pi = 3.14159;
  const double r0 = std::sqrt(a * b / pi), r1 = std::pow(a * b * b * b / (3 * pi), 0.25),
               r2 = std::pow(a * a * a * b / (3 * pi), 0.25), r3 = std::pow(a * b * (a * a + b * b) / (6 * pi), 0.25);
  const auto& f = s->foundation;
  auto near = [](double got, double want) { EXPECT_NEAR(got, want, 1e-6 * want); };
  near(f.R0, r0);
  near(f.R1, r1);
  near(f.R2, r2);
  near(f.R3, r3);
  near(f.STRATUM_RADII(1), r0);
  near(f.STRATUM_RADII(2), r0);
  near(f.STRATUM_RADII(3), r1);
  near(f.STRATUM_RADII(4), r2);
  near(f.STRATUM_RADII(5), r3);
  near(f.R, (2 * r0 + r1 + r2 + r3) / 5);
  EXPECT_FLOAT_EQ(f.E, 2.0f);
  EXPECT_FLOAT_EQ(f.H, 8.0f);
}

struct RatioRow {
  const char* constants;  // xc yc hc E H, the footing a circle of radius 2
  int status;
};

std::ostream& operator<<(std::ostream& os, const RatioRow& r) { return os << r.constants; }

class StratumRatio : public DeckRun, public ::testing::WithParamInterface<RatioRow> {};

TEST_P(StratumRatio, AcceptsShallowEmbedmentOnly) {
  const RatioRow& row = GetParam();
  EXPECT_EQ(run({"NOECHO", "FOUNDATION=STRATUM", "CIRCULAR=2", "MASS ", "1 1 1 1 0 0 0", "CONSTANTS ", row.constants,
                 "STOP"}),
            row.status);
  if (row.status == 2) {
    EXPECT_EQ(report, stop_block);
  } else {
    EXPECT_EQ(report,
              Lines({"", "", " THE STRATUM OPTION IS NOT GOOD FOR THIS CASE", " CHECK YOUR E/R,E/H,R/H VALUES"}) +
                  fatal_block);
  }
}

// With echo, the ratios are checked before the stratum's properties are
// echoed: a message stands above the values it is about.
TEST_P(StratumRatio, IsCheckedBeforeTheStratumIsEchoed) {
  const RatioRow& row = GetParam();
  EXPECT_EQ(run({"FOUNDATION=STRATUM", "CIRCULAR=2", "MASS ", "1 1 1 1 0 0 0", "CONSTANTS ", row.constants, "STOP"}),
            row.status);
  const Lines message = {" THE STRATUM OPTION IS NOT GOOD FOR THIS CASE", " CHECK YOUR E/R,E/H,R/H VALUES"};
  EXPECT_TRUE(HasBlock(report, {"", "", " STRATUM PROPERTIES"}));
  if (row.status == 2) {
    EXPECT_FALSE(HasBlock(report, message));
  } else {
    EXPECT_TRUE(HasBlock(report, Lines{"", ""} + message + Lines{"", "", " STRATUM PROPERTIES"}));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Ratios, StratumRatio, ::testing::Values(
  RatioRow{"0 0 0 3 10",   2},   // E/R = 1.5 exactly
  RatioRow{"0 0 0 3.2 10", 3},   // E/R = 1.6
  RatioRow{"0 0 0 1.5 2",  2},   // E/H = 0.75 exactly
  RatioRow{"0 0 0 1.6 2",  3},   // E/H = 0.8
  RatioRow{"0 0 0 0 5",    2}    // a surface footing
), row_name);
// clang-format on

TEST_F(DeckRun, PileGroupIsEchoedSectionBySection) {
  EXPECT_EQ(run({"GRAVITY=9.8",
                 "FOUNDATION=PILE",
                 "CIRCULAR=1.5",
                 "MASS ",
                 "50 10 10 20 0 0 0",
                 "LAYERS=2",
                 "PINNED=2",
                 "1 -1.25 0 ",
                 "2 1.25 0 ",
                 "CONSTANTS ",
                 "0 0 0.5 12 24 ",
                 "150 0.25 0.02 0.6 2.5E7",
                 "ELEMENT",
                 "1 6 0.3 0.3 0.2827 0.00636 0.00636 0.0127",
                 "2 6.5 0.3 0.35 0.2827 0.00636 0.00636 0.0127",
                 "END-BEARING",
                 "BATTERED",
                 "1 XZ  ",
                 "15 ",
                 "2 YZ  ",
                 "-10 ",
                 "INTERACTION ",
                 "STOP"}),
            2);
  const Lines after_mass = {"",
                            "",
                            " NUMBER OF LAYERS OR ELEMENTS -   2",
                            "",
                            "",
                            " PILES ARE PINNED AT BUTT",
                            stars(24),
                            "",
                            "",
                            " LOCATION OF PILES",
                            "",
                            " PILE       X           Y",
                            "  NO.     LOCATION    LOCATION",
                            blanks(12) + "m " + blanks(10) + "m ",
                            "   1       -1.250       0.000",
                            "   2        1.250       0.000",
                            "",
                            "",
                            " PILE PROPERTIES",
                            "",
                            " X-LOCATION CENTRE OF GRAV.  ....     0.00000 m ",
                            " Y-LOCATION CENTRE OF GRAV.  ....     0.00000 m ",
                            " HEIGHT OF CENTRE OF GRAV.  .....     0.50000 m ",
                            " TOTAL LENGTH  ..................    12.00000 m ",
                            " UNIT WEIGHT  ...................    24.00000 kN/m**3 ",
                            " STATIC LOAD ON BODY  ........... 1.50000E+02 kN.",
                            " POISSONS RATIO  ...............      0.25000",
                            " MATERIAL DAMPING  ..............     0.02000",
                            " COEFF. OF RIGIDITY  ............     0.60000",
                            " YOUNGS MODULUS  ...............  2.50000E+07 kPa",
                            "",
                            "",
                            " ELEMENT",
                            stars(7),
                            "",
                            " LAYER  LAYER   PILE    PILE     CROSS    MOMENT OF  MOMENT OF  TORSIONAL",
                            "  NO.   DEPTH  RADIUS  RADIUS  SECTIONAL   INERTIA    INERTIA   STIFFNESS",
                            "                 (X)     (Y)      AREA       ",
                            blanks(9) + "m " + blanks(6) + "m " + blanks(6) + "m " + blanks(6) + "m**2 " + blanks(6) +
                                "m**4 " + blanks(6) + "m**4 " + blanks(6) + "m**4 ",
                            "   1    6.000  0.300   0.300   2.827E-01  6.360E-03  6.360E-03   1.27E-02",
                            "   2    6.500  0.300   0.350   2.827E-01  6.360E-03  6.360E-03   1.27E-02",
                            "",
                            "",
                            " PILE TIP CONDITION : END-BEARING",
                            stars(32),
                            "",
                            "",
                            " BATTERED PILES",
                            stars(14),
                            "",
                            " PILE NO.  1 BATTERED IN XZ PLANE",
                            " ANGLE BETWEEN PILE AND VERTICAL =   15.00 deg.",
                            "",
                            " PILE NO.  2 BATTERED IN YZ PLANE",
                            " ANGLE BETWEEN PILE AND VERTICAL =  -10.00 deg."};
  EXPECT_TRUE(
      HasBlock(report, Lines{" CROSS PRODUCT Y-Z  ............. 0.00000E+00 Mg-m**2   "} + after_mass + stop_block));
  const auto& f = s->foundation;
  EXPECT_EQ(f.PILE_COUNT, 2);
  EXPECT_EQ(f.ELEMENT_COUNT, 2);
  EXPECT_EQ(f.HEAD, 0);
  EXPECT_EQ(f.HEAD_VALUE, 0.0f);
  EXPECT_FLOAT_EQ(f.PILES(1).x, -1.25f);
  EXPECT_FLOAT_EQ(f.ELEMENTS(2).radius_y, 0.35f);
  EXPECT_FLOAT_EQ(f.ELEMENTS(2).depth, 6.5f);
  EXPECT_FLOAT_EQ(f.youngs_modulus, 2.5e7f);
  EXPECT_EQ(s->switches.PILE_TIP, 1);
  EXPECT_EQ(s->switches.BATTER, 1);
  EXPECT_EQ(s->switches.INTERACTION, 1);
  EXPECT_EQ(s->switches.SOIL_MEDIUM, SoilMedium::LAYERED);
  // Direction angles of the pile axes against the cap axes.
  EXPECT_EQ(f.BATTER_ANGLES.of(1), (std::array<real, 9>{15, 90, 105, 90, 0, 90, 75, 90, 15}));
  EXPECT_EQ(f.BATTER_ANGLES.of(2), (std::array<real, 9>{0, 90, 90, 90, -10, 80, 90, 100, -10}));
}

TEST_F(DeckRun, PileInAParabolicMediumHasOneElement) {
  EXPECT_EQ(run({"GRAVITY=9.8", "FOUNDATION=PILE", "CIRCULAR=1", "MASS ", "1 1 1 1 0 0 0", "PARABOLIC", "FIXED=1",
                 "1 0 0 ", "CONSTANTS ", "0 0 0 10 24 ", "0 0.25 0.02 0.6 2.5E7", "ELEMENT",
                 "0.3 0.3 0.2827 0.00636 0.00636 0.0127", "FLOATING", "STOP"}),
            2);
  EXPECT_TRUE(HasBlock(report, two_blank(" SOIL MEDIA IS PARABOLIC") + two_blank(" LOCATION OF PILES")));
  EXPECT_TRUE(HasBlock(
      report, {"", "", " ELEMENT", stars(7), "", " RADIUS OF PILE (X)  ............     0.30000",
               " RADIUS OF PILE (Y)  ............     0.30000", " CROSS SECTIONAL AREA  ..........     0.28270",
               " MOMENT OF INERTIA (X)  .........     0.00636", " MOMENT OF INERTIA (Y)  .........     0.00636",
               " TORSIONAL STIFFNESS  ...........     0.01270"}));
  EXPECT_EQ(s->switches.SOIL_MEDIUM, SoilMedium::PARABOLIC);
  EXPECT_EQ(s->foundation.ELEMENT_COUNT, 1);
  EXPECT_EQ(s->foundation.HEAD, 1);
  EXPECT_EQ(s->foundation.HEAD_VALUE, 1.0f);
}

TEST_F(DeckRun, MultilayerFoundationHasItsOwnPropertiesHeading) {
  EXPECT_EQ(
      run({"GRAVITY=9.8", "FOUNDATION=MULTILAYER", "CIRCULAR=1", "MASS ", "1 1 1 1 0 0 0", "LAYER=1", "CONSTANTS ",
           "0 0 0 10 24 ", "0 0.25 0.02 0.6 2.5E7", "ELEMENT", "1 2 1 1 3.14 0.785 0.785 1.57", "END-BEARING", "STOP"}),
      2);
  EXPECT_TRUE(HasBlock(report, {"", "", " FOUNDATION TYPE - MULTILAYER", stars(15)}));
  EXPECT_TRUE(HasBlock(report, {"", "", " FOUNDATION PROPERTIES", ""}));
  EXPECT_TRUE(HasBlock(report, {"", "", " PILE TIP CONDITION : END-BEARING", stars(32)}));
  EXPECT_FALSE(HasBlock(report, {" LOCATION OF PILES"}));
  EXPECT_EQ(s->input.foundation_type(), FoundationType::MULT);
}

}  // namespace
}  // namespace zav::testing
