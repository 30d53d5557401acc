#include <gtest/gtest.h>

#include "input/tests/deck_fixture.h"

namespace zav::testing {
namespace {

struct PreprocessRow {
  const char* what;
  std::vector<std::string> deck;
  std::vector<std::string> tape7;
};

std::ostream& operator<<(std::ostream& os, const PreprocessRow& r) { return os << r.what; }

class Preprocess : public DeckFixture, public ::testing::WithParamInterface<PreprocessRow> {};

TEST_P(Preprocess, WritesOneTokenPerRecordOnTape7) {
  preprocess(GetParam().deck);
  EXPECT_EQ(records(7), GetParam().tape7);
  EXPECT_EQ(s.run.UNIT_TABLE(4), 7);
  EXPECT_TRUE(report().empty());
}

const std::string blanks15(15, ' ');

// clang-format off
INSTANTIATE_TEST_SUITE_P(Decks, Preprocess, ::testing::Values(
  PreprocessRow{"keyword and value",   {"FOUNDATION=PILE"},     {text80("FOUNDATION"), text80("PILE")}},
  PreprocessRow{"two numbers",         {"RECTANGULAR=10,5"},    {text80("RECTANGULAR"), "10.", "5."}},
  PreprocessRow{"comment after value", {"1.5 $ load"},          {"1.5"}},
  PreprocessRow{"empty and comments",  {"$ whole line", "   ", "", "  $x"}, {}},
  PreprocessRow{"repeat group",        {"3(2.0)"},              {"2.0", "2.0", "2.0"}},
  PreprocessRow{"repeat of a pair",    {"2(1 4)"},              {"1.", "4.", "1.", "4."}},
  PreprocessRow{"blank before count",  {"1 3(2)"},              {"1.", "2.", "2.", "2."}},
  PreprocessRow{"zero repeats",        {"0(5) 7"},              {"7."}},
  PreprocessRow{"unclosed group",      {"2(1"},                 {"1.", "1."}},
  PreprocessRow{"paren without count", {"(1)"},                 {text80("(1)")}},
  PreprocessRow{"integer gets point",  {"12 +5"},               {"12.", "+5."}},
  PreprocessRow{"exponent form",       {"1.5E3 -2E-4"},         {blanks15 + "1.5E3", blanks15 + "-2E-4"}},
  PreprocessRow{"long exponent token", {"1.00000000000000000000E5"}, {"1.00000000000000000000E5"}},
  PreprocessRow{"star",                {"A*B"},                 {text80("A"), "-999.", text80("B")}},
  PreprocessRow{"only separators",     {",,=,"},                {}},
  PreprocessRow{"lone code letters",   {"1 T 2", "F", "H=3", "P,S,V,Q"},
                                       {"1.", "999.", "2.", "0.", "-999.", "3.", "998.", "-998.", "-996.", "-997."}},
  PreprocessRow{"letter in a title",   {"TITLE=My Test F Case"}, {text80("TITLE"), text80("My Test F Case")}},
  PreprocessRow{"title of any text",   {"TITLE=3 x 3 piles, P=2*Q $5 4(1)", "RECTANGULAR=10,5"},
                                       {text80("TITLE"), text80("3 x 3 piles, P=2*Q $5 4(1)"),
                                        text80("RECTANGULAR"), "10.", "5."}},
  PreprocessRow{"title to column 86",  {"TITLE=" + std::string(79, 'x') + "yz"},
                                       {text80("TITLE"), std::string(79, 'x') + "y"}},
  PreprocessRow{"blank title",         {"TITLE= ", "MATRIX"},   {text80("TITLE"), text80(""), text80("MATRIX")}},
  PreprocessRow{"title on next line",  {"TITLE=", "", "  1.5 m, T = 2 s", "12"},
                                       {text80("TITLE"), text80("  1.5 m, T = 2 s"), "12."}},
  PreprocessRow{"bare title keyword",  {"TITLE $ follows", "Q"}, {text80("TITLE"), text80("Q")}},
  PreprocessRow{"letters in words",    {"THE", "t", "-T"},      {text80("THE"), text80("t"), text80("-T")}},
  PreprocessRow{"text after numbers",  {"1.5 2.0 X"},           {"1.5", "2.0", std::string("X") + std::string(71, ' ')}},
  PreprocessRow{"text inside a token", {"12ABC 4"},             {text80("12ABC 4")}},
  PreprocessRow{"minus inside",        {"1-2"},                 {text80("1-2")}},
  PreprocessRow{"lower-case exponent", {"1.5e3"},               {text80("1.5e3")}},
  PreprocessRow{"beyond column 80",    {std::string(78, ' ') + "12345"}, {"12."}},
  // A line far longer than its used columns (beyond several blocks of the
  // file's reading): they are read, the rest passed over, the next line read.
  PreprocessRow{"long line",           {"1.5 2.5" + std::string(73, ' ') + std::string(300000, '9'), "7"},
                                       {"1.5", "2.5", "7."}},
  PreprocessRow{"long title line",     {"TITLE=" + std::string(79, 'x') + "yz" + std::string(300000, 'w'), "7"},
                                       {text80("TITLE"), std::string(79, 'x') + "y", "7."}},
  PreprocessRow{"long line of a title", {"TITLE", std::string(81, 'x') + std::string(300000, 'w'), "7"},
                                       {text80("TITLE"), std::string(80, 'x'), "7."}},
  PreprocessRow{"keywords stay text",  {"RUN ", "  MASS"},      {text80("RUN"), text80("  MASS")}}
), row_name);
// clang-format on

using PreprocessDeck = DeckFixture;

TEST_F(PreprocessDeck, ReportsARepeatThatOverflowsTheBufferAndKeepsWhatFitted) {
  const std::string content = "1234567890123456789012345678901234567890123456789012345678901234567890";
  const std::string line = "9(" + content + ")";
  preprocess({line, "7"});
  // Seven copies and their commas take 497 characters; three more fit.
  std::vector<std::string> expected(7, content + ".");
  expected.push_back("123.");
  expected.push_back("7.");
  EXPECT_EQ(records(7), expected);
  EXPECT_EQ(report(),
            (std::vector<std::string>{"", "", "", "***   INPUT DATA RECORD TOO LONG DUE TO REPEAT    FEATURE   ***", "",
                                      " ***   DATA TRUNCATED ON THE FOLLOWING LINE    ***", "", " " + text80(line)}));
}

TEST_F(PreprocessDeck, LeavesTape8WithOneBlankRecord) {
  preprocess({"FOUNDATION=PILE", "1 2 3"});
  EXPECT_EQ(records(8), (std::vector<std::string>{" "}));
  ASSERT_TRUE(s.files.close(8));
  EXPECT_EQ(file_text("TAPE8"), " \n");
}

TEST_F(PreprocessDeck, ReadsLinesEndedByLfOrCrLfAlike) {
  open_deck_bytes("CIRCULAR=2.5\nMASS \r\n100 0");
  PREPROCESS_DECK(s);
  EXPECT_EQ(records(7), (std::vector<std::string>{text80("CIRCULAR"), "2.5", text80("MASS"), "100.", "0."}));
}

}  // namespace
}  // namespace zav::testing
