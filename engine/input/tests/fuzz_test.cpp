// Random and mutated decks through the preprocessor and the record reader, and
// through a whole run: whatever the deck holds, the run ends in order, within the
// records' bounds (the sanitizer build checks every access), and a run that
// completes reports numbers only, with plot data of at least one line.
//
// The structured decks are the shipped examples and small decks of every kind,
// edited as users and scripts get them wrong: whole lines, blocks and sections
// left out, given twice or swapped, numbers replaced by 0, negative, huge and
// non-finite values, counts changed. Each seed deck gives ZAV_FUZZ_DECKS decks
// (40 by default) from the seed ZAV_FUZZ_SEED (1 by default); a longer search
// sets them, for instance
//   ZAV_FUZZ_DECKS=5000 ZAV_FUZZ_SEED=7 zav_input_test --gtest_filter='Seeds/StructuredRuns.*'
// A deck that crashes the run is left as job.kqd in its zav-test-* scratch folder.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <random>
#include <sstream>

#include "input/tests/deck_fixture.h"
#include "input/tests/run_deck.h"
#include "izavik.h"

namespace zav::testing {
namespace {

const char* const pieces[] = {"FOUNDATION=", "HALF-SPACE",  "PILE",     "CIRCULAR=",   "RECTANGULAR=",
                              "MASS ",       "CONSTANTS",   "SOIL ",    "LOAD ",       "HARMONIC ",
                              "RUN ",        "STOP",        "TITLE=",   "WEAK",        "BELOW=",
                              "=",           ",",           "*",        "$",           "(",
                              ")",           "9(",          "0(",       "1.5E3",       "-2E-4",
                              "12",          "3.5",         "-",        "+",           ".",
                              "E",           "T",           "H",        "F",           "Q",
                              "P",           "S",           "V",        " ",           "  ",
                              "\t",          "\r",          "x",        "LAYERS=",     "FIXED=",
                              "PINNED=",     "PARABOLIC",   "ELEMENT",  "END-BEARING", "BATTERED",
                              "XZ",          "INTERACTION", "SIDE-CAP", "EMBEDDED",    "TRANSIENT ",
                              "RANDOM ",     "QUADRATIC",   "GRAVITY=", "1024",        "1E30",
                              "-1",          "31",          "501"};

std::string example_deck() {
  return lines_text({"TITLE=Circular footing",
                     "MATRIX",
                     "GRAVITY=9.8",
                     "FOUNDATION=HALF-SPACE",
                     "CIRCULAR=2.5",
                     "MASS ",
                     "100 175 175 312.5 0 0 0",
                     "CONSTANTS ",
                     "0 0 0.75 ",
                     "SOIL ",
                     "CONSTANTS=1",
                     "1 1 200 18 0.35 0.05",
                     "BELOW=250 18 0.33 0.05",
                     "LOAD ",
                     "HARMONIC ",
                     "CONSTANTS ",
                     "NONQUADRATIC ",
                     "314 6.28 6.28 ",
                     "0 0 50 ",
                     "20 0 0 ",
                     "0 0 0 0 ",
                     "RUN ",
                     "0"},
                    "\r\n");
}

std::string pile_deck() {
  return lines_text({"GRAVITY=32.2",
                     "FOUNDATION=PILE",
                     "RECTANGULAR=4,3",
                     "MASS ",
                     "10 5 5 8 0 0 0",
                     "LAYERS=2",
                     "FIXED=2",
                     "1 -1 0 ",
                     "2 1 0 ",
                     "CONSTANTS ",
                     "0 0 1 20 150 ",
                     "0 0.25 0.02 0.6 4E8",
                     "ELEMENT",
                     "1 10 0.5 0.5 0.78 0.05 0.05 0.1",
                     "2 10 0.5 0.5 0.78 0.05 0.05 0.1",
                     "END-BEARING",
                     "BATTERED",
                     "1 XZ  ",
                     "10 ",
                     "2 YZ  ",
                     "10 ",
                     "INTERACTION ",
                     "SOIL ",
                     "WEAK",
                     "CONSTANTS",
                     "1 500 110 0.4 0.05 0.7 0.4 0.1 1",
                     "2 600 115 0.4 0.05 1 0.4 0.1 0",
                     "BELOW=900 120 0.3 0.05",
                     "SIDE-CAP",
                     "EMBEDDED",
                     "1 ",
                     "1 2 300 100 0.35 0.05 0.5 0.35 0.1 0.1",
                     "LOAD ",
                     "TRANSIENT ",
                     "CONSTANTS ",
                     "4 ",
                     "0.01 ",
                     "2 ",
                     "1",
                     "1 ",
                     "0 ",
                     "-1 ",
                     "0 ",
                     "6",
                     "0 ",
                     "1 ",
                     "0 ",
                     "1 ",
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

// The lines of a report or plot-data text that hold a number that is none.
// The lines that echo the deck's own words (its title, the words met where a
// number or a keyword was expected) may hold any text and are passed over.
std::string non_numbers(const std::string& text) {
  const Lines lines = lines_of(text);
  const std::string banner_end = " " + std::string(49, '*');
  auto echoes_deck_text = [&](std::size_t i) {
    const std::string& l = lines[i];
    const bool title = (i >= 2 && lines[i - 2] == banner_end && lines[i - 1].empty()) ||
                       (i >= 4 && lines[i - 4] == "1" && lines[i - 3].empty() && lines[i - 1].empty());
    return title || l.starts_with(" *** INPUT ERROR ***") || l.starts_with(" UNRECOGNIZED") ||
           l.starts_with(" INVALID") || l.find("SUBKEYWORD MUST BE") != std::string::npos;
  };
  std::string found;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::string& l = lines[i];
    if ((l.find("NaN") != std::string::npos || l.find("Inf") != std::string::npos) && !echoes_deck_text(i)) {
      found += l + "\n";
    }
  }
  return found;
}

// Why the plot data of a completed run are no result, or "": they hold at
// least one frequency line, and exactly the records their first record counts
// (two impedance records of nine numbers a line with MATRIX, one response
// record of seven a line for a harmonic load).
std::string plot_fault(const std::string& text) {
  std::vector<std::vector<std::string>> records;
  for (const std::string& l : lines_of(text)) {
    std::istringstream in(l);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    records.push_back(words);
  }
  if (records.empty() || records[0].size() != 1) return "no count of lines";
  const long n = std::strtol(records[0][0].c_str(), nullptr, 10);
  if (n < 1) return "no frequency line";
  long impedance = 0, response = 0;
  for (std::size_t r = 1; r < records.size(); ++r) {
    if (records[r].size() == 9) ++impedance;
    else if (records[r].size() == 7) ++response;
    else return "record " + std::to_string(r + 1) + " of neither kind";
  }
  if ((impedance != 0 && impedance != 2 * n) || (response != 0 && response != n)) {
    return std::to_string(impedance) + " impedance and " + std::to_string(response) + " response records for " +
           std::to_string(n) + " lines";
  }
  return "";
}

// --- Structured decks ---

bool starts_number(const std::string& t) {
  std::size_t i = t[0] == '-' || t[0] == '+' ? 1 : 0;
  if (i < t.size() && t[i] == '.') ++i;
  return i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]));
}

// The first word of a line, up to a blank, "=" or ",".
std::string head_word(const std::string& line) {
  std::size_t end = line.find_first_of(" =,");
  return line.substr(0, end);
}

// Lines that open a section of the deck: the words the keyword loop acts on.
bool opens_section(const std::string& line) {
  static const char* const words[] = {"TITL", "MATR", "GRAV", "FOUN", "SOIL", "LOAD", "RUN",
                                      "STOP", "ECHO", "NOEC", "WIDE", "NARR", "DIME"};
  const std::string w = head_word(line).substr(0, 4);
  for (const char* k : words) {
    if (w == k) return true;
  }
  return false;
}

// Lines that open a block: any word, a section's or a sub-section's.
bool opens_block(const std::string& line) {
  const std::size_t i = line.find_first_not_of(' ');
  return i != std::string::npos && std::isalpha(static_cast<unsigned char>(line[i]));
}

class StructuredDecks {
 public:
  StructuredDecks(unsigned seed, Lines deck, std::vector<Lines> others)
      : rng_(seed), deck_(std::move(deck)), others_(std::move(others)) {}

  Lines next() {
    Lines d = deck_;
    const std::size_t edits = 1 + pick(4);
    for (std::size_t e = 0; e < edits && !d.empty(); ++e) edit(d);
    return d;
  }

 private:
  std::size_t pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }

  // The spans [begin, end) of the deck that lines of one kind open; the lines
  // before the first belong to none.
  static std::vector<std::pair<std::size_t, std::size_t>> spans(const Lines& d, bool (*opens)(const std::string&)) {
    std::vector<std::pair<std::size_t, std::size_t>> out;
    for (std::size_t i = 0; i < d.size(); ++i) {
      if (!opens(d[i])) continue;
      if (!out.empty()) out.back().second = i;
      out.push_back({i, d.size()});
    }
    return out;
  }

  void edit(Lines& d) {
    switch (pick(12)) {
      case 0: d.erase(d.begin() + static_cast<long>(pick(d.size()))); break;
      case 1: {
        const std::size_t i = pick(d.size());
        d.insert(d.begin() + static_cast<long>(i), d[i]);
        break;
      }
      case 2: std::swap(d[pick(d.size())], d[pick(d.size())]); break;
      case 3: span_edit(d, spans(d, opens_section)); break;
      case 4: span_edit(d, spans(d, opens_block)); break;
      case 5:
      case 6: replace_number(d); break;
      case 7: change_count(d); break;
      case 8: d.resize(pick(d.size())); break;
      case 9: {
        // A section of another deck, where this deck has a section.
        const Lines& other = others_[pick(others_.size())];
        const auto from = spans(other, opens_section);
        const auto at = spans(d, opens_section);
        if (from.empty() || at.empty()) break;
        const auto [b, e] = from[pick(from.size())];
        d.insert(d.begin() + static_cast<long>(at[pick(at.size())].first), other.begin() + static_cast<long>(b),
                 other.begin() + static_cast<long>(e));
        break;
      }
      case 10: {
        static const char* const lines[] = {
            "PARABOLIC", "NOECHO",      "ECHO",      "WEAK",          "SIDE-CAP", "EMBEDDED", "INTERACTION",
            "BATTERED",  "END-BEARING", "QUADRATIC", "DIMENSIONLESS", "WIDE",     "TITLE",    "TITLE=",
            "STOP",      "RUN",         "CONSTANTS", "BELOW=",        "MASS",     "LAYERS=2", "ELEMENT",
            "PINNED=1",  "XZ",          "YZ",        "1 XZ",          "0",        "1",        "-1",
            "7"};
        d.insert(d.begin() + static_cast<long>(pick(d.size() + 1)), lines[pick(std::size(lines))]);
        break;
      }
      default: {
        // Numbers a script writes with all their digits.
        const std::size_t i = pick(d.size());
        d[i] =
            replaced_tokens(d[i], [](const std::string& t) { return starts_number(t) ? t + "0000000000000001" : t; });
        break;
      }
    }
  }

  // Deletes, duplicates or swaps whole spans.
  void span_edit(Lines& d, const std::vector<std::pair<std::size_t, std::size_t>>& s) {
    if (s.empty()) return;
    const auto [b, e] = s[pick(s.size())];
    const Lines span(d.begin() + static_cast<long>(b), d.begin() + static_cast<long>(e));
    switch (pick(3)) {
      case 0: d.erase(d.begin() + static_cast<long>(b), d.begin() + static_cast<long>(e)); break;
      case 1: d.insert(d.begin() + static_cast<long>(s[pick(s.size())].first), span.begin(), span.end()); break;
      default: {
        const auto [b2, e2] = s[pick(s.size())];
        if (b2 == b) break;
        const Lines other(d.begin() + static_cast<long>(b2), d.begin() + static_cast<long>(e2));
        // The later span first, so that the earlier one keeps its place.
        const bool later = b2 > b;
        const auto [lb, le] = later ? std::pair{b2, e2} : std::pair{b, e};
        const auto [eb, ee] = later ? std::pair{b, e} : std::pair{b2, e2};
        const Lines& into_later = later ? span : other;
        const Lines& into_earlier = later ? other : span;
        d.erase(d.begin() + static_cast<long>(lb), d.begin() + static_cast<long>(le));
        d.insert(d.begin() + static_cast<long>(lb), into_later.begin(), into_later.end());
        d.erase(d.begin() + static_cast<long>(eb), d.begin() + static_cast<long>(ee));
        d.insert(d.begin() + static_cast<long>(eb), into_earlier.begin(), into_earlier.end());
        break;
      }
    }
  }

  // The line with one of its tokens (split at blanks, "," and "=") replaced.
  template <class F>
  static std::string replaced_tokens(const std::string& line, F&& f) {
    std::string out, token;
    for (char c : line + ' ') {
      if (c == ' ' || c == ',' || c == '=') {
        if (!token.empty()) out += f(token);
        token.clear();
        out += c;
      } else {
        token += c;
      }
    }
    out.pop_back();
    return out;
  }

  // One number of a line chosen at random replaced by `make` of it.
  bool replace_one(Lines& d, bool (*wanted)(const std::string&), const std::function<std::string(std::string)>& make) {
    std::vector<std::pair<std::size_t, std::size_t>> places;  // line, token
    for (std::size_t i = 0; i < d.size(); ++i) {
      std::size_t k = 0;
      replaced_tokens(d[i], [&](const std::string& t) {
        if (wanted(t)) places.push_back({i, k});
        ++k;
        return t;
      });
    }
    if (places.empty()) return false;
    const auto [line, which] = places[pick(places.size())];
    std::size_t k = 0;
    d[line] = replaced_tokens(d[line], [&](const std::string& t) { return k++ == which ? make(t) : t; });
    return true;
  }

  void replace_number(Lines& d) {
    static const char* const values[] = {"0",     "-1",        "1E30", "3.4E38", "-3.4E38", "1E39",
                                         "1E-45", "1E-38",     "NaN",  "Inf",    "1E999",   "-0",
                                         "0.5",   "0.5000001", "1E20", "1E-20",  "99999",   "0.0063617251235193305"};
    replace_one(d, starts_number, [&](std::string t) {
      if (pick(4) == 0) return t[0] == '-' ? t.substr(1) : "-" + t;
      return std::string(values[pick(std::size(values))]);
    });
  }

  static bool is_count(const std::string& t) {
    return !t.empty() &&
           std::all_of(t.begin(), t.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
  }

  void change_count(Lines& d) {
    replace_one(d, is_count, [&](std::string t) {
      const long n = std::stol(t.substr(0, 9));
      const long to[] = {n + 1, n - 1, 0, 2 * n, 30, 31, 500, 501, 1024, 1025, -1, 100000};
      return std::to_string(to[pick(std::size(to))]);
    });
  }

  std::mt19937 rng_;
  Lines deck_;
  std::vector<Lines> others_;
};

unsigned env_number(const char* name, unsigned fallback) {
  const char* v = std::getenv(name);
  return v && *v ? static_cast<unsigned>(std::strtoul(v, nullptr, 10)) : fallback;
}

// The seed decks: every shipped example, and small decks of the kinds the
// examples leave out.
std::vector<std::pair<std::string, Lines>> seed_decks() {
  std::vector<std::pair<std::string, Lines>> seeds;
  std::vector<std::filesystem::path> examples;
  for (const auto& e : std::filesystem::directory_iterator(ZAV_EXAMPLES_DIR)) {
    if (e.path().extension() == ".kqd") examples.push_back(e.path());
  }
  std::sort(examples.begin(), examples.end());
  for (const auto& path : examples) {
    Lines d = file_lines(path.string());
    for (std::string& l : d) {
      if (!l.empty() && l.back() == '\r') l.pop_back();
    }
    seeds.push_back({path.stem().string(), d});
  }
  seeds.push_back({"parabolic-pile",
                   {"NOECHO",
                    "TITLE=Piles in a parabolic medium",
                    "GRAVITY=9.8",
                    "FOUNDATION=PILE",
                    "CIRCULAR=1",
                    "MASS ",
                    "1 1 1 1 0 0 0",
                    "PARABOLIC",
                    "PINNED=2",
                    "1 -1 0.5 ",
                    "2 1 0.5 ",
                    "CONSTANTS ",
                    "0 0 0 10 24 ",
                    "0 0.25 0.02 0.6 2.5E7",
                    "ELEMENT",
                    "0.3 0.3 0.28 0.006 0.006 0.012",
                    "FLOATING",
                    "SOIL ",
                    "CONSTANTS",
                    "120 17 0.4 0.05",
                    "BELOW=350 19 0.3 0.05",
                    "LOAD ",
                    "RANDOM ",
                    "CONSTANTS ",
                    "12.56 ",
                    "6.28 ",
                    "3 ",
                    "60 ",
                    "1 ",
                    "1 1",
                    "1 ",
                    "2 ",
                    "1 ",
                    "RUN "}});
  seeds.push_back({"multilayer-transient",
                   {"TITLE=Column",
                    "GRAVITY=32.2",
                    "FOUNDATION=MULTILAYER",
                    "CIRCULAR=5",
                    "MASS ",
                    "100 50 50 80 0 0 0",
                    "LAYER=3",
                    "CONSTANTS ",
                    "0 0 1 9 150 ",
                    "0 0.3 0.03 0.85 6E5",
                    "ELEMENT",
                    "1 3 5 5 78 490 490 980",
                    "2 3 5 5 78 490 490 980",
                    "3 3 5 5 78 490 490 980",
                    "SOIL ",
                    "WEAK ",
                    "CONSTANTS=1",
                    "1 500 110 0.35 0.05 0.6 0.35 0.1 1",
                    "2 650 115 0.33 0.04 1.5 0.8",
                    "3 700 115 0.33 0.04 1.5 0.8",
                    "BELOW=900 120 0.3 0.05",
                    "LOAD ",
                    "TRANSIENT ",
                    "CONSTANTS ",
                    "6 ",
                    "0.02 ",
                    "2 ",
                    "3",
                    "1 ",
                    "0 ",
                    "-1 ",
                    "0 ",
                    "1 ",
                    "0 ",
                    "5",
                    "2(0 1 0)",
                    "RUN "}});
  return seeds;
}

class StructuredRuns : public DeckRun, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(StructuredRuns, EndInOrderAndACompletedRunReportsNumbersOnly) {
  const auto seeds = seed_decks();
  ASSERT_LT(GetParam(), seeds.size());
  const auto& [name, deck] = seeds[GetParam()];
  std::vector<Lines> others;
  for (const auto& s : seeds) others.push_back(s.second);
  // The seed deck itself is a complete analysis.
  ASSERT_EQ(run(deck), status_completed) << name << "\n" << lines_text(report);
  ASSERT_EQ(non_numbers(file_text("job.kqo") + file_text("job.kqp")), "");
  ASSERT_EQ(plot_fault(file_text("job.kqp")), "");
  const unsigned seed = env_number("ZAV_FUZZ_SEED", 1) * 1000003u + static_cast<unsigned>(GetParam());
  const unsigned count = env_number("ZAV_FUZZ_DECKS", 40);
  StructuredDecks decks(seed, deck, others);
  for (unsigned round = 0; round < count; ++round) {
    const Lines d = decks.next();
    const int st = run(d);
    SCOPED_TRACE(name + " deck " + std::to_string(round) + ":\n" + lines_text(d));
    ASSERT_TRUE(st == status_completed || st == status_stopped || st == status_fatal) << st;
    ASSERT_FALSE(report.empty());
    if (st == status_completed) {
      ASSERT_EQ(non_numbers(file_text("job.kqo")), "");
      ASSERT_EQ(non_numbers(file_text("job.kqp")), "");
      ASSERT_EQ(plot_fault(file_text("job.kqp")), "");
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Seeds, StructuredRuns, ::testing::Range<std::size_t>(0, seed_decks().size()),
                         [](const auto& info) {
                           std::string n = seed_decks()[info.param].first;
                           std::replace(n.begin(), n.end(), '-', '_');
                           return n;
                         });

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
    s.input.set_keyword_count(KEYWORD_COUNT);
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
      if (status == -1 && mode == 1 && s.reader.keyword != Keyword::none) {
        ASSERT_EQ(KEYWORD_TABLE(s.reader.keyword), s.reader.text_buffer[0]);
      }
      if (mode == -1 && status == 0) break;
      if (mode == -1) {
        Keyword k = Keyword::none;
        FIND_KEYWORD(s, w, k);
        if (k != Keyword::none) {
          ASSERT_EQ(KEYWORD_TABLE(k), w);
        }
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
    capture_run_inputs();
    ASSERT_EQ(IZAVIK(*s), status_completed) << file_text("job.kqo");
  }
  Decks decks(99u);
  for (int round = 0; round < 150; ++round) {
    put_file("job.kqd", decks.next());
    auto s = std::make_unique<EngineState>();
    s->files.console_in = nullptr;
    capture_run_inputs();
    int status = IZAVIK(*s);
    ASSERT_TRUE(status == status_completed || status == status_stopped || status == status_fatal) << status;
    ASSERT_FALSE(file_lines("job.kqo").empty());
    if (status == status_completed) {
      ASSERT_EQ(non_numbers(file_text("job.kqo")), "");
      ASSERT_EQ(plot_fault(file_text("job.kqp")), "");
    }
  }
}

}  // namespace
}  // namespace zav::testing
