// What the user waits for with a large project in the main window: the time
// from starting the program with a group of 500 piles on its command line
// until its window is shown (the deck read, its plot data loaded), and the
// time from Run Analysis until the run's plots are loaded (the engine on its
// worker thread behind the run window, the completion message answered at
// once). The project is the example group with interaction, its 3 x 3 piles
// replaced by 25 x 20 at the same spacing, saved by the front end itself.
#include <benchmark/benchmark.h>

#include "app/MainForm.h"
#include "core/ProgramData.h"
#include "core/ProjectNames.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace zavik;

namespace {

constexpr int Columns = 25, Rows = 20;  // 500 piles
constexpr double Spacing = 1.8;         // as in the example: six diameters

// Writes the group's deck (with its side files) into Folder.
QString WriteGroup(const QString& Folder) {
  TProjectTables tables;
  QString message;
  auto project = TProgramData::CreateFromFile(
      tables, QStringLiteral(ZAV_EXAMPLES_DIR "/pile-group-interaction.kqd"), message);
  if (!message.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(message));
  project->Title = QStringLiteral("Turbine block on a 25 x 20 pile group with pile-soil-pile interaction");
  project->FootingLength = Columns * Spacing;
  project->FootingWidth = Rows * Spacing;
  tables.Pilecoord->SetRowCount(Columns * Rows);
  for (int i = 0; i < Columns * Rows; ++i) {
    tables.Pilecoord->Cells(0, i)->SetFloat((i % Columns - (Columns - 1) / 2.0) * Spacing);
    tables.Pilecoord->Cells(1, i)->SetFloat((i / Columns - (Rows - 1) / 2.0) * Spacing);
  }
  project->FileName = Folder + QStringLiteral("/group-500-piles.kqd");
  project->SaveToFile();
  return project->FileName;
}

// Answers the completion message as soon as it shows.
class TMessageAnswer {
public:
  TMessageAnswer() {
    QObject::connect(&FTimer, &QTimer::timeout, [] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); box && box->isVisible())
        box->accept();
    });
    FTimer.start(1);
  }

private:
  QTimer FTimer;
};

// Runs the event loop as the program does, sleeping until the next event
// (the run window's timer, the engine's return), until Done.
void WaitUntil(const std::function<bool()>& Done) {
  while (!Done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// A fresh main window, shown: the command line's project read and its plot
// data loaded (the first show does both), the window exposed and painted.
std::unique_ptr<TMainForm> StartProgram() {
  auto window = std::make_unique<TMainForm>();
  window->show();
  WaitUntil([&] { return window->windowHandle() && window->windowHandle()->isExposed(); });
  QApplication::processEvents();
  return window;
}

void BM_StartWithGroup(benchmark::State& State) {
  for (auto _ : State) {
    std::unique_ptr<TMainForm> window = StartProgram();
    State.PauseTiming();
    if (window->Tables().Pilecoord->RowCount() != Columns * Rows || !window->PlotDataLoaded())
      State.SkipWithError("the group or its plot data did not load");
    window.reset();
    QApplication::processEvents();
    State.ResumeTiming();
  }
}

void BM_RunAnalysisToPlots(benchmark::State& State) {
  std::unique_ptr<TMainForm> window = StartProgram();
  TMessageAnswer answer;
  for (auto _ : State) {
    const QString plot = SideFileName(window->Project().FileName, QStringLiteral(".kqp"));
    bool finished = false;
    const auto connection = QObject::connect(&window->Run(), &TAnalysisRun::Finished, [&] { finished = true; });
    window->CompRun->trigger();
    // Finished reaches the window first: the plots are loaded when the
    // window's own handler has returned.
    WaitUntil([&] { return finished && !window->Run().Busy(); });
    QApplication::processEvents();
    QObject::disconnect(connection);
    if (!window->PlotDataLoaded() || window->Plots().pltRealKXX.PointCount() < 2)
      State.SkipWithError("the run's plots did not load");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  QTemporaryDir folder;
  if (!folder.isValid()) return 1;
  // Nothing of the user's own settings is read or written.
  qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
  const QString deck = WriteGroup(folder.path());
  // The program is started with the group on its command line.
  std::string program = argv[0], project = deck.toStdString();
  std::vector<char*> arguments{program.data(), project.data()};
  int count = int(arguments.size());
  QApplication app(count, arguments.data());
  QApplication::setApplicationName(QStringLiteral("ZAVIK"));

  // A first run writes the plot data that every start loads.
  {
    std::unique_ptr<TMainForm> window = StartProgram();
    TMessageAnswer answer;
    QElapsedTimer clock;
    clock.start();
    QObject::connect(&window->Run(), &TAnalysisRun::Started, [&] { std::printf("started %lld\n", clock.elapsed()); });
    QObject::connect(&window->Run(), &TAnalysisRun::Finished, [&] { std::printf("finished %lld\n", clock.elapsed()); });
    window->CompRun->trigger();
    WaitUntil([&] { return !window->Run().Busy() && window->PlotDataLoaded(); });
    std::printf("first run of %s: %.1f s\n", qPrintable(QFileInfo(deck).fileName()), clock.elapsed() / 1000.0);
  }

  benchmark::RegisterBenchmark("main_window/start_with_500_piles", BM_StartWithGroup)
      ->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("main_window/run_analysis_to_plots_500_piles", BM_RunAnalysisToPlots)
      ->Unit(benchmark::kSecond)
      ->Iterations(1)
      ->Repetitions(3)
      ->ReportAggregatesOnly(true);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
