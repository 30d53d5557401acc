#pragma once
// TWordReader reads a whole text file into memory and hands it out word by
// word, as typed values or as whole lines. Words are separated by blanks and
// tabs only; commas and other characters belong to the words. The project
// reader and the plot-data loader use it.

#include "controls/Exceptions.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zavik {

// The words of one line and the line's raw text as read.
class TWordContainer {
public:
  QString Line;
  QStringList Words;
  int Count() const { return int(Words.size()); }
};

class TWordReader {
public:
  // Reads and splits the whole file. A file that cannot be opened or read
  // raises EInOutError with the system's message; no reader results. Lines
  // end at CR LF, LF or CR; 8-bit characters, or UTF-8 after a UTF-8
  // byte-order mark at the start, which is skipped.
  explicit TWordReader(const QString& FileName);

  bool Eof() const { return FLineIndex == LineCount(); }
  int LineCount() const { return int(FLines.size()); }
  // Words on the current line.
  int WordCount() const;
  // The next word; a used-up line moves the reader to the next line (once).
  QString ReadWord();
  // The next word as a real, read with '.' whatever the process-wide decimal
  // separator is.
  long double ReadFloat();
  // The next word as a real with the process-wide decimal separator; it must
  // be whole and within the 32-bit range.
  int ReadInteger();
  // The current line's raw text; the reader then stands at the start of the
  // next line (words not yet read on this line are skipped).
  QString ReadLine();
  // The raw text that ReadLine would return, without moving.
  QString PeekLine() const;
  // Words not yet handed out, from the current position to the end.
  int WordsLeft() const;
  // Line Index (0-based) of the text as read.
  const TWordContainer& LineAt(int Index) const { return FLines.at(Index); }

  // 0-based index of the current line; 0-based index of the next word on it.
  // After a successful read LineIndex() + 1 is the line that held the word
  // and WordIndex() its 1-based position on that line.
  int LineIndex() const { return FLineIndex; }
  int WordIndex() const { return FWordIndex; }

  // "Error on Line <Line> Item <Item>", a carriage return, then the text.
  static QString ItemErrorText(int Line, int Item, const QString& Text);
  static const QString FloatExpected;    // "A floating point number was expected but not found."
  static const QString IntegerExpected;  // "An integer was expected but not found."
  static const QString Incomplete;       // "This file either invalid or incomplete."

private:
  void AddLine(const QString& Line);
  const TWordContainer& Current() const;

  std::vector<TWordContainer> FLines;
  int FLineIndex = 0;
  int FWordIndex = 0;
};

}  // namespace zavik
