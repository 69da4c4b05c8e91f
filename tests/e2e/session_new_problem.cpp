// The second session: a wall built from nothing, in SI units. A 6 m sheet pile with
// a 3 m cut in two sand layers (earth pressure and p-y curves generated from them,
// the trapezoidal envelope of an anchored wall) and one tieback at 1 m; saved under
// a new name and analysed.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDir>
#include <QMainWindow>
#include <QMdiSubWindow>

#include "tests/e2e/sessions.h"

namespace veldra::e2e {
namespace {

const QString kTitle = QStringLiteral("E2E NEW WALL: 3 M CUT IN SAND, ONE TIEBACK");

// Fills the fields of a dialog, leaving each with Tab as a user does.
void Fill(SimulatedUser& user, QWidget* form, const QList<QPair<QString, QString>>& fields) {
  for (const auto& [label, value] : fields) {
    user.TypeInto(user.Field(form, label), value);
    user.Press(Qt::Key_Tab);
  }
}

void FillRow(SimulatedUser& user, QAbstractItemView* grid, int row, const QStringList& cells, int first_column = 0) {
  for (int i = 0; i < cells.size(); ++i)
    if (!cells[i].isEmpty()) user.EditCell(grid, row, first_column + i, cells[i]);
}

void EnterWall(SimulatedUser& user) {
  user.Menu({QStringLiteral("Data"), QStringLiteral("Title")});
  QMdiSubWindow* title = user.Child(QStringLiteral("Project Title"));
  user.TypeInto(user.Field(title, QStringLiteral("Enter text line for project description")), kTitle);

  user.Menu({QStringLiteral("Data"), QStringLiteral("Wall Properties")});
  QMdiSubWindow* properties = user.Child(QStringLiteral("Wall Properties"));
  Fill(user, properties,
       {{QStringLiteral("Increments"), QStringLiteral("60")},
        {QStringLiteral("Increment Length"), QStringLiteral("0.1")},
        {QStringLiteral("Maximum Allowable Deflection"), QStringLiteral("0.5")},
        {QStringLiteral("Deflection Closure Tolerance"), QStringLiteral("1e-5")},
        {QStringLiteral("Free Height of Wall"), QStringLiteral("3")}});
  user.Screenshot(QStringLiteral("wall-properties"));
  user.Click(user.Button(properties, QStringLiteral("Enter Section Data")));
  QAbstractItemView* stiffness = user.Grid(user.Child(QStringLiteral("Wall Stiffness")));
  // From node 0 (the default) to node 60, constant (the default), EI of an AZ-type pile per metre.
  FillRow(user, stiffness, 0, {QString(), QStringLiteral("60"), QString(), QStringLiteral("71800")});
  user.Screenshot(QStringLiteral("wall-stiffness"));

  user.Menu({QStringLiteral("Options"), QStringLiteral("Earth-Pressure Options"),
             QStringLiteral("Generate Trapezoidal-Distribution Pressure (Anchored Walls)")});
  user.Menu({QStringLiteral("Data"), QStringLiteral("Wall Configuration")});
  QMdiSubWindow* configuration = user.Child(QStringLiteral("Wall Configuration"));
  Fill(user, configuration,
       {{QStringLiteral("Width for Active Earth Press"), QStringLiteral("1")},
        {QStringLiteral("Width for Generating p-y Soil Resistance"), QStringLiteral("1")},
        {QStringLiteral("Depth to the Water Table in backfill side"), QStringLiteral("10")},
        {QStringLiteral("Depth to the Water Table in excavation side"), QStringLiteral("10")}});
  user.Screenshot(QStringLiteral("wall-configuration"));
}

// Two sand layers: medium dense to 5 m, dense to 12 m.
void EnterSoil(SimulatedUser& user) {
  user.Menu({QStringLiteral("Data"), QStringLiteral("Soil Layer Data")});
  QMdiSubWindow* layers = user.Child(QStringLiteral("Soil Layers"));
  QAbstractItemView* grid = user.Grid(layers);
  if (user.RowCount(grid) < 2) user.Click(user.Button(layers, QStringLiteral("Add Row")));
  user.Check(user.RowCount(grid) == 2, QStringLiteral("the soil table has %1 rows, 2 wanted").arg(user.RowCount(grid)));
  const struct {
    const char* bottom;
    QStringList parameters;  // unit weight, friction angle, k(py), optional coefficient
  } sands[] = {{"5", {QStringLiteral("18"), QStringLiteral("32"), QStringLiteral("20000"), QStringLiteral("0")}},
               {"12", {QStringLiteral("19"), QStringLiteral("35"), QStringLiteral("25000"), QStringLiteral("0")}}};
  for (int row = 0; row < 2; ++row) {
    user.ChooseInCell(grid, row, 0, QStringLiteral("Sand"));
    user.EditCell(grid, row, 1, QLatin1String(sands[row].bottom));
  }
  user.Screenshot(QStringLiteral("soil-layers"));
  for (int row = 0; row < 2; ++row) {
    // The parameter cell opens the layer's own table: its top and bottom rows.
    user.ClickCellButton(grid, row, 2);
    QAbstractItemView* parameters = user.Grid(user.Child(QStringLiteral("Sand*")));
    FillRow(user, parameters, 0, sands[row].parameters);
    FillRow(user, parameters, 1, sands[row].parameters);
    user.Screenshot(QStringLiteral("sand-parameters-%1").arg(row + 1));
    user.ActiveChild()->close();
    SimulatedUser::Pause(100);
  }
}

void EnterTieback(SimulatedUser& user) {
  user.Menu({QStringLiteral("Options"), QStringLiteral("Apply Tieback (Ground  Anchor)")});
  user.Menu({QStringLiteral("Data"), QStringLiteral("Tieback (Ground Anchor) Data")});
  QMdiSubWindow* dialog = user.Child(QStringLiteral("Tieback (Ground Anchor)"));
  user.Click(user.Button(dialog, QStringLiteral("Enter Tieback data")));
  QAbstractItemView* grid = user.Grid(user.Child(QStringLiteral("Tieback (ground anchor) Table")));
  // Depth 1 m, 500 mm2 of steel at 2E8 kN/m2, 6 m unbonded at 15 degrees, every 2 m, 100 kN.
  FillRow(user, grid, 0,
          {QStringLiteral("1"), QStringLiteral("500"), QStringLiteral("2e8"), QStringLiteral("6"), QStringLiteral("15"),
           QStringLiteral("2"), QStringLiteral("100")});
  user.Screenshot(QStringLiteral("tieback"));
}

void Run(SimulatedUser& user, const SessionContext& c) {
  UseWholeScreen(user);
  user.Screenshot(QStringLiteral("start"));
  user.Menu({QStringLiteral("Options"), QStringLiteral("Units"), QStringLiteral("SI Units (kN, m)")});
  EnterWall(user);
  EnterSoil(user);
  EnterTieback(user);

  const QString data = QDir(c.work).filePath(QStringLiteral("new-wall.vd5d"));
  user.ExpectFileDialog(data);
  user.Menu({QStringLiteral("File"), QStringLiteral("Save As...")});
  user.RequireExpectationsMet(QStringLiteral("File > Save As..."));
  user.Check(user.MainWindow()->windowTitle().endsWith(QStringLiteral("New-wall.vd5d")),
             QStringLiteral("the caption after Save As: \"%1\"").arg(user.MainWindow()->windowTitle()));
  const QString saved = ReadText(data);
  user.Check(saved.startsWith(kTitle + QLatin1Char('\n')), QStringLiteral("the saved file does not start with the title"));
  // SI; one stiffness row; trapezoidal pressure with generated p-y curves; one tieback.
  user.Check(saved.contains(QStringLiteral("\n2 0\t1\t0\t3\t2 0 1 0 1\n")),
             QStringLiteral("the saved control record is not that of the wall entered:\n%1").arg(saved.left(200)));

  RunAnalysis(user);
  const QString base = QDir(c.work).filePath(QStringLiteral("new-wall"));
  for (const char* extension : {".vd5o", ".vd5p", ".vd5r"}) RequireFile(user, base + QLatin1String(extension));
  const QString report = ReadText(base + QStringLiteral(".vd5o"));
  user.Check(report.contains(QStringLiteral("END OF ANALYSIS")), QStringLiteral("the report does not end its analysis"));
  user.Check(report.contains(QStringLiteral("TIE BACK RESULTS")), QStringLiteral("the report shows no tieback results"));
  user.Check(report.contains(QStringLiteral("P-Y CURVES DATA")), QStringLiteral("the report shows no generated p-y curves"));
  user.Check(!report.contains(QStringLiteral("SOLUTION NOT CLOSED")) && !report.contains(QStringLiteral("EXCEEDED")),
             QStringLiteral("the new wall's analysis did not close"));

  user.Menu({QStringLiteral("Graphics"), QStringLiteral("Deflection, Moment and Shear")});
  user.Child(QStringLiteral("Deflection, Moment, Shear vs Depth"));
  user.Screenshot(QStringLiteral("results"));
  user.Menu({QStringLiteral("Computation"), QStringLiteral("View Wall Geometry")});
  user.Child(QStringLiteral("Side View"));
  user.Screenshot(QStringLiteral("side-view"));

  QMainWindow* main = user.MainWindow();
  user.Menu({QStringLiteral("File"), QStringLiteral("Exit")});
  user.WaitUntil([main] { return !main->isVisible(); }, QStringLiteral("the program to close"));
}

}  // namespace

extern const Session kNewProblem{"new-problem", nullptr, Run};

}  // namespace veldra::e2e
