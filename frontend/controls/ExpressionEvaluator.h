#pragma once
// The expression evaluator behind every numeric entry: a text such as
// "2*sin(pi/6)+1.5e-3" becomes an extended real. It works by rewriting the
// text: every partial result is written back as a number in the general
// format with 18 significant digits and read again.

#include "controls/Exceptions.h"

#include <QString>

namespace zavik {

// The whole evaluation. Raises EAssignError with a message for the user, or
// EMathError for an arithmetic fault (division by zero, overflow, a function
// outside its domain).
long double EvaluateExpression(const QString& S);

// Value of one operand: constant, function application, factorial,
// hexadecimal or plain number.
long double EvaluateTerm(const QString& T);

// Signed factorial of a whole number: -3 gives -6, 0 gives 1.
long double Factorial(long double X);

// True when the lower-cased text is one of the function names, "!" or "$".
bool IsFunctionName(const QString& S);

long double Sec(long double X);
long double Csc(long double X);

}  // namespace zavik
