// The main window's Graphics menu and diagram buttons open the graph windows, and
// "Export Plots To Excel" the export window, for an analysed staged example.
#include <QAction>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdlib>

#include "gui/graphs/export_dialog.h"
#include "gui/graphs/graph_windows.h"
#include "gui/graphs/plot_form.h"
#include "gui/graphs/plot_legend.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#include "tests/gui/graphs/graph_test_support.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;

namespace veldra::gui::test {

class GraphCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { RegisterRooms(); }

  void init() {
    settings_ = std::make_unique<IsolatedSettings>();
    dir_ = std::make_unique<QTemporaryDir>();
    data_ = dir_->filePath(QStringLiteral("three-stage-excavation.vd5d"));
    QVERIFY(QFile::copy(QStringLiteral(VELDRA_SOURCE_DIR "/examples/three-stage-excavation.vd5d"), data_));
    QFile::setPermissions(data_, QFile::ReadOwner | QFile::WriteOwner);
    const QString calc = QStringLiteral(VELDRA_BINARY_DIR "/bin/veldra-calc");
    QCOMPARE(std::system(("'" + calc + "' -q '" + data_ + "' >/dev/null").toLocal8Bit().constData()), 0);
    window_ = std::make_unique<TMainForm>();
    window_->show();
    window_->Start(QString());
    MessageBoxAnswers boxes;
    window_->OpenFileName(data_, 0);
    QCOMPARE(boxes.Texts().size(), 1);  // "... has been read by VELDRA 2015"
    QVERIFY(window_->PlotRead());
    // The File Open command refreshes the menus and buttons after opening.
    window_->UpdateActions();
  }

  void cleanup() {
    window_.reset();
    // Opening a file makes its folder the current one; leave it before it goes.
    QDir::setCurrent(QDir::tempPath());
    dir_.reset();
    settings_.reset();
  }

  void EveryGraphicsCommandOpensItsGraphOnce() {
    fw::TMainGraphs& graphs = window_->Graphs();
    const struct {
      Command command;
      Command button;  // kCount: none
      fw::TGraphPlot* graph;
    } cases[] = {{Command::kGraphPY, Command::kToolPYCurves, &graphs.pltPY},
                 {Command::kGraphDeflection, Command::kToolDeflection, &graphs.pltDef},
                 {Command::kGraphMoment, Command::kToolMoment, &graphs.pltMom},
                 {Command::kGraphShear, Command::kToolShear, &graphs.pltShear},
                 {Command::kGraphReaction, Command::kToolReaction, &graphs.pltSoil},
                 {Command::kGraphDeflectionMomentShear, Command::kToolDeflectionMomentShear, &graphs.pltDMS},
                 {Command::kGraphPressure, Command::kToolPressure, &graphs.pltLD},
                 {Command::kGraphPressureCombined, Command::kCount, &graphs.PltCombine}};
    for (const auto& c : cases) {
      QVERIFY2(window_->Action(c.command)->isEnabled(), c.graph->Caption.c_str());
      window_->Action(c.command)->trigger();
      TPlotForm* form = GraphWindow(*c.graph);
      QVERIFY2(form != nullptr, c.graph->Caption.c_str());
      auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget());
      QVERIFY(sub != nullptr);
      QCOMPARE(sub->mdiArea(), window_->MdiArea());
      QVERIFY(sub->isMaximized());
      QCOMPARE(window_->MdiArea()->activeSubWindow(), sub);
      if (c.button != Command::kCount) {
        window_->Action(c.button)->trigger();
        QCOMPARE(GraphWindow(*c.graph), form);
      }
    }
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 8);
    // The staged results name their curves by stage.
    QCOMPARE(GraphWindow(graphs.pltDef)->Legend()->Entries().size(), std::size_t{3});
    window_->CloseChildWindows();
    QTRY_VERIFY(GraphWindow(graphs.pltDef) == nullptr);
  }

  void ExportPlotsOffersTheGraphsOfTheEnabledCommands() {
    QStringList ticked;
    WhenModal([&](QWidget* modal) {
      auto* dialog = qobject_cast<TDlgExport*>(modal);
      QVERIFY(dialog != nullptr);
      for (int i = 0; i < dialog->List()->count(); ++i)
        if (dialog->List()->item(i)->checkState() == Qt::Checked) ticked << dialog->List()->item(i)->text();
      dialog->reject();
    });
    window_->Action(Command::kExportPlots)->trigger();
    QCOMPARE(ticked, (QStringList{"p-y Curves", "Deflection vs Depth", "Shear vs Depth", "Moment vs Depth",
                                  "Net Reaction vs Depth", "Earth Pressure Distribution", "Earth Pressure Combined"}));
  }

 private:
  std::unique_ptr<IsolatedSettings> settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TMainForm> window_;
  QString data_;
};

}  // namespace veldra::gui::test

QTEST_MAIN(veldra::gui::test::GraphCommandsTest)
#include "graph_commands_test.moc"
