// TGridTableChart: the chart-capable grid table, for tables whose rows are the points
// of a curve.
//
// It behaves as TGridTable, but belongs to its own family (identifiers counted from 0
// apart from the plain tables; its sub-table columns resolve templates among
// chart-capable tables and make chart-capable sub-tables), and adds window settings
// and graphic parameters. The graphic parameters are stored in the definition
// record after the columns: ShowChart, DrawSegments, then XColumn, YColumn, X2Column,
// Y2Column.
#ifndef VELDRA_FRAMEWORK_GRID_TABLE_CHART_H
#define VELDRA_FRAMEWORK_GRID_TABLE_CHART_H

#include "framework/grid_table.h"

namespace veldra::framework {

inline constexpr const char* kGraphicParametersError = "Error reading graphic parameters";

class TGridTableChart : public TGridTable {
 public:
  explicit TGridTableChart(TGridTableChart* owner = nullptr);

  // Window settings (published).
  bool GetDataFromFile() const { return get_data_from_file_; }  // file and clipboard import
  void SetGetDataFromFile(bool on) { get_data_from_file_ = on; }
  bool OKCancelButtons() const { return ok_cancel_buttons_; }
  void SetOKCancelButtons(bool on) { ok_cancel_buttons_ = on; }
  bool InvertedXAxis() const { return inverted_x_axis_; }
  void SetInvertedXAxis(bool on) { inverted_x_axis_ = on; }
  bool InvertedYAxis() const { return inverted_y_axis_; }
  void SetInvertedYAxis(bool on) { inverted_y_axis_ = on; }

  // Graphic parameters (stored with the columns).
  bool ShowChart() const { return show_chart_; }
  void SetShowChart(bool on) { show_chart_ = on; }
  bool DrawSegments() const { return draw_segments_; }  // one segment per row instead of curves
  void SetDrawSegments(bool on) { draw_segments_ = on; }
  int XColumn() const { return x_column_; }
  void SetXColumn(int column) { x_column_ = column; }
  int YColumn() const { return y_column_; }
  void SetYColumn(int column) { y_column_ = column; }
  int X2Column() const { return x2_column_; }  // second end of a segment
  void SetX2Column(int column) { x2_column_ = column; }
  int Y2Column() const { return y2_column_; }
  void SetY2Column(int column) { y2_column_ = column; }

 protected:
  std::unique_ptr<TGridTable> NewOwnedTable() override;
  void CopyTemplate(const TGridTable& source) override;
  void WriteExtra(ComponentWriter& writer) const override;
  // Throws Exception "Error reading graphic parameters" when they are missing or
  // malformed.
  void ReadExtra(ComponentReader& reader) override;

 private:
  bool get_data_from_file_ = false;
  bool ok_cancel_buttons_ = false;
  bool inverted_x_axis_ = false;
  bool inverted_y_axis_ = false;
  bool show_chart_ = false;
  bool draw_segments_ = false;
  int x_column_ = 0;
  int y_column_ = 0;
  int x2_column_ = 0;
  int y2_column_ = 0;
};

}  // namespace veldra::framework

#endif  // VELDRA_FRAMEWORK_GRID_TABLE_CHART_H
