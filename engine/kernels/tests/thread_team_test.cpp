// The engine's thread team: every member runs every piece of work once,
// whether the members were still awake from the last piece or asleep, and
// an idle team keeps no core busy.
#include "kernels/thread_team.h"

#include <gtest/gtest.h>

#include <time.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

namespace zav {
namespace {

double process_cpu_seconds() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + 1e-9 * static_cast<double>(t.tv_nsec);
}

struct PauseRow {
  int pause_us;  // between pieces: none, or beyond the members' wait awake
  int pieces;
  const char* what;
  friend void PrintTo(const PauseRow& r, std::ostream* os) { *os << r.what; }
};

class TeamPieces : public testing::TestWithParam<PauseRow> {};

// Each piece reads what the caller wrote before it, and every member runs it
// exactly once; none is lost when the members went to sleep in between.
TEST_P(TeamPieces, RunOnEveryMemberOnce) {
  const PauseRow& row = GetParam();
  ThreadTeam team(4);
  ASSERT_EQ(team.size(), 4);
  std::vector<int> seen(4);
  for (int piece = 1; piece <= row.pieces; ++piece) {
    std::vector<std::atomic<int>> runs(4);
    int written = piece;
    team.run([&](int member) {
      runs[static_cast<std::size_t>(member)].fetch_add(1);
      seen[static_cast<std::size_t>(member)] = written;
    });
    for (int m = 0; m < 4; ++m) {
      ASSERT_EQ(runs[static_cast<std::size_t>(m)].load(), 1) << "piece " << piece << ", member " << m;
      ASSERT_EQ(seen[static_cast<std::size_t>(m)], piece) << "member " << m;
    }
    if (row.pause_us > 0) std::this_thread::sleep_for(std::chrono::microseconds(row.pause_us));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Pauses, TeamPieces, testing::Values(
    PauseRow{   0, 2000, "back to back"},
    PauseRow{ 150,  100, "within the wait awake"},
    PauseRow{2000,   30, "asleep between pieces"}));
// clang-format on

TEST(TeamPieces, OfOneRunOnTheCaller) {
  ThreadTeam team(1);
  const std::thread::id caller = std::this_thread::get_id();
  std::thread::id ran;
  team.run([&](int member) {
    EXPECT_EQ(member, 0);
    ran = std::this_thread::get_id();
  });
  EXPECT_EQ(ran, caller);
}

// After its last piece a team of all hardware threads uses next to no CPU
// while the program waits: a member that stayed awake would use all of it.
TEST(IdleTeam, KeepsNoCoreBusy) {
  // The matrix library's own threads, started when it was loaded, would
  // wait actively for a while; they are stopped as at the start of a run.
  MATRIX_LIBRARY_ON_CALLER();
  ThreadTeam team;
  std::atomic<int> ran{0};
  team.run([&](int) { ran.fetch_add(1); });
  ASSERT_EQ(ran.load(), team.size());
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const double before = process_cpu_seconds();
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  const double used = process_cpu_seconds() - before;
  EXPECT_LT(used, 0.02) << "CPU seconds used by an idle team in 0.2 s";
}

}  // namespace
}  // namespace zav
