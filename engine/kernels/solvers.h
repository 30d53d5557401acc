// Complex single-precision linear solvers: band elimination for the
// single-pile systems, LU decomposition with scaled partial pivoting, and a
// solve with iterative improvement for the response of the foundation.
#pragma once

#include <functional>
#include <string_view>

#include "common/types.h"

namespace zav {

// How a solve ended, as every kernel that can fail says it: a status it
// returns. The values are the solvers' error codes IER.
enum class SolveStatus {
  ok = 0,
  singular = 129,        // a zero row or a negligible pivot
  no_convergence = 130,  // iterative improvement did not settle
};

// The report line of LEQ2C when the matrix cannot be factored.
inline constexpr std::string_view LEQ2C_ERROR_MESSAGE = "ERROR ENCOUNTERED IN LEQ2C SUBROUTINE";

// Where a kernel hands a line for the report; the caller owns the report.
using MessageSink = std::function<void(std::string_view)>;

// B := A^-1 B for a complex symmetric (not Hermitian) band matrix of order N
// with W - 1 entries on each side of the diagonal, by Gaussian elimination
// without pivoting. Band storage: A(i, 1) is the diagonal of row i and A(i, j)
// the entry j - 1 places to its right, which is also the entry j - 1 places
// below the diagonal in column i; entries with i + j - 1 > N are not read.
// B holds M right-hand sides. A is overwritten. No failure is reported: the
// systems it serves are dominated by their diagonals.
void COMPLEX_ELIMINATE(int M, int N, int W, Mat<cplx> A, Mat<cplx> B);

// A X = B for a dense N by N matrix A (leading dimension IA) and M right-hand
// sides B (leading dimension IB), by LU decomposition with scaled partial
// pivoting. IJOB 0: factor and solve; 1: factor only; 2: solve with the
// factors already in A. On factoring, A is replaced by L (below the diagonal,
// unit diagonal) and U, and WK (at least N reals) keeps the pivot row of each
// column. ok on success, singular when a row is all zero or a pivot is
// negligible against the order N; B is then unchanged.
[[nodiscard]] SolveStatus COMPLEX_LU_SOLVE(cplx* A, int N, int IA, cplx* B, int M, int IB, int IJOB, real* WK);

// A X = B as COMPLEX_LU_SOLVE, with iterative improvement of each solution
// (residuals accumulated in double precision); A is left unchanged. WA is
// complex work of at least N (N + 2) values: the factors (leading dimension
// N), then two vectors; WK at least N reals. IJOB 0: factor and solve;
// 1: factor only; 2: solve with the factors already in WA and WK.
// singular when A cannot be factored: LEQ2C_ERROR_MESSAGE goes to report and
// B is unchanged. no_convergence when the improvement of some right-hand side
// did not settle within 50 steps: every right-hand side is still solved and
// improved as far as it went.
[[nodiscard]] SolveStatus LEQ2C(const cplx* A, int N, int IA, cplx* B, int M, int IB, int IJOB, cplx* WA, real* WK,
                                const MessageSink& report = {});

}  // namespace zav
