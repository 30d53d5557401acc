#pragma once
// A deck run by the engine library through its entry as the analysis run
// calls it: "names.dat" beside the deck in the current folder, one call of
// _IZAVIK, the report read back.

#include "SampleProjects.h"

#include <QDir>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdint>

namespace zavik::testing {

struct TRun {
  int Status = -1;
  QByteArray Report;
};

// Runs the engine on Deck (".kqd") in the deck's folder.
inline TRun RunEngineOn(const QString& Deck) {
  using Entry = std::int32_t (*)(std::int32_t);
  TRun run;
  const QFileInfo deck(Deck);
  const QString stem = deck.absolutePath() + QLatin1Char('/') + deck.completeBaseName();
  QStringList names{QStringLiteral("3.0.15"), deck.absoluteFilePath()};
  for (const char* ext : {".kqo", ".kqp", ".kqr", ".kqt", ".kqm"}) names << stem + QLatin1String(ext);
  if (!PutFile(deck.absolutePath() + QStringLiteral("/names.dat"), Lines(names))) return run;

  const QString old = QDir::currentPath();
  if (!QDir::setCurrent(deck.absolutePath())) return run;
  void* lib = dlopen(ZAV_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  if (lib) {
    if (auto entry = reinterpret_cast<Entry>(dlsym(lib, "_IZAVIK"))) run.Status = entry(1);
    dlclose(lib);
  } else {
    ADD_FAILURE() << dlerror();
  }
  QDir::setCurrent(old);
  run.Report = FileBytes(stem + QStringLiteral(".kqo"));
  return run;
}

// The report without what differs between two runs of one deck in two
// folders: the run's date and time and the folder's name.
inline QByteArray ReportOfTheDeck(const TRun& Run, const QString& Folder) {
  static const QRegularExpression stamp(QStringLiteral("(RUN DATE -|TIME     -)  [0-9:-]+"));
  return QString::fromLatin1(Run.Report)
      .replace(stamp, QStringLiteral("\\1  (time)"))
      .replace(Folder, QStringLiteral("(folder)"))
      .toLatin1();
}

}  // namespace zavik::testing
