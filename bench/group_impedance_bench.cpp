// Seconds per frequency line of a fixed-head pile group with interaction
// (dynamic factors), for the in-place Gauss-Jordan inversion and for the
// factorised solve, beside the time the library needs for one LU
// factorisation of the same three systems and the physical floor of a
// 500-pile line from the library's complex matrix product; the
// factorisation alone; then a whole run of 100 lines of the largest group.
// Prints google-benchmark's table, a summary, and how far the 500-pile group
// impedance of the tiled factorisation lies from the other solves.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "kernels/group_impedance.h"
#include "kernels/symmetric_factor.h"
#include "kernels/thread_team.h"
#include "kernels/tests/group_deck.h"

extern "C" {
void openblas_set_num_threads(int n);
void cgemm_(const char* transa, const char* transb, const int* m, const int* n, const int* k, const zav::cplx* alpha,
            const zav::cplx* a, const int* lda, const zav::cplx* b, const int* ldb, const zav::cplx* beta,
            zav::cplx* c, const int* ldc, std::size_t, std::size_t);
void cgetrf_(const int* m, const int* n, zav::cplx* a, const int* lda, int* ipiv, int* info);
}

namespace zav {
namespace {

// A square-ish grid of piles three diameters apart (d = 1), fixed heads,
// with its interaction tables and work, as a run sets them up once.
struct BenchGroup {
  std::unique_ptr<GroupInteraction> pairs = std::make_unique<GroupInteraction>();
  std::unique_ptr<GroupImpedanceWork> work = std::make_unique<GroupImpedanceWork>();
  std::vector<real> x, y;
  GroupImpedanceContext ctx{*pairs, *work};

  explicit BenchGroup(int n) {
    const int side = static_cast<int>(std::ceil(std::sqrt(static_cast<double>(n))));
    for (int p = 0; p < n; ++p) {
      x.push_back(3.0f * static_cast<real>(p % side - side / 2));
      y.push_back(3.0f * static_cast<real>(p / side - side / 2));
    }
    GroupDeck deck(x, y, 20.0f);
    GROUP_INTERACTION_SETUP(deck.input(), *pairs);
    ctx.n_piles = n;
    ctx.head = 1;
    ctx.interaction = true;
    ctx.pile_x = x;
    ctx.pile_y = y;
    ctx.zc = 1.5f;
    ctx.radius_x = ctx.radius_y = 0.5f;
    ctx.Vl = deck.in.tip_velocity;
    GROUP_PAIR_CLASSES(*pairs, n, work->classes);
    ctx.classes = &work->classes;
  }
};

// The library's own threads, one per core, for the library-alone figures;
// the engine's solves leave it on the caller's thread again.
int all_cores() { return static_cast<int>(std::thread::hardware_concurrency()); }

BenchGroup& group(int n) {
  static std::map<int, std::unique_ptr<BenchGroup>> groups;
  auto& g = groups[n];
  if (!g) g = std::make_unique<BenchGroup>(n);
  return *g;
}

// One frequency line above 10 rad/s, where the dynamic factors are formed.
void BM_GroupLine(benchmark::State& state) {
  BenchGroup& g = group(static_cast<int>(state.range(0)));
  GroupImpedanceContext c = g.ctx;
  c.solver = state.range(1) == 0 ? GroupSolver::in_place_inversion : GroupSolver::factor_and_solve;
  const Cmat6 K1 = pile_head();
  Cmat6 Kg;
  for (auto _ : state) {
    if (GROUP_IMPEDANCE(K1, Kg, 40.0f, c) != GroupImpedanceStatus::ok) state.SkipWithError("group failed");
    benchmark::DoNotOptimize(Kg);
  }
}

// The library alone: one LU factorisation of each of the three systems (N,
// 2N and 2N unknowns), each from a fresh copy of a regular complex matrix,
// on the library's own threads (all cores) or on one.
void BM_LibraryLU(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  openblas_set_num_threads(state.range(1) == 1 ? 1 : all_cores());
  const int orders[3] = {n, 2 * n, 2 * n};
  std::mt19937 gen(1);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  std::vector<std::vector<cplx>> source, matrix;
  for (int m : orders) {
    std::vector<cplx> a(static_cast<std::size_t>(m) * m);
    for (int j = 0; j < m; ++j)
      for (int i = 0; i < m; ++i) a[i + static_cast<std::size_t>(j) * m] = cplx(u(gen), u(gen)) + (i == j ? cplx(m) : 0.0f);
    source.push_back(a);
    matrix.push_back(a);
  }
  std::vector<int> pivots(2 * n);
  for (auto _ : state) {
    state.PauseTiming();
    for (int k = 0; k < 3; ++k) std::copy(source[k].begin(), source[k].end(), matrix[k].begin());
    state.ResumeTiming();
    for (int k = 0; k < 3; ++k) {
      int info = 0;
      cgetrf_(&orders[k], &orders[k], matrix[k].data(), &orders[k], pivots.data(), &info);
      benchmark::DoNotOptimize(info);
    }
  }
  MATRIX_LIBRARY_ON_CALLER();
}

// The physical floor's rate: a complex matrix product of order 2000 on the
// library's own threads (all cores), 8 n^3 real flops.
void BM_LibraryProduct(benchmark::State& state) {
  const int n = 2000;
  std::mt19937 gen(2);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  std::vector<cplx> a(static_cast<std::size_t>(n) * n), b(a.size()), c(a.size());
  for (std::size_t i = 0; i < a.size(); ++i) {
    a[i] = cplx(u(gen), u(gen));
    b[i] = cplx(u(gen), u(gen));
  }
  const cplx one(1.0f), zero(0.0f);
  openblas_set_num_threads(all_cores());
  for (auto _ : state) {
    cgemm_("N", "N", &n, &n, &n, &one, a.data(), &n, b.data(), &n, &zero, c.data(), &n, 1, 1);
    benchmark::DoNotOptimize(c.data());
  }
  MATRIX_LIBRARY_ON_CALLER();
  state.counters["GFLOP/s"] = benchmark::Counter(8.0 * n * n * n, benchmark::Counter::kIsIterationInvariantRate,
                                                 benchmark::Counter::kIs1000);
}

// The factorisation alone: the three systems of a 500-pile line (1000, 1000
// and 500 unknowns, three weight rows each) on a team of all cores, each
// from a fresh copy of a complex symmetric matrix with a unit diagonal.
void BM_Factor(benchmark::State& state) {
  const int orders[3] = {1000, 1000, 500};
  std::mt19937 gen(3);
  std::uniform_real_distribution<float> u(-1.0f, 1.0f);
  std::vector<std::vector<cplx>> source, matrix;
  for (int m : orders) {
    const int ld = m + 3;
    std::vector<cplx> a(static_cast<std::size_t>(ld) * m);
    for (int j = 0; j < m; ++j) {
      for (int i = j; i < ld; ++i) {
        const cplx v = i == j ? cplx(1.0f, 0.1f) : cplx(u(gen), u(gen)) * (0.5f / static_cast<float>(m));
        a[i + static_cast<std::size_t>(j) * ld] = v;
      }
    }
    source.push_back(a);
    matrix.push_back(a);
  }
  SymmetricFactorWork work(1000);
  ThreadTeam team;
  MATRIX_LIBRARY_ON_CALLER();
  for (auto _ : state) {
    state.PauseTiming();
    for (int k = 0; k < 3; ++k) std::copy(source[k].begin(), source[k].end(), matrix[k].begin());
    std::array<SymmetricSystem, 3> systems;
    for (int k = 0; k < 3; ++k) systems[k] = {matrix[k].data(), orders[k], 3, orders[k] + 3, false};
    state.ResumeTiming();
    FACTOR_SYMMETRIC(systems, work, &team);
    for (const SymmetricSystem& s : systems) {
      if (!s.regular) state.SkipWithError("singular");
    }
  }
}

// A run of 100 lines, 1 to 100 rad/s: static factors up to 10 rad/s, then
// dynamic ones.
void BM_Run100Lines(benchmark::State& state) {
  BenchGroup& g = group(static_cast<int>(state.range(0)));
  const Cmat6 K1 = pile_head();
  Cmat6 Kg;
  for (auto _ : state) {
    for (int line = 1; line <= 100; ++line) {
      if (GROUP_IMPEDANCE(K1, Kg, static_cast<real>(line), g.ctx) != GroupImpedanceStatus::ok)
        state.SkipWithError("group failed");
      benchmark::DoNotOptimize(Kg);
    }
  }
}

BENCHMARK(BM_GroupLine)
    ->ArgNames({"piles", "factorised"})
    ->ArgsProduct({{16, 100, 500}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_LibraryLU)
    ->ArgNames({"piles", "one_thread"})
    ->ArgsProduct({{16, 100, 500}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(BM_LibraryProduct)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Factor)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Run100Lines)->ArgName("piles")->Arg(500)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

// Keeps each benchmark's real time per iteration in seconds, by name: the
// median of the repetitions, or the single run.
class Collector : public benchmark::ConsoleReporter {
 public:
  std::map<std::string, double> seconds;
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      const double t = r.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(r.time_unit);
      if (r.run_type == Run::RT_Aggregate) {
        if (r.aggregate_name == "median") seconds[r.run_name.str()] = t;
      } else if (!seconds.count(r.run_name.str())) {
        seconds[r.run_name.str()] = t;
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }
};

// The largest deviation of any entry of Kg from the reference's, over the
// scale of its row and column (the geometric mean of the two diagonal
// entries).
double deviation(const Cmat6& Kg, const Cmat6& reference) {
  double worst = 0.0;
  for (int i = 1; i <= 6; ++i) {
    for (int j = 1; j <= 6; ++j) {
      const double scale = std::sqrt(std::abs(reference(i, i)) * std::abs(reference(j, j)));
      if (scale > 0.0) worst = std::max(worst, std::abs(Kg(i, j) - reference(i, j)) / scale);
    }
  }
  return worst;
}

// The 500-pile group's impedance by the tiled factorisation against the
// pivoted one (the solve of groups below 200 piles), the in-place inversion
// and the same systems solved in double precision.
void print_agreement() {
  BenchGroup& g = group(500);
  const Cmat6 K1 = pile_head();
  std::printf("500 piles, largest deviation of an entry over its scale, tiled against:\n");
  for (real omega : {5.0f, 40.0f}) {
    Cmat6 tiled, pivoted, in_place, in_double;
    GroupImpedanceContext c = g.ctx;
    c.solver = GroupSolver::tiled;
    GROUP_IMPEDANCE(K1, tiled, omega, c);
    c.solver = GroupSolver::pivoted;
    GROUP_IMPEDANCE(K1, pivoted, omega, c);
    c.solver = GroupSolver::in_place_inversion;
    GROUP_IMPEDANCE(K1, in_place, omega, c);
    c.solver = GroupSolver::double_precision;
    GROUP_IMPEDANCE(K1, in_double, omega, c);
    std::printf("  omega %4.1f rad/s: pivoted %.2e, in place %.2e, double precision %.2e\n", omega,
                deviation(tiled, pivoted), deviation(tiled, in_place), deviation(tiled, in_double));
  }
}

}  // namespace
}  // namespace zav

int main(int argc, char** argv) {
  // Three repetitions and their median unless the command line says otherwise:
  // other work on the machine disturbs single runs.
  std::vector<char*> args(argv, argv + argc);
  std::string repetitions = "--benchmark_repetitions=3";
  bool given = false;
  for (char* a : args) given = given || std::string(a).starts_with("--benchmark_repetitions");
  if (!given) args.push_back(repetitions.data());
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  // As a run starts: the library's idle threads stopped.
  zav::MATRIX_LIBRARY_ON_CALLER();
  zav::Collector collector;
  benchmark::RunSpecifiedBenchmarks(&collector);
  const auto& s = collector.seconds;
  const auto get = [&s](const std::string& name) {
    const auto it = s.find(name);
    return it == s.end() ? NAN : it->second;
  };
  std::printf("\nSeconds per frequency line, fixed head, dynamic factors (library LU: the three systems)\n");
  std::printf("%6s %11s %11s %9s %13s %13s %13s\n", "piles", "in place", "factorised", "speed-up", "LU all cores",
              "LU one core", "factorised/LU");
  for (int n : {16, 100, 500}) {
    const std::string p = std::to_string(n);
    const double slow = get("BM_GroupLine/piles:" + p + "/factorised:0/real_time");
    const double fast = get("BM_GroupLine/piles:" + p + "/factorised:1/real_time");
    const double lu_all = get("BM_LibraryLU/piles:" + p + "/one_thread:0/real_time");
    const double lu_one = get("BM_LibraryLU/piles:" + p + "/one_thread:1/real_time");
    std::printf("%6d %11.6f %11.6f %9.1f %13.6f %13.6f %13.2f\n", n, slow, fast, slow / fast, lu_all, lu_one,
                fast / std::min(lu_all, lu_one));
  }
  std::printf("100 lines of 500 piles, 1 to 100 rad/s: %.2f s\n", get("BM_Run100Lines/piles:500/iterations:1/real_time"));
  // The floor of a 500-pile line: (4/3) m^3 real flops for the factorisation
  // of each of the three systems (m = 1000, 1000, 500) at the rate of the
  // library's complex matrix product on all cores.
  const double product = get("BM_LibraryProduct/real_time");
  if (std::isfinite(product)) {
    const double rate = 8.0 * 2000.0 * 2000.0 * 2000.0 / product;
    const double floor = (4.0 / 3.0) * (1e9 + 1e9 + 1.25e8) / rate;
    const double line = get("BM_GroupLine/piles:500/factorised:1/real_time");
    std::printf("complex product %.0f GFLOP/s; floor of a 500-pile line %.2f ms; line %.2f ms = %.2f x floor;"
                " factorisation alone %.2f ms\n",
                rate * 1e-9, floor * 1e3, line * 1e3, line / floor, get("BM_Factor/real_time") * 1e3);
  }
  zav::print_agreement();
  benchmark::Shutdown();
  return 0;
}
