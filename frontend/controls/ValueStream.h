#pragma once
// A stream of typed values in our own self-describing text encoding, used for
// the stored definitions of tables. Values are separated by ", "; lists stand
// in parentheses; for example
//   2, ("Shear wave", "velocity, "), True, False, False, "FLOATCOLUMN2", "L2/SEC", 0.0
// Integers are plain decimal; extended reals always carry a point or an
// exponent; strings are in double quotes with \" \\ \r \n \t and \xHH escapes;
// Booleans are True and False. Numbers are written and read independently of
// any locale.

#include "controls/Exceptions.h"

#include <QString>

namespace zavik {

enum class TValueType { Integer, Extended, String, Boolean, ListBegin, ListEnd, End };

class TValueWriter {
public:
  void WriteInteger(int Value);
  void WriteFloat(long double Value);
  void WriteString(const QString& Value);
  void WriteBoolean(bool Value);
  void WriteListBegin();
  void WriteListEnd();

  const QString& Text() const { return FText; }

private:
  void Separate();
  QString FText;
  bool FAtListStart = true;
};

// Reading a value of another type than the one that stands next raises
// EReadError, naming the position in the text.
class TValueReader {
public:
  explicit TValueReader(const QString& Text);

  TValueType NextValue();  // the type of the next value, without reading it
  bool EndOfList() { return NextValue() == TValueType::ListEnd; }

  int ReadInteger();
  long double ReadFloat();  // an extended value; an integer is accepted too
  QString ReadString();
  bool ReadBoolean();
  void ReadListBegin();
  void ReadListEnd();

private:
  void SkipSeparators();
  [[noreturn]] void Error(const QString& What) const;
  QString ReadNumberToken();

  QString FText;
  int FPos = 0;
};

}  // namespace zavik
