// Exception classes of the framework layer.
//
// Entry and definition errors are exceptions: the window that caused them catches
// them and shows their message; anything else reaches the application's default
// error handler. Every message text is the one shown to the user. The errors of
// files are in file_errors.h.
#ifndef VELDRA_FRAMEWORK_EXCEPTIONS_H
#define VELDRA_FRAMEWORK_EXCEPTIONS_H

#include <stdexcept>
#include <string>

namespace veldra::framework {

// Any failure with a message for the user.
class Exception : public std::runtime_error {
 public:
  explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// The text is not a valid entry; the message is the evaluator's or the column's.
class EAssignError : public Exception {
 public:
  using Exception::Exception;
};

// Validation failures of a numeric entry field (see EntryValidator).
class EIntError : public Exception {
 public:
  using Exception::Exception;
};
class EMinError : public Exception {
 public:
  using Exception::Exception;
};
class EMaxError : public Exception {
 public:
  using Exception::Exception;
};

// A cell was asked for a value of a type its column does not hold.
class EInvalidCast : public Exception {
 public:
  EInvalidCast() : Exception("Data of wrong type") {}
};

// An index outside a list.
class EListError : public Exception {
 public:
  EListError() : Exception("Index out of bounds") {}
};

// A malformed or truncated definition record.
class EReadError : public Exception {
 public:
  using Exception::Exception;
};

// Arithmetic faults of an evaluation. They are not entry errors: they pass through
// the entry field to the application's default error handler.
class EMathError : public Exception {
 public:
  using Exception::Exception;
};
class EZeroDivide : public EMathError {
 public:
  EZeroDivide() : EMathError("Floating point division by zero") {}
};
class EDivByZero : public EMathError {
 public:
  EDivByZero() : EMathError("Integer division by zero") {}
};
class EInvalidOp : public EMathError {
 public:
  EInvalidOp() : EMathError("Invalid floating point operation") {}
};
class EOverflow : public EMathError {
 public:
  EOverflow() : EMathError("Floating point overflow") {}
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_EXCEPTIONS_H
