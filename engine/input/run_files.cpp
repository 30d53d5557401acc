#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "input/input.h"

namespace zav {
namespace {

struct OpenFailure {
  const char* what;
  std::string name;
  std::string why;
};

// Names as read keep their trailing blanks; they are no part of the file name.
std::string shown(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

void open_unit(EngineState& s, int unit, const std::string& name, io::Access access, const char* what,
               std::vector<OpenFailure>& failures) {
  std::string why;
  if (!s.files.open(unit, name, access, why)) failures.push_back({what, shown(name), why});
}

// Whether an existing file is the one an output unit of the run would write:
// writing it would destroy the deck.
bool same_file(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(shown(a), shown(b), ec) && !ec;
}

void open_output(EngineState& s, int unit, const std::string& name, const std::string& deck, io::Access access,
                 const char* what, std::vector<OpenFailure>& failures) {
  if (same_file(name, deck)) {
    failures.push_back({what, shown(name), "the input file itself"});
    return;
  }
  open_unit(s, unit, name, access, what, failures);
}

// A short names.dat leaves the three main names to the console.
void ask_run_names(EngineState& s) {
  auto& n = s.run.RUN_FILE_NAMES;
  auto ask = [&](std::string_view prompt, std::string& name) {
    write(s, io::console, prompt);
    if (read(s, io::console, "(A256)", name) != io::Io::ok) name.clear();
  };
  ask("(/,/,7X,'ENTER A FILE NAME FOR YOUR INPUT FILE.',/,' ENTER >')", n.deck);
  ask("(/,/,7X,'ENTER A FILE NAME FOR YOUR OUTPUT FILE.',/,' ENTER >')", n.report);
  ask("(/,/,7X,'ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.',/,' ENTER >')", n.plot_data);
}

void read_run_names(EngineState& s) {
  auto& n = s.run.RUN_FILE_NAMES;
  // The version line has no end-of-file exit of its own: a missing or empty
  // names.dat leaves it blank and fails on the deck name below.
  if (read(s, RunFiles::NAMES_UNIT, "(A12)", n.version) != io::Io::ok) n.version.assign(12, ' ');
  auto line = [&](std::string& into) { return read(s, RunFiles::NAMES_UNIT, "(A256)", into) == io::Io::ok; };
  // Lines 5 to 7 all go into the fourth name; the last one read wins.
  bool complete =
      line(n.deck) && line(n.report) && line(n.plot_data) && line(n.fourth) && line(n.fourth) && line(n.fourth);
  if (!complete) ask_run_names(s);
}

}  // namespace

bool OPEN_RUN_FILES(EngineState& s) {
  std::vector<OpenFailure> failures;
  std::vector<OpenFailure> ignored;
  const auto& n = s.run.RUN_FILE_NAMES;
  open_unit(s, s.run.UNIT_TABLE(7), "TAPE7", io::Access::write, "SCRATCH FILE", failures);
  open_unit(s, s.run.UNIT_TABLE(8), "TAPE8", io::Access::write, "SCRATCH FILE", failures);
  open_unit(s, RunFiles::NAMES_UNIT, "names.dat", io::Access::read, "RUN NAMES FILE", ignored);
  read_run_names(s);
  if (same_file(n.deck, "TAPE7") || same_file(n.deck, "TAPE8")) {
    failures.push_back({"INPUT FILE", shown(n.deck), "a scratch file of the run"});
  } else {
    open_unit(s, s.run.UNIT_TABLE(4), n.deck, io::Access::read, "INPUT FILE", failures);
  }
  open_output(s, s.run.OUTPUT_UNIT, n.report, n.deck, io::Access::write, "OUTPUT FILE", failures);
  // The plot data of an earlier run stay as they are until this run completes
  // with plot data of its own.
  open_output(s, RunFiles::PLOT_UNIT, n.plot_data, n.deck, io::Access::replace, "GRAPHIC DATA FILE", failures);
  if (s.files.is_open(RunFiles::PLOT_UNIT) && same_file(n.plot_data, n.report)) {
    s.files.discard(RunFiles::PLOT_UNIT);
    failures.push_back({"GRAPHIC DATA FILE", shown(n.plot_data), "the output file itself"});
  }
  // The fourth file (the mass data) is only echoed: without it the echo reads an
  // empty file.
  open_unit(s, RunFiles::MASS_UNIT, n.fourth, io::Access::read, "MASS DATA FILE", ignored);

  const bool report_open = s.files.is_open(s.run.OUTPUT_UNIT);
  for (const OpenFailure& f : failures) {
    if (report_open) {
      write(s, s.run.OUTPUT_UNIT, "(/,/,' *** ',A,' CANNOT BE OPENED - ',A,' (',A,')')", f.what, f.name, f.why);
    } else {
      std::fprintf(stderr, "IZAVIK: %s cannot be opened - %s (%s)\n", f.what, f.name.c_str(), f.why.c_str());
    }
  }
  return failures.empty();
}

bool CLOSE_RUN_FILES(EngineState& s) {
  bool ok = true;
  for (int unit : {s.run.UNIT_TABLE(7), s.run.UNIT_TABLE(8), RunFiles::NAMES_UNIT, RunFiles::DECK_UNIT,
                   s.run.OUTPUT_UNIT, RunFiles::PLOT_UNIT, RunFiles::MASS_UNIT}) {
    if (!s.files.close(unit)) {
      std::fprintf(stderr, "IZAVIK: the file of unit %d could not be written\n", unit);
      ok = false;
    }
  }
  return ok;
}

}  // namespace zav
