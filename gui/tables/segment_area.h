// The drawing area of a chart-capable table that draws segments: one line per row
// from (XColumn, YColumn) to (X2Column, Y2Column), numbered with the row, in a frame
// of 20 pixels, larger y higher.
#ifndef VELDRA_GUI_TABLES_SEGMENT_AREA_H
#define VELDRA_GUI_TABLES_SEGMENT_AREA_H

#include <QWidget>

class QPainter;

namespace veldra::framework {
class TGridTableChart;
}

namespace veldra::gui::tables {

// Draws the segments of `table` into `width` x `height` pixels at the painter's
// origin, over the background colour `background`.
void PaintSegments(const framework::TGridTableChart& table, QPainter& painter, int width, int height,
                   const QColor& background);

class TSegmentArea : public QWidget {
  Q_OBJECT

 public:
  explicit TSegmentArea(QWidget* parent = nullptr) : QWidget(parent) {}
  // The table drawn; nullptr draws only the background.
  void SetTable(const framework::TGridTableChart* table) {
    table_ = table;
    update();
  }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const framework::TGridTableChart* table_ = nullptr;
};

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_SEGMENT_AREA_H
