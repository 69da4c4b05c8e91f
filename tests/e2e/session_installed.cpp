// The installed program, started on an example named on its command line (as a file
// manager starts it from the desktop entry): it announces the file, runs it with the
// engine library it finds beside itself, shows the graphs, the side view and the 3D
// view, and opens its manual from the Help menu.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMainWindow>
#include <QUrl>

#include "tests/e2e/sessions.h"

namespace veldra::e2e {
namespace {

void Prepare(SimulatedUser& user, const SessionContext&) {
  user.ExpectMessage(QStringLiteral("has been read by VELDRA 2015"));
}

// The last document the desktop's opener was asked to show.
QString LastOpened(const SessionContext& c) {
  const QStringList lines = ReadText(c.opened).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  return lines.isEmpty() ? QString() : lines.back();
}

void Run(SimulatedUser& user, const SessionContext& c) {
  user.RequireExpectationsMet(QStringLiteral("the start with a file"));
  UseWholeScreen(user);
  RunAnalysis(user);
  const QString base = QDir(c.work).filePath(QFileInfo(c.example).completeBaseName());
  for (const char* extension : {".vd5o", ".vd5p", ".vd5r"}) RequireFile(user, base + QLatin1String(extension));
  user.Check(ReadText(base + QStringLiteral(".vd5o")).contains(QStringLiteral("END OF ANALYSIS")),
             QStringLiteral("the report does not end its analysis"));
  OpenEveryGraph(user, 8);
  user.Menu({QStringLiteral("Computation"), QStringLiteral("View Wall Geometry")});
  user.Child(QStringLiteral("Side View"));
  user.Screenshot(QStringLiteral("side-view"));
  user.Menu({QStringLiteral("Computation"), QStringLiteral("3D View")});
  user.Child(QStringLiteral("3-D View"));
  user.Screenshot(QStringLiteral("3d-view"));

  user.Menu({QStringLiteral("Help"), QStringLiteral("User's Manual")});
  user.WaitUntil([&] { return !LastOpened(c).isEmpty(); }, QStringLiteral("the manual to be handed to the desktop"));
  const QString page = QUrl(LastOpened(c)).toLocalFile();
  user.Check(page.endsWith(QStringLiteral("/share/doc/veldra/manual/getting-started.html")) && QFileInfo(page).isFile(),
             QStringLiteral("Help > User's Manual opened \"%1\"").arg(LastOpened(c)));
  user.Note(QStringLiteral("the manual opened: %1").arg(page));

  QMainWindow* main = user.MainWindow();
  user.Menu({QStringLiteral("File"), QStringLiteral("Exit")});
  user.WaitUntil([main] { return !main->isVisible(); }, QStringLiteral("the program to close"));
}

}  // namespace

extern const Session kInstalled{"installed", Prepare, Run};

}  // namespace veldra::e2e
