// The report's page headings, the title, the gravitational constant and the
// unit labels that every echo and result table prints.
#include <ctime>
#include <string>

#include "input/input.h"
#include "input/sections.h"

namespace zav {
namespace {

// English and SI labels, each at the width of its field.
const UnitLabels english = {"ft",    "lb ",       "lb-ft",  "slug",      "slug-ft**2",    "slug-ft",
                            "lb/ft", "lb-ft/rad", "lb/rad", "lb/ft/sec", "lb-ft/rad/sec", "lb/rad/sec",
                            "ft**2", "ft**4",     "ft/s",   "ft/s**2",   "lb/ft**3",      "psf"};
const UnitLabels si = {"m ",    "kN.",       "kN-m ",  "Mg  ",      "Mg-m**2   ",    "Mg-m   ",
                       "kN/m ", "kN-m/rad ", "kN/rad", "kN/m/sec ", "kN-m/rad/sec ", "kN/rad/sec",
                       "m**2 ", "m**4 ",     "m/s ",   "m/s**2 ",   "kN/m**3 ",      "kPa"};

// The labels of a run before GRAV chose the system: blank, at the same widths.
UnitLabels blank_labels() {
  UnitLabels b = english;
  for (std::string* l : {&b.length, &b.force, &b.moment, &b.mass, &b.mass_moment, &b.mass_length, &b.trans_stiffness,
                         &b.rot_stiffness, &b.cross_stiffness, &b.trans_damping, &b.rot_damping, &b.cross_damping,
                         &b.area, &b.inertia, &b.velocity, &b.acceleration, &b.unit_weight, &b.stress}) {
    l->assign(l->size(), ' ');
  }
  return b;
}

// clang-format off
constexpr section::Admissible<ReportHeading> gravity_values[] = {
  {&ReportHeading::GRAVITY, "GRAVITATIONAL CONSTANT", section::Bound::gravity},
};
// clang-format on

std::string trimmed(const std::string& s) { return s.substr(0, s.find_last_not_of(' ') + 1); }

// A file name split as a path is: drive (none here), folder with its closing
// separator, name, and extension with its point.
struct PathParts {
  std::string drive, folder, name, extension;
};

PathParts split_path(const std::string& path) {
  PathParts p;
  const std::string t = trimmed(path);
  const std::size_t slash = t.find_last_of('/');
  const std::size_t name_start = slash == std::string::npos ? 0 : slash + 1;
  p.folder = t.substr(0, name_start);
  const std::string file = t.substr(name_start);
  const std::size_t dot = file.find_last_of('.');
  p.name = dot == std::string::npos ? file : file.substr(0, dot);
  p.extension = dot == std::string::npos ? "" : file.substr(dot);
  return p;
}

}  // namespace

void SET_UNIT_LABELS(EngineState& s) {
  switch (s.report.UNIT_SYSTEM) {
    case UnitSystem::none: s.report.LABELS = blank_labels(); return;
    case UnitSystem::english: s.report.LABELS = english; return;
    case UnitSystem::si: s.report.LABELS = si; return;
  }
}

void READ_TITLE(EngineState& s) {
  std::string title;
  if (read(s, s.run.UNIT_TABLE(4), "(A80)", title) == io::Io::end) {
    write(s, s.run.OUTPUT_UNIT, "(/,/,1X,'END OF FILE ENCOUNTERED WHILE READING TITLE')");
    return;
  }
  s.report.TITLE = title;
  if (section::echo(s)) WRITE_HEADING(s, Heading::data_echo);
}

void READ_GRAVITY(EngineState& s) {
  real g = 0.0f;
  if (!section::number(s, g)) {
    write(s, s.run.OUTPUT_UNIT, "(/,/,' ERROR ENCOUNTERED WHILE READING GRAV. CONSTANT')");
    s.input.set_gravity_given(false);
    section::will_not_execute(s);
    return;
  }
  s.report.GRAVITY = g;
  // The constant chooses the units of the deck: a value of neither system
  // gives no sound moduli and no labels.
  if (!section::ValueCheck(s).row(s.report, gravity_values).ok()) return section::will_not_execute(s);
  // The unit system follows the gravitational constant whether or not the input
  // is echoed: the result tables print the labels too.
  s.report.UNIT_SYSTEM = g > 10.0f ? UnitSystem::english : UnitSystem::si;
  SET_UNIT_LABELS(s);
  if (section::echo(s)) {
    write(s, s.run.OUTPUT_UNIT, "(/,/,1X,'GRAVITATIONAL CONSTANT SET TO',F7.2,1X,A7,/,1X,44('*'))", g,
          s.report.LABELS.acceleration);
  }
}

void WRITE_BANNER(EngineState& s) {
  const std::time_t now = std::time(nullptr);
  std::tm t{};
  localtime_r(&now, &t);
  char date[11], time[9];
  std::strftime(date, sizeof date, "%Y-%m-%d", &t);
  std::strftime(time, sizeof time, "%H:%M:%S", &t);
  std::string version = s.run.RUN_FILE_NAMES.version;
  version.resize(12, ' ');
  write(s, s.run.OUTPUT_UNIT,
        "(/,/,/,1X,49('*'),/,1X,'*',47X,'*',/,1X,'*        S O I L - F O U N D A T I O N          *',/,"
        "1X,'*',47X,'*',/,1X,'*     D Y N A M I C   S I M U L A T I O N       *',/,"
        "1X,'*              ZAVIK ',A12,'               *',/,1X,'*',47X,'*',/,"
        "1X,'*',13X,'RUN DATE - ',1X,A10,12X,'*',/,1X,'*',13X,'TIME     -  ',A8,14X,'*',/,"
        "1X,'*',47X,'*',/,1X,49('*'),/,/,1X,A80)",
        version, std::string(date), std::string(time), s.report.TITLE);
}

void WRITE_HEADING(EngineState& s, Heading heading) {
  const int out = s.run.OUTPUT_UNIT;
  WRITE_BANNER(s);
  write(s, out, "()");
  if (heading == Heading::data_echo) {
    const auto& n = s.run.RUN_FILE_NAMES;
    const PathParts deck = split_path(n.deck), report = split_path(n.report), plot = split_path(n.plot_data);
    write(s, out, "(5X,'Path to file locations      : ',A,A)", deck.drive, deck.folder);
    write(s, out, "(5X,'Name of input data file     : ',A,A)", deck.name, deck.extension);
    write(s, out, "(5X,'Name of output file         : ',A,A)", report.name, report.extension);
    write(s, out, "(5X,'Name of plot output file    : ',A,A,/,/)", plot.name, plot.extension);
    write(s, out, "(22X,'DATA ECHO',/,22X,9('*'))");
  } else {
    write(s, out, "(33X,'RESULTS',/,33X,7('*'))");
  }
  write(s, out, "('1',/,/,/,/,1X,A80)", s.report.TITLE);
}

}  // namespace zav
