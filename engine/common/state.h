// The data of one engine run. IZAVIK creates a fresh EngineState for every call
// and passes it by reference to every routine, so nothing of an earlier run (in
// the same process, whether or not the library was unloaded in between) reaches
// the next. Each area of the engine keeps its data in a section of its own;
// routines name them as s.run.UNIT_TABLE(4), s.input.FATAL_INPUT_FLAG, ...
//
// The unit I/O functions are forwarded here so that routines write
//   write(s, s.run.OUTPUT_UNIT, "(/,/,' UNRECOGNIZED KEYWORD - ',A4)", word);
// (see io/records.h for formats, items and read exits).
#pragma once

#ifdef ZAV_KERNEL_LAYER
#error "the kernels take their inputs as arguments and do no I/O: no kernel includes the run state or the record layer"
#endif

#include <array>
#include <cassert>
#include <memory>
#include <span>
#include <string>
#include <utility>

#include "common/array1.h"
#include "common/keywords.h"
#include "common/types.h"
#include "io/records.h"

namespace zav {

// Logical units and the names of the run's files.
struct RunFiles {
  // Logical-unit numbers; entry 4 is the unit every reader reads the deck from,
  // 7 and 8 those of the scratch tapes.
  Array1<int, 10> UNIT_TABLE;
  int OUTPUT_UNIT = 16;  // the report
  // The units of the other files, fixed: names.dat, the deck as it is opened
  // (before the preprocessed tape takes its place), the plot data, the mass data.
  static constexpr int NAMES_UNIT = 2, DECK_UNIT = 4, PLOT_UNIT = 6, MASS_UNIT = 9;
  struct Names {
    std::string deck, report, plot_data, fourth;  // 256 characters each as read
    std::string version;                          // 12 characters
  } RUN_FILE_NAMES;
};

// What FOUN and LOAD choose, by the codes of the input status table (none
// before the section gave it).
enum class FoundationType : int { none = 0, PILE = 1, HALF = 2, STRA = 3, MULT = 4 };
enum class LoadKind : int { none = 0, TRANSIENT = 1, RANDOM = 2, HARMONIC = 3 };
enum class Geometry : int { none = 0, circle = 1, rectangle = 2 };

// Control of the deck reading: what was given, and how the run ends.
struct InputControl {
  // (1) foundation type, (2) load kind, (3) geometry, (4) 1 when GRAV was
  // given, (10) the number of keywords a number field recognises (0 until the
  // first keyword was looked up). Read and set through the accessors below.
  Array1<int, 10> INPUT_STATUS;
  int FATAL_INPUT_FLAG = 0;  // 1 after a fatal input error
  int STOP_FLAG = 0;         // 1 after STOP or the end of the deck

  FoundationType foundation_type() const { return static_cast<FoundationType>(INPUT_STATUS(1)); }
  void set_foundation_type(FoundationType t) { INPUT_STATUS(1) = static_cast<int>(t); }
  LoadKind load_kind() const { return static_cast<LoadKind>(INPUT_STATUS(2)); }
  void set_load_kind(LoadKind k) { INPUT_STATUS(2) = static_cast<int>(k); }
  Geometry geometry() const { return static_cast<Geometry>(INPUT_STATUS(3)); }
  void set_geometry(Geometry g) { INPUT_STATUS(3) = static_cast<int>(g); }
  bool circular() const { return geometry() == Geometry::circle; }
  bool gravity_given() const { return INPUT_STATUS(4) == 1; }
  void set_gravity_given(bool given) { INPUT_STATUS(4) = given ? 1 : 0; }
  int keyword_count() const { return INPUT_STATUS(10); }
  void set_keyword_count(int n) { INPUT_STATUS(10) = n; }
};

// The record reader's own data.
struct RecordReader {
  // The keyword of the text met in a number field, Keyword::none for none.
  Keyword keyword = Keyword::none;
  // The last text record met in a number field, as 20 words of 4 characters.
  std::array<std::string, 20> text_buffer;
};

// The choices of the switches that are no on-off flags, by their codes.
enum class PrintWidth : int { narrow = 1, wide = 2 };
enum class SoilMedium : int { LAYERED = 1, PARABOLIC = 2 };
enum class HarmonicForm : int { non_quadratic = 1, quadratic = 2 };

// Switches of a run, set to their defaults by INIT_DEFAULTS and changed by the
// keyword loop and the section readers.
struct Switches {
  PrintWidth PRINT_WIDTH = PrintWidth::narrow;               // NARR, WIDE (no output depends on it)
  int ECHO_FLAG = 1;                                         // 1: the section readers echo their input
  int MATRIX_PRINT_FLAG = 0;                                 // 1: stiffness and damping tables, impedance plot records
  int DIMENSIONLESS_FLAG = 0;                                // DIME (echoed only)
  SoilMedium SOIL_MEDIUM = SoilMedium::LAYERED;              // LAYE, PARA
  int PILE_TIP = 0;                                          // 0 floating, 1 end-bearing
  int BATTER = 0;                                            // 1: battered piles (BATTER_ANGLES)
  int INTERACTION = 0;                                       // 1: pile-soil-pile interaction
  int WEAK_ZONE = 0;                                         // 1: weakened zone around the piles or the footing
  int EMBEDMENT = 0;                                         // 1: side layers of the pile cap (EMBE)
  int SIDE_CAP = 0;                                          // 1: weakened side layers of the pile cap (SIDE)
  HarmonicForm HARMONIC_FORM = HarmonicForm::non_quadratic;  // of a harmonic load (NONQ, QUAD)
};

// Unit labels of the report, each held at its field width.
struct UnitLabels {
  std::string length, force, moment, mass, mass_moment, mass_length;
  std::string trans_stiffness, rot_stiffness, cross_stiffness;
  std::string trans_damping, rot_damping, cross_damping;
  std::string area, inertia, velocity, acceleration, unit_weight, stress;
};

// The units of the deck, chosen by the gravitational constant.
enum class UnitSystem : int { none = 0, english = 1, si = 2 };

// What the report's headings print: the title and the unit system.
struct ReportHeading {
  std::string TITLE = std::string(80, ' ');   // 80 characters
  real GRAVITY = 0.0f;                        // gravitational constant g
  UnitSystem UNIT_SYSTEM = UnitSystem::none;  // none before GRAV
  UnitLabels LABELS;                          // blank (at their widths) before GRAV
};

inline constexpr int MAX_LAYERS = 30;  // soil layers, side layers, pile elements
inline constexpr int MAX_PILES = 500;

// One pile or column element, from the top down.
struct Element {
  real depth = 0.0f;      // the element's length h (its layer's thickness); 0 with PARA
  real radius_x = 0.0f;   // pile radius X
  real radius_y = 0.0f;   // pile radius Y
  real area = 0.0f;       // cross-sectional area A
  real inertia_x = 0.0f;  // moment of inertia Ix
  real inertia_y = 0.0f;  // moment of inertia Iy
  real torsion = 0.0f;    // torsional stiffness J
};

struct Pile {
  real number = 0.0f;  // as given (a row label)
  real x = 0.0f, y = 0.0f;
};

// The nine direction angles of every pile, angle k of pile p at (p, k),
// stored angle by angle over all MAX_PILES piles: the table the batter
// transform and the interaction set-up read in place.
struct BatterAngles {
  std::array<real, static_cast<std::size_t>(MAX_PILES) * 9> a{};
  real& operator()(int pile, int k) { return view_of(a.data())(pile, k); }
  real operator()(int pile, int k) const { return view()(pile, k); }
  Mat<const real> view() const { return {a.data(), MAX_PILES}; }
  // Angle k of piles 1..n.
  std::span<const real> angle(int k, int n) const {
    assert(k >= 1 && k <= 9 && n >= 0 && n <= MAX_PILES);
    return {a.data() + static_cast<std::size_t>(k - 1) * MAX_PILES, static_cast<std::size_t>(n)};
  }
  void set(int pile, const std::array<real, 9>& angles) {
    for (int k = 1; k <= 9; ++k) (*this)(pile, k) = angles[static_cast<std::size_t>(k - 1)];
  }
  std::array<real, 9> of(int pile) const {
    std::array<real, 9> out{};
    for (int k = 1; k <= 9; ++k) out[static_cast<std::size_t>(k - 1)] = (*this)(pile, k);
    return out;
  }

 private:
  static Mat<real> view_of(real* data) { return {data, MAX_PILES}; }
};

// The foundation as FOUN describes it (lengths in the deck's units).
struct Foundation {
  // Plan geometry: circle radius, or rectangle sides a (first) and b.
  real radius = 0.0f, side_a = 0.0f, side_b = 0.0f;
  // Equivalent radii for every type but STRA: translation, rocking about x,
  // rocking about y, torsion.
  real R0 = 0.0f, R1 = 0.0f, R2 = 0.0f, R3 = 0.0f;
  // STRA: horizontal, vertical, rocking about x, rocking about y, torsion, and
  // their mean R.
  Array1<real, 5> STRATUM_RADII;
  real R = 0.0f;
  // Centre of gravity: X, Y and height.
  real xc = 0.0f, yc = 0.0f, hc = 0.0f;
  // STRA: depth of embedment E and depth of layer H.
  real E = 0.0f, H = 0.0f;
  // PILE and MULT constants.
  real total_length = 0.0f, unit_weight = 0.0f, static_load = 0.0f, poisson = 0.0f, damping = 0.0f;
  real rigidity = 0.0f;  // coefficient of rigidity
  real youngs_modulus = 0.0f;
  // Elements: LAYE n of them (1 with PARA).
  int ELEMENT_COUNT = 0;
  Array1<Element, MAX_LAYERS> ELEMENTS;
  // Piles: head fixed (switch 1, value 1.0) or pinned (0, 0.0).
  int HEAD = 1;
  real HEAD_VALUE = 1.0f;
  int PILE_COUNT = 0;
  Array1<Pile, MAX_PILES> PILES;
  // Per pile (in the order of PILES) nine direction angles in degrees, the
  // pile axes against the cap axes row by row, k = 1..9.
  BatterAngles BATTER_ANGLES;
};

// Mass constants of the footing or cap.
struct MassConstants {
  real m = 0.0f;                            // total mass
  real Ix = 0.0f, Iy = 0.0f, Iz = 0.0f;     // mass moments about X, Y, Z
  real Ixy = 0.0f, Ixz = 0.0f, Iyz = 0.0f;  // cross products
};

// One row of a soil table. Without a weakened zone its ratio is 1, its Poisson's
// ratio and damping are the layer's and its thickness 0; a ratio above 0.999 also
// means no weakened zone (thickness 0).
struct SoilLayer {
  real number = 0.0f;     // as given (a row label)
  real thickness = 0.0f;  // h, where the table has it (HALF, EMBE)
  real Vs = 0.0f;         // shear-wave velocity
  real unit_weight = 0.0f;
  real nu = 0.0f;              // Poisson's ratio
  real damping = 0.0f;         // material damping
  real weak_ratio = 1.0f;      // shear-modulus ratio of the weakened zone
  real weak_nu = 0.0f;         // its Poisson's ratio
  real weak_damping = 0.0f;    // its material damping
  real weak_thickness = 0.0f;  // its thickness, as a ratio of the radius
  real G_ratio = 1.0f;         // MULT, below the adjacent layers: shear-modulus ratio (in/out)
  real D_ratio = 1.0f;         // and damping ratio (in/out)
};

struct Soil {
  // The soil along the piles or the column, layer j beside element j (PILE:
  // ELEMENT_COUNT layers, 1 with PARA; MULT: ADJACENT_COUNT adjacent layers,
  // then the soil below the foundation down to ELEMENT_COUNT).
  int LAYER_COUNT = 0;
  int ADJACENT_COUNT = 0;
  Array1<SoilLayer, MAX_LAYERS> LAYERS;
  // STRA: the stratum (Vs, unit weight, nu, damping).
  SoilLayer STRATUM;
  // BELO: the soil below the piles or the column; for HALF the half-space.
  SoilLayer BELOW;
  // Side layers: the HALF soil table, or the pile cap's embedment (EMBE).
  int SIDE_COUNT = 0;
  Array1<SoilLayer, MAX_LAYERS> SIDE_LAYERS;
};

inline constexpr int MAX_HARMONIC_LINES = 500;
inline constexpr int MAX_RANDOM_LINES = 200;
inline constexpr int MAX_TRANSIENT_POINTS = 1024;

// A real 6 by 6 table indexed (j, k) from 1 by degree of freedom.
struct Real6 {
  real a[36] = {};
  real& operator()(int j, int k) {
    assert(j >= 1 && j <= 6 && k >= 1 && k <= 6);
    return a[(j - 1) + (k - 1) * 6];
  }
  real operator()(int j, int k) const {
    assert(j >= 1 && j <= 6 && k >= 1 && k <= 6);
    return a[(j - 1) + (k - 1) * 6];
  }
};

// The load. Degrees of freedom 1..6: translation in X, Y, Z, rotation about X, Y, Z.
struct Load {
  // Frequency lines of the analysis, as the load reader checked them against the
  // tables: harmonic and random NEAREST_INT((max - min) / step + 1) with a step of
  // 0 taken as 1; transient n / 2 + 1.
  int LINES = 0;
  // Frequency lines of a harmonic or random load: maximum, minimum, step. Harmonic
  // frequencies are circular (rad/s, the deck gives Hz times 6.28).
  real FREQ_MAX = 0.0f, FREQ_MIN = 0.0f, FREQ_STEP = 0.0f;
  // Harmonic: amplitudes F1..F6 and lever arms as entered, the option and the
  // reference point p, q, r (option 1: the arms are measured from it).
  Array1<real, 6> AMPLITUDES;
  real ex = 0.0f, ey = 0.0f, ez = 0.0f;
  int OPTION = 0;
  real p = 0.0f, q = 0.0f, r = 0.0f;
  // The amplitudes moved to the centre of gravity: Fx, Fy, Fz, Mx, My, Mz.
  Array1<real, 6> LOAD_VECTOR;
  // Points: of a transient load (time points n) or of a random load (one
  // frequency line per point).
  int POINTS = 0;
  // Transient: interval, and per line L = 1..n and degree of freedom
  // TRANSIENT(L)[dof - 1] the conjugate of the load's transform divided by n
  // (0 where no load).
  real TIME_INTERVAL = 0.0f;
  real POINTS_REAL = 0.0f;  // n as a real
  real HALF_POINTS = 0.0f;  // n * 0.5 + 2
  Array1<std::array<cplx, 6>, MAX_TRANSIENT_POINTS> TRANSIENT;
  // Random: duration T, and per line L = 1..POINTS the input spectra
  // SPECTRA(L)(j, k) by the two location codes (0 where no spectrum was given);
  // FREQ_STEP is (max - min) / (points - 1), points - 1 = 0 taken as 1.
  real DURATION = 0.0f;
  Array1<Real6, MAX_RANDOM_LINES> SPECTRA;
};

// The most frequency lines of a run: a harmonic load's 500, or the n/2 + 1
// lines of a transient load of 1024 points.
inline constexpr int MAX_LINES = MAX_TRANSIENT_POINTS / 2 + 1;

// The analysis keeps what it derives in work data of its own (analysis/work.h),
// created when the analysis starts; the run state holds it without knowing
// the kernel types inside it.
struct AnalysisWork;
struct AnalysisWorkDeleter {
  void operator()(AnalysisWork* w) const;
};

struct EngineState {
  io::Files files;
  RunFiles run;
  InputControl input;
  RecordReader reader;
  Switches switches;
  ReportHeading report;
  Foundation foundation;
  MassConstants mass;
  Soil soil;
  Load load;
  std::unique_ptr<AnalysisWork, AnalysisWorkDeleter> analysis;
};

template <class... A>
void write(EngineState& s, int unit, std::string_view format, const A&... items) {
  io::write(s.files, unit, format, items...);
}
template <class... A>
io::Io read(EngineState& s, int unit, std::string_view format, A&&... targets) {
  return io::read(s.files, unit, format, std::forward<A>(targets)...);
}
// A record of which only its first `most` characters are used.
inline io::Io read_record(EngineState& s, int unit, std::string& record, std::size_t most) {
  return s.files.get(unit, record, most);
}
inline void rewind(EngineState& s, int unit) { s.files.rewind(unit); }
inline void backspace(EngineState& s, int unit) { s.files.backspace(unit); }

}  // namespace zav
