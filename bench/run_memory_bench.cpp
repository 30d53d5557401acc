// The peak memory of one engine run on a large deck, beside the deck's size:
// each deck is run by zav3-run in a child process of its own, in a scratch
// folder, and the child's peak resident set (getrusage's ru_maxrss of the
// waited-for child) is what the run held at its largest. A run of a small
// example deck gives the floor: the runner, the engine library and the
// libraries it loads.
//
// The decks: a shipped example as it stands; the same deck with 200,000
// lines of words and numbers that are no keywords before its RUN (every one
// answered in the report); the same with 600,000 such lines; the same with
// one line of 5, 20 and 50 MB of such words before its RUN; a half-space
// deck under a random load of 999 spectra of 200 points; a group of 500
// piles with interaction over 100 lines.
//
//   run_memory_bench [RUNNER]
//
// runs them with this build's zav3-run, or with RUNNER (another build's
// zav3-run, to compare).
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "tests/scratch.h"

namespace fs = std::filesystem;
using zav::testing::file_text;
using zav::testing::put_file;

namespace {

double seconds() {
  timespec t{};
  clock_gettime(CLOCK_MONOTONIC, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct Run {
  int status = -1;
  long peak_kb = 0;
  double wall = 0.0;
};

// zav3-run on the deck in a child process; its status and peak resident set.
Run run_child(const char* runner, const std::string& deck) {
  Run r;
  const double t0 = seconds();
  std::fflush(stdout);  // or the child would write what this process still holds
  const pid_t pid = fork();
  if (pid == 0) {
    // The report and the plot data are what the run writes; the runner's
    // own words go nowhere.
    if (std::freopen("/dev/null", "w", stdout) == nullptr) _exit(127);
    execl(runner, runner, deck.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int wstatus = 0;
  rusage ru{};
  if (pid < 0 || wait4(pid, &wstatus, 0, &ru) != pid) return r;
  r.wall = seconds() - t0;
  r.status = WIFEXITED(wstatus) ? WEXITSTATUS(wstatus) : -WTERMSIG(wstatus);
  r.peak_kb = ru.ru_maxrss;
  return r;
}

// The deck with `lines` lines that are no keywords before its RUN line.
std::string with_words_before_run(const std::string& deck, int lines) {
  std::string words;
  for (int k = 0; k < lines; ++k) {
    words += k % 2 == 0 ? "NOTE " : "QQ ";
    words += std::to_string(k % 97);
    words += "\r\n";
  }
  const std::size_t run = deck.find("RUN ");
  return deck.substr(0, run) + words + deck.substr(run);
}

// The deck with one line of `bytes` characters before its RUN line, words
// and numbers that are no keywords: only its first columns are read.
std::string with_long_line_before_run(const std::string& deck, std::size_t bytes) {
  std::string line = "NOTE";
  while (line.size() < bytes) line += " QQ 12";
  line.resize(bytes);
  const std::size_t run = deck.find("RUN ");
  return deck.substr(0, run) + line + "\r\n" + deck.substr(run);
}

// A footing under a random load of 999 spectra of 200 points each.
std::string random_spectra(const std::string& footing) {
  std::string d = footing.substr(0, footing.find("LOAD "));
  d += "LOAD \r\nRANDOM \r\nCONSTANTS \r\n62.8 \r\n6.28 \r\n200 \r\n60 \r\n999 \r\n";
  for (int sp = 0; sp < 999; ++sp) {
    const int code = 1 + sp % 6;
    d += std::to_string(code) + " " + std::to_string(code) + "\r\n";
    for (int p = 0; p < 200; ++p) d += std::to_string(1.0 + 0.001 * p) + " \r\n";
  }
  return d + "RUN \r\n0\r\n";
}

std::string five_hundred_piles() {
  std::string d =
      "TITLE=500 piles with interaction\r\nMATRIX\r\nGRAVITY=9.8\r\nFOUNDATION=PILE\r\n"
      "RECTANGULAR=45,36\r\nMASS \r\n5000 200000 500000 700000 0 0 0\r\nLAYERS=3\r\nFIXED=500\r\n";
  for (int k = 0; k < 500; ++k) {
    d += std::to_string(k + 1) + " " + std::to_string(1.8 * (k % 25)) + " " + std::to_string(1.8 * (k / 25)) + " \r\n";
  }
  const std::string element = " 4 0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345\r\n";
  d += "CONSTANTS \r\n22 17 1.5 12 24 \r\n1000 0.25 0.01 0.9 30000000\r\nELEMENT\r\n1" + element + "2" + element +
       "3" + element +
       "FLOATING\r\nINTERACTION \r\nSOIL \r\nWEAK\r\nCONSTANTS\r\n"
       "1 120 17 0.4 0.05 1 0.4 0.1 0\r\n2 160 17.5 0.4 0.05 1 0.4 0.1 0\r\n3 200 18 0.4 0.05 1 0.4 0.1 0\r\n"
       "BELOW=350 19 0.3 0.05\r\nLOAD \r\nHARMONIC \r\nCONSTANTS \r\nNONQUADRATIC \r\n628 6.28 6.28"
       " \r\n100 0 1000 \r\n0 0 0 \r\n0 0 1.5 0 \r\nRUN \r\n0\r\n";
  return d;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string runner = argc > 1 ? fs::absolute(argv[1]).string() : std::string(ZAV_RUNNER);
  zav::testing::ScratchDir scratch;
  const fs::path examples = ZAV_EXAMPLES_DIR;
  const std::string footing = file_text((examples / "half-space-harmonic.kqd").string());
  const std::string mass = file_text((examples / "half-space-harmonic.kqm").string());
  const std::vector<std::pair<std::string, std::function<std::string()>>> decks = {
      {"example", [&] { return footing; }},
      {"words-200000", [&] { return with_words_before_run(footing, 200000); }},
      {"words-600000", [&] { return with_words_before_run(footing, 600000); }},
      {"line-of-5MB", [&] { return with_long_line_before_run(footing, 5000000); }},
      {"line-of-20MB", [&] { return with_long_line_before_run(footing, 20000000); }},
      {"line-of-50MB", [&] { return with_long_line_before_run(footing, 50000000); }},
      {"random-999-spectra", [&] { return random_spectra(footing); }},
      {"group-500-piles", [] { return five_hundred_piles(); }},
  };
  // The decks are written by a child of their own: a run's child starts with
  // the memory of this process, which must not have held them.
  std::fflush(stdout);
  const pid_t writer = fork();
  if (writer == 0) {
    for (const auto& [stem, make] : decks) {
      put_file(stem + ".kqd", make());
      put_file(stem + ".kqm", mass);
    }
    _exit(0);
  }
  if (writer < 0 || waitpid(writer, nullptr, 0) != writer) return 1;
  std::printf("%s\n", runner.c_str());
  std::printf("%-22s %12s %12s %12s %8s %8s\n", "deck", "deck (MB)", "report (MB)", "peak (MB)", "status", "wall (s)");
  for (const auto& deck : decks) {
    const std::string& stem = deck.first;
    std::error_code ec;
    const auto size = fs::file_size(stem + ".kqd", ec);
    const Run r = run_child(runner.c_str(), stem + ".kqd");
    const auto report = fs::file_size(stem + ".kqo", ec);
    std::printf("%-22s %12.2f %12.2f %12.1f %8d %8.2f\n", stem.c_str(), static_cast<double>(size) / 1e6,
                ec ? 0.0 : static_cast<double>(report) / 1e6, static_cast<double>(r.peak_kb) / 1024.0, r.status,
                r.wall);
  }
  return 0;
}
