// Decks run through the entry in a scratch folder, as the front end runs them:
// names.dat for "job", the deck "job.kqd" (CR LF lines) and its mass file
// "job.kqm"; the report "job.kqo" is read back line by line.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "common/state.h"
#include "izavik.h"
#include "tests/row_name.h"
#include "tests/scratch.h"

namespace zav::testing {

using Lines = std::vector<std::string>;

inline Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

inline const Lines stop_block = {"1", "", "", " *** RUN TERMINATED BY 'STOP' KEYWORD ***"};
inline const Lines fatal_block = {"1", "", "", "*** FATAL ERROR IN INPUT DATA ***", "*** EXEC   UTION TERMINATED ***"};

// Whether `block` stands in `report` as consecutive lines.
inline ::testing::AssertionResult HasBlock(const Lines& report, const Lines& block) {
  if (block.empty()) return ::testing::AssertionSuccess();
  for (std::size_t i = 0; i + block.size() <= report.size(); ++i) {
    if (std::equal(block.begin(), block.end(), report.begin() + static_cast<long>(i))) {
      return ::testing::AssertionSuccess();
    }
  }
  auto r = ::testing::AssertionFailure() << "the report lacks the block\n";
  for (const auto& l : block) r << "  [" << l << "]\n";
  r << "report:\n";
  for (const auto& l : report) r << "  [" << l << "]\n";
  return r;
}

// The report of a completed run up to its results: the echo and the messages
// of the input. The results start with a page of results (its banner three
// empty lines and 14 lines before the caption "RESULTS") or with the block
// that opens the second pass.
inline Lines input_part(const Lines& report) {
  const std::string caption = std::string(33, ' ') + "RESULTS";
  for (std::size_t i = 0; i < report.size(); ++i) {
    const std::string& l = report[i];
    if (l == caption && i >= 17) return Lines(report.begin(), report.begin() + static_cast<long>(i - 17));
    if (i >= 3 && l == "************** SPECIAL OUTPUT OPTION **************") {
      return Lines(report.begin(), report.begin() + static_cast<long>(i - 3));
    }
  }
  return report;
}

// A message line after its two empty lines; a line of n "*" (echo underlines).
inline Lines two_blank(const std::string& line) { return {"", "", line}; }
inline std::string stars(int n) { return " " + std::string(static_cast<std::size_t>(n), '*'); }
inline std::string blanks(int n) { return std::string(static_cast<std::size_t>(n), ' '); }

inline const Lines will_not_execute = {" PROGRAM WILL NOT EXECUTE"};

// A pile group deck without echo: `layers` elements, `piles` piles (seven to a
// row, half a length unit apart), then `tail`.
inline Lines pile_deck(int layers, int piles, const Lines& tail = {"FLOATING", "STOP"}) {
  Lines d = {"NOECHO",
             "GRAVITY=9.8",
             "FOUNDATION=PILE",
             "CIRCULAR=1",
             "MASS ",
             "1 1 1 1 0 0 0",
             "LAYERS=" + std::to_string(layers),
             "FIXED=" + std::to_string(piles)};
  for (int k = 1; k <= piles; ++k) {
    d.push_back(std::to_string(k) + " " + std::to_string(k % 7) + " " + std::to_string(k / 7) + ".5 ");
  }
  d = d + Lines{"CONSTANTS ", "0 0 0 10 24 ", "0 0.25 0.02 0.6 2.5E7", "ELEMENT"};
  for (int k = 1; k <= layers; ++k) d.push_back(std::to_string(k) + " 1 0.3 0.3 0.28 0.006 0.006 0.012");
  return d + tail;
}

// The deck with its line `from` replaced by `to`.
inline Lines with(Lines d, const std::string& from, const Lines& to) {
  auto it = std::find(d.begin(), d.end(), from);
  EXPECT_NE(it, d.end()) << from;
  if (it == d.end()) return d;
  it = d.erase(it);
  d.insert(it, to.begin(), to.end());
  return d;
}

class DeckRun : public ::testing::Test {
 protected:
  // Runs the deck; returns the engine's status.
  int run(const Lines& deck, const std::string& mass_file = "0\r\n") {
    put_names_dat("job");
    put_file("job.kqd", lines_text(deck, "\r\n"));
    put_file("job.kqm", mass_file);
    s = std::make_unique<EngineState>();
    s->files.console_in = nullptr;
    capture_run_inputs();
    status = IZAVIK(*s);
    report = file_lines("job.kqo");
    return status;
  }

  ScratchDir dir;
  std::unique_ptr<EngineState> s;
  int status = -1;
  Lines report;
};

// A deck and what its report says: exactly (the expected lines, then the closing
// block of the status) or as a block somewhere in it.
struct MessageRow {
  const char* name;
  Lines deck;
  int status;
  Lines expected;
  bool whole;
};

inline std::ostream& operator<<(std::ostream& os, const MessageRow& r) { return os << r.name; }

class DeckMessages : public DeckRun, public ::testing::WithParamInterface<MessageRow> {
 protected:
  void check() {
    const MessageRow& row = GetParam();
    EXPECT_EQ(run(row.deck), row.status);
    if (row.whole) {
      if (row.status == 0) EXPECT_EQ(input_part(report), row.expected);
      else EXPECT_EQ(report, row.expected + (row.status == 2 ? stop_block : fatal_block));
    } else {
      EXPECT_TRUE(HasBlock(report, row.expected));
    }
  }
};

}  // namespace zav::testing
