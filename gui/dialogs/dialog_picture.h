// The explanatory drawings of the input dialogs, painted at their own size.
#ifndef VELDRA_GUI_DIALOGS_DIALOG_PICTURE_H
#define VELDRA_GUI_DIALOGS_DIALOG_PICTURE_H

#include <QWidget>

namespace veldra::gui {

enum class PictureKind { kWallConfiguration, kSurcharge, kConcentratedLoads, kSprings, kTieback };

class TDialogPicture : public QWidget {
  Q_OBJECT

 public:
  explicit TDialogPicture(PictureKind kind, QWidget* parent = nullptr);
  QSize sizeHint() const override;
  QSize minimumSizeHint() const override { return sizeHint(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  PictureKind kind_;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_DIALOG_PICTURE_H
