// The keyword loop, the input check, the report heading and the gravitational
// constant, through whole runs.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "input/input.h"
#include "input/tests/run_deck.h"

namespace zav::testing {
namespace {

const Lines insufficient = {"", "", " INSUFFICIENT INPUT DATA TO COMPLETE RUN", " PROGRA  M WILL TERMINATE"};
const Lines word_at_end = {"", "", " *** INPUT ERROR ***    END OF FILE ENCOUNTERED WHILE",
                           "                        READING   1 ALPHANUMERIC WORDS"};
const Lines deck_ended = {"", "", " END OF FILE ENCOUNTERED - PROGRAM STOP EXECUTED"};
const std::string gravity_range = "MUST LIE FROM 9.5 TO 10 (m/s**2) OR FROM 31 TO 33 (ft/s**2)";

struct LoopRow {
  const char* name;
  Lines deck;
  int status;
  Lines report;
};

std::ostream& operator<<(std::ostream& os, const LoopRow& r) { return os << r.name; }

class KeywordLoop : public DeckRun, public ::testing::WithParamInterface<LoopRow> {};

TEST_P(KeywordLoop, AnswersEveryKeywordAsTheReportShows) {
  const LoopRow& row = GetParam();
  EXPECT_EQ(run(row.deck), row.status);
  EXPECT_EQ(report, row.report);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, KeywordLoop, ::testing::Values(
  LoopRow{"OnlyRun",            {"RUN "},   3, insufficient + fatal_block},
  LoopRow{"EmptyDeck",          {},         2, word_at_end + deck_ended + stop_block},
  LoopRow{"OnlyStop",           {"STOP"},   2, stop_block},
  LoopRow{"StopBeforeRun",      {"STOP", "RUN"}, 2, stop_block},
  LoopRow{"MisplacedSubkeywords",
          {"CONSTANTS", "HARMONIC", "BELOW", "MASS", "PLOT", "QUADRATIC", "SIDE-CAP", "FIXED", "STOP"}, 2,
          two_blank(" CONS SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD") +
          two_blank(" HARM SUBKEYWORD MUST BE PRECEEDED BY LOAD KEYWORD") +
          two_blank(" BELO SUBKEYWORD MUST BE PRECEEDED BY SOIL KEYWORD") +
          two_blank(" MASS SUBKEYWORD MUST BE PRECEEDED BY ONE OFFOU   NDATION, SOIL OR LOAD KEYWORDS") +
          two_blank(" PLOT SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD") +
          two_blank(" QUAD SUBKEYWORD MUST BE PRECEEDED BY LOAD KEYWORD") +
          two_blank(" SIDE SUBKEYWORD MUST BE PRECEEDED BY SOIL KEYWORD") +
          two_blank(" FIXE SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD") + stop_block},
  LoopRow{"IgnoredWords",       {"LONG", "SHORT", "STATIC", "DYNAMIC", "NARROW", "ECHO", "STOP"}, 2, stop_block},
  LoopRow{"UnknownWord",        {"FOOTING", "STOP"}, 2, two_blank(" UNRECOGNIZED KEYWORD - FOOT") + stop_block},
  LoopRow{"SwitchEchoes",       {"MATRIX", "DIMENSIONLESS", "WIDE", "STOP"}, 2,
          two_blank(" STIFFNESS AND DAMPING CONSTANTS TO BE PRINTED") + Lines{stars(45)} +
          two_blank(" DIMENSIONLESS RESPONSE") + Lines{stars(22)} +
          two_blank(" WIDE PRINTOUT FOR HARMONIC RESPONSE CURVE") + Lines{stars(41)} + stop_block},
  // WIDE writes its line whatever the echo switch says.
  LoopRow{"NoEchoKeepsWide",    {"NOECHO", "MATRIX", "DIMENSIONLESS", "WIDE", "STOP"}, 2,
          two_blank(" WIDE PRINTOUT FOR HARMONIC RESPONSE CURVE") + Lines{stars(41)} + stop_block},
  LoopRow{"GravityNotANumber",  {"GRAVITY=G", "STOP"}, 3,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"G                   \",") +
          two_blank(" ERROR ENCOUNTERED WHILE READING GRAV. CONSTANT") + Lines{" PROGRAM WILL NOT EXECUTE"} +
          fatal_block},
  // The keyword met in the number field is read again by the loop.
  LoopRow{"GravityWithoutValue", {"GRAVITY", "STOP"}, 3,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"STOP                \",") +
          two_blank(" ERROR ENCOUNTERED WHILE READING GRAV. CONSTANT") + Lines{" PROGRAM WILL NOT EXECUTE"} +
          fatal_block},
  LoopRow{"GravityInfinite",    {"GRAVITY=1E39", "STOP"}, 3,
          two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"                1E39\",") +
          two_blank(" ERROR ENCOUNTERED WHILE READING GRAV. CONSTANT") + Lines{" PROGRAM WILL NOT EXECUTE"} +
          fatal_block},
  // A gravitational constant of neither unit system: no sound moduli, no
  // labels; it is refused with what the two systems admit.
  LoopRow{"GravityOfNeitherSystem", {"GRAVITY=10.01", "STOP"}, 3,
          two_blank(" ERROR - GRAVITATIONAL CONSTANT ( 1.001E+01) " + gravity_range) + will_not_execute +
          fatal_block},
  LoopRow{"GravityFarOff",      {"GRAVITY=1E6", "STOP"}, 3,
          two_blank(" ERROR - GRAVITATIONAL CONSTANT ( 1.000E+06) " + gravity_range) + will_not_execute +
          fatal_block},
  // One of 0 or less is no gravity at all: the reader takes it, the analysis
  // refuses it as it starts (a deck that stops first runs no analysis).
  LoopRow{"GravityZero",        {"GRAVITY=0", "STOP"}, 2,
          two_blank(" GRAVITATIONAL CONSTANT SET TO   0.00 m/s**2 ") + Lines{stars(44)} + stop_block},
  LoopRow{"GravityNegative",    {"GRAVITY=-9.8", "STOP"}, 2,
          two_blank(" GRAVITATIONAL CONSTANT SET TO  -9.80 m/s**2 ") + Lines{stars(44)} + stop_block},
  LoopRow{"TitleAtTheEnd",      {"TITLE"}, 2,
          two_blank(" END OF FILE ENCOUNTERED WHILE READING TITLE") + word_at_end + deck_ended + stop_block}
), row_name);
// clang-format on

TEST_F(DeckRun, NoEchoSuppressesTheMatrixLineButKeepsTheSwitch) {
  run({"NOECHO", "MATRIX", "STOP"});
  EXPECT_EQ(report, stop_block);
  EXPECT_EQ(s->switches.MATRIX_PRINT_FLAG, 1);
  EXPECT_EQ(s->switches.ECHO_FLAG, 0);
}

struct GravityRow {
  const char* deck_line;
  UnitSystem unit_system;
  std::string echo;
};

std::ostream& operator<<(std::ostream& os, const GravityRow& r) { return os << r.deck_line; }

class Gravity : public DeckRun, public ::testing::WithParamInterface<GravityRow> {};

TEST_P(Gravity, ChoosesTheUnitSystemAndEchoesItsAcceleration) {
  const GravityRow& row = GetParam();
  EXPECT_EQ(run({row.deck_line, "STOP"}), 2);
  EXPECT_EQ(report, Lines({"", "", row.echo, stars(44)}) + stop_block);
  EXPECT_EQ(s->report.UNIT_SYSTEM, row.unit_system);
  EXPECT_TRUE(s->input.gravity_given());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, Gravity, ::testing::Values(
  GravityRow{"GRAVITY=32.2",  UnitSystem::english, " GRAVITATIONAL CONSTANT SET TO  32.20 ft/s**2"},
  GravityRow{"GRAVITY=9.8",   UnitSystem::si,      " GRAVITATIONAL CONSTANT SET TO   9.80 m/s**2 "},
  GravityRow{"GRAVITY=10.0",  UnitSystem::si,      " GRAVITATIONAL CONSTANT SET TO  10.00 m/s**2 "},
  GravityRow{"GRAVITY=31",    UnitSystem::english, " GRAVITATIONAL CONSTANT SET TO  31.00 ft/s**2"},
  GravityRow{"GRAVITY=33",    UnitSystem::english, " GRAVITATIONAL CONSTANT SET TO  33.00 ft/s**2"},
  GravityRow{"GRAVITY=9.5",   UnitSystem::si,      " GRAVITATIONAL CONSTANT SET TO   9.50 m/s**2 "}
), row_name);
// clang-format on

// The labels of the result tables follow the gravitational constant even when
// it was read without echo.
TEST_F(DeckRun, UnitsAreChosenWithoutEchoToo) {
  run({"NOECHO", "GRAVITY=32.2", "ECHO", "FOUNDATION=HALF-SPACE", "CIRCULAR=2", "STOP"});
  EXPECT_TRUE(HasBlock(report, {" CIRCULAR FOUNDATION  -  RADIUS =    2.000 ft", stars(19)}));
  EXPECT_EQ(s->report.LABELS.rot_damping, "lb-ft/rad/sec");
  EXPECT_EQ(s->report.LABELS.force, "lb ");
}

// Whether `line` is `pattern` with each "#" standing for a digit.
bool matches(const std::string& line, const std::string& pattern) {
  if (line.size() != pattern.size()) return false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (pattern[i] == '#' ? !std::isdigit(static_cast<unsigned char>(line[i])) : line[i] != pattern[i]) return false;
  }
  return true;
}

// The banner with its date and time masked.
Lines masked(Lines report) {
  for (auto& l : report) {
    if (matches(l, " *             RUN DATE -  ####-##-##            *")) l = "(date)";
    if (matches(l, " *             TIME     -  ##:##:##              *")) l = "(time)";
  }
  return report;
}

Lines heading(const std::string& version12, const std::string& title80, const Lines& names) {
  const std::string edge = " *" + std::string(47, ' ') + "*";
  return Lines{"",
               "",
               "",
               stars(49),
               edge,
               " *        S O I L - F O U N D A T I O N          *",
               edge,
               " *     D Y N A M I C   S I M U L A T I O N       *",
               " *              ZAVIK " + version12 + "               *",
               edge,
               "(date)",
               "(time)",
               edge,
               stars(49),
               "",
               " " + title80,
               ""} +
         names +
         Lines{"", "",           "                      DATA ECHO", "                      *********", "1", "", "",
               "", " " + title80};
}

TEST_F(DeckRun, TitleStartsTheDataEchoWithBannerAndFileNames) {
  EXPECT_EQ(run({"TITLE=Block on sand", "STOP"}), 2);
  EXPECT_EQ(masked(report),
            heading("3.0.15      ", text80("Block on sand"),
                    {"     Path to file locations      : ", "     Name of input data file     : job.kqd",
                     "     Name of output file         : job.kqo", "     Name of plot output file    : job.kqp"}) +
                stop_block);
  EXPECT_EQ(s->report.TITLE, text80("Block on sand"));
}

TEST_F(DeckRun, FileNamesAreSplitAndTheVersionIsCutToTwelve) {
  std::filesystem::create_directories("data");
  std::filesystem::create_directories("out");
  put_file("names.dat", lines_text({"3.0.15-build-77", "data/job.kqd", "out/job.kqo", "out/job.plot", "job.kqr",
                                    "job.kqt", "job.kqm"},
                                   "\r\n"));
  put_file("data/job.kqd", "TITLE=T1\r\nSTOP\r\n");
  EngineState state;
  state.files.console_in = nullptr;
  EXPECT_EQ(IZAVIK(state), 2);
  EXPECT_EQ(masked(file_lines("out/job.kqo")),
            heading("3.0.15-build", text80("T1"),
                    {"     Path to file locations      : data/", "     Name of input data file     : job.kqd",
                     "     Name of output file         : job.kqo", "     Name of plot output file    : job.plot"}) +
                stop_block);
}

TEST_F(DeckRun, WithoutEchoTheTitleIsKeptButNoHeadingWritten) {
  run({"NOECHO", "TITLE=Quiet", "STOP"});
  EXPECT_EQ(report, stop_block);
  EXPECT_EQ(s->report.TITLE, text80("Quiet"));
}

struct RoundRow {
  real x;
  int n;
};

std::ostream& operator<<(std::ostream& os, const RoundRow& r) { return os << r.x; }

class NearestInt : public ::testing::TestWithParam<RoundRow> {};

TEST_P(NearestInt, RoundsHalvesAwayFromZero) { EXPECT_EQ(NEAREST_INT(GetParam().x), GetParam().n); }

constexpr int int_max = std::numeric_limits<int>::max();
constexpr int int_min = std::numeric_limits<int>::min();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, NearestInt, ::testing::Values(
  RoundRow{2.5f, 3},   RoundRow{-2.5f, -3}, RoundRow{2.49f, 2}, RoundRow{-2.49f, -2},
  RoundRow{0.0f, 0},   RoundRow{0.5f, 1},   RoundRow{-0.5f, -1}, RoundRow{10.0f, 10},
  RoundRow{1e20f, int_max}, RoundRow{-1e20f, int_min},
  RoundRow{std::numeric_limits<real>::infinity(), int_max}, RoundRow{std::numeric_limits<real>::quiet_NaN(), 0}
), row_name);
// clang-format on

}  // namespace
}  // namespace zav::testing
