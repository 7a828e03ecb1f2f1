#include "navbar/bar_geometry.h"

#include <gtest/gtest.h>

#include "navbar/navigator_items.h"

namespace selkan {
namespace {

// At every width the strip is the bar's rightmost 6 pixels, the close button
// sits in the caption row 4 pixels left of it, and the tree fills the frame
// below the caption line, never with a negative size.
TEST(BarGeometry, PartsKeepTheirPlacesAtEveryWidth) {
  for (const int width : {5, 80, 220, 500}) {
    const BarRect outline = FrameOutline(width, 480);
    const BarRect frame = InnerFrame(outline);
    const BarRect strip = ResizeStrip(frame);
    const BarRect button = CloseButtonRect(frame);
    const BarRect tree = TreeRect(width, 480);
    EXPECT_EQ(strip, (BarRect{width - 6, 7, width, 479})) << width;
    EXPECT_EQ(button, (BarRect{width - 26, 11, width - 10, 26})) << width;
    EXPECT_EQ(tree, (BarRect{5, 31, 5 + std::max(0, width - 13), 477})) << width;
  }
  EXPECT_EQ(TreeRect(20, 10).Height(), 0);
}

// The tracking line stops at x = 80 on the left, while the width applied at
// release may go down to 11; both stop at half the main window, halved with
// truncation.
TEST(BarGeometry, TrackingLineAndAppliedWidthHaveTheirOwnLimits) {
  const struct {
    int x, frameWidth, line, width;
  } cases[] = {{30, 1000, 80, 30},    {10, 1000, 80, 11},    {11, 1000, 80, 11},
               {-40, 1000, 80, 11},   {80, 1000, 80, 80},    {500, 1000, 500, 500},
               {501, 1000, 500, 500}, {700, 1001, 500, 500}, {220, 1000, 220, 220}};
  for (const auto& c : cases) {
    EXPECT_EQ(TrackingX(c.x, c.frameWidth), c.line) << c.x << " in " << c.frameWidth;
    EXPECT_EQ(AppliedBarWidth(c.x, c.frameWidth), c.width) << c.x << " in " << c.frameWidth;
  }
}

// Only the texts of the language in use open an editor.
TEST(NavigatorItems, TextsOfTheLanguageInUseOpenTheirEditors) {
  using E = NavigatorEditor;
  const struct {
    const char* text;
    Language language;
    E editor;
  } cases[] = {{"Optional Features", Language::English, E::OptionalFeatures},
               {"类型设置", Language::Chinese, E::ProductInformation},
               {"Optional Features", Language::Chinese, E::None},
               {"信道信息", Language::English, E::None},
               {"Selkan Radio", Language::English, E::None}};
  for (const auto& c : cases) EXPECT_EQ(NavigatorEditorOf(c.text, c.language), c.editor) << c.text;
}

}  // namespace
}  // namespace selkan
