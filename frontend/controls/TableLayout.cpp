#include "controls/TableLayout.h"

#include <algorithm>

namespace zavik {

bool ColumnsScroll(const TTableMetrics& M, const TTableArrangement& A) {
  return A.ShownColumns < M.ColumnWidths.size();
}

bool RowsScroll(const TTableMetrics& M, const TTableArrangement& A) {
  return A.ShownRows < M.RowCount;
}

QSize GridSize(const TTableMetrics& M, const TTableArrangement& A) {
  int w = M.GridFrame + M.FixedWidth;
  for (int i = A.LeftColOffset; i < A.LeftColOffset + A.ShownColumns && i < M.ColumnWidths.size();
       ++i)
    w += M.ColumnWidths[i];
  if (RowsScroll(M, A)) w += M.ScrollBarWidth;
  int h = M.GridFrame + M.HeaderHeight + A.ShownRows * M.RowHeight;
  if (ColumnsScroll(M, A)) h += M.ScrollBarHeight;
  return {w, h};
}

QSize ArrangedSize(const TTableMetrics& M, const TTableArrangement& A) {
  const QSize grid = GridSize(M, A);
  // The window is never narrower than its row of buttons, its comments or
  // its picture.
  const int width = std::max(M.Margin + grid.width(), M.Margin + M.BelowGridWidth) + M.Margin;
  return {width, M.Margin + grid.height() + M.BelowGrid};
}

TTableArrangement ComputeLayout(int Mode, const TTableMetrics& M, const TTableArrangement& Current,
                                QSize Asked, TResizedEdges Edges) {
  const bool columnsScroll = Mode & 1;
  const bool rowsScroll = Mode & 2;
  const int n = int(M.ColumnWidths.size());
  TTableArrangement a = Current;

  if (!columnsScroll) {
    a.LeftColOffset = 0;
    a.ShownColumns = n;
  } else if (Edges != TResizedEdges::Height && n > 0) {
    // As many columns as fit the asked width, from the present left column
    // on, then back towards the first.
    const int minimum = 2 * M.Margin + M.BelowGridWidth;
    int w = 2 * M.Margin + M.GridFrame + M.FixedWidth + (rowsScroll ? M.ScrollBarWidth : 0);
    a.LeftColOffset = std::clamp(Current.LeftColOffset, 0, n - 1);
    a.ShownColumns = 0;
    for (int i = a.LeftColOffset; i < n;) {
      w += M.ColumnWidths[i++];
      ++a.ShownColumns;
      if (i < n && w >= minimum && w + M.ColumnWidths[i] >= Asked.width()) break;
    }
    for (int j = a.LeftColOffset - 1; j >= 0; --j) {
      if (w >= minimum && w + M.ColumnWidths[j] >= Asked.width()) break;
      w += M.ColumnWidths[j];
      ++a.ShownColumns;
      --a.LeftColOffset;
    }
  }

  if (!rowsScroll) {
    a.TopRowOffset = 0;
    a.ShownRows = M.RowCount;
  } else if (Edges != TResizedEdges::Width) {
    // As many rows as fit below the asked height, one at least.
    int h = M.Margin + M.GridFrame + M.HeaderHeight + M.BelowGrid +
            (columnsScroll ? M.ScrollBarHeight : 0) + M.RowHeight;
    a.ShownRows = std::min(1, M.RowCount);
    while (a.ShownRows < M.RowCount && h + M.RowHeight < Asked.height()) {
      h += M.RowHeight;
      ++a.ShownRows;
    }
    a.TopRowOffset = std::clamp(Current.TopRowOffset, 0, M.RowCount - a.ShownRows);
  }
  return a;
}

long long UncoveredArea(QSize Arranged, QSize Asked) {
  const long long w = Arranged.width(), h = Arranged.height();
  const long long W = Asked.width(), H = Asked.height();
  if (w <= W) return h > H ? (h - H) * W : 0;
  return h > H ? w * h - W * H : (w - W) * H;
}

TTableArrangement ChooseLayout(const TTableMetrics& M, const TTableArrangement& Current,
                               QSize Asked, TResizedEdges Edges) {
  TTableArrangement best;
  long long least = -1;
  for (int mode : {0, 2, 1, 3}) {
    const TTableArrangement a = ComputeLayout(mode, M, Current, Asked, Edges);
    const long long waste = UncoveredArea(ArrangedSize(M, a), Asked);
    if (least < 0 || waste < least) {
      least = waste;
      best = a;
    }
  }
  return best;
}

TTableArrangement FitArrangement(const TTableMetrics& M, const TTableArrangement& Wanted,
                                 QSize Room, int RowInView) {
  TTableArrangement a = Wanted;
  if (!Room.isValid()) return a;
  // A scroll bar that appears takes room of the other direction: fit again
  // until both hold.
  for (int pass = 0; pass < 3; ++pass) {
    const TTableArrangement before = a;
    while (a.ShownRows > 1 && ArrangedSize(M, a).height() > Room.height()) --a.ShownRows;
    while (a.ShownColumns > 1 && ArrangedSize(M, a).width() > Room.width()) --a.ShownColumns;
    if (a == before) break;
  }
  const int row = RowInView >= 0 ? std::min(RowInView, M.RowCount - 1) : Wanted.TopRowOffset;
  a.TopRowOffset = std::clamp(a.TopRowOffset, row - std::max(a.ShownRows, 1) + 1, row);
  a.TopRowOffset = std::clamp(a.TopRowOffset, 0, std::max(M.RowCount - a.ShownRows, 0));
  a.LeftColOffset =
      std::clamp(a.LeftColOffset, 0, std::max(int(M.ColumnWidths.size()) - a.ShownColumns, 0));
  return a;
}

}  // namespace zavik
