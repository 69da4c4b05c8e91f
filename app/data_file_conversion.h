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
  // Why not, one reason a line: the loader's format error (with line and item; a
  // stage after the first prefixed "Stage n: "), a staged file holding fewer stages
  // than it declares, and the warning of the records the problem cannot keep (the
  // lines are those of the source file).
  std::string message;
};

// Loads `source` with the format code (1 to 5) into the model and writes it to
// `target` in the current format; a staged problem is written as the combined file
// of its stages. Its stage files are made in a private folder that is removed
// afterwards, so nothing appears beside the source or the target. The target is not
// written when any block stops on a format error, when a staged file holds fewer
// stages than it declares, or when the problem cannot keep a record as it stands
// (writing it would change the analysis).
//
// Throws framework::EFileError when a file cannot be read or written.
ConversionResult ConvertDataFile(TMainModel& model, const std::filesystem::path& source,
                                 const std::filesystem::path& target, int format_code);

}  // namespace veldra::app

#endif  // VELDRA_APP_DATA_FILE_CONVERSION_H
