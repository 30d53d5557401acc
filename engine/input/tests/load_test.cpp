// The LOAD section through whole runs: harmonic, transient and random loads,
// their echo, the load vector at the centre of gravity, the transformed
// transient loads, messages and the limits of the analysis' tables.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>
#include <sstream>

#include "input/tests/run_deck.h"

namespace zav::testing {
namespace {

// A half-space footing with its soil, read without echo; the centre of gravity
// at (1, 2) and 0.75 high.
const Lines footing = {"NOECHO",
                       "GRAVITY=9.8",
                       "FOUNDATION=HALF-SPACE",
                       "CIRCULAR=2.5",
                       "MASS ",
                       "100 175 175 312.5 0 0 0",
                       "CONSTANTS ",
                       "1 2 0.75 ",
                       "SOIL ",
                       "CONSTANTS=1",
                       "1 1 200 18 0.35 0.05",
                       "BELOW=250 18 0.33 0.05"};

Lines load(const Lines& kind_and_data, bool echo = true) {
  return footing + (echo ? Lines{"ECHO"} : Lines{}) + Lines{"LOAD "} + kind_and_data + Lines{"RUN "};
}

Lines harmonic(const Lines& numbers, const char* form = "NONQUADRATIC ") {
  Lines d = {"HARMONIC ", "CONSTANTS "};
  if (*form) d.push_back(form);
  return d + numbers;
}

// n numbers from `first` by `step`, one per line.
Lines numbers_from(int n, double first, double step) {
  Lines l;
  for (int k = 0; k < n; ++k) l.push_back(std::to_string(first + k * step) + " ");
  return l;
}

Lines transient(int points, const Lines& loads_and_samples, int loads) {
  return Lines{"TRANSIENT ", "CONSTANTS ", std::to_string(points) + " ", "0.01 ", std::to_string(loads) + " "} +
         loads_and_samples;
}

Lines random_load(int points, const Lines& spectra, int count) {
  return Lines{"RANDOM ",
               "CONSTANTS ",
               "62.8 ",
               "6.28 ",
               std::to_string(points) + " ",
               "10 ",
               std::to_string(count) + " "} +
         spectra;
}

const Lines load_error = {"", "", "  ERROR ENCOUNTERED IN LOAD DESCRIPTION", "         - WILL CONTINUE TO PROCESS DATA",
                          "      - CANNOT EXECUTE T HIS PROBLEM SET"};

TEST_F(DeckRun, HarmonicLoadIsEchoedInHertzAtTheCentreOfGravity) {
  EXPECT_EQ(run(load(harmonic({"62.8 6.28 6.28 ", "10 0 0 ", "0 0 0 ", "0 0 2 0 "}))), 0);
  EXPECT_EQ(
      input_part(report),
      (Lines{"", "", " HARMONIC LOAD, NON QUADRATIC", stars(28), "", " MAXIMUM FREQUENCY .............. 1.000E+01 Hz",
             " MINIMUM FREQUENCY .............. 1.000E+00 Hz", " STEP FREQUENCY ................. 1.000E+00 Hz",
             " FORCE IN X-DIRECTION  .......... 1.000E+01 kN.", " FORCE IN Y-DIRECTION  .......... 0.000E+00 kN.",
             " FORCE IN Z-DIRECTION  .......... 0.000E+00 kN.", " MOMENT ABOUT X-AXIS  ........... 0.000E+00 kN-m ",
             " MOMENT ABOUT Y-AXIS  ...........-2.000E+01 kN-m ",
             " MOMENT ABOUT Z-AXIS  ........... 0.000E+00 kN-m "}));
  const auto& ld = s->load;
  EXPECT_EQ(s->input.load_kind(), LoadKind::HARMONIC);
  EXPECT_FLOAT_EQ(ld.FREQ_MAX, 62.8f);  // rad/s
  EXPECT_FLOAT_EQ(ld.FREQ_MIN, 6.28f);
  EXPECT_FLOAT_EQ(ld.FREQ_STEP, 6.28f);
  EXPECT_EQ(ld.LINES, 10);
  EXPECT_EQ(s->switches.HARMONIC_FORM, HarmonicForm::non_quadratic);
}

TEST_F(DeckRun, QuadraticHarmonicLoadEchoesItsCoefficients) {
  EXPECT_EQ(run(load(harmonic({"12.56 6.28 6.28 ", "0 0.5 0 ", "0 0 0 ", "0 0 0 0 "}, "QUADRATIC "))), 0);
  EXPECT_EQ(input_part(report),
            (Lines{"", "", " HARMONIC LOAD, QUADRATIC", stars(24), "", " MAXIMUM FREQUENCY .............. 2.000E+00 Hz",
                   " MINIMUM FREQUENCY .............. 1.000E+00 Hz", " STEP FREQUENCY ................. 1.000E+00 Hz",
                   " FORCE COEFF. IN X-DIRECTION  ... 0.000E+00", " FORCE COEFF. IN Y-DIRECTION  ... 5.000E-01",
                   " FORCE COEFF. IN Z-DIRECTION  ... 0.000E+00", " MOMENT COEFF. ABOUT X-AXIS  .... 0.000E+00",
                   " MOMENT COEFF. ABOUT Y-AXIS  .... 0.000E+00", " MOMENT COEFF. ABOUT Z-AXIS  .... 0.000E+00"}));
  EXPECT_EQ(s->switches.HARMONIC_FORM, HarmonicForm::quadratic);
  EXPECT_EQ(s->load.LINES, 2);
}

struct VectorRow {
  const char* name;
  Lines numbers;  // amplitudes, lever arms, option and reference point
  std::array<real, 6> vector;
};

std::ostream& operator<<(std::ostream& os, const VectorRow& r) { return os << r.name; }

class LoadVector : public DeckRun, public ::testing::WithParamInterface<VectorRow> {};

// Forces and moments about the centre of gravity (1, 2, 0.75), worked by hand.
TEST_P(LoadVector, MovesTheAmplitudesToTheCentreOfGravity) {
  const VectorRow& row = GetParam();
  EXPECT_EQ(run(load(harmonic(Lines{"62.8 6.28 6.28 "} + row.numbers), false)), 0);
  EXPECT_EQ(input_part(report), Lines{});
  for (int i = 1; i <= 6; ++i) {
    EXPECT_NEAR(s->load.LOAD_VECTOR(i), row.vector[static_cast<std::size_t>(i - 1)], 1e-6f) << "component " << i;
  }
  // The lever arms stay as the deck gives them, whichever point they are measured from.
  std::istringstream arms(row.numbers[2]);
  real ex = 0, ey = 0, ez = 0;
  arms >> ex >> ey >> ez;
  EXPECT_EQ(s->load.ex, ex);
  EXPECT_EQ(s->load.ey, ey);
  EXPECT_EQ(s->load.ez, ez);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Loads, LoadVector, ::testing::Values(
  VectorRow{"NoLeverArms",    {"10 0 0 ", "0 0 0 ", "0 0 0 0 "},           {10, 0, 0, 0, 0, 0}},
  VectorRow{"ForceAboveBase", {"10 0 0 ", "0 0 0 ", "0 0 2 0 "},           {10, 0, 0, 0, -20, 0}},
  VectorRow{"EveryArm",       {"1 2 3 ", "4 5 6 ", "0.5 -1 2 0 "},         {1, 2, 3, 11, 4.5f, 4}},
  // Option 1: the arms are measured from the reference point (1.5, 2.5, 0.5).
  VectorRow{"ReferencePoint", {"1 2 3 ", "0 0 0 ", "0.5 0.5 0.25 1 1.5 2.5 0.5 "}, {1, 2, 3, 2, -1, 0}}
), row_name);
// clang-format on

// The direct transform in double precision, the engine's sign: X(k) = sum x(j) exp(+2 pi i j k / n).
std::vector<std::complex<double>> dft(const std::vector<double>& x) {
  const std::size_t n = x.size();
  std::vector<std::complex<double>> X(n);
  for (std::size_t k = 0; k < n; ++k) {
    for (std::size_t j = 0; j < n; ++j)
      X[k] += x[j] * std::polar(1.0, 2 * std::numbers::pi * double(j * k) / double(n));
  }
  return X;
}

TEST_F(DeckRun, TransientLoadsAreEchoedAndTransformedByDegreeOfFreedom) {
  const std::vector<double> a = {1, 2, 0.5, -0.5, 0, 0, 3, 1}, b = {0, 1, 0, -1, 0, 1, 0, -1},
                            c = {0.25, 0.5, 1, 2, 4, 2, 1, 0.5};
  auto samples = [](const std::vector<double>& x) {
    Lines l;
    for (double v : x) l.push_back(std::to_string(v) + " ");
    return l;
  };
  EXPECT_EQ(run(load(transient(8, Lines{"3 "} + samples(a) + Lines{"5 "} + samples(b) + Lines{"3 "} + samples(c), 3))),
            0);
  EXPECT_TRUE(HasBlock(report, {"",
                                "",
                                " TRANSIENT LOAD",
                                stars(14),
                                "",
                                " NUMBER OF POINTS  ..............     8",
                                " TIME INTERVAL BETWEEN POINTS  ..  0.010",
                                " NUMBER OF LOADS  ...............  3",
                                "",
                                " LOAD TYPE CODE - 3 (FORCE IN Z-DIRECTION)",
                                " LOAD AMPLITUDES  kN.",
                                "    1.000E+00",
                                "    2.000E+00",
                                "    5.000E-01",
                                "   -5.000E-01",
                                "    0.000E+00",
                                "    0.000E+00",
                                "    3.000E+00",
                                "    1.000E+00",
                                "",
                                " LOAD TYPE CODE - 5 (ROTATION ABOUT Y-AXIS)",
                                " LOAD AMPLITUDES  kN-m "}));
  const auto& ld = s->load;
  EXPECT_EQ(s->input.load_kind(), LoadKind::TRANSIENT);
  EXPECT_EQ(ld.POINTS, 8);
  EXPECT_FLOAT_EQ(ld.TIME_INTERVAL, 0.01f);
  EXPECT_EQ(ld.POINTS_REAL, 8.0f);
  EXPECT_EQ(ld.HALF_POINTS, 6.0f);
  EXPECT_EQ(ld.LINES, 5);
  // Line L holds the conjugate of transform value L - 1 over n; the later load
  // of a degree of freedom replaces the earlier one.
  const auto C = dft(c), B = dft(b);
  for (int L = 1; L <= 8; ++L) {
    const auto& line = ld.TRANSIENT(L);
    SCOPED_TRACE("line " + std::to_string(L));
    const std::complex<double> want_z = std::conj(C[std::size_t(L - 1)]) / 8.0;
    const std::complex<double> want_ry = std::conj(B[std::size_t(L - 1)]) / 8.0;
    EXPECT_NEAR(std::abs(std::complex<double>(line[2]) - want_z), 0.0, 1e-6);
    EXPECT_NEAR(std::abs(std::complex<double>(line[4]) - want_ry), 0.0, 1e-6);
    for (int dof : {1, 2, 4, 6}) EXPECT_EQ(line[std::size_t(dof - 1)], cplx(0.0f, 0.0f)) << "dof " << dof;
  }
}

TEST_F(DeckRun, RandomSpectraAreEchoedAndKeptByTheirLocationCodes) {
  EXPECT_EQ(run(load(random_load(4, {"1 1", "0.5 ", "1 ", "2 ", "4 ", "5 1", "0.1 ", "0.2 ", "0.3 ", "0.4 "}, 2))), 0);
  EXPECT_EQ(input_part(report), (Lines{"",
                                       "",
                                       " RANDOM LOAD",
                                       stars(11),
                                       "",
                                       " MAXIMUM FREQUENCY (Hz)  ........  1.000",
                                       " MINIMUM FREQUENCY (Hz) .........  0.100",
                                       " NUMBER OF POINTS  ..............   4",
                                       " NUMBER OF SPECTRA  .............   2",
                                       "",
                                       " LOCATION OF SPECTRA  -    1    1",
                                       " LOAD AMPLITUDES  kN.",
                                       "   0.500E+00",
                                       "   0.100E+01",
                                       "   0.200E+01",
                                       "   0.400E+01",
                                       "",
                                       " LOCATION OF SPECTRA  -    5    1",
                                       " LOAD AMPLITUDES  kN.",
                                       "   0.100E+00",
                                       "   0.200E+00",
                                       "   0.300E+00",
                                       "   0.400E+00"}));
  const auto& ld = s->load;
  EXPECT_EQ(s->input.load_kind(), LoadKind::RANDOM);
  EXPECT_FLOAT_EQ(ld.FREQ_STEP, (62.8f - 6.28f) / 3.0f);
  EXPECT_EQ(ld.LINES, 4);
  EXPECT_FLOAT_EQ(ld.DURATION, 10.0f);
  EXPECT_FLOAT_EQ(ld.SPECTRA(4)(1, 1), 4.0f);
  EXPECT_FLOAT_EQ(ld.SPECTRA(2)(5, 1), 0.2f);
  EXPECT_EQ(ld.SPECTRA(2)(1, 5), 0.0f);
}

Lines harmonic_range(const std::string& frequencies) {
  return load(harmonic({frequencies, "0 0 1 ", "0 0 0 ", "0 0 0 0 "}), false);
}

Lines samples_of(int n) { return Lines{"1 "} + numbers_from(n, 0.0, 0.001); }

Lines spectrum_of(int n) { return Lines{"3 3"} + numbers_from(n, 1.0, 0.0); }

const std::string code_out_of_range = "         LESS THAN 1 OR EXCEED A VALUE OF 6";

class LoadMessages : public DeckMessages {};

TEST_P(LoadMessages, ReportTheFaultAndDecideTheRun) { check(); }

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, LoadMessages, ::testing::Values(
  MessageRow{"CompleteDeck",        harmonic_range("62.8 6.28 6.28 "), 0, {}, true},
  MessageRow{"UnknownLoadKind",     load({"IMPULSE", "CONSTANTS "}, false), 3,
             two_blank(" UNRECOGNIZED KEYWORD - IMPU") +
             two_blank(" INVALID OR UNRECOGNIZED KEYWORD - IMPU FOR LOAD    TYPE") + will_not_execute +
             two_blank(" CONS SUBKEYWORD MUST BE PRECEEDED BY FOUNDATION KEYWORD"), true},
  MessageRow{"NoConstants",         load({"HARMONIC "}, false), 3,
             two_blank(" 'CONSTANT' KEYWORD MISSING FOR LOAD DESCRIPTION") + will_not_execute, true},
  // The option is the last number: RUN in its place is no number.
  MessageRow{"HarmonicShort",       load(harmonic({"62.8 6.28 6.28 ", "10 0 0 ", "0 0 0 ", "0 0 0 "}), false), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"RUN                 \",") + load_error, true},
  MessageRow{"OptionOneNeedsItsPoint", load(harmonic({"62.8 6.28 6.28 ", "10 0 0 ", "0 0 0 ", "0 0 0 1 "}), false), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"RUN                 \",") + load_error, true},
  // Without the form word the numbers are read as they stand.
  MessageRow{"HarmonicWithoutForm", load(harmonic({"62.8 6.28 6.28 ", "10 0 0 ", "0 0 0 ", "0 0 0 0 "}, ""), false), 0,
             {}, true},
  MessageRow{"FiveHundredLines",    harmonic_range("500 1 1 "), 0, {}, true},
  MessageRow{"FiveHundredOneLines", harmonic_range("501 1 1 "), 3,
             two_blank(" ERROR - NUMBER OF FREQUENCIES EXCEEDS 500") + load_error, true},
  MessageRow{"TinyStep",            harmonic_range("62.8 6.28 1E-30 "), 3,
             two_blank(" ERROR - NUMBER OF FREQUENCIES EXCEEDS 500") + load_error, true},
  MessageRow{"StepZeroTakenAsOne",  harmonic_range("10 1 0 "), 0, {}, true},
  MessageRow{"MaximumBelowMinimum", harmonic_range("1 10 1 "), 3,
             two_blank(" ERROR - NO FREQUENCY FROM THE MINIMUM TO THE MAXIMUM") + load_error, true},
  MessageRow{"FrequencyNotFinite",  harmonic_range("1E39 1 1 "), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"                1E39\",") + load_error,
             false},
  MessageRow{"TransientCodeSeven",  load(transient(4, {"7 ", "1 2 3 4"}, 1), false), 3,
             Lines{"", " ERROR - LOAD TYPE INDICATOR (   7 ) CANNOT BE ", code_out_of_range} + load_error, false},
  MessageRow{"TransientCodeZero",   load(transient(4, {"0 ", "1 2 3 4"}, 1), false), 3,
             Lines{"", " ERROR - LOAD TYPE INDICATOR (   0 ) CANNOT BE ", code_out_of_range} + load_error, false},
  MessageRow{"TransientCodeFraction", load(transient(4, {"2.5 ", "1 2 3 4"}, 1), false), 3, load_error, false},
  MessageRow{"Transient1024Points", load(transient(1024, samples_of(1024), 1), false), 0, {}, true},
  MessageRow{"Transient1025Points", load(transient(1025, samples_of(1025), 1), false), 3,
             two_blank(" ERROR - NUMBER OF POINTS EXCEEDS 1024") + load_error, false},
  MessageRow{"TransientNoPoints",   with(load(transient(4, samples_of(4), 1), false), "4 ", {"0 "}), 3, load_error, false},
  MessageRow{"TransientPointsNegative", with(load(transient(4, samples_of(4), 1), false), "4 ", {"-4 "}), 3,
             load_error, false},
  MessageRow{"TransientHalfPoints", with(load(transient(4, samples_of(4), 1), false), "4 ", {"4.5 "}), 3,
             load_error, false},
  MessageRow{"TransientHugePoints", with(load(transient(4, samples_of(4), 1), false), "4 ", {"1E30 "}), 3,
             two_blank(" ERROR - NUMBER OF POINTS EXCEEDS 1024") + load_error, false},
  MessageRow{"TransientSamplesShort", load(transient(4, {"1 ", "1 2 3"}, 1), false), 3,
             two_blank(" *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"RUN                 \",") + load_error, true},
  MessageRow{"TransientNegativeLoadCount", load(transient(4, samples_of(4), -1), false), 3, load_error, false},
  MessageRow{"TransientHugeLoadCount", with(load(transient(4, samples_of(4), 1), false), "1 ", {"2147483648 "}), 3,
             load_error, false},
  MessageRow{"Random200Points",     load(random_load(200, spectrum_of(200), 1), false), 0, {}, true},
  MessageRow{"Random201Points",     load(random_load(201, spectrum_of(201), 1), false), 3,
             two_blank(" ERROR - NUMBER OF POINTS EXCEEDS  200") + load_error, false},
  MessageRow{"RandomOnePoint",      load(random_load(1, spectrum_of(1), 1), false), 0, {}, true},
  MessageRow{"RandomLocationSeven", load(random_load(2, {"3 7", "1 1"}, 1), false), 3,
             Lines{"", " ERROR - LOCATION OF SPECTRA (   7 ) CANNOT BE ", code_out_of_range} + load_error, false},
  MessageRow{"RandomLocationZero",  load(random_load(2, {"0 3", "1 1"}, 1), false), 3,
             Lines{"", " ERROR - LOCATION OF SPECTRA (   0 ) CANNOT BE ", code_out_of_range} + load_error, false},
  MessageRow{"RandomNoPoints",      load(random_load(0, {}, 0), false), 3,
             load_error + two_blank(" UNRECOGNIZED KEYWORD - 10. ") + two_blank(" UNRECOGNIZED KEYWORD - 0.  "), true},
  // A complete deck without its gravitational constant.
  MessageRow{"NoGravity",           with(harmonic_range("62.8 6.28 6.28 "), "GRAVITY=9.8", {}), 3,
             {"", "", " GRAVITATIONAL CONSTANT NOT SET", " PROGRAM WILL T  ERMINATE"}, true},
  MessageRow{"NoFoundation",        Lines{"GRAVITY=9.8", "NOECHO", "LOAD "} + harmonic({"62.8 6.28 6.28 ", "10 0 0 ",
                                    "0 0 0 ", "0 0 0 0 "}) + Lines{"RUN "}, 3,
             {"", "", " INSUFFICIENT INPUT DATA TO COMPLETE RUN", " PROGRA  M WILL TERMINATE"}, false}
), row_name);
// clang-format on

struct FormRow {
  const char* form;  // the line after CONSTANTS, or none
  int status;
  HarmonicForm switch_after;
  Lines message;
};

std::ostream& operator<<(std::ostream& os, const FormRow& r) { return os << (*r.form ? r.form : "no form word"); }

class HarmonicFormWord : public DeckRun, public ::testing::WithParamInterface<FormRow> {};

// The form word of a harmonic load chooses how its amplitudes grow with the
// frequency; no form word keeps the default, while a word that is no form
// word is refused by name: a misspelt QUADRATIC must not give the load of
// constant amplitudes.
TEST_P(HarmonicFormWord, ChoosesTheFormOrIsRefusedByName) {
  const FormRow& row = GetParam();
  EXPECT_EQ(run(load(harmonic({"62.8 6.28 6.28 ", "10 0 0 ", "0 0 0 ", "0 0 0 0 "}, row.form), false)), row.status);
  EXPECT_EQ(s->switches.HARMONIC_FORM, row.switch_after);
  if (row.status == 0) {
    EXPECT_EQ(input_part(report), row.message);
  } else {
    // The numbers of the block that follow are no keywords of the keyword loop.
    EXPECT_EQ(Lines(report.begin(), report.begin() + static_cast<long>(row.message.size())), row.message);
    EXPECT_TRUE(HasBlock(report, two_blank(" UNRECOGNIZED KEYWORD - 62.8")));
    ASSERT_GE(report.size(), fatal_block.size());
    EXPECT_EQ(Lines(report.end() - static_cast<long>(fatal_block.size()), report.end()), fatal_block);
  }
}

const std::string no_form = " IS NO FORM OF A HARMONIC LOAD: QUADRATIC OR NONQUADRATIC";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, HarmonicFormWord, ::testing::Values(
  FormRow{"NONQUADRATIC ",  0, HarmonicForm::non_quadratic, {}},
  FormRow{"QUADRATIC ",     0, HarmonicForm::quadratic,     {}},
  FormRow{"QUADRATICALLY",  0, HarmonicForm::quadratic,     {}},  // four characters make the word
  FormRow{"",               0, HarmonicForm::non_quadratic, {}},
  FormRow{"LINEAR",         3, HarmonicForm::non_quadratic, two_blank(" ERROR - LINEAR" + no_form) + load_error},
  FormRow{"QADRATIC",       3, HarmonicForm::non_quadratic, two_blank(" ERROR - QADRATIC" + no_form) + load_error},
  FormRow{"NON-QUADRATIC",  3, HarmonicForm::non_quadratic, two_blank(" ERROR - NON-QUADRATIC" + no_form) + load_error}
), row_name);
// clang-format on

TEST_F(DeckRun, AStepOfZeroGivesLinesOfOneRadianPerSecond) {
  run(harmonic_range("10 1 0 "));
  EXPECT_EQ(s->load.LINES, 10);
  EXPECT_EQ(s->load.FREQ_STEP, 0.0f);
}

}  // namespace
}  // namespace zav::testing
