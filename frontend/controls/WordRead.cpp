#include "controls/WordRead.h"

#include "controls/NumberHelpers.h"
#include "controls/NumberFormat.h"

#include <QFile>

namespace zavik {

const QString TWordReader::FloatExpected =
    QStringLiteral("A floating point number was expected but not found.");
const QString TWordReader::IntegerExpected =
    QStringLiteral("An integer was expected but not found.");
const QString TWordReader::Incomplete = QStringLiteral("This file either invalid or incomplete.");

QString TWordReader::ItemErrorText(int Line, int Item, const QString& Text) {
  return QStringLiteral("Error on Line %1 Item %2\r%3").arg(Line).arg(Item).arg(Text);
}

TWordReader::TWordReader(const QString& FileName) {
  QFile file(FileName);
  if (!file.open(QIODevice::ReadOnly))
    throw EInOutError(QStringLiteral("Cannot open file \"%1\". %2").arg(FileName, file.errorString()));
  const QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError)
    throw EInOutError(QStringLiteral("Cannot read file \"%1\". %2").arg(FileName, file.errorString()));

  // A text saved by an editor as UTF-8 may begin with the byte-order mark;
  // what follows it is UTF-8, any other text 8-bit characters.
  static const QByteArray Utf8Mark = QByteArrayLiteral("\xEF\xBB\xBF");
  const bool utf8 = bytes.startsWith(Utf8Mark);
  auto text = [&](qsizetype From, qsizetype Size) {
    return utf8 ? QString::fromUtf8(bytes.constData() + From, Size)
                : QString::fromLatin1(bytes.constData() + From, Size);
  };
  // A line ends at CR LF, LF or CR; a break at the very end opens no further
  // line, and an empty file is one empty line.
  qsizetype start = utf8 ? Utf8Mark.size() : 0;
  qsizetype i = start;
  const qsizetype n = bytes.size();
  while (i < n) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    AddLine(text(start, i - start));
    i += (c == '\r' && i + 1 < n && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < n || FLines.empty()) AddLine(text(start, n - start));
}

void TWordReader::AddLine(const QString& Line) {
  TWordContainer words;
  words.Line = Line;
  auto separator = [](QChar c) { return c.unicode() <= 32; };
  qsizetype from = 0;
  qsizetype to = Line.size();
  while (from < to && separator(Line[from])) ++from;
  while (to > from && separator(Line[to - 1])) --to;
  while (from < to) {
    // Only blank and tab end a word; other control characters between words
    // are dropped with the blanks.
    qsizetype end = from;
    while (end < to && Line[end] != QLatin1Char(' ') && Line[end] != QLatin1Char('\t')) ++end;
    words.Words.append(Line.mid(from, end - from));
    from = end;
    while (from < to && separator(Line[from])) ++from;
  }
  FLines.push_back(std::move(words));
}

const TWordContainer& TWordReader::Current() const {
  if (Eof()) throw EInOutError(Incomplete);
  return FLines[FLineIndex];
}

int TWordReader::WordCount() const { return Current().Count(); }

QString TWordReader::ReadWord() {
  if (Current().Count() == FWordIndex) {
    FWordIndex = 0;
    ++FLineIndex;
  }
  const TWordContainer& line = Current();
  // The reader moves on one line only: a blank line here means the text ended
  // where more was expected.
  if (FWordIndex >= line.Count())
    throw EInOutError(ItemErrorText(FLineIndex + 1, FWordIndex + 1, Incomplete));
  return line.Words[FWordIndex++];
}

long double TWordReader::ReadFloat() {
  const QString word = ReadWord();
  long double value = 0;
  bool overflow = false;
  if (!TextToFloat(word, value, overflow, QLatin1Char('.')))
    throw EInOutError(ItemErrorText(FLineIndex + 1, FWordIndex, FloatExpected));
  return value;
}

int TWordReader::ReadInteger() {
  const QString word = ReadWord();
  long double value = 0;
  bool overflow = false;
  if (!TextToFloat(word, value, overflow, DecimalSeparator) || !IsWholeNumber(value))
    throw EInOutError(ItemErrorText(FLineIndex + 1, FWordIndex, IntegerExpected));
  return static_cast<int>(value);
}

QString TWordReader::ReadLine() {
  const QString line = Current().Line;
  ++FLineIndex;
  FWordIndex = 0;
  return line;
}

QString TWordReader::PeekLine() const { return Current().Line; }

int TWordReader::WordsLeft() const {
  if (Eof()) return 0;
  int n = FLines[FLineIndex].Count() - FWordIndex;
  for (int i = FLineIndex + 1; i < LineCount(); ++i) n += FLines[i].Count();
  return n;
}

}  // namespace zavik
