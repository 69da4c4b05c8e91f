#include "engine/format/fortran_format.h"

#include <gtest/gtest.h>

#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace veldra::engine {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

struct IntCase {
  long long value;
  int w;
  int m;
  const char* expected;
};

TEST(FormatI, IntegerFields) {
  const IntCase cases[] = {
      {123, 5, -1, "  123"},
      {-123, 5, -1, " -123"},
      {0, 3, -1, "  0"},
      {1000, 3, -1, "***"},  // N >= 1000 in I3
      {-99, 3, -1, "-99"},
      {-100, 3, -1, "***"},  // the sign does not fit
      {7, 5, 3, "  007"},
      {-7, 5, 3, " -007"},
      {-7, 4, 3, "-007"},
      {-7, 3, 3, "***"},
      {0, 3, 0, "   "},  // Iw.0 of zero: no digit at all
      {5, 3, 0, "  5"},
      {LLONG_MIN, 20, -1, "-9223372036854775808"},
      {LLONG_MIN, 19, -1, "*******************"},
  };
  for (const IntCase& c : cases) {
    EXPECT_EQ(format_i(c.value, c.w, c.m), c.expected) << c.value << " I" << c.w << "." << c.m;
  }
}

struct RealCase {
  double value;
  int w;
  int d;
  int scale;
  const char* expected;
};

TEST(FormatF, FixedPointFields) {
  const RealCase cases[] = {
      {-1.23, 8, 2, 0, "   -1.23"},
      {1.5, 9, 3, 0, "    1.500"},
      {0.5, 5, 3, 0, "0.500"},
      {0.5, 4, 3, 0, ".500"},    // the leading zero goes only when it alone overflows
      {-0.5, 5, 3, 0, "-.500"},
      {-0.5, 4, 3, 0, "****"},
      {0.04, 2, 1, 0, ".0"},
      {-0.04, 3, 1, 0, "-.0"},
      {0.0, 3, 0, 0, " 0."},
      {0.4, 2, 0, 0, "0."},
      {0.4, 1, 0, 0, "*"},       // "." alone would hold no digit
      {-0.4, 3, 0, 0, "-0."},
      {-0.4, 2, 0, 0, "**"},
      {-0.001, 5, 2, 0, "-0.00"},  // the sign of a value that rounds to zero stays
      {-0.0, 5, 2, 0, "-0.00"},
      {0.125, 5, 2, 0, " 0.12"},   // exact half: to even
      {0.375, 5, 2, 0, " 0.38"},
      {2.5, 5, 0, 0, "   2."},
      {3.5, 5, 0, 0, "   4."},
      {2.675, 6, 2, 0, "  2.67"},  // 2.67499999... as a double
      {0.005, 6, 2, 0, "  0.01"},  // 0.00500000000000000010...
      {12345.6, 6, 0, 0, "12346."},
      {99999.9994, 9, 3, 0, "99999.999"},
      {99999.9999, 9, 3, 0, "*********"},  // the carry makes it one digit longer
      {-9999.9999, 9, 3, 0, "*********"},
      {1e9, 9, 3, 0, "*********"},
      {1e20, 10, 3, 0, "**********"},
      {-1.7976931348623157e308, 12, 2, 0, "************"},
      // kP,Fw.d multiplies by 10^k, exactly: 0.15 is 0.1499999... in binary.
      {3.25, 8, 3, 1, "  32.500"},
      {3.25, 8, 3, -1, "   0.325"},
      {0.15, 8, 0, 1, "      1."},
      {0.15, 8, 1, 1, "     1.5"},
      {1234.5, 8, 1, -2, "    12.3"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(format_f(c.value, c.w, c.d, c.scale), c.expected)
        << c.value << " " << c.scale << "P,F" << c.w << "." << c.d;
  }
}

TEST(FormatE, ExponentFields) {
  const RealCase cases[] = {
      {12.3, 10, 3, 0, " 0.123E+02"},
      {5e-4, 10, 3, 0, " 0.500E-03"},
      {0.0, 10, 3, 0, " 0.000E+00"},
      {-0.0, 10, 3, 0, "-0.000E+00"},
      {-12.3, 10, 3, 0, "-0.123E+02"},
      {9.9995, 10, 3, 0, " 0.100E+02"},  // 3 digits: 9.99|949... rounds up to 10.0
      {9.99951, 10, 3, 0, " 0.100E+02"},
      {9.9949, 10, 3, 0, " 0.999E+01"},
      {2.675, 10, 3, 0, " 0.267E+01"},   // 2.67499999... rounds down
      {0.125, 10, 2, 0, "  0.12E+00"},   // exact half: to even
      {0.125, 10, 1, 0, "   0.1E+00"},
      {0.25, 10, 1, 0, "   0.2E+00"},
      // Three exponent digits take the place of the "E".
      {1e100, 10, 3, 0, " 0.100+101"},
      {9.9995e99, 10, 3, 0, " 0.100+101"},  // the carry reaches the exponent
      {1e-100, 10, 3, 0, " 0.100E-99"},
      {-1.234e-100, 10, 3, 0, "-0.123E-99"},
      {0.99996e-99, 10, 3, 0, " 0.100E-98"},
      {2.2250738585072014e-308, 10, 3, 0, " 0.223-307"},
      {4.9406564584124654e-324, 12, 3, 0, "   0.494-323"},
      {1.7976931348623157e308, 10, 3, 0, " 0.180+309"},
      // Like F, the zero before the point is optional.
      {-1e10, 9, 3, 0, "-.100E+11"},
      {-1e10, 8, 3, 0, "********"},
      {1e10, 8, 3, 0, ".100E+11"},
      {1e10, 7, 3, 0, "*******"},
      // 1P: one digit before the point and d + 1 significant digits.
      {12.34, 10, 3, 1, " 1.234E+01"},
      {12.34, 9, 3, 1, "1.234E+01"},
      {0.0, 10, 3, 1, " 0.000E+00"},
      {9.9995, 10, 3, 1, " 9.999E+00"},  // 4 digits: 9.99949999... rounds down
      {9.99951, 10, 3, 1, " 1.000E+01"},
      {-9.9996, 10, 3, 1, "-1.000E+01"},
      {1e100, 10, 3, 1, " 1.000+100"},
      {1e-100, 10, 3, 1, " 1.000-100"},
      {12.3, 10, 0, 1, "    1.E+01"},
      {-0.0, 10, 0, 1, "   -0.E+00"},
      {12.34, 10, 3, 2, " 12.34E+00"},
      {12.34, 10, 3, -1, " 0.012E+03"},
      // Outside Fortran's -d < k < d+2 there are no digits to show.
      {12.3, 10, 0, 0, "**********"},
      {1.0, 10, 3, 5, "**********"},
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(format_e(c.value, c.w, c.d, c.scale), c.expected)
        << c.value << " " << c.scale << "P,E" << c.w << "." << c.d;
  }
}

TEST(FormatG, GeneralFields) {
  const RealCase cases[] = {
      {0.0, 10, 3, 0, "  0.00    "},  // zero: F(w-4).(d-1)
      {-0.0, 10, 3, 0, " -0.00    "},
      {0.1, 10, 3, 0, " 0.100    "},
      {0.099996, 10, 3, 0, " 0.100    "},  // rounds to 0.100, so the F form
      {0.09995, 10, 3, 0, " 0.999E-01"},  // 0.0999499999... stays below 0.1
      {0.5, 10, 3, 0, " 0.500    "},
      {1.0, 10, 3, 0, "  1.00    "},
      {-1.5, 10, 3, 0, " -1.50    "},
      {9.9995, 10, 3, 0, "  10.0    "},
      {99.995, 10, 3, 0, "  100.    "},
      {999.4, 10, 3, 0, "  999.    "},
      {999.5, 10, 3, 0, " 0.100E+04"},  // rounds to 1000, beyond 10^d
      {1000.0, 10, 3, 0, " 0.100E+04"},
      {1e10, 10, 3, 0, " 0.100E+11"},
      {-0.01, 10, 3, 0, "-0.100E-01"},
      {1e100, 10, 3, 0, " 0.100+101"},
      {1234.5, 12, 4, 0, "   1234.    "},  // exact half to even keeps 4 digits
      {0.95, 10, 1, 0, "   0.9    "},      // 0.9499999... to one digit
      {5.0, 10, 1, 0, "    5.    "},
      {0.0, 10, 1, 0, "    0.    "},
      // The scale factor acts only on the E form.
      {123.456, 12, 4, 1, "   123.5    "},
      {0.09999, 12, 4, 1, "  9.9990E-02"},
      {9999.5, 12, 4, 1, "  9.9995E+03"},  // E chosen on 4 digits, printed with 5
      // The F part must fit w - 4 columns, else the whole field is asterisks.
      {0.0, 7, 3, 0, ".00    "},
      {0.1, 7, 3, 0, "*******"},
      {5.0, 10, 0, 0, "**********"},  // Gw.0 has no form
  };
  for (const RealCase& c : cases) {
    EXPECT_EQ(format_g(c.value, c.w, c.d, c.scale), c.expected)
        << c.value << " " << c.scale << "P,G" << c.w << "." << c.d;
  }
}

TEST(FormatReal, NonFiniteValuesAreWrittenAsWords) {
  struct Case {
    double value;
    int w;
    const char* expected;
  };
  const Case cases[] = {
      {kNaN, 2, "**"},          {kNaN, 3, "NaN"},          {-kNaN, 10, "       NaN"},
      {kInf, 2, "**"},          {kInf, 3, "Inf"},          {kInf, 7, "    Inf"},
      {kInf, 8, "Infinity"},    {kInf, 10, "  Infinity"},  {-kInf, 3, "***"},
      {-kInf, 4, "-Inf"},       {-kInf, 8, "    -Inf"},    {-kInf, 9, "-Infinity"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(format_f(c.value, c.w, 1), c.expected) << c.value << " F" << c.w;
    EXPECT_EQ(format_e(c.value, c.w, 1), c.expected) << c.value << " E" << c.w;
    EXPECT_EQ(format_g(c.value, c.w, 1), c.expected) << c.value << " G" << c.w;
  }
}

std::string trimmed(const std::string& text) { return text.substr(text.find_first_not_of(' ')); }

std::string printf_text(const char* conversion, int digits, double value) {
  char buf[128];
  std::snprintf(buf, sizeof buf, conversion, digits, value);
  std::string text = buf;
  for (char& c : text) {
    if (c == 'e') c = 'E';
  }
  return text;
}

// printf rounds exactly; 1P,Ew.d is then "%#.de" in upper case and a wide Fw.d is
// "%#.df" ('#' keeps the point when d is 0). The values crowd around halves and powers of ten, where a shortcut through
// binary arithmetic would go wrong.
TEST(FormatReal, DigitsAgreeWithPrintf) {
  std::mt19937_64 random(2015);
  std::uniform_int_distribution<int> digit_count(0, 8);
  std::uniform_int_distribution<int> power(-30, 30);
  std::uniform_int_distribution<long long> leading(1, 999999);
  std::uniform_real_distribution<double> unit(1.0, 10.0);
  std::vector<double> values;
  for (int i = 0; i < 4000; ++i) {
    const int k = power(random);
    values.push_back(unit(random) * std::pow(10.0, k));
    const double tie = (static_cast<double>(leading(random)) + 0.5) * std::pow(10.0, k % 8);
    values.push_back(tie);
    values.push_back(std::nextafter(tie, 0.0));
    values.push_back(std::nextafter(tie, 1e300));
    const double ten = std::pow(10.0, k);
    values.push_back(ten);
    values.push_back(std::nextafter(ten, 0.0));
    values.push_back(-std::nextafter(ten, 1e300));
    values.push_back(ten - 0.5 * std::pow(10.0, k - digit_count(random) - 1));
  }
  for (const double value : values) {
    const int d = digit_count(random);
    ASSERT_EQ(trimmed(format_e(value, 40, d, 1)), printf_text("%#.*e", d, value))
        << std::hexfloat << value << " 1P,E40." << d;
    if (std::fabs(value) < 1e15) {
      ASSERT_EQ(trimmed(format_f(value, 40, d)), printf_text("%#.*f", d, value))
          << std::hexfloat << value << " F40." << d;
    }
  }
}

TEST(FormatA, TextFields) {
  EXPECT_EQ(format_a("ab", 5), "ab   ");
  EXPECT_EQ(format_a("abcd", 2), "ab");  // the leftmost w characters
  EXPECT_EQ(format_a("abc", 3), "abc");
  EXPECT_EQ(format_a("", 3), "   ");
}

TEST(FormatFields, OutOfRangeArgumentsAreRefused) {
  EXPECT_THROW(format_i(1, 0), std::invalid_argument);
  EXPECT_THROW(format_f(1.0, 256, 2), std::invalid_argument);
  EXPECT_THROW(format_e(1.0, 10, -1), std::invalid_argument);
  EXPECT_THROW(format_e(1.0, 10, 3, 200), std::invalid_argument);
  EXPECT_THROW(format_a("x", -1), std::invalid_argument);
}

struct LineCase {
  const char* format;
  std::vector<FormatValue> values;
  const char* expected;
};

void expect_lines(const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    EXPECT_EQ(FortranFormat(c.format).format(c.values), c.expected) << c.format;
  }
}

TEST(FortranFormat, ReportLayouts) {
  expect_lines({
      {"(5X,I4,4X,I3,1X,6E10.3)",
       {12LL, 1LL, 3.5e9, -12.3, 0.0, 0.0, 5e-4, -1.0},
       "       12      1  0.350E+10-0.123E+02 0.000E+00 0.000E+00 0.500E-03-0.100E+01"},
      {"(10X,I3,7X,I2,3X,2(5X,E10.3))",
       {3LL, 3LL, 0.001, -0.25},
       "            3        3         0.100E-02     -0.250E+00"},
      {"(6X,'DEFLECTION CLOSURE TOLERANCE = ',1P,E9.3,A3)",
       {1e-5, " IN"},
       "      DEFLECTION CLOSURE TOLERANCE = 1.000E-05 IN"},
      {"(2X,I4,2X,E10.3,6E12.3)",
       {0LL, 0.0, 1.5, -2.5e-3, 1e100, -4.0, 0.0, 2.9e10},
       "     0   0.000E+00   0.150E+01  -0.250E-02   0.100+101  -0.400E+01   0.000E+00   "
       "0.290E+11"},
      // Items separated by blanks only, letters in lower case.
      {"(10X F10.2 5X F10.3 3G10.2 G12.4)",
       {1.5, 2.25, 0.5, 3.0, 40.0, 1234.5},
       "                1.50          2.250  0.50       3.0       40.       1234.    "},
      {"(5x,i3,f6.2)", {7LL, -1.0}, "       7 -1.00"},
  });
}

TEST(FortranFormat, LiteralsBlanksAndNewLines) {
  expect_lines({
      {"('IT''S',I2)", {5LL}, "IT'S 5"},
      {"(\"SAY \"\"HI\"\"\")", {}, "SAY \"HI\""},
      {"('(A, B)',A)", {"x"}, "(A, B)x"},  // parentheses inside a literal
      {"(20X)", {}, "                    "},  // written even at the end of a line
      {"X,'A'", {}, " A"},                    // outer parentheses are optional
      {"(/,5X,'A')", {}, "\n     A"},        // a leading "/" gives an empty line
      {"('A',//,'B')", {}, "A\n\nB"},         // two in a row give one
      {"('A',3/'B')", {}, "A\n\n\nB"},
      {"(I3,/)", {1LL}, "  1\n"},
      {"()", {}, ""},
      {"(A,'|',A)", {"hello", "x"}, "hello|x"},  // A without width: the whole text
  });
}

TEST(FortranFormat, StopsAtTheFirstItemWithoutValue) {
  expect_lines({
      {"(5X,'N =',I3,' END')", {}, "     N ="},
      {"(5X,'N =',I3,' END')", {4LL}, "     N =  4 END"},
      {"(2I3,'|',2I3)", {1LL, 2LL, 3LL}, "  1  2|  3"},
      {"(1X,I3,:,' x')", {1LL}, "   1"},
  });
}

TEST(FortranFormat, ReversionRestartsAtTheLastTopLevelGroup) {
  expect_lines({
      {"(I3,2(1X,I2))", {1LL, 2LL, 3LL, 4LL, 5LL, 6LL, 7LL}, "  1  2  3\n  4  5\n  6  7"},
      {"(I3,2(1X,I2),3(I2))",
       {1LL, 2LL, 3LL, 4LL, 5LL, 6LL, 7LL, 8LL, 9LL, 10LL, 11LL, 12LL, 13LL, 14LL, 15LL},
       "  1  2  3 4 5 6\n 7 8 9\n101112\n131415"},
      // The blank before the item that finds no value is still written.
      {"(I3,2(1X,2(I2)))", {1LL, 2LL, 3LL, 4LL, 5LL, 6LL, 7LL}, "  1  2 3  4 5\n  6 7 "},
      {"(1X,I3,' x')", {1LL, 2LL}, "   1 x\n   2 x"},   // no group: the whole format
      {"(1X,I3,:,' x')", {1LL, 2LL}, "   1 x\n   2"},
      {"(4(2X,E10.3))", {1.0, 2.0, 3.0, 4.0, 5.0},
       "   0.100E+01   0.200E+01   0.300E+01   0.400E+01\n   0.500E+01  "},
      // A format without a data item cannot take the values: it ends.
      {"(5X)", {1LL}, "     "},
      {"(I2,'/',2(1X))", {1LL, 2LL}, " 1/  "},
  });
}

TEST(FortranFormat, ScaleFactorStaysInEffect) {
  expect_lines({
      {"(1P,E10.3,3(F8.2))", {1.0, 2.0, 3.0, 4.0, 5.0, 6.0},
       " 1.000E+00   20.00   30.00   40.00\n   50.00   60.00"},
      {"(2(1P,E10.3),F8.2)", {1.0, 2.0, 3.0, 4.0, 5.0, 6.0},
       " 1.000E+00 2.000E+00   30.00\n 4.000E+00 5.000E+00   60.00"},
      {"(1P,E10.3,0P,E10.3)", {1.5, 2.5}, " 1.500E+00 0.250E+01"},
      {"(1PE10.3)", {12.34}, " 1.234E+01"},
      {"(1P E10.3)", {12.34}, " 1.234E+01"},
      {"(1P2E10.3)", {12.34, 0.5}, " 1.234E+01 5.000E-01"},
      {"(-1P,E10.3)", {12.34}, " 0.012E+03"},
      {"(1P,G12.4,G12.4)", {0.09999, 123.456}, "  9.9990E-02   123.5    "},
  });
}

TEST(FortranFormat, ValuesOfTheWrongKindShowAsAsterisks) {
  expect_lines({
      {"(I5)", {1.5}, "*****"},
      {"(I5)", {"abc"}, "*****"},
      {"(F6.2)", {"abc"}, "******"},
      {"(A4,'|',A)", {1LL, 2.0}, "****|*"},
      {"(F6.2,E10.3)", {3LL, -2LL}, "  3.00-0.200E+01"},  // integers under F and E are reals
      {"(G10.3,G10.3)", {7LL, "abc"}, "         7abc       "},
  });
}

TEST(FortranFormat, MalformedFormatsAreRefused) {
  const char* bad[] = {
      "(I3",          "I3)",          "(Q5)",         "(F10)",       "(F10.)",
      "(I0)",         "(E10.3E3)",    "('abc)",       "(-2X)",       "(0X)",
      "(0(I3))",      "(P)",          "(I256)",       "(F10.256)",   "(128P,E10.3)",
      "(10001(I3))",  "(100(100(100(I3))))",
      "((((((((((((((((((I3))))))))))))))))))",
      "(5HHELLO)",
  };
  for (const char* format : bad) {
    EXPECT_THROW(FortranFormat{format}, std::invalid_argument) << format;
  }
}

TEST(FortranFormat, CopiesAndAppends) {
  const FortranFormat original("(I3,'|')");
  FortranFormat copy = original;
  copy = FortranFormat("(I4)");
  const FortranFormat second = original;
  EXPECT_EQ(copy.format({5LL}), "   5");
  EXPECT_EQ(second.format({5LL}), "  5|");
  std::string line = "head:";
  const FormatValue values[] = {7LL};
  original.format_to(line, values);
  EXPECT_EQ(line, "head:  7|");
}

TEST(FortranFormat, WriteAddsTheNewline) {
  std::ostringstream out;
  fwrite(out, "(5X,'A =',F6.2)", {1.5});
  fwrite(out, "(/,'B')");
  EXPECT_EQ(out.str(), "     A =  1.50\n\nB\n");
  EXPECT_EQ(fformat("(I3,I3)", {1LL, 2LL}), "  1  2");
  EXPECT_THROW(fwrite(out, "(I3", {1LL}), std::invalid_argument);
  // A refused format is not cached as anything.
  EXPECT_THROW(fformat("(I3", {1LL}), std::invalid_argument);
}

TEST(FortranFormat, ThreadsFormatIndependently) {
  auto work = [](int seed, std::string* failure) {
    for (int i = 0; i < 2000; ++i) {
      const long long n = seed * 10000 + i;
      const std::string format = "(I" + std::to_string(8 + (i + seed) % 5) + ")";
      const std::string got = fformat(format, {n});
      const std::string expected = format_i(n, 8 + (i + seed) % 5);
      if (got != expected) {
        *failure = format + " gave \"" + got + "\"";
        return;
      }
    }
  };
  std::vector<std::string> failures(4);
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) threads.emplace_back(work, t + 1, &failures[t]);
  for (auto& thread : threads) thread.join();
  for (const std::string& failure : failures) EXPECT_EQ(failure, "");
}

// Reads a field written by format_e back as a Fortran reader would: an exponent
// without its "E" is the one of three digits.
double read_back(std::string text) {
  const std::size_t first = text.find_first_not_of(' ');
  text = text.substr(first);
  const std::size_t sign = text.find_first_of("+-", 1);
  if (sign != std::string::npos && text[sign - 1] != 'E') text.insert(sign, "E");
  double value = 0;
  const auto r = std::from_chars(text.data(), text.data() + text.size(), value);
  EXPECT_EQ(r.ptr, text.data() + text.size()) << text;
  return value;
}

TEST(RoundTripE, CarriesTheDigitsOfTheTextRecord) {
  struct Case {
    double value;
    int d;
    double expected;
  };
  const Case cases[] = {
      {12.345678, 3, 12.3}, {9.9995, 3, 10.0},         {2.675, 3, 2.67},
      {1e-5, 3, 1e-5},      {1.23456e100, 3, 1.23e100}, {-0.000123456, 4, -0.0001235},
      {0.0, 3, 0.0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(round_trip_e(c.value, 10, c.d), c.expected) << c.value;
  }
  EXPECT_TRUE(std::signbit(round_trip_e(-0.0, 10, 3)));
  EXPECT_TRUE(std::isnan(round_trip_e(kNaN, 10, 3)));
  EXPECT_EQ(round_trip_e(-kInf, 10, 3), -kInf);
  EXPECT_THROW(round_trip_e(1.0, 10, 0), std::invalid_argument);

  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
  std::uniform_int_distribution<int> exponent(-320, 300);
  for (int i = 0; i < 2000; ++i) {
    const double value = mantissa(random) * std::pow(10.0, exponent(random));
    EXPECT_EQ(round_trip_e(value, 10, 3), read_back(format_e(value, 10, 3))) << value;
  }
}

TEST(ListDirected, LineForm) {
  EXPECT_EQ(list_line({3LL, 0LL}), " 3 0\n");
  EXPECT_EQ(list_line({0.5, 1e-5, 1.2345679e8, 100.0, -0.0, 0.1, 1e22, 1e-7}),
            " 0.5 1E-05 123456790.0 100.0 -0.0 0.1 1E+22 1E-07\n");
  EXPECT_EQ(list_line({kNaN, kInf, -kInf}), " NaN Infinity -Infinity\n");
  EXPECT_EQ(list_line({-12LL, "text", 2.5}), " -12 text 2.5\n");
  std::ostringstream out;
  write_list(out, {2LL, 0.25});
  write_list(out, {1LL});
  EXPECT_EQ(out.str(), " 2 0.25\n 1\n");
}

TEST(ListDirected, RealsReadBackExactly) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 5000; ++i) {
    const std::uint64_t bits = random();
    double value;
    std::memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value)) continue;
    const std::string line = list_line({value});
    ASSERT_EQ(line.front(), ' ');
    double back = 0;
    std::from_chars(line.data() + 1, line.data() + line.size() - 1, back);
    EXPECT_EQ(std::memcmp(&back, &value, sizeof value), 0) << line;
  }
}

}  // namespace
}  // namespace veldra::engine
