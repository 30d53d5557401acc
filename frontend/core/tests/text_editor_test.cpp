// Opening a report in the user's text editor: the default application when
// none is set; else the program the setting names, with the file as its one
// argument, or the setting as a command line with the file after its
// arguments; never through a shell.
#include "FakeLauncher.h"
#include "SampleProjects.h"

#include "core/TextEditor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <vector>

namespace zavik {
namespace {

using namespace testing;

TEST(TextEditor, NoneSetOpensTheFileInTheDefaultApplication) {
  for (const char* editor : {"", "   "}) {
    TFakeLauncher l;
    EXPECT_TRUE(StartTextEditor(QLatin1String(editor), QStringLiteral("/w/my job.kqo"), l));
    ASSERT_EQ(l.Documents.size(), 1);
    EXPECT_EQ(l.Documents[0].toLocalFile(), QStringLiteral("/w/my job.kqo"));
    EXPECT_TRUE(l.Programs.isEmpty());
  }
}

TEST(TextEditor, AFailedStartIsReported) {
  TFakeLauncher l;
  l.Result = false;
  EXPECT_FALSE(StartTextEditor(QString(), QStringLiteral("/w/job.kqo"), l));
  EXPECT_FALSE(StartTextEditor(QStringLiteral("/usr/bin/edit"), QStringLiteral("/w/job.kqo"), l));
}

// An editor script at Editor that writes into Seen the number of its
// arguments and each argument, separated by "|".
bool PutRecordingEditor(const QString& Editor, const QString& Seen) {
  return PutFile(Editor, ("#!/bin/sh\n{ printf '%s' \"$#\"; for a in \"$@\"; do printf '|%s' \"$a\"; done; } > '" +
                          Seen + ".part' && mv '" + Seen + ".part' '" + Seen + "'\n")
                             .toUtf8()) &&
         QFile::setPermissions(Editor, QFile::ReadOwner | QFile::ExeOwner);
}

// What the editor wrote, once it has.
QByteArray WhatTheEditorSaw(const QString& Seen) {
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(Seen) && t.elapsed() < 20000) QThread::msleep(20);
  return FileBytes(Seen);
}

// The real start: an editor in a folder with a blank in its name, on a file
// whose name a shell would split and run.
TEST(TextEditor, TheSystemStartsTheProgramWithoutAShell) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my editor")));
  const QString editor = dir.filePath(QStringLiteral("my editor/edit"));
  const QString seen = dir.filePath(QStringLiteral("seen"));
  ASSERT_TRUE(PutRecordingEditor(editor, seen));
  const QString file = dir.filePath(QStringLiteral("job $(touch gotcha); x.kqo"));

  TSystemLauncher system;
  ASSERT_TRUE(StartTextEditor(editor, file, system));
  EXPECT_EQ(WhatTheEditorSaw(seen), "1|" + file.toUtf8());
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("gotcha"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("gotcha"))));

  // The same editor as a command with an option: its quoted path, then the
  // option, then the file.
  QFile::remove(seen);
  ASSERT_TRUE(StartTextEditor(QLatin1Char('"') + editor + QStringLiteral("\" -n --wait"), file, system));
  EXPECT_EQ(WhatTheEditorSaw(seen), "3|-n|--wait|" + file.toUtf8());

  EXPECT_FALSE(StartTextEditor(dir.filePath(QStringLiteral("no editor")), file, system));
}

// An editor setting read as the user wrote it. In Setting and Program, %D
// stands for a folder holding "my editor/edit" (a program) and "notes.txt"
// (a file that is no program), %B for a folder on PATH holding the program
// "zavik-edit".
struct TCommandRow {
  const char* What;
  const char* Setting;
  const char* Program;  // empty: no program, nothing is started
  std::vector<const char*> Arguments;  // before the file
};

void PrintTo(const TCommandRow& Row, std::ostream* Os) { *Os << Row.What; }

class EditorCommandRows : public ::testing::TestWithParam<TCommandRow> {
protected:
  void SetUp() override {
    ASSERT_TRUE(Dir.isValid());
    ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("my editor")));
    ASSERT_TRUE(QDir(Dir.path()).mkpath(QStringLiteral("bin")));
    ASSERT_TRUE(PutRecordingEditor(Dir.filePath(QStringLiteral("my editor/edit")), Dir.filePath(QStringLiteral("s"))));
    ASSERT_TRUE(PutRecordingEditor(Dir.filePath(QStringLiteral("bin/zavik-edit")), Dir.filePath(QStringLiteral("s"))));
    ASSERT_TRUE(PutFile(Dir.filePath(QStringLiteral("notes.txt")), "notes\n"));
    OldPath = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(Dir.filePath(QStringLiteral("bin"))));
  }
  void TearDown() override { qputenv("PATH", OldPath); }
  QString Expand(const char* Text) const {
    return QString::fromUtf8(Text)
        .replace(QStringLiteral("%D"), Dir.path())
        .replace(QStringLiteral("%B"), Dir.filePath(QStringLiteral("bin")));
  }

  QTemporaryDir Dir;
  QByteArray OldPath;
};

TEST_P(EditorCommandRows, AnExistingProgramIsThatProgramElseTheSettingIsACommandLine) {
  const TCommandRow& row = GetParam();
  const QString file = QStringLiteral("/w/my job.kqo");
  const TEditorCommand command = EditorCommand(Expand(row.Setting), file);
  EXPECT_EQ(command.Program, Expand(row.Program));
  TFakeLauncher l;
  EXPECT_EQ(StartTextEditor(Expand(row.Setting), file, l), !command.Program.isEmpty());
  if (command.Program.isEmpty()) {
    EXPECT_TRUE(l.Programs.isEmpty());
    return;
  }
  QStringList arguments;
  for (const char* a : row.Arguments) arguments << Expand(a);
  arguments << file;
  EXPECT_EQ(command.Arguments, arguments);
  EXPECT_EQ(l.Programs, QStringList{command.Program});
  EXPECT_EQ(l.Args, arguments);
  EXPECT_TRUE(l.Documents.isEmpty());
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Settings, EditorCommandRows, ::testing::Values(
  TCommandRow{"a path with blanks naming a program",  "%D/my editor/edit",          "%D/my editor/edit", {}},
  TCommandRow{"the same with blanks around it",       "  %D/my editor/edit ",       "%D/my editor/edit", {}},
  TCommandRow{"a program found on PATH",              "zavik-edit",                 "%B/zavik-edit",     {}},
  TCommandRow{"a program with an option",             "emacsclient -n",             "emacsclient",       {"-n"}},
  TCommandRow{"a program on PATH with an option",     "zavik-edit --wait",          "zavik-edit",        {"--wait"}},
  TCommandRow{"a quoted path with blanks, options",   "\"%D/my editor/edit\" -n -q", "%D/my editor/edit", {"-n", "-q"}},
  TCommandRow{"an unquoted one is split at blanks",   "%D/my editor/edit -n",       "%D/my",             {"editor/edit", "-n"}},
  TCommandRow{"a quoted argument keeps its blanks",   "ed -c \"set nu\"",            "ed",                {"-c", "set nu"}},
  TCommandRow{"a file that is no program",            "%D/notes.txt",               "%D/notes.txt",      {}},
  TCommandRow{"quotes around nothing",                "\"\"",                        "",                  {}}
));
// clang-format on

}  // namespace
}  // namespace zavik
