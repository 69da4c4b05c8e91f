#include "gui/views/register.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

#include "gui/views/side_view_window.h"
#include "gui/views/view_3d_window.h"

namespace veldra::gui::views {

namespace {

// The open flags of the two single-instance windows: the view while it lives.
QPointer<TDlgSideView>& SideViewWindow() {
  static QPointer<TDlgSideView> window;
  return window;
}
QPointer<TDlgBlock>& View3DWindow() {
  static QPointer<TDlgBlock> window;
  return window;
}

bool BringToFront(ChildHost& host, QWidget* view) {
  auto* sub = view ? qobject_cast<QMdiSubWindow*>(view->parentWidget()) : nullptr;
  if (!sub) return false;
  sub->showNormal();
  host.MdiArea()->setActiveSubWindow(sub);
  return true;
}

// The mouse-mode buttons keep their state between two openings of the view; the new
// view starts in the mode whose button is down.
void TakeMouseModeFromButtons(ChildHost& host, TDlgBlock& view) {
  const struct {
    const char* caption;
    app::views::MouseMode mode;
  } modes[] = {{"Panning", app::views::MouseMode::kPanning},
               {"Zooming", app::views::MouseMode::kZooming},
               {"Rotating", app::views::MouseMode::kRotating}};
  for (QAction* action : host.MainWindow()->findChildren<QAction*>()) {
    if (!action->isCheckable() || !action->isChecked()) continue;
    for (const auto& m : modes)
      if (action->text() == QLatin1String(m.caption)) view.SetMouseMode(m.mode);
    if (action->text() == QLatin1String("Zoom Window")) view.SetZoomWindow(true);
  }
}

}  // namespace

void ShowSideView(ChildHost& host) {
  QPointer<TDlgSideView>& open = SideViewWindow();
  if (BringToFront(host, open)) return;
  open = new TDlgSideView(host.Model());
  host.AddChild(open);
}

void Open3DView(ChildHost& host) {
  QPointer<TDlgBlock>& open = View3DWindow();
  if (BringToFront(host, open)) return;
  auto* view = new TDlgBlock(host.Model(), host.Graphs());
  open = view;
  TakeMouseModeFromButtons(host, *view);
  // Set3DView(nullptr) hides the "Show 3DView" menu and the 3D buttons again.
  QObject::connect(view, &TDlgBlock::closed, view, [&host] { host.Set3DView(nullptr); });
  host.AddChild(view);
  host.Set3DView(view);
}

void Register(ChildWindows& windows) {
  windows.showSideView = ShowSideView;
  windows.open3DView = Open3DView;
}

}  // namespace veldra::gui::views
