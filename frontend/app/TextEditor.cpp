#include "app/TextEditor.h"

#include <QDesktopServices>
#include <QProcess>

namespace zavik {

bool TSystemLauncher::OpenDocument(const QUrl& Url) { return QDesktopServices::openUrl(Url); }

bool TSystemLauncher::StartProgram(const QString& Program, const QStringList& Arguments) {
  return QProcess::startDetached(Program, Arguments);
}

bool StartTextEditor(const QString& WordProcessor, const QString& File, TDesktopLauncher& Launcher) {
  if (WordProcessor.trimmed().isEmpty()) return Launcher.OpenDocument(QUrl::fromLocalFile(File));
  return Launcher.StartProgram(WordProcessor, {File});
}

}  // namespace zavik
