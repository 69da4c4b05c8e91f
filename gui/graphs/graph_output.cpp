#include "gui/graphs/graph_output.h"

#include <QBuffer>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>

#include <cmath>

#include "framework/file_errors.h"
#include "app/safe_file_write.h"
#include "gui/graphs/graph_painter.h"

namespace veldra::gui {

namespace fw = veldra::framework;

namespace {

// The largest picture drawn: 2^28 pixels (a gigabyte of colour), far beyond a
// printed page at 600 dots per inch.
constexpr double kMostPixels = 268435456.0;
constexpr double kInchesPerMetre = 39.37007874;

}  // namespace

QString SaveGraphPicture(const fw::TGraphPlot& graph, const std::vector<fw::ViewSpan>& shown, const QString& file,
                         const PictureSize& size, const fw::LegendAnchor& legend) {
  const double width = std::round(size.pixels_per_inch * size.width_inches);
  const double height = std::round(size.pixels_per_inch * size.height_inches);
  if (!(width >= 1 && height >= 1 && width * height <= kMostPixels)) return QString::fromLatin1(kNotEnoughMemory);
  QImage picture(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  if (picture.isNull()) return QString::fromLatin1(kNotEnoughMemory);
  const int dots_per_metre = static_cast<int>(std::lround(size.pixels_per_inch * kInchesPerMetre));
  picture.setDotsPerMeterX(dots_per_metre);
  picture.setDotsPerMeterY(dots_per_metre);
  {
    QPainter painter(&picture);
    GraphSurface surface;
    surface.size = picture.size();
    surface.dpi_x = surface.dpi_y = size.pixels_per_inch;
    surface.legend_box = true;
    surface.legend = legend;
    DrawGraph(painter, graph, shown, surface);
  }

  const bool png = file.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  // A bitmap file of 24-bit colour, as picture programs expect of a .bmp.
  const QImage encoded = png ? picture : picture.convertToFormat(QImage::Format_RGB888);
  if (!encoded.save(&buffer, png ? "PNG" : "BMP")) return QString::fromLatin1(kNotEnoughMemory);
  try {
    app::ReplaceFileContents(file.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
  } catch (const framework::EFileError& e) {
    return QString::fromStdString(e.what());
  }
  return {};
}

void PrintGraphPage(QPainter& painter, QPagedPaintDevice& device, const fw::TGraphPlot& graph,
                    const std::vector<fw::ViewSpan>& shown, const fw::LegendAnchor& legend) {
  const int dpi = device.logicalDpiX();
  GraphSurface surface;
  surface.size = device.pageLayout().paintRectPixels(dpi).size();
  surface.dpi_x = dpi;
  surface.dpi_y = device.logicalDpiY();
  surface.printing = true;
  surface.legend_box = true;
  surface.legend = legend;
  DrawGraph(painter, graph, shown, surface);
}

}  // namespace veldra::gui
