// Complex symmetric (not Hermitian) systems factored as A = C C^T, C lower
// triangular, without pivoting, on a team of threads: the matrix is cut into
// square tiles, and every tile's updates are matrix products that start as
// soon as the tiles they read are final, so the cores share the work of
// several systems at once. A system whose pivots stay clear of rounding
// level (a scaled flexibility matrix, diagonal of unit modulus) needs no
// pivoting, as the in-place inversion it replaces had none.
#pragma once

#include <array>
#include <span>
#include <vector>

#include "common/types.h"

namespace zav {

class ThreadTeam;

// One system: the leading order by order block of A (column by column,
// leading dimension ld >= order + weights) and, in the `weights` rows below
// it, the transposed weight vectors R (weights by order).
struct SymmetricSystem {
  cplx* A = nullptr;
  int order = 0;
  int weights = 0;
  int ld = 0;
  // Out: false when a pivot was not finite or not above order times the
  // rounding unit.
  bool regular = false;
};

// The tiles' progress for up to three systems of up to max_order unknowns
// and three weight rows, allocated once.
struct SymmetricFactorWork {
  explicit SymmetricFactorWork(int max_order);
  struct Tile {
    int i, j;      // tile row and column from 0
    int next = 0;  // updates done; j + 1 when final; -1 until filled
    bool busy = false;
  };
  struct Layout {
    int tiles = 0;  // tile rows and columns of the matrix; the weight rows
                    // go with the last tile row
    int first = 0;  // index of the system's first tile
  };
  std::vector<Tile> tiles;
  std::array<Layout, 3> layout{};
  std::vector<std::array<int, 3>> ready;  // a heap of (priority, system, tile)
};

// Writes the lower triangle of a tile of a system's matrix: rows [row, row +
// rows) of columns [col, col + cols), from 0, the entries on or below the
// diagonal. Called from any member of the team, once for each tile, before
// the tile's first update.
class TileFill {
 public:
  virtual void operator()(int system, int row, int rows, int col, int cols) const = 0;

 protected:
  ~TileFill() = default;
};

// For every system: the lower triangle of the matrix block := C, and the
// weight rows := R C^-T, so that their products give R A^-1 R^T. The systems'
// tiles are worked on the team's members (on the caller alone without a
// team). With `fill` the matrices are written tile by tile as the work goes
// on (the weight rows must be in place), so that filling shares the cores
// with the first tiles' factoring and a tile is updated while it is still in
// the cache of the core that wrote it. Allocates nothing. The order of the
// arithmetic on every tile is fixed: the results do not depend on the
// team's size or timing.
void FACTOR_SYMMETRIC(std::span<SymmetricSystem> systems, SymmetricFactorWork& work, ThreadTeam* team,
                      const TileFill* fill = nullptr);

}  // namespace zav
