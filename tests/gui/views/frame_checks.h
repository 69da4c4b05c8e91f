// What a rendered frame shows, counted: pixels that are not the background, and
// distinct colours.
#ifndef VELDRA_TESTS_GUI_VIEWS_FRAME_CHECKS_H
#define VELDRA_TESTS_GUI_VIEWS_FRAME_CHECKS_H

#include <QImage>
#include <QSet>

namespace veldra::gui::test {

struct FrameContent {
  double drawn_fraction = 0;  // of the pixels, not the background colour
  int colours = 0;
};

inline FrameContent ContentOf(const QImage& frame, QRgb background) {
  FrameContent content;
  if (frame.isNull()) return content;
  const QImage image = frame.convertToFormat(QImage::Format_RGB32);
  QSet<QRgb> colours;
  qint64 drawn = 0;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const QRgb c = line[x] | 0xff000000u;
      if (c != (background | 0xff000000u)) ++drawn;
      colours.insert(c);
    }
  }
  content.drawn_fraction = static_cast<double>(drawn) / (static_cast<double>(image.width()) * image.height());
  content.colours = static_cast<int>(colours.size());
  return content;
}

}  // namespace veldra::gui::test

#endif  // VELDRA_TESTS_GUI_VIEWS_FRAME_CHECKS_H
