// The sessions the driver plays, chosen by VELDRA_E2E_SESSION:
//   example-edit    opens a bundled example through File > Open, changes a dialog
//                   value and a table cell, runs it, opens every graph, saves a
//                   bitmap, exports the workbook, opens the side and 3D views, saves
//                   and exits;
//   example-reopen  reopens that file from the recent-file list and finds both changes;
//   new-problem     builds a wall from nothing (title, wall, soil layers with generated
//                   p-y curves, a tieback), saves it under a new name and runs it;
//   installed       the installed program on an example named on its command line:
//                   runs it, opens its graphs, the side and 3D views, and the manual
//                   from the Help menu.
#ifndef VELDRA_TESTS_E2E_SESSIONS_H
#define VELDRA_TESTS_E2E_SESSIONS_H

#include <QString>

#include "tests/e2e/simulated_user.h"

namespace veldra::e2e {

// Where a session works, from the environment the script sets up.
struct SessionContext {
  QString work;     // VELDRA_E2E_WORK: a scratch folder with the data files
  QString example;  // VELDRA_E2E_EXAMPLE: the example's file name in `work`
  QString opened;   // VELDRA_E2E_OPENED: the file the fake desktop opener records into
};

struct Session {
  const char* name;
  // Queues what the program shows before the session starts (a file named on the
  // command line is opened and announced in a message box).
  void (*prepare)(SimulatedUser&, const SessionContext&);
  void (*run)(SimulatedUser&, const SessionContext&);
};

const Session* FindSession(const QString& name);

// Shared steps.
// Resizes the main window to the screen, as a user maximises it.
void UseWholeScreen(SimulatedUser& user);
// Runs the analysis and answers the completion message.
void RunAnalysis(SimulatedUser& user);
// Opens the graph of every enabled item of the Graphics menu; fails when fewer than
// `expected` graphs open.
void OpenEveryGraph(SimulatedUser& user, int expected);
QString ReadText(const QString& path);
void RequireFile(SimulatedUser& user, const QString& path, const QByteArray& starts_with = {});

}  // namespace veldra::e2e

#endif  // VELDRA_TESTS_E2E_SESSIONS_H
