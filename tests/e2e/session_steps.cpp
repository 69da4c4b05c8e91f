// Steps that several sessions take, and the table of sessions.
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiSubWindow>
#include <QScreen>
#include <utility>

#include "tests/e2e/sessions.h"

namespace veldra::e2e {

// The graph each Graphics item opens, by the caption of its window.
const std::pair<const char*, const char*> kGraphs[] = {
    {"p-y Curves", "p-y Curves"},
    {"Deflection vs Depth", "Deflection vs Depth"},
    {"Moment vs Depth", "Moment vs Depth"},
    {"Shear vs Depth", "Shear vs Depth"},
    {"Net Reaction vs Depth", "Net Reaction vs Depth"},
    {"Deflection, Moment and Shear", "Deflection, Moment, Shear vs Depth"},
    {"Earth Pressure Distribution", "Earth Pressure Distribution"},
    {"Earth Pressure Combined", "Earth Pressure Combined"},
};

void UseWholeScreen(SimulatedUser& user) {
  QMainWindow* main = user.MainWindow();
  if (QScreen* screen = QGuiApplication::primaryScreen()) main->setGeometry(screen->availableGeometry());
  // Without a window manager nothing gives the window the keyboard: the user clicks it.
  main->raise();
  main->activateWindow();
  user.WaitUntil([main] { return main->isActiveWindow(); }, QStringLiteral("the main window to become active"));
  SimulatedUser::Pause(200);
}

void RunAnalysis(SimulatedUser& user) {
  user.ExpectMessage(QStringLiteral("Computations are completed. Please, check output file for results or error messages."));
  user.Menu({QStringLiteral("Computation"), QStringLiteral("Run Analysis")});
  user.RequireExpectationsMet(QStringLiteral("Computation > Run Analysis"));
}

void OpenEveryGraph(SimulatedUser& user, int expected) {
  int opened = 0;
  for (const auto& [item, caption] : kGraphs) {
    if (!user.MenuItemEnabled({QStringLiteral("Graphics"), QLatin1String(item)})) {
      user.Note(QStringLiteral("Graphics > %1 is disabled: its graph holds no data").arg(QLatin1String(item)));
      continue;
    }
    user.Menu({QStringLiteral("Graphics"), QLatin1String(item)});
    QMdiSubWindow* window = user.Child(QLatin1String(caption));
    user.Check(window->widget() && window->widget()->isVisible(),
               QStringLiteral("the graph window \"%1\" shows nothing").arg(QLatin1String(caption)));
    user.Screenshot(QStringLiteral("graph-") + QString::fromLatin1(caption).toLower().replace(QLatin1Char(' '), QLatin1Char('-')).remove(QLatin1Char(',')));
    ++opened;
  }
  user.Check(opened >= expected, QStringLiteral("%1 graphs opened, %2 expected").arg(opened).arg(expected));
}

QString ReadText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromLatin1(file.readAll());
}

void RequireFile(SimulatedUser& user, const QString& path, const QByteArray& starts_with) {
  QFile file(path);
  user.Check(file.open(QIODevice::ReadOnly) && file.size() > 0, QStringLiteral("%1 was not written").arg(path));
  if (!starts_with.isEmpty())
    user.Check(file.read(starts_with.size()) == starts_with,
               QStringLiteral("%1 does not start as a %2 file does").arg(path, QString::fromLatin1(starts_with.toHex())));
}

extern const Session kExampleEdit;
extern const Session kExampleReopen;
extern const Session kNewProblem;
extern const Session kInstalled;

const Session* FindSession(const QString& name) {
  for (const Session* session : {&kExampleEdit, &kExampleReopen, &kNewProblem, &kInstalled})
    if (name == QLatin1String(session->name)) return session;
  return nullptr;
}

}  // namespace veldra::e2e
