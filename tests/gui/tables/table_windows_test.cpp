// The table windows driven as a user drives them: opened from their tables, rows
// added and deleted, cells typed into, soil types changed, units switched, curves
// drawn and filled from files and the clipboard. The tables' values are checked
// after the window acted.
#include <QAbstractButton>
#include <QCategoryAxis>
#include <QChartView>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "framework/float_column.h"
#include "framework/grid_table_chart.h"
#include "framework/int_column.h"
#include "app/main_tables.h"
#include "framework/units.h"
#include "gui/tables/cell_delegates.h"
#include "gui/tables/grid_table_model.h"
#include "gui/tables/table_chart_form.h"
#include "gui/tables/table_form.h"
#include "gui/tables/table_grid.h"
#include "gui/tables/table_windows.h"
#include "tests/gui/gui_test_support.h"

namespace app = veldra::app;
namespace fw = veldra::framework;
using veldra::gui::tables::FormOf;
using veldra::gui::tables::TTableChartForm;
using veldra::gui::tables::TTableForm;
using veldra::gui::test::MessageBoxAnswers;

namespace {

QString Data(const char* name) { return QStringLiteral(VELDRA_TEST_DATA_DIR "/") + QLatin1String(name); }

// The text the model shows for a cell.
QString Text(const TTableForm& form, int row, int column) {
  return form.Model()->index(row, column).data().toString();
}

int RowHeight(const TTableForm& form) { return form.Grid()->verticalHeader()->defaultSectionSize(); }

}  // namespace

class TableWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    veldra::gui::tables::InstallTableWindows();
    tables_ = std::make_unique<app::MainTables>();
    answers_ = std::make_unique<MessageBoxAnswers>();
  }

  void cleanup() {
    for (const auto& [name, table] : tables_->All()) table->CloseWindow();
    QTest::qWait(20);
    answers_.reset();
    tables_.reset();
    veldra::gui::tables::UninstallTableWindows();
  }

  // --- Opening, rows and their buttons ---------------------------------------------

  void LongTableShowsTenRowsAndAScrollBar() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    loads.SetRowCount(25);
    TTableForm* form = Open(loads);
    QCOMPARE(form->View().shown_rows, 10);
    QVERIFY(form->Grid()->verticalScrollBar()->isVisible());
    // The grid holds exactly ten whole rows.
    QCOMPARE(form->Grid()->viewport()->height(), 10 * RowHeight(*form));
    QCOMPARE(form->size(), form->ClientSize());
  }

  void AddRowGrowsTheWindowByOneRow() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    loads.SetRowCount(3);
    TTableForm* form = Open(loads);
    QCOMPARE(form->View().shown_rows, 3);
    QVERIFY(!form->Grid()->verticalScrollBar()->isVisible());
    const int height = form->height();
    form->AddButton()->click();
    QCOMPARE(loads.RowCount(), 4);
    QCOMPARE(form->View().shown_rows, 4);
    QCOMPARE(form->height(), height + RowHeight(*form));
    QVERIFY(loads.IsChanged());

    // Beyond ten rows the window keeps its size and scrolls to the new last row.
    for (int i = 0; i < 7; ++i) form->AddButton()->click();
    QCOMPARE(loads.RowCount(), 11);
    QCOMPARE(form->View().shown_rows, 10);
    QCOMPARE(form->View().top_row, 1);
    QVERIFY(form->Grid()->verticalScrollBar()->isVisible());
  }

  void RowButtonsFollowTheRowLimits() {
    // p-y modification factors: 2 to 30 rows.
    TTableForm* factors = Open(Table(app::PYModification::kName));
    QVERIFY(factors->DeleteButton()->isVisible());
    QVERIFY(!factors->DeleteButton()->isEnabled());
    factors->AddButton()->click();
    QVERIFY(factors->DeleteButton()->isEnabled());
    factors->Grid()->setCurrentIndex(factors->Model()->index(2, 0));
    factors->DeleteButton()->click();
    QCOMPARE(Table(app::PYModification::kName).RowCount(), 2);
    QVERIFY(!factors->DeleteButton()->isEnabled());

    // Surcharges: at most 20 rows.
    Table(app::Surcharges::kName).SetRowCount(20);
    TTableForm* surcharges = Open(Table(app::Surcharges::kName));
    QVERIFY(!surcharges->AddButton()->isEnabled());
    QVERIFY(!surcharges->InsertButton()->isEnabled());
    QVERIFY(surcharges->DeleteButton()->isEnabled());

    // A layer's parameters: exactly 2 rows, no buttons at all.
    TTableForm* clay = Open(*Table(app::SoilLayers::kName).Cell(2, 0).AsTable());
    QVERIFY(!clay->AddButton()->isVisible());
    QVERIFY(!clay->DeleteButton()->isVisible());
  }

  void InsertAndDeleteActOnTheCurrentRow() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    loads.SetRowCount(3);
    for (int r = 0; r < 3; ++r) loads.Cell(0, r).SetFloat(r + 1);
    TTableForm* form = Open(loads);
    form->Grid()->setCurrentIndex(form->Model()->index(1, 1));
    form->InsertButton()->click();
    QCOMPARE(loads.RowCount(), 4);
    QCOMPARE(Text(*form, 0, 0), QStringLiteral("1"));
    QCOMPARE(Text(*form, 1, 0), QStringLiteral("0"));  // the new row
    QCOMPARE(Text(*form, 2, 0), QStringLiteral("2"));
    form->Grid()->setCurrentIndex(form->Model()->index(2, 0));
    form->DeleteButton()->click();
    QCOMPARE(loads.RowCount(), 3);
    QCOMPARE(Text(*form, 2, 0), QStringLiteral("3"));
    // Without a current row both refuse with the window's message.
    form->Grid()->setCurrentIndex(QModelIndex());
    form->DeleteButton()->click();
    QTest::qWait(20);
    QCOMPARE(answers_->Take(), QStringList{QStringLiteral("Delete Row failed: Grid.Row not in valid range")});
    QCOMPARE(loads.RowCount(), 3);
  }

  // --- Sub-tables --------------------------------------------------------------------

  void SoilTypeChangeReplacesTheLayersParameters() {
    fw::TGridTable& soil = Table(app::SoilLayers::kName);
    soil.SetRowCount(3);
    fw::TGridTable* first = soil.Cell(2, 0).AsTable();
    fw::TGridTable* third = soil.Cell(2, 2).AsTable();
    third->Cell(0, 0).SetFloat(120);
    TTableForm* form = Open(soil);

    auto* button = qobject_cast<QPushButton*>(Control(*form, 2, 2));
    QVERIFY(button);
    QCOMPARE(button->text(), QStringLiteral("3: Clay"));
    button->click();
    QPointer<TTableForm> clay = FormOf(*third);
    QVERIFY(clay);
    QCOMPARE(clay->windowTitle(), QStringLiteral("Clay  3"));

    // Layer 3 becomes sand: its clay parameters and their window go.
    auto* type = qobject_cast<QComboBox*>(Control(*form, 2, 0));
    QVERIFY(type);
    QCOMPARE(type->maxVisibleItems(), 11);
    type->setCurrentIndex(3);
    emit type->activated(3);
    QTest::qWait(20);
    QVERIFY(!clay);
    fw::TGridTable* sand = soil.Cell(2, 2).AsTable();
    QCOMPARE(soil.Cell(0, 2).AsInteger(), 4);
    QCOMPARE(sand->Caption(), std::string("Sand"));
    QCOMPARE(sand->ColumnCount(), 4);
    QCOMPARE(static_cast<double>(sand->Cell(0, 0).AsFloat()), 0.0);
    QCOMPARE(button->text(), QStringLiteral("3: Sand"));
    QVERIFY(soil.IsChanged());
    // The other layers keep their tables and numbers.
    QCOMPARE(soil.Cell(2, 0).AsTable(), first);
    QCOMPARE(first->Number(), 1);

    button->click();
    QCOMPARE(FormOf(*sand)->windowTitle(), QStringLiteral("Sand  3"));
    // A layer inserted above renumbers it, and its open window follows.
    form->Grid()->setCurrentIndex(form->Model()->index(1, 1));
    form->InsertButton()->click();
    QCOMPARE(FormOf(*sand)->windowTitle(), QStringLiteral("Sand  4"));
  }

  void ModalWindowsOpenTheirSubTablesModally() {
    fw::TGridTable& soil = Table(app::SoilLayers::kName);
    QStringList seen;
    const auto close_active = [&seen] {
      auto* dialog = qobject_cast<veldra::gui::tables::TModalTableFrame*>(QApplication::activeModalWidget());
      seen << (dialog ? dialog->windowTitle() : QStringLiteral("no dialog"));
      if (dialog) dialog->close();
    };
    QTimer::singleShot(50, [&] {
      QTimer::singleShot(50, close_active);  // the layer's parameters, on top
      auto* form = FormOf(soil);
      if (form) qobject_cast<QPushButton*>(Control(*form, 0, 2))->click();
      close_active();  // the soil layers
    });
    soil.ShowWindowModal();
    QCOMPARE(seen, (QStringList{QStringLiteral("Clay  1"), QStringLiteral("Soil Layers ")}));
    QVERIFY(!soil.HasWindow());
    QVERIFY(!soil.Cell(2, 0).AsTable()->HasWindow());
  }

  void EmbeddedWindowLivesInItsControl() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    QWidget holder;
    holder.resize(800, 600);
    holder.show();
    loads.SetFormParent(&holder);
    loads.ShowWindow();
    QPointer<TTableForm> form = FormOf(loads);
    QVERIFY(form);
    QCOMPARE(form->parentWidget(), &holder);
    QCOMPARE(form->pos(), QPoint(0, 0));
    QVERIFY(form->isVisible());
    QCOMPARE(form->size(), form->ClientSize());
    loads.CloseWindow();
    QTest::qWait(20);
    QVERIFY(!form);
    loads.SetFormParent(nullptr);
  }

  // --- Editing -----------------------------------------------------------------------

  void Entry_data() {
    QTest::addColumn<QString>("table");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("message");  // empty: accepted
    QTest::addColumn<QString>("shown");    // the cell afterwards
    QTest::newRow("float expression") << app::PressureDistribution::kName << 1 << "2*3" << "" << "6";
    QTest::newRow("float letters") << app::PressureDistribution::kName << 1 << "abc"
                                   << "Entry could not be evaluated:\ninvalid character(s) in expression" << "0";
    QTest::newRow("division by zero") << app::PressureDistribution::kName << 1 << "1/0"
                                      << "Evaluating the entry failed: Floating point division by zero" << "0";
    QTest::newRow("integer fraction") << app::WallStiffness::kName << 0 << "12.5" << "Entry must be an integer." << "0";
    QTest::newRow("integer below minimum") << app::WallStiffness::kName << 0 << "-1" << "Entry must be between 0 and 2147483600."
                                           << "0";
    QTest::newRow("integer expression") << app::WallStiffness::kName << 0 << "3*4" << "" << "12";
  }

  void Entry() {
    QFETCH(QString, table);
    QFETCH(int, column);
    QFETCH(QString, entry);
    QFETCH(QString, message);
    QFETCH(QString, shown);
    fw::TGridTable& target = Table(table.toStdString().c_str());
    TTableForm* form = Open(target);
    const QModelIndex cell = form->Model()->index(0, column);
    Type(*form, cell, entry);
    QTest::keyClick(Editor(*form), Qt::Key_Tab);
    QTest::qWait(30);
    QCOMPARE(Text(*form, 0, column), shown);
    if (message.isEmpty()) {
      QVERIFY(answers_->Take().isEmpty());
      QVERIFY(form->Grid()->currentIndex() != cell);
      QVERIFY(target.IsChanged());
    } else {
      QCOMPARE(answers_->Take(), QStringList{message});
      QCOMPARE(form->Grid()->currentIndex(), cell);
      QVERIFY(!target.IsChanged());
    }
  }

  void RefusedEntryKeepsTheWindowOpen() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    TTableForm* form = Open(loads);
    Type(*form, form->Model()->index(1, 0), QStringLiteral("abc"));
    QVERIFY(!form->CanDeactivate());
    QVERIFY(!form->close());
    QTest::qWait(30);
    QCOMPARE(answers_->Take().size(), 1);
    QVERIFY(loads.HasWindow());
    // A good entry is stored when the window closes.
    Type(*form, form->Model()->index(1, 0), QStringLiteral("12.5"));
    QVERIFY(form->close());
    QVERIFY(!loads.HasWindow());
    QCOMPARE(static_cast<double>(loads.Cell(0, 1).AsFloat()), 12.5);
  }

  void PassingThroughACellKeepsItsFullValue() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    loads.Cell(1, 0).SetFloat(1.0L / 3.0L);
    TTableForm* form = Open(loads);
    const QModelIndex cell = form->Model()->index(0, 1);
    form->Grid()->setCurrentIndex(cell);
    form->Grid()->edit(cell);  // opened and left without typing
    QVERIFY(form->CommitCurrentCell());
    QCOMPARE(Text(*form, 0, 1), QStringLiteral("0.33333333"));
    QCOMPARE(loads.Cell(1, 0).AsFloat(), 1.0L / 3.0L);
  }

  void EnterMovesDownThenToTheNextColumn() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);  // two columns, two rows
    TTableForm* form = Open(loads);
    const auto enter_from = [&](int row, int column) {
      form->Grid()->setCurrentIndex(form->Model()->index(row, column));
      QTest::keyClick(form->Grid(), Qt::Key_Return);
      const QModelIndex now = form->Grid()->currentIndex();
      return QPoint(now.column(), now.row());
    };
    QCOMPARE(enter_from(0, 0), QPoint(0, 1));
    QCOMPARE(enter_from(1, 0), QPoint(1, 0));
    QCOMPARE(enter_from(1, 1), QPoint(0, 0));
    // Columns under controls are passed over: the soil layers' depth is the only
    // column that takes entries.
    TTableForm* soil = Open(Table(app::SoilLayers::kName));
    soil->Grid()->setCurrentIndex(soil->Model()->index(0, 1));
    QTest::keyClick(soil->Grid(), Qt::Key_Return);
    QCOMPARE(soil->Grid()->currentIndex(), soil->Model()->index(0, 1));
  }

  void UnitSwitchRewritesCellsAndHeaders() {
    fw::TGridTable& factors = Table(app::PYModification::kName);
    factors.Cell(0, 0).SetFloat(10);
    TTableForm* form = Open(factors);
    QCOMPARE(Header(*form, 0), QStringLiteral("Depth (ft)"));
    factors.SetUnits(fw::kSIUnits);
    QCOMPARE(Header(*form, 0), QStringLiteral("Depth (m)"));
    QCOMPARE(Text(*form, 0, 0), QStringLiteral("3.048"));
    QCOMPARE(Header(*form, 1), QStringLiteral("p-Multiplier"));
  }

  void DraggedBorderSnapsToWholeRows() {
    fw::TGridTable& loads = Table(app::PressureDistribution::kName);
    loads.SetRowCount(25);
    TTableForm* form = Open(loads);
    const QSize opened = form->size();
    form->resize(opened.width(), opened.height() - 7 * RowHeight(*form) / 2);
    QTest::qWait(30);
    QCOMPARE(form->View().shown_rows, 6);
    QCOMPARE(form->View().shown_columns, 2);
    QCOMPARE(form->size(), QSize(opened.width(), opened.height() - 4 * RowHeight(*form)));
    QCOMPARE(form->Grid()->viewport()->height(), 6 * RowHeight(*form));
  }

  // --- Curves --------------------------------------------------------------------------

  void CurveWindowShowsItsGraphAboveFiveRows() {
    TTableChartForm* curve = OpenCurve({{-3, 30}, {-2, 20}, {-1, 10}, {0, 0}, {1, -10}, {2, -20}, {3, -30}, {4, -40}});
    QVERIFY(curve->ChartView()->isVisible());
    QVERIFY(curve->ChartView()->geometry().bottom() < curve->Grid()->geometry().top());
    QCOMPARE(curve->View().shown_rows, 5);
    QVERIFY(curve->Grid()->verticalScrollBar()->isVisible());
    QCOMPARE(curve->Series1()->count(), 8);
    QCOMPARE(curve->HorizontalAxis()->titleText(), QStringLiteral("Lateral Deflection, y (*) (in)"));
    QCOMPARE(curve->VerticalAxis()->titleText(), QStringLiteral("Soil Resistance, p (lbs/in)"));
    QVERIFY(curve->FileNameEdit()->isVisible());
    QVERIFY(curve->windowTitle().endsWith(QStringLiteral(" 1")));
  }

  void CurveJoinsItsPointsByIncreasingX() {
    TTableChartForm* curve = OpenCurve({{0, 0}, {0, 0}, {0, 0}});
    // Typed into the grid in the order 3, 1, 2; the graph follows every entry.
    auto* model = curve->Model();
    for (const auto& [row, x, y] : {std::tuple{0, "3", "30"}, {1, "1", "10"}, {2, "2", "20"}}) {
      QVERIFY(model->setData(model->index(row, 0), QString::fromLatin1(x)));
      QVERIFY(model->setData(model->index(row, 1), QString::fromLatin1(y)));
    }
    QTest::qWait(20);
    QCOMPARE(curve->Series1()->points(), (QList<QPointF>{{1, 10}, {2, 20}, {3, 30}}));
  }

  void ConstantCurveGetsAFixedRange() {
    TTableChartForm* curve = OpenCurve({{0, 250}, {1, 250}, {2, 250}});
    QCOMPARE(curve->VerticalAxis()->min(), 225.0);
    QCOMPARE(curve->VerticalAxis()->max(), 275.0);
    QCOMPARE(curve->Series1()->at(1).y(), 250.25);
    QCOMPARE(curve->Series1()->at(2).y(), 250.0);
    // The axis labels in the plain number format.
    QVERIFY(curve->VerticalAxis()->categoriesLabels().contains(QStringLiteral("250")));
  }

  // --- Import ------------------------------------------------------------------------

  void ReadValuesFromAFile() {
    TTableChartForm* curve = OpenCurve({{0, 1}, {1, 2}, {2, 3}, {3, 4}, {4, 5}});
    fw::TGridTable& table = *curve->Table();
    QVERIFY(!curve->ReadButton()->isEnabled());
    curve->FileNameEdit()->setText(Data("three-lines.txt"));
    QVERIFY(curve->ReadButton()->isEnabled());
    QVERIFY(curve->ViewEditButton()->isEnabled());
    curve->ReadButton()->click();
    QTest::qWait(20);
    QVERIFY(answers_->Take().isEmpty());
    QCOMPARE(Points(table), (QList<QPointF>{{0, 0}, {0.5, 100}, {1, 150}}));
    QCOMPARE(curve->View().shown_rows, 3);
    QCOMPARE(curve->Series1()->count(), 3);
  }

  void PasteRowsFromTheClipboard_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("spreadsheet rows") << QStringLiteral("1\t10\r\n2\t20\r\n3\t30\r\n");
    QTest::newRow("without a final line break") << QStringLiteral("1\t10\n2\t20\n3\t30");
    QTest::newRow("heading and blank line") << QStringLiteral("y\tp\n1\t10\n\n2\t20\n3\t30\n");
  }

  void PasteRowsFromTheClipboard() {
    QFETCH(QString, text);
    // As many rows as are pasted: the window must show the new values all the same.
    TTableChartForm* curve = OpenCurve({{0, 0}, {5, 5}, {6, 6}});
    QGuiApplication::clipboard()->setText(text);
    curve->PasteButton()->click();
    QTest::qWait(20);
    QVERIFY(answers_->Take().isEmpty());
    QCOMPARE(Points(*curve->Table()), (QList<QPointF>{{1, 10}, {2, 20}, {3, 30}}));
    QCOMPARE(curve->View().shown_rows, 3);
    QCOMPARE(Text(*curve, 2, 1), QStringLiteral("30"));
    QCOMPARE(curve->Series1()->points(), (QList<QPointF>{{1, 10}, {2, 20}, {3, 30}}));
  }

  void FailedImportLeavesTheTableAsItWas_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing file") << Data("no-such-file.txt") << ""
                                  << "Cannot open file \"" + Data("no-such-file.txt") +
                                         "\": No such file or directory";
    QTest::newRow("file of words") << Data("words.txt") << ""
                                   << "No line of the file \"" + Data("words.txt") +
                                          "\" holds 2 numbers separated by blanks, tabs or commas; the table is "
                                          "unchanged.";
    QTest::newRow("empty clipboard") << "" << "" << "There is no text on the Clipboard";
    QTest::newRow("clipboard of words") << "" << "abc def\n"
                                        << "No line of the text on the Clipboard holds 2 numbers separated by "
                                           "blanks, tabs or commas; the table is unchanged.";
  }

  void FailedImportLeavesTheTableAsItWas() {
    QFETCH(QString, file);
    QFETCH(QString, clipboard);
    QFETCH(QString, message);
    TTableChartForm* curve = OpenCurve({{0, 1}, {1, 2}, {2, 3}});
    if (file.isEmpty()) {
      QGuiApplication::clipboard()->setText(clipboard);
      curve->PasteValuesFromClipboard();
    } else {
      curve->FileNameEdit()->setText(file);
      curve->ReadValuesFromFile();
    }
    QCOMPARE(answers_->Take(), QStringList{message});
    QCOMPARE(Points(*curve->Table()), (QList<QPointF>{{0, 1}, {1, 2}, {2, 3}}));
  }

  void RefusedImportedEntryNamesTheLine() {
    // A curve table whose first column holds whole node numbers.
    fw::TGridTableChart table;
    table.SetGetDataFromFile(true);
    auto node = std::make_unique<fw::TIntColumn>();
    node->Headers() = {"Node"};
    table.Add(std::move(node));
    table.Add(std::make_unique<fw::TFloatColumn>());
    table.SetRowCount(4);
    for (int r = 0; r < 4; ++r) table.Cell(1, r).SetFloat(r + 0.5L);
    table.ShowWindow();
    auto* form = qobject_cast<TTableChartForm*>(FormOf(table));
    QVERIFY(form);
    form->FileNameEdit()->setText(Data("fractional-node.txt"));
    form->ReadValuesFromFile();
    QCOMPARE(answers_->Take(), QStringList{"The file \"" + Data("fractional-node.txt") +
                                           "\", line 3:\nEntry must be an integer.\nThe table is unchanged."});
    QCOMPARE(table.RowCount(), 4);
    QCOMPARE(table.Cell(0, 0).AsInteger(), 0);
    QCOMPARE(static_cast<double>(table.Cell(1, 0).AsFloat()), 0.5);
    QVERIFY(!table.IsChanged());
    table.CloseWindow();
  }

 private:
  fw::TGridTable& Table(const char* name) { return tables_->Table(name); }

  TTableForm* Open(fw::TGridTable& table) {
    table.ShowWindow();
    QApplication::processEvents();
    TTableForm* form = FormOf(table);
    if (form) form->activateWindow();
    return form;
  }

  // The p-y curve of the first curve set, with `points`, opened from its button.
  TTableChartForm* OpenCurve(const QList<QPointF>& points) {
    fw::TGridTable& sets = Table(app::PYCurveSets::kName);
    fw::TGridTable& curve = *sets.Cell(1, 0).AsTable();
    curve.SetRowCount(static_cast<int>(points.size()));
    for (int r = 0; r < curve.RowCount(); ++r) {
      curve.Cell(0, r).SetFloat(points[r].x());
      curve.Cell(1, r).SetFloat(points[r].y());
    }
    curve.SetChanged(false);
    TTableForm* list = Open(sets);
    qobject_cast<QPushButton*>(Control(*list, 0, 1))->click();
    QApplication::processEvents();
    return qobject_cast<TTableChartForm*>(FormOf(curve));
  }

  static QList<QPointF> Points(const fw::TGridTable& table) {
    QList<QPointF> points;
    for (int r = 0; r < table.RowCount(); ++r)
      points.append({static_cast<double>(table.Cell(0, r).AsFloat()), static_cast<double>(table.Cell(1, r).AsFloat())});
    return points;
  }

  static QWidget* Control(const TTableForm& form, int row, int column) {
    return form.Grid()->indexWidget(form.Model()->index(row, column));
  }

  static QString Header(const TTableForm& form, int column) {
    return form.Grid()->model()->headerData(column, Qt::Horizontal).toString().trimmed();
  }

  // The line edit open in a cell, or nullptr.
  static QLineEdit* Editor(const TTableForm& form) {
    return static_cast<veldra::gui::tables::TCellDelegate*>(form.Grid()->itemDelegate())->OpenEditor();
  }

  // Types `text` into a cell as a user does: select it, start typing.
  static void Type(TTableForm& form, const QModelIndex& cell, const QString& text) {
    form.Grid()->setCurrentIndex(cell);
    form.Grid()->edit(cell);
    QLineEdit* editor = Editor(form);
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
  }

  std::unique_ptr<app::MainTables> tables_;
  std::unique_ptr<MessageBoxAnswers> answers_;
};

QTEST_MAIN(TableWindowsTest)
#include "table_windows_test.moc"
