// veldra-table-windows: looks at and times the table windows inside the main window.
//
//   veldra-table-windows time [REPEAT]
//       Fills every table of a new problem to its largest row count and opens and
//       closes each table window REPEAT times (default 15), printing the median,
//       smallest and largest opening time in milliseconds, largest median first.
//       Opening means ShowWindow until the events that show and paint the window
//       have been handled.
//   veldra-table-windows grab DIR
//       Pictures of the main window with table windows open, for a person to look
//       at: DIR/soil-layers.png (soil layers with a parameter table open),
//       DIR/py-curve.png (the p-y curve sets with a curve and its graph open),
//       DIR/distributed-loads.png and DIR/springs.png (the help pictures), and
//       DIR/tables/NAME.png, every table's window on its own.
//
// Run it on a display (xvfb-run -a) or with QT_QPA_PLATFORM=offscreen.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "framework/grid_table.h"
#include "app/main_tables.h"
#include "gui/core/child_windows.h"
#include "gui/main/main_window.h"
#include "gui/main/register_rooms.h"
#include "gui/tables/table_form.h"
#include "gui/tables/table_windows.h"

namespace app = veldra::app;
namespace fw = veldra::framework;
using veldra::gui::TMainForm;

namespace {

// Closes every message box that appears (the "has been read" message of an opened
// file) so that nothing waits for a click.
void AnswerMessageBoxes() {
  auto* timer = new QTimer(qApp);
  QObject::connect(timer, &QTimer::timeout, [] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      std::fprintf(stderr, "message: %s\n", box->text().toUtf8().constData());
      if (QAbstractButton* button = box->buttons().value(0)) button->click();
    }
  });
  timer->start(10);
}

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

QString Example(const char* name) { return QStringLiteral(VELDRA_SOURCE_DIR "/examples/") + QLatin1String(name); }

void ShowTable(TMainForm& window, fw::TGridTable& table) {
  veldra::gui::RegisteredChildWindows().showTable(window, table);
  Settle();
}

QMdiSubWindow* SubWindowOf(const fw::TGridTable& table) {
  veldra::gui::tables::TTableForm* form = veldra::gui::tables::FormOf(table);
  return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr;
}

bool Save(QWidget& widget, const QString& path) {
  const bool saved = widget.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", path.toUtf8().constData());
  return saved;
}

int Grab(const QString& dir) {
  QDir().mkpath(dir);
  TMainForm window;
  window.resize(1280, 900);
  window.show();
  window.Start(Example("anchored-wall-in-soft-clay-over-stiff-clay.vd5d"));
  Settle();
  auto& model = window.Model();

  fw::TGridTable& soil = model.Table(app::SoilLayers::kName);
  ShowTable(window, soil);
  fw::TGridTable* parameters = soil.Cell(2, soil.RowCount() > 1 ? 1 : 0).AsTable();
  if (parameters) parameters->ShowWindow();
  Settle();
  if (QMdiSubWindow* sub = SubWindowOf(soil)) sub->move(10, 10);
  if (parameters) {
    if (QMdiSubWindow* sub = SubWindowOf(*parameters)) {
      const QMdiSubWindow* above = SubWindowOf(soil);
      sub->move(10, above ? above->geometry().bottom() + 12 : 300);
    }
  }
  Settle();
  bool ok = Save(window, dir + "/soil-layers.png");

  window.CloseChildWindows();
  Settle();
  window.OpenFileName(Example("cantilever-sheet-pile-wall.vd5d"), 0);
  Settle();
  fw::TGridTable& sets = model.Table(app::PYCurveSets::kName);
  ShowTable(window, sets);
  fw::TGridTable* curve = sets.Cell(1, 0).AsTable();
  if (curve) curve->ShowWindow();
  Settle();
  if (QMdiSubWindow* sub = SubWindowOf(sets)) sub->move(10, 10);
  if (curve) {
    if (QMdiSubWindow* sub = SubWindowOf(*curve)) {
      const QMdiSubWindow* left = SubWindowOf(sets);
      sub->move(left ? left->geometry().right() + 12 : 500, 10);
    }
  }
  Settle();
  ok = Save(window, dir + "/py-curve.png") && ok;

  window.CloseChildWindows();
  Settle();
  for (const auto& [name, file] : {std::pair{app::PressureDistribution::kName, "/distributed-loads.png"}, {app::Springs::kName, "/springs.png"}}) {
    fw::TGridTable& table = model.Table(name);
    ShowTable(window, table);
    if (QMdiSubWindow* sub = SubWindowOf(table)) {
      sub->move(0, 0);
      Settle();
      ok = Save(*sub, dir + file) && ok;
    }
    window.CloseChildWindows();
    Settle();
  }

  // Every other window on its own, from the examples' data.
  window.OpenFileName(Example("secant-pile-wall-moment-ei.vd5d"), 0);
  Settle();
  QDir().mkpath(dir + "/tables");
  std::vector<std::pair<std::string, fw::TGridTable*>> all;
  for (const auto& [name, table] : model.Tables().All())
    if (name.rfind("Tbl", 0) != 0 && name != app::PYCurvePoints::kName && name != app::MomentEIPoints::kName) all.emplace_back(name, table);
  all.emplace_back(app::MomentEIPoints::kName, model.Table(app::MomentEICurveSets::kName).Cell(2, 0).AsTable());
  for (const auto& [name, table] : all) {
    ShowTable(window, *table);
    if (QMdiSubWindow* sub = SubWindowOf(*table)) {
      sub->move(0, 0);
      Settle();
      ok = Save(*sub, dir + "/tables/" + QString::fromStdString(name) + ".png") && ok;
    }
    window.CloseChildWindows();
    Settle();
  }
  return ok ? 0 : 1;
}

// Every table at its largest row count, a soil layer of each type, every curve at
// its largest point count.
void Fill(veldra::app::TMainModel& model) {
  for (const auto& [name, table] : model.Tables().All()) {
    const int rows = table->MaxRows() > 0 ? table->MaxRows() : 100;
    table->SetRowCount(rows);
  }
  for (const char* name : {app::SoilLayers::kName, app::SoilLayers::kLongTermName}) {
    fw::TGridTable& soil = model.Table(name);
    for (int r = 0; r < soil.RowCount(); ++r) soil.Cell(0, r).SetInteger(r % 7 + 1);
  }
  for (const char* name : {app::PYCurveSets::kName, app::MomentEICurveSets::kName}) {
    fw::TGridTable& sets = model.Table(name);
    const int curve_column = name == std::string(app::PYCurveSets::kName) ? 1 : 2;
    for (int r = 0; r < sets.RowCount(); ++r) {
      fw::TGridTable* curve = sets.Cell(curve_column, r).AsTable();
      curve->SetRowCount(curve->MaxRows());
      for (int i = 0; i < curve->RowCount(); ++i) {
        curve->Cell(0, i).SetFloat(i - curve->RowCount() / 2);
        curve->Cell(1, i).SetFloat(1000.0L * (i - curve->RowCount() / 2) * (i % 3 + 1));
      }
    }
  }
}

struct Timing {
  std::string name;
  int rows = 0;
  double median = 0, least = 0, most = 0;  // wall clock
  double cpu = 0;                          // median processor time of this thread
};

double ThreadCpuMs() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

int Time(int repeat) {
  TMainForm window;
  window.resize(1280, 900);
  window.show();
  window.Start(QString());
  Settle();
  auto& model = window.Model();
  Fill(model);

  std::vector<std::pair<std::string, fw::TGridTable*>> tables;
  for (const auto& [name, table] : model.Tables().All())
    if (name.rfind("Tbl", 0) != 0 && name != app::PYCurvePoints::kName && name != app::MomentEIPoints::kName) tables.emplace_back(name, table);
  tables.emplace_back("PYCurve2 (curve of a set)", model.Table(app::PYCurveSets::kName).Cell(1, 0).AsTable());
  tables.emplace_back("Rows2 (curve of a set)", model.Table(app::MomentEICurveSets::kName).Cell(2, 0).AsTable());
  tables.emplace_back("TblSilt1 (layer parameters)", model.Table(app::SoilLayers::kName).Cell(2, 4).AsTable());

  std::vector<Timing> timings;
  for (const auto& [name, table] : tables) {
    veldra::gui::tables::SetHost(&window);
    std::vector<double> wall, cpu;
    for (int i = 0; i < repeat; ++i) {
      const double cpu_start = ThreadCpuMs();
      QElapsedTimer clock;
      clock.start();
      table->ShowWindow();
      QApplication::processEvents();
      wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
      cpu.push_back(ThreadCpuMs() - cpu_start);
      table->CloseWindow();
      Settle();
    }
    timings.push_back({name, table->RowCount(), Median(wall), *std::min_element(wall.begin(), wall.end()),
                       *std::max_element(wall.begin(), wall.end()), Median(cpu)});
  }
  std::sort(timings.begin(), timings.end(), [](const Timing& a, const Timing& b) { return a.median > b.median; });
  // On a shared machine the wall clock includes the time other processes held the
  // processor; the thread's processor time does not.
  std::printf("Opening a table window, %d times each (ms)\n", repeat);
  std::printf("%-30s %5s %8s %8s %8s %10s\n", "table", "rows", "median", "min", "max", "median cpu");
  for (const Timing& t : timings)
    std::printf("%-30s %5d %8.2f %8.2f %8.2f %10.2f\n", t.name.c_str(), t.rows, t.median, t.least, t.most, t.cpu);
  return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("veldra-table-windows"));
  QApplication::setOrganizationName(QStringLiteral("Korvan"));
  // The settings of a user who runs this are not touched.
  QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QDir::tempPath() + "/veldra-table-windows");
  veldra::gui::RegisterRooms();
  AnswerMessageBoxes();
  const QStringList arguments = QApplication::arguments();
  const QString command = arguments.value(1);
  if (command == QLatin1String("time")) return Time(std::max(1, arguments.value(2, QStringLiteral("15")).toInt()));
  if (command == QLatin1String("grab") && arguments.size() > 2) return Grab(arguments.at(2));
  std::fprintf(stderr, "usage: veldra-table-windows time [REPEAT] | grab DIR\n");
  return 1;
}
