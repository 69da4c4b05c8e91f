// The fills of the soil-layer column: black on white patterns by layer code, drawn
// larger for a printer so that they look the same size on paper as on the screen.
#ifndef VELDRA_GUI_GRAPHS_SOIL_PATTERNS_H
#define VELDRA_GUI_GRAPHS_SOIL_PATTERNS_H

#include <QBrush>

namespace veldra::gui {

// The fill of a layer code: 1 clay (diagonal hatching), 7 sand (dots), 8 silt
// (short dashes in courses), 9 strong rock (bricks with diagonal strokes), 10 weak
// rock (diagonals over courses); 2 to 6 hatches (forward diagonal, cross, diagonal
// cross, horizontal, vertical); 11 and 12 stones. Other codes: Qt::NoBrush.
// `scale` multiplies the pattern's cell and strokes (1 on a 96 dpi screen).
QBrush SoilBrush(int code, int scale);

}  // namespace veldra::gui

#endif  // VELDRA_GUI_GRAPHS_SOIL_PATTERNS_H
