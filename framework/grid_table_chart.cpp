#include "framework/grid_table_chart.h"

#include "framework/component_stream.h"
#include "framework/exceptions.h"
#include "framework/table_family.h"

namespace veldra::framework {

TGridTableChart::TGridTableChart(TGridTableChart* owner) : TGridTable(TableFamily::Chart(), owner) {}

std::unique_ptr<TGridTable> TGridTableChart::NewOwnedTable() {
  return std::make_unique<TGridTableChart>(this);
}

void TGridTableChart::CopyTemplate(const TGridTable& source) {
  TGridTable::CopyTemplate(source);
  const auto* chart = dynamic_cast<const TGridTableChart*>(&source);
  if (!chart) return;
  show_chart_ = chart->show_chart_;
  draw_segments_ = chart->draw_segments_;
  x_column_ = chart->x_column_;
  y_column_ = chart->y_column_;
  x2_column_ = chart->x2_column_;
  y2_column_ = chart->y2_column_;
  get_data_from_file_ = chart->get_data_from_file_;
  ok_cancel_buttons_ = chart->ok_cancel_buttons_;
  inverted_x_axis_ = chart->inverted_x_axis_;
  inverted_y_axis_ = chart->inverted_y_axis_;
}

void TGridTableChart::WriteExtra(ComponentWriter& writer) const {
  writer.WriteBoolean(show_chart_);
  writer.WriteBoolean(draw_segments_);
  writer.WriteInteger(x_column_);
  writer.WriteInteger(y_column_);
  writer.WriteInteger(x2_column_);
  writer.WriteInteger(y2_column_);
}

void TGridTableChart::ReadExtra(ComponentReader& reader) {
  try {
    const bool show_chart = reader.ReadBoolean();
    const bool draw_segments = reader.ReadBoolean();
    const int x = reader.ReadInteger();
    const int y = reader.ReadInteger();
    const int x2 = reader.ReadInteger();
    const int y2 = reader.ReadInteger();
    show_chart_ = show_chart;
    draw_segments_ = draw_segments;
    x_column_ = x;
    y_column_ = y;
    x2_column_ = x2;
    y2_column_ = y2;
  } catch (const Exception&) {
    throw Exception(kGraphicParametersError);
  }
}

}  // namespace veldra::framework
