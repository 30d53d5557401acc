// The result tables and the plot data of footing runs against their layouts,
// the record counts of the plot data, the messages that stop an analysis and
// the lines whose results cannot be formed.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "analysis/tests/analysis_deck.h"

namespace zav::testing {
namespace {

// A line with every digit shown as 9: the layout without the values. The
// page mark "1" is no value.
std::string shape(std::string l) {
  if (l == "1") return l;
  std::replace_if(
      l.begin(), l.end(), [](unsigned char c) { return std::isdigit(c); }, '9');
  return l;
}

Lines shape(const Lines& lines) {
  Lines out;
  for (const auto& l : lines) out.push_back(shape(l));
  return out;
}

// The report after the echo of the input.
Lines results(const Lines& report) {
  return Lines(report.begin() + static_cast<long>(input_part(report).size()), report.end());
}

const std::string title = " Footing" + std::string(73, ' ');
const std::string edge = " *" + std::string(47, ' ') + "*";

const Lines results_page = {"",
                            "",
                            "",
                            stars(49),
                            edge,
                            " *        S O I L - F O U N D A T I O N          *",
                            edge,
                            " *     D Y N A M I C   S I M U L A T I O N       *",
                            " *              ZAVIK 9.9.99                     *",
                            edge,
                            " *             RUN DATE -  9999-99-99            *",
                            " *             TIME     -  99:99:99              *",
                            edge,
                            stars(49),
                            "",
                            title,
                            "",
                            "                                 RESULTS",
                            "                                 *******",
                            "1",
                            "",
                            "",
                            "",
                            title};

const Lines constants_head = {"",
                              "",
                              " FREQUENCY  -        9.9999 Hz (      9.9999 rad./sec.)",
                              " *********",
                              "",
                              " STIFFNESS CONSTANTS (K)",
                              " ***********************",
                              "",
                              " HORIZONTAL TRANSLATION (KXX) ..  9.99999E+99 kN/m ",
                              " HORIZONTAL TRANSLATION (KYY) ..  9.99999E+99 kN/m ",
                              " VERTICAL TRANSLATION (KWW)  ...  9.99999E+99 kN/m ",
                              " ROTATION (KPPX) ..............   9.99999E+99 kN-m/rad ",
                              " ROTATION (KPPY)  ..............  9.99999E+99 kN-m/rad ",
                              " TORSION (KZT)  ................  9.99999E+99 kN-m/rad "};
const Lines cross_stiffness = {" CROSS-STIFFNESS (KXP)  ........  9.99999E+99 kN/rad",
                               " CROSS-STIFFNESS (KYP) ........  -9.99999E+99 kN/rad"};
const Lines damping_head = {"",
                            " DAMPING CONSTANTS (C)",
                            " *********************",
                            "",
                            " HORIZONTAL TRANSLATION (CXX) ..  9.99999E+99 kN/m/sec ",
                            " HORIZONTAL TRANSLATION (CYY) ..  9.99999E+99 kN/m/sec ",
                            " VERTICAL TRANSLATION (CWW)  ...  9.99999E+99 kN/m/sec ",
                            " ROTATION (CPPX)  ..............  9.99999E+99 kN-m/rad/sec ",
                            " ROTATION (CPPY)  ..............  9.99999E+99 kN-m/rad/sec ",
                            " TORSION (CZT)  ................  9.99999E+99 kN-m/rad/sec "};
const Lines cross_damping = {" CROSS-STIFFNESS (CXP)  ........  9.99999E+99 kN/rad/sec",
                             " CROSS-STIFFNESS (CYP)  ........ -9.99999E+99 kN/rad/sec"};

const Lines special_block = {"",
                             "",
                             "",
                             "************** SPECIAL OUTPUT OPTION **************",
                             "",
                             " CONCENTRATED HORIZONTAL AND ROCKING STIFFNESS ",
                             " WITHOUT SEPARATED COUPLING TERMS",
                             " ---------------------------------------------"};

const Lines harmonic_head = {
    "",
    "",
    "                        FOOTING RESPONSE AMPLITUDES",
    "                        ---------------------------",
    "",
    "    FREQ.    FREQ.     TRANS. X    TRANS. Y    VERTICAL   ROT ABOUT   ROT ABOUT   TORSIONAL",
    "     Hz    rad/sec    DIRECTION   DIRECTION                 X AXIS       Y AXIS            ",
    "                        (UOX)       (UOY)       (UOZ)       (EPOX)      (EPOY)      (EPOZ)",
    "                          m           m           m           rad         rad         rad",
    "   ------  -------    ---------   ---------   ---------   ---------   ---------   ---------",
    ""};

// A footing whose centre of gravity lies 0.75 above its base, under a
// vertical force at 1 Hz.
Footing raised() {
  Footing f;
  f.hc = 0.75;
  return f;
}

TEST_F(DeckRun, HarmonicRunWritesEveryTableInItsLayout) {
  ASSERT_EQ(run(footing_deck(raised(), harmonic_load(6.28, 6.28, 1, {0, 0, 50, 0, 0, 0}))), 0);
  const Lines row = {"     9.99     9.99    9.9999E+99  9.9999E+99  9.9999E-99  9.9999E+99  9.9999E+99  9.9999E+99"};
  EXPECT_EQ(shape(results(report)), results_page + constants_head + cross_stiffness + damping_head + cross_damping +
                                        special_block + results_page + constants_head + damping_head + results_page +
                                        harmonic_head + row);
  EXPECT_EQ(report[report.size() - 1].substr(0, 18), "     1.00     6.28");
  EXPECT_EQ(
      shape(file_lines("job.kqp")),
      (Lines{" 9",
             "  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99 -9.999E+99",
             "  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99  9.999E+99 -9.999E+99",
             "    9.99    9.9999E+99  9.9999E+99  9.9999E-99  9.9999E+99  9.9999E+99  9.9999E+99"}));
}

// A frequency of 10000 rad/s and more no longer fits the seven columns of its
// response fields: they are filled with "*".
TEST_F(DeckRun, FrequenciesOfTenThousandRadiansOverflowTheirResponseFields) {
  ASSERT_EQ(run(footing_deck(Footing{}, harmonic_load(10048, 10048, 1, {0, 0, 50, 0, 0, 0}))), 0);
  ASSERT_FALSE(report.empty());
  EXPECT_EQ(report.back().substr(0, 20), "  1600.00  *******  ");
  const Lines plot = file_lines("job.kqp");
  ASSERT_EQ(plot.size(), 4u);
  EXPECT_EQ(plot[1].substr(0, 11), "  0.100E+05");
  EXPECT_EQ(plot[3].substr(0, 10), " *******  ");
  EXPECT_TRUE(HasBlock(report, {"", "", " FREQUENCY  -     1600.0000 Hz (  10048.0000 rad./sec.)"}));
}

// Eight time points give five frequency lines and a history of eight rows,
// the first at one interval.
TEST_F(DeckRun, TransientRunPrintsItsHistoryFromTheFirstInterval) {
  Footing f;
  f.matrix = false;
  ASSERT_EQ(run(footing_deck(f, transient_load(0.25, 3, {0, 10, 20, 10, 0, 0, 0, 0}))), 0);
  const Lines out = results(report);
  const Lines head = {"",
                      "",
                      "                        FOOTING RESPONSE AMPLITUDES",
                      "                        ---------------------------",
                      "",
                      "           TRANS. X   TRANS. Y    VERTICAL     ROT ABOUT     ROT ABOUT  TORSIONAL",
                      "   TIME    DIRECTION  DIRECTION                 X AXIS       Y AXIS            ",
                      "             (OUX)      (UOY)       (UOZ)       (EPOX)       (EPOY)      (EPOZ)",
                      "               m          m           m          rad          rad         rad",
                      " -------   ---------   ---------   --------     ---------    ---------   --------",
                      ""};
  EXPECT_EQ(Lines(out.begin(), out.begin() + static_cast<long>(special_block.size())), special_block);
  ASSERT_EQ(out.size(), special_block.size() + results_page.size() + head.size() + 8);
  EXPECT_EQ(shape(Lines(out.begin() + static_cast<long>(special_block.size()), out.end() - 8)), results_page + head);
  const char* times[] = {"    0.25", "    0.50", "    0.75", "    1.00",
                         "    1.25", "    1.50", "    1.75", "    2.00"};
  for (int k = 0; k < 8; ++k) {
    const std::string& l = out[out.size() - 8 + static_cast<std::size_t>(k)];
    EXPECT_EQ(l.substr(0, 8), times[k]);
    // The vertical displacement swings to both sides of its rest.
    std::string values = shape(l).substr(8);
    std::replace(values.begin(), values.end(), '-', ' ');
    EXPECT_EQ(values, "    9.9999E+99  9.9999E+99  9.9999E 99  9.9999E+99  9.9999E+99  9.9999E+99") << l;
  }
  EXPECT_EQ(file_lines("job.kqp"), Lines{" 5"});
}

TEST_F(DeckRun, RandomRunPrintsThePeakFactorsAndTwoSpectrumCurves) {
  Footing f = raised();
  f.matrix = false;
  ASSERT_EQ(run(footing_deck(f, random_load(31.4, 6.28, 60, 1, {1, 2, 3, 2, 1}))), 0);
  // A horizontal force moves the footing in x and, through the height of its
  // centre of gravity, about y; the other degrees of freedom have no peak.
  const std::string moving = "                  9             9.9             9.9999E-99";
  const std::string still = "                  9             9.9             9.9999E+99";
  const Lines peaks = {"",
                       "",
                       "              DEGREE OF",
                       "               FREEDOM    PEAK FACTOR (G)   MAXIMUM DISPLACEMENT",
                       "              ---------   ---------------   --------------------",
                       "",
                       moving,
                       still,
                       still,
                       still,
                       moving,
                       still};
  const Lines curve_x = {"",
                         "",
                         "               RESPONSE SPECTRA CURVE OF TRANSLATION",
                         "               -------------------------------------",
                         "               FREQUENCY            IN X DIRECTION",
                         ""};
  const Lines curve_ry = {"",
                          "",
                          "               RESPONSE SPECTRA CURVE OF ROTATION",
                          "               ----------------------------------",
                          "               FREQUENCY              ABOUT Y AXIS",
                          ""};
  Lines values = {"                  9.99               9.999999E-99"};
  values.insert(values.end(), 4, "                 99.99               9.999999E-99");
  EXPECT_EQ(shape(results(report)), special_block + results_page + peaks + curve_x + values + curve_ry + values);
  const auto p = peak_factors(report);
  ASSERT_EQ(p.size(), 6u);
  for (int d : {1, 2, 3, 5}) EXPECT_EQ(p[d], std::make_pair(0.0, 0.0)) << "degree of freedom " << d + 1;
  EXPECT_EQ(file_lines("job.kqp"), Lines{" 5"});
}

struct RecordRow {
  const char* name;
  bool matrix;
  Lines load;
  std::size_t records;  // of the plot data
  std::string count;    // its first record
  std::size_t tables;   // constants tables of the first pass
};

std::ostream& operator<<(std::ostream& os, const RecordRow& r) { return os << r.name; }

class PlotRecords : public DeckRun, public ::testing::WithParamInterface<RecordRow> {};

TEST_P(PlotRecords, FollowTheLinesAndTheMatrixSwitch) {
  const RecordRow& row = GetParam();
  Footing f = raised();
  f.matrix = row.matrix;
  ASSERT_EQ(run(footing_deck(f, row.load)), 0);
  const Lines plot = file_lines("job.kqp");
  ASSERT_EQ(plot.size(), row.records);
  EXPECT_EQ(plot.front(), row.count);
  EXPECT_EQ(constants_tables(report, 1).size(), row.tables);
  EXPECT_TRUE(HasBlock(report, special_block));
}

const std::array<double, 6> vertical = {0, 0, 50, 0, 0, 0};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, PlotRecords, ::testing::Values(
  RecordRow{"HarmonicTenLinesWithMatrix", true,  harmonic_load(10, 1, 1, vertical),  31, " 10", 10},
  RecordRow{"HarmonicTenLines",           false, harmonic_load(10, 1, 1, vertical),  11, " 10", 0},
  RecordRow{"HarmonicOneLine",            true,  harmonic_load(6.28, 6.28, 1, vertical), 4, " 1", 1},
  RecordRow{"HarmonicStepZero",           true,  harmonic_load(10, 1, 0, vertical),  31, " 10", 10},
  RecordRow{"TransientEightPoints",       false, transient_load(0.25, 3, {1, 2, 3, 4, 5, 6, 7, 8}), 1, " 5", 0},
  RecordRow{"TransientEightPointsWithMatrix", true, transient_load(0.25, 3, {1, 2, 3, 4, 5, 6, 7, 8}), 11, " 5", 5},
  RecordRow{"RandomFivePoints",           false, random_load(31.4, 6.28, 60, 1, {1, 2, 3, 2, 1}), 1, " 5", 0},
  RecordRow{"RandomFivePointsWithMatrix", true,  random_load(31.4, 6.28, 60, 1, {1, 2, 3, 2, 1}), 11, " 5", 5}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Lines at or below 0 rad/s are computed at 0.0001 rad/s and printed with
// their own frequency in the response table.
TEST_F(DeckRun, ALineAtZeroIsComputedAtTheLowestFrequency) {
  ASSERT_EQ(run(footing_deck(raised(), harmonic_load(2, 0, 0, vertical))), 0);
  const auto records = plot_records("job.kqp");
  ASSERT_EQ(records.size(), 1u + 6 + 3);
  const double computed[] = {1e-4, 1, 2};
  for (int L = 0; L < 3; ++L) {
    EXPECT_EQ(records[1 + 2 * L][0], computed[L]);
    EXPECT_EQ(records[2 + 2 * L][0], computed[L]);
  }
  const auto rows = harmonic_rows(report);
  ASSERT_EQ(rows.size(), 3u);
  for (int L = 0; L < 3; ++L) {
    EXPECT_EQ(rows[L].omega, L);
    EXPECT_EQ(records[7 + L][0], L);
    EXPECT_EQ(records[7 + L][3], rows[L].u[2]);
  }
}

// A radius too small for single precision under an embedded footing: the
// embedment ratio of the special constants has no value; their lines say so
// and the first pass reports as any other.
TEST_F(DeckRun, SpecialConstantsBeyondSinglePrecisionAreLeftOut) {
  Footing f;
  f.sides = {{1, 150, 17, 0.35, 0.05}};
  ASSERT_EQ(run(with(footing_deck(f, harmonic_load(12.56, 6.28, 6.28, vertical)), "CIRCULAR=2.5", {"CIRCULAR=1E-38"})),
            0);
  for (const char* line : {"      1.0000 Hz (      6.2800", "      2.0000 Hz (     12.5600"}) {
    EXPECT_TRUE(
        HasBlock(report, {" *** THE SPECIAL CONSTANTS OF THE FOUNDATION ARE NOT A FINITE NUMBER ***",
                          " *** FREQUENCY  -  " + std::string(line) + " rad./sec.) LEFT OUT OF THE RESULTS ***"}));
  }
  EXPECT_EQ(constants_tables(report, 1).size(), 2u);
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
}

// The plot data an earlier run left.
const std::string earlier_plot =
    " 1\n   6.28       1.0000E-07  1.0000E-07  1.0000E-07  1.0000E-07  1.0000E-07  1.0000E-07\n";

// A strip so narrow that its rocking radius is 0 in single precision, under a
// footing without mass: no dynamic matrix. Soil given in units far off the
// deck's: a velocity so large that the shear modulus overflows.
Footing without_mass() {
  Footing f;
  f.circular = false;
  f.mass = {0, 0, 0, 0, 0, 0, 0};
  return f;
}

Lines narrow_strip(const Lines& load) {
  return with(footing_deck(without_mass(), load), "RECTANGULAR=4,3", {"RECTANGULAR=4,1E-20"});
}

// A load and a soil in units far off the deck's: each line's response is
// within single precision, their time history is not.
Lines history_beyond_single_precision() {
  Footing f;
  f.mass = {0, 0, 0, 0, 0, 0, 0};
  return with(footing_deck(f, transient_load(0.01, 3, {3e13, 3e13, 3e13, 0})), "BELOW=250 18 0.33 0.05",
              {"BELOW=250 1E-30 0.33 0.05"});
}

const Lines no_result = {" *** THE ANALYSIS HAS NO RESULT ***", " ***PROGRAM WILL NOT EXECUTE***"};

struct NoResultRow {
  const char* name;
  Lines deck;
  Lines reason;  // written for every line, before its frequency
  Lines end;     // the lines before the closing block
};

std::ostream& operator<<(std::ostream& os, const NoResultRow& r) { return os << r.name; }

class NoResult : public DeckRun, public ::testing::WithParamInterface<NoResultRow> {};

// A run in which no line could be formed, or whose time history cannot be,
// has no result: each line left out says why with its frequency, the end of
// the report says what became of the run, its status is that of a fatal
// error of the input, no response table is written and the plot data of an
// earlier run stay as they were.
TEST_P(NoResult, IsAFatalErrorThatSaysWhyAndKeepsThePlotData) {
  const NoResultRow& row = GetParam();
  put_file("job.kqp", earlier_plot);
  ASSERT_EQ(run(row.deck), 3);
  for (const char* line : {"      1.0000 Hz (      6.2800", "      2.0000 Hz (     12.5600"}) {
    if (row.reason.empty()) break;
    EXPECT_TRUE(HasBlock(report, row.reason + Lines{" *** FREQUENCY  -  " + std::string(line) +
                                                    " rad./sec.) LEFT OUT OF THE RESULTS ***"}));
  }
  const Lines end = row.end + fatal_block;
  ASSERT_GE(report.size(), end.size());
  EXPECT_EQ(Lines(report.end() - static_cast<long>(end.size()), report.end()), end);
  EXPECT_TRUE(harmonic_rows(report).empty());
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
  EXPECT_EQ(file_text("job.kqp"), earlier_plot);
}

const Lines singular = {" ERROR ENCOUNTERED IN LEQ2C SUBROUTINE"};
const Lines impedance_no_number = {" *** THE IMPEDANCE OF THE FOUNDATION IS NOT A FINITE NUMBER ***"};
const Lines at_every_line = {"", "", " *** NO FREQUENCY LINE COULD BE FORMED, AT EVERY LINE: ***"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Footings, NoResult, ::testing::Values(
  NoResultRow{"StripWithoutMass", narrow_strip(harmonic_load(12.56, 6.28, 6.28, vertical)), singular,
              Lines{" *** FREQUENCY  -        2.0000 Hz (     12.5600 rad./sec.) LEFT OUT OF THE RESULTS ***"} +
              at_every_line + singular + no_result},
  NoResultRow{"StripWithoutMassRandom", narrow_strip(random_load(12.56, 6.28, 60, 3, {1, 1})), singular,
              at_every_line + singular + no_result},
  NoResultRow{"StripWithoutMassTransient", narrow_strip(transient_load(0.5, 3, {1, 0})), {},
              at_every_line + singular + no_result},
  NoResultRow{"ModulusBeyondSinglePrecision",
              with(footing_deck(Footing{}, harmonic_load(12.56, 6.28, 6.28, vertical)), "BELOW=250 18 0.33 0.05",
                   {"BELOW=1E20 18 0.33 0.05"}),
              impedance_no_number, at_every_line + impedance_no_number + no_result},
  NoResultRow{"TimeHistoryBeyondSinglePrecision", history_beyond_single_precision(), {},
              Lines{" *** THE TIME HISTORY OF THE RESPONSE IS NOT A FINITE NUMBER ***",
                    " *** ITS TIME STEPS ARE LEFT OUT OF THE RESULTS ***"} + no_result}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

// Some lines left out, the others computed: the run completes with the lines
// it has, and the plot data count them. Above the first line the frequencies
// are so high that the inertia of the footing passes single precision (and
// the first, carried from the minimum less a step so large, is at 0).
TEST_F(DeckRun, ARunWithSomeLinesLeftOutCompletesWithTheOthers) {
  Footing f;
  f.matrix = false;
  const Lines high = with(harmonic_load(62.8, 6.28, 6.28, vertical), "62.8 6.28 6.28 ", {"1E37 6.28 5E36 "});
  ASSERT_EQ(run(footing_deck(f, high)), 0);
  EXPECT_EQ(std::count_if(report.begin(), report.end(),
                          [](const std::string& l) { return l.ends_with("LEFT OUT OF THE RESULTS ***"); }),
            2);
  const auto rows = harmonic_rows(report);
  ASSERT_EQ(rows.size(), 1u);
  const auto records = plot_records("job.kqp");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], std::vector<double>{1});
  EXPECT_EQ(records[1][0], rows[0].omega);
  EXPECT_EQ(records[1][3], rows[0].u[2]);
}

struct StoppedRow {
  const char* name;
  Lines deck;
  int status;
  Lines message;
};

std::ostream& operator<<(std::ostream& os, const StoppedRow& r) { return os << r.name; }

class StoppedRun : public DeckRun, public ::testing::WithParamInterface<StoppedRow> {};

// A run that stops before its analysis, or whose analysis has no result,
// leaves the plot data of the run before it as they were: a completed run
// first, then the same deck with one fault.
TEST_P(StoppedRun, LeavesThePlotDataOfTheRunBefore) {
  const StoppedRow& row = GetParam();
  ASSERT_EQ(run(footing_deck(Footing{}, harmonic_load(62.8, 6.28, 6.28, vertical))), 0);
  const std::string before = file_text("job.kqp");
  ASSERT_EQ(file_lines("job.kqp").size(), 1u + 20 + 10);
  EXPECT_EQ(run(row.deck), row.status);
  EXPECT_TRUE(HasBlock(report, row.message));
  EXPECT_EQ(file_text("job.kqp"), before);
}

Lines stopped(const Lines& deck) { return with(deck, "RUN ", {"STOP"}); }

Footing with_shear_wave(bool stratum, double Vs) {
  Footing f;
  f.stratum = stratum;
  f.Vs = Vs;
  return f;
}

const Lines ten_lines = harmonic_load(62.8, 6.28, 6.28, vertical);

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, StoppedRun, ::testing::Values(
  StoppedRow{"HalfSpaceWithoutShearWave",  footing_deck(with_shear_wave(false, 0), ten_lines), 3,
             two_blank(" ***INADMISSABLE VALUE FOR SHEAR WAVE VELOCITY OF HALF-SPACE ( 0.00E+00) ***")},
  StoppedRow{"HalfSpaceNegativeShearWave", footing_deck(with_shear_wave(false, -150), ten_lines), 3,
             two_blank(" ***INADMISSABLE VALUE FOR SHEAR WAVE VELOCITY OF HALF-SPACE (-1.50E+02) ***")},
  StoppedRow{"StratumWithoutShearWave",    footing_deck(with_shear_wave(true, 0), ten_lines), 3,
             two_blank(" ERROR - SHEAR WAVE VELOCITY OF THE SOIL ( 0.000E+00) MUST BE GREATER THAN 0") +
             will_not_execute},
  StoppedRow{"NoLineFormed",               narrow_strip(ten_lines), 3,
             two_blank(" *** NO FREQUENCY LINE COULD BE FORMED, AT EVERY LINE: ***") + singular + no_result},
  StoppedRow{"StoppedBeforeTheAnalysis",   stopped(footing_deck(Footing{}, ten_lines)), 2, stop_block}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace zav::testing
