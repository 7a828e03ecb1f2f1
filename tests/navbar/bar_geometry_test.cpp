#include "navbar/bar_geometry.h"

#include <gtest/gtest.h>

#include "navbar/navigator_items.h"

namespace selkan {
namespace {

// A bar narrower than its frame's borders gives the tree no negative size.
TEST(BarGeometry, ATinyBarLeavesTheTreeEmpty) {
  EXPECT_EQ(TreeRect(5, 480).Width(), 0);
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
