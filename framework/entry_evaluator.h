// Evaluation and display of numeric entries.
//
// Every number the user types is an arithmetic expression: operators ^ * / % & + - |
// = in four levels of precedence, parentheses, the constants "pi" and "e", the
// functions of the table in entry_evaluator.cpp (sin, sqrt, ...), a postfix "!"
// (factorial) and "$" hexadecimal integers. Intermediate results are carried as
// 18-significant-digit text, so results are those of that text, not of the full
// binary value.
#ifndef VELDRA_FRAMEWORK_ENTRY_EVALUATOR_H
#define VELDRA_FRAMEWORK_ENTRY_EVALUATOR_H

#include <string>
#include <string_view>

#include "framework/entry_number.h"

namespace veldra::framework {

// The six evaluator messages; each is shown after "Entry could not be evaluated:"
// and a carriage return (see EntryErrorMessage).
inline constexpr const char* kEntryBlank = "entry cannot be blank";
inline constexpr const char* kEntryParentheses = "() (parentheses) do not match";
inline constexpr const char* kEntryInvalidExpression = "invalid expression";
inline constexpr const char* kEntryFactorial = "! (factoral) applicable to integers only";
inline constexpr const char* kEntryHex = "invalid use of $ (hex function)";
inline constexpr const char* kEntryInvalidCharacters = "invalid character(s) in expression";

// "Entry could not be evaluated:" + "\r" + detail: the text of an EAssignError.
std::string EntryErrorMessage(std::string_view detail);

// The value denoted by `text`. Throws EAssignError with one of the six messages when
// the text is not a valid expression, and an EMathError (EZeroDivide, EInvalidOp,
// EOverflow, EDivByZero) for an arithmetic fault inside a valid one.
EntryNumber EvaluateEntry(std::string_view text);

// Display text of a value. With `hex`: "$" and the value rounded to an integer as
// upper-case hexadecimal of at least 4 digits ($00FF; a negative value within the
// 32-bit range shows its 32-bit pattern, $FFFFFFFF for -1). Otherwise the general
// format with up to 18 significant digits (see FormatGeneral). A value that cannot be
// shown as a hexadecimal integer (not finite, beyond 64 bits) throws EInvalidOp.
std::string FormatEntry(EntryNumber value, bool hex = false);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_ENTRY_EVALUATOR_H
