// Text between the models (UTF-8 std::string) and Qt (QString).
#ifndef VELDRA_GUI_CORE_QT_TEXT_H
#define VELDRA_GUI_CORE_QT_TEXT_H

#include <QString>
#include <string>
#include <string_view>

namespace veldra::gui {

inline QString ToQt(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string FromQt(const QString& text) { return text.toUtf8().toStdString(); }

// The models break the lines of their messages with "\r"; a message box wants "\n".
inline QString MessageText(std::string_view text) {
  QString shown = ToQt(text);
  shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

// A file path as a menu or action caption: "&" shows as itself, not as an access key.
inline QString ActionText(std::string_view text) {
  QString shown = ToQt(text);
  shown.replace(QLatin1Char('&'), QLatin1String("&&"));
  return shown;
}

}  // namespace veldra::gui

#endif  // VELDRA_GUI_CORE_QT_TEXT_H
