#include "controls/ValueStream.h"

#include "controls/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zavik {

void TValueWriter::Separate() {
  if (!FAtListStart) FText += QStringLiteral(", ");
  FAtListStart = false;
}

void TValueWriter::WriteInteger(int Value) {
  Separate();
  FText += QString::number(Value);
}

void TValueWriter::WriteFloat(long double Value) {
  Separate();
  FText += ExtendedToStoredText(Value);
}

void TValueWriter::WriteString(const QString& Value) {
  Separate();
  FText += QLatin1Char('"');
  for (QChar c : Value) {
    switch (c.unicode()) {
      case '"': FText += QStringLiteral("\\\""); break;
      case '\\': FText += QStringLiteral("\\\\"); break;
      case '\r': FText += QStringLiteral("\\r"); break;
      case '\n': FText += QStringLiteral("\\n"); break;
      case '\t': FText += QStringLiteral("\\t"); break;
      default:
        if (c.unicode() < 0x20)
          FText += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
        else
          FText += c;
    }
  }
  FText += QLatin1Char('"');
}

void TValueWriter::WriteBoolean(bool Value) {
  Separate();
  FText += Value ? QStringLiteral("True") : QStringLiteral("False");
}

void TValueWriter::WriteListBegin() {
  Separate();
  FText += QLatin1Char('(');
  FAtListStart = true;
}

void TValueWriter::WriteListEnd() {
  FText += QLatin1Char(')');
  FAtListStart = false;
}

TValueReader::TValueReader(const QString& Text) : FText(Text) {}

void TValueReader::Error(const QString& What) const {
  throw EReadError(QStringLiteral("Stored data unreadable at position %1: %2")
                       .arg(FPos + 1)
                       .arg(What));
}

void TValueReader::SkipSeparators() {
  while (FPos < FText.size() &&
         (FText[FPos].isSpace() || FText[FPos] == QLatin1Char(',')))
    ++FPos;
}

TValueType TValueReader::NextValue() {
  SkipSeparators();
  if (FPos >= FText.size()) return TValueType::End;
  const QChar c = FText[FPos];
  if (c == QLatin1Char('(')) return TValueType::ListBegin;
  if (c == QLatin1Char(')')) return TValueType::ListEnd;
  if (c == QLatin1Char('"')) return TValueType::String;
  if (FText.mid(FPos, 4) == QLatin1String("True") || FText.mid(FPos, 5) == QLatin1String("False"))
    return TValueType::Boolean;
  int end = FPos;
  bool extended = false;
  while (end < FText.size()) {
    const QChar d = FText[end];
    if (d == QLatin1Char('.') || d == QLatin1Char('e') || d == QLatin1Char('E') ||
        d == QLatin1Char('i') || d == QLatin1Char('n'))
      extended = true;  // a point, an exponent, inf or nan
    else if (!(d.isDigit() || d == QLatin1Char('-') || d == QLatin1Char('+') ||
               d == QLatin1Char('f') || d == QLatin1Char('a')))
      break;
    ++end;
  }
  if (end == FPos) Error(QStringLiteral("unexpected character '%1'").arg(c));
  return extended ? TValueType::Extended : TValueType::Integer;
}

QString TValueReader::ReadNumberToken() {
  int end = FPos;
  while (end < FText.size() && FText[end] != QLatin1Char(',') && FText[end] != QLatin1Char(')') &&
         !FText[end].isSpace())
    ++end;
  QString token = FText.mid(FPos, end - FPos);
  FPos = end;
  return token;
}

int TValueReader::ReadInteger() {
  if (NextValue() != TValueType::Integer) Error(QStringLiteral("an integer expected"));
  const std::string token = ReadNumberToken().toStdString();
  int value = 0;
  auto res = std::from_chars(token.data(), token.data() + token.size(), value);
  if (res.ec != std::errc() || res.ptr != token.data() + token.size())
    Error(QStringLiteral("invalid integer %1").arg(QString::fromStdString(token)));
  return value;
}

long double TValueReader::ReadFloat() {
  const TValueType type = NextValue();
  if (type != TValueType::Extended && type != TValueType::Integer)
    Error(QStringLiteral("an extended value expected"));
  const std::string token = ReadNumberToken().toStdString();
  if (token == "inf") return std::numeric_limits<long double>::infinity();
  if (token == "-inf") return -std::numeric_limits<long double>::infinity();
  if (token == "nan") return std::numeric_limits<long double>::quiet_NaN();
  long double value = 0;
  if (!CTextToExtended(token, value))
    Error(QStringLiteral("invalid extended value %1").arg(QString::fromStdString(token)));
  return value;
}

QString TValueReader::ReadString() {
  if (NextValue() != TValueType::String) Error(QStringLiteral("a string expected"));
  ++FPos;
  QString value;
  for (;;) {
    if (FPos >= FText.size()) Error(QStringLiteral("unterminated string"));
    const QChar c = FText[FPos++];
    if (c == QLatin1Char('"')) break;
    if (c != QLatin1Char('\\')) {
      value += c;
      continue;
    }
    if (FPos >= FText.size()) Error(QStringLiteral("unterminated string"));
    const QChar e = FText[FPos++];
    switch (e.unicode()) {
      case '"': value += QLatin1Char('"'); break;
      case '\\': value += QLatin1Char('\\'); break;
      case 'r': value += QLatin1Char('\r'); break;
      case 'n': value += QLatin1Char('\n'); break;
      case 't': value += QLatin1Char('\t'); break;
      case 'x': {
        bool ok = false;
        const int code = FText.mid(FPos, 2).toInt(&ok, 16);
        if (!ok || FPos + 2 > FText.size()) Error(QStringLiteral("invalid \\x escape"));
        value += QChar(code);
        FPos += 2;
        break;
      }
      default: Error(QStringLiteral("invalid escape \\%1").arg(e));
    }
  }
  return value;
}

bool TValueReader::ReadBoolean() {
  if (NextValue() != TValueType::Boolean) Error(QStringLiteral("True or False expected"));
  const bool value = FText[FPos] == QLatin1Char('T');
  FPos += value ? 4 : 5;
  return value;
}

void TValueReader::ReadListBegin() {
  if (NextValue() != TValueType::ListBegin) Error(QStringLiteral("\"(\" expected"));
  ++FPos;
}

void TValueReader::ReadListEnd() {
  if (NextValue() != TValueType::ListEnd) Error(QStringLiteral("\")\" expected"));
  ++FPos;
}

}  // namespace zavik
