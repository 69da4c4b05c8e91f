#include "app/run/names_file.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "app/safe_file_write.h"

namespace veldra::app {

namespace fs = std::filesystem;

namespace {

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string LoginName() {
  if (const passwd* entry = getpwuid(geteuid()); entry && entry->pw_name) return entry->pw_name;
  if (const char* user = std::getenv("USER")) return user;
  return {};
}

std::string HostName() {
  char name[256] = {};
  if (gethostname(name, sizeof name - 1) != 0) return {};
  return name;
}

}  // namespace

RunFiles RunFilesOf(const fs::path& data_file) {
  RunFiles files;
  files.data = fs::absolute(data_file).lexically_normal();
  files.report = fs::path(files.data).replace_extension(".vd5o");
  files.plot = fs::path(files.data).replace_extension(".vd5p");
  files.notes = fs::path(files.data).replace_extension(".vd5r");
  return files;
}

std::string UnusablePathMessage(const RunFiles& files) {
  for (const fs::path* path : {&files.data, &files.report, &files.plot, &files.notes}) {
    const std::string text = path->string();
    if (text.size() > kMaxEnginePathLength) {
      return "The path of the file\r" + text + "\ris longer than the " + std::to_string(kMaxEnginePathLength) +
             " characters the analysis can use.\rPlease save the problem in a folder with a shorter path.";
    }
    if (text.find_first_of("\r\n") != std::string::npos) {
      return "The path of the file\r" + text +
             "\rholds a line break, which the analysis cannot use.\rPlease save the problem under another name.";
    }
  }
  return {};
}

RunIdentity CurrentIdentity() { return {"VELDRA 2015", LoginName(), HostName(), 2015}; }

std::string NamesFileText(const RunIdentity& identity, const RunFiles& files) {
  std::string text;
  text += std::string(kNamesFileVersion) + "\n";
  text += identity.product + "\n";
  text += Trimmed(identity.user) + ", " + Trimmed(identity.host) + "\n";
  text += std::to_string(identity.number) + "\n";
  for (const fs::path* path : {&files.data, &files.report, &files.plot, &files.notes}) text += path->string() + "\n";
  return text;
}

void WriteNamesFile(const fs::path& folder, const RunIdentity& identity, const RunFiles& files) {
  ReplaceFileContents(folder / kNamesFileName, NamesFileText(identity, files));
}

}  // namespace veldra::app
