// An output stream that discards what it is given, cheaply: the benchmarks of the
// solver and the formatter measure the engine, not a file system.
#ifndef VELDRA_BENCH_NULL_STREAM_H
#define VELDRA_BENCH_NULL_STREAM_H

#include <ostream>
#include <streambuf>

namespace veldra::bench {

class NullBuffer : public std::streambuf {
 protected:
  int_type overflow(int_type c) override { return traits_type::not_eof(c); }
  std::streamsize xsputn(const char*, std::streamsize n) override { return n; }
};

// The buffer is a base listed first, so that it exists before the stream uses it.
class NullStream : private NullBuffer, public std::ostream {
 public:
  NullStream() : std::ostream(static_cast<NullBuffer*>(this)) {}
};

}  // namespace veldra::bench

#endif
