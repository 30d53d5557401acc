#pragma once
// TDynamicLibrary: one shared library loaded at run time by file name, from
// which entry points are taken by name. Failures of the loader become
// exceptions of the EDLLError family, so that a caller catches them in one
// place.

#include "controls/Exceptions.h"

#include <QString>

namespace zavik {

class EDLLError : public Exception {
public:
  using Exception::Exception;
};

// The file was found but could not be loaded: not a library, a symbol it
// needs is missing, or its initialisation failed.
class EInitError : public EDLLError {
public:
  EInitError() : EDLLError(QStringLiteral("Library failed to properly initialize")) {}
};

// A library that this one needs could not be found.
class EFileNotFoundError : public EDLLError {
public:
  EFileNotFoundError() : EDLLError(QStringLiteral("Library could not be located")) {}
};

class EDLLNotOpenError : public EDLLError {
public:
  EDLLNotOpenError() : EDLLError(QStringLiteral("Library is not open")) {}
};

class TDynamicLibrary {
public:
  TDynamicLibrary() = default;
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  const QString& LibraryName() const { return FLibraryName; }
  // Closes an open library first.
  void SetLibraryName(const QString& Name);

  bool IsOpen() const { return FHandle != nullptr; }
  // Loads the library; an open one stays as it is. A library file that does
  // not exist raises nothing: the library stays closed, and GetProc tells.
  // Every other failure raises EInitError or EFileNotFoundError.
  void Open();
  void Close();
  // The address of an exported name, nullptr when the library has none.
  // Raises EDLLNotOpenError when the library is not open.
  void* GetProc(const char* Name) const;

  // The loader's own text of the last failed Open, for diagnostics.
  const QString& LoaderMessage() const { return FLoaderMessage; }

private:
  QString FLibraryName;
  QString FLoaderMessage;
  void* FHandle = nullptr;
};

}  // namespace zavik
