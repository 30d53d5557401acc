// zav3-run DECK: runs the engine on one deck from the command line, as the front
// end's analysis run does: writes names.dat into the current folder, loads the
// engine library from this program's folder, calls its entry once, deletes
// names.dat and exits with the engine's status (0, 2 or 3). Failures of its own
// are told on stderr and end with status 1.
#include <dlfcn.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

constexpr const char* version_text = "3.0.15";
constexpr const char* library_name = "Zav3-comp.so";
constexpr const char* entry_name = "_IZAVIK";
constexpr int runner_failure = 1;

// A file beside the deck: the deck's name without a final ".kqd" (in any
// case), or its whole name, followed by ext. Only the deck's own extension
// goes, so that "job v1.2.kqd" and "job v1.3.kqd" never share a report.
std::string with_extension(const std::string& deck, const char* ext) {
  const std::string suffix = ".kqd";
  const std::size_t slash = deck.find_last_of('/');
  const std::size_t name = slash == std::string::npos ? 0 : slash + 1;
  if (deck.size() > name + suffix.size()) {
    const std::size_t at = deck.size() - suffix.size();
    bool deck_suffix = true;
    for (std::size_t i = 0; i < suffix.size(); ++i)
      deck_suffix = deck_suffix && std::tolower(static_cast<unsigned char>(deck[at + i])) == suffix[i];
    if (deck_suffix) return deck.substr(0, at) + ext;
  }
  return deck + ext;
}

bool write_names(const std::string& deck) {
  std::ofstream f("names.dat", std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f << version_text << "\r\n" << deck << "\r\n";
  for (const char* ext : {".kqo", ".kqp", ".kqr", ".kqt", ".kqm"}) f << with_extension(deck, ext) << "\r\n";
  f.close();
  return static_cast<bool>(f);
}

std::string own_folder() {
  std::error_code ec;
  auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(".") : exe.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || argv[1][0] == '\0') {
    std::fprintf(stderr, "usage: zav3-run DECK\n");
    return runner_failure;
  }
  const std::string deck = argv[1];
  struct stat st {};
  if (::stat(deck.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || ::access(deck.c_str(), R_OK) != 0) {
    std::fprintf(stderr, "zav3-run: no readable deck %s\n", deck.c_str());
    return runner_failure;
  }
  if (!write_names(deck)) {
    std::fprintf(stderr, "zav3-run: cannot write names.dat into the current folder\n");
    std::remove("names.dat");
    return runner_failure;
  }
  const std::string library = own_folder() + "/" + library_name;
  int status = runner_failure;
  if (void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL)) {
    using Entry = std::int32_t (*)(std::int32_t);
    if (auto entry = reinterpret_cast<Entry>(dlsym(handle, entry_name))) {
      status = entry(0);
    } else {
      std::fprintf(stderr, "zav3-run: %s has no entry %s\n", library.c_str(), entry_name);
    }
    dlclose(handle);
  } else {
    std::fprintf(stderr, "zav3-run: cannot load the engine library: %s\n", dlerror());
  }
  std::remove("names.dat");
  return status;
}
