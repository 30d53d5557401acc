#include <gtest/gtest.h>

#include <sstream>

#include "common/state.h"
#include "input/input.h"
#include "tests/row_name.h"
#include "tests/scratch.h"

namespace zav::testing {
namespace {

class RunFiles : public ::testing::Test {
 protected:
  RunFiles() {
    s.run.UNIT_TABLE(4) = 4;
    s.run.UNIT_TABLE(7) = 7;
    s.run.UNIT_TABLE(8) = 8;
    s.files.console_in = &console_in;
    s.files.console_out = &console_out;
    put_file("job.kqd", "RUN\r\n");
  }
  std::string report_text() {
    CLOSE_RUN_FILES(s);
    return file_text("job.kqo");
  }

  ScratchDir dir;
  std::istringstream console_in;
  std::ostringstream console_out;
  EngineState s;
};

const std::string prompts =
    "\n\n       ENTER A FILE NAME FOR YOUR INPUT FILE.\n ENTER >\n"
    "\n\n       ENTER A FILE NAME FOR YOUR OUTPUT FILE.\n ENTER >\n"
    "\n\n       ENTER A FILE NAME FOR YOUR GRAPHIC DATA FILE.\n ENTER >\n";

std::string trimmed(const std::string& name) { return name.substr(0, name.find_last_not_of(' ') + 1); }

TEST_F(RunFiles, SevenLinesNameTheDeckReportPlotDataAndMassFile) {
  put_names_dat("job");
  put_file("job.kqm", "0\r\n");
  EXPECT_TRUE(OPEN_RUN_FILES(s));
  const auto& n = s.run.RUN_FILE_NAMES;
  EXPECT_EQ(n.version, "3.0.15      ");
  EXPECT_EQ(trimmed(n.deck), "job.kqd");
  EXPECT_EQ(trimmed(n.report), "job.kqo");
  EXPECT_EQ(trimmed(n.plot_data), "job.kqp");
  EXPECT_EQ(trimmed(n.fourth), "job.kqm");
  for (int unit : {2, 4, 6, 7, 8, 9, 16}) EXPECT_TRUE(s.files.is_open(unit)) << unit;
  EXPECT_EQ(console_out.str(), "");
  EXPECT_TRUE(CLOSE_RUN_FILES(s));
  for (int unit : {2, 4, 6, 7, 8, 9, 16}) EXPECT_FALSE(s.files.is_open(unit)) << unit;
  // The files of the run exist, the report created empty; the plot data are
  // made only by a run that writes them.
  for (const char* f : {"TAPE7", "TAPE8", "job.kqo"}) EXPECT_TRUE(file_exists(f)) << f;
  EXPECT_FALSE(file_exists("job.kqp"));
  EXPECT_EQ(file_text("job.kqd"), "RUN\r\n");
}

TEST_F(RunFiles, AShortNamesFileAsksForTheThreeNamesOnTheConsole) {
  put_file("names.dat", "3.0.15\r\nold.kqd\r\nold.kqo\r\nold.kqp\r\n");
  console_in.str("job.kqd\nanswer.kqo\nanswer.kqp\n");
  EXPECT_TRUE(OPEN_RUN_FILES(s));
  EXPECT_EQ(console_out.str(), prompts);
  EXPECT_EQ(trimmed(s.run.RUN_FILE_NAMES.deck), "job.kqd");
  EXPECT_EQ(trimmed(s.run.RUN_FILE_NAMES.report), "answer.kqo");
  EXPECT_EQ(trimmed(s.run.RUN_FILE_NAMES.fourth), "");
  EXPECT_FALSE(s.files.is_open(9));
  EXPECT_TRUE(CLOSE_RUN_FILES(s));
  EXPECT_TRUE(file_exists("answer.kqo"));
  EXPECT_FALSE(file_exists("old.kqo"));
}

TEST_F(RunFiles, TheFourthNameKeepsWhatTheLinesBeforeAFailureDelivered) {
  put_file("names.dat", "3.0.15\njob.kqd\njob.kqo\njob.kqp\njob.kqr\n");
  console_in.str("job.kqd\njob.kqo\njob.kqp\n");
  EXPECT_TRUE(OPEN_RUN_FILES(s));
  EXPECT_EQ(trimmed(s.run.RUN_FILE_NAMES.fourth), "job.kqr");
}

struct NamesRow {
  const char* what;
  const char* names_dat;    // null: no names.dat at all
  const char* console;      // null: no terminal
  const char* report_line;  // expected in the report, or null when no report could be opened
};

std::ostream& operator<<(std::ostream& os, const NamesRow& r) { return os << r.what; }

class RunFilesFailure : public RunFiles, public ::testing::WithParamInterface<NamesRow> {};

TEST_P(RunFilesFailure, EndsInOrderWithTheReason) {
  const NamesRow& row = GetParam();
  if (row.names_dat) put_file("names.dat", row.names_dat);
  if (row.console) console_in.str(row.console);
  else s.files.console_in = nullptr;
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(OPEN_RUN_FILES(s));
  std::string err = ::testing::internal::GetCapturedStderr();
  if (row.report_line) {
    EXPECT_TRUE(s.files.is_open(16));
    EXPECT_NE(report_text().find(row.report_line), std::string::npos);
  } else {
    EXPECT_FALSE(s.files.is_open(16));
    EXPECT_NE(err.find("OUTPUT FILE cannot be opened"), std::string::npos) << err;
  }
  EXPECT_TRUE(CLOSE_RUN_FILES(s));
  EXPECT_EQ(file_text("job.kqd"), "RUN\r\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, RunFilesFailure, ::testing::Values(
  NamesRow{"no names file, no terminal",  nullptr, nullptr, nullptr},
  NamesRow{"empty names file",            "",      nullptr, nullptr},
  NamesRow{"short names file, no answer", "3.0.15\r\njob.kqd\r\n", nullptr, nullptr},
  NamesRow{"missing deck",
           "3.0.15\r\nnone.kqd\r\njob.kqo\r\njob.kqp\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** INPUT FILE CANNOT BE OPENED - none.kqd (no such file)"},
  NamesRow{"blank deck name",
           "3.0.15\r\n   \r\njob.kqo\r\njob.kqp\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** INPUT FILE CANNOT BE OPENED -  (no file name)"},
  NamesRow{"plot data in a missing folder",
           "3.0.15\r\njob.kqd\r\njob.kqo\r\nno/job.kqp\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** GRAPHIC DATA FILE CANNOT BE OPENED - no/job.kqp (cannot be created)"},
  NamesRow{"report would overwrite the deck",
           "3.0.15\r\njob.kqd\r\n./job.kqd\r\njob.kqp\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr, nullptr},
  NamesRow{"plot data would overwrite the deck",
           "3.0.15\r\njob.kqd\r\njob.kqo\r\njob.kqd\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** GRAPHIC DATA FILE CANNOT BE OPENED - job.kqd (the input file itself)"},
  NamesRow{"plot data would overwrite the report",
           "3.0.15\r\njob.kqd\r\njob.kqo\r\njob.kqo\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** GRAPHIC DATA FILE CANNOT BE OPENED - job.kqo (the output file itself)"},
  NamesRow{"deck is a scratch tape",
           "3.0.15\r\nTAPE7\r\njob.kqo\r\njob.kqp\r\njob.kqr\r\njob.kqt\r\njob.kqm\r\n", nullptr,
           " *** INPUT FILE CANNOT BE OPENED - TAPE7 (a scratch file of the run)"},
  NamesRow{"answers name no deck",        "3.0.15\r\n", "gone.kqd\njob.kqo\njob.kqp\n",
           " *** INPUT FILE CANNOT BE OPENED - gone.kqd (no such file)"}
), row_name);
// clang-format on

TEST_F(RunFiles, NamesLongerThan256CharactersAreCut) {
  const std::string longname(300, 'a');
  put_file("names.dat", "3.0.15 and more text\n" + longname + "\njob.kqo\njob.kqp\njob.kqr\njob.kqt\njob.kqm\n");
  ::testing::internal::CaptureStderr();
  EXPECT_FALSE(OPEN_RUN_FILES(s));  // no deck of that name
  ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(s.run.RUN_FILE_NAMES.version, "3.0.15 and m");
  EXPECT_EQ(s.run.RUN_FILE_NAMES.deck, std::string(256, 'a'));
}

}  // namespace
}  // namespace zav::testing
