// The data-file writer: a problem and its tables as the text the engine reads.
//
// Layout: one block of records per problem (title, control record, wall properties,
// restraints, stiffness, loads, springs, tiebacks, p-y modification factors, user
// pressure distribution, wall configuration, surcharges, soil layers, external p-y
// curves, moment-EI curves, continuation code), with a tab or a blank between the
// values of a line where the engine's layout puts them, reals in the general format
// with 8 significant digits and "." as the decimal separator whatever the locale.
// English units convert a few values to the file's units (tieback area in SI,
// depths in inches, loads per inch, unit weights per cubic inch, cohesions per square
// inch).
#ifndef VELDRA_APP_DATA_FILE_WRITER_H
#define VELDRA_APP_DATA_FILE_WRITER_H

#include <string>

#include "app/program_data.h"

namespace veldra::app {

// The text of a single-stage data file: the problem's block ending with 0, or, in
// LongTermMode, with 9 followed by the long-term block (the long-term soil layers
// and distributed loads, every other table shared) ending with 0. Uses the control
// values as they stand: derive them first (DeriveControlValues).
std::string DataFileText(const TProgramData& problem);

// The text of the stage file of CurrentStage: the title (stage 1) or " Stage No : n"
// (stages 2 to 5) and the block ending with the stage number.
std::string StageFileText(const TProgramData& problem);

// Saves a single-stage problem to FileName: derives the control values, writes the
// file safely (the previous file survives a failed write), then clears the modified
// state and sets both reader flags. Throws framework::EFileError when the file cannot be
// written.
void WriteDataFile(TProgramData& problem);

// Saves the current data as the stage file StageFileName: derives the control
// values, writes the file safely, then clears the modified state. Throws framework::EFileError.
void WriteStageFile(TProgramData& problem);

// A real in the file's format: 8 significant digits, "." as decimal separator.
std::string FileNumber(EntryNumber value);

}  // namespace veldra::app

#endif  // VELDRA_APP_DATA_FILE_WRITER_H
