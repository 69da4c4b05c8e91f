// TDlgSideView: the "Side View" child window, a schematic elevation of the problem
// drawn from app::views::SideViewGeometry. It only reads the model. The depth under
// the mouse shows in its caption; "Print" puts the same picture on one landscape page.
#ifndef VELDRA_GUI_VIEWS_SIDE_VIEW_WINDOW_H
#define VELDRA_GUI_VIEWS_SIDE_VIEW_WINDOW_H

#include <QWidget>

#include "app/views/side_view_geometry.h"

class QPrinter;
class QPushButton;

namespace veldra::app {
class TMainModel;
}

namespace veldra::gui {

class SideViewCanvas;

inline constexpr const char* kSideViewCaption = "Side View";
inline constexpr const char* kSideViewDocumentTitle = "Soil-Pile Profile";

class TDlgSideView : public QWidget {
  Q_OBJECT

 public:
  // Deletes itself when closed.
  explicit TDlgSideView(const app::TMainModel& model, QWidget* parent = nullptr);

  // The window's activation: rebuild the outline from the model, fit, resize and
  // repaint. An error closes the view after its message box.
  void Activate();

  // The picture on one page: landscape, document title "Soil-Pile Profile", scaled
  // to the page within a letter-size area less margins, proportions kept.
  void PrintTo(QPrinter& printer) const;

  const app::views::SideViewGeometry& Geometry() const { return geometry_; }
  QWidget* Canvas() const;

 signals:
  // The window is closing: the main window clears its open flag.
  void closed();

 public slots:
  // Asks for a printer, then prints.
  void Print();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  friend class SideViewCanvas;
  void CanvasResized(QSize size);
  void MouseMovedTo(QPoint at);

  const app::TMainModel& model_;
  app::views::SideViewGeometry geometry_;
  SideViewCanvas* canvas_;
  QPushButton* print_;
  bool activation_hooked_ = false;
};

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_SIDE_VIEW_WINDOW_H
