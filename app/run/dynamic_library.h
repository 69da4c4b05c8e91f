// TDynamicLibrary: a shared library loaded at run time (dlopen), for the analysis
// engine, which the application loads for one run and releases afterwards.
//
// Errors are EDLLError objects. Open raises EFileNotFoundError when the file is not
// there and EInitError when it is there but the loader refuses it (not a library,
// a missing dependency, a failing initialiser); FindEntry raises EDLLNotOpenError
// on a closed library. The loader's own text of the last failure is kept in
// LoadError() for the log; the messages shown are the fixed ones below.
#ifndef VELDRA_APP_RUN_DYNAMIC_LIBRARY_H
#define VELDRA_APP_RUN_DYNAMIC_LIBRARY_H

#include <string>

#include "framework/exceptions.h"

namespace veldra::app {

class EDLLError : public framework::Exception {
 public:
  using framework::Exception::Exception;
};

class EInitError : public EDLLError {
 public:
  EInitError() : EDLLError("Library failed to properly initialize") {}
};

class EFileNotFoundError : public EDLLError {
 public:
  EFileNotFoundError() : EDLLError("Library could not be located") {}
};

class EDLLNotOpenError : public EDLLError {
 public:
  EDLLNotOpenError() : EDLLError("Library is not open") {}
};

class TDynamicLibrary {
 public:
  TDynamicLibrary() = default;
  // Closes the library.
  ~TDynamicLibrary();
  TDynamicLibrary(const TDynamicLibrary&) = delete;
  TDynamicLibrary& operator=(const TDynamicLibrary&) = delete;

  // Closes the library if it is open, then keeps the name for the next Open.
  void SetFileName(const std::string& name);
  const std::string& FileName() const { return file_name_; }

  // Loads the file (all symbols bound at once); nothing when already open.
  void Open();
  bool IsOpen() const { return handle_ != nullptr; }
  // The exported symbol of that name, or nullptr when the library does not export it.
  void* FindEntry(const std::string& name) const;
  // Releases the library if it is open.
  void Close();

  const std::string& LoadError() const { return load_error_; }

 private:
  std::string file_name_;
  void* handle_ = nullptr;
  std::string load_error_;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_RUN_DYNAMIC_LIBRARY_H
