// The two settings the application keeps between sessions: the text editor ("Word
// Processor") and the recent-file list ("File1" to "File10"), under the
// organisation "Korvan", application "VELDRA", group "2015.5.18".
//
// Errors are swallowed: a store that cannot be read gives no editor and no recent
// files; a store that cannot be written keeps its old values.
#ifndef VELDRA_GUI_CORE_SETTINGS_H
#define VELDRA_GUI_CORE_SETTINGS_H

#include <string>

#include "app/recent_files.h"

namespace veldra::gui {

struct StoredSettings {
  bool found = false;  // the group exists
  std::string editor;  // empty: none chosen
  app::RecentFiles recent;
};

StoredSettings ReadSettings();
void WriteSettings(const std::string& editor, const app::RecentFiles& recent);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_SETTINGS_H
