#include "gui/run/staged_construction_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include "app/staged_construction.h"
#include "gui/core/error_guard.h"

namespace veldra::gui {

namespace {

const char* const kExplanation[] = {
    "VELDRA provides users with a convenient tool to study",
    "and to compare the predicted  deflection, bending moment, ",
    "and shear at different stages of construction based on a",
    "simplified approach.",
    "",
    "The program will not trace the stress history of soil and",
    "structure at each stage.  Instead, the program will use the",
    "earth pressure, restrained boundary conditions, and soil",
    "resistance curves (p-y curves) at each stage as the initial",
    "condition to evaluate the behavior of the system without",
    "considering any effect due to the stress history.",
    "",
    "However, the p-y resistance curves will be generated based",
    "on the excavation depth, wall height, and water table at",
    "each new stage to reflect the change in soil resistance.",
    "",
    "This approach is not a rigorous procedure but it provides the",
    "user with general ideas about the possible pattern of",
    "deformation and stress in the system. It completely relies ",
    "on the user's judgement to interpret the predicted results.",
};

// The stage-count field: its arrows follow the field's rules (down stops at 2, one
// stage being chosen with the check box).
class StageCountSpinBox : public QSpinBox {
 public:
  StageCountSpinBox(app::StageCountField& field, QWidget* parent) : QSpinBox(parent), field_(field) {
    setRange(1, app::kMaxStages);
  }

  void stepBy(int steps) override {
    for (; steps > 0; --steps) field_.StepUp();
    for (; steps < 0; ++steps) field_.StepDown();
    setValue(field_.Value());
  }

 protected:
  StepEnabled stepEnabled() const override {
    StepEnabled enabled = StepNone;
    if (field_.CanStepUp()) enabled |= StepUpEnabled;
    if (field_.CanStepDown()) enabled |= StepDownEnabled;
    return enabled;
  }

 private:
  app::StageCountField& field_;
};

}  // namespace

TDlgStagedConstruction::TDlgStagedConstruction(app::TMainModel& model, QWidget* parent)
    : QDialog(parent), model_(model) {
  setWindowTitle(QStringLiteral("Staged Construction Options"));

  staged_ = new QCheckBox(QStringLiteral("Conduct &Staged-Construction Analysis"), this);
  count_label_ = new QLabel(QStringLiteral("Enter the total number of stages (Max. = 5, Min =2)"), this);
  count_ = new StageCountSpinBox(field_, this);
  count_label_->setBuddy(count_);

  QStringList lines;
  for (const char* line : kExplanation) lines << QString::fromLatin1(line);
  auto* explanation = new QLabel(lines.join(QLatin1Char('\n')), this);
  explanation->setTextFormat(Qt::PlainText);
  explanation->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  explanation->setMargin(6);
  explanation->setTextInteractionFlags(Qt::TextSelectableByMouse);

  auto* buttons = new QDialogButtonBox(this);
  ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
  cancel_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
  ok_->setDefault(true);

  auto* count_row = new QHBoxLayout;
  count_row->addWidget(count_label_);
  count_row->addWidget(count_);
  count_row->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(staged_);
  layout->addLayout(count_row);
  layout->addWidget(explanation);
  layout->addWidget(buttons);
  // A fixed-size dialog, exactly as large as its content.
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(staged_, &QCheckBox::clicked, this, [this](bool ticked) {
    field_.SetTicked(ticked);
    ShowField();
  });
  connect(count_, &QSpinBox::valueChanged, this, [this](int value) { field_.SetValue(value); });
  connect(ok_, &QPushButton::clicked, this, [this] { RunGuarded(this, "Staged Construction", [this] { Apply(); }); });
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
  ShowProblem();
}

void TDlgStagedConstruction::ShowProblem() {
  field_.Show(model_.Problem().StageCount);
  ShowField();
}

void TDlgStagedConstruction::ShowField() {
  const QSignalBlocker blocker(count_);
  staged_->setChecked(field_.Ticked());
  count_->setValue(field_.Value());
  count_->setEnabled(field_.Enabled());
}

bool TDlgStagedConstruction::event(QEvent* event) {
  // A dialog of its own window: the problem may have changed while it was in the
  // background. (As a child window the main window calls ActivateForm.)
  if (event->type() == QEvent::WindowActivate && isWindow()) ShowProblem();
  return QDialog::event(event);
}

void TDlgStagedConstruction::showEvent(QShowEvent* event) {
  ShowProblem();
  QDialog::showEvent(event);
}

void TDlgStagedConstruction::Apply() {
  // A value typed but not yet committed by the spin box counts too.
  count_->interpretText();
  field_.SetValue(count_->value());
  const std::vector<app::StageReadIssue> issues = app::ApplyStageCount(model_, field_.Value());
  emit stageCountApplied();
  for (const app::StageReadIssue& issue : issues) ShowInformation(this, issue.message);
  accept();
}

}  // namespace veldra::gui
