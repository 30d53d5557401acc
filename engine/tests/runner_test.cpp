#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "tests/row_name.h"
#include "tests/scratch.h"

namespace zav::testing {
namespace {

class Runner : public ::testing::Test {
 protected:
  // Runs a shell command line from the scratch folder; returns the exit status.
  int run(const std::string& command) {
    int rc = std::system(
        (command + " >" + (dir.path() / "out.txt").string() + " 2>" + (dir.path() / "err.txt").string()).c_str());
    err = file_text((dir.path() / "err.txt").string());
    return WIFEXITED(rc) ? WEXITSTATUS(rc) : -1;
  }
  ScratchDir dir;
  std::string err;
};

TEST_F(Runner, RunsTheEngineOnADeckAndExitsWithItsStatus) {
  std::filesystem::create_directory("data.v1");
  put_file("data.v1/job", "NOECHO\r\nTITLE=Job\r\nSTOP\r\n");
  EXPECT_EQ(run(std::string(ZAV_RUNNER) + " data.v1/job"), 2) << err;
  EXPECT_FALSE(file_exists("names.dat"));
  EXPECT_EQ(file_lines("data.v1/job.kqo"),
            (std::vector<std::string>{"1", "", "", " *** RUN TERMINATED BY 'STOP' KEYWORD ***"}));
  // A run that writes no result leaves no plot data.
  EXPECT_FALSE(file_exists("data.v1/job.kqp"));
  EXPECT_TRUE(file_exists("TAPE7"));
}

// The report and the plot data are named from the deck without its ".kqd"
// only: two decks whose names differ after a dot never share them.
TEST_F(Runner, NamesTheFilesBesideTheDeckFromItsNameWithoutKqd) {
  // clang-format off
  const std::vector<std::pair<std::string, std::string>> cases = {
    {"job v1.2.kqd", "job v1.2.kqo"},
    {"job v1.3.KQD", "job v1.3.kqo"},
    {"notes.txt",    "notes.txt.kqo"},
    {".kqd",         ".kqd.kqo"},
  };
  // clang-format on
  for (const auto& [deck, report] : cases) {
    SCOPED_TRACE(deck);
    put_file(deck, "NOECHO\r\nTITLE=Job\r\nSTOP\r\n");
    EXPECT_EQ(run(std::string(ZAV_RUNNER) + " '" + deck + "'"), 2) << err;
    EXPECT_TRUE(file_exists(report));
  }
}

struct RefusalRow {
  const char* what;
  const char* setup;   // shell commands run first, in the scratch folder
  const char* runner;  // the runner to start (default: the built one)
  const char* arguments;
  const char* message;
};

std::ostream& operator<<(std::ostream& os, const RefusalRow& r) { return os << r.what; }

class RunnerRefusal : public Runner, public ::testing::WithParamInterface<RefusalRow> {};

TEST_P(RunnerRefusal, SaysWhyOnStderrAndExitsNonZero) {
  const RefusalRow& row = GetParam();
  std::filesystem::create_directory("alone");
  std::filesystem::copy_file(ZAV_RUNNER, "alone/zav3-run");
  std::filesystem::create_directory("fake");
  std::filesystem::copy_file(ZAV_RUNNER, "fake/zav3-run");
  std::filesystem::copy_file(ZAV_NO_ENTRY_LIBRARY, "fake/Zav3-comp.so");
  put_file("job.kqd", "RUN\r\n");
  std::string runner = row.runner ? (dir.path() / row.runner).string() : std::string(ZAV_RUNNER);
  int status = run(std::string(row.setup) + runner + " " + row.arguments);
  EXPECT_EQ(status, 1);
  EXPECT_NE(err.find(row.message), std::string::npos) << err;
  EXPECT_FALSE(file_exists("names.dat"));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, RunnerRefusal, ::testing::Values(
  RefusalRow{"no deck named",        "",  nullptr,          "",            "usage: zav3-run DECK"},
  RefusalRow{"missing deck",         "",  nullptr,          "none.kqd",    "no readable deck none.kqd"},
  RefusalRow{"deck is a folder",     "",  nullptr,          "alone",       "no readable deck alone"},
  RefusalRow{"folder gone",          "mkdir gone && cd gone && rmdir ../gone && ",
                                          nullptr,          "$OLDPWD/job.kqd", "cannot write names.dat"},
  RefusalRow{"no library beside it", "",  "alone/zav3-run", "job.kqd",     "cannot load the engine library"},
  RefusalRow{"library without entry","",  "fake/zav3-run",  "job.kqd",     "has no entry _IZAVIK"}
), row_name);
// clang-format on

}  // namespace
}  // namespace zav::testing
