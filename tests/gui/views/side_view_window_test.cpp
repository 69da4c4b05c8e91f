// The side view window over the analysed anchored example: its caption reads the
// depth under the mouse, it paints the picture, and it prints one landscape page.
#include <QApplication>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "app/main_model.h"
#include "gui/views/side_view_window.h"
#include "tests/gui/views/example_with_results.h"
#include "tests/gui/views/frame_checks.h"

namespace veldra::gui::test {

namespace views = veldra::app::views;

class SideViewWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    example_ = OpenExample("anchored-wall-generated-soil.vd5d");
    view_ = new TDlgSideView(example_->model);
    view_->resize(600, 700);
    view_->show();
    QVERIFY(QTest::qWaitForWindowExposed(view_));
  }

  void cleanup() {
    delete view_;
    example_.reset();
  }

  void captionReadsTheDepthUnderTheMouse() {
    QCOMPARE(view_->windowTitle(), QStringLiteral("Side View"));
    const views::SideViewGeometry& geometry = view_->Geometry();
    QCOMPARE(geometry.Client().width, view_->Canvas()->width());
    const views::WorldWindow& w = geometry.Drawing();
    const double inches_per_pixel = (w.ymax - w.ymin) / view_->Canvas()->height();
    const double margin = geometry.Input().Margin();  // 54 in
    struct Place {
      double depth;  // in
    } places[] = {{0}, {360}, {540}};  // the ground, the excavation level, the tip
    for (const Place& place : places) {
      const views::ClientPoint at = w.ToClient({0, margin + place.depth}, geometry.Client());
      MoveTo(QPoint(at.x, at.y));
      const QString caption = view_->windowTitle();
      QVERIFY2(caption.startsWith(QStringLiteral("  Depth: ")), qPrintable(caption));
      const double shown = caption.mid(9).toDouble();
      QVERIFY2(std::abs(shown - place.depth) <= inches_per_pixel, qPrintable(caption));
    }
  }

  void paintsTheWallAndItsLayers() {
    const QImage picture = view_->Canvas()->grab().toImage();
    const QRgb background = view_->Canvas()->palette().color(QPalette::Window).rgb();
    const FrameContent content = ContentOf(picture, background);
    QVERIFY2(content.drawn_fraction > 0.01, qPrintable(QString::number(content.drawn_fraction)));
    // The wall is a solid bar down the middle of the canvas.
    const QColor text = view_->Canvas()->palette().color(QPalette::WindowText);
    QCOMPARE(picture.pixelColor(view_->Canvas()->width() / 2, view_->Canvas()->height() / 2), text);
  }

  void printsOneLandscapePage() {
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("profile.pdf")));
    view_->PrintTo(printer);
    QCOMPARE(printer.pageLayout().orientation(), QPageLayout::Landscape);
    QCOMPARE(printer.docName(), QStringLiteral("Soil-Pile Profile"));
    QVERIFY(QFileInfo(printer.outputFileName()).size() > 1000);
  }

  void wallWithoutLengthShowsNoDepth() {
    app::TMainModel empty;
    TDlgSideView view(empty);
    view.setAttribute(Qt::WA_DeleteOnClose, false);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(view.Geometry().Degenerate());
    QMouseEvent move(QEvent::MouseMove, QPointF(50, 50), view.Canvas()->mapToGlobal(QPointF(50, 50)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(view.Canvas(), &move);
    QCOMPARE(view.windowTitle(), QStringLiteral("Side View"));
  }

 private:
  void MoveTo(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, view_->Canvas()->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(view_->Canvas(), &move);
  }

  std::unique_ptr<ExampleWithResults> example_;
  TDlgSideView* view_ = nullptr;
};

}  // namespace veldra::gui::test

QTEST_MAIN(veldra::gui::test::SideViewWindowTest)
#include "side_view_window_test.moc"
