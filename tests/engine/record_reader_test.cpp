#include "engine/driver/record_reader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

namespace veldra::engine {
namespace {

// A data file held in memory.
struct DataFile {
  explicit DataFile(std::string text) : in(std::move(text)), reader(in) {}
  std::istringstream in;
  RecordReader reader;
};

TEST(RecordReader, ControlRecordWithBlanksAndTabs) {
  DataFile file("1 2\t3\t0\t2\t2 0 1 0 1\n");
  EXPECT_EQ(file.reader.read_ints(10), (std::vector<int>{1, 2, 3, 0, 2, 2, 0, 1, 0, 1}));
  EXPECT_TRUE(file.reader.at_end());
}

TEST(RecordReader, RecordsContinueOverLinesAndIgnoreTheRest) {
  // The first record takes two lines and leaves 99 and the text after it; the second
  // starts on the next line; empty lines before a value are passed over.
  DataFile file("1 2 3\n4 5 99 not,a number\n\n\n7\n 8, 9,\n10\n");
  EXPECT_EQ(file.reader.read_ints(5), (std::vector<int>{1, 2, 3, 4, 5}));
  EXPECT_EQ(file.reader.line(), 2);
  EXPECT_EQ(file.reader.read_int(), 7);
  EXPECT_EQ(file.reader.line(), 5);
  // A comma at the end of a line only separates.
  EXPECT_EQ(file.reader.read_ints(3), (std::vector<int>{8, 9, 10}));
  EXPECT_EQ(file.reader.line(), 7);
  EXPECT_TRUE(file.reader.at_end());
}

TEST(RecordReader, CommasBlanksAndTabsMixed) {
  DataFile file("1,2 , 3\t,4,\t5\n");
  EXPECT_EQ(file.reader.read_ints(5), (std::vector<int>{1, 2, 3, 4, 5}));
}

TEST(RecordReader, CarriageReturnLineFeed) {
  DataFile file("WALL\r\n2,\r\n3\r\n1.5\r\n");
  EXPECT_EQ(file.reader.read_title(6), "WALL  ");
  EXPECT_EQ(file.reader.read_ints(2), (std::vector<int>{2, 3}));
  EXPECT_EQ(file.reader.read_reals(1), (std::vector<double>{1.5}));
}

TEST(RecordReader, ByteOrderMarkIsNotPartOfTheTitle) {
  DataFile file("\xEF\xBB\xBF" "WALL\n" "\xEF\xBB\xBF" "1\n");
  EXPECT_EQ(file.reader.read_title(4), "WALL");
  // Only at the start of the file: elsewhere it is text where a number belongs.
  EXPECT_THROW(file.reader.read_int(), RecordError);
}

TEST(RecordReader, MixedRecord) {
  DataFile file("40 0.5\t12\t1E-6\t+7\t-12 6.0\n");
  EXPECT_EQ(file.reader.read_record("irrrii"),
            (std::vector<double>{40, 0.5, 12, 1e-6, 7, -12}));
  EXPECT_THROW(file.reader.read_record("ix"), std::invalid_argument);
}

TEST(RecordReader, IntegersAtTheEndsOfTheRange) {
  DataFile file("-2147483648 2147483647 +0 -0 007\n");
  EXPECT_EQ(file.reader.read_ints(5), (std::vector<int>{-2147483647 - 1, 2147483647, 0, 0, 7}));
}

TEST(RecordReader, RealsReadAsTheNearestDouble) {
  struct Case {
    const char* text;
    double expected;
  };
  const Case cases[] = {
      {"1E-5", 1E-5},     {"1e-5", 1e-5},       {"1.2345679E8", 1.2345679E8},
      {"1E-6", 1E-6},     {"1.5D3", 1.5e3},     {"1.5d3", 1.5e3},
      {"+1.5D+3", 1.5e3}, {"-1.5d-3", -1.5e-3}, {"+2.5", 2.5},
      {"-2.5", -2.5},     {".5", 0.5},          {"5.", 5.0},
      {"-.5e-1", -0.05},  {"5.E2", 500.0},      {"0.1", 0.1},
      {"7", 7.0},         {"0.0", 0.0},         {"4.9e-324", 4.9e-324},
      {"1.7976931348623157E308", 1.7976931348623157e308},
      {"1e-400", 0.0},    // below the smallest double: zero
      {"100000e-330", 0.0},
      {"0.0001e312", 1e308},
      {"1e-99999999999999999999999", 0.0},
  };
  for (const Case& c : cases) {
    DataFile file(std::string(c.text) + "\n");
    EXPECT_EQ(file.reader.read_reals(1).at(0), c.expected) << c.text;
  }
  DataFile negative_zero("-1e-400\n");
  EXPECT_TRUE(std::signbit(negative_zero.reader.read_reals(1).at(0)));
}

struct ErrorCase {
  const char* file;
  const char* kinds;
  const char* message;
  int line;
  int item;
};

TEST(RecordReader, MalformedRecordsAreReported) {
  const ErrorCase cases[] = {
      {"1 2\nx 4\n", "iiii", "ERROR STOP -- INVALID NUMBER ON LINE 2, ITEM 3", 2, 3},
      {"1 1.5\n", "ii", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 2", 1, 2},
      {"1 1.\n", "ii", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 2", 1, 2},
      {"1E3\n", "i", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"1 2147483648\n", "ii", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 2", 1, 2},
      {"-2147483649\n", "i", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"+-1\n", "i", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"1.5.3\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"1.5E\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"1.5+3\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"-\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {".\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"0x10\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"3*1.5\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"++1\n", "r", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 1", 1, 1},
      {"1.5 two\n", "rr", "ERROR STOP -- INVALID NUMBER ON LINE 1, ITEM 2", 1, 2},
      {"1,,3\n", "iii", "ERROR STOP -- MISSING VALUE ON LINE 1, ITEM 2", 1, 2},
      {"1, \t,3\n", "iii", "ERROR STOP -- MISSING VALUE ON LINE 1, ITEM 2", 1, 2},
      {",1\n", "ii", "ERROR STOP -- MISSING VALUE ON LINE 1, ITEM 1", 1, 1},
      {"1,\n,3\n", "iii", "ERROR STOP -- MISSING VALUE ON LINE 2, ITEM 2", 2, 2},
      {"nan\n", "r", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 1", 1, 1},
      {"1 -Inf\n", "rr", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 2", 1, 2},
      {"INFINITY\n", "r", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 1", 1, 1},
      {"1\n2\n1e999\n", "rrr", "ERROR STOP -- VALUE NOT FINITE ON LINE 3, ITEM 3", 3, 3},
      {"-1.5D400\n", "r", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 1", 1, 1},
      {"0.01e311\n", "r", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 1", 1, 1},
      {"1e99999999999999999999999\n", "r", "ERROR STOP -- VALUE NOT FINITE ON LINE 1, ITEM 1", 1,
       1},
      // At the end of the file: the line where the missing value was expected.
      {"1 2\n", "iiii", "ERROR STOP -- END OF DATA FILE ON LINE 2, ITEM 3", 2, 3},
      {"1 2\r\n", "iiii", "ERROR STOP -- END OF DATA FILE ON LINE 2, ITEM 3", 2, 3},
      {"1 2\n\n  \n", "iri", "ERROR STOP -- END OF DATA FILE ON LINE 4, ITEM 3", 4, 3},
      {"1 2", "iii", "ERROR STOP -- END OF DATA FILE ON LINE 1, ITEM 3", 1, 3},
      {"1 2\n  ", "iii", "ERROR STOP -- END OF DATA FILE ON LINE 2, ITEM 3", 2, 3},
      {"", "i", "ERROR STOP -- END OF DATA FILE ON LINE 1, ITEM 1", 1, 1},
  };
  for (const ErrorCase& c : cases) {
    DataFile file(c.file);
    try {
      file.reader.read_record(c.kinds);
      ADD_FAILURE() << "no error for \"" << c.file << "\"";
    } catch (const RecordError& error) {
      EXPECT_STREQ(error.what(), c.message) << c.file;
      EXPECT_EQ(error.line(), c.line) << c.file;
      EXPECT_EQ(error.item(), c.item) << c.file;
    }
  }
}

TEST(RecordReader, EndOfFileBeforeARecordStarts) {
  DataFile file("5\n");
  EXPECT_EQ(file.reader.read_int(), 5);
  try {
    file.reader.read_reals(2);
    FAIL() << "no error";
  } catch (const RecordError& error) {
    EXPECT_STREQ(error.what(), "ERROR STOP -- END OF DATA FILE ON LINE 2, ITEM 1");
    EXPECT_EQ(error.item(), 1);
  }
  try {
    file.reader.read_title();
    FAIL() << "no error";
  } catch (const RecordError& error) {
    EXPECT_STREQ(error.what(), "ERROR STOP -- END OF DATA FILE ON LINE 2");
    EXPECT_EQ(error.line(), 2);
    EXPECT_EQ(error.item(), 0);
  }
}

TEST(RecordReader, TitleIsTheFirstSeventyCharacters) {
  const std::string long_title =
      "SHEET-PILE WALL, 4.5 M EXCAVATION, TIEBACK AT 1.2 M\tDESIGN CASE 3, CHECK RUN 12";
  DataFile file("SHORT TITLE\n" + long_title + "\n\n");
  EXPECT_EQ(file.reader.read_title(), "SHORT TITLE" + std::string(59, ' '));
  EXPECT_EQ(file.reader.read_title(), long_title.substr(0, 70));
  // A title is one line even when it is empty.
  EXPECT_EQ(file.reader.read_title(), std::string(70, ' '));
  EXPECT_EQ(file.reader.line(), 3);
}

TEST(RecordReader, AtEnd) {
  DataFile empty("");
  EXPECT_TRUE(empty.reader.at_end());
  DataFile file("T\n1 2\n3");  // no line break after the last line
  EXPECT_FALSE(file.reader.at_end());
  file.reader.read_title();
  EXPECT_EQ(file.reader.read_ints(3), (std::vector<int>{1, 2, 3}));
  EXPECT_TRUE(file.reader.at_end());
  EXPECT_EQ(file.reader.line(), 3);
}

}  // namespace
}  // namespace veldra::engine
