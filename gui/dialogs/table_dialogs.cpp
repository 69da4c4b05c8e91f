#include "gui/dialogs/table_dialogs.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/main_tables.h"

namespace veldra::gui {

namespace fw = veldra::framework;

TTableDialog::TTableDialog(app::TMainModel& model, const Definition& definition, ShowTableFunction show_table, QWidget* parent)
    : TChildDialog(model, QString::fromUtf8(definition.caption), parent), option_(definition.option) {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new TDialogPicture(definition.picture, this), 0, Qt::AlignHCenter);
  auto* row = new QHBoxLayout;
  if (option_) {
    check_ = new QCheckBox(QString::fromUtf8(definition.check_box), this);
    row->addWidget(check_);
    connect(check_, &QCheckBox::clicked, this, &TTableDialog::Toggled);
  }
  row->addStretch(1);
  button_ = new QPushButton(QString::fromUtf8(definition.button), this);
  const char* table = definition.table;
  connect(button_, &QPushButton::clicked, this, [show_table, table] { show_table(table); });
  row->addWidget(button_);
  layout->addLayout(row);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TTableDialog::Toggled(bool on) {
  button_->setEnabled(on);
  // Clearing the box empties the table at once, as turning the option off does.
  if (!on) problem().SetApplyOption(*option_, false);
  Changed();
}

void TTableDialog::Fill() {
  if (!option_) return;
  const bool on = problem().ApplyOptionValue(*option_);
  check_->setChecked(on);
  button_->setEnabled(on);
}

void TTableDialog::Commit() {
  if (option_) problem().SetApplyOption(*option_, check_->isChecked());
}

TTableDialog* NewSurchargeDialog(app::TMainModel& model, ShowTableFunction show_table) {
  return new TTableDialog(model,
                          {"Additional Surcharge", PictureKind::kSurcharge, "&Edit Surcharge Loads",
                           app::Surcharges::kName, std::nullopt},
                          std::move(show_table));
}

TTableDialog* NewConcentratedLoadsDialog(app::TMainModel& model, ShowTableFunction show_table) {
  return new TTableDialog(model,
                          {"Concentrated Loads", PictureKind::kConcentratedLoads, "&Edit Concentrated Loads",
                           app::ConcentratedLoads::kName, app::ApplyOption::kConcentratedLoads, "Apply &Concentrated Loads"},
                          std::move(show_table));
}

TTableDialog* NewSpringsDialog(app::TMainModel& model, ShowTableFunction show_table) {
  return new TTableDialog(model,
                          {"Lateral & Rotational Springs", PictureKind::kSprings, "&Edit Spring Stiffness",
                           app::Springs::kName, app::ApplyOption::kSprings, "&Lateral and Rotational Springs"},
                          std::move(show_table));
}

TTableDialog* NewTiebackDialog(app::TMainModel& model, ShowTableFunction show_table) {
  return new TTableDialog(model,
                          {"Tieback (Ground Anchor)", PictureKind::kTieback, "&Enter Tieback data",
                           app::Tiebacks::kName, std::nullopt},
                          std::move(show_table));
}

}  // namespace veldra::gui
