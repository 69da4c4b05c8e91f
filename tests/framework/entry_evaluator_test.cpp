// Evaluation of typed entries and their display text.
#include "framework/entry_evaluator.h"

#include <gtest/gtest.h>

#include <cmath>
#include <locale>
#include <numbers>
#include <string>

#include "framework/exceptions.h"

namespace veldra::framework {
namespace {

struct ValueCase {
  const char* entry;
  long double value;
  long double tolerance;  // 0: exact
};

// Entries that evaluate, with their values.
const ValueCase kValueCases[] = {
    {"2+3*4", 14, 0},
    {"(2+3)*4", 20, 0},
    {"-2^2", 4, 0},  // the leading sign belongs to the operand
    {"2^3^2", 64, 0},
    {"10%3", 1, 0},
    {"1=1", 1, 0},
    {"2=3", 0, 0},
    {"0|5", 1, 0},
    {"2&0", 0, 0},
    {"2&3", 1, 0},
    {"3!", 6, 0},
    {"0!", 1, 0},
    {"-3!", -6, 0},
    {"3!!", 720, 0},
    {"$FF", 255, 0},
    {"$ff", 255, 0},
    {"$FFFFFFFF", -1, 0},
    {"SIN(PI/2)", 1, 1e-18L},
    {"2 * 3", 6, 0},
    {"2\t*\t3", 6, 0},
    {"1e-3*2", 0.002L, 0},
    {"cosec(pi/2)", 1, 1e-18L},
    {"5--3", 8, 0},
    {"2*-3", -6, 0},
    {"7.9%2", 1, 0},
    {"-7%2", -1, 0},
    {"sqrtabs16", 4, 0},
    {"sqrt(abs(-16))", 4, 0},
    {"sin(-1)*2", -1.68294196961579301L, 1e-18L},
    {"tanh0.5", 0.462117157260009759L, 1e-18L},  // tanh, not tan followed by h
    {"arccosh1", 0, 0},
    {"pi", std::numbers::pi_v<long double>, 0},
    {"-PI", -std::numbers::pi_v<long double>, 0},
    {"e", std::numbers::e_v<long double>, 0},
    {"round2.5", 2, 0},
    {"round3.5", 4, 0},
    {"frac-2.5", -0.5L, 0},
    {"int-2.5", -2, 0},
    {"floor-2.5", -3, 0},
    {"ceil-2.5", -2, 0},
    {"log1000", 3, 1e-18L},
    {"2+3*4^2-8/4", 48, 0},
    {"1+2=3", 1, 0},
    {"1|0&0", 1, 0},  // & binds before |
    {"(1/3)*3", 1, 1e-17L},
    {"1.5E-6", 1.5e-6L, 0},
    {"((2))", 2, 0},
};

TEST(EvaluateEntry, ValuesOfValidEntries) {
  for (const ValueCase& c : kValueCases) {
    SCOPED_TRACE(c.entry);
    const long double value = EvaluateEntry(c.entry);
    if (c.tolerance == 0) {
      EXPECT_EQ(value, c.value);
    } else {
      EXPECT_NEAR(static_cast<double>(value - c.value), 0.0, static_cast<double>(c.tolerance));
    }
  }
}

struct MessageCase {
  const char* entry;
  const char* message;
};

const MessageCase kMessageCases[] = {
    {"", kEntryBlank},
    {"()", kEntryBlank},
    {"2.5!", kEntryFactorial},
    {"$XYZ", kEntryHex},
    {"$", kEntryHex},
    {"$123456789", kEntryHex},  // beyond 32 bits
    {"2+", kEntryInvalidExpression},
    {"*2", kEntryInvalidExpression},
    {"2++3", kEntryInvalidExpression},
    {"2+3)", kEntryParentheses},
    {")(", kEntryParentheses},
    {"(2+3", kEntryInvalidCharacters},
    {"-sin(1)", kEntryInvalidCharacters},
    {"2*sin(-1)", kEntryInvalidCharacters},  // 2*sin minus 1
    {"abc", kEntryInvalidCharacters},
    {"1,5", kEntryInvalidCharacters},  // "." is the only decimal separator
    {"inf", kEntryInvalidCharacters},
    {"nan", kEntryInvalidCharacters},
    {"0x10", kEntryInvalidCharacters},
    {"sin", kEntryInvalidCharacters},
    {"!", kEntryInvalidCharacters},
};

TEST(EvaluateEntry, MessagesOfInvalidEntries) {
  for (const MessageCase& c : kMessageCases) {
    SCOPED_TRACE(c.entry);
    try {
      EvaluateEntry(c.entry);
      ADD_FAILURE() << "no error";
    } catch (const EAssignError& error) {
      EXPECT_EQ(std::string(error.what()), "Entry could not be evaluated:\r" + std::string(c.message));
    }
  }
}

// Arithmetic faults are not entry errors: they reach the caller as arithmetic errors.
TEST(EvaluateEntry, ArithmeticFaultsPassAsMathErrors) {
  EXPECT_THROW(EvaluateEntry("1/0"), EZeroDivide);
  EXPECT_THROW(EvaluateEntry("0/0"), EInvalidOp);
  EXPECT_THROW(EvaluateEntry("sqrt(-1)"), EInvalidOp);
  EXPECT_THROW(EvaluateEntry("ln0"), EZeroDivide);
  EXPECT_THROW(EvaluateEntry("ln(-1)"), EInvalidOp);
  EXPECT_THROW(EvaluateEntry("cotan0"), EZeroDivide);
  EXPECT_THROW(EvaluateEntry("10^5000"), EOverflow);
  EXPECT_THROW(EvaluateEntry("1e5000"), EOverflow);
  EXPECT_THROW(EvaluateEntry("5%0"), EDivByZero);
  EXPECT_THROW(EvaluateEntry("1e30%2"), EInvalidOp);
  EXPECT_THROW(EvaluateEntry("2000!"), EOverflow);
  // A factorial of a number beyond the integer precision must still end.
  EXPECT_THROW(EvaluateEntry("1e30!"), EOverflow);
  EXPECT_EQ(EvaluateEntry("1e-5000"), 0);
}

// Intermediate results travel as 18-digit text, so an entry gives what its
// displayed parts give.
TEST(EvaluateEntry, ParenthesisedGroupIsReplacedByItsText) {
  EXPECT_EQ(EvaluateEntry("(1/3)"), EvaluateEntry("0.333333333333333333"));
  EXPECT_EQ(EvaluateEntry("1/3"), EvaluateEntry("0.333333333333333333"));
}

TEST(EvaluateEntry, LongFunctionChainDoesNotExhaustTheStack) {
  std::string entry;
  for (int i = 0; i < 20000; ++i) entry += "abs";
  EXPECT_EQ(EvaluateEntry(entry + "2"), 2);
  EXPECT_EQ(EvaluateEntry("2" + std::string(5000, '!')), 2);
}

struct FormatCase {
  long double value;
  bool hex;
  const char* text;
};

const FormatCase kFormatCases[] = {
    {255, true, "$00FF"},
    {0, true, "$0000"},
    {65536, true, "$10000"},
    {-1, true, "$FFFFFFFF"},
    {2.5L, true, "$0002"},  // rounded, ties to even
    {0, false, "0"},
    {100, false, "100"},
    {-0.5L, false, "-0.5"},
    {1e20L, false, "1E20"},
    {1.5e-6L, false, "1.5E-6"},
    {0.00001L, false, "0.00001"},
    {0.000009L, false, "9E-6"},
    {1.0L / 3, false, "0.333333333333333333"},
    {2.0L / 3, false, "0.666666666666666667"},
    {123456789012345678.0L, false, "123456789012345678"},
    {1e18L, false, "1E18"},  // 19 integer digits
    {1234567890123456789.0L, false, "1.23456789012345679E18"},
    {-1.25e-300L, false, "-1.25E-300"},
};

TEST(FormatEntry, DisplayTexts) {
  for (const FormatCase& c : kFormatCases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatEntry(c.value, c.hex), c.text);
  }
}

TEST(FormatEntry, ShownTextEvaluatesToTheValueItShows) {
  for (const long double value : {1.0L / 3, 2.5e-7L, 98765.4321L, -1e100L, 255.0L}) {
    const std::string shown = FormatEntry(value, false);
    EXPECT_EQ(FormatEntry(EvaluateEntry(shown), false), shown);
  }
  EXPECT_EQ(EvaluateEntry(FormatEntry(-1, true)), -1);
  EXPECT_EQ(EvaluateEntry(FormatEntry(4660, true)), 4660);
}

// A process locale with a decimal comma must not change entries or their text.
TEST(FormatEntry, IgnoresTheGlobalLocale) {
  struct Comma : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
  };
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new Comma));
  EXPECT_EQ(FormatEntry(1.5L, false), "1.5");
  EXPECT_EQ(EvaluateEntry("1.5*2"), 3);
  std::locale::global(previous);
}

}  // namespace
}  // namespace veldra::framework
