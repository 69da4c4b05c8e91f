#include "gui/core/error_guard.h"

#include <QMessageBox>
#include <new>
#include <string>

#include "app/file_commands.h"
#include "framework/file_errors.h"
#include "framework/exceptions.h"
#include "gui/core/qt_text.h"

namespace veldra::gui {

namespace fw = veldra::framework;

ErrorReport DescribeError(const std::exception_ptr& error, std::string_view command) {
  const QString failed = ToQt(command) + QStringLiteral(" failed: ");
  try {
    std::rethrow_exception(error);
  } catch (const fw::EAssignError& e) {
    return {ErrorKind::kEntry, MessageText(e.what())};
  } catch (const fw::EIntError& e) {
    return {ErrorKind::kEntry, MessageText(e.what())};
  } catch (const fw::EMinError& e) {
    return {ErrorKind::kEntry, MessageText(e.what())};
  } catch (const fw::EMaxError& e) {
    return {ErrorKind::kEntry, MessageText(e.what())};
  } catch (const fw::EFileError& e) {
    // The message names the file and the system's reason.
    return {ErrorKind::kFile, failed + MessageText(e.what())};
  } catch (const fw::EInOutError& e) {
    // Malformed content: the message names the line and item.
    return {ErrorKind::kFile, failed + MessageText(e.what())};
  } catch (const std::bad_alloc&) {
    return {ErrorKind::kOther, failed + QStringLiteral("out of memory")};
  } catch (const std::exception& e) {
    return {ErrorKind::kOther, failed + MessageText(e.what())};
  } catch (...) {
    return {ErrorKind::kOther, failed + QStringLiteral("unknown error")};
  }
}

bool RunGuarded(QWidget* parent, std::string_view command, const std::function<void()>& action) noexcept {
  try {
    action();
    return true;
  } catch (...) {
    try {
      const ErrorReport report = DescribeError(std::current_exception(), command);
      const QString title = QString::fromLatin1(app::kApplicationTitle);
      switch (report.kind) {
        case ErrorKind::kEntry: QMessageBox::information(parent, title, report.text); break;
        case ErrorKind::kFile: QMessageBox::warning(parent, title, report.text); break;
        case ErrorKind::kOther: QMessageBox::critical(parent, title, report.text); break;
      }
    } catch (...) {
      // Showing the message failed as well (out of memory): nothing more to do.
    }
    return false;
  }
}

void ShowInformation(QWidget* parent, std::string_view text) {
  QMessageBox::information(parent, QString::fromLatin1(app::kApplicationTitle), MessageText(text));
}

void ShowWarning(QWidget* parent, std::string_view text) {
  QMessageBox::warning(parent, QString::fromLatin1(app::kApplicationTitle), MessageText(text));
}

}  // namespace veldra::gui
