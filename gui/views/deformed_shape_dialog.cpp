#include "gui/views/deformed_shape_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>
#include <exception>

#include "app/views/view_3d_state.h"
#include "framework/decimal_text.h"
#include "framework/entry_evaluator.h"
#include "gui/views/view_3d_window.h"

namespace veldra::gui {

TDlgDeformedShape::TDlgDeformedShape(TDlgBlock& view, QWidget* parent)
    : QDialog(parent),
      view_(view),
      show_deformed_(new QCheckBox(tr("Show Deformed Shape"), this)),
      show_undeformed_(new QCheckBox(tr("Show Undeformed Model"), this)),
      factor_(new QLineEdit(this)),
      up_(new QToolButton(this)),
      down_(new QToolButton(this)) {
  setWindowTitle(QString::fromLatin1(kDeformedShapeCaption));
  up_->setArrowType(Qt::UpArrow);
  down_->setArrowType(Qt::DownArrow);
  for (QToolButton* arrow : {up_, down_}) arrow->setFixedSize(18, 12);
  factor_->setFixedWidth(90);
  auto* arrows = new QVBoxLayout;
  arrows->setSpacing(0);
  arrows->addWidget(up_);
  arrows->addWidget(down_);
  auto* factor_row = new QHBoxLayout;
  factor_row->addWidget(new QLabel(tr("Deformed Shape Factor"), this));
  factor_row->addWidget(factor_);
  factor_row->addLayout(arrows);
  factor_row->addStretch();
  auto* close = new QPushButton(tr("Close"), this);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(show_deformed_);
  layout->addWidget(show_undeformed_);
  layout->addLayout(factor_row);
  layout->addWidget(close, 0, Qt::AlignRight);
  // A fixed dialog: as large as its content.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  ShowSettings();
  connect(&view_, &TDlgBlock::sceneOptionsChanged, this, &TDlgDeformedShape::ShowSettings);
  connect(show_deformed_, &QCheckBox::toggled, this, [this](bool on) { view_.SetShowDeformed(on); });
  connect(show_undeformed_, &QCheckBox::toggled, this, [this](bool on) { view_.SetShowUndeformed(on); });
  connect(factor_, &QLineEdit::textEdited, this, &TDlgDeformedShape::FactorTyped);
  connect(factor_, &QLineEdit::editingFinished, this, &TDlgDeformedShape::ShowFactor);
  connect(up_, &QToolButton::clicked, this, [this] { Step(true); });
  connect(down_, &QToolButton::clicked, this, [this] { Step(false); });
  connect(close, &QPushButton::clicked, this, &QDialog::close);
}

void TDlgDeformedShape::Step(bool up) {
  view_.SetDeformationFactor(app::views::StepDeformationFactor(view_.State().scene.deformation_factor, up));
}

void TDlgDeformedShape::FactorTyped(const QString& text) {
  // Half-typed entries ("1e", "2*") are no number yet: the factor stays until one is.
  double value = 0;
  try {
    value = static_cast<double>(framework::EvaluateEntry(text.toStdString()));
  } catch (const std::exception&) {
    return;
  }
  if (!std::isfinite(value)) return;
  typing_ = true;
  view_.SetDeformationFactor(value);
  typing_ = false;
}

void TDlgDeformedShape::ShowSettings() {
  const QSignalBlocker block_deformed(show_deformed_);
  const QSignalBlocker block_undeformed(show_undeformed_);
  show_deformed_->setChecked(view_.State().scene.deformed);
  show_undeformed_->setChecked(view_.State().scene.undeformed);
  if (!typing_) ShowFactor();
  UpdateEnabled();
}

void TDlgDeformedShape::ShowFactor() {
  factor_->setText(QString::fromStdString(framework::FormatGeneral(view_.State().scene.deformation_factor, 15)));
}

void TDlgDeformedShape::UpdateEnabled() {
  const bool on = show_deformed_->isChecked();
  for (QWidget* w : std::initializer_list<QWidget*>{show_undeformed_, factor_, up_, down_}) w->setEnabled(on);
}

}  // namespace veldra::gui
