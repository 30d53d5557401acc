// Test helpers: a scratch folder that becomes the current folder for the test's
// lifetime, and small file utilities.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace zav::testing {

// With ZAV_CAPTURE_DECKS naming a folder, the deck files of the current folder
// (decks, mass files, time histories) are copied there, one subfolder a run,
// as a test is about to run them: tools/compare-engine-output runs the same
// decks through two builds of the engine and compares what they write.
inline void capture_run_inputs() {
  const char* to = std::getenv("ZAV_CAPTURE_DECKS");
  if (to == nullptr || *to == '\0') return;
  static std::atomic<int> runs{0};
  namespace fs = std::filesystem;
  const fs::path folder = fs::path(to) / (std::to_string(::getpid()) + "-" + std::to_string(++runs));
  std::error_code ec;
  fs::create_directories(folder, ec);
  for (const auto& e : fs::directory_iterator(fs::current_path(), ec)) {
    const std::string ext = e.path().extension().string();
    if (e.is_regular_file() && (ext == ".kqd" || ext == ".kqm" || ext == ".kqt")) {
      fs::copy_file(e.path(), folder / e.path().filename(), fs::copy_options::overwrite_existing, ec);
    }
  }
}

class ScratchDir {
 public:
  ScratchDir() : old_(std::filesystem::current_path()) {
    std::string t = (std::filesystem::temp_directory_path() / "zav-test-XXXXXX").string();
    dir_ = mkdtemp(t.data());
    std::filesystem::current_path(dir_);
  }
  ~ScratchDir() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(dir_, ec);
  }
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;

  const std::filesystem::path& path() const { return dir_; }

 private:
  std::filesystem::path old_;
  std::filesystem::path dir_;
};

inline void put_file(const std::string& name, const std::string& bytes) {
  std::ofstream(name, std::ios::binary) << bytes;
}

inline std::string file_text(const std::string& name) {
  std::ifstream f(name, std::ios::binary);
  std::stringstream ss;
  ss << f.rdbuf();
  return ss.str();
}

inline bool file_exists(const std::string& name) { return std::filesystem::exists(name); }

// Lines of a text, each ended by "\n" (or "\r\n") in the file.
inline std::string lines_text(const std::vector<std::string>& lines, const char* eol = "\n") {
  std::string s;
  for (const auto& l : lines) s += l + eol;
  return s;
}

inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> out;
  std::string line;
  std::istringstream in(text);
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

inline std::vector<std::string> file_lines(const std::string& name) { return lines_of(file_text(name)); }

// A text record of the preprocessed deck: 80 columns.
inline std::string text80(const std::string& t) {
  std::string r = t;
  r.resize(80, ' ');
  return r;
}

// The seven lines the front end writes for a deck "stem.kqd".
inline void put_names_dat(const std::string& stem, const char* eol = "\r\n") {
  put_file("names.dat", lines_text({"3.0.15", stem + ".kqd", stem + ".kqo", stem + ".kqp", stem + ".kqr", stem + ".kqt",
                                    stem + ".kqm"},
                                   eol));
}

}  // namespace zav::testing
