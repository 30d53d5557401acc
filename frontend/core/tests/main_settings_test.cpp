// The user's settings of the main window: the recent-file list, how its items
// read in the File menu, the text editor, and where they are kept.
#include "core/MainSettings.h"

#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace zavik {
namespace {

// Settings in a file of their own, and the same file read afresh.
class RecentFilesTest : public ::testing::Test {
protected:
  void SetUp() override { ASSERT_TRUE(Dir.isValid()); }

  std::unique_ptr<QSettings> Store() const {
    return std::make_unique<QSettings>(Dir.filePath(QStringLiteral("zavik.ini")), QSettings::IniFormat);
  }
  QStringList Stored() const {
    auto s = Store();
    s->beginGroup(QStringLiteral("3.0.15"));
    QStringList files;
    for (int i = 1; i <= 10; ++i) files << s->value(QStringLiteral("File%1").arg(i)).toString();
    return files;
  }
  static QStringList List(const TMainSettings& S) { return {S.RecentFiles().begin(), S.RecentFiles().end()}; }
  // Paths "p1" .. "pN" put in the list one after the other: pN ends at the head.
  void Fill(TMainSettings& S, int N) {
    for (int i = 1; i <= N; ++i) S.UpdatePrevFile(QStringLiteral("/w/p%1.kqd").arg(i));
  }
  static QStringList Paths(std::initializer_list<int> Numbers) {
    QStringList l;
    for (int n : Numbers) l << (n ? QStringLiteral("/w/p%1.kqd").arg(n) : QString());
    return l;
  }

  QTemporaryDir Dir;
};

TEST_F(RecentFilesTest, NewPathsGoToTheHeadAndTheEleventhDropsTheOldest) {
  TMainSettings s(Store());
  Fill(s, 3);
  EXPECT_EQ(List(s), Paths({3, 2, 1, 0, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(s.RecentCount(), 3);
  Fill(s, 11);  // p1 .. p3 come up again, then p4 .. p11
  EXPECT_EQ(List(s), Paths({11, 10, 9, 8, 7, 6, 5, 4, 3, 2}));
  EXPECT_EQ(s.RecentCount(), 10);
  EXPECT_EQ(Stored(), List(s));  // written at once
}

TEST_F(RecentFilesTest, AKnownPathMovesToTheHeadAndThoseAboveItMoveDown) {
  TMainSettings s(Store());
  Fill(s, 6);  // p6 p5 p4 p3 p2 p1
  EXPECT_TRUE(s.UpdatePrevFile(QStringLiteral("/w/p2.kqd")));  // at position 4
  EXPECT_EQ(List(s), Paths({2, 6, 5, 4, 3, 1, 0, 0, 0, 0}));
  EXPECT_TRUE(s.UpdatePrevFile(QStringLiteral("/w/p1.kqd")));  // the last one
  EXPECT_EQ(List(s), Paths({1, 2, 6, 5, 4, 3, 0, 0, 0, 0}));
  EXPECT_EQ(s.RecentCount(), 6);
  EXPECT_EQ(Stored(), List(s));
}

TEST_F(RecentFilesTest, ThePathAtTheHeadChangesNothingNotEvenTheStore) {
  TMainSettings s(Store());
  Fill(s, 2);
  s.WordProcessor = QStringLiteral("/usr/bin/gedit");  // not yet written
  EXPECT_FALSE(s.UpdatePrevFile(QStringLiteral("/w/p2.kqd")));
  EXPECT_EQ(List(s), Paths({2, 1, 0, 0, 0, 0, 0, 0, 0, 0}));
  auto stored = Store();
  EXPECT_EQ(stored->value(QStringLiteral("3.0.15/Word Processor")).toString(), QString());
  // The comparison is exact: another case is another file.
  EXPECT_TRUE(s.UpdatePrevFile(QStringLiteral("/w/P2.kqd")));
  EXPECT_EQ(s.RecentCount(), 3);
}

TEST_F(RecentFilesTest, ReadBackAsWrittenWithTheEditor) {
  {
    TMainSettings s(Store());
    s.WordProcessor = QStringLiteral("/opt/my editor/edit");
    Fill(s, 4);
    s.UpdateRegistry();
  }
  TMainSettings again(Store());
  again.Read();
  EXPECT_EQ(again.WordProcessor, QStringLiteral("/opt/my editor/edit"));
  EXPECT_EQ(List(again), Paths({4, 3, 2, 1, 0, 0, 0, 0, 0, 0}));
  EXPECT_EQ(again.RecentCount(), 4);
}

TEST_F(RecentFilesTest, MissingOrEmptyValuesReadAsNoEntries) {
  {
    auto s = Store();
    s->setValue(QStringLiteral("3.0.15/File2"), QStringLiteral("/w/b.kqd"));
    s->setValue(QStringLiteral("3.0.15/File5"), QStringLiteral("/w/e.kqd"));
    s->setValue(QStringLiteral("3.0.15/File1"), QString());
  }
  TMainSettings s(Store());
  s.Read();
  EXPECT_EQ(s.WordProcessor, QString());
  EXPECT_EQ(s.RecentCount(), 2);
  EXPECT_EQ(s.RecentFiles()[0], QStringLiteral("/w/b.kqd"));
  EXPECT_EQ(s.RecentFiles()[1], QStringLiteral("/w/e.kqd"));

  TMainSettings none(std::make_unique<QSettings>(Dir.filePath(QStringLiteral("absent.ini")), QSettings::IniFormat));
  none.Read();
  EXPECT_EQ(none.RecentCount(), 0);
}

// The user's own store: organisation Kaventa, application ZAVIK, group 3.0.15
// (the test main points the user's configuration folder at a scratch one).
TEST(UserSettings, KeptUnderTheMakersKey) {
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  ASSERT_FALSE(config.isEmpty());
  {
    TMainSettings s;
    s.WordProcessor = QStringLiteral("/usr/bin/kate");
    s.UpdatePrevFile(QStringLiteral("/w/pump.kqd"));
  }
  QSettings plain(QSettings::UserScope, QStringLiteral("Kaventa"), QStringLiteral("ZAVIK"));
  EXPECT_EQ(QFileInfo(plain.fileName()).absolutePath(), config + QStringLiteral("/Kaventa"));
  plain.beginGroup(QStringLiteral("3.0.15"));
  EXPECT_EQ(plain.value(QStringLiteral("Word Processor")).toString(), QStringLiteral("/usr/bin/kate"));
  EXPECT_EQ(plain.value(QStringLiteral("File1")).toString(), QStringLiteral("/w/pump.kqd"));
  EXPECT_TRUE(plain.contains(QStringLiteral("File10")));
}

struct CaptionCase {
  int Index;
  const char* Path;
  const char* Folder;
  const char* Caption;
};

void PrintTo(const CaptionCase& C, std::ostream* Os) { *Os << C.Path << " in " << C.Folder; }

class RecentCaptionTest : public ::testing::TestWithParam<CaptionCase> {};

TEST_P(RecentCaptionTest, ShortenedBehindTheCurrentFolder) {
  const CaptionCase& c = GetParam();
  EXPECT_EQ(RecentItemCaption(c.Index, QString::fromUtf8(c.Path), QString::fromUtf8(c.Folder)),
            QString::fromUtf8(c.Caption));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Captions, RecentCaptionTest, ::testing::Values(
    CaptionCase{0, "/home/ann/w/pump.kqd",     "/home/ann/w",  "1 pump.kqd"},
    CaptionCase{9, "/home/ann/w/sub/fan.kqd",  "/home/ann/w",  "10 sub/fan.kqd"},
    CaptionCase{1, "/home/ann/wx/pump.kqd",    "/home/ann/w",  "2 /home/ann/wx/pump.kqd"},  // not a folder of it
    CaptionCase{2, "/home/ann/w/pump.kqd",     "/home/bob",    "3 /home/ann/w/pump.kqd"},
    CaptionCase{3, "/home/ann/w/pump.kqd",     "/",            "4 /home/ann/w/pump.kqd"},
    CaptionCase{4, "/w/R&D/pump.kqd",          "/tmp",         "5 /w/R&&D/pump.kqd"}));     // shown as "&"
// clang-format on

}  // namespace
}  // namespace zavik
