// The analysis driver: the checks of the key inputs, the frequency lines, the
// two passes of the frequency loop (impedance, constants, response; then the
// special constants of the embedded foundation) and the response tables.
#include "analysis/analysis.h"

#include <cassert>
#include <cmath>

#include "analysis/driver.h"
#include "common/constants.h"
#include "input/input.h"

namespace zav {
namespace {

using namespace analysis;

// The side layers that take part (those of the half-space or of an embedded
// pile cap), and their weakened zones as thicknesses.
void prepare_side_layers(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const FoundationType type = foundation_type(s);
  const Switches& sw = s.switches;
  const Soil& soil = s.soil;
  const int ns = type != FoundationType::HALF && sw.EMBEDMENT == 0 ? 0 : soil.SIDE_COUNT;
  w.SIDE_COUNT = ns;
  const bool weak = sw.SIDE_CAP == 1 || (type == FoundationType::HALF && sw.WEAK_ZONE == 1);
  const bool of_radius = (type == FoundationType::PILE || type == FoundationType::HALF) && weak;
  for (int j = 1; j <= ns; ++j) {
    const real ratio = soil.SIDE_LAYERS(j).weak_thickness;
    w.SIDE_WEAK_THICKNESS(j) = of_radius ? ratio * s.foundation.R0 : ratio;
  }
}

// The radius of the embedment ratio.
void prepare_embedment_radius(EngineState& s) {
  const Foundation& f = s.foundation;
  real& R = s.analysis->EMBEDMENT_RADIUS;
  R = f.R0;
  if (R == 0.0f) R = s.input.circular() ? f.R : (f.STRATUM_RADII(3) + f.STRATUM_RADII(4)) * 0.5f;
}

// N, the step of a harmonic or random load (0 taken as 1) and the frequency
// list. Transient lines lie at the multiples of 2 pi over the duration of the
// series, the first at 0.01 rad/s in place of 0; harmonic and random lines
// are carried from line to line, so that the list is the one the analysis has
// always computed at.
void frequency_lines(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const Load& ld = s.load;
  if (load_kind(s) == LoadKind::TRANSIENT) {
    w.LINES = NEAREST_INT(static_cast<real>(ld.POINTS)) / 2 + 1;
  } else {
    w.STEP = ld.FREQ_STEP == 0.0f ? 1.0f : ld.FREQ_STEP;
    w.LINES = NEAREST_INT((ld.FREQ_MAX - ld.FREQ_MIN) / w.STEP + 1.0f);
  }
  // The load reader keeps the lines within the tables.
  assert(w.LINES >= 1 && w.LINES <= MAX_LINES);
  real running = ld.FREQ_MIN - w.STEP;
  for (int L = 1; L <= w.LINES; ++L) {
    if (load_kind(s) == LoadKind::TRANSIENT) {
      w.FREQUENCIES(L) = L == 1 ? 0.01f : two_pi * static_cast<real>(L - 1) / (ld.POINTS_REAL * ld.TIME_INTERVAL);
    } else {
      running = running + w.STEP;
      w.FREQUENCIES(L) = running > 0.0f ? running : 0.0001f;
    }
  }
}

// The damping of the impedance is reduced by a fixed factor: the whole
// imaginary part, material and radiation damping alike, of the direct terms
// and of the two cross terms that give the constants (not of their mirror
// terms), before the constants and the response are taken from them.
void reduce_damping(Cmat6& B) {
  constexpr real reduction = 0.7f;
  for (int i = 1; i <= 6; ++i) B(i, i) = cplx(B(i, i).real(), B(i, i).imag() * reduction);
  B(2, 4) = cplx(B(2, 4).real(), B(2, 4).imag() * reduction);
  B(5, 1) = cplx(B(5, 1).real(), B(5, 1).imag() * reduction);
}

// Stiffness constants, the real parts, and damping constants, the imaginary
// parts over omega, of the direct and cross terms.
void line_constants(const Cmat6& B, real omega, Array1<real, 8>& K, Array1<real, 8>& C) {
  static constexpr int term[8][2] = {{1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}, {2, 4}, {5, 1}};
  for (int k = 1; k <= 8; ++k) {
    const cplx& b = B(term[k - 1][0], term[k - 1][1]);
    K(k) = b.real();
    C(k) = b.imag() / omega;
  }
  C(4) = std::fabs(C(4));
  C(5) = std::fabs(C(5));
}

// The horizontal and rocking constants of the surface values concentrated
// with the embedment of the foundation (its depth over its radius).
void special_constants(EngineState& s, Array1<real, 8>& K, Array1<real, 8>& C) {
  const Foundation& f = s.foundation;
  const FoundationType type = foundation_type(s);
  real D = 0.0f;
  if (type == FoundationType::STRA) {
    D = f.E;
  } else {
    for (int j = 1; j <= s.analysis->SIDE_COUNT; ++j) D = D + s.soil.SIDE_LAYERS(j).thickness;
  }
  // A foundation without a radius has no embedment ratio: the surface values stand.
  const real R0 = s.analysis->EMBEDMENT_RADIUS;
  const real e = R0 > 0.0f ? D / R0 : 0.0f;
  const real nu = type == FoundationType::STRA ? s.soil.STRATUM.nu : s.soil.BELOW.nu;
  const real fh = 1.0f + 0.55f * (2.0f - nu) * e;
  const real fr = (1.0f + 1.9f * (2.0f - nu) * e) / std::sqrt(fh);
  const real ch = 1.0f + 1.2f * (1.0f - nu) * e + 0.2f * (2.0f - nu) * e * e * e;
  const real cr = (1.0f + 0.7f * (1.0f - nu) * e + 0.6f * (2.0f - nu) * e * e * e) / std::sqrt(fh);
  K(1) = K(1) * fh;
  K(2) = K(2) * fh;
  K(4) = K(4) * fr;
  K(5) = K(5) * fr;
  C(1) = C(1) * ch;
  C(2) = C(2) * ch;
  C(4) = std::fabs(C(4) * cr);
  C(5) = std::fabs(C(5) * cr);
}

bool finite(const Array1<real, 8>& K, const Array1<real, 8>& C) {
  for (int k = 1; k <= 8; ++k) {
    if (!std::isfinite(K(k)) || !std::isfinite(C(k))) return false;
  }
  return true;
}

// One pass over the frequency lines. Pass 1 computes and reports everything
// of a line; pass 2, with the surface values alone, reports the special
// constants. A line that failed in pass 1 is left out of pass 2.
void frequency_loop(EngineState& s, int pass) {
  AnalysisWork& w = *s.analysis;
  const bool matrix = s.switches.MATRIX_PRINT_FLAG == 1;
  for (int L = 1; L <= w.LINES; ++L) {
    const real omega = w.FREQUENCIES(L);
    LineResult& r = w.RESULTS(L);
    if (matrix && L == 1) results_page(s);
    if (pass == 2 && !r.computed) continue;
    if (!foundation_impedance(s, L, omega, pass)) {
      r.computed = false;
      continue;
    }
    reduce_damping(w.B);
    // Constants beyond single precision (a damping over the lowest frequency,
    // an embedment over a vanishing radius) are no results. Constants no
    // passive foundation has are reported as they are, each with its warning
    // in the line's table (without MATR where the table would stand).
    if (pass == 1) {
      line_constants(w.B, omega, r.K, r.C);
      if (!finite(r.K, r.C)) {
        write_line_failure(s, omega, "*** THE CONSTANTS OF THE FOUNDATION ARE NOT A FINITE NUMBER ***");
        r.computed = false;
        continue;
      }
      if (matrix) write_constants(s, omega, r);
      const Passivity p = passivity_of(s, omega, r.K, r.C);
      if (p.any()) write_passivity_warnings(s, L, omega, p);
      r.computed = line_response(s, L, omega);
    } else {
      Array1<real, 8> K, C;
      line_constants(w.B, omega, K, C);
      special_constants(s, K, C);
      if (!finite(K, C)) {
        write_line_failure(s, omega, "*** THE SPECIAL CONSTANTS OF THE FOUNDATION ARE NOT A FINITE NUMBER ***");
        continue;
      }
      write_special_constants(s, omega, K, C);
      const Passivity p = passivity_of(s, omega, K, C);
      if (p.any()) write_passivity_warnings(s, L, omega, p);
    }
  }
}

}  // namespace

namespace analysis {

int computed_lines(const EngineState& s) {
  const AnalysisWork& w = *s.analysis;
  int n = 0;
  for (int L = 1; L <= w.LINES; ++L) n += w.RESULTS(L).computed ? 1 : 0;
  return n;
}

}  // namespace analysis

void RUN_ANALYSIS(EngineState& s) {
  // No gravity, and no soil under a footing on the half-space, admit no
  // analysis: the run has no result (the readers refuse every other value no
  // soil and no gravity can have).
  if (!(s.report.GRAVITY > 0.0f)) {
    write_inadmissible_gravity(s, s.report.GRAVITY);
    s.input.FATAL_INPUT_FLAG = 1;
    return;
  }
  s.analysis.reset(new AnalysisWork());
  const FoundationType type = foundation_type(s);
  prepare_side_layers(s);
  prepare_embedment_radius(s);
  prepare_passivity_check(s);
  frequency_lines(s);
  if ((type == FoundationType::PILE || type == FoundationType::MULT) && !prepare_piles(s)) {
    // A fault of the input that the readers could not see: no analysis.
    s.input.FATAL_INPUT_FLAG = 1;
    return;
  }
  if (type == FoundationType::HALF && !(s.soil.BELOW.Vs > 0.0f)) {
    write_inadmissible_half_space_velocity(s, s.soil.BELOW.Vs);
    s.input.FATAL_INPUT_FLAG = 1;
    return;
  }
  frequency_loop(s, 1);
  // A run in which no line could be formed has no result to report.
  if (computed_lines(s) == 0) {
    write_no_result_message(s);
    s.input.FATAL_INPUT_FLAG = 1;
    return;
  }
  write_special_block(s);
  // Without MATR the second pass reports nothing: it is not run.
  if (s.switches.MATRIX_PRINT_FLAG == 1) frequency_loop(s, 2);
  write_plot_impedances(s);
  bool result = true;
  switch (load_kind(s)) {
    case LoadKind::HARMONIC: harmonic_response(s); break;
    case LoadKind::TRANSIENT: result = transient_response(s); break;
    case LoadKind::RANDOM: random_response(s); break;
    default: assert(false && "the input check lets no run without a load kind through");
  }
  if (!result) {
    s.input.FATAL_INPUT_FLAG = 1;
    return;
  }
  write_passivity_summary(s);
}

}  // namespace zav
