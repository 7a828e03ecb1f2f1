#include "navbar/bar_mouse.h"

#include <gtest/gtest.h>

#include "navbar/bar_geometry.h"
#include "navbar/tree_branches.h"

namespace selkan {
namespace {

constexpr int kFrameWidth = 1000;  // the main window: the bar takes at most 500

// A 220-pixel bar as first laid out: the strip 214..219 x 7..478, the button 194..209 x 11..25.
BarMouse PaintedBar() {
  BarMouse mouse;
  mouse.SetFrame(InnerFrame(FrameOutline(220, 480)));
  return mouse;
}
constexpr int kStripX = 216, kStripY = 200, kButtonX = 200, kButtonY = 18;

// The line follows the drag, stopping at x = 80, and goes at the release, which applies the
// width, at least 11; both at most half the main window, truncated. A press off the strip
// resizes nothing; a drag ending over the close button leaves the bar shown.
TEST(BarMouse, DraggingTheStripAndPressingTheCloseButton) {
  // clang-format off
  const struct {
    int x, frameWidth;
    std::optional<int> line, width;
    int y = kStripY, pressX = kStripX;
  } cases[] = {{30, 1000, 80, 30}, {10, 1000, 80, 11}, {11, 1000, 80, 11}, {-40, 1000, 80, 11},
               {79, 1000, 80, 79}, {500, 1000, 500, 500}, {501, 1000, 500, 500},
               {700, 1001, 500, 500}, {220, 1000, 220, 220}, {80, 150, 75, 75},
               {kButtonX, 1000, kButtonX, kButtonX, kButtonY},
               {300, 1000, std::nullopt, std::nullopt, kStripY, 100}};
  // clang-format on
  for (const auto& c : cases) {
    BarMouse mouse = PaintedBar();
    mouse.Press(c.pressX, c.y), mouse.Move(c.x, c.y, c.frameWidth);
    EXPECT_EQ(mouse.TrackingX(), c.line) << c.x << " in " << c.frameWidth;
    const auto release = mouse.Release(c.x, c.y, c.frameWidth);
    EXPECT_EQ(release.width, c.width) << c.x << " in " << c.frameWidth;
    EXPECT_FALSE(release.hideBar || mouse.TrackingX() || mouse.Resizing()) << c.x;
  }
  EXPECT_TRUE(InnerFrame(FrameOutline(220, 8)).IsEmpty() &&
              InnerFrame(FrameOutline(10, 300)).IsEmpty());  // too low or too narrow for a frame
  const std::pair<int, int> edges[] = {{194, 11}, {209, 25}, {214, 7},  {219, 478},
                                       {193, 11}, {194, 10}, {210, 25}, {209, 26},
                                       {213, 7},  {214, 6},  {220, 8},  {219, 479}};
  std::string hits;
  for (const auto& [x, y] : edges) {
    BarMouse mouse = PaintedBar();
    mouse.Press(x, y);
    const char strip = mouse.ShowsResizeCursor(x, y) ? 'S' : '-';
    hits += mouse.Release(x, y, kFrameWidth).hideBar ? 'X' : strip;
  }
  EXPECT_EQ(hits, "XXSS--------");

  // The close button hides the bar only when pressed and released on it. Flat, raised on hover.
  BarMouse mouse = PaintedBar();
  EXPECT_TRUE(mouse.Look() == CloseButtonLook::Flat &&
              mouse.Move(kButtonX, kButtonY, kFrameWidth).repaintButton &&
              mouse.Look() == CloseButtonLook::Raised &&
              !mouse.Release(kButtonX, kButtonY, kFrameWidth).hideBar);
  EXPECT_TRUE(mouse.Press(kButtonX, kButtonY).repaintButton &&
              mouse.Look() == CloseButtonLook::Sunken);
  // The pressed button holds the mouse: leaving the bar changes nothing.
  const BarMouse::Effects leave = mouse.Leave();
  EXPECT_TRUE(!leave.repaintButton && !leave.hideBar && mouse.Look() == CloseButtonLook::Sunken);
  // Out: flat; back in: sunken again; released there: the bar goes.
  const BarMouse::Effects out = mouse.Move(kButtonX, 60, kFrameWidth);
  EXPECT_TRUE(out.repaintButton && !out.hideBar && mouse.Look() == CloseButtonLook::Flat);
  mouse.Move(kButtonX, kButtonY, kFrameWidth);
  EXPECT_EQ(mouse.Look(), CloseButtonLook::Sunken);
  EXPECT_TRUE(mouse.Release(kButtonX, kButtonY, kFrameWidth).hideBar &&
              mouse.Look() == CloseButtonLook::Flat);
  mouse.Move(kButtonX, kButtonY, kFrameWidth);  // the press is over: hovered, not pressed
  EXPECT_EQ(mouse.Look(), CloseButtonLook::Raised);
  EXPECT_TRUE(mouse.Leave().repaintButton && mouse.Look() == CloseButtonLook::Flat);  // gone: flat
}

// Each column of a row's indentation as "up down across", + or -.
std::string Branches(const TreeRowPlace& place) {
  std::string out;
  for (const BranchLines& c : TreeBranchLines(place))
    out += std::string{c.up ? '+' : '-', c.down ? '+' : '-', c.across ? '+' : '-', ' '};
  return out;
}

TEST(TreeBranchLines, AColumnPerAncestorThenTheRowsOwn) {
  EXPECT_EQ(Branches({}), "--+ ");  // the only root row
  EXPECT_EQ(Branches({true, false, true, {true, false}}), "++- --- +++ ");
  EXPECT_EQ(Branches({false, true, false, {}}), "+-+ ");
}

}  // namespace
}  // namespace selkan
