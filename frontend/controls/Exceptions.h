#pragma once
// Exception classes of the front end. Every error is an exception of a named
// class, caught in the window that caused it and shown in a message box.

#include <QString>
#include <stdexcept>

namespace zavik {

// The general exception class: checks that guard a programming contract raise
// it with a short English text.
class Exception : public std::runtime_error {
public:
  explicit Exception(const QString& Msg)
      : std::runtime_error(Msg.toStdString()), FMessage(Msg) {}
  const QString& Message() const { return FMessage; }

private:
  QString FMessage;
};

// A user entry that cannot be turned into a value (evaluator, table cells).
class EAssignError : public Exception {
public:
  using Exception::Exception;
};

// An arithmetic fault while evaluating an entry: division by zero, overflow,
// a function outside its domain.
class EMathError : public Exception {
public:
  using Exception::Exception;
};

// A whole number outside the 32-bit range where one is required.
class ERangeError : public Exception {
public:
  using Exception::Exception;
};

// An index outside a list.
class EListError : public Exception {
public:
  using Exception::Exception;
};

// Stored data that cannot be read back.
class EReadError : public Exception {
public:
  using Exception::Exception;
};

// A file that cannot be opened, read or written, or whose text is not what its
// reader expects.
class EInOutError : public Exception {
public:
  using Exception::Exception;
};

}  // namespace zavik
