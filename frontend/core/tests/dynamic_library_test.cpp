// Loading libraries at run time: the engine, a library without its entry,
// and the ways a load fails.
#include "SampleProjects.h"

#include "core/DynamicLibrary.h"

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <functional>

namespace zavik {
namespace {

using namespace testing;

// Whether the process has the library loaded, found without loading it.
bool Loaded(const char* Path) {
  void* h = dlopen(Path, RTLD_NOW | RTLD_NOLOAD);
  if (h) dlclose(h);
  return h != nullptr;
}

TEST(DynamicLibrary, OpensTheEngineAndFindsItsEntry) {
  TDynamicLibrary lib;
  EXPECT_FALSE(lib.IsOpen());
  EXPECT_EQ(lib.LibraryName(), QString());
  lib.SetLibraryName(QStringLiteral(ZAV_ENGINE_LIBRARY));
  lib.Open();
  ASSERT_TRUE(lib.IsOpen());
  EXPECT_NE(lib.GetProc("_IZAVIK"), nullptr);
  EXPECT_EQ(lib.GetProc("_IZAVIK"), lib.GetProc("IZAVIK"));
  EXPECT_EQ(lib.GetProc("READIT"), nullptr);  // no export of that name: no exception
  lib.Open();                                  // opening an open library does nothing
  EXPECT_TRUE(lib.IsOpen());
  lib.Close();
  EXPECT_FALSE(lib.IsOpen());
  EXPECT_THROW(lib.GetProc("_IZAVIK"), EDLLNotOpenError);
  lib.Close();
}

TEST(DynamicLibrary, ALibraryWithoutTheEntryOpensAndHasNone) {
  TDynamicLibrary lib;
  lib.SetLibraryName(QStringLiteral(ZAV_NO_ENTRY_LIBRARY));
  lib.Open();
  ASSERT_TRUE(lib.IsOpen());
  EXPECT_EQ(lib.GetProc("_IZAVIK"), nullptr);
  EXPECT_NE(lib.GetProc("zav_not_the_engine"), nullptr);
}

TEST(DynamicLibrary, ANewNameClosesTheOpenLibrary) {
  ASSERT_FALSE(Loaded(ZAV_NO_ENTRY_LIBRARY));
  TDynamicLibrary lib;
  lib.SetLibraryName(QStringLiteral(ZAV_NO_ENTRY_LIBRARY));
  lib.Open();
  EXPECT_TRUE(Loaded(ZAV_NO_ENTRY_LIBRARY));
  lib.SetLibraryName(QStringLiteral(ZAV_ENGINE_LIBRARY));
  EXPECT_FALSE(lib.IsOpen());
  EXPECT_FALSE(Loaded(ZAV_NO_ENTRY_LIBRARY));
  lib.Open();
  EXPECT_NE(lib.GetProc("_IZAVIK"), nullptr);
}

TEST(DynamicLibrary, DestroyingAnOpenLibraryReleasesIt) {
  ASSERT_FALSE(Loaded(ZAV_NO_ENTRY_LIBRARY));
  {
    TDynamicLibrary lib;
    lib.SetLibraryName(QStringLiteral(ZAV_NO_ENTRY_LIBRARY));
    lib.Open();
    EXPECT_TRUE(Loaded(ZAV_NO_ENTRY_LIBRARY));
  }
  EXPECT_FALSE(Loaded(ZAV_NO_ENTRY_LIBRARY));
}

struct FailureCase {
  const char* Name;
  std::function<QString(const QTemporaryDir&)> Library;  // the file to load
  const char* Raised;  // the message of the exception, or nullptr for none
};

void PrintTo(const FailureCase& C, std::ostream* Os) { *Os << C.Name; }

class LoadFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(LoadFailureTest, EndsClosedWithItsException) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TDynamicLibrary lib;
  lib.SetLibraryName(GetParam().Library(dir));
  if (GetParam().Raised) {
    try {
      lib.Open();
      ADD_FAILURE() << "no exception";
    } catch (const EDLLError& e) {
      EXPECT_EQ(e.Message(), QLatin1String(GetParam().Raised));
    }
    EXPECT_FALSE(lib.LoaderMessage().isEmpty());
  } else {
    EXPECT_NO_THROW(lib.Open());
  }
  EXPECT_FALSE(lib.IsOpen());
  EXPECT_THROW(lib.GetProc("_IZAVIK"), EDLLNotOpenError);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Loads, LoadFailureTest, ::testing::Values(
    FailureCase{"MissingFile",
                [](const QTemporaryDir& D) { return D.filePath(QStringLiteral("Zav3-comp.so")); },
                nullptr},
    FailureCase{"NotALibrary",
                [](const QTemporaryDir& D) {
                  const QString f = D.filePath(QStringLiteral("Zav3-comp.so"));
                  PutFile(f, "TITLE=this is a deck\r\nRUN\r\n");
                  return f;
                },
                "Library failed to properly initialize"},
    FailureCase{"MissingDependency",
                [](const QTemporaryDir&) { return QStringLiteral(ZAV_MISSING_DEPENDENCY_LIBRARY); },
                "Library could not be located"}),
    [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

}  // namespace
}  // namespace zavik
