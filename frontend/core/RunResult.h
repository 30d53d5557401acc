#pragma once
// What the user is told when an analysis run ends, from the engine's status
// and, for a completed run, the warning its report may end with.

#include <QString>

#include <optional>

namespace zavik {

// The engine's status: completed, stopped (by STOP, or at the end of the
// deck, before the analysis), or a fatal error (in the input, or no
// frequency line could be computed).
enum class TEngineStatus : int { Completed = 0, Stopped = 2, FatalError = 3 };

// The line a completed run's report ends with when some of its frequency
// lines hold constants no passive foundation has, as in
// " *** WARNING -     3 OF    40 FREQUENCY LINES HOLD CONSTANTS NO PASSIVE FOUNDATION HAS ***".
struct TReportWarning {
  int Warned = 0;  // the frequency lines warned
  int Lines = 0;   // of so many
};

// The warning a report ends with (its last line that is not blank); none for
// a report without it, or one that cannot be read.
std::optional<TReportWarning> ReportWarning(const QString& ReportFile);

struct TRunResult {
  bool Completed = false;  // the engine completed the analysis
  QString Message;
  // The report exists and tells more than the message: its opening is offered.
  bool OfferReport = false;
};

// After a completed run "Computations are completed. Please, check output
// file for results or error messages.", with how many frequency lines were
// warned when the report ends with a warning; after any other status that
// the analysis did not complete and that the report says why.
TRunResult RunResult(int Status, const QString& ReportFile);

}  // namespace zavik
