#include "engine/driver/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace veldra::engine {
namespace {

// A report of a long wall is some 100 kB, which a small buffer would hand to the
// system in a dozen writes.
constexpr std::size_t kBufferSize = 64 * 1024;

}  // namespace

OutputFile::Buffer::Buffer(std::size_t size)
    : data_(std::make_unique_for_overwrite<char[]>(size)), size_(size) {
  setp(data_.get(), data_.get() + size_);
}

bool OutputFile::Buffer::write_out() {
  const char* from = pbase();
  std::size_t left = static_cast<std::size_t>(pptr() - pbase());
  setp(data_.get(), data_.get() + size_);
  if (error_ != 0) return false;
  while (left > 0) {
    const ssize_t written = ::write(fd_, from, left);
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) {
      set_error(written < 0 ? errno : EIO);
      return false;
    }
    from += written;
    left -= static_cast<std::size_t>(written);
  }
  return true;
}

OutputFile::Buffer::int_type OutputFile::Buffer::overflow(int_type ch) {
  if (!write_out()) return traits_type::eof();
  if (!traits_type::eq_int_type(ch, traits_type::eof())) {
    *pptr() = traits_type::to_char_type(ch);
    pbump(1);
  }
  return traits_type::not_eof(ch);
}

int OutputFile::Buffer::sync() { return write_out() ? 0 : -1; }

OutputFile::OutputFile() : buffer_(kBufferSize), stream_(&buffer_) {}

OutputFile::~OutputFile() {
  if (fd_ >= 0) ::close(fd_);
}

int OutputFile::open(const std::filesystem::path& path) {
  struct stat before {};
  existed_ = ::stat(path.c_str(), &before) == 0;
  fd_ = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
  if (fd_ < 0) return errno;
  buffer_.attach(fd_);
  return 0;
}

int OutputFile::truncate() { return ::ftruncate(fd_, 0) == 0 ? 0 : errno; }

int OutputFile::close() {
  if (fd_ < 0) return buffer_.error();
  stream_.flush();
  // A file system that writes back late (NFS) reports a failed write on close.
  if (::close(fd_) != 0 && errno != EINTR) buffer_.set_error(errno);
  fd_ = -1;
  return buffer_.error();
}

}  // namespace veldra::engine
