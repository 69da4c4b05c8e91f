#include "gui/views/view_errors.h"

#include <QMessageBox>
#include <QString>

namespace veldra::gui {

bool RunGuarded(QWidget* parent, const std::function<void()>& step) {
  QString message;
  try {
    step();
    return true;
  } catch (const std::exception& error) {
    message = QString::fromUtf8(error.what());
  } catch (...) {
    message = QStringLiteral("Unknown error");
  }
  QMessageBox::critical(parent, QStringLiteral("VELDRA 2015"), message);
  return false;
}

}  // namespace veldra::gui
