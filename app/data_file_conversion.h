// Converting a data file of any format into the current format: what veldra-convert
// does.
#ifndef VELDRA_APP_DATA_FILE_CONVERSION_H
#define VELDRA_APP_DATA_FILE_CONVERSION_H

#include <filesystem>
#include <string>

#include "app/main_model.h"

namespace veldra::app {

struct ConversionResult {
  bool converted = false;
  // Why not: the loader's message (with line and item), prefixed with the stage for
  // a stage block after the first.
  std::string message;
};

// Loads `source` with the format code (1 to 5) into the model and writes it to
// `target` in the current format; a staged problem is written as the combined file
// of its stages. Its stage files are made in a private folder that is removed
// afterwards, so nothing appears beside the source or the target. When any block
// stops on a format error the target is not written.
//
// Throws framework::EFileError when a file cannot be read or written.
ConversionResult ConvertDataFile(TMainModel& model, const std::filesystem::path& source,
                                 const std::filesystem::path& target, int format_code);

}  // namespace veldra::app

#endif  // VELDRA_APP_DATA_FILE_CONVERSION_H
