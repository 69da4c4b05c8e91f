// A world window of the side view: the part of the world (x across, y downward,
// in the model's internal length unit) shown in a client area, and the mapping
// between the two.
#ifndef VELDRA_APP_VIEWS_WORLD_WINDOW_H
#define VELDRA_APP_VIEWS_WORLD_WINDOW_H

namespace veldra::app::views {

struct ClientPoint {
  int x = 0;
  int y = 0;
  bool operator==(const ClientPoint&) const = default;
};

struct WorldPoint {
  double x = 0;
  double y = 0;
};

struct ClientSize {
  int width = 0;
  int height = 0;
};

struct WorldWindow {
  // Before anything is fitted.
  double xmin = -10;
  double xmax = 10;
  double ymin = 0;
  double ymax = 10;

  // A window of zero (or negative, or not finite) width or height shows nothing.
  bool Degenerate() const;

  // The window widened to the proportions of the client area, so that a world unit
  // has the same size in both directions: the x limits are multiplied by the ratio
  // of the proportions when the client is the wider, else the y limits divided by
  // it. A degenerate window or an empty client area is returned unchanged.
  WorldWindow FittedTo(ClientSize client) const;

  // World to client pixels, rounded: x_c = width (x - xmin) / (xmax - xmin), and y
  // alike. Only for a window that is not degenerate.
  ClientPoint ToClient(WorldPoint p, ClientSize client) const;
  // The reverse, without rounding.
  WorldPoint ToWorld(ClientPoint p, ClientSize client) const;
};

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_WORLD_WINDOW_H
