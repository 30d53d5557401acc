// The result tables of the report and the records of the plot data, in the
// layouts engineers compare line by line with earlier runs.
#include <string>
#include <string_view>

#include "analysis/driver.h"
#include "input/input.h"

namespace zav::analysis {
namespace {

// The constants table of a line: the frequency, the stiffness constants and
// the damping constants; the first pass adds the cross terms to each.
constexpr std::string_view constants_head =
    "(/,/,1X,'FREQUENCY  -  ',F12.4,' Hz ','(',F12.4,' rad./sec.)',/,1X,9('*'),/,/,"
    "1X,'STIFFNESS CONSTANTS (K)',/,1X,23('*'),/,/,"
    "1X,'HORIZONTAL TRANSLATION (KXX) ..',1PE13.5,1X,A5,/,"
    "1X,'HORIZONTAL TRANSLATION (KYY) ..',1PE13.5,1X,A5,/,"
    "1X,'VERTICAL TRANSLATION (KWW)  ...',1PE13.5,1X,A5,/,"
    "1X,'ROTATION (KPPX) .............. ',1PE13.5,1X,A9,/,"
    "1X,'ROTATION (KPPY)  ..............',1PE13.5,1X,A9,/,"
    "1X,'TORSION (KZT)  ................',1PE13.5,1X,A9,/,";
constexpr std::string_view cross_stiffness =
    "1X,'CROSS-STIFFNESS (KXP)  ........',1PE13.5,1X,A6,/,"
    "1X,'CROSS-STIFFNESS (KYP) ........ ',1PE13.5,1X,A6,/,";
constexpr std::string_view damping_head =
    "/,1X,'DAMPING CONSTANTS (C)',/,1X,21('*'),/,/,"
    "1X,'HORIZONTAL TRANSLATION (CXX) ..',1PE13.5,1X,A9,/,"
    "1X,'HORIZONTAL TRANSLATION (CYY) ..',1PE13.5,1X,A9,/,"
    "1X,'VERTICAL TRANSLATION (CWW)  ...',1PE13.5,1X,A9,/,"
    "1X,'ROTATION (CPPX)  ..............',1PE13.5,1X,A13,/,"
    "1X,'ROTATION (CPPY)  ..............',1PE13.5,1X,A13,/,"
    "1X,'TORSION (CZT)  ................',1PE13.5,1X,A13";
constexpr std::string_view cross_damping =
    ",/,1X,'CROSS-STIFFNESS (CXP)  ........',1PE13.5,1X,A10,/,"
    "1X,'CROSS-STIFFNESS (CYP)  ........',1PE13.5,1X,A10";

const std::string first_pass_constants = std::string(constants_head) + std::string(cross_stiffness) +
                                         std::string(damping_head) + std::string(cross_damping) + ")";
const std::string second_pass_constants = std::string(constants_head) + std::string(damping_head) + ")";

// The end of the report of a run without result.
void write_no_result(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT, "(1X,'*** THE ANALYSIS HAS NO RESULT ***',/,1X,'***PROGRAM WILL NOT EXECUTE***')");
}

}  // namespace

void results_page(EngineState& s) { WRITE_HEADING(s, Heading::results); }

void write_constants(EngineState& s, real omega, const LineResult& r) {
  const UnitLabels& l = s.report.LABELS;
  const auto& K = r.K;
  const auto& C = r.C;
  write(s, s.run.OUTPUT_UNIT, first_pass_constants, hertz(omega), omega, K(1), l.trans_stiffness, K(2),
        l.trans_stiffness, K(3), l.trans_stiffness, K(4), l.rot_stiffness, K(5), l.rot_stiffness, K(6), l.rot_stiffness,
        K(7), l.cross_stiffness, K(8), l.cross_stiffness, C(1), l.trans_damping, C(2), l.trans_damping, C(3),
        l.trans_damping, C(4), l.rot_damping, C(5), l.rot_damping, C(6), l.rot_damping, C(7), l.cross_damping, C(8),
        l.cross_damping);
}

void write_special_block(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,/,'************** SPECIAL OUTPUT OPTION **************',/,/,"
        "' CONCENTRATED HORIZONTAL AND ROCKING STIFFNESS ',/,' WITHOUT SEPARATED COUPLING TERMS',/,"
        "' --------------------------------------','-------')");
}

void write_special_constants(EngineState& s, real omega, const Array1<real, 8>& K, const Array1<real, 8>& C) {
  const UnitLabels& l = s.report.LABELS;
  write(s, s.run.OUTPUT_UNIT, second_pass_constants, hertz(omega), omega, K(1), l.trans_stiffness, K(2),
        l.trans_stiffness, K(3), l.trans_stiffness, K(4), l.rot_stiffness, K(5), l.rot_stiffness, K(6), l.rot_stiffness,
        C(1), l.trans_damping, C(2), l.trans_damping, C(3), l.trans_damping, C(4), l.rot_damping, C(5), l.rot_damping,
        C(6), l.rot_damping);
}

void write_passivity_warnings(EngineState& s, int L, real omega, const Passivity& p) {
  static constexpr std::string_view stiffness[6] = {"KXX", "KYY", "KWW", "KPPX", "KPPY", "KZT"};
  static constexpr std::string_view damping[6] = {"CXX", "CYY", "CWW", "CPPX", "CPPY", "CZT"};
  s.analysis->RESULTS(L).warned = true;
  const int out = s.run.OUTPUT_UNIT;
  if (s.switches.MATRIX_PRINT_FLAG == 1) {
    write(s, out, "()");
  } else {
    write(s, out, "(/,1X,'*** FREQUENCY  -  ',F12.4,' Hz ','(',F12.4,' rad./sec.)',' ***')", hertz(omega), omega);
  }
  for (std::size_t k = 0; k < 6; ++k) {
    if (!p.stiffness[k]) continue;
    write(s, out,
          "(1X,'*** WARNING - ',A,' IS NEGATIVE (',1PE10.3,') AT A0 = ',0PF5.3,', NEAR ZERO FREQUENCY: ',"
          "'NO PASSIVE FOUNDATION HAS THIS; THE METHOD OR THE INPUT IS OUT OF RANGE HERE ***')",
          stiffness[k], p.K[k], p.a0);
  }
  for (std::size_t k = 0; k < 6; ++k) {
    if (!p.damping[k]) continue;
    write(s, out,
          "(1X,'*** WARNING - ',A,' IS NEGATIVE (',1PE10.3,'): ',"
          "'NO PASSIVE FOUNDATION HAS THIS; THE METHOD OR THE INPUT IS OUT OF RANGE HERE ***')",
          damping[k], p.C[k]);
  }
}

void write_passivity_summary(EngineState& s) {
  const AnalysisWork& w = *s.analysis;
  int warned = 0;
  for (int L = 1; L <= w.LINES; ++L) warned += w.RESULTS(L).warned ? 1 : 0;
  if (warned == 0) return;
  write(s, s.run.OUTPUT_UNIT,
        "(/,1X,'*** WARNING - ',I5,' OF ',I5,' FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***')", warned,
        w.LINES);
}

void write_line_failure(EngineState& s, real omega, std::string_view reason) {
  AnalysisWork& w = *s.analysis;
  if (w.FAILURES++ == 0) w.FIRST_FAILURE = reason;
  else if (reason != w.FIRST_FAILURE) w.ONE_FAILURE = false;
  write(s, s.run.OUTPUT_UNIT, "(1X,A)", reason);
  write(s, s.run.OUTPUT_UNIT,
        "(1X,'*** FREQUENCY  -  ',F12.4,' Hz ','(',F12.4,' rad./sec.)',' LEFT OUT OF THE RESULTS ***')", hertz(omega),
        omega);
}

void write_no_result_message(EngineState& s) {
  const AnalysisWork& w = *s.analysis;
  const int out = s.run.OUTPUT_UNIT;
  if (w.ONE_FAILURE && !w.FIRST_FAILURE.empty()) {
    write(s, out, "(/,/,1X,'*** NO FREQUENCY LINE COULD BE FORMED, AT EVERY LINE: ***',/,1X,A)", w.FIRST_FAILURE);
  } else {
    write(s, out, "(/,/,1X,'*** NO FREQUENCY LINE COULD BE FORMED: SEE THE LINES LEFT OUT ABOVE ***')");
  }
  write_no_result(s);
}

void write_time_history_failure(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT,
        "(1X,'*** THE TIME HISTORY OF THE RESPONSE IS NOT A FINITE NUMBER ***',/,"
        "1X,'*** ITS TIME STEPS ARE LEFT OUT OF THE RESULTS ***')");
  write_no_result(s);
}

void write_plot_impedances(EngineState& s) {
  const AnalysisWork& w = *s.analysis;
  write(s, RunFiles::PLOT_UNIT, "*", computed_lines(s));
  if (s.switches.MATRIX_PRINT_FLAG != 1) return;
  for (int L = 1; L <= w.LINES; ++L) {
    const LineResult& r = w.RESULTS(L);
    if (!r.computed) continue;
    write(s, RunFiles::PLOT_UNIT, "(9(1X,E10.3))", w.FREQUENCIES(L), r.K.a);
    write(s, RunFiles::PLOT_UNIT, "(9(1X,E10.3))", w.FREQUENCIES(L), r.C.a);
  }
}

void write_plot_response(EngineState& s, real omega, const Array1<real, 6>& amplitudes) {
  write(s, RunFiles::PLOT_UNIT, "(1X,F7.2,2X,6(1X,1PE11.4))", omega, amplitudes.a);
}

void write_harmonic_heading(EngineState& s) {
  const std::string& L = s.report.LABELS.length;
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,24X,'FOOTING RESPONSE AMPLITUDES',/,24X,27('-'),/,/,"
        "1X,'   FREQ.    FREQ.     TRANS. X    TRANS. Y    VERTICAL','   ROT ABOUT   ROT ABOUT   TORSIONAL',/,"
        "1X,'    Hz    rad/sec    DIRECTION   DIRECTION            ','     X AXIS       Y AXIS            ',/,"
        "1X,'                       (UOX)       (UOY)       (UOZ)  ','     (EPOX)      (EPOY)      (EPOZ)',/,"
        "10X,16X,A2,10X,A2,10X,A2,10X,'rad',9X,'rad',9X,'rad',/,"
        "1X,'  ------  -------    ---------   ---------   ---------','   ---------   ---------   ---------',/)",
        L, L, L);
}

void write_harmonic_row(EngineState& s, real omega, const Array1<real, 6>& amplitudes) {
  write(s, s.run.OUTPUT_UNIT, "(2X,F7.2,2X,F7.2,2X,6(1X,1PE11.4))", hertz(omega), omega, amplitudes.a);
}

void write_transient_heading(EngineState& s) {
  const std::string& L = s.report.LABELS.length;
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,24X,'FOOTING RESPONSE AMPLITUDES',/,24X,27('-'),/,/,"
        "1X,'          TRANS. X   TRANS. Y    VERTICAL',5X,'ROT ABOUT',5X,'ROT ABOUT',2X,'TORSIONAL',/,"
        "1X,'  TIME    DIRECTION  DIRECTION         ','        X AXIS       Y AXIS            ',/,"
        "13X,'(OUX)      (UOY)       (UOZ)       (EPOX)       (EPOY)',5X,' (EPOZ)',/,"
        "15X,A2,9X,A2,10X,A2,9X,'rad',10X,'rad',9X,'rad',/,"
        "1X,'-------   ---------   ---------   --------',3X,'  ---------',3X,' --------- ',2X,'--------',/)",
        L, L, L);
}

void write_transient_row(EngineState& s, real time, const Array1<real, 6>& displacements) {
  write(s, s.run.OUTPUT_UNIT, "(1X,F7.2,2X,6(1X,1PE11.4))", time, displacements.a);
}

void write_peak_factor_heading(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,14X,'DEGREE OF',/,15X,'FREEDOM',4X,'PEAK FACTOR (G)',3X,'MAXIMUM DISPLACEMENT',/,"
        "14X,9('-'),3X,15('-'),3X,20('-'),/)");
}

void write_peak_factor_row(EngineState& s, int dof, real peak_factor, real maximum) {
  write(s, s.run.OUTPUT_UNIT, "(17X,I2,12X,F4.1,9X,E14.4)", dof, peak_factor, maximum);
}

void write_spectrum_curve(EngineState& s, int dof) {
  if (dof == 1) {
    write(s, s.run.OUTPUT_UNIT,
          "(/,/,15X,'RESPONSE SPECTRA CURVE OF TRANSLATION',/,15X,37('-'),/,15X,'FREQUENCY',12X,'IN X DIRECTION',/)");
  } else {
    write(s, s.run.OUTPUT_UNIT,
          "(/,/,15X,'RESPONSE SPECTRA CURVE OF ROTATION',/,15X,34('-'),/,15X,'FREQUENCY',14X,'ABOUT Y AXIS',/)");
  }
  const AnalysisWork& w = *s.analysis;
  for (int L = 1; L <= w.LINES; ++L) {
    if (!w.RESULTS(L).computed) continue;
    write(s, s.run.OUTPUT_UNIT, "(15X,F7.2,15X,1PE12.6)", w.FREQUENCIES(L), w.RESULTS(L).RESPONSE(dof));
  }
}

void write_inadmissible_gravity(EngineState& s, real g) {
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,1X,'*** INADMISSABLE VALUE FOR GRAVITATIONAL ','CONSTANT (',1PE10.3,') ***',/,"
        "1X,'***PROGRAM WILL NOT EXECUTE***')",
        g);
}

void write_inadmissible_half_space_velocity(EngineState& s, real Vs) {
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,1X,'***INADMISSABLE VALUE FOR SHEAR WAVE ','VELOCITY OF HALF-SPACE (',1PE9.2,') ***',/,"
        "1X,'***PROGRAM WILL NOT EXECUTE***')",
        Vs);
}

void write_no_pile_radius_message(EngineState& s) {
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,1X,'*** THE FIRST PILE ELEMENT HAS NO RADIUS: THE PILE SPACINGS OF THE INTERACTION ',"
        "'CANNOT BE FORMED ***',/,1X,'***PROGRAM WILL NOT EXECUTE***')");
}

void write_close_piles_message(EngineState& s, int pile, int other, real spacing, real diameter) {
  const std::string& L = s.report.LABELS.length;
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,1X,'*** PILES ',I3,' AND ',I3,' ARE CLOSER THAN ONE PILE DIAMETER ***',/,"
        "1X,'*** THEIR AXES ARE ',1PE10.3,1X,A2,' APART, THE DIAMETER IS ',1PE10.3,1X,A2,' ***',/,"
        "1X,'***PROGRAM WILL NOT EXECUTE***')",
        pile, other, spacing, L, diameter, L);
}

}  // namespace zav::analysis
