#include "app/file_commands.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <iterator>

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

std::string DisplayName(const std::string& path) {
  const fs::path file(path);
  std::string name = file.filename().string();
  if (Lower(file.extension().string()) == ".vdd") name = name.substr(0, name.find('.'));
  if (name.size() > 1) name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
  return name;
}

std::string MainCaption(const std::string& file_name) {
  return std::string("VELDRA ") + kVersionText + " - " + DisplayName(file_name);
}

std::string HasBeenReadMessage(const std::string& file_name) {
  return "Data file: " + DisplayName(file_name) + ", has been read by VELDRA 2015";
}

std::string SaveAsTitle(const std::string& file_name) { return "Save " + DisplayName(file_name) + " As"; }

std::string SaveAsProposal(const std::string& file_name) {
  fs::path file(file_name);
  if (file.extension() != ".vd5d") file.replace_extension(".vd5d");
  return file.string();
}

std::string CommandLineDataFile(const std::string& argument) {
  if (fs::path(argument).filename().string().find('.') == std::string::npos) return argument + ".vd4d";
  return argument;
}

int FormatOfFilter(const std::string& filter) {
  const auto found = std::find(std::begin(kOpenFilters), std::end(kOpenFilters), filter);
  return found == std::end(kOpenFilters) ? 1 : static_cast<int>(found - std::begin(kOpenFilters)) + 1;
}

std::string UnkeptContentQuestion(const std::string& file_name, const std::string& what) {
  return "Data file: " + DisplayName(file_name) + "\rholds data that VELDRA 2015 cannot keep:\r" + what +
         "\rSaving overwrites the file without that data. Overwrite it?";
}

bool ConfirmDiscard(bool modified, const std::function<DiscardAnswer()>& ask, const std::function<bool()>& save) {
  if (!modified) return true;
  switch (ask()) {
    case DiscardAnswer::kNo: return true;
    case DiscardAnswer::kCancel: return false;
    case DiscardAnswer::kYes: return save();
  }
  return false;
}

}  // namespace veldra::app
