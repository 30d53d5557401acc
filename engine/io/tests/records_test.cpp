#include "io/records.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <variant>

#include "tests/scratch.h"

namespace zav::io {
namespace {

using testing::file_lines;
using testing::file_text;
using testing::put_file;
using testing::ScratchDir;

// ---------------------------------------------------------------------------
// Output editing: format, list, expected records (joined with "|").

using Value = std::variant<int, float, double, std::string>;

struct WriteRow {
  const char* format;
  std::vector<Value> values;
  const char* expected;
};

std::string joined(const std::vector<std::string>& records) {
  std::string s;
  for (std::size_t i = 0; i < records.size(); ++i) s += (i ? "|" : "") + records[i];
  return s;
}

std::vector<Item> items_of(const std::vector<Value>& values) {
  std::vector<Item> items;
  for (const Value& v : values) std::visit([&](const auto& x) { detail::add(items, x); }, v);
  return items;
}

class WriteFormat : public ::testing::TestWithParam<WriteRow> {};

TEST_P(WriteFormat, GivesTheRecordsOfTheLayout) {
  const WriteRow& row = GetParam();
  SCOPED_TRACE(row.format);
  EXPECT_EQ(joined(format_records(row.format, items_of(row.values))), row.expected);
}

const double inf = std::numeric_limits<double>::infinity();

// clang-format off
INSTANTIATE_TEST_SUITE_P(Editing, WriteFormat, ::testing::Values(
  WriteRow{"(I5)",            {42},              "   42"},
  WriteRow{"(I3)",            {-42},             "-42"},
  WriteRow{"(I2)",            {-42},             "**"},
  WriteRow{"(I3)",            {1234},            "***"},
  WriteRow{"(I4.3)",          {7},               " 007"},
  WriteRow{"(F8.3)",          {2.5f},            "   2.500"},
  WriteRow{"(F8.3)",          {-2.5f},           "  -2.500"},
  WriteRow{"(F5.2)",          {0.125f},          " 0.13"},
  WriteRow{"(F5.2)",          {-0.125f},         "-0.13"},
  WriteRow{"(F5.0)",          {2.5f},            "   3."},
  WriteRow{"(F7.2)",          {99.995f},         " 100.00"},
  WriteRow{"(F4.2)",          {0.5f},            "0.50"},
  WriteRow{"(F3.2)",          {0.5f},            ".50"},
  WriteRow{"(F2.2)",          {0.5f},            "**"},
  WriteRow{"(F4.1)",          {123.4f},          "****"},
  WriteRow{"(F13.4)",         {1e7f},            "10000000.0000"},
  WriteRow{"(F12.4)",         {1e7f},            "************"},
  WriteRow{"(F6.3)",          {-0.0f},           " 0.000"},
  WriteRow{"(F6.3)",          {-0.0004f},        "-0.000"},
  WriteRow{"(F9.3)",          {0.1f},            "    0.100"},
  WriteRow{"(F6.2)",          {std::nan("")},    "   NaN"},
  WriteRow{"(F10.2)",         {inf},             "  Infinity"},
  WriteRow{"(F5.2)",          {-inf},            " -Inf"},
  WriteRow{"(E10.3)",         {1234.5f},         " 0.123E+04"},
  WriteRow{"(E10.3)",         {-1234.5f},        "-0.123E+04"},
  WriteRow{"(E10.3)",         {9.9996f},         " 0.100E+02"},
  WriteRow{"(E10.3)",         {1.23e99},         " 0.123+100"},
  WriteRow{"(E10.3)",         {1.23e-101},       " 0.123-100"},
  WriteRow{"(E10.3)",         {0.0f},            " 0.000E+00"},
  WriteRow{"(E9.3)",          {0.5f},            "0.500E+00"},
  WriteRow{"(E8.3)",          {0.5f},            ".500E+00"},
  WriteRow{"(E8.3)",          {-0.5f},           "********"},
  WriteRow{"(E14.4)",         {-1234.5f},        "   -0.1235E+04"},
  WriteRow{"(1PE12.5)",       {1234.5f},         " 1.23450E+03"},
  WriteRow{"(1PE13.5)",       {-0.00123f},       " -1.23000E-03"},
  WriteRow{"(1PE9.2)",        {-0.00123f},       "-1.23E-03"},
  WriteRow{"(1PE10.3)",       {0.0f},            " 0.000E+00"},
  WriteRow{"(1PE10.3)",       {9.9996f},         " 1.000E+01"},
  WriteRow{"(1PE10.3,F8.3)",  {1.5f, 2.0f},      " 1.500E+00  20.000"},
  WriteRow{"(1PE10.3,0PF8.3)",{1.5f, 2.0f},      " 1.500E+00   2.000"},
  WriteRow{"(A4)",            {"RUN"},           " RUN"},
  WriteRow{"(A2)",            {"kN-m"},          "kN"},
  WriteRow{"(5X,'Name : ',A,A)", {"job", ".kqd"}, "     Name : job.kqd"},
  WriteRow{"(' *** RUN TERMINATED BY ''STOP'' KEYWORD ***')", {}, " *** RUN TERMINATED BY 'STOP' KEYWORD ***"},
  WriteRow{"(' - ','\"',A,'\"',',')",         {"SOIL"},  " - \"SOIL\","},
  WriteRow{"(1X,19('*'))",    {},                " *******************"},
  WriteRow{"(/,/,1X,'ERROR IN INITIALIZATION')", {}, "|| ERROR IN INITIALIZATION"},
  WriteRow{"(/,/,' *** INVALID CALL TO READIT, BACKSPACE ASSUMED ***',/)", {},
           "|| *** INVALID CALL TO READIT, BACKSPACE ASSUMED ***|"},
  WriteRow{"('1',/,/,/,'*** FATAL ERROR IN INPUT DATA ***',/,'*** EXEC   UTION TERMINATED ***')", {},
           "1|||*** FATAL ERROR IN INPUT DATA ***|*** EXEC   UTION TERMINATED ***"},
  WriteRow{"(1X,I3,2X,F6.2)", {1, 1.5f, 2, 2.5f}, "   1    1.50|   2    2.50"},
  WriteRow{"(1X,'ROW',2(I3))", {1, 2, 3, 4, 5},  " ROW  1  2|  3  4|  5"},
  WriteRow{"(9(1X,E10.3))",   {1.0f, 2.0f},      "  0.100E+01  0.200E+01"},
  WriteRow{"(1X,I3,' AND ',I3)", {7},            "   7 AND "},
  WriteRow{"(1X,I3,:,' AND ',I3)", {7},          "   7"},
  WriteRow{"(I3,5X)",         {1},               "  1"},
  WriteRow{"(I3,2/,I3)",      {1, 2},            "  1||  2"},
  WriteRow{"( 1X , I3 )",     {5},               "   5"},
  WriteRow{"*",               {5},               " 5"},
  WriteRow{"*",               {1.5f, 2, 0.1f},   " 1.5 2 0.1"},
  WriteRow{"()",              {},                ""}
));
// clang-format on

TEST(WriteFormat, SplitsComplexValuesIntoTwoReals) {
  std::vector<Item> items;
  detail::add(items, std::complex<float>(1.5f, -2.25f));
  EXPECT_EQ(joined(format_records("(2F6.2)", items)), "  1.50 -2.25");
}

TEST(WriteFormat, GivesEveryCharacterOfAnArrayAFieldOfItsOwn) {
  std::array<char, 3> line{'A', 'B', 'C'};
  std::vector<Item> items;
  detail::add(items, line);
  // The list ends at the 4th A1: nothing of the second line or the empty records follows.
  EXPECT_EQ(joined(format_records("(1X,132A1,/,1X,132A1,/,/,/)", items)), " ABC");
  // A string is a single item.
  items.clear();
  const std::string abc = "ABC";
  detail::add(items, abc);
  EXPECT_EQ(joined(format_records("(A1,A1)", items)), "A");
}

TEST(WriteFormat, ALongArrayContinuesOnNewRecords) {
  std::string piece(170, 'x');
  std::vector<Item> items;
  detail::add(items, std::span<const char>(piece.data(), piece.size()));
  auto recs = format_records("(80A1)", items);
  ASSERT_EQ(recs.size(), 3u);
  EXPECT_EQ(recs[0], std::string(80, 'x'));
  EXPECT_EQ(recs[2], std::string(10, 'x'));
}

struct BadFormatRow {
  const char* format;
  std::vector<Value> values;
};

class BadFormat : public ::testing::TestWithParam<BadFormatRow> {};

TEST_P(BadFormat, IsAProgrammingError) {
  SCOPED_TRACE(GetParam().format);
  EXPECT_THROW(format_records(GetParam().format, items_of(GetParam().values)), FormatError);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Faults, BadFormat, ::testing::Values(
  BadFormatRow{"I3",          {1}},
  BadFormatRow{"(I3",         {1}},
  BadFormatRow{"(F8)",        {1.0f}},
  BadFormatRow{"(Q4)",        {1}},
  BadFormatRow{"('abc)",      {}},
  BadFormatRow{"(I3) x",      {1}},
  BadFormatRow{"(F8.3)",      {1}},
  BadFormatRow{"(I3)",        {"A"}},
  BadFormatRow{"(A4)",        {2.0f}},
  BadFormatRow{"('only')",    {1}}
));
// clang-format on

// ---------------------------------------------------------------------------
// Input editing, through a file.

class ReadFixture : public ::testing::Test {
 protected:
  void records(const std::string& text) {
    put_file("in.txt", text);
    std::string why;
    ASSERT_TRUE(files.open(1, "in.txt", Access::read, why)) << why;
  }
  ScratchDir dir;
  Files files;
};

struct RealRow {
  const char* format;
  const char* record;
  Io outcome;
  double value;
};

class ReadReal : public ReadFixture, public ::testing::WithParamInterface<RealRow> {};

TEST_P(ReadReal, ReadsTheFieldAsANumberOrTakesTheErrorExit) {
  const RealRow& row = GetParam();
  SCOPED_TRACE(std::string(row.format) + " <" + row.record + ">");
  records(std::string(row.record) + "\n");
  float v = -7.0f;
  EXPECT_EQ(read(files, 1, row.format, v), row.outcome);
  if (row.outcome == Io::ok) {
    EXPECT_FLOAT_EQ(v, static_cast<float>(row.value));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Fields, ReadReal, ::testing::Values(
  RealRow{"(F20.0)", "12.",                      Io::ok,  12.0},
  RealRow{"(F20.0)", "12",                       Io::ok,  12.0},
  RealRow{"(F20.0)", "               1.5E3",     Io::ok,  1500.0},
  RealRow{"(F20.0)", "-2.5",                     Io::ok,  -2.5},
  RealRow{"(F20.0)", "1.5e-2",                   Io::ok,  0.015},
  RealRow{"(F20.0)", "1.5D2",                    Io::ok,  150.0},
  RealRow{"(F20.0)", "1.5+2",                    Io::ok,  150.0},
  RealRow{"(F20.0)", "1 2.",                     Io::ok,  12.0},
  RealRow{"(F20.0)", "",                         Io::ok,  0.0},
  RealRow{"(F20.0)", "1E-60",                    Io::ok,  0.0},
  RealRow{"(F20.0)", "123456789012345678901234", Io::ok,  12345678901234567890.0},
  RealRow{"(F10.2)", "12",                       Io::ok,  0.12},
  RealRow{"(1X,F3.1)", "x2.55",                  Io::ok,  2.5},
  RealRow{"(F20.0)", "SOIL",                     Io::err, 0.0},
  RealRow{"(F20.0)", "1.5E",                     Io::err, 0.0},
  RealRow{"(F20.0)", "1E50",                     Io::err, 0.0},
  RealRow{"(F20.0)", "+.",                       Io::err, 0.0},
  RealRow{"(F20.0)", ".",                        Io::err, 0.0},
  RealRow{"(F20.0)", "1-2",                      Io::ok,  0.01},
  RealRow{"(F20.0)", "1.2.3",                    Io::err, 0.0},
  RealRow{"(F20.0)", "INF",                      Io::err, 0.0}
));
// clang-format on

TEST(InternalRead, ReadsItsOneRecordLikeAUnitRecord) {
  float v = 0;
  int n = 0;
  EXPECT_EQ(read_internal("0.0063617251235193305", "(F21.0)", v), Io::ok);
  EXPECT_FLOAT_EQ(v, 0.0063617251235193305f);
  EXPECT_EQ(read_internal("   7 2.5", "(I4,F4.0)", n, v), Io::ok);
  EXPECT_EQ(n, 7);
  EXPECT_FLOAT_EQ(v, 2.5f);
  EXPECT_EQ(read_internal("1.5X", "(F4.0)", v), Io::err);
  EXPECT_EQ(read_internal("1", "(F4.0,/,F4.0)", v, v), Io::end);  // there is no second record
}

TEST_F(ReadFixture, ReadsIntegersAndRejectsFractions) {
  records("   42\n  4.2\n");
  int n = 0;
  EXPECT_EQ(read(files, 1, "(I5)", n), Io::ok);
  EXPECT_EQ(n, 42);
  EXPECT_EQ(read(files, 1, "(I5)", n), Io::err);
}

TEST_F(ReadFixture, TextFieldsHaveTheirWidthPaddedWithBlanks) {
  records("FOUNDATION\n3.0.15\nRUN\nAB\n");
  std::string word, version, run;
  std::array<char, 3> chars{};
  EXPECT_EQ(read(files, 1, "(A4)", word), Io::ok);
  EXPECT_EQ(read(files, 1, "(A12)", version), Io::ok);
  EXPECT_EQ(read(files, 1, "(20A4)", run), Io::ok);
  EXPECT_EQ(read(files, 1, "(80A1)", chars), Io::ok);
  EXPECT_EQ(word, "FOUN");
  EXPECT_EQ(version, "3.0.15      ");
  EXPECT_EQ(run, "RUN ");
  EXPECT_EQ(std::string(chars.data(), 3), "AB ");
  EXPECT_EQ(read(files, 1, "(A4)", word), Io::end);
}

TEST_F(ReadFixture, ReadsTheRestOfTheRecordAfterAField) {
  records("123456789012345678901234.5\n");
  float v = 0;
  std::string rest;
  EXPECT_EQ(read(files, 1, "(F20.0,A)", v, rest), Io::ok);
  EXPECT_EQ(rest, "1234.5");
}

TEST_F(ReadFixture, ListDirectedValuesSpanRecordsAndRepeat) {
  records("3, 1.5 2*7\n 1\n 2 / 9\n");
  int a = 0, c = 0, d = 0, e = 0, f = -1;
  float b = 0;
  EXPECT_EQ(read(files, 1, "*", a, b, c, d), Io::ok);
  EXPECT_EQ(a, 3);
  EXPECT_FLOAT_EQ(b, 1.5f);
  EXPECT_EQ(c, 7);
  EXPECT_EQ(d, 7);
  EXPECT_EQ(read(files, 1, "*", e, f, f), Io::ok);  // "/" ends the list: f stays as it was after "2"
  EXPECT_EQ(e, 1);
  EXPECT_EQ(f, 2);
  EXPECT_EQ(read(files, 1, "*", e), Io::end);
}

TEST_F(ReadFixture, ListDirectedOutputReadsBack) {
  std::string why;
  ASSERT_TRUE(files.open(2, "out.txt", Access::write, why));
  write(files, 2, "*", 17, 0.1f, -2.5e-7f);
  files.rewind(2);
  int n = 0;
  float x = 0, y = 0;
  EXPECT_EQ(read(files, 2, "*", n, x, y), Io::ok);
  EXPECT_EQ(n, 17);
  EXPECT_EQ(x, 0.1f);
  EXPECT_EQ(y, -2.5e-7f);
}

TEST_F(ReadFixture, ASlashOrTheEndOfTheFormatReadsTheNextRecord) {
  records("1\n2\n3\n");
  int a = 0, b = 0, c = 0;
  EXPECT_EQ(read(files, 1, "(I2,/,I2)", a, b), Io::ok);
  EXPECT_EQ(read(files, 1, "(I2)", c, a), Io::end);  // the format restarts on a record that is not there
  EXPECT_EQ(a, 1);
  EXPECT_EQ(b, 2);
  EXPECT_EQ(c, 3);
}

// ---------------------------------------------------------------------------
// Units and files

class FilesTest : public ::testing::Test {
 protected:
  ScratchDir dir;
  std::string why;
};

TEST_F(FilesTest, RecordsEndWithLfOrCrLf) {
  put_file("d.kqd", "A\r\nB\n\r\nC ");
  Files f;
  ASSERT_TRUE(f.open(4, "d.kqd", Access::read, why));
  std::vector<std::string> got;
  std::string r;
  while (f.get(4, r) == Io::ok) got.push_back(r);
  EXPECT_EQ(got, (std::vector<std::string>{"A", "B", "", "C "}));
}

TEST_F(FilesTest, AnOutputFileStaysAsItWasUntilTheFirstWrite) {
  put_file("job.kqp", "old plot data\r\n");
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp  ", Access::write, why));  // trailing blanks are no part of the name
    EXPECT_TRUE(f.close(6));
  }
  EXPECT_EQ(file_text("job.kqp"), "old plot data\r\n");
  Files f;
  ASSERT_TRUE(f.open(6, "job.kqp", Access::write, why));
  write(f, 6, "*", 3);
  EXPECT_TRUE(f.close(6));
  EXPECT_EQ(file_text("job.kqp"), " 3\n");
}

TEST_F(FilesTest, AWriteEndsTheFileAfterTheRecordWritten) {
  put_file("t", "1\n2\n3\n4\n");
  Files f;
  ASSERT_TRUE(f.open(7, "t", Access::write, why));
  std::string r;
  f.get(7, r);
  f.get(7, r);
  f.put(7, "X");
  f.close(7);
  EXPECT_EQ(file_lines("t"), (std::vector<std::string>{"1", "2", "X"}));
}

TEST_F(FilesTest, BackspaceAndRewindPositionTheUnit) {
  Files f;
  ASSERT_TRUE(f.open(8, "tape", Access::write, why));
  f.put(8, "a");
  f.put(8, "b");
  f.backspace(8);
  std::string r;
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "b");
  EXPECT_EQ(f.get(8, r), Io::end);
  f.backspace(8);  // back in front of the end of file: the next read meets it again
  EXPECT_EQ(f.get(8, r), Io::end);
  f.backspace(8);
  f.backspace(8);
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "b");
  f.rewind(8);
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "a");
  f.rewind(8);
  f.backspace(8);  // at the start nothing happens
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "a");
}

// A unit holds no more of its file than it is reading or about to write: the
// records written are in the file while the unit is still open, and a file
// much larger than what a unit reads at a time is read, and stepped back
// through, record by record.
TEST_F(FilesTest, RecordsGoToTheFileAsTheyAreWritten) {
  const std::string record(79, 'x');
  {
    Files f;
    ASSERT_TRUE(f.open(16, "big.kqo", Access::write, why));
    for (int k = 0; k < 40000; ++k) f.put(16, record);
    EXPECT_GT(std::filesystem::file_size("big.kqo"), 39000u * 80u);
    EXPECT_TRUE(f.close(16));
  }
  EXPECT_EQ(std::filesystem::file_size("big.kqo"), 40000u * 80u);
}

// The scratch tapes read back every character a record was written with.
TEST_F(FilesTest, AWrittenRecordReadsBackAsItWasWritten) {
  Files f;
  ASSERT_TRUE(f.open(8, "TAPE8", Access::write, why));
  f.put(8, "150\r");
  f.put(8, "");
  f.rewind(8);
  std::string r;
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "150\r");
  ASSERT_EQ(f.get(8, r), Io::ok);
  EXPECT_EQ(r, "");
  EXPECT_EQ(f.get(8, r), Io::end);
}

TEST_F(FilesTest, ALargeFileIsReadAndSteppedBackThroughRecordByRecord) {
  std::string text;
  for (int k = 0; k < 30000; ++k) text += "record " + std::to_string(k) + (k % 3 == 0 ? "\r\n" : "\n");
  put_file("deck.kqd", text);
  Files f;
  ASSERT_TRUE(f.open(4, "deck.kqd", Access::read, why));
  std::string r;
  for (int k = 0; k < 30000; ++k) {
    ASSERT_EQ(f.get(4, r), Io::ok);
    ASSERT_EQ(r, "record " + std::to_string(k));
    if (k % 7 == 0) {
      // Back over this record and the one before, and forward again.
      f.backspace(4);
      if (k > 0) {
        f.backspace(4);
        ASSERT_EQ(f.get(4, r), Io::ok);
        ASSERT_EQ(r, "record " + std::to_string(k - 1));
      }
      ASSERT_EQ(f.get(4, r), Io::ok);
      ASSERT_EQ(r, "record " + std::to_string(k));
    }
  }
  EXPECT_EQ(f.get(4, r), Io::end);
}

// A unit that replaces its file leaves the old file as it was until it is
// closed; discarded, or never written, it leaves the old file and nothing
// beside it.
TEST_F(FilesTest, AReplacingUnitTakesTheFilesPlaceOnlyWhenClosed) {
  put_file("job.kqp", " 3\nold\n");
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    write(f, 6, "*", 1);
    f.put(6, "new");
    EXPECT_EQ(file_text("job.kqp"), " 3\nold\n");
    EXPECT_TRUE(f.close(6));
  }
  EXPECT_EQ(file_text("job.kqp"), " 1\nnew\n");
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    f.put(6, "dropped");
    f.discard(6);
    EXPECT_FALSE(f.is_open(6));
  }
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    f.put(6, "an unfinished run");
  }  // a unit left open is discarded
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    EXPECT_TRUE(f.close(6));
  }
  EXPECT_EQ(file_text("job.kqp"), " 1\nnew\n");
  std::vector<std::string> files;
  for (const auto& e : std::filesystem::directory_iterator(".")) files.push_back(e.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"job.kqp"});
}

// A record read for its first characters: the rest of it, however long, is
// passed over and the next record read whole; a CR before the LF is no part
// of a record read to its end.
TEST_F(FilesTest, ARecordReadForItsFirstCharactersPassesOverTheRest) {
  put_file("d.kqd", "ab" + std::string(200000, 'x') + "\r\nnext\r\nabc\r\nabc\r\n" + std::string(70000, 'y'));
  Files f;
  ASSERT_TRUE(f.open(4, "d.kqd", Access::read, why));
  std::string r;
  ASSERT_EQ(f.get(4, r, 2), Io::ok);
  EXPECT_EQ(r, "ab");
  ASSERT_EQ(f.get(4, r, 10), Io::ok);
  EXPECT_EQ(r, "next");
  ASSERT_EQ(f.get(4, r, 3), Io::ok);
  EXPECT_EQ(r, "abc");
  ASSERT_EQ(f.get(4, r, 4), Io::ok);
  EXPECT_EQ(r, "abc");
  ASSERT_EQ(f.get(4, r, 5), Io::ok);
  EXPECT_EQ(r, "yyyyy");
  EXPECT_EQ(f.get(4, r, 5), Io::end);
  f.backspace(4);
  f.backspace(4);
  ASSERT_EQ(f.get(4, r), Io::ok);
  EXPECT_EQ(r, std::string(70000, 'y'));
}

// Where there is no file, a replacing unit makes none until it is closed
// after a write: a run that writes no plot data leaves none in a fresh
// folder.
TEST_F(FilesTest, AReplacingUnitMakesNoFileUntilItIsClosedWritten) {
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    EXPECT_FALSE(std::filesystem::exists("job.kqp"));
    EXPECT_TRUE(f.close(6));
  }
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    f.put(6, "dropped");
    f.discard(6);
  }
  EXPECT_TRUE(std::filesystem::is_empty("."));
  {
    Files f;
    ASSERT_TRUE(f.open(6, "job.kqp", Access::replace, why));
    f.put(6, " 1");
    EXPECT_FALSE(std::filesystem::exists("job.kqp"));
    EXPECT_TRUE(f.close(6));
  }
  EXPECT_EQ(file_text("job.kqp"), " 1\n");
}

struct OpenRow {
  const char* name;
  Access access;
};

class OpenFailure : public FilesTest, public ::testing::WithParamInterface<OpenRow> {};

TEST_P(OpenFailure, LeavesTheUnitUnconnectedWithAReason) {
  std::filesystem::create_directory("folder");
  Files f;
  EXPECT_FALSE(f.open(4, GetParam().name, GetParam().access, why));
  EXPECT_FALSE(why.empty());
  EXPECT_FALSE(f.is_open(4));
  std::string r;
  EXPECT_EQ(f.get(4, r), Io::end);
  EXPECT_THROW(f.put(4, "x"), std::logic_error);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, OpenFailure, ::testing::Values(
  OpenRow{"missing.kqd",     Access::read},
  OpenRow{"",                Access::read},
  OpenRow{"    ",            Access::write},
  OpenRow{"folder",          Access::read},
  OpenRow{"folder",          Access::write},
  OpenRow{"nowhere/job.kqo", Access::write},
  OpenRow{"folder",          Access::replace},
  OpenRow{"nowhere/job.kqp", Access::replace}
));
// clang-format on

TEST_F(FilesTest, TheConsoleReadsItsInputStreamAndWritesItsOutputStream) {
  Files f;
  std::istringstream in("job.kqd\r\n");
  std::ostringstream out;
  f.console_in = &in;
  f.console_out = &out;
  write(f, console, "(/,' ENTER >')");
  std::string name;
  EXPECT_EQ(read(f, console, "(A8)", name), Io::ok);
  EXPECT_EQ(name, "job.kqd ");
  EXPECT_EQ(read(f, console, "(A8)", name), Io::end);
  EXPECT_EQ(out.str(), "\n ENTER >\n");
  f.console_in = nullptr;
  EXPECT_EQ(read(f, console, "(A8)", name), Io::end);
}

}  // namespace
}  // namespace zav::io
