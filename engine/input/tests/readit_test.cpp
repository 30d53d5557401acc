#include <gtest/gtest.h>

#include "input/tests/deck_fixture.h"

namespace zav::testing {
namespace {

const std::string eof_number_message[] = {"", "", " *** INPUT ERROR ***    END OF FILE ENCOUNTEREDW   HILE READING",
                                          "                        NUMBER   1 OF   1 NUMBERS TO BE REA D"};

std::string alphanumeric_message(const std::string& first20) {
  return " *** INPUT ERROR ***    ALPHANUMERIC ENCOUNTERED - \"" + first20 + "\",";
}

class RecordReader : public DeckFixture {
 protected:
  void deck(const std::vector<std::string>& lines) {
    preprocess(lines);
    s.input.set_keyword_count(KEYWORD_COUNT);  // as the keyword loop leaves it
  }
  real number(int& status) {
    real v = -1.0f;
    std::string w;
    READIT(s, 1, v, w, status);
    return v;
  }
  std::string word(int& status, int mode = -1) {
    real v = 0.0f;
    std::string w = "junk";
    READIT(s, mode, v, w, status);
    return w;
  }
};

// A number field, then the word read after it.
struct NumberRow {
  std::vector<std::string> deck;
  int status;
  real value;
  Keyword keyword;  // when status is -1
  std::string next_word;
  std::vector<std::string> report;
};

std::ostream& operator<<(std::ostream& os, const NumberRow& r) { return os << (r.deck.empty() ? "" : r.deck[0]); }

class NumberField : public RecordReader, public ::testing::WithParamInterface<NumberRow> {};

TEST_P(NumberField, GivesTheValueOrIdentifiesTheText) {
  const NumberRow& row = GetParam();
  deck(row.deck);
  int status = 0;
  EXPECT_FLOAT_EQ(number(status), row.value);
  EXPECT_EQ(status, row.status);
  if (row.status == -1) {
    EXPECT_EQ(s.reader.keyword, row.keyword);
  }
  int st = 0;
  EXPECT_EQ(word(st), row.next_word);
  auto rep = report();
  rep.resize(std::min(rep.size(), row.report.size()));
  EXPECT_EQ(rep, row.report);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Records, NumberField, ::testing::Values(
  NumberRow{{"12", "SOIL"},            1, 12.0f,  Keyword::none, "SOIL", {}},
  NumberRow{{"1.5E3"},                 1, 1500.0f, Keyword::none, "    ", {}},
  NumberRow{{"-0.35"},                 1, -0.35f, Keyword::none, "    ", {}},
  NumberRow{{"SOIL", "1"},            -1, 0.0f,  Keyword::SOIL, "SOIL",
            {"", "", alphanumeric_message("SOIL                ")}},
  NumberRow{{"ABC", "NEXT"},          -1, 0.0f,  Keyword::none, "NEXT",
            {"", "", alphanumeric_message("ABC                 ")}},
  NumberRow{{"RUN"},                  -1, 0.0f,  Keyword::RUN,  "RUN ", {}},
  NumberRow{{"1.5.2"},                -1, 0.0f,  Keyword::none, "    ", {}},
  // A record that is one number is that number, however many digits it has.
  NumberRow{{"12345678901234567890123", "7"}, 1, 1.2345679e22f, Keyword::none, "7.  ", {}},
  NumberRow{{"0.0063617251235193305", "7"}, 1, 0.0063617251f, Keyword::none, "7.  ", {}},
  NumberRow{{"-1.00000000000000000000E-5"}, 1, -1.0e-5f, Keyword::none, "    ", {}},
  NumberRow{{"1234567890123456789012Z", "7"}, -1, 0.0f, Keyword::none, "7.  ",
            {"", "", alphanumeric_message("12345678901234567890")}},
  NumberRow{{},                        0, 0.0f,   Keyword::none, "    ",
            {eof_number_message[0], eof_number_message[1], eof_number_message[2], eof_number_message[3]}}
), row_name);
// clang-format on

struct KeywordRow {
  const char* line;
  Keyword keyword;
};

std::ostream& operator<<(std::ostream& os, const KeywordRow& r) { return os << r.line; }

class KeywordLookup : public RecordReader, public ::testing::WithParamInterface<KeywordRow> {};

TEST_P(KeywordLookup, IsFoundByItsFirstFourCharacters) {
  deck({GetParam().line});
  int status = 0;
  Keyword k = Keyword::none;
  std::string w = word(status);
  EXPECT_EQ(status, 1);
  FIND_KEYWORD(s, w, k);
  EXPECT_EQ(k, GetParam().keyword);
  if (k == Keyword::none) {
    EXPECT_EQ(report(), (std::vector<std::string>{"", "", " UNRECOGNIZED KEYWORD - " + w}));
  } else {
    EXPECT_TRUE(report().empty());
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Words, KeywordLookup, ::testing::Values(
  KeywordRow{"RUN",          Keyword::RUN},
  KeywordRow{"RUNNING",      Keyword::none},
  KeywordRow{"STOPPED",      Keyword::STOP},
  KeywordRow{"FOUNDATION",   Keyword::FOUN},
  KeywordRow{"HALF-SPACE",   Keyword::HALF},
  KeywordRow{"RECTANGULAR",  Keyword::RECT},
  KeywordRow{"CONSTANTS",    Keyword::CONS},
  KeywordRow{"END-BEARING",  Keyword::END},
  KeywordRow{"PAD",          Keyword::PAD},
  KeywordRow{"QUADRATIC",    Keyword::QUAD},
  KeywordRow{"NONQUADRATIC", Keyword::NONQ},
  KeywordRow{"MATRIX",       Keyword::MATR},
  KeywordRow{"soil",         Keyword::none},
  KeywordRow{"    X",        Keyword::BLANK}
), row_name);
// clang-format on

TEST_F(RecordReader, WordModeAtTheEndOfTheDeckGivesStatusZeroAndABlankWord) {
  deck({});
  int status = 1;
  EXPECT_EQ(word(status), "    ");
  EXPECT_EQ(status, 0);
  EXPECT_EQ(report(), (std::vector<std::string>{"", "", " *** INPUT ERROR ***    END OF FILE ENCOUNTERED WHILE",
                                                "                        READING   1 ALPHANUMERIC WORDS"}));
}

TEST_F(RecordReader, StepsBackOnModeZeroAndOnAnInvalidMode) {
  deck({"1 2"});
  int status = 0;
  EXPECT_FLOAT_EQ(number(status), 1.0f);
  word(status, 0);
  EXPECT_EQ(status, 1);
  EXPECT_FLOAT_EQ(number(status), 1.0f);
  word(status, 2);
  EXPECT_EQ(report(), (std::vector<std::string>{"", "", " *** INVALID CALL TO READIT, BACKSPACE ASSUMED ***", ""}));
  EXPECT_FLOAT_EQ(number(status), 1.0f);
  EXPECT_FLOAT_EQ(number(status), 2.0f);
}

TEST_F(RecordReader, ModeBelowMinusOneTakesTheFirstCharacter) {
  deck({"FOUNDATION"});
  int status = 0;
  EXPECT_EQ(word(status, -2), "F   ");
  EXPECT_EQ(status, -1);
  EXPECT_EQ(word(status, -2), "    ");
  EXPECT_EQ(status, -1);
}

TEST_F(RecordReader, ReadWordReadsTheNextWord) {
  deck({"LOAD", "HARMONIC"});
  std::string w;
  int status = 0;
  READ_WORD(s, w, status);
  EXPECT_EQ(w, "LOAD");
  READ_WORD(s, w, status);
  EXPECT_EQ(w, "HARM");
  EXPECT_EQ(status, 1);
}

TEST_F(RecordReader, FindKeywordStoresTheKeywordCount) {
  deck({"SOIL"});
  s.input.set_keyword_count(0);
  Keyword k = Keyword::none;
  FIND_KEYWORD(s, "SOIL", k);
  EXPECT_EQ(s.input.keyword_count(), 52);
}

}  // namespace
}  // namespace zav::testing
