// The table windows inside the main window: every table opens from its menu item as
// a child window captioned with the table's caption; a command stores the cell being
// typed first; a dragged child window snaps to whole rows.
#include <QAction>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QtTest>

#include "app/main_window_rules.h"
#include "gui/core/child_windows.h"
#include "gui/main/main_window.h"
#include "app/main_tables.h"
#include "gui/tables/cell_delegates.h"
#include "gui/tables/grid_table_model.h"
#include "gui/tables/register.h"
#include "gui/tables/table_form.h"
#include "gui/tables/table_grid.h"
#include "gui/tables/table_windows.h"
#include "tests/gui/gui_test_support.h"

using veldra::app::Command;
using veldra::gui::TMainForm;
using veldra::gui::tables::FormOf;
using veldra::gui::tables::TTableForm;
namespace app = veldra::app;
namespace fw = veldra::framework;

Q_DECLARE_METATYPE(Command)

namespace {

// A main window shown and started on a new problem, its settings and message boxes
// kept apart from the user's.
struct StartedWindow {
  veldra::gui::test::IsolatedSettings settings;
  veldra::gui::test::MessageBoxAnswers answers;
  TMainForm window;
  StartedWindow() {
    window.show();
    window.Start(QString());
  }
};

}  // namespace

class MainWindowTablesTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { veldra::gui::tables::Register(veldra::gui::RegisteredChildWindows()); }

  void MenuItemOpensTheTable_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<bool>("long_term");
    QTest::addColumn<QString>("caption");
    QTest::newRow("soil layers") << Command::kSoilLayers << false << "Soil Layers ";
    QTest::newRow("soil layers, short term") << Command::kSoilLayersShortTerm << true << "Soil Layers ";
    QTest::newRow("soil layers, long term") << Command::kSoilLayersLongTerm << true << "Soil Layers (Long-Term) ";
    QTest::newRow("distributed loads") << Command::kDistributedLoads << false << "Distributed Loads ";
    QTest::newRow("distributed loads, short term") << Command::kDistributedShortTerm << true << "Distributed Loads ";
    QTest::newRow("distributed loads, long term")
        << Command::kDistributedLongTerm << true << "Distributed Load (Long-Term) ";
    QTest::newRow("restraints") << Command::kRestraints << false << "Specify Deflection and Slope on Wall ";
    QTest::newRow("p-y modification") << Command::kPYModification << false << "p-y Modification Factors ";
    QTest::newRow("external p-y curves") << Command::kExternalPY << false << "Sets of Ext. p-y Curves ";
    QTest::newRow("moment-EI curves") << Command::kEICurves << false << "Nonlinear Moment vs EI Curves ";
  }

  void MenuItemOpensTheTable() {
    QFETCH(Command, command);
    QFETCH(bool, long_term);
    QFETCH(QString, caption);
    StartedWindow started;
    TMainForm& window = started.window;
    auto& answers = started.answers;
    auto& problem = window.Model().Problem();
    // Every option that gates a table on.
    problem.EarthPressureOption = 1;
    problem.UserPressure = true;
    problem.ApplyRestraints = problem.ApplyPYModification = problem.ApplyExternalPY = problem.ApplyEICurves = true;
    problem.LongTermMode = long_term;
    window.UpdateActions();
    QVERIFY(window.Action(command)->isEnabled());
    window.Action(command)->trigger();
    QApplication::processEvents();
    QVERIFY(answers.Take().isEmpty());
    const QList<QMdiSubWindow*> children = window.MdiArea()->subWindowList();
    QCOMPARE(children.size(), 1);
    QCOMPARE(children.first()->windowTitle(), caption);
    // A second choice of the item brings the same window forward.
    window.Action(command)->trigger();
    QApplication::processEvents();
    QCOMPARE(window.MdiArea()->subWindowList().size(), 1);
    // Starting a new problem closes it.
    window.Model().CloseChildWindows();
    QTest::qWait(20);
    QVERIFY(window.MdiArea()->subWindowList().isEmpty());
  }

  // The button of each input dialog opens its table beside the dialog.
  void DialogButtonOpensTheTable_data() {
    QTest::addColumn<Command>("command");
    QTest::addColumn<QString>("button_text");
    QTest::addColumn<QString>("caption");
    QTest::newRow("wall properties") << Command::kWallProperties << "Enter Section Data" << "Wall Stiffness ";
    QTest::newRow("additional surcharge") << Command::kSurchargeLoads << "&Edit Surcharge Loads"
                                          << "Surcharge Loads ";
    QTest::newRow("concentrated loads") << Command::kConcentratedLoads << "&Edit Concentrated Loads"
                                        << "Concentrated Loads on Wall ";
    QTest::newRow("springs") << Command::kSprings << "&Edit Spring Stiffness" << "Lateral Spring and Rotation Spring ";
    QTest::newRow("tiebacks") << Command::kTiebackData << "&Enter Tieback data" << "Tieback (ground anchor) Table ";
  }

  void DialogButtonOpensTheTable() {
    QFETCH(Command, command);
    QFETCH(QString, button_text);
    QFETCH(QString, caption);
    StartedWindow started;
    TMainForm& window = started.window;
    auto& answers = started.answers;
    auto& problem = window.Model().Problem();
    problem.ApplySurcharge = problem.ApplyConcentratedLoads = problem.ApplySprings = problem.ApplyTiebacks = true;
    window.UpdateActions();
    window.Action(command)->trigger();
    QApplication::processEvents();
    QWidget* dialog = window.ActiveChildWidget();
    QVERIFY(dialog);
    QPushButton* button = nullptr;
    for (QPushButton* candidate : dialog->findChildren<QPushButton*>())
      if (candidate->text() == button_text) button = candidate;
    QVERIFY(button);
    QVERIFY(button->isEnabled());
    button->click();
    QApplication::processEvents();
    QVERIFY(answers.Take().isEmpty());
    QCOMPARE(window.MdiArea()->subWindowList().size(), 2);
    QCOMPARE(window.MdiArea()->activeSubWindow()->windowTitle(), caption);
  }

  // The dialogs' buttons ask the seam for their tables (wall stiffness, surcharges,
  // concentrated loads, springs, tiebacks): every table of the problem opens there.
  void EveryTableOpensThroughTheSeam() {
    StartedWindow started;
    TMainForm& window = started.window;
    auto& answers = started.answers;
    int opened = 0;
    for (const auto& [name, table] : window.Model().Tables().All()) {
      if (name.rfind("Tbl", 0) == 0 || name == app::PYCurvePoints::kName || name == app::MomentEIPoints::kName) continue;  // templates
      veldra::gui::RegisteredChildWindows().showTable(window, *table);
      QApplication::processEvents();
      ++opened;
      const QList<QMdiSubWindow*> children = window.MdiArea()->subWindowList();
      QCOMPARE(children.size(), opened);
      QCOMPARE(window.MdiArea()->activeSubWindow()->windowTitle(), QString::fromStdString(table->Caption() + " "));
    }
    QCOMPARE(opened, 13);
    QVERIFY(answers.Take().isEmpty());
  }

  // A command of the main window first stores what is being typed in the active
  // table window; an entry the cell refuses stops the command.
  void CommandsCommitTheCellBeingTyped_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("runs");
    QTest::newRow("good entry") << "2*3" << true;
    QTest::newRow("refused entry") << "abc" << false;
  }

  void CommandsCommitTheCellBeingTyped() {
    QFETCH(QString, entry);
    QFETCH(bool, runs);
    StartedWindow started;
    TMainForm& window = started.window;
    auto& answers = started.answers;
    window.Model().Problem().ApplyPYModification = true;
    window.UpdateActions();
    window.Action(Command::kSoilLayers)->trigger();
    QApplication::processEvents();
    fw::TGridTable& soil = window.Model().Table(app::SoilLayers::kName);
    TTableForm* form = FormOf(soil);
    QVERIFY(form);
    const QModelIndex depth = form->Model()->index(0, 1);
    form->Grid()->setCurrentIndex(depth);
    form->Grid()->edit(depth);
    QLineEdit* editor = static_cast<veldra::gui::tables::TCellDelegate*>(form->Grid()->itemDelegate())->OpenEditor();
    QVERIFY(editor);
    QTest::keyClicks(editor, entry);

    window.Action(Command::kPYModification)->trigger();
    QTest::qWait(30);
    QCOMPARE(window.MdiArea()->subWindowList().size(), runs ? 2 : 1);
    QCOMPARE(static_cast<double>(soil.Cell(1, 0).AsFloat()), runs ? 6.0 : 0.0);
    QCOMPARE(answers.Take().size(), runs ? 0 : 1);
    QCOMPARE(window.Model().IsModified(), runs);
  }

  // A child window whose border is dragged snaps to whole rows; the edge opposite the
  // dragged one stays where it was.
  void ChildWindowSnapsKeepingTheOppositeEdge() {
    veldra::gui::test::IsolatedSettings settings;
    veldra::gui::test::MessageBoxAnswers answers;
    TMainForm window;
    window.resize(1000, 800);
    window.show();
    window.Start(QString());
    fw::TGridTable& loads = window.Model().Table(app::PressureDistribution::kName);
    loads.SetRowCount(25);
    window.Model().Problem().EarthPressureOption = 1;
    window.UpdateActions();
    window.Action(Command::kDistributedLoads)->trigger();
    QApplication::processEvents();
    TTableForm* form = FormOf(loads);
    QVERIFY(form);
    auto* child = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    QVERIFY(child);
    child->move(20, 20);
    QApplication::processEvents();
    const int row = form->Grid()->verticalHeader()->defaultSectionSize();
    QCOMPARE(form->View().shown_rows, 10);

    // The bottom edge up by three and a half rows: six rows, the top stays.
    const QRect opened = child->geometry();
    child->setGeometry(opened.adjusted(0, 0, 0, -7 * row / 2));
    QTest::qWait(30);
    QCOMPARE(form->View().shown_rows, 6);
    QCOMPARE(child->geometry(), opened.adjusted(0, 0, 0, -4 * row));
    QCOMPARE(form->size(), form->ClientSize());

    // The top edge down by one and a half rows: four rows, the bottom stays.
    const QRect six = child->geometry();
    child->setGeometry(six.adjusted(0, 3 * row / 2, 0, 0));
    QTest::qWait(30);
    QCOMPARE(form->View().shown_rows, 4);
    QCOMPARE(child->geometry(), six.adjusted(0, 2 * row, 0, 0));
    QVERIFY(answers.Take().isEmpty());
  }
};

QTEST_MAIN(MainWindowTablesTest)
#include "main_window_tables_test.moc"
