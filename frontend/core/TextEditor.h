#pragma once
// Opening the project's text files (the deck, the run notes, the report) in
// the user's text editor.

#include <QString>
#include <QStringList>
#include <QUrl>

namespace zavik {

// What the desktop does for the program; tests put their own in its place.
class TDesktopLauncher {
public:
  virtual ~TDesktopLauncher() = default;
  // Opens a document in the user's default application for it.
  virtual bool OpenDocument(const QUrl& Url) = 0;
  // Starts Program with Arguments, without waiting and without a shell.
  virtual bool StartProgram(const QString& Program, const QStringList& Arguments) = 0;
};

// QDesktopServices and QProcess.
class TSystemLauncher : public TDesktopLauncher {
public:
  bool OpenDocument(const QUrl& Url) override;
  bool StartProgram(const QString& Program, const QStringList& Arguments) override;
};

// Shown when the editor cannot be started.
inline constexpr char WordProcessorErrorMessage[] = "An error occurred in running the Word Processor";

// The program that opens File for the editor setting WordProcessor, and its
// arguments. A setting that names an existing program (by its path, blanks
// and all, or by a name found on PATH) is that program, with File its one
// argument. Any other setting is a command line, such as "emacsclient -n" or
// "code --wait": split into words at blanks, double quotes keeping blanks
// inside a word, the first word the program, File added after the rest.
// Program is empty when the setting holds no program.
struct TEditorCommand {
  QString Program;
  QStringList Arguments;
};
TEditorCommand EditorCommand(const QString& WordProcessor, const QString& File);

// Opens File in the editor of the setting WordProcessor (EditorCommand);
// with no editor set, in the user's default application. False when that
// fails.
bool StartTextEditor(const QString& WordProcessor, const QString& File, TDesktopLauncher& Launcher);

}  // namespace zavik
