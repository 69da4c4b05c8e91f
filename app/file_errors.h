// Exceptions of the application's file layer.
//
// Format errors in a data or stage file are framework::EInOutError (the loader
// catches exactly those and reports them). A file that cannot be opened, written,
// renamed or removed is EFileError: it is not a format error and passes the loader
// to the caller.
#ifndef VELDRA_APP_FILE_ERRORS_H
#define VELDRA_APP_FILE_ERRORS_H

#include "framework/exceptions.h"

namespace veldra::app {

class EFileError : public framework::Exception {
 public:
  using framework::Exception::Exception;
};

}  // namespace veldra::app

#endif  // VELDRA_APP_FILE_ERRORS_H
