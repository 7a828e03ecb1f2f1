#pragma once

namespace selkan {

// A rectangle in bar client pixels. Its right and bottom edges lie just
// outside it, so a rectangle from 0 to 220 is 220 pixels wide.
struct BarRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  friend bool operator==(const BarRect&, const BarRect&) = default;
};

namespace navbar {
inline constexpr int kCaptionHeight = 22;    // the caption row and the close button's square
inline constexpr int kDefaultWidth = 220;    // every start of the program
inline constexpr int kResizeStripWidth = 6;  // along the frame's right edge
inline constexpr int kMinTrackingX = 80;     // the tracking line stays right of this
inline constexpr int kMinWidth = 11;         // what a drag to the far left leaves
}  // namespace navbar

// The etched outline drawn on a bar of the given client size: 3 pixels in
// from the left, 6 from the top and the right, 1 from the bottom.
BarRect FrameOutline(int width, int height);
// The frame rectangle the caption, the close button and the resize strip
// hang on: the outline with its left and top moved in by one.
BarRect InnerFrame(const BarRect& outline);
// The close button: 16 by 15 pixels, 4 below the frame's top, its right
// edge 4 pixels left of the frame's right.
BarRect CloseButtonRect(const BarRect& frame);
// The strip the width is dragged by: 6 pixels right of the frame's right
// edge, the frame's height.
BarRect ResizeStrip(const BarRect& frame);
// Where the tree goes: 5 pixels from the left, just below the caption row,
// 13 pixels narrower than the bar, ending 2 pixels above the frame's bottom.
BarRect TreeRect(int barWidth, int barHeight);

// Where the tracking line stands while the strip is dragged to x: never left
// of 80, never right of half the main window's width (halved with
// truncation).
int TrackingX(int x, int frameClientWidth);
// The width a drag released at x leaves: at least 11 pixels, at most half
// the main window's width. Narrower than the tracking line can show.
int AppliedBarWidth(int x, int frameClientWidth);

}  // namespace selkan
