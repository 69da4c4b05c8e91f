#include "tests/e2e/simulated_user.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTest>
#include <QTextEdit>
#include <cstdio>

namespace veldra::e2e {

QString Plain(const QString& caption) {
  QString text = caption;
  text.remove(QLatin1Char('&'));
  return text.trimmed();
}

namespace {

QString Describe(QWidget* modal) {
  if (auto* box = qobject_cast<QMessageBox*>(modal))
    return QStringLiteral("message box \"%1\": %2").arg(box->windowTitle(), box->text());
  return QStringLiteral("window \"%1\" (%2)").arg(modal->windowTitle(), QLatin1String(modal->metaObject()->className()));
}

QMenuBar* MenuBarOf(QWidget* window) {
  if (auto* main = qobject_cast<QMainWindow*>(window)) return main->menuBar();
  return window->findChild<QMenuBar*>();
}

void CloseMenus() {
  for (int i = 0; i < 5 && QApplication::activePopupWidget(); ++i) {
    QApplication::activePopupWidget()->close();
    SimulatedUser::Pause(20);
  }
}

}  // namespace

SimulatedUser::SimulatedUser(QString session, QString screenshot_dir)
    : session_(std::move(session)), screenshots_(screenshot_dir) {
  screenshots_.mkpath(QStringLiteral("."));
  poll_.setInterval(30);
  connect(&poll_, &QTimer::timeout, this, &SimulatedUser::PollModal);
  poll_.start();
}

SimulatedUser::~SimulatedUser() = default;

// --- Time and windows --------------------------------------------------------------------

void SimulatedUser::Pause(int ms) { QTest::qWait(ms); }

void SimulatedUser::Later(const std::function<void()>& action) { QTimer::singleShot(0, qApp, action); }

void SimulatedUser::WaitUntil(const std::function<bool()>& ready, const QString& what, int seconds) {
  QDeadlineTimer deadline(seconds * 1000);
  while (!ready()) {
    if (!unexpected_.isEmpty()) throw SessionFailure(QStringLiteral("while waiting for %1: %2").arg(what, unexpected_.join(QStringLiteral("; "))));
    if (deadline.hasExpired()) throw SessionFailure(QStringLiteral("waited %1 s for %2").arg(seconds).arg(what));
    Pause(30);
  }
}

QMainWindow* SimulatedUser::MainWindow() {
  QMainWindow* found = nullptr;
  WaitUntil(
      [&] {
        for (QWidget* widget : QApplication::topLevelWidgets())
          if (auto* main = qobject_cast<QMainWindow*>(widget); main && main->isVisible()) found = main;
        return found != nullptr;
      },
      QStringLiteral("the main window"));
  return found;
}

QMdiSubWindow* SimulatedUser::Child(const QString& caption) {
  QMdiSubWindow* found = nullptr;
  QMainWindow* main = MainWindow();
  WaitUntil(
      [&] {
        auto* area = main->findChild<QMdiArea*>();
        if (!area) return false;
        const bool prefix = caption.endsWith(QLatin1Char('*'));
        const QString wanted = Plain(prefix ? caption.chopped(1) : caption);
        for (QMdiSubWindow* sub : area->subWindowList()) {
          const QString shown = Plain(sub->windowTitle());
          if (sub->isVisible() && (prefix ? shown.startsWith(wanted) : shown == wanted)) found = sub;
        }
        return found != nullptr;
      },
      QStringLiteral("the window \"%1\"").arg(caption));
  return found;
}

QMdiSubWindow* SimulatedUser::ActiveChild() {
  auto* area = MainWindow()->findChild<QMdiArea*>();
  return area ? area->activeSubWindow() : nullptr;
}

// --- Menus -------------------------------------------------------------------------------

QAction* SimulatedUser::FindAction(const QList<QAction*>& actions, const QString& caption) const {
  const bool prefix = caption.endsWith(QLatin1Char('*'));
  const QString wanted = prefix ? caption.chopped(1).remove(QLatin1Char('&')) : Plain(caption);
  for (QAction* action : actions) {
    if (!action->isVisible() || action->isSeparator()) continue;
    const QString shown = Plain(action->text());
    if (prefix ? shown.startsWith(wanted) : shown == wanted) return action;
  }
  return nullptr;
}

bool SimulatedUser::MenuVisible(const QString& caption) {
  QMenuBar* bar = MenuBarOf(MainWindow());
  return FindAction(bar->actions(), caption) != nullptr;
}

QMenu* SimulatedUser::OpenMenuBarMenu(QWidget* window, const QString& caption) {
  QMenuBar* bar = MenuBarOf(window);
  if (!bar) throw SessionFailure(QStringLiteral("\"%1\" has no menu bar").arg(window->windowTitle()));
  QAction* top = FindAction(bar->actions(), caption);
  if (!top || !top->menu()) throw SessionFailure(QStringLiteral("the menu bar shows no menu \"%1\"").arg(caption));
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(top).center());
  QMenu* menu = top->menu();
  WaitUntil([&] { return menu->isVisible(); }, QStringLiteral("the menu \"%1\" to open").arg(caption), 5);
  return menu;
}

void SimulatedUser::Menu(const QStringList& path, QWidget* window) {
  if (!window) window = MainWindow();
  QMenu* menu = OpenMenuBarMenu(window, path.front());
  for (int i = 1; i < path.size(); ++i) {
    QAction* item = FindAction(menu->actions(), path[i]);
    if (!item) {
      QStringList shown;
      for (QAction* action : menu->actions())
        if (action->isVisible() && !action->isSeparator()) shown << Plain(action->text());
      CloseMenus();
      throw SessionFailure(QStringLiteral("the menu \"%1\" has no item \"%2\" (it shows: %3)")
                               .arg(path.mid(0, i).join(QStringLiteral(" > ")), path[i], shown.join(QStringLiteral(", "))));
    }
    if (!item->isEnabled()) {
      CloseMenus();
      throw SessionFailure(QStringLiteral("\"%1\" is disabled").arg(path.mid(0, i + 1).join(QStringLiteral(" > "))));
    }
    const QPoint centre = menu->actionGeometry(item).center();
    if (i + 1 < path.size()) {
      QTest::mouseMove(menu, centre);
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, centre);
      QMenu* sub = item->menu();
      if (!sub) throw SessionFailure(QStringLiteral("\"%1\" opens no submenu").arg(path[i]));
      WaitUntil([&] { return sub->isVisible(); }, QStringLiteral("the submenu \"%1\"").arg(path[i]), 5);
      menu = sub;
    } else {
      QTest::mouseMove(menu, centre);
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, centre);
    }
  }
  Pause(100);
  if (!unexpected_.isEmpty())
    throw SessionFailure(QStringLiteral("after %1: %2").arg(path.join(QStringLiteral(" > ")), unexpected_.join(QStringLiteral("; "))));
}

bool SimulatedUser::MenuItemEnabled(const QStringList& path, QWidget* window) {
  if (!window) window = MainWindow();
  QMenu* menu = OpenMenuBarMenu(window, path.front());
  bool enabled = false;
  for (int i = 1; i < path.size(); ++i) {
    QAction* item = FindAction(menu->actions(), path[i]);
    if (!item) {
      CloseMenus();
      throw SessionFailure(QStringLiteral("the menu \"%1\" has no item \"%2\"").arg(path.mid(0, i).join(QStringLiteral(" > ")), path[i]));
    }
    enabled = item->isEnabled();
    if (i + 1 < path.size() && enabled && item->menu()) {
      const QPoint centre = menu->actionGeometry(item).center();
      QTest::mouseMove(menu, centre);
      QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, centre);
      menu = item->menu();
      WaitUntil([&] { return menu->isVisible(); }, QStringLiteral("the submenu \"%1\"").arg(path[i]), 5);
    } else if (i + 1 < path.size()) {
      break;
    }
  }
  CloseMenus();
  return enabled;
}

// --- Forms -------------------------------------------------------------------------------

QWidget* SimulatedUser::Field(QWidget* form, const QString& label) {
  QStringList labels;
  for (QLabel* candidate : form->findChildren<QLabel*>()) {
    if (!candidate->isVisible()) continue;
    labels << Plain(candidate->text());
    if (Plain(candidate->text()).startsWith(Plain(label)) && candidate->buddy()) return candidate->buddy();
  }
  throw SessionFailure(QStringLiteral("\"%1\" shows no field labelled \"%2\" (labels: %3)")
                           .arg(form->windowTitle(), label, labels.join(QStringLiteral(" | "))));
}

QString SimulatedUser::TextOf(QWidget* field) {
  if (auto* line = qobject_cast<QLineEdit*>(field)) return line->text();
  if (auto* plain = qobject_cast<QPlainTextEdit*>(field)) return plain->toPlainText();
  if (auto* rich = qobject_cast<QTextEdit*>(field)) return rich->toPlainText();
  if (auto* combo = qobject_cast<QComboBox*>(field)) return combo->currentText();
  return {};
}

void SimulatedUser::TypeInto(QWidget* field, const QString& text) {
  Check(field->isEnabled(), QStringLiteral("the field \"%1\" is disabled").arg(field->objectName()));
  ClickOn(field);
  WaitUntil([&] { return field->hasFocus(); }, QStringLiteral("the field to take the focus"), 5);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_Delete);
  QTest::keyClicks(field, text);
  Pause(30);
}

void SimulatedUser::Press(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = QApplication::activeWindow();
  Check(target != nullptr, QStringLiteral("no window has the keyboard focus"));
  QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  Pause(50);
}

QAbstractButton* SimulatedUser::Button(QWidget* form, const QString& caption) {
  QAbstractButton* found = nullptr;
  WaitUntil(
      [&] {
        for (QAbstractButton* button : form->findChildren<QAbstractButton*>())
          if (button->isVisible() && Plain(button->text()) == Plain(caption)) found = button;
        return found != nullptr;
      },
      QStringLiteral("the button \"%1\" in \"%2\"").arg(caption, form->windowTitle()), 5);
  return found;
}

void SimulatedUser::Click(QAbstractButton* button) {
  Check(button->isEnabled(), QStringLiteral("the button \"%1\" is disabled").arg(Plain(button->text())));
  Activate(button);
  QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  Pause(80);
}

void SimulatedUser::Activate(QWidget* widget) {
  // Without a window manager a click does not activate a window: do what it would.
  QWidget* window = widget->window();
  if (window->isActiveWindow()) return;
  window->raise();
  window->activateWindow();
  WaitUntil([window] { return window->isActiveWindow(); }, QStringLiteral("the window \"%1\" to become active").arg(window->windowTitle()), 5);
}

void SimulatedUser::ClickOn(QWidget* widget) {
  Activate(widget);
  QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
  Pause(30);
}

// --- Tables ------------------------------------------------------------------------------

QAbstractItemView* SimulatedUser::Grid(QWidget* form) {
  QAbstractItemView* found = nullptr;
  WaitUntil(
      [&] {
        for (QAbstractItemView* view : form->findChildren<QAbstractItemView*>())
          if (view->isVisible() && view->model() && !qobject_cast<QComboBox*>(view->parentWidget())) {
            found = view;
            return true;
          }
        return false;
      },
      QStringLiteral("the grid of \"%1\"").arg(form->windowTitle()), 5);
  return found;
}

int SimulatedUser::RowCount(QAbstractItemView* grid) { return grid->model()->rowCount(); }

QString SimulatedUser::CellText(QAbstractItemView* grid, int row, int column) {
  const QModelIndex index = grid->model()->index(row, column);
  Check(index.isValid(), QStringLiteral("the grid has no cell at row %1, column %2").arg(row + 1).arg(column + 1));
  return index.data(Qt::DisplayRole).toString();
}

void SimulatedUser::EditCell(QAbstractItemView* grid, int row, int column, const QString& text) {
  const QModelIndex index = grid->model()->index(row, column);
  Check(index.isValid(), QStringLiteral("the grid has no cell at row %1, column %2").arg(row + 1).arg(column + 1));
  Activate(grid);
  grid->scrollTo(index);
  Pause(30);
  const QPoint centre = grid->visualRect(index).center();
  QTest::mouseClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, centre);
  QWidget* editor = nullptr;
  WaitUntil(
      [&] {
        editor = QApplication::focusWidget();
        return editor && editor != grid && grid->isAncestorOf(editor);
      },
      QStringLiteral("the editor of the cell at row %1, column %2").arg(row + 1).arg(column + 1), 5);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClicks(editor, text);
  QTest::keyClick(editor, Qt::Key_Return);
  Pause(80);
}

QWidget* SimulatedUser::CellControl(QAbstractItemView* grid, int row, int column) {
  const QModelIndex index = grid->model()->index(row, column);
  for (QWidget* control : grid->viewport()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
    if (control->isVisible() && grid->indexAt(control->geometry().center()) == index) return control;
  return nullptr;
}

void SimulatedUser::ChooseInCell(QAbstractItemView* grid, int row, int column, const QString& item) {
  const QModelIndex index = grid->model()->index(row, column);
  Check(index.isValid(), QStringLiteral("the grid has no cell at row %1, column %2").arg(row + 1).arg(column + 1));
  Activate(grid);
  grid->scrollTo(index);
  Pause(30);
  // A choice cell shows its list over the cell, or opens it on a double click.
  auto* combo = qobject_cast<QComboBox*>(CellControl(grid, row, column));
  if (!combo) {
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, Qt::NoModifier, grid->visualRect(index).center());
    WaitUntil([&] { return (combo = qobject_cast<QComboBox*>(CellControl(grid, row, column))) != nullptr; },
              QStringLiteral("the choice list of the cell at row %1, column %2").arg(row + 1).arg(column + 1), 5);
  }
  const int wanted = combo->findText(item);
  Check(wanted >= 0, QStringLiteral("the choice list offers no \"%1\"").arg(item));
  // Opens the list and walks to the item with the arrow keys, as from the keyboard.
  QTest::mouseClick(combo, Qt::LeftButton, Qt::NoModifier, combo->rect().center());
  WaitUntil([] { return QApplication::activePopupWidget() != nullptr; }, QStringLiteral("the choice list to open"), 5);
  // The keys go to the list inside the popup, where the keyboard's focus is.
  QWidget* list = combo->view();
  for (int i = 0; i < combo->count(); ++i) QTest::keyClick(list, Qt::Key_Up);
  for (int i = 0; i < wanted; ++i) QTest::keyClick(list, Qt::Key_Down);
  QTest::keyClick(list, Qt::Key_Return);
  Pause(80);
  Check(CellText(grid, row, column) == item || combo->currentText() == item,
        QStringLiteral("the cell at row %1, column %2 shows \"%3\" after choosing \"%4\"")
            .arg(row + 1)
            .arg(column + 1)
            .arg(CellText(grid, row, column), item));
}

void SimulatedUser::ClickCellButton(QAbstractItemView* grid, int row, int column) {
  const QModelIndex index = grid->model()->index(row, column);
  Check(index.isValid(), QStringLiteral("the grid has no cell at row %1, column %2").arg(row + 1).arg(column + 1));
  Activate(grid);
  grid->scrollTo(index);
  Pause(30);
  auto* button = qobject_cast<QAbstractButton*>(CellControl(grid, row, column));
  Check(button != nullptr, QStringLiteral("the cell at row %1, column %2 shows no button").arg(row + 1).arg(column + 1));
  Click(button);
}

// --- Modal windows -----------------------------------------------------------------------

void SimulatedUser::Expect(ModalExpectation expectation) { expected_.push_back(std::move(expectation)); }

void SimulatedUser::ExpectMessage(const QString& text, const QString& button) {
  Expect({QStringLiteral("the message \"%1\"").arg(text), [this, text, button](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            if (!box || !box->text().contains(text)) {
              unexpected_ << QStringLiteral("expected the message \"%1\", saw the %2").arg(text, Describe(modal));
              if (box) box->reject(); else modal->close();
              return;
            }
            for (QAbstractButton* candidate : box->buttons())
              if (Plain(candidate->text()) == Plain(button)) {
                QAbstractButton* target = candidate;
                Later([target] { QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, target->rect().center()); });
                return;
              }
            unexpected_ << QStringLiteral("the message \"%1\" has no button \"%2\"").arg(text, button);
            box->reject();
          }});
}

void SimulatedUser::ExpectFileDialog(const QString& path) {
  Expect({QStringLiteral("a file dialog for %1").arg(path), [this, path](QWidget* modal) {
            auto* dialog = qobject_cast<QFileDialog*>(modal);
            if (!dialog) {
              unexpected_ << QStringLiteral("expected a file dialog, saw the %1").arg(Describe(modal));
              modal->close();
              return;
            }
            QPointer<QFileDialog> guarded = dialog;
            Later([this, guarded, path] {
              if (!guarded) return;
              auto* name = guarded->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
              if (!name) {
                unexpected_ << QStringLiteral("the file dialog \"%1\" has no file-name field").arg(guarded->windowTitle());
                guarded->reject();
                return;
              }
              Screenshot(QStringLiteral("file-dialog"));
              QTest::mouseClick(name, Qt::LeftButton, Qt::NoModifier, name->rect().center());
              QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
              QTest::keyClicks(name, path);
              QTest::keyClick(name, Qt::Key_Return);
            });
          }});
}

void SimulatedUser::ExpectDialog(const QString& caption, const QString& button) {
  Expect({QStringLiteral("the dialog \"%1\"").arg(caption), [this, caption, button](QWidget* modal) {
            if (Plain(modal->windowTitle()) != Plain(caption)) {
              unexpected_ << QStringLiteral("expected the dialog \"%1\", saw the %2").arg(caption, Describe(modal));
              modal->close();
              return;
            }
            QPointer<QWidget> guarded = modal;
            Later([this, guarded, button] {
              if (!guarded) return;
              Screenshot(Plain(guarded->windowTitle()).toLower().replace(QLatin1Char(' '), QLatin1Char('-')));
              for (QAbstractButton* candidate : guarded->findChildren<QAbstractButton*>())
                if (candidate->isVisible() && Plain(candidate->text()) == Plain(button)) {
                  QTest::mouseClick(candidate, Qt::LeftButton, Qt::NoModifier, candidate->rect().center());
                  return;
                }
              unexpected_ << QStringLiteral("the dialog \"%1\" has no button \"%2\"").arg(guarded->windowTitle(), button);
              if (auto* dialog = qobject_cast<QDialog*>(guarded.data())) dialog->reject();
            });
          }});
}

void SimulatedUser::RequireExpectationsMet(const QString& after) {
  WaitUntil([&] { return expected_.empty() && !QApplication::activeModalWidget(); },
            QStringLiteral("%1 after %2").arg(expected_.empty() ? QStringLiteral("the modal windows to close")
                                                                 : expected_.front().description,
                                              after));
  if (!unexpected_.isEmpty())
    throw SessionFailure(QStringLiteral("after %1: %2").arg(after, unexpected_.join(QStringLiteral("; "))));
}

void SimulatedUser::PollModal() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || !modal->isVisible()) return;
  handled_.removeAll(QPointer<QWidget>());
  for (const QPointer<QWidget>& done : handled_)
    if (done == modal) return;
  handled_ << modal;
  if (expected_.empty()) {
    unexpected_ << QStringLiteral("an unexpected %1").arg(Describe(modal));
    Screenshot(QStringLiteral("unexpected"));
    if (auto* dialog = qobject_cast<QDialog*>(modal))
      dialog->reject();
    else
      modal->close();
    return;
  }
  Pause(150);  // drawn, so that a screenshot shows it
  ModalExpectation next = std::move(expected_.front());
  expected_.pop_front();
  next.handle(modal);
}

// --- Checks and records ------------------------------------------------------------------

void SimulatedUser::Check(bool condition, const QString& what) {
  if (!condition) throw SessionFailure(what);
}

void SimulatedUser::Screenshot(const QString& name) {
  Pause(100);
  QScreen* screen = QGuiApplication::primaryScreen();
  const QString file = screenshots_.filePath(
      QStringLiteral("%1-%2-%3.png").arg(session_).arg(++screenshot_count_, 2, 10, QLatin1Char('0')).arg(name));
  if (!screen || !screen->grabWindow(0).save(file)) std::fprintf(stderr, "e2e: cannot write %s\n", qPrintable(file));
}

void SimulatedUser::Record(const QString& problem) { unexpected_ << problem; }

void SimulatedUser::Note(const QString& text) { std::printf("e2e %s: %s\n", qPrintable(session_), qPrintable(text)); std::fflush(stdout); }

}  // namespace veldra::e2e
