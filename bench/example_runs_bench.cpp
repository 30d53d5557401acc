// Seconds per complete run of the engine (deck, analysis, report and plot
// data) on every example deck, and on a half-space deck of 500 harmonic
// lines, each in a scratch folder as the front end runs it.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
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

void run_deck(benchmark::State& state) {
  for (auto _ : state) {
    auto s = std::make_unique<zav::EngineState>();
    s->files.console_in = nullptr;
    const int status = zav::IZAVIK(*s);
    if (status != zav::status_completed) state.SkipWithError("the run did not complete");
    benchmark::DoNotOptimize(status);
  }
}

// A circular footing embedded in two side layers, 500 lines from 0.5 to 250 Hz.
const char* const five_hundred_lines =
    "TITLE=Half-space footing, 500 harmonic lines\r\nMATRIX\r\nGRAVITY=9.8\r\nFOUNDATION=HALF-SPACE\r\n"
    "CIRCULAR=2.5\r\nMASS \r\n100 175 175 312.5 0 0 0\r\nCONSTANTS \r\n0 0 0.75 \r\nSOIL \r\nCONSTANTS=2\r\n"
    "1 0.5 180 18 0.35 0.05\r\n2 0.5 200 18 0.35 0.05\r\nBELOW=250 18 0.33 0.05\r\nLOAD \r\nHARMONIC \r\n"
    "CONSTANTS \r\nNONQUADRATIC \r\n1570 3.14 3.14 \r\n10 0 50 \r\n20 0 0 \r\n0 0 0 0 \r\nRUN \r\n0\r\n";

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
  for (const std::string& stem : stems) {
    benchmark::RegisterBenchmark(("run/" + stem).c_str(), [stem](benchmark::State& st) {
      put_names(stem);
      run_deck(st);
    })->Unit(benchmark::kMillisecond);
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
