#include "gui/dialogs/about_box.h"

#include <QDate>
#include <QDialogButtonBox>
#include <QFont>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QScreen>
#include <QVBoxLayout>

#include "app/about_info.h"
#include "app/file_commands.h"

namespace veldra::gui {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("About Veldra"));
  auto* layout = new QVBoxLayout(this);
  auto* product = new QLabel(QString::fromLatin1(app::kProductName), this);
  QFont big = product->font();
  big.setPointSizeF(big.pointSizeF() * 2);
  big.setBold(true);
  product->setFont(big);
  layout->addWidget(product, 0, Qt::AlignHCenter);
  layout->addWidget(new QLabel(QString::fromLatin1(app::kProductDescription), this), 0, Qt::AlignHCenter);
  layout->addSpacing(8);
  layout->addWidget(new QLabel(QStringLiteral("Version ") + QString::fromLatin1(app::kVersionText), this), 0,
                    Qt::AlignHCenter);
  const QLocale locale;
  const app::CalendarDate release = app::ParseReleaseDate(app::kReleaseDateText);
  layout->addWidget(new QLabel(QStringLiteral("Date: ") + locale.toString(QDate::currentDate(), QLocale::ShortFormat),
                               this),
                    0, Qt::AlignHCenter);
  layout->addWidget(
      new QLabel(QStringLiteral("Release date: ") +
                     locale.toString(QDate(release.year, release.month, release.day), QLocale::ShortFormat),
                 this),
      0, Qt::AlignHCenter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(QWidget* parent) {
  TAboutBox box(parent);
  box.adjustSize();
  if (QScreen* screen = QGuiApplication::primaryScreen())
    box.move(screen->availableGeometry().center() - box.rect().center());
  box.exec();
}

}  // namespace veldra::gui
