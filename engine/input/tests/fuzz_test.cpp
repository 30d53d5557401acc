// Random and mutated decks through the preprocessor and the record reader, and
// through a whole run: whatever the deck holds, the run ends in order, within the
// records' bounds (the sanitizer build checks every access).
#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "input/tests/deck_fixture.h"
#include "izavik.h"

namespace zav::testing {
namespace {

const char* const pieces[] = {
    "FOUNDATION=", "HALF-SPACE", "PILE", "CIRCULAR=", "RECTANGULAR=", "MASS ", "CONSTANTS", "SOIL ", "LOAD ",
    "HARMONIC ", "RUN ", "STOP", "TITLE=", "WEAK", "BELOW=", "=", ",", "*", "$", "(", ")", "9(", "0(", "1.5E3",
    "-2E-4", "12", "3.5", "-", "+", ".", "E", "T", "H", "F", "Q", "P", "S", "V", " ", "  ", "\t", "\r", "x",
    "LAYERS=", "FIXED=", "PINNED=", "PARABOLIC", "ELEMENT", "END-BEARING", "BATTERED", "XZ", "INTERACTION",
    "SIDE-CAP", "EMBEDDED", "TRANSIENT ", "RANDOM ", "QUADRATIC", "GRAVITY=", "1024", "1E30", "-1", "31", "501"};

std::string example_deck() {
  return lines_text({"TITLE=Circular footing", "MATRIX", "GRAVITY=9.8", "FOUNDATION=HALF-SPACE", "CIRCULAR=2.5",
                     "MASS ", "100 175 175 312.5 0 0 0", "CONSTANTS ", "0 0 0.75 ", "SOIL ", "CONSTANTS=1",
                     "1 1 200 18 0.35 0.05", "BELOW=250 18 0.33 0.05", "LOAD ", "HARMONIC ", "CONSTANTS ",
                     "NONQUADRATIC ", "314 6.28 6.28 ", "0 0 50 ", "20 0 0 ", "0 0 0 0 ", "RUN ", "0"},
                    "\r\n");
}

std::string pile_deck() {
  return lines_text({"GRAVITY=32.2", "FOUNDATION=PILE", "RECTANGULAR=4,3", "MASS ", "10 5 5 8 0 0 0", "LAYERS=2",
                     "FIXED=2", "1 -1 0 ", "2 1 0 ", "CONSTANTS ", "0 0 1 20 150 ", "0 0.25 0.02 0.6 4E8", "ELEMENT",
                     "1 10 0.5 0.5 0.78 0.05 0.05 0.1", "2 10 0.5 0.5 0.78 0.05 0.05 0.1", "END-BEARING", "BATTERED",
                     "1 XZ  ", "10 ", "2 YZ  ", "10 ", "INTERACTION ", "SOIL ", "WEAK", "CONSTANTS",
                     "1 500 110 0.4 0.05 0.7 0.4 0.1 1", "2 600 115 0.4 0.05 1 0.4 0.1 0", "BELOW=900 120 0.3 0.05",
                     "SIDE-CAP", "EMBEDDED", "1 ", "1 2 300 100 0.35 0.05 0.5 0.35 0.1 0.1", "LOAD ", "TRANSIENT ",
                     "CONSTANTS ", "4 ", "0.01 ", "2 ", "1", "1 ", "0 ", "-1 ", "0 ", "6", "0 ", "1 ", "0 ", "1 ",
                     "RUN "},
                    "\r\n");
}

class Decks {
 public:
  explicit Decks(unsigned seed) : rng_(seed) {}

  std::string next() {
    switch (pick(5)) {
      case 0: return random_bytes();
      case 1: return random_tokens();
      case 2: return mutated(example_deck());
      case 3: return mutated(pile_deck());
      default: return mutated(random_tokens());
    }
  }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  std::string random_bytes() {
    std::string s(pick(600), '\0');
    for (char& c : s) c = static_cast<char>(pick(256));
    return s;
  }

  std::string random_tokens() {
    std::string s;
    std::size_t lines = pick(30);
    for (std::size_t l = 0; l < lines; ++l) {
      std::size_t n = pick(pick(8) == 0 ? 120 : 12);
      for (std::size_t k = 0; k < n; ++k) s += pieces[pick(std::size(pieces))];
      s += pick(2) ? "\r\n" : "\n";
    }
    return s;
  }

  std::string mutated(std::string s) {
    std::size_t edits = 1 + pick(12);
    for (std::size_t e = 0; e < edits && !s.empty(); ++e) {
      std::size_t at = pick(s.size());
      switch (pick(5)) {
        case 0: s[at] = static_cast<char>(pick(256)); break;
        case 1: s.erase(at, pick(20)); break;
        case 2: s.insert(at, pieces[pick(std::size(pieces))]); break;
        case 3: s.insert(at, std::string(pick(200), static_cast<char>('0' + pick(10)))); break;
        default: s.insert(at, s.substr(pick(s.size()), pick(80))); break;
      }
    }
    return s;
  }

  std::mt19937 rng_;
};

class DeckFuzz : public DeckFixture {};

TEST_F(DeckFuzz, PreprocessorAndRecordReaderHoldOnEveryDeck) {
  Decks decks(20240611u);
  std::mt19937 modes(7u);
  const int mode_of[] = {1, 1, 1, -1, -1, -1, 0, 2, -2};
  for (int round = 0; round < 400; ++round) {
    reset();
    open_deck_bytes(decks.next());
    PREPROCESS_DECK(s);
    for (const std::string& r : records(7)) {
      ASSERT_LE(r.size(), 81u);  // 80 columns, and the point appended to an 80-digit number
      ASSERT_NE(r.find_first_not_of(' '), std::string::npos) << "blank record on the preprocessed deck";
    }
    s.input.INPUT_STATUS(10) = KEYWORD_COUNT;
    // Read on until the word mode meets the end of the deck; every step back is
    // bounded by what was read, so a bounded number of calls must get there.
    int status = 1;
    int calls = 0;
    const int limit = 20 * static_cast<int>(records(7).size()) + 20;
    while (calls++ < limit) {
      int mode = mode_of[modes() % std::size(mode_of)];
      real v = 0.0f;
      std::string w;
      READIT(s, mode, v, w, status);
      ASSERT_TRUE(status == 1 || status == -1 || status == 0);
      if (mode < 0) {
        ASSERT_EQ(w.size(), 4u);
      }
      if (status == -1 && mode == 1) {
        ASSERT_TRUE(s.reader.keyword_index >= 1 && s.reader.keyword_index <= 53);
      }
      if (mode == -1 && status == 0) break;
      if (mode == -1) {
        int index = 0, st = 0;
        FIND_KEYWORD(s, w, index, st);
        ASSERT_TRUE((index >= 1 && index <= KEYWORD_COUNT) || index == 999);
      }
    }
  }
}

TEST(RunFuzz, WholeRunsEndInOrderOnEveryDeck) {
  ScratchDir dir;
  put_names_dat("job");
  // The decks that are mutated are complete as they stand.
  for (const std::string& deck : {example_deck(), pile_deck()}) {
    put_file("job.kqd", deck);
    auto s = std::make_unique<EngineState>();
    s->files.console_in = nullptr;
    ASSERT_EQ(IZAVIK(*s), status_completed) << file_text("job.kqo");
  }
  Decks decks(99u);
  for (int round = 0; round < 150; ++round) {
    put_file("job.kqd", decks.next());
    auto s = std::make_unique<EngineState>();
    s->files.console_in = nullptr;
    int status = IZAVIK(*s);
    ASSERT_TRUE(status == status_completed || status == status_stopped || status == status_fatal) << status;
    ASSERT_FALSE(file_lines("job.kqo").empty());
  }
}

}  // namespace
}  // namespace zav::testing
