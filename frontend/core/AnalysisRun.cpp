#include "core/AnalysisRun.h"

#include "core/RunNamesFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <system_error>

namespace zavik {
namespace {

// A file that is still the one found before the run: the engine rewrites a
// file it writes at the end of the run, which changes at least its times.
bool SameFileState(const struct stat& A, const struct stat& B) {
  return A.st_dev == B.st_dev && A.st_ino == B.st_ino && A.st_size == B.st_size &&
         A.st_mtim.tv_sec == B.st_mtim.tv_sec && A.st_mtim.tv_nsec == B.st_mtim.tv_nsec &&
         A.st_ctim.tv_sec == B.st_ctim.tv_sec && A.st_ctim.tv_nsec == B.st_ctim.tv_nsec;
}

bool StatFile(const QString& FileName, struct stat& St) {
  return ::stat(QFile::encodeName(FileName).constData(), &St) == 0;
}

// The engine is plain SSE code. A thread starts with the vector registers of
// the thread that made it, and the window thread leaves the upper halves of
// the AVX registers in use (the graphics library's drawing code); SSE code
// running in that state waits on them at every instruction, which halves the
// engine's speed in this thread and in every thread it starts. Clearing them
// at the start of the run's thread gives the engine the speed it has in a
// program of its own.
#if defined(__x86_64__) && defined(__GNUC__)
__attribute__((target("avx"))) void ClearUpperVectorState() { __builtin_ia32_vzeroupper(); }
void PrepareEngineThread() {
  if (__builtin_cpu_supports("avx")) ClearUpperVectorState();
}
#else
void PrepareEngineThread() {}
#endif

}  // namespace

QString RunTemporaryFolder() {
  const QString named = qEnvironmentVariable("TMPDIR");
  if (!named.isEmpty() && QFileInfo(named).isDir()) return QDir::cleanPath(QFileInfo(named).absoluteFilePath());
  return QStringLiteral(P_tmpdir);
}

const QString TAnalysisRun::ReinitializeMessage = QStringLiteral("Attempt to reinitialize DLL");
const QString TAnalysisRun::InitFailedMessage = QStringLiteral("Attempt to initialize DLL failed");
const QString TAnalysisRun::CompletedMessage =
    QStringLiteral("Computations are completed. Please, check output file for results or error messages.");

QString TAnalysisRun::DefaultLibraryName() {
  return QCoreApplication::applicationDirPath() + QStringLiteral("/Zav3-comp.so");
}

TAnalysisRun::TAnalysisRun(QObject* Parent) : QObject(Parent), FLibraryName(DefaultLibraryName()) {}

TAnalysisRun::~TAnalysisRun() {
  if (!FWorker.joinable()) return;
  FWorker.join();
  EndRun();
}

bool TAnalysisRun::Refuse(const QString& Message) {
  emit Failed(Message);
  return false;
}

bool TAnalysisRun::Start(const QString& DeckFileName) {
  if (Busy()) return Refuse(ReinitializeMessage);

  FDeck = QFileInfo(DeckFileName).absoluteFilePath();
  const QStringList names = RunNamesLines(FDeck);
  FReport = names[2];
  FPlot = names[3];
  if (const QString why = RunNamesProblem(names); !why.isEmpty()) return Refuse(why);

  const QString temporary = RunTemporaryFolder();
  auto folder = std::make_unique<QTemporaryDir>(QDir(temporary).filePath(QStringLiteral("zavik-run-XXXXXX")));
  if (!folder->isValid())
    return Refuse(QStringLiteral("Cannot create a folder for the analysis in \"%1\". %2")
                      .arg(temporary, folder->errorString()));
  try {
    WriteRunNamesFile(folder->filePath(QStringLiteral("names.dat")), names);
  } catch (const EInOutError& e) {
    return Refuse(e.Message());
  }

  auto library = std::make_unique<TDynamicLibrary>();
  library->SetLibraryName(FLibraryName);
  TEntry entry = nullptr;
  try {
    library->Open();
    entry = reinterpret_cast<TEntry>(library->GetProc("_IZAVIK"));
  } catch (const EDLLError&) {
  }
  // A library without the entry is no engine: nothing is called.
  if (!entry) {
    qWarning("%s: %s", qUtf8Printable(FLibraryName),
             qUtf8Printable(library->LoaderMessage().isEmpty() ? QStringLiteral("no engine entry _IZAVIK")
                                                               : library->LoaderMessage()));
    return Refuse(InitFailedMessage);
  }

  FPlotExisted = StatFile(FPlot, FPlotBefore);
  FOldFolder = QDir::currentPath();
  if (!QDir::setCurrent(folder->path()))
    return Refuse(QStringLiteral("Cannot make \"%1\" the current folder for the analysis.").arg(folder->path()));
  FFolder = std::move(folder);
  FEngineLibrary = std::move(library);
  try {
    FWorker = std::thread([this, entry] {
      PrepareEngineThread();
      FStatus = entry(0);
      QMetaObject::invokeMethod(this, &TAnalysisRun::EngineReturned, Qt::QueuedConnection);
    });
  } catch (const std::system_error& e) {
    EndRun();
    return Refuse(QStringLiteral("The analysis cannot be started: %1").arg(QString::fromLocal8Bit(e.what())));
  }
  emit Started();
  return true;
}

void TAnalysisRun::EngineReturned() {
  if (!FWorker.joinable()) return;
  // The thread has ended, and with it whatever the engine's libraries keep
  // per thread, before the library is freed.
  FWorker.join();
  EndRun();
  struct stat after {};
  const bool written = StatFile(FPlot, after) && (!FPlotExisted || !SameFileState(FPlotBefore, after));
  emit Finished(FStatus, FPlot, written);
}

void TAnalysisRun::EndRun() {
  if (!QDir::setCurrent(FOldFolder)) QDir::setCurrent(QDir::homePath());
  FEngineLibrary.reset();
  FFolder.reset();
}

}  // namespace zavik
