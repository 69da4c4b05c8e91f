// veldra-run-timing: the time from "Run Analysis" in the main window to the window
// refreshed after the run, for data files given on the command line (scripts/time-run
// runs it over the examples). It opens each file in a main window and runs it
// `--runs` times; each time is measured from the action's trigger to the end of a
// synchronous repaint of the whole window, with the run's message boxes left out
// (the completion message waits for the user, not for the program). Prints one line
// per file: median and largest time in milliseconds.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <vector>

#include "app/run/analysis_run.h"
#include "gui/core/child_windows.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#include "gui/run/register.h"
#include "gui/run/run_command.h"

namespace {

using Clock = std::chrono::steady_clock;

double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  veldra::gui::RegisterRooms();
  QStringList files = QApplication::arguments().mid(1);
  int runs = 20;
  if (files.size() >= 2 && files.front() == QLatin1String("--runs")) {
    runs = std::max(1, files.at(1).toInt());
    files = files.mid(2);
  }
  // Opening a file makes its folder the current directory.
  for (QString& file : files) file = QFileInfo(file).absoluteFilePath();
  if (files.isEmpty()) {
    std::fprintf(stderr, "usage: veldra-run-timing [--runs N] FILE.vd5d...\n");
    return 1;
  }
  // Opening a file says so in a message box; this closes it, and any box of an error,
  // whose run then counts as failed.
  QTimer close_boxes;
  QObject::connect(&close_boxes, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) box->defaultButton()->click();
  });
  close_boxes.start(5);
  QTemporaryDir dir;  // copies of the files: a run saves and writes beside them
  std::printf("%-50s %5s %10s %10s %s\n", "file", "runs", "median ms", "max ms", "outcome");
  int failures = 0;
  for (const QString& file : files) {
    const QString copy = dir.filePath(QFileInfo(file).fileName());
    QFile::remove(copy);
    if (!QFile::copy(file, copy)) {
      std::fprintf(stderr, "cannot copy %s\n", qPrintable(file));
      return 1;
    }
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner);
    veldra::gui::TMainForm window;
    window.show();
    window.Start(QString());
    veldra::app::TAnalysisRun& run = veldra::gui::run::RunCommandOf(window).Sequence();
    run.hooks.show_message = [](veldra::app::MessageKind, const std::string&) {};
    window.OpenFileName(copy, 0);
    window.UpdateActions();

    std::vector<double> times;
    bool completed = true;
    for (int i = 0; i < runs; ++i) {
      QApplication::processEvents();
      const Clock::time_point start = Clock::now();
      window.Action(veldra::app::Command::kRunAnalysis)->trigger();
      window.repaint();
      QApplication::processEvents();
      times.push_back(Milliseconds(Clock::now() - start));
      completed = completed && window.PlotRead();
    }
    std::sort(times.begin(), times.end());
    std::printf("%-50s %5d %10.2f %10.2f %s\n", qPrintable(QFileInfo(file).fileName()), runs,
                times[times.size() / 2], times.back(), completed ? "graphs read" : "graphs NOT read");
    if (!completed) ++failures;
  }
  return failures == 0 ? 0 : 2;
}
