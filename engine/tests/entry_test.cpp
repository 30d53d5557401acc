#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>

#include "tests/scratch.h"

extern "C" std::int32_t IZAVIK(std::int32_t);
extern "C" std::int32_t _IZAVIK(std::int32_t);

namespace zav::testing {
namespace {

const std::vector<std::string> stop_block = {"1", "", "", " *** RUN TERMINATED BY 'STOP' KEYWORD ***"};
const std::vector<std::string> fatal_block = {"1", "", "", "*** FATAL ERROR IN INPUT DATA ***",
                                              "*** EXEC   UTION TERMINATED ***"};

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Runs with stdin on /dev/null, as the front end does: console questions read
// the end of file.
class Entry : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_stdin_ = dup(0);
    int null = open("/dev/null", O_RDONLY);
    dup2(null, 0);
    close(null);
  }
  void TearDown() override {
    dup2(saved_stdin_, 0);
    close(saved_stdin_);
  }
  int saved_stdin_ = -1;
  ScratchDir dir;
};

const std::vector<std::string> small_deck = {"NOECHO",       "TITLE=Footing", "FOUNDATION=HALF-SPACE",
                                             "CIRCULAR=2.5", "MASS ",         "100 0 2(0.5) 3(0)",
                                             "CONSTANTS ",   "0 0 0.5",       "STOP"};
const std::vector<std::string> small_tape7 = {text80("NOECHO"),
                                              text80("TITLE"),
                                              text80("Footing"),
                                              text80("FOUNDATION"),
                                              text80("HALF-SPACE"),
                                              text80("CIRCULAR"),
                                              "2.5",
                                              text80("MASS"),
                                              "100.",
                                              "0.",
                                              "0.5",
                                              "0.5",
                                              "0.",
                                              "0.",
                                              "0.",
                                              text80("CONSTANTS"),
                                              "0.",
                                              "0.",
                                              "0.5",
                                              text80("STOP")};

TEST_F(Entry, PreprocessesTheDeckAndStopsBeforeTheAnalysis) {
  put_names_dat("job");
  put_file("job.kqd", lines_text(small_deck, "\r\n"));
  EXPECT_EQ(IZAVIK(0), 2);
  EXPECT_EQ(file_lines("job.kqo"), stop_block);
  EXPECT_EQ(file_lines("TAPE7"), small_tape7);
  EXPECT_EQ(file_text("TAPE8"), " \n");
  EXPECT_TRUE(file_exists("names.dat"));  // the caller removes it
  EXPECT_FALSE(file_exists("job.kqp"));
}

TEST_F(Entry, RunsTheShippedExample) {
  put_names_dat("half-space-harmonic");
  std::filesystem::copy_file(ZAV_EXAMPLES_DIR "/half-space-harmonic.kqd", "half-space-harmonic.kqd");
  // 1 to 50 Hz by 1 Hz with MATRIX: the analysis ends with the response table,
  // and the plot data hold the count, two impedance records and one response
  // record per line.
  EXPECT_EQ(_IZAVIK(1), 0);
  const auto report = file_lines("half-space-harmonic.kqo");
  ASSERT_GE(report.size(), 3u);
  EXPECT_EQ(report.back().substr(0, 20), "    50.00   314.00  ");
  const auto plot = file_lines("half-space-harmonic.kqp");
  ASSERT_EQ(plot.size(), 1u + 2 * 50 + 50);
  EXPECT_EQ(plot.front(), " 50");
  EXPECT_EQ(plot.back().substr(0, 8), "  314.00");
  auto tape7 = file_lines("TAPE7");
  ASSERT_FALSE(tape7.empty());
  EXPECT_EQ(tape7.front(), text80("TITLE"));
  EXPECT_NE(std::find(tape7.begin(), tape7.end(), text80("RUN")), tape7.end());
}

// Every shipped example is a complete analysis whose report the engine wrote
// without a word about its input: no error, no unknown or misplaced word, no
// value it refused, and numbers only.
TEST_F(Entry, EveryShippedExampleRunsWithoutAMessageOnItsInput) {
  const char* const messages[] = {"ERROR",
                                  "UNRECOGNIZED",
                                  "SUBKEYWORD MUST",
                                  "WILL NOT EXECUTE",
                                  "CANNOT EXECUTE",
                                  "INVALID",
                                  "WILL TERMINATE",
                                  "WILL BE IGNORED",
                                  "NaN",
                                  "Inf"};
  int examples = 0;
  for (const auto& e : std::filesystem::directory_iterator(ZAV_EXAMPLES_DIR)) {
    if (e.path().extension() != ".kqd") continue;
    ++examples;
    const std::string stem = e.path().stem().string();
    SCOPED_TRACE(stem);
    for (const char* ext : {".kqd", ".kqm"}) {
      std::filesystem::copy_file(e.path().parent_path() / (stem + ext), stem + ext,
                                 std::filesystem::copy_options::overwrite_existing);
    }
    put_names_dat(stem);
    EXPECT_EQ(IZAVIK(0), 0);
    const std::string report = file_text(stem + ".kqo");
    EXPECT_NE(report.find("SPECIAL OUTPUT OPTION"), std::string::npos);
    for (const char* m : messages) EXPECT_EQ(report.find(m), std::string::npos) << m << " in\n" << report;
    const auto plot = file_lines(stem + ".kqp");
    ASSERT_FALSE(plot.empty());
    EXPECT_GT(std::stoi(plot.front()), 0);
  }
  EXPECT_GT(examples, 0);
}

TEST_F(Entry, LeavesAnEarlierPlotDataFileAsItWas) {
  put_names_dat("job");
  put_file("job.kqd", lines_text(small_deck));
  put_file("job.kqp", " 3\r\n1 2 3\r\n");
  EXPECT_EQ(IZAVIK(0), 2);
  EXPECT_EQ(file_text("job.kqp"), " 3\r\n1 2 3\r\n");
}

TEST_F(Entry, EveryCallStartsFromFreshData) {
  put_names_dat("job");
  const std::string overflow = "9(" + std::string(70, '1') + ")";
  put_file("job.kqd", lines_text({overflow}));
  EXPECT_EQ(IZAVIK(0), 2);
  EXPECT_NE(file_text("job.kqo").find("DATA TRUNCATED"), std::string::npos);
  put_file("job.kqd", lines_text(small_deck));
  EXPECT_EQ(_IZAVIK(0), 2);
  EXPECT_EQ(file_lines("job.kqo"), stop_block);
  EXPECT_EQ(file_lines("TAPE7"), small_tape7);
  std::filesystem::remove("job.kqd");
  EXPECT_EQ(IZAVIK(0), 3);
  put_file("job.kqd", lines_text(small_deck));
  EXPECT_EQ(IZAVIK(0), 2);
  EXPECT_EQ(file_lines("job.kqo"), stop_block);
}

TEST_F(Entry, AMissingDeckIsReportedAsAFatalError) {
  put_names_dat("job");
  EXPECT_EQ(IZAVIK(0), 3);
  EXPECT_EQ(file_lines("job.kqo"),
            joined({"", "", " *** INPUT FILE CANNOT BE OPENED - job.kqd (no such file)"}, fatal_block));
}

TEST_F(Entry, WithoutNamesTheConsoleIsAskedAndTheRunFailsInOrder) {
  put_file("job.kqd", lines_text(small_deck));
  for (const char* names :
       std::initializer_list<const char*>{"", "3.0.15\r\njob.kqd\r\njob.kqo\r\njob.kqp\r\n", nullptr}) {
    if (names) put_file("names.dat", names);
    else std::filesystem::remove("names.dat");
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(IZAVIK(0), 3);
    std::string out = ::testing::internal::GetCapturedStdout();
    std::string err = ::testing::internal::GetCapturedStderr();
    EXPECT_NE(out.find("ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE."), std::string::npos);
    EXPECT_NE(err.find("OUTPUT FILE cannot be opened"), std::string::npos) << err;
    EXPECT_FALSE(file_exists("job.kqo"));
  }
}

}  // namespace
}  // namespace zav::testing
