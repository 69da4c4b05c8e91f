#include "gui/dialogs/wall_properties_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/dialog_fields.h"
#include "app/main_tables.h"
#include "gui/widgets/data_edit.h"

namespace veldra::gui {

TWallPropertiesDialog::TWallPropertiesDialog(app::TMainModel& model, ShowTableFunction show_table, QWidget* parent)
    : TChildDialog(model, QStringLiteral("Wall Properties"), parent) {
  auto* grid = new QGridLayout(this);
  grid->setVerticalSpacing(6);
  deNI = AddField(grid, 0, {"&Increments (nodes)", "", 1, 300, true});
  deXGS = AddField(grid, 1, {"Increment Length", "L"});
  deXLN = AddField(grid, 2, {"Maximum Allowable Deflection for computation iteration", "L"});
  auto* note = new QLabel(QStringLiteral("(Approx.10% of the wall height)  "), this);
  note->setIndent(16);
  grid->addWidget(note, 3, 0);
  deSlope = AddField(grid, 4, {"Deflection Closure Tolerance", "L"});
  DeFH = AddField(grid, 5, {"Free Height of Wall", "L2"});

  grid->addItem(new QSpacerItem(0, 8), 6, 0);
  auto* stiffness = new QLabel(QStringLiteral("Wall Stiffness (EI)"), this);
  auto* section = new QPushButton(QStringLiteral("Enter Section Data"), this);
  connect(section, &QPushButton::clicked, this, [show_table] { show_table(app::WallStiffness::kName); });
  grid->addWidget(stiffness, 7, 0);
  grid->addWidget(section, 7, 1);
  grid->setSizeConstraint(QLayout::SetFixedSize);
}

void TWallPropertiesDialog::Fill() {
  const int units = problem().UnitSystem;
  for (TDataEdit* field : {deXGS, deXLN, deSlope, DeFH}) field->SetUnits(units);
  const app::WallPropertiesFields shown = app::ShownWallProperties(problem());
  Show(deNI, shown.increments);
  Show(deXGS, shown.increment_length);
  Show(deXLN, shown.max_deflection);
  Show(deSlope, shown.closure_tolerance);
  Show(DeFH, shown.free_height);
}

void TWallPropertiesDialog::Commit() {
  app::Edited<app::WallPropertiesFields> edited;
  edited.increments = EditedValue(deNI);
  edited.increment_length = EditedValue(deXGS);
  edited.max_deflection = EditedValue(deXLN);
  edited.closure_tolerance = EditedValue(deSlope);
  edited.free_height = EditedValue(DeFH);
  app::CommitWallProperties(problem(), edited);
}

}  // namespace veldra::gui
