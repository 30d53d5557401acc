// Tiled factorisation of complex symmetric systems.
#include "kernels/symmetric_factor.h"

#include <algorithm>
#include <atomic>
#include <cassert>
#include <chrono>
#include <cmath>
#include <condition_variable>
#include <limits>
#include <mutex>

#include "kernels/thread_team.h"

// The single-threaded matrix products of the tiles: BLAS from OpenBLAS (the
// Fortran interface; the trailing arguments are the hidden lengths of the
// character arguments).
extern "C" {
void cgemm_(const char* transa, const char* transb, const int* m, const int* n, const int* k, const zav::cplx* alpha,
            const zav::cplx* a, const int* lda, const zav::cplx* b, const int* ldb, const zav::cplx* beta, zav::cplx* c,
            const int* ldc, std::size_t, std::size_t);
void csyrk_(const char* uplo, const char* trans, const int* n, const int* k, const zav::cplx* alpha, const zav::cplx* a,
            const int* lda, const zav::cplx* beta, zav::cplx* c, const int* ldc, std::size_t, std::size_t);
void ctrsm_(const char* side, const char* uplo, const char* transa, const char* diag, const int* m, const int* n,
            const zav::cplx* alpha, const zav::cplx* a, const int* lda, zav::cplx* b, const int* ldb, std::size_t,
            std::size_t, std::size_t, std::size_t);
}

namespace zav {
namespace {

// Tile size: large enough for the products to run near the core's peak,
// small enough that the chain of diagonal tiles stays short.
constexpr int kTile = 96;
// Below this size a diagonal tile is factored column by column.
constexpr int kColumnwise = 16;
// How long a member without a tile waits awake before it sleeps.
constexpr std::chrono::microseconds kLinger{50};

const cplx kOne(1.0f, 0.0f);
const cplx kMinusOne(-1.0f, 0.0f);

int tile_count(int order) { return (order + kTile - 1) / kTile; }

// B := B C^-T for the n by n lower triangle C.
void solve_right(const cplx* C, int n, cplx* B, int rows, int ld) {
  ctrsm_("R", "L", "T", "N", &rows, &n, &kOne, C, &ld, B, &ld, 1, 1, 1, 1);
}

// A := C with A = C C^T for the n by n lower triangle; false on a pivot not
// above `negligible`.
bool factor_tile(cplx* A, int n, int ld, real negligible) {
  if (n > kColumnwise) {
    const int n1 = (n / 2 + 7) / 8 * 8;
    const int n2 = n - n1;
    if (!factor_tile(A, n1, ld, negligible)) return false;
    cplx* A21 = A + n1;
    cplx* A22 = A + n1 + static_cast<std::size_t>(n1) * ld;
    solve_right(A, n1, A21, n2, ld);
    csyrk_("L", "N", &n2, &n1, &kMinusOne, A21, &ld, &kOne, A22, &ld, 1, 1);
    return factor_tile(A22, n2, ld, negligible);
  }
  const Mat<cplx> a{A, ld};
  for (int k = 1; k <= n; ++k) {
    const cplx d = a(k, k);
    if (!(std::abs(d) > negligible)) return false;
    const cplx c = std::sqrt(d);
    a(k, k) = c;
    const cplx inv = kOne / c;
    for (int i = k + 1; i <= n; ++i) a(i, k) *= inv;
    for (int j = k + 1; j <= n; ++j) {
      const cplx f = a(j, k);
      for (int i = j; i <= n; ++i) a(i, j) -= a(i, k) * f;
    }
  }
  return true;
}

struct Scheduler {
  Scheduler(std::span<SymmetricSystem> systems_, SymmetricFactorWork& work_, const TileFill* fill_)
      : systems(systems_), work(work_), fill(fill_) {}

  std::span<SymmetricSystem> systems;
  SymmetricFactorWork& work;
  const TileFill* fill;
  std::mutex mutex;
  std::condition_variable wake;
  int remaining = 0;  // tiles not yet final
  int sleeping = 0;
  // Copies of the queue's length and of `remaining`, read without the lock
  // by members that wait for a moment before they go to sleep.
  std::atomic<int> queued{0};
  std::atomic<int> unfinished{0};

  using Tile = SymmetricFactorWork::Tile;

  Tile& tile(int s, int i, int j) {
    const SymmetricFactorWork::Layout& l = work.layout[static_cast<std::size_t>(s)];
    return work.tiles[static_cast<std::size_t>(l.first + j * l.tiles - j * (j - 1) / 2 + (i - j))];
  }
  bool final(int s, int i, int j) { return tile(s, i, j).next > j; }

  // How many steps the tile's next piece of work takes: its last update goes
  // with its last step, on a tile still in the core's cache.
  static int steps(const Tile& t) { return t.next >= 0 && t.next == t.j - 1 ? 2 : 1; }

  // Whether the tile's next piece of work can start now.
  bool ready(int s, const Tile& t) {
    if (t.busy || t.next > t.j) return false;
    if (t.next < 0) return true;
    const bool last = t.next + steps(t) > t.j;
    if (t.next < t.j && !(final(s, t.i, t.next) && final(s, t.j, t.next))) return false;
    return !last || t.i == t.j || final(s, t.j, t.j);
  }

  // Under the lock: queues the tile if its next step can start. The tiles
  // of the longest remaining chain of columns go first.
  void offer(int s, Tile& t) {
    if (!ready(s, t)) return;
    t.busy = true;
    const int priority = work.layout[static_cast<std::size_t>(s)].tiles - t.j;
    const int index = static_cast<int>(&t - work.tiles.data());
    work.ready.push_back({priority, -t.i, index});
    std::push_heap(work.ready.begin(), work.ready.end());
    queued.store(static_cast<int>(work.ready.size()), std::memory_order_relaxed);
  }

  int system_of(int index) const {
    int s = 0;
    while (s + 1 < static_cast<int>(systems.size()) && index >= work.layout[static_cast<std::size_t>(s + 1)].first) ++s;
    return s;
  }

  // The tile's next piece of work: its filling, an update by column `next`,
  // its last step, or the last update and the last step. False when a
  // diagonal tile meets a negligible pivot.
  bool step(int s, const Tile& t) {
    const SymmetricSystem& sys = systems[static_cast<std::size_t>(s)];
    const SymmetricFactorWork::Layout& l = work.layout[static_cast<std::size_t>(s)];
    const int ld = sys.ld;
    const auto at = [&](int i, int j) { return sys.A + i * kTile + static_cast<std::size_t>(j) * kTile * ld; };
    // Unknowns of a tile column; rows of a tile row, the weight rows with
    // the last.
    const auto size = [&](int j) { return std::min(kTile, sys.order - j * kTile); };
    const bool last_row = t.i == l.tiles - 1;
    int mi = size(t.i) + (last_row ? sys.weights : 0);
    int nj = size(t.j);
    // The weight rows below the last diagonal tile.
    const bool weighted_diagonal = last_row && t.i == t.j && sys.weights > 0;
    int w = sys.weights;
    const auto weights_at = [&](int j) { return sys.A + sys.order + static_cast<std::size_t>(j) * kTile * ld; };
    if (t.next < 0) {
      (*fill)(s, t.i * kTile, size(t.i), t.j * kTile, nj);
      return true;
    }
    if (t.next < t.j) {
      int nk = size(t.next);
      if (t.i == t.j) {
        csyrk_("L", "N", &nj, &nk, &kMinusOne, at(t.j, t.next), &ld, &kOne, at(t.j, t.j), &ld, 1, 1);
        if (weighted_diagonal) {
          cgemm_("N", "T", &w, &nj, &nk, &kMinusOne, weights_at(t.next), &ld, at(t.j, t.next), &ld, &kOne,
                 weights_at(t.j), &ld, 1, 1);
        }
      } else {
        cgemm_("N", "T", &mi, &nj, &nk, &kMinusOne, at(t.i, t.next), &ld, at(t.j, t.next), &ld, &kOne, at(t.i, t.j),
               &ld, 1, 1);
      }
    }
    if (t.next + steps(t) <= t.j) return true;
    if (t.i == t.j) {
      const real negligible = static_cast<real>(sys.order) * std::numeric_limits<real>::epsilon();
      if (!factor_tile(at(t.j, t.j), nj, ld, negligible)) return false;
      if (weighted_diagonal) solve_right(at(t.j, t.j), nj, weights_at(t.j), w, ld);
      return true;
    }
    solve_right(at(t.j, t.j), nj, at(t.i, t.j), mi, ld);
    return true;
  }

  // Under the lock, after a step of tile t: its own next step, and once it
  // is final the steps that wait for it.
  void done(int s, Tile& t, int steps_done) {
    t.busy = false;
    t.next += steps_done;
    const SymmetricFactorWork::Layout& l = work.layout[static_cast<std::size_t>(s)];
    if (t.next <= t.j) {
      offer(s, t);
      return;
    }
    --remaining;
    const int a = t.i, k = t.j;
    if (a == k) {
      for (int c = k + 1; c < l.tiles; ++c) offer(s, tile(s, c, k));
    }
    // Updates by column k of the tiles in row a, and in column a.
    for (int b = k + 1; b <= a; ++b) offer(s, tile(s, a, b));
    for (int c = a + 1; c < l.tiles; ++c) offer(s, tile(s, c, a));
  }

  // Waits without the lock, for at most the time of a few tile steps, for
  // a tile to be queued or the last one to be final: a member that went to
  // sleep at every gap would take longer to wake than a step lasts.
  void linger(std::unique_lock<std::mutex>& lock) {
    lock.unlock();
    LINGER(
        [this] {
          return queued.load(std::memory_order_relaxed) > 0 || unfinished.load(std::memory_order_relaxed) == 0;
        },
        kLinger);
    lock.lock();
  }

  void member() {
    std::unique_lock lock(mutex);
    for (;;) {
      if (work.ready.empty() && remaining > 0) linger(lock);
      while (work.ready.empty() && remaining > 0) {
        ++sleeping;
        wake.wait(lock);
        --sleeping;
      }
      if (remaining == 0) break;
      std::pop_heap(work.ready.begin(), work.ready.end());
      const int index = work.ready.back()[2];
      work.ready.pop_back();
      queued.store(static_cast<int>(work.ready.size()), std::memory_order_relaxed);
      Tile& t = work.tiles[static_cast<std::size_t>(index)];
      const int s = system_of(index);
      // A singular system's remaining tiles only pass through.
      const bool skip = !systems[static_cast<std::size_t>(s)].regular;
      lock.unlock();
      const int n_steps = steps(t);
      const bool ok = skip || step(s, t);
      lock.lock();
      if (!ok) systems[static_cast<std::size_t>(s)].regular = false;
      done(s, t, n_steps);
      unfinished.store(remaining, std::memory_order_relaxed);
      if (remaining == 0) {
        wake.notify_all();
      } else {
        // This member takes one of the queued tiles; sleepers wake for the
        // rest that lingering members do not take.
        const int extra = std::min(static_cast<int>(work.ready.size()) - 1, sleeping);
        for (int n = 0; n < extra; ++n) wake.notify_one();
      }
    }
  }
};

}  // namespace

SymmetricFactorWork::SymmetricFactorWork(int max_order) {
  const int T = tile_count(max_order);
  const std::size_t per_system = static_cast<std::size_t>(T * (T + 1) / 2);
  tiles.resize(3 * per_system);
  ready.reserve(3 * per_system);
}

void FACTOR_SYMMETRIC(std::span<SymmetricSystem> systems, SymmetricFactorWork& work, ThreadTeam* team,
                      const TileFill* fill) {
  assert(systems.size() <= 3);
  Scheduler sched{systems, work, fill};
  int first = 0;
  for (std::size_t s = 0; s < systems.size(); ++s) {
    SymmetricSystem& sys = systems[s];
    assert(sys.A && sys.order >= 1 && sys.weights >= 0 && sys.weights <= 3 && sys.ld >= sys.order + sys.weights);
    sys.regular = true;
    SymmetricFactorWork::Layout& l = work.layout[s];
    l.tiles = tile_count(sys.order);
    l.first = first;
    for (int j = 0; j < l.tiles; ++j) {
      for (int i = j; i < l.tiles; ++i) work.tiles[static_cast<std::size_t>(first++)] = {i, j, fill ? -1 : 0, false};
    }
    sched.remaining += first - l.first;
    assert(static_cast<std::size_t>(first) <= work.tiles.size());
  }
  sched.unfinished = sched.remaining;
  work.ready.clear();
  // Without filling the first diagonal tiles are the only ones that can
  // start; with it every tile's filling can.
  for (std::size_t s = 0; s < systems.size(); ++s) {
    const int tiles = work.layout[s].tiles;
    for (int j = 0; j < (fill ? tiles : 1); ++j) {
      for (int i = j; i < (fill ? tiles : 1); ++i)
        sched.offer(static_cast<int>(s), sched.tile(static_cast<int>(s), i, j));
    }
  }
  if (team) {
    team->run([&sched](int) { sched.member(); });
  } else {
    sched.member();
  }
}

}  // namespace zav
