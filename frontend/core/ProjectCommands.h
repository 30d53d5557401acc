#pragma once
// The main window's project commands that are no window: File Save, Save As,
// the question whether to save changes before the project is closed or
// replaced, and the start of an analysis run. They work over TProjectWindow,
// which the main window implements (its dialogs and message boxes, the
// caption and the recent-file list).

#include <QString>

namespace zavik {

class TAnalysisRun;
class TProgramData;

enum class TSaveAnswer { Yes, No, Cancel };

class TProjectWindow {
public:
  virtual ~TProjectWindow() = default;
  virtual TProgramData& Project() = 0;
  // The project or one of its tables changed since the last New, load or save.
  virtual bool IsModified() = 0;
  // "Do you want to save any changes?" with Yes, No and Cancel.
  virtual TSaveAnswer AskSaveChanges() = 0;
  // The save dialog titled Title, preset to FileName; empty when cancelled.
  virtual QString AskSaveFileName(const QString& Title, const QString& FileName) = 0;
  // An information box with OK.
  virtual void ShowMessage(const QString& Text) = 0;
  // The project was saved under a new name: caption and recent files.
  virtual void ProjectRenamed() = 0;
  // The project could not be read completely from its file (a file that is
  // no deck, or one that ends early): saving it over that file would replace
  // the file with what little was read, so it is saved under a name the user
  // chooses.
  virtual bool ProjectIncomplete() { return false; }
};

inline constexpr char SaveChangesQuestion[] = "Do you want to save any changes?";

// Saves under the project's name, or through Save As while it has none of the
// user's or was not read completely. True when the project was written.
bool FileSave(TProjectWindow& Window);

// Saves under a name the user chooses, made absolute. A save that fails shows
// its message and keeps the project's name. True when the project was written.
bool FileSaveAs(TProjectWindow& Window);

// Whether the project may be closed or replaced: unchanged, or the user
// answered No, or answered Yes and the save succeeded.
bool QuerySaveChanges(TProjectWindow& Window);

// Saves the project as File Save does and starts the run on it; a project
// that was not saved is not run. True when the engine is running.
bool CompRun(TProjectWindow& Window, TAnalysisRun& Run);

}  // namespace zavik
