// Seconds per complete run of the engine (deck, analysis, report and plot
// data) on every example deck, on a half-space deck of 500 harmonic lines and
// on a group of 500 piles with interaction over 100 and over 500 lines, with
// MATRIX and without (which leaves out the second pass), each in a scratch
// folder as the front end runs it. Beside the time, the process's CPU time
// over its wall time: threads that wait actively show above the number of
// threads that work.
#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <time.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/state.h"
#include "izavik.h"

namespace fs = std::filesystem;

namespace {

// A scratch folder that is the current folder while it lives.
struct Scratch {
  fs::path old = fs::current_path();
  fs::path dir;
  Scratch() {
    std::string t = (fs::temp_directory_path() / "zav-bench-XXXXXX").string();
    dir = mkdtemp(t.data());
    fs::current_path(dir);
  }
  ~Scratch() {
    std::error_code ec;
    fs::current_path(old, ec);
    fs::remove_all(dir, ec);
  }
};

void put(const std::string& name, const std::string& text) { std::ofstream(name, std::ios::binary) << text; }

void put_names(const std::string& stem) {
  put("names.dat", "3.0.15\r\n" + stem + ".kqd\r\n" + stem + ".kqo\r\n" + stem + ".kqp\r\n" + stem + ".kqr\r\n" +
                       stem + ".kqt\r\n" + stem + ".kqm\r\n");
}

double seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

void run_deck(benchmark::State& state) {
  double cpu = 0.0, wall = 0.0;
  for (auto _ : state) {
    const double cpu0 = seconds(CLOCK_PROCESS_CPUTIME_ID), wall0 = seconds(CLOCK_MONOTONIC);
    auto s = std::make_unique<zav::EngineState>();
    s->files.console_in = nullptr;
    const int status = zav::IZAVIK(*s);
    if (status != zav::status_completed) state.SkipWithError("the run did not complete");
    benchmark::DoNotOptimize(status);
    cpu += seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu0;
    wall += seconds(CLOCK_MONOTONIC) - wall0;
  }
  state.counters["cpu/wall"] = wall > 0.0 ? cpu / wall : 0.0;
}

// A circular footing embedded in two side layers, 500 lines from 0.5 to 250 Hz.
const char* const five_hundred_lines =
    "TITLE=Half-space footing, 500 harmonic lines\r\nMATRIX\r\nGRAVITY=9.8\r\nFOUNDATION=HALF-SPACE\r\n"
    "CIRCULAR=2.5\r\nMASS \r\n100 175 175 312.5 0 0 0\r\nCONSTANTS \r\n0 0 0.75 \r\nSOIL \r\nCONSTANTS=2\r\n"
    "1 0.5 180 18 0.35 0.05\r\n2 0.5 200 18 0.35 0.05\r\nBELOW=250 18 0.33 0.05\r\nLOAD \r\nHARMONIC \r\n"
    "CONSTANTS \r\nNONQUADRATIC \r\n1570 3.14 3.14 \r\n10 0 50 \r\n20 0 0 \r\n0 0 0 0 \r\nRUN \r\n0\r\n";

// 500 fixed-head piles three diameters apart with interaction, 100 lines
// from 1 to 100 Hz or 500 lines from 0.2 to 100 Hz, with MATRIX (a second
// pass for the special constants) or without.
std::string five_hundred_piles(int lines, bool matrix) {
  std::string d = "TITLE=500 piles with interaction, " + std::to_string(lines) + " lines\r\n" +
                  (matrix ? "MATRIX\r\n" : "") +
                  "GRAVITY=9.8\r\nFOUNDATION=PILE\r\n"
                  "RECTANGULAR=45,36\r\nMASS \r\n5000 200000 500000 700000 0 0 0\r\nLAYERS=3\r\nFIXED=500\r\n";
  for (int k = 0; k < 500; ++k) {
    d += std::to_string(k + 1) + " " + std::to_string(1.8 * (k % 25)) + " " + std::to_string(1.8 * (k / 25)) + " \r\n";
  }
  const std::string element = " 4 0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345\r\n";
  d += "CONSTANTS \r\n22 17 1.5 12 24 \r\n1000 0.25 0.01 0.9 30000000\r\nELEMENT\r\n1" + element + "2" + element +
       "3" + element + "FLOATING\r\nINTERACTION \r\nSOIL \r\nWEAK\r\nCONSTANTS\r\n"
       "1 120 17 0.4 0.05 1 0.4 0.1 0\r\n2 160 17.5 0.4 0.05 1 0.4 0.1 0\r\n3 200 18 0.4 0.05 1 0.4 0.1 0\r\n"
       "BELOW=350 19 0.3 0.05\r\nLOAD \r\nHARMONIC \r\nCONSTANTS \r\nNONQUADRATIC \r\n" +
       (lines == 100 ? "628 6.28 6.28" : "628 1.256 1.256") +
       " \r\n100 0 1000 \r\n0 0 0 \r\n0 0 1.5 0 \r\nRUN \r\n0\r\n";
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  Scratch scratch;
  std::vector<std::string> stems;
  for (const auto& e : fs::directory_iterator(ZAV_EXAMPLES_DIR)) {
    if (e.path().extension() != ".kqd") continue;
    for (const char* ext : {".kqd", ".kqm"}) {
      fs::path p = e.path();
      p.replace_extension(ext);
      if (fs::exists(p)) fs::copy_file(p, p.filename(), fs::copy_options::overwrite_existing);
    }
    stems.push_back(e.path().stem().string());
  }
  std::sort(stems.begin(), stems.end());
  put("half-space-500-lines.kqd", five_hundred_lines);
  put("half-space-500-lines.kqm", "0\r\n");
  stems.push_back("half-space-500-lines");
  const std::vector<std::pair<std::string, std::string>> groups = {
      {"group-500-piles", five_hundred_piles(100, true)},
      {"group-500-piles-500-lines", five_hundred_piles(500, true)},
      {"group-500-piles-500-lines-no-matrix", five_hundred_piles(500, false)}};
  for (const auto& [stem, deck] : groups) {
    put(stem + ".kqd", deck);
    put(stem + ".kqm", "0\r\n");
  }
  for (const std::string& stem : stems) {
    benchmark::RegisterBenchmark(("run/" + stem).c_str(), [stem](benchmark::State& st) {
      put_names(stem);
      run_deck(st);
    })->Unit(benchmark::kMillisecond);
  }
  // One run of the largest groups takes seconds: timed once per repetition.
  for (const auto& group : groups) {
    const std::string stem = group.first;
    benchmark::RegisterBenchmark(("run/" + stem).c_str(), [stem](benchmark::State& st) {
      put_names(stem);
      run_deck(st);
    })->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->ReportAggregatesOnly(true);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
