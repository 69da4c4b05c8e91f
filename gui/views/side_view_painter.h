// Paints the side view's picture: one function for the window and the printer, so
// that what prints is what shows.
#ifndef VELDRA_GUI_VIEWS_SIDE_VIEW_PAINTER_H
#define VELDRA_GUI_VIEWS_SIDE_VIEW_PAINTER_H

#include <QColor>
#include <QFont>
#include <QSize>

#include "app/views/side_view_geometry.h"

class QPainter;

namespace veldra::gui {

struct SideViewColours {
  QColor background;  // the window's background
  QColor text;        // the window-text colour: lines, texts and the wall
};

// The text font: Arial (fontconfig gives Liberation Sans, metric-compatible), sized
// in pixels of the logical picture so that a scaled printer painter keeps it in
// proportion.
QFont SideViewFont();

// Fills `size` with the background and draws the picture's items in order, in the
// painter's current coordinates (client pixels of the picture).
void PaintSideView(QPainter& painter, QSize size, const app::views::SideViewPicture& picture,
                   const SideViewColours& colours);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_VIEWS_SIDE_VIEW_PAINTER_H
