// Fixed-column output by Fortran-style edit descriptors.
//
// Every fixed-column line of the report, the run notes and the plot-data file goes
// through this one formatter, so that a layout written in the descriptor notation
// (for example "(5X,I4,4X,I3,1X,6E10.3)") prints in exactly those columns.
//
// Format text. Items are separated by commas or blanks; a comma may be left out
// where nothing is ambiguous (1PE10.3, '/' next to anything). Letters may be in
// either case. Supported items:
//   nX      n blanks (X alone is 1X). Always written, also at the end of a line.
//   Iw      an integer right-aligned in w columns; Iw.m with at least m digits
//           (leading zeros); Iw.0 of 0 is w blanks.
//   Fw.d    fixed point with d decimals. The zero before the point is written when it
//           fits and dropped when only it would overflow the field (F4.3 of 0.5 is
//           ".500"); with d = 0 it cannot be dropped (F1.0 of 0.4 is "*").
//   Ew.d    "0." followed by d digits and a signed exponent of two digits
//           (0.123E+02, 0.500E-03, 0.000E+00); an exponent of three digits drops the
//           "E" (0.123+100). The zero before the point is optional like that of F:
//           E9.3 of -1e10 is "-.100E+11", E8.3 of it overflows.
//   kP      scale factor, in effect for the later E, F and G items of the same WRITE
//           (also after format reversion) until another kP. With E: k digits before
//           the point and d-k+1 after (1P,E10.3 of 12.34 is " 1.234E+01"); k <= 0
//           gives -k zeros after the point and d+k significant digits. Fortran
//           allows -d < k < d+2; outside that range the field is asterisks. With F
//           the value is multiplied by 10^k (exactly, by moving the decimal point).
//           G uses k only when it chooses the E form.
//   Gw.d    the general form. Let e be the decimal exponent of the value rounded to d
//           significant digits (0.1 <= rounded/10^e < 1): for 0 <= e <= d the F form
//           F(w-4).(d-e) followed by 4 blanks, otherwise Ew.d. Zero uses
//           F(w-4).(d-1) and 4 blanks. Gw.0 has no meaningful form: asterisks.
//           The choice follows the exactly rounded value, like the F and E forms:
//           G10.1 of 0.95 (0.9499999...) is "   0.9    " (gfortran, comparing
//           with binary thresholds, writes "    1.    " there).
//           An integer value under G prints as Iw, a text as Aw.
//   Aw      a text in w columns: cut to its leftmost w characters when longer, padded
//           with blanks ON THE RIGHT when shorter (Fortran pads on the left; the
//           report's labels and titles are meant left-aligned in their columns).
//   A       the whole text.
//   '...'   a literal ("..." too); a doubled quote inside stands for one quote.
//   /       ends the line: a leading "/" gives an empty line, two in a row give one;
//           n/ is n of them.
//   :       ends the WRITE here when no value is left.
//   n(...)  a group repeated n times; nI5, 6E10.3 repeat one descriptor.
// Format reversion: when the format ends with values left, a new line starts and
// processing resumes at the last top-level group (with its repeat count), or at the
// start of the format when it has no group. A format without a data item there stops
// instead of looping; the values left are not written.
//
// A number that does not fit its width prints as w asterisks. Numbers are rounded
// correctly from the exact binary value, with ties (exact halves only) to even, as
// printf does: F5.2 of 0.125 is " 0.12", E10.3 of 2.675 (2.67499999...) is
// " 0.267E+01". The sign is that of the value even when it rounds to zero: F5.2 of
// -0.001 is "-0.00", E10.3 of -0.0 is "-0.000E+00".
// NaN prints "NaN" right-aligned (asterisks when w < 3); +infinity "Infinity" when
// w >= 8, "Inf" when w >= 3; -infinity "-Infinity" when w >= 9, "-Inf" when w >= 4;
// asterisks below that.
//
// A value of the wrong kind for its descriptor (a real or a text under I, a text
// under F or E, a number under A) prints as asterisks of the field's width (one
// asterisk for A without width), so that the slip shows in the output instead of
// stopping a run. An integer under F or E prints as the real of the same value.
//
// Widths w and digit counts d, m range from 0 to 255 (w at least 1), repeat counts
// from 1 to 10000, scale factors from -127 to 127.
#ifndef VELDRA_ENGINE_FORMAT_FORTRAN_FORMAT_H
#define VELDRA_ENGINE_FORMAT_FORTRAN_FORMAT_H

#include <initializer_list>
#include <iosfwd>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace veldra::engine {

// One value handed to a format: an integer, a real or a text. A text is only viewed:
// it must outlive the call it is passed to.
using FormatValue = std::variant<long long, double, std::string_view>;

class FortranFormat {
 public:
  // Parses a format such as "(6X,'NUMBER =',I3)"; the outer parentheses are optional.
  // Throws std::invalid_argument on a malformed format (a programming error).
  explicit FortranFormat(std::string_view format);
  ~FortranFormat();
  FortranFormat(const FortranFormat&);
  FortranFormat& operator=(const FortranFormat&);
  FortranFormat(FortranFormat&&) noexcept;
  FortranFormat& operator=(FortranFormat&&) noexcept;

  // The text of one WRITE: records separated by '\n', with no final newline.
  // Processing stops at the first data descriptor for which no value is left;
  // literals and blanks before it are still written.
  std::string format(const std::vector<FormatValue>& values) const;

  // The same, appended to `out` (for callers that reuse one buffer). Never throws
  // except std::bad_alloc.
  void format_to(std::string& out, std::span<const FormatValue> values) const;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// Convenience: format and write one WRITE statement, ending with a newline.
// The parsed format is cached per format text and thread (each thread has its own
// cache, so engines on several threads share nothing). Throws std::invalid_argument
// on a malformed format.
void fwrite(std::ostream& out, std::string_view format,
            std::initializer_list<FormatValue> values = {});
std::string fformat(std::string_view format, std::initializer_list<FormatValue> values = {});

// Single descriptors, for use where a whole format is overkill and for tests. They
// throw std::invalid_argument when w, d or m is outside the ranges above.
std::string format_i(long long value, int w, int m = -1);   // Iw / Iw.m (m < 0: none)
std::string format_f(double value, int w, int d, int scale = 0);  // Fw.d, kP,Fw.d
std::string format_e(double value, int w, int d, int scale = 0);  // Ew.d, kP,Ew.d
std::string format_g(double value, int w, int d, int scale = 0);  // Gw.d, kP,Gw.d
std::string format_a(std::string_view text, int w);         // Aw (pad right / cut)

// The value that a real written as Ew.d and read back would carry: the value rounded
// to the d significant digits of the E form. Used for the in-memory hand-over of
// pressures and p-y curves, which must carry the same numbers as their text records.
// Every finite double fits E10.3; when a field is too narrow for its text the digits
// are still those the field would hold. NaN and infinities come back unchanged.
// Throws std::invalid_argument for d < 1 or w, d outside the ranges above.
double round_trip_e(double value, int w, int d);

// List-directed output line for the plot-data file: every value preceded by one
// blank, so the line starts with a blank (" 3 0.5 1E-05").
// Integers as whole numbers. Reals in the shortest form that reads back as the same
// double (std::to_chars), with an upper-case "E" and a two-digit or longer signed
// exponent where that form is shorter ("1E-05", "1.2345679E+08"), and ".0" added
// when neither a point nor an exponent would show it is a real ("100.0", "-0.0").
// NaN and infinities as "NaN", "Infinity", "-Infinity". Texts as they are.
// Both functions end the line with a newline.
void write_list(std::ostream& out, std::initializer_list<FormatValue> values);
std::string list_line(std::initializer_list<FormatValue> values);

}  // namespace veldra::engine

#endif  // VELDRA_ENGINE_FORMAT_FORTRAN_FORMAT_H
