#include "editor/form_geometry.h"

#include <gtest/gtest.h>

namespace selkan {
namespace {

const FormLayout kForm{{200, 20, 250, 30}, {20, 60, 600, 350}};

TEST(FormGeometry, TheGridTakesTheRoomBeyondTheForm) {
  // At the form's size, and below it, everything stays where the form has it.
  EXPECT_EQ(LayOutForm(kForm, 650, 450, 650, 450).grid, kForm.grid);
  EXPECT_EQ(LayOutForm(kForm, 650, 450, 500, 300).title, kForm.title);
  const FormLayout grown = LayOutForm(kForm, 650, 450, 951, 700);
  EXPECT_EQ(grown.grid, (Box{20, 60, 901, 600}));
  // The title keeps its size and stays over the middle of the grid.
  EXPECT_EQ(grown.title, (Box{350, 20, 250, 30}));
  EXPECT_EQ(grown.title.x + grown.title.width / 2 - (grown.grid.x + grown.grid.width / 2),
            kForm.title.x + kForm.title.width / 2 - (kForm.grid.x + kForm.grid.width / 2));
}

TEST(FormGeometry, ColumnsKeepTheirRatios) {
  const std::array<int, 3> widths{500, 1500, 1100};
  EXPECT_EQ(ScaleColumnWidths(widths, 600, 600), widths);
  EXPECT_EQ(ScaleColumnWidths(widths, 600, 300), widths);  // never below the form
  EXPECT_EQ(ScaleColumnWidths(widths, 600, 900), (std::array<int, 3>{750, 2250, 1650}));
  EXPECT_EQ(ScaleColumnWidths(widths, 600, 601), (std::array<int, 3>{500, 1502, 1101}));
  EXPECT_EQ(ScaleColumnWidths(widths, 0, 900), widths);
}

}  // namespace
}  // namespace selkan
