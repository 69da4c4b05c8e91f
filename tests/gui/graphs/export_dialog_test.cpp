// The export window: which graphs it offers, its buttons, and the workbook it
// writes, opens and reports.
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include "gui/graphs/export_dialog.h"
#include "tests/app/workbook/xlsx_reader.h"
#include "tests/gui/graphs/graph_test_support.h"

namespace veldra::gui::test {

class ExportDialogTest : public QObject {
  Q_OBJECT

 private:
  static QStringList Ticked(const TDlgExport& dialog) {
    QStringList ticked;
    for (int i = 0; i < dialog.List()->count(); ++i)
      if (dialog.List()->item(i)->checkState() == Qt::Checked) ticked << dialog.List()->item(i)->text();
    return ticked;
  }

 private slots:
  void WithoutResultsNothingCanBeExported() {
    fw::TMainGraphs graphs;
    TDlgExport dialog(graphs);
    dialog.show();
    QCOMPARE(dialog.List()->count(), 7);
    for (int i = 0; i < 7; ++i) {
      QVERIFY(!(dialog.List()->item(i)->flags() & Qt::ItemIsEnabled));
      QCOMPARE(dialog.List()->item(i)->checkState(), Qt::Unchecked);
    }
    QVERIFY(!dialog.GenerateButton()->isEnabled());
  }

  void TheListFollowsTheMainWindowsCommands() {
    fw::TMainGraphs graphs;
    Fill(graphs.pltMom, 1, 5);
    Fill(graphs.pltShear, 1, 5);
    TDlgExport dialog(graphs);
    dialog.offered = [&](const fw::TGraphPlot& g) { return &g == &graphs.pltMom; };
    dialog.show();
    QCOMPARE(Ticked(dialog), QStringList{QStringLiteral("Moment vs Depth")});
    QVERIFY(dialog.GenerateButton()->isEnabled());

    const auto button = [&](const char* text) {
      for (QPushButton* b : dialog.findChildren<QPushButton*>())
        if (b->text() == QLatin1String(text)) return b;
      return static_cast<QPushButton*>(nullptr);
    };
    button("Unselect All")->click();
    QVERIFY(Ticked(dialog).isEmpty());
    QVERIFY(!dialog.GenerateButton()->isEnabled());
    button("Select All")->click();
    QCOMPARE(Ticked(dialog), QStringList{QStringLiteral("Moment vs Depth")});
    // The user unticks the entry in the list.
    dialog.List()->item(3)->setCheckState(Qt::Unchecked);
    QVERIFY(!dialog.GenerateButton()->isEnabled());
  }

  void GeneratesOpensAndReportsTheWorkbook() {
    fw::TMainGraphs graphs;
    Fill(graphs.pltMom, 2, 5);
    QTemporaryDir dir;
    TDlgExport dialog(graphs);
    QString proposed;
    QString opened;
    dialog.data_file = [&] { return std::filesystem::path(dir.filePath(QStringLiteral("wall.vd5d")).toStdString()); };
    dialog.choose_file = [&](const QString& file) {
      proposed = file;
      return file;
    };
    dialog.open_file = [&](const QString& file) { opened = file; };
    dialog.show();
    QString message;
    AnswerMessageBox(&message);
    dialog.GenerateButton()->click();

    const QString workbook = dir.filePath(QStringLiteral("wall-plots.xlsx"));
    QCOMPARE(proposed, workbook);
    QCOMPARE(opened, workbook);
    QCOMPARE(message, QStringLiteral("Export to Excel Completed\n") + workbook);
    const app::test::XlsxFile book(workbook.toStdString());
    QCOMPARE(book.SheetNames(), (std::vector<std::string>{"Legend", "Page_1", "Plot_1"}));
    QCOMPARE(book.Cell("Legend", "F3"), std::string("Complete"));
  }

  void AWriteErrorNamesTheFileAndOpensNothing() {
    fw::TMainGraphs graphs;
    Fill(graphs.pltDef, 1, 5);
    QTemporaryDir dir;
    TDlgExport dialog(graphs);
    bool opened = false;
    dialog.open_file = [&](const QString&) { opened = true; };
    dialog.show();
    const QString nowhere = dir.filePath(QStringLiteral("missing/wall-plots.xlsx"));
    QString message;
    AnswerMessageBox(&message);
    QVERIFY(!dialog.GenerateTo(nowhere));
    QVERIFY2(message.contains(nowhere), qPrintable(message));
    QVERIFY(!opened);
  }
};

}  // namespace veldra::gui::test

QTEST_MAIN(veldra::gui::test::ExportDialogTest)
#include "export_dialog_test.moc"
