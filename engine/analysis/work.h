// Work data of the analysis: what it derives from the model read from the deck
// (which it leaves as read), the matrices of the current line, the results of
// every line and the work of the kernels it calls. RUN_ANALYSIS creates it
// afresh for every run, before the frequency loop.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "common/state.h"
#include "kernels/fft.h"
#include "kernels/group_impedance.h"
#include "kernels/pile_impedance.h"

namespace zav {

// What one frequency line delivers to the plot data and the response tables.
struct LineResult {
  Array1<real, 8> K;         // KXX, KYY, KWW, KPPX, KPPY, KZT, KXP, KYP
  Array1<real, 8> C;         // CXX, CYY, CWW, CPPX, CPPY, CZT, CXP, CYP
  Array1<real, 6> RESPONSE;  // harmonic moduli, or random response spectra
  bool computed = false;     // false when the line's impedance or response failed
  bool warned = false;       // its constants, of either pass, no passive foundation has
};

// Work data of the analysis, sized by the limits of a run; nothing of it is
// allocated once the frequency loop has started.
struct AnalysisWork {
  int LINES = 0;       // N, the frequency lines
  real STEP = 0.0f;    // harmonic and random step, 0 taken as 1
  int SIDE_COUNT = 0;  // ns, the side layers of an embedded footing or cap
  // The lines left out of the results, and the reason of the first; whether
  // every one was left out for that reason.
  int FAILURES = 0;
  std::string FIRST_FAILURE;
  bool ONE_FAILURE = true;
  // The weakened zones of the side layers as thicknesses: the deck gives
  // them as ratios to R0.
  Array1<real, MAX_LAYERS> SIDE_WEAK_THICKNESS;
  // The radius the embedment ratio of the special constants is taken over:
  // R0, or where it is 0 the radius of a circle or the mean rocking radius
  // of a rectangle.
  real EMBEDMENT_RADIUS = 0.0f;
  // The passivity check's dimensionless frequency of a line is omega times
  // the foundation's half-extent in plan over the slowest soil that bears it.
  real HALF_EXTENT = 0.0f;
  real SLOWEST_VS = 0.0f;
  // False for piles or a column standing free along a layer: no line of
  // theirs is taken as near zero frequency.
  bool STIFFNESS_CHECKED = true;
  real omega1 = 0.0f;  // shear and compression frequencies of the stratum
  real omegac = 0.0f;  // over the soil below (PILE, MULT)
  // K at the base, B at the centre of gravity (then the dynamic matrix), A a
  // scratch matrix, T the transfer from the base to the centre of gravity.
  Cmat6 K, A, B;
  Real6 T;
  // The frequency list, formed once before the loop: the circular frequency
  // of every line, which both passes compute at and every table and record
  // of the line prints. Harmonic and random lines run from the minimum by
  // the step, each the last plus the step, 0.0001 where it lies at or below 0.
  Array1<real, MAX_LINES> FREQUENCIES;
  Array1<LineResult, MAX_LINES> RESULTS;
  // Response solve: right-hand sides (the identity for a random load), the
  // solver's work.
  cplx X[36] = {};
  cplx WA[6 * 8] = {};
  real WK[6] = {};
  // Transient: per line L and degree of freedom the response to the load of
  // the line, then the time history at time step L; the series of one degree
  // of freedom being transformed.
  Array1<std::array<cplx, 6>, MAX_TRANSIENT_POINTS> TIME_RESPONSE;
  std::array<cplx, MAX_TRANSIENT_POINTS> SERIES{};
  // Integrands of the spectral moments of a random response.
  FftWork fft;
  Array1<real, MAX_LINES> SAMPLES;

  // Piles and multilayer columns, set once per run: the single-pile input,
  // the radius and second-moment tables of its three calls and their head
  // terms at the current line.
  PileImpedanceInput PILE;
  PileTable MEAN_RADIUS, RADIUS_X, RADIUS_Y, INERTIA_X, INERTIA_Y;
  Array1<PileHeadTerms, 3> HEAD_TERMS;
  // The piles the analysis works with: the deck's for a pile group, one for
  // a multilayer column.
  int PILE_COUNT = 0;
  // Pile groups: the pile positions, the interaction tables, the work of the
  // group solve and what it reads, allocated before the loop of a PILE run.
  std::array<real, MAX_PILES> PILE_X{}, PILE_Y{};
  std::unique_ptr<GroupInteraction> PAIRS;
  std::unique_ptr<GroupImpedanceWork> GROUP_WORK;
  std::unique_ptr<GroupImpedanceContext> GROUP;
  // With MATR, every line's group impedance at the centre of gravity from
  // the first pass, before the cap's side soil: the second pass differs only
  // in leaving that soil out and takes it from here.
  Array1<Cmat6, MAX_LINES> GROUP_B;
};

}  // namespace zav
