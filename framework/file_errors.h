// The two errors of files, for every layer above the engine.
//
//   EFileError   the file could not be opened, read, written, renamed or removed:
//                a failure of the file system, not of the file's content. Carries
//                the path and the system's reason ("No such file or directory").
//   EInOutError  the file was read, but its content is malformed: a word that is
//                not the number expected, or the words ending inside a record.
//                Carries the 1-based line and item of the offending word (both 0
//                when the words ran out: "This file either invalid or incomplete.").
//
// what() is the text shown to the user in both. The loaders catch EInOutError and
// report it as a file that stopped reading part-way; EFileError passes them, and
// the window's error guard shows it.
#ifndef VELDRA_FRAMEWORK_FILE_ERRORS_H
#define VELDRA_FRAMEWORK_FILE_ERRORS_H

#include <string>
#include <utility>

#include "framework/exceptions.h"

namespace veldra::framework {

class EFileError : public Exception {
 public:
  // "Cannot <action> <object> "<path>": <reason>", action "open", "read", "write",
  // ...; the object is a file unless said otherwise ("the working folder").
  EFileError(const std::string& action, std::string path, std::string reason,
             const std::string& object = "file")
      : Exception("Cannot " + action + " " + object + " \"" + path + "\": " + reason),
        path_(std::move(path)),
        reason_(std::move(reason)) {}

  const std::string& path() const { return path_; }
  const std::string& reason() const { return reason_; }

 private:
  std::string path_;
  std::string reason_;
};

class EInOutError : public Exception {
 public:
  // The words ended where a value was needed; no line or item.
  explicit EInOutError(const std::string& message) : Exception(message) {}
  // "Error on Line <line> Item <item>\r<detail>".
  EInOutError(int line, int item, const std::string& detail)
      : Exception("Error on Line " + std::to_string(line) + " Item " + std::to_string(item) + "\r" + detail),
        line_(line),
        item_(item),
        detail_(detail) {}

  int line() const { return line_; }
  int item() const { return item_; }
  // The message without its position: what was expected.
  const std::string& detail() const { return detail_; }

 private:
  int line_ = 0;
  int item_ = 0;
  std::string detail_;
};

// The system's reason for the last failed call (errno), "unknown error" without one.
std::string SystemReason(int error_number);

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_FILE_ERRORS_H
