#pragma once
// TAnalysisRun: one analysis of a saved project by the engine library. The
// library is loaded for the run and freed after it, so every run starts with
// fresh engine data. The engine reads "names.dat" and keeps its scratch
// files in the current folder: each run gets a private temporary folder,
// made the process's current folder for the engine call and removed after
// it, while the project's files are named by absolute paths, so the report
// (".kqo") and the plot data (".kqp") land beside the deck and nothing else
// is left behind. The user's locale is never touched.
//
// The engine is called on a worker thread, so that the window thread can
// keep a modal run window alive meanwhile; Finished or Failed arrives on the
// thread that owns this object. While the engine runs, the current folder is
// the run's and must stay so: nothing else may change it.
//
// The window: Started shows the modal run window; Finished hides it, tells
// what RunResult says of the run and loads PlotFile when this run wrote it;
// Failed tells its message.

#include "core/DynamicLibrary.h"

#include <QObject>
#include <QString>

#include <sys/stat.h>

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>

class QTemporaryDir;

namespace zavik {

// The folder in which a run makes its private folder: the one TMPDIR names
// when it is an existing folder (as an absolute path), otherwise the
// system's temporary folder.
QString RunTemporaryFolder();

class TAnalysisRun : public QObject {
  Q_OBJECT

public:
  // What the user is told.
  static const QString ReinitializeMessage;  // a run is still in progress
  static const QString InitFailedMessage;    // the engine library cannot be loaded or bound
  static const QString CompletedMessage;     // after a run the engine completed (RunResult)

  // The engine library of this program: "Zav3-comp.so" in the folder of the
  // running program.
  static QString DefaultLibraryName();

  explicit TAnalysisRun(QObject* Parent = nullptr);
  // Waits for an engine call still running: it cannot be interrupted.
  ~TAnalysisRun() override;

  const QString& LibraryName() const { return FLibraryName; }
  void SetLibraryName(const QString& Name) { FLibraryName = Name; }

  // Starts the run of a deck already saved. True when the engine is running
  // (Started has been emitted; Finished follows); false after Failed.
  bool Start(const QString& DeckFileName);
  bool Busy() const { return FWorker.joinable(); }

  // Files of the last run started.
  const QString& DeckFile() const { return FDeck; }
  const QString& ReportFile() const { return FReport; }
  const QString& PlotFile() const { return FPlot; }

signals:
  void Started();
  // The engine returned Status (TEngineStatus: 0 analysis completed, 2
  // stopped before the analysis, 3 fatal error). PlotFileWritten: this run wrote PlotFile; an older file
  // that it left untouched is no result of this run and is not to be loaded.
  void Finished(int Status, const QString& PlotFile, bool PlotFileWritten);
  // The run did not start; Message is for the user.
  void Failed(const QString& Message);

private:
  using TEntry = std::int32_t (*)(std::int32_t);

  void EngineReturned();
  void EndRun();
  bool Refuse(const QString& Message);

  QString FLibraryName;
  QString FDeck, FReport, FPlot;
  QString FOldFolder;
  std::unique_ptr<QTemporaryDir> FFolder;
  std::unique_ptr<TDynamicLibrary> FEngineLibrary;
  bool FPlotExisted = false;
  struct stat FPlotBefore {};
  std::thread FWorker;
  std::atomic<int> FStatus{0};
};

}  // namespace zavik
