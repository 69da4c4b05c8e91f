#include "gui/dialogs/title_dialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "gui/core/qt_text.h"

namespace veldra::gui {

TTitleDialog::TTitleDialog(app::TMainModel& model, QWidget* parent)
    : TChildDialog(model, QStringLiteral("Project Title"), parent) {
  auto* layout = new QVBoxLayout(this);
  auto* label = new QLabel(QStringLiteral("Enter text line for project description:"), this);
  box_ = new QPlainTextEdit(this);
  label->setBuddy(box_);
  box_->setTabChangesFocus(true);
  box_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  box_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  // Wide enough for the 80 characters on two lines.
  const QFontMetrics metrics = box_->fontMetrics();
  box_->setFixedSize(metrics.horizontalAdvance(QString(kTitleLength / 2 + 2, QLatin1Char('M'))) * 3 / 4,
                     metrics.lineSpacing() * 3 + 12);
  box_->installEventFilter(this);
  layout->addWidget(label);
  layout->addWidget(box_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  connect(box_, &QPlainTextEdit::textChanged, this, [this] {
    if (trimming_) return;
    KeepOneLine();
    Changed();
  });
}

bool TTitleDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == box_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return true;  // one line only
  }
  return TChildDialog::eventFilter(watched, event);
}

void TTitleDialog::KeepOneLine() {
  QString text = box_->toPlainText();
  QString line = text;
  line.replace(QLatin1Char('\n'), QLatin1Char(' ')).replace(QLatin1Char('\r'), QLatin1Char(' '));
  line.truncate(kTitleLength);
  if (line == text) return;
  trimming_ = true;
  box_->setPlainText(line);
  box_->moveCursor(QTextCursor::End);
  trimming_ = false;
}

void TTitleDialog::Fill() {
  trimming_ = true;
  box_->setPlainText(ToQt(problem().Title));
  trimming_ = false;
}

void TTitleDialog::Commit() {
  const std::string text = FromQt(box_->toPlainText());
  if (text == problem().Title) return;
  problem().Title = text;
  model().SetModified(true);
}

}  // namespace veldra::gui
