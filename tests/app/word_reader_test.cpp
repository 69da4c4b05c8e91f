// The word reader: words flowing over lines, numbers with "." whatever the locale,
// and its three messages.
#include "app/word_reader.h"

#include <gtest/gtest.h>

#include <functional>
#include <locale>
#include <string>
#include <vector>

#include "framework/file_errors.h"
#include "tests/app/app_test_support.h"

namespace veldra::app::test {
namespace {

std::string MessageOf(const std::function<void()>& read) {
  try {
    read();
  } catch (const fw::EInOutError& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(WordReader, SplitsAtBlanksAndTabsOnly) {
  EXPECT_EQ(SplitWords("  1 \t 2.5\t\t-3e2 x,y  "), (std::vector<std::string>{"1", "2.5", "-3e2", "x,y"}));
  EXPECT_EQ(SplitWords("\x01" "7\x02"), (std::vector<std::string>{"7"}));
  EXPECT_TRUE(SplitWords(" \t ").empty());
}

TEST(WordReader, WordsFlowFromLineToLine) {
  // Two records on one line, then one record over two lines with a blank line.
  TWordReader in = TWordReader::FromText("1 2.5 3 4.5\n5\n\n6.25\r\n");
  EXPECT_EQ(in.ReadInteger(), 1);
  EXPECT_EQ(in.ReadFloat(), 2.5L);
  EXPECT_EQ(in.ReadInteger(), 3);
  EXPECT_EQ(in.ReadFloat(), 4.5L);
  EXPECT_EQ(in.ReadInteger(), 5);
  EXPECT_EQ(in.ReadFloat(), 6.25L);
  EXPECT_EQ(MessageOf([&] { in.ReadFloat(); }), kInvalidOrIncomplete);
}

TEST(WordReader, ReadLineReturnsTheLineOfTheLastWordTaken) {
  TWordReader in = TWordReader::FromText("TITLE LINE\n1 9\nLONG TERM\n");
  EXPECT_EQ(in.ReadLine(), "TITLE LINE");
  EXPECT_EQ(in.WordCount(), 2);
  EXPECT_EQ(in.ReadInteger(), 1);
  EXPECT_EQ(in.ReadInteger(), 9);
  // The cursor still stands on the marker's line.
  EXPECT_EQ(in.ReadLine(), "1 9");
  EXPECT_EQ(in.ReadLine(), "LONG TERM");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(MessageOf([&] { in.ReadLine(); }), kInvalidOrIncomplete);
}

TEST(WordReader, AnEmptyTextIsOneEmptyLine) {
  TWordReader in = TWordReader::FromText("");
  EXPECT_FALSE(in.AtEnd());
  EXPECT_EQ(in.ReadLine(), "");
  EXPECT_TRUE(in.AtEnd());
  EXPECT_EQ(TextLines("a\n"), std::vector<std::string>{"a"});
  EXPECT_EQ(TextLines("\xEF\xBB\xBFTitle\r\nx"), (std::vector<std::string>{"Title", "x"}));
}

TEST(WordReader, MessagesNameTheLineAndItemOfTheWord) {
  const struct {
    const char* text;
    bool integer;
    const char* message;
  } cases[] = {
      {"1 2\n3 4,5 6\n", false, "Error on Line 2 Item 2\rA floating point number was expected but not found."},
      {"1 2\n3 4.5 6\n", true, "Error on Line 2 Item 2\rAn integer was expected but not found."},
      {"1 2\n3 x 6\n", true, "Error on Line 2 Item 2\rAn integer was expected but not found."},
      {"1 2\n3 1e9999 6\n", false, "Error on Line 2 Item 2\rA floating point number was expected but not found."},
      {"1 2\n3 2147483648\n", true, "Error on Line 2 Item 2\rAn integer was expected but not found."},
      {"1 2\n3\n", false, "This file either invalid or incomplete."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    TWordReader in = TWordReader::FromText(c.text);
    in.ReadFloat();
    in.ReadFloat();
    in.ReadFloat();
    EXPECT_EQ(MessageOf([&] { c.integer ? void(in.ReadInteger()) : void(in.ReadFloat()); }), c.message);
  }
}

TEST(WordReader, WholeNumbersInAnyDecimalFormAreIntegers) {
  TWordReader in = TWordReader::FromText("3.0 -2147483648 +7 1E2");
  EXPECT_EQ(in.ReadInteger(), 3);
  EXPECT_EQ(in.ReadInteger(), -2147483648);
  EXPECT_EQ(in.ReadInteger(), 7);
  EXPECT_EQ(in.ReadInteger(), 100);
}

// A locale whose decimal separator is a comma, as on many engineers' machines.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
};

TEST(WordReader, ReadsTheDecimalPointWhateverTheLocale) {
  const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  TWordReader in = TWordReader::FromText("0.0360001 1.2345679E8 1E-5 2,5");
  EXPECT_EQ(in.ReadFloat(), 0.0360001L);
  EXPECT_EQ(in.ReadFloat(), 123456790.0L);
  EXPECT_EQ(in.ReadFloat(), 1e-5L);
  EXPECT_EQ(MessageOf([&] { in.ReadFloat(); }), "Error on Line 1 Item 4\rA floating point number was expected but not found.");
  std::locale::global(previous);
}

TEST(WordReader, FortranFloatsMayLeaveOutTheExponentLetter) {
  const struct {
    const char* word;
    bool ok;
    long double value;
  } cases[] = {
      {"0.2000-204", true, 0.2e-204L}, {"-0.100+121", true, -0.1e121L}, {"0.1000E-98", true, 0.1e-98L},
      {"-3", true, -3},                {"1.5-3", true, 1.5e-3L},      {"1.5+-3", false, 0},
      {"0.100-", false, 0},            {"E-120", false, 0},          {"x-120", false, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    fw::EntryNumber value = 0;
    EXPECT_EQ(ParseFortranFloat(c.word, value), c.ok);
    if (c.ok) EXPECT_EQ(value, c.value);
  }
  // The data files keep to the ordinary form.
  EXPECT_EQ(MessageOf([] { TWordReader::FromText("0.2000-204").ReadFloat(); }),
            "Error on Line 1 Item 1\rA floating point number was expected but not found.");
}

TEST(WordReader, NumbersTheLinesOfAPartFromItsFirstLine) {
  TWordReader in = TWordReader::FromText("1\n\n2 x\n");
  in.SetFirstLineNumber(21);
  EXPECT_EQ(in.NextWordLine(), 21);
  in.ReadInteger();
  EXPECT_EQ(in.NextWordLine(), 23);
  EXPECT_EQ(in.RemainingWords(), (std::vector<std::string>{"2", "x"}));
  in.ReadInteger();
  EXPECT_EQ(MessageOf([&] { in.ReadFloat(); }), "Error on Line 23 Item 2\rA floating point number was expected but not found.");
  EXPECT_EQ(in.NextWordLine(), 24);
}

TEST(WordReader, CountsTheWordsLeft) {
  TWordReader in = TWordReader::FromText("a b\n\nc d e\n");
  EXPECT_EQ(in.WordsLeft(), 5u);
  in.ReadLine();
  EXPECT_EQ(in.WordsLeft(), 3u);
}

TEST(WordReader, AFileThatCannotBeReadIsNotAFormatError) {
  TempDir dir;
  const std::string path = (dir / "missing.vd5d").string();
  try {
    TWordReader reader(path);
    ADD_FAILURE() << "no error";
  } catch (const fw::EFileError& error) {
    EXPECT_EQ(error.path(), path);
    EXPECT_EQ(error.reason(), "No such file or directory");
    EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path + "\": No such file or directory");
  }
}

TEST(WordReader, AFormatErrorCarriesItsLineAndItem) {
  TWordReader in = TWordReader::FromText("1 2\n3 x\n");
  in.ReadInteger();
  in.ReadInteger();
  in.ReadInteger();
  try {
    in.ReadFloat();
    ADD_FAILURE() << "no error";
  } catch (const fw::EInOutError& error) {
    EXPECT_EQ(error.line(), 2);
    EXPECT_EQ(error.item(), 2);
    EXPECT_EQ(error.detail(), kFloatExpected);
  }
  try {
    in.ReadFloat();
    ADD_FAILURE() << "no error";
  } catch (const fw::EInOutError& error) {
    EXPECT_EQ(error.line(), 0);
    EXPECT_EQ(std::string(error.what()), kInvalidOrIncomplete);
  }
}

}  // namespace
}  // namespace veldra::app::test
