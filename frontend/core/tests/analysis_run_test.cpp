// The analysis run on the engine library built here: example decks run in a
// private folder, under a German locale as under C, one after the other,
// refused and failed runs, and nothing left behind.
#include "SampleProjects.h"

#include "core/AnalysisRun.h"
#include "core/ProjectNames.h"
#include "core/RunResult.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <map>

namespace zavik {
namespace {

using namespace testing;

const QString Examples = QStringLiteral(ZAV_EXAMPLES_DIR);

QStringList Entries(const QString& Folder) {
  return QDir(Folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                QDir::Name);
}

// The report's run date and time are the only bytes that differ between two
// runs of one deck.
QByteArray WithoutRunTime(QByteArray Report) {
  static const QRegularExpression stamp(QStringLiteral("(RUN DATE -|TIME     -)  [0-9:-]+"));
  return QString::fromLatin1(Report).replace(stamp, QStringLiteral("\\1  (time)")).toLatin1();
}

struct TOutcome {
  bool Started = false;
  QString Failure;  // the message of a refused run
  int Status = -1;
  bool PlotWritten = false;
  QString PlotFile;
};

// Runs a deck and waits for the engine; tells what the window would be told.
TOutcome RunAndWait(TAnalysisRun& Run, const QString& Deck) {
  TOutcome out;
  QSignalSpy started(&Run, &TAnalysisRun::Started);
  QSignalSpy finished(&Run, &TAnalysisRun::Finished);
  QSignalSpy failed(&Run, &TAnalysisRun::Failed);
  out.Started = Run.Start(Deck);
  EXPECT_EQ(started.count(), out.Started ? 1 : 0);
  if (!out.Started) {
    EXPECT_EQ(failed.count(), 1);
    if (!failed.isEmpty()) out.Failure = failed.at(0).at(0).toString();
    EXPECT_FALSE(Run.Busy());
    return out;
  }
  // The engine's return reaches the window thread through its event loop:
  // Start is back while the engine is still being waited for.
  EXPECT_TRUE(Run.Busy());
  EXPECT_EQ(finished.count(), 0);
  EXPECT_TRUE(finished.wait(300000));
  EXPECT_EQ(failed.count(), 0);
  EXPECT_FALSE(Run.Busy());
  if (finished.isEmpty()) return out;
  out.Status = finished.at(0).at(0).toInt();
  out.PlotFile = finished.at(0).at(1).toString();
  out.PlotWritten = finished.at(0).at(2).toBool();
  return out;
}

// A scratch root holding the project folder and the folder that stands for
// the system's temporary folder, so that whatever a run leaves is seen.
class AnalysisRunTest : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(Root.isValid());
    ASSERT_TRUE(QDir(Root.path()).mkpath(QStringLiteral("tmp")));
    ASSERT_TRUE(QDir(Root.path()).mkpath(QStringLiteral("project")));
    Tmp = Root.filePath(QStringLiteral("tmp"));
    Project = Root.filePath(QStringLiteral("project"));
    OldTmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(Tmp));
    ASSERT_EQ(QDir::tempPath(), Tmp);
    OldFolder = Current = QDir::currentPath();
  }
  void TearDown() override {
    if (OldTmp.isNull()) qunsetenv("TMPDIR");
    else qputenv("TMPDIR", OldTmp);
    QDir::setCurrent(OldFolder);
  }

  // The example deck and its mass file, copied into the project folder.
  QString CopyExample(const char* Stem, const QString& As = QString()) {
    const QString name = As.isEmpty() ? QLatin1String(Stem) : As;
    for (const char* ext : {".kqd", ".kqm"}) {
      const QString to = Project + QLatin1Char('/') + name + QLatin1String(ext);
      QFile::remove(to);
      EXPECT_TRUE(QFile::copy(Examples + QLatin1Char('/') + QLatin1String(Stem) + QLatin1String(ext), to));
    }
    return Project + QLatin1Char('/') + name + QStringLiteral(".kqd");
  }

  // The run left the process as it found it and nothing of its own.
  void ExpectNothingLeftBehind() {
    EXPECT_EQ(QDir::currentPath(), Current);
    EXPECT_EQ(Entries(Tmp), QStringList());
  }

  QTemporaryDir Root;
  QString Tmp, Project;
  QString OldFolder;  // restored after the test
  QString Current;    // the current folder that a run must leave as it is
  QByteArray OldTmp;
};

TEST_F(AnalysisRunTest, TheEngineIsTheLibraryBesideTheProgram) {
  TAnalysisRun run;
  EXPECT_EQ(run.LibraryName(), QCoreApplication::applicationDirPath() + QStringLiteral("/Zav3-comp.so"));
  EXPECT_TRUE(QFileInfo(run.LibraryName()).isFile());
}

TEST_F(AnalysisRunTest, ReportAndPlotDataLandBesideTheDeckAndNothingElseRemains) {
  const QString deck = CopyExample("half-space-harmonic");
  TAnalysisRun run;
  const TOutcome out = RunAndWait(run, deck);
  EXPECT_EQ(out.Status, 0);
  EXPECT_TRUE(out.PlotWritten);
  EXPECT_EQ(out.PlotFile, Project + QStringLiteral("/half-space-harmonic.kqp"));
  EXPECT_EQ(run.ReportFile(), Project + QStringLiteral("/half-space-harmonic.kqo"));
  EXPECT_EQ(Entries(Project), (QStringList{"half-space-harmonic.kqd", "half-space-harmonic.kqm",
                                           "half-space-harmonic.kqo", "half-space-harmonic.kqp"}));
  ExpectNothingLeftBehind();
  EXPECT_TRUE(FileBytes(run.ReportFile()).contains("FOOTING RESPONSE")) << FileBytes(run.ReportFile()).toStdString();
  EXPECT_EQ(FileLines(out.PlotFile).value(0).trimmed(), QStringLiteral("50"));
}

// The engine's own warning reaches the run's message: a multilayer column
// whose constants line and first element line are swapped (unit weight
// 400000, E = 20) completes with constants no passive foundation has, and the
// message counts the lines its report warned of; the shipped deck is told as
// a plain completed run.
TEST_F(AnalysisRunTest, TheMessageCountsTheLinesTheEngineWarnedOf) {
  const QString deck = CopyExample("multilayer-column");
  TAnalysisRun run;
  EXPECT_EQ(RunAndWait(run, deck).Status, 0);
  EXPECT_EQ(RunResult(0, run.ReportFile()).Message, TAnalysisRun::CompletedMessage);

  QStringList lines = QString::fromLatin1(FileBytes(deck)).split(QStringLiteral("\r\n"));
  ASSERT_GT(lines.size(), 11);
  ASSERT_EQ(lines[9].trimmed(), QStringLiteral("0 0 0.7 6 20"));
  lines.swapItemsAt(9, 10);
  ASSERT_TRUE(PutFile(deck, lines.join(QStringLiteral("\r\n")).toLatin1()));
  EXPECT_EQ(RunAndWait(run, deck).Status, 0);
  const std::optional<TReportWarning> warning = ReportWarning(run.ReportFile());
  ASSERT_TRUE(warning) << FileBytes(run.ReportFile()).right(400).toStdString();
  EXPECT_GT(warning->Warned, 0);
  EXPECT_EQ(warning->Lines, 40);
  const TRunResult result = RunResult(0, run.ReportFile());
  EXPECT_TRUE(result.Completed);
  EXPECT_TRUE(result.OfferReport);
  EXPECT_TRUE(result.Message.contains(QStringLiteral("%1 of the 40 frequency lines").arg(warning->Warned)))
      << result.Message.toStdString();
}

// A deck named relatively is found after the run has left the current folder.
TEST_F(AnalysisRunTest, ARelativeDeckNameIsTakenFromTheCurrentFolder) {
  CopyExample("stratum-rectangular");
  ASSERT_TRUE(QDir::setCurrent(Project));
  Current = Project;
  TAnalysisRun run;
  const TOutcome out = RunAndWait(run, QStringLiteral("stratum-rectangular.kqd"));
  EXPECT_EQ(out.Status, 0);
  EXPECT_EQ(run.DeckFile(), Project + QStringLiteral("/stratum-rectangular.kqd"));
  EXPECT_TRUE(QFileInfo::exists(Project + QStringLiteral("/stratum-rectangular.kqo")));
  EXPECT_TRUE(out.PlotWritten);
  ExpectNothingLeftBehind();
}

// Each run loads the library afresh and starts from fresh engine data: a run
// after another deck's run gives what the first run of its deck gave.
TEST_F(AnalysisRunTest, RunsInARowEachGiveTheirOwnResult) {
  const QString a = CopyExample("single-pile");
  const QString b = CopyExample("half-space-transient");
  TAnalysisRun run;
  std::map<QString, QByteArray> first;
  for (const QString& deck : {a, b, a, b}) {
    SCOPED_TRACE(deck.toStdString());
    const TOutcome out = RunAndWait(run, deck);
    EXPECT_EQ(out.Status, 0);
    EXPECT_TRUE(out.PlotWritten);
    const QByteArray result = WithoutRunTime(FileBytes(SideFileName(deck, QStringLiteral(".kqo")))) + "\n" +
                              FileBytes(SideFileName(deck, QStringLiteral(".kqp")));
    auto [at, isFirst] = first.emplace(deck, result);
    if (!isFirst) {
      EXPECT_EQ(result, at->second);
    }
    ExpectNothingLeftBehind();
  }
  EXPECT_NE(first[a], first[b]);
}

// The engine leaves a plot-data file it did not get to write as it was: after
// a run that stopped at an input error the older file is no result.
TEST_F(AnalysisRunTest, AFailedRunDoesNotOfferAnOlderPlotFile) {
  const QString deck = CopyExample("half-space-harmonic");
  TAnalysisRun run;
  const TOutcome good = RunAndWait(run, deck);
  ASSERT_EQ(good.Status, 0);
  ASSERT_TRUE(good.PlotWritten);
  const QByteArray older = FileBytes(good.PlotFile);

  QByteArray text = FileBytes(deck);
  text.replace("FOUNDATION=HALF-SPACE", "FOUNDATION=CAISSON");
  ASSERT_TRUE(PutFile(deck, text));
  const TOutcome failed = RunAndWait(run, deck);
  EXPECT_EQ(failed.Status, 3);
  EXPECT_FALSE(failed.PlotWritten);
  EXPECT_EQ(FileBytes(good.PlotFile), older);
  EXPECT_TRUE(FileBytes(run.ReportFile()).contains("FATAL ERROR IN INPUT DATA"));
  ExpectNothingLeftBehind();

  // Mended, the deck runs, and its plot data is offered again.
  ASSERT_TRUE(PutFile(deck, FileBytes(Examples + QStringLiteral("/half-space-harmonic.kqd"))));
  EXPECT_TRUE(RunAndWait(run, deck).PlotWritten);
}

TEST_F(AnalysisRunTest, ASecondStartWhileTheEngineRunsIsRefused) {
  const QString deck = CopyExample("pile-group");
  TAnalysisRun run;
  QSignalSpy finished(&run, &TAnalysisRun::Finished);
  QSignalSpy failed(&run, &TAnalysisRun::Failed);
  ASSERT_TRUE(run.Start(deck));
  EXPECT_FALSE(run.Start(deck));
  ASSERT_EQ(failed.count(), 1);
  EXPECT_EQ(failed.at(0).at(0).toString(), QStringLiteral("Attempt to reinitialize DLL"));
  ASSERT_TRUE(finished.wait(300000));
  EXPECT_EQ(finished.count(), 1);
  EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
  ExpectNothingLeftBehind();
  EXPECT_EQ(RunAndWait(run, deck).Status, 0);  // once it returned, the next run starts
}

// A window closed during a run waits for the engine, which cannot be stopped,
// and leaves nothing behind.
TEST_F(AnalysisRunTest, DestroyedWhileTheEngineRunsItWaitsForIt) {
  const QString deck = CopyExample("pile-group");
  {
    TAnalysisRun run;
    ASSERT_TRUE(run.Start(deck));
  }
  ExpectNothingLeftBehind();
  EXPECT_TRUE(FileBytes(Project + QStringLiteral("/pile-group.kqo")).contains("FOOTING RESPONSE"));
  QCoreApplication::processEvents();  // the engine's queued return finds no run
}

// TMPDIR as the user may have it. %R stands for the test's scratch root,
// which holds the folder "tmp" and the file "project/plain".
struct TTemporaryRow {
  const char* Name;
  const char* TmpDir;  // nullptr: not set
  const char* Folder;  // where a run makes its private folder
};

void PrintTo(const TTemporaryRow& Row, std::ostream* Os) { *Os << Row.Name; }

class TemporaryFolderRows : public AnalysisRunTest, public ::testing::WithParamInterface<TTemporaryRow> {
protected:
  QString Expand(const char* Text) const { return QString::fromUtf8(Text).replace(QStringLiteral("%R"), Root.path()); }
};

TEST_P(TemporaryFolderRows, TmpDirWhenItNamesAFolderElseTheSystemsTemporaryFolder) {
  const TTemporaryRow& row = GetParam();
  ASSERT_TRUE(PutFile(Project + QStringLiteral("/plain"), "x\n"));
  ASSERT_TRUE(QDir::setCurrent(Root.path()));
  if (row.TmpDir) qputenv("TMPDIR", QFile::encodeName(Expand(row.TmpDir)));
  else qunsetenv("TMPDIR");
  EXPECT_EQ(RunTemporaryFolder(), Expand(row.Folder));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, TemporaryFolderRows, ::testing::Values(
  TTemporaryRow{"ExistingFolder",           "%R/tmp",           "%R/tmp"},
  TTemporaryRow{"WithATrailingSlash",       "%R/tmp/",          "%R/tmp"},
  TTemporaryRow{"RelativeToTheCurrent",     "tmp",              "%R/tmp"},
  TTemporaryRow{"FolderThatDoesNotExist",   "%R/gone",          "/tmp"},
  TTemporaryRow{"AFileNotAFolder",          "%R/project/plain", "/tmp"},
  TTemporaryRow{"Empty",                    "",                 "/tmp"},
  TTemporaryRow{"NotSet",                   nullptr,            "/tmp"}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// A TMPDIR naming no folder is passed over: the run is made in the system's
// temporary folder and nothing is created where TMPDIR points.
TEST_F(AnalysisRunTest, ATmpDirThatDoesNotExistRunsInTheSystemsTemporaryFolder) {
  const QString gone = Root.filePath(QStringLiteral("gone"));
  qputenv("TMPDIR", QFile::encodeName(gone));
  const QString deck = CopyExample("half-space-harmonic");
  TAnalysisRun run;
  QSignalSpy finished(&run, &TAnalysisRun::Finished);
  ASSERT_TRUE(run.Start(deck));
  // While the engine runs, the run's private folder is the current folder.
  EXPECT_EQ(QFileInfo(QDir::currentPath()).absolutePath(), QStringLiteral("/tmp"));
  EXPECT_TRUE(QFileInfo(QDir::currentPath()).fileName().startsWith(QStringLiteral("zavik-run-")));
  ASSERT_TRUE(finished.wait(300000));
  EXPECT_EQ(finished.at(0).at(0).toInt(), 0);
  EXPECT_TRUE(finished.at(0).at(2).toBool());
  EXPECT_FALSE(QFileInfo::exists(gone));
  ExpectNothingLeftBehind();
}

// A folder in which no folder can be made is named in the message.
TEST_F(AnalysisRunTest, AFolderThatCannotHoldTheRunIsNamed) {
  qputenv("TMPDIR", "/proc");
  const QString deck = CopyExample("half-space-harmonic");
  TAnalysisRun run;
  const TOutcome out = RunAndWait(run, deck);
  EXPECT_FALSE(out.Started);
  EXPECT_TRUE(out.Failure.startsWith(QStringLiteral("Cannot create a folder for the analysis in \"/proc\".")))
      << out.Failure.toStdString();
  ExpectNothingLeftBehind();
}

struct RefusalCase {
  const char* Name;
  const char* Library;  // nullptr: the program's engine
  int FolderDepth;      // folders of 60 characters around the deck
  const char* Message;  // nullptr: names the problem otherwise
};

void PrintTo(const RefusalCase& C, std::ostream* Os) { *Os << C.Name; }

class RunRefusalTest : public AnalysisRunTest, public ::testing::WithParamInterface<RefusalCase> {};

// A run that cannot start calls nothing, leaves no file, and keeps the plot
// data of an earlier run where it is.
TEST_P(RunRefusalTest, NothingIsCalledAndNothingRemains) {
  const RefusalCase& c = GetParam();
  QString folder = Project;
  for (int i = 0; i < c.FolderDepth; ++i) folder += QLatin1Char('/') + QString(60, QLatin1Char('a' + i));
  ASSERT_TRUE(QDir().mkpath(folder));
  QString deck = CopyExample("half-space-harmonic");
  if (folder != Project) {
    ASSERT_TRUE(QFile::rename(deck, folder + QStringLiteral("/job.kqd")));
    deck = folder + QStringLiteral("/job.kqd");
  }
  const QString plot = SideFileName(deck, QStringLiteral(".kqp"));
  ASSERT_TRUE(PutFile(plot, " 1\n"));
  const QStringList before = Entries(folder);

  TAnalysisRun run;
  if (c.Library) {
    const QString library = QString::fromUtf8(c.Library);
    run.SetLibraryName(library.startsWith(QLatin1Char('/')) ? library : Tmp + QLatin1Char('/') + library);
  }
  const TOutcome out = RunAndWait(run, deck);
  EXPECT_FALSE(out.Started);
  if (c.Message) {
    EXPECT_EQ(out.Failure, QLatin1String(c.Message));
  } else {
    EXPECT_TRUE(out.Failure.contains(deck)) << out.Failure.toStdString();
  }
  EXPECT_EQ(Entries(folder), before);
  EXPECT_EQ(FileBytes(plot), " 1\n");
  ExpectNothingLeftBehind();
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, RunRefusalTest, ::testing::Values(
    RefusalCase{"LibraryWithoutEntry", ZAV_NO_ENTRY_LIBRARY, 0, "Attempt to initialize DLL failed"},
    RefusalCase{"LibraryMissing",      "Zav3-comp.so",       0, "Attempt to initialize DLL failed"},
    RefusalCase{"LibraryNotLoadable",  ZAV_EXAMPLES_DIR "/half-space-harmonic.kqd",
                                                             0, "Attempt to initialize DLL failed"},
    RefusalCase{"NameTooLongForTheEngine", nullptr,          4, nullptr}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// The process's locale for the length of a test, generated into Folder when
// the system has not got it.
class TLocaleScope {
public:
  TLocaleScope(const char* Name, const QString& Folder) {
    if (!std::setlocale(LC_ALL, Name)) {
      QProcess localedef;
      localedef.start(QStringLiteral("localedef"),
                      {QStringLiteral("-i"), QStringLiteral("de_DE"), QStringLiteral("-f"), QStringLiteral("UTF-8"),
                       Folder + QLatin1Char('/') + QLatin1String(Name)});
      localedef.waitForFinished(120000);
      Why = QString::fromLocal8Bit(localedef.readAllStandardError()) + localedef.errorString();
      qputenv("LOCPATH", QFile::encodeName(Folder));
      if (!std::setlocale(LC_ALL, Name)) return;
    }
    FActive = true;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  }
  ~TLocaleScope() {
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
    qunsetenv("LOCPATH");
  }
  bool Active() const { return FActive; }
  QString Why;

private:
  bool FActive = false;
};

// Opens an example, saves it and runs it as the window does, in the locale
// in force; the bytes of every file the project has afterwards.
std::map<QString, QByteArray> OpenSaveAndRun(const QString& Deck) {
  std::map<QString, QByteArray> files;
  TProjectTables tables;
  QString message;
  auto project = TProgramData::CreateFromFile(tables, Deck, message);
  EXPECT_EQ(message, QString());
  project->SaveToFile();
  TAnalysisRun run;
  const TOutcome out = RunAndWait(run, project->FileName);
  EXPECT_EQ(out.Status, 0);
  EXPECT_TRUE(out.PlotWritten);
  const QString folder = QFileInfo(Deck).absolutePath();
  for (const QString& name : Entries(folder)) {
    const QByteArray bytes = FileBytes(folder + QLatin1Char('/') + name);
    files[name] = name.endsWith(QLatin1String(".kqo")) ? WithoutRunTime(bytes) : bytes;
  }
  return files;
}

TEST_F(AnalysisRunTest, AGermanLocaleWritesTheSameBytesAsC) {
  const QString deck = CopyExample("pile-group", QStringLiteral("job"));
  const std::map<QString, QByteArray> inC = OpenSaveAndRun(deck);

  CopyExample("pile-group", QStringLiteral("job"));
  for (const char* ext : {".kqo", ".kqp", ".kqt"}) QFile::remove(SideFileName(deck, QLatin1String(ext)));
  TLocaleScope german("de_DE.UTF-8", Root.path());
  if (!german.Active()) GTEST_SKIP() << "no German locale on this system: " << german.Why.toStdString();
  char decimal[16];
  std::snprintf(decimal, sizeof decimal, "%.1f", 2.5);
  ASSERT_STREQ(decimal, "2,5");
  ASSERT_EQ(QLocale().decimalPoint(), QStringLiteral(","));

  std::map<QString, QByteArray> inGerman = OpenSaveAndRun(deck);
  std::vector<QString> names;
  for (const auto& [name, bytes] : inGerman) names.push_back(name);
  EXPECT_EQ(names, (std::vector<QString>{"job.kqd", "job.kqm", "job.kqo", "job.kqp", "job.kqt"}));
  for (const auto& [name, bytes] : inC) EXPECT_EQ(inGerman[name], bytes) << name.toStdString();
  ExpectNothingLeftBehind();
  // The user's locale is as it was.
  EXPECT_STREQ(std::setlocale(LC_NUMERIC, nullptr), "de_DE.UTF-8");
  EXPECT_EQ(QLocale().decimalPoint(), QStringLiteral(","));
}

// What the user is told of a run: the engine's status and the last line of
// its report, as the engine writes it with (1X,'*** WARNING - ',I5,' OF ',I5,
// ' FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***').
const char* const Warned = " *** WARNING -     3 OF    40 FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***";
const char* const Table = "    60.00   376.80    3.3216E-05  0.0000E+00  4.0878E-05";

struct ResultRow {
  const char* Name;
  int Status;
  const char* Report;  // nullptr: no report
  bool Completed;
  bool OfferReport;
  const char* Begins;  // the message's beginning
  const char* Says;    // and what else it says (empty: nothing after the completed run's words)
};
void PrintTo(const ResultRow& R, std::ostream* Os) { *Os << R.Name; }

class RunResultTest : public ::testing::TestWithParam<ResultRow> {};

TEST_P(RunResultTest, SaysWhatTheRunCameTo) {
  const ResultRow& row = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString report = dir.filePath(QStringLiteral("job v1.2.kqo"));
  if (row.Report) {
    ASSERT_TRUE(PutFile(report, QByteArray(row.Report).replace("(warned)", Warned).replace("(table)", Table)));
  }
  const TRunResult result = RunResult(row.Status, report);
  EXPECT_EQ(result.Completed, row.Completed);
  EXPECT_EQ(result.OfferReport, row.OfferReport);
  EXPECT_TRUE(result.Message.startsWith(QLatin1String(row.Begins))) << result.Message.toStdString();
  if (*row.Says) {
    EXPECT_TRUE(result.Message.contains(QLatin1String(row.Says))) << result.Message.toStdString();
  } else {
    EXPECT_EQ(result.Message, TAnalysisRun::CompletedMessage);
  }
  if (!row.Completed && row.Report) {
    EXPECT_TRUE(result.Message.endsWith(QStringLiteral("The report says why:\r") + report)) << result.Message.toStdString();
  }
}

const char* const Done = "Computations are completed. Please, check output file for results or error messages.";
const char* const NotDone = "The analysis did not complete";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, RunResultTest, ::testing::Values(
  ResultRow{"Completed",          0, "(table)\n",                 true,  false, Done,    ""},
  ResultRow{"CompletedCrLf",      0, "(table)\r\n",               true,  false, Done,    ""},
  ResultRow{"CompletedNoReport",  0, nullptr,                     true,  false, Done,    ""},
  ResultRow{"Warned",             0, "(table)\n(warned)\n",       true,  true,  Done,    "\r\rWarning: 3 of the 40 frequency lines"},
  ResultRow{"WarnedThenBlank",    0, "(table)\r\n(warned)\r\n\r\n  \n", true, true, Done, "3 of the 40 frequency lines"},
  ResultRow{"WarnedNoLineEnd",    0, "(table)\n(warned)",         true,  true,  Done,    "3 of the 40 frequency lines"},
  ResultRow{"WarningNotLast",     0, "(warned)\n(table)\n",       true,  false, Done,    ""},
  ResultRow{"WarningOverflowed",  0, "(table)\n *** WARNING - ***** OF ***** FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***\n",
                                                                  true,  false, Done,    ""},
  ResultRow{"Stopped",            2, "(table)\n",                 false, true,  NotDone, "STOP"},
  ResultRow{"FatalError",         3, "(table)\n",                 false, true,  NotDone, "refused the input"},
  ResultRow{"FatalErrorWarned",   3, "(table)\n(warned)\n",       false, true,  NotDone, "refused the input"},
  ResultRow{"FatalNoReport",      3, nullptr,                     false, false, NotDone, "The engine wrote no report."},
  ResultRow{"OtherStatus",        7, "(table)\n",                 false, true,  NotDone, "(the engine returned 7)"}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

// Only the end of a long report is read for its last line.
TEST(RunResult, TheWarningOfALongReportIsItsLastLine) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString report = dir.filePath(QStringLiteral("long.kqo"));
  QByteArray text;
  for (int i = 0; i < 40000; ++i) text += QByteArray(Table) + "\n";
  ASSERT_TRUE(PutFile(report, text + Warned + "\n"));
  const std::optional<TReportWarning> warning = ReportWarning(report);
  ASSERT_TRUE(warning);
  EXPECT_EQ(warning->Warned, 3);
  EXPECT_EQ(warning->Lines, 40);
  EXPECT_FALSE(ReportWarning(dir.filePath(QStringLiteral("absent.kqo"))));
}

}  // namespace
}  // namespace zavik
