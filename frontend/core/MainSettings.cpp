#include "core/MainSettings.h"

#include "core/ProjectNames.h"

#include <algorithm>

namespace zavik {
namespace {

const QString WordProcessorKey = QStringLiteral("Word Processor");

QString FileKey(int Index) { return QStringLiteral("File%1").arg(Index + 1); }

}  // namespace

std::unique_ptr<QSettings> TMainSettings::UserStore() {
  return std::make_unique<QSettings>(QSettings::UserScope, QStringLiteral("Kaventa"), QStringLiteral("ZAVIK"));
}

TMainSettings::TMainSettings(std::unique_ptr<QSettings> Store) : FStore(std::move(Store)) {}

void TMainSettings::Read() {
  FStore->beginGroup(GetVersionText());
  WordProcessor = FStore->value(WordProcessorKey).toString();
  FRecentFiles = {};
  int n = 0;
  for (int i = 0; i < MaxRecentFiles; ++i) {
    const QString path = FStore->value(FileKey(i)).toString();
    if (!path.isEmpty()) FRecentFiles[n++] = path;
  }
  FStore->endGroup();
  Recount();
}

void TMainSettings::UpdateRegistry() {
  FStore->beginGroup(GetVersionText());
  FStore->setValue(WordProcessorKey, WordProcessor);
  for (int i = 0; i < MaxRecentFiles; ++i) FStore->setValue(FileKey(i), FRecentFiles[i]);
  FStore->endGroup();
  FStore->sync();
}

bool TMainSettings::UpdatePrevFile(const QString& Path) {
  if (Path == FRecentFiles[0]) return false;
  auto found = std::find(FRecentFiles.begin() + 1, FRecentFiles.end(), Path);
  if (found == FRecentFiles.end()) found = FRecentFiles.end() - 1;  // the oldest goes
  std::move_backward(FRecentFiles.begin(), found, found + 1);
  FRecentFiles[0] = Path;
  UpdateRegistry();
  Recount();
  return true;
}

void TMainSettings::Recount() {
  FRecentCount = int(std::count_if(FRecentFiles.begin(), FRecentFiles.end(),
                                   [](const QString& f) { return !f.isEmpty(); }));
}

QString RecentItemCaption(int Index, const QString& Path, const QString& CurrentFolder) {
  QString shown = Path;
  const QString folder = CurrentFolder + QLatin1Char('/');
  if (const qsizetype at = Path.indexOf(folder); at >= 0) shown = Path.mid(at + folder.size());
  return QString::number(Index + 1) + QLatin1Char(' ') + shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace zavik
