// Pile foundations and multilayer columns through whole runs: the printed
// constants against the single pile's head terms moved to the centre of
// gravity as a rigid cap moves them, piles summed without interaction, and
// the soil beside the cap below the stratum's resonance.
#include <gtest/gtest.h>

#include "analysis/tests/pile_deck.h"

namespace zav::testing {
namespace {

const Lines load = harmonic_load(125.6, 6.28, 39.78, {10, 5, 40, 1, 2, 0.5});

void expect_constants(const std::vector<Constants>& got, const std::vector<Constants>& want, double rel) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t L = 0; L < got.size(); ++L) {
    for (std::size_t k = 0; k < 8; ++k) {
      SCOPED_TRACE("line " + std::to_string(L + 1) + ", constant " + std::to_string(k + 1));
      EXPECT_TRUE(Near(got[L].K[k], want[L].K[k], rel, 1e-6 * std::fabs(want[L].K[0])));
      EXPECT_TRUE(Near(got[L].C[k], want[L].C[k], rel, 1e-6 * std::fabs(want[L].C[0])));
    }
  }
}

struct PileRow {
  const char* name;
  PileDeck deck;
};

std::ostream& operator<<(std::ostream& os, const PileRow& r) { return os << r.name; }

class SinglePile : public DeckRun, public ::testing::WithParamInterface<PileRow> {};

// One pile off the centre under a cap whose centre of gravity lies above the
// pile heads: each constant is the pile's head term (vertical and torsion
// with the mean radius, x with radius X, y with radius Y) moved to the
// centre of gravity.
TEST_P(SinglePile, ConstantsAreTheHeadTermsAtTheCentreOfGravity) {
  const PileDeck& p = GetParam().deck;
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto got = constants_tables(report, 1);
  const PileReference ref(p);
  std::vector<Constants> want;
  for (const Constants& c : got) {
    const auto K = ref.head(static_cast<real>(c.omega), p.pinned);
    want.push_back(constants_of(transferred(K, p.piles[0][0], p.piles[0][1], p.hc), c.omega));
  }
  ASSERT_EQ(got.size(), 4u);
  expect_constants(got, want, 2e-5);
  EXPECT_EQ(harmonic_rows(report).size(), got.size());
}

PileDeck off_centre(bool pinned, bool end_bearing) {
  PileDeck p;
  p.piles = {{0.4, -0.3}};
  p.pinned = pinned;
  p.end_bearing = end_bearing;
  p.soil[0].weak_ratio = 0.5;
  p.soil[0].weak_thickness = 1;
  return p;
}

PileDeck with_interaction_switch(bool pinned) {
  PileDeck p = off_centre(pinned, false);
  p.interaction = true;
  return p;
}

PileDeck unequal_radii() {
  PileDeck p = off_centre(false, false);
  for (auto& e : p.elements) {
    e.rx = 0.35;
    e.ry = 0.25;
    e.Ix = 0.009;
    e.Iy = 0.004;
  }
  return p;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Heads, SinglePile, ::testing::Values(
  PileRow{"FixedFloating",     off_centre(false, false)},
  PileRow{"PinnedFloating",    off_centre(true, false)},
  PileRow{"FixedEndBearing",   off_centre(false, true)},
  PileRow{"PinnedEndBearing",  off_centre(true, true)},
  PileRow{"UnequalRadii",      unequal_radii()},
  // One pile has no other to interact with.
  PileRow{"FixedInteractionSwitch",  with_interaction_switch(false)},
  PileRow{"PinnedInteractionSwitch", with_interaction_switch(true)}
), [](const auto& info) { return std::string(info.param.name); });
// clang-format on

class PileGroup : public DeckRun, public ::testing::WithParamInterface<bool> {};

// Four identical piles placed symmetrically about the centre, without
// interaction: the vertical, horizontal and torsional stiffnesses and
// dampings of the group are four times those of one pile under the same
// centre of gravity, the torsion gaining the piles' translations at their
// distance.
TEST_P(PileGroup, FourPilesWithoutInteractionAreFourTimesOne) {
  PileDeck p;
  p.pinned = GetParam();
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto one = constants_tables(report, 1);
  const double a = 25;
  p.piles = {{-a, -a}, {a, -a}, {-a, a}, {a, a}};
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto four = constants_tables(report, 1);
  ASSERT_EQ(one.size(), 4u);
  ASSERT_EQ(four.size(), one.size());
  for (std::size_t L = 0; L < one.size(); ++L) {
    SCOPED_TRACE("line " + std::to_string(L + 1));
    for (std::size_t k : {0, 1, 2, 6, 7}) {
      EXPECT_TRUE(Near(four[L].K[k], 4 * one[L].K[k], 2e-5)) << "stiffness " << k + 1;
      EXPECT_TRUE(Near(four[L].C[k], 4 * one[L].C[k], 2e-5)) << "damping " << k + 1;
    }
    // Torsion: 4 (Kt + 2 a^2 Kh), with Kh = KXX of one pile.
    EXPECT_TRUE(Near(four[L].K[5], 4 * (one[L].K[5] + 2 * a * a * one[L].K[0]), 2e-5));
  }
}

INSTANTIATE_TEST_SUITE_P(Heads, PileGroup, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "Pinned" : "Fixed"; });

// A pile in a parabolic medium is given one element without a length: it is
// the whole pile, as long as the pile, in the one soil given.
TEST_F(DeckRun, ParabolicMediumTakesOneElementThePilesLength) {
  PileDeck p;
  p.elements = {{12, 0.3, 0.3, 0.28274334, 0.0063617251, 0.0063617251, 0.01272345}};
  p.soil = {{150, 17.5, 0.4, 0.05}};
  const Lines layered = pile_deck(p, load);
  ASSERT_EQ(run(layered), 0);
  const auto one_layer = constants_tables(report, 1);
  Lines parabolic = with(layered, "LAYERS=1", {"PARA"});
  parabolic = with(parabolic, "1 12 0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345",
                   {"0.3 0.3 0.28274334 0.0063617251 0.0063617251 0.01272345"});
  parabolic = with(parabolic, "1 150 17.5 0.4 0.05 1 0.4 0.1 0", {"150 17.5 0.4 0.05 1 0.4 0.1 0"});
  ASSERT_EQ(run(parabolic), 0);
  ASSERT_EQ(one_layer.size(), 4u);
  expect_constants(constants_tables(report, 1), one_layer, 1e-6);
}

class Multilayer : public DeckRun {};

// A multilayer column: its head matrix, built by hand from the three calls,
// moved from the centre of the base to an off-centre centre of gravity.
TEST_F(Multilayer, ConstantsAreTheColumnsHeadMatrixAtTheCentreOfGravity) {
  PileDeck p;
  p.multilayer = true;
  p.elements.assign(5, {1.2, 1.5, 1.5, 7.0685835, 3.9760782, 3.9760782, 7.9521564});
  p.soil = {{150, 17, 0.35, 0.05, 0.6, 1}, {170, 17.5, 0.35, 0.05}};
  p.column_soil = {{200, 18, 0.33, 0.04, 1.5, 0.8}, {220, 18, 0.33, 0.04, 1.5, 0.8}, {240, 18.5, 0.33, 0.04, 1.5, 0.8}};
  p.cap_radius = 1.5;
  p.xc = 0.2;
  p.yc = -0.15;
  p.hc = 0.7;
  p.L = 6;
  p.gamma_p = 20;
  p.E_p = 4e5;
  p.nu_p = 0.3;
  p.D_p = 0.03;
  p.kappa = 0.85;
  ASSERT_EQ(run(pile_deck(p, load)), 0);
  const auto got = constants_tables(report, 1);
  const PileReference ref(p);
  std::vector<Constants> want;
  for (const Constants& c : got) {
    want.push_back(constants_of(transferred(ref.head(static_cast<real>(c.omega), false), p.xc, p.yc, p.hc), c.omega));
  }
  ASSERT_EQ(got.size(), 4u);
  expect_constants(got, want, 2e-5);
}

class CapSideSoil : public DeckRun, public ::testing::WithParamInterface<std::vector<double>> {};

// Below the shear frequency of the stratum over the soil below, the soil
// beside the cap radiates no horizontal wave, in every layer it is cut
// into: the constants do not depend on how its depth is cut.
TEST_P(CapSideSoil, BelowTheStratumFrequencyGivesTheSameConstantsHoweverCut) {
  auto deck = [](const std::vector<double>& thicknesses) {
    PileDeck p;
    p.end_bearing = true;
    p.hc = 1.2;
    p.side_cap = true;
    for (double h : thicknesses) p.cap_sides.push_back({h, 110, 16.5, 0.35, 0.05, 0.5, 0.2});
    return p;
  };
  const Lines low = harmonic_load(12, 2, 5, {1, 0, 1, 0, 0, 0});
  const PileDeck whole_cap = deck({1.0});
  ASSERT_LT(12.0, PileReference(whole_cap).in.omega1);
  ASSERT_EQ(run(pile_deck(whole_cap, low)), 0);
  const auto whole = constants_tables(report, 1);
  ASSERT_EQ(run(pile_deck(deck(GetParam()), low)), 0);
  const auto cut = constants_tables(report, 1);
  ASSERT_EQ(whole.size(), 3u);
  expect_constants(cut, whole, 2e-5);
}

INSTANTIATE_TEST_SUITE_P(Cuts, CapSideSoil,
                         ::testing::Values(std::vector<double>{0.5, 0.5}, std::vector<double>{0.2, 0.3, 0.5}));

}  // namespace
}  // namespace zav::testing
