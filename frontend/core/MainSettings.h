#pragma once
// The main window's settings of the user: the text editor for the report
// files and the ten most recent project files, kept under the organisation
// "Kaventa", application "ZAVIK", group "3.0.15" as the values
// "Word Processor" and "File1" .. "File10".

#include <QSettings>
#include <QString>

#include <array>
#include <memory>

namespace zavik {

class TMainSettings {
public:
  static constexpr int MaxRecentFiles = 10;

  // The user's own settings store.
  static std::unique_ptr<QSettings> UserStore();

  explicit TMainSettings(std::unique_ptr<QSettings> Store = UserStore());

  // Reads the editor and the recent files (missing values read as empty; the
  // list keeps its non-empty entries in order).
  void Read();
  // Writes the editor and all ten entries, empty ones as empty texts.
  void UpdateRegistry();

  // Puts Path at the head of the recent files: a path already at the head
  // changes nothing; one further down moves up, the entries above it move
  // down by one; a new one drops the oldest. The list is written at once.
  // False when nothing changed.
  bool UpdatePrevFile(const QString& Path);

  // The text editor; empty: the user's default application for the file.
  QString WordProcessor;

  const std::array<QString, MaxRecentFiles>& RecentFiles() const { return FRecentFiles; }
  int RecentCount() const { return FRecentCount; }

private:
  void Recount();

  std::unique_ptr<QSettings> FStore;
  std::array<QString, MaxRecentFiles> FRecentFiles;
  int FRecentCount = 0;
};

// The File menu's caption of recent file Index (0-based): its number, a
// blank and the path, shown behind the current folder when the path lies in
// it. '&' is doubled, so that the menu shows it.
QString RecentItemCaption(int Index, const QString& Path, const QString& CurrentFolder);

}  // namespace zavik
