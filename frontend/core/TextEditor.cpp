#include "core/TextEditor.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace zavik {

bool TSystemLauncher::OpenDocument(const QUrl& Url) { return QDesktopServices::openUrl(Url); }

bool TSystemLauncher::StartProgram(const QString& Program, const QStringList& Arguments) {
  return QProcess::startDetached(Program, Arguments);
}

namespace {

// The program that Setting names as a whole, or empty.
QString ExistingProgram(const QString& Setting) {
  if (!Setting.contains(QLatin1Char('/'))) return QStandardPaths::findExecutable(Setting);
  const QFileInfo file(Setting);
  return file.isFile() && file.isExecutable() ? Setting : QString();
}

}  // namespace

TEditorCommand EditorCommand(const QString& WordProcessor, const QString& File) {
  const QString setting = WordProcessor.trimmed();
  if (const QString program = ExistingProgram(setting); !program.isEmpty()) return {program, {File}};
  QStringList words = QProcess::splitCommand(setting);
  if (words.isEmpty() || words.front().isEmpty()) return {};
  const QString program = words.takeFirst();
  return {program, words << File};
}

bool StartTextEditor(const QString& WordProcessor, const QString& File, TDesktopLauncher& Launcher) {
  if (WordProcessor.trimmed().isEmpty()) return Launcher.OpenDocument(QUrl::fromLocalFile(File));
  const TEditorCommand command = EditorCommand(WordProcessor, File);
  return !command.Program.isEmpty() && Launcher.StartProgram(command.Program, command.Arguments);
}

}  // namespace zavik
