#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdint>

#include "tests/scratch.h"

namespace zav::testing {
namespace {

using Entry = std::int32_t (*)(std::int32_t);

TEST(EntryLibrary, ExportsOneEntryUnderBothNames) {
  void* lib = dlopen(ZAV_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
  ASSERT_NE(lib, nullptr) << dlerror();
  void* plain = dlsym(lib, "IZAVIK");
  void* bound = dlsym(lib, "_IZAVIK");
  EXPECT_NE(plain, nullptr);
  EXPECT_EQ(plain, bound);
  EXPECT_EQ(dlsym(lib, "READIT"), nullptr);
  dlclose(lib);
}

// Loaded and called again and again in one process, with and without unloading
// in between, each call gives what a first call gives.
TEST(EntryLibrary, EveryCallOfALoadedLibraryStartsAfresh) {
  ScratchDir dir;
  put_names_dat("job");
  const std::string overflow = lines_text({"9(" + std::string(70, '2') + ")", "RUN"});
  const std::string plain = lines_text({"FOUNDATION=PILE", "RUN"});
  std::string first_overflow_report, first_plain_report;
  for (int round = 0; round < 6; ++round) {
    void* lib = dlopen(ZAV_ENGINE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(lib, nullptr) << dlerror();
    auto entry = reinterpret_cast<Entry>(dlsym(lib, "_IZAVIK"));
    ASSERT_NE(entry, nullptr);
    for (const std::string* deck : {&overflow, &plain}) {
      put_file("job.kqd", *deck);
      EXPECT_EQ(entry(round), 3);
      std::string& first = deck == &overflow ? first_overflow_report : first_plain_report;
      if (round == 0) first = file_text("job.kqo");
      EXPECT_EQ(file_text("job.kqo"), first) << "round " << round;
    }
    if (round % 2 == 0) dlclose(lib);
  }
  EXPECT_NE(first_overflow_report, first_plain_report);
}

}  // namespace
}  // namespace zav::testing
