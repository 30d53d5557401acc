// Pile groups with pile-soil-pile interaction through whole runs: the
// interaction between two piles as they move apart, piles that admit no
// interaction, soils that carry no waves, lines whose group impedance cannot
// be formed, and a group of the largest size.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "analysis/tests/pile_deck.h"

namespace zav::testing {
namespace {

// Lines on both sides of 10 rad/s, where the static factors give way to the
// dynamic ones.
const Lines load = harmonic_load(37.68, 6.28, 31.4, {10, 0, 40, 0, 0, 0});

PileDeck two_piles(double spacing) {
  PileDeck p;
  p.interaction = true;
  p.piles = {{-spacing / 2, 0}, {spacing / 2, 0}};
  return p;
}

class TwoPiles : public DeckRun {};

// Each pile settles also under the load of the other, by less the further
// apart they stand: two piles 50 diameters apart are nearly twice as stiff as
// one, and three diameters apart markedly less.
TEST_F(TwoPiles, VerticalStiffnessApproachesTwiceOnePileAsTheyMoveApart) {
  PileDeck one;
  ASSERT_EQ(run(pile_deck(one, load)), 0);
  const auto single = constants_tables(report, 1);
  ASSERT_EQ(run(pile_deck(two_piles(30), load)), 0);
  const auto far = constants_tables(report, 1);
  ASSERT_EQ(run(pile_deck(two_piles(1.8), load)), 0);
  const auto close = constants_tables(report, 1);
  ASSERT_EQ(single.size(), 2u);
  ASSERT_EQ(far.size(), single.size());
  ASSERT_EQ(close.size(), single.size());
  for (std::size_t L = 0; L < single.size(); ++L) {
    SCOPED_TRACE("line " + std::to_string(L + 1));
    const double twice = 2 * single[L].K[2];
    EXPECT_LT(far[L].K[2], twice);
    EXPECT_GT(far[L].K[2], 0.9 * twice);
    EXPECT_LT(close[L].K[2], 0.9 * far[L].K[2]);
    EXPECT_GT(close[L].K[2], 0.5 * twice);
  }
}

// The same two piles without the interaction switch are exactly twice one.
TEST_F(TwoPiles, WithoutTheSwitchAreTwiceOnePile) {
  PileDeck one;
  ASSERT_EQ(run(pile_deck(one, load)), 0);
  const auto single = constants_tables(report, 1);
  PileDeck two = two_piles(1.8);
  two.interaction = false;
  ASSERT_EQ(run(pile_deck(two, load)), 0);
  const auto summed = constants_tables(report, 1);
  ASSERT_EQ(summed.size(), single.size());
  for (std::size_t L = 0; L < single.size(); ++L) EXPECT_TRUE(Near(summed[L].K[2], 2 * single[L].K[2], 2e-5));
}

struct RefusalRow {
  const char* name;
  PileDeck deck;
  Lines message;
};

std::ostream& operator<<(std::ostream& os, const RefusalRow& r) { return os << r.name; }

class InteractionRefused : public DeckRun, public ::testing::WithParamInterface<RefusalRow> {};

// Piles whose shafts intersect leave no sound interaction factors: a fatal
// input error that names the pair, before any result is written.
TEST_P(InteractionRefused, AsAFatalInputErrorBeforeTheAnalysis) {
  const RefusalRow& row = GetParam();
  ASSERT_EQ(run(pile_deck(row.deck, load)), 3);
  ASSERT_GE(report.size(), row.message.size() + fatal_block.size());
  EXPECT_EQ(Lines(report.end() - static_cast<long>(row.message.size() + fatal_block.size()), report.end()),
            row.message + fatal_block);
  EXPECT_FALSE(file_exists("job.kqp"));
  EXPECT_FALSE(HasBlock(report, {"                                 RESULTS"}));
}

PileDeck three_piles(std::array<double, 2> third) {
  PileDeck p = two_piles(3);
  p.piles.push_back(third);
  return p;
}

const Lines will_not = {" ***PROGRAM WILL NOT EXECUTE***"};

// clang-format off
INSTANTIATE_TEST_SUITE_P(Groups, InteractionRefused, ::testing::Values(
  RefusalRow{"CoincidentPiles", three_piles({-1.5, 0}),
             Lines{"", "", " *** PILES   1 AND   3 ARE CLOSER THAN ONE PILE DIAMETER ***",
                   " *** THEIR AXES ARE  0.000E+00 m  APART, THE DIAMETER IS  6.000E-01 m  ***"} + will_not},
  RefusalRow{"IntersectingShafts", three_piles({1.5, 0.4}),
             Lines{"", "", " *** PILES   2 AND   3 ARE CLOSER THAN ONE PILE DIAMETER ***",
                   " *** THEIR AXES ARE  4.000E-01 m  APART, THE DIAMETER IS  6.000E-01 m  ***"} + will_not}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class GroupSoil : public DeckRun {};

// A soil profile without shear-wave velocity carries no waves from pile to
// pile: the group with the interaction switch is the group without it, in
// finite numbers.
TEST_F(GroupSoil, WithoutShearWaveVelocityRunsWithoutInteraction) {
  PileDeck p = two_piles(1.8);
  p.piles.push_back({0, 1.8});
  for (auto& l : p.soil) l.Vs = 0;
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto with_switch = constants_tables(report, 1);
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
  EXPECT_EQ(harmonic_rows(report).size(), 2u);
  p.interaction = false;
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto without = constants_tables(report, 1);
  ASSERT_EQ(with_switch.size(), 2u);
  ASSERT_EQ(without.size(), with_switch.size());
  for (std::size_t L = 0; L < without.size(); ++L) {
    EXPECT_EQ(with_switch[L].K, without[L].K);
    EXPECT_EQ(with_switch[L].C, without[L].C);
  }
}

// Piles placed in units far off the deck's, so far apart that their moments
// about the centre pass single precision: no line's group impedance can be
// formed. Each line says so with its frequency, the run has no result and
// writes no plot data.
TEST_F(GroupSoil, LinesWithoutAGroupImpedanceLeaveNoResult) {
  const Lines deck = with(with(pile_deck(two_piles(3), load), "1 -1.5 0 ", {"1 -1E19 0 "}), "2 1.5 0 ", {"2 1E19 0 "});
  ASSERT_EQ(run(deck), 3);
  const std::string reason = " *** THE IMPEDANCE OF THE PILE GROUP IS NOT A FINITE NUMBER ***";
  for (const char* line : {"      1.0000 Hz (      6.2800", "      6.0000 Hz (     37.6800"}) {
    EXPECT_TRUE(
        HasBlock(report, {reason, " *** FREQUENCY  -  " + std::string(line) + " rad./sec.) LEFT OUT OF THE RESULTS ***"}));
  }
  EXPECT_TRUE(HasBlock(report, {" *** NO FREQUENCY LINE COULD BE FORMED, AT EVERY LINE: ***", reason,
                                " *** THE ANALYSIS HAS NO RESULT ***", " ***PROGRAM WILL NOT EXECUTE***"}));
  EXPECT_TRUE(constants_tables(report, 1).empty());
  EXPECT_TRUE(harmonic_rows(report).empty());
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
  EXPECT_FALSE(file_exists("job.kqp"));
}

// Side layers of the cap given with a count that is no number: both options
// are dropped, as the message says, the analysis goes on and gives the group
// without the cap's side soil.
TEST_F(GroupSoil, ACapSoilCountThatIsNoNumberRunsWithoutTheCapSoil) {
  PileDeck p = two_piles(3);
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto without = constants_tables(report, 1);
  p.cap_sides = {{0.5, 110, 16.5, 0.35, 0.05}};
  p.side_cap = true;
  const Lines deck = pile_deck(p, load);
  const auto count = std::find(std::find(deck.begin(), deck.end(), "EMBEDDED"), deck.end(), "1 ");
  ASSERT_NE(count, deck.end());
  Lines text = deck;
  text[static_cast<std::size_t>(count - deck.begin())] = "ONE";
  ASSERT_EQ(run(text), 0);
  EXPECT_TRUE(HasBlock(report, {" ERROR ENCOUNTERED WHILE READING EMBEDDED OR ISO   LATION DATA",
                                " PROGRAM WILL IGNORE THESE OPTIONS"}));
  EXPECT_EQ(s->switches.EMBEDMENT, 0);
  EXPECT_EQ(s->switches.SIDE_CAP, 0);
  const auto dropped = constants_tables(report, 1);
  ASSERT_EQ(dropped.size(), without.size());
  for (std::size_t L = 0; L < without.size(); ++L) {
    EXPECT_EQ(dropped[L].K, without[L].K);
    EXPECT_EQ(dropped[L].C, without[L].C);
  }
}

// The largest group, 500 piles three diameters apart with interaction, over
// 100 lines: every line is computed and written.
TEST_F(GroupSoil, FiveHundredPilesOverAHundredLinesRun) {
  PileDeck p;
  p.interaction = true;
  p.matrix = false;
  p.piles.clear();
  for (int k = 0; k < 500; ++k) p.piles.push_back({1.8 * (k % 25), 1.8 * (k / 25)});
  p.mass = {5000, 2e5, 5e5, 7e5, 0, 0, 0};
  ASSERT_EQ(run(pile_deck(p, harmonic_load(628, 6.28, 6.28, {100, 0, 1000, 0, 0, 0}))), 0);
  const auto rows = harmonic_rows(report);
  ASSERT_EQ(rows.size(), 100u);
  const Lines plot = file_lines("job.kqp");
  ASSERT_EQ(plot.size(), 101u);
  EXPECT_EQ(plot.front(), " 100");
  EXPECT_TRUE(has_no_number_faults(file_text("job.kqo")));
}

// The second pass of an interacting group under an embedded cap reports the
// constants of the group without the cap's side soil times the embedment
// factors (e = D / R0, nu of the soil below), line by line: the group's
// impedance it starts from is the first pass's, before the side soil.
TEST_F(GroupSoil, SpecialConstantsAreTheGroupsWithoutSideSoilTimesTheEmbedmentFactors) {
  PileDeck p;
  p.interaction = true;
  p.piles = {{-0.9, -0.9}, {0.9, -0.9}, {-0.9, 0.9}, {0.9, 0.9}};
  p.cap_sides = {{0.5, 110, 16.5, 0.35, 0.05}, {0.4, 140, 17, 0.35, 0.05}};
  const Lines five_lines = harmonic_load(31.4, 6.28, 6.28, {10, 0, 40, 0, 0, 0});
  ASSERT_EQ(run(pile_deck(p, five_lines)), 0);
  const auto special = constants_tables(report, 2);
  p.cap_sides.clear();
  ASSERT_EQ(run(pile_deck(p, five_lines)), 0);
  const auto surface = constants_tables(report, 1);
  ASSERT_EQ(special.size(), 5u);
  ASSERT_EQ(surface.size(), special.size());
  const double e = 0.9 / p.cap_radius, nu = p.below.nu;
  const double fh = 1 + 0.55 * (2 - nu) * e, fr = (1 + 1.9 * (2 - nu) * e) / std::sqrt(fh);
  const double ch = 1 + 1.2 * (1 - nu) * e + 0.2 * (2 - nu) * e * e * e;
  const double cr = (1 + 0.7 * (1 - nu) * e + 0.6 * (2 - nu) * e * e * e) / std::sqrt(fh);
  const double factor_K[6] = {fh, fh, 1, fr, fr, 1}, factor_C[6] = {ch, ch, 1, cr, cr, 1};
  for (std::size_t L = 0; L < special.size(); ++L) {
    for (std::size_t k = 0; k < 6; ++k) {
      SCOPED_TRACE("line " + std::to_string(L + 1) + ", constant " + std::to_string(k + 1));
      EXPECT_TRUE(Near(special[L].K[k], factor_K[k] * surface[L].K[k], 2e-5));
      EXPECT_TRUE(Near(special[L].C[k], factor_C[k] * surface[L].C[k], 2e-5));
    }
  }
}

}  // namespace
}  // namespace zav::testing
