// TTableChartForm: the window of a chart-capable table (the points of a p-y curve or
// of a moment-EI curve).
//
// Everything of TTableForm, and above the grid the graph of the table (a line chart,
// or one numbered segment per row when the table draws segments), rebuilt from the
// stored cells whenever they change; below the row buttons, when the table takes
// data from files, the name of a text file with "Browse", "View/Edit File", "Read
// values from File" and "Paste values from  Clipboard (text)". The window opens with
// at most 5 rows when it shows a graph.
//
// An import fills the rows from the lines that hold exactly one number per shown
// column (framework/row_import.h). A file that cannot be read, a text without any
// such line, or an entry a column refuses gives a message naming the file (and the
// line) and leaves the table as it was. Pasted text ending without a line break
// keeps its last line.
#ifndef VELDRA_GUI_TABLES_TABLE_CHART_FORM_H
#define VELDRA_GUI_TABLES_TABLE_CHART_FORM_H

#include <string>
#include <vector>

#include "gui/tables/table_form.h"

class QCategoryAxis;
class QChart;
class QChartView;
class QLineEdit;
class QLineSeries;

namespace veldra::framework {
class TGridTableChart;
}

namespace veldra::gui::tables {

class TSegmentArea;

class TTableChartForm : public TTableForm {
  Q_OBJECT

 public:
  explicit TTableChartForm(framework::TGridTableChart& table, QWidget* parent = nullptr);

  QChartView* ChartView() const { return chart_view_; }
  QWidget* DrawingArea() const;
  QLineSeries* Series1() const { return series1_; }
  QLineSeries* Series2() const { return series2_; }
  QCategoryAxis* HorizontalAxis() const { return axis_x_; }
  QCategoryAxis* VerticalAxis() const { return axis_y_; }
  QLineEdit* FileNameEdit() const { return file_name_; }
  QPushButton* BrowseButton() const { return browse_; }
  QPushButton* ViewEditButton() const { return view_edit_; }
  QPushButton* ReadButton() const { return read_; }
  QPushButton* PasteButton() const { return paste_; }
  QPushButton* OkButton() const { return ok_; }
  QPushButton* CancelButton() const { return cancel_; }

  // The graph from the stored cells.
  void RefreshChart();
  // "Read values from File" with the file named in the name field, and "Paste values
  // from  Clipboard (text)". Messages as described above.
  void ReadValuesFromFile();
  void PasteValuesFromClipboard();
  // "View/Edit File": the main window's text editor on the named file.
  void ViewEditFile();
  // "View/Edit File" and "Read values from File" are enabled exactly when the named
  // file exists.
  void UpdateFileButtons();

 protected:
  framework::WindowParts Parts() const override;
  void PlaceParts(const framework::WindowLayout& layout) override;
  int ShownRowCap() const override;
  void AfterFullRefresh() override;
  void CellSelectionStarting() override;
  void WindowClicked() override;

 private:
  framework::TGridTableChart* Chart() const;
  bool ShowsGraph() const;
  void ScheduleChart();
  void Import(const std::vector<std::string>& lines, const QString& source);
  void Browse();

  QChart* chart_ = nullptr;
  QChartView* chart_view_ = nullptr;
  QLineSeries* series1_ = nullptr;
  QLineSeries* series2_ = nullptr;
  QCategoryAxis* axis_x_ = nullptr;
  QCategoryAxis* axis_y_ = nullptr;
  TSegmentArea* segments_ = nullptr;
  QLabel* file_label_ = nullptr;
  QLineEdit* file_name_ = nullptr;
  QPushButton* browse_ = nullptr;
  QPushButton* view_edit_ = nullptr;
  QPushButton* read_ = nullptr;
  QPushButton* paste_ = nullptr;
  QPushButton* ok_ = nullptr;
  QPushButton* cancel_ = nullptr;
  bool chart_pending_ = false;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_TABLE_CHART_FORM_H
