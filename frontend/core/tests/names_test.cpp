// The names the program gives a project: its display name and the caption,
// the project named on the command line, and the run's names file.
#include "SampleProjects.h"

#include "core/ProjectNames.h"
#include "core/RunNamesFile.h"

#include <QDir>

#include <gtest/gtest.h>

namespace zavik {
namespace {

using namespace testing;

struct DisplayCase {
  const char* Path;
  const char* Shown;
};

void PrintTo(const DisplayCase& C, std::ostream* Os) { *Os << C.Path; }

class DisplayNameTest : public ::testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayNameTest, ShowsTheProjectAsTheUserNamedIt) {
  EXPECT_EQ(ProjectDisplayName(QString::fromUtf8(GetParam().Path)), QString::fromUtf8(GetParam().Shown));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, DisplayNameTest, ::testing::Values(
    DisplayCase{"/home/ann/my.deck.kqd",   "My"},           // from the first "." on
    DisplayCase{"/home/ann/pump.KQD",      "Pump"},         // the extension in any case
    DisplayCase{"NewData.kqd",             "NewData"},
    DisplayCase{"/w/a.kqd",                "a"},            // one character keeps its case
    DisplayCase{"/w/notes.txt",            "Notes.txt"},    // another extension stays
    DisplayCase{"/w/pump",                 "Pump"},
    DisplayCase{"/w.old/pump.kqd",         "Pump"},         // a folder's "." is no part of it
    DisplayCase{"/w/\xc3\xa9tude.kqd",     "\xc3\x89tude"}, // capitals beyond ASCII
    DisplayCase{"/w/.kqd",                 ""}));
// clang-format on

TEST(Caption, IsTheProductAndVersionThenTheDisplayName) {
  EXPECT_EQ(GetVersionText(), QStringLiteral("3.0.15"));
  EXPECT_EQ(MainCaption(QStringLiteral("/srv/jobs/fan.block.kqd")), QStringLiteral("ZAVIK 3.0.15 - Fan"));
  EXPECT_EQ(MainCaption(QLatin1String(NewProjectFileName)), QStringLiteral("ZAVIK 3.0.15 - NewData"));
}

// A folder holding job.kqd, job.txt and a file named exactly "plain".
class CommandLineTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    ASSERT_TRUE(QDir(Dir.path()).mkdir(QStringLiteral("v1.2")));
    for (const char* name : {"job.kqd", "job.txt", "plain", "v1.2/job.kqd"})
      ASSERT_TRUE(PutFile(Dir.filePath(QLatin1String(name)), "TITLE=x\r\n"));
    Old = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(Dir.path()));
  }
  void TearDown() override { QDir::setCurrent(Old); }

  QString Start(const QStringList& Parameters) {
    return CommandLineProject(QStringList{QStringLiteral("Zavik3")} + Parameters);
  }

  QTemporaryDir Dir;
  QString Old;
};

TEST_F(CommandLineTest, NameWithoutExtensionGetsKqd) {
  EXPECT_EQ(Start({QStringLiteral("job")}), Dir.filePath(QStringLiteral("job.kqd")));
  // A "." in a folder name is no extension of the file.
  EXPECT_EQ(Start({QStringLiteral("v1.2/job")}), Dir.filePath(QStringLiteral("v1.2/job.kqd")));
  // "plain" exists, but the name asked for is plain.kqd.
  EXPECT_EQ(Start({QStringLiteral("plain")}), QString());
}

TEST_F(CommandLineTest, NameWithExtensionIsTriedUnchanged) {
  EXPECT_EQ(Start({QStringLiteral("job.txt")}), Dir.filePath(QStringLiteral("job.txt")));
  EXPECT_EQ(Start({Dir.filePath(QStringLiteral("job.kqd"))}), Dir.filePath(QStringLiteral("job.kqd")));
}

TEST_F(CommandLineTest, OnlyTheFirstParameterCountsAndAMissingFileIsANewProject) {
  EXPECT_EQ(Start({QStringLiteral("missing"), QStringLiteral("job")}), QString());
  EXPECT_EQ(Start({QStringLiteral("job"), QStringLiteral("missing")}), Dir.filePath(QStringLiteral("job.kqd")));
  EXPECT_EQ(Start({}), QString());
  EXPECT_EQ(Start({QStringLiteral("v1.2")}), QString());  // a folder is no project
}

struct ExtCase {
  const char* Name;
  const char* Ext;
  const char* Result;
};

void PrintTo(const ExtCase& C, std::ostream* Os) { *Os << C.Name << " + " << C.Ext; }

class SideFileNameTest : public ::testing::TestWithParam<ExtCase> {};

TEST_P(SideFileNameTest, FollowsTheDecksNameWithoutItsKqdOnly) {
  EXPECT_EQ(SideFileName(QString::fromUtf8(GetParam().Name), QLatin1String(GetParam().Ext)),
            QString::fromUtf8(GetParam().Result));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Names, SideFileNameTest, ::testing::Values(
    ExtCase{"/w/job.kqd",         ".kqo", "/w/job.kqo"},
    ExtCase{"/w/job.v2.kqd",      ".kqp", "/w/job.v2.kqp"},
    ExtCase{"/w/pump.KQD",        ".kqm", "/w/pump.kqm"},          // the extension in any case
    ExtCase{"/w/job v1.2",        ".kqo", "/w/job v1.2.kqo"},      // two decks of one folder,
    ExtCase{"/w/job v1.3",        ".kqo", "/w/job v1.3.kqo"},      // two reports
    ExtCase{"/w/notes.txt",       ".kqt", "/w/notes.txt.kqt"},     // another extension is part of the stem
    ExtCase{"/w.1/job",           ".kqm", "/w.1/job.kqm"},
    ExtCase{"/w/job.",            ".kqt", "/w/job..kqt"},
    ExtCase{"/w/job.kqd.kqd",     ".kqr", "/w/job.kqd.kqr"},
    ExtCase{"/w/\xc3\xa9tude.kqd", ".kqp", "/w/\xc3\xa9tude.kqp"},
    ExtCase{"/w/my job.kqd ",     ".kqr", "/w/my job.kqd .kqr"}));  // blanks as they are
// clang-format on

TEST(DeckName, SavedWithTheProgramsFilterItEndsInKqd) {
  EXPECT_EQ(WithDeckExtension(QStringLiteral("/w/job v1.2")), QStringLiteral("/w/job v1.2.kqd"));
  EXPECT_EQ(WithDeckExtension(QStringLiteral("/w/job")), QStringLiteral("/w/job.kqd"));
  EXPECT_EQ(WithDeckExtension(QStringLiteral("/w/job.kqd")), QStringLiteral("/w/job.kqd"));
  EXPECT_EQ(WithDeckExtension(QStringLiteral("/w/job.KQD")), QStringLiteral("/w/job.KQD"));
  EXPECT_EQ(WithDeckExtension(QStringLiteral("/w/notes.txt")), QStringLiteral("/w/notes.txt.kqd"));
}

TEST(RunNames, SevenLinesForTheEngineAndSixForTheViewer) {
  const QStringList run = RunNamesLines(QStringLiteral("/home/ann/w/job.kqd"));
  EXPECT_EQ(run, (QStringList{"3.0.15", "/home/ann/w/job.kqd", "/home/ann/w/job.kqo", "/home/ann/w/job.kqp",
                              "/home/ann/w/job.kqr", "/home/ann/w/job.kqt", "/home/ann/w/job.kqm"}));
  EXPECT_EQ(ViewerNamesLines(QStringLiteral("/home/ann/w/job.kqd")), run.mid(1));
  EXPECT_EQ(RunNamesLines(QStringLiteral("/data/v1.5/job")).mid(2, 2),
            (QStringList{"/data/v1.5/job.kqo", "/data/v1.5/job.kqp"}));
  EXPECT_EQ(RunNamesLines(QStringLiteral("/data/job v1.2")).mid(2, 2),
            (QStringList{"/data/job v1.2.kqo", "/data/job v1.2.kqp"}));
}

TEST(RunNames, WrittenAsTheyAreWithCrLf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString names = dir.filePath(QStringLiteral("names.dat"));
  const QString deck = QStringLiteral("/w/Fundament f\u00fcr Pumpe 2.kqd");
  WriteRunNamesFile(names, RunNamesLines(deck));
  const QByteArray bytes = FileBytes(names);
  EXPECT_TRUE(bytes.startsWith("3.0.15\r\n/w/Fundament f\xc3\xbcr Pumpe 2.kqd\r\n")) << bytes.toStdString();
  EXPECT_TRUE(bytes.endsWith("/w/Fundament f\xc3\xbcr Pumpe 2.kqm\r\n")) << bytes.toStdString();
  EXPECT_EQ(bytes.count("\r\n"), 7);

  EXPECT_THROW(WriteRunNamesFile(dir.filePath(QStringLiteral("no/such/folder/names.dat")), {"3.0.15"}),
               EInOutError);
}

// The engine reads 256 bytes of a line and drops trailing blanks: a name it
// would take for another file is refused before the run.
TEST(RunNames, NamesTheEngineWouldMisreadAreRefused) {
  const QString folder = QStringLiteral("/w/") + QString(240, QLatin1Char('d')) + QLatin1Char('/');
  EXPECT_EQ(RunNamesProblem(RunNamesLines(folder + QStringLiteral("abcd.kqd"))), QString());  // 252 bytes
  EXPECT_NE(RunNamesProblem(RunNamesLines(folder + QStringLiteral("abcdefghijklm.kqd"))), QString());
  // Two bytes per character in UTF-8: 125 of them make a name of 255 bytes.
  EXPECT_EQ(RunNamesProblem(RunNamesLines(QStringLiteral("/") + QString(125, QChar(0xfc)) + ".kqd")), QString());
  EXPECT_NE(RunNamesProblem(RunNamesLines(QStringLiteral("/") + QString(130, QChar(0xfc)) + ".kqd")), QString());
  EXPECT_NE(RunNamesProblem(RunNamesLines(QStringLiteral("/w/two\nlines.kqd"))), QString());
  EXPECT_NE(RunNamesProblem(RunNamesLines(QStringLiteral("/w/job.kqd "))), QString());
}

}  // namespace
}  // namespace zavik
