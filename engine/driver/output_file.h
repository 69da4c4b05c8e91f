// An output file of a run (report, plot-data file, run notes): a buffered stream
// over a file descriptor that keeps the system's reason for the first failed write.
// The engine writes a report line by line from many places and goes on after a
// write has failed; errno is long overwritten by then, so the reason must be caught
// where the write fails for "cannot write" to say why (a full disk, a file-size
// limit, a quota).
#ifndef VELDRA_ENGINE_DRIVER_OUTPUT_FILE_H
#define VELDRA_ENGINE_DRIVER_OUTPUT_FILE_H

#include <cstddef>
#include <filesystem>
#include <memory>
#include <ostream>
#include <streambuf>

namespace veldra::engine {

class OutputFile {
 public:
  OutputFile();
  ~OutputFile();
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // Opens `path` for writing from its start, creating it when absent but keeping
  // what an existing file holds until truncate(). Returns 0 or the errno.
  int open(const std::filesystem::path& path);
  bool existed() const { return existed_; }
  // Empties the file. Returns 0 or the errno.
  int truncate();

  std::ostream& stream() { return stream_; }

  // Writes out what is buffered and closes the file. Returns the errno of the first
  // failed write, flush or close, 0 when everything reached the file.
  int close();

 private:
  class Buffer : public std::streambuf {
   public:
    explicit Buffer(std::size_t size);
    void attach(int fd) { fd_ = fd; }
    int error() const { return error_; }
    void set_error(int error) {
      if (error_ == 0) error_ = error;
    }

   protected:
    int_type overflow(int_type ch) override;
    int sync() override;

   private:
    bool write_out();
    std::unique_ptr<char[]> data_;
    std::size_t size_;
    int fd_ = -1;
    int error_ = 0;
  };

  Buffer buffer_;
  std::ostream stream_;
  int fd_ = -1;
  bool existed_ = false;
};

}  // namespace veldra::engine

#endif
