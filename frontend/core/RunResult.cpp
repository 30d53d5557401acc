#include "core/RunResult.h"

#include "core/AnalysisRun.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace zavik {
namespace {

// The end of a report that holds its last line, however long the report.
constexpr qint64 kTailBytes = 4096;

QString LastLine(const QString& FileName) {
  QFile f(FileName);
  if (!f.open(QIODevice::ReadOnly)) return {};
  f.seek(std::max<qint64>(0, f.size() - kTailBytes));
  const QList<QByteArray> lines = f.readAll().split('\n');
  for (auto it = lines.crbegin(); it != lines.crend(); ++it)
    if (!it->trimmed().isEmpty()) return QString::fromLatin1(*it);
  return {};
}

}  // namespace

std::optional<TReportWarning> ReportWarning(const QString& ReportFile) {
  static const QRegularExpression warning(
      QStringLiteral(R"(\*\*\* WARNING -\s+(\d+) OF\s+(\d+) FREQUENCY LINES)"));
  const QRegularExpressionMatch m = warning.match(LastLine(ReportFile));
  if (!m.hasMatch()) return std::nullopt;
  return TReportWarning{m.captured(1).toInt(), m.captured(2).toInt()};
}

TRunResult RunResult(int Status, const QString& ReportFile) {
  TRunResult result;
  const bool report = QFile::exists(ReportFile);
  if (Status == int(TEngineStatus::Completed)) {
    result.Completed = true;
    result.Message = TAnalysisRun::CompletedMessage;
    if (const auto w = report ? ReportWarning(ReportFile) : std::nullopt) {
      result.Message += QStringLiteral("\r\rWarning: %1 of the %2 frequency lines hold stiffness and damping "
                                       "constants that no passive foundation has; the report names them.")
                            .arg(w->Warned)
                            .arg(w->Lines);
      result.OfferReport = true;
    }
    return result;
  }
  switch (Status) {
    case int(TEngineStatus::Stopped):
      result.Message = QStringLiteral("The analysis did not complete: the deck stopped (at STOP, or at its end) "
                                      "before the analysis.");
      break;
    case int(TEngineStatus::FatalError):
      result.Message = QStringLiteral("The analysis did not complete: the engine refused the input, or could "
                                      "compute no result from it.");
      break;
    default:
      result.Message = QStringLiteral("The analysis did not complete (the engine returned %1).").arg(Status);
      break;
  }
  if (report) {
    result.Message += QStringLiteral("\rThe report says why:\r") + ReportFile;
    result.OfferReport = true;
  } else {
    result.Message += QStringLiteral("\rThe engine wrote no report.");
  }
  return result;
}

}  // namespace zavik
