// A run state with a deck on unit 4, the scratch tapes on 7 and 8 and the report
// on 16, in a scratch folder; the set-up that opening the run files leaves.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/state.h"
#include "input/input.h"
#include "tests/row_name.h"
#include "tests/scratch.h"

namespace zav::testing {

class DeckFixture : public ::testing::Test {
 protected:
  // Writes the deck (CR LF lines, as the front end does), opens the units.
  void open_deck_bytes(const std::string& bytes) {
    put_file("deck.kqd", bytes);
    s.run.UNIT_TABLE(4) = 4;
    s.run.UNIT_TABLE(7) = 7;
    s.run.UNIT_TABLE(8) = 8;
    s.run.OUTPUT_UNIT = 16;
    std::string why;
    ASSERT_TRUE(s.files.open(4, "deck.kqd", io::Access::read, why)) << why;
    ASSERT_TRUE(s.files.open(7, "TAPE7", io::Access::write, why)) << why;
    ASSERT_TRUE(s.files.open(8, "TAPE8", io::Access::write, why)) << why;
    ASSERT_TRUE(s.files.open(16, "deck.kqo", io::Access::write, why)) << why;
  }
  void preprocess(const std::vector<std::string>& deck_lines) {
    open_deck_bytes(lines_text(deck_lines, "\r\n"));
    PREPROCESS_DECK(s);
  }
  // Closes the units and starts the run's data afresh.
  void reset() {
    for (int unit : {4, 7, 8, 16}) ASSERT_TRUE(s.files.close(unit));
    s.run = RunFiles{};
    s.input = InputControl{};
    s.reader = RecordReader{};
  }
  // Every record of a unit, leaving it rewound.
  std::vector<std::string> records(int unit) {
    std::vector<std::string> out;
    std::string r;
    s.files.rewind(unit);
    while (s.files.get(unit, r) == io::Io::ok) out.push_back(r);
    s.files.rewind(unit);
    return out;
  }
  // The report so far; reading it leaves the unit positioned at its end.
  std::vector<std::string> report() {
    std::vector<std::string> out;
    std::string r;
    s.files.rewind(16);
    while (s.files.get(16, r) == io::Io::ok) out.push_back(r);
    return out;
  }

  ScratchDir dir;
  EngineState s;
};

}  // namespace zav::testing
