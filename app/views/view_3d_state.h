// The 3D view's state and its rules, without a window: the rotation, zoom and pan of
// the frame and the matrices that draw it, the mouse modes, the zoom buttons, the
// show flags and the deformed-shape settings. (Which of the main window's 3D items
// are enabled is app/main_window_rules.)
//
// Pixels: client coordinates, x to the right and y down, as the mouse reports them.
// The frame is an orthographic projection in pixels centred on the client area; the
// model-view matrix scales world units to pixels (base scale times zoom).
#ifndef VELDRA_APP_VIEWS_VIEW_3D_STATE_H
#define VELDRA_APP_VIEWS_VIEW_3D_STATE_H

#include <optional>

#include "app/views/matrix4.h"
#include "app/views/scene_3d.h"
#include "app/views/world_window.h"

namespace veldra::app::views {

enum class MouseMode { kNone = 0, kPanning = 1, kZooming = 2, kRotating = 3 };

inline constexpr double kZoomInFactor = 1.4142;
inline constexpr double kZoomOutFactor = 0.7071135624381275633;

struct ClientRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

class View3DState {
 public:
  // --- View -------------------------------------------------------------------
  double ax = 0, ay = 0, az = 0;  // degrees about x, y and z, after the fixed -90 about x
  double zoom = 1;
  Vec3 pan;                // world units
  double base_scale = 1;   // pixels per world unit at zoom 1
  MouseMode mode = MouseMode::kNone;
  bool zoom_window = false;

  // --- What is drawn ------------------------------------------------------------
  SceneOptions scene;  // show flags, deformed shape and its factor

  // On the first activation: the base scale that fits the scene into the client
  // area and the pan that centres it; the depth-centring offset puts the middle of
  // the scene's height at the centre. Later activations keep them.
  void Fit(const SceneExtents& extents, ClientSize client);
  bool Fitted() const { return fitted_; }
  // The client area changed: the base scale fits the scene (of the first
  // activation's extents) to it again; zoom, pan and angles stay.
  void Resize(ClientSize client);
  const Vec3& CentringPan() const { return centring_pan_; }

  // Toolbar: modes switch the zoom window off; the zoom window is a switch of its own.
  void SetMouseMode(MouseMode mode);
  void SetZoomWindow(bool on);
  void ZoomIn() { zoom *= kZoomInFactor; }
  void ZoomOut() { zoom *= kZoomOutFactor; }
  // Angles 0, zoom 1, the pan back to its centring values.
  void Restart();

  // Show flags and the deformed shape.
  bool Shows(ShowItem item) const { return scene.Shows(item); }
  void Toggle(ShowItem item);

  // Left-button mouse handling; `shift` keeps only the larger component of a drag.
  void Press(ClientPoint at);
  void Drag(ClientPoint at, bool shift, ClientSize client);
  void Release(ClientPoint at, ClientSize client);
  bool Dragging() const { return pressed_; }
  // The selection rectangle while a zoom window is dragged.
  std::optional<ClientRect> Selection() const;

  // --- Frame ----------------------------------------------------------------------
  // Rx(-90) Rx(ax) Ry(ay) Rz(az).
  Matrix4 Rotation() const;
  // Rotation, then the scale (zoom x base scale), then the translation by the
  // depth-centring offset and the pan.
  Matrix4 ModelView() const;
  // Pixels centred on the client area, deep enough for the whole scene at any angle.
  Matrix4 Projection(ClientSize client) const;
  // Where a world point lands in the client area (x right, y down).
  WorldPoint ToClient(const Vec3& world, ClientSize client) const;

 private:
  double Scale() const { return base_scale * zoom; }
  // A movement of the pointer in pixels as a movement in world units.
  Vec3 ScreenToWorld(double dx_pixels, double dy_pixels, const Matrix4& rotation) const;

  bool fitted_ = false;
  SceneExtents extents_;
  Vec3 centring_pan_;
  Vec3 depth_offset_;
  double scene_size_ = 1;  // largest extent, for the projection's depth

  bool pressed_ = false;
  ClientPoint press_;
  ClientPoint current_;
  Vec3 pan_at_press_;
  double zoom_at_press_ = 1;
  double angles_at_press_[3] = {0, 0, 0};
};

// The deformation factor one step up or down the sequence 1, 2, ..., 9 of each
// decade: leading digit n of the factor's decade p gives (n + 1) p up and (n - 1) p
// down, 1 p going down to 0.9 p. A factor of 0 or less becomes 1.
double StepDeformationFactor(double factor, bool up);

}  // namespace veldra::app::views

#endif  // VELDRA_APP_VIEWS_VIEW_3D_STATE_H
