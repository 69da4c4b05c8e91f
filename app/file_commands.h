// The decisions of the main window's file commands that need no widget: captions and
// messages naming the file, the name proposed by Save As, the file named on the
// command line, the open dialog's format codes and the confirm-discard question.
#ifndef VELDRA_APP_FILE_COMMANDS_H
#define VELDRA_APP_FILE_COMMANDS_H

#include <functional>
#include <string>

namespace veldra::app {

inline constexpr const char* kApplicationTitle = "VELDRA 2015";
inline constexpr const char* kVersionText = "2015.5.18";
inline constexpr const char* kSaveChangesQuestion = "Do you want to save any changes?";

// The open dialog's filters, in the order of their format codes 1 to 5.
inline constexpr const char* kOpenFilters[] = {
    "Veldra 2015 (*.vd5d)", "Veldra 2013 (*.vd4d)", "Veldra 3.0 (*.vdd)", "Veldra 2.0 (*.vdd)", "All Files (*)"};
inline constexpr const char* kSaveFilters[] = {"Veldra 2015 (*.vd5d)", "All Files (*)"};

// The file name without its folder; a ".vdd" name (any case) is cut at its first
// "."; the first character is upper-cased when the result is longer than one.
std::string DisplayName(const std::string& path);

// "VELDRA 2015.5.18 - " and the display name of the problem's file.
std::string MainCaption(const std::string& file_name);

// "Data file: " display name ", has been read by VELDRA 2015".
std::string HasBeenReadMessage(const std::string& file_name);

// "Save " display name " As".
std::string SaveAsTitle(const std::string& file_name);

// The name Save As proposes: the file name with its extension made ".vd5d".
std::string SaveAsProposal(const std::string& file_name);

// The data file named on the command line: a name without "." gets ".vd4d".
std::string CommandLineDataFile(const std::string& argument);

// The format code of the open dialog's filter (1 to 5); 1 for a filter not listed.
int FormatOfFilter(const std::string& filter);

// The question the first Save of a problem asks when its file holds data this
// program cannot keep (`what` says which): saving would overwrite the file
// without it.
std::string UnkeptContentQuestion(const std::string& file_name, const std::string& what);

enum class DiscardAnswer { kYes, kNo, kCancel };

// Whether a command that replaces the problem (New, Open, a recent or dropped file,
// closing) may go on. An unmodified problem goes on without a question. Otherwise
// `ask` puts kSaveChangesQuestion: No goes on, Cancel stops, and Yes runs `save`
// and goes on only when it returns true: the problem was written. (A Save that
// turned into Save As and was cancelled writes nothing, whatever the file's name.)
bool ConfirmDiscard(bool modified, const std::function<DiscardAnswer()>& ask, const std::function<bool()>& save);

}  // namespace veldra::app

#endif  // VELDRA_APP_FILE_COMMANDS_H
