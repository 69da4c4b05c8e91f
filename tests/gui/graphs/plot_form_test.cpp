// The graph window as a user drives it: opening, zoom, the pointer read-out, the
// legend, the Plot menu and its dialogs, saving and printing.
#include <QAction>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include "framework/graph_scene.h"
#include "gui/graphs/graph_dialogs.h"
#include "gui/graphs/graph_output.h"
#include "gui/graphs/graph_windows.h"
#include "gui/graphs/plot_canvas.h"
#include "gui/graphs/plot_form.h"
#include "gui/graphs/plot_legend.h"
#include "gui/widgets/data_edit.h"
#include "tests/gui/graphs/graph_test_support.h"

namespace veldra::gui::test {

using fw::CurveList;

class PlotFormTest : public QObject {
  Q_OBJECT

 private:
  // An open window of 800 x 600 over `graph`.
  static std::unique_ptr<TPlotForm> Open(fw::TGraphPlot& graph) {
    auto form = std::make_unique<TPlotForm>(graph);
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    form->resize(800, 600);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return nullptr;
    return form;
  }

  static QPoint PixelOf(const TPlotForm& form, fw::EntryNumber x, fw::EntryNumber y) {
    const fw::PixelRect panel = form.Canvas()->Layout().panels.front();
    const fw::ViewSpan& span = form.Canvas()->Shown().front();
    return {static_cast<int>(std::lround(static_cast<double>(fw::PixelOfX(panel, span.x, x)))),
            static_cast<int>(std::lround(static_cast<double>(fw::PixelOfY(panel, span.y, form.Graph().XOnTop, y))))};
  }

  static void Drag(QWidget* canvas, QPoint from, QPoint to) {
    QTest::mousePress(canvas, Qt::LeftButton, {}, from);
    QTest::mouseMove(canvas, to);
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, to);
  }

 private slots:
  void OpensWithAtMostTwentyActiveCurvesAndTheDialogActivatesTheOthers() {
    fw::TGraphPlot graph;
    Fill(graph, 25, 3);
    auto form = Open(graph);
    QVERIFY(form);
    QCOMPARE(form->Legend()->Entries().size(), std::size_t{20});
    QVERIFY(form->Action(QStringLiteral("Curve #20")) != nullptr);
    QVERIFY(form->Action(QStringLiteral("Curve #21")) == nullptr);
    QVERIFY(!graph.CurveAt(CurveList::kMain, 24).Active);

    QStringList lines;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TfrmActiveLines*>(modal);
      QVERIFY(dialog != nullptr);
      for (int i = 0; i < dialog->List()->count(); ++i) lines << dialog->List()->item(i)->text();
      dialog->ActivateAll();
      dialog->accept();
    });
    form->Action(QStringLiteral("&Active Curves"))->trigger();
    QCOMPARE(lines.size(), 25);
    QCOMPARE(lines[19], QStringLiteral(" yes :    Curve #20"));
    QCOMPARE(lines[20], QStringLiteral(" no  :    Curve #21"));
    QCOMPARE(form->Legend()->Entries().size(), std::size_t{25});
    QVERIFY(form->Action(QStringLiteral("Curve #25")) != nullptr);
    // The 18th active curve takes the palette's first colour again.
    QCOMPARE(form->Legend()->Entries()[17].color, fw::ActiveCurveColor(0));
  }

  void RubberBandZoomStopsAtATwentiethOfTheRange() {
    fw::TGraphPlot graph;
    Fill(graph, 1, 11);  // x 0 to 1, depth 0 to 10
    auto form = Open(graph);
    QVERIFY(form);
    QWidget* canvas = form->Canvas();
    const fw::ViewSpan full = form->Canvas()->Full().front();
    QCOMPARE(full.x, (fw::AxisSpan{0, 1}));

    // A band of no width zooms nothing.
    Drag(canvas, PixelOf(*form, 0.4L, 2), PixelOf(*form, 0.4L, 8));
    QCOMPARE(form->Canvas()->Shown().front(), full);
    QVERIFY(form->Canvas()->Band().isNull());

    // A hundredth of the x range becomes a twentieth round its centre; the depth
    // selection is taken as it is, to the pixel.
    const QPoint from = PixelOf(*form, 0.40L, 2);
    const QPoint to = PixelOf(*form, 0.41L, 8);
    QVERIFY(to.x() > from.x());
    Drag(canvas, from, to);
    const fw::ViewSpan zoomed = form->Canvas()->Shown().front();
    QCOMPARE(static_cast<double>(zoomed.x.Width()), 0.05);
    QVERIFY(std::fabs(static_cast<double>(zoomed.x.min + zoomed.x.max) / 2 - 0.405) < 0.005);
    QVERIFY(std::fabs(static_cast<double>(zoomed.y.min) - 2) < 0.05);
    QVERIFY(std::fabs(static_cast<double>(zoomed.y.max) - 8) < 0.05);

    // Right clicks double the range until it is full; after that they change nothing.
    for (int click = 0; click < 6; ++click) QTest::mouseClick(canvas, Qt::RightButton, {}, PixelOf(*form, 0.9L, 9));
    QCOMPARE(form->Canvas()->Shown().front(), full);
    QTest::mouseClick(canvas, Qt::RightButton, {}, PixelOf(*form, 0.5L, 5));
    QCOMPARE(form->Canvas()->Shown().front(), full);
  }

  void ThreePanelsDoNotZoom() {
    fw::TGraphPlot graph;
    graph.ShowThree = true;
    Fill(graph, 1, 11, CurveList::kMain);
    Fill(graph, 1, 11, CurveList::kPanel2);
    Fill(graph, 1, 11, CurveList::kPanel3);
    auto form = Open(graph);
    QVERIFY(form);
    const auto full = form->Canvas()->Full();
    QCOMPARE(full.size(), std::size_t{3});
    const fw::PixelRect first = form->Canvas()->Layout().panels.front();
    Drag(form->Canvas(), {first.left + 5, first.top + 5}, {first.left + 40, first.top + 60});
    QCOMPARE(form->Canvas()->Shown(), full);
  }

  void ThePointerIsReadOutInTheTitle() {
    fw::TGraphPlot graph;
    graph.Caption = "Moment vs Depth";
    graph.ShowThree = true;
    Fill(graph, 1, 11, CurveList::kMain);
    Fill(graph, 1, 11, CurveList::kPanel2);
    Fill(graph, 2, 11, CurveList::kPanel3);  // x 0 to 2
    auto form = Open(graph);
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QStringLiteral("Moment vs Depth"));
    // The middle of the third panel: x 1, depth 5.
    const fw::PixelRect third = form->Canvas()->Layout().panels[2];
    const QPoint at((third.left + third.right) / 2, (third.top + third.bottom) / 2);
    QTest::mouseMove(form->Canvas(), at);
    const fw::ViewSpan span = form->Canvas()->Shown()[2];
    const QString expected = QString::fromStdString(
        fw::PointerReadout(graph, fw::ValueAtX(third, span.x, at.x()), fw::ValueAtY(third, span.y, true, at.y())));
    QCOMPARE(form->windowTitle(), expected);
    QVERIFY(expected.startsWith(QStringLiteral("Moment vs Depth X: 1")));
  }

  void TheLegendTogglesCurvesAndStaysInside() {
    fw::TGraphPlot graph;
    graph.CurveName = "Load #";
    Fill(graph, 2, 5);
    auto form = Open(graph);
    QVERIFY(form);
    TPlotLegend* legend = form->Legend();
    QVERIFY(legend->isVisible());
    QCOMPARE(QString::fromStdString(legend->Entries()[0].ScreenText()), QStringLiteral("Load #1 *"));
    // It starts at the plot area's bottom-right corner.
    const fw::PixelRect plot = form->Canvas()->Layout().plot;
    QCOMPARE(legend->geometry().bottomRight(), QPoint(plot.right - 1, plot.bottom - 1));

    QTest::mouseDClick(legend, Qt::LeftButton, {}, QPoint(5, legend->ItemHeight() / 2 + 1));
    QVERIFY(!graph.CurveAt(CurveList::kMain, 0).Shown);
    QCOMPARE(QString::fromStdString(legend->Entries()[0].ScreenText()), QStringLiteral("Load #1"));
    form->UpdateMenu();
    QVERIFY(!form->Action(QStringLiteral("Load #1"))->isChecked());
    form->Action(QStringLiteral("Load #1"))->trigger();
    QVERIFY(graph.CurveAt(CurveList::kMain, 0).Shown);

    // Dragged far past the window's corner, it stops at the edge.
    QTest::mousePress(legend, Qt::LeftButton, {}, QPoint(3, 3));
    QTest::mouseMove(legend, QPoint(3000, 3000));
    QTest::mouseRelease(legend, Qt::LeftButton, {}, QPoint(3000, 3000));
    QCOMPARE(legend->geometry().bottomRight(),
             QPoint(form->Canvas()->width() - 1, form->Canvas()->height() - 1));
  }

  void ALegendSwitchedOffCanBeShownAfterReopening() {
    fw::TGraphPlot graph;
    Fill(graph, 2, 5);
    {
      auto form = Open(graph);
      QVERIFY(form);
      form->Action(QStringLiteral("Show &Legend"))->trigger();
      QVERIFY(!graph.ShowLegend);
      QVERIFY(!form->Legend()->isVisible());
    }
    auto form = Open(graph);
    QVERIFY(form);
    form->UpdateMenu();
    QAction* legend = form->Action(QStringLiteral("Show &Legend"));
    QVERIFY(legend->isVisible());
    QVERIFY(!legend->isChecked());
    legend->trigger();
    QVERIFY(form->Legend()->isVisible());
  }

  void TheMenuFollowsTheGraphsSettings() {
    fw::TGraphPlot graph;
    Fill(graph, 2, 5);
    graph.SetCurveCount(CurveList::kLayers, 3);
    graph.SetPointCount(CurveList::kLayers, 1);
    graph.WallLineCount = 1;
    auto form = Open(graph);
    QVERIFY(form);
    form->UpdateMenu();
    QAction* wall = form->Action(QStringLiteral("Show &Wall Geometry"));
    QVERIFY(wall->isVisible());
    QVERIFY(!wall->isEnabled());
    form->Action(QStringLiteral("Show &Soil Layer"))->trigger();
    QVERIFY(graph.ShowLayers);
    QVERIFY(wall->isEnabled());
    QVERIFY(form->Canvas()->Layout().layers.has_value());

    form->Action(QStringLiteral("Every &5 Increments"))->trigger();
    QCOMPARE(graph.Markers, 5);
    QVERIFY(form->Action(QStringLiteral("Every &5 Increments"))->isChecked());
    QVERIFY(!form->Action(QStringLiteral("Every &Increment"))->isChecked());
    form->Action(QStringLiteral("6 * Default"))->trigger();
    QCOMPARE(graph.WidthLine, 6);

    // Twice the font: twice the legend's items, and the legend back at the corner.
    const int item = form->Legend()->ItemHeight();
    form->Action(QStringLiteral("2 * Default"))->trigger();  // the Font Size menu's
    QCOMPARE(graph.SizeFont, 20);
    QVERIFY(std::abs(form->Legend()->ItemHeight() - 2 * item) <= 1);
    const fw::PixelRect plot = form->Canvas()->Layout().plot;
    QCOMPARE(form->Legend()->geometry().bottomRight(), QPoint(plot.right - 1, plot.bottom - 1));

    graph.ShowFontWidth = false;
    form->UpdateMenu();
    QVERIFY(!form->Action(QStringLiteral("&Font Size"))->isVisible());
    QVERIFY(!form->Action(QStringLiteral("&Line Width"))->isVisible());
  }

  void EditLegendRefusesAnEmptyNameAndRenamesOnOk() {
    fw::TGraphPlot graph;
    graph.CurveName = "Load #";
    Fill(graph, 2, 5);
    auto form = Open(graph);
    QVERIFY(form);
    QString refused;
    QString after_refusal;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TfrmLineNames*>(modal);
      QVERIFY(dialog != nullptr);
      dialog->List()->setCurrentRow(1);
      dialog->Edit()->clear();
      AnswerMessageBox(&refused);
      dialog->StoreEdit();
      after_refusal = dialog->Edit()->text();
      dialog->Edit()->setText(QStringLiteral("Long-Term & wet"));
      dialog->StoreEdit();
      dialog->accept();
    });
    form->Action(QStringLiteral("&Edit Legend"))->trigger();
    QCOMPARE(refused, QStringLiteral("The line must have a name!"));
    QCOMPARE(after_refusal, QStringLiteral("Load #2"));
    QCOMPARE(graph.CurveAt(CurveList::kMain, 1).Name, std::string("Long-Term & wet"));
    QCOMPARE(QString::fromStdString(form->Legend()->Entries()[1].text), QStringLiteral("Long-Term & wet"));
    QVERIFY(form->Action(QStringLiteral("Long-Term && wet")) != nullptr);

    // Cancel changes nothing.
    WhenModal([](QWidget* modal) {
      auto* dialog = qobject_cast<TfrmLineNames*>(modal);
      dialog->Edit()->setText(QStringLiteral("other"));
      dialog->StoreEdit();
      dialog->reject();
    });
    form->Action(QStringLiteral("&Edit Legend"))->trigger();
    QCOMPARE(graph.CurveAt(CurveList::kMain, 0).DisplayName(), std::string("Load #1"));
  }

  void TheGraphTitleMovesThePlotArea() {
    fw::TGraphPlot graph;
    Fill(graph, 1, 5);
    auto form = Open(graph);
    QVERIFY(form);
    const fw::PixelRect before = form->Canvas()->Layout().plot;
    WhenModal([](QWidget* modal) {
      auto* dialog = qobject_cast<TfrmGraphCaption*>(modal);
      dialog->Edit()->setText(QStringLiteral("Wall W-1"));
      dialog->close();  // closing keeps what it shows
    });
    form->Action(QStringLiteral("&Graph Title"))->trigger();
    QCOMPARE(graph.Title, std::string("Wall W-1"));
    QVERIFY(graph.TitleAtTop);
    const fw::PixelRect after = form->Canvas()->Layout().plot;
    const int h = CanvasOf(graph, form->Canvas()->Surface()).text_height;
    QVERIFY(h > 0);
    QCOMPARE(after.top, before.top + h / 8 + h);
    QCOMPARE(after.bottom, before.bottom);
  }

  void PicturesAreWrittenWholeOrReported() {
    fw::TGraphPlot graph;
    Fill(graph, 2, 5);
    auto form = Open(graph);
    QVERIFY(form);
    QTemporaryDir dir;
    const QString bmp = dir.filePath(QStringLiteral("graph.bmp"));
    QCOMPARE(form->SavePicture(bmp, 6, 4, 72), QString());
    QImage picture(bmp);
    QCOMPARE(picture.size(), QSize(432, 288));
    QFile file(bmp);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.read(2), QByteArray("BM"));

    const QString png = dir.filePath(QStringLiteral("graph.PNG"));
    QCOMPARE(form->SavePicture(png, 2.5, 2, 100), QString());
    QFile png_file(png);
    QVERIFY(png_file.open(QIODevice::ReadOnly));
    QCOMPARE(png_file.read(4), QByteArray("\x89PNG"));
    QCOMPARE(QImage(png).size(), QSize(250, 200));

    const QString nowhere = dir.filePath(QStringLiteral("missing/graph.bmp"));
    const QString message = form->SavePicture(nowhere, 6, 4, 72);
    QVERIFY2(message.contains(nowhere), qPrintable(message));

    const QString huge = dir.filePath(QStringLiteral("huge.bmp"));
    QCOMPARE(form->SavePicture(huge, 1000, 1000, 1000), QString::fromLatin1(kNotEnoughMemory));
    QVERIFY(!QFile::exists(huge));
  }

  void SaveAttributesRefuseSizesBelowTheirLimits() {
    TdlgFormat dialog;
    dialog.show();
    QCOMPARE(dialog.WidthInches(), 6.0);
    QCOMPARE(dialog.HeightInches(), 4.0);
    QCOMPARE(dialog.PixelsPerInch(), 72);
    dialog.PixelsField()->setText(QStringLiteral("9"));
    QString refused;
    AnswerMessageBox(&refused);
    dialog.accept();
    QVERIFY(refused.startsWith(QStringLiteral("Entry must be greater than or equal to 10")));
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(dialog.isVisible());
    // Expressions are entries too: 2*1.5 inches.
    dialog.PixelsField()->setText(QStringLiteral("100"));
    dialog.HeightField()->setText(QStringLiteral("2*1.5"));
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.HeightInches(), 3.0);
    QCOMPARE(dialog.PixelsPerInch(), 100);
  }

  void PrintsToAPdfFile() {
    fw::TGraphPlot graph;
    graph.Caption = "Shear vs Depth";
    Fill(graph, 2, 5);
    auto form = Open(graph);
    QVERIFY(form);
    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath(QStringLiteral("graph.pdf")));
    QCOMPARE(form->PrintTo(printer), QString());
    QCOMPARE(printer.docName(), QStringLiteral("Shear vs Depth"));
    QFile pdf(printer.outputFileName());
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(4), QByteArray("%PDF"));

    printer.setOutputFileName(dir.filePath(QStringLiteral("missing/graph.pdf")));
    QVERIFY(form->PrintTo(printer).contains(QStringLiteral("missing/graph.pdf")));
  }

  void OneWindowPerGraph() {
    fw::TGraphPlot graph;
    graph.Caption = "p-y Curves";
    Fill(graph, 1, 3);
    QMdiArea area;
    area.resize(900, 700);
    area.show();
    TPlotForm* form = ShowGraph(graph, &area);
    QVERIFY(form != nullptr);
    QCOMPARE(GraphWindow(graph), form);
    auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    QVERIFY(sub != nullptr);
    QVERIFY(sub->isMaximized());
    QCOMPARE(sub->windowTitle(), QStringLiteral("p-y Curves"));
    sub->showMinimized();
    QCOMPARE(ShowGraph(graph, &area), form);
    QVERIFY(!sub->isMinimized());
    sub->close();
    QTRY_VERIFY(GraphWindow(graph) == nullptr);
    TPlotForm* again = ShowGraph(graph, &area);
    QVERIFY(again != nullptr);
    QCOMPARE(GraphWindow(graph), again);
    area.closeAllSubWindows();
    QTRY_VERIFY(GraphWindow(graph) == nullptr);
  }
};

}  // namespace veldra::gui::test

QTEST_MAIN(veldra::gui::test::PlotFormTest)
#include "plot_form_test.moc"
