#include "navbar/bar_geometry.h"

#include <gtest/gtest.h>

#include "navbar/navigator_items.h"

namespace selkan {
namespace {

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

}  // namespace
}  // namespace selkan
