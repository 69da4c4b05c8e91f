#include "gui/dialogs/child_dialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>

#include "framework/entry_evaluator.h"
#include "gui/core/error_guard.h"
#include "gui/core/qt_text.h"
#include "gui/widgets/data_edit.h"

namespace veldra::gui {

TChildDialog::TChildDialog(app::TMainModel& model, const QString& caption, QWidget* parent)
    : QWidget(parent), model_(&model) {
  setWindowTitle(caption);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
    if (now && isAncestorOf(now)) focused_ = now;
  });
}

TDataEdit* TChildDialog::AddField(QGridLayout* grid, int row, const FieldDefinition& field_definition) {
  auto* label = new QLabel(this);
  auto* field = new TDataEdit(this);
  field->SetIntegerOnly(field_definition.integer);
  if (field_definition.max) field->SetMaxVal(*field_definition.max);
  if (field_definition.min) field->SetMinVal(*field_definition.min);
  field->SetCaption(field_definition.caption);
  field->SetUnitsString(field_definition.units);
  field->SetEditLabel(label);
  field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 16);
  grid->addWidget(label, row, 0);
  grid->addWidget(field, row, 1);
  connect(field, &TDataEdit::Edited, this, [this, field] {
    edited_.insert(field);
    Changed();
  });
  return field;
}

void TChildDialog::Show(TDataEdit* field, framework::EntryNumber value) {
  // Limits apply to entries, not to what the file holds: a stored value beyond them
  // is shown as it is.
  field->setText(ToQt(framework::FormatEntry(value)));
  edited_.remove(field);
}

std::optional<framework::EntryNumber> TChildDialog::EditedValue(TDataEdit* field) const {
  if (!edited_.contains(field)) return std::nullopt;
  try {
    return field->Number();
  } catch (...) {
    return std::nullopt;  // refused entries never reach the model
  }
}

void TChildDialog::Changed() {
  if (!filling_) model_->SetModified(true);
}

void TChildDialog::ActivateForm() {
  filling_ = true;
  RunGuarded(this, "Showing the values", [this] { Fill(); });
  filling_ = false;
}

// Only an entry the user typed is checked: a value shown from the problem (a file's
// 0 increments, say) is no entry and is not committed either.
bool TChildDialog::ValidateFocusedField() {
  auto* field = qobject_cast<TDataEdit*>(focused_.data());
  return !field || !field->isEnabled() || !edited_.contains(field) || field->ValidateEntry();
}

bool TChildDialog::DeactivateForm() {
  if (!ValidateFocusedField()) return false;
  return RunGuarded(this, "Committing the values", [this] { Commit(); });
}

bool TChildDialog::CanDeactivate() const {
  auto* field = qobject_cast<TDataEdit*>(focused_.data());
  return !field || !field->isEnabled() || !edited_.contains(field) || field->EntryAcceptable();
}

void TChildDialog::closeEvent(QCloseEvent* event) {
  if (!discard_ && !DeactivateForm()) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace veldra::gui
