// The 3D view of the analysed anchored example under a real (virtual) display:
// rendered, rotated and zoomed with the mouse, read back; and its deformed-shape
// dialog. Run under xvfb-run with Mesa's software renderer.
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "gui/views/deformed_shape_dialog.h"
#include "gui/views/gl_format.h"
#include "gui/views/gl_scene_widget.h"
#include "gui/views/view_3d_window.h"
#include "tests/gui/views/example_with_results.h"
#include "tests/gui/views/frame_checks.h"

namespace veldra::gui::test {

namespace views = veldra::app::views;

class View3DWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    example_ = OpenExample("anchored-wall-generated-soil.vd5d");
    view_ = new TDlgBlock(example_->model, example_->graphs);
    view_->resize(640, 480);
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_));
    QVERIFY2(view_->GlWindow(), qPrintable(view_->OpenGLProblem()));
  }

  void cleanup() {
    delete view_;
    example_.reset();
  }

  void rotatedAndZoomedFrameShowsTheScene() {
    const QImage first = view_->GrabFrame();
    const FrameContent straight = ContentOf(first, qRgb(255, 255, 255));
    QVERIFY2(straight.drawn_fraction > 0.05, qPrintable(QString::number(straight.drawn_fraction)));
    QVERIFY(straight.colours > 20);

    // Rotate by dragging across half the control, then zoom in twice.
    view_->Command(View3DCommand::kRotating, true);  // the toolbar's "Rotating" button
    TglWindow* gl = view_->GlWindow();
    Drag(gl, QPoint(200, 240), QPoint(200 + gl->width() / 2, 200));
    QVERIFY(std::abs(view_->State().az) > 30);
    view_->Command(View3DCommand::kZoomIn, false);
    view_->Command(View3DCommand::kZoomIn, false);
    QCOMPARE(view_->State().zoom, 1.4142 * 1.4142);

    const QImage turned = view_->GrabFrame();
    const FrameContent content = ContentOf(turned, qRgb(255, 255, 255));
    QVERIFY2(content.drawn_fraction > 0.05, qPrintable(QString::number(content.drawn_fraction)));
    QVERIFY(content.colours > 20);
    QVERIFY(turned != first);
  }

  void hidingEverythingLeavesTheBackground() {
    for (std::size_t i = 0; i < views::kShowItemCount; ++i) view_->ToggleShow(static_cast<views::ShowItem>(i));
    const FrameContent content = ContentOf(view_->GrabFrame(), qRgb(255, 255, 255));
    QCOMPARE(content.drawn_fraction, 0.0);
  }

  void deformedShapeDialogStepsTheFactor() {
    QVERIFY(view_->DeformedShapeAvailable());
    view_->ShowDeformedShapeDialog();
    TDlgDeformedShape* dialog = view_->DeformedShapeDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Deformed Shape"));
    // Until the deformed shape is shown, its settings are disabled.
    QVERIFY(!dialog->Up()->isEnabled());
    QVERIFY(!dialog->ShowUndeformed()->isEnabled());
    const QImage straight = view_->GrabFrame();

    dialog->ShowDeformed()->setChecked(true);
    QVERIFY(view_->State().scene.deformed);
    QVERIFY(dialog->Up()->isEnabled() && dialog->Factor()->isEnabled());
    dialog->Factor()->clear();
    QTest::keyClicks(dialog->Factor(), "3");
    QCOMPARE(view_->State().scene.deformation_factor, 3.0);
    QTest::mouseClick(dialog->Up(), Qt::LeftButton);
    QCOMPARE(view_->State().scene.deformation_factor, 4.0);
    QCOMPARE(dialog->Factor()->text(), QStringLiteral("4"));
    // Large enough to see the 0.1 in deflections of a 45 ft wall.
    dialog->Factor()->clear();
    QTest::keyClicks(dialog->Factor(), "2000");
    QCOMPARE(view_->State().scene.deformation_factor, 2000.0);
    QVERIFY(view_->GrabFrame() != straight);

    QVERIFY(view_->Shown(View3DItem::kDeformedShape));  // the menu item's tick
  }

 private:
  static void Send(QWidget* w, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent event(type, at, w->mapToGlobal(at), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
  }
  static void Drag(QWidget* w, QPoint from, QPoint to) {
    Send(w, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
    Send(w, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, Qt::LeftButton);
    Send(w, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
    Send(w, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
  }

  std::unique_ptr<ExampleWithResults> example_;
  TDlgBlock* view_ = nullptr;
};

}  // namespace veldra::gui::test

int main(int argc, char** argv) {
  veldra::gui::setDefaultGlFormat();
  QApplication app(argc, argv);
  veldra::gui::test::View3DWindowTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "view_3d_window_test.moc"
