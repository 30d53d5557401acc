#include "controls/ExpressionEvaluator.h"

#include "controls/NumberFormat.h"

#include <QList>
#include <QStringList>

#include <cmath>
#include <cstring>
#include <math.h>
#include <cstdint>
#include <limits>

namespace zavik {

namespace {

const QChar CR(13);
constexpr int kDigits = 18;  // significant digits kept by every rewrite
constexpr long double kPi = 3.141592653589793238462643383279502884L;

[[noreturn]] void Fail(const char* Reason) {
  throw EAssignError(QStringLiteral("Entry could not be evaluated:") + CR +
                     QString::fromLatin1(Reason));
}

[[noreturn]] void ZeroDivide() {
  throw EMathError(QStringLiteral("Floating point division by zero"));
}

[[noreturn]] void InvalidOp() {
  throw EMathError(QStringLiteral("Invalid floating point operation"));
}

// The floating-point unit's faults as orderly errors.
long double Checked(long double R) {
  if (std::isnan(R)) InvalidOp();
  if (std::isinf(R)) throw EMathError(QStringLiteral("Floating point overflow"));
  return R;
}

long double Divide(long double A, long double B) {
  if (B == 0) {
    if (A == 0 || std::isnan(A)) InvalidOp();
    ZeroDivide();
  }
  return Checked(A / B);
}

int64_t TruncToInt64(long double X) {
  // The 64-bit range is [-2^63, 2^63); beyond it truncation is invalid.
  constexpr long double kLimit = 9223372036854775808.0L;
  if (std::isnan(X) || X >= kLimit || X < -kLimit) InvalidOp();
  return static_cast<int64_t>(X);
}

int32_t ToInt32(long double X) {
  if (X < -2147483648.0L || X > 2147483647.0L)
    throw ERangeError(QStringLiteral("Range check error"));
  return static_cast<int32_t>(X);
}

long double IntPower(long double Base, int64_t Exponent) {
  uint64_t y = Exponent < 0 ? uint64_t(-(Exponent + 1)) + 1 : uint64_t(Exponent);
  long double result = 1.0L;
  long double b = Base;
  while (y > 0) {
    if (y & 1) result *= b;
    y >>= 1;
    if (y > 0) b *= b;
  }
  return Exponent < 0 ? Divide(1.0L, result) : result;
}

long double Power(long double X, long double Y) {
  if (Y == 0) return 1.0L;
  if (::truncl(Y) == Y && ::fabsl(Y) <= 2147483647.0L)
    return Checked(IntPower(X, static_cast<int64_t>(Y)));
  if (X < 0) InvalidOp();
  if (X == 0 && Y < 0) ZeroDivide();
  return Checked(::expl(Y * ::logl(X)));
}

QString Rewrite(long double R) { return FloatToStrGeneral(Checked(R), kDigits); }

bool IsOperatorChar(QChar C) {
  switch (C.unicode()) {
    case '^': case '*': case '/': case '%': case '+': case '=': case '|': case '&':
      return true;
    default:
      return false;
  }
}

// A minus after one of these characters belongs to the operand that follows.
bool StartsOperand(QChar C) {
  switch (C.unicode()) {
    case '%': case '&': case '*': case '+': case '/': case '=': case '^': case '|':
    case 'E': case 'e': case '-':
      return true;
    default:
      return false;
  }
}

using TFunction = long double (*)(long double);

struct TNamedFunction {
  const char* Name;
  TFunction Apply;
};

long double Logarithm(long double X, long double (*Log)(long double)) {
  if (X == 0) ZeroDivide();
  if (X < 0) InvalidOp();
  return Log(X);
}

long double RoundHalfEven(long double X) {
  long double r = ::nearbyintl(X);  // the default rounding mode: ties to even
  return static_cast<long double>(TruncToInt64(r));
}

// Longer names stand before the names they begin with.
const TNamedFunction kFunctions[] = {
    {"arctanh", [](long double x) {
       if (::fabsl(x) == 1) ZeroDivide();
       return ::atanhl(x);
     }},
    {"arctan", [](long double x) { return ::atanl(x); }},
    {"cotan", [](long double x) { return Divide(::cosl(x), ::sinl(x)); }},
    {"tanh", [](long double x) { return ::tanhl(x); }},
    {"tan", [](long double x) { return ::tanl(x); }},
    {"arccosh", [](long double x) { return ::acoshl(x); }},
    {"arccos", [](long double x) { return ::acosl(x); }},
    {"cosh", [](long double x) { return ::coshl(x); }},
    {"cosec", Csc},
    {"cos", [](long double x) { return ::cosl(x); }},
    {"sec", Sec},
    {"arcsinh", [](long double x) { return ::asinhl(x); }},
    {"arcsin", [](long double x) { return ::asinl(x); }},
    {"sinh", [](long double x) { return ::sinhl(x); }},
    {"sin", [](long double x) { return ::sinl(x); }},
    {"csc", Csc},
    {"abs", [](long double x) { return ::fabsl(x); }},
    {"frac", [](long double x) { return x - ::truncl(x); }},
    {"int", [](long double x) { return ::truncl(x); }},
    {"ln", [](long double x) { return Logarithm(x, ::logl); }},
    {"round", RoundHalfEven},
    {"ceil", [](long double x) { return static_cast<long double>(ToInt32(::ceill(x))); }},
    {"floor", [](long double x) { return static_cast<long double>(ToInt32(::floorl(x))); }},
    {"log", [](long double x) { return Logarithm(x, ::log10l); }},
    {"sqrt", [](long double x) { return ::sqrtl(x); }},
};

long double HexValue(const QString& Digits) {
  // A 32-bit integer: up to eight hexadecimal digits, the top bit giving a
  // negative value as the run-time library's integer conversion does.
  if (Digits.isEmpty()) Fail("invalid use of $ (hex function)");
  uint64_t v = 0;
  for (QChar c : Digits) {
    int d;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) d = c.unicode() - '0';
    else if (c >= QLatin1Char('a') && c <= QLatin1Char('f')) d = c.unicode() - 'a' + 10;
    else Fail("invalid use of $ (hex function)");
    v = v * 16 + uint64_t(d);
    if (v > 0xFFFFFFFFull) Fail("invalid use of $ (hex function)");
  }
  return static_cast<long double>(static_cast<int32_t>(static_cast<uint32_t>(v)));
}

}  // namespace

long double Sec(long double X) { return Divide(1.0L, ::cosl(X)); }
long double Csc(long double X) { return Divide(1.0L, ::sinl(X)); }

bool IsFunctionName(const QString& S) {
  const QString s = S.toLower();
  if (s == QLatin1String("!") || s == QLatin1String("$")) return true;
  for (const auto& f : kFunctions)
    if (s == QLatin1String(f.Name)) return true;
  return false;
}

long double Factorial(long double X) {
  const long double sign = X < 0 ? -1.0L : 1.0L;
  if (X - ::truncl(X) != 0) Fail("! (factoral) applicable to integers only");
  X = ::fabsl(X);
  long double result = 1.0L;
  // Stops at the first overflow, so that a huge argument cannot hang the entry.
  for (; X > 1; X -= 1) result = Checked(result * X);
  return sign * result;
}

long double EvaluateTerm(const QString& T) {
  QString t = T;
  t.replace(QLatin1String("--"), QString());
  t = t.toLower();

  if (t == QLatin1String("pi")) return kPi;
  if (t == QLatin1String("-pi")) return -kPi;
  if (t == QLatin1String("e")) return ::expl(1.0L);
  if (t == QLatin1String("-e")) return -::expl(1.0L);

  for (const auto& f : kFunctions) {
    const QLatin1String name(f.Name);
    if (t.startsWith(name)) return Checked(f.Apply(EvaluateTerm(t.mid(name.size()))));
  }
  if (t.endsWith(QLatin1Char('!'))) return Factorial(EvaluateTerm(t.chopped(1)));
  if (t.startsWith(QLatin1Char('$'))) return HexValue(t.mid(1));

  long double value = 0;
  bool overflow = false;
  if (!TextToFloat(t, value, overflow)) {
    if (overflow) throw EMathError(QStringLiteral("Floating point overflow"));
    Fail("invalid character(s) in expression");
  }
  return value;
}

long double EvaluateExpression(const QString& S) {
  if (S.isEmpty()) Fail("entry cannot be blank");
  QString s = S;
  s.remove(QLatin1Char(' '));
  s.remove(QLatin1Char('\t'));

  // Parentheses, innermost first. A "(" without its ")" stays in the text and
  // makes its operand fail as an invalid character.
  for (;;) {
    const int c = int(s.indexOf(QLatin1Char(')')));
    if (c < 0) break;
    const int o = c > 0 ? int(s.lastIndexOf(QLatin1Char('('), c - 1)) : -1;
    if (o < 0) Fail("() (parentheses) do not match");
    const long double inner = EvaluateExpression(s.mid(o + 1, c - o - 1));
    s.replace(o, c - o + 1, Rewrite(inner));
  }

  // Split into operands and operators. A minus is binary unless it opens the
  // text, follows a function name that is the whole text before it, or follows
  // an operator, an exponent letter or another minus; a unary minus stays in
  // its operand (so 1e-5 stays a number and 2*-3 is 2 times -3).
  QStringList operands;
  QList<QChar> operators;
  int start = 0;
  for (int i = 0; i < s.size(); ++i) {
    const QChar ch = s[i];
    bool isOperator = IsOperatorChar(ch);
    if (ch == QLatin1Char('-'))
      isOperator = !(i == 0 || IsFunctionName(s.left(i)) || StartsOperand(s[i - 1]));
    if (isOperator) {
      operands.append(s.mid(start, i - start));
      operators.append(ch);
      start = i + 1;
    }
  }
  if (start < s.size()) operands.append(s.mid(start));
  if (operands.size() != operators.size() + 1) Fail("invalid expression");

  // Four levels, each left-associative: 2^3^2 = 64, 8/4/2 = 1.
  auto reduce = [&](auto matches, auto apply) {
    for (int i = 0; i < operators.size();) {
      if (!matches(operators[i])) {
        ++i;
        continue;
      }
      const long double a = EvaluateTerm(operands[i]);
      const long double b = EvaluateTerm(operands[i + 1]);
      operands[i] = apply(operators[i], a, b);
      operands.removeAt(i + 1);
      operators.removeAt(i);
    }
  };
  auto is = [](const char* set) {
    return [set](QChar op) { return op.unicode() < 128 && std::strchr(set, char(op.unicode())); };
  };
  reduce(is("^"), [](QChar, long double a, long double b) { return Rewrite(Power(a, b)); });
  reduce(is("*/%&"), [](QChar op, long double a, long double b) -> QString {
    switch (op.unicode()) {
      case '*': return Rewrite(a * b);
      case '/': return Rewrite(Divide(a, b));
      case '%': {
        const int64_t x = TruncToInt64(a);
        const int64_t y = TruncToInt64(b);
        if (y == 0) throw EMathError(QStringLiteral("Division by zero"));
        return QString::number(y == -1 ? 0 : x % y);
      }
      default: return QLatin1String(a != 0 && b != 0 ? "1" : "0");
    }
  });
  reduce(is("+-|"), [](QChar op, long double a, long double b) -> QString {
    switch (op.unicode()) {
      case '+': return Rewrite(a + b);
      case '-': return Rewrite(a - b);
      default: return QLatin1String(a == 0 && b == 0 ? "0" : "1");
    }
  });
  reduce(is("="), [](QChar, long double a, long double b) -> QString {
    return QLatin1String(a == b ? "1" : "0");
  });
  return EvaluateTerm(operands.first());
}

long double EvaluateEntry(const QString& S) {
  const long double value = Checked(EvaluateExpression(S));
  // The engine's reals are single precision.
  constexpr long double kLargest = std::numeric_limits<float>::max();
  constexpr long double kSmallest = std::numeric_limits<float>::min();
  const long double magnitude = fabsl(value);
  if (magnitude > kLargest || (value != 0 && magnitude < kSmallest))
    Fail("value beyond the range of the analysis (0, or a magnitude between about 1.2E-38 and 3.4E38)");
  return value;
}

}  // namespace zavik
