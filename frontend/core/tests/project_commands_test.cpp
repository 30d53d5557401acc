// File Save, Save As and the question whether to save changes, over a window
// that answers as a user would; the project is written for real.
#include "SampleProjects.h"

#include "core/AnalysisRun.h"
#include "core/ProjectCommands.h"
#include "core/ProjectNames.h"

#include <QFileInfo>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <deque>

namespace zavik {
namespace {

using namespace testing;

class TScriptedWindow : public TProjectWindow {
public:
  TScriptedWindow() : Data(Tables) {}

  TProgramData& Project() override { return Data; }
  bool IsModified() override { return Tables.Modified(); }
  TSaveAnswer AskSaveChanges() override {
    ++Questions;
    return Answer;
  }
  QString AskSaveFileName(const QString& Title, const QString& FileName) override {
    Dialogs << Title + QStringLiteral(" | ") + FileName;
    return SaveName;
  }
  void ShowMessage(const QString& Text) override { Messages << Text; }
  void ProjectRenamed() override { Renamed << Data.FileName; }
  bool ProjectIncomplete() override { return Incomplete; }

  TProjectTables Tables;
  TProgramData Data;
  TSaveAnswer Answer = TSaveAnswer::Cancel;
  bool Incomplete = false;  // read from a file that was no complete deck
  QString SaveName;  // what the save dialog returns
  int Questions = 0;
  QStringList Dialogs, Messages, Renamed;
};

class SaveQuestionTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    W.Data.Title = QStringLiteral("Compressor block");
  }
  QString Path(const char* Name) const { return Dir.filePath(QLatin1String(Name)); }
  void Edit() { W.Tables.SetModified(true); }

  QTemporaryDir Dir;
  TScriptedWindow W;
};

TEST_F(SaveQuestionTest, AnUnchangedProjectIsNotAsked) {
  EXPECT_TRUE(QuerySaveChanges(W));
  EXPECT_EQ(W.Questions, 0);
}

struct AnswerCase {
  const char* Name;
  TSaveAnswer Answer;
  bool MayClose;
  bool Saved;
};

void PrintTo(const AnswerCase& C, std::ostream* Os) { *Os << C.Name; }

class SaveAnswerTest : public SaveQuestionTest, public ::testing::WithParamInterface<AnswerCase> {};

TEST_P(SaveAnswerTest, OfAProjectWithAName) {
  W.Data.FileName = Path("pump.kqd");
  Edit();
  W.Answer = GetParam().Answer;
  EXPECT_EQ(QuerySaveChanges(W), GetParam().MayClose);
  EXPECT_EQ(W.Questions, 1);
  EXPECT_EQ(QFileInfo::exists(Path("pump.kqd")), GetParam().Saved);
  EXPECT_EQ(W.IsModified(), !GetParam().Saved);
  EXPECT_TRUE(W.Dialogs.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Answers, SaveAnswerTest, ::testing::Values(
    AnswerCase{"Cancel", TSaveAnswer::Cancel, false, false},
    AnswerCase{"No",     TSaveAnswer::No,     true,  false},
    AnswerCase{"Yes",    TSaveAnswer::Yes,    true,  true}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(SaveQuestionTest, YesForANewProjectAsksForItsName) {
  Edit();
  W.Answer = TSaveAnswer::Yes;
  W.SaveName = Path("fan.kqd");
  EXPECT_TRUE(QuerySaveChanges(W));
  EXPECT_EQ(W.Dialogs, QStringList{QStringLiteral("Save NewData As | NewData.kqd")});
  EXPECT_EQ(W.Data.FileName, Path("fan.kqd"));
  EXPECT_EQ(W.Renamed, QStringList{Path("fan.kqd")});
  EXPECT_TRUE(FileLines(Path("fan.kqd")).contains(QStringLiteral("TITLE=Compressor block")));
  EXPECT_FALSE(W.IsModified());
}

TEST_F(SaveQuestionTest, YesThenCancellingSaveAsKeepsTheProjectOpen) {
  Edit();
  W.Answer = TSaveAnswer::Yes;
  EXPECT_FALSE(QuerySaveChanges(W));
  EXPECT_EQ(W.Data.FileName, QLatin1String(NewProjectFileName));
  EXPECT_TRUE(W.Renamed.isEmpty());
  EXPECT_TRUE(W.IsModified());
}

// A save that fails after Yes must not let the project be closed or replaced:
// its changes exist nowhere else.
TEST_F(SaveQuestionTest, YesWhoseSaveFailsKeepsTheProjectOpen) {
  W.Data.FileName = Path("gone/pump.kqd");
  Edit();
  W.Answer = TSaveAnswer::Yes;
  EXPECT_FALSE(QuerySaveChanges(W));
  ASSERT_EQ(W.Messages.size(), 1);
  EXPECT_TRUE(W.Messages[0].contains(Path("gone/pump.kqd"))) << W.Messages[0].toStdString();
  EXPECT_TRUE(W.IsModified());
}

// A project read only partly from its file (one that is no deck) is not
// written over that file: Save asks for a name.
TEST_F(SaveQuestionTest, AnIncompleteProjectIsSavedUnderANameTheUserChooses) {
  const QString notes = Path("notes.txt");
  {
    QFile f(notes);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("Site visit notes\n");
  }
  W.Data.FileName = notes;
  W.Incomplete = true;
  EXPECT_FALSE(FileSave(W));
  EXPECT_EQ(W.Dialogs, QStringList{QStringLiteral("Save Notes.txt As | ") + notes});
  EXPECT_EQ(FileLines(notes), QStringList{QStringLiteral("Site visit notes")});
  W.SaveName = Path("site.kqd");
  EXPECT_TRUE(FileSave(W));
  EXPECT_EQ(W.Data.FileName, Path("site.kqd"));
  EXPECT_EQ(FileLines(notes), QStringList{QStringLiteral("Site visit notes")});
}

TEST_F(SaveQuestionTest, SaveAsThatFailsKeepsTheOldName) {
  W.Data.FileName = Path("pump.kqd");
  ASSERT_TRUE(FileSave(W));
  Edit();
  W.SaveName = Path("gone/pump2.kqd");
  EXPECT_FALSE(FileSaveAs(W));
  EXPECT_EQ(W.Dialogs, QStringList{QStringLiteral("Save Pump As | ") + Path("pump.kqd")});
  EXPECT_EQ(W.Data.FileName, Path("pump.kqd"));
  EXPECT_EQ(W.Messages.size(), 1);
  EXPECT_TRUE(W.Renamed.isEmpty());
  EXPECT_TRUE(W.IsModified());
}

TEST_F(SaveQuestionTest, SaveAsKeepsTheNameAbsolute) {
  const QString old = QDir::currentPath();
  ASSERT_TRUE(QDir::setCurrent(Dir.path()));
  W.SaveName = QStringLiteral("relative.kqd");
  const bool saved = FileSaveAs(W);
  QDir::setCurrent(old);
  EXPECT_TRUE(saved);
  EXPECT_EQ(W.Data.FileName, Path("relative.kqd"));
}

TEST_F(SaveQuestionTest, ANewProjectWhoseSaveAsIsCancelledIsNotRun) {
  TAnalysisRun run;
  QSignalSpy started(&run, &TAnalysisRun::Started), failed(&run, &TAnalysisRun::Failed);
  EXPECT_FALSE(CompRun(W, run));
  EXPECT_EQ(W.Dialogs.size(), 1);
  EXPECT_EQ(started.count() + failed.count(), 0);
  EXPECT_FALSE(run.Busy());
}

}  // namespace
}  // namespace zavik
