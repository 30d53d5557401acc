// The expression evaluator against hand-worked values and the messages users see.
#include "controls/ExpressionEvaluator.h"
#include "controls/NumberFormat.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zavik {
namespace {

enum class Kind { Value, Assign, Math, Range };

struct EvalRow {
  const char* Text;
  Kind Expect;
  long double Value;     // for Value rows
  long double Tolerance; // relative; 0 demands the exact value
  const char* Message;   // the reason after the common first line, or the whole message
};

void PrintTo(const EvalRow& Row, std::ostream* Os) { *Os << '"' << Row.Text << '"'; }

class EvaluateExpressionTest : public ::testing::TestWithParam<EvalRow> {};

TEST_P(EvaluateExpressionTest, GivesValueOrMessage) {
  const EvalRow& row = GetParam();
  SCOPED_TRACE(row.Text);
  const QString text = QString::fromUtf8(row.Text);
  switch (row.Expect) {
    case Kind::Value: {
      const long double v = EvaluateExpression(text);
      if (row.Tolerance == 0) {
        EXPECT_EQ(v, row.Value) << double(v);
      } else {
        const long double scale = std::max(fabsl(row.Value), 1.0L);
        EXPECT_LE(fabsl(v - row.Value) / scale, row.Tolerance) << double(v);
      }
      break;
    }
    case Kind::Assign:
      try {
        EvaluateExpression(text);
        ADD_FAILURE() << "no error";
      } catch (const EAssignError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Entry could not be evaluated:\r") +
                                   QString::fromLatin1(row.Message));
      }
      break;
    case Kind::Math:
      try {
        EvaluateExpression(text);
        ADD_FAILURE() << "no error";
      } catch (const EMathError& e) {
        EXPECT_EQ(e.Message(), QString::fromLatin1(row.Message));
      }
      break;
    case Kind::Range:
      EXPECT_THROW(EvaluateExpression(text), ERangeError);
      break;
  }
}

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kE = 2.718281828459045235360287471352662498L;
constexpr long double kExact = 0;
constexpr long double kTight = 1e-17L;   // 18 significant digits kept by each rewrite
constexpr long double kDouble = 1e-15L;  // against double-precision references

#define V(text, value, tol) EvalRow{text, Kind::Value, value, tol, ""}
#define A(text, reason) EvalRow{text, Kind::Assign, 0, 0, reason}
#define M(text, message) EvalRow{text, Kind::Math, 0, 0, message}
#define R(text) EvalRow{text, Kind::Range, 0, 0, ""}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Precedence, EvaluateExpressionTest, ::testing::Values(
  V("2+3*4",        14, kExact),
  V("(2+3)*4",      20, kExact),
  V("2^3^2",        64, kExact),
  V("10-2-3",        5, kExact),
  V("8/4/2",         1, kExact),
  V("-2^2",          4, kExact),
  V("3*(2+(4-1))",  15, kExact),
  V("((2))",         2, kExact),
  V(" 1 +\t2 ",      3, kExact),
  V("2+3=5",         1, kExact),
  V("1+1&0",         1, kExact),
  V("10/4",        2.5L, kExact)));

INSTANTIATE_TEST_SUITE_P(MinusSigns, EvaluateExpressionTest, ::testing::Values(
  V("2*-3",        -6, kExact),
  V("5--3",         8, kExact),
  V("5---3",        2, kExact),
  V("2^-1",      0.5L, kExact),
  V("1e-5",     1e-5L, kTight),
  V("2.5E-7", 2.5e-7L, kTight),
  V("1.5e-3*2", 0.003L, kTight),
  V("--pi",       kPi, kExact),
  V("-pi",       -kPi, kExact),
  V("-e",         -kE, kTight),
  V("(e)-1", 1.71828182845904524L, 1e-18L),
  V("sin-0.5", -0.479425538604203000273287935215571388L, kTight),
  V("2*(-3)",      -6, kExact)));

INSTANTIATE_TEST_SUITE_P(IntegerAndLogicalOperators, EvaluateExpressionTest, ::testing::Values(
  V("7%3",    1, kExact),
  V("-7%3",  -1, kExact),
  V("7.9%3",  1, kExact),
  V("7%-3",   1, kExact),
  V("1=1",    1, kExact),
  V("2=3",    0, kExact),
  V("0|5",    1, kExact),
  V("0|0",    0, kExact),
  V("3&0",    0, kExact),
  V("3&2",    1, kExact),
  V("0&2",    0, kExact)));

INSTANTIATE_TEST_SUITE_P(Functions, EvaluateExpressionTest, ::testing::Values(
  V("sin(pi/2)",        1, kTight),
  V("cosec(pi/2)",      1, kTight),
  V("csc(pi/2)",        1, kTight),
  V("sec(0)",           1, kExact),
  V("cos(pi)",         -1, kTight),
  V("cotan(pi/4)",      1, kTight),
  V("tan(pi/4)",        1, kTight),
  V("arctan(1)*4",    kPi, kTight),
  V("arcsin(1)*2",    kPi, kTight),
  V("arccos(-1)",     kPi, kTight),
  V("arctanh(0.5)", 0.549306144334054845697622618461262852L, kTight),
  V("arcsinh(1)",   0.881373587019543025232609324979792309L, kTight),
  V("arccosh(2)",   1.316957896924816708625046347307968444L, kTight),
  V("tanh(1)",      0.761594155955764888119458282604793496L, kTight),
  V("sinh(1)",      1.175201193643801456882381850595600815L, kTight),
  V("cosh(1)",      1.543080634815243778477905620757061682L, kTight),
  V("SIN(0)",           0, kExact),
  V("sinsin0.5",  0.461269555033180665176986458934572180L, kTight),
  V("sqrt(16)*2",       8, kExact),
  V("sqrt(2)^2",        2, kTight),
  V("2^0.5",  1.414213562373095048801688724209698079L, kTight),
  V("abs(-3)",          3, kExact),
  V("frac(-2.75)", -0.75L, kExact),
  V("int(-2.7)",       -2, kExact),
  V("round(2.5)",       2, kExact),
  V("round(3.5)",       4, kExact),
  V("round(-2.5)",     -2, kExact),
  V("ceil(2.1)",        3, kExact),
  V("floor(-2.1)",     -3, kExact),
  V("ln(e)",            1, kTight),
  V("log(1000)",        3, kTight),
  V("5!",             120, kExact),
  V("0!",               1, kExact),
  V("-3!",             -6, kExact),
  V("$ff",            255, kExact),
  V("$FF",            255, kExact),
  V("$7fffffff", 2147483647, kExact),
  V("$ffffffff",       -1, kExact),
  V("1/3", 0.333333333333333333L, 1e-18L)));

INSTANTIATE_TEST_SUITE_P(UserErrors, EvaluateExpressionTest, ::testing::Values(
  A("",           "entry cannot be blank"),
  A("()",         "entry cannot be blank"),
  A("   ",        "invalid expression"),
  A("3*",         "invalid expression"),
  A("5+",         "invalid expression"),
  A("1+2)",       "() (parentheses) do not match"),
  A(")(",         "() (parentheses) do not match"),
  A("(1+2",       "invalid character(s) in expression"),
  A("e-1",        "invalid character(s) in expression"),
  A("+5",         "invalid character(s) in expression"),
  A("2pi",        "invalid character(s) in expression"),
  A("abc",        "invalid character(s) in expression"),
  A("1,5",        "invalid character(s) in expression"),
  A("1e",         "invalid character(s) in expression"),
  A("sin",        "invalid character(s) in expression"),
  A("$g",         "invalid use of $ (hex function)"),
  A("$",          "invalid use of $ (hex function)"),
  A("$123456789", "invalid use of $ (hex function)"),
  A("2.5!",       "! (factoral) applicable to integers only")));

INSTANTIATE_TEST_SUITE_P(ArithmeticFaults, EvaluateExpressionTest, ::testing::Values(
  M("1/0",        "Floating point division by zero"),
  M("0/0",        "Invalid floating point operation"),
  M("5%0",        "Division by zero"),
  M("ln(0)",      "Floating point division by zero"),
  M("ln(-1)",     "Invalid floating point operation"),
  M("sqrt(-1)",   "Invalid floating point operation"),
  M("(0-8)^(1/3)", "Invalid floating point operation"),
  M("10^5000",    "Floating point overflow"),
  M("1e5000",     "Floating point overflow"),
  M("2000!",      "Floating point overflow"),
  M("1e30!",      "Floating point overflow"),
  M("1e30%2",     "Invalid floating point operation"),
  R("ceil(3e9)"),
  R("floor(-3e9)")));
// clang-format on

// An entry's value is one the analysis's single precision holds: 0, or a
// magnitude from the smallest normal value (1.17549435E-38) to the largest
// (3.40282347E38 rounded down: 3.40282346639E38). Beyond them the engine
// reads no number, or 0; within them the deck's eight digits of a value
// read back within them too.
struct EntryRow {
  const char* Text;
  bool Accepted;
  long double Value;
};

void PrintTo(const EntryRow& Row, std::ostream* Os) { *Os << '"' << Row.Text << '"'; }

class EvaluateEntryTest : public ::testing::TestWithParam<EntryRow> {};

TEST_P(EvaluateEntryTest, RefusesWhatSinglePrecisionCannotHold) {
  const EntryRow& row = GetParam();
  const QString text = QString::fromLatin1(row.Text);
  if (row.Accepted) {
    EXPECT_EQ(EvaluateEntry(text), row.Value);
    return;
  }
  try {
    EvaluateEntry(text);
    ADD_FAILURE() << "no error";
  } catch (const EAssignError& e) {
    EXPECT_EQ(e.Message(), QStringLiteral("Entry could not be evaluated:\rvalue beyond the range of the analysis "
                                          "(0, or a magnitude between about 1.2E-38 and 3.4E38)"));
  }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Edges, EvaluateEntryTest, ::testing::Values(
  EntryRow{"1e400",           false, 0},
  EntryRow{"-1e400",          false, 0},
  EntryRow{"1e-400",          false, 0},
  EntryRow{"-1e-400",         false, 0},
  EntryRow{"3.40282346e38",   true,  3.40282346e38L},
  EntryRow{"3.4028235e38",    false, 0},                // above the largest value
  EntryRow{"-3.4028235e38",   false, 0},
  EntryRow{"1.1754944e-38",   true,  1.1754944e-38L},
  EntryRow{"1.1754943e-38",   false, 0},                // below the smallest normal value
  EntryRow{"-1.1754944e-38",  true,  -1.1754944e-38L},
  EntryRow{"0",               true,  0},
  EntryRow{"-0",              true,  0},
  EntryRow{"1e-400*0",        true,  0},
  EntryRow{"1e400/1e390",     true,  1e10L},            // only the value counts
  EntryRow{"1e30*1e10",       false, 0}));
// clang-format on

TEST(EvaluateEntry, TellsArithmeticFaultsAsTheEvaluationDoes) {
  EXPECT_THROW(EvaluateEntry(QStringLiteral("1/0")), EMathError);
  EXPECT_THROW(EvaluateEntry(QStringLiteral("1e5000")), EMathError);
  EXPECT_THROW(EvaluateEntry(QStringLiteral("abc")), EAssignError);
}

TEST(EvaluateExpression, UsesTheFrontEndDecimalSeparator) {
  // Partial results are rewritten with the separator and read back with it.
  DecimalSeparator = QLatin1Char(',');
  long double quarter = 0, product = 0;
  bool refused = false;
  try {
    quarter = EvaluateExpression(QStringLiteral("(1/4)*1"));
    product = EvaluateExpression(QStringLiteral("2,5*2"));
    EvaluateExpression(QStringLiteral("2.5"));
  } catch (const EAssignError&) {
    refused = true;
  }
  DecimalSeparator = QLatin1Char('.');
  EXPECT_EQ(quarter, 0.25L);
  EXPECT_EQ(product, 5.0L);
  EXPECT_TRUE(refused);
}

}  // namespace
}  // namespace zavik
