// SimulatedUser: drives the running Veldra2015 through its widgets, as a person at
// the screen would: menus are opened by clicking the menu bar, fields are found by
// their labels and typed into, cells are edited in place, buttons are clicked, and
// message boxes and file dialogs are answered when they come up.
//
// It lives inside the application's process (loaded as a Qt plugin) and knows none
// of the application's classes: only what Qt shows of the windows.
//
// Every failed expectation throws SessionFailure with a sentence saying what the user
// expected and what the screen showed instead.
#ifndef VELDRA_TESTS_E2E_SIMULATED_USER_H
#define VELDRA_TESTS_E2E_SIMULATED_USER_H

#include <QDir>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>
#include <functional>
#include <stdexcept>
#include <string>

class QAbstractButton;
class QAction;
class QAbstractItemView;
class QMainWindow;
class QMdiSubWindow;
class QMenu;
class QWidget;

namespace veldra::e2e {

class SessionFailure : public std::runtime_error {
 public:
  explicit SessionFailure(const QString& what) : std::runtime_error(what.toStdString()) {}
};

// What to do with a modal window (message box, file dialog, modal dialog) when it
// comes up. The handler must not block: anything that may open another modal window
// goes through SimulatedUser::Later.
struct ModalExpectation {
  QString description;  // for the failure message: "the completion message"
  std::function<void(QWidget* modal)> handle;
};

class SimulatedUser : public QObject {
  Q_OBJECT

 public:
  // Screenshots go to `screenshot_dir` as NN-name.png, numbered in the order taken.
  SimulatedUser(QString session, QString screenshot_dir);
  ~SimulatedUser() override;

  // --- Time and windows ---------------------------------------------------------------
  // Lets the application handle its events for `ms` milliseconds.
  static void Pause(int ms = 50);
  // Waits up to `seconds` for `ready`; fails with `what` when it never holds.
  void WaitUntil(const std::function<bool()>& ready, const QString& what, int seconds = 20);
  QMainWindow* MainWindow();
  // The visible child window of that caption (waits for it); a caption ending in "*"
  // matches every caption that starts with the rest.
  QMdiSubWindow* Child(const QString& caption);
  QMdiSubWindow* ActiveChild();
  // Runs `action` from the event loop once the current handler has returned.
  static void Later(const std::function<void()>& action);

  // --- Menus ---------------------------------------------------------------------------
  // Clicks through the menu bar of `window` (the main window when null): {"File",
  // "Open..."}; captions are compared without their "&", and a caption ending in "*"
  // matches every caption that starts with the rest. The item must be enabled.
  void Menu(const QStringList& path, QWidget* window = nullptr);
  // Opens the menus down to the item and tells whether it is enabled, then closes them.
  bool MenuItemEnabled(const QStringList& path, QWidget* window = nullptr);
  // Whether the menu bar shows that top-level menu.
  bool MenuVisible(const QString& caption);

  // --- Forms ---------------------------------------------------------------------------
  // The entry field (a line or a text box) whose label starts with `label`: the
  // widget the label names as its buddy.
  QWidget* Field(QWidget* form, const QString& label);
  // Clicks into the field, selects what it holds and types `text`.
  void TypeInto(QWidget* field, const QString& text);
  static QString TextOf(QWidget* field);
  // Presses a key in the widget that has the keyboard focus.
  void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
  QAbstractButton* Button(QWidget* form, const QString& caption);
  void Click(QAbstractButton* button);
  // Clicks the left mouse button in the middle of the widget.
  void ClickOn(QWidget* widget);
  // Makes the widget's window the active one, as clicking into it does.
  void Activate(QWidget* widget);

  // --- Tables (a child window holding one grid) ----------------------------------------
  QAbstractItemView* Grid(QWidget* form);
  QString CellText(QAbstractItemView* grid, int row, int column);
  // Double-clicks the cell, types `text` into its editor and presses Enter.
  void EditCell(QAbstractItemView* grid, int row, int column, const QString& text);
  // Opens the choice list of the cell and picks the item of that caption.
  void ChooseInCell(QAbstractItemView* grid, int row, int column, const QString& item);
  // Clicks the button a cell shows (a soil layer's parameters, a curve).
  void ClickCellButton(QAbstractItemView* grid, int row, int column);
  // The control that stands over the cell (a choice list, a button), if any.
  static QWidget* CellControl(QAbstractItemView* grid, int row, int column);
  int RowCount(QAbstractItemView* grid);

  // --- Modal windows -------------------------------------------------------------------
  // Queues the handling of the next modal window. Modal windows nobody expected fail
  // the session (their text is in the message) and are closed.
  void Expect(ModalExpectation expectation);
  // Expects a message box whose text contains `text` and clicks its button `button`.
  void ExpectMessage(const QString& text, const QString& button = QStringLiteral("OK"));
  // Expects a file dialog, types `path` into its file-name field and accepts it.
  void ExpectFileDialog(const QString& path);
  // Expects a dialog of that caption and clicks its button `button`.
  void ExpectDialog(const QString& caption, const QString& button);
  // Fails unless every queued expectation has been met.
  void RequireExpectationsMet(const QString& after);

  // --- Checks and records --------------------------------------------------------------
  void Check(bool condition, const QString& what);
  // A picture of the whole screen, as the user sees it.
  void Screenshot(const QString& name);
  void Note(const QString& text);
  // A problem seen where nothing can be thrown (inside a modal window's handling): the
  // session fails at its next step.
  void Record(const QString& problem);

 private:
  void PollModal();
  QMenu* OpenMenuBarMenu(QWidget* window, const QString& caption);
  QAction* FindAction(const QList<QAction*>& actions, const QString& caption) const;

  QString session_;
  QDir screenshots_;
  int screenshot_count_ = 0;
  std::deque<ModalExpectation> expected_;
  QStringList unexpected_;
  QTimer poll_;
  QList<QPointer<QWidget>> handled_;
};

// Captions compare without their access-key "&" and surrounding blanks.
QString Plain(const QString& caption);

}  // namespace veldra::e2e

#endif  // VELDRA_TESTS_E2E_SIMULATED_USER_H
