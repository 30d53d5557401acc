// What the parts of the analysis share: the impedance of the foundation at one
// frequency line, the response of the footing, and the report tables and plot
// records that the driver writes.
#pragma once

#include <algorithm>
#include <array>
#include <string_view>

#include "analysis/work.h"
#include "common/constants.h"

namespace zav::analysis {

inline FoundationType foundation_type(const EngineState& s) { return s.input.foundation_type(); }
inline LoadKind load_kind(const EngineState& s) { return s.input.load_kind(); }

// Hz as the report prints them from a circular frequency, with the deck's pi
// (common/constants.h), so that the hertz entered come back as entered.
inline real hertz(real omega) { return omega * 0.5f / deck_pi; }

// The lines of the first pass whose results were formed (analysis.cpp).
int computed_lines(const EngineState& s);

// --- Impedance (impedance.cpp) ---

// B := the impedance of the foundation at the centre of gravity at omega,
// line L, in the given pass (the side layers enter only in pass 1; a pile
// group's impedance in pass 2 is the one pass 1 formed). K, A and T are the
// line's work. False when it could not be formed; the reason is reported.
bool foundation_impedance(EngineState& s, int L, real omega, int pass);

// Piles and multilayer columns (piles.cpp): the single-pile input, the
// group's context and its interaction tables, once per run before the loop
// (false, reported, when the piles admit no interaction); and at a line K, the head
// impedance of one pile, and B, the group's impedance at the centre of
// gravity or the column's moved there (false, reported, when the group
// impedance cannot be formed).
bool prepare_piles(EngineState& s);
bool pile_impedance(EngineState& s, real omega);

// The transfer matrix from the base to the centre of gravity.
void transfer_matrix(const Foundation& f, Real6& T);

// --- Passivity (passivity.cpp) ---

// What the passivity check found on a line: which of its diagonal constants,
// 1 to 6 for XX, YY, WW, PPX, PPY, ZT, as the report gives them, no passive
// foundation has (a negative damping constant; a negative stiffness near
// zero frequency), their values and the line's dimensionless frequency.
struct Passivity {
  std::array<bool, 6> stiffness{}, damping{};
  std::array<real, 6> K{}, C{};
  real a0 = 0.0f;
  bool any() const {
    return std::find(stiffness.begin(), stiffness.end(), true) != stiffness.end() ||
           std::find(damping.begin(), damping.end(), true) != damping.end();
  }
};

// Once per run before the loop: the length and the velocity of a line's
// dimensionless frequency.
void prepare_passivity_check(EngineState& s);
// The check of a line's constants at omega, as the report gives them (the
// rocking damping constants as absolute values).
Passivity passivity_of(const EngineState& s, real omega, const Array1<real, 8>& K, const Array1<real, 8>& C);

// --- Response (response.cpp) ---

// The dynamic matrix of the line from B and the mass, and the footing's
// response to the load at line L; false (reported) when the matrix is singular.
bool line_response(EngineState& s, int L, real omega);

// After both passes: the response tables of the load kind.
void harmonic_response(EngineState& s);
// False (reported) when the time history is beyond single precision: the run
// has no result.
bool transient_response(EngineState& s);
void random_response(EngineState& s);

// --- Report tables and plot data (report.cpp) ---

// A new page of results.
void results_page(EngineState& s);
// The stiffness and damping constants of a line of the first pass.
void write_constants(EngineState& s, real omega, const LineResult& r);
// The block at the start of the second pass, and its constants of a line.
void write_special_block(EngineState& s);
void write_special_constants(EngineState& s, real omega, const Array1<real, 8>& K, const Array1<real, 8>& C);
// The warnings of a line whose constants no passive foundation has, one a
// constant; without MATRIX, where no constants table is printed, under a line
// that names the line's frequency. The line is counted for the report's end.
void write_passivity_warnings(EngineState& s, int L, real omega, const Passivity& p);
// The report's last record when lines were warned: how many of the run's.
void write_passivity_summary(EngineState& s);
// A line whose results are left out: the reason, then its frequency. The
// reasons of the first pass are kept for the message of a run without result.
void write_line_failure(EngineState& s, real omega, std::string_view reason);
// A run in which no line could be formed: why, where every line failed for
// one reason, and that no analysis is reported.
void write_no_result_message(EngineState& s);
// A transient response whose time history passes single precision: the
// reason its time steps are left out, and that the run has no result.
void write_time_history_failure(EngineState& s);
// The analysis's refusals as it starts: a gravitational constant of 0 or
// less, a half-space without shear-wave velocity.
void write_inadmissible_gravity(EngineState& s, real g);
void write_inadmissible_half_space_velocity(EngineState& s, real Vs);
// A group with interaction whose first pile element has no radius, and two
// piles (by their numbers) whose axes lie closer than a pile diameter.
void write_no_pile_radius_message(EngineState& s);
void write_close_piles_message(EngineState& s, int pile, int other, real spacing, real diameter);

// The plot data up to the response records: the count of the lines that were
// computed and, with MATR, their impedance records.
void write_plot_impedances(EngineState& s);
// One response record of the plot data.
void write_plot_response(EngineState& s, real omega, const Array1<real, 6>& amplitudes);

// The response tables: headings and rows.
void write_harmonic_heading(EngineState& s);
void write_harmonic_row(EngineState& s, real omega, const Array1<real, 6>& amplitudes);
void write_transient_heading(EngineState& s);
void write_transient_row(EngineState& s, real time, const Array1<real, 6>& displacements);
void write_peak_factor_heading(EngineState& s);
void write_peak_factor_row(EngineState& s, int dof, real peak_factor, real maximum);
// The response spectrum curve of degree of freedom 1 (translation x) or 5
// (rotation about y), over the lines that were computed.
void write_spectrum_curve(EngineState& s, int dof);

}  // namespace zav::analysis
