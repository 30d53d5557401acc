// The LOAD section: the load kind and its data, harmonic, transient or random.
#include <array>
#include <cctype>
#include <cmath>
#include <string>

#include "common/constants.h"
#include "input/input.h"
#include "input/sections.h"
#include "kernels/fft.h"

namespace zav {
namespace {

using section::Admissible;
using section::Bound;
using section::echo;
using section::out;

// What the values of a load can be, load kind by load kind in the order of
// the deck: frequencies not below 0; a time interval and an observation
// period above 0. The amplitudes, the lever arms and the reference point of
// a harmonic load and the samples of a transient load have either sign; a
// power spectrum is not negative, a cross spectrum of two degrees of freedom
// may be.
// clang-format off
constexpr Admissible<Load> harmonic_values[] = {
  {&Load::FREQ_MAX,      "MAXIMUM FREQUENCY",            Bound::not_negative},
  {&Load::FREQ_MIN,      "MINIMUM FREQUENCY",            Bound::not_negative},
  {&Load::FREQ_STEP,     "STEP FREQUENCY",               Bound::not_negative},
  {&Load::ex,            "LEVER ARM IN X",               Bound::any},
  {&Load::ey,            "LEVER ARM IN Y",               Bound::any},
  {&Load::ez,            "LEVER ARM IN Z",               Bound::any},
};
constexpr Admissible<Load> reference_point_values[] = {
  {&Load::p,             "X OF THE REFERENCE POINT",     Bound::any},
  {&Load::q,             "Y OF THE REFERENCE POINT",     Bound::any},
  {&Load::r,             "Z OF THE REFERENCE POINT",     Bound::any},
};
constexpr Admissible<Load> transient_values[] = {
  {&Load::TIME_INTERVAL, "TIME INTERVAL BETWEEN POINTS", Bound::positive},
};
constexpr Admissible<Load> random_values[] = {
  {&Load::FREQ_MAX,      "MAXIMUM FREQUENCY",            Bound::not_negative},
  {&Load::FREQ_MIN,      "MINIMUM FREQUENCY",            Bound::not_negative},
  {&Load::DURATION,      "OBSERVATION PERIOD",           Bound::positive},
};
// clang-format on

// Loads or spectra of one section: a later one of the same degrees of freedom
// replaces an earlier one, so no table limits them; this bound keeps their count
// within its echo field.
constexpr int max_loads = 999;

void load_error(EngineState& s) {
  write(s, out(s),
        "(/,/,1X,' ERROR ENCOUNTERED IN LOAD DESCRIPTION',/,1X,'        - WILL CONTINUE TO PROCESS DATA',/,"
        "1X,'     - CANNOT EXECUTE T HIS PROBLEM SET')");
  section::fatal(s);
}

// Frequency lines from the minimum to the maximum by the step, the step 0 taken
// as 1: as many as the analysis computes.
int frequency_lines(real max, real min, real step) {
  const real h = step == 0.0f ? 1.0f : step;
  return NEAREST_INT((max - min) / h + 1.0f);
}

// Whether the frequency lines fit the analysis' table of `limit` lines; reports
// them when they do not.
bool lines_fit(EngineState& s, int lines, int limit) {
  if (lines > limit) {
    write(s, out(s), "(/,/,1X,'ERROR - NUMBER OF FREQUENCIES EXCEEDS ',I3)", limit);
    return false;
  }
  if (lines < 1) {
    write(s, out(s), "(/,/,1X,'ERROR - NO FREQUENCY FROM THE MINIMUM TO THE MAXIMUM')");
    return false;
  }
  return true;
}

// A code of a degree of freedom, 1..6; false on a read error, or (reported with
// `message`) when the code is outside.
bool read_code(EngineState& s, int& code, std::string_view message) {
  real v = 0.0f;
  if (!section::number(s, v) || !section::whole(v)) return false;
  code = NEAREST_INT(v);
  if (code >= 1 && code <= 6) return true;
  write(s, out(s), message, code);
  return false;
}

// After a word that is neither QUADRATIC nor NONQUADRATIC: true when it is no
// form word at all (the numbers follow at once, or a keyword ends the block
// early), stepped back over; false, reported, when it is a word of its own:
// a misspelt form word must not choose the load's form.
bool no_form_word(EngineState& s, Keyword k) {
  section::step_back(s);
  if (k != Keyword::none) return true;
  std::string record;
  if (read(s, s.run.UNIT_TABLE(4), "(A)", record) != io::Io::ok) return true;
  const std::size_t first = record.find_first_not_of(' ');
  const char c = first == std::string::npos ? ' ' : record[first];
  if (first == std::string::npos || std::isdigit(static_cast<unsigned char>(c)) || c == '.' || c == '+' || c == '-') {
    section::step_back(s);
    return true;
  }
  const std::string text = record.substr(first, record.find_last_not_of(' ') + 1 - first);
  write(s, out(s), "(/,/,1X,'ERROR - ',A,' IS NO FORM OF A HARMONIC LOAD: QUADRATIC OR NONQUADRATIC')", text);
  return false;
}

bool read_harmonic(EngineState& s) {
  auto& ld = s.load;
  auto& f = s.foundation;
  std::string word;
  const Keyword k = section::next_keyword(s, word);
  if (k == Keyword::NONQ) s.switches.HARMONIC_FORM = HarmonicForm::non_quadratic;
  else if (k == Keyword::QUAD) s.switches.HARMONIC_FORM = HarmonicForm::quadratic;
  else if (!no_form_word(s, k)) return false;
  auto& F = ld.AMPLITUDES;
  real option = 0.0f;
  if (!section::numbers(s, ld.FREQ_MAX, ld.FREQ_MIN, ld.FREQ_STEP, F(1), F(2), F(3), F(4), F(5), F(6), ld.ex, ld.ey,
                        ld.ez, option)) {
    return false;
  }
  if (!section::ValueCheck(s).row(ld, harmonic_values).ok()) return false;
  ld.OPTION = NEAREST_INT(option);
  // Option 1: the lever arms are given from a reference point, the height
  // downwards; any other, from the centre of gravity.
  const bool from_reference_point = ld.OPTION == 1;
  if (from_reference_point && !section::numbers(s, ld.p, ld.q, ld.r)) return false;
  if (from_reference_point && !section::ValueCheck(s).row(ld, reference_point_values).ok()) return false;
  real ex = ld.ex, ey = ld.ey, ez = ld.ez;
  if (from_reference_point) {
    ex = ld.ex - (ld.p - f.xc);
    ey = ld.ey - (ld.q - f.yc);
    ez = f.hc + ld.r - ld.ez;
  }
  ld.LINES = frequency_lines(ld.FREQ_MAX, ld.FREQ_MIN, ld.FREQ_STEP);
  if (!lines_fit(s, ld.LINES, MAX_HARMONIC_LINES)) return false;
  // The amplitudes moved to the centre of gravity.
  auto& R = ld.LOAD_VECTOR;
  R(1) = F(1);
  R(2) = F(2);
  R(3) = F(3);
  R(4) = F(4) - F(3) * ey + F(2) * ez;
  R(5) = F(5) - F(1) * ez + F(3) * ex;
  R(6) = F(6) - F(2) * ex + F(1) * ey;
  // Amplitudes and lever arms each within single precision may still give a
  // moment beyond it.
  static constexpr const char* component[] = {"FORCE IN X-DIRECTION", "FORCE IN Y-DIRECTION", "FORCE IN Z-DIRECTION",
                                              "MOMENT ABOUT X-AXIS",  "MOMENT ABOUT Y-AXIS",  "MOMENT ABOUT Z-AXIS"};
  bool finite = true;
  for (int i = 1; i <= 6; ++i) {
    if (std::isfinite(R(i))) continue;
    write(s, out(s), "(/,/,1X,'ERROR - ',A,' AT THE CENTRE OF GRAVITY IS NOT A FINITE NUMBER')", component[i - 1]);
    finite = false;
  }
  if (!finite) return false;
  if (!echo(s)) return true;
  // Circular frequencies are shown in Hz.
  const real hz = 0.5f / deck_pi;
  const real fmax = ld.FREQ_MAX * hz, fmin = ld.FREQ_MIN * hz, fstep = ld.FREQ_STEP * hz;
  const auto& lab = s.report.LABELS;
  if (s.switches.HARMONIC_FORM == HarmonicForm::non_quadratic) {
    write(s, out(s),
          "(/,/,1X,'HARMONIC LOAD, NON QUADRATIC',/,1X,28('*'),/,/,"
          "1X,'MAXIMUM FREQUENCY ..............',1PE10.3,1X,'Hz',/,"
          "1X,'MINIMUM FREQUENCY ..............',1PE10.3,1X,'Hz',/,"
          "1X,'STEP FREQUENCY .................',1PE10.3,1X,'Hz',/,"
          "1X,'FORCE IN X-DIRECTION  ..........',1PE10.3,1X,A3,/,"
          "1X,'FORCE IN Y-DIRECTION  ..........',1PE10.3,1X,A3,/,"
          "1X,'FORCE IN Z-DIRECTION  ..........',1PE10.3,1X,A3,/,"
          "1X,'MOMENT ABOUT X-AXIS  ...........',1PE10.3,1X,A5,/,"
          "1X,'MOMENT ABOUT Y-AXIS  ...........',1PE10.3,1X,A5,/,"
          "1X,'MOMENT ABOUT Z-AXIS  ...........',1PE10.3,1X,A5)",
          fmax, fmin, fstep, R(1), lab.force, R(2), lab.force, R(3), lab.force, R(4), lab.moment, R(5), lab.moment,
          R(6), lab.moment);
  } else {
    write(s, out(s),
          "(/,/,1X,'HARMONIC LOAD, QUADRATIC',/,1X,24('*'),/,/,"
          "1X,'MAXIMUM FREQUENCY ..............',1PE10.3,1X,'Hz',/,"
          "1X,'MINIMUM FREQUENCY ..............',1PE10.3,1X,'Hz',/,"
          "1X,'STEP FREQUENCY .................',1PE10.3,1X,'Hz',/,"
          "1X,'FORCE COEFF. IN X-DIRECTION  ...',1PE10.3,/,"
          "1X,'FORCE COEFF. IN Y-DIRECTION  ...',1PE10.3,/,"
          "1X,'FORCE COEFF. IN Z-DIRECTION  ...',1PE10.3,/,"
          "1X,'MOMENT COEFF. ABOUT X-AXIS  ....',1PE10.3,/,"
          "1X,'MOMENT COEFF. ABOUT Y-AXIS  ....',1PE10.3,/,"
          "1X,'MOMENT COEFF. ABOUT Z-AXIS  ....',1PE10.3)",
          fmax, fmin, fstep, R(1), R(2), R(3), R(4), R(5), R(6));
  }
  return true;
}

// The number of points of a load, a whole number from 1 to `limit`; false when
// it is not (reported when above the limit).
bool read_points(EngineState& s, int limit, int& n) {
  switch (section::count(s, 1, limit, n)) {
    case section::Count::ok: return true;
    case section::Count::no_number:
    case section::Count::bad: return false;
    case section::Count::over: break;
  }
  write(s, out(s), "(/,/,1X,'ERROR - NUMBER OF POINTS EXCEEDS ',I4)", limit);
  return false;
}

bool read_transient(EngineState& s) {
  auto& ld = s.load;
  real& interval = ld.TIME_INTERVAL;
  int n = 0, loads = 0;
  if (!read_points(s, MAX_TRANSIENT_POINTS, n)) return false;
  if (!section::number(s, interval) || section::count(s, 0, max_loads, loads) != section::Count::ok) {
    return false;
  }
  if (!section::ValueCheck(s).row(ld, transient_values).ok()) return false;
  if (!std::isfinite(static_cast<real>(n) * interval)) {
    // The times of the response table run to n times the interval.
    write(s, out(s), "(/,/,1X,'ERROR - ',I4,' POINTS OF A TIME INTERVAL OF ',1PE10.3,' ARE NOT A FINITE TIME')", n,
          interval);
    return false;
  }
  // Its frequency lines run to pi over the interval, as the analysis forms them.
  if (!std::isfinite(two_pi * static_cast<real>(n / 2) / (static_cast<real>(n) * interval))) {
    write(s, out(s), "(/,/,1X,'ERROR - A TIME INTERVAL OF ',1PE10.3,' GIVES NO FINITE FREQUENCY')", interval);
    return false;
  }
  ld.POINTS = n;
  ld.LINES = n / 2 + 1;
  ld.TRANSIENT = {};
  if (echo(s)) {
    write(s, out(s),
          "(/,/,1X,'TRANSIENT LOAD',/,1X,14('*'),/,/,"
          "1X,'NUMBER OF POINTS  ..............  ',I4,/,"
          "1X,'TIME INTERVAL BETWEEN POINTS  ..',F7.3,/,"
          "1X,'NUMBER OF LOADS  ...............',I3)",
          n, interval, loads);
  }
  static constexpr const char* load_name[] = {
      "LOAD TYPE CODE - 1 (FORCE IN X-DIRECTION)",  "LOAD TYPE CODE - 2 (FORCE IN Y-DIRECTION)",
      "LOAD TYPE CODE - 3 (FORCE IN Z-DIRECTION)",  "LOAD TYPE CODE - 4 (ROTATION ABOUT X-AXIS)",
      "LOAD TYPE CODE - 5 (ROTATION ABOUT Y-AXIS)", "LOAD TYPE CODE - 6 (ROTATION ABOUT Z-AXIS)"};
  std::array<real, MAX_TRANSIENT_POINTS> samples{};
  std::array<cplx, MAX_TRANSIENT_POINTS> A{};
  FftWork work;
  for (int l = 1; l <= loads; ++l) {
    int code = 0;
    if (!read_code(s, code,
                   "(/,1X,'ERROR - LOAD TYPE INDICATOR ( ',I3,' ) CANNOT BE ',/,9X,"
                   "'LESS THAN 1 OR EXCEED A VALUE OF 6')")) {
      return false;
    }
    for (int j = 0; j < n; ++j) {
      if (!section::number(s, samples[static_cast<std::size_t>(j)])) return false;
      A[static_cast<std::size_t>(j)] = cplx(samples[static_cast<std::size_t>(j)], 0.0f);
    }
    // To frequencies at once: line L takes the conjugate of transform value L,
    // divided by the number of points.
    FFT_MIXED_RADIX(A.data(), n, work.iwk, work.wk);
    for (int L = 1; L <= n; ++L) {
      ld.TRANSIENT(L)[static_cast<std::size_t>(code - 1)] =
          std::conj(A[static_cast<std::size_t>(L - 1)]) / static_cast<real>(n);
    }
    if (echo(s)) {
      write(s, out(s), "(/,1X,A,/,1X,'LOAD AMPLITUDES  ',A)", load_name[code - 1],
            code <= 3 ? s.report.LABELS.force : s.report.LABELS.moment);
      for (int j = 0; j < n; ++j) write(s, out(s), "(3X,1PE10.3)", samples[static_cast<std::size_t>(j)]);
    }
  }
  ld.POINTS_REAL = static_cast<real>(n);
  ld.HALF_POINTS = static_cast<real>(n) * 0.5f + 2.0f;
  return true;
}

bool read_random(EngineState& s) {
  auto& ld = s.load;
  real &max = ld.FREQ_MAX, &min = ld.FREQ_MIN;
  int points = 0, spectra = 0;
  if (!section::numbers(s, max, min) || !read_points(s, MAX_RANDOM_LINES, points)) return false;
  if (!section::number(s, ld.DURATION) || section::count(s, 0, max_loads, spectra) != section::Count::ok) {
    return false;
  }
  section::ValueCheck check(s);
  if (!check.row(ld, random_values).ok()) return false;
  if (min > max) {
    write(s, out(s), "(/,/,1X,'ERROR - MINIMUM FREQUENCY (',1PE10.3,') EXCEEDS THE MAXIMUM FREQUENCY (',1PE10.3,')')",
          min, max);
    return false;
  }
  ld.FREQ_STEP = (max - min) / static_cast<real>(points == 1 ? 1 : points - 1);
  ld.POINTS = points;
  ld.LINES = frequency_lines(ld.FREQ_MAX, ld.FREQ_MIN, ld.FREQ_STEP);
  if (!lines_fit(s, ld.LINES, MAX_RANDOM_LINES)) return false;
  ld.SPECTRA = {};
  // The random frequencies are shown as the deck gives them, over 62.8.
  const real shown = 0.5f / 31.4f;
  if (echo(s)) {
    write(s, out(s),
          "(/,/,1X,'RANDOM LOAD',/,1X,11('*'),/,/,"
          "1X,'MAXIMUM FREQUENCY (Hz)  ........',F7.3,/,"
          "1X,'MINIMUM FREQUENCY (Hz) .........',F7.3,/,"
          "1X,'NUMBER OF POINTS  ..............',I4,/,"
          "1X,'NUMBER OF SPECTRA  .............',I4)",
          max * shown, min * shown, points, spectra);
  }
  constexpr std::string_view location_message =
      "(/,1X,'ERROR - LOCATION OF SPECTRA ( ',I3,' ) CANNOT BE ',/,9X,'LESS THAN 1 OR EXCEED A VALUE OF 6')";
  for (int sp = 1; sp <= spectra; ++sp) {
    int j = 0, k = 0;
    if (!read_code(s, j, location_message) || !read_code(s, k, location_message)) return false;
    for (int L = 1; L <= points; ++L) {
      if (!section::number(s, ld.SPECTRA(L)(j, k))) return false;
    }
    // A power spectrum is not negative; a cross spectrum of two degrees of
    // freedom may be.
    if (j == k) {
      const std::string spectrum = "VALUE OF SPECTRUM " + std::to_string(sp) + " AT POINT";
      for (int L = 1; L <= points; ++L) check(ld.SPECTRA(L)(j, k), Bound::not_negative, spectrum, L);
      if (!check.ok()) return false;
    }
    if (echo(s)) {
      write(s, out(s), "(/,1X,'LOCATION OF SPECTRA  -  ',I3,2X,I3,/,1X,'LOAD AMPLITUDES  ',A3)", j, k,
            s.report.LABELS.force);
      for (int L = 1; L <= points; ++L) write(s, out(s), "(2X,E10.3)", ld.SPECTRA(L)(j, k));
    }
  }
  return true;
}

}  // namespace

void READ_LOAD(EngineState& s) {
  std::string word;
  Keyword k = section::keyword(s, word);
  const LoadKind kind = k == Keyword::TRAN   ? LoadKind::TRANSIENT
                        : k == Keyword::RAND ? LoadKind::RANDOM
                        : k == Keyword::HARM ? LoadKind::HARMONIC
                                             : LoadKind::none;
  if (kind == LoadKind::none) {
    write(s, out(s), "(/,/,' INVALID OR UNRECOGNIZED KEYWORD - ',A4,' FOR LOAD    TYPE')", word);
    section::reject_word(s, k);
    return;
  }
  s.input.set_load_kind(kind);
  k = section::keyword(s, word);
  if (k != Keyword::CONS) {
    write(s, out(s), "(/,/,' ''CONSTANT'' KEYWORD MISSING FOR LOAD DESCRIPTION')");
    section::reject_word(s, k);
    return;
  }
  READ_LOAD_DATA(s);
}

void READ_LOAD_DATA(EngineState& s) {
  const LoadKind kind = s.input.load_kind();
  const bool ok = kind == LoadKind::HARMONIC    ? read_harmonic(s)
                  : kind == LoadKind::TRANSIENT ? read_transient(s)
                                                : read_random(s);
  if (!ok) load_error(s);
}

}  // namespace zav
