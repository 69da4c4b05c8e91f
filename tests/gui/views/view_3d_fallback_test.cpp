// Without a display that has OpenGL windows (here Qt's offscreen platform) the 3D
// view opens, says why it cannot draw, and its commands do nothing harmful.
#include <QApplication>
#include <QLabel>
#include <QTest>

#include "app/main_model.h"
#include "framework/main_graphs.h"
#include "gui/views/gl_format.h"
#include "gui/views/view_3d_window.h"

namespace veldra::gui::test {

namespace views = veldra::app::views;

class View3DFallbackTest : public QObject {
  Q_OBJECT

 private slots:
  void saysWhyInsteadOfDrawing() {
    app::TMainModel model;
    framework::TMainGraphs graphs;
    TDlgBlock view(model, graphs);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));

    QVERIFY(!view.GlWindow());
    QVERIFY(view.OpenGLProblem().contains(QStringLiteral("offscreen")));
    const QList<QLabel*> labels = view.findChildren<QLabel*>();
    QCOMPARE(labels.size(), 1);
    QVERIFY(labels[0]->isVisible());
    QVERIFY(labels[0]->text().contains(view.OpenGLProblem()));

    view.Command(View3DCommand::kRotating, true);
    view.Command(View3DCommand::kZoomIn, false);
    view.Toggle(View3DItem::kWall);
    QVERIFY(!view.Shown(View3DItem::kWall));
    view.Command(View3DCommand::kRestartView, false);
    QVERIFY(view.GrabFrame().isNull());
    // Without results the deformed shape cannot be chosen, and its dialog does not open.
    QVERIFY(!view.DeformedShapeAvailable());
    QVERIFY(!view.Shown(View3DItem::kDeformedShape));
    view.ShowDeformedShapeDialog();
    QVERIFY(!view.DeformedShapeDialog());
  }
};

}  // namespace veldra::gui::test

int main(int argc, char** argv) {
  veldra::gui::setDefaultGlFormat();
  QApplication app(argc, argv);
  veldra::gui::test::View3DFallbackTest test;
  return QTest::qExec(&test, argc, argv);
}

#include "view_3d_fallback_test.moc"
