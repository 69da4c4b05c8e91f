#include "gui/core/settings.h"

#include <QSettings>
#include <QString>

#include "app/file_commands.h"
#include "gui/core/qt_text.h"

namespace veldra::gui {

namespace {

constexpr const char* kOrganisation = "Korvan";
constexpr const char* kApplication = "VELDRA";
constexpr const char* kEditorValue = "Word Processor";

QString FileValue(int k) { return QStringLiteral("File%1").arg(k); }

}  // namespace

StoredSettings ReadSettings() {
  StoredSettings stored;
  QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
  if (settings.status() != QSettings::NoError) return stored;
  stored.found = settings.childGroups().contains(QString::fromLatin1(app::kVersionText));
  settings.beginGroup(QString::fromLatin1(app::kVersionText));
  stored.editor = FromQt(settings.value(QString::fromLatin1(kEditorValue)).toString());
  for (int k = 1; k <= app::kRecentFileCount; ++k)
    stored.recent.SetEntry(k, FromQt(settings.value(FileValue(k)).toString()));
  settings.endGroup();
  if (settings.status() != QSettings::NoError) return StoredSettings{};
  return stored;
}

void WriteSettings(const std::string& editor, const app::RecentFiles& recent) {
  QSettings settings(QString::fromLatin1(kOrganisation), QString::fromLatin1(kApplication));
  settings.beginGroup(QString::fromLatin1(app::kVersionText));
  settings.setValue(QString::fromLatin1(kEditorValue), ToQt(editor));
  for (int k = 1; k <= app::kRecentFileCount; ++k) settings.setValue(FileValue(k), ToQt(recent.Entry(k)));
  settings.endGroup();
  settings.sync();  // a failure shows in status(); the old values stay, as intended
}

}  // namespace veldra::gui
