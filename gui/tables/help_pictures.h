// The help pictures under the table windows: drawings of what a table's columns mean
// on a section of the wall. A table names its picture (TGridTable::HelpPicture):
//
//   "PressureDiagram"     the user's distributed load: depth from the top of the wall
//                         and load per length of wall at each row, linear between
//   "TiebackArrangement"  lateral and rotational springs acting at the wall's nodes
//                         from a row's start node to its end node
#ifndef VELDRA_GUI_TABLES_HELP_PICTURES_H
#define VELDRA_GUI_TABLES_HELP_PICTURES_H

#include <QPixmap>
#include <QSize>
#include <string_view>

class QPainter;

namespace veldra::gui::tables {

inline constexpr const char* kPressureDiagram = "PressureDiagram";
inline constexpr const char* kTiebackArrangement = "TiebackArrangement";

// Size of the named picture; empty for a name without a picture (and for "").
QSize HelpPictureSize(std::string_view name);

// Draws the named picture with its top-left corner at the painter's origin.
void PaintHelpPicture(std::string_view name, QPainter& painter);

// The picture as a pixmap for the window (null for a name without a picture).
QPixmap HelpPicture(std::string_view name);

}  // namespace veldra::gui::tables

#endif  // VELDRA_GUI_TABLES_HELP_PICTURES_H
