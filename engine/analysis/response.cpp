// The footing's response: at every frequency line the dynamic matrix solved
// for the load, and after the loop the response tables of the load kind.
#include <algorithm>
#include <cmath>

#include "analysis/driver.h"
#include "common/constants.h"
#include "kernels/fft.h"
#include "kernels/simpson.h"
#include "kernels/solvers.h"

namespace zav::analysis {
namespace {

bool finite(const cplx* x, int n) {
  return std::all_of(x, x + n, [](const cplx& v) { return std::isfinite(v.real()) && std::isfinite(v.imag()); });
}

// B := B - omega^2 M, with the mass matrix of the footing at its centre of
// gravity (the cross products of inertia enter with the opposite sign).
void subtract_inertia(Cmat6& B, const MassConstants& m, real omega) {
  const real w2 = omega * omega;
  B(1, 1) = cplx(B(1, 1).real() - w2 * m.m, B(1, 1).imag());
  B(2, 2) = cplx(B(2, 2).real() - w2 * m.m, B(2, 2).imag());
  B(3, 3) = cplx(B(3, 3).real() - w2 * m.m, B(3, 3).imag());
  B(4, 4) = cplx(B(4, 4).real() - w2 * m.Ix, B(4, 4).imag());
  B(5, 5) = cplx(B(5, 5).real() - w2 * m.Iy, B(5, 5).imag());
  B(6, 6) = cplx(B(6, 6).real() - w2 * m.Iz, B(6, 6).imag());
  B(4, 5) = B(4, 5) + w2 * m.Ixy;
  B(5, 4) = B(5, 4) + w2 * m.Ixy;
  B(4, 6) = B(4, 6) + w2 * m.Ixz;
  B(6, 4) = B(6, 4) + w2 * m.Ixz;
  B(5, 6) = B(5, 6) + w2 * m.Iyz;
  B(6, 5) = B(6, 5) + w2 * m.Iyz;
}

}  // namespace

bool line_response(EngineState& s, int L, real omega) {
  AnalysisWork& w = *s.analysis;
  LineResult& r = w.RESULTS(L);
  subtract_inertia(w.B, s.mass, omega);
  const LoadKind kind = load_kind(s);
  const int rhs = kind == LoadKind::RANDOM ? 6 : 1;
  std::fill(std::begin(w.X), std::end(w.X), cplx(0.0f));
  if (kind == LoadKind::HARMONIC) {
    const real factor = s.switches.HARMONIC_FORM == HarmonicForm::quadratic ? omega * omega : 1.0f;
    for (int i = 1; i <= 6; ++i) w.X[i - 1] = cplx(s.load.LOAD_VECTOR(i) * factor, 0.0f);
  } else if (kind == LoadKind::TRANSIENT) {
    std::copy(s.load.TRANSIENT(L).begin(), s.load.TRANSIENT(L).end(), w.X);
  } else {
    for (int j = 0; j < 6; ++j) w.X[j + 6 * j] = 1.0f;
  }
  const MessageSink report = [&s, omega](std::string_view message) { write_line_failure(s, omega, message); };
  // An improvement that did not settle still gives the best solution there is.
  bool solved = LEQ2C(w.B.a, 6, 6, w.X, rhs, 6, 0, w.WA, w.WK, report) != SolveStatus::singular;
  if (solved && !finite(w.X, 6 * rhs)) {
    write_line_failure(s, omega, "*** THE RESPONSE OF THE FOOTING IS NOT A FINITE NUMBER ***");
    solved = false;
  }
  // A line without a response adds nothing to a time history or a spectrum.
  if (!solved) std::fill(std::begin(w.X), std::end(w.X), cplx(0.0f));

  if (kind == LoadKind::HARMONIC) {
    for (int i = 1; i <= 6; ++i) r.RESPONSE(i) = std::abs(w.X[i - 1]);
  } else if (kind == LoadKind::TRANSIENT) {
    std::copy(w.X, w.X + 6, w.TIME_RESPONSE(L).begin());
  } else {
    // S_i = sum over j, k of Re(H(i, j) conj(H(i, k)) S(j, k)), H = B^-1.
    const Real6& S = s.load.SPECTRA(L);
    const Mat<const cplx> H{w.X, 6};
    for (int i = 1; i <= 6; ++i) {
      real Si = 0.0f;
      for (int j = 1; j <= 6; ++j) {
        for (int k = 1; k <= 6; ++k) {
          if (S(j, k) != 0.0f) Si = Si + (H(i, j) * std::conj(H(i, k)) * S(j, k)).real();
        }
      }
      r.RESPONSE(i) = Si;
    }
    if (!std::all_of(&r.RESPONSE(1), &r.RESPONSE(1) + 6, [](real v) { return std::isfinite(v); })) {
      write_line_failure(s, omega, "*** THE RESPONSE SPECTRUM OF THE FOOTING IS NOT A FINITE NUMBER ***");
      for (int i = 1; i <= 6; ++i) r.RESPONSE(i) = 0.0f;
      solved = false;
    }
  }
  return solved;
}

void harmonic_response(EngineState& s) {
  const AnalysisWork& w = *s.analysis;
  results_page(s);
  write_harmonic_heading(s);
  for (int L = 1; L <= w.LINES; ++L) {
    const LineResult& r = w.RESULTS(L);
    if (!r.computed) continue;
    write_harmonic_row(s, w.FREQUENCIES(L), r.RESPONSE);
    write_plot_response(s, w.FREQUENCIES(L), r.RESPONSE);
  }
}

bool transient_response(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  auto& Y = w.TIME_RESPONSE;
  const int n = s.load.POINTS;
  const int N = w.LINES;
  // The lines above n/2 + 1 are the conjugates of those below: the response
  // of a real load is real. For an even n the last computed line is the
  // Nyquist line, real as line 1 is; for an odd n every line from n/2 + 2
  // on mirrors one below it.
  for (int L = n / 2 + 2; L <= n; ++L) {
    for (int d = 0; d < 6; ++d) Y(L)[d] = std::conj(Y(n + 2 - L)[d]);
  }
  for (int d = 0; d < 6; ++d) {
    Y(1)[d] = cplx(Y(1)[d].real(), 0.0f);
    if (n % 2 == 0) Y(N)[d] = cplx(Y(N)[d].real(), 0.0f);
  }
  // Back to time: the loads were stored as transforms divided by n, so the
  // unscaled transform gives the time history.
  for (int d = 0; d < 6; ++d) {
    for (int L = 1; L <= n; ++L) w.SERIES[L - 1] = Y(L)[d];
    FFT_MIXED_RADIX(w.SERIES.data(), n, w.fft.iwk, w.fft.wk);
    for (int L = 1; L <= n; ++L) Y(L)[d] = w.SERIES[L - 1];
  }
  results_page(s);
  write_transient_heading(s);
  // Responses each within single precision may still sum beyond it.
  bool finite = true;
  for (int L = 1; L <= n; ++L) {
    for (int d = 0; d < 6; ++d) finite = finite && std::isfinite(Y(L)[d].real());
  }
  if (!finite) {
    write_time_history_failure(s);
    return false;
  }
  for (int L = 1; L <= n; ++L) {
    Array1<real, 6> u;
    for (int d = 1; d <= 6; ++d) u(d) = Y(L)[d - 1].real();
    write_transient_row(s, static_cast<real>(L) * s.load.TIME_INTERVAL, u);
  }
  return true;
}

void random_response(EngineState& s) {
  AnalysisWork& w = *s.analysis;
  const int N = w.LINES;
  const real h = w.STEP;
  results_page(s);
  write_peak_factor_heading(s);
  for (int d = 1; d <= 6; ++d) {
    // Spectral moments of order 0 and 2 over the frequency lines.
    for (int L = 1; L <= N; ++L) w.SAMPLES(L) = w.RESULTS(L).RESPONSE(d);
    real m0 = 0.0f, m2 = 0.0f;
    SIMPSON(&w.SAMPLES(1), N, h, m0);
    for (int L = 1; L <= N; ++L) {
      const real f = w.FREQUENCIES(L);
      w.SAMPLES(L) = f * f * w.RESULTS(L).RESPONSE(d);
    }
    SIMPSON(&w.SAMPLES(1), N, h, m2);
    // The mean frequency of the response and the expected largest peak over
    // the duration (Davenport's peak factor of a Gaussian process); with
    // fewer than one expected crossing in the duration,
    // or no response, there is no peak factor.
    // Moments beyond single precision give no mean frequency either.
    real peak_factor = 0.0f;
    if (m0 > 0.0f && m2 > 0.0f && std::isfinite(m0) && std::isfinite(m2)) {
      const real fm = std::sqrt(m2 / m0) / two_pi;
      const real crossings = s.load.DURATION * fm;
      if (std::isfinite(fm) && fm != 0.0f && crossings > 1.0f) {
        // A duration so long that the crossings pass single precision still
        // has their logarithm.
        const real ln_crossings =
            std::isfinite(crossings) ? std::log(crossings) : std::log(s.load.DURATION) + std::log(fm);
        const real root = std::sqrt(2.0f * ln_crossings);
        peak_factor = root + euler_gamma_four_places / root;
      }
    }
    const real maximum = peak_factor != 0.0f ? std::sqrt(m0) * peak_factor : 0.0f;
    write_peak_factor_row(s, d, peak_factor, maximum);
  }
  write_spectrum_curve(s, 1);
  write_spectrum_curve(s, 5);
}

}  // namespace zav::analysis
