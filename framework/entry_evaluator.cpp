#include "framework/entry_evaluator.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

#include "framework/decimal_text.h"
#include "framework/exceptions.h"

namespace veldra::framework {

namespace {

enum class Function {
  kArctanh, kArccosh, kArcsinh, kArctan, kArccos, kArcsin, kTanh, kCosh, kSinh, kTan,
  kCotan, kSec, kCosec, kCos, kSin, kCsc, kAbs, kFrac, kInt, kLn, kLog, kRound, kCeil,
  kFloor, kSqrt,
};

struct FunctionName {
  const char* name;
  Function function;
};

// Where one name begins another, the longer one comes first.
constexpr std::array<FunctionName, 25> kFunctions = {{
    {"arctanh", Function::kArctanh}, {"arccosh", Function::kArccosh},
    {"arcsinh", Function::kArcsinh}, {"arctan", Function::kArctan},
    {"arccos", Function::kArccos},   {"arcsin", Function::kArcsin},
    {"tanh", Function::kTanh},       {"cosh", Function::kCosh},
    {"sinh", Function::kSinh},       {"tan", Function::kTan},
    {"cotan", Function::kCotan},     {"sec", Function::kSec},
    {"cosec", Function::kCosec},     {"cos", Function::kCos},
    {"sin", Function::kSin},         {"csc", Function::kCsc},
    {"abs", Function::kAbs},         {"frac", Function::kFrac},
    {"int", Function::kInt},         {"ln", Function::kLn},
    {"log", Function::kLog},         {"round", Function::kRound},
    {"ceil", Function::kCeil},       {"floor", Function::kFloor},
    {"sqrt", Function::kSqrt},
}};

std::string Lower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return lower;
}

[[noreturn]] void Fail(const char* detail) { throw EAssignError(EntryErrorMessage(detail)); }

// A result must be finite: NaN is an invalid operation, an infinity is a pole
// (division by zero) or an overflow.
EntryNumber Checked(EntryNumber result, bool infinity_is_pole) {
  if (std::isnan(result)) throw EInvalidOp();
  if (std::isinf(result)) {
    if (infinity_is_pole) throw EZeroDivide();
    throw EOverflow();
  }
  return result;
}

EntryNumber Reciprocal(EntryNumber value) {
  if (value == 0) throw EZeroDivide();
  return Checked(1 / value, false);
}

EntryNumber Apply(Function function, EntryNumber x) {
  switch (function) {
    case Function::kArctanh: return Checked(std::atanh(x), true);
    case Function::kArccosh: return Checked(std::acosh(x), false);
    case Function::kArcsinh: return Checked(std::asinh(x), false);
    case Function::kArctan: return Checked(std::atan(x), false);
    case Function::kArccos: return Checked(std::acos(x), false);
    case Function::kArcsin: return Checked(std::asin(x), false);
    case Function::kTanh: return Checked(std::tanh(x), false);
    case Function::kCosh: return Checked(std::cosh(x), false);
    case Function::kSinh: return Checked(std::sinh(x), false);
    case Function::kTan: return Checked(std::tan(x), true);
    case Function::kCotan: return Reciprocal(std::tan(x));
    case Function::kSec: return Reciprocal(std::cos(x));
    case Function::kCosec:
    case Function::kCsc: return Reciprocal(std::sin(x));
    case Function::kCos: return Checked(std::cos(x), false);
    case Function::kSin: return Checked(std::sin(x), false);
    case Function::kAbs: return std::fabs(x);
    case Function::kFrac: return x - std::trunc(x);
    case Function::kInt: return std::trunc(x);
    case Function::kLn:
      if (x == 0) throw EZeroDivide();
      return Checked(std::log(x), false);
    case Function::kLog:
      if (x == 0) throw EZeroDivide();
      return Checked(std::log10(x), false);
    case Function::kRound: return RoundHalfEven(x);
    case Function::kCeil: return std::ceil(x);
    case Function::kFloor: return std::floor(x);
    case Function::kSqrt: return Checked(std::sqrt(x), false);
  }
  return x;
}

EntryNumber Factorial(EntryNumber x) {
  if (!IsWhole(x)) Fail(kEntryFactorial);
  EntryNumber product = 1;
  // Counting down from a huge |x| stalls once x - 1 == x, but the product overflows
  // long before that, which ends the loop.
  for (EntryNumber k = std::fabs(x); k > 1; k -= 1) {
    product *= k;
    if (std::isinf(product)) throw EOverflow();
  }
  return x < 0 ? -product : product;
}

EntryNumber Hexadecimal(std::string_view term) {
  std::size_t i = 1;
  while (i + 1 < term.size() && term[i] == '0') ++i;  // leading zeros beyond 8 digits
  const std::size_t digits = term.size() - i;
  if (digits == 0 || digits > 8) Fail(kEntryHex);
  std::uint32_t value = 0;
  for (; i < term.size(); ++i) {
    const char c = term[i];
    int digit;
    if (c >= '0' && c <= '9') {
      digit = c - '0';
    } else if (c >= 'a' && c <= 'f') {
      digit = c - 'a' + 10;
    } else {
      Fail(kEntryHex);
    }
    value = value * 16 + static_cast<std::uint32_t>(digit);
  }
  // Eight digits are a 32-bit pattern: $FFFFFFFF is -1.
  return static_cast<EntryNumber>(static_cast<std::int32_t>(value));
}

std::string DeleteDoubleMinus(std::string_view text) {
  std::string result;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '-' && i + 1 < text.size() && text[i + 1] == '-') {
      ++i;
      continue;
    }
    result += text[i];
  }
  return result;
}

// The term rule: the value of one operand. Prefix functions and a postfix "!" are
// peeled off in a loop (not by recursion, so that a long chain cannot exhaust the
// stack) and applied innermost first. Deleting "--" pairs leaves no pair behind, so
// doing it once up front equals doing it again for every peeled remainder.
EntryNumber TermValue(std::string_view operand) {
  struct Step {
    bool factorial;
    Function function;
  };
  std::vector<Step> steps;
  const std::string normalised = Lower(DeleteDoubleMinus(operand));
  std::string_view term = normalised;
  EntryNumber value = 0;
  for (;;) {
    if (term == "pi") {
      value = std::numbers::pi_v<EntryNumber>;
      break;
    }
    if (term == "-pi") {
      value = -std::numbers::pi_v<EntryNumber>;
      break;
    }
    if (term == "e") {
      value = std::numbers::e_v<EntryNumber>;
      break;
    }
    if (term == "-e") {
      value = -std::numbers::e_v<EntryNumber>;
      break;
    }
    const auto named = std::find_if(kFunctions.begin(), kFunctions.end(), [&](const FunctionName& f) {
      return term.starts_with(f.name);
    });
    if (named != kFunctions.end()) {
      steps.push_back({false, named->function});
      term.remove_prefix(std::char_traits<char>::length(named->name));
      continue;
    }
    if (!term.empty() && term.back() == '!') {
      steps.push_back({true, Function::kAbs});
      term.remove_suffix(1);
      continue;
    }
    if (!term.empty() && term.front() == '$') {
      value = Hexadecimal(term);
      break;
    }
    switch (ParseDecimal(term, value)) {
      case DecimalStatus::kOk: break;
      case DecimalStatus::kInvalid: Fail(kEntryInvalidCharacters);
      case DecimalStatus::kOverflow: throw EOverflow();
    }
    break;
  }
  for (auto step = steps.rbegin(); step != steps.rend(); ++step)
    value = step->factorial ? Factorial(value) : Apply(step->function, value);
  return value;
}

bool IsFunctionName(const std::string& lower) {
  return std::any_of(kFunctions.begin(), kFunctions.end(),
                     [&](const FunctionName& f) { return lower == f.name; });
}

// A "-" is a sign (part of its operand) at the start, after a whole prefix that is a
// function name, "!" or "$", after one of % & * + / = E ^ e |, and after another "-".
bool MinusIsSign(const std::string& text, std::size_t i) {
  if (i == 0) return true;
  constexpr std::size_t kLongestName = 7;  // "arctanh"
  if (i <= kLongestName) {
    const std::string before = Lower(std::string_view(text).substr(0, i));
    if (IsFunctionName(before) || before == "!" || before == "$") return true;
  }
  const char previous = text[i - 1];
  return std::string_view("%&*+/=E^e|-").find(previous) != std::string_view::npos;
}

bool IsOperatorChar(char c) { return std::string_view("^*/%+|&=").find(c) != std::string_view::npos; }

std::int64_t TruncateToInt64(EntryNumber value) {
  const EntryNumber t = std::trunc(value);
  // 2^63 is exactly representable; anything at or beyond it does not fit.
  constexpr EntryNumber kLimit = 9223372036854775808.0L;
  if (!(t > -kLimit - 1) || !(t < kLimit)) throw EInvalidOp();
  return static_cast<std::int64_t>(t);
}

EntryNumber Operate(char op, EntryNumber left, EntryNumber right) {
  switch (op) {
    case '^':
      return Checked(std::pow(left, right), left == 0 && right < 0);
    case '*':
      return Checked(left * right, false);
    case '/':
      if (right == 0) {
        if (left == 0) throw EInvalidOp();
        throw EZeroDivide();
      }
      return Checked(left / right, false);
    case '%': {
      const std::int64_t a = TruncateToInt64(left);
      const std::int64_t b = TruncateToInt64(right);
      if (b == 0) throw EDivByZero();
      if (b == -1) return 0;  // avoids the overflow of INT64_MIN % -1
      return static_cast<EntryNumber>(a % b);
    }
    case '&':
      return left != 0 && right != 0 ? 1 : 0;
    case '+':
      return Checked(left + right, false);
    case '-':
      return Checked(left - right, false);
    case '|':
      return left != 0 || right != 0 ? 1 : 0;
    case '=':
      return left == right ? 1 : 0;
  }
  return 0;
}

}  // namespace

std::string EntryErrorMessage(std::string_view detail) {
  return "Entry could not be evaluated:\r" + std::string(detail);
}

EntryNumber EvaluateEntry(std::string_view text) {
  if (text.empty()) Fail(kEntryBlank);
  std::string s;
  for (char c : text)
    if (c != ' ' && c != '\t') s += c;

  // Parentheses, innermost first: each group is replaced by the text of its value.
  for (std::size_t close; (close = s.find(')')) != std::string::npos;) {
    const std::size_t open = close == 0 ? std::string::npos : s.rfind('(', close - 1);
    if (open == std::string::npos) Fail(kEntryParentheses);
    const EntryNumber inner = EvaluateEntry(std::string_view(s).substr(open + 1, close - open - 1));
    s.replace(open, close - open + 1, FormatEntry(inner, false));
  }

  // Operands and operators; a minus operator is '-', a sign stays in its operand.
  std::vector<std::string> operands;
  std::vector<char> operators;
  std::string current;
  bool in_operand = false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char c = s[i];
    const bool is_operator = IsOperatorChar(c) || (c == '-' && !MinusIsSign(s, i));
    if (is_operator) {
      if (in_operand) operands.push_back(current);
      current.clear();
      in_operand = false;
      operators.push_back(c);
    } else {
      current += c;
      in_operand = true;
    }
  }
  if (in_operand) operands.push_back(current);
  if (operands.size() != operators.size() + 1) Fail(kEntryInvalidExpression);

  static constexpr std::string_view kLevels[] = {"^", "*/%&", "+-|", "="};
  for (std::string_view level : kLevels) {
    for (std::size_t i = 0; i < operators.size();) {
      if (level.find(operators[i]) == std::string_view::npos) {
        ++i;
        continue;
      }
      const EntryNumber result =
          Operate(operators[i], TermValue(operands[i]), TermValue(operands[i + 1]));
      operands[i] = FormatEntry(result, false);
      operands.erase(operands.begin() + static_cast<std::ptrdiff_t>(i) + 1);
      operators.erase(operators.begin() + static_cast<std::ptrdiff_t>(i));
    }
  }
  return TermValue(operands.front());
}

std::string FormatEntry(EntryNumber value, bool hex) {
  if (!hex) return FormatGeneral(value, 18);
  const EntryNumber rounded = RoundHalfEven(value);
  if (!std::isfinite(rounded)) throw EInvalidOp();
  std::uint64_t pattern;
  if (rounded < 0 && rounded >= kInt32Min) {
    pattern = static_cast<std::uint32_t>(static_cast<std::int32_t>(rounded));
  } else if (rounded < 0) {
    pattern = static_cast<std::uint64_t>(TruncateToInt64(rounded));
  } else {
    if (rounded >= 18446744073709551616.0L) throw EInvalidOp();
    pattern = static_cast<std::uint64_t>(rounded);
  }
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[pattern % 16]);
    pattern /= 16;
  } while (pattern != 0);
  while (digits.size() < 4) digits.insert(digits.begin(), '0');
  return "$" + digits;
}

}  // namespace veldra::framework
