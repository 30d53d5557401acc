#pragma once
// The arrangement of the table editor window: how many columns and rows its
// grid shows at once, where it is scrolled to, and the client size that
// follows. When the user has resized the window, four arrangements are
// weighed and the one that wastes the least area of the size the user asked
// for is taken:
//   0  every column and every row shown,
//   1  the columns scroll, every row shown,
//   2  every column shown, the rows scroll,
//   3  both scroll.
// Pure arithmetic on pixel sizes that the window measures.

#include <QList>
#include <QSize>

namespace zavik {

struct TTableMetrics {
  QList<int> ColumnWidths;  // the data columns, in order
  int FixedWidth = 0;       // the row-number column
  int HeaderHeight = 0;     // the header rows
  int RowHeight = 0;
  int RowCount = 0;         // data rows
  int GridFrame = 0;        // both frame sides of the grid together
  int ScrollBarWidth = 0;   // of a vertical scroll bar
  int ScrollBarHeight = 0;  // of a horizontal scroll bar
  int Margin = 0;           // the spacing unit around and between the parts
  int BelowGridWidth = 0;   // the widest part below the grid: the row of buttons, the comments, the picture
  int BelowGrid = 0;        // the buttons, comments and picture below the grid, with their spacing
};

struct TTableArrangement {
  int LeftColOffset = 0;  // data columns scrolled out at the left
  int TopRowOffset = 0;   // data rows scrolled out at the top
  int ShownColumns = 0;
  int ShownRows = 0;
  bool operator==(const TTableArrangement&) const = default;
};

// Which edges of the window the user moved.
enum class TResizedEdges { Width, Height, Both };

bool ColumnsScroll(const TTableMetrics& M, const TTableArrangement& A);
bool RowsScroll(const TTableMetrics& M, const TTableArrangement& A);
// The grid's size and the window's client size for an arrangement.
QSize GridSize(const TTableMetrics& M, const TTableArrangement& A);
QSize ArrangedSize(const TTableMetrics& M, const TTableArrangement& A);

// One of the four arrangements for the size the user asked for.
TTableArrangement ComputeLayout(int Mode, const TTableMetrics& M, const TTableArrangement& Current,
                                QSize Asked, TResizedEdges Edges);
// The area of the arranged size that falls outside the size asked for, or
// that the asked size leaves uncovered.
long long UncoveredArea(QSize Arranged, QSize Asked);
// The arrangement of least waste; ties go to the first of 0, 2, 1, 3.
TTableArrangement ChooseLayout(const TTableMetrics& M, const TTableArrangement& Current,
                               QSize Asked, TResizedEdges Edges);
// The arrangement Wanted, made to fit Room (the client size the window can
// have where it is shown): first the rows scroll, then the columns, down to
// one of each; an arrangement that fits is kept as it is. The data row
// RowInView stays shown (the top row of Wanted when it is -1).
TTableArrangement FitArrangement(const TTableMetrics& M, const TTableArrangement& Wanted,
                                 QSize Room, int RowInView = -1);

}  // namespace zavik
