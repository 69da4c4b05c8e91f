#include "gui/dialogs/control_options_dialog.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>

#include "gui/core/qt_text.h"

namespace veldra::gui {

TControlOptionsDialog::TControlOptionsDialog(app::TMainModel& model, std::string& editor, QWidget* parent)
    : TChildDialog(model, QStringLiteral("Control Options"), parent), editor_(&editor) {
  auto* grid = new QGridLayout(this);
  auto* label = new QLabel(QStringLiteral("&Text Editor:"), this);
  box_ = new QLineEdit(this);
  box_->setMinimumWidth(box_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 48);
  label->setBuddy(box_);
  auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
  connect(browse, &QPushButton::clicked, this, &TControlOptionsDialog::Browse);
  grid->addWidget(label, 0, 0);
  grid->addWidget(box_, 0, 1);
  grid->addWidget(browse, 0, 2);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TControlOptionsDialog::Browse() {
  // A program is chosen by its path; "xdg-open" and other bare names are looked up
  // in PATH so that the chooser starts in the right folder.
  QString start = box_->text();
  if (!start.isEmpty() && !start.contains(QLatin1Char('/'))) start = QStandardPaths::findExecutable(start);
  const QString chosen = QFileDialog::getOpenFileName(this, QStringLiteral("Text Editor"), start,
                                                      QStringLiteral("All Files (*)"));
  if (!chosen.isEmpty()) box_->setText(chosen);
}

void TControlOptionsDialog::Fill() { box_->setText(ToQt(*editor_)); }

void TControlOptionsDialog::Commit() { *editor_ = FromQt(box_->text()); }

}  // namespace veldra::gui
