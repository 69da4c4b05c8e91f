#include "app/main_model.h"

namespace veldra::app {

TMainModel::TMainModel() { problem_ = std::make_unique<TProgramData>(*this); }

TMainModel::~TMainModel() = default;

void TMainModel::NewProblem() {
  // The old problem goes first: there is never more than one.
  problem_.reset();
  problem_ = std::make_unique<TProgramData>(*this);
}

bool TMainModel::IsModified() const {
  if (modified_) return true;
  for (const auto& [name, table] : tables_.All())
    if (table->IsChanged()) return true;
  return false;
}

void TMainModel::SetModified(bool modified) {
  modified_ = modified;
  if (modified) return;
  for (const auto& [name, table] : tables_.All()) table->SetChanged(false);
}

void TMainModel::CloseChildWindows() {
  for (const auto& [name, table] : tables_.All()) table->CloseWindow();
  if (OnCloseChildWindows) OnCloseChildWindows();
}

void TMainModel::ClearTables() {
  for (const auto& [name, table] : tables_.All()) table->SetRowCount(0);
}

void TMainModel::ResetTables() {
  ClearTables();
  PadTablesToMinimum();
}

void TMainModel::PadTablesToMinimum() {
  // Templates first (All() lists them first), so that the rows of the other tables
  // are made from complete templates.
  for (const auto& [name, table] : tables_.All())
    if (table->RowCount() == 0) table->SetRowCount(table->MinRows());
}

}  // namespace veldra::app
