#include "gui/run/message_boxes.h"

#include <QGuiApplication>
#include <QMessageBox>
#include <QString>
#include <exception>

namespace veldra::gui {

namespace {

QString Title() {
  const QString name = QGuiApplication::applicationDisplayName();
  return name.isEmpty() ? QStringLiteral("VELDRA 2015") : name;
}

}  // namespace

QString MessageText(const std::string& text) {
  QString shown = QString::fromStdString(text);
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

void ShowInformation(QWidget* parent, const std::string& text) {
  QMessageBox::information(parent, Title(), MessageText(text), QMessageBox::Ok);
}

void ShowWarning(QWidget* parent, const std::string& text) {
  QMessageBox::warning(parent, Title(), MessageText(text), QMessageBox::Ok);
}

void Guarded(QWidget* parent, const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    QMessageBox::critical(parent, Title(), QString::fromStdString(error.what()), QMessageBox::Ok);
  }
}

bool AskYesNo(QWidget* parent, const std::string& question) {
  return QMessageBox::question(parent, Title(), MessageText(question), QMessageBox::Yes | QMessageBox::No,
                               QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace veldra::gui
