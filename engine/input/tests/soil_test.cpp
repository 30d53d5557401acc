// The SOIL section through whole runs: the soil constants of every foundation
// type, the soil below, the side layers of a pile cap, messages and limits.
#include <gtest/gtest.h>

#include "input/tests/run_deck.h"

namespace zav::testing {
namespace {

const Lines half_space = {"GRAVITY=9.8", "FOUNDATION=HALF-SPACE",   "CIRCULAR=2.5",
                          "MASS ",       "100 175 175 312.5 0 0 0", "CONSTANTS ",
                          "0 0 0.75 "};
const Lines stratum = {"GRAVITY=9.8",   "FOUNDATION=STRATUM", "CIRCULAR=2", "MASS ",
                       "1 1 1 1 0 0 0", "CONSTANTS ",         "0 0 0 1 10 "};

// The foundation read without echo, the soil section with echo.
Lines quiet(const Lines& foundation) { return Lines{"NOECHO"} + foundation + Lines{"ECHO"}; }

// A column of `elements` multilayer elements, without echo.
Lines multilayer(int elements) {
  Lines d = {"NOECHO",
             "GRAVITY=9.8",
             "FOUNDATION=MULTILAYER",
             "CIRCULAR=1",
             "MASS ",
             "1 1 1 1 0 0 0",
             "LAYER=" + std::to_string(elements),
             "CONSTANTS ",
             "0 0 0 10 24 ",
             "0 0.25 0.02 0.6 2.5E7",
             "ELEMENT"};
  for (int k = 1; k <= elements; ++k) d.push_back(std::to_string(k) + " 1 1 1 3.14 0.785 0.785 1.57");
  return d + Lines{"FLOATING", "ECHO"};
}

const Lines below_header = {"", " SHEAR WAVE    UNIT    POISSON'S   MATERIAL",
                            "  VELOCITY    WEIGHT     RATIO     DAMPING", "    m/s      kN/m**3 ",
                            "  3.00E+02     20.0000   0.330     0.050"};

TEST_F(DeckRun, HalfSpaceSoilHasSideLayersWithAWeakenedZone) {
  EXPECT_EQ(run(quiet(half_space) + Lines{"SOIL ", "WEAK ", "CONSTANTS=2", "1 1 200 18 0.35 0.05 0.5 0.35 0.1 0.1",
                                          "2 1.5 250 19 0.3 0.04 1 0.3 0.08 0.1", "BELOW=300 20 0.33 0.05", "STOP"}),
            2);
  EXPECT_EQ(report,
            (Lines{"", "", " SOIL CONSTANTS  NUMBER OF SIDE LAYERS -   2", "",
                   " LAYER  LAYER  SHEAR WAVE   UNIT   POISSON'S  MATERIAL",
                   "  NO.   DEPTH   VELOCITY   WEIGHT    RATIO     DAMPING",
                   "   1     1.000   200.000     18.000    0.350     0.050",
                   "   2     1.500   250.000     19.000    0.300     0.040", "", "",
                   " NONLINEARITY OF SOIL (WEAKENED ZONE)", "", " LAYER  SHEAR MODULUS  ", "  NO.   RATIO          ",
                   "   1       0.500", "   2       1.000", "", "", " HALF-SPACE SOIL"} +
             below_header + stop_block));
  const auto& soil = s->soil;
  EXPECT_EQ(soil.SIDE_COUNT, 2);
  EXPECT_FLOAT_EQ(soil.SIDE_LAYERS(2).thickness, 1.5f);
  EXPECT_FLOAT_EQ(soil.SIDE_LAYERS(1).weak_thickness, 0.1f);
  EXPECT_FLOAT_EQ(soil.SIDE_LAYERS(1).weak_damping, 0.1f);
  // A shear-modulus ratio of 1 leaves the layer without a weakened zone.
  EXPECT_EQ(soil.SIDE_LAYERS(2).weak_thickness, 0.0f);
  EXPECT_FLOAT_EQ(soil.BELOW.Vs, 300.0f);
  EXPECT_FLOAT_EQ(soil.BELOW.nu, 0.33f);
  EXPECT_EQ(s->switches.WEAK_ZONE, 1);
}

TEST_F(DeckRun, WithoutAWeakenedZoneEveryLayerKeepsItsOwnSoil) {
  run(quiet(half_space) + Lines{"SOIL ", "CONSTANTS=1", "1 1 200 18 0.35 0.05", "BELOW=300 20 0.33 0.05", "STOP"});
  const SoilLayer& l = s->soil.SIDE_LAYERS(1);
  EXPECT_EQ(l.weak_ratio, 1.0f);
  EXPECT_EQ(l.weak_nu, l.nu);
  EXPECT_EQ(l.weak_damping, l.damping);
  EXPECT_EQ(l.weak_thickness, 0.0f);
  EXPECT_EQ(s->switches.WEAK_ZONE, 0);
  EXPECT_FALSE(HasBlock(report, {" NONLINEARITY OF SOIL (WEAKENED ZONE)"}));
}

TEST_F(DeckRun, PileSoilWithSideCapAndEmbedment) {
  EXPECT_EQ(run(pile_deck(2, 1,
                          {"FLOATING", "ECHO", "SOIL ", "WEAK", "CONSTANTS", "1 100 18 0.4 0.05 0.7 0.4 0.1 1",
                           "2 150 19 0.35 0.05 1 0.35 0.1 1", "BELOW=300 20 0.33 0.05", "SIDE-CAP", "EMBEDDED", "2 ",
                           "1 0.5 80 17 0.4 0.05 0.5 0.4 0.1 0.1", "2 0.5 90 17 0.4 0.05 0.6 0.4 0.1 0.1", "STOP"})),
            2);
  EXPECT_EQ(report, (Lines{"",
                           "",
                           " SOIL CONSTANTS",
                           "",
                           " LAYER  SHEAR WAVE    UNIT   POISSONS  MATERIAL",
                           "  NO.    VELOCITY    WEIGHT    RATIO    DAMPING",
                           blanks(13) + "m/s " + blanks(4) + "kN/m**3 ",
                           "   1      100.000      18.000   0.400     0.050",
                           "   2      150.000      19.000   0.350     0.050",
                           "",
                           "",
                           " NONLINEARITY OF SOIL (WEAKENED ZONE)",
                           "",
                           " LAYER  SHEAR MODULUS  ",
                           "  NO.   RATIO          ",
                           "   1       0.700",
                           "   2       1.000",
                           "",
                           "",
                           " SOIL BELOW PILE"} +
                     below_header +
                     Lines{"",
                           "",
                           " EMBEDDED OPTION",
                           stars(15),
                           "",
                           " NUMBER OF SIDE LAYERS  -    2",
                           "",
                           " LAYER  THICKNESS  SHEAR WAVE   UNIT    POISSONS  MATERIAL",
                           "  NO.    OF LAYER   VELOCITY   WEIHT    RATIO     DAMPING",
                           "   1      0.500     80.00      17.000    0.400     0.050",
                           "   2      0.500     90.00      17.000    0.400     0.050",
                           "",
                           "",
                           " SIDE-CAP (WEAKENING) OF SIDE LAYERS",
                           stars(36),
                           "",
                           " LAYER  SHEAR MODULUS  ",
                           "  NO.       RATIO        ",
                           "   1       0.500",
                           "   2       0.600"} +
                     stop_block));
  const auto& soil = s->soil;
  EXPECT_EQ(soil.LAYER_COUNT, 2);
  EXPECT_FLOAT_EQ(soil.LAYERS(1).weak_thickness, 1.0f);
  EXPECT_EQ(soil.LAYERS(2).weak_thickness, 0.0f);
  EXPECT_EQ(soil.SIDE_COUNT, 2);
  EXPECT_FLOAT_EQ(soil.SIDE_LAYERS(2).weak_ratio, 0.6f);
  EXPECT_FLOAT_EQ(soil.SIDE_LAYERS(2).Vs, 90.0f);
  EXPECT_EQ(s->switches.SIDE_CAP, 1);
  EXPECT_EQ(s->switches.EMBEDMENT, 1);
}

TEST_F(DeckRun, StratumAndParabolicPileSoilAreOneSetOfConstants) {
  EXPECT_EQ(run(quiet(stratum) + Lines{"SOIL ", "CONSTANTS ", "200 18 0.35 0.05", "STOP"}), 2);
  const Lines constants = {"",
                           "",
                           " SOIL CONSTANTS",
                           "",
                           " SHEAR WAVE VELOCITY  ...........   200.00000 m/s ",
                           " UNIT WEIGHT  ...................    18.00000 kN/m**3 ",
                           " POISSONS RATIO  ................     0.35000",
                           " MATERIAL DAMPING  ..............     0.05000"};
  EXPECT_EQ(report, constants + stop_block);
  EXPECT_FLOAT_EQ(s->soil.STRATUM.Vs, 200.0f);
  EXPECT_FLOAT_EQ(s->soil.STRATUM.damping, 0.05f);

  EXPECT_EQ(run({"NOECHO",
                 "GRAVITY=9.8",
                 "FOUNDATION=PILE",
                 "CIRCULAR=1",
                 "MASS ",
                 "1 1 1 1 0 0 0",
                 "PARABOLIC",
                 "FIXED=1",
                 "1 0 0 ",
                 "CONSTANTS ",
                 "0 0 0 10 24 ",
                 "0 0.25 0.02 0.6 2.5E7",
                 "ELEMENT",
                 "0.3 0.3 0.2827 0.00636 0.00636 0.0127",
                 "FLOATING",
                 "ECHO",
                 "SOIL ",
                 "WEAK",
                 "CONSTANTS",
                 "200 18 0.35 0.05 0.5 0.35 0.1 1",
                 "BELOW=300 20 0.33 0.05",
                 "STOP"}),
            2);
  EXPECT_TRUE(HasBlock(
      report,
      constants + Lines{" WEAK SHEAR RATIO  ..............     0.50000", " WEAKPOISSONS RATIO  ..........     0.35000",
                        " WEAK MATERIAL DAMPING  .........     0.10000",
                        " WEAK THICKNESS RATIO  ..........     1.00000", "", "", " SOIL BELOW PILE"}));
  EXPECT_EQ(s->soil.LAYER_COUNT, 1);
  EXPECT_FLOAT_EQ(s->soil.LAYERS(1).weak_thickness, 1.0f);
}

TEST_F(DeckRun, MultilayerColumnHasAdjacentLayersAndTheSoilBelowTheFoundation) {
  Lines soil = {"SOIL ", "WEAK ", "CONSTANTS=3"};
  for (int k = 1; k <= 3; ++k) soil.push_back(std::to_string(k) + " 150 18 0.35 0.05 0.8 0.35 0.1 1");
  for (int k = 4; k <= 8; ++k) soil.push_back(std::to_string(k) + " 300 20 0.33 0.05 0.5 0.8");
  EXPECT_EQ(run(multilayer(8) + soil + Lines{"BELOW=400 21 0.3 0.04", "STOP"}), 2);
  const std::string adjacent = "   1      150.000      18.000   0.350     0.050";
  EXPECT_TRUE(HasBlock(
      report, {"", "", " SOIL CONSTANTS", " NUMBER OF ADJACENT LAYERS -    3", "",
               " LAYER  SHEAR WAVE    UNIT   POISSONS  MATERIAL", "  NO.    VELOCITY    WEIGHT    RATIO    DAMPING",
               blanks(13) + "m/s " + blanks(4) + "kN/m**3 ", adjacent}));
  Lines below = {"",
                 "",
                 " SOIL PROPERTIES BELOW FOUNDATION",
                 "",
                 " LAYER  SHEAR WAVE   UNIT   POISSON'S  MATERIAL  SHEAR MODULUS  DAMPING RATIO",
                 "  NO.    VELOCITY   WEIGHT    RATIO     DAMPING  RATIO(IN/OUT)      (IN/OUT)"};
  for (int k = 4; k <= 8; ++k) {
    below.push_back("   " + std::to_string(k) +
                    "     300.000     20.000   0.330     0.050        0.500          0.800");
  }
  EXPECT_TRUE(HasBlock(report, below + Lines{"", "", " SOIL BELOW MULTILAYER SYSTEM"}));
  EXPECT_TRUE(HasBlock(report, {"  NO.   RATIO          ", "   1       0.800", "   2       0.800", "   3       0.800",
                                "", "", " SOIL PROPERTIES BELOW FOUNDATION"}));
  const auto& s2 = s->soil;
  EXPECT_EQ(s2.ADJACENT_COUNT, 3);
  EXPECT_EQ(s2.LAYER_COUNT, 8);
  EXPECT_FLOAT_EQ(s2.LAYERS(3).weak_ratio, 0.8f);
  EXPECT_FLOAT_EQ(s2.LAYERS(8).G_ratio, 0.5f);
  EXPECT_FLOAT_EQ(s2.LAYERS(8).D_ratio, 0.8f);
  EXPECT_EQ(s2.LAYERS(8).weak_thickness, 0.0f);
  EXPECT_FLOAT_EQ(s2.BELOW.Vs, 400.0f);
}

class SoilMessages : public DeckMessages {};

TEST_P(SoilMessages, ReportTheFaultAndDecideTheRun) { check(); }

Lines half_space_side_layers(int n) {
  Lines d = Lines{"NOECHO"} + half_space + Lines{"SOIL ", "CONSTANTS=" + std::to_string(n)};
  for (int k = 1; k <= n; ++k) d.push_back(std::to_string(k) + " 1 200 18 0.35 0.05");
  return d + Lines{"BELOW=300 20 0.33 0.05", "STOP"};
}

Lines pile_soil(const Lines& after_below) {
  return pile_deck(1, 1,
                   Lines{"FLOATING", "SOIL ", "CONSTANTS", "1 100 18 0.4 0.05", "BELOW=300 20 0.33 0.05"} +
                       after_below + Lines{"STOP"});
}

Lines embedment(int n) {
  Lines d = {"EMBEDDED", std::to_string(n)};
  for (int k = 1; k <= n; ++k) d.push_back(std::to_string(k) + " 0.5 80 17 0.4 0.05");
  return d;
}

const Lines embedment_error = two_blank(" ERROR ENCOUNTERED WHILE READING EMBEDDED OR ISO   LATION DATA") +
                              Lines{" PROGRAM WILL IGNORE THESE OPTIONS"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, SoilMessages, ::testing::Values(
  MessageRow{"WeakWeakConstants", Lines{"NOECHO"} + half_space +
          Lines{"SOIL ", "WEAK ", "WEAK ", "CONSTANTS=1", "1 1 200 18 0.35 0.05 0.5 0.35 0.1 0.1",
                "BELOW=300 20 0.33 0.05", "STOP"}, 2, {}, true},
  MessageRow{"WeakForAStratum", Lines{"NOECHO"} + stratum + Lines{"SOIL ", "WEAK ", "CONSTANTS ", "200 18 0.35 0.05", "STOP"}, 3,
          two_blank(" WEAK IS AN IMPROPER KEYWORD FOR THIS FOUNDATION   TYPE") + will_not_execute +
          two_blank(" CONS SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD"), false},
  MessageRow{"NoConstants", Lines{"NOECHO"} + half_space + Lines{"SOIL ", "BELOW=300 20 0.33 0.05", "STOP"}, 3,
          two_blank(" WEAK OR CONSTANT SUBKEYWORDS ARE EXPECTED TO FO   LLOW SOIL KEYWORD") + will_not_execute +
          two_blank(" UNRECOGNIZED KEYWORD - 300."), false},
  MessageRow{"NoBelow", Lines{"NOECHO"} + half_space + Lines{"SOIL ", "CONSTANTS=0", "STOP"}, 3,
          two_blank(" BELOW SUBKEYWORD IS EXPECTED TO FOLLOW SOIL CON   STANT DATA") + will_not_execute, true},
  // The stratum's soil ends with its constants: BELO goes back to the keyword loop.
  MessageRow{"BelowForAStratum", Lines{"NOECHO"} + stratum +
          Lines{"SOIL ", "CONSTANTS ", "200 18 0.35 0.05", "BELOW=300 20 0.33 0.05", "STOP"}, 2,
          two_blank(" BELO SUBKEYWORD MUST BE PRECEEDED BY SOIL KEYWORD") + two_blank(" UNRECOGNIZED KEYWORD - 300.") +
          two_blank(" UNRECOGNIZED KEYWORD - 20. ") + two_blank(" UNRECOGNIZED KEYWORD - 0.33") +
          two_blank(" UNRECOGNIZED KEYWORD - 0.05"), true},
  MessageRow{"SideCapWithoutEmbedment", pile_soil({"SIDE-CAP"}), 2,
          two_blank(" SIDE-CAP KEYWORD WAS INPUT WITHOUT THE EMBEDDED KEYWORD - THE SIDE-CAP OPTION WILL BE IGNORED"),
          true},
  MessageRow{"SoilBeforeFoundation", {"NOECHO", "SOIL ", "CONSTANTS", "STOP"}, 3,
          two_blank(" THE FOUNDATION TYPE HAS NOT BEEN ESTABLISHED") +
          Lines{"    THE PROGRAM SHOULD NEVER ENCOUNTER THIS ERROR (SOLCST)"}, true},
  MessageRow{"ThirtySideLayers", half_space_side_layers(30), 2, {}, true},
  MessageRow{"ThirtyOneSideLayers", half_space_side_layers(31), 3,
          two_blank(" ERROR - NUMBER OF SIDE LAYERS EXCEEDS  30") + will_not_execute, false},
  MessageRow{"NegativeSideLayers", with(half_space_side_layers(0), "CONSTANTS=0", {"CONSTANTS=-1"}), 3,
          two_blank(" ERROR ENCOUNTERED WHILE READING SOIL CONSTANTS") + will_not_execute, false},
  MessageRow{"SoilRowShort", with(half_space_side_layers(1), "1 1 200 18 0.35 0.05", {"1 1 200 18 0.35"}), 3,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"BELOW               \",") +
          two_blank(" ERROR ENCOUNTERED WHILE READING SOIL CONSTANTS") + will_not_execute, false},
  MessageRow{"PileLayerText", with(pile_soil({}), "1 100 18 0.4 0.05", {"1 100 18 0.4 D"}), 3,
          two_blank(" ERROR ENCOUNTERED WHILE READING SOIL CONSTANTS") + will_not_execute, false},
  MessageRow{"AdjacentLayersBeyondTheColumn", multilayer(2) + Lines{"SOIL ", "CONSTANTS=3", "STOP"}, 3,
          two_blank(" ERROR - NUMBER OF ADJACENT LAYERS EXCEEDS   2") + will_not_execute +
          two_blank(" BELOW SUBKEYWORD IS EXPECTED TO FOLLOW SOIL CON   STANT DATA") + will_not_execute, true},
  MessageRow{"BelowText", with(pile_soil({}), "BELOW=300 20 0.33 0.05", {"BELOW=300 20 0.33 D"}), 3,
          two_blank(" *** BAD DATA IN SOIL DESCRIPTION BELOW PILE ***") +
          Lines{"     - WILL CONTINUE TO PROCESS DATA", "     - CANNOT    EXECUTE THIS PROBLEM SET"}, false},
  MessageRow{"ThirtyEmbeddedLayers", pile_soil(embedment(30)), 2, {}, true},
  MessageRow{"ThirtyOneEmbeddedLayers", pile_soil(embedment(31)), 3,
          two_blank(" ERROR - NUMBER OF SIDE LAYERS EXCEEDS  30") + will_not_execute, false},
  MessageRow{"NegativeEmbeddedLayers", pile_soil({"EMBEDDED", "-2"}), 3,
          two_blank(" ERROR - NUMBER OF SIDE LAYERS (-2.000E+00) MUST BE A WHOLE NUMBER FROM 0 TO 30") +
          will_not_execute, true},
  MessageRow{"FractionOfEmbeddedLayers", pile_soil({"EMBEDDED", "1.5"}), 3,
          two_blank(" ERROR - NUMBER OF SIDE LAYERS ( 1.500E+00) MUST BE A WHOLE NUMBER FROM 0 TO 30") +
          will_not_execute, true},
  // A count that is no number drops both options, as the message says, and
  // the run goes on: the words that follow are the keyword loop's.
  MessageRow{"EmbeddedLayersNotANumber", pile_soil(Lines{"SIDE-CAP", "EMBEDDED", "N"}), 2,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"N                   \",") + embedment_error,
          true},
  MessageRow{"EmbeddedLayersMissing", pile_soil({"EMBEDDED"}), 2,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"STOP                \",") + embedment_error,
          true},
  // A row that cannot be read drops the pile cap's side layers; the run goes on.
  MessageRow{"EmbeddedRowText", with(pile_soil(embedment(1)), "1 0.5 80 17 0.4 0.05", {"1 0.5 80 17 0.4 X"}), 2,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"X                   \",") + embedment_error,
          true}
), row_name);
// clang-format on

TEST_F(DeckRun, AnEmbeddedRowThatCannotBeReadDropsBothOptions) {
  run(pile_soil(Lines{"SIDE-CAP"} + with(embedment(2), "2 0.5 80 17 0.4 0.05", {"2 0.5 80 17 0.4 0.05 0.5 0.4"})));
  EXPECT_EQ(s->switches.EMBEDMENT, 0);
  EXPECT_EQ(s->switches.SIDE_CAP, 0);
  EXPECT_EQ(s->soil.SIDE_COUNT, 0);
}

}  // namespace
}  // namespace zav::testing
