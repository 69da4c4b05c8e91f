#include "gui/widgets/data_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <exception>

#include "app/file_commands.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"

namespace veldra::gui {

TDataEdit::TDataEdit(QWidget* parent) : QLineEdit(parent) {
  validator_.OnTextChanged = [this] { setText(ToQt(validator_.Text())); };
  validator_.OnLabelChanged = [this] { RefreshLabel(); };
  setText(ToQt(validator_.Text()));
  connect(this, &QLineEdit::textChanged, this, [this](const QString& text) { validator_.SetText(FromQt(text)); });
  connect(this, &QLineEdit::textEdited, this, [this] { emit Edited(); });
}

void TDataEdit::SetEditLabel(QLabel* label) {
  label_ = label;
  if (label_) label_->setBuddy(this);
  RefreshLabel();
}

void TDataEdit::RefreshLabel() {
  if (!label_) return;
  label_->setText(ToQt(validator_.LabelText()));
  label_->setEnabled(validator_.Enabled());
}

void TDataEdit::changeEvent(QEvent* event) {
  QLineEdit::changeEvent(event);
  if (event->type() == QEvent::EnabledChange) validator_.SetEnabled(isEnabled());
}

QWidget* TDataEdit::Form() const {
  for (QWidget* w = parentWidget(); w; w = w->parentWidget())
    if (qobject_cast<QMdiSubWindow*>(w)) return w;
  return window();
}

bool TDataEdit::EntryAcceptable() const {
  framework::EntryValidator probe = validator_;
  probe.OnTextChanged = nullptr;
  probe.OnLabelChanged = nullptr;
  try {
    return probe.Validate().valid;
  } catch (...) {
    return false;
  }
}

bool TDataEdit::ValidateEntry() {
  if (validating_) return false;
  try {
    const framework::EntryValidator::Result result = validator_.Validate();
    if (!result.valid) ShowFailure(MessageText(result.message), true);
  } catch (...) {
    // An arithmetic fault (a division by zero) is not an entry error: it is shown as
    // a failure of the entry, and the field keeps the text.
    ShowFailure(DescribeError(std::current_exception(), "Evaluating the entry").text, false);
  }
  return validator_.Valid();
}

void TDataEdit::ShowFailure(const QString& message, bool information) {
  validating_ = true;
  const QString title = QString::fromLatin1(app::kApplicationTitle);
  if (information) {
    QMessageBox::information(this, title, message);
  } else {
    QMessageBox::critical(this, title, message);
  }
  validating_ = false;
  if (isVisible()) {
    window()->activateWindow();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(Form())) {
      if (sub->mdiArea()) sub->mdiArea()->setActiveSubWindow(sub);
    }
    setFocus(Qt::OtherFocusReason);
  }
}

void TDataEdit::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    ValidateEntry();
    selectAll();
    event->accept();
    return;
  }
  const QString typed = event->text();
  if (typed.size() == 1 && typed[0].unicode() < 128 &&
      framework::EntryValidator::KeyAppendsToSelection(static_cast<char>(typed[0].unicode())) && hasSelectedText() &&
      selectedText() == text()) {
    end(false);  // typing *2 over a selected 6 gives 6*2
  }
  QLineEdit::keyPressEvent(event);
}

void TDataEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (validating_ || event->reason() == Qt::PopupFocusReason || event->reason() == Qt::ActiveWindowFocusReason)
    return;
  // Only what the user typed is checked (a value shown from the file stays as it
  // is); and only a move within the form: leaving the form is checked by the form
  // before it commits.
  QWidget* next = QApplication::focusWidget();
  if (isModified() && next && next != this && Form()->isAncestorOf(next)) ValidateEntry();
}

}  // namespace veldra::gui
