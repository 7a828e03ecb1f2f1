#include "navbar/bar_mouse.h"

namespace selkan {

void BarMouse::SetFrame(const BarRect& frame) {
  frame_ = frame;
  closeButton_ = CloseButtonRect(frame);
  strip_ = ResizeStrip(frame);
}

BarMouse::Effects BarMouse::SetLook(bool raised, bool sunken) {
  Effects effects;
  effects.repaintButton = raised != raised_ || sunken != sunken_;
  raised_ = raised;
  sunken_ = sunken;
  return effects;
}

BarMouse::Effects BarMouse::Press(int x, int y) {
  Effects effects;
  if (!closeButton_.IsEmpty()) {
    // Only a press that starts on the button can click it: a drag of the
    // strip that ends over the button must not hide the bar.
    pressedOnButton_ = closeButton_.Contains(x, y);
    effects = SetLook(false, pressedOnButton_);
  }
  if (strip_.Contains(x, y)) resizing_ = true;
  return effects;
}

BarMouse::Effects BarMouse::Move(int x, int y, int frameClientWidth) {
  if (resizing_) trackingX_ = selkan::TrackingX(x, frameClientWidth);
  if (closeButton_.IsEmpty()) return {};
  // Inside: raised on hover, sunken while the press that began there lasts.
  // Outside: flat.
  if (closeButton_.Contains(x, y)) return SetLook(!pressedOnButton_, pressedOnButton_);
  return SetLook(false, false);
}

BarMouse::Effects BarMouse::Release(int x, int y, int frameClientWidth) {
  Effects effects = SetLook(false, false);
  const bool click = pressedOnButton_ && closeButton_.Contains(x, y);
  pressedOnButton_ = false;
  trackingX_.reset();
  effects.hideBar = click;
  if (resizing_) effects.width = AppliedBarWidth(x, frameClientWidth);
  resizing_ = false;
  return effects;
}

BarMouse::Effects BarMouse::Leave() {
  if (resizing_ || pressedOnButton_) return {};
  return SetLook(false, false);
}

bool BarMouse::ShowsResizeCursor(int x, int y) const {
  return !frame_.IsEmpty() && strip_.Contains(x, y);
}

CloseButtonLook BarMouse::Look() const {
  if (raised_) return CloseButtonLook::Raised;
  if (sunken_) return CloseButtonLook::Sunken;
  return CloseButtonLook::Flat;
}

}  // namespace selkan
