// Decks written by the front end for every foundation system and load type,
// run by the engine library through its entry as the analysis run calls it:
// "names.dat" in the current folder, one call of _IZAVIK, the report read.
#include "EngineRun.h"

#include "controls/NumberFormat.h"

#include <gtest/gtest.h>

#include <vector>

namespace zavik {
namespace {

using namespace testing;

// What the engine writes into the report when it refuses its input.
const char* const InputErrors[] = {"INPUT ERROR",     "FATAL ERROR",         "UNRECOGNIZED",
                                   "SUBKEYWORD MUST", "PROGRAM WILL NOT EXECUTE",
                                   "INVALID KEYWORD", "CANNOT EXECUTE"};

// Saves the project as <dir>/job.kqd and runs the engine on it in <dir>.
TRun RunEngine(TProgramData& P, const QTemporaryDir& Dir) {
  P.FileName = Dir.filePath(QStringLiteral("job.kqd"));
  P.SaveToFile();
  return RunEngineOn(P.FileName);
}

bool MayStartNumber(QChar C) {
  return C.isDigit() || C == QLatin1Char('.') || C == QLatin1Char('+') || C == QLatin1Char('-');
}

long double Value(const QString& Token) {
  long double v = 0;
  bool overflow = false;
  EXPECT_TRUE(TextToFloat(Token, v, overflow, QLatin1Char('.'))) << Token.toStdString();
  return v;
}

// The engine turns the deck into one record per item ("TAPE7" in its folder)
// and reads every number from its record. Those numbers must be the deck's
// numbers up to "RUN", all of them, in order.
void ExpectEngineReadsEveryNumber(const QString& Deck, const QString& Records) {
  std::vector<long double> written;
  for (const QString& line : FileLines(Deck)) {
    if (line.trimmed() == QLatin1String("RUN")) break;
    QString items = line;
    items.replace(QLatin1Char(','), QLatin1Char(' ')).replace(QLatin1Char('='), QLatin1Char(' '));
    for (const QString& item : items.split(QLatin1Char(' '), Qt::SkipEmptyParts))
      if (MayStartNumber(item[0])) written.push_back(Value(item));
  }
  std::vector<long double> read;
  for (const QString& record : FileLines(Records)) {
    const QString field = record.left(20).trimmed();
    if (!field.isEmpty() && MayStartNumber(field[0])) read.push_back(Value(field));
    if (field == QLatin1String("RUN")) break;
  }
  EXPECT_EQ(read, written);
}

void ExpectAccepted(const TRun& Run) {
  ASSERT_FALSE(Run.Report.isEmpty());
  for (const char* error : InputErrors)
    EXPECT_FALSE(Run.Report.contains(error)) << error << " in\n" << Run.Report.toStdString();
  // The analysis ran: its second pass and the response table were written,
  // and no column holds a value that is no number.
  EXPECT_EQ(Run.Status, 0);
  EXPECT_TRUE(Run.Report.contains("SPECIAL OUTPUT OPTION")) << Run.Report.toStdString();
  for (const QByteArray& word : Run.Report.simplified().split(' ')) {
    const QByteArray w = word.startsWith('-') ? word.mid(1) : word;
    EXPECT_TRUE(w != "NaN" && w != "Inf" && w != "Infinity") << Run.Report.toStdString();
  }
}

class DeckRunsTest : public ::testing::TestWithParam<TProjectCase> {};

TEST_P(DeckRunsTest, EngineAcceptsTheDeck) {
  const auto [system, load, units] = GetParam();
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TProjectTables tables;
  TProgramData p(tables);
  FillProject(p, system, load, units);
  ExpectAccepted(RunEngine(p, dir));
  ExpectEngineReadsEveryNumber(p.FileName, dir.filePath(QStringLiteral("TAPE7")));
}

INSTANTIATE_TEST_SUITE_P(Projects, DeckRunsTest, EveryProject(), CaseName);

// Numbers of eight digits make the mass line, the element rows and the
// weak-zone rows run over several lines; the engine reads them all the same.
TEST(DeckRuns, WrappedLinesAreAccepted) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TProjectTables tables;
  TProgramData p(tables);
  FillProject(p, TSystem::PileBattered, TLoad::Harmonic, 2);
  p.TotalMass = 123.45678L;
  p.InertiaX = 1234.5678L;
  p.InertiaY = 2345.6789L;
  p.InertiaZ = 3456.7891L;
  p.ProductXY = -1.2345678e-5L;
  p.ProductXZ = -2.3456789e-5L;
  p.ProductYZ = 3.4567891e-5L;
  for (int r = 0; r < tables.PileData->RowCount(); ++r)
    SetRow(tables.PileData, r, {4.1234567L, 0.21234567L, 0.21234567L, 0.14165432L, 1.5967891e-3L,
                                1.5967891e-3L, 3.1935782e-3L});
  for (int r = 0; r < tables.D->RowCount(); ++r)
    SetRow(tables.D, r, {123.45678L, 17.654321L, 0.41234567L, 0.051234567L, 0.31234567L});
  p.FileName = dir.filePath(QStringLiteral("job.kqd"));
  const TRun run = RunEngine(p, dir);
  const QStringList lines = FileLines(p.FileName);
  const qsizetype mass = lines.indexOf(QStringLiteral("MASS "));
  ASSERT_GE(mass, 0);
  EXPECT_LT(lines[mass + 1].split(QLatin1Char(' ')).size(), 7);  // the mass line goes on below
  ExpectAccepted(run);
  ExpectEngineReadsEveryNumber(p.FileName, dir.filePath(QStringLiteral("TAPE7")));
}

// The title's text reaches the report whole, whatever characters it holds,
// and reads back into the project as it was written.
class TitleTest : public ::testing::TestWithParam<QString> {};

TEST_P(TitleTest, ReachesTheReportWholeAndReadsBack) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TProjectTables tables;
  TProgramData p(tables);
  FillProject(p, TSystem::HalfSpace, TLoad::Harmonic, 2);
  p.Title = GetParam();
  const TRun run = RunEngine(p, dir);
  ExpectAccepted(run);
  const QByteArray line = " " + GetParam().toLatin1().leftJustified(80, ' ', true) + "\n";
  EXPECT_TRUE(run.Report.contains(line)) << run.Report.toStdString();
  // The line after the title (MATRIX) is not taken for it.
  EXPECT_TRUE(run.Report.contains("STIFFNESS AND DAMPING CONSTANTS TO BE PRINTED"));
  QString message;
  auto again = TProgramData::CreateFromFile(tables, p.FileName, message);
  EXPECT_TRUE(message.isEmpty()) << message.toStdString();
  EXPECT_EQ(again->Title, GetParam());
}

INSTANTIATE_TEST_SUITE_P(Titles, TitleTest,
                         ::testing::Values(QStringLiteral("Compressor on four piles, no interaction"),
                                           QStringLiteral("3 x 3 piles: P = 2*Q, T $5 2(1) F"),
                                           QStringLiteral("  1500 rpm fan"), QString(),
                                           QString(80, QLatin1Char('W'))));

}  // namespace
}  // namespace zavik
