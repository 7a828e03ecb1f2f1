#pragma once

#include <optional>

#include "navbar/bar_geometry.h"

namespace selkan {

enum class CloseButtonLook { Flat, Raised, Sunken };

// The left mouse button on the navigation bar: the close button's hover and
// pressed looks and its click, and dragging the resize strip. Coordinates
// are bar client pixels; frameClientWidth is the main window's width, half
// of which the bar may take.
class BarMouse {
 public:
  // What the bar has to do after a mouse event.
  struct Effects {
    bool repaintButton = false;  // the close button's look changed
    bool hideBar = false;        // the close button was clicked
    std::optional<int> width;    // a resize drag ended: the new bar width
  };

  // Every paint lays the frame out again; before the first there is neither
  // a close button nor a resize strip, so the mouse does nothing.
  void SetFrame(const BarRect& frame);
  const BarRect& Frame() const { return frame_; }
  const BarRect& CloseButton() const { return closeButton_; }

  Effects Press(int x, int y);
  Effects Move(int x, int y, int frameClientWidth);
  Effects Release(int x, int y, int frameClientWidth);
  // The pointer left the bar with no button down.
  Effects Leave();

  // The resize cursor stands over the strip; elsewhere the arrow.
  bool ShowsResizeCursor(int x, int y) const;
  CloseButtonLook Look() const;
  bool Resizing() const { return resizing_; }
  // Where the tracking line stands while the strip is dragged.
  std::optional<int> TrackingX() const { return trackingX_; }

 private:
  Effects SetLook(bool raised, bool sunken);

  BarRect frame_;
  BarRect closeButton_;
  BarRect strip_;
  bool resizing_ = false;
  bool pressedOnButton_ = false;
  bool raised_ = false;
  bool sunken_ = false;
  std::optional<int> trackingX_;
};

}  // namespace selkan
