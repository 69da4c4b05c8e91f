// The about box: product, description, version, today's date and the release date.
#ifndef VELDRA_GUI_DIALOGS_ABOUT_BOX_H
#define VELDRA_GUI_DIALOGS_ABOUT_BOX_H

#include <QDialog>

namespace veldra::gui {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);
};

// Shows the about box modally, centred on the screen.
void ShowAboutBox(QWidget* parent);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_DIALOGS_ABOUT_BOX_H
