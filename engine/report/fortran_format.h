// Fixed-column output by Fortran-style edit descriptors.
//
// Every fixed-column line of the report, the run notes and the plot-data file goes
// through this one formatter, so that a layout written in the descriptor notation
// (for example "(5X,I4,4X,I3,1X,6E10.3)") prints exactly as specified.
//
// Supported items: nX, Iw, Iw.m, Fw.d, Ew.d, 1P (scale factor for E), Gw.d, Aw, A,
// quoted literals ('...' with '' for a quote), "/" (new record), repeat counts on
// descriptors (6E10.3) and on groups (2(5X,E10.3)), format reversion when more values
// are given than the items use. A number that does not fit its width prints as w
// asterisks.
//
// Ew.d prints "0." followed by d digits and a signed two-digit exponent
// (0.123E+02); an exponent of three digits drops the "E" (0.123+100), as Fortran
// does. With 1P the form is one nonzero digit before the point (1.234E+01).
#ifndef VELDRA_ENGINE_REPORT_FORTRAN_FORMAT_H
#define VELDRA_ENGINE_REPORT_FORTRAN_FORMAT_H

#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veldra::engine {

// One value handed to a format: an integer, a real or a text.
using FormatValue = std::variant<long long, double, std::string_view>;

class FortranFormat {
 public:
  // Parses a format such as "(6X,'NUMBER =',I3)"; the outer parentheses are optional.
  // Throws std::invalid_argument on a malformed format (a programming error).
  explicit FortranFormat(std::string_view format);
  ~FortranFormat();
  FortranFormat(const FortranFormat&);
  FortranFormat& operator=(const FortranFormat&);

  // The text of one WRITE: records separated by '\n', with no final newline.
  // Processing stops at the first data descriptor for which no value is left;
  // literals and blanks before it are still written.
  std::string format(const std::vector<FormatValue>& values) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Convenience: format and write one WRITE statement, ending with a newline.
// The parsed format is cached per format text.
void fwrite(std::ostream& out, std::string_view format,
            std::initializer_list<FormatValue> values = {});
std::string fformat(std::string_view format, std::initializer_list<FormatValue> values = {});

// Single descriptors, for use where a whole format is overkill and for tests.
std::string format_i(long long value, int w, int m = -1);   // Iw / Iw.m
std::string format_f(double value, int w, int d);           // Fw.d
std::string format_e(double value, int w, int d, int scale = 0);  // Ew.d, kP,Ew.d
std::string format_g(double value, int w, int d);           // Gw.d
std::string format_a(std::string_view text, int w);         // Aw (pad right / cut)

// The value that a real written as Ew.d and read back would carry. Used for the
// in-memory hand-over of pressures and p-y curves, which must carry the same
// numbers as their text records.
double round_trip_e(double value, int w, int d);

// List-directed output line for the plot-data file: a leading blank, then the
// values separated by blanks; integers as whole numbers, reals in a free form that
// reads back as the same double. Ends with a newline.
void write_list(std::ostream& out, std::initializer_list<FormatValue> values);
std::string list_line(std::initializer_list<FormatValue> values);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_REPORT_FORTRAN_FORMAT_H
