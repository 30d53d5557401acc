// Opening a report in the user's text editor: the default application when
// none is set, else the editor's path as one program and the file as its one
// argument, never through a shell.
#include "FakeLauncher.h"
#include "SampleProjects.h"

#include "app/TextEditor.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

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

TEST(TextEditor, AChosenEditorGetsTheFileAsItsOneArgument) {
  TFakeLauncher l;
  EXPECT_TRUE(StartTextEditor(QStringLiteral("/opt/My Editor/edit"), QStringLiteral("/w/my job.kqo"), l));
  EXPECT_EQ(l.Programs, QStringList{QStringLiteral("/opt/My Editor/edit")});
  EXPECT_EQ(l.Args, QStringList{QStringLiteral("/w/my job.kqo")});
  EXPECT_TRUE(l.Documents.isEmpty());
}

TEST(TextEditor, AFailedStartIsReported) {
  TFakeLauncher l;
  l.Result = false;
  EXPECT_FALSE(StartTextEditor(QString(), QStringLiteral("/w/job.kqo"), l));
  EXPECT_FALSE(StartTextEditor(QStringLiteral("/usr/bin/edit"), QStringLiteral("/w/job.kqo"), l));
}

// The real start: an editor in a folder with a blank in its name, on a file
// whose name a shell would split and run.
TEST(TextEditor, TheSystemStartsTheProgramWithoutAShell) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("my editor")));
  const QString editor = dir.filePath(QStringLiteral("my editor/edit"));
  const QString seen = dir.filePath(QStringLiteral("seen"));
  ASSERT_TRUE(PutFile(editor, ("#!/bin/sh\nprintf '%s|%s' \"$#\" \"$1\" > '" + seen + ".part' && mv '" + seen +
                               ".part' '" + seen + "'\n")
                                  .toUtf8()));
  ASSERT_TRUE(QFile::setPermissions(editor, QFile::ReadOwner | QFile::ExeOwner));
  const QString file = dir.filePath(QStringLiteral("job $(touch gotcha); x.kqo"));

  TSystemLauncher system;
  ASSERT_TRUE(StartTextEditor(editor, file, system));
  QElapsedTimer t;
  t.start();
  while (!QFile::exists(seen) && t.elapsed() < 20000) QThread::msleep(20);
  EXPECT_EQ(FileBytes(seen), "1|" + file.toUtf8());
  EXPECT_FALSE(QFile::exists(QDir::current().filePath(QStringLiteral("gotcha"))));
  EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("gotcha"))));

  EXPECT_FALSE(StartTextEditor(dir.filePath(QStringLiteral("no editor")), file, system));
}

}  // namespace
}  // namespace zavik
