// The views opened from the main window's menu items and buttons, and driven by the
// 3D toolbar group and the "Show 3DView" menu, over the analysed anchored example.
// Under xvfb-run: the 3D view needs an OpenGL context.
#include <QAction>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "gui/main/main_window.h"
#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/gl_format.h"
#include "gui/views/register.h"
#include "gui/views/side_view_window.h"
#include "gui/views/view_3d_window.h"
#include "tests/gui/gui_test_support.h"
#include "tests/gui/views/example_with_results.h"

namespace veldra::gui::test {

using app::Command;

class ViewsInMainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { views::Register(RegisteredChildWindows()); }

  void init() {
    settings_ = std::make_unique<IsolatedSettings>();
    dir_ = std::make_unique<QTemporaryDir>();
    QDir::setCurrent(dir_->path());
    const auto data = AnalyseExample("anchored-wall-generated-soil.vd5d", dir_->path().toStdString());
    window_ = std::make_unique<TMainForm>();
    window_->resize(1100, 800);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    MessageBoxAnswers answers;  // "Data file: ..., has been read by VELDRA 2015"
    window_->Start(QString::fromStdString(data.string()));
    QVERIFY(window_->PlotRead());
  }

  void cleanup() {
    window_->CloseChildWindows();
    window_.reset();
    dir_.reset();
    settings_.reset();
  }

  void sideViewOpensOnceFromTheMenuAndTheButton() {
    window_->Action(Command::kViewWallGeometry)->trigger();
    QCOMPARE(Count<TDlgSideView>(), 1);
    window_->Action(Command::kToolSoilProfile)->trigger();
    QCOMPARE(Count<TDlgSideView>(), 1);  // brought to the front, not opened twice
    QVERIFY(!Find<TDlgSideView>()->Geometry().Degenerate());
    Find<TDlgSideView>()->close();
    QTRY_COMPARE(Count<TDlgSideView>(), 0);
    window_->Action(Command::kToolSoilProfile)->trigger();
    QCOMPARE(Count<TDlgSideView>(), 1);
  }

  void view3DIsDrivenByTheMenuAndTheToolbar() {
    QVERIFY(!window_->Action(Command::kShow3DMenu)->isVisible());
    window_->Action(Command::kView3D)->trigger();
    TDlgBlock* view = Find<TDlgBlock>();
    QVERIFY(view);
    QVERIFY2(view->GlWindow(), qPrintable(view->OpenGLProblem()));
    QVERIFY(window_->Action(Command::kShow3DMenu)->isVisible());
    QVERIFY(window_->Action(Command::kToolRotating)->isVisible());
    QVERIFY(window_->Action(Command::kToolDeformedShape)->isEnabled());  // results are there

    window_->Action(Command::kShow3DWall)->trigger();
    QVERIFY(!view->State().Shows(app::views::ShowItem::kWall));
    window_->Action(Command::kToolZoomIn)->trigger();
    QCOMPARE(view->State().zoom, 1.4142);
    window_->Action(Command::kToolRotating)->trigger();
    QCOMPARE(view->State().mode, app::views::MouseMode::kRotating);
    window_->Action(Command::kToolZoomWindow)->trigger();
    QVERIFY(view->State().zoom_window);
    window_->Action(Command::kToolRestartView)->trigger();
    QCOMPARE(view->State().zoom, 1.0);
    window_->Action(Command::kToolDeformedShape)->trigger();
    QVERIFY(view->DeformedShapeDialog() && view->DeformedShapeDialog()->isVisible());

    view->close();
    QTRY_COMPARE(Count<TDlgBlock>(), 0);
    QVERIFY(!window_->Action(Command::kShow3DMenu)->isVisible());
    QVERIFY(!window_->Action(Command::kToolRotating)->isVisible());
  }

 private:
  template <class W>
  W* Find() const {
    for (QMdiSubWindow* sub : window_->MdiArea()->subWindowList())
      if (auto* w = qobject_cast<W*>(sub->widget())) return w;
    return nullptr;
  }
  template <class W>
  int Count() const {
    int n = 0;
    for (QMdiSubWindow* sub : window_->MdiArea()->subWindowList())
      if (qobject_cast<W*>(sub->widget())) ++n;
    return n;
  }

  std::unique_ptr<IsolatedSettings> settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TMainForm> window_;
};

}  // namespace veldra::gui::test

int main(int argc, char** argv) {
  veldra::gui::setDefaultGlFormat();
  QApplication app(argc, argv);
  veldra::gui::test::ViewsInMainWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "views_in_main_window_test.moc"
