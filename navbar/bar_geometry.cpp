#include "navbar/bar_geometry.h"

#include <algorithm>

namespace selkan {

BarRect FrameOutline(int width, int height) { return {3, 6, width - 6, height - 1}; }

BarRect InnerFrame(const BarRect& outline) {
  return {outline.left + 1, outline.top + 1, outline.right, outline.bottom};
}

BarRect CloseButtonRect(const BarRect& frame) {
  // The caption-high square 5 pixels left of the frame's right, shrunk by 7
  // on the left, 4 at the top and 3 at the bottom, and widened by 1 on the
  // right.
  const int squareRight = frame.right - 5;
  const int squareLeft = squareRight - navbar::kCaptionHeight;
  return {squareLeft + 7, frame.top + 4, squareRight + 1, frame.top + navbar::kCaptionHeight - 3};
}

BarRect ResizeStrip(const BarRect& frame) {
  return {frame.right, frame.top, frame.right + navbar::kResizeStripWidth, frame.bottom};
}

BarRect TreeRect(int barWidth, int barHeight) {
  const int top = navbar::kCaptionHeight + 9;
  const int bottom = std::max(top, barHeight - 3);
  return {5, top, 5 + std::max(0, barWidth - 13), bottom};
}

int TrackingX(int x, int frameClientWidth) {
  if (x < navbar::kMinTrackingX) return navbar::kMinTrackingX;
  return std::min(x, frameClientWidth / 2);
}

int AppliedBarWidth(int x, int frameClientWidth) {
  if (x < navbar::kMinWidth) return navbar::kMinWidth;
  return std::min(x, frameClientWidth / 2);
}

}  // namespace selkan
