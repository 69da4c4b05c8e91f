// The first session, in two runs of the program: a bundled example is opened, edited
// in a dialog and in a table, analysed, looked at in every graph, the side view and the
// 3D view, saved as a bitmap and a workbook, saved and closed; then the program is
// started again, reopens the file from its recent-file list and shows both changes.
//
// The example is cantilever-wall-in-sand.vd5d (English units): the maximum allowable
// deflection goes from 10 to 8 in, the wall's EI from 5.342E9 to 6E9 lb-in2.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QDir>
#include <QFileInfo>
#include <QMainWindow>
#include <QMdiSubWindow>

#include "tests/e2e/sessions.h"

namespace veldra::e2e {
namespace {

const QString kDeflectionLabel = QStringLiteral("Maximum Allowable Deflection");
const QString kChangedDeflection = QStringLiteral("8");
const QString kChangedStiffness = QStringLiteral("6E9");
constexpr int kStiffnessColumn = 3;

QString Base(const SessionContext& c) { return QDir(c.work).filePath(QFileInfo(c.example).completeBaseName()); }
QString DataFile(const SessionContext& c) { return QDir(c.work).filePath(c.example); }

QMdiSubWindow* OpenWallProperties(SimulatedUser& user) {
  user.Menu({QStringLiteral("Data"), QStringLiteral("Wall Properties")});
  return user.Child(QStringLiteral("Wall Properties"));
}

QAbstractItemView* OpenStiffnessTable(SimulatedUser& user, QMdiSubWindow* properties) {
  user.Click(user.Button(properties, QStringLiteral("Enter Section Data")));
  return user.Grid(user.Child(QStringLiteral("Wall Stiffness")));
}

void SaveBitmap(SimulatedUser& user, const SessionContext& c) {
  QMdiSubWindow* moment = user.Child(QStringLiteral("Moment vs Depth"));
  moment->showNormal();
  user.ClickOn(moment->widget());
  const QString bitmap = Base(c) + QStringLiteral("-moment.bmp");
  user.ExpectFileDialog(bitmap);
  user.ExpectDialog(QStringLiteral("Save Attributes"), QStringLiteral("OK"));
  user.Menu({QStringLiteral("Plot"), QStringLiteral("Save To Disk...")}, moment->widget());
  user.RequireExpectationsMet(QStringLiteral("Plot > Save To Disk..."));
  RequireFile(user, bitmap, QByteArrayLiteral("BM"));
}

void ExportWorkbook(SimulatedUser& user, const SessionContext& c) {
  const QString workbook = Base(c) + QStringLiteral("-plots.xlsx");
  user.Expect({QStringLiteral("the export dialog"), [&user](QWidget* dialog) {
                 if (Plain(dialog->windowTitle()) != QLatin1String("Export to Excel")) {
                   user.Record(QStringLiteral("expected the export dialog, saw \"%1\"").arg(dialog->windowTitle()));
                   dialog->close();
                   return;
                 }
                 QPointer<QWidget> guarded = dialog;
                 SimulatedUser::Later([&user, guarded] {
                   try {
                     user.Click(user.Button(guarded, QStringLiteral("Select All")));
                     user.Screenshot(QStringLiteral("export-dialog"));
                     user.Click(user.Button(guarded, QStringLiteral("Generate Excel File")));
                     user.Click(user.Button(guarded, QStringLiteral("Close Window")));
                   } catch (const SessionFailure& failure) {
                     user.Record(QString::fromStdString(failure.what()));
                     if (guarded) guarded->close();
                   }
                 });
               }});
  user.ExpectFileDialog(workbook);
  user.ExpectMessage(QStringLiteral("Export to Excel Completed"));
  user.Menu({QStringLiteral("Graphics"), QStringLiteral("Export Plots To Excel")});
  user.RequireExpectationsMet(QStringLiteral("Graphics > Export Plots To Excel"));
  RequireFile(user, workbook, QByteArrayLiteral("PK\x03\x04"));
}

void Edit(SimulatedUser& user, const SessionContext& c) {
  UseWholeScreen(user);
  user.Screenshot(QStringLiteral("start"));

  user.ExpectFileDialog(DataFile(c));
  user.ExpectMessage(QStringLiteral("has been read by VELDRA 2015"));
  user.Menu({QStringLiteral("File"), QStringLiteral("Open...")});
  user.RequireExpectationsMet(QStringLiteral("File > Open..."));
  user.Check(user.MainWindow()->windowTitle().contains(QStringLiteral("Cantilever-wall-in-sand.vd5d")),
             QStringLiteral("the caption names the file: \"%1\"").arg(user.MainWindow()->windowTitle()));

  // A value in a dialog.
  QMdiSubWindow* properties = OpenWallProperties(user);
  QWidget* deflection = user.Field(properties, kDeflectionLabel);
  user.Check(SimulatedUser::TextOf(deflection) == QLatin1String("10"),
             QStringLiteral("the example's allowable deflection reads \"%1\"").arg(SimulatedUser::TextOf(deflection)));
  user.TypeInto(deflection, kChangedDeflection);
  user.Press(Qt::Key_Tab);
  user.Screenshot(QStringLiteral("wall-properties"));

  // A cell in a table.
  QAbstractItemView* stiffness = OpenStiffnessTable(user, properties);
  user.EditCell(stiffness, 0, kStiffnessColumn, kChangedStiffness);
  user.Check(user.CellText(stiffness, 0, kStiffnessColumn).toDouble() == 6e9,
             QStringLiteral("the EI cell reads \"%1\" after the edit").arg(user.CellText(stiffness, 0, kStiffnessColumn)));
  user.Screenshot(QStringLiteral("wall-stiffness"));

  RunAnalysis(user);
  user.Screenshot(QStringLiteral("after-run"));
  for (const char* extension : {".vd5o", ".vd5p", ".vd5r"}) RequireFile(user, Base(c) + QLatin1String(extension));
  const QString report = ReadText(Base(c) + QStringLiteral(".vd5o"));
  user.Check(report.contains(QStringLiteral("END OF ANALYSIS")), QStringLiteral("the report does not end its analysis"));
  // The engine read both changes: the stiffness echo and the allowable deflection.
  user.Check(report.contains(QStringLiteral(" 0.600E+10")), QStringLiteral("the report does not echo the new EI"));
  user.Check(report.contains(QStringLiteral("MAXIMUM ALLOWABLE DEFLECTION                       =     8.000")),
             QStringLiteral("the report does not echo the new allowable deflection"));

  OpenEveryGraph(user, 8);
  SaveBitmap(user, c);
  ExportWorkbook(user, c);

  user.Menu({QStringLiteral("Computation"), QStringLiteral("View Wall Geometry")});
  user.Child(QStringLiteral("Side View"));
  user.Screenshot(QStringLiteral("side-view"));
  user.Menu({QStringLiteral("Computation"), QStringLiteral("3D View")});
  user.Child(QStringLiteral("3-D View"));
  user.Check(user.MenuVisible(QStringLiteral("Show 3DView")), QStringLiteral("the 3D view's menu is not shown"));
  user.Screenshot(QStringLiteral("3d-view"));

  user.Menu({QStringLiteral("File"), QStringLiteral("Save")});
  const QString data = ReadText(DataFile(c));
  user.Check(data.contains(QStringLiteral("\n60 5\t8\t0.0001\t120\t12\n")),
             QStringLiteral("the saved wall record does not hold the new allowable deflection"));
  user.Check(data.contains(QStringLiteral("\n0\t60\t1\t6E9\n")), QStringLiteral("the saved stiffness row does not hold the new EI"));
  QMainWindow* main = user.MainWindow();
  user.Menu({QStringLiteral("File"), QStringLiteral("Exit")});
  user.WaitUntil([main] { return !main->isVisible(); }, QStringLiteral("the program to close"));
}

void Reopen(SimulatedUser& user, const SessionContext& c) {
  UseWholeScreen(user);
  user.ExpectMessage(QStringLiteral("has been read by VELDRA 2015"));
  user.Menu({QStringLiteral("File"), QStringLiteral("1 *")});
  user.RequireExpectationsMet(QStringLiteral("the first recent file"));
  user.Check(user.MainWindow()->windowTitle().contains(QStringLiteral("Cantilever-wall-in-sand.vd5d")),
             QStringLiteral("the recent file opened \"%1\"").arg(user.MainWindow()->windowTitle()));

  QMdiSubWindow* properties = OpenWallProperties(user);
  const QString deflection = SimulatedUser::TextOf(user.Field(properties, kDeflectionLabel));
  user.Check(deflection == kChangedDeflection,
             QStringLiteral("the reopened allowable deflection reads \"%1\", not %2").arg(deflection, kChangedDeflection));
  QAbstractItemView* stiffness = OpenStiffnessTable(user, properties);
  const QString ei = user.CellText(stiffness, 0, kStiffnessColumn);
  user.Check(ei.toDouble() == 6e9, QStringLiteral("the reopened EI reads \"%1\", not 6E9").arg(ei));
  user.Screenshot(QStringLiteral("reopened"));

  // The results of the first run come back with the file.
  user.Menu({QStringLiteral("Graphics"), QStringLiteral("Deflection vs Depth")});
  user.Child(QStringLiteral("Deflection vs Depth"));
  user.Screenshot(QStringLiteral("reopened-deflection"));

  QMainWindow* main = user.MainWindow();
  user.Menu({QStringLiteral("File"), QStringLiteral("Exit")});
  user.WaitUntil([main] { return !main->isVisible(); }, QStringLiteral("the program to close"));
  (void)c;
}

}  // namespace

extern const Session kExampleEdit{"example-edit", nullptr, Edit};
extern const Session kExampleReopen{"example-reopen", nullptr, Reopen};

}  // namespace veldra::e2e
