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

// The value of a numeric entry of the program, a box's or a table cell's:
// EvaluateExpression, refused with EAssignError ("Entry could not be
// evaluated:" and why) when the value lies beyond what the analysis, which
// reads every number in single precision, can hold: a magnitude above the
// largest single-precision value, or one of a value other than 0 below the
// smallest normal one (the engine would read 1E400 as no number and 1E-400
// as 0). An arithmetic fault is EMathError, as in the evaluation.
long double EvaluateEntry(const QString& S);

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
