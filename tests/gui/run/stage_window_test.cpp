// The run command and the stage commands in a window: the staged-construction
// dialog, switching and copying stages, and a staged example run through the
// engine library, on the offscreen platform.
#include <QApplication>
#include <QCheckBox>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/problem_files.h"
#include "app/stage_files.h"
#include "app/staged_construction.h"
#include "framework/main_graphs.h"
#include "gui/run/run_command.h"
#include "gui/run/stage_commands.h"
#include "gui/run/staged_construction_dialog.h"

namespace fs = std::filesystem;
using namespace veldra;

namespace {

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

// Answers the message boxes as they show, in order, and keeps their texts.
class BoxAnswers : public QObject {
 public:
  BoxAnswers() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || answers_.empty()) return;
      texts << box->text();
      box->button(answers_.front())->click();
      answers_.pop_front();
      if (answers_.empty()) timer_.stop();
    });
  }
  void Expect(QMessageBox::StandardButton answer) {
    answers_.push_back(answer);
    timer_.start();
  }
  bool Done() const { return answers_.empty(); }

  QStringList texts;

 private:
  QTimer timer_;
  std::deque<QMessageBox::StandardButton> answers_;
};

}  // namespace

class StageWindowTest : public QObject {
  Q_OBJECT

 private:
  // A main window with the run and stage commands of the current problem; the status
  // bar follows the stage rules.
  struct Host {
    QMainWindow window;
    app::TMainModel model;
    framework::TMainGraphs graphs;
    gui::TRunCommand run{model, graphs, &window};
    gui::TStageCommands stages{model, &window};
    bool plot_read = false;

    explicit Host(const fs::path& run_folders) {
      run.Sequence().SetLibraryPath(fs::path(VELDRA_BINARY_DIR) / "lib" / "libVeldraCalc.so");
      run.Sequence().SetRunFolderBase(run_folders);
      run.save = [this] {
        if (app::NeedsSaveAs(model.Problem())) return false;
        app::SaveProblem(model);
        return true;
      };
      run.store_plot_read = [this](bool read) { plot_read = read; };
      stages.onStagesChanged = [this] {
        window.statusBar()->showMessage(QString::fromStdString(app::StageStatusText(model.Problem())));
      };
      window.show();
    }
  };

  std::unique_ptr<QTemporaryDir> dir_;
  std::unique_ptr<Host> host_;

  fs::path Dir() const { return dir_->path().toStdString(); }
  app::TProgramData& Problem() { return host_->model.Problem(); }

  void OpenStagedExample() {
    const fs::path file = Dir() / "staged.vd5d";
    fs::copy_file(fs::path(VELDRA_SOURCE_DIR) / "examples" / "three-stage-excavation.vd5d", file);
    QVERIFY(app::OpenProblem(host_->model, file, app::kFormatCurrent).load.complete);
    QCOMPARE(Problem().StageCount, 3);
  }

 private slots:
  void init() {
    dir_ = std::make_unique<QTemporaryDir>();
    host_ = std::make_unique<Host>(Dir() / "runs");
  }
  void cleanup() {
    host_.reset();
    dir_.reset();
  }

  void dialogFieldFollowsTheCheckBoxAndTheArrows() {
    host_->stages.ShowStagedConstructionDialog(false);
    gui::TDlgStagedConstruction* dialog = host_->stages.Dialog();
    QVERIFY(dialog && dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Staged Construction Options"));
    QSpinBox* count = dialog->CountField();
    QVERIFY(!dialog->StagedCheckBox()->isChecked());
    QCOMPARE(count->value(), 1);
    QVERIFY(!count->isEnabled());

    dialog->StagedCheckBox()->click();
    QCOMPARE(count->value(), 2);
    QVERIFY(count->isEnabled());
    count->stepDown();  // one stage is chosen with the check box only
    QCOMPARE(count->value(), 2);
    for (int i = 0; i < 5; ++i) count->stepUp();
    QCOMPARE(count->value(), 5);
    dialog->StagedCheckBox()->click();
    QCOMPARE(count->value(), 1);
    QVERIFY(!count->isEnabled());

    // The dialog is exactly as large as its content.
    QCOMPARE(dialog->size(), dialog->sizeHint());

    dialog->StagedCheckBox()->click();
    dialog->CancelButton()->click();
    QCOMPARE(Problem().StageCount, 1);
    QTRY_VERIFY(host_->stages.Dialog() == nullptr);  // freed when closed
  }

  void okWritesTheStageFilesAndALowerCountDeletesThem() {
    Problem().FileName = (Dir() / "wall.vd5d").string();
    Problem().WallHeight = 96;
    auto apply = [this](int stages) {
      host_->stages.ShowStagedConstructionDialog(false);
      gui::TDlgStagedConstruction* dialog = host_->stages.Dialog();
      if (dialog->StagedCheckBox()->isChecked() != (stages > 1)) dialog->StagedCheckBox()->click();
      if (stages > 1) dialog->CountField()->setValue(stages);
      dialog->OkButton()->click();
      QTRY_VERIFY(host_->stages.Dialog() == nullptr);
    };

    apply(3);
    QCOMPARE(Problem().StageCount, 3);
    QCOMPARE(Problem().CurrentStage, 1);
    QVERIFY(host_->model.IsModified());
    QCOMPARE(host_->window.statusBar()->currentMessage(), QStringLiteral("Construction Stage Number: 1"));
    for (int n = 1; n <= 3; ++n) QVERIFY(fs::exists(app::StageFilePath(Problem().FileName, n)));
    QVERIFY(!fs::exists(app::StageFilePath(Problem().FileName, 4)));

    host_->stages.SwitchToStage(3);
    QCOMPARE(host_->window.statusBar()->currentMessage(), QStringLiteral("Construction Stage Number: 3"));
    apply(2);
    QCOMPARE(Problem().StageCount, 2);
    QCOMPARE(Problem().CurrentStage, 1);
    QVERIFY(fs::exists(app::StageFilePath(Problem().FileName, 2)));
    QVERIFY(!fs::exists(app::StageFilePath(Problem().FileName, 3)));

    apply(1);
    QCOMPARE(Problem().StageCount, 1);
    QVERIFY(host_->window.statusBar()->currentMessage().isEmpty());
    for (int n = 1; n <= 5; ++n) QVERIFY(!fs::exists(app::StageFilePath(Problem().FileName, n)));
  }

  void switchingWritesTheShownStageAndLoadsTheOther() {
    OpenStagedExample();
    // The excavation deepens from stage to stage: 6, 14 and 20 ft.
    QCOMPARE(static_cast<double>(Problem().WallHeight), 72.0);
    Problem().WallHeight = 80;  // an edit of stage 1
    host_->model.SetModified(true);

    host_->stages.SwitchToStage(2);
    QCOMPARE(Problem().CurrentStage, 2);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 168.0);
    QCOMPARE(Problem().Title, std::string(" Stage No : 2"));
    QVERIFY(host_->model.IsModified());  // the edit is not saved into the data file yet
    QCOMPARE(host_->window.statusBar()->currentMessage(), QStringLiteral("Construction Stage Number: 2"));

    // The stage shown is not written again.
    const fs::path stage2 = app::StageFilePath(Problem().FileName, 2);
    fs::remove(stage2);
    host_->stages.SwitchToStage(2);
    QVERIFY(!fs::exists(stage2));
    host_->stages.UpdateCurrentStage();
    QVERIFY(fs::exists(stage2));

    host_->stages.SwitchToStage(1);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 80.0);
    host_->stages.SwitchToStage(3);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 240.0);
  }

  void copyPreviousStageAsksAndLeavesTheProblemUnmodified() {
    OpenStagedExample();
    host_->stages.SwitchToStage(3);
    BoxAnswers answers;

    answers.Expect(QMessageBox::No);
    host_->stages.CopyPreviousStage();
    QVERIFY(answers.Done());
    QCOMPARE(answers.texts.value(0), QStringLiteral("Do you want to copy all information from Stage 2 to Stage 3"));
    QCOMPARE(static_cast<double>(Problem().WallHeight), 240.0);

    host_->model.SetModified(true);
    answers.Expect(QMessageBox::Yes);
    host_->stages.CopyPreviousStage();
    QVERIFY(answers.Done());
    QCOMPARE(Problem().CurrentStage, 3);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 168.0);
    QVERIFY(!host_->model.IsModified());
    // Stage 3's file now holds stage 2's data.
    host_->stages.SwitchToStage(1);
    host_->stages.SwitchToStage(3);
    QCOMPARE(static_cast<double>(Problem().WallHeight), 168.0);
  }

  void aStagedExampleRunsAndEveryStageIsInTheGraphs() {
    OpenStagedExample();
    // An edit of the last stage, shown while the run starts: the run saves it first.
    host_->stages.SwitchToStage(3);
    Problem().WallHeight = 228;  // 19 ft instead of 20
    host_->model.SetModified(true);
    BoxAnswers answers;
    answers.Expect(QMessageBox::Ok);

    const app::RunResult result = host_->run.Execute();

    QCOMPARE(result.end, app::RunEnd::kCompleted);
    QVERIFY(answers.Done());
    QCOMPARE(answers.texts.value(0), QString::fromLatin1(app::kRunCompletedMessage));
    QVERIFY(host_->plot_read);
    QVERIFY(QApplication::overrideCursor() == nullptr);
    const framework::TGraphPlot& moment = host_->graphs.pltMom;
    QCOMPARE(moment.CurveCount(), 3);
    for (int k = 0; k < 3; ++k) {
      const framework::TLine& curve = moment.CurveAt(framework::CurveList::kMain, k);
      QCOMPARE(curve.DisplayName(), "Stage: " + std::to_string(k + 1));
      QCOMPARE(static_cast<int>(curve.Points.size()), 72);
    }
    // The report was made from the saved stage 3.
    const std::string report = ReadFile(fs::path(Problem().FileName).replace_extension(".vd5o"));
    QVERIFY(report.find("FREE HEIGHT OF WALL                                =   228.000 IN") != std::string::npos);
  }
};

QTEST_MAIN(StageWindowTest)
#include "stage_window_test.moc"
