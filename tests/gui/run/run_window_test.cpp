// "Run Analysis", the stage buttons, the Stage menu and the staged-construction
// dialog driven through the main window as a user drives them; the model, the files
// and the window's actions checked afterwards.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "app/file_commands.h"
#include "app/run/analysis_run.h"
#include "app/stage_files.h"
#include "gui/core/child_windows.h"
#include "gui/main/main_window.h"
#include "gui/run/register.h"
#include "gui/run/stage_commands.h"
#include "gui/run/staged_construction_dialog.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;
using veldra::gui::TDlgStagedConstruction;
using veldra::gui::TMainForm;
using veldra::gui::test::IsolatedSettings;
using veldra::gui::test::MessageBoxAnswers;
namespace fs = std::filesystem;
namespace app = veldra::app;
namespace fw = veldra::framework;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Works on the staged-construction dialog once it shows as a modal dialog.
void WhenModalDialogShows(std::function<void(TDlgStagedConstruction&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(5);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    auto* dialog = qobject_cast<TDlgStagedConstruction*>(QApplication::activeModalWidget());
    if (!dialog) return;
    timer->stop();
    timer->deleteLater();
    act(*dialog);
  });
  timer->start();
}

// Sets the dialog to `stages` and presses OK.
void ChooseStages(TDlgStagedConstruction& dialog, int stages) {
  if (dialog.StagedCheckBox()->isChecked() != (stages > 1)) dialog.StagedCheckBox()->click();
  if (stages > 1) dialog.CountField()->setValue(stages);
  dialog.OkButton()->click();
}

}  // namespace

class RunWindowTest : public QObject {
  Q_OBJECT

 private:
  QAction* Action(Command command) const { return window_->Action(command); }
  veldra::app::TProgramData& Problem() const { return window_->Model().Problem(); }
  fs::path Stage(int n) const { return veldra::app::StageFilePath(Problem().FileName, n); }

  void Open(const char* example) {
    const QString file = dir_->filePath(QLatin1String(example));
    QFile::copy(QStringLiteral(VELDRA_SOURCE_DIR "/examples/") + QLatin1String(example), file);
    QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
    MessageBoxAnswers boxes;  // "... has been read by VELDRA 2015"
    window_->OpenFileName(file, 0);
    window_->UpdateActions();  // as every command of the window ends
  }

  void Run() {
    MessageBoxAnswers boxes;
    Action(Command::kRunAnalysis)->trigger();
    QCOMPARE(boxes.Take(), QStringList{QString::fromLatin1(veldra::app::kRunCompletedMessage)});
  }

 private slots:
  void initTestCase() { veldra::gui::run::Register(veldra::gui::RegisteredChildWindows()); }

  void init() {
    settings_ = std::make_unique<IsolatedSettings>();
    dir_ = std::make_unique<QTemporaryDir>();
    // The engine's run folder goes below the test's folder.
    QDir(dir_->path()).mkdir(QStringLiteral("runtime"));
    QFile::setPermissions(dir_->filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner |
                                                                          QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", dir_->filePath(QStringLiteral("runtime")).toLocal8Bit());
    QDir::setCurrent(dir_->path());
    window_ = std::make_unique<TMainForm>();
    window_->show();
    window_->Start(QString());
  }

  void cleanup() {
    window_.reset();
    dir_.reset();
    settings_.reset();
  }

  void runAnalysisEnablesTheDiagramButtonsAndTheGraphics() {
    Open("cantilever-sheet-pile-wall.vd5d");
    const Command results[] = {Command::kToolPYCurves,  Command::kToolDeflection, Command::kToolMoment,
                               Command::kToolShear,     Command::kToolReaction,   Command::kToolDeflectionMomentShear,
                               Command::kToolPressure,  Command::kGraphPY,        Command::kGraphDeflection,
                               Command::kGraphMoment,   Command::kGraphShear,     Command::kGraphReaction,
                               Command::kGraphDeflectionMomentShear, Command::kGraphPressure,
                               Command::kGraphPressureCombined};
    for (Command c : results) QVERIFY(!Action(c)->isEnabled());

    Run();

    QVERIFY(window_->PlotRead());
    for (Command c : results) QVERIFY2(Action(c)->isEnabled(), qPrintable(Action(c)->text()));
    QVERIFY(Action(Command::kToolViewOutput)->isEnabled());
    QVERIFY(QApplication::overrideCursor() == nullptr);
    // The run folder is the process's own, below the user's runtime folder, and the
    // names file is gone from it.
    const fs::path run_folder =
        fs::path(dir_->filePath(QStringLiteral("runtime")).toStdString()) / "veldra" /
        ("run-" + std::to_string(QCoreApplication::applicationPid()));
    QVERIFY(fs::is_directory(run_folder));
    QVERIFY(!fs::exists(run_folder / "NAMES.dat"));
    QCOMPARE(QDir::currentPath(), dir_->path());
  }

  void aProblemThatFailsACheckIsNotRun() {
    Open("cantilever-sheet-pile-wall.vd5d");
    Problem().BackfillSlope = 45;  // steeper than any sand of the file
    Problem().SetEarthPressureOption(2);
    Problem().PressureGenerated = true;
    fw::TGridTable& soil = Problem().Table(app::SoilLayers::kName);
    soil.Cell(0, 0).SetInteger(4);
    soil.Cell(2, 0).AsTable()->Cell(1, 0).SetFloat(35);
    soil.Cell(1, 0).SetFloat(100);

    MessageBoxAnswers boxes;
    Action(Command::kRunAnalysis)->trigger();
    QCOMPARE(boxes.Take(), QStringList{QStringLiteral(
                               "Slope of the Backfill: 45 deg.\nis greater than friction angle, 35 deg.,\nin layer 1\n"
                               "Please check on Wall Configuration and Soil Layers Windows")});
    QVERIFY(!QFile::exists(dir_->filePath(QStringLiteral("cantilever-sheet-pile-wall.vd5o"))));
    QVERIFY(!Action(Command::kToolMoment)->isEnabled());
  }

  void aStagedExampleIsEditedStageByStageAndRun() {
    Open("three-stage-excavation.vd5d");
    QCOMPARE(window_->StatusText(), QStringLiteral("Construction Stage Number: 1"));
    QVERIFY(Action(Command::kToolStage3)->isVisible() && Action(Command::kToolStage3)->isEnabled());
    QVERIFY(!Action(Command::kToolStage4)->isEnabled());
    QVERIFY(Action(Command::kToolStage1)->isChecked());

    // Each stage gets a free height of its own, as the wall dialog would set it.
    const double heights[] = {66, 156, 228};
    for (int k = 1; k <= 3; ++k) {
      Action(k == 2 ? Command::kStage2 : (k == 1 ? Command::kToolStage1 : Command::kToolStage3))->trigger();
      QCOMPARE(Problem().CurrentStage, k);
      QCOMPARE(window_->StatusText(), QStringLiteral("Construction Stage Number: %1").arg(k));
      Problem().WallHeight = heights[k - 1];
      window_->Model().SetModified(true);
    }
    // Switching wrote the stages shown before: their files hold the new heights.
    QVERIFY(ReadFile(Stage(1)).find("\t66\t") != std::string::npos);
    Action(Command::kToolStage1)->trigger();
    QCOMPARE(static_cast<double>(Problem().WallHeight), 66.0);
    QVERIFY(window_->Model().IsModified());
    QVERIFY(Action(Command::kToolStage1)->isChecked());
    QVERIFY(!Action(Command::kToolStage3)->isChecked());

    // A child window open during the run is closed by it.
    Action(Command::kToolStagedConstruction)->trigger();
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 1);

    Run();

    QTRY_COMPARE(window_->MdiArea()->subWindowList().size(), 0);
    const fw::TGraphPlot& moment = window_->Graphs().pltMom;
    QCOMPARE(moment.CurveCount(), 3);
    for (int k = 0; k < 3; ++k)
      QCOMPARE(moment.CurveAt(fw::CurveList::kMain, k).DisplayName(), "Stage: " + std::to_string(k + 1));
    QVERIFY(Action(Command::kToolMoment)->isEnabled());
    // Every stage was analysed with its own edit.
    const std::string report = ReadFile(fs::path(Problem().FileName).replace_extension(".vd5o"));
    std::size_t at = 0;
    for (const char* line : {"=    66.000 IN", "=   156.000 IN", "=   228.000 IN"}) {
      at = report.find(std::string("FREE HEIGHT OF WALL                                ") + line, at);
      QVERIFY2(at != std::string::npos, line);
    }
    // The stage curves differ: deeper cuts, larger moments.
    auto largest = [&](int k) {
      long double m = 0;
      for (const fw::TFloatPoint& p : moment.CurveAt(fw::CurveList::kMain, k).Points) m = std::max(m, std::fabs(p.x));
      return m;
    };
    QVERIFY(largest(0) < largest(1) && largest(1) < largest(2));
  }

  void copyPreviousStageAsksAndLeavesTheProblemUnmodified() {
    Open("three-stage-excavation.vd5d");
    Action(Command::kToolStage3)->trigger();
    QVERIFY(Action(Command::kCopyPreviousStage)->isEnabled());
    {
      MessageBoxAnswers boxes;
      boxes.Queue(QMessageBox::No);
      Action(Command::kCopyPreviousStage)->trigger();
      QCOMPARE(boxes.Take(), QStringList{QStringLiteral("Do you want to copy all information from Stage 2 to Stage 3")});
      QCOMPARE(static_cast<double>(Problem().WallHeight), 240.0);
    }
    window_->Model().SetModified(true);
    {
      MessageBoxAnswers boxes;
      boxes.Queue(QMessageBox::Yes);
      Action(Command::kCopyPreviousStage)->trigger();
      QCOMPARE(boxes.Take().size(), 1);
    }
    QCOMPARE(Problem().CurrentStage, 3);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 168.0);
    QVERIFY(!window_->Model().IsModified());
    Action(Command::kToolStage1)->trigger();
    Action(Command::kToolStage3)->trigger();
    QCOMPARE(static_cast<double>(Problem().WallHeight), 168.0);
  }

  void theStageCountIsSetInTheDialog() {
    Open("three-stage-excavation.vd5d");
    Action(Command::kToolStage3)->trigger();

    // From the Options menu the dialog is modal; fewer stages show stage 1 and delete
    // the stage files above the count.
    WhenModalDialogShows([](TDlgStagedConstruction& dialog) {
      QVERIFY(dialog.StagedCheckBox()->isChecked());
      QCOMPARE(dialog.CountField()->value(), 3);
      ChooseStages(dialog, 2);
    });
    Action(Command::kOptionStagedConstruction)->trigger();
    QCOMPARE(Problem().StageCount, 2);
    QCOMPARE(Problem().CurrentStage, 1);
    QVERIFY(fs::exists(Stage(2)));
    QVERIFY(!fs::exists(Stage(3)));
    QCOMPARE(window_->StatusText(), QStringLiteral("Construction Stage Number: 1"));
    QVERIFY(!Action(Command::kToolStage3)->isEnabled());

    // From the toolbar it is a child window that stays open until OK or Cancel.
    Action(Command::kToolStagedConstruction)->trigger();
    TDlgStagedConstruction* dialog =
        veldra::gui::run::StageCommandsOf(*window_).Dialog();
    QVERIFY(dialog);
    QCOMPARE(window_->MdiArea()->subWindowList().size(), 1);
    QCOMPARE(dialog->size(), dialog->sizeHint());  // fixed, as large as its content
    QSpinBox* count = dialog->CountField();
    count->stepDown();  // one stage is chosen with the check box only
    QCOMPARE(count->value(), 2);
    for (int i = 0; i < 5; ++i) count->stepUp();
    QCOMPARE(count->value(), 5);
    dialog->CancelButton()->click();
    QTRY_COMPARE(window_->MdiArea()->subWindowList().size(), 0);
    QCOMPARE(Problem().StageCount, 2);

    Action(Command::kToolStagedConstruction)->trigger();
    dialog = veldra::gui::run::StageCommandsOf(*window_).Dialog();
    dialog->StagedCheckBox()->click();
    QCOMPARE(dialog->CountField()->value(), 1);
    QVERIFY(!dialog->CountField()->isEnabled());
    dialog->OkButton()->click();
    QCOMPARE(Problem().StageCount, 1);
    for (int n = 1; n <= 5; ++n) QVERIFY(!fs::exists(Stage(n)));
    QVERIFY(window_->StatusText().isEmpty());
    QVERIFY(!Action(Command::kStageMenu)->isVisible());
    QTRY_COMPARE(window_->MdiArea()->subWindowList().size(), 0);
  }

 private:
  std::unique_ptr<IsolatedSettings> settings_;
  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<TMainForm> window_;
};

QTEST_MAIN(RunWindowTest)
#include "run_window_test.moc"
