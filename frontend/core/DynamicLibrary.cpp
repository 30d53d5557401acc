#include "core/DynamicLibrary.h"

#include <QFile>
#include <QFileInfo>

#include <dlfcn.h>

namespace zavik {

TDynamicLibrary::~TDynamicLibrary() { Close(); }

void TDynamicLibrary::SetLibraryName(const QString& Name) {
  Close();
  FLibraryName = Name;
}

void TDynamicLibrary::Open() {
  if (IsOpen()) return;
  FLoaderMessage.clear();
  // Every symbol is bound now, so that a library missing one fails here and
  // not in the middle of a run.
  FHandle = dlopen(QFile::encodeName(FLibraryName).constData(), RTLD_NOW | RTLD_LOCAL);
  if (FHandle) return;
  const char* why = dlerror();
  FLoaderMessage = why ? QString::fromLocal8Bit(why) : QString();
  // A missing library file leaves it closed. When the file is there, a
  // missing file in the loader's words is one this library needs (words that
  // a translated loader message does not match end as EInitError, which the
  // callers treat alike).
  if (!QFileInfo(FLibraryName).isFile()) return;
  if (FLoaderMessage.contains(QLatin1String("cannot open shared object file: No such file")))
    throw EFileNotFoundError();
  throw EInitError();
}

void TDynamicLibrary::Close() {
  if (!FHandle) return;
  dlclose(FHandle);
  FHandle = nullptr;
}

void* TDynamicLibrary::GetProc(const char* Name) const {
  if (!IsOpen()) throw EDLLNotOpenError();
  return dlsym(FHandle, Name);
}

}  // namespace zavik
