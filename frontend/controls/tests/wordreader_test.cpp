// The word reader: splitting lines into words, typed reads and their messages,
// lines and the end of the text.
#include "controls/NumberFormat.h"
#include "controls/WordRead.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace zavik {
namespace {

class WordReaderTest : public ::testing::Test {
protected:
  std::unique_ptr<TWordReader> Read(const QByteArray& Bytes) {
    const QString name = Dir.filePath(QStringLiteral("words.txt"));
    QFile f(name);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(Bytes);
    f.close();
    return std::make_unique<TWordReader>(name);
  }
  QTemporaryDir Dir;
};

QString MessageOf(const std::function<void()>& F) {
  try {
    F();
  } catch (const EInOutError& e) {
    return e.Message();
  }
  return QStringLiteral("no error");
}

TEST_F(WordReaderTest, OnlyBlanksAndTabsSeparateWords) {
  auto r = Read("  1.5\t2   abc \r\nx,y=3\r\n");
  ASSERT_EQ(r->LineCount(), 2);
  EXPECT_EQ(r->WordCount(), 3);
  EXPECT_EQ(r->PeekLine(), QStringLiteral("  1.5\t2   abc "));
  EXPECT_EQ(r->ReadWord(), QStringLiteral("1.5"));
  EXPECT_EQ(r->ReadWord(), QStringLiteral("2"));
  EXPECT_EQ(r->ReadWord(), QStringLiteral("abc"));
  EXPECT_EQ(r->ReadWord(), QStringLiteral("x,y=3"));
  EXPECT_EQ(MessageOf([&] { r->ReadWord(); }), TWordReader::Incomplete);
  EXPECT_EQ(MessageOf([&] { r->ReadWord(); }), TWordReader::Incomplete);
}

struct LinesRow {
  const char* Name;
  QByteArray Bytes;
  QStringList Lines;
};

void PrintTo(const LinesRow& R, std::ostream* Os) { *Os << R.Name; }

class LineEndTest : public WordReaderTest, public ::testing::WithParamInterface<LinesRow> {};

TEST_P(LineEndTest, SplitsTheFileIntoItsLines) {
  auto r = Read(GetParam().Bytes);
  QStringList lines;
  while (!r->Eof()) lines << r->ReadLine();
  EXPECT_EQ(lines, GetParam().Lines);
  EXPECT_EQ(MessageOf([&] { r->ReadLine(); }), TWordReader::Incomplete);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Files, LineEndTest, ::testing::Values(
  LinesRow{"Empty",            "",                {""}},
  LinesRow{"OneLineEnded",     "A B\r\n",         {"A B"}},
  LinesRow{"LastLineOpen",     "A B\r\nC",        {"A B", "C"}},
  LinesRow{"BlankLineKept",    "A\r\n\r\nC\r\n",  {"A", "", "C"}},
  LinesRow{"LineFeedsOnly",    "A\nB\n",          {"A", "B"}},
  LinesRow{"CarriageReturns",  "A\rB",            {"A", "B"}},
  LinesRow{"EightBitText",     "Gr\xfc\xdf" "e\r\n", {QStringLiteral(u"Grüße")}},
  // A byte-order mark is skipped and makes the text UTF-8; elsewhere its
  // bytes are three 8-bit characters.
  LinesRow{"Utf8AfterMark",    "\xEF\xBB\xBFTITLE=Gr\xC3\xBC\xC3\x9F" "e \xE2\x80\x93 \xE2\x82\xAC\r\nB",
                               {QStringLiteral(u"TITLE=Grüße – €"), "B"}},
  LinesRow{"OnlyTheMark",      "\xEF\xBB\xBF",     {""}},
  LinesRow{"MarkNotAtTheStart", "A\r\n\xEF\xBB\xBF" "B", {"A", QStringLiteral(u"\u00EF\u00BB\u00BFB")}}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(WordReaderTest, ReadLineSkipsTheRestOfTheLine) {
  auto r = Read("A B C\r\nD\r\n");
  EXPECT_EQ(r->ReadWord(), QStringLiteral("A"));
  EXPECT_EQ(r->ReadLine(), QStringLiteral("A B C"));
  EXPECT_EQ(r->WordsLeft(), 1);
  EXPECT_EQ(r->ReadWord(), QStringLiteral("D"));
  EXPECT_EQ(r->WordsLeft(), 0);
  EXPECT_FALSE(r->Eof());  // the reader stays on the line of its last word
}

struct TypedRow {
  const char* Name;
  QByteArray Bytes;
  bool Integer;
  int Skip;  // words read before the typed read
  long double Value;
  const char* Message;  // nullptr when the read succeeds
};

void PrintTo(const TypedRow& R, std::ostream* Os) { *Os << R.Name; }

class TypedReadTest : public WordReaderTest, public ::testing::WithParamInterface<TypedRow> {};

TEST_P(TypedReadTest, ConvertsOrNamesTheLineAndItem) {
  const TypedRow& row = GetParam();
  // Files are read with '.' whatever separator the user has; integers take
  // the process-wide one, which the project reader sets to '.'.
  DecimalSeparator = row.Integer ? QLatin1Char('.') : QLatin1Char(',');
  auto r = Read(row.Bytes);
  for (int i = 0; i < row.Skip; ++i) r->ReadWord();
  long double value = 0;
  const QString message = MessageOf([&] { value = row.Integer ? r->ReadInteger() : r->ReadFloat(); });
  const QChar separator = DecimalSeparator;
  DecimalSeparator = QLatin1Char('.');
  EXPECT_EQ(separator, row.Integer ? QLatin1Char('.') : QLatin1Char(','));
  if (row.Message) {
    EXPECT_EQ(message, QString::fromUtf8(row.Message));
  } else {
    EXPECT_EQ(message, QStringLiteral("no error"));
    EXPECT_EQ(value, row.Value);
  }
}

const char* const FloatError4x2 =
    "Error on Line 4 Item 2\rA floating point number was expected but not found.";
const char* const IntegerError1x1 = "Error on Line 1 Item 1\rAn integer was expected but not found.";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Reads, TypedReadTest, ::testing::Values(
  TypedRow{"FloatWithExponent",  "1.0E-3\r\n",             false, 0, 0.001L, nullptr},
  TypedRow{"FloatOnLineFour",    "a\r\nb\r\nc\r\n1 x1\r\n", false, 4, 0, FloatError4x2},
  TypedRow{"FloatWithComma",     "a\r\nb\r\nc\r\n1 2,5\r\n", false, 4, 0, FloatError4x2},
  TypedRow{"FloatBeyondRange",   "a\r\nb\r\nc\r\n1 1E99999\r\n", false, 4, 0, FloatError4x2},
  TypedRow{"IntegerWhole",       "3.0\r\n",                true,  0, 3, nullptr},
  TypedRow{"IntegerExponent",    "1.2E1\r\n",              true,  0, 12, nullptr},
  TypedRow{"IntegerPlus",        "+12\r\n",                true,  0, 12, nullptr},
  TypedRow{"IntegerLowest",      "-2147483648\r\n",        true,  0, -2147483648.0L, nullptr},
  TypedRow{"IntegerFraction",    "3.5\r\n",                true,  0, 0, IntegerError1x1},
  TypedRow{"IntegerTooLarge",    "2147483648\r\n",         true,  0, 0, IntegerError1x1},
  TypedRow{"WordAfterTheEnd",    "7\r\n",                  true,  1, 0, "This file either invalid or incomplete."},
  TypedRow{"BlankLineInBetween", "7\r\n\r\n8\r\n",         true,  1, 0,
           "Error on Line 2 Item 1\rThis file either invalid or incomplete."}),
  [](const auto& Info) { return std::string(Info.param.Name); });
// clang-format on

TEST_F(WordReaderTest, PositionAfterAFailedReadIsAfterTheWord) {
  auto r = Read("1 x 3\r\n");
  r->ReadWord();
  EXPECT_THROW(r->ReadFloat(), EInOutError);
  EXPECT_EQ(r->ReadFloat(), 3);
}

TEST_F(WordReaderTest, AFileThatCannotBeOpenedRaises) {
  const QString missing = Dir.filePath(QStringLiteral("missing.txt"));
  const QString message = MessageOf([&] { TWordReader r(missing); });
  EXPECT_TRUE(message.contains(missing)) << message.toStdString();
}

}  // namespace
}  // namespace zavik
