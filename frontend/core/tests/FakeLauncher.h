#pragma once
// A desktop that records what the program asks it to open or start, and
// answers with Result.

#include "core/TextEditor.h"

#include <QList>
#include <QStringList>
#include <QUrl>

namespace zavik {

struct TFakeLauncher : TDesktopLauncher {
  bool OpenDocument(const QUrl& Url) override {
    Documents << Url;
    return Result;
  }
  bool StartProgram(const QString& Program, const QStringList& Arguments) override {
    Programs << Program;
    Args = Arguments;
    return Result;
  }
  bool Result = true;
  QList<QUrl> Documents;
  QStringList Programs;
  QStringList Args;
};

}  // namespace zavik
