#include "core/ProjectCommands.h"

#include "core/AnalysisRun.h"
#include "core/ProgramData.h"
#include "core/ProjectNames.h"

#include <QFileInfo>

namespace zavik {
namespace {

bool Save(TProjectWindow& Window) {
  try {
    Window.Project().SaveToFile();
    return true;
  } catch (const Exception& e) {
    Window.ShowMessage(e.Message());
    return false;
  }
}

}  // namespace

bool FileSave(TProjectWindow& Window) {
  if (Window.Project().FileName == QLatin1String(NewProjectFileName) || Window.ProjectIncomplete())
    return FileSaveAs(Window);
  return Save(Window);
}

bool FileSaveAs(TProjectWindow& Window) {
  TProgramData& project = Window.Project();
  const QString chosen = Window.AskSaveFileName(
      QStringLiteral("Save ") + ProjectDisplayName(project.FileName) + QStringLiteral(" As"), project.FileName);
  if (chosen.isEmpty()) return false;
  const QString old = project.FileName;
  project.FileName = QFileInfo(chosen).absoluteFilePath();
  if (!Save(Window)) {
    project.FileName = old;
    return false;
  }
  Window.ProjectRenamed();
  return true;
}

bool QuerySaveChanges(TProjectWindow& Window) {
  if (!Window.IsModified()) return true;
  switch (Window.AskSaveChanges()) {
    case TSaveAnswer::Cancel: return false;
    case TSaveAnswer::No: return true;
    case TSaveAnswer::Yes: return FileSave(Window);
  }
  return false;
}

bool CompRun(TProjectWindow& Window, TAnalysisRun& Run) {
  return FileSave(Window) && Run.Start(Window.Project().FileName);
}

}  // namespace zavik
